// The two-player game flow and the chat.
#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <exception>

#include "app/MainWin.h"
#include "dialogs/TGetTheWord.h"
#include "net/TwoPlayerGame.h"

void TMainWin::ShowWaitStatus(const QString& text) {
    peer_->setWaiting(text);
    controlPanel_.ShowWait(text);
}

void TMainWin::HideWaitStatus() {
    peer_->setWaiting(QString());
    controlPanel_.HideWait();
}

void TMainWin::OfferAction(const QString& caption) {
    peer_->setOffer(ControlPanelView::offerOf(caption));
    controlPanel_.Offer(caption);
}

void TMainWin::ShowControls() {
    controlPanel_.Show(*peer_);
}

void TMainWin::FlashIt(bool on) {
    controlPanel_.Flash(on);
}

void TMainWin::FlashTimerTimer() {
    controlPanel_.FlashTick();
}

void TMainWin::GameInterrupted() {
    if (soloGame_ || closing_) {
        return;
    }
    // Nothing can arrive any more: stop the flashing and the waiting, keep the rest (board,
    // scores, names) as it is so the player can still see how the game stood.
    FlashIt(false);
    peer_->setWaiting(QString());
    peer_->setOffer(PeerConnection::Offer::None);
    ShowControls();
    if (ctx_.prompts->question(this, QStringLiteral("Notice"),
                               QStringLiteral("The connection to your opponent has been lost, so "
                                              "this game cannot go on.\n\nWould you like to "
                                              "start a new game?"))) {
        DoANewGame();
    }
}

void TMainWin::ActionButtonClick() {
    try {
        switch (peer_->offer()) {
            case PeerConnection::Offer::StartGame:
                peer_->pressStart();
                if (!peer_->ready().theirs) {
                    ShowWaitStatus(peer_->waiting());
                }
                ui_.ActionButton->setEnabled(false);
                LogLine(players_.readyLine(peer_->isPlayer1()));
                if (!soloGame_) {
                    peer_->opponent().guessesLeft = round_.guessesAllowed();
                    opponentPanel_.ShowGuesses(peer_->opponent());
                }
                break;
            case PeerConnection::Offer::PlayWord:
                // The word can arrive before this side's next tick has begun the step. Begin
                // it now, or the tick would come in the middle of the word and wait for a word
                // that is already being played (or ask for one to send only afterwards).
                if (peer_->stepDue()) {
                    ConnectTimerTimer();
                    if (peer_->offer() != PeerConnection::Offer::PlayWord) {
                        SetControlState();
                        return;
                    }
                }
                DoNextWord();
                peer_->playWord(round_.guessesAllowed());
                ui_.ActionButton->setEnabled(false);
                ui_.ActionButton->hide();
                FlashIt(false);
                opponentPanel_.ShowGuesses(peer_->opponent());
                break;
            case PeerConnection::Offer::None:
                break;
        }
        SetControlState();
    } catch (const std::exception& e) {
        LogLine(QStringLiteral("NOTICE:> ") + QString::fromUtf8(e.what()));
    }
}

void TMainWin::ConnectTimerTimer() {
    if (!peer_->stepDue()) {
        return;
    }
    try {
        peer_->beginStep();
        ShowControls();
        ui_.ConnectTimer->stop();
        FlashIt(false);
        if (WehaveWinner()) {
            peer_->gameOver();
            return;
        }
        DoAWebWord();
    } catch (const std::exception& e) {
        LogLine(QStringLiteral("NOTICE:> ") + QString::fromUtf8(e.what()));
    }
}

void TMainWin::DoAWebWord() {
    QString otherWord;
    if (settings_.GameType == 1) {
        TGetTheWord dialog(settings_, wordSource_.index(), *ctx_.prompts, this);
        // The dialog only ends accepted with a word that passed its checks.
        const int result = ctx_.prompts->runDialog(dialog);
        if (!peer_->connected() || result != QDialog::Accepted || dialog.TheWord.isEmpty()) {
            return;
        }
        otherWord = game_->sendTypedWord(dialog.TheWord);
        WaitForOpponentWord();
    } else if (game_->opponentChooses()) {
        game_->awaitOpponentWords();
        WaitForOpponentWord();
        return;
    } else {
        if (!game_->sendListTitle()) {
            LoadGame(QDir(settings_.ProgramDir).filePath(QStringLiteral("ROPEWIT.TXT")));
            const QString path = ShowOpenWordList(true);
            if (!path.isEmpty()) {
                LoadGame(path);
            }
        }
        otherWord = game_->dealWords();
        OfferAction(ControlPanelView::playCaption());
    }
    peer_->setOpponentWord(otherWord);
    opponentPanel_.ShowNewWord(peer_->opponent());
}

void TMainWin::WaitForOpponentWord() {
    if (!peer_->word().theirs) {
        ShowWaitStatus(QStringLiteral("Waiting for opponent's word."));
    }
}

void TMainWin::SendButtonClick() {
    if (ui_.MyMess->text().isEmpty()) {
        return;
    }
    ChatLine(game_->sendChat(ui_.MyMess->text()));
    ui_.MyMess->clear();
}
