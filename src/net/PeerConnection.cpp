#include "net/PeerConnection.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QTcpSocket>

#include "core/Text.h"
#include "game/Scoring.h"
#include "net/MessageGate.h"
#include "net/OwnAddresses.h"
#include "net/PeerAddress.h"
#include "net/PeerText.h"
#include "net/PortMapper.h"
#include "net/TWSocket.h"
#include "settings/OptionBounds.h"
#include "settings/Settings.h"

namespace {

// What the opponent's used letters keep of a long run of letters.
constexpr int kMaxMissedText = 255;

// What the player can do about a call that found nobody: the number alone says nothing.
QString callAdvice(int error, quint16 port) {
    if (error == wsa::kConnectionRefused) {
        return QStringLiteral(
                   ">>Nobody answers at that address on port %1. The other player must be "
                   "waiting for a call (or registered on the server) on that port.")
            .arg(port);
    }
    return QStringLiteral(
               ">>No answer from that address on port %1. The other player must be waiting for "
               "a call, and their router may not forward port %1 to their computer: they can "
               "turn on Options, Open Port On Router, or forward the port by hand.")
        .arg(port);
}

}  // namespace

PeerConnection::PeerConnection(const Settings& settings, MessageGate& gate, QObject* parent)
    : QObject(parent),
      settings_(settings),
      gate_(gate),
      cli_(new TWSocket(this)),
      srv_(new TWSocket(this)),
      tmp_(new TWSocket(this)),
      mapper_(new PortMapper(this)),
      channel_(
          std::make_unique<MessageChannel>(*cli_, QStringLiteral("the opponent"),
                                           [this](const QString& line) { Q_EMIT logLine(line); })) {
    // Every event passes the gate, so none is handled while a waited-for sound plays.
    auto gated = [this](void (PeerConnection::*handler)(int)) {
        return [this, handler](int error) {
            gate_.run([this, handler, error] { (this->*handler)(error); });
        };
    };
    connect(cli_, &TWSocket::DnsLookupDone, this, gated(&PeerConnection::onDnsLookupDone));
    connect(cli_, &TWSocket::SessionConnected, this, gated(&PeerConnection::onSessionConnected));
    connect(cli_, &TWSocket::SessionClosed, this, gated(&PeerConnection::onSessionClosed));
    connect(srv_, &TWSocket::SessionAvailable, this, gated(&PeerConnection::onSessionAvailable));
    connect(mapper_, &PortMapper::report, this,
            [this](const QString& line) { Q_EMIT logLine(QStringLiteral(">>") + line); });
    connect(cli_, &TWSocket::BacklogDropped, this, [this](qint64 bytes) {
        if (cli_->state() == TWSocket::wsConnected) {
            Q_EMIT logLine(QStringLiteral("NOTICE:> The opponent sends far more than any game "
                                          "does (%1 bytes waiting); what it sends is dropped "
                                          "unread until it leaves")
                               .arg(bytes));
            return;
        }
        Q_EMIT logLine(QStringLiteral("NOTICE:> The opponent left %1 unread bytes behind, more "
                                      "than any game sends; they were dropped")
                           .arg(bytes));
    });
    connect(cli_, &TWSocket::DataAvailable, this, [this](int error) {
        if (!gate_.held()) {
            onDataAvailable(error);
            return;
        }
        // Held back: by the time it runs, more may have come than one read takes.
        gate_.run([this] {
            channel_->receiveAll([this](int code, const QByteArray& p) { handle(code, p); });
        });
    });
}

PeerConnection::~PeerConnection() = default;

// --- Listening and calling ---

void PeerConnection::StartServer() {
    srv_->Port = QString::number(port_);
    srv_->Proto = QStringLiteral("tcp");
    // Callers come over IPv4 and IPv6 alike, on the same port.
    srv_->Addr = TWSocket::kAnyDualStack;
    try {
        srv_->Listen();
        Q_EMIT logLine(QStringLiteral(">>Waiting for a connection"));
        const quint16 listeningPort = srv_->localPort();
        if (mapper_->config().mode != PortMapper::Mode::Off) {
            mapper_->start(listeningPort);
        } else if (!adviceGiven_) {
            const QString advice = PortMapper::offAdvice(adviceAddress_, listeningPort);
            if (!advice.isEmpty()) {
                adviceGiven_ = true;
                Q_EMIT logLine(QStringLiteral(">>") + advice);
            }
        }
    } catch (const ESocketException& e) {
        if (e.message().startsWith(QLatin1String("Error 10048"))) {
            Q_EMIT logLine(QStringLiteral(">>Ropewit already running as server"));
        } else {
            // Any other failure to listen is reported instead of ending the program.
            Q_EMIT logLine(QStringLiteral("NOTICE:> ") +
                           e.message().section(QLatin1Char('\r'), 0, 0));
        }
    }
}

void PeerConnection::stopListening() {
    srv_->Close();
    mapper_->stop();
    listening_ = false;
}

bool PeerConnection::isListening() const {
    return srv_->state() == TWSocket::wsListening;
}

quint16 PeerConnection::listeningPort(quint16 otherwise) const {
    return isListening() ? srv_->localPort() : otherwise;
}

QString PeerConnection::ownAddressesText(const QStringList& localAddresses,
                                         quint16 otherwise) const {
    // The router's outside address is the one players on the internet dial: it comes first.
    const bool outside = mapper_->isMapped() && !mapper_->externalAddress().isEmpty();
    return ::ownAddressesText(outside ? mapper_->externalAddress() : QString(),
                              outside ? mapper_->externalPort() : 0, localAddresses,
                              listeningPort(otherwise));
}

void PeerConnection::setPeerAddress(const QString& address) {
    peerAddress_ = text::bounded(address);
}

void PeerConnection::ConnectToIP(int maxBytes) {
    const peeraddress::Parsed parsed = peeraddress::parse(peerAddress_, port_, maxBytes);
    if (!parsed.target) {
        Q_EMIT logLine(
            QStringLiteral(">>Can't call \"%1\": %2")
                .arg(text::bounded(peerAddress_).left(peeraddress::kMaxBytes), parsed.error));
        Q_EMIT callFailed();
        return;
    }
    callPort_ = parsed.target->port;
    Q_EMIT logLine(QStringLiteral(">>Attempting To Connect"));
    cli_->DnsLookup(parsed.target->host);
}

bool PeerConnection::callingMyself(const QString& address) const {
    // Another copy on this machine listens on another port: calling it is no self-call.
    if (!isListening() || callPort_ != port_) {
        return false;
    }
    if (address == QLatin1String("127.0.0.1")) {
        return true;
    }
    const QHostAddress target(address);
    if (target.protocol() != QAbstractSocket::IPv6Protocol) {
        return false;
    }
    if (target.isLoopback()) {
        return true;
    }
    const QList<QHostAddress> own = QNetworkInterface::allAddresses();
    for (const QHostAddress& a : own) {
        if (a.protocol() == QAbstractSocket::IPv6Protocol && a.isEqual(target)) {
            return true;
        }
    }
    return false;
}

void PeerConnection::leave() {
    if (cli_->state() == TWSocket::wsConnected) {
        leaving_ = true;
        cli_->Close();
    }
}

void PeerConnection::onDnsLookupDone(int error) {
    if (error != 0) {
        Q_EMIT logLine(QStringLiteral(">>Server name unknown"));
        Q_EMIT callFailed();
        return;
    }
    if (callingMyself(cli_->DnsResult)) {
        Q_EMIT logLine(QStringLiteral(">>You are trying to connect to yourself!"));
        Q_EMIT callFailed();
        return;
    }
    cli_->Addr = cli_->DnsResult;
    cli_->Port = QString::number(callPort_);
    cli_->Proto = QStringLiteral("tcp");
    cli_->Connect();
}

void PeerConnection::onSessionConnected(int error) {
    // Whatever the opponent sends first waits until the call has been dealt with in full.
    MessageGate::Hold hold(gate_);
    if (error == wsa::kConnectionRefused) {
        Q_EMIT logLine(QStringLiteral(">>Selected opponent is not waiting to play."));
        Q_EMIT logLine(callAdvice(error, callPort_));
    } else if (error != 0) {
        Q_EMIT logLine(QStringLiteral(">>Can't connect, error #") +
                       QString::number(static_cast<quint16>(error)));
        Q_EMIT logLine(callAdvice(error, callPort_));
    } else {
        beginSession(false);
    }
    Q_EMIT callEnded();
}

void PeerConnection::onSessionAvailable(int) {
    if (cli_->state() == TWSocket::wsConnected) {
        std::unique_ptr<QTcpSocket> caller = srv_->Accept();
        if (!caller) {
            return;
        }
        tmp_->Dup(std::move(caller));
        Q_EMIT logLine(QStringLiteral("NOTICE:> ") + tmp_->GetPeerAddr() +
                       QStringLiteral(" is trying to call you"));
        tmp_->SendStr(QByteArrayLiteral("I am already playing! Try later...\r\n"));
        tmp_->Close();
        return;
    }
    std::unique_ptr<QTcpSocket> caller = srv_->Accept();
    if (!caller) {
        return;
    }
    cli_->Dup(std::move(caller));
    beginSession(true);
}

void PeerConnection::beginSession(bool asPlayer1) {
    // Nothing of an earlier connection carries over: not its unfinished bytes (a busy
    // reply), not where its game stood.
    channel_->clear();
    phase_ = Phase::Opening;
    isPlayer1_ = asPlayer1;
    leaving_ = false;
    started_ = false;
    wordFinished_ = false;
    ready_.clear();
    posted_.clear();
    word_.clear();
    score_.clear();
    offer_ = Offer::None;
    offerEnabled_ = false;
    waiting_.clear();
    opponent_ = OpponentView{};
    // What arrives while the window greets the opponent (the connect sounds wait for their
    // end) is handled afterwards, with this side knowing who it is.
    MessageGate::Hold hold(gate_);
    Q_EMIT sessionBegun(asPlayer1);
    if (asPlayer1 && phase_ == Phase::Opening) {
        sendOpening();
    }
}

void PeerConnection::sendOpening() {
    send(PeerMessage::StatusLine, QStringLiteral(">>Syncing Options"));
    send(PeerMessage::GuessAttempts, peertext::guessAttemptsPayload(settings_.NumGuesses));
    send(PeerMessage::GameOptions, peertext::gameOptionsPayload(peertext::optionsOf(settings_)));
    send(PeerMessage::PlayerName, peertext::playerName(settings_.UserName, true));
    send(PeerMessage::HintMode, settings_.UseHints ? QStringLiteral("1") : QStringLiteral("0"));
}

bool PeerConnection::gameInProgress() const {
    return phase_ != Phase::NotConnected && phase_ != Phase::Opening;
}

void PeerConnection::onSessionClosed(int) {
    const bool lost = gameInProgress() && !leaving_;
    phase_ = Phase::NotConnected;
    posted_.clear();
    Q_EMIT sessionEnded(lost);
    // The close this side asked for has now been reported.
    leaving_ = false;
}

// --- Receiving ---

void PeerConnection::onDataAvailable(int) {
    channel_->receive([this](int code, const QByteArray& payload) { handle(code, payload); });
}

void PeerConnection::handle(int code, const QByteArray& bytes) {
    const auto message = peerMessageOf(code);
    if (!message) {
        return;
    }
    QString payload = text::fromAnsi(bytes);
    if (!holdToLocalBounds(*message, payload)) {
        return;
    }
    switch (*message) {
        case PeerMessage::ReadyToStart:
            ready_.theirs = true;
            posted_.theirs = true;
            if (ready_.mine) {
                waiting_.clear();
            }
            break;
        case PeerMessage::YourWord:
            setOffer(Offer::PlayWord);
            word_.theirs = true;
            if (word_.mine) {
                waiting_.clear();
            }
            opponent_.guessesLeft = scoring::guessesFromSetting(settings_.NumGuesses);
            break;
        case PeerMessage::LetterGuessed:
            opponentGuessed(payload);
            break;
        case PeerMessage::PlayerName:
            if (!isPlayer1_) {
                send(PeerMessage::PlayerName, settings_.UserName);
            }
            if (phase_ == Phase::Opening) {
                phase_ = Phase::ReadyToStart;
            }
            break;
        case PeerMessage::WordScore:
            posted_.theirs = true;
            score_.theirs = true;
            if (score_.mine) {
                waiting_.clear();
            }
            break;
        case PeerMessage::SenderWord:
            setOpponentWord(payload);
            break;
        case PeerMessage::WordStarted:
            opponent_.wordType = settings_.WordType;
            opponent_.gameType = settings_.GameType;
            break;
        default:
            break;
    }
    Q_EMIT received(*message, payload);
}

bool PeerConnection::holdToLocalBounds(PeerMessage message, QString& payload) {
    if (message == PeerMessage::GuessAttempts) {
        const long long sent = text::payloadNumber(payload);
        const int held = optionbounds::guessAttempts(sent);
        if (held != sent) {
            Q_EMIT logLine(QStringLiteral("NOTICE:> The opponent's guess attempts of %1 were "
                                          "taken as %2: they must be from %3 to %4")
                               .arg(sent)
                               .arg(held)
                               .arg(optionbounds::kMinGuessAttempts)
                               .arg(optionbounds::kMaxGuessAttempts));
            payload = peertext::guessAttemptsPayload(QString::number(held));
        }
    } else if (message == PeerMessage::GameOptions) {
        peertext::GameOptions options = peertext::parseGameOptions(payload);
        const int held = optionbounds::winScore(options.winScore);
        if (held != options.winScore) {
            Q_EMIT logLine(QStringLiteral("NOTICE:> The opponent's winning score of %1 was "
                                          "taken as %2: it must be from %3 to %4")
                               .arg(options.winScore)
                               .arg(held)
                               .arg(optionbounds::kMinWinScore)
                               .arg(optionbounds::kMaxWinScore));
            options.winScore = held;
            payload = peertext::gameOptionsPayload(options);
        }
    }
    return true;
}

void PeerConnection::opponentGuessed(const QString& payload) {
    if (payload.size() != 1) {
        return;
    }
    const QChar letter = text::asciiUpper(payload.at(0));
    const bool same = opponent_.sameWord();
    if (!same) {
        opponent_.missed =
            (QString(letter) + QLatin1Char(' ') + opponent_.missed).left(kMaxMissedText);
    }
    bool found = false;
    const qsizetype n = qMin(opponent_.word.size(), opponent_.progress.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (text::asciiUpper(opponent_.word.at(i)) == letter) {
            opponent_.progress[i] = same ? QLatin1Char('X') : letter;
            found = true;
        }
    }
    if (!found) {
        --opponent_.guessesLeft;
    }
}

void PeerConnection::setOpponentWord(const QString& word) {
    opponent_.word = text::bounded(word);
    opponent_.missed.clear();
    opponent_.progress = QString(opponent_.word.size(), QLatin1Char('_'));
    opponent_.guessesLeft = scoring::guessesFromSetting(settings_.NumGuesses);
}

// --- State ---

bool PeerConnection::playerPosted(bool player1) const {
    return player1 == isPlayer1_ ? posted_.mine : posted_.theirs;
}

void PeerConnection::setPlayerPosted(bool player1, bool posted) {
    (player1 == isPlayer1_ ? posted_.mine : posted_.theirs) = posted;
}

void PeerConnection::setWordFinished(bool finished) {
    wordFinished_ = finished;
    if (finished && phase_ == Phase::Playing) {
        phase_ = Phase::Scores;
    }
}

void PeerConnection::setOffer(Offer offer, bool enabled) {
    offer_ = offer;
    offerEnabled_ = offer != Offer::None && enabled;
}

// --- Steps ---

void PeerConnection::send(PeerMessage message, const QString& payload) {
    channel_->send(codeOf(message), text::toAnsi(payload));
}

void PeerConnection::pressStart() {
    ready_.mine = true;
    if (!ready_.theirs) {
        waiting_ = QStringLiteral("Waiting for opponent to start");
    }
    offerEnabled_ = false;
    send(PeerMessage::ReadyToStart);
    posted_.mine = true;
}

void PeerConnection::beginStep() {
    waiting_.clear();
    // The offer stays when it is this step's word already: the opponent's word may have
    // come before this tick, and withdrawing it would leave no way on.
    if (!wordFinished_ && !word_.theirs) {
        setOffer(Offer::None);
    }
    posted_.clear();
    phase_ = Phase::WordExchange;
}

void PeerConnection::newGame() {
    ready_.clear();
    word_.clear();
    score_.clear();
}

void PeerConnection::gameOver() {
    phase_ = Phase::GameOver;
    waiting_.clear();
    setOffer(Offer::StartGame);
}

void PeerConnection::playWord(int guessesAllowed) {
    started_ = true;
    phase_ = Phase::Playing;
    setOffer(Offer::None);
    word_.clear();
    score_.clear();
    wordFinished_ = false;
    opponent_.guessesLeft = guessesAllowed;
    send(PeerMessage::WordStarted);
}

void PeerConnection::finishWord(long long points) {
    posted_.mine = true;
    send(PeerMessage::WordScore, scoring::scorePayload(points));
    score_.mine = true;
    if (!score_.theirs) {
        waiting_ = QStringLiteral("Waiting for opponent's score.");
    }
    setWordFinished(true);
}
