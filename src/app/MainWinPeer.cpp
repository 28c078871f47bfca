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
// Set on the window while its start summary is open (see DoStartMessage).
constexpr char kSummaryOpen[] = "ropewitStartSummaryOpen";

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
    return peer_->isPlayer1() ? Player1Name : Player2Name;
}

QString TMainWin::OpponentName() const {
    return peer_->isPlayer1() ? Player2Name : Player1Name;
}

// --- Receiving ---

void TMainWin::PostReadyToStart(bool player1) {
    LogLine(QStringLiteral(">>") + (player1 ? Player1Name : Player2Name) +
            QStringLiteral(" Ready To Start"));
}

const QString& TMainWin::TakeOpponentName(const QString& payload) {
    const bool player1 = peer_->isPlayer1();
    QString& name = player1 ? Player2Name : Player1Name;
    name = peertext::playerName(payload, !player1);
    OppPanel->setText(name);
    return name;
}

void TMainWin::ShowOpponentProgress() {
    const OpponentView& opponent = peer_->opponent();
    WebWordlabel->setText(opponent.progress);
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
            const qsizetype colon = payload.indexOf(QLatin1Char(':'));
            // The tiles hold 15 letters: a longer word from the peer is cut to fit.
            CurrentWord = (colon < 0 ? payload : payload.left(colon)).left(kMaxWord);
            CurrentHint = colon < 0 ? QString() : text::bounded(payload.mid(colon + 1));
            if (CurrentHint.isEmpty()) {
                CurrentHint = QStringLiteral("No hint given");
            }
            HintLabel->setText(CurrentHint);
            ShowOpponentGuesses();
            break;
        }
        case PeerMessage::LetterGuessed:
            if (payload.size() != 1) {
                break;
            }
            if (peer_->opponent().sameWord()) {
                setPointSize(MissedWebLabel, 8);
                MissedWebLabel->setText(
                    QStringLiteral("You are playing the same word--cannot reveal"));
            } else {
                setPointSize(MissedWebLabel, 9);
                MissedWebLabel->setText(peer_->opponent().missed);
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
            MissedWebLabel->clear();
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
            if (settings.UseSound) {
                DoWave(settings.ProgramDir + QStringLiteral("/FLOOP.WAV"), false);
            }
            break;
        case PeerMessage::GuessAttempts:
            settings.NumGuesses = QString::number(text::payloadNumber(payload)).left(2);
            LogLine(QStringLiteral(">>Guess Attempts Changed To ") + settings.NumGuesses);
            break;
        case PeerMessage::GameOptions: {
            const int oldWinScore = settings.WinScore;
            const peertext::GameOptions options = peertext::parseGameOptions(payload);
            peertext::applyOptions(options, settings);
            const QString description = peertext::optionsDescription(
                options, Player1Name, Player2Name, settings.WinScore != oldWinScore);
            SetWordListMenuItem();
            LogLine(QStringLiteral(">>Game Type Changed: ") + description);
            SaveSettings(settings);
            break;
        }
        case PeerMessage::StatusLine:
            LogLine(text::bounded(payload));
            break;
        case PeerMessage::HintMode:
            settings.UseHints = payload == QLatin1String("1");
            SaveSettings(settings);
            LogLine(settings.UseHints ? QStringLiteral(">>Hints Turned On")
                                      : QStringLiteral(">>Hints Turned Off"));
            MenuHints->setChecked(settings.UseHints);
            DisplayHints();
            break;
        case PeerMessage::WordListTitle:
            setWindowTitle(QStringLiteral("Ropewit: ") + text::bounded(payload));
            break;
        case PeerMessage::NameChanged:
            (player1 ? Play2ScoreLab : Play1ScoreLab)->setText(TakeOpponentName(payload));
            break;
        default:
            break;
    }
}

// --- Connections ---

void TMainWin::StartServer() {
    peer_->setPort(ctx.peerPort);
    // The address a registration named, else the one a caller on the network would dial.
    peer_->setOwnAddressForAdvice(match_->ownAddress().isEmpty() ? LocalAddresses().value(0)
                                                                 : match_->ownAddress());
    peer_->StartServer();
}

void TMainWin::ConnectToIP() {
    peer_->setPort(ctx.peerPort);
    peer_->ConnectToIP();
}

void TMainWin::ClearTwoPlayerBoard() {
    FlashIt(false);
    ShowControls();
    NoHangPicture = EmptyGallows;
    ShowPicture();
    for (int p = 1; p <= kMaxWord; ++p) {
        WordTiles[p]->setEnabled(false);
        WordTiles[p]->hide();
    }
    HintLabel->clear();
    UsedLettersLabel->clear();
    Guesses->clear();
    WebWordlabel->setText(QStringLiteral("_______________"));
    MissedWebLabel->clear();
    WebGuesses->clear();
}

void TMainWin::CliWSocketSessionConnected(bool asPlayer1) {
    if (asPlayer1) {
        if (match().loggedOn()) {
            UnLog();
        }
        // Taking the caller abandons a call of our own still under way, whose answer then
        // never comes to give the player the menu back.
        MenuPlayer->setEnabled(true);
    }
    ClearTwoPlayerBoard();
    if (settings.UseSound) {
        for (int i = 0; i < 3; ++i) {
            DoWave(settings.ProgramDir + QStringLiteral("/FLOOP.WAV"), true);
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
        Player1Name = peertext::playerName(settings.UserName, true);
        PlayerPanel->setText(Player1Name);
        return;
    }
    Player2Name = peertext::playerName(settings.UserName, false);
    PlayerPanel->setText(Player2Name);
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
    quint16 ownPort = peer_->isListening() ? peer_->srvWSocket().localPort() : ctx.peerPort;
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
    ctx.prompts->message(this, QStringLiteral("IP Address"), prefix + list);
}

void TMainWin::DoStartMessage() {
    Play1ScoreLab->setText(Player1Name);
    Play2ScoreLab->setText(Player2Name);
    // The box runs the event loop, so more messages are handled while it is open. A name that
    // comes in meanwhile updates the labels but opens no second box: a peer that kept sending
    // names would otherwise nest one modal loop in another without end.
    if (!property(kSummaryOpen).toBool()) {
        setProperty(kSummaryOpen, true);
        const QPointer<TMainWin> alive(this);
        struct SummaryClosed {
            const QPointer<TMainWin>& window;
            ~SummaryClosed() {
                if (window) {
                    window->setProperty(kSummaryOpen, false);
                }
            }
        } closed{alive};
        ctx.prompts->message(
            this, QStringLiteral("Ready To Start"),
            peertext::startSummary(settings, OwnName(), OpponentName(), Player1Name, Player2Name));
        if (!alive) {
            return;
        }
    }
    OfferAction(QStringLiteral("Start &Game"));
}
