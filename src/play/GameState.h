#pragma once

#include <QString>

// One side of a step of the two-player game: this player and the opponent.
struct Handshake {
    bool mine = false;
    bool theirs = false;
    bool both() const { return mine && theirs; }
    void clear() { mine = theirs = false; }
};

// What this side knows of the opponent's word and how the opponent is getting on.
struct OpponentView {
    QString word;
    QString progress;  // '_' per letter not found yet; the letter, or 'X' for the same word
    QString missed;    // the opponent's letters, newest first
    int guessesLeft = 0;
    int gameType = 0;  // the options as they stood when the opponent last started a word
    int wordType = 0;
    bool sameWord() const { return gameType == 2 && wordType == 2; }

    // The opponent's new word: all of it still to guess, with guesses to go.
    void newWord(const QString& text, int guesses);
    // The opponent guessed a letter (anything but one letter or the space is ignored).
    void guessed(const QString& payload);
};
