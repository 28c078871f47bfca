// The peer protocol and peer connections.
#include <QAction>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTcpSocket>
#include <QTimer>
#include <exception>

#include "app/MainWin.h"
#include "core/Scoring.h"
#include "core/Text.h"
#include "net/MessageFraming.h"
#include "net/PeerText.h"
#include "net/TWSocket.h"

namespace {

constexpr int kReadSize = 1024;
// What the opponent's used letters label keeps of a long run of letters.
constexpr int kMaxMissedText = 255;
// A chat line is a name, "> " and at most 1000 typed characters; a longer one is cut.
constexpr int kMaxChatLine = 255 + 2 + 1000;
// Set on the window while its start summary is open (see DoStartMessage).
constexpr char kSummaryOpen[] = "ropewitStartSummaryOpen";

QString orDefault(const QString& name, const char* fallback) {
    return name.isEmpty() ? QString::fromLatin1(fallback) : text::bounded(name);
}

void setPointSize(QLabel* label, int points) {
    QFont f = label->font();
    f.setPixelSize((points * 96 + 36) / 72);
    label->setFont(f);
}

}  // namespace

void TMainWin::SendPeer(int code, const QString& payload) {
    // A closed connection simply takes nothing: sending never ends the program.
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

// --- Receiving ---

void TMainWin::PostReadyToStart(bool player1) {
    (player1 ? Player1Posted : Player2Posted) = true;
    LogLine(QStringLiteral(">>") + (player1 ? Player1Name : Player2Name) +
            QStringLiteral(" Ready To Start"));
}

bool TMainWin::ReceiveInto(TWSocket& socket, MessageBuffer& buffer, const QString& from) {
    char bytes[kReadSize];
    const int n = socket.Receive(bytes, kReadSize);
    if (n <= 0) {
        return false;
    }
    if (!buffer.append(bytes, n)) {
        LogLine(QStringLiteral("NOTICE:> Dropped an overlong message from ") + from);
    }
    return true;
}

void TMainWin::CliWSocketDataAvailable(int) {
    try {
        if (!ReceiveInto(*CliWSocket, PeerReceiveBuffer, QStringLiteral("the opponent"))) {
            return;
        }
        // Each message leaves the buffer before its action runs: an action that opens a box
        // lets this handler run again inside it, and the two runs share the buffer safely.
        while (const auto message = PeerReceiveBuffer.take()) {
            const auto parsed = framing::parse(*message);
            if (!parsed || parsed->code < 1 || parsed->code > 14) {
                continue;
            }
            HandlePeerMessage(parsed->code, text::fromAnsi(parsed->payload));
        }
    } catch (const std::exception& e) {
        LogLine(QStringLiteral("NOTICE:> ") + QString::fromUtf8(e.what()));
    } catch (...) {
        LogLine(QStringLiteral("NOTICE:> Could not handle a message from the opponent"));
    }
}

const QString& TMainWin::TakeOpponentName(const QString& payload) {
    QString& name = IsPlayer1 ? Player2Name : Player1Name;
    name = orDefault(payload, IsPlayer1 ? "Player 2" : "Player 1");
    OppPanel->setText(name);
    return name;
}

void TMainWin::HandlePeerMessage(int code, const QString& payload) {
    switch (code) {
        case 1:  // Chat
            ChatLine(text::bounded(payload, kMaxChatLine));
            if (settings.UseSound) {
                DoWave(settings.ProgramDir + QStringLiteral("/FLOOP.WAV"), false);
            }
            break;
        case 2:  // GuessAttempts
            settings.NumGuesses = QString::number(text::payloadNumber(payload)).left(2);
            LogLine(QStringLiteral(">>Guess Attempts Changed To ") + settings.NumGuesses);
            break;
        case 3: {  // GameOptions
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
        case 4:  // ReadyToStart
            OpponentReady = true;
            if (IAmReady) {
                HideWaitStatus();
                FlashIt(false);
            }
            PostReadyToStart(!IsPlayer1);
            break;
        case 5:  // StatusLine
            LogLine(text::bounded(payload));
            break;
        case 6: {  // YourWord
            LogLine(QStringLiteral(">>Received word"));
            OfferAction(QStringLiteral("Play &Word"));
            OpponentWordReceived = true;
            if (MyWordSent) {
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
            OpponentGuessesLeft = scoring::guessesFromSetting(settings.NumGuesses);
            ShowOpponentGuesses();
            break;
        }
        case 7: {  // LetterGuessed
            if (payload.size() != 1) {
                break;
            }
            const QChar letter = text::asciiUpper(payload.at(0));
            const bool sameWord = OpponentGameType == 2 && OpponentWordType == 2;
            if (sameWord) {
                setPointSize(MissedWebLabel, 8);
                MissedWebLabel->setText(
                    QStringLiteral("You are playing the same word--cannot reveal"));
            } else {
                setPointSize(MissedWebLabel, 9);
                MissedWebLabel->setText(
                    (QString(letter) + QLatin1Char(' ') + MissedWebLabel->text())
                        .left(kMaxMissedText));
            }
            bool found = false;
            const qsizetype n = qMin(OpponentWord.size(), OpponentProgress.size());
            for (qsizetype i = 0; i < n; ++i) {
                if (text::asciiUpper(OpponentWord.at(i)) == letter) {
                    OpponentProgress[i] = sameWord ? QLatin1Char('X') : letter;
                    found = true;
                }
            }
            WebWordlabel->setText(OpponentProgress);
            if (!found) {
                --OpponentGuessesLeft;
            }
            ShowOpponentGuesses();
            break;
        }
        case 8:  // PlayerName
            TakeOpponentName(payload);
            if (!IsPlayer1) {
                SendPeer(8, settings.UserName);
            }
            DoStartMessage();
            break;
        case 9: {  // WordScore
            const long long points = text::payloadNumber(payload);
            PostScore(!IsPlayer1, points);
            OpponentScoreReceived = true;
            if (MyScoreSent) {
                HideWaitStatus();
                FlashIt(false);
            }
            Play1ScorePan->setText(QString::number(Player1Score));
            Play2ScorePan->setText(QString::number(Player2Score));
            LogLine(QStringLiteral(">>Received opponent's score"));
            break;
        }
        case 10:  // SenderWord
            SetOpponentWord(payload);
            break;
        case 11:  // HintMode
            settings.UseHints = payload == QLatin1String("1");
            SaveSettings(settings);
            LogLine(settings.UseHints ? QStringLiteral(">>Hints Turned On")
                                      : QStringLiteral(">>Hints Turned Off"));
            MenuHints->setChecked(settings.UseHints);
            DisplayHints();
            break;
        case 12:  // WordListTitle
            setWindowTitle(QStringLiteral("Ropewit: ") + text::bounded(payload));
            break;
        case 13:  // NameChanged
            (IsPlayer1 ? Play2ScoreLab : Play1ScoreLab)->setText(TakeOpponentName(payload));
            break;
        case 14:  // WordStarted
            OpponentWordType = settings.WordType;
            OpponentGameType = settings.GameType;
            break;
        default:
            break;
    }
}

// --- Connections ---

void TMainWin::StartServer() {
    SrvWSocket->Port = QString::number(ctx.peerPort);
    SrvWSocket->Proto = QStringLiteral("tcp");
    SrvWSocket->Addr = QStringLiteral("0.0.0.0");
    try {
        SrvWSocket->Listen();
        LogLine(QStringLiteral(">>Waiting for a connection"));
    } catch (const ESocketException& e) {
        if (e.message().startsWith(QLatin1String("Error 10048"))) {
            LogLine(QStringLiteral(">>Ropewit already running as server"));
        } else {
            // Any other failure to listen is reported instead of ending the program.
            LogLine(QStringLiteral("NOTICE:> ") + e.message().section(QLatin1Char('\r'), 0, 0));
        }
    }
}

void TMainWin::ConnectToIP() {
    LogLine(QStringLiteral(">>Attempting To Connect"));
    CliWSocket->DnsLookup(PeerAddress);
}

void TMainWin::CliWSocketDnsLookupDone(int error) {
    // A call that ends here never reaches SessionConnected, which would give the player
    // the menu back. A dotted address ends inside ConnectToIP itself, before its caller has
    // taken the menu away, so the menu comes back once the caller is done.
    const auto callOver = [this] {
        QTimer::singleShot(0, this, [this] { MenuPlayer->setEnabled(true); });
    };
    if (error != 0) {
        LogLine(QStringLiteral(">>Server name unknown"));
        callOver();
        return;
    }
    if (SrvWSocket->state() == TWSocket::wsListening &&
        CliWSocket->DnsResult == QLatin1String("127.0.0.1")) {
        LogLine(QStringLiteral(">>You are trying to connect to yourself!"));
        callOver();
        return;
    }
    CliWSocket->Addr = CliWSocket->DnsResult;
    CliWSocket->Port = QString::number(ctx.peerPort);
    CliWSocket->Proto = QStringLiteral("tcp");
    CliWSocket->Connect();
}

void TMainWin::BeginPeerSession() {
    // Bytes left over from an earlier connection (a busy reply) are not messages.
    PeerReceiveBuffer.clear();
    if (settings.UseSound) {
        for (int i = 0; i < 3; ++i) {
            DoWave(settings.ProgramDir + QStringLiteral("/FLOOP.WAV"), true);
        }
    }
    SetMainWin();
}

void TMainWin::CliWSocketSessionConnected(int error) {
    if (error == wsa::kConnectionRefused) {
        LogLine(QStringLiteral(">>Selected opponent is not waiting to play."));
    } else if (error != 0) {
        LogLine(QStringLiteral(">>Can't connect, error #") +
                QString::number(static_cast<quint16>(error)));
    } else {
        BeginPeerSession();
        LogLine(QStringLiteral(">>Connected"));
        Connected = true;
        EnableDisable();
        CentreWindow();
        IsPlayer1 = false;
        Player2Name = orDefault(settings.UserName, "Player 2");
        PlayerPanel->setText(Player2Name);
        if (LoggedOnServer) {
            UnLog();
        }
    }
    MenuPlayer->setEnabled(true);
}

void TMainWin::SrvWSocketSessionAvailable(int) {
    if (CliWSocket->state() == TWSocket::wsConnected) {
        std::unique_ptr<QTcpSocket> caller = SrvWSocket->Accept();
        if (!caller) {
            return;
        }
        TmpWSocket->Dup(std::move(caller));
        LogLine(QStringLiteral("NOTICE:> ") + TmpWSocket->GetPeerAddr() +
                QStringLiteral(" is trying to call you"));
        TmpWSocket->SendStr(QByteArrayLiteral("I am already playing! Try later...\r\n"));
        TmpWSocket->Close();
        return;
    }
    if (LoggedOnServer) {
        UnLog();
    }
    std::unique_ptr<QTcpSocket> caller = SrvWSocket->Accept();
    if (!caller) {
        return;
    }
    // Taking the caller abandons a call of our own still under way, whose answer then never
    // comes to give the player the menu back.
    CliWSocket->Dup(std::move(caller));
    MenuPlayer->setEnabled(true);
    BeginPeerSession();
    LogLine(QStringLiteral(">>Connected with ") + CliWSocket->GetPeerAddr());
    Connected = true;
    IsPlayer1 = true;
    EnableDisable();
    CentreWindow();
    LogLine(QStringLiteral(">>Syncing options"));
    SendPeer(5, QStringLiteral(">>Syncing Options"));
    SendPeer(2, peertext::guessAttemptsPayload(settings.NumGuesses));
    SendPeer(3, peertext::gameOptionsPayload(peertext::optionsOf(settings)));
    Player1Name = orDefault(settings.UserName, "Player 1");
    PlayerPanel->setText(Player1Name);
    SendPeer(8, Player1Name);
    SendPeer(11, settings.UseHints ? QStringLiteral("1") : QStringLiteral("0"));
}

void TMainWin::CliWSocketSessionClosed(int) {
    LogLine(QStringLiteral(">>Disconnected"));
    Connected = false;
    Player1Posted = false;
    Player2Posted = false;
    EnableDisable();
    CentreWindow();
    GameInterrupted();
    // The close this side asked for has now been reported.
    LeavingPeer = false;
}

void TMainWin::DisplayyourIPAddress1Click() {
    const QStringList addresses = LocalAddresses();
    QString list;
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        if (i > 0) {
            list += QStringLiteral(" and");
        }
        list += QLatin1Char(' ') + addresses.at(i);
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
