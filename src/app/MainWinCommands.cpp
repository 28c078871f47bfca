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

void TMainWin::MenuScrambleClick() {
    settings_.ScrambleList = !settings_.ScrambleList;
    ui_.MenuScramble->setChecked(settings_.ScrambleList);
    SaveSettings(settings_);
}

void TMainWin::SetWordListMenuItem() {
    ui_.MenuWords->setEnabled(settings_.Player1Chooses == game_->isPlayer1());
}

namespace {
// A change made while connected goes to the opponent; true when it went.
bool tellOpponent(TMainWin& win, const std::optional<OptionNotice>& notice) {
    if (!notice || !win.game().tellOpponent(notice->message, notice->payload)) {
        return false;
    }
    if (!notice->logLine.isEmpty()) {
        win.LogLine(notice->logLine);
    }
    return true;
}
}  // namespace

void TMainWin::MenuGuessesClick() {
    const OptionChanges changes(settings_);
    TGuess dialog(settings_, *ctx_.prompts, this);
    ctx_.prompts->runDialog(dialog);
    tellOpponent(*this, changes.guessAttempts(settings_));
}

void TMainWin::RunUserNameDialog() {
    TGetYourName dialog(settings_, this);
    ctx_.prompts->runDialog(dialog);
}

void TMainWin::MenuUserNameClick() {
    const OptionChanges changes(settings_);
    RunUserNameDialog();
    const auto notice = changes.userName(settings_);
    if (!notice) {
        return;
    }
    const bool player1 = !game_->withOpponent() || game_->isPlayer1();
    const QString& shown = game_->players().takeOwn(settings_.UserName, player1);
    ui_.PlayerPanel->setText(shown);
    (player1 ? ui_.Play1ScoreLab : ui_.Play2ScoreLab)->setText(shown);
    tellOpponent(*this, notice);
}

void TMainWin::MenuGameClick() {
    const OptionChanges changes(settings_);
    TGameOptions dialog(settings_, *ctx_.prompts, this);
    ctx_.prompts->runDialog(dialog);
    if (tellOpponent(*this, changes.gameOptions(settings_, game_->players()))) {
        SetWordListMenuItem();
    }
}

void TMainWin::MenuSoundClick() {
    TDoSounds dialog(settings_, *ctx_.prompts, screen_, this);
    ctx_.prompts->runDialog(dialog);
}

void TMainWin::MenuFontsClick() {
    TLetterLook2 dialog(settings_, *ctx_.prompts, letterLookHooks(), this);
    ctx_.prompts->runDialog(dialog);
    // The looks may have changed: every tile on the board is drawn again.
    board_.DisplayWord();
}

void TMainWin::MenuCreateListClick() {
    TDoWordList dialog(*ctx_.prompts, this);
    ctx_.prompts->runDialog(dialog);
}

LetterLookHooks TMainWin::letterLookHooks() {
    LetterLookHooks hooks;
    hooks.builtinAlphabet = pictures_.AlphaImage;
    hooks.builtinWord = pictures_.WordImage;
    hooks.alphabetChosen = [this](const QImage& image) { pictures_.SavedAlpha = image; };
    hooks.wordChosen = [this](const QImage& image) { pictures_.SavedWord = image; };
    hooks.screen = screen_;
    return hooks;
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
