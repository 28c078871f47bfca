// Option commands of the main window: guess attempts, user name, two-player options.
#include <QLabel>

#include "app/MainWin.h"
#include "dialogs/TGameOptions.h"
#include "dialogs/TGetYourName.h"
#include "dialogs/TGuess.h"
#include "net/PeerText.h"

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
    if (soloGame_ || !peer_->connected() || peer_->isPlayer1()) {
        players_.setPlayer1(peertext::playerName(name, true));
        ui_.PlayerPanel->setText(players_.player1());
        ui_.Play1ScoreLab->setText(players_.player1());
    } else {
        players_.setPlayer2(peertext::playerName(name, false));
        ui_.PlayerPanel->setText(players_.player2());
        ui_.Play2ScoreLab->setText(players_.player2());
    }
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
