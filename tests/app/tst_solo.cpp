#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "PeerPair.h"
#include "ReaderCheck.h"
#include "TestFiles.h"
#include "TestWindow.h"
#include "Testing.h"
#include "TwoPlayerScript.h"
#include "app/BoardAccess.h"
#include "core/LetterTile.h"
#include "core/Random.h"
#include "dialogs/TDoNewGame.h"
#include "dialogs/TGetYourName.h"
#include "game/Scoring.h"
#include "widgets/ClickLabel.h"

namespace {

// Starts a solo game the way a player does: the welcome button, the wizard's first step
// with "play against the computer", and the word list chosen in the file dialog.
void startSolo(TestWindow& t, const QByteArray& list) {
    t->settings().ScrambleList = false;
    const QString path = t.writeFile(QStringLiteral("list.txt"), list);
    t.prompts.fileAnswers.push_back(path);
    script::startThroughTheWizard(t, [](TDoNewGame& w) {
        w.PlaySol->setChecked(true);
        w.NextButton->click();
    });
}

QImage tileImage(const ClickLabel* tile) {
    return tile->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

bool sameRows(const QImage& a, const QImage& b, int top, int bottom, int left = 0,
              int right = 177) {
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

void guess(TestWindow& t, const QString& letters) {
    for (QChar c : letters) {
        t->TestIt2(c == QLatin1Char(' ') ? 27 : c.unicode() - 64);
    }
}

QString spoken(QObject* o, QAccessible::Text what = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(o)->text(what);
}

}  // namespace

class TestSolo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { programRandom().setState(0); }

    void aSoloGameStartsFromTheWelcomePanel() {
        TestWindow t;
        startSolo(t, "Animals\r\nCAT:Purrs\r\nDOG\r\n");
        QVERIFY(!t->ui().BlankPanel->isVisible());
        QVERIFY(t->ui().MainPanel->isVisible());
        QVERIFY(t->game().solo());
        QCOMPARE(t->game().round().word(), QStringLiteral("CAT"));
        QCOMPARE(t->game().round().clue(), QStringLiteral("Purrs"));
        QCOMPARE(t->ui().WordNumPanel->text(), QStringLiteral("Word 1 of 2"));
        QCOMPARE(t->ui().Guesses->text(), QStringLiteral("8 Guesses Left"));
        QVERIFY(!t->ui().WordTiles[3]->isHidden());
        QVERIFY(t->ui().WordTiles[4]->isHidden());
        QVERIFY(!t->ui().ControlPanel->isVisible());
        QCOMPARE(t->windowTitle(), QStringLiteral("Ropewit: Animals"));
        QCOMPARE(t->ui().PlayerPanel->text(), QStringLiteral("Player 1"));
        QCOMPARE(t->ui().Play1ScoreLab->text(), QStringLiteral("Player 1"));
    }

    void cancellingTheWizardKeepsTheWelcomePanel() {
        TestWindow t;
        script::startThroughTheWizard(t, [](TDoNewGame& w) { w.CancelButton->click(); });
        QVERIFY(t->ui().BlankPanel->isVisible());
        QVERIFY(!t->ui().MainPanel->isVisible());
    }

    void guessingByMouseAndKeyboard() {
        TestWindow t;
        startSolo(t, "T\r\nMississippi\r\n");
        // A click on the S tile.
        QTest::mouseClick(t->ui().AlphabetTiles[19], Qt::LeftButton);
        for (int p : {3, 4, 6, 7}) {
            QVERIFY(t->game().round().isRevealed(p));
        }
        QVERIFY(!t->game().round().isRevealed(1) && !t->game().round().isRevealed(2) &&
                !t->game().round().isRevealed(5));
        QVERIFY(t->ui().AlphabetTiles[19]->isHidden());
        QCOMPARE(t->ui().UsedLettersLabel->text(), QStringLiteral(" S"));
        // Typed letters whatever the Shift state.
        QTest::keyClick(t.win.get(), Qt::Key_I, Qt::ShiftModifier);
        QVERIFY(t->game().round().isRevealed(2));
        QTest::keyClick(t.win.get(), Qt::Key_Z);
        QCOMPARE(t->game().round().guessesLeft(), 7);
        QCOMPARE(t->ui().Guesses->text(), QStringLiteral("7 Guesses Left"));
        QCOMPARE(t->game().round().usedLetters(), QStringLiteral("SIZ"));
        QCOMPARE(t->ui().UsedLettersLabel->text(), QStringLiteral(" S I Z"));
        // Ctrl and Alt combinations are not guesses.
        QTest::keyClick(t.win.get(), Qt::Key_P, Qt::ControlModifier);
        QTest::keyClick(t.win.get(), Qt::Key_F, Qt::AltModifier);
        QCOMPARE(t->game().round().usedLetters(), QStringLiteral("SIZ"));
        // A repeated guess costs nothing.
        QTest::keyClick(t.win.get(), Qt::Key_Z);
        QCOMPARE(t->game().round().guessesLeft(), 7);
        QCOMPARE(t->game().round().usedLetters(), QStringLiteral("SIZ"));
        // Letters typed into the chat edit stay there.
        t->ui().WebPanel->setEnabled(true);
        t->ui().WebPanel->show();
        t->activateWindow();
        t->ui().MyMess->setFocus();
        QTest::keyClick(t->ui().MyMess, Qt::Key_M);
        QCOMPARE(t->ui().MyMess->text(), QStringLiteral("m"));
        QVERIFY(!t->game().round().usedLetters().contains(QLatin1Char('M')));
    }

    void aReaderHearsTheBoard() {
        TestWindow t;
        startSolo(t, "T\r\nCAT\r\n");
        QCOMPARE(unnamedControls(t.win.get()), QStringList());
        const MainWinControls& ui = t->ui();
        QCOMPARE(spoken(ui.AlphabetTiles[1]), QStringLiteral("A"));
        QCOMPARE(QAccessible::queryAccessibleInterface(ui.AlphabetTiles[2])->role(),
                 QAccessible::Button);
        guess(t, QStringLiteral("AZ"));
        QCOMPARE(spoken(ui.AlphabetTiles[1], QAccessible::Description),
                 QStringLiteral("in the word"));
        QCOMPARE(spoken(ui.AlphabetTiles[26], QAccessible::Description),
                 QStringLiteral("not in the word"));
        QCOMPARE(spoken(ui.AlphabetTiles[3], QAccessible::Description),
                 QStringLiteral("not yet guessed"));
        QCOMPARE(spoken(ui.SpokenWord), QStringLiteral("blank, A, blank: 3 letters, 2 to find"));
        QCOMPARE(spoken(ui.SpokenWord, QAccessible::Description),
                 QStringLiteral("Z is not in the word, 7 guesses left."));
        Round last;
        last.begin(QStringLiteral("CAT"), {}, 2);
        last.guess(26);
        QCOMPARE(boardaccess::guessNews(last, QLatin1Char('Z'), false),
                 QStringLiteral("Z is not in the word, 1 guess left."));
        QCOMPARE(spoken(ui.Guesses), QStringLiteral("7 Guesses Left"));
        QCOMPARE(ui.UsedLettersLabel->struck(), QStringLiteral("Z"));  // crossed out
        QCOMPARE(spoken(ui.Play1ScorePan), QStringLiteral("Player 1's score: 0"));
    }

    // Tab reaches the grid, the arrows move in it past the tiles taken, Space and Return
    // guess; the focus stays on the board from word to word.
    void aSoloGameByKeyboardAlone() {
        TestWindow t;
        startSolo(t, "T\r\nCAT\r\nDOG\r\n");
        QVERIFY(QTest::qWaitForWindowActive(t.win.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), t->ui().AlphabetTiles[1]);
        const std::pair<Qt::Key, int> keys[] = {
            {Qt::Key_Right, 2},  {Qt::Key_Right, 3}, {Qt::Key_Space, 4}, {Qt::Key_Left, 2},
            {Qt::Key_Down, 7},   {Qt::Key_Up, 2},    {Qt::Key_Left, 1},  {Qt::Key_Return, 2},
            {Qt::Key_Right, 4},  {Qt::Key_Down, 9},  {Qt::Key_Down, 14}, {Qt::Key_Down, 19},
            {Qt::Key_Right, 20}, {Qt::Key_Enter, 21}};
        // A reader speaks the focus: a guess's news rides on the tile the focus moved to, until
        // the focus leaves it.
        const auto description = [&](int tile) {
            return spoken(t->ui().AlphabetTiles[tile], QAccessible::Description);
        };
        for (const auto& [key, focused] : keys) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(QApplication::focusWidget(), t->ui().AlphabetTiles[focused]);
            if (key == Qt::Key_Space) {
                QCOMPARE(description(4), QStringLiteral("C is in the word. not yet guessed"));
            } else if (focused == 2 && key == Qt::Key_Left) {
                QCOMPARE(description(4), QStringLiteral("not yet guessed"));
            }
        }
        QCOMPARE(t->game().round().word(), QStringLiteral("DOG"));
        QCOMPARE(t.prompts.messages().size(), 1);
    }

    // The list's letters beyond A..Z join the grid in smaller tiles, named for a reader and
    // walked by the arrows; a key's text guesses them, as dead keys and compose give it.
    // Folding accents (kept in the extension section) takes back the tiles with a base letter.
    void lettersBeyondAToZ() {
        TestWindow t;
        startSolo(t, QString::fromUtf8("Mots\ncafé\nélève\nstraße\nœuf\n").toUtf8());
        QVERIFY(QTest::qWaitForWindowActive(t.win.get()));
        const MainWinControls& ui = t->ui();
        QCOMPARE(t->game().round().alphabet().extras(), QString::fromUtf8("ÈÉßŒ"));
        QVERIFY(ui.AlphabetTiles[31]->isVisible() && ui.AlphabetTiles[32]->isHidden());
        QCOMPARE(ui.AlphabetTiles[29]->geometry(), QRect(7 + 23 * 4, 140 + 23 * 4, 23, 23));
        QCOMPARE(ui.AlphabetTiles[29]->pixmap().deviceIndependentSize(), QSizeF(23, 23));
        QCOMPARE(spoken(ui.AlphabetTiles[29]), QString::fromUtf8("É"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(ui.AlphabetTiles[1], Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), ui.AlphabetTiles[7]);  // six columns
        ui.MenuFold->trigger();
        QVERIFY(readAll(t->settings().IniPath).contains("Fold Accents=Yes\r\n"));
        QCOMPARE(t->game().round().alphabet().extras(), QString::fromUtf8("ßŒ"));
        QCOMPARE(ui.AlphabetTiles[28]->geometry(), QRect(7 + 28 * 2, 140 + 28 * 5, 28, 28));
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("é"));
        QApplication::sendEvent(QApplication::focusWidget(), &typed);
        QVERIFY(ui.AlphabetTiles[5]->isHidden());
        QCOMPARE(t->game().round().usedLettersLine(), QStringLiteral(" E"));
        QVERIFY(t->game().round().isRevealed(4));
    }

    // Kept in the extension section, applied at once, undone to each control's own colours.
    void theHighContrastLook() {
        TestWindow t;
        startSolo(t, "T\r\nCAT\r\n");
        const MainWinControls& ui = t->ui();
        const QPalette before = ui.MainPanel->palette();
        const QPalette dialogBefore = TGetYourName(t->settings()).palette();
        guess(t, QStringLiteral("Z"));  // the head uncovered, and kept through both changes
        const QImage art = t->pictures().NoHangPicture;
        ui.MenuContrast->trigger();
        QVERIFY(readAll(t->settings().IniPath).contains("High Contrast=Yes\r\n"));
        QCOMPARE(ui.MainPanel->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(tileImage(ui.AlphabetTiles[1]).pixel(14, 0), qRgb(255, 255, 0));
        QCOMPARE(tileImage(ui.WordTiles[1]).pixel(14, 21), qRgb(0, 0, 0));  // a slot to fill
        QCOMPARE(TGetYourName(t->settings()).palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(t->pictures().NoHangPicture.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(t->pictures().NoHangPicture.pixel(107, 73), qRgb(255, 255, 0));
        QCOMPARE(t->pictures().NoHangPicture.pixel(107, 150), qRgb(0, 0, 0));
        ui.MenuContrast->trigger();
        QCOMPARE(t->pictures().NoHangPicture, art);
        QCOMPARE(ui.MainPanel->palette(), before);
        QCOMPARE(TGetYourName(t->settings()).palette(), dialogBefore);
        QVERIFY(readAll(t->settings().IniPath).contains("High Contrast=No\r\n"));
        TestWindow again("[Router]\r\nHigh Contrast=Yes\r\n");
        QVERIFY(again->ui().MenuContrast->isChecked());
    }

    void lettersAreDrawnInTheCaseWrittenUnlessUpperCaseIsOn() {
        TestWindow t;
        startSolo(t, "T\r\nMississippi\r\n");
        t->settings().UseUpper = false;
        guess(t, QStringLiteral("S"));
        const QImage lower =
            MakeLetterTile(QLatin1Char('s'), t->pictures().SavedWord, t->settings().WordFont);
        const QImage upper =
            MakeLetterTile(QLatin1Char('S'), t->pictures().SavedWord, t->settings().WordFont);
        QVERIFY(lower != upper);
        QCOMPARE(tileImage(t->ui().WordTiles[3]), lower);
        t->ui().MenuUpper->trigger();
        QVERIFY(t->settings().UseUpper);
        QVERIFY(t->ui().MenuUpper->isChecked());
        QCOMPARE(tileImage(t->ui().WordTiles[3]), upper);
        // An unrevealed letter is a white square.
        QImage white(28, 28, QImage::Format_RGB32);
        white.fill(Qt::white);
        QCOMPARE(tileImage(t->ui().WordTiles[1]), white);
    }

    void aBlankShowsThePlainBackgroundOnceGuessed() {
        TestWindow t;
        startSolo(t, "T\r\nICE CREAM:Cold\r\n");
        QImage white(28, 28, QImage::Format_RGB32);
        white.fill(Qt::white);
        QCOMPARE(tileImage(t->ui().WordTiles[4]), white);
        QTest::keyClick(t.win.get(), Qt::Key_Space);
        QVERIFY(t->game().round().isRevealed(4));
        QCOMPARE(tileImage(t->ui().WordTiles[4]), t->pictures().SavedWord);
        QCOMPARE(tileImage(t->ui().AlphabetTiles[27]).size(), QSize(28, 28));
    }

    void missesUncoverTheFigureBandByBand() {
        TestWindow t;
        startSolo(t, "T\r\nABC\r\n");
        guess(t, QStringLiteral("X"));
        const QImage& pic = t->pictures().NoHangPicture;
        QVERIFY(sameRows(pic, t->pictures().YesHang, 69, 107, 78, 136));
        QVERIFY(sameRows(pic, t->pictures().EmptyGallows, 107, 241));
        QVERIFY(sameRows(pic, t->pictures().EmptyGallows, 0, 69));
        guess(t, QStringLiteral("YZ"));
        // Three misses of eight: down to row 147, not further.
        QVERIFY(sameRows(pic, t->pictures().YesHang, 69, 147, 78, 136));
        QVERIFY(sameRows(pic, t->pictures().EmptyGallows, 147, 241));
        QVERIFY(sameRows(pic, t->pictures().EmptyGallows, 0, 241, 0, 78));
        QVERIFY(!sameRows(t->pictures().YesHang, t->pictures().EmptyGallows, 147, 215, 78, 136));
        QCOMPARE(tileImage(t->ui().NoHang), pic);
        // The bands of an eight-guess word.
        QList<int> bottoms;
        for (int misses = 1; misses <= 7; ++misses) {
            bottoms << scoring::figureBand(misses, 8).bottom;
        }
        QCOMPARE(bottoms, (QList<int>{107, 134, 147, 161, 174, 188, 201}));
    }

    void theLastMissHangsThePlayer() {
        TestWindow t("[Options]\r\nNumber of Guesses=1\r\n");
        startSolo(t, "T\r\nAB\r\nCD\r\n");
        guess(t, QStringLiteral("Z"));
        QCOMPARE(t.prompts.withCaption(QStringLiteral("More")),
                 QStringList{"Sorry, you've been hung.  Click for next word."});
        QCOMPARE(t->game().scores().player1(), 0);
        // The next word follows at once with a fresh gallows.
        QCOMPARE(t->game().round().word(), QStringLiteral("CD"));
        QCOMPARE(t->pictures().NoHangPicture, t->pictures().EmptyGallows);
        bool hanged = false;  // Skip Word loses a word too: the figure shows, then the next word
        t.prompts.onMessage = [&](const auto&) {
            hanged = t->pictures().NoHangPicture == t->pictures().YesHang;
        };
        t->ui().MenuSkip->trigger();
        QVERIFY(hanged);
        QCOMPARE(t->game().round().word(), QStringLiteral("AB"));
    }

    void aLostWordIsShownWholeEvenWithUnguessableCharacters() {
        TestWindow t("[Options]\r\nNumber of Guesses=2\r\n");
        startSolo(t, "T\r\nR2-D2\r\nNEXT\r\n");
        // Catch the board before the next word replaces it.
        QImage shownTile;
        t.prompts.onMessage = [&](const ScriptedPrompts::Shown&) {
            shownTile = tileImage(t->ui().WordTiles[2]);
            QCOMPARE(t->pictures().NoHangPicture, t->pictures().YesHang);
        };
        guess(t, QStringLiteral("XY"));
        QCOMPARE(shownTile,
                 MakeLetterTile(QLatin1Char('2'), t->pictures().SavedWord, t->settings().WordFont));
    }

    void solvedWordsScoreTheirGuessesLeftAndTheListRepeats() {
        TestWindow t;
        startSolo(t, "T\r\nAB\r\nCD\r\nEF\r\n");
        guess(t, QStringLiteral("XYAB"));
        QCOMPARE(t.prompts.withCaption(QStringLiteral("More")),
                 QStringList{"Word Completed Successfully! Click for next word"});
        QCOMPARE(t->game().scores().player1(), 6);
        QCOMPARE(t->ui().Play1ScorePan->text(), QStringLiteral("6"));
        QCOMPARE(t->game().round().word(), QStringLiteral("CD"));
        QCOMPARE(t->game().round().guessesLeft(), 8);
        QCOMPARE(t->ui().WordNumPanel->text(), QStringLiteral("Word 2 of 3"));
        guess(t, QStringLiteral("CD"));
        QCOMPARE(t->ui().WordNumPanel->text(), QStringLiteral("Word 3 of 3"));
        guess(t, QStringLiteral("EF"));
        QCOMPARE(t->game().round().word(), QStringLiteral("AB"));
        QCOMPARE(t->ui().WordNumPanel->text(), QStringLiteral("Word 1 of 3"));
        QCOMPARE(t->game().scores().player1(), 22);
    }

    void oddWordsAreHandled() {
        TestWindow t;
        startSolo(t, "T\r\nabcdefghijklmno\r\n\r\n");
        for (int p = 1; p <= 15; ++p) {
            QVERIFY(!t->ui().WordTiles[p]->isHidden());
        }
        guess(t, QStringLiteral("ABCDEFGHIJKLMNO"));
        QCOMPARE(t->game().scores().player1(), 8);
        // The empty entry is complete at its first correct... and at any guess: it has no
        // positions, so a guess misses but the word counts as complete when checked.
        QCOMPARE(t->game().round().word(), QString());
        for (int p = 1; p <= 15; ++p) {
            QVERIFY(t->ui().WordTiles[p]->isHidden());
        }
        t->CheckComplete();
        QCOMPARE(t->game().scores().player1(), 16);
    }

    void guessCountsFromTheSettings() {
        QCOMPARE(scoring::guessesFromSetting(QStringLiteral("0")), 5);
        QCOMPARE(scoring::guessesFromSetting(QStringLiteral("ab")), 5);
        QCOMPARE(scoring::guessesFromSetting(QString()), 5);
        QCOMPARE(scoring::guessesFromSetting(QStringLiteral("20")), 20);
        QCOMPARE(scoring::guessesFromSetting(QStringLiteral("5x")), 5);
        TestWindow t("[Options]\r\nNumber of Guesses=ab\r\n");
        startSolo(t, "T\r\nAB\r\n");
        QCOMPARE(t->game().round().guessesLeft(), 5);
        QCOMPARE(t->game().round().guessesAllowed(), 5);
    }

    void winnerTableAndGameOverText() {
        using scoring::Winner;
        QCOMPARE(scoring::winnerOf(100, 95, 100), Winner::None);
        QCOMPARE(scoring::winnerOf(101, 95, 100), Winner::Player1);
        QCOMPARE(scoring::winnerOf(103, 103, 100), Winner::Tie);
        QCOMPARE(scoring::winnerOf(98, 104, 100), Winner::Player2);
        QCOMPARE(scoring::winnerOf(101, 104, 100), Winner::Player2);
        QCOMPARE(scoring::gameOverText(Winner::Tie, "Ann", 103, "Bea", 103),
                 QStringLiteral("We have a tie!\n\r\n\rAnn Score: 103\n\rBea Score: 103\n\r\n\r"
                                "Would you like to play this same opponent again?"));
        QVERIFY(scoring::gameOverText(Winner::Player2, "Ann", 1, "Bea", 104)
                    .startsWith(QStringLiteral("Bea is the winner!\n\r")));
        QCOMPARE(scoring::scorePayload(7), QStringLiteral("007"));
        QCOMPARE(scoring::scorePayload(12), QStringLiteral("012"));
        QCOMPARE(scoring::scorePayload(1234), QStringLiteral("1234"));

        TestWindow t;
        t->game().scores().add(true, 100);
        t->game().scores().add(false, 95);
        QVERIFY(!t->WehaveWinner());
        QVERIFY(t.prompts.shown.empty());
    }

    void flashingAlwaysEndsInTheButtonFace() {
        TestWindow t;
        const QColor face = t->palette().color(QPalette::Button);
        t->controlPanel().FlashIt(true);
        QVERIFY(t->ui().FlashTimer->isActive());
        t->controlPanel().FlashTimerTimer();
        QVERIFY(t->controlPanelColor() != face);
        t->controlPanel().FlashIt(false);
        QVERIFY(!t->ui().FlashTimer->isActive());
        QCOMPARE(t->controlPanelColor(), face);
        t->controlPanel().FlashTimerTimer();
        t->controlPanel().FlashTimerTimer();
        QCOMPARE(t->controlPanelColor(), face);
        t->controlPanel().FlashIt(false);
        QCOMPARE(t->controlPanelColor(), face);
    }

    void soundEventsGoThroughTheSoundPlayer() {
        {
            TestWindow t;
            startSolo(t, "T\r\nAB\r\n");
            t->settings().UseSound = false;
            const uint32_t state = programRandom().state();
            guess(t, QStringLiteral("AZ"));
            QVERIFY(t.sound.plays.empty());
            QCOMPARE(programRandom().state(), state);
        }
        {
            // With the default lists, a hit plays one of the three correct-letter sounds.
            TestWindow t;
            startSolo(t, "T\r\nAB\r\n");
            programRandom().setState(0);
            guess(t, QStringLiteral("A"));
            QCOMPARE(t.sound.plays.size(), size_t(1));
            QCOMPARE(t.sound.plays[0].path, t->settings().ProgramDir + "/YEAH.WAV");
            QVERIFY(!t.sound.plays[0].wait);
            QCOMPARE(programRandom().state(), 1u);
        }
        {
            // An empty list still takes one draw; a missing drawn file plays nothing.
            TestWindow t;
            startSolo(t, "T\r\nAB\r\n");
            t->settings().CorrectLetterCount = 0;
            t->settings().CorrectLetterSounds.fill(QString());
            t->settings().MissedLetterSounds[0] = QStringLiteral("/no/such/sound.wav");
            t->settings().MissedLetterCount = 1;
            programRandom().setState(0);
            guess(t, QStringLiteral("AZ"));
            QVERIFY(t.sound.plays.empty());
            QCOMPARE(programRandom().state(), 134775814u);
        }
        {
            // A lost word: the missed-letter sound, then the missed-word sound over it.
            TestWindow t("[Options]\r\nNumber of Guesses=1\r\n");
            startSolo(t, "T\r\nAB\r\nCD\r\n");
            programRandom().setState(0);
            guess(t, QStringLiteral("Z"));
            QCOMPARE(t.sound.plays.size(), size_t(2));
            QCOMPARE(t.sound.plays[0].path, t->settings().ProgramDir + "/GIGGLE.WAV");
            QCOMPARE(t.sound.plays[1].path, t->settings().ProgramDir + "/TAPS.WAV");
            QVERIFY(!t.sound.plays[1].wait);
        }
    }

    void letterTilesAreComposedOnTheirPixels() {
        QImage bg(64, 64, QImage::Format_RGB32);
        bg.fill(qRgb(10, 200, 30));
        bg.setPixel(27, 27, qRgb(1, 2, 3));
        bg.setPixel(28, 28, qRgb(4, 5, 6));
        TileFont font;
        font.font = QFont(QStringLiteral("Arial"));
        font.font.setPixelSize(19);
        font.color = QColor(200, 10, 100);
        const QImage tile = MakeLetterTile(QLatin1Char('M'), bg, font);
        QCOMPARE(tile.size(), QSize(28, 28));
        int glyph = 0;
        for (int y = 0; y < 28; ++y) {
            for (int x = 0; x < 28; ++x) {
                const QRgb p = tile.pixel(x, y);
                QVERIFY2(p == font.color.rgb() || p == bg.pixel(x, y),
                         qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
                glyph += p == font.color.rgb() ? 1 : 0;
            }
        }
        QVERIFY(glyph > 20);
        QCOMPARE(tile.pixel(27, 27), qRgb(1, 2, 3));

        // Narrow and wide letters are each centred by their own width.
        auto inkColumns = [&](QChar c) {
            const QImage t = MakeLetterTile(c, bg, font);
            int left = 28, right = -1;
            for (int y = 0; y < 28; ++y) {
                for (int x = 0; x < 28; ++x) {
                    if (t.pixel(x, y) == font.color.rgb()) {
                        left = qMin(left, x);
                        right = qMax(right, x);
                    }
                }
            }
            return std::make_pair(left, right);
        };
        for (QChar c : {QLatin1Char('I'), QLatin1Char('M'), QLatin1Char('W')}) {
            const auto [left, right] = inkColumns(c);
            QVERIFY2(qAbs((left + right) - 27) <= 4, qPrintable(QString(c)));
        }

        // A font taller than the tile starts above it and is clipped.
        TileFont tall = font;
        tall.font.setPixelSize(40);
        const QImage big = MakeLetterTile(QLatin1Char('W'), bg, tall);
        int inkRows = 0;
        for (int y = 0; y < 28; ++y) {
            for (int x = 0; x < 28; ++x) {
                if (big.pixel(x, y) == tall.color.rgb()) {
                    ++inkRows;
                    break;
                }
            }
        }
        QVERIFY(inkRows >= 20);

        // The space draws nothing: the plain background.
        QCOMPARE(MakeLetterTile(QLatin1Char(' '), bg, font), bg.copy(0, 0, 28, 28));
    }

    void guessingIsLockedOutsideAWordInTwoPlayerPlay() {
        WiredWindow t;
        startSolo(t, "T\r\nAB\r\n");
        CHECKED(t.call(WiredWindow::Role::Player2));
        t->ui().MainPanel->setFocus();  // the keys go to the board, not to the chat line
        t->game().setStarted(false);
        QTest::keyClick(t->ui().MainPanel, Qt::Key_A);
        QTest::mouseClick(t->ui().AlphabetTiles[2], Qt::LeftButton);
        QVERIFY(t->game().round().usedLetters().isEmpty());
        t->game().setStarted(true);
        t->game().setWordFinished(true);
        QTest::keyClick(t->ui().MainPanel, Qt::Key_A);
        QVERIFY(t->game().round().usedLetters().isEmpty());
        t->game().setWordFinished(false);
        QTest::keyClick(t->ui().MainPanel, Qt::Key_A);
        QCOMPARE(t->game().round().usedLetters(), QStringLiteral("A"));
    }
};

ROPEWIT_TEST(TestSolo)
#include "tst_solo.moc"
