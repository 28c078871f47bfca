#pragma once

// The matchmaking server as the benchmarks run it: a process of their own on a free port of
// 127.0.0.1, and its memory and CPU read from /proc while it works.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

#include <sys/resource.h>
#include <unistd.h>

namespace benchmatchd {

inline void say(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

inline void raiseDescriptorLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

struct ProcessFigures {
    qint64 rssKb = -1;
    qint64 hwmKb = -1;
    double cpuSeconds = -1;
};

inline ProcessFigures readProcess(qint64 pid) {
    ProcessFigures f;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = status.readAll().split('\n');
        for (const QByteArray& line : lines) {
            const QList<QByteArray> parts = line.simplified().split(' ');
            if (parts.size() >= 2 && parts[0] == "VmRSS:")
                f.rssKb = parts[1].toLongLong();
            if (parts.size() >= 2 && parts[0] == "VmHWM:")
                f.hwmKb = parts[1].toLongLong();
        }
    }
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray text = stat.readAll();
        // Fields after the command name, which is in parentheses and may hold blanks.
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 12) {
            const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
            f.cpuSeconds = (fields[11].toDouble() + fields[12].toDouble()) / ticks;
        }
    }
    return f;
}

class ServerUnderTest {
public:
    // Starts the server, or takes the one named by --connect.
    bool start(const QString& program, const QStringList& extraArgs) {
        if (!dir_.isValid())
            return false;
        logPath_ = dir_.filePath(QStringLiteral("matchd.log"));
        process_.setStandardOutputFile(logPath_);
        process_.setStandardErrorFile(dir_.filePath(QStringLiteral("matchd.err")));
        process_.start(program, QStringList{"--listen", "127.0.0.1", "--port", "0"} + extraArgs);
        if (!process_.waitForStarted(10000)) {
            say(QStringLiteral("cannot start %1: %2").arg(program, process_.errorString()));
            return false;
        }
        pid_ = process_.processId();
        static const QRegularExpression portLine(QStringLiteral("listening on .* port (\\d+);"));
        port_ = logged(portLine);
        if (port_ != 0)
            return true;
        say(QStringLiteral("the server did not report its port"));
        return false;
    }
    void attach(quint16 port, qint64 pid) {
        port_ = port;
        pid_ = pid;
    }
    ~ServerUnderTest() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            if (!process_.waitForFinished(5000)) {
                process_.kill();
                process_.waitForFinished(5000);
            }
        }
    }
    // The first number the pattern captures in the server's log, waiting up to 10 s for
    // the line; 0 when it does not come.
    quint16 logged(const QRegularExpression& pattern) {
        for (int i = 0; i < 500 && process_.state() == QProcess::Running; ++i) {
            QFile log(logPath_);
            if (log.open(QIODevice::ReadOnly)) {
                const QRegularExpressionMatch m = pattern.match(QString::fromUtf8(log.readAll()));
                if (m.hasMatch())
                    return static_cast<quint16>(m.captured(1).toUInt());
            }
            QThread::msleep(20);
        }
        return 0;
    }
    quint16 port() const { return port_; }
    qint64 pid() const { return pid_; }
    bool alive() const {
        return pid_ > 0 && QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid_));
    }

private:
    QTemporaryDir dir_;
    QString logPath_;
    QProcess process_;
    quint16 port_ = 0;
    qint64 pid_ = 0;
};

}  // namespace benchmatchd
