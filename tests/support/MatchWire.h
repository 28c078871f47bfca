#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QPair>

// What the matchmaking server and its clients say to each other, as bytes.
inline const QByteArray kEmptyList("05\x02");
inline const QByteArray kAdded("07\x02");
inline const QByteArray kFull("06\x02");
// Another loopback address to come from: another player's machine, as the server sees it.
inline const QHostAddress kOther("127.0.0.2");

inline QByteArray registration(const QByteArray& name, const QByteArray& address) {
    return "01" + name + '\x01' + address + '\x02';
}

inline QByteArray removal(const QByteArray& name, const QByteArray& address) {
    return "02" + name + '\x01' + address + '\x02';
}

inline QByteArray listOf(const QList<QPair<QByteArray, QByteArray>>& players) {
    QByteArray out("05");
    for (const auto& p : players)
        out += p.first + '\x01' + p.second + '\x03';
    return out + '\x02';
}
