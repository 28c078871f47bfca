#pragma once

#include <QString>

struct Settings;

// The texts of the peer protocol that both players build the same way: option payloads,
// the description of the options in the connection log, and the start summary.
namespace peertext {

// The five two-player options as they travel in a game options message.
struct GameOptions {
    int gameType = 2;
    int wordType = 2;
    bool sameWordLength = true;
    bool player1Chooses = true;
    int winScore = 100;
};

GameOptions optionsOf(const Settings& settings);
void applyOptions(const GameOptions& options, Settings& settings);

// GameType digit, WordType digit, the two flags, WinScore as (at least) four digits.
QString gameOptionsPayload(const GameOptions& options);
// Reads a payload. A type that is not 1 reads as 2; missing flags read as false and a
// missing or non-numeric WinScore as 0.
GameOptions parseGameOptions(const QString& payload);

// A player's name as shown and sent: the name, or "Player 1" / "Player 2" for none.
QString playerName(const QString& name, bool player1);

// NumGuesses as two digits: a one-character value gets a leading '0'.
QString guessAttemptsPayload(const QString& numGuesses);

// The log line of a change of guess attempts, made here or by the opponent.
QString guessAttemptsLine(const QString& numGuesses);

// "Player Chooses Words " ... as logged when the options change.
QString optionsDescription(const GameOptions& options, const QString& player1Name,
                           const QString& player2Name, bool winScoreChanged);

// The text of the "Ready To Start" box. Line breaks are LF then CR.
QString startSummary(const Settings& settings, const QString& ownName, const QString& opponentName,
                     const QString& player1Name, const QString& player2Name);

}  // namespace peertext
