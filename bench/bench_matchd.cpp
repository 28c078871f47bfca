// Load on the matchmaking server: list requests from many clients at once, one connection
// per request as the game makes them, and the memory that many idle connections cost.
//
// The load itself is made with plain non-blocking sockets and epoll rather than Qt
// sockets: the generator shares the machine with the server and has to be the cheaper of
// the two for the figures to describe the server.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <random>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include "MatchdProcess.h"
#include "WaitingRegistry.h"

namespace {

using namespace benchmatchd;

using Clock = std::chrono::steady_clock;

qint64 descriptorLimit() {
    rlimit limit{};
    return getrlimit(RLIMIT_NOFILE, &limit) == 0 ? static_cast<qint64>(limit.rlim_cur) : 1024;
}

int openNonBlocking(const sockaddr_in& address) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) < 0 &&
        errno != EINPROGRESS) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// ---- many short exchanges ----

struct LoadResult {
    qint64 done = 0;
    qint64 failed = 0;
    double seconds = 0;
    std::vector<qint64> latencyUs;
};

// `concurrency` clients, each: connect, send the request, read until the server closes,
// check the reply, start over. Stops after `total` exchanges (total > 0) or when `until`
// has passed, and waits for the exchanges under way.
// With `closeWhenGood` the client closes as soon as the reply is complete and good (a
// server such as Redis keeps the connection open).
LoadResult runLoad(const sockaddr_in& address, int concurrency,
                   const std::function<QByteArray(qint64)>& request,
                   const std::function<bool(const QByteArray&)>& good, qint64 total,
                   Clock::time_point until, bool closeWhenGood = false) {
    struct Slot {
        int fd = -1;
        Clock::time_point started;
        QByteArray request;
        qsizetype sent = 0;
        QByteArray reply;
    };
    LoadResult result;
    std::vector<Slot> slots(static_cast<size_t>(concurrency));
    const int epoll = epoll_create1(EPOLL_CLOEXEC);
    if (epoll < 0)
        return result;
    qint64 begun = 0;
    int active = 0;
    const Clock::time_point start = Clock::now();

    auto wantMore = [&] { return total > 0 ? begun < total : Clock::now() < until; };
    auto launch = [&](size_t i) {
        if (!wantMore())
            return;
        Slot& s = slots[i];
        s.fd = openNonBlocking(address);
        if (s.fd < 0) {
            ++result.failed;
            return;
        }
        s.started = Clock::now();
        s.request = request(begun++);
        s.sent = 0;
        s.reply.clear();
        epoll_event ev{};
        ev.events = EPOLLOUT | EPOLLIN | EPOLLRDHUP;
        ev.data.u64 = i;
        epoll_ctl(epoll, EPOLL_CTL_ADD, s.fd, &ev);
        ++active;
    };
    auto finish = [&](size_t i, bool ok) {
        Slot& s = slots[i];
        ::close(s.fd);
        s.fd = -1;
        --active;
        if (ok) {
            ++result.done;
            result.latencyUs.push_back(
                std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - s.started)
                    .count());
        } else {
            ++result.failed;
        }
    };

    for (size_t i = 0; i < slots.size(); ++i)
        launch(i);
    std::vector<epoll_event> events(256);
    char buffer[4096];
    while (active > 0 || wantMore()) {
        // Slots whose connection could not even be opened try again.
        for (size_t i = 0; i < slots.size() && active < concurrency; ++i) {
            if (slots[i].fd < 0)
                launch(i);
        }
        const int n = epoll_wait(epoll, events.data(), static_cast<int>(events.size()), 100);
        for (int e = 0; e < n; ++e) {
            const size_t i = static_cast<size_t>(events[static_cast<size_t>(e)].data.u64);
            const quint32 what = events[static_cast<size_t>(e)].events;
            Slot& s = slots[i];
            if (s.fd < 0)
                continue;
            if ((what & EPOLLOUT) && s.sent < s.request.size()) {
                const ssize_t w =
                    ::send(s.fd, s.request.constData() + s.sent,
                           static_cast<size_t>(s.request.size() - s.sent), MSG_NOSIGNAL);
                if (w > 0)
                    s.sent += w;
                else if (errno != EAGAIN && errno != EINPROGRESS && errno != ENOTCONN) {
                    finish(i, false);
                    launch(i);
                    continue;
                }
                if (s.sent == s.request.size()) {
                    epoll_event ev{};
                    ev.events = EPOLLIN | EPOLLRDHUP;
                    ev.data.u64 = i;
                    epoll_ctl(epoll, EPOLL_CTL_MOD, s.fd, &ev);
                }
            }
            if (what & (EPOLLIN | EPOLLRDHUP | EPOLLHUP | EPOLLERR)) {
                for (;;) {
                    const ssize_t r = ::recv(s.fd, buffer, sizeof buffer, 0);
                    if (r > 0) {
                        if (s.reply.size() < 65536)
                            s.reply.append(buffer, r);
                        if (closeWhenGood && good(s.reply)) {
                            finish(i, true);
                            launch(i);
                            break;
                        }
                        continue;
                    }
                    if (r == 0) {
                        finish(i, s.sent == s.request.size() && good(s.reply));
                        launch(i);
                    } else if (errno != EAGAIN) {
                        finish(i, false);
                        launch(i);
                    }
                    break;
                }
            }
        }
    }
    ::close(epoll);
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return result;
}

qint64 percentile(std::vector<qint64> values, double p) {
    if (values.empty())
        return 0;
    const size_t k = std::min(values.size() - 1, static_cast<size_t>(p * values.size()));
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(k), values.end());
    return values[k];
}

QByteArray registration(qint64 i) {
    return "01player" + QByteArray::number(i) + '\x01' + "10.0." + QByteArray::number(i / 250) +
           '.' + QByteArray::number(i % 250 + 1) + '\x02';
}

// ---- many idle connections ----

// Opens `count` connections and leaves them silent; at most `inFlight` are being set up at
// once. Returns the ones that connected.
std::vector<int> openIdle(const sockaddr_in& address, int count, int inFlight) {
    std::vector<int> open;
    open.reserve(static_cast<size_t>(count));
    const int epoll = epoll_create1(EPOLL_CLOEXEC);
    if (epoll < 0)
        return open;
    int begun = 0;
    int pending = 0;
    int failures = 0;
    std::vector<epoll_event> events(256);
    const Clock::time_point giveUp = Clock::now() + std::chrono::seconds(60);
    while ((begun < count || pending > 0) && Clock::now() < giveUp && failures < 1000) {
        while (begun < count && pending < inFlight) {
            const int fd = openNonBlocking(address);
            ++begun;
            if (fd < 0) {
                ++failures;
                continue;
            }
            epoll_event ev{};
            ev.events = EPOLLOUT;
            ev.data.fd = fd;
            epoll_ctl(epoll, EPOLL_CTL_ADD, fd, &ev);
            ++pending;
        }
        const int n = epoll_wait(epoll, events.data(), static_cast<int>(events.size()), 100);
        for (int e = 0; e < n; ++e) {
            const int fd = events[static_cast<size_t>(e)].data.fd;
            epoll_ctl(epoll, EPOLL_CTL_DEL, fd, nullptr);
            --pending;
            int error = 0;
            socklen_t length = sizeof error;
            getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length);
            if (error == 0) {
                open.push_back(fd);
            } else {
                ++failures;
                ::close(fd);
            }
        }
    }
    ::close(epoll);
    return open;
}

int stillOpen(const std::vector<int>& fds) {
    int open = 0;
    for (int fd : fds) {
        pollfd p{fd, POLLIN | POLLRDHUP, 0};
        if (::poll(&p, 1, 0) == 0)
            ++open;
    }
    return open;
}

QString megabytes(qint64 kb) {
    return kb < 0 ? QStringLiteral("?") : QString::number(kb / 1024.0, 'f', 1) + " MB";
}

// ---- a private redis-server ----

class RedisUnderTest {
public:
    bool start() {
        for (int attempt = 0; attempt < 5; ++attempt) {
            // A port that was free a moment ago; another one if it was taken meanwhile.
            const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in a{};
            a.sin_family = AF_INET;
            a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            socklen_t length = sizeof a;
            ::bind(probe, reinterpret_cast<sockaddr*>(&a), sizeof a);
            ::getsockname(probe, reinterpret_cast<sockaddr*>(&a), &length);
            ::close(probe);
            const quint16 port = ntohs(a.sin_port);
            process_.setProcessChannelMode(QProcess::MergedChannels);
            process_.start(QStringLiteral("redis-server"),
                           {"--port", QString::number(port), "--bind", "127.0.0.1", "--save", "",
                            "--appendonly", "no", "--dir", dir_.path(), "--logfile", ""});
            if (!process_.waitForStarted(10000))
                return false;
            QByteArray out;
            for (int i = 0; i < 100 && process_.state() == QProcess::Running; ++i) {
                process_.waitForReadyRead(100);
                out += process_.readAll();
                if (out.contains("Ready to accept connections")) {
                    port_ = port;
                    return true;
                }
            }
            process_.kill();
            process_.waitForFinished(5000);
        }
        return false;
    }
    ~RedisUnderTest() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
    quint16 port() const { return port_; }
    qint64 pid() const { return process_.processId(); }
    QString url() const { return QStringLiteral("redis://127.0.0.1:%1").arg(port_); }

private:
    QTemporaryDir dir_;
    QProcess process_;
    quint16 port_ = 0;
};

// ---- the search index, in this process ----

// CPU time of this thread, so that other work on the machine does not count.
double threadCpuMicroseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

double microsecondsPerCall(const std::function<void()>& call, int calls) {
    double best = 1e300;
    for (int round = 0; round < 5; ++round) {
        const double t0 = threadCpuMicroseconds();
        for (int i = 0; i < calls; ++i)
            call();
        best = std::min(best, (threadCpuMicroseconds() - t0) / calls);
    }
    return best;
}

bool runIndex(int players) {
    std::mt19937 rng(20261208);
    // Names of 4 to 12 letters from a..y in both cases, so that "z" finds nobody.
    const auto name = [&] {
        QByteArray n;
        const int length = 4 + static_cast<int>(rng() % 9);
        for (int i = 0; i < length; ++i)
            n += static_cast<char>((rng() % 2 ? 'a' : 'A') + static_cast<int>(rng() % 25));
        return n;
    };
    std::vector<QByteArray> names, addresses;
    names.reserve(static_cast<size_t>(players));
    addresses.reserve(static_cast<size_t>(players));
    qint64 textBytes = 0;
    for (int i = 0; i < players; ++i) {
        names.push_back(name());
        addresses.push_back(
            QByteArray::number(rng() % 223 + 1) + '.' + QByteArray::number(rng() % 256) + '.' +
            QByteArray::number(rng() % 256) + '.' + QByteArray::number(rng() % 256) + ":52201");
        textBytes += names.back().size() + addresses.back().size();
    }
    const qint64 before = readProcess(QCoreApplication::applicationPid()).rssKb;
    const Clock::time_point t0 = Clock::now();
    auto registry = std::make_unique<matchd::WaitingRegistry>(players, 3600000, 0);
    for (int i = 0; i < players; ++i) {
        matchd::Registration r{names[static_cast<size_t>(i)],
                               addresses[static_cast<size_t>(i)],
                               {},
                               QByteArray::number(i % 65536)};
        if (registry->add(r, 0) != matchd::AddResult::Added && registry->count(0) != players)
            return false;
    }
    const double fillSeconds = std::chrono::duration<double>(Clock::now() - t0).count();
    const qint64 after = readProcess(QCoreApplication::applicationPid()).rssKb;
    const double perPlayer = (after - before) * 1024.0 / players;
    const double text = static_cast<double>(textBytes) / players;
    say(QStringLiteral("index: %1 players registered in %2 s; %3 bytes per player in memory, of "
                       "which %4 are name and address (%5 besides them)")
            .arg(registry->count(0))
            .arg(fillSeconds, 0, 'f', 2)
            .arg(perPlayer, 0, 'f', 0)
            .arg(text, 0, 'f', 1)
            .arg(perPlayer - text, 0, 'f', 0));
    struct Search {
        const char* what;
        QByteArray letters;
    };
    for (const Search& s : {Search{"miss (\"z\")", "z"}, Search{"miss (\"Abz\")", "Abz"},
                            Search{"many (\"a\", 1 in 25)", "a"}, Search{"few (\"abcd\")", "abcd"},
                            Search{"everyone (\"\")", ""}, Search{"list 03", QByteArray()}}) {
        int found = 0;
        const double us = microsecondsPerCall(
            [&] { found = static_cast<int>(registry->withPrefix(s.letters, 10, 1).size()); },
            20000);
        say(QStringLiteral("index: search %1: %2 us of CPU per request, %3 found")
                .arg(QString::fromLatin1(s.what))
                .arg(us, 0, 'f', 2)
                .arg(found));
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    raiseDescriptorLimit();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Load on the matchmaking server."));
    parser.addHelpOption();
    const QCommandLineOption serverOption(
        QStringLiteral("server"),
        QStringLiteral("Server program to start (default: ../server/ropewit-matchd beside "
                       "this program)."),
        QStringLiteral("PATH"));
    const QCommandLineOption connectOption(
        QStringLiteral("connect"),
        QStringLiteral("Use a running server on 127.0.0.1 at this port instead."),
        QStringLiteral("PORT"));
    const QCommandLineOption pidOption(QStringLiteral("pid"),
                                       QStringLiteral("Process id of that server, for its memory."),
                                       QStringLiteral("PID"));
    const QCommandLineOption modeOption(
        QStringLiteral("mode"),
        QStringLiteral("list, idle, all (the two), compare (memory store, Redis store "
                       "and redis-server PING side by side) or "
                       "index (the search index in this process) "
                       "(default all)."),
        QStringLiteral("MODE"), QStringLiteral("all"));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"),
                                           QStringLiteral("Length of the list run (default 5)."),
                                           QStringLiteral("S"), QStringLiteral("5"));
    const QCommandLineOption clientsOption(QStringLiteral("clients"),
                                           QStringLiteral("Concurrent clients (default 64)."),
                                           QStringLiteral("N"), QStringLiteral("64"));
    const QCommandLineOption playersOption(
        QStringLiteral("players"), QStringLiteral("Players registered first (default 1000)."),
        QStringLiteral("N"), QStringLiteral("1000"));
    const QCommandLineOption idleOption(QStringLiteral("idle"),
                                        QStringLiteral("Idle connections to hold (default 10000)."),
                                        QStringLiteral("N"), QStringLiteral("10000"));
    const QCommandLineOption lettersOption(
        QStringLiteral("letters"),
        QStringLiteral("In the list run, search (04) for these letters instead of asking for "
                       "the longest waiting (03)."),
        QStringLiteral("TEXT"));
    parser.addOptions({serverOption, connectOption, pidOption, modeOption, secondsOption,
                       clientsOption, playersOption, idleOption, lettersOption});
    parser.process(app);

    const QString mode = parser.value(modeOption);
    const bool doList = mode == QLatin1String("all") || mode == QLatin1String("list");
    const bool doIdle = mode == QLatin1String("all") || mode == QLatin1String("idle");
    const bool doCompare = mode == QLatin1String("compare");
    const bool doIndex = mode == QLatin1String("index");
    const int seconds = std::clamp(parser.value(secondsOption).toInt(), 1, 600);
    const int clients = std::clamp(parser.value(clientsOption).toInt(), 1, 4096);
    const int players = std::clamp(parser.value(playersOption).toInt(), 0, 1000000);
    if (doIndex) {
        const int n = parser.isSet(playersOption) ? std::max(players, 1) : 1000000;
        return runIndex(n) ? 0 : 1;
    }
    const int idle = std::clamp(parser.value(idleOption).toInt(), 1, 1000000);
    if (!doList && !doIdle && !doCompare) {
        say(QStringLiteral("unknown mode \"%1\"").arg(mode));
        return 2;
    }
    const QString program = parser.isSet(serverOption)
                                ? parser.value(serverOption)
                                : QDir(QCoreApplication::applicationDirPath())
                                      .filePath(QStringLiteral("../server/ropewit-matchd"));

    // Each run gets a server of its own unless one is given.
    auto startServer = [&](ServerUnderTest& server, const QStringList& args) {
        if (parser.isSet(connectOption)) {
            server.attach(static_cast<quint16>(parser.value(connectOption).toUInt()),
                          parser.value(pidOption).toLongLong());
            return server.port() != 0;
        }
        return server.start(program, args);
    };
    auto addressOf = [](quint16 port) {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return a;
    };

    say(QStringLiteral("Matchmaking server benchmark (%1 cores)").arg(QThread::idealThreadCount()));
    bool failed = false;

    if (doCompare) {
        struct Row {
            QString target;
            LoadResult load;
            double cpuSeconds = 0;  // the server's, and Redis's where it works for it
            QString cpuNote;
        };
        std::vector<Row> rows;
        const auto listGood = [players](const QByteArray& reply) {
            return reply.startsWith("05") && reply.endsWith('\x02') &&
                   reply.count('\x03') == std::min(players, 10);
        };
        // Every target gets the same client: connect, send, read the whole reply, close.
        const auto measure = [&](const QString& target, quint16 port, const QByteArray& request,
                                 const std::function<bool(const QByteArray&)>& good,
                                 const std::vector<qint64>& pids, const QString& note) {
            std::vector<ProcessFigures> before;
            for (qint64 pid : pids)
                before.push_back(readProcess(pid));
            Row row;
            row.target = target;
            row.cpuNote = note;
            row.load = runLoad(
                addressOf(port), clients, [request](qint64) { return request; }, good, 0,
                Clock::now() + std::chrono::seconds(seconds), true);
            for (size_t i = 0; i < pids.size(); ++i)
                row.cpuSeconds += readProcess(pids[i]).cpuSeconds - before[i].cpuSeconds;
            failed = failed || row.load.failed > 0;
            rows.push_back(std::move(row));
        };
        const auto fill = [&](quint16 port) {
            const LoadResult reg = runLoad(
                addressOf(port), 16, registration,
                [](const QByteArray& reply) { return reply == QByteArray("07\x02"); }, players,
                Clock::time_point::max());
            failed = failed || reg.failed > 0;
        };
        const QStringList common{"--capacity", QString::number(std::max(players, 1)),
                                 "--max-per-address", "0"};
        {
            ServerUnderTest memory;
            if (!memory.start(program, common))
                return 1;
            fill(memory.port());
            measure(QStringLiteral("ropewit-matchd, memory store (03)"), memory.port(), "03\x02",
                    listGood, {memory.pid()}, QStringLiteral("matchd"));
        }
        {
            RedisUnderTest redis;
            ServerUnderTest viaRedis;
            if (!redis.start()) {
                say(QStringLiteral("cannot start redis-server"));
                return 1;
            }
            if (!viaRedis.start(program, common + QStringList{"--store", redis.url()}))
                return 1;
            fill(viaRedis.port());
            measure(QStringLiteral("ropewit-matchd, Redis store (03)"), viaRedis.port(), "03\x02",
                    listGood, {viaRedis.pid(), redis.pid()}, QStringLiteral("matchd + redis"));
            measure(
                QStringLiteral("redis-server, PING"), redis.port(), "*1\r\n$4\r\nPING\r\n",
                [](const QByteArray& reply) { return reply == "+PONG\r\n"; }, {redis.pid()},
                QStringLiteral("redis"));
        }
        const Row& ping = rows.back();
        const auto perRequestUs = [](const Row& r) {
            return r.load.done > 0 ? r.cpuSeconds * 1e6 / r.load.done : 0.0;
        };
        const auto rateOf = [](const Row& r) {
            return r.load.seconds > 0 ? r.load.done / r.load.seconds : 0.0;
        };
        say(QStringLiteral("%1 clients, %2 s each, %3 players waiting; CPU is the server's "
                           "user + system time per answered request")
                .arg(clients)
                .arg(seconds)
                .arg(players));
        say(
            QStringLiteral("| target | requests/s | p50 ms | p99 ms | failed | server CPU per "
                           "request | CPU vs PING | requests/s vs PING |"));
        say(QStringLiteral("|---|---:|---:|---:|---:|---:|---:|---:|"));
        for (const Row& r : rows) {
            say(QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 us (%7) | %8 | %9 |")
                    .arg(r.target)
                    .arg(rateOf(r), 0, 'f', 0)
                    .arg(percentile(r.load.latencyUs, 0.50) / 1000.0, 0, 'f', 2)
                    .arg(percentile(r.load.latencyUs, 0.99) / 1000.0, 0, 'f', 2)
                    .arg(r.load.failed)
                    .arg(perRequestUs(r), 0, 'f', 1)
                    .arg(r.cpuNote)
                    .arg(perRequestUs(ping) > 0 ? perRequestUs(r) / perRequestUs(ping) : 0, 0, 'f',
                         2)
                    .arg(rateOf(ping) > 0 ? rateOf(r) / rateOf(ping) : 0, 0, 'f', 2));
        }
    }

    if (doList) {
        ServerUnderTest server;
        if (!startServer(server, {"--capacity", QString::number(std::max(players, 1)),
                                  "--max-per-address", "0"}))
            return 1;
        const sockaddr_in address = addressOf(server.port());
        const LoadResult reg = runLoad(
            address, 16, registration,
            [](const QByteArray& reply) { return reply == QByteArray("07\x02"); }, players,
            Clock::time_point::max());
        say(QStringLiteral("registered %1 players in %2 s (%3 failed)")
                .arg(reg.done)
                .arg(reg.seconds, 0, 'f', 2)
                .arg(reg.failed));

        const bool search = parser.isSet(lettersOption);
        const QByteArray request =
            search ? "04" + parser.value(lettersOption).toLatin1() + '\x02' : "03\x02";
        const ProcessFigures before = readProcess(server.pid());
        const LoadResult load = runLoad(
            address, clients, [request](qint64) { return request; },
            [players, search](const QByteArray& reply) {
                return reply.startsWith("05") && reply.endsWith('\x02') &&
                       (search || reply.count('\x03') == std::min(players, 10));
            },
            0, Clock::now() + std::chrono::seconds(seconds));
        const ProcessFigures after = readProcess(server.pid());
        const double rate = load.seconds > 0 ? load.done / load.seconds : 0;
        QString cpu = QStringLiteral("?");
        if (before.cpuSeconds >= 0 && after.cpuSeconds >= 0 && load.seconds > 0) {
            cpu =
                QString::number(100.0 * (after.cpuSeconds - before.cpuSeconds) / load.seconds, 'f',
                                0) +
                QStringLiteral("% of one core, ") +
                QString::number(
                    load.done > 0 ? (after.cpuSeconds - before.cpuSeconds) * 1e6 / load.done : 0.0,
                    'f', 1) +
                QStringLiteral(" us per request");
        }
        say(QStringLiteral("%10 requests: %1 clients for %2 s: %3 answered, %4 failed; "
                           "%5 requests/s; latency p50 %6 ms, p99 %7 ms; server CPU %8; "
                           "server VmHWM %9")
                .arg(clients)
                .arg(load.seconds, 0, 'f', 2)
                .arg(load.done)
                .arg(load.failed)
                .arg(rate, 0, 'f', 0)
                .arg(percentile(load.latencyUs, 0.50) / 1000.0, 0, 'f', 2)
                .arg(percentile(load.latencyUs, 0.99) / 1000.0, 0, 'f', 2)
                .arg(cpu)
                .arg(megabytes(after.hwmKb))
                .arg(search ? QStringLiteral("search (04 \"%1\")").arg(parser.value(lettersOption))
                            : QStringLiteral("list (03)")));
        failed = failed || load.failed > 0 || reg.failed > 0 || !server.alive();
    }

    if (doIdle) {
        if (descriptorLimit() < idle + 64) {
            say(QStringLiteral("only %1 descriptors allowed; raise the hard limit (ulimit -Hn) "
                               "for %2 connections")
                    .arg(descriptorLimit())
                    .arg(idle));
        }
        ServerUnderTest server;
        // The idle timeout is stretched so the connections outlive the measurement.
        if (!startServer(server, {"--idle-timeout-ms", "600000", "--max-connections",
                                  QString::number(idle + 1000)}))
            return 1;
        const sockaddr_in address = addressOf(server.port());
        const ProcessFigures before = readProcess(server.pid());
        const Clock::time_point t0 = Clock::now();
        std::vector<int> fds = openIdle(address, idle, 1000);
        const double openSeconds = std::chrono::duration<double>(Clock::now() - t0).count();
        // Callers are accepted in order, so once a later request is answered the server
        // has taken every earlier connection.
        const LoadResult probe = runLoad(
            address, 1, [](qint64) { return QByteArray("03\x02"); },
            [](const QByteArray& reply) { return reply.startsWith("05"); }, 1,
            Clock::time_point::max());
        const ProcessFigures held = readProcess(server.pid());
        const int open = stillOpen(fds);
        say(QStringLiteral("idle connections: %1 opened in %2 s, %3 still open; server VmRSS "
                           "%4 (%5 before), VmHWM %6; the server answered %7")
                .arg(fds.size())
                .arg(openSeconds, 0, 'f', 2)
                .arg(open)
                .arg(megabytes(held.rssKb))
                .arg(megabytes(before.rssKb))
                .arg(megabytes(held.hwmKb))
                .arg(probe.done == 1 ? QStringLiteral("meanwhile") : QStringLiteral("NOT")));
        for (int fd : fds)
            ::close(fd);
        failed = failed || probe.done != 1 || open != idle || !server.alive();
    }
    return failed ? 1 : 0;
}
