#include "game/Scoring.h"

#include "core/Text.h"

namespace scoring {

Winner winnerOf(long long p1, long long p2, long long winScore) {
    if (p1 > winScore) {
        if (p1 == p2) {
            return Winner::Tie;
        }
        return p1 > p2 ? Winner::Player1 : Winner::Player2;
    }
    return p2 > winScore ? Winner::Player2 : Winner::None;
}

QString gameOverText(Winner winner, const QString& player1Name, long long p1,
                     const QString& player2Name, long long p2) {
    const QString br = QStringLiteral("\n\r");
    QString line;
    switch (winner) {
        case Winner::Player1:
            line = player1Name + QStringLiteral(" is the winner!");
            break;
        case Winner::Player2:
            line = player2Name + QStringLiteral(" is the winner!");
            break;
        case Winner::Tie:
        case Winner::None:
            line = QStringLiteral("We have a tie!");
            break;
    }
    return line + br + br + player1Name + QStringLiteral(" Score: ") + QString::number(p1) + br +
           player2Name + QStringLiteral(" Score: ") + QString::number(p2) + br + br +
           QStringLiteral("Would you like to play this same opponent again?");
}

QString scorePayload(long long points) {
    return QStringLiteral("%1").arg(points, 3, 10, QLatin1Char('0'));
}

int guessesFromSetting(const QString& numGuesses) {
    return optionbounds::guessAttempts(text::leadingInt(numGuesses));
}

Band figureBand(int misses, int guessesAllowed) {
    if (misses <= 1 || guessesAllowed <= 0) {
        return {78, 69, 136, 107};
    }
    return {78, 107, 136, 107 + (misses * 108) / guessesAllowed};
}

}  // namespace scoring
