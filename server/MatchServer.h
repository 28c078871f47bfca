#pragma once

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTimer>
#include <functional>
#include <list>
#include <memory>
#include <unordered_map>

#include "MatchService.h"

class QSocketNotifier;

namespace matchd {

struct ServerLimits {
    int maxConnections = 20000;
    // Time from accepting a connection until it must have delivered its request; after
    // that (or after the reply) it is closed.
    int idleTimeoutMs = 30000;
    // A line for every request; refusals are logged either way.
    bool logRequests = false;
};

// Counts since the start, for the periodic stats line.
struct ServerCounts {
    qint64 registers = 0;
    qint64 removals = 0;
    qint64 lists = 0;
    qint64 searches = 0;
    qint64 refused = 0;     // not a request, or no end mark in time
    qint64 turnedAway = 0;  // answered 06
    qint64 ignored = 0;     // removals from another address
    qint64 unanswered = 0;  // the store could not be asked
    qint64 connectionsRefused = 0;
};

// The sockets around MatchService: accepts connections, reads one request from each,
// answers it, closes. One thread, event driven.
//
// Connections are plain descriptors read and written without blocking, with a socket
// notifier only while one waits for more bytes: most requests are already there when the
// connection is accepted, and a full socket object per connection cost more than the
// request itself.
class MatchServer : public QTcpServer {
    Q_OBJECT
public:
    // Gets each finished log line, without its line end.
    using LogSink = std::function<void(const QString&)>;

    MatchServer(MatchService& service, ServerLimits limits, LogSink log, QObject* parent = nullptr);
    ~MatchServer() override;

    int openConnections() const { return static_cast<int>(connections_.size()); }
    const ServerCounts& counts() const { return counts_; }
    // Writes one line: time stamp, who (a peer's address and port, or "-"), what.
    void log(const QString& who, const QString& what);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    struct Connection {
        int fd = -1;
        quint64 id = 0;
        qint64 deadlineMs = 0;
        RequestBuffer buffer;
        std::unique_ptr<QSocketNotifier> notifier;
        QByteArray unsent;     // the part of the reply the system has not taken yet
        bool waiting = false;  // the request is with the store
        bool writing = false;
    };
    using ConnIt = std::list<Connection>::iterator;

    void readFrom(ConnIt it);
    void answer(quint64 id, const Outcome& outcome);
    void sendReply(ConnIt it, const QByteArray& reply);
    void writeMore(ConnIt it);
    void watch(ConnIt it, bool forWriting);
    void release(ConnIt it);
    void sweep();
    void armSweep();
    void onAcceptError(QAbstractSocket::SocketError error);

    MatchService& service_;
    ServerLimits limits_;
    LogSink log_;
    QElapsedTimer clock_;
    // In the order accepted, which is also the order of their deadlines.
    std::list<Connection> connections_;
    std::unordered_map<quint64, ConnIt> byId_;
    quint64 nextId_ = 1;
    QTimer sweepTimer_;
    QTimer resumeTimer_;
    qint64 refusedAtLimit_ = 0;
    ServerCounts counts_;
};

}  // namespace matchd
