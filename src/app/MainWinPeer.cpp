// The window's side of the peer connection: what the opponent's messages and the
// connection's events show.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "app/ClickLabel.h"
#include "app/MainWin.h"
#include "core/Text.h"
#include "matchmaking/MatchClient.h"
#include "net/PeerAddress.h"
#include "net/PeerText.h"
#include "net/PortMapper.h"
#include "net/TWSocket.h"

namespace {

// A chat line is a name, "> " and at most 1000 typed characters; a longer one is cut.
constexpr int kMaxChatLine = 255 + 2 + 1000;

void setPointSize(QLabel* label, int points) {
    QFont f = label->font();
    f.setPixelSize((points * 96 + 36) / 72);
    label->setFont(f);
}

}  // namespace

void TMainWin::SendPeer(int code, const QString& payload) {
    if (const auto message = peerMessageOf(code)) {
        peer_->send(*message, payload);
    }
}

QString TMainWin::OwnName() const {
    return peer_->isPlayer1() ? player1Name_ : player2Name_;
}

QString TMainWin::OpponentName() const {
    return peer_->isPlayer1() ? player2Name_ : player1Name_;
}

// --- Receiving ---

void TMainWin::PostReadyToStart(bool player1) {
    LogLine(QStringLiteral(">>") + (player1 ? player1Name_ : player2Name_) +
            QStringLiteral(" Ready To Start"));
}

const QString& TMainWin::TakeOpponentName(const QString& payload) {
    const bool player1 = peer_->isPlayer1();
    QString& name = player1 ? player2Name_ : player1Name_;
    name = peertext::playerName(payload, !player1);
    ui_.OppPanel->setText(name);
    return name;
}

void TMainWin::ShowOpponentProgress() {
    const OpponentView& opponent = peer_->opponent();
    ui_.WebWordlabel->setText(opponent.progress);
    ShowOpponentGuesses();
}

void TMainWin::HandlePeerMessage(PeerMessage message, const QString& payload) {
    switch (message) {
        case PeerMessage::ReadyToStart:
        case PeerMessage::YourWord:
        case PeerMessage::LetterGuessed:
        case PeerMessage::PlayerName:
        case PeerMessage::WordScore:
        case PeerMessage::SenderWord:
        case PeerMessage::WordStarted:
            ShowStepMessage(message, payload);
            break;
        default:
            TakeOptionsMessage(message, payload);
            break;
    }
}

void TMainWin::ShowStepMessage(PeerMessage message, const QString& payload) {
    const bool player1 = peer_->isPlayer1();
    switch (message) {
        case PeerMessage::ReadyToStart:
            if (peer_->ready().mine) {
                HideWaitStatus();
                FlashIt(false);
            }
            PostReadyToStart(!player1);
            break;
        case PeerMessage::YourWord: {
            LogLine(QStringLiteral(">>Received word"));
            OfferAction(QStringLiteral("Play &Word"));
            if (peer_->word().mine) {
                HideWaitStatus();
            }
            dealt_ = WordSource::fromOpponent(payload);
            ui_.HintLabel->setText(dealt_.clue);
            ShowOpponentGuesses();
            break;
        }
        case PeerMessage::LetterGuessed:
            if (payload.size() != 1) {
                break;
            }
            if (peer_->opponent().sameWord()) {
                setPointSize(ui_.MissedWebLabel, 8);
                ui_.MissedWebLabel->setText(
                    QStringLiteral("You are playing the same word--cannot reveal"));
            } else {
                setPointSize(ui_.MissedWebLabel, 9);
                ui_.MissedWebLabel->setText(peer_->opponent().missed);
            }
            ShowOpponentProgress();
            break;
        case PeerMessage::PlayerName:
            TakeOpponentName(payload);
            DoStartMessage();
            break;
        case PeerMessage::WordScore:
            scores_.add(!player1, text::payloadNumber(payload));
            if (peer_->score().mine) {
                HideWaitStatus();
                FlashIt(false);
            }
            ShowScores();
            LogLine(QStringLiteral(">>Received opponent's score"));
            break;
        case PeerMessage::SenderWord:
            ui_.MissedWebLabel->clear();
            ShowOpponentProgress();
            break;
        case PeerMessage::WordStarted:
            break;
        default:
            break;
    }
}

void TMainWin::TakeOptionsMessage(PeerMessage message, const QString& payload) {
    const bool player1 = peer_->isPlayer1();
    switch (message) {
        case PeerMessage::Chat:
            ChatLine(text::bounded(payload, kMaxChatLine));
            if (settings_.UseSound) {
                DoWave(settings_.ProgramDir + QStringLiteral("/FLOOP.WAV"), false);
            }
            break;
        case PeerMessage::GuessAttempts:
            settings_.NumGuesses = QString::number(text::payloadNumber(payload)).left(2);
            LogLine(QStringLiteral(">>Guess Attempts Changed To ") + settings_.NumGuesses);
            break;
        case PeerMessage::GameOptions: {
            const int oldWinScore = settings_.WinScore;
            const peertext::GameOptions options = peertext::parseGameOptions(payload);
            peertext::applyOptions(options, settings_);
            const QString description = peertext::optionsDescription(
                options, player1Name_, player2Name_, settings_.WinScore != oldWinScore);
            SetWordListMenuItem();
            LogLine(QStringLiteral(">>Game Type Changed: ") + description);
            peerSettingsSave_->request();
            break;
        }
        case PeerMessage::StatusLine:
            LogLine(text::bounded(payload));
            break;
        case PeerMessage::HintMode:
            settings_.UseHints = payload == QLatin1String("1");
            peerSettingsSave_->request();
            LogLine(settings_.UseHints ? QStringLiteral(">>Hints Turned On")
                                       : QStringLiteral(">>Hints Turned Off"));
            ui_.MenuHints->setChecked(settings_.UseHints);
            DisplayHints();
            break;
        case PeerMessage::WordListTitle:
            setWindowTitle(QStringLiteral("Ropewit: ") + text::bounded(payload));
            break;
        case PeerMessage::NameChanged:
            (player1 ? ui_.Play2ScoreLab : ui_.Play1ScoreLab)->setText(TakeOpponentName(payload));
            break;
        default:
            break;
    }
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

void TMainWin::ClearTwoPlayerBoard() {
    FlashIt(false);
    ShowControls();
    pictures_.NoHangPicture = pictures_.EmptyGallows;
    ShowPicture();
    for (int p = 1; p <= wordlist::kMaxWord; ++p) {
        ui_.WordTiles[p]->setEnabled(false);
        ui_.WordTiles[p]->hide();
    }
    ui_.HintLabel->clear();
    ui_.UsedLettersLabel->clear();
    ui_.Guesses->clear();
    ui_.WebWordlabel->setText(QStringLiteral("_______________"));
    ui_.MissedWebLabel->clear();
    ui_.WebGuesses->clear();
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
    ClearTwoPlayerBoard();
    if (settings_.UseSound) {
        for (int i = 0; i < 3; ++i) {
            DoWave(settings_.ProgramDir + QStringLiteral("/FLOOP.WAV"), true);
        }
    }
    SetMainWin();
    if (asPlayer1) {
        LogLine(QStringLiteral(">>Connected with ") + peer_->cliWSocket().GetPeerAddr());
    } else {
        LogLine(QStringLiteral(">>Connected"));
    }
    EnableDisable();
    CentreWindow();
    if (asPlayer1) {
        LogLine(QStringLiteral(">>Syncing options"));
        player1Name_ = peertext::playerName(settings_.UserName, true);
        ui_.PlayerPanel->setText(player1Name_);
        return;
    }
    player2Name_ = peertext::playerName(settings_.UserName, false);
    ui_.PlayerPanel->setText(player2Name_);
    if (match().loggedOn()) {
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
    // Port 0 (the system chooses) is known only once listening; unknown, none is shown.
    quint16 ownPort = peer_->isListening() ? peer_->srvWSocket().localPort() : ctx_.peerPort;
    if (ownPort == 0) {
        ownPort = peeraddress::kDefaultPort;
    }
    QStringList addresses;
    // The router's outside address is the one players on the internet dial: it comes first.
    const PortMapper& router = peer_->portMapper();
    if (router.isMapped() && !router.externalAddress().isEmpty()) {
        addresses << router.externalAddress();
    }
    addresses << LocalAddresses();
    QString list;
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        if (i > 0) {
            list += QStringLiteral(" and");
        }
        // Callers must dial the port too when it is not the usual one.
        const quint16 port = i == 0 && router.isMapped() && !router.externalAddress().isEmpty()
                                 ? router.externalPort()
                                 : ownPort;
        list += QLatin1Char(' ') + peeraddress::display(addresses.at(i), port);
    }
    list = text::bounded(list);
    const QString prefix = addresses.size() >= 2 ? QStringLiteral("Your IP Addresses are")
                                                 : QStringLiteral("Your IP Addresses is");
    ctx_.prompts->message(this, QStringLiteral("IP Address"), prefix + list);
}

void TMainWin::DoStartMessage() {
    ui_.Play1ScoreLab->setText(player1Name_);
    ui_.Play2ScoreLab->setText(player2Name_);
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
        ctx_.prompts->message(this, QStringLiteral("Ready To Start"),
                              peertext::startSummary(settings_, OwnName(), OpponentName(),
                                                     player1Name_, player2Name_));
        if (!alive) {
            return;
        }
    }
    OfferAction(QStringLiteral("Start &Game"));
}
