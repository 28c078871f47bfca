#include "app/MemoBuffer.h"

#include <QStringList>

MemoBuffer::MemoBuffer(int keepLines, Sink sink, QObject* parent)
    : QObject(parent), keepLines_(qMax(1, keepLines)), sink_(std::move(sink)) {}

void MemoBuffer::add(const QString& line) {
    if (!turnEndPosted_) {
        turnEndPosted_ = true;
        QMetaObject::invokeMethod(this, &MemoBuffer::endTurn, Qt::QueuedConnection);
    }
    // Once lines are gathered, every later one waits behind them, so the order holds.
    if (pending_.empty() && shownThisTurn_ < kLinesAtOnce) {
        ++shownThisTurn_;
        sink_(line);
        return;
    }
    pending_.push_back(line);
    if (static_cast<int>(pending_.size()) > keepLines_) {
        pending_.pop_front();
    }
}

void MemoBuffer::flush() {
    if (pending_.empty()) {
        return;
    }
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(pending_.size()));
    for (QString& line : pending_) {
        lines.append(std::move(line));
    }
    pending_.clear();
    sink_(lines.join(QLatin1Char('\n')));
}

void MemoBuffer::endTurn() {
    turnEndPosted_ = false;
    shownThisTurn_ = 0;
    flush();
}
