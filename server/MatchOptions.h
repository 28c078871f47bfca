#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>
#include <optional>

#include "AddressPolicy.h"

namespace matchd {

// Where a Redis store is: redis://HOST:PORT[/DB].
struct RedisAddress {
    QString host;
    quint16 port = 6379;
    int db = 0;
};

// Reads redis://HOST[:PORT][/DB]; HOST may be an IPv6 address in brackets.
std::optional<RedisAddress> parseRedisUrl(const QString& url);

struct Options {
    QHostAddress listen = QHostAddress(QHostAddress::Any);
    quint16 port = 52202;  // 0: the system picks one; the first log line names it
    int capacity = 1000;
    int expirySeconds = 600;
    int maxConnections = 20000;
    int idleTimeoutMs = 30000;
    std::optional<RedisAddress> redis;  // none: the list lives in this process
    int redisTimeoutMs = 3000;          // a reply or connection slower than this is an outage
    int maxPerAddress = 8;
    AddressPolicy addressPolicy = AddressPolicy::Auto;
    bool logRequests = false;
    int statsIntervalSeconds = 0;  // 0: no stats lines
    // The relay; off while relayPort is negative.
    int relayPort = -1;
    QByteArray publicAddress;  // in a listed address: bracketed when IPv6
    int relayMaxPairs = 1000;
    int relayMaxConnections = 4000;
    int relayTokenTimeoutMs = 10000;
    int relayIdleTimeoutSeconds = 1800;
    int relayRate = 4096;
    int relayBurst = 65536;
    int relayWrongTokenDelayMs = 1000;
    int relayRenewMs = 30000;
    int probeTimeoutMs = 3000;  // a player's port that has not answered by then is not reachable
};

// The longest --public-address: HOST:PORT/TOKEN must fit the 50 bytes a listed address has.
constexpr int kMaxPublicAddress = 50 - 1 - 5 - 1 - 22;

struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    Options options;
    QString text;  // help text, version line or error message
};

// Reads the program's arguments (the first being the program itself).
CommandLine parseCommandLine(const QStringList& arguments);

}  // namespace matchd
