#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "matchmaking/MatchClient.h"

struct AppContext;
struct NewGameChoice;
class PeerConnection;

// Carries out what the player chose in the new game wizard: the word list to play alone, or
// the way to find an opponent (wait for a call, register on the server, call an address, ask
// the server who waits). The connection and the matchmaking client do the work; the steps
// that belong to the window are given as functions.
class NewGameStarter : public QObject {
    Q_OBJECT
public:
    struct Steps {
        std::function<void(const QString& path)> loadGame;
        std::function<void()> startServer;  // listen for a caller
        std::function<void()> connectToIP;  // call the connection's peer address
        std::function<void(MatchRequest)> serverRequest;
        std::function<void()> unLog;                                  // leave the server
        std::function<void(const QString& address)> rememberAddress;  // the address history
    };

    // peer, match and context outlive this object; the context's port is read when needed.
    NewGameStarter(PeerConnection& peer, MatchClient& match, const AppContext& context, Steps steps,
                   QObject* parent);

    void carryOut(const NewGameChoice& choice);
    // Calls the opponent at this address, and remembers it.
    void call(const QString& address);
    // Stops listening (taking this player off the server) and leaves the opponent.
    void stopNetworkPlay();

private:
    // Stops listening and takes this player off the server.
    void stopListening();
    void registerOnServer(const QString& ownAddress);
    void listWaitingPlayers(const NewGameChoice& choice);

    PeerConnection& peer_;
    MatchClient& match_;
    const AppContext& ctx_;
    Steps steps_;
};
