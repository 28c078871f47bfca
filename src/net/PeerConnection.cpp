#include "net/PeerConnection.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>

#include "core/Text.h"
#include "net/MessageGate.h"
#include "net/OwnAddresses.h"
#include "net/PeerAddress.h"
#include "net/PortMapper.h"
#include "net/TWSocket.h"

namespace {

// What the player can do about a call that found nobody: the number alone says nothing.
QString callAdvice(int error, quint16 port) {
    if (error == wsa::kConnectionRefused) {
        return QStringLiteral(">>") +
               QCoreApplication::translate(
                   "PeerConnection",
                   "Nobody answers at that address on port %1. The other player must be "
                   "waiting for a call (or registered on the server) on that port.")
                   .arg(port);
    }
    return QStringLiteral(">>") +
           QCoreApplication::translate(
               "PeerConnection",
               "No answer from that address on port %1. The other player must be waiting for "
               "a call, and their router may not forward port %1 to their computer: they can "
               "turn on Options, Open Port On Router, or forward the port by hand.")
               .arg(port);
}

// A listed player is waiting for certain: a call that fails is kept out by her router or
// firewall, and only she can open the way.
QString listedCallAdvice(quint16 port) {
    return QStringLiteral(">>") +
           QCoreApplication::translate(
               "PeerConnection",
               "The chosen player is waiting to play but cannot be reached from here on port "
               "%1: her router or firewall keeps calls out. She can turn on Options, Open Port "
               "On Router, forward port %1 to her computer by hand, or register on a "
               "matchmaking server with a relay.")
               .arg(port);
}

}  // namespace

PeerConnection::PeerConnection(MessageGate& gate, QObject* parent)
    : QObject(parent),
      gate_(gate),
      cli_(new TWSocket(this)),
      srv_(new TWSocket(this)),
      tmp_(new TWSocket(this)),
      mapper_(new PortMapper(this)),
      channel_(std::make_unique<MessageChannel>(
          *cli_,
          QCoreApplication::translate("PeerConnection", "the opponent",
                                      "named after \"from\" in the connection log"),
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
            Q_EMIT logLine(QStringLiteral("NOTICE:> ") +
                           tr("The opponent sends far more than any game does (%1 bytes "
                              "waiting); what it sends is dropped unread until it leaves")
                               .arg(bytes));
            return;
        }
        Q_EMIT logLine(QStringLiteral("NOTICE:> ") +
                       tr("The opponent left %1 unread bytes behind, more than any game "
                          "sends; they were dropped")
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
    // A bare address is a copy on the game's port, whatever port this copy listens on: the
    // server lists a player there without a port.
    const peeraddress::Parsed parsed =
        peeraddress::parse(peerAddress_, peeraddress::kDefaultPort, maxBytes);
    // Only the call it was asked for is to a listed player.
    calledListed_ = listedCall_;
    listedCall_ = false;
    if (!parsed.target) {
        Q_EMIT logLine(
            QStringLiteral(">>") +
            tr("Can't call \"%1\": %2")
                .arg(text::bounded(peerAddress_).left(peeraddress::kMaxBytes), parsed.error));
        Q_EMIT callFailed();
        return;
    }
    callPort_ = parsed.target->port;
    calling_ = true;
    Q_EMIT logLine(QStringLiteral(">>Attempting To Connect"));
    cli_->DnsLookup(parsed.target->host);
}

bool PeerConnection::callingMyself(const QString& address) const {
    // Another copy on this machine listens on another port: calling it is no self-call.
    if (!isListening() || callPort_ != port_) {
        return false;
    }
    const QHostAddress target(address);
    if (target.isLoopback()) {
        return true;
    }
    // The server lists a registered player under an address of her network card, never a
    // loopback one: picking herself from its list names one of these.
    const QList<QHostAddress> own = QNetworkInterface::allAddresses();
    for (const QHostAddress& a : own) {
        if (a.isEqual(target)) {
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
        calling_ = false;
        Q_EMIT logLine(QStringLiteral(">>Server name unknown"));
        Q_EMIT callFailed();
        return;
    }
    if (callingMyself(cli_->DnsResult)) {
        calling_ = false;
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
    calling_ = false;
    if (error == wsa::kConnectionRefused && calledListed_) {
        Q_EMIT logLine(listedCallAdvice(callPort_));
    } else if (error == wsa::kConnectionRefused) {
        Q_EMIT logLine(QStringLiteral(">>Selected opponent is not waiting to play."));
        Q_EMIT logLine(callAdvice(error, callPort_));
    } else if (error != 0) {
        Q_EMIT logLine(QStringLiteral(">>Can't connect, error #") +
                       QString::number(static_cast<quint16>(error)));
        Q_EMIT logLine(calledListed_ ? listedCallAdvice(callPort_) : callAdvice(error, callPort_));
    } else {
        beginSession(false);
    }
    Q_EMIT callEnded();
}

void PeerConnection::onSessionAvailable(int) {
    std::unique_ptr<QTcpSocket> caller = srv_->Accept();
    if (!caller) {
        return;
    }
    const bool probing = !probeGreeting_.isEmpty() && probeWindow_.isValid() &&
                         !probeWindow_.hasExpired(probeWindowMs_);
    // Bounded: beyond a few at once, callers are taken as they come.
    if (probing && held_.size() < 4) {
        holdBack(std::move(caller));
        return;
    }
    takeCaller(std::move(caller));
}

void PeerConnection::takeCaller(std::unique_ptr<QTcpSocket> caller) {
    if (cli_->state() == TWSocket::wsConnected) {
        tmp_->Dup(std::move(caller));
        Q_EMIT logLine(QStringLiteral("NOTICE:> ") + tmp_->GetPeerAddr() +
                       QStringLiteral(" is trying to call you"));
        tmp_->SendStr(QByteArrayLiteral("I am already playing! Try later...\r\n"));
        tmp_->Close();
        return;
    }
    if (cli_->closing()) {
        // The last opponent has gone, but its end is still to be told, and telling it may ask
        // the player a question that waits for an answer. Taking the caller now would tell it
        // first, inside the taking, and leave the caller unanswered until the player replies:
        // the caller is taken as soon as the end has been told instead.
        auto waiting = std::make_shared<std::unique_ptr<QTcpSocket>>(std::move(caller));
        QMetaObject::invokeMethod(
            this,
            [this, waiting] {
                gate_.run([this, waiting] {
                    if (*waiting) {
                        takeCaller(std::move(*waiting));
                    }
                });
            },
            Qt::QueuedConnection);
        cli_->Close();
        return;
    }
    cli_->Dup(std::move(caller));
    beginSession(true);
}

void PeerConnection::expectProbe(const QByteArray& greeting, int untilMs) {
    probeGreeting_ = greeting;
    probeWindowMs_ = untilMs;
    probeWindow_.start();
    probeSeen_ = false;
}

void PeerConnection::holdBack(std::unique_ptr<QTcpSocket> caller) {
    QTcpSocket* held = caller.get();
    held_.push_back(std::move(caller));
    // Judged against the greeting of the probe it arrived during, whatever comes later.
    const QByteArray greeting = probeGreeting_;
    const auto look = [this, held, greeting](bool timeUp) {
        gate_.run([this, held, greeting, timeUp] { screen(held, greeting, timeUp); });
    };
    connect(held, &QTcpSocket::readyRead, this, [look] { look(false); });
    connect(held, &QTcpSocket::disconnected, this, [look] { look(true); });
    QTimer::singleShot(kProbeHoldMs, held, [look] { look(true); });
    screen(held, greeting, false);
}

void PeerConnection::screen(QTcpSocket* held, const QByteArray& greeting, bool timeUp) {
    const auto it =
        std::find_if(held_.begin(), held_.end(), [held](const auto& s) { return s.get() == held; });
    if (it == held_.end()) {
        return;
    }
    const QByteArray head = held->peek(greeting.size());
    const bool probe = head == greeting;
    // Still the start of the greeting, or nothing yet: wait for more, within the hold.
    if (!probe && !timeUp && held->state() == QAbstractSocket::ConnectedState &&
        greeting.startsWith(head)) {
        return;
    }
    std::unique_ptr<QTcpSocket> socket = std::move(*it);
    held_.erase(it);
    socket->disconnect(this);
    if (probe) {
        // It may be inside its own signal: gone once that has returned.
        probeSeen_ = true;
        probeGreeting_.clear();
        socket->abort();
        socket.release()->deleteLater();
        return;
    }
    takeCaller(std::move(socket));
}

void PeerConnection::adopt(std::unique_ptr<QTcpSocket> socket, bool asPlayer1) {
    MessageGate::Hold hold(gate_);
    if (asPlayer1) {
        takeCaller(std::move(socket));
        return;
    }
    cli_->Dup(std::move(socket));
    beginSession(false);
    Q_EMIT callEnded();
}

void PeerConnection::beginSession(bool asPlayer1) {
    // Nothing of an earlier connection carries over: not its unfinished bytes (a busy reply).
    channel_->clear();
    leaving_ = false;
    calling_ = false;
    session_ = true;
    // What arrives while the game greets the opponent (the connect sounds wait for their
    // end) is handled afterwards, with this side knowing who it is.
    MessageGate::Hold hold(gate_);
    Q_EMIT sessionBegun(asPlayer1);
}

PeerConnection::State PeerConnection::state() const {
    if (connected()) {
        return State::Connected;
    }
    if (leaving_) {
        return State::Leaving;
    }
    if (calling_) {
        return State::Calling;
    }
    return isListening() ? State::Listening : State::NotConnected;
}

bool PeerConnection::connected() const {
    return session_;
}

void PeerConnection::onSessionClosed(int) {
    calling_ = false;
    session_ = false;
    Q_EMIT sessionEnded(leaving_);
    // The close this side asked for has now been reported.
    leaving_ = false;
}

// --- Receiving ---

void PeerConnection::onDataAvailable(int) {
    channel_->receive([this](int code, const QByteArray& payload) { handle(code, payload); });
}

void PeerConnection::handle(int code, const QByteArray& bytes) {
    if (const auto message = peerMessageOf(code)) {
        Q_EMIT received(*message, text::fromAnsi(bytes));
    }
}

void PeerConnection::send(PeerMessage message, const QString& payload) {
    channel_->send(codeOf(message), text::toAnsi(payload));
}
