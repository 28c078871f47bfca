// Menu commands that open a dialog or a file: the options, the word lists, the sound effects,
// the letter appearance, the word list editor; and the new game wizard's choice carried out.
#include <QAction>
#include <QLabel>

#include "app/MainWin.h"
#include "app/NewGameStarter.h"
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
#include "net/PeerText.h"

QString TMainWin::ShowOpenWordList(bool mustExist) {
    const auto path =
        ctx_.prompts->openFile(this, openWordListRequest(mustExist, settings_.ProgramDir));
    return path ? text::bounded(*path) : QString();
}

void TMainWin::LoadGame(const QString& path) {
    // Scrambling happens while the file is read, so that a big list is built in its final
    // order; the stand-in list is scrambled like any other.
    Random* scramble = settings_.ScrambleList ? &programRandom() : nullptr;
    const WordSource::LoadOutcome outcome = wordSource_.load(path, scramble);
    if (outcome.status == wordlist::Status::ReadError) {
        // What could be read before the error is kept.
        ctx_.prompts->message(
            this, QStringLiteral("Error"),
            QStringLiteral("The word list could not be read to its end: ") + outcome.errorString);
    }
    if (outcome.fellBack) {
        ctx_.prompts->message(this, QStringLiteral("Error"),
                              QStringLiteral("File could not be loaded."));
    }

    setWindowTitle(QStringLiteral("Ropewit: ") + wordSource_.title());
    if (soloGame_) {
        wordSource_.rewind();
        ui_.WordNumPanel->setText(QStringLiteral("Word 1 of ") +
                                  text::withThousands(wordSource_.count()));
    } else if (peer_->connected()) {
        SendPeer(12, wordSource_.title());
    }
}

void TMainWin::MenuWordsClick() {
    const QString path = ShowOpenWordList(false);
    if (!path.isEmpty()) {
        LoadGame(path);
    }
}

void TMainWin::MenuScrambleClick() {
    settings_.ScrambleList = !settings_.ScrambleList;
    ui_.MenuScramble->setChecked(settings_.ScrambleList);
    SaveSettings(settings_);
}

void TMainWin::SetWordListMenuItem() {
    ui_.MenuWords->setEnabled(settings_.Player1Chooses == peer_->isPlayer1());
}

void TMainWin::MenuGuessesClick() {
    const QString before = settings_.NumGuesses;
    TGuess dialog(settings_, *ctx_.prompts, this);
    ctx_.prompts->runDialog(dialog);
    if (!soloGame_ && peer_->connected() && settings_.NumGuesses != before) {
        SendPeer(2, peertext::guessAttemptsPayload(settings_.NumGuesses));
        LogLine(QStringLiteral(">>Guess Attempts Changed To ") + settings_.NumGuesses);
    }
}

void TMainWin::RunUserNameDialog() {
    TGetYourName dialog(settings_, this);
    ctx_.prompts->runDialog(dialog);
}

void TMainWin::MenuUserNameClick() {
    const QString before = settings_.UserName;
    RunUserNameDialog();
    const QString& name = settings_.UserName;
    if (name == before) {
        return;
    }
    const bool player1 = soloGame_ || !peer_->connected() || peer_->isPlayer1();
    const QString shown = peertext::playerName(name, player1);
    if (player1) {
        players_.setPlayer1(shown);
    } else {
        players_.setPlayer2(shown);
    }
    ui_.PlayerPanel->setText(shown);
    (player1 ? ui_.Play1ScoreLab : ui_.Play2ScoreLab)->setText(shown);
    if (!soloGame_ && peer_->connected()) {
        SendPeer(13, name);
    }
}

void TMainWin::MenuGameClick() {
    const peertext::GameOptions before = peertext::optionsOf(settings_);
    TGameOptions dialog(settings_, *ctx_.prompts, this);
    ctx_.prompts->runDialog(dialog);
    if (soloGame_ || !peer_->connected()) {
        return;
    }
    const peertext::GameOptions after = peertext::optionsOf(settings_);
    const bool winScoreChanged = after.winScore != before.winScore;
    if (after.gameType == before.gameType && after.wordType == before.wordType &&
        after.sameWordLength == before.sameWordLength &&
        after.player1Chooses == before.player1Chooses && !winScoreChanged) {
        return;
    }
    SendPeer(3, peertext::gameOptionsPayload(after));
    const QString description = peertext::optionsDescription(after, players_.player1(),
                                                             players_.player2(), winScoreChanged);
    SetWordListMenuItem();
    LogLine(QStringLiteral(">>Game Options Changed: ") + description);
}

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

NewGameHooks TMainWin::NewGameWizardHooks() {
    NewGameHooks hooks;
    hooks.localAddresses = [this] { return LocalAddresses(); };
    hooks.stopNetworkPlay = [this] { starter_->stopNetworkPlay(); };
    hooks.chosen = [this](const NewGameChoice& choice) { CarryOutNewGame(choice); };
    hooks.screen = QSize(screenWidth_, screenHeight_);
    return hooks;
}

void TMainWin::CarryOutNewGame(const NewGameChoice& choice) {
    starter_->carryOut(choice);
    if (choice.action == NewGameChoice::Action::CallAddress) {
        ui_.MenuPlayer->setEnabled(false);
    }
    soloGame_ = choice.solo;
    EnableDisable();
}
