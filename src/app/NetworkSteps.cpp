#include "app/NetworkSteps.h"

#include <QAction>
#include <QCoreApplication>
#include <QListWidget>

#include "app/GameForm.h"
#include "core/AppContext.h"
#include "core/Prompts.h"
#include "dialogs/TMatchServer.h"
#include "dialogs/TWebOpponent.h"
#include "matchmaking/MatchClient.h"
#include "matchmaking/OpponentList.h"
#include "net/PeerAddress.h"
#include "net/PeerConnection.h"
#include "net/TWSocket.h"
#include "settings/Settings.h"

NetworkSteps::NetworkSteps(QWidget& window, Settings& settings, AppContext& context,
                           PeerConnection& peer, MatchClient& match, const MainWinControls& ui,
                           std::function<void(const QString&)> logLine)
    : window_(window),
      settings_(settings),
      ctx_(context),
      peer_(peer),
      match_(match),
      ui_(ui),
      logLine_(std::move(logLine)) {}

void NetworkSteps::StartServer() {
    peer_.setPort(ctx_.peerPort);
    // The address a registration named, else the one a caller on the network would dial.
    peer_.setOwnAddressForAdvice(match_.ownAddress().isEmpty() ? LocalAddresses().value(0)
                                                               : match_.ownAddress());
    peer_.StartServer();
}

void NetworkSteps::ConnectToIP() {
    peer_.setPort(ctx_.peerPort);
    peer_.ConnectToIP();
}

void NetworkSteps::DisplayyourIPAddress1Click() {
    ctx_.prompts->message(&window_, QCoreApplication::translate("NetworkSteps", "IP Address"),
                          peer_.ownAddressesText(LocalAddresses(), ctx_.peerPort));
}

void NetworkSteps::chooseServer() {
    // --matchmaking-server, then the server chosen in the Options menu, then the built-in one.
    const peeraddress::Parsed chosen = peeraddress::parse(
        settings_.MatchmakingServer, TMatchServer::kServerPort, TMatchServer::kMaxAddress);
    if (!ctx_.matchmakingGiven && chosen.target) {
        match_.setServer(chosen.target->host, chosen.target->port);
    } else {
        match_.setServer(ctx_.matchmakingHost, ctx_.matchmakingPort);
    }
}

void NetworkSteps::BeginServerRequest(int request) {
    chooseServer();
    // The removal and the renewals name the address the registration named.
    if (static_cast<MatchRequest>(request) == MatchRequest::Register) {
        match_.setListenPort(peer_.listeningPort(ctx_.peerPort));
    }
    match_.BeginServerRequest(static_cast<MatchRequest>(request));
}

void NetworkSteps::UnLog() {
    chooseServer();
    match_.UnLog();
}

void NetworkSteps::CliSrvWSocketDataAvailable(const QString& list) {
    // The player picks one of the waiting players, who is then called directly.
    TWebOpponent dialog(&window_);
    dialog.UserListText = list;
    ctx_.prompts->runDialog(dialog);
    if (dialog.Aborted) {
        return;
    }
    const QString refused = opponents::whyNotCallable(
        list, dialog.UserList->currentRow(), dialog.ChosenAddress, peeraddress::kDefaultPort);
    if (!refused.isEmpty()) {
        logLine_(refused);
        return;
    }
    // Not a lost game: the end of this connection is ours.
    peer_.leave();
    peer_.callListedPlayer();
    call_(dialog.ChosenAddress);
    ui_.MenuPlayer->setEnabled(false);
}

void NetworkSteps::CliSrvWSocketRegistered() {
    if (!peer_.listening()) {
        peer_.setListening(true);
        StartServer();
    }
    // Listed while nobody listens (the port is taken): every caller would be refused.
    if (!peer_.isListening()) {
        peer_.setListening(false);
        UnLog();
    }
}

void NetworkSteps::AddressHistory(const QString& address) {
    opponents::pushAddress(settings_.LastIpAddresses, address);
}

QStringList NetworkSteps::LocalAddresses() const {
    return ctx_.localAddresses ? ctx_.localAddresses() : TWSocket::LocalIPList();
}
