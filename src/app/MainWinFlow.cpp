// The two-player game flow and the chat.
#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <exception>
#include <tuple>
#include <utility>

#include "app/MainWin.h"
#include "core/Scoring.h"
#include "core/Text.h"
#include "dialogs/TGetTheWord.h"

namespace {

QString startCaption() {
    return QStringLiteral("Start &Game");
}

QString playCaption() {
    return QStringLiteral("Play &Word");
}

}  // namespace

void TMainWin::ShowWaitStatus(const QString& text) {
    peer_->setWaiting(text);
    ui_.WaitStatus->setText(text);
    ui_.WaitStatus->setEnabled(true);
    ui_.WaitStatus->show();
    SetControlState();
    FlashIt(true);
}

void TMainWin::HideWaitStatus() {
    peer_->setWaiting(QString());
    ui_.WaitStatus->setEnabled(false);
    ui_.WaitStatus->hide();
    SetControlState();
}

void TMainWin::OfferAction(const QString& caption) {
    peer_->setOffer(caption == playCaption()    ? PeerConnection::Offer::PlayWord
                    : caption == startCaption() ? PeerConnection::Offer::StartGame
                                                : PeerConnection::Offer::None);
    ui_.ActionButton->setText(caption);
    ui_.ActionButton->setEnabled(true);
    ui_.ActionButton->show();
    SetControlState();
    ui_.ActionButton->setFocus();
    FlashIt(true);
}

void TMainWin::ShowControls() {
    const PeerConnection::Offer offer = peer_->offer();
    if (offer != PeerConnection::Offer::None) {
        ui_.ActionButton->setText(offer == PeerConnection::Offer::PlayWord ? playCaption()
                                                                           : startCaption());
    }
    ui_.ActionButton->setEnabled(peer_->offerEnabled());
    ui_.ActionButton->setVisible(offer != PeerConnection::Offer::None);
    const QString& waiting = peer_->waiting();
    ui_.WaitStatus->setText(waiting);
    ui_.WaitStatus->setEnabled(!waiting.isEmpty());
    ui_.WaitStatus->setVisible(!waiting.isEmpty());
    SetControlState();
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
                PostReadyToStart(peer_->isPlayer1());
                if (!soloGame_) {
                    peer_->opponent().guessesLeft = round_.guessesAllowed();
                    ShowOpponentGuesses();
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
                ShowOpponentGuesses();
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
        const QString word = dialog.TheWord;
        SendPeer(6, word);
        LogLine(QStringLiteral(">>Word Sent"));
        peer_->word().mine = true;
        if (!peer_->word().theirs) {
            ShowWaitStatus(QStringLiteral("Waiting for opponent's word."));
        }
        // A word never holds a colon, so the first one always starts the clue (hint mode may
        // even have changed while the dialog was open).
        otherWord = word.section(QLatin1Char(':'), 0, 0);
    } else if (settings_.Player1Chooses != peer_->isPlayer1()) {
        // The other side chooses; its words arrive as 10 and 06.
        peer_->word().mine = true;
        if (!peer_->word().theirs) {
            ShowWaitStatus(QStringLiteral("Waiting for opponent's word."));
        }
        return;
    } else {
        if (wordSource_.loaded()) {
            SendPeer(12, wordSource_.title());
        } else {
            LoadGame(QDir(settings_.ProgramDir).filePath(QStringLiteral("ROPEWIT.TXT")));
            const QString path = ShowOpenWordList(true);
            if (!path.isEmpty()) {
                LoadGame(path);
            }
        }
        const WordSource::Deal deal =
            wordSource_.deal(settings_.WordType != 1, settings_.SameWordLength);
        if (deal.sameLengthDropped) {
            // No two words of the same length: from now on any two words will do.
            settings_.SameWordLength = false;
        }
        dealt_ = deal.own;
        otherWord = deal.other.word;
        const QString& otherClue = deal.other.clue;
        if (peer_->connected()) {
            SendPeer(10, dealt_.word);
            SendPeer(6, otherWord + QLatin1Char(':') + otherClue);
            LogLine(QStringLiteral(">>Word Sent"));
        }
        OfferAction(playCaption());
        peer_->word().mine = true;
    }

    SetOpponentWord(otherWord);
}

void TMainWin::SetOpponentWord(const QString& word) {
    peer_->setOpponentWord(word);
    ui_.MissedWebLabel->clear();
    ShowOpponentProgress();
}

void TMainWin::ShowOpponentGuesses() {
    ui_.WebGuesses->setText(text::withThousands(peer_->opponent().guessesLeft) +
                            QStringLiteral(" Guesses Left"));
}

std::pair<QString, QString> TMainWin::FindSameLengthWord(int p, int n) {
    const wordlist::Entry found = wordSource_.findSameLengthWord(p, n);
    return {found.word, found.clue};
}

void TMainWin::SendButtonClick() {
    if (ui_.MyMess->text().isEmpty()) {
        return;
    }
    const QString line = OwnName() + QStringLiteral("> ") + ui_.MyMess->text();
    SendPeer(1, line);
    ChatLine(line);
    ui_.MyMess->clear();
}
