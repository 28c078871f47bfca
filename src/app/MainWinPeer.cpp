// The peer protocol and peer connections.
#include <QLabel>
#include <QPlainTextEdit>

#include "app/MainWin.h"
#include "core/Text.h"
#include "net/MessageFraming.h"
#include "net/TWSocket.h"

void TMainWin::SendPeer(int code, const QString& payload) {
    if (CliWSocket->state() == TWSocket::wsConnected) {
        CliWSocket->SendStr(framing::frame(code, text::toAnsi(payload)));
    }
}

QString TMainWin::OwnName() const {
    return IsPlayer1 ? Player1Name : Player2Name;
}

QString TMainWin::OpponentName() const {
    return IsPlayer1 ? Player2Name : Player1Name;
}

void TMainWin::CliWSocketDataAvailable(int) {}
void TMainWin::HandlePeerMessage(int, const QString&) {}
void TMainWin::StartServer() {}
void TMainWin::ConnectToIP() {}
void TMainWin::CliWSocketDnsLookupDone(int) {}
void TMainWin::CliWSocketSessionConnected(int) {}
void TMainWin::SrvWSocketSessionAvailable(int) {}
void TMainWin::CliWSocketSessionClosed(int) {}
void TMainWin::DisplayyourIPAddress1Click() {}
void TMainWin::DoStartMessage() {}
