#include "app/BoardView.h"

#include <QLabel>
#include <QPainter>
#include <QWidget>

#include "app/BoardAccess.h"
#include "core/LetterTile.h"
#include "core/Pictures.h"
#include "core/Text.h"
#include "game/Scoring.h"
#include "settings/Settings.h"
#include "widgets/ClickLabel.h"

namespace {

QFont pixelFont(const QFont& base, int pixels) {
    QFont f = base;
    f.setPixelSize(pixels);
    return f;
}

}  // namespace

BoardView::BoardView(const MainWinControls& ui, BoardPictures& pictures, const Settings& settings,
                     const Round& round, const QWidget& window)
    : ui_(ui), pictures_(pictures), settings_(settings), round_(round), window_(window) {}

QImage BoardView::AlphabetTile(QChar c) const {
    return MakeLetterTile(c, pictures_.SavedAlpha, settings_.AlphabetFont,
                          window_.devicePixelRatioF());
}

QImage BoardView::WordTile(QChar c) const {
    return MakeLetterTile(settings_.UseUpper ? text::asciiUpper(c) : c, pictures_.SavedWord,
                          settings_.WordFont, window_.devicePixelRatioF());
}

void BoardView::DisplayWord() {
    for (int i = 1; i <= Round::kTiles; ++i) {
        const QChar c = i == Round::kTiles ? QLatin1Char(' ') : QChar(char16_t(64 + i));
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
    boardaccess::describe(ui_, round_);
}

void BoardView::DisplayLetter(int position) {
    if (position < 1 || position > round_.length()) {
        return;
    }
    ui_.WordTiles[position]->setPixmap(
        QPixmap::fromImage(WordTile(round_.word().at(position - 1))));
}

void BoardView::DisplayHints() {
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

void BoardView::UncoverFigure() {
    const scoring::Band band = round_.figureBand();
    const QRect rect(QPoint(band.left, band.top), QPoint(band.right - 1, band.bottom - 1));
    pictures::copyBand(pictures_.NoHangPicture, pictures_.YesHang, rect);
    ShowPicture();
}

void BoardView::ShowPicture() {
    ui_.NoHang->setPixmap(QPixmap::fromImage(pictures_.NoHangPicture));
}

void BoardView::ShowHanged() {
    pictures_.NoHangPicture = pictures_.YesHang;
    ShowPicture();
}

void BoardView::ShowEmptyGallows() {
    pictures_.NoHangPicture = pictures_.EmptyGallows;
    ShowPicture();
}

QString BoardView::guessesText(int guesses) {
    return text::withThousands(guesses) + QStringLiteral(" Guesses Left");
}

void BoardView::ShowGuessesLeft(int guesses) {
    ui_.Guesses->setText(guessesText(guesses));
}

void BoardView::ShowGuess(const Round::Guess& guess) {
    ShowGuessedTiles(guess);
    boardaccess::describe(ui_, round_);
    boardaccess::announce(
        ui_, boardaccess::guessNews(round_, guess.letter, guess.outcome == Round::Outcome::Hit));
}

void BoardView::ShowGuessedTiles(const Round::Guess& guess) {
    for (const int p : guess.positions) {
        DisplayLetter(p);
    }
    ui_.UsedLettersLabel->setText(round_.usedLettersLine());
    boardaccess::keepFocusOnTiles(ui_, guess.tile);
    ui_.AlphabetTiles[guess.tile]->setEnabled(false);
    ui_.AlphabetTiles[guess.tile]->hide();
    if (guess.outcome == Round::Outcome::Hit) {
        return;
    }
    ShowGuessesLeft(round_.guessesLeft());
    if (guess.outcome == Round::Outcome::Miss) {
        UncoverFigure();
        return;
    }
    // Hanged: the whole figure, and the word as it was.
    ShowHanged();
    DisplayWord();
}

void BoardView::ShowAllLetters() {
    ui_.UsedLettersLabel->clear();
    for (int i = 1; i <= Round::kTiles; ++i) {
        ui_.AlphabetTiles[i]->setEnabled(true);
        ui_.AlphabetTiles[i]->show();
    }
    boardaccess::describe(ui_, round_);
}

void BoardView::Clear() {
    ShowEmptyGallows();
    for (int p = 1; p <= wordlist::kMaxWord; ++p) {
        ui_.WordTiles[p]->setEnabled(false);
        ui_.WordTiles[p]->hide();
    }
    ui_.HintLabel->clear();
    ui_.UsedLettersLabel->clear();
    ui_.Guesses->clear();
    ui_.SpokenWord->setAccessibleName(boardaccess::spokenWord(Round()));
}
