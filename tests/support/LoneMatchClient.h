#pragma once

#include <QSignalSpy>
#include <QStringList>

#include "matchmaking/MatchClient.h"
#include "net/MessageGate.h"
#include "settings/Settings.h"

// The matchmaking client without a window: Ann at 192.0.2.7, asking the server on loopback
// at `port`, with everything it says recorded.
struct LoneMatchClient {
    Settings settings;
    MessageGate gate;
    MatchClient client{settings, gate};
    QSignalSpy notices{&client, &MatchClient::notice};
    QSignalSpy lists{&client, &MatchClient::opponentsListed};
    QSignalSpy registered{&client, &MatchClient::registered};
    QSignalSpy logs{&client, &MatchClient::logLine};

    explicit LoneMatchClient(quint16 port) {
        settings.UserName = QStringLiteral("Ann");
        client.setServer(QStringLiteral("127.0.0.1"), port);
        // Typed with spaces around, which the client drops.
        client.setOwnAddress(QStringLiteral(" 192.0.2.7 "));
    }

    QStringList logLines() const {
        QStringList lines;
        for (const QList<QVariant>& signal : logs)
            lines << signal.at(0).toString();
        return lines;
    }
};
