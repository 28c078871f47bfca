#pragma once

#include <QString>

// What the guess attempts and two-player options dialogs accept.
//
// Player 1's values hold on both sides of a two-player game, and each side decides the end
// of a word and of the game by itself, so the two must never hold different values. A value
// outside these bounds, from a hand-edited settings file or from the opponent, is therefore
// brought into range by one rule wherever it comes in (reading the settings file, a guess
// attempts or game options message): a guess count that is no positive number stands for 5,
// as it always has where it is used, and above 20 is 20; a winning score below 10 is 10, and
// above 9999 (the four digits it travels in) is 9999.
namespace optionbounds {

constexpr int kMinGuessAttempts = 1;
constexpr int kMaxGuessAttempts = 20;
constexpr int kUnsetGuessAttempts = 5;
constexpr int kMinWinScore = 10;
constexpr int kMaxWinScore = 9999;

int guessAttempts(long long value);
// The guess attempts setting in range, as its text.
QString guessAttemptsText(const QString& numGuesses);
int winScore(long long value);

}  // namespace optionbounds
