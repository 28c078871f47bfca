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

// Moves a list position on by one; past the last word it starts again at 0. True when it
// went round like that.
bool advance(int& index, int count) {
    if (index >= count - 1) {
        index = 0;
        return true;
    }
    index = std::max(index, -1) + 1;
    return false;
}

// The word list as the flow may index it: at least one word (a list that has lost all its
// words plays the same stand-in a file that cannot be read gives), a clue and a mark for
// every word.
void makeListUsable(TMainWin& w) {
    if (w.Words.isEmpty()) {
        w.Words = QStringList{QStringLiteral("NoWords")};
        w.Hints = QStringList{QString()};
    }
    while (w.Hints.size() < w.Words.size()) {
        w.Hints.append(QString());
    }
    const size_t needed = static_cast<size_t>(w.Words.size()) + 1;
    if (w.WordUsed.size() < needed) {
        w.WordUsed.resize(needed, 0);
        w.WordUsedCount = static_cast<int>(w.Words.size());
    }
}

// This player's word and clue from the current list position.
void takeOwnWord(TMainWin& w) {
    w.CurrentWord = w.Words.at(w.WordIndex).left(TMainWin::kMaxWord);
    w.CurrentHint = text::bounded(w.Hints.at(w.WordIndex));
    if (w.CurrentHint.isEmpty()) {
        w.CurrentHint = QStringLiteral("No hint given");
    }
}

// The opponent's word and clue from the current list position; an empty clue stays empty.
std::pair<QString, QString> takeOtherWord(const TMainWin& w) {
    return {w.Words.at(w.WordIndex).left(TMainWin::kMaxWord),
            text::bounded(w.Hints.at(w.WordIndex))};
}

}  // namespace

void TMainWin::ShowWaitStatus(const QString& text) {
    peer_->setWaiting(text);
    WaitStatus->setText(text);
    WaitStatus->setEnabled(true);
    WaitStatus->show();
    SetControlState();
    FlashIt(true);
}

void TMainWin::HideWaitStatus() {
    peer_->setWaiting(QString());
    WaitStatus->setEnabled(false);
    WaitStatus->hide();
    SetControlState();
}

void TMainWin::OfferAction(const QString& caption) {
    peer_->setOffer(caption == playCaption()    ? PeerConnection::Offer::PlayWord
                    : caption == startCaption() ? PeerConnection::Offer::StartGame
                                                : PeerConnection::Offer::None);
    ActionButton->setText(caption);
    ActionButton->setEnabled(true);
    ActionButton->show();
    SetControlState();
    ActionButton->setFocus();
    FlashIt(true);
}

void TMainWin::ShowControls() {
    const PeerConnection::Offer offer = peer_->offer();
    if (offer != PeerConnection::Offer::None) {
        ActionButton->setText(offer == PeerConnection::Offer::PlayWord ? playCaption()
                                                                       : startCaption());
    }
    ActionButton->setEnabled(peer_->offerEnabled());
    ActionButton->setVisible(offer != PeerConnection::Offer::None);
    const QString& waiting = peer_->waiting();
    WaitStatus->setText(waiting);
    WaitStatus->setEnabled(!waiting.isEmpty());
    WaitStatus->setVisible(!waiting.isEmpty());
    SetControlState();
}

void TMainWin::GameInterrupted() {
    if (SoloGame || closing_) {
        return;
    }
    // Nothing can arrive any more: stop the flashing and the waiting, keep the rest (board,
    // scores, names) as it is so the player can still see how the game stood.
    FlashIt(false);
    peer_->setWaiting(QString());
    peer_->setOffer(PeerConnection::Offer::None);
    ShowControls();
    if (ctx.prompts->question(this, QStringLiteral("Notice"),
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
                ActionButton->setEnabled(false);
                PostReadyToStart(peer_->isPlayer1());
                if (!SoloGame) {
                    OpponentGuessesLeft() = GuessesAllowed;
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
                peer_->playWord(GuessesAllowed);
                ActionButton->setEnabled(false);
                ActionButton->hide();
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
        ConnectTimer->stop();
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
    if (settings.GameType == 1) {
        TGetTheWord dialog(settings, WordIndex, *ctx.prompts, this);
        // The dialog only ends accepted with a word that passed its checks.
        const int result = ctx.prompts->runDialog(dialog);
        if (!Connected || result != QDialog::Accepted || dialog.TheWord.isEmpty()) {
            return;
        }
        const QString word = dialog.TheWord;
        SendPeer(6, word);
        LogLine(QStringLiteral(">>Word Sent"));
        MyWordSent = true;
        if (!OpponentWordReceived) {
            ShowWaitStatus(QStringLiteral("Waiting for opponent's word."));
        }
        // A word never holds a colon, so the first one always starts the clue (hint mode may
        // even have changed while the dialog was open).
        otherWord = word.section(QLatin1Char(':'), 0, 0);
    } else if (settings.Player1Chooses != IsPlayer1) {
        // The other side chooses; its words arrive as 10 and 06.
        MyWordSent = true;
        if (!OpponentWordReceived) {
            ShowWaitStatus(QStringLiteral("Waiting for opponent's word."));
        }
        return;
    } else {
        if (WordListLoaded) {
            SendPeer(12, ListTitle);
        } else {
            LoadGame(QDir(settings.ProgramDir).filePath(QStringLiteral("ROPEWIT.TXT")));
            const QString path = ShowOpenWordList(true);
            if (!path.isEmpty()) {
                LoadGame(path);
            }
        }
        makeListUsable(*this);
        const int count = static_cast<int>(Words.size());
        QString otherClue;
        if (settings.WordType != 1) {
            advance(WordIndex, count);
            takeOwnWord(*this);
            otherWord = CurrentWord;
            otherClue = CurrentHint;
        } else if (!settings.SameWordLength) {
            advance(WordIndex, count);
            takeOwnWord(*this);
            advance(WordIndex, count);
            std::tie(otherWord, otherClue) = takeOtherWord(*this);
        } else {
            // A start outside the list counts as its last position, so every pass ends.
            const int start = (WordIndex < 0 || WordIndex > count - 1) ? count - 1 : WordIndex;
            for (;;) {
                if (advance(WordIndex, count)) {
                    std::fill(WordUsed.begin(), WordUsed.end(), 0);
                }
                if (WordIndex == start) {
                    // No two words of the same length: from now on any two words will do.
                    settings.SameWordLength = false;
                    WordIndex = start;
                    advance(WordIndex, count);
                    takeOwnWord(*this);
                    advance(WordIndex, count);
                    std::tie(otherWord, otherClue) = takeOtherWord(*this);
                    break;
                }
                takeOwnWord(*this);
                const auto found =
                    FindSameLengthWord(WordIndex, static_cast<int>(CurrentWord.size()));
                if (!found.first.isEmpty()) {
                    otherWord = found.first.left(kMaxWord);
                    otherClue = found.second;
                    break;
                }
            }
        }
        if (Connected) {
            SendPeer(10, CurrentWord);
            SendPeer(6, otherWord + QLatin1Char(':') + otherClue);
            LogLine(QStringLiteral(">>Word Sent"));
        }
        OfferAction(playCaption());
        MyWordSent = true;
    }

    SetOpponentWord(otherWord);
}

void TMainWin::SetOpponentWord(const QString& word) {
    peer_->setOpponentWord(word);
    MissedWebLabel->clear();
    ShowOpponentProgress();
}

void TMainWin::ShowOpponentGuesses() {
    WebGuesses->setText(text::withThousands(OpponentGuessesLeft()) +
                        QStringLiteral(" Guesses Left"));
}

std::pair<QString, QString> TMainWin::FindSameLengthWord(int p, int n) {
    const int count = static_cast<int>(Words.size());
    // At most one round of the list: a start outside it never comes round again.
    int i = p;
    for (int step = 0; step < count; ++step) {
        i = (i < -1 || i >= count - 1) ? 0 : i + 1;
        if (i == p) {
            break;
        }
        const size_t at = static_cast<size_t>(i);
        if (at < WordUsed.size() && WordUsed[at] != 0) {
            continue;
        }
        if (Words.at(i).size() != n) {
            continue;
        }
        if (at < WordUsed.size()) {
            WordUsed[at] = 1;
        }
        const QString clue = i < Hints.size() ? Hints.at(i) : QString();
        return {Words.at(i), text::bounded(clue)};
    }
    return {};
}

void TMainWin::SendButtonClick() {
    if (MyMess->text().isEmpty()) {
        return;
    }
    const QString line = OwnName() + QStringLiteral("> ") + MyMess->text();
    SendPeer(1, line);
    ChatLine(line);
    MyMess->clear();
}
