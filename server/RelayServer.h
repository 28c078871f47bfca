#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QTcpServer>
#include <QTimer>
#include <functional>
#include <memory>
#include <unordered_map>

#include "WaitingStore.h"

class QSocketNotifier;

namespace matchd {

// The relay's frames: a two-digit code, fields split by 0x01, the end byte 0x02, as on the
// matchmaking port. Everything after a join notice is the other game's bytes, unchanged.
namespace relaywire {
inline constexpr char kHold[] = "20";     // player: name 0x01 address, as registered
inline constexpr char kHeld[] = "21";     // relay: the address the player is now listed with
inline constexpr char kJoined[] = "22";   // relay, to both: what follows is the other side's
inline constexpr char kRefused[] = "23";  // relay: why, in plain words; then it closes
inline constexpr char kCall[] = "24";     // caller: the token from the listed address
// What a player who is already playing answers a caller; the relay says it for the player.
inline constexpr char kBusy[] = "I am already playing! Try later...\r\n";
// 128 random bits in unpadded base64url.
inline constexpr int kTokenChars = 22;
}  // namespace relaywire

struct RelayLimits {
    QByteArray publicHost;  // callers reach this server's relay at this name or address
    quint16 publicPort = 0;
    int maxPairs = 1000;
    int maxConnections = 4000;
    int tokenTimeoutMs = 10000;  // for the first frame of every relay connection
    int idleTimeoutSeconds = 1800;
    int rateBytesPerSecond = 4096;  // sustained, per direction of a pair
    int burstBytes = 65536;
    int wrongTokenDelayMs = 1000;
    // A held registration is renewed this often: a removal through another server, or a
    // list that lost the player, is noticed then.
    int renewMs = 30000;
    // A registration not renewed this long has lapsed (0: never), and its player is let go.
    qint64 expiryMs = 0;
};

// Counts since the start, for the periodic stats line.
struct RelayCounts {
    qint64 joins = 0;
    qint64 unknownToken = 0;  // a call whose token names nobody held here
    qint64 busy = 0;          // a call for a player already joined
    qint64 full = 0;          // a call beyond the pair limit
    qint64 bad = 0;           // not a relay request, a hold refused, nothing in time
    qint64 overCap = 0;       // a side cut at the bandwidth cap
    qint64 idle = 0;          // a pair closed after its silence
    qint64 bytes = 0;         // relayed, both directions
};

// Lets a waiting player who cannot be called directly be called through this server: the
// player holds one connection here, is listed with an address that names this relay and a
// random token, and a caller who presents the token is joined to it. The store stays the
// one list; the relay only changes the address a held player is listed with.
//
// Its connections are plain descriptors in one epoll set, with one socket notifier for the
// set: a socket object per connection kept tens of KiB of buffers for every pair, and Qt's
// event loop looked at every connection's notifier on every wake-up. What one side sends is
// read in small chunks and passed on at once; what the other side's system cannot take yet
// stops the reading until it can.
class RelayServer : public QTcpServer {
    Q_OBJECT
public:
    using LogSink = std::function<void(const QString& who, const QString& what)>;

    RelayServer(WaitingStore& store, RelayLimits limits, LogSink log, QObject* parent = nullptr);
    ~RelayServer() override;

    // Known once it listens, when the system chose the port.
    void setPublicPort(quint16 port) { limits_.publicPort = port; }
    int pairs() const { return pairs_; }
    int links() const { return static_cast<int>(links_.size()); }
    // Connections that hold a waiting player for callers.
    int holding() const;
    const RelayCounts& counts() const { return counts_; }
    // The player took itself off the list: a connection that holds it for callers ends now;
    // a game already joined through it goes on.
    void released(const QByteArray& name, const QByteArray& address);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    enum class Role { First, Registering, Holding, Checking, Joined };
    struct Link {
        int fd = -1;
        quint64 id = 0;
        Role role = Role::First;
        quint32 events = 0;  // what the epoll set waits for on it now
        QByteArray source;
        QByteArray frame;    // until the first frame is complete
        QByteArray pending;  // for this side, not yet taken by its system
        qint64 deadlineMs = 0;
        QByteArray name, address, token;  // a held player
        qint64 renewAtMs = 0;
        qint64 refreshedMs = 0;  // when the last renewal that held was asked
        quint64 partner = 0;
        double allowance = 0;  // bytes this side may still send
        qint64 filledMs = 0;
        qint64 lastByteMs = 0;
    };

    void onEvents();
    void readable(Link& link, quint32 events);
    void readFirst(Link& link);
    void hold(Link& link, const QByteArray& payload, const QByteArray& rest);
    void held(quint64 id, AddResult result, qint64 askedMs);
    void call(Link& link, const QByteArray& token, const QByteArray& rest);
    void check(quint64 id, const QByteArray& token, const QByteArray& rest);
    void join(Link& player, Link& caller, const QByteArray& rest);
    void relay(Link& from);
    void put(Link& to, const char* bytes, qsizetype size);
    void flush(Link& link);
    void watch(Link& link);
    void refuse(Link& link, const QString& why, qint64* counter = nullptr);
    void close(quint64 id, const QString& why);
    void renew(Link& link);
    void tick();
    Link* find(quint64 id);
    bool spend(Link& from, qsizetype bytes);
    QByteArray listedAt(const Link& link) const;

    WaitingStore& store_;
    RelayLimits limits_;
    LogSink log_;
    QElapsedTimer clock_;
    int epoll_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::unordered_map<quint64, std::unique_ptr<Link>> links_;
    QHash<QByteArray, quint64> byToken_;
    QHash<QByteArray, quint64> byIdentity_;
    // Per source address: not before this moment is its next token looked at.
    QHash<QByteArray, qint64> nextCheckMs_;
    quint64 nextId_ = 1;
    int pairs_ = 0;
    RelayCounts counts_;
    QTimer ticker_;
};

}  // namespace matchd
