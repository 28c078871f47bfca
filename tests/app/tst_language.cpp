#include "TestFiles.h"
#include "TestWindow.h"
#include "Testing.h"
#include "Translated.h"
#include "app/HelpMenu.h"
#include "game/DailyWord.h"

#include <QMenuBar>

namespace {

// The settings file after a window flipped a switch and saved it.
QByteArray savedAfterAClick() {
    TestWindow t("[Options]\r\nUser Name=Bea\r\n");
    t->options().MenuHintsClick();
    return readAll(QDir(t.dir.path()).filePath(QStringLiteral("ROPEWIT.INI")));
}

}  // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theGermanFileTranslatesTheMenus() {
        const Translated german("de");
        QVERIFY(german.loaded);
        TestWindow t;
        QCOMPARE(t->menuBar()->actions().first()->text(), QStringLiteral("&Datei"));
        // The action button's offer is told by its caption, in the window's language too.
        t->controlPanel().OfferAction(ControlPanelView::playCaption());
        QCOMPARE(t->ui().ActionButton->text(), QStringLiteral("&Wort spielen"));
        QCOMPARE(t->game().offer(), GameController::Offer::PlayWord);
        // The help too, and the English one where its translation is missing.
        const QDir program(QStringLiteral(ROPEWIT_PROGRAM_DIR));
        QCOMPARE(helpmenu::contentsFile(program.path()), program.filePath("ROPEWIT.de.HTML"));
        QCOMPARE(helpmenu::contentsFile(t.dir.path()), QDir(t.dir.path()).filePath("ROPEWIT.HTML"));
    }

    void aSaveWritesTheSameBytesInGerman() {
        const QByteArray english = savedAfterAClick();
        const Translated german("de");
        QVERIFY(german.loaded);
        QCOMPARE(savedAfterAClick(), english);
    }

    // Texts of the features that came after the first translations, one of each kind.
    void theLaterFeaturesAreTranslated_data() {
        QTest::addColumn<QStringList>("text");
        QTest::newRow("statistics") << QStringList{"TStatistics", "All solo words"};
        QTest::newRow("word length") << QStringList{"Difficulty", "Words of any length"};
        QTest::newRow("statistics file") << QStringList{"StatisticsStore", "is damaged"};
        QTest::newRow("screen reader") << QStringList{"Accessibility", "blank"};
        QTest::newRow("reachability")
            << QStringList{"NetworkSteps", "Callers can reach you directly at %1."};
        QTest::newRow("server notice")
            << QStringList{"MatchClient", "No answer from the server in time"};
        QTest::newRow("wait text") << QStringList{"GameController", "Waiting for opponent's word."};
        QTest::newRow("winner") << QStringList{"Scoring", "We have a tie!"};
        QTest::newRow("start summary") << QStringList{"PeerText", "  Hint mode is on."};
        QTest::newRow("address error")
            << QStringList{"PeerAddress", "No address has been entered."};
        QTest::newRow("--help") << QStringList{"CommandLine", "Ropewit, the hangman word game."};
        QTest::newRow("contrast note")
            << QStringList{"TLetterLook2",
                           "High Contrast Look is on: the board shows these "
                           "choices once it is turned off in the Options menu."};
    }
    void theLaterFeaturesAreTranslated() {
        QFETCH(QStringList, text);
        const Translated german("de");
        QVERIFY(german.loaded);
        QVERIFY(QCoreApplication::translate(qPrintable(text[0]), qPrintable(text[1])) != text[1]);
    }

    void theSharedDailyLineStaysEnglish() {
        const Translated german("de");
        QVERIFY(german.loaded);
        QCOMPARE(dailyword::shareLine(QDate(2026, 1, 2), true, 1, 6),
                 QStringLiteral("Ropewit word of the day 2026-01-02: solved with 1 miss of 6"));
    }

    void aMissingFileLeavesEnglishAndSaysSo() {
        QTemporaryDir empty;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no usable translation .*_de.qm"));
        QVERIFY(!language::install(empty.path(), QStringLiteral("de")));
        QCOMPARE(QCoreApplication::translate("TMainWin", "&File"), QStringLiteral("&File"));
    }

    void theChoiceFollowsOptionThenSettingThenSystem_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("expected");
        QTest::newRow("option") << "C"
                                << "fr"
                                << "de_DE"
                                << "C";
        QTest::newRow("setting") << ""
                                 << "fr"
                                 << "de_DE"
                                 << "fr";
        QTest::newRow("system") << ""
                                << ""
                                << "es_MX"
                                << "es";
        QTest::newRow("untranslated system") << ""
                                             << ""
                                             << "it_IT"
                                             << "en";
    }
    void theChoiceFollowsOptionThenSettingThenSystem() {
        QFETCH(QString, option);
        QFETCH(QString, chosen);
        QFETCH(QString, system);
        QFETCH(QString, expected);
        QCOMPARE(language::choose(option, chosen, QLocale(system)), expected);
    }
};

ROPEWIT_TEST(TestLanguage)
#include "tst_language.moc"
