#include "MatchServer.h"

#include <QDateTime>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>

#include <sys/socket.h>
#include <unistd.h>

namespace matchd {

namespace {

// Enough for bursts of callers arriving together; the system may cap it lower.
constexpr int kListenBacklog = 1024;
// After the system ran out of descriptors, accepting is paused this long.
constexpr int kResumeAcceptMs = 100;
// Bytes a client sent after its request are read away before closing (up to this many),
// so the close does not turn into a reset that could destroy the reply on its way.
constexpr int kDrainBytes = 4096;

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
    for (Connection& c : connections_) {
        c.notifier.reset();
        ::close(c.fd);
    }
}

void MatchServer::log(const QString& who, const QString& what) {
    if (!log_)
        return;
    log_(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs) + QLatin1Char(' ') + who +
         QLatin1Char(' ') + what);
}

void MatchServer::incomingConnection(qintptr descriptor) {
    const int fd = static_cast<int>(descriptor);
    if (openConnections() >= limits_.maxConnections) {
        // Refused before anything is allocated for it, so a flood costs next to nothing.
        ::close(fd);
        ++counts_.connectionsRefused;
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

    Connection connection;
    connection.fd = fd;
    connection.id = nextId_++;
    connection.deadlineMs = clock_.elapsed() + limits_.idleTimeoutMs;
    const ConnIt it = connections_.insert(connections_.end(), std::move(connection));
    byId_.emplace(it->id, it);
    if (!sweepTimer_.isActive())
        armSweep();
    // The request is usually there already; otherwise the notifier waits for it.
    readFrom(it);
}

void MatchServer::watch(ConnIt it, bool forWriting) {
    Connection& c = *it;
    const QSocketNotifier::Type type = forWriting ? QSocketNotifier::Write : QSocketNotifier::Read;
    if (c.notifier && c.notifier->type() == type) {
        c.notifier->setEnabled(true);
        return;
    }
    if (c.notifier) {
        c.notifier->setEnabled(false);
        c.notifier.release()->deleteLater();
    }
    c.notifier = std::make_unique<QSocketNotifier>(c.fd, type);
    const quint64 id = c.id;
    connect(c.notifier.get(), &QSocketNotifier::activated, this, [this, id, forWriting] {
        const auto found = byId_.find(id);
        if (found == byId_.end())
            return;
        if (forWriting)
            writeMore(found->second);
        else
            readFrom(found->second);
    });
}

void MatchServer::readFrom(ConnIt it) {
    Connection& c = *it;
    if (c.waiting || c.writing)
        return;
    char chunk[kMaxRequestBytes];
    while (c.buffer.state() == RequestBuffer::State::NeedMore) {
        const ssize_t n = ::recv(c.fd, chunk, sizeof chunk, MSG_DONTWAIT);
        if (n > 0) {
            c.buffer.append(chunk, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            watch(it, false);
            return;
        }
        if (limits_.logRequests) {
            log(peerOf(c.fd), QStringLiteral("- -> %1 before a complete request (%2 bytes)")
                                  .arg(n == 0 ? QStringLiteral("closed by peer")
                                              : QStringLiteral("peer error: ") +
                                                    QString::fromLocal8Bit(strerror(errno)))
                                  .arg(c.buffer.size()));
        }
        release(it);
        return;
    }
    if (c.buffer.state() == RequestBuffer::State::Overflow) {
        ++counts_.refused;
        log(peerOf(c.fd),
            QStringLiteral("- -> closed: %1 bytes without an end mark").arg(kMaxRequestBytes));
        release(it);
        return;
    }
    c.waiting = true;
    if (c.notifier)
        c.notifier->setEnabled(false);
    const quint64 id = c.id;
    // May answer before it returns; `it` is not used after this.
    service_.handle(
        c.buffer.message(), peerAddressOf(c.fd),
        [this, id](const Outcome& outcome) { answer(id, outcome); },
        std::max<qint64>(c.deadlineMs - clock_.elapsed(), 0));
}

void MatchServer::answer(quint64 id, const Outcome& outcome) {
    const auto found = byId_.find(id);
    if (found == byId_.end())
        return;  // the connection timed out while the store was asked
    const ConnIt it = found->second;
    switch (outcome.kind) {
        case Outcome::Kind::Register:
            ++counts_.registers;
            break;
        case Outcome::Kind::Remove:
            ++counts_.removals;
            break;
        case Outcome::Kind::List:
            ++counts_.lists;
            break;
        case Outcome::Kind::Search:
            ++counts_.searches;
            break;
        case Outcome::Kind::Refused:
            ++counts_.refused;
            break;
        case Outcome::Kind::Probe:
            break;
    }
    if (outcome.unavailable)
        ++counts_.unanswered;
    else if (outcome.reply.startsWith("06"))
        ++counts_.turnedAway;
    else if (outcome.notable && outcome.kind == Outcome::Kind::Remove)
        ++counts_.ignored;
    if (limits_.logRequests || outcome.notable)
        log(peerOf(it->fd), outcome.request + QLatin1String(" -> ") + outcome.result);
    it->waiting = false;
    sendReply(it, outcome.reply);
}

void MatchServer::sendReply(ConnIt it, const QByteArray& reply) {
    it->unsent = reply;
    it->writing = true;
    writeMore(it);
}

void MatchServer::writeMore(ConnIt it) {
    Connection& c = *it;
    while (!c.unsent.isEmpty()) {
        const ssize_t n = ::send(c.fd, c.unsent.constData(), static_cast<size_t>(c.unsent.size()),
                                 MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            c.unsent.remove(0, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // It leaves when the system takes it, or the connection closes at its deadline.
            watch(it, true);
            return;
        }
        break;  // the peer is gone; nothing more to say
    }
    char sink[kDrainBytes];
    while (::recv(c.fd, sink, sizeof sink, MSG_DONTWAIT) > 0) {
    }
    release(it);
}

void MatchServer::release(ConnIt it) {
    Connection& c = *it;
    if (c.notifier) {
        // It may be the one whose signal is running now.
        c.notifier->setEnabled(false);
        c.notifier.release()->deleteLater();
    }
    ::close(c.fd);
    byId_.erase(c.id);
    connections_.erase(it);
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
        if (it->waiting) {
            ++counts_.unanswered;
            log(peerOf(it->fd), QStringLiteral("- -> closed: no answer from the store within "
                                               "%1 ms")
                                    .arg(limits_.idleTimeoutMs));
        } else if (!it->writing) {
            ++counts_.refused;
            log(peerOf(it->fd), QStringLiteral("- -> closed: no request within %1 ms (%2 bytes)")
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
