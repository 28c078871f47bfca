#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include <hiredis/async.h>

#include "MatchOptions.h"
#include "WaitingStore.h"

class RedisQtAdapter;
struct redisReply;

namespace matchd {

// The waiting list in Redis, so that any number of servers on one Redis serve one list.
// Every operation is one Lua script, which Redis runs atomically: capacity and the limit per
// source address hold across all servers, and a registration exists with all its index
// entries or not at all. Registrations lapse through Redis's own key expiry.
//
// Asynchronous throughout (hiredis with its Qt adapter): a slow Redis delays only the
// requests that wait for it. When Redis cannot be reached, does not answer within a few
// seconds or answers nonsense, the waiting requests get Unavailable, the log says so once,
// and the store reconnects by itself, waiting longer after each failed attempt.
//
// Redis runs what it was sent even after the server gave up waiting (a stalled Redis
// catches up with its queue). So each registration carries the moment, on Redis's clock,
// after which nobody waits for its answer, and the script does nothing when it runs later;
// removals that got no answer are kept and sent again once Redis answers again.
class RedisStore : public QObject, public WaitingStore {
    Q_OBJECT
public:
    using LogSink = std::function<void(const QString&)>;

    struct Settings {
        RedisAddress address;
        int capacity = 1000;
        qint64 expiryMs = 600000;
        int maxPerSource = 8;
        // Time a reply (or a connection) may take before Redis counts as unreachable.
        int replyTimeoutMs = 3000;
        QByteArray keyPrefix = "ropewit-matchd:{list}:";
    };

    RedisStore(Settings settings, LogSink log, QObject* parent = nullptr);
    ~RedisStore() override;

    bool connected() const { return connected_; }

    void add(const Registration& registration, AddDone done) override;
    void remove(const QByteArray& name, const QByteArray& address, const QByteArray& source,
                RemoveDone done) override;
    void list(const QByteArray& letters, int max, ListDone done) override;
    void count(CountDone done) override;

    // The bounds of ZRANGEBYLEX for the folded names that start with `folded`.
    static QByteArray lowerLexBound(const QByteArray& folded);
    static QByteArray upperLexBound(const QByteArray& folded);

private:
    using ReplyDone = std::function<void(const redisReply*)>;  // nullptr: no reply
    struct Pending;

    void startConnecting();
    void connectTo(const QString& ip);
    void scheduleReconnect();
    void dropConnection(const QString& why);
    void retireAdapter(redisAsyncContext* context);
    void checkTimeouts();
    struct Script {
        QByteArray text;
        QByteArray sha;  // hex SHA-1 of the text, as EVALSHA wants it
    };
    const Script& scriptFor(const char* body);
    // `handshake`: sent before the connection is ready for requests.
    void send(const QList<QByteArray>& command, ReplyDone done, bool handshake = false);
    void learnClock(const redisReply* reply, qint64 askedMs);
    QByteArray deadlineOnRedisClock(qint64 answerWithinMs) const;
    static qint64 marginMs(qint64 waitMs);
    void keepRemoval(const QByteArray& id, const QByteArray& source);
    void retryKeptRemovals();
    // While a new connection learns Redis's clock, requests wait for it (or its failure).
    bool deferUntilReady(std::function<void(qint64 waitedMs)> request);
    void runDeferred();
    void sendRemoval(const QByteArray& id, const QByteArray& source, RemoveDone done);
    void script(const char* body, QList<QByteArray> args, ReplyDone done);
    void outage(const QString& why);
    void badReply(const QString& why);
    void goodReply();
    void say(const QString& line);
    QString where() const;

    static void onConnected(const redisAsyncContext* context, int status);
    static void onDisconnected(const redisAsyncContext* context, int status);
    static void onReply(redisAsyncContext* context, void* reply, void* privdata);

    Settings settings_;
    LogSink log_;
    QElapsedTimer clock_;
    // The adapter's destructor writes into the context it was given; a retired adapter is
    // pointed at `parked_`, which outlives it, instead of a context hiredis has freed.
    redisAsyncContext parked_{};
    std::unique_ptr<RedisQtAdapter> retired_;
    std::unique_ptr<RedisQtAdapter> adapter_;
    redisAsyncContext* context_ = nullptr;
    bool connected_ = false;
    bool destroying_ = false;
    bool inOutage_ = false;
    bool replyTrouble_ = false;
    bool everConnected_ = false;
    qint64 connectStartedMs = 0;
    qint64 outageSinceMs_ = 0;
    int backoffMs_ = 0;
    std::deque<qint64> sentAt_;      // replies come in the order the commands went out
    qint64 redisClockOffsetMs_ = 0;  // Redis's TIME in ms minus clock_, learned per connection
    // Removals that got no answer, by id 0x00 source; bounded, oldest dropped first.
    std::deque<QByteArray> keptRemovals_;
    QSet<QByteArray> keptSet_;
    std::vector<std::function<void()>> deferred_;
    std::unordered_map<const char*, Script> scripts_;
    QTimer reconnectTimer_;
    QTimer watchdog_;
};

}  // namespace matchd
