#include "MatchOptions.h"

#include <QCommandLineParser>
#include <algorithm>

#ifndef ROPEWIT_VERSION
#define ROPEWIT_VERSION "0"
#endif

namespace matchd {

namespace {

CommandLine failure(const QString& message) {
    CommandLine cl;
    cl.action = CommandLine::Action::Error;
    cl.text = message;
    return cl;
}

// A whole decimal number within [low, high]; nothing else.
bool readNumber(const QString& text, qint64 low, qint64 high, qint64* out) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    if (!ok || value < low || value > high || text.trimmed() != text || text.startsWith('+'))
        return false;
    *out = value;
    return true;
}

}  // namespace

std::optional<RedisAddress> parseRedisUrl(const QString& url) {
    static const QLatin1String scheme("redis://");
    if (!url.startsWith(scheme))
        return std::nullopt;
    QString rest = url.mid(scheme.size());
    RedisAddress a;
    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    if (slash >= 0) {
        const QString db = rest.mid(slash + 1);
        qint64 value = 0;
        if (!db.isEmpty()) {
            if (!readNumber(db, 0, 1000000, &value))
                return std::nullopt;
            a.db = static_cast<int>(value);
        }
        rest.truncate(slash);
    }
    QString port;
    if (rest.startsWith(QLatin1Char('['))) {
        const qsizetype close = rest.indexOf(QLatin1Char(']'));
        if (close < 0)
            return std::nullopt;
        a.host = rest.mid(1, close - 1);
        const QString after = rest.mid(close + 1);
        if (!after.isEmpty() && !after.startsWith(QLatin1Char(':')))
            return std::nullopt;
        port = after.mid(1);
        if (after.isEmpty())
            port.clear();
    } else {
        const qsizetype colon = rest.lastIndexOf(QLatin1Char(':'));
        a.host = colon >= 0 ? rest.left(colon) : rest;
        if (colon >= 0)
            port = rest.mid(colon + 1);
        if (a.host.contains(QLatin1Char(':')))
            return std::nullopt;
    }
    if (a.host.isEmpty() || a.host.contains(QLatin1Char('@')))
        return std::nullopt;
    if (!port.isEmpty() || rest.endsWith(QLatin1Char(':'))) {
        qint64 value = 0;
        if (!readNumber(port, 1, 65535, &value))
            return std::nullopt;
        a.port = static_cast<quint16>(value);
    }
    return a;
}

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Matchmaking server of Ropewit: keeps the list of players who wait for "
                       "an opponent."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and exits."));
    const QCommandLineOption listen(
        QStringLiteral("listen"), QStringLiteral("Address to listen on (default: every address)."),
        QStringLiteral("ADDR"));
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("TCP port (default 52202; 0 lets the system choose, the first log "
                       "line names it)."),
        QStringLiteral("N"));
    const QCommandLineOption capacity(
        QStringLiteral("capacity"),
        QStringLiteral("Most players waiting at once (default 1000, at most 1000000)."),
        QStringLiteral("N"));
    const QCommandLineOption expiry(
        QStringLiteral("expiry"),
        QStringLiteral("Seconds a registration lasts unless renewed (default 600)."),
        QStringLiteral("SECONDS"));
    const QCommandLineOption maxConnections(
        QStringLiteral("max-connections"),
        QStringLiteral("Most connections open at once; more are closed at once "
                       "(default 20000)."),
        QStringLiteral("N"));
    QCommandLineOption idleTimeout(
        QStringLiteral("idle-timeout-ms"),
        QStringLiteral("Milliseconds a connection may take to deliver its request."),
        QStringLiteral("MS"));
    idleTimeout.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption redisTimeout(
        QStringLiteral("redis-timeout-ms"),
        QStringLiteral("Milliseconds Redis may take to connect or to reply before it counts as "
                       "unreachable (default 3000)."),
        QStringLiteral("MS"));
    const QCommandLineOption store(
        QStringLiteral("store"),
        QStringLiteral("Where the waiting players live: memory (this process, the default) or "
                       "redis://HOST:PORT[/DB], shared by every server on that Redis."),
        QStringLiteral("STORE"));
    const QCommandLineOption maxPerAddress(
        QStringLiteral("max-per-address"),
        QStringLiteral("Most players waiting from one source address (default 8; 0: no "
                       "limit)."),
        QStringLiteral("N"));
    const QCommandLineOption addressPolicy(
        QStringLiteral("address-policy"),
        QStringLiteral("The address a player is listed with: claimed (as sent), observed (the "
                       "connection's source address, with the port sent) or auto (observed "
                       "only when the claimed one is private and the observed one is not; "
                       "the default)."),
        QStringLiteral("POLICY"));
    const QCommandLineOption logRequests(
        QStringLiteral("log-requests"),
        QStringLiteral("Logs every request (refusals are logged either way)."));
    const QCommandLineOption statsInterval(
        QStringLiteral("stats-interval"),
        QStringLiteral("Logs counts of requests, refusals, connections and waiting players "
                       "every SECONDS (default 0: never)."),
        QStringLiteral("SECONDS"));
    const auto option = [](const char* name, const char* text, const char* value) {
        return QCommandLineOption(QLatin1String(name), QLatin1String(text), QLatin1String(value));
    };
    const QCommandLineOption relayPort = option(
        "relay-port",
        "TCP port of the relay, through which players who cannot be called directly are called "
        "(default: no relay; 0 lets the system choose).",
        "N");
    const QCommandLineOption publicAddress =
        option("public-address",
               "Name or address callers reach this server at, in relayed players' listed "
               "addresses (default: the --listen address).",
               "HOST");
    const QCommandLineOption relayMaxPairs =
        option("relay-max-pairs", "Most relayed pairs at once (default 1000).", "N");
    const QCommandLineOption relayMaxConnections =
        option("relay-max-connections", "Most relay connections open at once (default 4000).", "N");
    const QCommandLineOption relayTokenTimeout =
        option("relay-token-timeout-ms",
               "Milliseconds a relay connection has to say who it is (default 10000).", "MS");
    const QCommandLineOption relayIdle = option(
        "relay-idle-timeout",
        "Seconds a relayed pair may stay silent before it is closed (default 1800).", "SECONDS");
    const QCommandLineOption relayRate =
        option("relay-rate",
               "Bytes per second each side of a pair may send, sustained (default 4096).", "BYTES");
    const QCommandLineOption relayBurst = option(
        "relay-burst", "Bytes each side of a pair may send at once (default 65536).", "BYTES");
    const QCommandLineOption relayWrongTokenDelay =
        option("relay-wrong-token-delay-ms",
               "Milliseconds by which each wrong token delays the next token from its address "
               "(default 1000).",
               "MS");
    const QCommandLineOption probeTimeout =
        option("probe-timeout-ms",
               "Milliseconds a waiting player's port has to answer a reachability probe "
               "(default 3000).",
               "MS");
    QCommandLineOption relayRenew = option("relay-renew-ms", "", "MS");
    relayRenew.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({help,
                       version,
                       listen,
                       port,
                       capacity,
                       expiry,
                       maxConnections,
                       idleTimeout,
                       redisTimeout,
                       store,
                       maxPerAddress,
                       addressPolicy,
                       logRequests,
                       statsInterval,
                       relayPort,
                       publicAddress,
                       relayMaxPairs,
                       relayMaxConnections,
                       relayTokenTimeout,
                       relayIdle,
                       relayRate,
                       relayBurst,
                       relayWrongTokenDelay,
                       probeTimeout,
                       relayRenew});

    if (!parser.parse(arguments))
        return failure(parser.errorText());
    if (parser.isSet(help)) {
        CommandLine cl;
        cl.action = CommandLine::Action::Help;
        cl.text = parser.helpText();
        return cl;
    }
    if (parser.isSet(version)) {
        CommandLine cl;
        cl.action = CommandLine::Action::Version;
        cl.text = QStringLiteral("ropewit-matchd " ROPEWIT_VERSION "\n");
        return cl;
    }
    if (!parser.positionalArguments().isEmpty())
        return failure(QStringLiteral("unexpected argument \"%1\"")
                           .arg(parser.positionalArguments().constFirst()));

    CommandLine cl;
    Options& o = cl.options;
    if (parser.isSet(listen)) {
        const QString value = parser.value(listen);
        if (value.compare(QLatin1String("any"), Qt::CaseInsensitive) == 0) {
            o.listen = QHostAddress(QHostAddress::Any);
        } else if (!o.listen.setAddress(value)) {
            return failure(
                QStringLiteral("--listen: \"%1\" is not an IPv4 or IPv6 address").arg(value));
        }
    }
    if (parser.isSet(store)) {
        const QString value = parser.value(store);
        if (value != QLatin1String("memory")) {
            o.redis = parseRedisUrl(value);
            if (!o.redis) {
                return failure(QStringLiteral("--store: expected memory or redis://HOST:PORT[/DB], "
                                              "got \"%1\"")
                                   .arg(value));
            }
        }
    }
    if (parser.isSet(addressPolicy)) {
        const QString value = parser.value(addressPolicy);
        if (value == QLatin1String("auto")) {
            o.addressPolicy = AddressPolicy::Auto;
        } else if (value == QLatin1String("claimed")) {
            o.addressPolicy = AddressPolicy::Claimed;
        } else if (value == QLatin1String("observed")) {
            o.addressPolicy = AddressPolicy::Observed;
        } else {
            return failure(
                QStringLiteral("--address-policy: expected auto, claimed or observed, got \"%1\"")
                    .arg(value));
        }
    }
    o.logRequests = parser.isSet(logRequests);
    struct NumberOption {
        const QCommandLineOption& option;
        qint64 low;
        qint64 high;
        int* target;
    };
    int portValue = o.port;
    const NumberOption numbers[] = {
        {port, 0, 65535, &portValue},
        {capacity, 1, 1000000, &o.capacity},
        {expiry, 1, 31536000, &o.expirySeconds},
        {maxConnections, 1, 1000000, &o.maxConnections},
        {idleTimeout, 1, 86400000, &o.idleTimeoutMs},
        {redisTimeout, 1, 86400000, &o.redisTimeoutMs},
        {maxPerAddress, 0, 1000000, &o.maxPerAddress},
        {statsInterval, 0, 86400, &o.statsIntervalSeconds},
        {relayPort, 0, 65535, &o.relayPort},
        {relayMaxPairs, 1, 1000000, &o.relayMaxPairs},
        {relayMaxConnections, 1, 1000000, &o.relayMaxConnections},
        {relayTokenTimeout, 1, 600000, &o.relayTokenTimeoutMs},
        {relayIdle, 1, 86400, &o.relayIdleTimeoutSeconds},
        {relayRate, 1, 1000000000, &o.relayRate},
        {relayBurst, 1, 1000000000, &o.relayBurst},
        {relayWrongTokenDelay, 0, 600000, &o.relayWrongTokenDelayMs},
        {relayRenew, 1, 86400000, &o.relayRenewMs},
        {probeTimeout, 1, 60000, &o.probeTimeoutMs},
    };
    for (const NumberOption& n : numbers) {
        if (!parser.isSet(n.option))
            continue;
        const QString value = parser.value(n.option);
        qint64 read = 0;
        if (!readNumber(value, n.low, n.high, &read)) {
            return failure(QStringLiteral("--%1: expected a whole number from %2 to %3, got \"%4\"")
                               .arg(n.option.names().constFirst())
                               .arg(n.low)
                               .arg(n.high)
                               .arg(value));
        }
        *n.target = static_cast<int>(read);
    }
    o.port = static_cast<quint16>(portValue);
    QString host = parser.value(publicAddress);
    if (!parser.isSet(publicAddress) && o.listen != QHostAddress(QHostAddress::Any))
        host = o.listen.toString();
    if (QHostAddress(host).protocol() == QAbstractSocket::IPv6Protocol)
        host = QLatin1Char('[') + host + QLatin1Char(']');
    o.publicAddress = host.toLatin1();
    if (o.relayPort >= 0 && host.isEmpty())
        return failure(QStringLiteral("--relay-port needs --public-address (or --listen)"));
    const bool plain = std::all_of(host.begin(), host.end(), [](QChar c) {
        return c.unicode() > 0x20 && c.unicode() < 0x7F && c != QLatin1Char('/');
    });
    if (!plain || host.size() > kMaxPublicAddress)
        return failure(QStringLiteral("--public-address: expected a host name or address of at "
                                      "most %1 printable characters, got \"%2\"")
                           .arg(kMaxPublicAddress)
                           .arg(host));
    return cl;
}

}  // namespace matchd
