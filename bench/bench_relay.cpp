// Many games at once through the matchmaking server's relay: what a pair costs the server
// in memory, what a relayed message costs it in CPU, and how much later a message arrives
// than over a direct loopback connection.
//
// Both games of every pair are played here by plain sockets: each side reads the other's
// message and answers with the next of a game's script, so every pair has one message in
// flight, as in a game. The same exchange over direct loopback connections is the baseline.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <functional>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/socket.h>

#include "MatchdProcess.h"
#include "net/MessageFraming.h"
#include "net/PeerMessage.h"

namespace {

using namespace benchmatchd;
using Clock = std::chrono::steady_clock;

constexpr int kTimeoutMs = 10000;
// Rounds of messages one at a time, enough for the server's CPU, read in ticks of 10 ms.
constexpr int kRounds = 5;

sockaddr_in loopback(quint16 port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
}

void noDelay(int fd) {
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

// A blocking connection, or -1.
int dial(quint16 port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in address = loopback(port);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) < 0) {
        ::close(fd);
        return -1;
    }
    if (fd >= 0)
        noDelay(fd);
    return fd;
}

bool sendAll(int fd, const QByteArray& bytes) {
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + sent,
                                 static_cast<size_t>(bytes.size() - sent), MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += n;
    }
    return true;
}

// Reads up to and with the first end mark (or, with `toClose`, until the peer closes). Reads
// a byte at a time, so nothing after the mark is taken from the socket.
QByteArray readFrame(int fd, bool toClose = false) {
    QByteArray got;
    while (got.size() < 4096) {
        pollfd p{fd, POLLIN, 0};
        char c = 0;
        if (::poll(&p, 1, kTimeoutMs) <= 0 || ::recv(fd, &c, 1, 0) != 1)
            return toClose ? got : QByteArray();
        got.append(c);
        if (!toClose && c == framing::kEndMark)
            return got;
    }
    return QByteArray();
}

// What two games say to each other, the two sides taking turns: the opening, one word of
// ten guesses on each side, its score and a few chat lines.
std::vector<QByteArray> gameScript() {
    using M = PeerMessage;
    const auto f = [](M m, const char* payload) { return framing::frame(codeOf(m), payload); };
    std::vector<QByteArray> s{
        f(M::PlayerName, "Annabel"),
        f(M::PlayerName, "Bo"),
        f(M::WordListTitle, "Animals"),
        f(M::GameOptions, "1;0;10;1"),
        f(M::HintMode, "1"),
        f(M::ReadyToStart, ""),
        f(M::ReadyToStart, ""),
        f(M::YourWord, "ELEPHANT;big and grey"),
        f(M::YourWord, "GIRAFFE;tall"),
        f(M::WordStarted, ""),
        f(M::WordStarted, ""),
        f(M::Chat, "good luck, this one is hard"),
        f(M::Chat, "you too!"),
    };
    const char letters[] = "EAITNRSOLP";
    for (int i = 0; i < 10; ++i) {
        const char guess[2] = {letters[i], 0};
        s.push_back(f(M::LetterGuessed, guess));
        s.push_back(f(M::GuessAttempts, QByteArray::number(10 - i / 3).constData()));
    }
    for (const char* tail : {"solved in 14 guesses", "solved in 16 guesses"})
        s.push_back(f(M::StatusLine, tail));
    s.push_back(f(M::WordScore, "86"));
    s.push_back(f(M::WordScore, "74"));
    s.push_back(f(M::SenderWord, "ELEPHANT"));
    s.push_back(f(M::SenderWord, "GIRAFFE"));
    s.push_back(f(M::Chat, "well played, again?"));
    s.push_back(f(M::Chat, "next time"));
    return s;
}

struct Pair {
    int caller = -1;  // sends the script's even messages
    int player = -1;  // sends the odd ones
};

struct Exchange {
    std::vector<qint64> latencyNs;
    qint64 messages = 0;
    int failedPairs = 0;
    double seconds = 0;
};

// Every pair plays the script at once, one message in flight per pair.
Exchange playAll(const std::vector<Pair>& pairs, const std::vector<QByteArray>& script) {
    struct State {
        size_t next = 0;  // the message in flight
        qsizetype got = 0;
        Clock::time_point sentAt;
        bool over = false;
    };
    Exchange result;
    std::vector<State> states(pairs.size());
    const int epoll = epoll_create1(EPOLL_CLOEXEC);
    const auto sendFrom = [&](size_t i) {
        State& s = states[i];
        const int fd = s.next % 2 == 0 ? pairs[i].caller : pairs[i].player;
        s.got = 0;
        s.sentAt = Clock::now();
        return sendAll(fd, script[s.next]);
    };
    size_t running = 0;
    for (size_t i = 0; i < pairs.size(); ++i) {
        for (int side = 0; side < 2; ++side) {
            epoll_event ev{};
            ev.events = EPOLLIN;
            ev.data.u64 = i * 2 + static_cast<size_t>(side);
            epoll_ctl(epoll, EPOLL_CTL_ADD, side == 0 ? pairs[i].caller : pairs[i].player, &ev);
        }
    }
    const Clock::time_point start = Clock::now();
    for (size_t i = 0; i < pairs.size(); ++i) {
        states[i].over = !sendFrom(i);
        running += states[i].over ? 0 : 1;
        result.failedPairs += states[i].over ? 1 : 0;
    }
    std::vector<epoll_event> events(512);
    char buffer[4096];
    while (running > 0) {
        const int n = epoll_wait(epoll, events.data(), static_cast<int>(events.size()), kTimeoutMs);
        if (n <= 0)
            break;
        for (int e = 0; e < n; ++e) {
            const size_t i = events[static_cast<size_t>(e)].data.u64 / 2;
            const bool atPlayer = events[static_cast<size_t>(e)].data.u64 % 2 == 1;
            State& s = states[i];
            const ssize_t got =
                ::recv(atPlayer ? pairs[i].player : pairs[i].caller, buffer, sizeof buffer, 0);
            if (s.over)
                continue;
            // Bytes where none are due, or a close, end the pair as a failure.
            if (got <= 0 || atPlayer != (s.next % 2 == 0) || s.got + got > script[s.next].size()) {
                epoll_ctl(epoll, EPOLL_CTL_DEL, pairs[i].caller, nullptr);
                epoll_ctl(epoll, EPOLL_CTL_DEL, pairs[i].player, nullptr);
                s.over = true;
                --running;
                ++result.failedPairs;
                continue;
            }
            s.got += got;
            if (s.got < script[s.next].size())
                continue;
            result.latencyNs.push_back(
                std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - s.sentAt)
                    .count());
            ++result.messages;
            if (++s.next == script.size() || !sendFrom(i)) {
                result.failedPairs += s.next == script.size() ? 0 : 1;
                s.over = true;
                --running;
            }
        }
    }
    result.failedPairs += static_cast<int>(running);
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    ::close(epoll);
    return result;
}

// One message at a time over all the pairs, each there and back, `rounds` times: the
// delay with nothing else in flight.
Exchange playOneByOne(const std::vector<Pair>& pairs, const QByteArray& message, int rounds) {
    Exchange result;
    const Clock::time_point start = Clock::now();
    for (int round = 0; round < rounds; ++round)
        for (const Pair& pair : pairs) {
            for (const auto& [from, to] :
                 {std::pair{pair.caller, pair.player}, std::pair{pair.player, pair.caller}}) {
                const Clock::time_point sentAt = Clock::now();
                if (!sendAll(from, message) || readFrame(to) != message) {
                    ++result.failedPairs;
                    break;
                }
                result.latencyNs.push_back(
                    std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - sentAt)
                        .count());
                ++result.messages;
            }
        }
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return result;
}

double percentileUs(std::vector<qint64> values, double p) {
    if (values.empty())
        return 0;
    const size_t k = std::min(values.size() - 1, static_cast<size_t>(p * values.size()));
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(k), values.end());
    return values[k] / 1000.0;
}

// Pairs of direct loopback connections, accepted by a listener of this process.
std::vector<Pair> directPairs(int count) {
    std::vector<Pair> pairs;
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    if (listener < 0 || ::bind(listener, reinterpret_cast<sockaddr*>(&address), length) < 0 ||
        ::listen(listener, 64) < 0 ||
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) < 0)
        return pairs;
    for (int i = 0; i < count; ++i) {
        Pair pair;
        pair.caller = dial(ntohs(address.sin_port));
        pair.player = pair.caller < 0 ? -1 : ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (pair.player < 0)
            break;
        noDelay(pair.player);
        pairs.push_back(pair);
    }
    ::close(listener);
    return pairs;
}

void closeAll(const std::vector<Pair>& pairs) {
    for (const Pair& pair : pairs) {
        ::close(pair.caller);
        ::close(pair.player);
    }
}

QByteArray playerName(int i) {
    return "player" + QByteArray::number(i);
}

// Registers, holds and joins `count` players; returns the pairs that were joined.
std::vector<Pair> relayedPairs(quint16 port, quint16 relayPort, int count,
                               const std::function<void(const QString&)>& stage) {
    const QByteArray address = "127.0.0.1";
    for (int i = 0; i < count; ++i) {
        const int fd = dial(port);
        const bool ok = fd >= 0 && sendAll(fd, "01" + playerName(i) + '\x01' + address + '\x02') &&
                        readFrame(fd, true) == "07\x02";
        ::close(fd);
        if (!ok) {
            say(QStringLiteral("registration %1 failed").arg(i));
            return {};
        }
    }
    stage(QStringLiteral("registered"));
    std::vector<Pair> pairs;
    std::vector<QByteArray> tokens;
    for (int i = 0; i < count; ++i) {
        Pair pair;
        pair.player = dial(relayPort);
        const QByteArray held =
            pair.player >= 0 &&
                    sendAll(pair.player, "20" + playerName(i) + '\x01' + address + '\x02')
                ? readFrame(pair.player)
                : QByteArray();
        if (!held.startsWith("21")) {
            say(QStringLiteral("hold %1 failed: %2").arg(i).arg(QString::fromLatin1(held)));
            closeAll(pairs);
            return {};
        }
        tokens.push_back(held.mid(held.lastIndexOf('/') + 1).chopped(1));
        pairs.push_back(pair);
    }
    stage(QStringLiteral("held"));
    for (int i = 0; i < count; ++i) {
        Pair& pair = pairs[static_cast<size_t>(i)];
        pair.caller = dial(relayPort);
        const bool ok = pair.caller >= 0 &&
                        sendAll(pair.caller, "24" + tokens[static_cast<size_t>(i)] + '\x02') &&
                        readFrame(pair.caller) == "22\x02" && readFrame(pair.player) == "22\x02";
        if (!ok) {
            say(QStringLiteral("call %1 was not joined").arg(i));
            closeAll(pairs);
            return {};
        }
    }
    stage(QStringLiteral("joined"));
    return pairs;
}

QString kib(qint64 kb) {
    return kb < 0 ? QStringLiteral("?") : QString::number(kb) + QStringLiteral(" KiB");
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    raiseDescriptorLimit();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Many games at once through the relay."));
    parser.addHelpOption();
    const QCommandLineOption serverOption(
        QStringLiteral("server"),
        QStringLiteral("Server program (default: ../server/ropewit-matchd beside this program)."),
        QStringLiteral("PATH"));
    const QCommandLineOption pairsOption(QStringLiteral("pairs"),
                                         QStringLiteral("Pairs at once (default 1000)."),
                                         QStringLiteral("N"), QStringLiteral("1000"));
    parser.addOptions({serverOption, pairsOption});
    parser.process(app);
    const int count = std::clamp(parser.value(pairsOption).toInt(), 1, 4000);
    const QString program = parser.isSet(serverOption)
                                ? parser.value(serverOption)
                                : QDir(QCoreApplication::applicationDirPath())
                                      .filePath(QStringLiteral("../server/ropewit-matchd"));
    const std::vector<QByteArray> script = gameScript();
    say(QStringLiteral("Relay benchmark: %1 pairs, %2 messages a game (%3 cores)")
            .arg(count)
            .arg(script.size())
            .arg(QThread::idealThreadCount()));

    // The per-address limit is lifted: every player here comes from 127.0.0.1.
    ServerUnderTest server;
    const QString n = QString::number(count);
    if (!server.start(program, {"--relay-port", "0", "--max-per-address", "0", "--capacity", n,
                                "--relay-max-pairs", n, "--relay-max-connections",
                                QString::number(2 * count + 100)}))
        return 1;
    const quint16 relayPort =
        server.logged(QRegularExpression(QStringLiteral("relay on port (\\d+),")));
    if (relayPort == 0) {
        say(QStringLiteral("the server did not report its relay port"));
        return 1;
    }
    std::vector<qint64> rss{readProcess(server.pid()).rssKb};
    QStringList stages{QStringLiteral("started")};
    const auto stage = [&](const QString& name) {
        rss.push_back(readProcess(server.pid()).rssKb);
        stages << name;
    };
    const std::vector<Pair> relayed = relayedPairs(server.port(), relayPort, count, stage);
    if (relayed.empty())
        return 1;

    const ProcessFigures before = readProcess(server.pid());
    const Exchange all = playAll(relayed, script);
    const ProcessFigures after = readProcess(server.pid());
    stage(QStringLiteral("played"));
    const Exchange one = playOneByOne(relayed, script[11], kRounds);
    const ProcessFigures afterOne = readProcess(server.pid());
    stage(QStringLiteral("one by one"));

    const std::vector<Pair> direct = directPairs(count);
    const Exchange allDirect = playAll(direct, script);
    const Exchange oneDirect = playOneByOne(direct, script[11], kRounds);
    closeAll(direct);
    closeAll(relayed);

    QStringList memory;
    for (size_t i = 0; i < rss.size(); ++i)
        memory << stages[static_cast<int>(i)] + QLatin1Char(' ') + kib(rss[i]);
    say(QStringLiteral("server VmRSS: %1; VmHWM %2").arg(memory.join(", "), kib(afterOne.hwmKb)));
    const qint64 growth = rss[4] - rss[1];
    say(QStringLiteral("memory per pair (RSS from registered to played / pairs): %1 KiB "
                       "(goal at most 32 KiB); held and joined only: %2 KiB")
            .arg(static_cast<double>(growth) / count, 0, 'f', 1)
            .arg(static_cast<double>(rss[3] - rss[1]) / count, 0, 'f', 1));
    const auto cpuPerMessage = [](const ProcessFigures& a, const ProcessFigures& b, qint64 n) {
        return n > 0 ? (b.cpuSeconds - a.cpuSeconds) * 1e6 / static_cast<double>(n) : 0.0;
    };
    say(QStringLiteral("server CPU per relayed message: %1 us with all pairs playing, %2 us one "
                       "at a time")
            .arg(cpuPerMessage(before, after, all.messages), 0, 'f', 1)
            .arg(cpuPerMessage(after, afterOne, one.messages), 0, 'f', 1));
    say(QStringLiteral("| run | messages | failed pairs | seconds | p50 us | p99 us |"));
    say(QStringLiteral("|---|---:|---:|---:|---:|---:|"));
    const auto row = [](const QString& name, const Exchange& x) {
        say(QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 |")
                .arg(name)
                .arg(x.messages)
                .arg(x.failedPairs)
                .arg(x.seconds, 0, 'f', 2)
                .arg(percentileUs(x.latencyNs, 0.5), 0, 'f', 1)
                .arg(percentileUs(x.latencyNs, 0.99), 0, 'f', 1));
    };
    row(QStringLiteral("relay, all pairs at once"), all);
    row(QStringLiteral("direct, all pairs at once"), allDirect);
    row(QStringLiteral("relay, one message at a time"), one);
    row(QStringLiteral("direct, one message at a time"), oneDirect);
    say(QStringLiteral("added by the relay, one at a time: p50 %1 us, p99 %2 us (goal p50 under "
                       "1000 us); all at once: p50 %3 us, p99 %4 us")
            .arg(percentileUs(one.latencyNs, 0.5) - percentileUs(oneDirect.latencyNs, 0.5), 0, 'f',
                 1)
            .arg(percentileUs(one.latencyNs, 0.99) - percentileUs(oneDirect.latencyNs, 0.99), 0,
                 'f', 1)
            .arg(percentileUs(all.latencyNs, 0.5) - percentileUs(allDirect.latencyNs, 0.5), 0, 'f',
                 1)
            .arg(percentileUs(all.latencyNs, 0.99) - percentileUs(allDirect.latencyNs, 0.99), 0,
                 'f', 1));
    const bool failed =
        all.failedPairs + one.failedPairs + allDirect.failedPairs + oneDirect.failedPairs > 0 ||
        direct.size() != relayed.size() || !server.alive();
    return failed ? 1 : 0;
}
