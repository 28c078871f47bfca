#include "app/NetworkSteps.h"

#include <QAction>
#include <QCoreApplication>
#include <QListWidget>
#include <QTcpSocket>
#include <utility>

#include "app/GameForm.h"
#include "core/AppContext.h"
#include "core/Prompts.h"
#include "dialogs/TMatchServer.h"
#include "dialogs/TWebOpponent.h"
#include "matchmaking/MatchClient.h"
#include "matchmaking/OpponentList.h"
#include "matchmaking/ReachCheck.h"
#include "matchmaking/RelayClient.h"
#include "net/AddressScope.h"
#include "net/MessageGate.h"
#include "net/PeerAddress.h"
#include "net/PeerConnection.h"
#include "net/PortMapper.h"
#include "net/TWSocket.h"
#include "settings/Settings.h"

namespace {

// While the server is away, its return is looked for this often.
constexpr int kRegisterAgainMs = 10000;

}  // namespace

NetworkSteps::NetworkSteps(QWidget& window, Settings& settings, AppContext& context,
                           PeerConnection& peer, MatchClient& match, const MainWinControls& ui,
                           std::function<void(const QString&)> logLine)
    : window_(window),
      settings_(settings),
      ctx_(context),
      peer_(peer),
      match_(match),
      ui_(ui),
      logLine_(std::move(logLine)),
      reach_(std::make_unique<ReachCheck>()),
      relay_(std::make_unique<RelayClient>()) {
    MessageGate& gate = match_.gate();
    QObject::connect(reach_.get(), &ReachCheck::answered, &window_,
                     [this, &gate](bool reachable, quint16 relayPort) {
                         gate.run([=] { reachAnswered(reachable, relayPort); });
                     });
    QObject::connect(relay_.get(), &RelayClient::held, &window_, [this](const QString& listed) {
        relayHeld_ = true;
        logLine_(QStringLiteral(">>") +
                 QCoreApplication::translate(
                     "NetworkSteps", "Waiting through the server's relay: callers reach you at %1")
                     .arg(listed));
    });
    // Taken at once: what follows the join is the other game's, and the gate holds it back.
    QObject::connect(relay_.get(), &RelayClient::joined, &window_, [this] {
        const bool asPlayer1 = relay_->holding();
        peer_.adopt(relay_->takeJoined(), asPlayer1);
    });
    QObject::connect(relay_.get(), &RelayClient::failed, &window_,
                     [this, &gate](const QString& line) {
                         gate.run([this, line] {
                             logLine_(line);
                             // A relay lost while waiting: the server lists the player at its own
                             // address again.
                             if (match_.loggedOn()) {
                                 match_.holdRenewals(false);
                                 if (std::exchange(relayHeld_, false)) {
                                     registerAgain();
                                 }
                             } else {
                                 ui_.MenuPlayer->setEnabled(true);
                             }
                         });
                     });
    registerAgain_.setInterval(kRegisterAgainMs);
    QObject::connect(&registerAgain_, &QTimer::timeout, &window_, [this] {
        if (relayLost_ && match_.loggedOn()) {
            match_.renewNow();
        } else {
            registerAgain_.stop();
        }
    });
    QObject::connect(&match_, &MatchClient::renewed, &window_, [this] {
        if (std::exchange(relayLost_, false)) {
            registerAgain_.stop();
            logLine_(
                QStringLiteral(">>") +
                QCoreApplication::translate("NetworkSteps", "Registered again with the server."));
            checkReach();
        }
    });
}

NetworkSteps::~NetworkSteps() = default;

void NetworkSteps::registerAgain() {
    relayLost_ = true;
    logLine_(
        QStringLiteral(">>") +
        QCoreApplication::translate("NetworkSteps", "Registering again with the server at %1:%2.")
            .arg(match_.host())
            .arg(match_.port()));
    match_.renewNow();
    registerAgain_.start();
}

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
    reach_->cancel();
    peer_.expectProbe({}, 0);
    relayHeld_ = relayLost_ = false;
    registerAgain_.stop();
    if (relay_->holding()) {
        relay_->close();
    }
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
    if (peeraddress::parseRelay(dialog.ChosenAddress)) {
        callThroughRelay(dialog.ChosenAddress);
    } else {
        peer_.callListedPlayer();
        call_(dialog.ChosenAddress);
    }
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
        return;
    }
    checkReach();
}

void NetworkSteps::checkReach() {
    const QByteArray greeting =
        reach_->start(match_.host(), match_.port(),
                      probeAddress_.isEmpty() ? match_.registeredAddress() : probeAddress_);
    // The probe may come a little after the answer that reports it.
    peer_.expectProbe(greeting, ReachCheck::kWaitMs + PeerConnection::kProbeHoldMs);
}

void NetworkSteps::reachAnswered(bool reachable, quint16 relayPort) {
    const QString address = match_.registeredAddress();
    // A server lists a player who registered with an address nobody outside can call (the
    // home network's own) at the address it sees him come from, which this side cannot know.
    const peeraddress::Parsed registered = peeraddress::parse(address);
    const QString where =
        registered.target &&
                addressscope::reachableFromInternet(addressscope::classify(registered.target->host))
            ? address
            : QCoreApplication::translate("NetworkSteps", "the address the server lists for you");
    if (reachable) {
        logLine_(peer_.portMapper().isMapped()
                     ? QStringLiteral(">>") +
                           QCoreApplication::translate("NetworkSteps",
                                                       "Callers can reach you at %1 through your "
                                                       "router's port mapping.")
                               .arg(where)
                     : QStringLiteral(">>") +
                           QCoreApplication::translate("NetworkSteps",
                                                       "Callers can reach you directly at %1.")
                               .arg(where));
        return;
    }
    if (relayPort == 0) {
        logLine_(QStringLiteral(">>") +
                 QCoreApplication::translate(
                     "NetworkSteps",
                     "Callers cannot reach you at %1, and the server has no relay: "
                     "turn on Options, Open Port On Router, forward port %2 to this "
                     "computer, or use a server with a relay.")
                     .arg(where, QString::number(peer_.listeningPort(ctx_.peerPort))));
        return;
    }
    logLine_(
        QStringLiteral(">>") +
        QCoreApplication::translate("NetworkSteps",
                                    "Callers cannot reach you at %1: you wait through the server's "
                                    "relay instead.")
            .arg(where));
    // The relay renews the registration while it holds this player.
    match_.holdRenewals(true);
    relay_->hold(match_.host(), relayPort, settings_.UserName, address);
}

void NetworkSteps::callThroughRelay(const QString& address) {
    const auto relayed = peeraddress::parseRelay(address);
    peer_.setPeerAddress(address);
    logLine_(QStringLiteral(">>") +
             QCoreApplication::translate("NetworkSteps",
                                         "Attempting To Connect through the server's relay"));
    relay_->call(relayed->relay.host, relayed->relay.port, relayed->token);
}

void NetworkSteps::AddressHistory(const QString& address) {
    opponents::pushAddress(settings_.LastIpAddresses, address);
}

QStringList NetworkSteps::LocalAddresses() const {
    return ctx_.localAddresses ? ctx_.localAddresses() : TWSocket::LocalIPList();
}
