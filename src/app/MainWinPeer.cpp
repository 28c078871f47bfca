// The window's side of the peer connection and of the matchmaking client: what the
// opponent's messages, the connection's events and the server's replies show.
#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QScopeGuard>

#include "app/MainWin.h"
#include "app/NetworkSteps.h"
#include "app/WindowWiring.h"
#include "matchmaking/MatchClient.h"
#include "net/PeerText.h"

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

void TMainWin::CliWSocketSessionConnected(bool asPlayer1) {
    if (asPlayer1) {
        if (match().loggedOn()) {
            network_->UnLog();
        }
        // Taking the caller abandons a call of our own still under way, whose answer then
        // never comes to give the player the menu back.
        ui_.MenuPlayer->setEnabled(true);
    }
    // A new connection is a new game: nothing of an earlier one stays on the board, and its
    // steps run from the start.
    controlPanel_.FlashIt(false);
    controlPanel_.Show();
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
        network_->UnLog();
    }
}

void TMainWin::CliWSocketSessionClosed(bool gameLost) {
    LogLine(QStringLiteral(">>Disconnected"));
    // However it ended, nothing can be offered or waited for without the opponent.
    if (!game_->solo() && !closing_) {
        controlPanel_.FlashIt(false);
        controlPanel_.Withdraw();
    }
    EnableDisable();
    CentreWindow();
    if (gameLost) {
        GameInterrupted();
    }
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
            this, tr("Ready To Start"),
            peertext::startSummary(settings_, game_->ownName(), game_->opponentName(),
                                   game_->players().player1(), game_->players().player2()));
        if (!alive) {
            return;
        }
    }
    controlPanel_.OfferAction(ControlPanelView::startCaption());
}
