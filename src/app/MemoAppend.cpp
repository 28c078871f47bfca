#include "app/MemoAppend.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "app/MemoBuffer.h"

void appendToMemo(QPlainTextEdit& memo, const QString& lines) {
    QTextDocument* document = memo.document();
    const int limit = document->maximumBlockCount();
    const int added = static_cast<int>(lines.count(QLatin1Char('\n'))) + 1;
    if (limit > 0 && !document->isEmpty()) {
        const int excess = document->blockCount() + added - limit;
        if (excess >= document->blockCount()) {
            memo.clear();
        } else if (excess > 0) {
            // Up to the start of the first block that stays.
            QTextCursor cursor(document);
            cursor.setPosition(document->findBlockByNumber(excess).position(),
                               QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
    }
    memo.appendPlainText(added > limit && limit > 0 ? lines.section(QLatin1Char('\n'), -limit)
                                                    : lines);
}

MemoBuffer* memoBufferFor(QPlainTextEdit* const& memo, int keepLines, QObject* parent) {
    return new MemoBuffer(
        keepLines, [&memo](const QString& text) { appendToMemo(*memo, text); }, parent);
}
