// The window's side of the matchmaking client: the boxes, the opponent list, the call.
#include <QAction>
#include <QListWidget>

#include "app/MainWin.h"
#include "core/Prompts.h"
#include "core/Text.h"
#include "dialogs/TWebOpponent.h"
#include "matchmaking/MatchClient.h"
#include "matchmaking/OpponentList.h"
#include "net/TWSocket.h"

void TMainWin::BeginServerRequest(int request) {
    match_->setServer(ctx_.matchmakingHost, ctx_.matchmakingPort);
    // The removal and the renewals name the address the registration named.
    if (static_cast<MatchRequest>(request) == MatchRequest::Register) {
        match_->setListenPort(peer_->isListening() ? peer_->srvWSocket().localPort()
                                                   : ctx_.peerPort);
    }
    match_->BeginServerRequest(static_cast<MatchRequest>(request));
}

void TMainWin::UnLog() {
    match_->setServer(ctx_.matchmakingHost, ctx_.matchmakingPort);
    match_->UnLog();
}

void TMainWin::CliSrvWSocketDataAvailable(const QString& list) {
    // The player picks one of the waiting players, who is then called directly.
    TWebOpponent dialog(this);
    dialog.UserListText = list;
    ctx_.prompts->runDialog(dialog);
    if (dialog.Aborted) {
        return;
    }
    const QString refused = opponents::whyNotCallable(list, dialog.UserList->currentRow(),
                                                      dialog.ChosenAddress, ctx_.peerPort);
    if (!refused.isEmpty()) {
        LogLine(refused);
        return;
    }
    peer_->setPeerAddress(dialog.ChosenAddress);
    // Not a lost game: the end of this connection is ours.
    peer_->leave();
    AddressHistory(peer_->peerAddress());
    ConnectToIP();
    ui_.MenuPlayer->setEnabled(false);
}

void TMainWin::CliSrvWSocketRegistered() {
    if (!peer_->listening()) {
        peer_->setListening(true);
        StartServer();
    }
}

void TMainWin::AddressHistory(const QString& address) {
    opponents::pushAddress(settings_.LastIpAddresses, address);
}

QStringList TMainWin::LocalAddresses() const {
    return ctx_.localAddresses ? ctx_.localAddresses() : TWSocket::LocalIPList();
}
