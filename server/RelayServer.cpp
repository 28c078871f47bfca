#include "RelayServer.h"

#include <QRandomGenerator>
#include <QTcpSocket>
#include <algorithm>

#include "AddressPolicy.h"
#include "MatchProtocol.h"

namespace matchd {

namespace {

using namespace relaywire;

// How often deadlines, idle pairs and renewals are looked at.
constexpr int kTickMs = 100;
// A side whose partner has this much unsent is not read until the partner catches up.
constexpr qint64 kMaxBacklog = 65536;

QByteArray frame(const char* code, const QByteArray& payload = {}) {
    return QByteArray(code) + payload + kEndMark;
}

QByteArray newToken() {
    quint32 bits[4];
    QRandomGenerator::system()->fillRange(bits);
    return QByteArray(reinterpret_cast<const char*>(bits), sizeof bits)
        .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

bool wellFormedToken(const QByteArray& token) {
    return token.size() == kTokenChars && std::all_of(token.begin(), token.end(), [](char c) {
               return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                      c == '-' || c == '_';
           });
}

}  // namespace

RelayServer::RelayServer(WaitingStore& store, RelayLimits limits, LogSink log, QObject* parent)
    : QTcpServer(parent), store_(store), limits_(std::move(limits)), log_(std::move(log)) {
    clock_.start();
    setListenBacklogSize(1024);
    setMaxPendingConnections(1);
    ticker_.setInterval(kTickMs);
    connect(&ticker_, &QTimer::timeout, this, &RelayServer::tick);
}

RelayServer::~RelayServer() {
    for (auto& [id, link] : links_) {
        link->socket->disconnect(this);
        link->socket->abort();
    }
}

RelayServer::Link* RelayServer::find(quint64 id) {
    const auto found = links_.find(id);
    return found == links_.end() ? nullptr : found->second.get();
}

void RelayServer::incomingConnection(qintptr descriptor) {
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor) || links() >= limits_.maxConnections) {
        // Nothing is owed to a connection beyond the limit; closing it is the answer.
        socket->abort();
        socket->deleteLater();
        return;
    }
    // What a side sends while its partner cannot take it waits in the system, not here.
    socket->setReadBufferSize(kMaxBacklog);
    auto link = std::make_unique<Link>();
    link->id = nextId_++;
    link->socket = socket;
    const QHostAddress address = socket->peerAddress();
    link->source = addressText(address);
    link->peer = (address.protocol() == QAbstractSocket::IPv6Protocol
                      ? QLatin1Char('[') + QString::fromLatin1(link->source) + QLatin1Char(']')
                      : QString::fromLatin1(link->source)) +
                 QLatin1Char(':') + QString::number(socket->peerPort());
    link->deadlineMs = clock_.elapsed() + limits_.tokenTimeoutMs;
    const quint64 id = link->id;
    connect(socket, &QTcpSocket::readyRead, this, [this, id] {
        if (Link* l = find(id))
            l->role == Role::Joined ? relay(*l) : readFirst(*l);
    });
    connect(socket, &QTcpSocket::bytesWritten, this, [this, id] {
        // The partner may send again once this side has taken its backlog.
        Link* l = find(id);
        if (l != nullptr && l->role == Role::Joined)
            if (Link* p = find(l->partner))
                relay(*p);
    });
    connect(socket, &QTcpSocket::disconnected, this,
            [this, id] { close(id, QStringLiteral("closed by peer")); });
    links_.emplace(id, std::move(link));
    if (!ticker_.isActive())
        ticker_.start();
    if (Link* l = find(id))
        readFirst(*l);
}

void RelayServer::readFirst(Link& link) {
    if (link.role == Role::Checking)
        return;  // a caller's first bytes wait for the join
    if (link.role != Role::First) {
        // Nothing is expected before a join; a side that talks anyway is not a game.
        if (link.socket->bytesAvailable() > 0)
            refuse(link, QStringLiteral("bytes before a caller joined"));
        return;
    }
    link.frame += link.socket->read(kMaxRequestBytes - link.frame.size() + 1);
    const qsizetype end = link.frame.indexOf(kEndMark);
    if (end < 0) {
        if (link.frame.size() > kMaxRequestBytes)
            refuse(link, QStringLiteral("no end mark within %1 bytes").arg(kMaxRequestBytes));
        return;
    }
    const QByteArray head = link.frame.left(end);
    const QByteArray rest = link.frame.mid(end + 1) + link.socket->readAll();
    link.frame.clear();
    if (head.startsWith(kHold))
        hold(link, head.mid(2), rest);
    else if (head.startsWith(kCall))
        call(link, head.mid(2), rest);
    else
        refuse(link, QStringLiteral("not a relay request: \"%1\"").arg(printable(head)));
}

void RelayServer::hold(Link& link, const QByteArray& payload, const QByteArray& rest) {
    // The same fields and the same checks as a registration.
    const ParsedRequest parsed = parseRequest(QByteArrayLiteral("01") + payload);
    if (!parsed.ok)
        return refuse(link, QStringLiteral("not a registration: ") + parsed.refusal);
    if (!rest.isEmpty())
        return refuse(link, QStringLiteral("bytes before a caller joined"));
    link.name = parsed.request.name;
    link.address = parsed.request.address;
    const QByteArray identity = link.name + kNameSep + link.address;
    if (byIdentity_.contains(identity))
        return refuse(link, QStringLiteral("this registration already holds a relay connection"));
    link.token = newToken();
    byIdentity_.insert(identity, link.id);
    link.role = Role::Registering;
    const quint64 id = link.id;
    store_.add(Registration{link.name, link.address,
                            limits_.publicHost + ':' + QByteArray::number(limits_.publicPort) +
                                '/' + link.token,
                            link.source, std::max<qint64>(link.deadlineMs - clock_.elapsed(), 0)},
               [this, id](AddResult result) { held(id, result); });
}

void RelayServer::held(quint64 id, AddResult result) {
    Link* link = find(id);
    if (link == nullptr) {
        return;  // its close removed whatever this registration did
    }
    if (result == AddResult::Added) {
        // Only a player who registered may be listed through the relay; undo this one.
        store_.remove(link->name, link->address, link->source, [](RemoveResult) {});
        return refuse(*link, QStringLiteral("not registered: register on the matchmaking port "
                                            "first, from the same address"));
    }
    if (result != AddResult::Refreshed) {
        return refuse(*link, result == AddResult::TakenElsewhere
                                 ? QStringLiteral("registered from another address")
                             : result == AddResult::Unavailable
                                 ? QStringLiteral("the list cannot be reached")
                                 : QStringLiteral("not registered"));
    }
    if (link->role != Role::Registering)
        return;  // a renewal
    link->role = Role::Holding;
    link->renewAtMs = clock_.elapsed() + limits_.renewMs;
    byToken_.insert(link->token, id);
    const QByteArray listed =
        limits_.publicHost + ':' + QByteArray::number(limits_.publicPort) + '/' + link->token;
    link->socket->write(frame(kHeld, listed));
    log_(link->peer, QStringLiteral("relay hold name=\"%1\" address=\"%2\" -> held")
                         .arg(printable(link->name), printable(link->address)));
}

void RelayServer::renew(Link& link) {
    link.renewAtMs = clock_.elapsed() + limits_.renewMs;
    const quint64 id = link.id;
    store_.add(Registration{link.name, link.address,
                            limits_.publicHost + ':' + QByteArray::number(limits_.publicPort) +
                                '/' + link.token,
                            link.source, -1},
               [this, id](AddResult result) {
                   Link* l = find(id);
                   if (l == nullptr || l->role != Role::Holding)
                       return;
                   if (result == AddResult::Added) {
                       // Removed or lapsed since: it is no longer waiting, so it is not held.
                       store_.remove(l->name, l->address, l->source, [](RemoveResult) {});
                       close(id, QStringLiteral("no longer registered"));
                   }
               });
}

void RelayServer::call(Link& link, const QByteArray& token, const QByteArray& rest) {
    link.role = Role::Checking;
    // Wrong tokens from one address are looked at one by one, each a delay after the last.
    const qint64 now = clock_.elapsed();
    const qint64 at = std::max(now, nextCheckMs_.value(link.source, 0));
    const quint64 id = link.id;
    if (at <= now) {
        check(id, token, rest);
        return;
    }
    QTimer::singleShot(static_cast<int>(at - now), this,
                       [this, id, token, rest] { check(id, token, rest); });
}

void RelayServer::check(quint64 id, const QByteArray& token, const QByteArray& rest) {
    Link* caller = find(id);
    if (caller == nullptr)
        return;
    const quint64 playerId = wellFormedToken(token) ? byToken_.value(token, 0) : 0;
    Link* player = find(playerId);
    if (player == nullptr) {
        const qint64 from = std::max(clock_.elapsed(), nextCheckMs_.value(caller->source, 0));
        nextCheckMs_.insert(caller->source, from + limits_.wrongTokenDelayMs);
        return refuse(*caller, QStringLiteral("unknown token: the player has left, or is held by "
                                              "another server's relay"));
    }
    if (player->role == Role::Joined) {
        caller->socket->write(kBusy);
        return close(id, QStringLiteral("busy: the player is already playing"));
    }
    if (pairs_ >= limits_.maxPairs)
        return refuse(*caller, QStringLiteral("the relay is full (%1 pairs)").arg(pairs_));
    join(*player, *caller, rest);
}

void RelayServer::join(Link& player, Link& caller, const QByteArray& rest) {
    ++pairs_;
    const qint64 now = clock_.elapsed();
    for (Link* side : {&player, &caller}) {
        side->role = Role::Joined;
        side->partner = side == &player ? caller.id : player.id;
        side->allowance = limits_.burstBytes;
        side->filledMs = now;
        side->lastByteMs = now;
        side->socket->write(frame(kJoined));
    }
    log_(caller.peer,
         QStringLiteral("relay call -> joined to %1 (%2 pairs)").arg(player.peer).arg(pairs_));
    if (!rest.isEmpty()) {
        if (!spend(caller, rest.size()))
            return;
        player.socket->write(rest);
    }
    if (caller.socket->bytesAvailable() > 0)
        relay(caller);
}

bool RelayServer::spend(Link& from, qsizetype bytes) {
    const qint64 now = clock_.elapsed();
    from.allowance = std::min<double>(
        limits_.burstBytes,
        from.allowance + (now - from.filledMs) * limits_.rateBytesPerSecond / 1000.0);
    from.filledMs = now;
    if (bytes > from.allowance) {
        close(
            from.id,
            QStringLiteral("over the bandwidth cap of %1 bytes/s").arg(limits_.rateBytesPerSecond));
        return false;
    }
    from.allowance -= static_cast<double>(bytes);
    from.lastByteMs = now;
    if (Link* to = find(from.partner))
        to->lastByteMs = now;
    return true;
}

void RelayServer::relay(Link& from) {
    Link* to = find(from.partner);
    if (to == nullptr)
        return;
    const qint64 room = kMaxBacklog - to->socket->bytesToWrite();
    if (room <= 0)
        return;  // bytesWritten on the other side brings this back
    const QByteArray bytes = from.socket->read(room);
    if (!bytes.isEmpty() && spend(from, bytes.size()))
        to->socket->write(bytes);
}

void RelayServer::refuse(Link& link, const QString& why) {
    link.socket->write(frame(kRefused, why.toLatin1()));
    close(link.id, QStringLiteral("refused: ") + why);
}

void RelayServer::close(quint64 id, const QString& why) {
    const auto found = links_.find(id);
    if (found == links_.end())
        return;
    std::unique_ptr<Link> link = std::move(found->second);
    links_.erase(found);
    const QByteArray identity = link->name + kNameSep + link->address;
    if (byIdentity_.value(identity) == id) {
        byIdentity_.remove(identity);
        byToken_.remove(link->token);
        // A player whose relay connection is gone cannot be called at the address it is
        // listed with, so it is no longer listed.
        store_.remove(link->name, link->address, link->source, [](RemoveResult) {});
    }
    const bool pairEnds = link->role == Role::Joined && find(link->partner) != nullptr;
    if (pairEnds)
        --pairs_;
    log_(link->peer, QStringLiteral("relay -> ") + why);
    // What was written still leaves before the close; deleted once the socket is done.
    QTcpSocket* socket = link->socket;
    socket->disconnect(this);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState)
        socket->deleteLater();
    else  // a peer that never reads does not keep it
        QTimer::singleShot(limits_.tokenTimeoutMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
    if (pairEnds)
        close(link->partner, QStringLiteral("the other side closed"));
}

void RelayServer::tick() {
    const qint64 now = clock_.elapsed();
    QList<QPair<quint64, QString>> expired;
    QList<quint64> due;
    for (const auto& [id, link] : links_) {
        if ((link->role == Role::First || link->role == Role::Registering ||
             link->role == Role::Checking) &&
            now >= link->deadlineMs) {
            expired.append(
                {id, QStringLiteral("no request within %1 ms").arg(limits_.tokenTimeoutMs)});
        } else if (link->role == Role::Joined &&
                   now - link->lastByteMs >= qint64{limits_.idleTimeoutSeconds} * 1000) {
            expired.append({id, QStringLiteral("idle for %1 s").arg(limits_.idleTimeoutSeconds)});
        } else if (link->role == Role::Holding && now >= link->renewAtMs) {
            due.append(id);
        }
    }
    for (const auto& [id, why] : expired)
        close(id, why);
    for (quint64 id : due)
        if (Link* l = find(id))
            renew(*l);
    for (auto it = nextCheckMs_.begin(); it != nextCheckMs_.end();)
        it = it.value() <= now ? nextCheckMs_.erase(it) : std::next(it);
    if (links_.empty() && nextCheckMs_.isEmpty())
        ticker_.stop();
}

}  // namespace matchd
