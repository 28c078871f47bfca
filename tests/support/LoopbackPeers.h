#pragma once

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>

#include "Checked.h"
#include "Testing.h"

#include "net/MessageGate.h"
#include "net/PeerConnection.h"
#include "net/TWSocket.h"
#include "play/GameController.h"
#include "settings/Settings.h"

// Connections without a window, connected over loopback.
namespace loopback {

// Two-player settings both sides of such a test start from: Player 1 chooses different
// words from its list, 8 guesses, 100 points win, no hints.
inline void twoPlayerSettings(Settings& s, const QString& name) {
    s.UserName = name;
    s.NumGuesses = QStringLiteral("8");
    s.GameType = 2;
    s.WordType = 1;
    s.SameWordLength = false;
    s.Player1Chooses = true;
    s.WinScore = 100;
    s.UseHints = false;
}

// A port nobody listens on (just released by the system).
inline quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// One player's connection with the settings above and the game played over it, and what
// the connection said and signalled.
struct Side {
    Settings settings;
    MessageGate gate;
    std::unique_ptr<PeerConnection> peer;
    std::unique_ptr<GameController> game;
    std::unique_ptr<QSignalSpy> ended;
    std::unique_ptr<QSignalSpy> failed;
    QStringList log;

    explicit Side(const QString& name = {}) {
        twoPlayerSettings(settings, name);
        peer = std::make_unique<PeerConnection>(gate);
        game = std::make_unique<GameController>(settings, *peer);
        peer->setPort(0);
        ended = std::make_unique<QSignalSpy>(game.get(), &GameController::sessionEnded);
        failed = std::make_unique<QSignalSpy>(peer.get(), &PeerConnection::callFailed);
        QObject::connect(peer.get(), &PeerConnection::logLine,
                         [this](const QString& line) { log << line; });
    }
    PeerConnection* operator->() { return peer.get(); }

    // Listens on a port of its own, as a copy started with --peer-port does; 0 if the
    // system kept taking the ports it had just released.
    quint16 listen() {
        for (int attempt = 0; attempt < 5; ++attempt) {
            peer->setPort(freePort());
            peer->StartServer();
            if (peer->isListening()) {
                return peer->port();
            }
        }
        return 0;
    }

    // Calls the address as a player types it; a bare one is called on the game's port.
    void call(const QString& address) {
        peer->setPeerAddress(address);
        peer->ConnectToIP();
    }
    // Calls the given port on 127.0.0.1.
    void call(quint16 port) { call(QStringLiteral("127.0.0.1:%1").arg(port)); }
};

// a listens on a port the system chooses, b calls it: a is Player 1.
inline void connect(Side& a, Side& b) {
    a->StartServer();
    QVERIFY(a->isListening());
    b.call(a->srvWSocket().localPort());
    QTRY_VERIFY(a->connected() && b->connected());
}

// a listens on a port the system chooses and takes the call of a plain socket.
inline void connectPlain(Side& a, QTcpSocket& caller) {
    a->StartServer();
    caller.connectToHost(QHostAddress::LocalHost, a->srvWSocket().localPort());
    QTRY_VERIFY(a->connected());
}

}  // namespace loopback
