#include "Testing.h"

#include <QTimeZone>
#include <set>

#include "game/DailyWord.h"

// The rule that picks the word of the day.
class TestDailyWord : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aDateAlwaysGivesTheSameWord() {
        // Fixed values: a change of the rule would give other players other words.
        QCOMPARE(dailyword::indexFor(QDate(2026, 1, 1), 400), 11);
        QCOMPARE(dailyword::indexFor(QDate(2026, 1, 2), 400), (7919 + 11) % 400);
        QCOMPARE(dailyword::indexFor(QDate(2025, 12, 31), 400), (399 * 7919 + 11) % 400);
    }

    void noWordRepeatsWithinTheListsLength_data() {
        QTest::addColumn<int>("n");
        QTest::newRow("366") << 366;
        QTest::newRow("a multiple of the step") << 7919 * 2;
        QTest::newRow("one") << 1;
    }
    void noWordRepeatsWithinTheListsLength() {
        QFETCH(int, n);
        std::set<int> seen;
        const QDate start(2027, 6, 15);
        for (int d = 0; d < n; ++d) {
            const int i = dailyword::indexFor(start.addDays(d), n);
            QVERIFY(i >= 0 && i < n);
            seen.insert(i);
        }
        QCOMPARE(int(seen.size()), n);
    }

    void theDateIsTheLocalOne() {
        const QDateTime instant(QDate(2026, 3, 1), QTime(2, 0), QTimeZone::utc());
        const QDate london = dailyword::localDate(instant, QTimeZone("Europe/London"));
        const QDate newYork = dailyword::localDate(instant, QTimeZone("America/New_York"));
        QCOMPARE(london, QDate(2026, 3, 1));
        QCOMPARE(newYork, QDate(2026, 2, 28));
        QVERIFY(dailyword::indexFor(london, 400) != dailyword::indexFor(newYork, 400));
    }

    void theSharedLineNeverHoldsTheWord() {
        QCOMPARE(dailyword::shareLine(QDate(2026, 4, 2), true, 1, 8),
                 QStringLiteral("Ropewit word of the day 2026-04-02: solved with 1 miss of 8"));
        QCOMPARE(dailyword::shareLine(QDate(2026, 4, 2), false, 8, 8),
                 QStringLiteral("Ropewit word of the day 2026-04-02: not solved (8 misses)"));
    }
};

ROPEWIT_TEST(TestDailyWord)
#include "tst_dailyword.moc"
