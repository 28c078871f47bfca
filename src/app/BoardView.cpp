#include "app/BoardView.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QWidget>

#include "app/BoardAccess.h"
#include "app/TileGrid.h"
#include "core/LetterTile.h"
#include "core/Pictures.h"
#include "core/Text.h"
#include "core/TileFont.h"
#include "game/Scoring.h"
#include "settings/Settings.h"
#include "widgets/ClickLabel.h"
#include "widgets/MarkedLetters.h"

namespace {

QFont pixelFont(const QFont& base, int pixels) {
    QFont f = base;
    f.setPixelSize(pixels);
    return f;
}

// A high-contrast tile's ground: one flat shade in a frame of the other, drawn at the
// screen's own resolution.
QImage contrastGround(const QColor& ground, const QColor& frame, qreal ratio, bool slot = false) {
    QImage image(QSize(28, 28) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(ground);
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, 28, 2), frame);
    painter.fillRect(QRect(0, 26, 28, 2), frame);
    painter.fillRect(QRect(0, 0, 2, 28), frame);
    painter.fillRect(QRect(26, 0, 2, 28), frame);
    if (slot) {
        // A letter still to find: a bar where it will stand.
        painter.fillRect(QRect(6, 20, 16, 3), frame);
    }
    return image;
}

TileFont contrastFont(const StoredFont& stored, const QColor& color) {
    TileFont font = toTileFont(stored);
    font.font.setBold(true);
    font.color = color;
    return font;
}

}  // namespace

BoardView::BoardView(const MainWinControls& ui, BoardPictures& pictures, const Settings& settings,
                     const Round& round, const QWidget& window)
    : ui_(ui), pictures_(pictures), settings_(settings), round_(round), window_(window) {}

QImage BoardView::AlphabetTile(QChar c) const {
    const qreal screen = window_.devicePixelRatioF();
    // A smaller tile is the same tile drawn at a lower resolution, its letter rendered at the
    // size it shows, then shown at the screen's.
    const qreal ratio = screen * side_ / pictures::kTileSize;
    QImage tile = settings_.HighContrast
                      ? MakeLetterTile(c, contrastGround(Qt::black, Qt::yellow, ratio),
                                       contrastFont(settings_.AlphabetFont, Qt::yellow), ratio)
                      : MakeLetterTile(c, pictures_.SavedAlpha, settings_.AlphabetFont, ratio);
    tile.setDevicePixelRatio(screen);
    return tile;
}

QImage BoardView::WordTile(QChar c) const {
    const qreal ratio = window_.devicePixelRatioF();
    const QChar shown = settings_.UseUpper ? Alphabet::upper(c) : c;
    if (settings_.HighContrast) {
        return MakeLetterTile(shown, contrastGround(Qt::white, Qt::black, ratio),
                              contrastFont(settings_.WordFont, Qt::black), ratio);
    }
    return MakeLetterTile(shown, pictures_.SavedWord, settings_.WordFont, ratio);
}

QPixmap BoardView::BlankTile() const {
    if (settings_.HighContrast) {
        return QPixmap::fromImage(
            contrastGround(Qt::white, Qt::black, window_.devicePixelRatioF(), true));
    }
    QImage blank(28, 28, QImage::Format_RGB32);
    blank.fill(Qt::white);
    return QPixmap::fromImage(blank);
}

void BoardView::RedrawTiles() {
    const Alphabet& alphabet = round_.alphabet();
    for (int i = 1; i <= alphabet.tileCount(); ++i) {
        ui_.AlphabetTiles[i]->setPixmap(QPixmap::fromImage(AlphabetTile(alphabet.letterOfTile(i))));
    }
    const QPixmap blank = BlankTile();
    for (int p = 1; p <= round_.length(); ++p) {
        ui_.WordTiles[p]->setPixmap(
            round_.isRevealed(p) ? QPixmap::fromImage(WordTile(round_.word().at(p - 1))) : blank);
    }
}

void BoardView::DisplayWord() {
    for (int p = 1; p <= wordlist::kMaxWord; ++p) {
        ClickLabel* tile = ui_.WordTiles[p];
        tile->setEnabled(p <= round_.length());
        tile->setVisible(p <= round_.length());
    }
    RedrawTiles();
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
    return QCoreApplication::translate("BoardView", "%1 Guesses Left")
        .arg(text::withThousands(guesses));
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
    ui_.UsedLettersLabel->setStruck(round_.missedLetters());
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
    ui_.UsedLettersLabel->setStruck(QString());
    const int tiles = round_.alphabet().tileCount();
    const tilegrid::Layout layout = tilegrid::layoutFor(tiles);
    side_ = layout.side;
    for (int i = 1; i <= Alphabet::kMaxTiles; ++i) {
        ClickLabel* tile = ui_.AlphabetTiles[i];
        tile->setGeometry(tilegrid::cell(layout, i));
        tile->setEnabled(i <= tiles);
        tile->setVisible(i <= tiles);
        if (i > tiles && tile->focusPolicy() != Qt::NoFocus) {
            // The grid's Tab stop went with a letter of the last list.
            tile->setFocusPolicy(Qt::NoFocus);
            ui_.AlphabetTiles[1]->setFocusPolicy(Qt::TabFocus);
        }
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
    ui_.UsedLettersLabel->setStruck(QString());
    ui_.Guesses->clear();
    ui_.SpokenWord->setAccessibleName(boardaccess::spokenWord(Round()));
}
