#pragma once

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTimer>
#include <functional>
#include <list>

#include "MatchProtocol.h"

class QTcpSocket;

namespace matchd {

struct ServerLimits {
    int maxConnections = 20000;
    // Time from accepting a connection until it must have delivered its request; after
    // that (or after the reply) it is closed.
    int idleTimeoutMs = 30000;
};

// The sockets around MatchService: accepts connections, reads one request from each,
// answers it, closes. One thread, event driven.
class MatchServer : public QTcpServer {
    Q_OBJECT
public:
    // Gets each finished log line, without its line end.
    using LogSink = std::function<void(const QString&)>;

    MatchServer(MatchService& service, ServerLimits limits, LogSink log, QObject* parent = nullptr);
    ~MatchServer() override;

    int openConnections() const { return static_cast<int>(connections_.size()); }
    // Writes one line: time stamp, who (a peer's address and port, or "-"), what.
    void log(const QString& who, const QString& what);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    struct Connection {
        QTcpSocket* socket = nullptr;  // a child of the server
        qint64 deadlineMs = 0;
        RequestBuffer buffer;
        bool closing = false;  // answered; waiting for the reply to leave
    };
    using ConnIt = std::list<Connection>::iterator;

    void onReadyRead(ConnIt it);
    void onPeerGone(ConnIt it);
    void closeConnection(ConnIt it, const QByteArray& reply);
    void release(ConnIt it);
    void sweep();
    void armSweep();
    void onAcceptError(QAbstractSocket::SocketError error);
    static QString peerOf(const QTcpSocket* socket);

    MatchService& service_;
    ServerLimits limits_;
    LogSink log_;
    QElapsedTimer clock_;
    // In the order accepted, which is also the order of their deadlines.
    std::list<Connection> connections_;
    QTimer sweepTimer_;
    QTimer resumeTimer_;
    qint64 refusedAtLimit_ = 0;
};

}  // namespace matchd
