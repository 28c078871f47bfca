#pragma once

#include <QObject>
#include <QString>
#include <deque>
#include <functional>

// Lines on their way to a memo. Laying out a line of text is the dearest thing the window
// does, and an opponent can send thousands of lines a second: the first few lines of a turn
// of the event loop go to the memo at once, the rest are gathered and handed over in one
// piece when the turn ends. Of those only the last keepLines are kept, as the memo would
// keep no more of them anyway.
class MemoBuffer : public QObject {
    Q_OBJECT
public:
    // Receives one line, or several joined by '\n'.
    using Sink = std::function<void(const QString& text)>;

    static constexpr int kLinesAtOnce = 4;

    MemoBuffer(int keepLines, Sink sink, QObject* parent = nullptr);

    void add(const QString& line);
    // Hands over what is gathered now.
    void flush();
    int gathered() const { return static_cast<int>(pending_.size()); }

private:
    void endTurn();

    int keepLines_;
    Sink sink_;
    std::deque<QString> pending_;
    int shownThisTurn_ = 0;
    bool turnEndPosted_ = false;
};
