#pragma once

#include <QString>

#include "game/Scoring.h"

// The two players' totals of a game; in solo play only player 1's counts. Scores only grow.
class Scores {
public:
    void reset() { player1_ = player2_ = 0; }
    // Adds a word's points to player 1's or player 2's total; negative points add nothing.
    void add(bool player1, long long points);
    const long long& player1() const { return player1_; }
    const long long& player2() const { return player2_; }
    // A total above the winning score wins; equal totals above it tie.
    scoring::Winner winner(long long winScore) const;
    // The game-over announcement for the given winner.
    QString gameOverText(scoring::Winner winner, const QString& player1Name,
                         const QString& player2Name) const;

private:
    long long player1_ = 0;
    long long player2_ = 0;
};
