#include "Testing.h"

#include "TestFiles.h"
#include "Unprivileged.h"
#include "game/StatisticsStore.h"

namespace {
WordResult result(bool solved, int misses, const QString& list = QStringLiteral("Animals")) {
    WordResult r;
    r.list = list;
    r.difficulty = Difficulty::Short;
    r.solved = solved;
    r.misses = misses;
    r.runScore = 40;
    r.seconds = 30;
    return r;
}
}  // namespace

// The figures of solo play and the file that keeps them.
class TestStatistics : public QObject {
    Q_OBJECT
    TestFolder folder_;
    QString path() const { return folder_.filePath(QStringLiteral("statistics.json")); }

private Q_SLOTS:
    void init() { folder_.renew(); }

    void figuresFollowTheWordsAndSurviveTheFile() {
        StatisticsStore store(path());
        for (const auto& [solved, misses] :
             {std::pair{true, 2}, {true, 2}, {false, 8}, {true, 0}}) {
            store.record(result(solved, misses));
        }
        WordResult daily = result(true, 1);
        daily.daily = QDate(2026, 5, 1);
        QVERIFY(store.record(daily));
        QVERIFY(!store.record(daily));  // one try a day
        QVERIFY(store.save());
        StatisticsStore again(path());
        again.load();
        const Tally& t = again.statistics().overall();
        QCOMPARE(t.played, 4);
        QCOMPARE(t.lost(), 1);
        QCOMPARE(t.winPercent(), 75);
        QCOMPARE(t.currentStreak, 1);
        QCOMPARE(t.bestStreak, 2);
        QCOMPARE(t.averageMisses(), 4.0 / 3);
        QCOMPARE(t.misses[2], 2);
        QCOMPARE(t.bestScore, 40);
        QCOMPARE(t.seconds, 120);
        QCOMPARE(again.statistics().lists().value(QStringLiteral("Animals")).played, 4);
        QCOMPARE(again.statistics().difficulties().value(QStringLiteral("short")).played, 4);
        QCOMPARE(again.statistics().daily().played, 1);
        QVERIFY(again.statistics().dailyTried(QDate(2026, 5, 1)));
    }

    void twoCopiesLoseNeitherOnesResults() {
        StatisticsStore first(path()), second(path());
        first.load();
        second.load();
        first.record(result(true, 1));
        second.record(result(false, 8, QStringLiteral("Food")));
        QVERIFY(first.save());
        QVERIFY(second.save());
        QCOMPARE(second.statistics().overall().played, 2);
        QVERIFY(first.save());  // nothing new: nothing counted twice
        QCOMPARE(first.statistics().overall().played, 2);
    }

    void anUnusableFileIsKeptAsideAndToldOnce_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("aside");
        QTest::addColumn<qint64>("played");
        QTest::addColumn<qint64>("grownTo");  // a sparse file of that size
        const QByteArray head = R"({"format":"ropewit-statistics","version":1,"daily":{},)";
        QTest::newRow("truncated") << head << true << qint64(0) << qint64(0);
        QTest::newRow("not json") << QByteArray("\x00\xff garbage", 10) << true << qint64(0)
                                  << qint64(0);
        QTest::newRow("wrong type")
            << head + R"("overall":{"played":"many"}})" << true << qint64(0) << qint64(0);
        QTest::newRow("newer version")
            << QByteArray(R"({"format":"ropewit-statistics","version":2})") << true << qint64(0)
            << qint64(0);
        QTest::newRow("huge") << head << true << qint64(0) << qint64(100 * 1024 * 1024);
        QTest::newRow("negative count")
            << head + R"("overall":{"played":-5,"solved":-1}})" << false << qint64(0) << qint64(0);
        QTest::newRow("streak past played")
            << head + R"("overall":{"played":3,"solved":3,"bestStreak":90,"misses":[3]}})" << false
            << qint64(3) << qint64(0);
    }
    void anUnusableFileIsKeptAsideAndToldOnce() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, aside);
        QFETCH(qint64, played);
        QFETCH(qint64, grownTo);
        QVERIFY(writeAll(path(), bytes));
        QVERIFY(grownTo == 0 || QFile::resize(path(), grownTo));
        StatisticsStore store(path());
        QStringList told;
        store.reportProblem = [&](const QString& text) { told << text; };
        store.load();
        QCOMPARE(told.size(), 1);
        QCOMPARE(store.statistics().overall().played, played);
        QVERIFY(store.statistics().overall().bestStreak <= played);
        const QStringList kept =
            QDir(folder_.path()).entryList({QStringLiteral("statistics.json.unusable-*")});
        QCOMPARE(kept.size(), aside ? 1 : 0);
        store.load();
        QCOMPARE(told.size(), 1);
    }

    void aFullDiskKeepsTheOldFileAndTellsOnce() {
        StatisticsStore store(path());
        QStringList told;
        store.reportProblem = [&](const QString& text) { told << text; };
        store.record(result(true, 1));
        QVERIFY(store.save());
        const QByteArray before = readAll(path());
        store.record(result(true, 3, QString(5000, QLatin1Char('x'))));
        {
            FileSizeLimit full(before.size());
            QVERIFY(!store.save());
            QVERIFY(!store.save());
        }
        QCOMPARE(readAll(path()), before);
        QCOMPARE(told.size(), 1);
        QVERIFY(store.save());  // the waiting result is kept for later
        QCOMPARE(store.statistics().overall().played, 2);
    }
};

ROPEWIT_TEST(TestStatistics)
#include "tst_statistics.moc"
