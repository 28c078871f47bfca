#include "matchmaking/MatchClient.h"

#include "core/Text.h"
#include "net/MessageGate.h"
#include "net/PeerAddress.h"
#include "net/TWSocket.h"
#include "settings/Settings.h"

namespace {

constexpr int kMaxUserName = 20;
// Well inside the time the server keeps a waiting player (600 s).
constexpr int kRenewMs = 240 * 1000;

QString unableToConnect() {
    return QStringLiteral("Unable to connect to the server.");
}

// Name 0x01 address: who is registering or leaving.
QByteArray playerPayload(const QString& userName, const QString& address) {
    return text::toAnsi(userName.left(kMaxUserName)) + '\x01' + text::toAnsi(address);
}

}  // namespace

MatchClient::MatchClient(const Settings& settings, MessageGate& gate, QObject* parent)
    : QObject(parent),
      settings_(settings),
      gate_(gate),
      socket_(new TWSocket(this)),
      channel_(
          std::make_unique<MessageChannel>(*socket_, QStringLiteral("the server"),
                                           [this](const QString& line) { Q_EMIT logLine(line); })) {
    connect(socket_, &TWSocket::DnsLookupDone, this,
            [this](int error) { gate_.run([this, error] { onDnsLookupDone(error); }); });
    renewTimer_.setInterval(kRenewMs);
    connect(&renewTimer_, &QTimer::timeout, this, [this] { gate_.run([this] { renew(); }); });
    connect(socket_, &TWSocket::SessionConnected, this,
            [this](int error) { gate_.run([this, error] { onSessionConnected(error); }); });
    connect(socket_, &TWSocket::DataAvailable, this, [this](int error) {
        if (!gate_.held()) {
            onDataAvailable(error);
            return;
        }
        gate_.run([this] {
            channel_->receiveAll([this](int code, const QByteArray& p) { handle(code, p); });
        });
    });
}

MatchClient::~MatchClient() = default;

void MatchClient::setServer(const QString& host, quint16 port) {
    host_ = host;
    port_ = port;
}

void MatchClient::setLetters(const QString& letters) {
    letters_ = text::bounded(letters);
}

void MatchClient::setOwnAddress(const QString& address) {
    ownAddress_ = text::bounded(address.trimmed());
    outsideAddress_.clear();
}

QString MatchClient::registeredAddress() const {
    if (!outsideAddress_.isEmpty()) {
        return text::bounded(peeraddress::registration(outsideAddress_, outsidePort_));
    }
    // Port 0 lets the system choose when listening starts: no port is known to name.
    if (listenPort_ == 0) {
        return ownAddress_;
    }
    return text::bounded(peeraddress::registration(ownAddress_, listenPort_));
}

void MatchClient::setOutsideAddress(const QString& address, quint16 port) {
    outsideAddress_ = address.trimmed();
    outsidePort_ = port;
}

void MatchClient::setRenewInterval(int ms) {
    renewTimer_.setInterval(ms);
}

void MatchClient::setRegistered(bool on) {
    loggedOn_ = on;
    if (on) {
        if (!renewTimer_.isActive()) {
            renewTimer_.start();
        }
    } else {
        renewTimer_.stop();
        quietRenewal_ = false;
    }
}

void MatchClient::renew() {
    // A list the player asked for may still be coming on the open connection: that exchange
    // goes first, and the next tick renews.
    if (!loggedOn_ ||
        (request_ != MatchRequest::Register && socket_->state() != TWSocket::wsClosed)) {
        return;
    }
    BeginServerRequest(MatchRequest::Register);
    quietRenewal_ = true;
}

void MatchClient::BeginServerRequest(MatchRequest request) {
    quietRenewal_ = false;
    request_ = request;
    if (socket_->state() == TWSocket::wsConnected) {
        socket_->Close();
    }
    socket_->DnsLookup(host_);
}

void MatchClient::UnLog() {
    setRegistered(false);
    BeginServerRequest(MatchRequest::Remove);
}

void MatchClient::onDnsLookupDone(int error) {
    if (error != 0) {
        failed();
        unLogDone_ = true;
        return;
    }
    socket_->Addr = socket_->DnsResult;
    socket_->Port = QString::number(port_);
    socket_->Proto = QStringLiteral("tcp");
    socket_->Connect();
}

void MatchClient::onSessionConnected(int error) {
    if (error != 0) {
        failed();
    } else {
        // Each connection carries one request and its replies: whatever an earlier server
        // connection left unfinished can never complete into a reply of this one.
        channel_->clear();
        switch (request_) {
            case MatchRequest::Register:
                channel_->send(1, playerPayload(settings_.UserName, registeredAddress()));
                break;
            case MatchRequest::ListLongest:
                channel_->send(3);
                break;
            case MatchRequest::ListByLetters:
                channel_->send(4, text::toAnsi(letters_));
                break;
            case MatchRequest::Remove:
                channel_->send(2, playerPayload(settings_.UserName, registeredAddress()));
                Q_EMIT logLine(QStringLiteral(">>Removed from server"));
                break;
            case MatchRequest::None:
                break;
        }
    }
    unLogDone_ = true;
}

void MatchClient::failed() {
    if (quietRenewal_) {
        // A server briefly away is tried again at the next renewal; no box every few minutes.
        quietRenewal_ = false;
        return;
    }
    Q_EMIT notice(QStringLiteral("Error"), unableToConnect());
}

void MatchClient::onDataAvailable(int) {
    channel_->receive([this](int code, const QByteArray& payload) { handle(code, payload); });
}

void MatchClient::handle(int code, const QByteArray& payload) {
    switch (code) {
        case 5:
            if (payload.isEmpty()) {
                Q_EMIT notice(QStringLiteral("Notice"),
                              QStringLiteral("No users are currently logged onto the server."));
            } else {
                Q_EMIT opponentsListed(text::fromAnsi(payload));
            }
            break;
        case 6:
            if (quietRenewal_) {
                // Still waiting, but no longer listed: said once, and the renewal ends.
                quietRenewal_ = false;
                setRegistered(false);
                Q_EMIT logLine(QStringLiteral(
                    "NOTICE:> The server's list is full and no longer shows you as waiting"));
                break;
            }
            Q_EMIT notice(QStringLiteral("Notice"),
                          QStringLiteral("The user list on the server is full.  Name not added."));
            break;
        case 7:
            if (quietRenewal_) {
                quietRenewal_ = false;
                break;
            }
            Q_EMIT logLine(QStringLiteral(">>Added to server as a player"));
            setRegistered(true);
            Q_EMIT registered();
            break;
        default:
            break;
    }
}
