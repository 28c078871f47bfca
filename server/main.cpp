#include <QCoreApplication>
#include <QDateTime>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include "MatchOptions.h"
#include "MatchServer.h"
#include "MatchService.h"
#include "MemoryStore.h"
#include "ReachProbe.h"
#include "RedisStore.h"
#include "RelayServer.h"

namespace {

void writeLine(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    if (!bytes.endsWith('\n'))
        std::fputc('\n', stream);
    std::fflush(stream);
}

// Every open connection is a descriptor; the default soft limit is often far below the
// connection limit.
void raiseDescriptorLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

// SIGTERM and SIGINT reach the event loop through a pipe, so that stopping is logged like
// everything else.
int stopPipe[2] = {-1, -1};

void onStopSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(stopPipe[1], &byte, 1);
}

QString policyName(matchd::AddressPolicy policy) {
    switch (policy) {
        case matchd::AddressPolicy::Auto:
            return QStringLiteral("auto");
        case matchd::AddressPolicy::Claimed:
            return QStringLiteral("claimed");
        case matchd::AddressPolicy::Observed:
            return QStringLiteral("observed");
    }
    return {};
}

QString relayStats(const matchd::RelayServer& relay) {
    const matchd::RelayCounts& c = relay.counts();
    return QStringLiteral(
               "; relay held=%1 pairs=%2 joined=%3 refused unknown-token=%4 busy=%5 "
               "full=%6 bad=%7 cut over-cap=%8 idle=%9 bytes=%10")
        .arg(relay.holding())
        .arg(relay.pairs())
        .arg(c.joins)
        .arg(c.unknownToken)
        .arg(c.busy)
        .arg(c.full)
        .arg(c.bad)
        .arg(c.overCap)
        .arg(c.idle)
        .arg(c.bytes);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ropewit-matchd"));

    const matchd::CommandLine cl = matchd::parseCommandLine(QCoreApplication::arguments());
    switch (cl.action) {
        case matchd::CommandLine::Action::Help:
        case matchd::CommandLine::Action::Version:
            writeLine(stdout, cl.text);
            return 0;
        case matchd::CommandLine::Action::Error:
            writeLine(stderr, QStringLiteral("ropewit-matchd: ") + cl.text +
                                  QStringLiteral("\nTry 'ropewit-matchd --help'."));
            return 2;
        case matchd::CommandLine::Action::Run:
            break;
    }
    const matchd::Options& o = cl.options;

    // A peer that vanishes while being answered must not end the server.
    signal(SIGPIPE, SIG_IGN);
    raiseDescriptorLimit();

    std::unique_ptr<matchd::MatchServer> server;
    // The store may have something to say before the server exists.
    const auto log = [](const QString& line) {
        writeLine(stdout,
                  QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs) + " - " + line);
    };
    std::unique_ptr<matchd::WaitingStore> store;
    QString storeName = QStringLiteral("memory");
    if (o.redis) {
        matchd::RedisStore::Settings settings;
        settings.address = *o.redis;
        settings.capacity = o.capacity;
        settings.expiryMs = qint64{o.expirySeconds} * 1000;
        settings.maxPerSource = o.maxPerAddress;
        settings.replyTimeoutMs = o.redisTimeoutMs;
        store = std::make_unique<matchd::RedisStore>(settings, log);
        storeName = QStringLiteral("redis://%1:%2/%3")
                        .arg(o.redis->host.contains(QLatin1Char(':'))
                                 ? QLatin1Char('[') + o.redis->host + QLatin1Char(']')
                                 : o.redis->host)
                        .arg(o.redis->port)
                        .arg(o.redis->db);
    } else {
        store = std::make_unique<matchd::MemoryStore>(o.capacity, qint64{o.expirySeconds} * 1000,
                                                      o.maxPerAddress);
    }
    matchd::MatchService service(*store, o.addressPolicy);
    server = std::make_unique<matchd::MatchServer>(
        service, matchd::ServerLimits{o.maxConnections, o.idleTimeoutMs, o.logRequests},
        [](const QString& line) { writeLine(stdout, line); });
    if (!server->listen(o.listen, o.port)) {
        writeLine(stderr, QStringLiteral("ropewit-matchd: cannot listen on %1 port %2: %3")
                              .arg(o.listen.toString())
                              .arg(o.port)
                              .arg(server->errorString()));
        return 1;
    }
    server->log(
        QStringLiteral("-"),
        QStringLiteral("listening on %1 port %2; store %3, capacity %4, expiry %5 s, at most %6 "
                       "per address, address policy %7, idle timeout %8 ms, at most %9 "
                       "connections")
            .arg(o.listen == QHostAddress(QHostAddress::Any) ? QStringLiteral("every address")
                                                             : o.listen.toString())
            .arg(server->serverPort())
            .arg(storeName)
            .arg(o.capacity)
            .arg(o.expirySeconds)
            .arg(o.maxPerAddress)
            .arg(policyName(o.addressPolicy))
            .arg(o.idleTimeoutMs)
            .arg(o.maxConnections));

    std::unique_ptr<matchd::RelayServer> relay;
    if (o.relayPort >= 0) {
        matchd::RelayLimits limits;
        limits.publicHost = o.publicAddress;
        limits.maxPairs = o.relayMaxPairs;
        limits.maxConnections = o.relayMaxConnections;
        limits.tokenTimeoutMs = o.relayTokenTimeoutMs;
        limits.idleTimeoutSeconds = o.relayIdleTimeoutSeconds;
        limits.rateBytesPerSecond = o.relayRate;
        limits.burstBytes = o.relayBurst;
        limits.wrongTokenDelayMs = o.relayWrongTokenDelayMs;
        // Renewed well before the registration would lapse.
        limits.renewMs = static_cast<int>(
            std::min<qint64>(o.relayRenewMs, qint64{o.expirySeconds} * 1000 / 2 + 1));
        limits.expiryMs = qint64{o.expirySeconds} * 1000;
        relay = std::make_unique<matchd::RelayServer>(
            *store, limits,
            [&server](const QString& who, const QString& what) { server->log(who, what); });
        if (!relay->listen(o.listen, static_cast<quint16>(o.relayPort))) {
            writeLine(stderr, QStringLiteral("ropewit-matchd: cannot listen for the relay on %1 "
                                             "port %2: %3")
                                  .arg(o.listen.toString())
                                  .arg(o.relayPort)
                                  .arg(relay->errorString()));
            return 1;
        }
        relay->setPublicPort(relay->serverPort());
        // A player who leaves is let go by the relay at once, not at the next renewal.
        service.setRemovalListener([&relay](const QByteArray& name, const QByteArray& address) {
            relay->released(name, address);
        });
        server->log(QStringLiteral("-"),
                    QStringLiteral("relay on port %1, listed as %2:%1/TOKEN; at most %3 pairs, "
                                   "%4 bytes/s (bursts of %5) per side, idle timeout %6 s")
                        .arg(relay->serverPort())
                        .arg(QString::fromLatin1(o.publicAddress))
                        .arg(o.relayMaxPairs)
                        .arg(o.relayRate)
                        .arg(o.relayBurst)
                        .arg(o.relayIdleTimeoutSeconds));
    }

    matchd::ReachProbe probe(o.probeTimeoutMs);
    service.setReachProbe(&probe, relay ? relay->serverPort() : 0);

    std::unique_ptr<QSocketNotifier> stopNotifier;
    if (::pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        stopNotifier = std::make_unique<QSocketNotifier>(stopPipe[0], QSocketNotifier::Read);
        QObject::connect(stopNotifier.get(), &QSocketNotifier::activated, &app, [&] {
            char byte = 0;
            while (::read(stopPipe[0], &byte, 1) > 0) {
            }
            server->log(QStringLiteral("-"), QStringLiteral("stopping"));
            QCoreApplication::quit();
        });
        struct sigaction action {};
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        sigaction(SIGTERM, &action, nullptr);
        sigaction(SIGINT, &action, nullptr);
    }

    QTimer stats;
    if (o.statsIntervalSeconds > 0) {
        QObject::connect(&stats, &QTimer::timeout, &app, [&] {
            store->count([&](qint64 waiting) {
                const matchd::ServerCounts& c = server->counts();
                server->log(QStringLiteral("-"),
                            QStringLiteral("stats: requests register=%1 remove=%2 list=%3 "
                                           "search=%4; refused=%5 turned-away=%6 ignored=%7 "
                                           "unanswered=%8 connections-refused=%9; open "
                                           "connections=%10; waiting players=%11")
                                    .arg(c.registers)
                                    .arg(c.removals)
                                    .arg(c.lists)
                                    .arg(c.searches)
                                    .arg(c.refused)
                                    .arg(c.turnedAway)
                                    .arg(c.ignored)
                                    .arg(c.unanswered)
                                    .arg(c.connectionsRefused)
                                    .arg(server->openConnections())
                                    .arg(waiting < 0 ? QStringLiteral("unknown")
                                                     : QString::number(waiting)) +
                                (relay ? relayStats(*relay) : QString()));
            });
        });
        stats.start(o.statsIntervalSeconds * 1000);
    }
    const int code = QCoreApplication::exec();
    relay.reset();
    server->close();
    server.reset();
    return code;
}
