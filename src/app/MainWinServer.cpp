// The matchmaking server client.
#include <QAction>
#include <exception>

#include "app/MainWin.h"
#include "core/Prompts.h"
#include "core/Text.h"
#include "matchmaking/OpponentList.h"
#include "dialogs/TWebOpponent.h"
#include "net/MessageFraming.h"
#include "net/TWSocket.h"

namespace {

constexpr int kMaxUserName = 20;

QString unableToConnect() {
    return QStringLiteral("Unable to connect to the server.");
}

// Name 0x01 address: who is registering or leaving.
QByteArray playerPayload(const QString& userName, const QString& address) {
    return text::toAnsi(userName.left(kMaxUserName)) + '\x01' + text::toAnsi(address);
}

// The player picks one of the waiting players, who is then called directly.
void chooseOpponent(TMainWin& win, const QString& list) {
    TWebOpponent dialog(&win);
    dialog.UserListText = list;
    win.ctx.prompts->runDialog(dialog);
    if (dialog.Aborted) {
        return;
    }
    win.PeerAddress = text::bounded(dialog.ChosenAddress);
    if (win.CliWSocket->state() == TWSocket::wsConnected) {
        // Not a lost game: the end of this connection is ours.
        win.LeavingPeer = true;
        win.CliWSocket->Close();
    }
    win.AddressHistory(win.PeerAddress);
    win.ConnectToIP();
    win.MenuPlayer->setEnabled(false);
}

}  // namespace

void TMainWin::BeginServerRequest(int request) {
    ServerRequest = request;
    if (CliSrvWSocket->state() == TWSocket::wsConnected) {
        CliSrvWSocket->Close();
    }
    CliSrvWSocket->DnsLookup(ctx.matchmakingHost);
}

void TMainWin::UnLog() {
    LoggedOnServer = false;
    BeginServerRequest(4);
}

void TMainWin::CliSrvWSocketDnsLookupDone(int error) {
    if (error != 0) {
        ctx.prompts->message(this, QStringLiteral("Error"), unableToConnect());
        UnLogDone = true;
        return;
    }
    CliSrvWSocket->Addr = CliSrvWSocket->DnsResult;
    CliSrvWSocket->Port = QString::number(ctx.matchmakingPort);
    CliSrvWSocket->Proto = QStringLiteral("tcp");
    CliSrvWSocket->Connect();
}

void TMainWin::CliSrvWSocketSessionConnected(int error) {
    if (error != 0) {
        ctx.prompts->message(this, QStringLiteral("Error"), unableToConnect());
    } else {
        // Each connection carries one request and its replies: whatever an earlier server
        // connection left unfinished can never complete into a reply of this one.
        ServerReceiveBuffer.clear();
        switch (ServerRequest) {
            case 1:
                CliSrvWSocket->SendStr(
                    framing::frame(1, playerPayload(settings.UserName, OwnAddress)));
                break;
            case 2:
                CliSrvWSocket->SendStr(framing::frame(3));
                break;
            case 3:
                CliSrvWSocket->SendStr(framing::frame(4, text::toAnsi(ServerLetters)));
                break;
            case 4:
                CliSrvWSocket->SendStr(
                    framing::frame(2, playerPayload(settings.UserName, OwnAddress)));
                LogLine(QStringLiteral(">>Removed from server"));
                break;
            default:
                break;
        }
    }
    UnLogDone = true;
}

void TMainWin::CliSrvWSocketDataAvailable(int) {
    try {
        if (!ReceiveInto(*CliSrvWSocket, ServerReceiveBuffer, QStringLiteral("the server"))) {
            return;
        }
        // Each reply leaves the buffer before it is acted on: the opponent list is modal,
        // and this handler may run again inside it.
        while (const auto message = ServerReceiveBuffer.take()) {
            const auto parsed = framing::parse(*message);
            if (!parsed) {
                continue;
            }
            switch (parsed->code) {
                case 5:
                    if (parsed->payload.isEmpty()) {
                        ctx.prompts->message(
                            this, QStringLiteral("Notice"),
                            QStringLiteral("No users are currently logged onto the server."));
                    } else {
                        chooseOpponent(*this, text::fromAnsi(parsed->payload));
                    }
                    break;
                case 6:
                    ctx.prompts->message(
                        this, QStringLiteral("Notice"),
                        QStringLiteral("The user list on the server is full.  Name not added."));
                    break;
                case 7:
                    LogLine(QStringLiteral(">>Added to server as a player"));
                    LoggedOnServer = true;
                    if (!Listening) {
                        Listening = true;
                        StartServer();
                    }
                    break;
                default:
                    break;
            }
        }
    } catch (const std::exception& e) {
        LogLine(QStringLiteral("NOTICE:> ") + QString::fromUtf8(e.what()));
    } catch (...) {
        LogLine(QStringLiteral("NOTICE:> Could not handle a reply from the server"));
    }
}

void TMainWin::CliSrvWSocketSessionClosed(int) {}

void TMainWin::AddressHistory(const QString& address) {
    opponents::pushAddress(settings.LastIpAddresses, address);
}

QStringList TMainWin::LocalAddresses() const {
    return ctx.localAddresses ? ctx.localAddresses() : TWSocket::LocalIPList();
}
