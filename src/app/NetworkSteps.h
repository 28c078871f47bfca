#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class MatchClient;
class PeerConnection;
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

private:
    void chooseServer();

    QWidget& window_;
    Settings& settings_;
    AppContext& ctx_;
    PeerConnection& peer_;
    MatchClient& match_;
    const MainWinControls& ui_;
    std::function<void(const QString&)> logLine_;
    std::function<void(const QString&)> call_;
};
