// The window's side of the peer connection and of the matchmaking client: what the
// opponent's messages, the connection's events and the server's replies show.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QScopeGuard>

#include "app/MainWin.h"
#include "app/NewGameStarter.h"
#include "app/WindowWiring.h"
#include "dialogs/TWebOpponent.h"
#include "matchmaking/MatchClient.h"
#include "matchmaking/OpponentList.h"
#include "net/PeerText.h"
#include "net/TWSocket.h"

void TMainWin::HandlePeerMessage(PeerMessage message, const QString& payload) {
    game_->take(message, payload);
}

void TMainWin::ShowOpponentName(const QString& name, bool renamed) {
    opponentPanel_.ShowName(name);
    if (renamed) {
        (game_->isPlayer1() ? ui_.Play2ScoreLab : ui_.Play1ScoreLab)->setText(name);
    } else {
        DoStartMessage();
    }
}

void TMainWin::ShowScores() {
    ui_.showScores(game_->scores().player1(), game_->scores().player2());
}

// --- Connections ---

void TMainWin::StartServer() {
    peer_->setPort(ctx_.peerPort);
    // The address a registration named, else the one a caller on the network would dial.
    peer_->setOwnAddressForAdvice(match_->ownAddress().isEmpty() ? LocalAddresses().value(0)
                                                                 : match_->ownAddress());
    peer_->StartServer();
}

void TMainWin::ConnectToIP() {
    peer_->setPort(ctx_.peerPort);
    peer_->ConnectToIP();
}

void TMainWin::CliWSocketSessionConnected(bool asPlayer1) {
    if (asPlayer1) {
        if (match().loggedOn()) {
            UnLog();
        }
        // Taking the caller abandons a call of our own still under way, whose answer then
        // never comes to give the player the menu back.
        ui_.MenuPlayer->setEnabled(true);
    }
    // A new connection is a new game: nothing of an earlier one stays on the board, and its
    // steps run from the start.
    FlashIt(false);
    controlPanel_.Show(*game_);
    board_.Clear();
    opponentPanel_.Clear();
    ShowScores();
    ui_.Play2ScoreLab->setVisible(true);
    ui_.Play2ScorePan->setVisible(true);
    ui_.ConnectTimer->start();
    sounds_.Greeting();
    SetMainWin();
    ui_.PlayerPanel->setText(game_->greet(asPlayer1));
    EnableDisable();
    CentreWindow();
    if (!asPlayer1 && match().loggedOn()) {
        UnLog();
    }
}

void TMainWin::CliWSocketSessionClosed(bool gameLost) {
    LogLine(QStringLiteral(">>Disconnected"));
    EnableDisable();
    CentreWindow();
    if (gameLost) {
        GameInterrupted();
    }
}

void TMainWin::DisplayyourIPAddress1Click() {
    ctx_.prompts->message(this, QStringLiteral("IP Address"),
                          peer_->ownAddressesText(LocalAddresses(), ctx_.peerPort));
}

void TMainWin::DoStartMessage() {
    ui_.Play1ScoreLab->setText(game_->players().player1());
    ui_.Play2ScoreLab->setText(game_->players().player2());
    // The box runs the event loop, so more messages are handled while it is open. A name that
    // comes in meanwhile updates the labels but opens no second box: a peer that kept sending
    // names would otherwise nest one modal loop in another without end.
    if (!summaryOpen_) {
        summaryOpen_ = true;
        const QPointer<TMainWin> alive(this);
        const auto closed = qScopeGuard([&alive] {
            if (alive) {
                alive->summaryOpen_ = false;
            }
        });
        ctx_.prompts->message(
            this, QStringLiteral("Ready To Start"),
            peertext::startSummary(settings_, game_->ownName(), game_->opponentName(),
                                   game_->players().player1(), game_->players().player2()));
        if (!alive) {
            return;
        }
    }
    OfferAction(ControlPanelView::startCaption());
}

// --- The matchmaking client: the boxes, the opponent list, the call ---

void TMainWin::BeginServerRequest(int request) {
    match_->setServer(ctx_.matchmakingHost, ctx_.matchmakingPort);
    // The removal and the renewals name the address the registration named.
    if (static_cast<MatchRequest>(request) == MatchRequest::Register) {
        match_->setListenPort(peer_->listeningPort(ctx_.peerPort));
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
    // Not a lost game: the end of this connection is ours.
    peer_->leave();
    starter_->call(dialog.ChosenAddress);
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
