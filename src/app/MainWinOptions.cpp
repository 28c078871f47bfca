// Option commands of the main window: guess attempts, user name, two-player options.
#include <QLabel>

#include "app/MainWin.h"
#include "dialogs/TGameOptions.h"
#include "dialogs/TGetYourName.h"
#include "dialogs/TGuess.h"
#include "net/PeerText.h"

void TMainWin::MenuGuessesClick() {
    const QString before = settings.NumGuesses;
    TGuess dialog(settings, *ctx.prompts, this);
    ctx.prompts->runDialog(dialog);
    if (!SoloGame && peer_->connected() && settings.NumGuesses != before) {
        SendPeer(2, peertext::guessAttemptsPayload(settings.NumGuesses));
        LogLine(QStringLiteral(">>Guess Attempts Changed To ") + settings.NumGuesses);
    }
}

void TMainWin::RunUserNameDialog() {
    TGetYourName dialog(settings, this);
    ctx.prompts->runDialog(dialog);
}

void TMainWin::MenuUserNameClick() {
    const QString before = settings.UserName;
    RunUserNameDialog();
    const QString& name = settings.UserName;
    if (name == before) {
        return;
    }
    if (SoloGame || !peer_->connected() || peer_->isPlayer1()) {
        Player1Name = peertext::playerName(name, true);
        PlayerPanel->setText(Player1Name);
        Play1ScoreLab->setText(Player1Name);
    } else {
        Player2Name = peertext::playerName(name, false);
        PlayerPanel->setText(Player2Name);
        Play2ScoreLab->setText(Player2Name);
    }
    if (!SoloGame && peer_->connected()) {
        SendPeer(13, name);
    }
}

void TMainWin::MenuGameClick() {
    const peertext::GameOptions before = peertext::optionsOf(settings);
    TGameOptions dialog(settings, *ctx.prompts, this);
    ctx.prompts->runDialog(dialog);
    if (SoloGame || !peer_->connected()) {
        return;
    }
    const peertext::GameOptions after = peertext::optionsOf(settings);
    const bool winScoreChanged = after.winScore != before.winScore;
    if (after.gameType == before.gameType && after.wordType == before.wordType &&
        after.sameWordLength == before.sameWordLength &&
        after.player1Chooses == before.player1Chooses && !winScoreChanged) {
        return;
    }
    SendPeer(3, peertext::gameOptionsPayload(after));
    const QString description =
        peertext::optionsDescription(after, Player1Name, Player2Name, winScoreChanged);
    SetWordListMenuItem();
    LogLine(QStringLiteral(">>Game Options Changed: ") + description);
}
