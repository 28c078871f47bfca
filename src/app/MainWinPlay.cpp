// Guessing, the progression of words, scoring, the two-player steps and the chat.
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/MainWin.h"
#include "app/NoticeOnThrow.h"
#include "app/OptionsMenu.h"
#include "dialogs/TDoNewGame.h"
#include "dialogs/TGetTheWord.h"
#include "game/Scoring.h"
#include "play/GameController.h"

// --- Guessing ---

bool TMainWin::GuessingAllowed() const {
    return game_->guessingAllowed();
}

void TMainWin::AlphaClicked(int index) {
    if (!GuessingAllowed() || index < 1 || index > kAlphabetTiles) {
        return;
    }
    ui_.MainPanel->setFocus();
    TestIt2(index);
}

bool TMainWin::FormKeyDown(const QKeyEvent& key) {
    const int tile = game_->round().alphabet().tileOfKey(key.key(), key.text());
    if (tile == 0 || welcome_ || !GuessingAllowed() || ui_.MyMess->hasFocus() ||
        (key.modifiers() & (Qt::AltModifier | Qt::ControlModifier))) {
        return false;
    }
    TestIt2(tile);
    return true;
}

void TMainWin::TestIt2(int index) {
    const Round::Guess guess = game_->guess(index);
    if (guess.outcome == Round::Outcome::Ignored) {
        return;
    }
    board_.ShowGuess(guess);
    sounds_.Letter(guess.outcome == Round::Outcome::Hit);
    if (guess.outcome == Round::Outcome::Hit) {
        CheckComplete();
    } else if (guess.outcome == Round::Outcome::Hanged) {
        sounds_.Word(false);
        FinishWord(0, tr("Sorry, you've been hung.  Click for next word."));
    }
}

void TMainWin::FinishWord(int points, const QString& soloMessage) {
    CalcTheScore(points);
    if (game_->solo()) {
        ctx_.prompts->message(this, tr("More"), soloMessage);
        DoNextWord();
        return;
    }
    ui_.ConnectTimer->start();
    if (!game_->score().theirs) {
        controlPanel_.ShowWaitStatus(game_->waiting());
    }
}

// --- Progression of words ---

bool TMainWin::RunNewGameWizard() {
    TDoNewGame wizard(settings_, *ctx_.prompts, NewGameWizardHooks(), this);
    ctx_.prompts->runDialog(wizard);
    return !wizard.Cancelled;
}

void TMainWin::DoANewGame() {
    if (!RunNewGameWizard()) {
        return;
    }
    ShowWelcome(false);
    EnableDisable();
    StartIt();
}

void TMainWin::ShowWelcome(bool on) {
    welcome_ = on;
    ui_.showWelcome(on);
}

void TMainWin::StartIt() {
    if (game_->solo() && game_->words().count() == 0) {
        // The wizard can be closed before a list was chosen: play the default list.
        options_->LoadGame(QDir(settings_.ProgramDir).filePath(QStringLiteral("ROPEWIT.TXT")));
    }
    game_->newGame();
    ShowScores();
    ui_.Play2ScoreLab->setVisible(!game_->solo());
    ui_.Play2ScorePan->setVisible(!game_->solo());
    if (!game_->solo()) {
        ui_.ConnectTimer->start();
        return;
    }
    // A player without a name is "Player 1", as everywhere else, rather than a blank.
    ui_.PlayerPanel->setText(game_->players().takeSolo(settings_.UserName));
    ui_.Play1ScoreLab->setText(game_->players().player1());
    DoNextWord();
    controlPanel_.Hide();
    controlPanel_.FlashIt(false);
}

void TMainWin::DoNextWord() {
    board_.ShowEmptyGallows();
    const int guesses = scoring::guessesFromSetting(settings_.NumGuesses);
    board_.ShowGuessesLeft(guesses);
    // Alone the list provides the word; with an opponent it was dealt by one of the two.
    const wordlist::Entry next = game_->nextWord();
    game_->round().begin(next.word, next.clue, guesses);
    ui_.WordNumPanel->setText(game_->words().numberText(game_->solo()));
    board_.ShowAllLetters();
    board_.DisplayWord();
}

void TMainWin::CheckComplete() {
    if (!game_->round().isComplete()) {
        return;
    }
    sounds_.Word(true);
    FinishWord(game_->pointsOfWord(), tr("Word Completed Successfully! Click for next word"));
}

void TMainWin::CalcTheScore(int points) {
    game_->finishWord(points);
    ShowScores();
}

bool TMainWin::WehaveWinner() {
    const QString message = game_->gameOverText();
    if (message.isEmpty()) {
        return false;
    }
    if (!ctx_.prompts->question(this, tr("Game Over"), message)) {
        RunNewGameWizard();
    }
    StartIt();
    game_->gameOver();
    // The opponent may have left while the box was open: nothing is offered then.
    if (game_->offer() == GameController::Offer::StartGame) {
        controlPanel_.OfferAction(ControlPanelView::startCaption());
    }
    return true;
}

// --- The two-player steps and the chat ---

void TMainWin::GameInterrupted() {
    if (game_->solo() || closing_) {
        return;
    }
    // The board, scores and names stay as they are, so the player can still see how the game
    // stood.
    if (ctx_.prompts->question(this, tr("Notice"),
                               tr("The connection to your opponent has been lost, so "
                                  "this game cannot go on.\n\nWould you like to "
                                  "start a new game?"))) {
        DoANewGame();
    }
}

void TMainWin::ActionButtonClick() {
    noticeOnThrow(*this, [&] {
        const GameController::Offer offer = game_->offer();
        if (offer == GameController::Offer::StartGame) {
            game_->pressStart(game_->round().guessesAllowed());
            if (!game_->ready().theirs) {
                controlPanel_.ShowWaitStatus(game_->waiting());
            }
        } else if (offer == GameController::Offer::PlayWord) {
            // The word can arrive before this side's next tick has begun the step.
            // Begin it now, or the tick would come in the middle of the word and wait
            // for a word that is already being played (or ask for one to send only
            // afterwards).
            if (game_->stepDue()) {
                ConnectTimerTimer();
                if (game_->offer() != GameController::Offer::PlayWord) {
                    SetControlState();
                    return;
                }
            }
            DoNextWord();
            game_->playWord(game_->round().guessesAllowed());
            ui_.ActionButton->hide();
            controlPanel_.FlashIt(false);
        } else {
            SetControlState();
            return;
        }
        ui_.ActionButton->setEnabled(false);
        opponentPanel_.ShowGuesses(game_->opponent());
        SetControlState();
    });
}

void TMainWin::ConnectTimerTimer() {
    noticeOnThrow(*this, [&] {
        if (!game_->beginStep()) {
            return;
        }
        controlPanel_.Show();
        ui_.ConnectTimer->stop();
        controlPanel_.FlashIt(false);
        if (!WehaveWinner()) {
            DoAWebWord();
        }
    });
}

void TMainWin::DoAWebWord() {
    QString otherWord;
    switch (game_->chooseWords()) {
        case GameController::WordChoice::Typed: {
            TGetTheWord dialog(settings_, game_->words().number(), *ctx_.prompts, this);
            // The dialog only ends accepted with a word that passed its checks.
            const int result = ctx_.prompts->runDialog(dialog);
            if (!peer_->connected() || result != QDialog::Accepted || dialog.TheWord.isEmpty()) {
                return;
            }
            otherWord = game_->sendTypedWord(dialog.TheWord);
            [[fallthrough]];
        }
        case GameController::WordChoice::ByOpponent:
            if (game_->awaitOpponentWord()) {
                controlPanel_.ShowWaitStatus(game_->waiting());
            }
            if (otherWord.isEmpty()) {
                return;  // the opponent chooses both words
            }
            break;
        case GameController::WordChoice::FromList:
            if (!game_->sendListTitle()) {
                options_->LoadGame(
                    QDir(settings_.ProgramDir).filePath(QStringLiteral("ROPEWIT.TXT")));
                const QString path = options_->ShowOpenWordList(true);
                if (!path.isEmpty()) {
                    options_->LoadGame(path);
                }
            }
            otherWord = game_->dealWords();
            controlPanel_.OfferAction(ControlPanelView::playCaption());
            break;
    }
    game_->setOpponentWord(otherWord);
    opponentPanel_.ShowNewWord(game_->opponent());
}

void TMainWin::SendButtonClick() {
    if (ui_.MyMess->text().isEmpty()) {
        return;
    }
    ChatLine(game_->sendChat(ui_.MyMess->text()));
    ui_.MyMess->clear();
}
