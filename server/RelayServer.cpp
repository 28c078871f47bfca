#include "RelayServer.h"

#include <QRandomGenerator>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "AddressPolicy.h"
#include "MatchProtocol.h"

namespace matchd {

namespace {

using namespace relaywire;

// How often deadlines, idle pairs and renewals are looked at.
constexpr int kTickMs = 100;
// What is read from one side at a time; a game's messages are a few bytes each.
constexpr int kChunk = 4096;
// Events taken from the epoll set per wake-up; the rest come at the next.
constexpr int kEventsPerWake = 128;
// Bytes a closed side still sent are read away (up to this many), so the close does not
// turn into a reset that could destroy the last words on their way.
constexpr int kDrainBytes = 16384;

bool retry() {
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
}

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
    epoll_ = ::epoll_create1(EPOLL_CLOEXEC);
    if (epoll_ >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(epoll_, QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this, &RelayServer::onEvents);
    }
    ticker_.setInterval(kTickMs);
    connect(&ticker_, &QTimer::timeout, this, &RelayServer::tick);
}

RelayServer::~RelayServer() {
    notifier_.reset();
    for (auto& [id, link] : links_)
        ::close(link->fd);
    if (epoll_ >= 0)
        ::close(epoll_);
}

RelayServer::Link* RelayServer::find(quint64 id) {
    const auto found = links_.find(id);
    return found == links_.end() ? nullptr : found->second.get();
}

int RelayServer::holding() const {
    return static_cast<int>(std::count_if(links_.begin(), links_.end(), [](const auto& entry) {
        return entry.second->role == Role::Holding;
    }));
}

QByteArray RelayServer::listedAt(const Link& link) const {
    return limits_.publicHost + ':' + QByteArray::number(limits_.publicPort) + '/' + link.token;
}

void RelayServer::incomingConnection(qintptr descriptor) {
    const int fd = static_cast<int>(descriptor);
    if (epoll_ < 0 || links() >= limits_.maxConnections) {
        // Nothing is owed to a connection beyond the limit; closing it is the answer.
        ::close(fd);
        return;
    }
    // A game's messages are small and each is waited for: none waits to fill a packet.
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    auto link = std::make_unique<Link>();
    link->fd = fd;
    link->id = nextId_++;
    link->source = addressText(peerAddressOf(fd));
    link->deadlineMs = clock_.elapsed() + limits_.tokenTimeoutMs;
    link->events = EPOLLIN | EPOLLRDHUP;
    epoll_event event{};
    event.events = link->events;
    event.data.u64 = link->id;
    if (::epoll_ctl(epoll_, EPOLL_CTL_ADD, fd, &event) != 0) {
        ::close(fd);
        return;
    }
    const quint64 id = link->id;
    links_.emplace(id, std::move(link));
    if (!ticker_.isActive())
        ticker_.start();
    // The first frame is usually there already.
    if (Link* l = find(id))
        readFirst(*l);
}

void RelayServer::onEvents() {
    epoll_event events[kEventsPerWake];
    const int n = ::epoll_wait(epoll_, events, kEventsPerWake, 0);
    for (int i = 0; i < n; ++i) {
        // A link closed by an earlier event of this batch is no longer found.
        const quint64 id = events[i].data.u64;
        if (Link* l = find(id); l != nullptr && (events[i].events & EPOLLOUT))
            flush(*l);
        if (Link* l = find(id); l != nullptr && (events[i].events & ~quint32{EPOLLOUT}))
            readable(*l, events[i].events);
    }
}

void RelayServer::readable(Link& link, quint32 events) {
    // A reset, or an error: nothing more comes from it, and nothing reaches it.
    if (events & (EPOLLERR | EPOLLHUP))
        return close(link.id, QStringLiteral("closed by peer"));
    switch (link.role) {
        case Role::First:
            return readFirst(link);
        case Role::Joined:
            return relay(link);
        case Role::Checking:
            return;  // its bytes wait for the join
        case Role::Registering:
        case Role::Holding: {
            // Nothing is expected before a join; a side that talks anyway is not a game.
            char byte = 0;
            const ssize_t n = ::recv(link.fd, &byte, 1, MSG_DONTWAIT);
            if (n > 0)
                refuse(link, QStringLiteral("bytes before a caller joined"));
            else if (n == 0 || !retry())
                close(link.id, QStringLiteral("closed by peer"));
            return;
        }
    }
}

void RelayServer::readFirst(Link& link) {
    char chunk[kMaxRequestBytes + 1];
    const ssize_t n =
        ::recv(link.fd, chunk, static_cast<size_t>(kMaxRequestBytes + 1 - link.frame.size()),
               MSG_DONTWAIT);
    if (n == 0 || (n < 0 && !retry()))
        return close(link.id, QStringLiteral("closed by peer"));
    if (n < 0)
        return;
    link.frame.append(chunk, n);
    const qsizetype end = link.frame.indexOf(kEndMark);
    if (end < 0) {
        if (link.frame.size() > kMaxRequestBytes)
            refuse(link, QStringLiteral("no end mark within %1 bytes").arg(kMaxRequestBytes));
        return;
    }
    const QByteArray head = link.frame.left(end);
    // What follows in the system stays there until the join.
    const QByteArray rest = link.frame.mid(end + 1);
    link.frame = QByteArray();
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
    const qint64 asked = clock_.elapsed();
    store_.add(Registration{link.name, link.address, listedAt(link), link.source,
                            std::max<qint64>(link.deadlineMs - asked, 0)},
               [this, id, asked](AddResult result) { held(id, result, asked); });
}

void RelayServer::held(quint64 id, AddResult result, qint64 askedMs) {
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
    link->role = Role::Holding;
    link->refreshedMs = askedMs;
    link->renewAtMs = clock_.elapsed() + limits_.renewMs;
    byToken_.insert(link->token, id);
    const QByteArray answer = frame(kHeld, listedAt(*link));
    put(*link, answer.constData(), answer.size());
    log_(peerOf(link->fd), QStringLiteral("relay hold name=\"%1\" address=\"%2\" -> held")
                               .arg(printable(link->name), printable(link->address)));
}

void RelayServer::renew(Link& link) {
    link.renewAtMs = clock_.elapsed() + limits_.renewMs;
    const quint64 id = link.id;
    const qint64 asked = clock_.elapsed();
    store_.add(Registration{link.name, link.address, listedAt(link), link.source, -1},
               [this, id, asked](AddResult result) {
                   Link* l = find(id);
                   if (l == nullptr || l->role != Role::Holding)
                       return;
                   if (result == AddResult::Refreshed) {
                       l->refreshedMs = asked;
                   } else if (result == AddResult::Added) {
                       // Removed or lapsed since: it is no longer waiting, so it is not held.
                       store_.remove(l->name, l->address, l->source, [](RemoveResult) {});
                       close(id, QStringLiteral("no longer registered"));
                   }
               });
}

void RelayServer::released(const QByteArray& name, const QByteArray& address) {
    const quint64 id = byIdentity_.value(name + kNameSep + address, 0);
    Link* link = find(id);
    if (link != nullptr && (link->role == Role::Holding || link->role == Role::Registering))
        close(id, QStringLiteral("removed by its player"));
}

void RelayServer::call(Link& link, const QByteArray& token, const QByteArray& rest) {
    link.role = Role::Checking;
    watch(link);
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
        return refuse(*caller,
                      QStringLiteral("unknown token: the player has left, or is held by "
                                     "another server's relay"),
                      &counts_.unknownToken);
    }
    if (player->role == Role::Joined) {
        ++counts_.busy;
        put(*caller, kBusy, sizeof kBusy - 1);
        return close(id, QStringLiteral("busy: the player is already playing"));
    }
    if (pairs_ >= limits_.maxPairs)
        return refuse(*caller, QStringLiteral("the relay is full (%1 pairs)").arg(pairs_),
                      &counts_.full);
    join(*player, *caller, rest);
}

void RelayServer::join(Link& player, Link& caller, const QByteArray& rest) {
    ++pairs_;
    ++counts_.joins;
    const qint64 now = clock_.elapsed();
    const QByteArray joined = frame(kJoined);
    for (Link* side : {&player, &caller}) {
        side->role = Role::Joined;
        side->partner = side == &player ? caller.id : player.id;
        side->allowance = limits_.burstBytes;
        side->filledMs = now;
        side->lastByteMs = now;
        put(*side, joined.constData(), joined.size());
    }
    log_(
        peerOf(caller.fd),
        QStringLiteral("relay call -> joined to %1 (%2 pairs)").arg(peerOf(player.fd)).arg(pairs_));
    const quint64 callerId = caller.id;
    if (!rest.isEmpty()) {
        if (!spend(caller, rest.size()))
            return;
        counts_.bytes += rest.size();
        put(player, rest.constData(), rest.size());
    }
    if (Link* c = find(callerId))
        watch(*c);
}

bool RelayServer::spend(Link& from, qsizetype bytes) {
    const qint64 now = clock_.elapsed();
    from.allowance = std::min<double>(
        limits_.burstBytes,
        from.allowance + (now - from.filledMs) * limits_.rateBytesPerSecond / 1000.0);
    from.filledMs = now;
    if (bytes > from.allowance) {
        ++counts_.overCap;
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
    if (to == nullptr || !to->pending.isEmpty())
        return;  // the other side's flush reads on
    char chunk[kChunk];
    const ssize_t n = ::recv(from.fd, chunk, sizeof chunk, MSG_DONTWAIT);
    if (n == 0 || (n < 0 && !retry()))
        return close(from.id, QStringLiteral("closed by peer"));
    if (n < 0 || !spend(from, n))
        return;
    counts_.bytes += n;
    put(*to, chunk, n);
}

void RelayServer::put(Link& to, const char* bytes, qsizetype size) {
    if (to.pending.isEmpty()) {
        const ssize_t n =
            ::send(to.fd, bytes, static_cast<size_t>(size), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && !retry())
            return;  // gone: its own event closes it
        const qsizetype sent = std::max<ssize_t>(n, 0);
        bytes += sent;
        size -= sent;
    }
    if (size <= 0)
        return;
    to.pending.append(bytes, size);
    watch(to);
    // Its partner is not read until this side has taken what it sent.
    if (Link* from = find(to.partner))
        watch(*from);
}

void RelayServer::flush(Link& link) {
    while (!link.pending.isEmpty()) {
        const ssize_t n =
            ::send(link.fd, link.pending.constData(), static_cast<size_t>(link.pending.size()),
                   MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && retry())
            break;
        if (n <= 0) {
            link.pending.clear();  // gone: its own event closes it
            break;
        }
        link.pending.remove(0, n);
    }
    if (!link.pending.isEmpty())
        return;
    link.pending = QByteArray();
    watch(link);
    if (Link* from = find(link.partner))
        watch(*from);
}

void RelayServer::watch(Link& link) {
    bool reading = link.role != Role::Checking;
    if (link.role == Role::Joined) {
        const Link* partner = find(link.partner);
        reading = partner != nullptr && partner->pending.isEmpty();
    }
    const quint32 events = (reading ? quint32{EPOLLIN | EPOLLRDHUP} : 0u) |
                           (link.pending.isEmpty() ? 0u : quint32{EPOLLOUT});
    if (events == link.events)
        return;
    epoll_event event{};
    event.events = events;
    event.data.u64 = link.id;
    ::epoll_ctl(epoll_, EPOLL_CTL_MOD, link.fd, &event);
    link.events = events;
}

void RelayServer::refuse(Link& link, const QString& why, qint64* counter) {
    ++*(counter != nullptr ? counter : &counts_.bad);
    const QByteArray answer = frame(kRefused, why.toLatin1());
    put(link, answer.constData(), answer.size());
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
    log_(peerOf(link->fd), QStringLiteral("relay -> ") + why);
    ::epoll_ctl(epoll_, EPOLL_CTL_DEL, link->fd, nullptr);
    // What is still for this side goes if its system takes it now, then the end of the
    // stream; the system sends what it took after the descriptor is closed.
    if (!link->pending.isEmpty())
        ::send(link->fd, link->pending.constData(), static_cast<size_t>(link->pending.size()),
               MSG_NOSIGNAL | MSG_DONTWAIT);
    ::shutdown(link->fd, SHUT_WR);
    char sink[kChunk];
    for (int drained = 0; drained < kDrainBytes;) {
        const ssize_t n = ::recv(link->fd, sink, sizeof sink, MSG_DONTWAIT);
        if (n <= 0)
            break;
        drained += static_cast<int>(n);
    }
    ::close(link->fd);
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
            ++counts_.bad;
            expired.append(
                {id, QStringLiteral("no request within %1 ms").arg(limits_.tokenTimeoutMs)});
        } else if (link->role == Role::Joined &&
                   now - link->lastByteMs >= qint64{limits_.idleTimeoutSeconds} * 1000) {
            ++counts_.idle;
            expired.append({id, QStringLiteral("idle for %1 s").arg(limits_.idleTimeoutSeconds)});
        } else if (link->role == Role::Holding && limits_.expiryMs > 0 &&
                   now - link->refreshedMs >= limits_.expiryMs) {
            // The renewals did not hold (the list could not be reached): the list has let
            // the player go, and so does the relay.
            expired.append({id, QStringLiteral("registration lapsed")});
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
