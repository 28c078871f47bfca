#include "matchmaking/MatchClient.h"

#include <QCoreApplication>

#include "core/Text.h"
#include "net/MessageGate.h"
#include "net/PeerAddress.h"
#include "net/TWSocket.h"
#include "settings/Settings.h"

#include <utility>

namespace {

// The requests and replies by their codes on the wire.
enum MatchCode : int {
    kAddMe = 1,
    kRemoveMe = 2,
    kListLongest = 3,
    kListByLetters = 4,
    kTheList = 5,
    kListFull = 6,
    kAdded = 7,
};

constexpr int kMaxUserName = 20;
// Well inside the time the server keeps a waiting player (600 s).
constexpr int kRenewMs = 240 * 1000;
constexpr int kAnswerMs = 10 * 1000;

QString unableToConnect() {
    return QCoreApplication::translate("MatchClient", "Unable to connect to the server.");
}

// Name 0x01 address: who is registering or leaving.
QByteArray playerPayload(const QString& userName, const QString& address) {
    return text::toAnsi(userName.left(kMaxUserName)) + '\x01' + text::toAnsi(address);
}

}  // namespace

MatchClient::MatchClient(const Settings& settings, MessageGate& gate, QObject* parent)
    : QObject(parent), settings_(settings), gate_(gate), socket_(new TWSocket(this)) {
    connect(socket_, &TWSocket::DnsLookupDone, this,
            [this](int error) { gate_.run([this, error] { onDnsLookupDone(error); }); });
    renewTimer_.setInterval(kRenewMs);
    connect(&renewTimer_, &QTimer::timeout, this, [this] { gate_.run([this] { renew(); }); });
    connect(socket_, &TWSocket::SessionConnected, this,
            [this](int error) { gate_.run([this, error] { onSessionConnected(error); }); });
    // Events held back by the gate may come due after a newer request has begun: they
    // belong to the request they arrived for.
    const auto forThisRequest = [this](void (MatchClient::*step)()) {
        const quint64 exchange = exchange_;
        gate_.run([this, exchange, step] {
            if (exchange == exchange_) {
                (this->*step)();
            }
        });
    };
    connect(socket_, &TWSocket::DataAvailable, this,
            [forThisRequest](int) { forThisRequest(&MatchClient::onDataAvailable); });
    connect(socket_, &TWSocket::SessionClosed, this,
            [forThisRequest](int) { forThisRequest(&MatchClient::onSessionClosed); });
    answerTimer_.setSingleShot(true);
    answerTimer_.setInterval(kAnswerMs);
    connect(&answerTimer_, &QTimer::timeout, this,
            [forThisRequest] { forThisRequest(&MatchClient::onSessionClosed); });
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

void MatchClient::holdRenewals(bool held) {
    if (held) {
        renewTimer_.stop();
    } else if (loggedOn_ && !renewTimer_.isActive()) {
        renewTimer_.start();
    }
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
    begin(MatchRequest::Register, true);
    quietRenewal_ = true;
}

void MatchClient::BeginServerRequest(MatchRequest request) {
    begin(request, false);
}

void MatchClient::begin(MatchRequest request, bool renewal) {
    // A removal not yet sent goes out first: given up, it would leave this player listed,
    // in the very list she asks for too.
    if (removing_ && request != MatchRequest::Remove) {
        afterRemoval_ = request;
        return;
    }
    removing_ = request == MatchRequest::Remove;
    afterRemoval_ = MatchRequest::None;
    quietRenewal_ = false;
    request_ = request;
    // A request still waiting is given up for this one, quietly: the player asked anew.
    ++exchange_;
    awaiting_ = false;
    answerTimer_.stop();
    buffer_.clear();
    bytesRead_ = 0;
    toldIgnored_ = false;
    if (socket_->state() == TWSocket::wsConnected) {
        socket_->Close();
    }
    if (!renewal) {
        // Which server is asked is the first thing to check when nobody is ever listed.
        const QString server =
            (host_.contains(QLatin1Char(':')) ? QLatin1Char('[') + host_ + QLatin1Char(']')
                                              : host_) +
            QLatin1Char(':') + QString::number(port_);
        Q_EMIT logLine(QStringLiteral(">>") + tr("Matchmaking server: %1").arg(server));
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
        removalEnded();
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
        switch (request_) {
            case MatchRequest::Register:
                send(kAddMe, playerPayload(settings_.UserName, registeredAddress()));
                break;
            case MatchRequest::ListLongest:
                send(kListLongest);
                break;
            case MatchRequest::ListByLetters:
                send(kListByLetters, text::toAnsi(letters_));
                break;
            case MatchRequest::Remove:
                send(kRemoveMe, playerPayload(settings_.UserName, registeredAddress()));
                Q_EMIT logLine(QStringLiteral(">>Removed from server"));
                break;
            case MatchRequest::None:
                break;
        }
        // A removal has no reply to wait for.
        awaiting_ = request_ != MatchRequest::Remove && request_ != MatchRequest::None;
        if (awaiting_) {
            answerTimer_.start();
        }
    }
    unLogDone_ = true;
    removalEnded();
}

void MatchClient::removalEnded() {
    if (!removing_) {
        return;
    }
    removing_ = false;
    const MatchRequest next = std::exchange(afterRemoval_, MatchRequest::None);
    if (next != MatchRequest::None) {
        BeginServerRequest(next);
    }
}

void MatchClient::failed() {
    if (quietRenewal_) {
        // A server briefly away is tried again at the next renewal; no box every few minutes.
        quietRenewal_ = false;
        return;
    }
    Q_EMIT notice(tr("Error"), unableToConnect());
}

void MatchClient::send(int code, const QByteArray& payload) {
    socket_->SendStr(framing::frame(code, payload));
}

bool MatchClient::answers(int code) const {
    switch (request_) {
        case MatchRequest::Register:
            return code == kListFull || code == kAdded;
        case MatchRequest::ListLongest:
        case MatchRequest::ListByLetters:
            return code == kTheList;
        default:
            return false;
    }
}

void MatchClient::endRequest() {
    awaiting_ = false;
    answerTimer_.stop();
    buffer_.clear();
    socket_->Close();
}

void MatchClient::onSessionClosed() {
    // Closed, or out of time, before the reply: the player is told all the same, and the log
    // says which (a renewal shows no box).
    if (!awaiting_) {
        return;
    }
    Q_EMIT logLine(QStringLiteral("NOTICE:> ") +
                   (answerTimer_.isActive() ? tr("The server closed the connection unanswered")
                                            : tr("No answer from the server in time")));
    endRequest();
    failed();
}

void MatchClient::onDataAvailable() {
    if (!awaiting_) {
        // The server has nothing to say on a removal's connection.
        if (socket_->state() == TWSocket::wsConnected) {
            Q_EMIT logLine(QStringLiteral("NOTICE:> ") +
                           tr("Dropped what the server sent unasked"));
            socket_->Close();
        }
        return;
    }
    char bytes[1024];
    int n = 0;
    while ((n = socket_->Receive(bytes, sizeof bytes)) > 0) {
        bytesRead_ += n;
        if (!buffer_.append(bytes, n)) {
            Q_EMIT logLine(QStringLiteral("NOTICE:> ") +
                           tr("Dropped an overlong message from the server"));
        }
        while (const auto message = buffer_.take()) {
            const auto reply = framing::parse(*message);
            if (!reply) {
                continue;
            }
            if (answers(reply->code)) {
                if (!buffer_.isEmpty() || socket_->bufferedBytes() > 0) {
                    Q_EMIT logLine(QStringLiteral("NOTICE:> ") +
                                   tr("Dropped what the server sent after its reply"));
                }
                endRequest();
                try {
                    handle(reply->code, reply->payload);
                } catch (...) {
                    Q_EMIT logLine(QStringLiteral("NOTICE:> ") +
                                   tr("Could not handle a message from the server"));
                }
                return;
            }
            if (!toldIgnored_) {
                toldIgnored_ = true;
                Q_EMIT logLine(
                    QStringLiteral("NOTICE:> ") +
                    tr("Ignored a reply from the server that does not answer the request"));
            }
        }
        if (bytesRead_ > kReplyBytes) {
            Q_EMIT logLine(QStringLiteral("NOTICE:> ") +
                           tr("The server sent more than a reply holds; closed"));
            endRequest();
            failed();
            return;
        }
    }
}

// Only a reply that answers the request under way comes here.
void MatchClient::handle(int code, const QByteArray& payload) {
    switch (code) {
        case kTheList:
            if (payload.isEmpty()) {
                Q_EMIT notice(tr("Notice"), tr("No users are currently logged onto the server."));
            } else {
                Q_EMIT opponentsListed(text::fromAnsi(payload));
            }
            break;
        case kListFull:
            if (quietRenewal_) {
                // Still waiting, but no longer listed: said once, and the renewal ends.
                quietRenewal_ = false;
                setRegistered(false);
                Q_EMIT logLine(QStringLiteral("NOTICE:> ") +
                               tr("The server's list is full and no longer shows you as waiting"));
                break;
            }
            Q_EMIT notice(tr("Notice"),
                          tr("The user list on the server is full.  Name not added."));
            break;
        case kAdded:
            if (quietRenewal_) {
                quietRenewal_ = false;
                Q_EMIT renewed();
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
