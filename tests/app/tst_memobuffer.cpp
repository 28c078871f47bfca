#include <QPlainTextEdit>

#include "Testing.h"
#include "app/MemoAppend.h"
#include "app/MemoBuffer.h"

namespace {

QStringList numbered(int from, int to) {
    QStringList lines;
    for (int i = from; i < to; ++i) {
        lines << QStringLiteral("line %1").arg(i);
    }
    return lines;
}

}  // namespace

class TestMemoBuffer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The first lines of a turn show at once; the rest of the turn's lines follow in one
    // piece when the event loop comes round, in order, and the next turn starts afresh.
    void aBurstIsHandedOverInOnePieceAtTheTurnsEnd() {
        QStringList shown;
        MemoBuffer memo(500, [&](const QString& text) { shown << text; });
        const QStringList lines = numbered(0, 50);
        for (const QString& line : lines) {
            memo.add(line);
        }
        const int atOnce = MemoBuffer::kLinesAtOnce;
        QCOMPARE(shown, lines.mid(0, atOnce));
        QCOMPARE(memo.gathered(), lines.size() - atOnce);
        QTRY_COMPARE(shown.size(), atOnce + 1);
        QCOMPARE(shown.last(), lines.mid(atOnce).join(QLatin1Char('\n')));
        QCOMPARE(memo.gathered(), 0);

        memo.add(QStringLiteral("next turn"));
        QCOMPARE(shown.last(), QStringLiteral("next turn"));
        QCoreApplication::processEvents();
        QCOMPARE(shown.size(), atOnce + 2);
    }

    // Of a burst, no more lines are kept than the memo shows.
    void aBurstKeepsOnlyTheLastLines() {
        QStringList shown;
        MemoBuffer memo(10, [&](const QString& text) { shown << text; });
        for (const QString& line : numbered(0, 100000)) {
            memo.add(line);
        }
        QCOMPARE(memo.gathered(), 10);
        memo.flush();
        QCOMPARE(shown.size(), MemoBuffer::kLinesAtOnce + 1);
        QCOMPARE(shown.last(), numbered(99990, 100000).join(QLatin1Char('\n')));
        QCoreApplication::processEvents();
        QCOMPARE(shown.size(), MemoBuffer::kLinesAtOnce + 1);
    }

    // Lines appended a piece at a time leave the memo with the last lines it holds, in order,
    // whether a piece is one line, fills part of it, or is longer than the memo.
    void appendingKeepsTheLastLines() {
        QPlainTextEdit memo;
        memo.setMaximumBlockCount(5);
        // Each piece holds lines [from, to); the memo then shows lines [first, to).
        const int pieces[][3] = {{0, 1, 0}, {1, 4, 0},   {4, 7, 2},
                                 {7, 8, 3}, {8, 20, 15}, {20, 25, 20}};
        for (const auto& [from, to, first] : pieces) {
            appendToMemo(memo, numbered(from, to).join(QLatin1Char('\n')));
            QCOMPARE(memo.toPlainText().split(QLatin1Char('\n')), numbered(first, to));
        }
        QCOMPARE(memo.blockCount(), 5);
    }
};

ROPEWIT_TEST(TestMemoBuffer)
#include "tst_memobuffer.moc"
