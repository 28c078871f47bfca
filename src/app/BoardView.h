#pragma once

#include <QImage>
#include <QPixmap>

#include "app/BoardPictures.h"
#include "app/GameForm.h"
#include "game/Round.h"

class QWidget;
struct Settings;

// The board as the player sees it: the word tiles, the letters still to guess, the used
// letters, the hint, the guesses left and the gallows. It draws what the round holds.
class BoardView {
public:
    BoardView(const MainWinControls& ui, BoardPictures& pictures, const Settings& settings,
              const Round& round, const QWidget& window);

    void DisplayWord();
    void DisplayLetter(int position);
    void DisplayHints();
    void UncoverFigure();
    void ShowPicture();
    // The whole figure (hanged), or the empty gallows (a new word).
    void ShowHanged();
    void ShowEmptyGallows();
    void ShowGuessesLeft(int guesses);
    // A guessed letter: its tile gone, the used letters, the positions it revealed; after a
    // miss the guesses left and the next band of the figure, or the whole figure and word.
    void ShowGuess(const Round::Guess& guess);
    // A new word: every letter of the round's alphabet can be guessed again, none used yet;
    // the tiles shrink to fit when letters beyond A..Z join A..Z.
    void ShowAllLetters();
    // Every tile drawn anew in the look chosen, keeping which show.
    void RedrawTiles();
    // A new connection: no word, clue or letters of an earlier game.
    void Clear();

    // "n Guesses Left", this player's or the opponent's.
    static QString guessesText(int guesses);

    // The two tile looks as the board draws them.
    QImage AlphabetTile(QChar c) const;
    QImage WordTile(QChar c) const;
    // A position of the word still to find.
    QPixmap BlankTile() const;

private:
    void ShowGuessedTiles(const Round::Guess& guess);

    const MainWinControls& ui_;
    BoardPictures& pictures_;
    const Settings& settings_;
    const Round& round_;
    const QWidget& window_;
    int side_ = 28;  // of the letter tiles as they sit now
};
