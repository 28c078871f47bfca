#pragma once

#include <QObject>
#include <QString>

class Round;
struct MainWinControls;

// What a screen reader hears of the board: the names of the controls that show no text of
// their own, the letter tiles as buttons with their state, the word spelled out, and the
// news of each guess on the word's label (a reader speaks a label's changed description).
namespace boardaccess {

// Names the window's controls that show no words, once, after the window is built.
void nameControls(const MainWinControls& ui);
// A word as a reader speaks it, '_' for a letter not found: "C, blank, T: 3 letters, 1 to
// find".
QString spokenPattern(const QString& pattern);
QString spokenWord(const Round& round);
// The scores named with their players, as the labels show them now.
void nameScores(const MainWinControls& ui);
// The tiles, the word, the used letters and the scores described as the round stands.
void describe(const MainWinControls& ui, const Round& round);
// What just happened, for a reader to speak.
void announce(const MainWinControls& ui, const QString& news);
// "Word solved: CAT." or "Word lost: CAT." once the word is over; empty before.
QString endNews(const Round& round);
// The news of a guess: "E is in the word.", "Word solved: CAT." and so on.
QString guessNews(const Round& round, QChar letter, bool hit);
// A guess takes a tile away: if it was the grid's Tab stop or had the focus, the nearest
// tile still shown takes them over, so the next typed letter still goes to the board.
void keepFocusOnTiles(const MainWinControls& ui, int tile);

}  // namespace boardaccess

// The board by keyboard: the arrow keys move between the letter tiles as they sit in their
// grid, Space and Return guess the focused tile, and the focus comes back to the board after
// a chat line is sent. Only the focused tile is a Tab stop, so Tab leaves the grid at once.
class BoardKeys : public QObject {
public:
    BoardKeys(const MainWinControls& ui, QObject* parent);
    ~BoardKeys() override;

    // The board takes the focus back: the grid's Tab stop, or the nearest tile shown.
    void focusBoard();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int focusedTile() const;
    void moveTo(int tile);

    const MainWinControls& ui_;
};
