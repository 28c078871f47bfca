#include "matchmaking/MatchClient.h"

#include "core/Text.h"
#include "net/MessageGate.h"
#include "net/TWSocket.h"
#include "settings/Settings.h"

namespace {

constexpr int kMaxUserName = 20;

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
}

void MatchClient::BeginServerRequest(MatchRequest request) {
    request_ = request;
    if (socket_->state() == TWSocket::wsConnected) {
        socket_->Close();
    }
    socket_->DnsLookup(host_);
}

void MatchClient::UnLog() {
    loggedOn_ = false;
    BeginServerRequest(MatchRequest::Remove);
}

void MatchClient::onDnsLookupDone(int error) {
    if (error != 0) {
        Q_EMIT notice(QStringLiteral("Error"), unableToConnect());
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
        Q_EMIT notice(QStringLiteral("Error"), unableToConnect());
    } else {
        // Each connection carries one request and its replies: whatever an earlier server
        // connection left unfinished can never complete into a reply of this one.
        channel_->clear();
        switch (request_) {
            case MatchRequest::Register:
                channel_->send(1, playerPayload(settings_.UserName, ownAddress_));
                break;
            case MatchRequest::ListLongest:
                channel_->send(3);
                break;
            case MatchRequest::ListByLetters:
                channel_->send(4, text::toAnsi(letters_));
                break;
            case MatchRequest::Remove:
                channel_->send(2, playerPayload(settings_.UserName, ownAddress_));
                Q_EMIT logLine(QStringLiteral(">>Removed from server"));
                break;
            case MatchRequest::None:
                break;
        }
    }
    unLogDone_ = true;
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
            Q_EMIT notice(QStringLiteral("Notice"),
                          QStringLiteral("The user list on the server is full.  Name not added."));
            break;
        case 7:
            Q_EMIT logLine(QStringLiteral(">>Added to server as a player"));
            loggedOn_ = true;
            Q_EMIT registered();
            break;
        default:
            break;
    }
}
