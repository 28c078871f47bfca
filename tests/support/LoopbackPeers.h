#pragma once

#include "Testing.h"

#include "net/PeerConnection.h"
#include "net/TWSocket.h"
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

// a listens on a port the system chooses, b calls it: a is Player 1.
inline void connect(PeerConnection& a, PeerConnection& b) {
    a.StartServer();
    QVERIFY(a.isListening());
    b.setPort(a.srvWSocket().localPort());
    b.setPeerAddress(QStringLiteral("127.0.0.1"));
    b.ConnectToIP();
    QTRY_VERIFY(a.connected() && b.connected());
}

}  // namespace loopback
