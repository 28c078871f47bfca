#pragma once

#include <QString>

// The two players' names as this side shows them. Player 1 is the side that accepted the
// call; a player without a name is "Player 1" or "Player 2".
class Players {
public:
    const QString& player1() const { return player1_; }
    const QString& player2() const { return player2_; }
    void setPlayer1(const QString& name) { player1_ = name; }
    void setPlayer2(const QString& name) { player2_ = name; }
    const QString& name(bool player1) const { return player1 ? player1_ : player2_; }

    // This player's and the opponent's name, seen from the side that is (or is not) Player 1.
    const QString& own(bool isPlayer1) const { return name(isPlayer1); }
    const QString& opponent(bool isPlayer1) const { return name(!isPlayer1); }

    // Stores this player's name as sent and shown; returns it.
    const QString& takeOwn(const QString& userName, bool isPlayer1);
    // A new connection: stores this player's name and forgets the opponent's until the
    // opponent's own name comes. Player 2 logs the opening's options before Player 1's name
    // arrives, and a name left from solo play (this player, as Player 1) or from an earlier
    // game must not stand for the player who chooses the word list.
    const QString& meet(const QString& userName, bool isPlayer1);
    // Stores the opponent's name from a name message; returns it.
    const QString& takeOpponent(const QString& payload, bool isPlayer1);
    // Solo play: the player is player 1, "Player 1" without a name.
    const QString& takeSolo(const QString& userName);

    // A player's name as shown and sent: the name, or "Player 1" / "Player 2" for none.
    static QString shownName(const QString& name, bool player1);

    // ">>NAME Ready To Start" for player 1 or player 2.
    QString readyLine(bool player1) const;

private:
    QString& slot(bool player1) { return player1 ? player1_ : player2_; }

    QString player1_;
    QString player2_;
};
