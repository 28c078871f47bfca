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
    WaitStatus->setText(text);
    WaitStatus->setEnabled(true);
    WaitStatus->show();
    SetControlState();
    FlashIt(true);
}

void TMainWin::HideWaitStatus() {
    WaitStatus->setEnabled(false);
    WaitStatus->hide();
    SetControlState();
}

void TMainWin::OfferAction(const QString& caption) {
    ActionButton->setText(caption);
    ActionButton->setEnabled(true);
    ActionButton->show();
    SetControlState();
    ActionButton->setFocus();
    FlashIt(true);
}

void TMainWin::GameInterrupted() {
    const bool waiting = !WaitStatus->isHidden() || !ActionButton->isHidden();
    if (SoloGame || LeavingPeer || closing_ || (!waiting && !TwoPlayerStarted)) {
        return;
    }
    // Nothing can arrive any more: stop the flashing and the waiting, keep the rest (board,
    // scores, names) as it is so the player can still see how the game stood.
    FlashIt(false);
    HideWaitStatus();
    ActionButton->setEnabled(false);
    ActionButton->hide();
    SetControlState();
    if (ctx.prompts->question(this, QStringLiteral("Notice"),
                              QStringLiteral("The connection to your opponent has been lost, so "
                                             "this game cannot go on.\n\nWould you like to "
                                             "start a new game?"))) {
        DoANewGame();
    }
}

void TMainWin::ActionButtonClick() {
    try {
        const QString caption = ActionButton->text();
        if (caption == startCaption()) {
            IAmReady = true;
            if (!OpponentReady) {
                ShowWaitStatus(QStringLiteral("Waiting for opponent to start"));
            }
            ActionButton->setEnabled(false);
            SendPeer(4);
            PostReadyToStart(IsPlayer1);
            if (!SoloGame) {
                OpponentGuessesLeft = GuessesAllowed;
                ShowOpponentGuesses();
            }
        } else if (caption == playCaption()) {
            // The word can arrive before this side's next tick has begun the step. Begin it
            // now, or the tick would come in the middle of the word and wait for a word that
            // is already being played (or ask for one to send only afterwards).
            if (Connected && Player1Posted && Player2Posted) {
                ConnectTimerTimer();
                if (ActionButton->isHidden() || ActionButton->text() != playCaption()) {
                    SetControlState();
                    return;
                }
            }
            TwoPlayerStarted = true;
            DoNextWord();
            ActionButton->setEnabled(false);
            ActionButton->hide();
            FlashIt(false);
            OpponentWordReceived = OpponentScoreReceived = false;
            MyWordSent = MyScoreSent = false;
            WordFinished = false;
            OpponentGuessesLeft = GuessesAllowed;
            ShowOpponentGuesses();
            SendPeer(14);
        }
        SetControlState();
    } catch (const std::exception& e) {
        LogLine(QStringLiteral("NOTICE:> ") + QString::fromUtf8(e.what()));
    }
}

void TMainWin::ConnectTimerTimer() {
    if (!(Connected && Player1Posted && Player2Posted)) {
        return;
    }
    try {
        HideWaitStatus();
        // The button is kept when it already offers this step's word: the opponent's word
        // may have arrived before this tick, and hiding the offer would leave no way on.
        if (!WordFinished && !OpponentWordReceived) {
            ActionButton->setEnabled(false);
            ActionButton->hide();
        }
        SetControlState();
        ConnectTimer->stop();
        FlashIt(false);
        Player1Posted = Player2Posted = false;
        if (!WehaveWinner()) {
            DoAWebWord();
        }
    } catch (const std::exception& e) {
        LogLine(QStringLiteral("NOTICE:> ") + QString::fromUtf8(e.what()));
    }
}

void TMainWin::DoAWebWord() {
    QString otherWord;
    if (settings.GameType == 1) {
        TGetTheWord dialog(settings, wordSource_.index(), *ctx.prompts, this);
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
        if (wordSource_.loaded()) {
            SendPeer(12, wordSource_.title());
        } else {
            LoadGame(QDir(settings.ProgramDir).filePath(QStringLiteral("ROPEWIT.TXT")));
            const QString path = ShowOpenWordList(true);
            if (!path.isEmpty()) {
                LoadGame(path);
            }
        }
        const WordSource::Deal deal =
            wordSource_.deal(settings.WordType != 1, settings.SameWordLength);
        if (deal.sameLengthDropped) {
            // No two words of the same length: from now on any two words will do.
            settings.SameWordLength = false;
        }
        CurrentWord = deal.own.word;
        CurrentHint = deal.own.clue;
        otherWord = deal.other.word;
        const QString& otherClue = deal.other.clue;
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
    OpponentWord = text::bounded(word);
    MissedWebLabel->clear();
    OpponentProgress = QString(OpponentWord.size(), QLatin1Char('_'));
    WebWordlabel->setText(OpponentProgress);
    OpponentGuessesLeft = scoring::guessesFromSetting(settings.NumGuesses);
    ShowOpponentGuesses();
}

void TMainWin::ShowOpponentGuesses() {
    WebGuesses->setText(text::withThousands(OpponentGuessesLeft) + QStringLiteral(" Guesses Left"));
}

std::pair<QString, QString> TMainWin::FindSameLengthWord(int p, int n) {
    const wordlist::Entry found = wordSource_.findSameLengthWord(p, n);
    return {found.word, found.clue};
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
