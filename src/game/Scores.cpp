#include "game/Scores.h"

void Scores::add(bool player1, long long points) {
    if (points > 0) {
        (player1 ? player1_ : player2_) += points;
    }
}

scoring::Winner Scores::winner(long long winScore) const {
    return scoring::winnerOf(player1_, player2_, winScore);
}

QString Scores::gameOverText(scoring::Winner winner, const QString& player1Name,
                             const QString& player2Name) const {
    return scoring::gameOverText(winner, player1Name, player1_, player2Name, player2_);
}
