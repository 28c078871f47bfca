// Guessing, the progression of words, scoring and sound.
#include <QAction>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/MainWin.h"
#include "core/Text.h"
#include "dialogs/TDoNewGame.h"
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
        return;
    }
    board_.ShowGuessesLeft(round_.guessesLeft());
    if (guess.outcome == Round::Outcome::Miss) {
        board_.UncoverFigure();
        return;
    }
    // Hanged: the whole figure, the word shown, no points.
    board_.ShowHanged();
    sounds_.Word(false);
    DisplayWord();
    FinishWord(0, QStringLiteral("Sorry, you've been hung.  Click for next word."));
}

void TMainWin::FinishWord(int points, const QString& soloMessage) {
    if (soloGame_) {
        CalcTheScore(points, false);
        ctx_.prompts->message(this, QStringLiteral("More"), soloMessage);
        DoNextWord();
        return;
    }
    CalcTheScore(points, true);
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

void TMainWin::ShowPicture() {
    board_.ShowPicture();
}

void TMainWin::MenuUpperClick() {
    settings_.UseUpper = !settings_.UseUpper;
    ui_.MenuUpper->setChecked(settings_.UseUpper);
    SaveSettings(settings_);
    DisplayWord();
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
    ui_.BlankPanel->setEnabled(on);
    ui_.BlankPanel->setVisible(on);
    ui_.MainPanel->setEnabled(!on);
    ui_.MainPanel->setVisible(!on);
}

void TMainWin::StartIt() {
    if (soloGame_ && wordSource_.count() == 0) {
        // The wizard can be closed before a list was chosen: play the default list.
        LoadGame(QDir(settings_.ProgramDir).filePath(QStringLiteral("ROPEWIT.TXT")));
    }
    wordSource_.restart();
    scores_.reset();
    ShowScores();
    ui_.Play2ScoreLab->setVisible(!soloGame_);
    ui_.Play2ScorePan->setVisible(!soloGame_);
    if (!soloGame_) {
        ui_.ConnectTimer->start();
        peer_->newGame();
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
    wordlist::Entry next;
    if (soloGame_) {
        next = wordSource_.nextWord();
    } else {
        // The word was dealt by the opponent or by this side's own choice.
        wordSource_.countWord();
        next = game_->dealtWord();
    }
    QString number = QStringLiteral("Word ") + text::withThousands(wordSource_.number());
    if (soloGame_) {
        number += QStringLiteral(" of ") + text::withThousands(wordSource_.count());
    }
    round_.begin(next.word, next.clue, guesses);
    ui_.WordNumPanel->setText(number);
    board_.ShowAllLetters();
    DisplayWord();
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
    if (twoPlayer) {
        game_->scoreWord(points);
        return;
    }
    scores_.add(true, points);
    ui_.Play1ScorePan->setText(QString::number(scores_.player1()));
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
    ui_.ActionButton->setText(QStringLiteral("Start &Game"));
    ui_.ActionButton->setEnabled(true);
    ui_.ActionButton->show();
    SetControlState();
    FlashIt(true);
    return true;
}

void TMainWin::DoWave(const QString& path, bool wait) {
    sounds_.DoWave(path, wait);
}
