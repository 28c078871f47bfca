// The window's side of the peer connection: what the opponent's messages and the
// connection's events show.
#include <QAction>
#include <QLabel>
#include <QPointer>

#include "app/MainWin.h"
#include "matchmaking/MatchClient.h"
#include "net/OwnAddresses.h"
#include "net/PeerText.h"
#include "net/PortMapper.h"
#include "net/TWSocket.h"
#include "net/TwoPlayerGame.h"

void TMainWin::SendPeer(int code, const QString& payload) {
    if (const auto message = peerMessageOf(code)) {
        peer_->send(*message, payload);
    }
}

void TMainWin::HandlePeerMessage(PeerMessage message, const QString& payload) {
    game_->take(message, payload);
}

void TMainWin::ConnectTwoPlayerGame() {
    game_ = new TwoPlayerGame(*peer_, settings_, wordSource_, scores_, players_, this);
    connect(peer_, &PeerConnection::received, this, &TMainWin::HandlePeerMessage);
    connect(game_, &TwoPlayerGame::logLine, this, &TMainWin::LogLine);
    connect(game_, &TwoPlayerGame::chatReceived, this, [this](const QString& line) {
        ChatLine(line);
        sounds_.Floop(false);
    });
    connect(game_, &TwoPlayerGame::waitEnded, this, [this] {
        HideWaitStatus();
        FlashIt(false);
    });
    connect(game_, &TwoPlayerGame::wordDealt, this, [this] {
        OfferAction(QStringLiteral("Play &Word"));
        if (peer_->word().mine) {
            HideWaitStatus();
        }
        ui_.HintLabel->setText(game_->dealtWord().clue);
        opponentPanel_.ShowGuesses(peer_->opponent());
    });
    connect(game_, &TwoPlayerGame::opponentGuessed, this,
            [this] { opponentPanel_.ShowMissed(peer_->opponent()); });
    connect(game_, &TwoPlayerGame::opponentWordChanged, this,
            [this] { opponentPanel_.ShowNewWord(peer_->opponent()); });
    connect(game_, &TwoPlayerGame::opponentNamed, this, &TMainWin::ShowOpponentName);
    connect(game_, &TwoPlayerGame::scoresChanged, this, &TMainWin::ShowScores);
    connect(game_, &TwoPlayerGame::optionsChanged, this, &TMainWin::SetWordListMenuItem);
    connect(game_, &TwoPlayerGame::hintsChanged, this, [this] {
        ui_.MenuHints->setChecked(settings_.UseHints);
        DisplayHints();
    });
    connect(game_, &TwoPlayerGame::settingsChanged, peerSettingsSave_, &SaveThrottle::request);
    connect(game_, &TwoPlayerGame::titleChanged, this, &QWidget::setWindowTitle);
}

void TMainWin::ShowOpponentName(const QString& name, bool renamed) {
    opponentPanel_.ShowName(name);
    if (renamed) {
        (peer_->isPlayer1() ? ui_.Play2ScoreLab : ui_.Play1ScoreLab)->setText(name);
    } else {
        DoStartMessage();
    }
}

void TMainWin::ShowScores() {
    ui_.Play1ScorePan->setText(QString::number(scores_.player1()));
    ui_.Play2ScorePan->setText(QString::number(scores_.player2()));
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
    // A new connection: nothing of an earlier game stays on the board.
    FlashIt(false);
    ShowControls();
    board_.Clear();
    opponentPanel_.Clear();
    for (int i = 0; i < 3; ++i) {
        sounds_.Floop(true);
    }
    SetMainWin();
    LogLine(asPlayer1 ? QStringLiteral(">>Connected with ") + peer_->cliWSocket().GetPeerAddr()
                      : QStringLiteral(">>Connected"));
    EnableDisable();
    CentreWindow();
    if (asPlayer1) {
        LogLine(QStringLiteral(">>Syncing options"));
    }
    ui_.PlayerPanel->setText(players_.takeOwn(settings_.UserName, asPlayer1));
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
    // The router's outside address is the one players on the internet dial: it comes first.
    const PortMapper& router = peer_->portMapper();
    const bool outside = router.isMapped() && !router.externalAddress().isEmpty();
    ctx_.prompts->message(
        this, QStringLiteral("IP Address"),
        ownAddressesText(outside ? router.externalAddress() : QString(),
                         outside ? router.externalPort() : 0, LocalAddresses(),
                         peer_->isListening() ? peer_->srvWSocket().localPort() : ctx_.peerPort));
}

void TMainWin::DoStartMessage() {
    ui_.Play1ScoreLab->setText(players_.player1());
    ui_.Play2ScoreLab->setText(players_.player2());
    // The box runs the event loop, so more messages are handled while it is open. A name that
    // comes in meanwhile updates the labels but opens no second box: a peer that kept sending
    // names would otherwise nest one modal loop in another without end.
    if (!summaryOpen_) {
        summaryOpen_ = true;
        const QPointer<TMainWin> alive(this);
        struct SummaryClosed {
            const QPointer<TMainWin>& window;
            ~SummaryClosed() {
                if (window) {
                    window->summaryOpen_ = false;
                }
            }
        } closed{alive};
        ctx_.prompts->message(
            this, QStringLiteral("Ready To Start"),
            peertext::startSummary(settings_, game_->ownName(), game_->opponentName(),
                                   players_.player1(), players_.player2()));
        if (!alive) {
            return;
        }
    }
    OfferAction(QStringLiteral("Start &Game"));
}
