// A listening game under a flood of small messages from a hostile caller, over loopback:
// how much its memory grows, how late a 1-second timer fires, how soon a second caller gets
// the busy reply, and how soon the game takes a new caller once the flooder has closed.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_soak [--seconds N]
// The flooder is this program again, started as: bench_soak --flood HOST PORT SECONDS SNDBUF
// (--sndbuf BYTES sets the flooder's send buffer; 0, the default, leaves the system's.)
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>
#include <thread>
#include <vector>

#include "Silent.h"
#include "app/MainWin.h"
#include "app/NetworkSteps.h"
#include "core/Prompts.h"
#include "core/Sound.h"
#include "net/PeerConnection.h"
#include "net/TWSocket.h"

namespace {

// The system-wide monotonic clock, so the flooder's and the game's moments compare.
qint64 nowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<qint64>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

double toMs(qint64 ns) {
    return static_cast<double>(ns) / 1e6;
}

long statusKb(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray prefix(key);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix)) {
            return line.mid(prefix.size()).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

int connectLoopback(quint16 port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) {
        return -1;
    }
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Reads what arrives until the other end closes or timeoutMs pass; returns the bytes and
// the moment the first of them arrived (0: none).
QByteArray readUntilClosed(int fd, int timeoutMs, qint64* firstAt) {
    QByteArray got;
    *firstAt = 0;
    const qint64 deadline = nowNs() + static_cast<qint64>(timeoutMs) * 1000000;
    char buf[4096];
    while (nowNs() < deadline && got.size() < 1024 * 1024) {
        pollfd p{fd, POLLIN, 0};
        const int left = static_cast<int>((deadline - nowNs()) / 1000000) + 1;
        if (::poll(&p, 1, left) <= 0) {
            break;
        }
        const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
        if (n <= 0) {
            break;
        }
        if (*firstAt == 0) {
            *firstAt = nowNs();
        }
        got.append(buf, static_cast<int>(n));
    }
    return got;
}

// ---- the flooder ----

// Sends small valid messages at full speed for the given time, then closes its sending side
// and reads what the game still sends until the game closes, so the close is a clean one
// (unread data at close would turn it into a reset and spare the game its backlog).
// Prints the moment of the close and the amount sent.
int flood(const char* host, quint16 port, int seconds, int sendBuffer) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    if (fd < 0 || ::inet_pton(AF_INET, host, &addr.sin_addr) != 1 ||
        ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        std::fprintf(stderr, "flooder: cannot call %s:%u: %s\n", host, port, std::strerror(errno));
        return 1;
    }
    if (sendBuffer > 0) {
        ::setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &sendBuffer, sizeof sendBuffer);
    }
    timeval slice{0, 100000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &slice, sizeof slice);
    // A status line and a guess-attempts message, over and over.
    QByteArray chunk;
    while (chunk.size() < 64 * 1024) {
        chunk += QByteArrayLiteral(
            "05x\x02"
            "0208\x02");
    }
    const qint64 end = nowNs() + static_cast<qint64>(seconds) * 1000000000;
    qint64 sent = 0;
    qint64 offset = 0;
    char sink[65536];
    while (nowNs() < end) {
        const ssize_t n = ::send(fd, chunk.constData() + offset,
                                 static_cast<size_t>(chunk.size() - offset), MSG_NOSIGNAL);
        if (n > 0) {
            sent += n;
            offset = (offset + n) % chunk.size();
        } else if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            break;  // the game dropped the connection
        }
        // What the game says back is read so its sends never stall on us.
        while (::recv(fd, sink, sizeof sink, MSG_DONTWAIT) > 0) {
        }
    }
    ::shutdown(fd, SHUT_WR);
    const qint64 closedAt = nowNs();
    // Until the game closes (bounded), so the socket never ends with unread data.
    const qint64 waitEnd = closedAt + 100LL * 1000000000;
    qint64 gameClosedAt = 0;
    while (nowNs() < waitEnd) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 100) > 0) {
            const ssize_t n = ::recv(fd, sink, sizeof sink, 0);
            if (n <= 0) {
                gameClosedAt = nowNs();
                break;
            }
        }
    }
    ::close(fd);
    std::printf("closed %lld sent %lld gameclosed %lld\n", static_cast<long long>(closedAt),
                static_cast<long long>(sent), static_cast<long long>(gameClosedAt));
    std::fflush(stdout);
    return 0;
}

// ---- the game ----

struct BusyCall {
    double replyMs = -1;  // connect to the first byte of the reply; -1: no reply
    bool busyText = false;
};

// A second caller, from its own thread so the game's event loop does not deliver its reply.
BusyCall callWhileBusy(quint16 port) {
    BusyCall result;
    const qint64 start = nowNs();
    const int fd = connectLoopback(port);
    if (fd < 0) {
        return result;
    }
    qint64 firstAt = 0;
    const QByteArray reply = readUntilClosed(fd, 10000, &firstAt);
    ::close(fd);
    if (firstAt != 0) {
        result.replyMs = toMs(firstAt - start);
    }
    result.busyText = reply.startsWith("I am already playing!");
    return result;
}

// Calls again and again until the game takes the call (its opening messages come instead of
// the busy reply); returns the moment it was taken (0: not within timeoutMs).
qint64 callUntilTaken(quint16 port, int timeoutMs, int* attempts) {
    const qint64 deadline = nowNs() + static_cast<qint64>(timeoutMs) * 1000000;
    while (nowNs() < deadline) {
        ++*attempts;
        const int fd = connectLoopback(port);
        if (fd < 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        char buf[256];
        pollfd p{fd, POLLIN, 0};
        const int left = static_cast<int>((deadline - nowNs()) / 1000000) + 1;
        ssize_t n = 0;
        if (::poll(&p, 1, left) > 0) {
            n = ::recv(fd, buf, sizeof buf, 0);
        }
        const qint64 at = nowNs();
        ::close(fd);
        if (n >= 2 && buf[0] == '0' && buf[1] == '5') {
            return at;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return 0;
}

const char* verdict(bool ok) {
    return ok ? "PASS" : "MISS";
}

int runGame(int seconds, int sendBuffer) {
    QTemporaryDir dir;
    SilentPrompts prompts;
    SilentSound sound;
    AppContext ctx;
    ctx.configDir = dir.path();
    ctx.programDir = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    ctx.prompts = &prompts;
    ctx.sound = &sound;
    ctx.peerPort = 0;  // a free port of the system's choosing
    TMainWin win(ctx);
    win.show();
    win.ShowWelcome(false);
    win.game().setSolo(false);
    win.EnableDisable();
    win.StartIt();
    win.peer().setListening(true);
    win.network().StartServer();
    if (win.peer().srvWSocket().state() != TWSocket::wsListening) {
        std::fprintf(stderr, "the game does not listen\n");
        return 0;
    }
    const quint16 port = win.peer().srvWSocket().localPort();

    qint64 handled = 0;
    QObject::connect(&win.peer(), &PeerConnection::received, &win,
                     [&handled](PeerMessage, const QString&) { ++handled; });
    QStringList notices;
    qint64 firstNoticeAt = 0;
    qint64 handledAtNotice = 0;
    QObject::connect(&win.peer(), &PeerConnection::logLine, &win, [&](const QString& l) {
        if (l.startsWith(QLatin1String("NOTICE:> ")) && !l.contains(QLatin1String("trying"))) {
            notices << l;
            if (firstNoticeAt == 0) {
                firstNoticeAt = nowNs();
                handledAtNotice = handled;
            }
        }
    });

    // Memory, sampled ten times a second.
    QCoreApplication::processEvents();
    const long rssStartKb = statusKb("VmRSS:");
    long rssPeakKb = rssStartKb;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout,
                     [&] { rssPeakKb = std::max(rssPeakKb, statusKb("VmRSS:")); });
    sampler.start(100);

    // The 1-second timer: how much later than a second after the last one each tick comes.
    double worstLateFloodMs = 0;
    double worstLateAfterMs = 0;
    bool flooding = true;
    qint64 lastTick = nowNs();
    QTimer second;
    second.setTimerType(Qt::PreciseTimer);
    QObject::connect(&second, &QTimer::timeout, [&] {
        const qint64 now = nowNs();
        const double late = toMs(now - lastTick) - 1000.0;
        lastTick = now;
        double& worst = flooding ? worstLateFloodMs : worstLateAfterMs;
        worst = std::max(worst, late);
    });
    second.start(1000);

    QProcess flooder;
    flooder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 floodStart = nowNs();
    flooder.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--flood"), QStringLiteral("127.0.0.1"), QString::number(port),
                   QString::number(seconds), QString::number(sendBuffer)});

    // Second callers at a quarter, half and three quarters of the flood, each on its thread.
    std::mutex lock;
    std::vector<BusyCall> busy;
    std::vector<std::thread> threads;
    for (int i = 1; i <= 3; ++i) {
        const qint64 at = floodStart + static_cast<qint64>(seconds) * 1000000000 * i / 4;
        threads.emplace_back([&, at] {
            std::this_thread::sleep_for(
                std::chrono::nanoseconds(std::max<qint64>(0, at - nowNs())));
            const BusyCall call = callWhileBusy(port);
            std::lock_guard<std::mutex> guard(lock);
            busy.push_back(call);
        });
    }
    // Once the flooder has closed: how soon a new caller is taken as the opponent.
    std::atomic<qint64> takenAt{0};
    int attempts = 0;
    std::thread newCaller([&] {
        const qint64 at = floodStart + static_cast<qint64>(seconds) * 1000000000 + 50000000;
        std::this_thread::sleep_for(std::chrono::nanoseconds(std::max<qint64>(0, at - nowNs())));
        takenAt = callUntilTaken(port, 90000, &attempts);
    });

    QEventLoop loop;
    bool newCallerDone = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (flooding && nowNs() >= floodStart + static_cast<qint64>(seconds) * 1000000000) {
            flooding = false;
        }
        if (takenAt != 0 || nowNs() > floodStart + (seconds + 95LL) * 1000000000) {
            newCallerDone = true;
        }
        if (newCallerDone && flooder.state() != QProcess::NotRunning &&
            nowNs() > floodStart + (seconds + 95LL) * 1000000000) {
            flooder.kill();  // the game never closed on it
            flooder.waitForFinished(1000);
        }
        if (newCallerDone && flooder.state() == QProcess::NotRunning) {
            loop.quit();
        }
    });
    watch.start(50);
    // One more second of life after the new caller, so a late stall still shows in the timer.
    loop.exec();
    QElapsedTimer tail;
    tail.start();
    while (tail.elapsed() < 1500) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    second.stop();
    sampler.stop();
    rssPeakKb = std::max(rssPeakKb, statusKb("VmRSS:"));
    const long rssEndKb = statusKb("VmRSS:");
    newCaller.join();
    for (std::thread& t : threads) {
        t.join();
    }

    const QList<QByteArray> out = flooder.readAllStandardOutput().trimmed().split(' ');
    qint64 closedAt = 0;
    qint64 sent = 0;
    qint64 gameClosedAt = 0;
    if (out.size() == 6 && out[0] == "closed") {
        closedAt = out[1].toLongLong();
        sent = out[3].toLongLong();
        gameClosedAt = out[5].toLongLong();
    }

    double worstBusyMs = 0;
    bool allBusy = !busy.empty();
    QStringList busyTimes;
    for (const BusyCall& b : busy) {
        allBusy = allBusy && b.replyMs >= 0 && b.busyText;
        worstBusyMs = std::max(worstBusyMs, b.replyMs < 0 ? 1e9 : b.replyMs);
        busyTimes << (b.replyMs < 0 ? QStringLiteral("none")
                                    : QString::number(b.replyMs, 'f', 1) +
                                          (b.busyText ? QString() : QStringLiteral("(?)")));
    }
    const double growthMb = (rssPeakKb - rssStartKb) / 1024.0;
    const double takenMs = takenAt != 0 && closedAt != 0 ? toMs(takenAt - closedAt) : -1;
    const double gameClosedMs =
        gameClosedAt != 0 && closedAt != 0 ? toMs(gameClosedAt - closedAt) : -1;

    std::printf(
        "Soak: %d s flood of \"05x\" and \"0208\" messages over loopback, flooder send buffer %s\n",
        seconds, sendBuffer > 0 ? qPrintable(QString::number(sendBuffer)) : "the system's");
    std::printf("  sent by the flooder        %.1f MB (%lld messages)\n", sent / 1e6,
                static_cast<long long>(sent * 2 / 9));
    std::printf("  handled by the game        %lld messages\n", static_cast<long long>(handled));
    if (firstNoticeAt != 0) {
        std::printf("  first notice               %.2f s into the flood, %lld messages handled\n",
                    toMs(firstNoticeAt - floodStart) / 1000.0,
                    static_cast<long long>(handledAtNotice));
    }
    std::printf("  RSS start / peak / end     %.1f / %.1f / %.1f MB (VmHWM %.1f MB)\n",
                rssStartKb / 1024.0, rssPeakKb / 1024.0, rssEndKb / 1024.0,
                statusKb("VmHWM:") / 1024.0);
    std::printf("  timer late, after flood    %.1f ms (worst, while the backlog is dealt with)\n",
                worstLateAfterMs);
    std::printf("  busy replies (ms)          %s\n",
                qPrintable(busyTimes.join(QStringLiteral(", "))));
    std::printf("  game closed after flooder  %.1f ms\n", gameClosedMs);
    std::printf("  new caller attempts        %d\n", attempts);
    for (const QString& n : notices) {
        std::printf("  log: %s\n", qPrintable(n));
    }
    std::printf("\n| figure | measured | target | |\n|---|---:|---:|---|\n");
    std::printf("| RSS growth (peak - start) | %.1f MB | <= 50 MB | %s |\n", growthMb,
                verdict(growthMb <= 50));
    std::printf("| worst 1 s timer lateness during the flood | %.1f ms | <= 100 ms | %s |\n",
                worstLateFloodMs, verdict(worstLateFloodMs <= 100));
    std::printf("| worst busy reply to a second caller | %.1f ms | <= 200 ms | %s |\n",
                worstBusyMs >= 1e9 ? -1.0 : worstBusyMs, verdict(allBusy && worstBusyMs <= 200));
    std::printf("| flooder's close to a new caller taken | %.1f ms | <= 3000 ms | %s |\n", takenMs,
                verdict(takenMs >= 0 && takenMs <= 3000));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 6 && std::strcmp(argv[1], "--flood") == 0) {
        return flood(argv[2], static_cast<quint16>(std::atoi(argv[3])), std::atoi(argv[4]),
                     std::atoi(argv[5]));
    }
    int seconds = 60;
    int sendBuffer = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
            seconds = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--sndbuf") == 0 && i + 1 < argc) {
            sendBuffer = std::max(0, std::atoi(argv[++i]));
        } else {
            std::fprintf(stderr, "usage: %s [--seconds N] [--sndbuf BYTES]\n", argv[0]);
            return 2;
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    return runGame(seconds, sendBuffer);
}
