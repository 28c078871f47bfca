#include "matchmaking/RelayClient.h"

#include <QTcpSocket>

#include "core/Text.h"
#include "net/MessageFraming.h"

namespace {

// The relay's frames before a join (the rest of its wire belongs to the games).
constexpr int kHold = 20;
constexpr int kHeld = 21;
constexpr int kJoined = 22;
constexpr int kRefused = 23;
constexpr int kCall = 24;
constexpr qsizetype kMaxFrame = 1024;
constexpr int kCallWaitMs = 10000;
// What a player who is already playing answers a caller; the relay says it for the player.
const QByteArray kBusy = QByteArrayLiteral("I am already playing!");

// The relay's words as one plain line: printable ASCII only, bounded.
QString plain(const QByteArray& bytes) {
    QString out;
    for (const char c : bytes.left(160)) {
        out += c >= 0x20 && c < 0x7F ? QLatin1Char(c) : QLatin1Char('?');
    }
    return out;
}

}  // namespace

RelayClient::RelayClient(QObject* parent) : QObject(parent) {
    callTimer_.setSingleShot(true);
    callTimer_.setInterval(kCallWaitMs);
    connect(&callTimer_, &QTimer::timeout, this, [this] {
        fail(QStringLiteral(">>") +
             tr("The relay at %1 did not join the call in time: the player may have left.")
                 .arg(where_));
    });
}

RelayClient::~RelayClient() {
    // A socket closing as it goes must not call back into a client whose timers are gone.
    if (socket_) {
        socket_->disconnect(this);
    }
}

void RelayClient::hold(const QString& host, quint16 port, const QString& name,
                       const QString& address) {
    holding_ = true;
    open(host, port,
         framing::frame(kHold, text::toAnsi(name.left(20)) + '\x01' + text::toAnsi(address)));
}

void RelayClient::call(const QString& host, quint16 port, const QString& token) {
    holding_ = false;
    open(host, port, framing::frame(kCall, token.toLatin1()));
    callTimer_.start();
}

void RelayClient::open(const QString& host, quint16 port, const QByteArray& first) {
    close();
    where_ = QStringLiteral("%1:%2").arg(text::bounded(host).left(64)).arg(port);
    socket_ = std::make_unique<QTcpSocket>();
    QTcpSocket* s = socket_.get();
    connect(s, &QTcpSocket::connected, this, [this, s, first] {
        connected_ = true;
        s->write(first);
    });
    connect(s, &QTcpSocket::readyRead, this, &RelayClient::onReadyRead);
    connect(s, &QTcpSocket::disconnected, this, [this] {
        onReadyRead();
        if (!socket_) {
            return;
        }
        fail(QStringLiteral(">>") +
             (holding_ ? tr("The server's relay closed your connection: callers can no longer "
                            "reach you through it.")
                       : tr("The relay closed the call before the player answered: the player "
                            "has left.")));
    });
    connect(s, &QTcpSocket::errorOccurred, this, [this] {
        if (socket_ && !connected_) {
            fail(QStringLiteral(">>") +
                 (holding_ ? tr("The server's relay at %1 cannot be reached (it may be off): "
                                "callers cannot reach you.")
                           : tr("The server's relay at %1 cannot be reached (it may be off): "
                                "this player cannot be called."))
                     .arg(where_));
        }
    });
    s->connectToHost(host, port);
}

void RelayClient::onReadyRead() {
    while (socket_) {
        // Read up to the end of one frame only: what follows a join is the other game's.
        const QByteArray head = socket_->peek(kMaxFrame + 1);
        const qsizetype end = head.indexOf(framing::kEndMark);
        if (!holding_ && head.startsWith(kBusy)) {
            return fail(QStringLiteral(">>") + tr("The player is already playing. Try later."));
        }
        if (end < 0) {
            if (head.size() > kMaxFrame) {
                fail(QStringLiteral(">>") +
                     tr("The relay at %1 sent something that is no relay answer.").arg(where_));
            }
            return;
        }
        socket_->read(end + 1);
        const auto frame = framing::parse(head.left(end));
        const int code = frame ? frame->code : -1;
        if (code == kJoined) {
            callTimer_.stop();
            socket_->disconnect(this);
            Q_EMIT joined();
            return;
        }
        if (code == kHeld && holding_) {
            Q_EMIT held(plain(frame->payload));
        } else if (code == kRefused) {
            return fail(QStringLiteral(">>") +
                        tr("The relay refused: %1").arg(plain(frame->payload)));
        } else {
            return fail(QStringLiteral(">>") +
                        tr("The relay at %1 sent something that is no relay answer.").arg(where_));
        }
    }
}

std::unique_ptr<QTcpSocket> RelayClient::takeJoined() {
    connected_ = false;
    return std::move(socket_);
}

void RelayClient::fail(const QString& line) {
    close();
    Q_EMIT failed(line);
}

void RelayClient::close() {
    callTimer_.stop();
    connected_ = false;
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
        // It may be inside its own signal: gone once that has returned.
        socket_.release()->deleteLater();
    }
}
