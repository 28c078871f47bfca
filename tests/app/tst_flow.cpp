#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <optional>

#include "DialogAnswers.h"
#include "PeerPair.h"
#include "SavedSettings.h"
#include "Testing.h"
#include "TwoPlayerScript.h"
#include "dialogs/TGetTheWord.h"
#include "widgets/ClickLabel.h"

namespace {

// One window in a two-player game that is not connected; the tick is driven by hand.
void twoPlayerAlone(TestWindow& t) {
    PeerPair::enterTwoPlayer(t);
    t->ui().ConnectTimer->stop();
    t->game().setPlayer1(true);
    t->game().players().setPlayer1(QStringLiteral("Ann"));
    t->game().players().setPlayer2(QStringLiteral("Bea"));
    t->settings().GameType = 2;
    t->settings().Player1Chooses = true;
    t->settings().ScrambleList = false;
}

// As above, connected to a peer that says nothing.
void connectedAlone(WiredWindow& t) {
    CHECKED(t.call(WiredWindow::Role::Player2));
    twoPlayerAlone(t);
}

// A list in memory as a load leaves it.
void setList(TestWindow& t, const QStringList& words, const QStringList& hints = {}) {
    t->game().words().setList(QStringLiteral("Test"), words, hints);
}

// The list position as after the given word has been put in play (-1: none yet).
void moveTo(TestWindow& t, int index) {
    t->game().words().restart();
    for (int i = -1; i < index; ++i) {
        t->game().words().countWord();
    }
}

// The marks of words handed out, one per word and one more.
std::vector<unsigned char> marks(TestWindow& t) {
    std::vector<unsigned char> used;
    for (int i = 0; i <= t->game().words().count(); ++i) {
        used.push_back(t->game().words().isUsed(i) ? 1 : 0);
    }
    return used;
}

// Deals the next words, as after the word at `after` was put in play when it is given: this
// side's word, then the opponent's.
QStringList deal(TestWindow& t, std::optional<int> after = std::nullopt) {
    if (after) {
        moveTo(t, *after);
    }
    t->DoAWebWord();
    return {t->game().dealtWord().word, t->game().opponent().word};
}

// Connected, past both start summaries, with hints synchronised (sent last).
void connectPair(PeerPair& pair) {
    script::connectAnnAndBea(pair);
    script::manualTicks(pair.p1);
    script::manualTicks(pair.p2);
}

}  // namespace

class TestFlow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void findSameLengthWordWalksOnFromThePositionAndMarks() {
        TestWindow t;
        setList(t, {"CAT", "DOGS", "COW", "EMU", "PIG"},
                {"Purrs", "", "Moo", QString(300, QLatin1Char('e')), "Oink"});
        auto found = t->game().words().findSameLengthWord(2, 3);
        QCOMPARE(found.word, QStringLiteral("EMU"));
        QCOMPARE(found.clue, QString(255, QLatin1Char('e')));
        QCOMPARE(int(t->game().words().isUsed(3)), 1);
        QCOMPARE(t->game().words().findSameLengthWord(2, 3).word, QStringLiteral("PIG"));
        // It wraps from the last position to the first.
        found = t->game().words().findSameLengthWord(2, 3);
        QCOMPARE(found.word, QStringLiteral("CAT"));
        QCOMPARE(found.clue, QStringLiteral("Purrs"));
        // The word at the start itself is never taken, nor marked.
        QVERIFY(t->game().words().findSameLengthWord(2, 3).word.isEmpty());
        QCOMPARE(int(t->game().words().isUsed(2)), 0);
        QCOMPARE(t->game().words().findSameLengthWord(0, 4).word, QStringLiteral("DOGS"));
        QVERIFY(t->game().words().findSameLengthWord(0, 4).word.isEmpty());

        // A start outside the list looks at every position once and comes to an end.
        setList(t, {"CAT", "DOGS", "COW", "EMU", "PIG"});
        QCOMPARE(t->game().words().findSameLengthWord(-1, 3).word, QStringLiteral("CAT"));
        QCOMPARE(t->game().words().findSameLengthWord(99, 4).word, QStringLiteral("DOGS"));
        QVERIFY(t->game().words().findSameLengthWord(-1, 7).word.isEmpty());
        // Words without clues give empty clues; an empty list gives nothing.
        setList(t, {"CAT", "DOGS", "COW"});
        found = t->game().words().findSameLengthWord(0, 3);
        QCOMPARE(found.word, QStringLiteral("COW"));
        QVERIFY(found.clue.isEmpty());
        setList(t, {});
        QVERIFY(t->game().words().findSameLengthWord(0, 3).word.isEmpty());
    }

    void theSameLengthSearchPairsWordsAndClearsMarksWhenItWraps() {
        TestWindow t;
        twoPlayerAlone(t);
        t->settings().WordType = 1;
        t->settings().SameWordLength = true;
        setList(t, {"AAA", "BBBB", "CCC", "DDDD", "EEEEE"}, {"", "b", "c"});

        t->DoAWebWord();
        QCOMPARE(t->game().dealtWord().word, QStringLiteral("AAA"));
        QCOMPARE(t->game().dealtWord().clue, QStringLiteral("No hint given"));
        QCOMPARE(t->game().opponent().word, QStringLiteral("CCC"));
        QCOMPARE(t->ui().WebWordlabel->text(), QStringLiteral("___"));
        QCOMPARE(t->ui().WebGuesses->text(), QStringLiteral("8 Guesses Left"));
        QCOMPARE(marks(t), (std::vector<unsigned char>{0, 0, 1, 0, 0, 0}));
        QVERIFY(script::offers(t, script::kPlay));
        QVERIFY(t->game().word().mine);
        QVERIFY(t->ui().FlashTimer->isActive());
        // Not connected: nothing is logged as sent.
        QVERIFY(!linesOf(t->ui().ConMemo).contains(QStringLiteral(">>Word Sent")));

        // As after "Play Word" (one position on); the chooser's own word is never marked.
        QCOMPARE(deal(t, 1), script::words("CCC", "AAA"));
        QCOMPARE(int(t->game().words().isUsed(0)), 1);
        QCOMPARE(int(t->game().words().isUsed(2)), 1);

        // EEEEE has no partner; going round to 0 forgets the marks, so CCC is free again.
        QCOMPARE(deal(t, 3), script::words("AAA", "CCC"));
        QCOMPARE(marks(t), (std::vector<unsigned char>{0, 0, 1, 0, 0, 0}));
        QVERIFY(t->settings().SameWordLength);

        // A start one past the end (after the last word was played) counts as the last.
        QCOMPARE(deal(t, 5), script::words("AAA", "CCC"));
    }

    void withoutAPairTheSearchGivesTwoWordsAndDropsTheLengthRuleInMemory() {
        TestWindow t;
        twoPlayerAlone(t);
        t->settings().WordType = 1;
        t->settings().SameWordLength = true;
        setList(t, {"A", "BB", "CCC", "DDDD"}, {"", "", "", "four"});
        QCOMPARE(deal(t), script::words("A", "BB"));
        QCOMPARE(t->game().words().index(), 1);
        QVERIFY(!t->settings().SameWordLength);
        QVERIFY(savedSettings(t->settings()).SameWordLength);
        // From now on the plain rule: two consecutive words, wrapping at the end.
        moveTo(t, 2);
        t->DoAWebWord();
        QCOMPARE(t->game().dealtWord().word, QStringLiteral("DDDD"));
        QCOMPARE(t->game().dealtWord().clue, QStringLiteral("four"));
        QCOMPARE(t->game().opponent().word, QStringLiteral("A"));

        // A list of one word: both get it, and the search still ends.
        t->settings().SameWordLength = true;
        setList(t, {"SOLO"});
        moveTo(t, -1);
        QCOMPARE(deal(t), script::words("SOLO", "SOLO"));
    }

    void theChoosingSideLoadsTheDefaultListAndOffersTheOpenDialog() {
        TestWindow t;
        twoPlayerAlone(t);
        t->settings().WordType = 2;
        QVERIFY(!t->game().words().loaded());
        // Cancelled: the default list stays.
        t->DoAWebWord();
        QCOMPARE(t.prompts.count(QStringLiteral("open")), 1);
        QVERIFY(t.prompts.fileSpecs.back().mustExist);
        QVERIFY(t->game().words().loaded());
        QVERIFY(t->game().words().count() > 1);
        QCOMPARE(t->game().dealtWord().word, t->game().words().words().at(0).left(15));
        QCOMPARE(t->game().opponent().word, t->game().dealtWord().word);

        // Once a list is loaded the dialog is not shown again.
        t->DoAWebWord();
        QCOMPARE(t.prompts.count(QStringLiteral("open")), 1);

        TestWindow u;
        twoPlayerAlone(u);
        u->settings().WordType = 2;
        u.prompts.fileAnswers.push_back(
            u.writeFile(QStringLiteral("mine.txt"), "Mine\r\nQUOKKA:Smiles\r\n"));
        u->DoAWebWord();
        QCOMPARE(u->game().words().words(), QStringList{QStringLiteral("QUOKKA")});
        QCOMPARE(u->game().dealtWord().word, QStringLiteral("QUOKKA"));
        QCOMPARE(u->game().dealtWord().clue, QStringLiteral("Smiles"));
        QCOMPARE(u->windowTitle(), QStringLiteral("Ropewit: Mine"));
    }

    void aChooserWithAnEmptyListPlaysTheStandInWord() {
        TestWindow t;
        twoPlayerAlone(t);
        for (int wordType : {1, 2}) {
            t->settings().WordType = wordType;
            t->settings().SameWordLength = wordType == 1;
            setList(t, {});
            QCOMPARE(deal(t), script::words("NoWords", "NoWords"));
        }
        // Clues and marks shorter than the list.
        t->settings().WordType = 1;
        setList(t, {"ONE", "TWO", "SIX"});
        QCOMPARE(deal(t, 7), script::words("ONE", "TWO"));
    }

    void theNextWordStaysHiddenUntilItIsPlayed() {
        WiredWindow t;
        CHECKED(connectedAlone(t));
        t->settings().NumGuesses = QStringLiteral("1");
        t->game().take(PeerMessage::YourWord, QStringLiteral("OX"));
        t->DoNextWord();
        t->game().setStarted(true);
        t->AlphaClicked(26);  // hanged: the whole word shows
        QVERIFY(t->game().wordFinished());
        // The opponent's next word arrives before it is played; redrawing the board (here by
        // the uppercase switch) must not show it in the positions the last word uncovered.
        t->game().setOffer(GameController::Offer::PlayWord);
        t->game().take(PeerMessage::YourWord, QStringLiteral("CAT:Meows"));
        t->ui().MenuUpper->trigger();
        const auto shows = [&](int p, QChar c) {
            const QImage tile = t->ui().WordTiles[p]->pixmap().toImage();
            return tile == t->board().WordTile(c).convertToFormat(tile.format());
        };
        QVERIFY(!shows(1, QLatin1Char('C')) && !shows(2, QLatin1Char('A')));
        QVERIFY(shows(1, QLatin1Char('O')) && shows(2, QLatin1Char('X')));
        QVERIFY(t->ui().WordTiles[3]->isHidden());
        // Played, it starts hidden.
        t->ActionButtonClick();
        QCOMPARE(t->game().round().word(), QStringLiteral("CAT"));
        QVERIFY(!t->game().round().isRevealed(1));
        QCOMPARE(t->ui().HintLabel->text(), QStringLiteral("Meows"));
    }

    void waitingTexts() {
        TestWindow t;
        twoPlayerAlone(t);
        t->controlPanel().OfferAction(script::kStart);
        t->ActionButtonClick();
        QVERIFY(t->game().ready().mine);
        QVERIFY(t->game().playerPosted(true));
        QVERIFY(!t->game().playerPosted(false));
        QCOMPARE(t->ui().WaitStatus->text(), QStringLiteral("Waiting for opponent to start"));
        QVERIFY(t->ui().WaitStatus->isVisible());
        QVERIFY(t->ui().ControlPanel->isVisible());
        QVERIFY(t->ui().ActionButton->isVisible());
        QVERIFY(!t->ui().ActionButton->isEnabled());
        QVERIFY(t->ui().FlashTimer->isActive());
        QVERIFY(linesOf(t->ui().ConMemo).contains(QStringLiteral(">>Ann Ready To Start")));

        // The opponent was ready first: no waiting.
        TestWindow u;
        twoPlayerAlone(u);
        u->game().setPlayer1(false);
        u->game().ready().theirs = true;
        u->controlPanel().OfferAction(script::kStart);
        u->ActionButtonClick();
        QVERIFY(u->ui().WaitStatus->isHidden());
        QVERIFY(u->game().playerPosted(false));
        QVERIFY(linesOf(u->ui().ConMemo).contains(QStringLiteral(">>Bea Ready To Start")));

        // The side that does not choose waits for its word, unless it is already here.
        u->settings().Player1Chooses = true;
        u->DoAWebWord();
        QVERIFY(u->game().word().mine);
        QCOMPARE(u->ui().WaitStatus->text(), QStringLiteral("Waiting for opponent's word."));
        QVERIFY(u->ui().WaitStatus->isVisible());
        u->controlPanel().HideWaitStatus();
        u->game().word().theirs = true;
        u->DoAWebWord();
        QVERIFY(u->ui().WaitStatus->isHidden());

        // Players choose the words: after sending, wait for the opponent's.
        WiredWindow w;
        CHECKED(connectedAlone(w));
        w->settings().GameType = 1;
        w->settings().SameWordLength = false;
        w->settings().UseHints = true;
        w.prompts.dialogScript.push_back([](QDialog& d) {
            auto& dialog = static_cast<TGetTheWord&>(d);
            dialog.AWord->setText(QStringLiteral(" Ice cream "));
            dialog.Clue->setText(QStringLiteral("Cold: sweet"));
            dialog.OK->click();
            return d.result();
        });
        w->DoAWebWord();
        QCOMPARE(w->ui().WaitStatus->text(), QStringLiteral("Waiting for opponent's word."));
        QVERIFY(w->game().word().mine);
        QCOMPARE(w->game().opponent().word, QStringLiteral("Ice cream"));
        QCOMPARE(w->game().opponent().progress, QStringLiteral("_________"));
        QVERIFY(linesOf(w->ui().ConMemo).contains(QStringLiteral(">>Word Sent")));

        // The connection went while the dialog was open: nothing more happens.
        TestWindow v;
        twoPlayerAlone(v);
        v->settings().GameType = 1;
        v->settings().SameWordLength = false;
        v.prompts.dialogScript.push_back(
            typeAndPressOk(&TGetTheWord::AWord, QStringLiteral("WORD")));
        v->DoAWebWord();
        QCOMPARE(v.prompts.count(QStringLiteral("dialog")), 1);
        QVERIFY(!v->game().word().mine);
        QVERIFY(v->ui().WaitStatus->isHidden());
        QVERIFY(v->game().opponent().word.isEmpty());
    }

    void theActionButtonIgnoresOtherCaptionsAndTheTickWaitsForBothPlayers() {
        WiredWindow t;
        twoPlayerAlone(t);
        t->controlPanel().OfferAction(QStringLiteral("Start Game"));
        const int lines = t->ui().ConMemo->blockCount();
        t->ActionButtonClick();
        QVERIFY(!t->game().ready().mine && !t->game().playerPosted(true) && !t->game().started());
        QVERIFY(t->ui().ActionButton->isEnabled());
        QCOMPARE(t->ui().ConMemo->blockCount(), lines);

        // Not connected, or one player not posted: the tick does nothing.
        t->game().setPlayerPosted(true, true);
        t->game().setPlayerPosted(false, true);
        t->ui().ConnectTimer->start();
        t->ConnectTimerTimer();
        QVERIFY(t->game().playerPosted(true) && t->ui().ConnectTimer->isActive());
        CHECKED(connectedAlone(t));
        t->ui().ConnectTimer->start();
        t->game().setPlayerPosted(true, true);
        t->game().setPlayerPosted(false, false);
        t->ConnectTimerTimer();
        QVERIFY(t->game().playerPosted(true) && t->ui().ConnectTimer->isActive());
        // Both posted: the step begins and the timer stops.
        t->game().setPlayerPosted(false, true);
        setList(t, {"ONE", "TWO"});
        t->settings().WordType = 2;
        t->ConnectTimerTimer();
        QVERIFY(!t->game().playerPosted(true) && !t->game().playerPosted(false));
        QVERIFY(!t->ui().ConnectTimer->isActive());
        QCOMPARE(t->game().dealtWord().word, QStringLiteral("ONE"));
        QVERIFY(script::offers(t, script::kPlay));
    }

    void chatLines() {
        PeerPair pair;
        CHECKED(connectPair(pair));
        TestWindow& p1 = pair.p1;
        TestWindow& p2 = pair.p2;
        // An empty edit sends nothing and adds nothing.
        p1->SendButtonClick();
        QVERIFY(p1->ui().MyMemo->toPlainText().isEmpty());
        p1->ui().MyMess->setText(QStringLiteral("hello <b>there</b> &amp; you"));
        p1->SendButtonClick();
        QVERIFY(p1->ui().MyMess->text().isEmpty());
        const QString line = QStringLiteral("Ann> hello <b>there</b> &amp; you");
        QCOMPARE(linesOf(p1->ui().MyMemo), QStringList{line});
        QTRY_COMPARE(linesOf(p2->ui().MyMemo), QStringList{line});
        // Player 2 writes under its own name; Enter in the edit sends too.
        p2->ui().MyMess->setText(QStringLiteral("hi"));
        QTest::keyClick(p2->ui().MyMess, Qt::Key_Return);
        QTRY_COMPARE(linesOf(p1->ui().MyMemo), (QStringList{line, QStringLiteral("Bea> hi")}));
        QCOMPARE(linesOf(p2->ui().MyMemo), (QStringList{line, QStringLiteral("Bea> hi")}));
    }

    void namesWordsAndCluesFromThePeerStayPlainText() {
        PeerPair pair;
        pair.p1->settings().UserName = QStringLiteral("<i>Ann</i>");
        pair.p1->settings().UseHints = true;
        pair.p1->settings().WordType = 2;
        pair.p1->settings().ScrambleList = false;
        pair.p1->options().LoadGame(pair.p1.writeFile(
            QStringLiteral("l.txt"), "<h1>Big</h1>\r\nSTAR:<b>shines</b> &lt;\r\n"));
        pair.connect();
        pair.waitForStartSummaries();
        TestWindow& p2 = pair.p2;
        QCOMPARE(p2->ui().OppPanel->text(), QStringLiteral("<i>Ann</i>"));
        QCOMPARE(p2->ui().OppPanel->textFormat(), Qt::PlainText);
        pair.p1->game().setPlayerPosted(false, true);
        pair.p1->game().setPlayerPosted(true, true);
        pair.p1->ConnectTimerTimer();
        QTRY_VERIFY(script::offers(p2, script::kPlay));
        QCOMPARE(p2->windowTitle(), QStringLiteral("Ropewit: <h1>Big</h1>"));
        QCOMPARE(p2->ui().HintLabel->text(), QStringLiteral("<b>shines</b> &lt;"));
        for (QLabel* label : {p2->ui().HintLabel, p2->ui().WebWordlabel, p2->ui().MissedWebLabel,
                              p2->ui().OppPanel, p2->ui().Play1ScoreLab, p2->ui().WaitStatus}) {
            QCOMPARE(label->textFormat(), Qt::PlainText);
        }
    }

    void aConnectionLostInTheMiddleOfAGameStopsTheWaiting() {
        PeerPair pair;
        pair.p1->settings().WordType = 1;
        pair.p1->settings().SameWordLength = false;
        pair.p1->settings().ScrambleList = false;
        pair.p1->options().LoadGame(
            pair.p1.writeFile(QStringLiteral("l.txt"), "Two\r\nOWL:Hoots\r\nEEL\r\n"));
        CHECKED(connectPair(pair));
        TestWindow& p1 = pair.p1;
        TestWindow& p2 = pair.p2;
        p1->ActionButtonClick();
        p2->ActionButtonClick();
        QTRY_VERIFY(p1->game().playerPosted(false) && p2->game().playerPosted(true));
        p1->ConnectTimerTimer();
        QTRY_VERIFY(script::offers(p2, script::kPlay));
        p2->ConnectTimerTimer();
        p1->ActionButtonClick();
        p2->ActionButtonClick();
        QCOMPARE(p2->game().round().word(), QStringLiteral("EEL"));
        for (QChar c : QStringLiteral("XEL")) {
            p2->AlphaClicked(c.unicode() - 64);
        }
        QVERIFY(p2->game().wordFinished());
        QCOMPARE(p2->ui().WaitStatus->text(), QStringLiteral("Waiting for opponent's score."));
        QVERIFY(p2->ui().FlashTimer->isActive());
        p2->controlPanel().FlashTimerTimer();  // in the dark phase of the blinking
        QVERIFY(p2->controlPanelColor() != p2->palette().color(QPalette::Button));

        p1.prompts.questionAnswers.push_back(false);
        p2.prompts.questionAnswers.push_back(false);
        QTRY_COMPARE(p1->game().scores().player2(), 7LL);
        p1->peer().cliWSocket().Close();
        QTRY_VERIFY(!p2->peer().connected());
        QVERIFY(linesOf(p2->ui().ConMemo).contains(QStringLiteral(">>Disconnected")));
        QCOMPARE(p2.prompts.withCaption(QStringLiteral("Notice")).size(), 1);
        QVERIFY(!p2->ui().FlashTimer->isActive());
        QCOMPARE(p2->controlPanelColor(), p2->palette().color(QPalette::Button));
        QVERIFY(p2->ui().WaitStatus->isHidden());
        // No: everything else stays as it was.
        QCOMPARE(p2->game().scores().player2(), 7LL);
        QCOMPARE(p2->game().scores().player1(), 0LL);
        QCOMPARE(p2->ui().Play2ScorePan->text(), QStringLiteral("7"));
        QCOMPARE(p2->game().players().player1(), QStringLiteral("Ann"));
        QCOMPARE(p2->game().players().player2(), QStringLiteral("Bea"));
        QCOMPARE(p2->game().round().word(), QStringLiteral("EEL"));
        QVERIFY(p2->game().ready().mine && p2->game().ready().theirs && p2->game().score().mine &&
                p2->game().wordFinished());
        QVERIFY(p2->game().started() && !p2->game().solo() && !p2->game().isPlayer1());
        QVERIFY(p2->ui().BlankPanel->isHidden());
        QCOMPARE(p2.prompts.count(QStringLiteral("dialog")), 0);
        // The side in the middle of its word is told as well; its board stays.
        QTRY_COMPARE(p1.prompts.withCaption(QStringLiteral("Notice")).size(), 1);
        QCOMPARE(p1->game().round().word(), QStringLiteral("OWL"));
        QVERIFY(!p1->GuessingAllowed());

        // Player 1 still listens: the next caller finds a clean game on both sides, and its
        // steps run.
        p2->network().ConnectToIP();
        QTRY_VERIFY(p1.prompts.withCaption(QStringLiteral("Ready To Start")).size() == 2 &&
                    p2.prompts.withCaption(QStringLiteral("Ready To Start")).size() == 2);
        for (TestWindow* t : {&p1, &p2}) {
            QCOMPARE((*t)->game().scores().player1() + (*t)->game().scores().player2(), 0LL);
            QCOMPARE((*t)->game().words().index(), -1);
            (*t)->ui().ConnectTimer->setInterval(1);  // quick ticks; a stopped timer stays stopped
            (*t)->ActionButtonClick();
        }
        QTRY_VERIFY(script::bothOffer(p1, p2, script::kPlay));
    }

    void floodsOfChatAndLogLinesStayBounded() {
        PeerPair pair;
        CHECKED(connectPair(pair));
        TestWindow& p1 = pair.p1;
        TestWindow& p2 = pair.p2;
        constexpr int kLines = 5000;
        for (int i = 0; i < kLines; ++i) {
            p2->ui().MyMess->setText(QStringLiteral("line %1").arg(i));
            p2->SendButtonClick();
            p2->peer().send(PeerMessage::StatusLine, QStringLiteral("status %1").arg(i));
        }
        QTRY_VERIFY_WITH_TIMEOUT(
            linesOf(p1->ui().MyMemo).endsWith(QStringLiteral("Bea> line 4999")) &&
                linesOf(p1->ui().ConMemo).endsWith(QStringLiteral("status 4999")),
            30000);
        QVERIFY(p1->ui().MyMemo->blockCount() <= 500);
        QVERIFY(p1->ui().ConMemo->blockCount() <= 500);
        QVERIFY(p2->ui().MyMemo->blockCount() <= 500);
        // Still answering: a line the other way goes through at once.
        p1->ui().MyMess->setText(QStringLiteral("still here"));
        p1->SendButtonClick();
        QTRY_VERIFY(linesOf(p2->ui().MyMemo).endsWith(QStringLiteral("Ann> still here")));
    }
};

ROPEWIT_TEST(TestFlow)
#include "tst_flow.moc"
