#include "game/Scoring.h"

#include <QCoreApplication>

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
    // Shown only here, so it follows the window's language.
    const QString br = QStringLiteral("\n\r");
    QString line;
    switch (winner) {
        case Winner::Player1:
            line = QCoreApplication::translate("Scoring", "%1 is the winner!").arg(player1Name);
            break;
        case Winner::Player2:
            line = QCoreApplication::translate("Scoring", "%1 is the winner!").arg(player2Name);
            break;
        case Winner::Tie:
        case Winner::None:
            line = QCoreApplication::translate("Scoring", "We have a tie!");
            break;
    }
    const QString score = QCoreApplication::translate("Scoring", "%1 Score: %2");
    return line + br + br + score.arg(player1Name, QString::number(p1)) + br +
           score.arg(player2Name, QString::number(p2)) + br + br +
           QCoreApplication::translate("Scoring",
                                       "Would you like to play this same opponent again?");
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
