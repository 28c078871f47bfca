#include "net/PeerText.h"

#include <QCoreApplication>

#include "core/Text.h"
#include "game/Players.h"
#include "settings/Settings.h"

namespace peertext {

GameOptions optionsOf(const Settings& s) {
    return {s.GameType, s.WordType, s.SameWordLength, s.Player1Chooses, s.WinScore};
}

void applyOptions(const GameOptions& o, Settings& s) {
    s.GameType = o.gameType;
    s.WordType = o.wordType;
    s.SameWordLength = o.sameWordLength;
    s.Player1Chooses = o.player1Chooses;
    s.WinScore = o.winScore;
}

QString gameOptionsPayload(const GameOptions& o) {
    const QChar gameType = o.gameType == 1 ? QLatin1Char('1') : QLatin1Char('2');
    const QChar wordType = o.wordType == 1 ? QLatin1Char('1') : QLatin1Char('2');
    return QString(gameType) + wordType + (o.sameWordLength ? QLatin1Char('1') : QLatin1Char('0')) +
           (o.player1Chooses ? QLatin1Char('1') : QLatin1Char('0')) +
           QStringLiteral("%1").arg(qMax(0, o.winScore), 4, 10, QLatin1Char('0'));
}

GameOptions parseGameOptions(const QString& payload) {
    auto digitAt = [&payload](int i) {
        return i < payload.size() && payload.at(i).isDigit() ? payload.at(i).digitValue() : 0;
    };
    // Both sides know only the types 1 and 2, and everything but 1 reads as 2 wherever the
    // options are shown or used: a stray digit is taken as 2 rather than stored as such.
    GameOptions o;
    o.gameType = digitAt(0) == 1 ? 1 : 2;
    o.wordType = digitAt(1) == 1 ? 1 : 2;
    o.sameWordLength = payload.size() > 2 && payload.at(2) == QLatin1Char('1');
    o.player1Chooses = payload.size() > 3 && payload.at(3) == QLatin1Char('1');
    o.winScore = static_cast<int>(text::payloadNumber(payload.mid(4, 4)));
    return o;
}

QString guessAttemptsPayload(const QString& numGuesses) {
    return numGuesses.size() == 1 ? QLatin1Char('0') + numGuesses : numGuesses.left(2);
}

QString guessAttemptsLine(const QString& numGuesses) {
    return QStringLiteral(">>Guess Attempts Changed To ") + numGuesses;
}

QString optionsDescription(const GameOptions& o, const QString& player1Name,
                           const QString& player2Name, bool winScoreChanged) {
    QString d;
    if (o.gameType == 1) {
        d = QStringLiteral("Player Chooses Words ");
    } else {
        d = QStringLiteral("Program Chooses Words");
        d += o.wordType == 1 ? QStringLiteral(", Players Get Different Words")
                             : QStringLiteral(", Players Get Same Words");
    }
    if (o.sameWordLength) {
        d += QStringLiteral(", Ensure Words Are Same Length");
    }
    if (o.gameType == 2) {
        d += QStringLiteral(", ") + (o.player1Chooses ? player1Name : player2Name) +
             QStringLiteral(" Chooses Word List");
    }
    if (winScoreChanged) {
        d += QStringLiteral(", Winning Score is ") + QString::number(o.winScore);
    }
    return d;
}

// Built from the synced options but shown only here: it follows the window's language.
QString startSummary(const Settings& s, const QString& ownName, const QString& opponentName,
                     const QString& player1Name, const QString& player2Name) {
    const QString br = QStringLiteral("\n\r");
    QString t =
        QCoreApplication::translate("PeerText", "A connection has been made to an opponent!") + br;
    t += QCoreApplication::translate("PeerText", " You are %1.").arg(ownName) + br;
    t += QCoreApplication::translate("PeerText", " Your opponent is %1.").arg(opponentName) + br +
         br;
    t +=
        QCoreApplication::translate("PeerText", "Game options have been synchronized as follows:") +
        br;
    const QString equalLengths =
        QCoreApplication::translate("PeerText", "  Word lengths will be equal") + br;
    if (s.GameType == 1) {
        t += QCoreApplication::translate("PeerText", "  Player chooses word") + br;
        if (s.SameWordLength) {
            t += equalLengths;
        }
    } else {
        t += QCoreApplication::translate("PeerText", "  Program chooses word") + br;
        if (s.WordType == 1) {
            t +=
                QCoreApplication::translate("PeerText", "  Each player receives a different word") +
                br;
            if (s.SameWordLength) {
                t += equalLengths;
            }
        } else {
            t += QCoreApplication::translate("PeerText", "  Each player receives the same word") +
                 br;
        }
        t += QCoreApplication::translate("PeerText", "  %1 selects word list")
                 .arg(s.Player1Chooses ? player1Name : player2Name) +
             br;
    }
    t += QCoreApplication::translate("PeerText", "  Winning Score is %1").arg(s.WinScore) + br;
    t += QCoreApplication::translate("PeerText", "  Guess Attempts per word are %1")
             .arg(s.NumGuesses) +
         br;
    t += (s.UseHints ? QCoreApplication::translate("PeerText", "  Hint mode is on.")
                     : QCoreApplication::translate("PeerText", "  Hint mode is off.")) +
         br + br;
    t += QCoreApplication::translate("PeerText",
                                     "If you would like to make changes to any of these options,") +
         br +
         QCoreApplication::translate(
             "PeerText", "then select \"Options\" from the menu and make your adjustments.") +
         br + br;
    t += QCoreApplication::translate(
             "PeerText", "After you are satisfied with the game options, click on the") +
         br + QCoreApplication::translate("PeerText", "\"Start Game\" button to start the game.");
    return t;
}

QString playerName(const QString& name, bool player1) {
    return Players::shownName(name, player1);
}

}  // namespace peertext
