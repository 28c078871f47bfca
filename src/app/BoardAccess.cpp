#include "app/BoardAccess.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/GameForm.h"
#include "app/TileGrid.h"
#include "game/Round.h"
#include "widgets/ClickLabel.h"
#include "widgets/MarkedLetters.h"

namespace {

QString readerText(const char* text) {
    return QCoreApplication::translate("Accessibility", text);
}

// A tile's own description while it carries the news of a guess.
constexpr const char* kPlainDescription = "ropewitPlainDescription";

bool isTile(const MainWinControls& ui, const QWidget* w) {
    for (int i = 1; w != nullptr && i <= Alphabet::kMaxTiles; ++i) {
        if (ui.AlphabetTiles[i] == w) {
            return true;
        }
    }
    return false;
}

void dropNews(QWidget* tile) {
    const QVariant plain = tile->property(kPlainDescription);
    if (plain.isValid()) {
        tile->setProperty(kPlainDescription, QVariant());
        tile->setAccessibleDescription(plain.toString());
    }
}

// The one tile Tab stops at.
int tabStop(const MainWinControls& ui) {
    for (int i = 1; i <= Alphabet::kMaxTiles; ++i) {
        if (ui.AlphabetTiles[i]->focusPolicy() != Qt::NoFocus) {
            return i;
        }
    }
    return 1;
}

bool tileShown(const ClickLabel* tile) {
    return !tile->isHidden() && tile->isEnabled();
}

// The tile shown nearest to `from`: itself, then the ones after it, then the ones before.
int nearestShownTile(const MainWinControls& ui, int from, bool skipFrom) {
    for (int i = skipFrom ? from + 1 : from; i <= Alphabet::kMaxTiles; ++i) {
        if (tileShown(ui.AlphabetTiles[i])) {
            return i;
        }
    }
    for (int i = from - 1; i >= 1; --i) {
        if (tileShown(ui.AlphabetTiles[i])) {
            return i;
        }
    }
    return 0;
}

// Each change is an event a reader may speak, so only real changes are made.
void setNameIfNew(QWidget* w, const QString& name) {
    if (w->accessibleName() != name) {
        w->setAccessibleName(name);
    }
}

void setDescriptionIfNew(QWidget* w, const QString& description) {
    if (w->accessibleDescription() != description) {
        w->setAccessibleDescription(description);
    }
}

QString letterName(QChar c) {
    return c == QLatin1Char(' ') ? readerText(QT_TRANSLATE_NOOP("Accessibility", "space"))
                                 : QString(c);
}

}  // namespace

namespace boardaccess {

void nameControls(const MainWinControls& ui) {
    ui.MainPanel->setAccessibleName(readerText(QT_TRANSLATE_NOOP("Accessibility", "Board")));
    ui.SpokenWord->setAccessibleDescription(
        readerText(QT_TRANSLATE_NOOP("Accessibility", "The word in play")));
    ui.PlayerPanel->setAccessibleDescription(
        readerText(QT_TRANSLATE_NOOP("Accessibility", "Your name")));
    ui.HintLabel->setAccessibleDescription(readerText(QT_TRANSLATE_NOOP("Accessibility", "Hint")));
    ui.NoHang->setAccessibleName(readerText(QT_TRANSLATE_NOOP("Accessibility", "Gallows")));
    ui.NoHang->setAccessibleDescription(readerText(
        QT_TRANSLATE_NOOP("Accessibility", "Shows one more part of the figure for each miss")));
    ui.Guesses->setAccessibleDescription(
        readerText(QT_TRANSLATE_NOOP("Accessibility", "Your misses still allowed")));
    ui.WordNumPanel->setAccessibleDescription(
        readerText(QT_TRANSLATE_NOOP("Accessibility", "Word number")));
    ui.ConMemo->setAccessibleName(
        readerText(QT_TRANSLATE_NOOP("Accessibility", "Connection status")));
    ui.OppPanel->setAccessibleDescription(
        readerText(QT_TRANSLATE_NOOP("Accessibility", "Your opponent's name")));
    ui.MissedWebLabel->setAccessibleDescription(
        readerText(QT_TRANSLATE_NOOP("Accessibility", "Your opponent's used letters")));
    ui.WebGuesses->setAccessibleDescription(
        readerText(QT_TRANSLATE_NOOP("Accessibility", "Your opponent's misses still allowed")));
    ui.MyMemo->setAccessibleName(readerText(QT_TRANSLATE_NOOP("Accessibility", "Chat")));
    ui.MyMess->setAccessibleName(readerText(QT_TRANSLATE_NOOP("Accessibility", "Chat message")));
    ui.MyMess->setAccessibleDescription(readerText(
        QT_TRANSLATE_NOOP("Accessibility", "Return sends it; Escape goes back to the board")));
    ui.WaitStatus->setAccessibleDescription(
        readerText(QT_TRANSLATE_NOOP("Accessibility", "What the game waits for")));
    for (int i = 1; i <= Round::kTiles; ++i) {
        ui.AlphabetTiles[i]->setAccessibleName(letterName(Round::letterOfTile(i)));
    }
    ui.SpokenWord->setAccessibleName(
        readerText(QT_TRANSLATE_NOOP("Accessibility", "No word in play")));
}

QString spokenPattern(const QString& pattern) {
    QStringList letters;
    int missing = 0;
    for (const QChar c : pattern) {
        const bool blank = c == QLatin1Char('_');
        missing += blank ? 1 : 0;
        letters << (blank ? readerText(QT_TRANSLATE_NOOP("Accessibility", "blank"))
                          : letterName(c));
    }
    return readerText(QT_TRANSLATE_NOOP("Accessibility", "%1: %2 letters, %3 to find"))
        .arg(letters.join(QStringLiteral(", ")))
        .arg(pattern.size())
        .arg(missing);
}

QString spokenWord(const Round& round) {
    QString pattern;
    for (int p = 1; p <= round.length(); ++p) {
        pattern += round.isRevealed(p) ? Alphabet::upper(round.word().at(p - 1)) : QLatin1Char('_');
    }
    return pattern.isEmpty() ? readerText(QT_TRANSLATE_NOOP("Accessibility", "No word in play"))
                             : spokenPattern(pattern);
}

void nameScores(const MainWinControls& ui) {
    const QString score = readerText(QT_TRANSLATE_NOOP("Accessibility", "%1's score: %2"));
    setNameIfNew(ui.Play1ScorePan, score.arg(ui.Play1ScoreLab->text(), ui.Play1ScorePan->text()));
    setNameIfNew(ui.Play2ScorePan, score.arg(ui.Play2ScoreLab->text(), ui.Play2ScorePan->text()));
}

void describe(const MainWinControls& ui, const Round& round) {
    nameScores(ui);
    const QString word = Alphabet::upper(round.word());
    const QString missed = round.missedLetters();
    QStringList used;
    for (int i = 1; i <= round.alphabet().tileCount(); ++i) {
        const QChar c = round.alphabet().letterOfTile(i);
        // The letters beyond A..Z change with the list.
        setNameIfNew(ui.AlphabetTiles[i], letterName(c));
        const bool tried = round.usedLetters().contains(c);
        const QString state =
            !tried               ? readerText(QT_TRANSLATE_NOOP("Accessibility", "not yet guessed"))
            : missed.contains(c) ? readerText(QT_TRANSLATE_NOOP("Accessibility", "not in the word"))
                                 : readerText(QT_TRANSLATE_NOOP("Accessibility", "in the word"));
        ui.AlphabetTiles[i]->setProperty(kPlainDescription, QVariant());
        setDescriptionIfNew(ui.AlphabetTiles[i], state);
        if (tried) {
            used << QStringLiteral("%1 %2").arg(letterName(c), state);
        }
    }
    setNameIfNew(ui.UsedLettersLabel,
                 readerText(QT_TRANSLATE_NOOP("Accessibility", "Used letters: %1"))
                     .arg(used.isEmpty() ? readerText(QT_TRANSLATE_NOOP("Accessibility", "none"))
                                         : used.join(QStringLiteral(", "))));
    for (int p = 1; p <= round.length() && p <= wordlist::kMaxWord; ++p) {
        setNameIfNew(ui.WordTiles[p],
                     readerText(QT_TRANSLATE_NOOP("Accessibility", "Letter %1 of %2: %3"))
                         .arg(p)
                         .arg(round.length())
                         .arg(round.isRevealed(p)
                                  ? letterName(word.at(p - 1))
                                  : readerText(QT_TRANSLATE_NOOP("Accessibility", "blank"))));
    }
    setDescriptionIfNew(ui.NoHang, readerText(QT_TRANSLATE_NOOP("Accessibility", "%1 of %2 misses"))
                                       .arg(round.misses())
                                       .arg(round.guessesAllowed()));
    setNameIfNew(ui.SpokenWord, spokenWord(round));
}

void announce(const MainWinControls& ui, const QString& news) {
    ui.SpokenWord->setAccessibleDescription(news);
    // A reader that missed the description's change still gets an alert.
    QAccessibleEvent alert(ui.SpokenWord, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    // Readers such as Orca speak only what has the focus. A player on the board gets it back
    // on the grid's tab stop, the tile after the one just guessed: the news rides in that
    // tile's description until the focus leaves it.
    QWidget* focused = QApplication::focusWidget();
    if (news.isEmpty() || (focused != ui.MainPanel && !isTile(ui, focused))) {
        return;
    }
    ClickLabel* tile = ui.AlphabetTiles[tabStop(ui)];
    if (!tileShown(tile)) {
        return;
    }
    const QVariant plain = tile->property(kPlainDescription);
    const QString state = plain.isValid() ? plain.toString() : tile->accessibleDescription();
    tile->setProperty(kPlainDescription, state);
    tile->setAccessibleDescription(news + QLatin1Char(' ') + state);
}

QString endNews(const Round& round) {
    const QString word = Alphabet::upper(round.word());
    return round.isLost()
               ? readerText(QT_TRANSLATE_NOOP("Accessibility", "Word lost: %1.")).arg(word)
           : round.isComplete()
               ? readerText(QT_TRANSLATE_NOOP("Accessibility", "Word solved: %1.")).arg(word)
               : QString();
}

QString guessNews(const Round& round, QChar letter, bool hit) {
    const QString news =
        hit ? readerText(QT_TRANSLATE_NOOP("Accessibility", "%1 is in the word."))
                  .arg(letterName(letter))
        : round.guessesLeft() == 1
            ? readerText(QT_TRANSLATE_NOOP("Accessibility", "%1 is not in the word, 1 guess left."))
                  .arg(letterName(letter))
            : readerText(
                  QT_TRANSLATE_NOOP("Accessibility", "%1 is not in the word, %2 guesses left."))
                  .arg(letterName(letter))
                  .arg(round.guessesLeft());
    const QString end = endNews(round);
    return end.isEmpty() ? news : news + QLatin1Char(' ') + end;
}

void keepFocusOnTiles(const MainWinControls& ui, int tile) {
    if (tile < 1 || tile > Alphabet::kMaxTiles ||
        ui.AlphabetTiles[tile]->focusPolicy() == Qt::NoFocus) {
        return;
    }
    ClickLabel* going = ui.AlphabetTiles[tile];
    const int next = nearestShownTile(ui, tile, true);
    if (next == 0) {
        if (going->hasFocus()) {
            ui.MainPanel->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    // Straight from tile to tile: a tile that loses its focus policy first hands the focus to
    // the board, which a reader would announce in between.
    ui.AlphabetTiles[next]->setFocusPolicy(Qt::TabFocus);
    if (going->hasFocus()) {
        ui.AlphabetTiles[next]->setFocus(Qt::OtherFocusReason);
    }
    going->setFocusPolicy(Qt::NoFocus);
}

}  // namespace boardaccess

BoardKeys::BoardKeys(const MainWinControls& ui, QObject* parent) : QObject(parent), ui_(ui) {
    qApp->installEventFilter(this);
    for (int i = 1; i <= Alphabet::kMaxTiles; ++i) {
        ui_.AlphabetTiles[i]->installEventFilter(this);
    }
    // Tab goes from the action button to the grid, then to the chat and the logs.
    QList<QWidget*> order{ui_.ActionButton};
    for (int i = 1; i <= Alphabet::kMaxTiles; ++i) {
        order << ui_.AlphabetTiles[i];
    }
    order << ui_.MyMess << ui_.SendButton << ui_.MyMemo << ui_.ConMemo;
    for (qsizetype i = 0; i + 1 < order.size(); ++i) {
        QWidget::setTabOrder(order[i], order[i + 1]);
    }
    connect(ui_.SendButton, &QPushButton::clicked, this, &BoardKeys::focusBoard);
    connect(ui_.MyMess, &QLineEdit::returnPressed, this, &BoardKeys::focusBoard);
}

BoardKeys::~BoardKeys() {
    qApp->removeEventFilter(this);
}

int BoardKeys::focusedTile() const {
    for (int i = 1; i <= Alphabet::kMaxTiles; ++i) {
        if (ui_.AlphabetTiles[i] == QApplication::focusWidget()) {
            return i;
        }
    }
    return 0;
}

void BoardKeys::moveTo(int tile) {
    // A tile that has the focus keeps it: taking it away and back would drop the news it
    // carries.
    if (tile < 1 || tile > Alphabet::kMaxTiles || !tileShown(ui_.AlphabetTiles[tile]) ||
        ui_.AlphabetTiles[tile]->hasFocus()) {
        return;
    }
    ui_.AlphabetTiles[tabStop(ui_)]->setFocusPolicy(Qt::NoFocus);
    ui_.AlphabetTiles[tile]->setFocusPolicy(Qt::TabFocus);
    ui_.AlphabetTiles[tile]->setFocus(Qt::OtherFocusReason);
}

void BoardKeys::focusBoard() {
    if (ui_.MainPanel->isHidden()) {
        return;
    }
    if (const int tile = nearestShownTile(ui_, tabStop(ui_), false)) {
        moveTo(tile);
    } else {
        ui_.MainPanel->setFocus(Qt::OtherFocusReason);
    }
}

bool BoardKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && watched->isWidgetType() &&
        isTile(ui_, static_cast<QWidget*>(watched))) {
        dropNews(static_cast<QWidget*>(watched));
        return false;
    }
    if (event->type() == QEvent::FocusIn && watched != qApp) {
        // The window's key preview, set up after this, would take Space as a guess of the
        // space tile; the last filter installed sees the keys first.
        qApp->removeEventFilter(this);
        qApp->installEventFilter(this);
        return false;
    }
    if (event->type() != QEvent::KeyPress || watched != QApplication::focusWidget()) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == ui_.MyMess && key == Qt::Key_Escape) {
        focusBoard();
        return true;
    }
    const int tile = focusedTile();
    if (tile == 0) {
        return false;
    }
    // The grid's columns, from the size its tiles have now.
    const int columns = tilegrid::columnsOf(ui_.AlphabetTiles[1]->width());
    int step = 0;
    switch (key) {
        case Qt::Key_Left:
            step = -1;
            break;
        case Qt::Key_Right:
            step = 1;
            break;
        case Qt::Key_Up:
            step = -columns;
            break;
        case Qt::Key_Down:
            step = columns;
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            ui_.AlphabetTiles[tile]->press();
            focusBoard();
            return true;
        default:
            return false;
    }
    // Past the tiles taken away, to the next one shown in that direction.
    for (int i = tile + step; i >= 1 && i <= Alphabet::kMaxTiles; i += step) {
        if (tileShown(ui_.AlphabetTiles[i])) {
            moveTo(i);
            break;
        }
    }
    return true;
}
