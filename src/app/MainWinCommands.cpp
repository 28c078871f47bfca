#include <QAction>
#include <QLabel>

#include "app/MainWin.h"
#include "app/NewGameStarter.h"
#include "app/WindowWiring.h"
#include "core/Random.h"
#include "core/Text.h"
#include "dialogs/TDoNewGame.h"
#include "dialogs/TDoSounds.h"
#include "dialogs/TDoWordList.h"
#include "dialogs/TGameOptions.h"
#include "dialogs/TGetYourName.h"
#include "dialogs/TGuess.h"
#include "dialogs/TLetterLook2.h"
#include "dialogs/WordListRequest.h"
#include "net/OptionChanges.h"

QString TMainWin::ShowOpenWordList(bool mustExist) {
    const auto path =
        ctx_.prompts->openFile(this, openWordListRequest(mustExist, settings_.ProgramDir));
    return path ? text::bounded(*path) : QString();
}

void TMainWin::LoadGame(const QString& path) {
    // Scrambling happens while the file is read, so that a big list is built in its final
    // order; the stand-in list is scrambled like any other.
    Random* scramble = settings_.ScrambleList ? &programRandom() : nullptr;
    for (const QString& problem : game_->words().load(path, scramble).problems()) {
        ctx_.prompts->message(this, QStringLiteral("Error"), problem);
    }
    setWindowTitle(QStringLiteral("Ropewit: ") + game_->words().title());
    if (game_->solo()) {
        game_->words().rewind();
        ui_.WordNumPanel->setText(QStringLiteral("Word 1 of ") +
                                  text::withThousands(game_->words().count()));
    } else {
        game_->tellOpponent(PeerMessage::WordListTitle, game_->words().title());
    }
}

void TMainWin::MenuWordsClick() {
    const QString path = ShowOpenWordList(false);
    if (!path.isEmpty()) {
        LoadGame(path);
    }
}

void TMainWin::SetWordListMenuItem() {
    ui_.MenuWords->setEnabled(settings_.Player1Chooses == game_->isPlayer1());
}

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
