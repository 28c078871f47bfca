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

class QTcpSocket;

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
    // A held registration is renewed this often, which is also how soon the relay notices
    // that its player was removed.
    int renewMs = 30000;
};

// Lets a waiting player who cannot be called directly be called through this server: the
// player holds one connection here, is listed with an address that names this relay and a
// random token, and a caller who presents the token is joined to it. The store stays the
// one list; the relay only changes the address a held player is listed with.
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

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    enum class Role { First, Registering, Holding, Checking, Joined };
    struct Link {
        quint64 id = 0;
        QTcpSocket* socket = nullptr;  // a child of the server
        Role role = Role::First;
        QString peer;
        QByteArray source;
        QByteArray frame;  // until the first frame is complete
        qint64 deadlineMs = 0;
        QByteArray name, address, token;  // a held player
        qint64 renewAtMs = 0;
        quint64 partner = 0;
        double allowance = 0;  // bytes this side may still send
        qint64 filledMs = 0;
        qint64 lastByteMs = 0;
    };

    void readFirst(Link& link);
    void hold(Link& link, const QByteArray& payload, const QByteArray& rest);
    void held(quint64 id, AddResult result);
    void call(Link& link, const QByteArray& token, const QByteArray& rest);
    void check(quint64 id, const QByteArray& token, const QByteArray& rest);
    void join(Link& player, Link& caller, const QByteArray& rest);
    void relay(Link& from);
    void refuse(Link& link, const QString& why);
    void close(quint64 id, const QString& why);
    void renew(Link& link);
    void tick();
    Link* find(quint64 id);
    bool spend(Link& from, qsizetype bytes);

    WaitingStore& store_;
    RelayLimits limits_;
    LogSink log_;
    QElapsedTimer clock_;
    std::unordered_map<quint64, std::unique_ptr<Link>> links_;
    QHash<QByteArray, quint64> byToken_;
    QHash<QByteArray, quint64> byIdentity_;
    // Per source address: not before this moment is its next token looked at.
    QHash<QByteArray, qint64> nextCheckMs_;
    quint64 nextId_ = 1;
    int pairs_ = 0;
    QTimer ticker_;
};

}  // namespace matchd
