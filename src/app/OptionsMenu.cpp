#include "app/OptionsMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>

#include "app/BoardPictures.h"
#include "app/BoardView.h"
#include "app/GameForm.h"
#include "app/RouterMode.h"
#include "core/Random.h"
#include "core/Text.h"
#include "dialogs/TDoSounds.h"
#include "dialogs/TDoWordList.h"
#include "dialogs/TGameOptions.h"
#include "dialogs/TGetYourName.h"
#include "dialogs/TGuess.h"
#include "dialogs/TLetterLook2.h"
#include "dialogs/TMatchServer.h"
#include "dialogs/WordListRequest.h"
#include "game/ListCatalog.h"
#include "net/OptionChanges.h"
#include "play/GameController.h"
#include "settings/Settings.h"

OptionsMenu::OptionsMenu(const Parts& parts)
    : window_(parts.window),
      settings_(parts.settings),
      context_(parts.context),
      game_(parts.game),
      peer_(parts.peer),
      ui_(parts.ui),
      board_(parts.board),
      pictures_(parts.pictures),
      logLine_(parts.logLine),
      screen_(parts.screen) {}

bool OptionsMenu::tellOpponent(const std::optional<OptionNotice>& notice) {
    if (!notice || !game_.tellOpponent(notice->message, notice->payload)) {
        return false;
    }
    if (!notice->logLine.isEmpty()) {
        logLine_(notice->logLine);
    }
    return true;
}

void OptionsMenu::MenuGuessesClick() {
    const OptionChanges changes(settings_);
    TGuess dialog(settings_, *context_.prompts, &window_);
    context_.prompts->runDialog(dialog);
    tellOpponent(changes.guessAttempts(settings_));
}

void OptionsMenu::MenuUserNameClick() {
    const OptionChanges changes(settings_);
    TGetYourName dialog(settings_, &window_);
    context_.prompts->runDialog(dialog);
    const auto notice = changes.userName(settings_);
    if (!notice) {
        return;
    }
    const bool player1 = !game_.withOpponent() || game_.isPlayer1();
    const QString& shown = game_.players().takeOwn(settings_.UserName, player1);
    ui_.PlayerPanel->setText(shown);
    (player1 ? ui_.Play1ScoreLab : ui_.Play2ScoreLab)->setText(shown);
    tellOpponent(notice);
}

void OptionsMenu::MenuGameClick() {
    const OptionChanges changes(settings_);
    TGameOptions dialog(settings_, *context_.prompts, &window_);
    context_.prompts->runDialog(dialog);
    if (tellOpponent(changes.gameOptions(settings_, game_.players()))) {
        SetWordListMenuItem();
    }
}

void OptionsMenu::MenuSoundClick() {
    TDoSounds dialog(settings_, *context_.prompts, screen_(), &window_);
    context_.prompts->runDialog(dialog);
}

void OptionsMenu::MenuFontsClick() {
    TLetterLook2 dialog(settings_, *context_.prompts, letterLookHooks(), &window_);
    context_.prompts->runDialog(dialog);
    // The looks may have changed: every tile on the board is drawn again.
    board_.DisplayWord();
}

QString OptionsMenu::ownLists() const {
    return listcatalog::ownFolder(context_.dataDir);
}

void OptionsMenu::MenuCreateListClick() {
    TDoWordList dialog(*context_.prompts, &window_, ownLists());
    context_.prompts->runDialog(dialog);
}

void OptionsMenu::MenuUpperClick() {
    settings_.UseUpper = !settings_.UseUpper;
    ui_.MenuUpper->setChecked(settings_.UseUpper);
    SaveSettings(settings_);
    board_.DisplayWord();
}

void OptionsMenu::MenuFoldClick() {
    settings_.FoldAccents = !settings_.FoldAccents;
    ui_.MenuFold->setChecked(settings_.FoldAccents);
    SaveSettings(settings_);
    Round& round = game_.round();
    if (game_.solo() && round.length() > 0 && round.usedLetters().isEmpty()) {
        round.alphabet().setFolding(settings_.FoldAccents);
        board_.ShowAllLetters();
        board_.RedrawTiles();
    }
}

void OptionsMenu::MenuHintsClick() {
    settings_.UseHints = !settings_.UseHints;
    ui_.MenuHints->setChecked(settings_.UseHints);
    SaveSettings(settings_);
    board_.DisplayHints();
    if (game_.withOpponent()) {
        game_.sendHints();
    }
}

void OptionsMenu::MenuScrambleClick() {
    settings_.ScrambleList = !settings_.ScrambleList;
    ui_.MenuScramble->setChecked(settings_.ScrambleList);
    SaveSettings(settings_);
}

void OptionsMenu::MenuRouterClick() {
    settings_.OpenPortOnRouter = !settings_.OpenPortOnRouter;
    ui_.MenuRouter->setChecked(settings_.OpenPortOnRouter);
    SaveSettings(settings_);
    applyRouterMode(peer_, context_, settings_, logLine_);
}

void OptionsMenu::MenuServerClick() {
    TMatchServer dialog(settings_, *context_.prompts, &window_);
    if (context_.prompts->runDialog(dialog) == QDialog::Accepted && context_.matchmakingGiven) {
        // Said at once, so the player does not wonder why the next request goes elsewhere.
        logLine_(
            QStringLiteral(">>") +
            QCoreApplication::translate("OptionsMenu",
                                        "This copy was started with --matchmaking-server %1: it "
                                        "asks that server until it is started without it.")
                .arg(context_.matchmakingHost));
    }
}

void OptionsMenu::chooseLanguage(const QString& code) {
    settings_.Language = code;
    SaveSettings(settings_);
    context_.prompts->message(
        &window_, QCoreApplication::translate("OptionsMenu", "Language"),
        QCoreApplication::translate("OptionsMenu",
                                    "The new language is used the next time Ropewit starts."));
}

LetterLookHooks OptionsMenu::letterLookHooks() {
    LetterLookHooks hooks;
    hooks.builtinAlphabet = pictures_.AlphaImage;
    hooks.builtinWord = pictures_.WordImage;
    hooks.alphabetChosen = [this](const QImage& image) { pictures_.SavedAlpha = image; };
    hooks.wordChosen = [this](const QImage& image) { pictures_.SavedWord = image; };
    hooks.screen = screen_();
    return hooks;
}

void OptionsMenu::LoadGame(const QString& path) {
    // Scrambling happens while the file is read, so that a big list is built in its final
    // order; the stand-in list is scrambled like any other.
    Random* scramble = settings_.ScrambleList ? &programRandom() : nullptr;
    for (const QString& problem : game_.words().load(path, scramble).problems()) {
        context_.prompts->message(&window_, QCoreApplication::translate("OptionsMenu", "Error"),
                                  problem);
    }
    window_.setWindowTitle(QStringLiteral("Ropewit: ") + game_.words().title());
    if (game_.solo()) {
        game_.words().rewind();
        ui_.WordNumPanel->setText(QCoreApplication::translate("OptionsMenu", "Word 1 of %1")
                                      .arg(text::withThousands(game_.words().count())));
    } else {
        game_.tellOpponent(PeerMessage::WordListTitle, game_.words().title());
    }
}

void OptionsMenu::MenuWordsClick() {
    const QString path = ShowOpenWordList(false);
    if (!path.isEmpty()) {
        LoadGame(path);
    }
}

void OptionsMenu::SetWordListMenuItem() {
    ui_.MenuWords->setEnabled(settings_.Player1Chooses == game_.isPlayer1());
}

QString OptionsMenu::ShowOpenWordList(bool mustExist) {
    const auto path = context_.prompts->openFile(
        &window_, openWordListRequest(mustExist, settings_.ProgramDir, ownLists()));
    return path ? text::bounded(*path) : QString();
}
