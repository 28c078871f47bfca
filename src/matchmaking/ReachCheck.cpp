#include "matchmaking/ReachCheck.h"

#include <QRandomGenerator>
#include <QTcpSocket>

#include "core/Text.h"
#include "net/MessageFraming.h"

namespace {

constexpr int kProbe = 8;
constexpr int kProbeAnswer = 9;
constexpr int kGreeting = 25;
constexpr qsizetype kMaxAnswer = 64;

}  // namespace

ReachCheck::ReachCheck(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setInterval(kWaitMs);
    connect(&timer_, &QTimer::timeout, this, &ReachCheck::cancel);
}

ReachCheck::~ReachCheck() {
    // A socket closing as it goes must not call back into a check whose timer is gone.
    if (socket_) {
        socket_->disconnect(this);
    }
}

QByteArray ReachCheck::start(const QString& host, quint16 port, const QString& address) {
    cancel();
    // Unguessable, so nobody else's call can pass for the probe and be dropped.
    quint32 bits[4];
    QRandomGenerator::system()->fillRange(bits);
    const QByteArray nonce =
        QByteArray(reinterpret_cast<const char*>(bits), sizeof bits)
            .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    socket_ = std::make_unique<QTcpSocket>();
    QTcpSocket* s = socket_.get();
    const QByteArray request = framing::frame(kProbe, text::toAnsi(address) + '\x01' + nonce);
    connect(s, &QTcpSocket::connected, this, [s, request] { s->write(request); });
    connect(s, &QTcpSocket::readyRead, this, &ReachCheck::onReadyRead);
    connect(s, &QTcpSocket::disconnected, this, &ReachCheck::cancel);
    connect(s, &QTcpSocket::errorOccurred, this, &ReachCheck::cancel);
    s->connectToHost(host, port);
    timer_.start();
    return framing::frame(kGreeting, nonce);
}

void ReachCheck::onReadyRead() {
    const QByteArray head = socket_->peek(kMaxAnswer);
    const qsizetype end = head.indexOf(framing::kEndMark);
    if (end < 0) {
        if (head.size() >= kMaxAnswer) {
            cancel();
        }
        return;
    }
    const auto answer = framing::parse(head.left(end));
    cancel();
    // 09, 1 or 0, 0x01, the relay's port or nothing.
    if (!answer || answer->code != kProbeAnswer || answer->payload.size() < 2 ||
        answer->payload[1] != '\x01' || (answer->payload[0] != '0' && answer->payload[0] != '1')) {
        return;
    }
    bool ok = true;
    const QByteArray port = answer->payload.mid(2);
    const quint16 relayPort = port.isEmpty() ? 0 : port.toUShort(&ok);
    Q_EMIT answered(answer->payload[0] == '1', ok ? relayPort : 0);
}

void ReachCheck::cancel() {
    timer_.stop();
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
        socket_.release()->deleteLater();
    }
}
