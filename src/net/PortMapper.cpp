#include "net/PortMapper.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHash>
#include <QHostAddress>
#include <QMetaObject>
#include <QNetworkInterface>
#include <QTcpSocket>
#include <QThread>
#include <QUrl>

#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>
#include <miniupnpc/upnpreplyparse.h>

#include <pthread.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

#include "net/AddressScope.h"
#include "net/PeerAddress.h"

namespace portmapper {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kConflictInMappingEntry = 718;
constexpr int kOnlyPermanentLeasesSupported = 725;
constexpr int kNoSuchEntryInArray = 714;
// miniupnpc keeps a router's URLs in fields of 128 bytes.
constexpr int kMaxRootUrl = 120;
const char* const kProtocol = "TCP";
const char* const kDescription = "Ropewit";
// A router's description is a few KiB and its answers less: whatever is larger is no router's.
constexpr qsizetype kMaxReply = 64 * 1024;
// One exchange with the router, from connecting to the last byte of its answer.
constexpr int kExchangeMs = 5000;

QString number(quint16 port) {
    return QString::number(port);
}

// libminiupnpc fetches descriptions and answers (miniwget, simpleUPnPcommand) without any
// bound on their size and with a wait of seconds for each read, so a router that keeps sending
// holds the thread and takes memory without end. Every exchange is therefore made here, bounded
// in size and time, and only libminiupnpc's parsers see what the router sent.
struct Reply {
    enum class Outcome { Answered, Unanswered, TooLarge };
    Outcome outcome = Outcome::Unanswered;
    QByteArray body;
    QHostAddress local;  // this computer's address as the router sees it
    QHostAddress peer;
};

QByteArray header(const QByteArray& head, const QByteArray& name) {
    for (const QByteArray& line : head.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == name) {
            return line.mid(colon + 1).trimmed();
        }
    }
    return {};
}

// The body of a chunked answer; what does not parse ends it.
QByteArray unchunk(const QByteArray& data) {
    QByteArray body;
    qsizetype at = 0;
    for (;;) {
        const qsizetype lineEnd = data.indexOf("\r\n", at);
        bool ok = false;
        const qsizetype size =
            lineEnd < 0 ? 0
                        : data.mid(at, lineEnd - at).split(';').at(0).trimmed().toLongLong(&ok, 16);
        if (!ok || size <= 0 || size > data.size() - lineEnd - 2) {
            return body;
        }
        body += data.mid(lineEnd + 2, size);
        at = lineEnd + 2 + size + 2;
    }
}

// The body once the answer is whole: all of Content-Length, or everything up to the close.
std::optional<QByteArray> bodyOf(const QByteArray& data, bool closed) {
    const qsizetype headEnd = data.indexOf("\r\n\r\n");
    if (headEnd < 0) {
        return std::nullopt;
    }
    const QByteArray head = data.left(headEnd);
    const QByteArray rest = data.mid(headEnd + 4);
    bool known = false;
    const qsizetype length = header(head, "content-length").toLongLong(&known);
    if (header(head, "transfer-encoding").toLower().contains("chunked")) {
        return closed || rest.endsWith("0\r\n\r\n") ? std::optional(unchunk(rest)) : std::nullopt;
    }
    if (known && length >= 0 && rest.size() >= length) {
        return rest.left(length);
    }
    return closed ? std::optional(rest) : std::nullopt;
}

Reply exchange(const QUrl& url, const QByteArray& request) {
    Reply reply;
    const QDeadlineTimer deadline(kExchangeMs);
    QTcpSocket socket;
    socket.connectToHost(url.host(), static_cast<quint16>(url.port(80)));
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
        return reply;
    }
    reply.local = socket.localAddress();
    reply.peer = socket.peerAddress();
    socket.write(request);
    QByteArray data;
    for (;;) {
        const bool ended =
            socket.state() != QAbstractSocket::ConnectedState && socket.bytesAvailable() == 0;
        if (std::optional<QByteArray> body = bodyOf(data, ended)) {
            reply.outcome = Reply::Outcome::Answered;
            reply.body = *body;
            return reply;
        }
        if (data.size() > kMaxReply) {
            reply.outcome = Reply::Outcome::TooLarge;
            return reply;
        }
        if (ended) {
            return reply;  // closed before the answer was whole
        }
        if (socket.bytesAvailable() == 0 &&
            !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())) &&
            socket.state() == QAbstractSocket::ConnectedState) {
            return reply;  // out of time
        }
        data += socket.read(kMaxReply + 1 - data.size());
    }
}

QByteArray requestLine(const QByteArray& method, const QUrl& url) {
    QByteArray path = url.path(QUrl::FullyEncoded).toLatin1();
    if (url.hasQuery()) {
        path += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    }
    return method + ' ' + (path.isEmpty() ? QByteArray("/") : path) +
           " HTTP/1.1\r\nHost: " + url.authority(QUrl::FullyEncoded).toLatin1() +
           "\r\nConnection: close\r\n";
}

// This computer's addresses with their subnets, for telling the router on the LAN from others.
QList<QNetworkAddressEntry> ownAddresses() {
    QList<QNetworkAddressEntry> entries;
    for (const QNetworkInterface& face : QNetworkInterface::allInterfaces()) {
        if (face.flags().testFlag(QNetworkInterface::IsUp)) {
            entries += face.addressEntries();
        }
    }
    return entries;
}

bool sameOrigin(const QUrl& a, const QUrl& b) {
    return a.scheme() == b.scheme() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 &&
           a.port(80) == b.port(80);
}

}  // namespace

struct Command {
    enum class Kind { Start, Stop, Quit };
    Kind kind = Kind::Stop;
    quint16 port = 0;
    PortMapper::Config config;
};

// What the window's side and the router's thread share; the thread may outlive the window's
// side when a router keeps it waiting at close.
struct Channel {
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable ended;
    std::deque<Command> commands;
    PortMapper* owner = nullptr;  // null once the owner is gone: nothing is delivered then
    bool finished = false;
};

// The router as found: its control address and the address of this computer it answered.
struct Router {
    UPNPUrls urls{};
    IGDdatas data{};
    char lanAddress[64] = {};
    bool urlsSet = false;
    QUrl controlUrl;

    Router() = default;
    Router(const Router&) = delete;
    Router& operator=(const Router&) = delete;
    ~Router() {
        if (urlsSet) {
            FreeUPNPUrls(&urls);
        }
    }
    const char* service() const { return data.first.servicetype; }
};

// A router's answer to one action: UPNPCOMMAND_SUCCESS, the router's error code, or one of
// libminiupnpc's own codes for no answer (HTTP_ERROR) and a senseless one (UNKNOWN_ERROR).
struct Answer {
    int result = UPNPCOMMAND_HTTP_ERROR;
    QHash<QByteArray, QByteArray> values;
};

QByteArray element(const char* name, const QByteArray& text) {
    return QByteArray("<") + name + '>' + text + "</" + name + '>';
}

// What the router says it holds at an external port.
struct Entry {
    int result = UPNPCOMMAND_UNKNOWN_ERROR;
    QString client;
    quint16 internalPort = 0;
};

// Everything below runs on the router's thread and talks to the window's side only by post().
class Worker {
public:
    explicit Worker(std::shared_ptr<Channel> channel) : channel_(std::move(channel)) {}
    void run();

private:
    std::optional<Command> next();
    void begin(quint16 port, const PortMapper::Config& config);
    void renew();
    void remove(bool tell);
    std::unique_ptr<Router> findRouter(const PortMapper::Config& config, QString& why);
    std::unique_ptr<Router> describe(const QUrl& url, QString& why);
    Answer soap(const char* action, const QByteArray& args);
    int add(int lease);
    int removeMapping();
    Entry entry();
    // The router says it forwards the port to this computer, or why not (empty when it does).
    QString confirm();
    void announceExternalAddress();
    void lose(const QString& line);

    void post(std::function<void(PortMapper&)> deliver);
    void say(const QString& line);

    std::shared_ptr<Channel> channel_;
    std::unique_ptr<Router> router_;
    PortMapper::Config config_;
    quint16 port_ = 0;
    bool mapped_ = false;
    int lease_ = 0;
    Clock::time_point renewAt_;
};

void Worker::run() {
    // A router that drops the connection while a request is written must not end the program.
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);

    for (;;) {
        const std::optional<Command> command = next();
        if (!command) {
            renew();
            continue;
        }
        switch (command->kind) {
            case Command::Kind::Start:
                begin(command->port, command->config);
                break;
            case Command::Kind::Stop:
                remove(true);
                router_.reset();
                break;
            case Command::Kind::Quit: {
                remove(false);
                router_.reset();
                std::lock_guard<std::mutex> lock(channel_->mutex);
                channel_->finished = true;
                channel_->ended.notify_all();
                return;
            }
        }
        bool idle = false;
        {
            std::lock_guard<std::mutex> lock(channel_->mutex);
            idle = channel_->commands.empty();
        }
        if (idle) {
            post([](PortMapper& owner) { Q_EMIT owner.settled(); });
        }
    }
}

// The next command, or none when the lease is due for renewal first.
std::optional<Command> Worker::next() {
    std::unique_lock<std::mutex> lock(channel_->mutex);
    const auto ready = [this] { return !channel_->commands.empty(); };
    if (mapped_ && lease_ > 0) {
        channel_->wake.wait_until(lock, renewAt_, ready);
    } else {
        channel_->wake.wait(lock, ready);
    }
    if (channel_->commands.empty()) {
        return std::nullopt;
    }
    Command command = channel_->commands.front();
    channel_->commands.pop_front();
    return command;
}

void Worker::begin(quint16 port, const PortMapper::Config& config) {
    if (mapped_ && port == port_) {
        return;  // already forwarded; the lease is renewed as it runs
    }
    remove(true);
    router_.reset();
    config_ = config;
    port_ = port;
    if (config.mode == PortMapper::Mode::Off) {
        return;
    }

    QString why;
    router_ = findRouter(config, why);
    if (!router_) {
        say(why);
        return;
    }
    if (router_->lanAddress[0] == '\0') {
        say(QCoreApplication::translate(
                "PortMapper",
                "Your router did not show which address of this computer it sees; "
                "going on without forwarding port %1")
                .arg(number(port_)));
        return;
    }

    lease_ = std::max(0, config.leaseSeconds);
    int result = add(lease_);
    if (result == kOnlyPermanentLeasesSupported && lease_ != 0) {
        lease_ = 0;  // removed on stop and at close all the same
        result = add(lease_);
    }
    if (result == kConflictInMappingEntry) {
        const Entry held = entry();
        if (held.result != UPNPCOMMAND_SUCCESS ||
            held.client != QLatin1String(router_->lanAddress)) {
            say(QCoreApplication::translate(
                    "PortMapper",
                    "Port %1 on your router is taken by another computer%2; players on "
                    "the internet may not reach you (choose another port with "
                    "--peer-port, or free the port in the router's settings)")
                    .arg(number(port_), held.client.isEmpty()
                                            ? QString()
                                            : QStringLiteral(" (%1)").arg(held.client)));
            return;
        }
        // This computer's own forwarding, left behind by a game that did not close: take it
        // over afresh.
        removeMapping();
        result = add(lease_);
    }
    if (result == UPNPCOMMAND_HTTP_ERROR) {
        say(QCoreApplication::translate(
                "PortMapper", "Your router stopped answering; going on without forwarding port %1")
                .arg(number(port_)));
        return;
    }
    if (result != UPNPCOMMAND_SUCCESS) {
        say(QCoreApplication::translate(
                "PortMapper",
                "Your router refused to forward port %1 (error %2); if players on the "
                "internet cannot call you, forward the port by hand in the router's "
                "settings")
                .arg(number(port_))
                .arg(result));
        return;
    }
    const QString doubt = confirm();
    if (!doubt.isEmpty()) {
        say(doubt);
        return;
    }
    mapped_ = true;
    renewAt_ = Clock::now() + std::chrono::milliseconds(config_.renewIntervalMs > 0
                                                            ? config_.renewIntervalMs
                                                            : lease_ * 500);
    say(QCoreApplication::translate("PortMapper",
                                    "Your router now forwards port %1 to this computer")
            .arg(number(port_)));
    announceExternalAddress();
}

std::unique_ptr<Router> Worker::findRouter(const PortMapper::Config& config, QString& why) {
    const QString byHand =
        QCoreApplication::translate(
            "PortMapper",
            "; if players on the internet cannot call you, forward port %1 by hand "
            "in your router's settings")
            .arg(number(port_));
    std::unique_ptr<Router> router;
    if (config.mode == PortMapper::Mode::Url) {
        router = describe(QUrl(config.rootUrl), why);
        if (why.isEmpty()) {
            why = QCoreApplication::translate("PortMapper", "No router answered at %1")
                      .arg(config.rootUrl);
        }
    } else {
        int error = 0;
        UPNPDev* devices =
            upnpDiscover(config.discoverMs, nullptr, nullptr, UPNP_LOCAL_PORT_ANY, 0, 2, &error);
        if (!devices) {
            why = QCoreApplication::translate("PortMapper",
                                              "No router answered the request to forward a port") +
                  byHand;
            return nullptr;
        }
        // Any host may answer discovery: the first on the LAN that forwards ports is taken.
        for (UPNPDev* device = devices; device && !router; device = device->pNext) {
            const QUrl url(QString::fromLatin1(device->descURL));
            const QHostAddress host(url.host());
            if (!host.isNull() && addressscope::onLocalNetwork(host, ownAddresses())) {
                QString skipped;
                router = describe(url, skipped);
            }
        }
        freeUPNPDevlist(devices);
        if (!router) {
            why =
                QCoreApplication::translate("PortMapper", "No router that forwards ports answered");
        }
    }
    if (!router) {
        why += byHand;
    }
    return router;
}

// The router whose description is at url, or why not: empty when nobody answered there.
std::unique_ptr<Router> Worker::describe(const QUrl& url, QString& why) {
    if (url.scheme() != QLatin1String("http") || url.host().isEmpty()) {
        return nullptr;
    }
    const Reply reply = exchange(url, requestLine("GET", url) + "\r\n");
    if (reply.outcome == Reply::Outcome::TooLarge) {
        why = QCoreApplication::translate(
                  "PortMapper",
                  "The router's description at %1 is larger than any router's (over "
                  "%2 KiB) and was not read")
                  .arg(url.toString())
                  .arg(kMaxReply / 1024);
        return nullptr;
    }
    if (reply.outcome != Reply::Outcome::Answered || reply.body.isEmpty()) {
        return nullptr;
    }
    if (!addressscope::onLocalNetwork(reply.peer, ownAddresses())) {
        why = QCoreApplication::translate(
                  "PortMapper", "The router at %1 is not on your local network and was not asked")
                  .arg(url.host());
        return nullptr;
    }
    auto router = std::make_unique<Router>();
    parserootdesc(reply.body.constData(), static_cast<int>(reply.body.size()), &router->data);
    router->data.first.servicetype[MINIUPNPC_URL_MAXSIZE - 1] = '\0';
    GetUPNPUrls(&router->urls, &router->data, url.toEncoded().constData(), 0);
    router->urlsSet = true;
    router->controlUrl =
        QUrl(QString::fromLatin1(router->urls.controlURL ? router->urls.controlURL : ""));
    const QByteArray service(router->service());
    const bool printable =
        std::all_of(service.cbegin(), service.cend(), [](char c) { return c > ' ' && c < 0x7f; });
    if (router->controlUrl.path().isEmpty() || service.isEmpty() || !printable) {
        why = QCoreApplication::translate("PortMapper",
                                          "Your router's answer could not be understood");
        return nullptr;
    }
    // A control address elsewhere would have the game post to whatever listens there.
    if (!sameOrigin(router->controlUrl, url)) {
        why = QCoreApplication::translate(
                  "PortMapper",
                  "The router at %1 named a control address on another host or port, "
                  "which was not used")
                  .arg(url.host());
        return nullptr;
    }
    const QByteArray lan = reply.local.toString().toLatin1();
    qstrncpy(router->lanAddress, lan.constData(), sizeof router->lanAddress);
    return router;
}

Answer Worker::soap(const char* action, const QByteArray& args) {
    const QByteArray service(router_->service());
    const QByteArray body =
        "<?xml version=\"1.0\"?>\r\n<s:Envelope "
        "xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\" "
        "s:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\"><s:Body><u:" +
        QByteArray(action) + " xmlns:u=\"" + service + "\">" + args + "</u:" + action +
        "></s:Body></s:Envelope>\r\n";
    const Reply reply = exchange(
        router_->controlUrl,
        requestLine("POST", router_->controlUrl) +
            "Content-Type: text/xml; charset=\"utf-8\"\r\nSOAPAction: \"" + service + '#' + action +
            "\"\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
    Answer answer;
    if (reply.outcome == Reply::Outcome::TooLarge) {
        answer.result = UPNPCOMMAND_UNKNOWN_ERROR;
    }
    if (reply.outcome != Reply::Outcome::Answered || reply.body.isEmpty()) {
        return answer;
    }
    NameValueParserData parsed{};
    ParseNameValue(reply.body.constData(), static_cast<int>(reply.body.size()), &parsed);
    for (const NameValue* pair = parsed.l_head; pair; pair = pair->l_next) {
        const QByteArray name(pair->name,
                              static_cast<int>(qstrnlen(pair->name, sizeof pair->name)));
        if (!answer.values.contains(name)) {
            answer.values.insert(
                name, QByteArray(pair->value,
                                 static_cast<int>(qstrnlen(pair->value, sizeof pair->value))));
        }
    }
    ClearNameValueList(&parsed);
    answer.result = UPNPCOMMAND_SUCCESS;
    if (answer.values.contains("errorCode")) {
        bool ok = false;
        const int code = answer.values.value("errorCode").trimmed().toInt(&ok);
        answer.result = ok ? code : UPNPCOMMAND_UNKNOWN_ERROR;
    }
    return answer;
}

int Worker::add(int lease) {
    const QByteArray port = QByteArray::number(port_);
    return soap("AddPortMapping",
                element("NewRemoteHost", {}) + element("NewExternalPort", port) +
                    element("NewProtocol", kProtocol) + element("NewInternalPort", port) +
                    element("NewInternalClient", router_->lanAddress) + element("NewEnabled", "1") +
                    element("NewPortMappingDescription", kDescription) +
                    element("NewLeaseDuration", QByteArray::number(lease)))
        .result;
}

int Worker::removeMapping() {
    return soap("DeletePortMapping", element("NewRemoteHost", {}) +
                                         element("NewExternalPort", QByteArray::number(port_)) +
                                         element("NewProtocol", kProtocol))
        .result;
}

Entry Worker::entry() {
    const Answer answer =
        soap("GetSpecificPortMappingEntry",
             element("NewRemoteHost", {}) + element("NewExternalPort", QByteArray::number(port_)) +
                 element("NewProtocol", kProtocol));
    Entry held;
    held.result = answer.result;
    if (held.result == UPNPCOMMAND_SUCCESS && !answer.values.contains("NewInternalClient")) {
        held.result = UPNPCOMMAND_UNKNOWN_ERROR;  // no answer to the question asked
    }
    held.client = QString::fromLatin1(answer.values.value("NewInternalClient"));
    held.internalPort = static_cast<quint16>(answer.values.value("NewInternalPort").toUInt());
    return held;
}

QString Worker::confirm() {
    // Some routers say yes to anything, or answer with something that is no answer at all;
    // what the router holds afterwards is what counts.
    const Entry held = entry();
    if (held.result == UPNPCOMMAND_SUCCESS) {
        if (held.client == QLatin1String(router_->lanAddress) && held.internalPort == port_) {
            return {};
        }
        return QCoreApplication::translate(
                   "PortMapper",
                   "Port %1 on your router is taken by another computer (%2); players "
                   "on the internet may not reach you")
            .arg(number(port_), held.client);
    }
    if (held.result == UPNPCOMMAND_HTTP_ERROR) {
        return QCoreApplication::translate(
                   "PortMapper",
                   "Your router stopped answering; going on without forwarding port %1")
            .arg(number(port_));
    }
    if (held.result < 0) {
        return QCoreApplication::translate(
                   "PortMapper",
                   "Your router's answer could not be understood; going on without "
                   "forwarding port %1")
            .arg(number(port_));
    }
    if (held.result == kNoSuchEntryInArray) {
        return QCoreApplication::translate(
                   "PortMapper",
                   "Your router said yes but does not forward port %1; forward it by "
                   "hand in the router's settings if players cannot call you")
            .arg(number(port_));
    }
    return {};  // a router that cannot list its forwardings: its yes has to do
}

void Worker::announceExternalAddress() {
    const Answer answer = soap("GetExternalIPAddress", {});
    QString address;
    if (answer.result == UPNPCOMMAND_SUCCESS) {
        address = QString::fromLatin1(answer.values.value("NewExternalIPAddress")).trimmed();
    }
    const addressscope::Scope scope = addressscope::classify(address);
    if (addressscope::reachableFromInternet(scope)) {
        say(QCoreApplication::translate("PortMapper", "Players on the internet can call you at %1")
                .arg(peeraddress::display(address, port_)));
    } else {
        if (scope != addressscope::Scope::Invalid) {
            say(QCoreApplication::translate(
                    "PortMapper",
                    "Your router's own address %1 is %2, so players on the internet "
                    "may still not reach you (another router or your provider sits "
                    "in between)")
                    .arg(address, addressscope::describe(scope)));
        }
        address.clear();
    }
    const quint16 port = port_;
    post([address, port](PortMapper& owner) {
        owner.mapped_ = true;
        owner.externalAddress_ = address;
        owner.externalPort_ = port;
        Q_EMIT owner.mapped(address, port);
    });
}

void Worker::renew() {
    if (!mapped_ || !router_) {
        return;
    }
    const int result = add(lease_);
    const QString doubt = result == UPNPCOMMAND_SUCCESS ? confirm() : QString();
    if (result == UPNPCOMMAND_SUCCESS && doubt.isEmpty()) {
        renewAt_ = Clock::now() + std::chrono::milliseconds(config_.renewIntervalMs > 0
                                                                ? config_.renewIntervalMs
                                                                : lease_ * 500);
        return;
    }
    if (!doubt.isEmpty()) {
        lose(doubt);
    } else if (result == kConflictInMappingEntry) {
        lose(QCoreApplication::translate(
                 "PortMapper",
                 "Another computer has taken port %1 on your router; players on the "
                 "internet may no longer reach you")
                 .arg(number(port_)));
    } else if (result == UPNPCOMMAND_HTTP_ERROR) {
        lose(QCoreApplication::translate(
                 "PortMapper",
                 "Your router stopped answering; port %1 may no longer be forwarded "
                 "to this computer")
                 .arg(number(port_)));
    } else if (result < 0) {
        lose(QCoreApplication::translate(
                 "PortMapper",
                 "Your router's answer could not be understood; port %1 may no longer "
                 "be forwarded to this computer")
                 .arg(number(port_)));
    } else {
        lose(QCoreApplication::translate(
                 "PortMapper",
                 "Your router refused to keep forwarding port %1 (error %2); players "
                 "on the internet may no longer reach you")
                 .arg(number(port_))
                 .arg(result));
    }
}

// The forwarding is gone or in doubt: nothing more is asked of this router until the next
// start, and nothing of it is removed (another computer may hold the port now).
void Worker::lose(const QString& line) {
    mapped_ = false;
    router_.reset();
    say(line);
    post([](PortMapper& owner) {
        owner.mapped_ = false;
        owner.externalAddress_.clear();
        owner.externalPort_ = 0;
        Q_EMIT owner.unmapped();
    });
}

void Worker::remove(bool tell) {
    if (!mapped_ || !router_) {
        mapped_ = false;
        return;
    }
    mapped_ = false;
    const int result = removeMapping();
    if (!tell) {
        return;
    }
    if (result == UPNPCOMMAND_SUCCESS || result == kNoSuchEntryInArray) {
        say(QCoreApplication::translate("PortMapper", "Your router no longer forwards port %1")
                .arg(number(port_)));
    } else if (lease_ > 0) {
        say(QCoreApplication::translate(
                "PortMapper",
                "Your router did not remove the forwarding of port %1; it ends by "
                "itself within %2 minutes")
                .arg(number(port_))
                .arg((lease_ + 59) / 60));
    } else {
        say(QCoreApplication::translate(
                "PortMapper",
                "Your router did not remove the forwarding of port %1; remove it by "
                "hand in the router's settings")
                .arg(number(port_)));
    }
    post([](PortMapper& owner) {
        owner.mapped_ = false;
        owner.externalAddress_.clear();
        owner.externalPort_ = 0;
        Q_EMIT owner.unmapped();
    });
}

void Worker::post(std::function<void(PortMapper&)> deliver) {
    // Under the lock, so the owner cannot go between the look and the posting; events posted
    // to it before it goes are dropped with it.
    std::lock_guard<std::mutex> lock(channel_->mutex);
    if (PortMapper* owner = channel_->owner) {
        QMetaObject::invokeMethod(
            owner, [owner, deliver = std::move(deliver)] { deliver(*owner); },
            Qt::QueuedConnection);
    }
}

void Worker::say(const QString& line) {
    post([line](PortMapper& owner) { Q_EMIT owner.report(line); });
}

}  // namespace portmapper

using portmapper::Channel;
using portmapper::Command;

bool PortMapper::parseMode(const QString& text, Config& config, QString& error) {
    const QString value = text.trimmed();
    if (value.compare(QLatin1String("off"), Qt::CaseInsensitive) == 0) {
        config.mode = Mode::Off;
        return true;
    }
    if (value.compare(QLatin1String("discover"), Qt::CaseInsensitive) == 0) {
        config.mode = Mode::Discover;
        return true;
    }
    const QUrl url(value, QUrl::StrictMode);
    if (url.isValid() && url.scheme() == QLatin1String("http") && !url.host().isEmpty() &&
        url.userInfo().isEmpty() && value.size() <= portmapper::kMaxRootUrl &&
        value.startsWith(QLatin1String("http://"))) {
        config.mode = Mode::Url;
        config.rootUrl = value;
        return true;
    }
    error = QCoreApplication::translate(
                "PortMapper",
                "The router setting takes off, discover, or the http:// address of the router's "
                "description (at most %1 characters), not \"%2\".")
                .arg(portmapper::kMaxRootUrl)
                .arg(value.left(portmapper::kMaxRootUrl + 10));
    return false;
}

bool PortMapper::chooseMode(const QString& option, const QString& environment, bool settingOn,
                            Config& config, QString& error) {
    if (!option.trimmed().isEmpty()) {
        return parseMode(option, config, error);
    }
    if (!environment.trimmed().isEmpty()) {
        return parseMode(environment, config, error);
    }
    config.mode = settingOn ? Mode::Discover : Mode::Off;
    return true;
}

QString PortMapper::offAdvice(const QString& ownAddress, quint16 port) {
    if (addressscope::classify(ownAddress) != addressscope::Scope::Private) {
        return {};
    }
    return QCoreApplication::translate(
               "PortMapper",
               "This computer waits at %1, a private address: players on the internet can call "
               "it only if your router forwards port %2 to it. Options, \"Open Port On Router\" "
               "asks the router to do that.")
        .arg(ownAddress.trimmed(), QString::number(port));
}

PortMapper::PortMapper(QObject* parent) : QObject(parent) {}

PortMapper::~PortMapper() {
    if (!thread_) {
        return;
    }
    std::unique_lock<std::mutex> lock(channel_->mutex);
    channel_->owner = nullptr;
    channel_->commands.push_back(Command{Command::Kind::Quit, 0, {}});
    channel_->wake.notify_one();
    const bool finished =
        channel_->ended.wait_for(lock, std::chrono::milliseconds(std::max(0, config_.closeWaitMs)),
                                 [this] { return channel_->finished; });
    lock.unlock();
    if (finished) {
        thread_->wait();
        return;
    }
    // A router keeps the thread waiting: let it end by itself instead of holding up the close.
    QThread* thread = thread_.release();
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
}

void PortMapper::setConfig(const Config& config) {
    config_ = config;
}

void PortMapper::ensureWorker() {
    if (thread_) {
        return;
    }
    channel_ = std::make_shared<Channel>();
    channel_->owner = this;
    std::shared_ptr<Channel> channel = channel_;
    thread_.reset(QThread::create([channel] { portmapper::Worker(channel).run(); }));
    thread_->setObjectName(QStringLiteral("PortMapper"));
    thread_->start();
}

void PortMapper::start(quint16 port) {
    if (config_.mode == Mode::Off || port == 0) {
        stop();
        return;
    }
    ensureWorker();
    std::lock_guard<std::mutex> lock(channel_->mutex);
    channel_->commands.push_back(Command{Command::Kind::Start, port, config_});
    channel_->wake.notify_one();
}

void PortMapper::stop() {
    if (!thread_) {
        return;
    }
    std::lock_guard<std::mutex> lock(channel_->mutex);
    channel_->commands.push_back(Command{Command::Kind::Stop, 0, {}});
    channel_->wake.notify_one();
}
