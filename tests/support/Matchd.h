#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QString>
#include <QStringList>
#include <QTcpSocket>
#include <QTest>

#include "MatchWire.h"

// One ropewit-matchd process listening on a port the system chose, which its first log
// line names; port() stays 0 when it did not come up.
class Matchd {
public:
    explicit Matchd(const QStringList& extraArgs,
                    QProcess::ProcessChannelMode channels = QProcess::SeparateChannels) {
        QObject::connect(&process_, &QProcess::readyReadStandardOutput,
                         [this] { output_ += process_.readAllStandardOutput(); });
        process_.setProgram(QStringLiteral(ROPEWIT_MATCHD_PATH));
        process_.setArguments(QStringList{"--listen", "127.0.0.1", "--port", "0"} + extraArgs);
        process_.setProcessChannelMode(channels);
        process_.start();
        if (!process_.waitForStarted(10000)) {
            return;
        }
        static const QRegularExpression portLine(QStringLiteral("listening on .* port (\\d+);"));
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired() && process_.state() == QProcess::Running) {
            const QRegularExpressionMatch m = portLine.match(QString::fromUtf8(output_));
            if (m.hasMatch()) {
                port_ = static_cast<quint16>(m.captured(1).toUInt());
                return;
            }
            process_.waitForReadyRead(100);
            output_ += process_.readAllStandardOutput();
        }
    }
    ~Matchd() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(10000);
        }
    }
    Matchd(const Matchd&) = delete;
    Matchd& operator=(const Matchd&) = delete;

    // Asks it to stop (SIGTERM) and waits; false when it did not stop in time.
    bool terminate() {
        process_.terminate();
        const bool stopped = process_.waitForFinished(10000);
        output_ += process_.readAllStandardOutput();
        return stopped && process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
    }

    quint16 port() const { return port_; }
    // The relay's port, from its start line; 0 without one.
    quint16 relayPort() const {
        static const QRegularExpression line(QStringLiteral("relay on port (\\d+),"));
        return static_cast<quint16>(line.match(output()).captured(1).toUInt());
    }
    bool running() const { return process_.state() == QProcess::Running; }
    QString output() const { return QString::fromUtf8(output_); }

private:
    QProcess process_;
    QByteArray output_;
    quint16 port_ = 0;
};

// The server's answer to one request on a connection of its own (from `from` when given: any
// loopback address works), marked when the server left the connection open.
inline QByteArray answer(quint16 port, const QByteArray& request,
                         const QHostAddress& from = QHostAddress()) {
    QByteArray reply;
    QTcpSocket socket;
    if (!from.isNull() && !socket.bind(from))
        return "(cannot bind) ";
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] { reply += socket.readAll(); });
    QSignalSpy closed(&socket, &QTcpSocket::disconnected);
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(10000))
        return "(not connected) ";
    socket.write(request);
    const bool closedByServer = closed.count() > 0 || closed.wait(10000);
    reply += socket.readAll();
    return closedByServer ? reply : "(left open) " + reply;
}

// The answers to requests sent at once, each on a connection of its own to its port: empty
// when the server closed without one; all marked when one was still open after 30 s.
inline QList<QByteArray> answersAtOnce(const QList<QPair<quint16, QByteArray>>& requests) {
    QList<QByteArray> replies(requests.size());
    qsizetype closed = 0;
    QObject connections;  // their parent
    for (qsizetype i = 0; i < requests.size(); ++i) {
        auto* s = new QTcpSocket(&connections);
        QObject::connect(s, &QTcpSocket::connected, s,
                         [s, r = requests[i].second] { s->write(r); });
        QObject::connect(s, &QTcpSocket::readyRead, s,
                         [s, &replies, i] { replies[i] += s->readAll(); });
        QObject::connect(s, &QTcpSocket::stateChanged, s, [&closed](auto state) {
            closed += state == QTcpSocket::UnconnectedState;
        });
        s->connectToHost(QHostAddress::LocalHost, requests[i].first);
    }
    if (!QTest::qWaitFor([&] { return closed == requests.size(); }, 30000))
        replies.fill("(left open)");
    return replies;
}
