#include "app/NewGameStarter.h"

#include "app/RouterMode.h"
#include "core/AppContext.h"
#include "dialogs/NewGameChoice.h"
#include "net/PeerConnection.h"
#include "net/PortMapper.h"

NewGameStarter::NewGameStarter(PeerConnection& peer, MatchClient& match, const AppContext& context,
                               Steps steps, QObject* parent)
    : QObject(parent), peer_(peer), match_(match), ctx_(context), steps_(std::move(steps)) {}

void NewGameStarter::stopListening() {
    if (peer_.isListening()) {
        peer_.stopListening();
    }
    // A player who no longer listens must not stay listed: every caller would be refused, and
    // the renewals would keep the entry alive.
    if (match_.loggedOn()) {
        steps_.unLog();
    }
}

void NewGameStarter::stopNetworkPlay() {
    stopListening();
    // Not a lost game: the end of this connection is ours.
    peer_.leave();
}

void NewGameStarter::carryOut(const NewGameChoice& choice) {
    using Action = NewGameChoice::Action;
    switch (choice.action) {
        case Action::PlayAlone:
            steps_.loadGame(choice.wordListPath);
            break;
        case Action::WaitForCall:
            if (!peer_.listening()) {
                peer_.setListening(true);
                steps_.startServer();
            }
            break;
        case Action::Register:
            registerOnServer(choice.ownAddress);
            break;
        case Action::CallAddress:
            stopNetworkPlay();
            call(choice.address);
            break;
        case Action::ListLongest:
        case Action::ListByLetters:
            listWaitingPlayers(choice);
            break;
        case Action::None:
            break;
    }
}

// Listening starts when the server has confirmed the registration.
void NewGameStarter::registerOnServer(const QString& ownAddress) {
    match_.setOwnAddress(ownAddress);
    // With the router asked, the address it shows the internet is the one to register.
    whenRouterAnswered(peer_.portMapper(), ctx_.peerPort, this, [this] {
        const PortMapper& router = peer_.portMapper();
        if (router.isMapped() && !router.externalAddress().isEmpty()) {
            match_.setOutsideAddress(router.externalAddress(), router.externalPort());
        }
        steps_.serverRequest(MatchRequest::Register);
    });
}

// The removal goes out before the list is asked for, so the list does not offer this player.
void NewGameStarter::listWaitingPlayers(const NewGameChoice& choice) {
    stopListening();
    if (choice.action == NewGameChoice::Action::ListLongest) {
        steps_.serverRequest(MatchRequest::ListLongest);
    } else {
        match_.setLetters(choice.letters);
        steps_.serverRequest(MatchRequest::ListByLetters);
    }
}

void NewGameStarter::call(const QString& address) {
    peer_.setPeerAddress(address);
    steps_.rememberAddress(peer_.peerAddress());
    steps_.connectToIP();
}
