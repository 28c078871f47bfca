#include <QAction>
#include <QLabel>

#include "app/MainWin.h"
#include "app/NewGameStarter.h"
#include "app/WindowWiring.h"
#include "dialogs/TDoNewGame.h"

NewGameHooks TMainWin::NewGameWizardHooks() {
    return windowwiring::newGameHooks(*this, *starter_);
}

void TMainWin::CarryOutNewGame(const NewGameChoice& choice) {
    starter_->carryOut(choice);
    if (choice.action == NewGameChoice::Action::CallAddress) {
        ui_.MenuPlayer->setEnabled(false);
    }
    game_->setSolo(choice.solo);
    EnableDisable();
}
