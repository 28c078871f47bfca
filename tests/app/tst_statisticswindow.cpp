#include "Testing.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "TestFiles.h"
#include "TestWindow.h"
#include "TwoPlayerScript.h"
#include "app/SoloRecords.h"
#include "dialogs/TChooseList.h"
#include "dialogs/TStatistics.h"
#include "play/GameController.h"
#include "widgets/MissChart.h"

// The Statistics window and the word of the day, as the player meets them in the window.
class TestStatisticsWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theWindowShowsTheFiguresOfTheFileAndResetsThem() {
        TestWindow t;
        t.writeFile(QStringLiteral("statistics.json"), R"({"format":"ropewit-statistics",
            "version":1,"daily":{},"overall":{"played":5,"solved":4,"currentStreak":2,
            "bestStreak":3,"missesOfSolved":6,"bestScore":31,"seconds":4000,"misses":[1,1,1,1]},
            "lists":{"Animals":{"played":2,"solved":1,"misses":[0,1]}}})");
        SoloRecords* records = t->findChild<SoloRecords*>();
        QVERIFY(records);
        records->store().load();
        QStringList shown;
        std::vector<qint64> bars;
        t.prompts.dialogScript.push_back([&](QDialog& d) {
            auto& s = dynamic_cast<TStatistics&>(d);
            shown << s.Figures->text();
            bars = s.Chart->counts();
            s.Shown->setCurrentIndex(1);
            shown << s.Shown->currentText() + QLatin1Char('\n') + s.Figures->text();
            s.Reset->click();
            shown << s.Figures->text();
            return 0;
        });
        records->showStatistics();
        QCOMPARE(shown.size(), 3);
        QVERIFY2(
            shown[0].startsWith(QStringLiteral("Played: 5\nSolved: 4\nLost: 1\nWon: 80%\n"
                                               "Current streak: 2 words\nBest streak: 3 "
                                               "words\nAverage misses per solved word: 1.5\n"
                                               "Best solo score: 31\nTime played: 1 h 06 min")),
            qPrintable(shown[0]));
        QCOMPARE(bars, (std::vector<qint64>{1, 1, 1, 1, 0, 0, 0, 0}));
        QVERIFY(shown[1].startsWith(QStringLiteral("List: Animals\nPlayed: 2\nSolved: 1\n")));
        QVERIFY(shown[2].startsWith(QStringLiteral("Played: 0\n")));
        QCOMPARE(t.prompts.count(QStringLiteral("question")), 1);
        QVERIFY(readAll(records->store().path()).contains(R"("played": 0)"));
    }

    void theWordOfTheDayHasOneTryAndItsOwnFigures() {
        TestWindow t(QByteArray(), script::freePort());
        t->network().StartServer();
        SoloRecords* records = t->findChild<SoloRecords*>();
        const QDate day(2026, 5, 1);
        QString summary;
        t.prompts.defaultDialog = [&](QDialog& d) {
            summary = dynamic_cast<TStatistics&>(d).Summary->text();
            return 0;
        };
        records->playDailyWord(day);
        QVERIFY(!t->peer().isListening());  // no call breaks into the day's one try
        QCOMPARE(t->windowTitle(), QStringLiteral("Ropewit: Word of the Day"));
        for (int tile = 1; tile <= 26 && records->store().statistics().daily().played == 0;
             ++tile) {
            t->AlphaClicked(tile);
        }
        QCOMPARE(records->store().statistics().daily().played, 1);
        QCOMPARE(records->store().statistics().overall().played, 0);
        QVERIFY2(summary.startsWith(QStringLiteral("Ropewit word of the day 2026-05-01: ")),
                 qPrintable(summary));
        QVERIFY(t->windowTitle() != QStringLiteral("Ropewit: Word of the Day"));
        records->playDailyWord(day);
        QVERIFY(t.prompts.messages().last().startsWith(QStringLiteral("You have had your try")));
        // Left unfinished, a day's word counts as lost: closing gives no second try.
        records->playDailyWord(day.addDays(1));
        t.win.reset();
        StatisticsStore after(QDir(t.dir.path()).filePath(QStringLiteral("statistics.json")));
        after.load();
        QCOMPARE(after.statistics().days().value(day.addDays(1), 0), -1);
    }

    // Choosing another game ends the run: its summary and figures are shown once, before.
    void aListChosenByItsTitleIsPlayedAloneAndEndsWithItsSummary() {
        TestWindow t(QByteArray(), script::freePort());
        t->network().StartServer();
        QVERIFY(t->peer().isListening());
        QVERIFY(QDir(t.dir.path()).mkpath(QStringLiteral("lists")));
        t.writeFile(QStringLiteral("lists/MINE.TXT"), "My Birds\r\nWREN\r\nROBIN\r\n");
        t.prompts.dialogScript.push_back([](QDialog& d) {
            auto& chooser = dynamic_cast<TChooseList&>(d);
            chooser.Lists->setCurrentItem(
                chooser.Lists->findItems(QStringLiteral("My Birds (2 words)"), Qt::MatchExactly)
                    .value(0));
            chooser.Buttons->button(QDialogButtonBox::Ok)->click();
            return d.result();
        });
        t->ui().MenuByName->trigger();
        QVERIFY(!t->peer().isListening());  // as the wizard's choice to play alone does
        QVERIFY(t->game().solo());
        QCOMPARE(t->game().words().title(), QStringLiteral("My Birds"));
        QVERIFY((QStringList{"WREN", "ROBIN"}).contains(t->game().round().word()));
        for (const QChar c : t->game().round().word()) {
            t->AlphaClicked(c.unicode() - 'A' + 1);
        }
        t->ui().MenuPlayer->trigger();
        t->ui().MenuPlayer->trigger();
        QCOMPARE(t.prompts.count(QStringLiteral("result")), 1);
        QVERIFY(t.prompts.shown.back().kind != QLatin1String("result"));
        const auto result = std::find_if(t.prompts.shown.begin(), t.prompts.shown.end(),
                                         [](const auto& s) { return s.kind == "result"; });
        QVERIFY2(result->text.contains(QStringLiteral("This game: 1 of 1 words solved, score")),
                 qPrintable(result->text));
    }
};

ROPEWIT_TEST(TestStatisticsWindow)
#include "tst_statisticswindow.moc"
