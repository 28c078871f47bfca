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
#include "core/Random.h"
#include "core/Scoring.h"
#include "core/Sound.h"
#include "core/Text.h"
#include "dialogs/TDoNewGame.h"

namespace {

QFont pixelFont(const QFont& base, int pixels) {
    QFont f = base;
    f.setPixelSize(pixels);
    return f;
}

}  // namespace

// --- Guessing ---

bool TMainWin::GuessingAllowed() const {
    return SoloGame || (Connected && TwoPlayerStarted && !WordFinished);
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
    if (index < 1 || index > kAlphabetTiles) {
        return;
    }
    const QChar ch = index == kAlphabetTiles ? QLatin1Char(' ') : QChar(char16_t(64 + index));
    if (UsedLetters.contains(ch)) {
        return;
    }
    bool hit = false;
    const int length = static_cast<int>(qMin<qsizetype>(CurrentWord.size(), kMaxWord));
    for (int p = 1; p <= length; ++p) {
        if (text::asciiUpper(CurrentWord.at(p - 1)) == ch) {
            Revealed[p] = true;
            DisplayLetter(p);
            hit = true;
        }
    }
    UsedLettersLabel->setText(UsedLettersLabel->text() + QLatin1Char(' ') + ch);
    UsedLetters += ch;
    if (!SoloGame && Connected) {
        SendPeer(7, QString(ch));
    }
    AlphabetTiles[index]->setEnabled(false);
    AlphabetTiles[index]->hide();

    if (hit) {
        if (settings.UseSound) {
            PlayRandomSound(settings.CorrectLetterSounds, settings.CorrectLetterCount);
        }
        CheckComplete();
        return;
    }

    if (settings.UseSound) {
        PlayRandomSound(settings.MissedLetterSounds, settings.MissedLetterCount);
    }
    --GuessesLeft;
    Guesses->setText(text::withThousands(GuessesLeft) + QStringLiteral(" Guesses Left"));
    if (GuessesLeft > 0) {
        UncoverFigure();
        return;
    }

    // Hanged: the whole figure, the word shown, no points.
    NoHangPicture = YesHang;
    ShowPicture();
    if (settings.UseSound) {
        PlayIfExists(settings.MissedWordSound);
    }
    for (int p = 1; p <= length; ++p) {
        Revealed[p] = true;
    }
    DisplayWord();
    if (SoloGame) {
        CalcTheScore(0, false);
        ctx.prompts->message(this, QStringLiteral("More"),
                             QStringLiteral("Sorry, you've been hung.  Click for next word."));
        DoNextWord();
    } else {
        CalcTheScore(0, true);
        MyScoreSent = true;
        if (!OpponentScoreReceived) {
            ShowWaitStatus(QStringLiteral("Waiting for opponent's score."));
        }
        ConnectTimer->start();
        WordFinished = true;
    }
}

void TMainWin::UncoverFigure() {
    const scoring::Band band = scoring::figureBand(GuessesAllowed - GuessesLeft, GuessesAllowed);
    const QRect rect(QPoint(band.left, band.top), QPoint(band.right - 1, band.bottom - 1));
    QPainter painter(&NoHangPicture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(rect.topLeft(), YesHang, rect);
    painter.end();
    ShowPicture();
}

void TMainWin::ShowPicture() {
    NoHang->setPixmap(QPixmap::fromImage(NoHangPicture));
}

// --- The board ---

QImage TMainWin::AlphabetTile(QChar c) const {
    return MakeLetterTile(c, SavedAlpha, settings.AlphabetFont);
}

QImage TMainWin::WordTile(QChar c) const {
    return MakeLetterTile(settings.UseUpper ? text::asciiUpper(c) : c, SavedWord,
                          settings.WordFont);
}

void TMainWin::DisplayWord() {
    for (int i = 1; i <= kAlphabetTiles; ++i) {
        const QChar c = i == kAlphabetTiles ? QLatin1Char(' ') : QChar(char16_t(64 + i));
        AlphabetTiles[i]->setPixmap(QPixmap::fromImage(AlphabetTile(c)));
    }
    QImage blank(28, 28, QImage::Format_RGB32);
    blank.fill(Qt::white);
    const QPixmap whiteSquare = QPixmap::fromImage(blank);
    for (int p = 1; p <= kMaxWord; ++p) {
        ClickLabel* tile = WordTiles[p];
        if (p > CurrentWord.size()) {
            tile->setEnabled(false);
            tile->hide();
            continue;
        }
        tile->setEnabled(true);
        tile->show();
        if (Revealed[p]) {
            tile->setPixmap(QPixmap::fromImage(WordTile(CurrentWord.at(p - 1))));
        } else {
            tile->setPixmap(whiteSquare);
        }
    }
    HintLabel->setText(CurrentHint);
}

void TMainWin::DisplayLetter(int position) {
    if (position < 1 || position > kMaxWord || position > CurrentWord.size()) {
        return;
    }
    WordTiles[position]->setPixmap(QPixmap::fromImage(WordTile(CurrentWord.at(position - 1))));
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
    if (!SoloGame && Connected) {
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
    if (SoloGame) {
        if (Words.isEmpty()) {
            // The wizard can be closed before a list was chosen: play the default list.
            LoadGame(QDir(settings.ProgramDir).filePath(QStringLiteral("ROPEWIT.TXT")));
        }
        // A player without a name is "Player 1", as everywhere else, rather than a blank.
        Player1Name = settings.UserName.isEmpty() ? QStringLiteral("Player 1") : settings.UserName;
        PlayerPanel->setText(Player1Name);
        Play1ScoreLab->setText(Player1Name);
        Player1Score = 0;
        Play1ScorePan->setText(QStringLiteral("0"));
        Play2ScoreLab->hide();
        Play2ScorePan->hide();
        WordIndex = -1;
        WordNumber = 0;
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
    WordIndex = -1;
    WordNumber = 0;
    Play2ScoreLab->show();
    Play2ScorePan->show();
    Player1Score = 0;
    Player2Score = 0;
    Play1ScorePan->setText(QStringLiteral("0"));
    Play2ScorePan->setText(QStringLiteral("0"));
    ConnectTimer->start();
    OpponentReady = OpponentWordReceived = OpponentScoreReceived = false;
    IAmReady = MyWordSent = MyScoreSent = false;
}

void TMainWin::DoNextWord() {
    NoHangPicture = EmptyGallows;
    ShowPicture();

    GuessesLeft = scoring::guessesFromSetting(settings.NumGuesses);
    GuessesAllowed = GuessesLeft;
    Guesses->setText(text::withThousands(GuessesLeft) + QStringLiteral(" Guesses Left"));

    ++WordIndex;
    ++WordNumber;
    if (SoloGame) {
        const int n = static_cast<int>(Words.size());
        if (WordIndex > n - 1) {
            WordIndex = 0;
        }
        if (WordNumber > n) {
            WordNumber = 1;
        }
        if (WordIndex < n && WordIndex < Hints.size()) {
            CurrentWord = Words.at(WordIndex).left(kMaxWord);
            CurrentHint = text::bounded(Hints.at(WordIndex));
        } else {
            CurrentWord.clear();
            CurrentHint.clear();
        }
        if (CurrentHint.isEmpty()) {
            CurrentHint = QStringLiteral("No hint given");
        }
        WordNumPanel->setText(QStringLiteral("Word ") + text::withThousands(WordNumber) +
                              QStringLiteral(" of ") + text::withThousands(n));
    } else {
        // The word came from the opponent; it must still fit the tiles.
        CurrentWord = CurrentWord.left(kMaxWord);
        WordNumPanel->setText(QStringLiteral("Word ") + text::withThousands(WordNumber));
    }

    Revealed.fill(false);
    UsedLettersLabel->clear();
    UsedLetters.clear();
    for (int i = 1; i <= kAlphabetTiles; ++i) {
        AlphabetTiles[i]->setEnabled(true);
        AlphabetTiles[i]->show();
    }
    DisplayWord();
}

void TMainWin::CheckComplete() {
    const int length = static_cast<int>(qMin<qsizetype>(CurrentWord.size(), kMaxWord));
    for (int p = 1; p <= length; ++p) {
        if (!Revealed[p]) {
            return;
        }
    }
    if (settings.UseSound) {
        PlayIfExists(settings.CorrectWordSound);
    }
    if (SoloGame) {
        CalcTheScore(GuessesLeft, false);
        ctx.prompts->message(this, QStringLiteral("More"),
                             QStringLiteral("Word Completed Successfully! Click for next word"));
        DoNextWord();
        return;
    }
    CalcTheScore(GuessesLeft, true);
    ConnectTimer->start();
    MyScoreSent = true;
    if (!OpponentScoreReceived) {
        ShowWaitStatus(QStringLiteral("Waiting for opponent's score."));
    }
    WordFinished = true;
}

void TMainWin::PostScore(bool player1, long long points) {
    (player1 ? Player1Score : Player2Score) += points;
    (player1 ? Player1Posted : Player2Posted) = true;
}

void TMainWin::CalcTheScore(int points, bool twoPlayer) {
    if (!twoPlayer) {
        Player1Score += points;
        Play1ScorePan->setText(QString::number(Player1Score));
        return;
    }
    PostScore(IsPlayer1, points);
    Play1ScorePan->setText(QString::number(Player1Score));
    Play2ScorePan->setText(QString::number(Player2Score));
    SendPeer(9, scoring::scorePayload(points));
    LogLine(QStringLiteral(">>Your score sent"));
}

bool TMainWin::WehaveWinner() {
    const scoring::Winner winner = scoring::winnerOf(Player1Score, Player2Score, settings.WinScore);
    if (winner == scoring::Winner::None) {
        return false;
    }
    const QString message =
        scoring::gameOverText(winner, Player1Name, Player1Score, Player2Name, Player2Score);
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
