#include "RedisStore.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QHostAddress>
#include <QHostInfo>
#include <algorithm>

#include "HiredisQt.h"
#include "MatchProtocol.h"
#include "RedisScripts.h"
#include "WaitingRegistry.h"

namespace matchd {

namespace {

constexpr int kFirstBackoffMs = 100;
constexpr int kMostBackoffMs = 5000;
// Removals kept for a Redis that did not answer them; beyond this the oldest are forgotten
// (about 100 bytes each).
constexpr size_t kMostKeptRemovals = 100000;

QByteArray text(const redisReply* r) {
    return QByteArray(r->str, static_cast<qsizetype>(r->len));
}

bool isText(const redisReply* r) {
    return r != nullptr && (r->type == REDIS_REPLY_STRING || r->type == REDIS_REPLY_STATUS);
}

}  // namespace

// One command on its way; hiredis hands it back with the reply (or with none when the
// connection ends first).
struct RedisStore::Pending {
    ReplyDone done;
};

RedisStore::RedisStore(Settings settings, LogSink log, QObject* parent)
    : QObject(parent), settings_(std::move(settings)), log_(std::move(log)) {
    clock_.start();
    reconnectTimer_.setSingleShot(true);
    connect(&reconnectTimer_, &QTimer::timeout, this, &RedisStore::startConnecting);
    watchdog_.setInterval(std::max(settings_.replyTimeoutMs / 4, 50));
    connect(&watchdog_, &QTimer::timeout, this, &RedisStore::checkTimeouts);
    watchdog_.start();
    startConnecting();
}

RedisStore::~RedisStore() {
    // Waiting callbacks belong to objects that may be gone already; none is called now.
    destroying_ = true;
    if (context_ != nullptr) {
        redisAsyncContext* context = context_;
        context_ = nullptr;
        retireAdapter(context);
        redisAsyncFree(context);
    }
}

QString RedisStore::where() const {
    const RedisAddress& a = settings_.address;
    const QString host =
        a.host.contains(QLatin1Char(':')) ? QLatin1Char('[') + a.host + QLatin1Char(']') : a.host;
    return QStringLiteral("redis://%1:%2/%3").arg(host).arg(a.port).arg(a.db);
}

void RedisStore::say(const QString& line) {
    if (log_)
        log_(QStringLiteral("store: ") + line);
}

// --- the connection ----------------------------------------------------------------------

void RedisStore::startConnecting() {
    if (context_ != nullptr || destroying_)
        return;
    connectStartedMs = clock_.elapsed();
    QHostAddress literal;
    if (literal.setAddress(settings_.address.host)) {
        connectTo(settings_.address.host);
        return;
    }
    // hiredis would look the name up itself and block; Qt looks it up on the side.
    QHostInfo::lookupHost(settings_.address.host, this, [this](const QHostInfo& info) {
        if (context_ != nullptr || destroying_)
            return;
        if (info.error() != QHostInfo::NoError || info.addresses().isEmpty()) {
            outage(QStringLiteral("cannot look up %1: %2")
                       .arg(settings_.address.host, info.errorString()));
            scheduleReconnect();
            return;
        }
        connectTo(info.addresses().constFirst().toString());
    });
}

void RedisStore::connectTo(const QString& ip) {
    redisAsyncContext* context =
        redisAsyncConnect(ip.toLatin1().constData(), settings_.address.port);
    if (context == nullptr) {
        outage(QStringLiteral("out of memory"));
        scheduleReconnect();
        return;
    }
    if (context->err != 0) {
        outage(QString::fromLocal8Bit(context->errstr));
        redisAsyncFree(context);
        scheduleReconnect();
        return;
    }
    context->data = this;
    adapter_ = std::make_unique<RedisQtAdapter>();
    adapter_->setContext(context);
    redisAsyncSetConnectCallback(context, &RedisStore::onConnected);
    redisAsyncSetDisconnectCallback(context, &RedisStore::onDisconnected);
    context_ = context;
    connectStartedMs = clock_.elapsed();
}

void RedisStore::onConnected(const redisAsyncContext* context, int status) {
    auto* self = static_cast<RedisStore*>(context->data);
    if (self == nullptr || self->context_ != context)
        return;
    if (status != REDIS_OK) {
        // hiredis frees the context when this returns.
        self->context_ = nullptr;
        self->retireAdapter(const_cast<redisAsyncContext*>(context));
        self->outage(QString::fromLocal8Bit(context->errstr));
        self->scheduleReconnect();
        self->runDeferred();
        return;
    }
    if (self->settings_.address.db != 0) {
        self->send(
            {"SELECT", QByteArray::number(self->settings_.address.db)},
            [self](const redisReply* r) {
                if (r != nullptr && r->type == REDIS_REPLY_ERROR)
                    self->dropConnection(QStringLiteral("SELECT refused: ") +
                                         QString::fromLatin1(text(r)));
            },
            true);
    }
    const qint64 asked = self->clock_.elapsed();
    self->send(
        {"TIME"}, [self, asked](const redisReply* r) { self->learnClock(r, asked); }, true);
}

void RedisStore::learnClock(const redisReply* r, qint64 askedMs) {
    if (r == nullptr || context_ == nullptr)
        return;  // the connection ended; the next one asks again
    bool ok = r->type == REDIS_REPLY_ARRAY && r->elements == 2 && isText(r->element[0]) &&
              isText(r->element[1]);
    const qint64 seconds = ok ? text(r->element[0]).toLongLong(&ok) : 0;
    const qint64 micros = ok ? text(r->element[1]).toLongLong(&ok) : 0;
    if (!ok) {
        dropConnection(QStringLiteral("unusable reply to TIME"));
        return;
    }
    const qint64 now = clock_.elapsed();
    // Redis read its clock between asking and now; taking `now` puts every deadline a
    // little early, never late. A slow answer says too little: ask again.
    if (now - askedMs > marginMs(settings_.replyTimeoutMs) / 2) {
        send(
            {"TIME"}, [this, now](const redisReply* again) { learnClock(again, now); }, true);
        return;
    }
    redisClockOffsetMs_ = seconds * 1000 + micros / 1000 - now;
    connected_ = true;
    backoffMs_ = 0;
    if (inOutage_) {
        say(QStringLiteral("%1 reachable again after %2 ms")
                .arg(where())
                .arg(clock_.elapsed() - outageSinceMs_));
        inOutage_ = false;
    } else if (!everConnected_) {
        say(QStringLiteral("connected to %1").arg(where()));
    }
    everConnected_ = true;
    retryKeptRemovals();
    runDeferred();
}

void RedisStore::onDisconnected(const redisAsyncContext* context, int status) {
    auto* self = static_cast<RedisStore*>(context->data);
    if (self == nullptr || self->context_ != context)
        return;
    // hiredis frees the context when this returns; the waiting commands have had their
    // empty replies.
    self->context_ = nullptr;
    self->connected_ = false;
    self->sentAt_.clear();
    self->retireAdapter(const_cast<redisAsyncContext*>(context));
    self->outage(status == REDIS_OK ? QStringLiteral("connection closed")
                                    : QString::fromLocal8Bit(context->errstr));
    self->scheduleReconnect();
    self->runDeferred();
}

void RedisStore::retireAdapter(redisAsyncContext* context) {
    if (context->ev.cleanup != nullptr && context->ev.data != nullptr)
        context->ev.cleanup(context->ev.data);  // stops watching the descriptor
    context->ev.addRead = context->ev.delRead = nullptr;
    context->ev.addWrite = context->ev.delWrite = nullptr;
    context->ev.cleanup = nullptr;
    context->ev.data = nullptr;
    retired_.reset();
    parked_.ev.data = nullptr;
    if (adapter_) {
        adapter_->setContext(&parked_);
        retired_ = std::move(adapter_);
    }
}

void RedisStore::dropConnection(const QString& why) {
    if (context_ == nullptr)
        return;
    redisAsyncContext* context = context_;
    context_ = nullptr;
    connected_ = false;
    sentAt_.clear();
    retireAdapter(context);
    outage(why);
    // Every waiting command gets its empty reply now.
    redisAsyncFree(context);
    scheduleReconnect();
    runDeferred();
}

void RedisStore::scheduleReconnect() {
    if (destroying_)
        return;
    backoffMs_ = backoffMs_ == 0 ? kFirstBackoffMs : std::min(backoffMs_ * 2, kMostBackoffMs);
    reconnectTimer_.start(backoffMs_);
}

void RedisStore::checkTimeouts() {
    if (context_ == nullptr)
        return;
    const qint64 now = clock_.elapsed();
    if (!connected_ && now - connectStartedMs > settings_.replyTimeoutMs) {
        dropConnection(QStringLiteral("no connection within %1 ms").arg(settings_.replyTimeoutMs));
    } else if (connected_ && !sentAt_.empty() && now - sentAt_.front() > settings_.replyTimeoutMs) {
        // A reply that is here already counts: it may tell a player he is listed.
        redisAsyncHandleRead(context_);
        if (context_ != nullptr && !sentAt_.empty() &&
            now - sentAt_.front() > settings_.replyTimeoutMs)
            dropConnection(QStringLiteral("no reply within %1 ms").arg(settings_.replyTimeoutMs));
    }
}

void RedisStore::outage(const QString& why) {
    if (inOutage_)
        return;
    inOutage_ = true;
    outageSinceMs_ = clock_.elapsed();
    say(QStringLiteral("%1 unreachable (%2); requests are not answered until it is back")
            .arg(where(), why));
}

void RedisStore::badReply(const QString& why) {
    if (replyTrouble_)
        return;
    replyTrouble_ = true;
    say(QStringLiteral("unusable reply from %1 (%2); the request is not answered, and further "
                       "such replies are not logged until a good one")
            .arg(where(), why));
}

void RedisStore::goodReply() {
    if (!replyTrouble_)
        return;
    replyTrouble_ = false;
    say(QStringLiteral("%1 answers properly again").arg(where()));
    retryKeptRemovals();
}

qint64 RedisStore::marginMs(qint64 waitMs) {
    // Covers the way back of a reply and the script's own time.
    return std::clamp<qint64>(waitMs / 4, 0, 250);
}

QByteArray RedisStore::deadlineOnRedisClock(qint64 answerWithinMs) const {
    const qint64 now = clock_.elapsed();
    // The connection is given up on once its oldest unanswered command is overdue, which
    // may be before this one's own time is up.
    qint64 until = (sentAt_.empty() ? now : sentAt_.front()) + settings_.replyTimeoutMs;
    if (answerWithinMs >= 0)
        until = std::min(until, now + answerWithinMs);
    return QByteArray::number(until - marginMs(until - now) + redisClockOffsetMs_);
}

bool RedisStore::deferUntilReady(std::function<void(qint64 waitedMs)> request) {
    if (context_ == nullptr || connected_)
        return false;
    const qint64 since = clock_.elapsed();
    deferred_.push_back(
        [this, since, request = std::move(request)] { request(clock_.elapsed() - since); });
    return true;
}

void RedisStore::runDeferred() {
    std::vector<std::function<void()>> now;
    now.swap(deferred_);
    for (const auto& request : now)
        request();
}

void RedisStore::keepRemoval(const QByteArray& id, const QByteArray& source) {
    const QByteArray key = id + '\0' + source;
    if (keptSet_.contains(key))
        return;
    if (keptRemovals_.size() >= kMostKeptRemovals) {
        keptSet_.remove(keptRemovals_.front());
        keptRemovals_.pop_front();
    }
    keptRemovals_.push_back(key);
    keptSet_.insert(key);
}

void RedisStore::retryKeptRemovals() {
    if (keptRemovals_.empty() || !connected_)
        return;
    std::deque<QByteArray> batch;
    batch.swap(keptRemovals_);
    keptSet_.clear();
    say(QStringLiteral("sending again %1 removal(s) that got no answer").arg(batch.size()));
    // Names and addresses hold no control bytes, so the first 0x00 ends the id.
    for (const QByteArray& key : batch) {
        const qsizetype sep = key.indexOf('\0');
        sendRemoval(key.left(sep), key.mid(sep + 1), {});
    }
}

// --- commands ----------------------------------------------------------------------------

void RedisStore::onReply(redisAsyncContext* context, void* reply, void* privdata) {
    std::unique_ptr<Pending> pending(static_cast<Pending*>(privdata));
    auto* self = static_cast<RedisStore*>(context->data);
    if (self == nullptr || self->destroying_ || !pending)
        return;
    if (reply != nullptr && self->context_ == context && !self->sentAt_.empty())
        self->sentAt_.pop_front();
    pending->done(static_cast<const redisReply*>(reply));
}

const RedisStore::Script& RedisStore::scriptFor(const char* body) {
    auto found = scripts_.find(body);
    if (found == scripts_.end()) {
        Script s;
        s.text = QByteArray(redis_scripts::kCommon) + body;
        s.sha = QCryptographicHash::hash(s.text, QCryptographicHash::Sha1).toHex();
        found = scripts_.emplace(body, std::move(s)).first;
    }
    return found->second;
}

void RedisStore::send(const QList<QByteArray>& command, ReplyDone done, bool handshake) {
    if ((!connected_ && !handshake) || context_ == nullptr) {
        done(nullptr);
        return;
    }
    std::vector<const char*> argv;
    std::vector<size_t> lengths;
    argv.reserve(static_cast<size_t>(command.size()));
    lengths.reserve(static_cast<size_t>(command.size()));
    for (const QByteArray& a : command) {
        argv.push_back(a.constData());
        lengths.push_back(static_cast<size_t>(a.size()));
    }
    auto pending = std::make_unique<Pending>(Pending{std::move(done)});
    Pending* raw = pending.get();
    if (redisAsyncCommandArgv(context_, &RedisStore::onReply, raw, static_cast<int>(argv.size()),
                              argv.data(), lengths.data()) != REDIS_OK) {
        raw->done(nullptr);
        return;
    }
    pending.release();  // hiredis hands it back to onReply
    sentAt_.push_back(clock_.elapsed());
}

void RedisStore::script(const char* body, QList<QByteArray> args, ReplyDone done) {
    // By its digest; Redis learns the text the first time it asks for it (and again after
    // a restart or SCRIPT FLUSH).
    args.prepend(settings_.keyPrefix);
    const Script& s = scriptFor(body);
    send(QList<QByteArray>{"EVALSHA", s.sha, "0"} + args,
         [this, body, args, done = std::move(done)](const redisReply* r) {
             if (r != nullptr && r->type == REDIS_REPLY_ERROR && text(r).startsWith("NOSCRIPT")) {
                 send(QList<QByteArray>{"EVAL", scriptFor(body).text, "0"} + args, done);
                 return;
             }
             done(r);
         });
}

void RedisStore::add(const Registration& registration, AddDone done) {
    if (deferUntilReady([this, registration, done](qint64 waitedMs) {
            Registration later = registration;
            if (later.answerWithinMs >= 0)
                later.answerWithinMs = std::max<qint64>(later.answerWithinMs - waitedMs, 0);
            add(later, done);
        }))
        return;
    const QByteArray id = registration.name + '\x01' + registration.address;
    const QByteArray listed =
        registration.listedAddress.isEmpty() ? registration.address : registration.listedAddress;
    script(redis_scripts::kRegister,
           {id, foldedCopy(registration.name), listed, registration.source,
            QByteArray::number(settings_.expiryMs), QByteArray::number(settings_.capacity),
            QByteArray::number(settings_.maxPerSource),
            deadlineOnRedisClock(registration.answerWithinMs)},
           [this, done = std::move(done)](const redisReply* r) {
               if (r == nullptr) {
                   done(AddResult::Unavailable);
                   return;
               }
               const QByteArray answer = isText(r) ? text(r) : QByteArray();
               static const QList<QPair<QByteArray, AddResult>> known{
                   {"added", AddResult::Added},
                   {"refreshed", AddResult::Refreshed},
                   {"full", AddResult::Full},
                   {"address", AddResult::AddressFull},
                   {"taken", AddResult::TakenElsewhere},
                   {"late", AddResult::Unavailable}};
               for (const auto& [word, result] : known) {
                   if (answer == word) {
                       goodReply();
                       done(result);
                       return;
                   }
               }
               badReply(r->type == REDIS_REPLY_ERROR
                            ? QStringLiteral("error: ") + QString::fromLatin1(text(r).left(200))
                            : QStringLiteral("unexpected reply to a registration"));
               done(AddResult::Unavailable);
           });
}

void RedisStore::remove(const QByteArray& name, const QByteArray& address, const QByteArray& source,
                        RemoveDone done) {
    if (deferUntilReady([=](qint64) { remove(name, address, source, done); }))
        return;
    sendRemoval(name + '\x01' + address, source, std::move(done));
}

void RedisStore::sendRemoval(const QByteArray& id, const QByteArray& source, RemoveDone done) {
    script(redis_scripts::kRemove, {id, source},
           [this, id, source, done = std::move(done)](const redisReply* r) {
               const QByteArray answer = isText(r) ? text(r) : QByteArray();
               if (answer == "removed" || answer == "absent" || answer == "other") {
                   if (done)
                       done(answer == "removed"  ? RemoveResult::Removed
                            : answer == "absent" ? RemoveResult::NotWaiting
                                                 : RemoveResult::OtherSource);
                   goodReply();
                   return;
               }
               // The player who left will not ask again; applied late it does no harm.
               keepRemoval(id, source);
               if (r != nullptr) {
                   badReply(r->type == REDIS_REPLY_ERROR
                                ? QStringLiteral("error: ") + QString::fromLatin1(text(r).left(200))
                                : QStringLiteral("unexpected reply to a removal"));
               }
               if (done)
                   done(RemoveResult::Unavailable);
           });
}

QByteArray RedisStore::lowerLexBound(const QByteArray& folded) {
    return '[' + folded;
}

QByteArray RedisStore::upperLexBound(const QByteArray& folded) {
    // The first string after every string that starts with `folded`.
    QByteArray next = folded;
    while (!next.isEmpty() && static_cast<unsigned char>(next.back()) == 0xFF)
        next.chop(1);
    if (next.isEmpty())
        return "+";
    next.back() = static_cast<char>(static_cast<unsigned char>(next.back()) + 1);
    return '(' + next;
}

void RedisStore::list(const QByteArray& letters, int max, ListDone done) {
    if (deferUntilReady([=](qint64) { list(letters, max, done); }))
        return;
    const QByteArray folded = foldedCopy(letters);
    script(redis_scripts::kList,
           {folded, QByteArray::number(max), lowerLexBound(folded), upperLexBound(folded)},
           [this, max, done = std::move(done)](const redisReply* r) {
               if (r == nullptr) {
                   done(false, {});
                   return;
               }
               QList<WaitingPlayer> players;
               bool sound = r->type == REDIS_REPLY_ARRAY && r->elements % 2 == 0 &&
                            r->elements / 2 <= static_cast<size_t>(max);
               for (size_t i = 0; sound && i + 1 < r->elements; i += 2) {
                   const redisReply* id = r->element[i];
                   const redisReply* listed = r->element[i + 1];
                   if (id == nullptr || listed == nullptr || id->type != REDIS_REPLY_STRING ||
                       listed->type != REDIS_REPLY_STRING) {
                       sound = false;
                       break;
                   }
                   const QByteArray idText = text(id);
                   const qsizetype sep = idText.indexOf('\x01');
                   WaitingPlayer p{idText.left(std::max<qsizetype>(sep, 0)), text(listed)};
                   // Nothing that could break the list reply goes out to a client.
                   sound = sep >= 0 && p.name.size() <= kMaxNameBytes && !p.address.isEmpty() &&
                           p.address.size() <= kMaxAddressBytes && !holdsControlByte(p.name) &&
                           !holdsControlByte(p.address);
                   players.append(p);
               }
               if (!sound) {
                   badReply(r->type == REDIS_REPLY_ERROR
                                ? QStringLiteral("error: ") + QString::fromLatin1(text(r).left(200))
                                : QStringLiteral("unexpected reply to a list"));
                   done(false, {});
                   return;
               }
               goodReply();
               done(true, players);
           });
}

void RedisStore::count(CountDone done) {
    if (deferUntilReady([=](qint64) { count(done); }))
        return;
    script(redis_scripts::kCount, {}, [this, done = std::move(done)](const redisReply* r) {
        if (r == nullptr) {
            done(-1);
            return;
        }
        if (r->type != REDIS_REPLY_INTEGER) {
            badReply(QStringLiteral("unexpected reply to a count"));
            done(-1);
            return;
        }
        goodReply();
        done(static_cast<qint64>(r->integer));
    });
}

}  // namespace matchd
