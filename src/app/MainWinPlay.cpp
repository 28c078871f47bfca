// Guessing, the progression of words, scoring, the two-player steps and the chat.
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/MainWin.h"
#include "app/NoticeOnThrow.h"
#include "dialogs/TDoNewGame.h"
#include "dialogs/TGetTheWord.h"
#include "game/Scoring.h"
#include "net/TwoPlayerGame.h"

// --- Guessing ---

bool TMainWin::GuessingAllowed() const {
    return soloGame_ || (peer_->connected() && peer_->started() && !peer_->wordFinished());
}

void TMainWin::AlphaClicked(int index) {
    if (!GuessingAllowed() || index < 1 || index > kAlphabetTiles) {
        return;
    }
    ui_.MainPanel->setFocus();
    TestIt2(index);
}

bool TMainWin::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const int tile = Round::tileOfKey(key);
    if (tile == 0 || welcome_ || !GuessingAllowed() || ui_.MyMess->hasFocus() ||
        (modifiers & (Qt::AltModifier | Qt::ControlModifier))) {
        return false;
    }
    TestIt2(tile);
    return true;
}

void TMainWin::TestIt2(int index) {
    const Round::Guess guess = round_.guess(index);
    if (guess.outcome == Round::Outcome::Ignored) {
        return;
    }
    if (!soloGame_ && peer_->connected()) {
        SendPeer(7, QString(guess.letter));
    }
    board_.ShowGuess(guess);
    sounds_.Letter(guess.outcome == Round::Outcome::Hit);
    if (guess.outcome == Round::Outcome::Hit) {
        CheckComplete();
    } else if (guess.outcome == Round::Outcome::Hanged) {
        sounds_.Word(false);
        FinishWord(0, QStringLiteral("Sorry, you've been hung.  Click for next word."));
    }
}

void TMainWin::FinishWord(int points, const QString& soloMessage) {
    CalcTheScore(points, !soloGame_);
    if (soloGame_) {
        ctx_.prompts->message(this, QStringLiteral("More"), soloMessage);
        DoNextWord();
        return;
    }
    ui_.ConnectTimer->start();
    if (!peer_->score().theirs) {
        ShowWaitStatus(peer_->waiting());
    }
}

void TMainWin::DisplayWord() {
    board_.DisplayWord();
}

void TMainWin::DisplayHints() {
    board_.DisplayHints();
}

void TMainWin::MenuUpperClick() {
    settings_.UseUpper = !settings_.UseUpper;
    ui_.MenuUpper->setChecked(settings_.UseUpper);
    SaveSettings(settings_);
    board_.DisplayWord();
}

void TMainWin::MenuHintsClick() {
    settings_.UseHints = !settings_.UseHints;
    ui_.MenuHints->setChecked(settings_.UseHints);
    SaveSettings(settings_);
    DisplayHints();
    if (!soloGame_ && peer_->connected()) {
        game_->sendHints();
    }
}

// --- Progression of words ---

void TMainWin::StartGameClick() {
    DoANewGame();
}

void TMainWin::MenuPlayerClick() {
    DoANewGame();
}

bool TMainWin::RunNewGameWizard() {
    TDoNewGame wizard(*this);
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
    if (soloGame_ && wordSource_.count() == 0) {
        // The wizard can be closed before a list was chosen: play the default list.
        LoadGame(QDir(settings_.ProgramDir).filePath(QStringLiteral("ROPEWIT.TXT")));
    }
    game_->newGame(soloGame_);
    ShowScores();
    ui_.Play2ScoreLab->setVisible(!soloGame_);
    ui_.Play2ScorePan->setVisible(!soloGame_);
    if (!soloGame_) {
        ui_.ConnectTimer->start();
        return;
    }
    // A player without a name is "Player 1", as everywhere else, rather than a blank.
    ui_.PlayerPanel->setText(players_.takeSolo(settings_.UserName));
    ui_.Play1ScoreLab->setText(players_.player1());
    DoNextWord();
    controlPanel_.Hide();
    FlashIt(false);
}

void TMainWin::DoNextWord() {
    board_.ShowEmptyGallows();
    const int guesses = scoring::guessesFromSetting(settings_.NumGuesses);
    board_.ShowGuessesLeft(guesses);
    // Alone the list provides the word; with an opponent it was dealt by one of the two.
    const wordlist::Entry next = game_->nextWord(soloGame_);
    round_.begin(next.word, next.clue, guesses);
    ui_.WordNumPanel->setText(wordSource_.numberText(soloGame_));
    board_.ShowAllLetters();
    board_.DisplayWord();
}

void TMainWin::CheckComplete() {
    if (!round_.isComplete()) {
        return;
    }
    sounds_.Word(true);
    FinishWord(round_.guessesLeft(),
               QStringLiteral("Word Completed Successfully! Click for next word"));
}

void TMainWin::CalcTheScore(int points, bool twoPlayer) {
    game_->finishWord(points, !twoPlayer);
    ShowScores();
}

bool TMainWin::WehaveWinner() {
    const QString message = game_->gameOverText();
    if (message.isEmpty()) {
        return false;
    }
    if (!ctx_.prompts->question(this, QStringLiteral("Game Over"), message)) {
        RunNewGameWizard();
    }
    StartIt();
    OfferAction(ControlPanelView::startCaption());
    peer_->gameOver();
    return true;
}

// --- The two-player steps and the chat ---

void TMainWin::ShowWaitStatus(const QString& text) {
    peer_->setWaiting(text);
    controlPanel_.ShowWait(text);
}

void TMainWin::HideWaitStatus() {
    peer_->setWaiting(QString());
    controlPanel_.HideWait();
}

void TMainWin::OfferAction(const QString& caption) {
    peer_->setOffer(ControlPanelView::offerOf(caption));
    controlPanel_.Offer(caption);
}

void TMainWin::FlashIt(bool on) {
    controlPanel_.Flash(on);
}

void TMainWin::FlashTimerTimer() {
    controlPanel_.FlashTick();
}

void TMainWin::GameInterrupted() {
    if (soloGame_ || closing_) {
        return;
    }
    // Nothing can arrive any more: stop the flashing and the waiting, keep the rest (board,
    // scores, names) as it is so the player can still see how the game stood.
    FlashIt(false);
    controlPanel_.Withdraw(*peer_);
    if (ctx_.prompts->question(this, QStringLiteral("Notice"),
                               QStringLiteral("The connection to your opponent has been lost, so "
                                              "this game cannot go on.\n\nWould you like to "
                                              "start a new game?"))) {
        DoANewGame();
    }
}

void TMainWin::ActionButtonClick() {
    noticeOnThrow(*this, [&] {
        const PeerConnection::Offer offer = peer_->offer();
        if (offer == PeerConnection::Offer::StartGame) {
            game_->pressStart(round_.guessesAllowed());
            if (!peer_->ready().theirs) {
                ShowWaitStatus(peer_->waiting());
            }
        } else if (offer == PeerConnection::Offer::PlayWord) {
            // The word can arrive before this side's next tick has begun the step.
            // Begin it now, or the tick would come in the middle of the word and wait
            // for a word that is already being played (or ask for one to send only
            // afterwards).
            if (peer_->stepDue()) {
                ConnectTimerTimer();
                if (peer_->offer() != PeerConnection::Offer::PlayWord) {
                    SetControlState();
                    return;
                }
            }
            DoNextWord();
            peer_->playWord(round_.guessesAllowed());
            ui_.ActionButton->hide();
            FlashIt(false);
        } else {
            SetControlState();
            return;
        }
        ui_.ActionButton->setEnabled(false);
        opponentPanel_.ShowGuesses(peer_->opponent());
        SetControlState();
    });
}

void TMainWin::ConnectTimerTimer() {
    noticeOnThrow(*this, [&] {
        if (!game_->beginStep()) {
            return;
        }
        controlPanel_.Show(*peer_);
        ui_.ConnectTimer->stop();
        FlashIt(false);
        if (!WehaveWinner()) {
            DoAWebWord();
        }
    });
}

void TMainWin::DoAWebWord() {
    QString otherWord;
    switch (game_->chooseWords()) {
        case TwoPlayerGame::WordChoice::Typed: {
            TGetTheWord dialog(settings_, wordSource_.number(), *ctx_.prompts, this);
            // The dialog only ends accepted with a word that passed its checks.
            const int result = ctx_.prompts->runDialog(dialog);
            if (!peer_->connected() || result != QDialog::Accepted || dialog.TheWord.isEmpty()) {
                return;
            }
            otherWord = game_->sendTypedWord(dialog.TheWord);
            [[fallthrough]];
        }
        case TwoPlayerGame::WordChoice::ByOpponent:
            if (game_->awaitOpponentWord()) {
                ShowWaitStatus(peer_->waiting());
            }
            if (otherWord.isEmpty()) {
                return;  // the opponent chooses both words
            }
            break;
        case TwoPlayerGame::WordChoice::FromList:
            if (!game_->sendListTitle()) {
                LoadGame(QDir(settings_.ProgramDir).filePath(QStringLiteral("ROPEWIT.TXT")));
                const QString path = ShowOpenWordList(true);
                if (!path.isEmpty()) {
                    LoadGame(path);
                }
            }
            otherWord = game_->dealWords();
            OfferAction(ControlPanelView::playCaption());
            break;
    }
    peer_->setOpponentWord(otherWord);
    opponentPanel_.ShowNewWord(peer_->opponent());
}

void TMainWin::SendButtonClick() {
    if (ui_.MyMess->text().isEmpty()) {
        return;
    }
    ChatLine(game_->sendChat(ui_.MyMess->text()));
    ui_.MyMess->clear();
}
