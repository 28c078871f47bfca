#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include <QApplication>

#include "PeerPair.h"
#include "SavedSettings.h"
#include "Testing.h"
#include "TwoPlayerScript.h"
#include "dialogs/TGetTheWord.h"

// Whole two-player games between two windows over loopback, the players' moves made as
// clicks, the modal boxes answered by script.

using namespace script;

namespace {

const QString kWaitWord = QStringLiteral("Waiting for opponent's word.");
const QByteArray kFruit =
    "Fruit\r\nAPPLE:Red\r\nPEAR\r\nPLUM:Purple\r\nGRAPE:Vine\r\nMELON\r\nKIWI\r\nLEMON:Sour\r\n";

bool bothPosted(TestWindow& t) {
    return t->game().playerPosted(true) && t->game().playerPosted(false);
}

// The two-player options are Player 1's; both get them when they connect.
struct Options {
    int gameType = 2;
    int wordType = 1;
    bool sameLength = false;
    bool player1Chooses = true;
    bool hints = false;
};

// Two connected windows past their start summaries. With manual ticks the step timer
// never fires by itself and the test calls it.
struct Game {
    PeerPair pair;
    TestWindow& p1 = pair.p1;
    TestWindow& p2 = pair.p2;

    // With fruit, Player 1 has the fruit list loaded before the connection.
    explicit Game(bool fruit = false) {
        // Lists load in file order, also those loaded before the connection.
        p1->settings().ScrambleList = p2->settings().ScrambleList = false;
        if (fruit) {
            p1->options().LoadGame(p1.writeFile(QStringLiteral("fruit.txt"), kFruit));
        }
    }

    void setUp(const Options& o, bool manualTicks = true) {
        Settings& s = p1->settings();
        s.GameType = o.gameType;
        s.WordType = o.wordType;
        s.SameWordLength = o.sameLength;
        s.Player1Chooses = o.player1Chooses;
        s.UseHints = o.hints;
        s.WinScore = 10;
        connectAnnAndBea(pair);
        QCOMPARE(p2->settings().GameType, o.gameType);
        QVERIFY(bothOffer(p1, p2, kStart));
        if (manualTicks) {
            script::manualTicks(p1);
            script::manualTicks(p2);
        }
    }

    // The words dealt to Player 1 and to Player 2.
    QStringList dealt() { return {p1->game().dealtWord().word, p2->game().dealtWord().word}; }

    TestWindow& other(TestWindow& t) { return &t == &p1 ? p2 : p1; }

    // Both press "Start Game", first then second, and each press reaches the other side.
    void pressStart(TestWindow& first) {
        first->ActionButtonClick();
        other(first)->ActionButtonClick();
        QTRY_VERIFY(bothPosted(p1) && bothPosted(p2));
        QTRY_VERIFY(p1->ui().WaitStatus->isHidden() && p2->ui().WaitStatus->isHidden());
    }

    // The tick on both sides, first then second; both end up with a word to play.
    void tick(TestWindow& first) {
        first->ConnectTimerTimer();
        other(first)->ConnectTimerTimer();
        QTRY_VERIFY(bothOffer(p1, p2, kPlay));
        QVERIFY(p1->ui().WaitStatus->isHidden() && p2->ui().WaitStatus->isHidden());
        QVERIFY(!bothPosted(p1) && !bothPosted(p2));
    }

    // Both play their words, each with some misses first; both scores reach both sides.
    // With the real timer running the next step may begin at once, so only the scores are
    // awaited then.
    void play(int misses1, int misses2, bool manualTicks = true) {
        p1->ActionButtonClick();
        p2->ActionButtonClick();
        QVERIFY(p1->ui().ActionButton->isHidden() && p2->ui().ActionButton->isHidden());
        guess(p1, misses1);
        guess(p2, misses2);
        if (!manualTicks) {
            QTRY_VERIFY(p1->game().score().theirs && p2->game().score().theirs);
            return;
        }
        QTRY_VERIFY(bothPosted(p1) && bothPosted(p2));
        QTRY_VERIFY(p1->ui().WaitStatus->isHidden() && p2->ui().WaitStatus->isHidden());
        QCOMPARE(p1->game().scores().player1(), p2->game().scores().player1());
        QCOMPARE(p1->game().scores().player2(), p2->game().scores().player2());
    }

    static void guess(TestWindow& t, int misses) {
        clickWord(t, t->game().dealtWord().word, misses);
        QVERIFY(t->game().wordFinished());
    }

    // The last tick: both see the end of the game, say Yes, and are offered a new one.
    void tickToGameOver(const QString& winnerLine) {
        p1->ConnectTimerTimer();
        p2->ConnectTimerTimer();
        for (TestWindow* t : {&p1, &p2}) {
            const QStringList over = gameOver(*t);
            QCOMPARE(over.size(), 1);
            QVERIFY2(over.first().startsWith(winnerLine + QStringLiteral("\n\r\n\r")),
                     qPrintable(over.first()));
            QVERIFY(offers(*t, kStart));
            QCOMPARE((*t)->game().scores().player1(), 0LL);
            QCOMPARE((*t)->game().scores().player2(), 0LL);
            QCOMPARE((*t)->game().words().index(), -1);
            QVERIFY(!(*t)->game().ready().mine && !(*t)->game().ready().theirs);
        }
    }
};

// The word entry dialog, answered with a word (and clue); its label is kept.
void scriptWord(TestWindow& t, const QString& word, const QString& clue = {},
                std::shared_ptr<QStringList> labels = {}, const QString& firstTry = {}) {
    t.prompts.dialogScript.push_back([=](QDialog& d) {
        auto& dialog = static_cast<TGetTheWord&>(d);
        if (labels) {
            labels->append(dialog.Label1->text());
        }
        if (!firstTry.isEmpty()) {
            dialog.AWord->setText(firstTry);
            dialog.OK->click();
        }
        dialog.AWord->setText(word);
        dialog.Clue->setText(clue);
        dialog.OK->click();
        return d.result();
    });
}

}  // namespace

class TestTwoPlayer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Play Word, a chat line and a guess by keyboard: after Return sends the line, the
    // next letter typed is a guess, not more chat.
    void aTwoPlayerWordByKeyboard() {
        Game g(true);
        g.setUp(Options{});
        g.pressStart(g.p1);
        g.tick(g.p1);
        TestWindow& t = g.p1;
        t->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.win.get()));
        const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
        t->ui().ActionButton->setFocus();
        press(Qt::Key_Space);
        QTRY_VERIFY(!t->game().round().word().isEmpty());
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), t->ui().MyMess);
        QTest::keyClicks(t->ui().MyMess, QStringLiteral("hi"));
        press(Qt::Key_Return);
        QTRY_VERIFY(linesOf(g.p2->ui().MyMemo).join(QString()).contains(QStringLiteral("hi")));
        press(Qt::Key_Z);
        QCOMPARE(t->game().round().usedLetters(), QStringLiteral("Z"));
    }

    void playersChooseTheWords() {
        Game g;
        CHECKED(g.setUp({1, 1, false, true, false}));
        CHECKED(g.pressStart(g.p1));
        scriptWord(g.p1, QStringLiteral("garden"));
        scriptWord(g.p2, QStringLiteral("ROSE"));
        // Player 1 sends first and waits for Player 2's word, which then arrives.
        g.p1->ConnectTimerTimer();
        QCOMPARE(g.p1->ui().WaitStatus->text(), kWaitWord);
        QVERIFY(g.p1->ui().WaitStatus->isVisible());
        QCOMPARE(g.p1->game().opponent().word, QStringLiteral("garden"));
        QCOMPARE(g.p1->ui().WebWordlabel->text(), QStringLiteral("______"));
        CHECKED(g.tick(g.p2));
        QCOMPARE(g.dealt(), words("ROSE", "garden"));
        QCOMPARE(g.p2->game().dealtWord().clue, QStringLiteral("No hint given"));
        QVERIFY(linesOf(g.p1->ui().ConMemo).contains(QStringLiteral(">>Word Sent")));
        QVERIFY(linesOf(g.p2->ui().ConMemo).contains(QStringLiteral(">>Received word")));

        CHECKED(g.play(0, 2));
        // Each side followed the other's word letter by letter.
        QCOMPARE(g.p1->ui().WebWordlabel->text(), QStringLiteral("GARDEN"));
        QCOMPARE(g.p1->ui().MissedWebLabel->text().left(3), QStringLiteral("N E"));
        QVERIFY(g.p1->ui().MissedWebLabel->text().endsWith(QStringLiteral("Y Z ")));
        QCOMPARE(g.p1->ui().WebGuesses->text(), QStringLiteral("6 Guesses Left"));
        QCOMPARE(g.p2->ui().WebWordlabel->text(), QStringLiteral("ROSE"));
        QCOMPARE(g.p1->ui().Play1ScorePan->text(), QStringLiteral("8"));
        QCOMPARE(g.p1->ui().Play2ScorePan->text(), QStringLiteral("6"));
        QCOMPARE(g.p2->ui().Play2ScorePan->text(), QStringLiteral("6"));

        scriptWord(g.p1, QStringLiteral("Ice cream"));
        scriptWord(g.p2, QStringLiteral("TULIP"));
        CHECKED(g.tick(g.p2));
        QCOMPARE(g.p1->ui().WordNumPanel->text(), QStringLiteral("Word 1"));
        CHECKED(g.play(0, 2));
        QCOMPARE(g.p1->ui().WordNumPanel->text(), QStringLiteral("Word 2"));
        QCOMPARE(g.p2->ui().WebWordlabel->text(), QStringLiteral("TULIP"));
        CHECKED(g.tickToGameOver(QStringLiteral("Ann is the winner!")));
        QCOMPARE(gameOver(g.p2).first(),
                 QStringLiteral("Ann is the winner!\n\r\n\rAnn Score: 16\n\rBea Score: 12\n\r\n\r"
                                "Would you like to play this same opponent again?"));
    }

    // A typed word's accented letters travel as single 8-bit bytes: the guessing side's grid
    // offers the whole of its language, and the sender follows the word letter by letter.
    void anAccentedWordPlayedBetweenTwoCopies() {
        Game g;
        CHECKED(g.setUp({1, 1, false, true, false}));
        CHECKED(g.pressStart(g.p1));
        // Folding is solo play's: both programs must see the same hits and misses.
        g.p2->settings().FoldAccents = true;
        scriptWord(g.p1, QString::fromUtf8("Straße"));
        scriptWord(g.p2, QStringLiteral("ROSE"));
        g.p1->ConnectTimerTimer();
        CHECKED(g.tick(g.p2));
        CHECKED(g.play(0, 2));
        QCOMPARE(g.p2->game().round().alphabet().extras(), QString::fromUtf8("ÄÖÜß"));
        QVERIFY(!g.p2->game().round().alphabet().folding());
        QCOMPARE(g.p1->ui().WebWordlabel->text(), QString::fromUtf8("STRAßE"));
        QCOMPARE(g.p2->ui().Play2ScorePan->text(), QStringLiteral("6"));
    }

    void playersChooseWordsWithCluesAndTheLengthRule() {
        Game g;
        CHECKED(g.setUp({1, 1, true, true, true}));
        QVERIFY(g.p2->settings().UseHints && g.p2->settings().SameWordLength);
        CHECKED(g.pressStart(g.p2));
        auto labels1 = std::make_shared<QStringList>();
        auto labels2 = std::make_shared<QStringList>();
        // The first word must have 6 letters: a 4-letter try is refused, then corrected.
        scriptWord(g.p1, QStringLiteral("Garden"), QStringLiteral("Grows: green"), labels1,
                   QStringLiteral("ROSE"));
        scriptWord(g.p2, QStringLiteral("ORCHID"), QString(), labels2);
        CHECKED(g.tick(g.p1));
        QCOMPARE(g.p1.prompts.withCaption(QStringLiteral("Error")),
                 QStringList{QStringLiteral("Invalid length of word entered.  Please correct")});
        QCOMPARE(*labels1,
                 QStringList{QStringLiteral("Enter a 6 lettered word for your opponent")});
        QCOMPARE(*labels2, *labels1);
        QCOMPARE(g.p2->game().dealtWord().word, QStringLiteral("Garden"));
        QCOMPARE(g.p2->game().dealtWord().clue, QStringLiteral("Grows: green"));
        QCOMPARE(g.p1->game().dealtWord().clue, QStringLiteral("No hint given"));
        QCOMPARE(g.p1->game().opponent().word, QStringLiteral("Garden"));
        QCOMPARE(g.p2->game().opponent().word, QStringLiteral("ORCHID"));
        CHECKED(g.play(3, 0));
        QCOMPARE(g.p2->ui().HintLabel->text(), QStringLiteral("Grows: green"));

        // The next word must have 5 letters.
        scriptWord(g.p1, QStringLiteral("TULIP"), QStringLiteral("Dutch"), labels1);
        scriptWord(g.p2, QStringLiteral("DAISY"), QStringLiteral("Oops"), labels2);
        CHECKED(g.tick(g.p1));
        QCOMPARE(labels1->last(), QStringLiteral("Enter a 5 lettered word for your opponent"));
        QCOMPARE(labels2->last(), labels1->last());
        QCOMPARE(g.p1->game().dealtWord().clue, QStringLiteral("Oops"));
        CHECKED(g.play(3, 0));
        CHECKED(g.tickToGameOver(QStringLiteral("Bea is the winner!")));
    }

    void theProgramChoosesTheSameWordForBoth() {
        Game g(true);
        CHECKED(g.setUp({2, 2, false, true, false}));
        CHECKED(g.pressStart(g.p1));
        CHECKED(g.tick(g.p1));
        QCOMPARE(g.dealt(), words("APPLE", "APPLE"));
        QCOMPARE(g.p2->game().dealtWord().clue, QStringLiteral("Red"));
        QCOMPARE(g.p2->windowTitle(), QStringLiteral("Ropewit: Fruit"));
        QCOMPARE(g.p2->ui().WebWordlabel->text(), QStringLiteral("_____"));

        g.p1->ActionButtonClick();
        g.p2->ActionButtonClick();
        // One hit and one miss by Player 1: Player 2 sees where, but never which letter.
        g.p1->AlphaClicked('P' - 64);
        g.p1->AlphaClicked('Z' - 64);
        QTRY_COMPARE(g.p2->ui().WebWordlabel->text(), QStringLiteral("_XX__"));
        QCOMPARE(g.p2->ui().MissedWebLabel->text(),
                 QStringLiteral("You are playing the same word--cannot reveal"));
        QTRY_COMPARE(g.p2->ui().WebGuesses->text(), QStringLiteral("7 Guesses Left"));
        Game::guess(g.p1, 0);
        Game::guess(g.p2, 1);
        QTRY_COMPARE(g.p1->ui().WebWordlabel->text(), QStringLiteral("XXXXX"));
        QTRY_VERIFY(bothPosted(g.p1) && bothPosted(g.p2));
        QCOMPARE(g.p1->game().scores().player1(), 7LL);
        QCOMPARE(g.p1->game().scores().player2(), 7LL);

        // "Play Word" moved the list on by one, so the next word is two entries further.
        CHECKED(g.tick(g.p2));
        QCOMPARE(g.dealt(), words("PLUM", "PLUM"));
        CHECKED(g.play(0, 0));
        CHECKED(g.tickToGameOver(QStringLiteral("We have a tie!")));

        // Yes: the same opponent again, from the first word of the list.
        CHECKED(g.pressStart(g.p2));
        CHECKED(g.tick(g.p1));
        QCOMPARE(g.p2->game().dealtWord().word, QStringLiteral("APPLE"));
        QCOMPARE(g.p1->ui().Play1ScorePan->text(), QStringLiteral("0"));
    }

    void theProgramChoosesDifferentWordsOfTheSameLength() {
        Game g(true);
        CHECKED(g.setUp({2, 1, true, true, false}));
        CHECKED(g.pressStart(g.p1));
        // Player 1 chooses and ticks first; its words reach Player 2 before Player 2's own
        // tick, which must leave the offered word alone.
        g.p1->ConnectTimerTimer();
        QTRY_VERIFY(offers(g.p2, kPlay));
        QCOMPARE(g.p2->game().dealtWord().word, QStringLiteral("GRAPE"));
        CHECKED(g.tick(g.p2));
        QCOMPARE(g.p1->game().dealtWord().word, QStringLiteral("APPLE"));
        QCOMPARE(g.p2->game().opponent().word, QStringLiteral("APPLE"));
        QCOMPARE(g.p1->game().opponent().word, QStringLiteral("GRAPE"));
        QCOMPARE(g.p2->game().dealtWord().clue, QStringLiteral("Vine"));
        QCOMPARE(linesOf(g.p1->ui().ConMemo).count(QStringLiteral(">>Word Sent")), 1);
        CHECKED(g.play(1, 1));
        // The opponent's letters are shown.
        QVERIFY(g.p1->ui().MissedWebLabel->text().startsWith(QStringLiteral("E P A R G")));
        QCOMPARE(g.p2->ui().WebWordlabel->text(), QStringLiteral("APPLE"));

        CHECKED(g.tick(g.p1));
        QCOMPARE(g.dealt(), words("PLUM", "KIWI"));
        QCOMPARE(int(g.p1->game().words().isUsed(3)), 1);
        QCOMPARE(int(g.p1->game().words().isUsed(5)), 1);
        CHECKED(g.play(0, 1));
        CHECKED(g.tickToGameOver(QStringLiteral("Ann is the winner!")));
        QVERIFY(g.p1->settings().SameWordLength);
    }

    void player2sListWhenPlayer1DoesNotChoose() {
        Game g;
        const QString list = g.p2.writeFile(QStringLiteral("fruit.txt"), kFruit);
        CHECKED(g.setUp({2, 1, false, false, false}));
        QVERIFY(!g.p2->settings().Player1Chooses);
        CHECKED(g.pressStart(g.p1));
        g.p1->ConnectTimerTimer();
        QCOMPARE(g.p1->ui().WaitStatus->text(), kWaitWord);
        QVERIFY(g.p1->ui().WaitStatus->isVisible());
        QVERIFY(g.p1->ui().FlashTimer->isActive());
        QVERIFY(g.p1.prompts.count(QStringLiteral("open")) == 0);
        // Player 2 has loaded no list: the default one, then the chooser for its own.
        g.p2.prompts.fileAnswers.push_back(list);
        CHECKED(g.tick(g.p2));
        QCOMPARE(g.p2.prompts.count(QStringLiteral("open")), 1);
        QVERIFY(g.p2.prompts.fileSpecs.back().mustExist);
        QCOMPARE(g.p1->windowTitle(), QStringLiteral("Ropewit: Fruit"));
        QCOMPARE(g.dealt(), words("PEAR", "APPLE"));
        QCOMPARE(g.p1->game().dealtWord().clue, QStringLiteral("No hint given"));
        QCOMPARE(g.p1->game().opponent().word, QStringLiteral("APPLE"));
        CHECKED(g.play(0, 0));
        CHECKED(g.tick(g.p1));
        QCOMPARE(g.p2.prompts.count(QStringLiteral("open")), 1);
        QCOMPARE(g.dealt(), words("MELON", "GRAPE"));
        CHECKED(g.play(1, 0));
        CHECKED(g.tickToGameOver(QStringLiteral("Bea is the winner!")));
    }

    void aListWithoutTwoWordsOfTheSameLength() {
        Game g;
        g.p1->options().LoadGame(
            g.p1.writeFile(QStringLiteral("odd.txt"), "Odd\r\nOX\r\nCOW\r\nMULE\r\nHORSE\r\n"));
        CHECKED(g.setUp({2, 1, true, true, false}));
        CHECKED(g.pressStart(g.p1));
        CHECKED(g.tick(g.p1));
        QCOMPARE(g.dealt(), words("OX", "COW"));
        // Off on the choosing side only, and neither sent nor saved.
        QVERIFY(!g.p1->settings().SameWordLength);
        QVERIFY(g.p2->settings().SameWordLength);
        QCOMPARE(linesOf(g.p2->ui().ConMemo).filter(QStringLiteral(">>Game Type Changed")).size(),
                 1);
        QVERIFY(savedSettings(g.p1->settings()).SameWordLength);
        CHECKED(g.play(0, 0));
        CHECKED(g.tick(g.p2));
        QCOMPARE(g.dealt(), words("HORSE", "OX"));
        CHECKED(g.play(0, 0));
        CHECKED(g.tickToGameOver(QStringLiteral("We have a tie!")));
    }

    void startPressedInEitherOrder() {
        Game g(true);
        CHECKED(g.setUp({2, 1, false, true, false}));
        // Player 2 first: it waits; Player 1 then does not.
        g.p2->ActionButtonClick();
        QCOMPARE(g.p2->ui().WaitStatus->text(), QStringLiteral("Waiting for opponent to start"));
        QVERIFY(g.p2->ui().ActionButton->isVisible() && !g.p2->ui().ActionButton->isEnabled());
        QTRY_VERIFY(g.p1->game().ready().theirs);
        QVERIFY(linesOf(g.p1->ui().ConMemo).contains(QStringLiteral(">>Bea Ready To Start")));
        g.p1->ActionButtonClick();
        QVERIFY(g.p1->ui().WaitStatus->isHidden());
        QTRY_VERIFY(g.p2->ui().WaitStatus->isHidden() && !g.p2->ui().FlashTimer->isActive());
        QVERIFY(linesOf(g.p2->ui().ConMemo).contains(QStringLiteral(">>Ann Ready To Start")));
        QVERIFY(bothPosted(g.p1) && bothPosted(g.p2));
        CHECKED(g.tick(g.p2));
        // Extra ticks change nothing: the step began once.
        g.p1->ConnectTimerTimer();
        g.p2->ConnectTimerTimer();
        QCOMPARE(linesOf(g.p1->ui().ConMemo).count(QStringLiteral(">>Word Sent")), 1);
        QCOMPARE(g.p1->game().dealtWord().word, QStringLiteral("APPLE"));

        // Both at the same moment: each waits until the other's press arrives.
        Game h(true);
        CHECKED(h.setUp({2, 1, false, true, false}));
        h.p1->ActionButtonClick();
        h.p2->ActionButtonClick();
        QVERIFY(h.p1->ui().WaitStatus->isVisible() && h.p2->ui().WaitStatus->isVisible());
        QTRY_VERIFY(h.p1->ui().WaitStatus->isHidden() && h.p2->ui().WaitStatus->isHidden());
        QVERIFY(bothPosted(h.p1) && bothPosted(h.p2));
        CHECKED(h.tick(h.p1));
        QCOMPARE(linesOf(h.p1->ui().ConMemo).count(QStringLiteral(">>Word Sent")), 1);
    }

    // Player 1 finishes each word before Player 2's tick: Player 2 still plays every step
    // whose word it got, and both judge the winner on the same finished steps.
    void aScoreBeforeThisSidesTickIsCountedInItsOwnStep() {
        Game g(true);
        CHECKED(g.setUp({}));
        CHECKED(g.pressStart(g.p1));
        for (int step = 0; step < 6 && gameOver(g.p1).isEmpty(); ++step) {
            g.p1->ConnectTimerTimer();
            if (!gameOver(g.p1).isEmpty())
                break;
            QTRY_VERIFY(offers(g.p1, kPlay) && offers(g.p2, kPlay));
            g.p1->ActionButtonClick();
            CHECKED(Game::guess(g.p1, 0));
            QTRY_VERIFY(g.p2->game().score().theirs);
            g.p2->ActionButtonClick();
            QVERIFY(gameOver(g.p2).isEmpty());
            CHECKED(Game::guess(g.p2, 1));
            QTRY_VERIFY(g.p1->game().score().theirs);
        }
        g.p2->ConnectTimerTimer();
        QCOMPARE(gameOver(g.p1).size(), 1);
        QCOMPARE(gameOver(g.p2), gameOver(g.p1));
    }

    void aWordPlayedBeforeThisSidesTickStillBeginsTheStep() {
        Game g(true);
        CHECKED(g.setUp({2, 1, false, true, false}));
        CHECKED(g.pressStart(g.p1));
        g.p1->ConnectTimerTimer();
        QTRY_VERIFY(offers(g.p2, kPlay));
        // Player 2 plays at once, before its own tick.
        QVERIFY(bothPosted(g.p2));
        g.p2->ActionButtonClick();
        QVERIFY(!bothPosted(g.p2));
        QVERIFY(g.p2->ui().WaitStatus->isHidden());
        QVERIFY(g.p2->GuessingAllowed());
        g.p2->ConnectTimerTimer();
        QVERIFY(g.p2->ui().WaitStatus->isHidden());
        QCOMPARE(g.p2->game().dealtWord().word, QStringLiteral("PEAR"));
    }

    void stepsBeginOnTheTimersOwnTick() {
        Game g(true);
        CHECKED(g.setUp({2, 1, false, true, false}, false));
        QVERIFY(g.p1->ui().ConnectTimer->isActive() && g.p2->ui().ConnectTimer->isActive());
        QCOMPARE(g.p1->ui().ConnectTimer->interval(), 1000);
        g.p1->ActionButtonClick();
        g.p2->ActionButtonClick();
        QTRY_VERIFY_WITH_TIMEOUT(bothOffer(g.p1, g.p2, kPlay), 5000);
        QVERIFY(!g.p1->ui().ConnectTimer->isActive());
        QCOMPARE(g.p2->game().dealtWord().word, QStringLiteral("PEAR"));
        CHECKED(g.play(0, 1, false));
        QTRY_VERIFY_WITH_TIMEOUT(bothOffer(g.p1, g.p2, kPlay), 5000);
        QCOMPARE(g.p2->game().dealtWord().word, QStringLiteral("MELON"));
        CHECKED(g.play(0, 1, false));
        QTRY_VERIFY_WITH_TIMEOUT(gameOver(g.p1).size() == 1 && gameOver(g.p2).size() == 1, 5000);
        QVERIFY(gameOver(g.p1).first().startsWith(QStringLiteral("Ann is the winner!")));
        QVERIFY(bothOffer(g.p1, g.p2, kStart));
    }
};

ROPEWIT_TEST(TestTwoPlayer)
#include "tst_twoplayer.moc"
