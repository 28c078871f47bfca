#include "ReachProbe.h"

#include <QTcpSocket>
#include <QTimer>
#include <memory>
#include <utility>

namespace matchd {

QByteArray probeGreeting(const QByteArray& nonce) {
    return QByteArrayLiteral("25") + nonce + '\x02';
}

void ReachProbe::probe(const QHostAddress& host, quint16 port, const QByteArray& nonce,
                       std::function<void(bool)> done) {
    auto* socket = new QTcpSocket(this);
    auto* timer = new QTimer(socket);
    auto finish = std::make_shared<std::function<void(bool)>>(std::move(done));
    // Whichever comes first decides; the socket goes with it, so nothing fires twice.
    const auto end = [socket, finish](bool reachable) {
        if (!*finish)
            return;
        const auto report = std::exchange(*finish, nullptr);
        socket->disconnect();
        // The greeting is with the system by then: a plain close still delivers it.
        if (reachable)
            socket->disconnectFromHost();
        else
            socket->abort();
        socket->deleteLater();
        report(reachable);
    };
    connect(socket, &QTcpSocket::connected, socket,
            [socket, nonce] { socket->write(probeGreeting(nonce)); });
    // Reachable once the greeting has gone out: the player then knows this was the probe.
    connect(socket, &QTcpSocket::bytesWritten, socket, [socket, end] {
        if (socket->bytesToWrite() == 0)
            end(true);
    });
    connect(socket, &QTcpSocket::errorOccurred, socket, [end] { end(false); });
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, socket, [end] { end(false); });
    timer->start(timeoutMs_);
    socket->connectToHost(host, port);
}

}  // namespace matchd
