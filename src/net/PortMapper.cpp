#include "net/PortMapper.h"

#include <QMetaObject>
#include <QThread>
#include <QUrl>

#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>

#include <pthread.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
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

QString number(quint16 port) {
    return QString::number(port);
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

    Router() = default;
    Router(const Router&) = delete;
    Router& operator=(const Router&) = delete;
    ~Router() {
        if (urlsSet) {
            FreeUPNPUrls(&urls);
        }
    }
    const char* control() const { return urls.controlURL; }
    const char* service() const { return data.first.servicetype; }
};

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
    int add(int lease);
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
        say(QStringLiteral("Your router did not show which address of this computer it sees; "
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
            say(QStringLiteral("Port %1 on your router is taken by another computer%2; players on "
                               "the internet may not reach you (choose another port with "
                               "--peer-port, or free the port in the router's settings)")
                    .arg(number(port_), held.client.isEmpty()
                                            ? QString()
                                            : QStringLiteral(" (%1)").arg(held.client)));
            return;
        }
        // This computer's own forwarding, left behind by a game that did not close: take it
        // over afresh.
        UPNP_DeletePortMapping(router_->control(), router_->service(),
                               QByteArray::number(port_).constData(), kProtocol, nullptr);
        result = add(lease_);
    }
    if (result == UPNPCOMMAND_HTTP_ERROR) {
        say(QStringLiteral("Your router stopped answering; going on without forwarding port %1")
                .arg(number(port_)));
        return;
    }
    if (result != UPNPCOMMAND_SUCCESS) {
        say(QStringLiteral("Your router refused to forward port %1 (error %2); if players on the "
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
    say(QStringLiteral("Your router now forwards port %1 to this computer").arg(number(port_)));
    announceExternalAddress();
}

std::unique_ptr<Router> Worker::findRouter(const PortMapper::Config& config, QString& why) {
    auto router = std::make_unique<Router>();
    const QString byHand =
        QStringLiteral(
            "; if players on the internet cannot call you, forward port %1 by hand "
            "in your router's settings")
            .arg(number(port_));
    if (config.mode == PortMapper::Mode::Url) {
        const QByteArray url = config.rootUrl.toLatin1();
        if (url.isEmpty() || url.size() > kMaxRootUrl ||
            !UPNP_GetIGDFromUrl(url.constData(), &router->urls, &router->data, router->lanAddress,
                                sizeof router->lanAddress)) {
            why = QStringLiteral("No router answered at %1").arg(config.rootUrl) + byHand;
            return nullptr;
        }
        router->urlsSet = true;
    } else {
        int error = 0;
        UPNPDev* devices =
            upnpDiscover(config.discoverMs, nullptr, nullptr, UPNP_LOCAL_PORT_ANY, 0, 2, &error);
        if (!devices) {
            why = QStringLiteral("No router answered the request to forward a port") + byHand;
            return nullptr;
        }
#if MINIUPNPC_API_VERSION >= 18
        const int found =
            UPNP_GetValidIGD(devices, &router->urls, &router->data, router->lanAddress,
                             sizeof router->lanAddress, nullptr, 0);
        const int notAGateway = 4;
#else
        const int found = UPNP_GetValidIGD(devices, &router->urls, &router->data,
                                           router->lanAddress, sizeof router->lanAddress);
        const int notAGateway = 3;
#endif
        freeUPNPDevlist(devices);
        router->urlsSet = found != 0;
        if (found == 0 || found == notAGateway) {
            why = QStringLiteral("No router that forwards ports answered") + byHand;
            return nullptr;
        }
    }
    router->lanAddress[sizeof router->lanAddress - 1] = '\0';
    if (!router->control() || router->control()[0] == '\0' || router->service()[0] == '\0') {
        why = QStringLiteral("Your router's answer could not be understood") + byHand;
        return nullptr;
    }
    return router;
}

int Worker::add(int lease) {
    const QByteArray port = QByteArray::number(port_);
    const QByteArray leaseText = QByteArray::number(lease);
    return UPNP_AddPortMapping(router_->control(), router_->service(), port.constData(),
                               port.constData(), router_->lanAddress, kDescription, kProtocol,
                               nullptr, leaseText.constData());
}

Entry Worker::entry() {
    // Larger than miniupnpc ever fills, each ends in a zero byte whatever the router sends.
    char client[64] = {};
    char internalPort[16] = {};
    char description[128] = {};
    char enabled[16] = {};
    char lease[32] = {};
    Entry held;
    held.result = UPNP_GetSpecificPortMappingEntry(
        router_->control(), router_->service(), QByteArray::number(port_).constData(), kProtocol,
        nullptr, client, internalPort, description, enabled, lease);
    client[sizeof client - 1] = '\0';
    internalPort[sizeof internalPort - 1] = '\0';
    held.client = QString::fromLatin1(client);
    held.internalPort = static_cast<quint16>(QByteArray(internalPort).toUInt());
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
        return QStringLiteral(
                   "Port %1 on your router is taken by another computer (%2); players "
                   "on the internet may not reach you")
            .arg(number(port_), held.client);
    }
    if (held.result == UPNPCOMMAND_HTTP_ERROR) {
        return QStringLiteral("Your router stopped answering; going on without forwarding port %1")
            .arg(number(port_));
    }
    if (held.result < 0) {
        return QStringLiteral(
                   "Your router's answer could not be understood; going on without "
                   "forwarding port %1")
            .arg(number(port_));
    }
    if (held.result == kNoSuchEntryInArray) {
        return QStringLiteral(
                   "Your router said yes but does not forward port %1; forward it by "
                   "hand in the router's settings if players cannot call you")
            .arg(number(port_));
    }
    return {};  // a router that cannot list its forwardings: its yes has to do
}

void Worker::announceExternalAddress() {
    char external[64] = {};
    QString address;
    if (UPNP_GetExternalIPAddress(router_->control(), router_->service(), external) ==
        UPNPCOMMAND_SUCCESS) {
        external[sizeof external - 1] = '\0';
        address = QString::fromLatin1(external).trimmed();
    }
    const addressscope::Scope scope = addressscope::classify(address);
    if (addressscope::reachableFromInternet(scope)) {
        say(QStringLiteral("Players on the internet can call you at %1")
                .arg(peeraddress::display(address, port_)));
    } else {
        if (scope != addressscope::Scope::Invalid) {
            say(QStringLiteral("Your router's own address %1 is %2, so players on the internet "
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
        lose(QStringLiteral("Another computer has taken port %1 on your router; players on the "
                            "internet may no longer reach you")
                 .arg(number(port_)));
    } else if (result == UPNPCOMMAND_HTTP_ERROR) {
        lose(QStringLiteral("Your router stopped answering; port %1 may no longer be forwarded "
                            "to this computer")
                 .arg(number(port_)));
    } else if (result < 0) {
        lose(QStringLiteral("Your router's answer could not be understood; port %1 may no longer "
                            "be forwarded to this computer")
                 .arg(number(port_)));
    } else {
        lose(QStringLiteral("Your router refused to keep forwarding port %1 (error %2); players "
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
    const int result =
        UPNP_DeletePortMapping(router_->control(), router_->service(),
                               QByteArray::number(port_).constData(), kProtocol, nullptr);
    if (!tell) {
        return;
    }
    if (result == UPNPCOMMAND_SUCCESS || result == kNoSuchEntryInArray) {
        say(QStringLiteral("Your router no longer forwards port %1").arg(number(port_)));
    } else if (lease_ > 0) {
        say(QStringLiteral("Your router did not remove the forwarding of port %1; it ends by "
                           "itself within %2 minutes")
                .arg(number(port_))
                .arg((lease_ + 59) / 60));
    } else {
        say(QStringLiteral("Your router did not remove the forwarding of port %1; remove it by "
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
    error = QStringLiteral(
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
    return QStringLiteral(
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
