#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTest>

// One connection to ropewit-matchd's relay that sends `first` and keeps what comes back.
class RelayLink {
public:
    RelayLink(quint16 port, const QByteArray& first, const QHostAddress& from = QHostAddress()) {
        QObject::connect(&socket_, &QTcpSocket::readyRead, [this] { got_ += socket_.readAll(); });
        if (!from.isNull())
            socket_.bind(from);
        socket_.connectToHost(QHostAddress::LocalHost, port);
        socket_.write(first);
    }
    // Whether what came ends with `tail`, within 10 s.
    bool receives(const QByteArray& tail) {
        return QTest::qWaitFor([&] { return got_.endsWith(tail); }, 10000);
    }
    bool closes() {
        return QTest::qWaitFor([&] { return socket_.state() == QTcpSocket::UnconnectedState; },
                               10000);
    }
    // The token of a held player's listed address, once its answer came.
    QByteArray token() {
        if (!QTest::qWaitFor([&] { return got_.contains('\x02'); }, 10000))
            return {};
        const QByteArray held = got_.left(got_.indexOf('\x02'));
        return held.mid(held.lastIndexOf('/') + 1);
    }
    void send(const QByteArray& bytes) { socket_.write(bytes); }
    QByteArray got() const { return got_; }

private:
    QTcpSocket socket_;
    QByteArray got_;
};
