#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

class MatchClient;
class PeerConnection;
class ReachCheck;
class RelayClient;
class QWidget;
struct AppContext;
struct MainWinControls;
struct Settings;

// The window's part in finding an opponent: listening and calling on the ports the program
// was started with, the matchmaking server's requests and what its replies ask of the player,
// the address history, and the box with this machine's addresses.
class NetworkSteps {
public:
    // All of these outlive the steps; logLine adds a line to the connection log, call calls
    // an opponent's address (and remembers it).
    NetworkSteps(QWidget& window, Settings& settings, AppContext& context, PeerConnection& peer,
                 MatchClient& match, const MainWinControls& ui,
                 std::function<void(const QString&)> logLine);
    ~NetworkSteps();
    void setCall(std::function<void(const QString& address)> call) { call_ = std::move(call); }

    void StartServer();
    void ConnectToIP();
    void BeginServerRequest(int request);
    void UnLog();
    // A list of waiting players came: the player picks one, who is then called.
    void CliSrvWSocketDataAvailable(const QString& list);
    // The server added this player: listen for a caller.
    void CliSrvWSocketRegistered();
    void AddressHistory(const QString& address);
    QStringList LocalAddresses() const;
    void DisplayyourIPAddress1Click();
    // The server's relay: held while nobody outside reaches this player, or called.
    RelayClient& relay() { return *relay_; }
    // The address the server is asked to call in place of the registered one (tests make it
    // one nobody answers at); empty for the registered one.
    void setProbeAddress(const QString& address) { probeAddress_ = address; }

private:
    void chooseServer();
    // Whether callers reach this player where it is listed; the relay when they do not.
    void checkReach();
    void reachAnswered(bool reachable, quint16 relayPort);
    void callThroughRelay(const QString& address);
    // The relay that held this player is gone (the server may have restarted): register
    // again, and once listed, check again whether callers reach this player.
    void registerAgain();

    QWidget& window_;
    Settings& settings_;
    AppContext& ctx_;
    PeerConnection& peer_;
    MatchClient& match_;
    const MainWinControls& ui_;
    std::function<void(const QString&)> logLine_;
    std::function<void(const QString&)> call_;
    std::unique_ptr<ReachCheck> reach_;
    std::unique_ptr<RelayClient> relay_;
    QString probeAddress_;
    bool relayHeld_ = false;  // the relay held this player for callers
    bool relayLost_ = false;  // and let go of it; not registered again yet
    QTimer registerAgain_;    // tries again while the server is away
};
