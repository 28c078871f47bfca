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
    return SoloGame || (peer_->connected() && peer_->started() && !peer_->wordFinished());
}

void TMainWin::AlphaClicked(int index) {
    if (!GuessingAllowed() || index < 1 || index > kAlphabetTiles) {
        return;
    }
    MainPanel->setFocus();
    TestIt2(index);
}

bool TMainWin::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (BlankPanel->isEnabled() || !GuessingAllowed()) {
        return false;
    }
    if (MyMess->hasFocus() || (modifiers & (Qt::AltModifier | Qt::ControlModifier))) {
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
        if (settings.UseSound) {
            PlayRandomSound(settings.CorrectLetterSounds, settings.CorrectLetterCount);
        }
        CheckComplete();
        return;
    }
    if (settings.UseSound) {
        PlayRandomSound(settings.MissedLetterSounds, settings.MissedLetterCount);
    }
    Guesses->setText(guessesText(round_.guessesLeft()));
    if (guess.outcome == Round::Outcome::Miss) {
        UncoverFigure();
        return;
    }
    // Hanged: the whole figure, the word shown, no points.
    NoHangPicture = YesHang;
    ShowPicture();
    if (settings.UseSound) {
        PlayIfExists(settings.MissedWordSound);
    }
    DisplayWord();
    FinishWord(0, QStringLiteral("Sorry, you've been hung.  Click for next word."));
}

void TMainWin::ShowGuess(const Round::Guess& guess) {
    for (const int p : guess.positions) {
        DisplayLetter(p);
    }
    UsedLettersLabel->setText(round_.usedLettersLine());
    if (!SoloGame && peer_->connected()) {
        SendPeer(7, QString(guess.letter));
    }
    AlphabetTiles[guess.tile]->setEnabled(false);
    AlphabetTiles[guess.tile]->hide();
}

void TMainWin::FinishWord(int points, const QString& soloMessage) {
    if (SoloGame) {
        CalcTheScore(points, false);
        ctx.prompts->message(this, QStringLiteral("More"), soloMessage);
        DoNextWord();
        return;
    }
    CalcTheScore(points, true);
    ConnectTimer->start();
    peer_->score().mine = true;
    if (!peer_->score().theirs) {
        ShowWaitStatus(QStringLiteral("Waiting for opponent's score."));
    }
    peer_->setWordFinished(true);
}

void TMainWin::UncoverFigure() {
    const scoring::Band band = round_.figureBand();
    const QRect rect(QPoint(band.left, band.top), QPoint(band.right - 1, band.bottom - 1));
    pictures::copyBand(NoHangPicture, YesHang, rect);
    ShowPicture();
}

void TMainWin::ShowPicture() {
    NoHang->setPixmap(QPixmap::fromImage(NoHangPicture));
}

// --- The board ---

QImage TMainWin::AlphabetTile(QChar c) const {
    return MakeLetterTile(c, SavedAlpha, settings.AlphabetFont, devicePixelRatioF());
}

QImage TMainWin::WordTile(QChar c) const {
    return MakeLetterTile(settings.UseUpper ? text::asciiUpper(c) : c, SavedWord, settings.WordFont,
                          devicePixelRatioF());
}

void TMainWin::DisplayWord() {
    for (int i = 1; i <= kAlphabetTiles; ++i) {
        const QChar c = i == kAlphabetTiles ? QLatin1Char(' ') : QChar(char16_t(64 + i));
        AlphabetTiles[i]->setPixmap(QPixmap::fromImage(AlphabetTile(c)));
    }
    QImage blank(28, 28, QImage::Format_RGB32);
    blank.fill(Qt::white);
    const QPixmap whiteSquare = QPixmap::fromImage(blank);
    for (int p = 1; p <= wordlist::kMaxWord; ++p) {
        ClickLabel* tile = WordTiles[p];
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
    HintLabel->setText(round_.clue());
}

void TMainWin::DisplayLetter(int position) {
    if (position < 1 || position > round_.length()) {
        return;
    }
    WordTiles[position]->setPixmap(QPixmap::fromImage(WordTile(round_.word().at(position - 1))));
}

void TMainWin::DisplayHints() {
    HintPanel->setVisible(settings.UseHints);
    if (settings.UseHints) {
        UsedPanel->setGeometry(8, 70, 137, 67);
        UsedLettersLabel->setGeometry(4, 20, 129, 43);
        UsedLettersLabel->setFont(pixelFont(UsedLettersLabel->font(), 12));
    } else {
        UsedPanel->setGeometry(8, 40, 137, 97);
        UsedLettersLabel->setGeometry(4, 20, 129, 73);
        UsedLettersLabel->setFont(pixelFont(UsedLettersLabel->font(), 15));
    }
}

void TMainWin::MenuUpperClick() {
    settings.UseUpper = !settings.UseUpper;
    MenuUpper->setChecked(settings.UseUpper);
    SaveSettings(settings);
    DisplayWord();
}

void TMainWin::MenuHintsClick() {
    settings.UseHints = !settings.UseHints;
    MenuHints->setChecked(settings.UseHints);
    SaveSettings(settings);
    DisplayHints();
    if (!SoloGame && peer_->connected()) {
        SendPeer(11, settings.UseHints ? QStringLiteral("1") : QStringLiteral("0"));
        LogLine(settings.UseHints ? QStringLiteral(">>Hints Turned On")
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
    ctx.prompts->runDialog(wizard);
    return !wizard.Cancelled;
}

void TMainWin::DoANewGame() {
    if (!RunNewGameWizard()) {
        return;
    }
    BlankPanel->setEnabled(false);
    BlankPanel->hide();
    MainPanel->setEnabled(true);
    MainPanel->show();
    EnableDisable();
    StartIt();
}

void TMainWin::StartIt() {
    if (SoloGame && wordSource_.count() == 0) {
        // The wizard can be closed before a list was chosen: play the default list.
        LoadGame(QDir(settings.ProgramDir).filePath(QStringLiteral("ROPEWIT.TXT")));
    }
    wordSource_.restart();
    scores_.reset();
    if (SoloGame) {
        // A player without a name is "Player 1", as everywhere else, rather than a blank.
        Player1Name = settings.UserName.isEmpty() ? QStringLiteral("Player 1") : settings.UserName;
        PlayerPanel->setText(Player1Name);
        Play1ScoreLab->setText(Player1Name);
        Play1ScorePan->setText(QStringLiteral("0"));
        Play2ScoreLab->hide();
        Play2ScorePan->hide();
        DoNextWord();
        ControlPanel->setEnabled(false);
        ControlPanel->hide();
        ActionButton->setEnabled(false);
        ActionButton->hide();
        WaitStatus->setEnabled(false);
        WaitStatus->hide();
        FlashIt(false);
        return;
    }
    Play2ScoreLab->show();
    Play2ScorePan->show();
    Play1ScorePan->setText(QStringLiteral("0"));
    Play2ScorePan->setText(QStringLiteral("0"));
    ConnectTimer->start();
    peer_->newGame();
}

void TMainWin::DoNextWord() {
    NoHangPicture = EmptyGallows;
    ShowPicture();

    const int guesses = scoring::guessesFromSetting(settings.NumGuesses);
    Guesses->setText(guessesText(guesses));
    if (SoloGame) {
        const wordlist::Entry next = wordSource_.nextWord();
        round_.begin(next.word, next.clue, guesses);
        WordNumPanel->setText(QStringLiteral("Word ") + text::withThousands(wordSource_.number()) +
                              QStringLiteral(" of ") + text::withThousands(wordSource_.count()));
    } else {
        // The word was dealt by the opponent or by this side's own choice.
        wordSource_.countWord();
        round_.begin(dealt_.word, dealt_.clue, guesses);
        WordNumPanel->setText(QStringLiteral("Word ") + text::withThousands(wordSource_.number()));
    }

    UsedLettersLabel->clear();
    for (int i = 1; i <= kAlphabetTiles; ++i) {
        AlphabetTiles[i]->setEnabled(true);
        AlphabetTiles[i]->show();
    }
    DisplayWord();
}

void TMainWin::CheckComplete() {
    if (!round_.isComplete()) {
        return;
    }
    if (settings.UseSound) {
        PlayIfExists(settings.CorrectWordSound);
    }
    FinishWord(round_.guessesLeft(),
               QStringLiteral("Word Completed Successfully! Click for next word"));
}

void TMainWin::PostScore(bool player1, long long points) {
    scores_.add(player1, points);
    peer_->setPlayerPosted(player1, true);
}

void TMainWin::ShowScores() {
    Play1ScorePan->setText(QString::number(scores_.player1()));
    Play2ScorePan->setText(QString::number(scores_.player2()));
}

void TMainWin::CalcTheScore(int points, bool twoPlayer) {
    if (!twoPlayer) {
        scores_.add(true, points);
        Play1ScorePan->setText(QString::number(scores_.player1()));
        return;
    }
    PostScore(peer_->isPlayer1(), points);
    ShowScores();
    SendPeer(9, scoring::scorePayload(points));
    LogLine(QStringLiteral(">>Your score sent"));
}

bool TMainWin::WehaveWinner() {
    const scoring::Winner winner = scores_.winner(settings.WinScore);
    if (winner == scoring::Winner::None) {
        return false;
    }
    const QString message = scores_.gameOverText(winner, Player1Name, Player2Name);
    if (!ctx.prompts->question(this, QStringLiteral("Game Over"), message)) {
        RunNewGameWizard();
    }
    StartIt();
    ActionButton->setText(QStringLiteral("Start &Game"));
    ActionButton->setEnabled(true);
    ActionButton->show();
    SetControlState();
    FlashIt(true);
    return true;
}

// --- Flashing of the control panel ---

void TMainWin::FlashIt(bool on) {
    if (on) {
        FlashTimer->start();
        return;
    }
    FlashTimer->stop();
    QPalette pal = ControlPanel->palette();
    pal.setColor(QPalette::Window, palette().color(QPalette::Button));
    ControlPanel->setPalette(pal);
}

void TMainWin::FlashTimerTimer() {
    const QColor face = palette().color(QPalette::Button);
    const QColor shadow = palette().color(QPalette::Dark);
    QPalette pal = ControlPanel->palette();
    pal.setColor(QPalette::Window, controlPanelColor() == shadow ? face : shadow);
    ControlPanel->setPalette(pal);
}

// --- Sound ---

void TMainWin::DoWave(const QString& path, bool wait) {
    if (ctx.sound) {
        ctx.sound->play(text::bounded(path), wait);
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
