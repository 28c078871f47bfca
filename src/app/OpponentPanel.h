#pragma once

#include "app/GameForm.h"

struct OpponentView;

// The opponent's side of the window: his name, his word as far as he has guessed it, his
// letters and his guesses left, as the game has them.
class OpponentPanel {
public:
    explicit OpponentPanel(const MainWinControls& ui) : ui_(ui) {}

    void ShowName(const QString& name);
    void ShowProgress(const OpponentView& opponent);
    void ShowGuesses(const OpponentView& opponent);
    // After a guess: his letters, or why they cannot be shown (both play the same word).
    void ShowMissed(const OpponentView& opponent);
    // A new word of his: no letters yet.
    void ShowNewWord(const OpponentView& opponent);
    // A new connection: nothing of an earlier opponent.
    void Clear();

private:
    const MainWinControls& ui_;
};
