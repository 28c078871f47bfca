#pragma once

#include <QString>

#include "settings/OptionBounds.h"

// Scores of a two-player game and the texts that announce its end.
namespace scoring {

enum class Winner { None, Player1, Player2, Tie };

using optionbounds::kMaxGuessAttempts;
using optionbounds::kMinGuessAttempts;
using optionbounds::kMinWinScore;

// A score equal to the winning score does not win; above it, the higher score wins.
Winner winnerOf(long long p1, long long p2, long long winScore);

// The text of the game-over box. Line breaks are LF then CR, as the peer program writes them.
QString gameOverText(Winner winner, const QString& player1Name, long long p1,
                     const QString& player2Name, long long p2);

// Points of a word on the wire: at least three digits, zero-padded.
QString scorePayload(long long points);

// The number of misses allowed per word from the guess attempts setting, brought into range
// (5 when the text does not start with a positive number).
int guessesFromSetting(const QString& numGuesses);

// The part of the gallows picture that the given number of misses uncovers (the last miss
// shows the whole picture instead).
struct Band {
    int left, top, right, bottom;  // right and bottom exclusive
};
Band figureBand(int misses, int guessesAllowed);

}  // namespace scoring
