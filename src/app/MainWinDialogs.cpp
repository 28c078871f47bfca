// Customisation commands (sound effects, letter appearance, the word list editor) and the
// new game wizard's choice carried out.
#include <QAction>

#include "app/MainWin.h"
#include "app/RouterMode.h"
#include "core/Prompts.h"
#include "dialogs/TDoNewGame.h"
#include "dialogs/TDoSounds.h"
#include "dialogs/TDoWordList.h"
#include "dialogs/TLetterLook2.h"
#include "matchmaking/MatchClient.h"
#include "net/PortMapper.h"

void TMainWin::MenuSoundClick() {
    TDoSounds dialog(*this);
    ctx_.prompts->runDialog(dialog);
}

void TMainWin::MenuFontsClick() {
    TLetterLook2 dialog(*this);
    ctx_.prompts->runDialog(dialog);
    // The looks may have changed: every tile on the board is drawn again.
    DisplayWord();
}

void TMainWin::MenuCreateListClick() {
    TDoWordList dialog(*ctx_.prompts, this);
    ctx_.prompts->runDialog(dialog);
}

TDoNewGame::TDoNewGame(TMainWin& main)
    : TDoNewGame(main.settings(), *main.context().prompts, main.NewGameWizardHooks(), &main) {}

NewGameHooks TMainWin::NewGameWizardHooks() {
    NewGameHooks hooks;
    hooks.localAddresses = [this] { return LocalAddresses(); };
    hooks.stopNetworkPlay = [this] { StopNetworkPlay(); };
    hooks.chosen = [this](const NewGameChoice& choice) { CarryOutNewGame(choice); };
    hooks.screen = QSize(screenWidth_, screenHeight_);
    return hooks;
}

void TMainWin::StopNetworkPlay() {
    if (peer_->isListening()) {
        peer_->stopListening();
        if (match_->loggedOn()) {
            UnLog();
        }
    }
    // Not a lost game: the end of this connection is ours.
    peer_->leave();
}

void TMainWin::CarryOutNewGame(const NewGameChoice& choice) {
    using Action = NewGameChoice::Action;
    switch (choice.action) {
        case Action::PlayAlone:
            LoadGame(choice.wordListPath);
            break;
        case Action::WaitForCall:
            if (!peer_->listening()) {
                peer_->setListening(true);
                StartServer();
            }
            break;
        case Action::Register:
            // Listening starts when the server has confirmed the registration.
            match_->setOwnAddress(choice.ownAddress);
            // With the router asked, the address it shows the internet is the one to register.
            whenRouterAnswered(peer_->portMapper(), ctx_.peerPort, this, [this] {
                const PortMapper& router = peer_->portMapper();
                if (router.isMapped() && !router.externalAddress().isEmpty()) {
                    match_->setOutsideAddress(router.externalAddress(), router.externalPort());
                }
                BeginServerRequest(static_cast<int>(MatchRequest::Register));
            });
            break;
        case Action::CallAddress:
            StopNetworkPlay();
            peer_->setPeerAddress(choice.address);
            AddressHistory(peer_->peerAddress());
            ConnectToIP();
            ui_.MenuPlayer->setEnabled(false);
            break;
        case Action::ListLongest:
        case Action::ListByLetters:
            // Listening stops; the registration, if any, is kept.
            if (peer_->isListening()) {
                peer_->stopListening();
            }
            if (choice.action == Action::ListLongest) {
                BeginServerRequest(static_cast<int>(MatchRequest::ListLongest));
            } else {
                match_->setLetters(choice.letters);
                BeginServerRequest(static_cast<int>(MatchRequest::ListByLetters));
            }
            break;
        case Action::None:
            break;
    }
    soloGame_ = choice.solo;
    EnableDisable();
}
