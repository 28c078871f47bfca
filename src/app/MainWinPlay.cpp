// Guessing, the board, the progression of words, scoring and sound.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "app/ClickLabel.h"
#include "app/MainWin.h"
#include "core/LetterTile.h"
#include "core/Pictures.h"
#include "core/Random.h"
#include "core/Sound.h"
#include "core/Text.h"
#include "dialogs/TDoNewGame.h"
#include "game/Scoring.h"

namespace {

QString guessesText(int guesses) {
    return text::withThousands(guesses) + QStringLiteral(" Guesses Left");
}

QFont pixelFont(const QFont& base, int pixels) {
    QFont f = base;
    f.setPixelSize(pixels);
    return f;
}

}  // namespace

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
    if (welcome_ || !GuessingAllowed()) {
        return false;
    }
    if (ui_.MyMess->hasFocus() || (modifiers & (Qt::AltModifier | Qt::ControlModifier))) {
        return false;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        TestIt2(key - Qt::Key_A + 1);
        return true;
    }
    if (key == Qt::Key_Space) {
        TestIt2(kAlphabetTiles);
        return true;
    }
    return false;
}

void TMainWin::TestIt2(int index) {
    const Round::Guess guess = round_.guess(index);
    if (guess.outcome == Round::Outcome::Ignored) {
        return;
    }
    ShowGuess(guess);
    if (guess.outcome == Round::Outcome::Hit) {
        if (settings_.UseSound) {
            PlayRandomSound(settings_.CorrectLetterSounds, settings_.CorrectLetterCount);
        }
        CheckComplete();
        return;
    }
    if (settings_.UseSound) {
        PlayRandomSound(settings_.MissedLetterSounds, settings_.MissedLetterCount);
    }
    ui_.Guesses->setText(guessesText(round_.guessesLeft()));
    if (guess.outcome == Round::Outcome::Miss) {
        UncoverFigure();
        return;
    }
    // Hanged: the whole figure, the word shown, no points.
    pictures_.NoHangPicture = pictures_.YesHang;
    ShowPicture();
    if (settings_.UseSound) {
        PlayIfExists(settings_.MissedWordSound);
    }
    DisplayWord();
    FinishWord(0, QStringLiteral("Sorry, you've been hung.  Click for next word."));
}

void TMainWin::ShowGuess(const Round::Guess& guess) {
    for (const int p : guess.positions) {
        DisplayLetter(p);
    }
    ui_.UsedLettersLabel->setText(round_.usedLettersLine());
    if (!soloGame_ && peer_->connected()) {
        SendPeer(7, QString(guess.letter));
    }
    ui_.AlphabetTiles[guess.tile]->setEnabled(false);
    ui_.AlphabetTiles[guess.tile]->hide();
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
    peer_->score().mine = true;
    if (!peer_->score().theirs) {
        ShowWaitStatus(QStringLiteral("Waiting for opponent's score."));
    }
    peer_->setWordFinished(true);
}

void TMainWin::UncoverFigure() {
    const scoring::Band band = round_.figureBand();
    const QRect rect(QPoint(band.left, band.top), QPoint(band.right - 1, band.bottom - 1));
    pictures::copyBand(pictures_.NoHangPicture, pictures_.YesHang, rect);
    ShowPicture();
}

void TMainWin::ShowPicture() {
    ui_.NoHang->setPixmap(QPixmap::fromImage(pictures_.NoHangPicture));
}

// --- The board ---

QImage TMainWin::AlphabetTile(QChar c) const {
    return MakeLetterTile(c, pictures_.SavedAlpha, settings_.AlphabetFont, devicePixelRatioF());
}

QImage TMainWin::WordTile(QChar c) const {
    return MakeLetterTile(settings_.UseUpper ? text::asciiUpper(c) : c, pictures_.SavedWord,
                          settings_.WordFont, devicePixelRatioF());
}

void TMainWin::DisplayWord() {
    for (int i = 1; i <= kAlphabetTiles; ++i) {
        const QChar c = i == kAlphabetTiles ? QLatin1Char(' ') : QChar(char16_t(64 + i));
        ui_.AlphabetTiles[i]->setPixmap(QPixmap::fromImage(AlphabetTile(c)));
    }
    QImage blank(28, 28, QImage::Format_RGB32);
    blank.fill(Qt::white);
    const QPixmap whiteSquare = QPixmap::fromImage(blank);
    for (int p = 1; p <= wordlist::kMaxWord; ++p) {
        ClickLabel* tile = ui_.WordTiles[p];
        if (p > round_.length()) {
            tile->setEnabled(false);
            tile->hide();
            continue;
        }
        tile->setEnabled(true);
        tile->show();
        if (round_.isRevealed(p)) {
            tile->setPixmap(QPixmap::fromImage(WordTile(round_.word().at(p - 1))));
        } else {
            tile->setPixmap(whiteSquare);
        }
    }
    ui_.HintLabel->setText(round_.clue());
}

void TMainWin::DisplayLetter(int position) {
    if (position < 1 || position > round_.length()) {
        return;
    }
    ui_.WordTiles[position]->setPixmap(
        QPixmap::fromImage(WordTile(round_.word().at(position - 1))));
}

void TMainWin::DisplayHints() {
    ui_.HintPanel->setVisible(settings_.UseHints);
    if (settings_.UseHints) {
        ui_.UsedPanel->setGeometry(8, 70, 137, 67);
        ui_.UsedLettersLabel->setGeometry(4, 20, 129, 43);
        ui_.UsedLettersLabel->setFont(pixelFont(ui_.UsedLettersLabel->font(), 12));
    } else {
        ui_.UsedPanel->setGeometry(8, 40, 137, 97);
        ui_.UsedLettersLabel->setGeometry(4, 20, 129, 73);
        ui_.UsedLettersLabel->setFont(pixelFont(ui_.UsedLettersLabel->font(), 15));
    }
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
        SendPeer(11, settings_.UseHints ? QStringLiteral("1") : QStringLiteral("0"));
        LogLine(settings_.UseHints ? QStringLiteral(">>Hints Turned On")
                                   : QStringLiteral(">>Hints Turned Off"));
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
    if (soloGame_) {
        // A player without a name is "Player 1", as everywhere else, rather than a blank.
        player1Name_ =
            settings_.UserName.isEmpty() ? QStringLiteral("Player 1") : settings_.UserName;
        ui_.PlayerPanel->setText(player1Name_);
        ui_.Play1ScoreLab->setText(player1Name_);
        ui_.Play1ScorePan->setText(QStringLiteral("0"));
        ui_.Play2ScoreLab->hide();
        ui_.Play2ScorePan->hide();
        DoNextWord();
        ui_.ControlPanel->setEnabled(false);
        ui_.ControlPanel->hide();
        ui_.ActionButton->setEnabled(false);
        ui_.ActionButton->hide();
        ui_.WaitStatus->setEnabled(false);
        ui_.WaitStatus->hide();
        FlashIt(false);
        return;
    }
    ui_.Play2ScoreLab->show();
    ui_.Play2ScorePan->show();
    ui_.Play1ScorePan->setText(QStringLiteral("0"));
    ui_.Play2ScorePan->setText(QStringLiteral("0"));
    ui_.ConnectTimer->start();
    peer_->newGame();
}

void TMainWin::DoNextWord() {
    pictures_.NoHangPicture = pictures_.EmptyGallows;
    ShowPicture();

    const int guesses = scoring::guessesFromSetting(settings_.NumGuesses);
    ui_.Guesses->setText(guessesText(guesses));
    if (soloGame_) {
        const wordlist::Entry next = wordSource_.nextWord();
        round_.begin(next.word, next.clue, guesses);
        ui_.WordNumPanel->setText(
            QStringLiteral("Word ") + text::withThousands(wordSource_.number()) +
            QStringLiteral(" of ") + text::withThousands(wordSource_.count()));
    } else {
        // The word was dealt by the opponent or by this side's own choice.
        wordSource_.countWord();
        round_.begin(dealt_.word, dealt_.clue, guesses);
        ui_.WordNumPanel->setText(QStringLiteral("Word ") +
                                  text::withThousands(wordSource_.number()));
    }

    ui_.UsedLettersLabel->clear();
    for (int i = 1; i <= kAlphabetTiles; ++i) {
        ui_.AlphabetTiles[i]->setEnabled(true);
        ui_.AlphabetTiles[i]->show();
    }
    DisplayWord();
}

void TMainWin::CheckComplete() {
    if (!round_.isComplete()) {
        return;
    }
    if (settings_.UseSound) {
        PlayIfExists(settings_.CorrectWordSound);
    }
    FinishWord(round_.guessesLeft(),
               QStringLiteral("Word Completed Successfully! Click for next word"));
}

void TMainWin::PostScore(bool player1, long long points) {
    scores_.add(player1, points);
    peer_->setPlayerPosted(player1, true);
}

void TMainWin::ShowScores() {
    ui_.Play1ScorePan->setText(QString::number(scores_.player1()));
    ui_.Play2ScorePan->setText(QString::number(scores_.player2()));
}

void TMainWin::CalcTheScore(int points, bool twoPlayer) {
    if (!twoPlayer) {
        scores_.add(true, points);
        ui_.Play1ScorePan->setText(QString::number(scores_.player1()));
        return;
    }
    PostScore(peer_->isPlayer1(), points);
    ShowScores();
    SendPeer(9, scoring::scorePayload(points));
    LogLine(QStringLiteral(">>Your score sent"));
}

bool TMainWin::WehaveWinner() {
    const scoring::Winner winner = scores_.winner(settings_.WinScore);
    if (winner == scoring::Winner::None) {
        return false;
    }
    const QString message = scores_.gameOverText(winner, player1Name_, player2Name_);
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

// --- Flashing of the control panel ---

void TMainWin::FlashIt(bool on) {
    if (on) {
        ui_.FlashTimer->start();
        return;
    }
    ui_.FlashTimer->stop();
    QPalette pal = ui_.ControlPanel->palette();
    pal.setColor(QPalette::Window, palette().color(QPalette::Button));
    ui_.ControlPanel->setPalette(pal);
}

void TMainWin::FlashTimerTimer() {
    const QColor face = palette().color(QPalette::Button);
    const QColor shadow = palette().color(QPalette::Dark);
    QPalette pal = ui_.ControlPanel->palette();
    pal.setColor(QPalette::Window, controlPanelColor() == shadow ? face : shadow);
    ui_.ControlPanel->setPalette(pal);
}

// --- Sound ---

void TMainWin::DoWave(const QString& path, bool wait) {
    if (ctx_.sound) {
        ctx_.sound->play(text::bounded(path), wait);
    }
}

void TMainWin::PlayRandomSound(const std::array<QString, Settings::kSoundSlots>& list, int count) {
    // One draw, even for an empty list, so the sequence of draws does not depend on it.
    const uint32_t index = programRandom().next(static_cast<uint32_t>(qBound(0, count, 25)));
    PlayIfExists(list[index]);
}

void TMainWin::PlayIfExists(const QString& path) {
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        DoWave(path, false);
    }
}
