#pragma once

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <algorithm>
#include <memory>
#include <vector>

#include <sys/socket.h>

#include "MatchWire.h"

// A matchmaking server played by the test: it records what each connection sends and
// answers whatever the test writes.
class FakeMatchServer {
public:
    FakeMatchServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                auto conn = std::make_unique<Conn>();
                Conn* c = conn.get();
                c->socket = s;
                s->setSocketOption(QAbstractSocket::LowDelayOption, 1);  // small writes stay apart
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, c] {
                    c->in += c->socket->readAll();
                    // An old server, which knows no reachability probe (08): it goes unanswered
                    // and unnumbered.
                    if (c->in.startsWith("08")) {
                        const auto it = std::find_if(conns_.begin(), conns_.end(),
                                                     [c](const auto& p) { return p.get() == c; });
                        if (it != conns_.end()) {
                            probes_.push_back(std::move(*it));
                            conns_.erase(it);
                        }
                    }
                });
                QObject::connect(s, &QTcpSocket::disconnected, s, [c] { c->closed = true; });
                conns_.push_back(std::move(conn));
            }
        });
    }

    quint16 port() const { return server_.serverPort(); }
    int count() const { return static_cast<int>(conns_.size()); }
    bool waitForConnections(int n) {
        return QTest::qWaitFor([&] { return count() >= n; }, 5000);
    }
    QByteArray received(int i) const { return i < count() ? conns_[i]->in : QByteArray(); }
    // The request connection i carries, once it is whole (a request ends with 0x02); empty
    // when it did not come.
    QByteArray request(int i) {
        return QTest::qWaitFor([&] { return received(i).endsWith('\x02'); }, 5000) ? received(i)
                                                                                   : QByteArray();
    }
    bool closedByClient(int i) const { return i < count() && conns_[i]->closed; }
    void reply(int i, const QByteArray& bytes) {
        conns_[i]->socket->write(bytes);
        conns_[i]->socket->flush();
    }
    void hangUp(int i) { conns_[i]->socket->disconnectFromHost(); }
    // Ends connection i with a reset rather than an orderly close.
    void reset(int i) {
        const linger now{1, 0};
        ::setsockopt(int(conns_[i]->socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &now,
                     sizeof now);
        conns_[i]->socket->abort();
    }

private:
    struct Conn {
        QTcpSocket* socket = nullptr;  // child of the server
        QByteArray in;
        bool closed = false;
    };
    // The connections outlive the server, whose sockets still signal while they go.
    std::vector<std::unique_ptr<Conn>> conns_;
    std::vector<std::unique_ptr<Conn>> probes_;
    QTcpServer server_;
};

// A port on which nobody listens (just released by the system).
inline quint16 unusedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}
