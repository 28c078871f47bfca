#pragma once

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QProcess>
#include <QString>
#include <QTcpServer>
#include <QTemporaryDir>

// A private redis-server (7 or later, for DEBUG) on 127.0.0.1, on a port that was free a
// moment ago (another one is tried when something took it meanwhile), keeping no files.
class RedisProcess {
public:
    RedisProcess() {
        for (int attempt = 0; attempt < 8 && port_ == 0; ++attempt) {
            QTcpServer probe;
            if (!probe.listen(QHostAddress::LocalHost, 0))
                continue;
            const quint16 candidate = probe.serverPort();
            probe.close();
            if (start(candidate))
                port_ = candidate;
        }
    }
    ~RedisProcess() { stop(); }
    RedisProcess(const RedisProcess&) = delete;
    RedisProcess& operator=(const RedisProcess&) = delete;

    quint16 port() const { return port_; }
    QString url() const { return QStringLiteral("redis://127.0.0.1:%1").arg(port_); }

    void stop() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(10000);
        }
    }
    // Starts it again on the same port, empty.
    bool restart() {
        stop();
        return port_ != 0 && start(port_);
    }

private:
    bool start(quint16 port) {
        process_.setProgram(QStringLiteral("redis-server"));
        process_.setArguments({"--port", QString::number(port), "--bind", "127.0.0.1", "--save", "",
                               "--appendonly", "no", "--daemonize", "no", "--dir", dir_.path(),
                               "--logfile", "", "--enable-debug-command", "local"});
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start();
        if (!process_.waitForStarted(10000))
            return false;
        QByteArray output;
        QDeadlineTimer deadline(15000);
        while (!deadline.hasExpired() && process_.state() == QProcess::Running) {
            output += process_.readAll();
            if (output.contains("Ready to accept connections"))
                return true;
            process_.waitForReadyRead(100);
        }
        stop();
        return false;
    }

    QTemporaryDir dir_;
    QProcess process_;
    quint16 port_ = 0;
};
