#include "game/Players.h"

#include "core/Text.h"

QString Players::shownName(const QString& name, bool player1) {
    if (name.isEmpty()) {
        return player1 ? QStringLiteral("Player 1") : QStringLiteral("Player 2");
    }
    return text::bounded(name);
}

const QString& Players::takeOwn(const QString& userName, bool isPlayer1) {
    return slot(isPlayer1) = shownName(userName, isPlayer1);
}

const QString& Players::meet(const QString& userName, bool isPlayer1) {
    slot(!isPlayer1).clear();
    return takeOwn(userName, isPlayer1);
}

const QString& Players::takeOpponent(const QString& payload, bool isPlayer1) {
    return slot(!isPlayer1) = shownName(payload, !isPlayer1);
}

const QString& Players::takeSolo(const QString& userName) {
    // Not bounded: solo play shows the name as the settings hold it.
    return player1_ = userName.isEmpty() ? QStringLiteral("Player 1") : userName;
}

QString Players::readyLine(bool player1) const {
    return QStringLiteral(">>") + name(player1) + QStringLiteral(" Ready To Start");
}
