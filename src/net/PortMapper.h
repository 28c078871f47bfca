#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QThread;

namespace portmapper {
struct Channel;
class Worker;
}  // namespace portmapper

// Asks the home router (UPnP IGD) to forward the game's listening port to this computer while
// the game waits for a caller, renews the lease while it waits, and removes the forwarding when
// the waiting stops and when the program closes.
//
// Routers are slow, absent or odd more often than not, so every exchange with one runs on a
// thread of its own: the window never waits for a router, and closing waits a bounded time
// only. What happened is reported in plain words for the connection log, once per attempt;
// whatever goes wrong, the game goes on without the forwarding.
class PortMapper : public QObject {
    Q_OBJECT
public:
    enum class Mode {
        Off,       // never talk to a router
        Discover,  // find the router with a discovery request on the local network
        Url,       // talk to the router description at rootUrl; never send discovery
    };

    struct Config {
        Mode mode = Mode::Off;
        QString rootUrl;  // Url mode: http://HOST[:PORT]/PATH of the router's root description
        int leaseSeconds = 1200;  // a crashed game's forwarding lapses after this; 0 = permanent
        int renewIntervalMs = 0;  // 0: half the lease
        int discoverMs = 2000;    // how long discovery waits for routers to answer
        int closeWaitMs = 1500;   // how long the destructor waits for the removal
    };

    // Reads the value of --router or ROPEWIT_ROUTER: "off", "discover" or an http:// URL.
    // Returns false with a sentence in error when the text is none of these.
    static bool parseMode(const QString& text, Config& config, QString& error);
    // Which router mode applies: --router when given, else ROPEWIT_ROUTER when set, else the
    // player's setting (on: discover, off: off). False with the reason when the text that
    // counts is malformed; config keeps its other fields.
    static bool chooseMode(const QString& option, const QString& environment, bool settingOn,
                           Config& config, QString& error);

    // The one line logged when the player waits from an address nobody on the internet can
    // call and the router is not asked: what asking would do and where to turn it on. Empty
    // for a public address.
    static QString offAdvice(const QString& ownAddress, quint16 port);

    explicit PortMapper(QObject* parent = nullptr);
    // Removes a forwarding in place, waiting at most closeWaitMs for the router.
    ~PortMapper() override;

    void setConfig(const Config& config);  // applies from the next start()
    const Config& config() const { return config_; }

    // Forward port (external and internal alike) to this computer until stop(). A second
    // start() with another port moves the forwarding. Does nothing in Off mode.
    void start(quint16 port);
    void stop();

    bool isMapped() const { return mapped_; }
    // The router's address on the internet while mapped; empty when the router gave none or
    // gave one that is itself unreachable from the internet.
    QString externalAddress() const { return externalAddress_; }
    quint16 externalPort() const { return externalPort_; }

Q_SIGNALS:
    // One plain sentence for the connection log.
    void report(const QString& line);
    // The router forwards the port. externalAddress may be empty (see externalAddress()).
    void mapped(const QString& externalAddress, quint16 externalPort);
    // A forwarding announced by mapped() has ended: removed, lost or taken.
    void unmapped();
    // Every start() and stop() so far has been carried out with the router.
    void settled();

private:
    friend class portmapper::Worker;
    void ensureWorker();

    Config config_;
    bool mapped_ = false;
    QString externalAddress_;
    quint16 externalPort_ = 0;
    std::shared_ptr<portmapper::Channel> channel_;
    std::unique_ptr<QThread> thread_;
};
