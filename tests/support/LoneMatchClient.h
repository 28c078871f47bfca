#pragma once

#include <QSignalSpy>
#include <QStringList>

#include "FakeMatchServer.h"
#include "matchmaking/MatchClient.h"
#include "net/MessageGate.h"
#include "settings/Settings.h"

// The matchmaking client without a window: Ann at 192.0.2.7, asking the server on loopback
// at `port` (a FakeMatchServer, usually), with everything it says recorded.
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

    QStringList logLines() const { return texts(logs, 0); }
    QStringList noticeTexts() const { return texts(notices, 1); }

private:
    static QStringList texts(const QSignalSpy& spy, int argument) {
        QStringList out;
        for (const QList<QVariant>& signal : spy)
            out << signal.at(argument).toString();
        return out;
    }
};
