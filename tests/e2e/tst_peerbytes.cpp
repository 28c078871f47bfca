// The opening exchange byte for byte, against a raw socket playing the other program.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "PeerPair.h"
#include "SavedSettings.h"
#include "Testing.h"
#include "Translated.h"
#include "TwoPlayerScript.h"
#include "settings/Settings.h"

namespace {

const QByteArray kOpening =
    "05>>Syncing Options\x02"
    "0208\x02"
    "0321110100\x02"
    "08Player 1\x02"
    "110\x02";

const QByteArray kPlayer1Options =
    "[Options]\r\nNumber of Guesses=8\r\nGame Type=2\r\nWord Type=1\r\n"
    "Same Word Length=Yes\r\nPlayer 1 Chooses=Yes\r\nWin Score=100\r\nUse Hints=No\r\n"
    "User Name=\r\nUse Sound=No\r\n";

// Every line of the log, empty ones too.
QStringList fullLogOf(TestWindow& t) {
    return t->ui().ConMemo->toPlainText().split(QLatin1Char('\n'));
}

}  // namespace

class TestPeerBytes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void player1SendsTheOpeningAndSumsUp() {
        TestWindow t(kPlayer1Options);
        RawPeer raw;
        CHECKED(raw.callWindow(t));
        QTRY_VERIFY(raw.received.size() >= kOpening.size());
        QCOMPARE(raw.received, kOpening);
        QVERIFY(t->game().isPlayer1());
        QCOMPARE(t->game().players().player1(), QStringLiteral("Player 1"));
        QCOMPARE(t->ui().PlayerPanel->text(), QStringLiteral("Player 1"));
        QCOMPARE(fullLogOf(t), QStringList({QStringLiteral(">>Waiting for a connection"),
                                            QStringLiteral(">>Connected with 127.0.0.1"),
                                            QStringLiteral(">>Syncing options")}));
        QVERIFY(t.prompts.withCaption(QStringLiteral("Ready To Start")).isEmpty());

        raw.send("08Bea\x02");
        QTRY_COMPARE(t.prompts.withCaption(QStringLiteral("Ready To Start")).size(), 1);
        QCOMPARE(t->game().players().player2(), QStringLiteral("Bea"));
        QCOMPARE(t->ui().OppPanel->text(), QStringLiteral("Bea"));
        QCOMPARE(t->ui().Play1ScoreLab->text(), QStringLiteral("Player 1"));
        QCOMPARE(t->ui().Play2ScoreLab->text(), QStringLiteral("Bea"));
        QCOMPARE(t.prompts.withCaption(QStringLiteral("Ready To Start")).first(),
                 QStringLiteral(
                     "A connection has been made to an opponent!\n\r"
                     " You are Player 1.\n\r"
                     " Your opponent is Bea.\n\r\n\r"
                     "Game options have been synchronized as follows:\n\r"
                     "  Program chooses word\n\r"
                     "  Each player receives a different word\n\r"
                     "  Word lengths will be equal\n\r"
                     "  Player 1 selects word list\n\r"
                     "  Winning Score is 100\n\r"
                     "  Guess Attempts per word are 8\n\r"
                     "  Hint mode is off.\n\r\n\r"
                     "If you would like to make changes to any of these options,\n\r"
                     "then select \"Options\" from the menu and make your adjustments.\n\r\n\r"
                     "After you are satisfied with the game options, click on the\n\r"
                     "\"Start Game\" button to start the game."));
        QVERIFY(script::offers(t, script::kStart));
        // Player 1 does not answer the name.
        raw.sync(t);
        QCOMPARE(raw.received, kOpening);
    }

    // The translation is the window's alone: the opponent gets the English bytes.
    void theOpeningIsTheSameInGerman() {
        const Translated german("de");
        QVERIFY(german.loaded);
        TestWindow t(kPlayer1Options);
        RawPeer raw;
        CHECKED(raw.callWindow(t));
        QTRY_COMPARE(raw.received, kOpening);
        QCOMPARE(fullLogOf(t).last(), QStringLiteral(">>Syncing options"));
    }

    void player2AnswersTheOpeningAndTakesPlayer1sOptions() {
        TestWindow t(
            "[Options]\r\nUser Name=Bea\r\nNumber of Guesses=6\r\nGame Type=1\r\n"
            "Word Type=2\r\nSame Word Length=No\r\nPlayer 1 Chooses=No\r\nWin Score=300\r\n"
            "Use Hints=Yes\r\nUse Sound=No\r\n");
        RawPeer raw;
        CHECKED(raw.answerWindow(t));
        QVERIFY(!t->game().isPlayer1());
        QCOMPARE(t->ui().PlayerPanel->text(), QStringLiteral("Bea"));

        raw.send(kOpening);  // all five in one write
        QTRY_COMPARE(raw.received, QByteArray("08Bea\x02"));
        CHECKED(raw.sync(t));
        QCOMPARE(raw.received, QByteArray("08Bea\x02"));

        QCOMPARE(t->settings().NumGuesses, QStringLiteral("8"));
        QCOMPARE(t->settings().GameType, 2);
        QCOMPARE(t->settings().WordType, 1);
        QVERIFY(t->settings().SameWordLength);
        QVERIFY(t->settings().Player1Chooses);
        QCOMPARE(t->settings().WinScore, 100);
        QVERIFY(!t->settings().UseHints);
        QCOMPARE(t->game().players().player1(), QStringLiteral("Player 1"));
        QCOMPARE(t->ui().OppPanel->text(), QStringLiteral("Player 1"));
        QVERIFY(!t->ui().MenuWords->isEnabled());  // Player 1 chooses the list

        QStringList log = fullLogOf(t);
        log.removeLast();  // the sync line
        QCOMPARE(log,
                 QStringList({
                     QStringLiteral(">>Attempting To Connect"),
                     QStringLiteral(">>Connected"),
                     QStringLiteral(">>Syncing Options"),
                     QStringLiteral(">>Guess Attempts Changed To 8"),
                     // Player 1's name is not known yet when its options arrive.
                     QStringLiteral(">>Game Type Changed: Program Chooses Words, Players Get "
                                    "Different Words, Ensure Words Are Same Length,  Chooses Word "
                                    "List, Winning Score is 100"),
                     QStringLiteral(">>Hints Turned Off"),
                 }));

        // The options are saved; the hint mode came after the summary was built.
        const auto saved = [&t] { return savedSettings(t->settings()); };
        QCOMPARE(saved().GameType, 2);
        QCOMPARE(saved().WinScore, 100);
        // Saved within about a second of the options, folded into one later save.
        QTRY_VERIFY(!saved().UseHints);
        const QString summary = t.prompts.withCaption(QStringLiteral("Ready To Start")).first();
        QVERIFY(summary.startsWith(QStringLiteral(
            "A connection has been made to an opponent!\n\r You are Bea.\n\r Your opponent is "
            "Player 1.\n\r\n\r")));
        QVERIFY(summary.contains(QStringLiteral("  Guess Attempts per word are 8\n\r")));
        QVERIFY(summary.contains(QStringLiteral("  Hint mode is on.\n\r\n\r")));
        QCOMPARE(t->ui().ActionButton->text(), script::kStart);
    }
};

ROPEWIT_TEST(TestPeerBytes)
#include "tst_peerbytes.moc"
