#include "MatchServer.h"

#include <QDateTime>
#include <QTcpSocket>
#include <algorithm>

#include <unistd.h>

namespace matchd {

namespace {

// Enough for bursts of callers arriving together; the system may cap it lower.
constexpr int kListenBacklog = 1024;
// After the system ran out of descriptors, accepting is paused this long.
constexpr int kResumeAcceptMs = 100;

}  // namespace

MatchServer::MatchServer(MatchService& service, ServerLimits limits, LogSink log, QObject* parent)
    : QTcpServer(parent), service_(service), limits_(limits), log_(std::move(log)) {
    clock_.start();
    setListenBacklogSize(kListenBacklog);
    // Accepted sockets are handled in incomingConnection and never queued as pending.
    setMaxPendingConnections(1);
    sweepTimer_.setSingleShot(true);
    connect(&sweepTimer_, &QTimer::timeout, this, &MatchServer::sweep);
    resumeTimer_.setSingleShot(true);
    resumeTimer_.setInterval(kResumeAcceptMs);
    connect(&resumeTimer_, &QTimer::timeout, this, &QTcpServer::resumeAccepting);
    connect(this, &QTcpServer::acceptError, this, &MatchServer::onAcceptError);
}

MatchServer::~MatchServer() {
    for (Connection& c : connections_)
        c.socket->disconnect(this);
}

void MatchServer::log(const QString& who, const QString& what) {
    if (!log_)
        return;
    log_(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs) + QLatin1Char(' ') + who +
         QLatin1Char(' ') + what);
}

QString MatchServer::peerOf(const QTcpSocket* socket) {
    const QHostAddress address = socket->peerAddress();
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    const QString host = isV4 ? QHostAddress(v4).toString()
                              : QLatin1Char('[') + address.toString() + QLatin1Char(']');
    return host + QLatin1Char(':') + QString::number(socket->peerPort());
}

void MatchServer::incomingConnection(qintptr descriptor) {
    if (openConnections() >= limits_.maxConnections) {
        // Refused before any socket object exists, so a flood costs next to nothing.
        ::close(static_cast<int>(descriptor));
        if (refusedAtLimit_++ == 0) {
            log(QStringLiteral("-"),
                QStringLiteral("connection refused: %1 connections open (the limit); further "
                               "refusals are counted")
                    .arg(limits_.maxConnections));
        }
        return;
    }
    if (refusedAtLimit_ > 0) {
        log(QStringLiteral("-"),
            QStringLiteral("%1 connection(s) refused at the limit").arg(refusedAtLimit_));
        refusedAtLimit_ = 0;
    }

    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        ::close(static_cast<int>(descriptor));
        delete socket;
        return;
    }
    // Nothing longer than a request is ever useful, so Qt need not hold more.
    socket->setReadBufferSize(kMaxRequestBytes);

    Connection connection;
    connection.socket = socket;
    connection.deadlineMs = clock_.elapsed() + limits_.idleTimeoutMs;
    const ConnIt it = connections_.insert(connections_.end(), std::move(connection));
    connect(socket, &QTcpSocket::readyRead, this, [this, it] { onReadyRead(it); });
    connect(socket, &QTcpSocket::disconnected, this, [this, it] { onPeerGone(it); });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, it] { onPeerGone(it); });
    if (!sweepTimer_.isActive())
        armSweep();
}

void MatchServer::onReadyRead(ConnIt it) {
    Connection& c = *it;
    if (c.closing) {
        c.socket->readAll();  // whatever follows the request is not read
        return;
    }
    char chunk[kMaxRequestBytes];
    while (c.buffer.state() == RequestBuffer::State::NeedMore) {
        const qint64 n = c.socket->read(chunk, sizeof chunk);
        if (n <= 0)
            break;
        c.buffer.append(chunk, n);
    }
    switch (c.buffer.state()) {
        case RequestBuffer::State::NeedMore:
            return;
        case RequestBuffer::State::Overflow:
            log(peerOf(c.socket),
                QStringLiteral("- -> closed: %1 bytes without an end mark").arg(kMaxRequestBytes));
            closeConnection(it, {});
            return;
        case RequestBuffer::State::Complete: {
            const Outcome outcome = service_.handle(c.buffer.message(), clock_.elapsed());
            log(peerOf(c.socket), outcome.request + QLatin1String(" -> ") + outcome.result);
            closeConnection(it, outcome.reply);
            return;
        }
    }
}

void MatchServer::onPeerGone(ConnIt it) {
    const Connection& c = *it;
    if (!c.closing) {
        const QString why = c.socket->error() == QAbstractSocket::RemoteHostClosedError ||
                                    c.socket->error() == QAbstractSocket::UnknownSocketError
                                ? QStringLiteral("closed by peer")
                                : QStringLiteral("peer error: ") + c.socket->errorString();
        log(peerOf(c.socket), QStringLiteral("- -> %1 before a complete request (%2 bytes)")
                                  .arg(why)
                                  .arg(c.buffer.size()));
    }
    release(it);
}

void MatchServer::closeConnection(ConnIt it, const QByteArray& reply) {
    Connection& c = *it;
    c.closing = true;
    if (!reply.isEmpty()) {
        c.socket->write(reply);
        c.socket->flush();
    }
    if (c.socket->bytesToWrite() > 0) {
        // The system would not take the reply yet: it leaves when it can, and the socket
        // closes then (disconnected) or at its deadline, whichever comes first.
        c.socket->disconnectFromHost();
        return;
    }
    release(it);
}

void MatchServer::release(ConnIt it) {
    QTcpSocket* socket = it->socket;
    socket->disconnect(this);
    connections_.erase(it);
    socket->disconnectFromHost();
    if (socket->state() != QAbstractSocket::UnconnectedState)
        socket->abort();
    socket->deleteLater();
}

void MatchServer::armSweep() {
    if (connections_.empty())
        return;
    const qint64 wait = connections_.front().deadlineMs - clock_.elapsed();
    sweepTimer_.start(static_cast<int>(std::clamp<qint64>(wait, 0, limits_.idleTimeoutMs)));
}

void MatchServer::sweep() {
    const qint64 now = clock_.elapsed();
    while (!connections_.empty() && connections_.front().deadlineMs <= now) {
        const ConnIt it = connections_.begin();
        if (!it->closing) {
            log(peerOf(it->socket),
                QStringLiteral("- -> closed: no request within %1 ms (%2 bytes)")
                    .arg(limits_.idleTimeoutMs)
                    .arg(it->buffer.size()));
        }
        release(it);
    }
    armSweep();
}

void MatchServer::onAcceptError(QAbstractSocket::SocketError error) {
    // Qt pauses accepting after an error such as running out of descriptors; the waiting
    // callers stay in the backlog until descriptors are free again.
    log(QStringLiteral("-"), QStringLiteral("accept failed (%1: %2); pausing %3 ms")
                                 .arg(static_cast<int>(error))
                                 .arg(errorString())
                                 .arg(kResumeAcceptMs));
    if (!resumeTimer_.isActive())
        resumeTimer_.start();
}

}  // namespace matchd
