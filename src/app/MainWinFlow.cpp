// The two-player game flow and the chat.
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "app/MainWin.h"

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
    // Nothing can arrive any more: stop the flashing and the waiting, keep the rest as it is.
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

void TMainWin::ActionButtonClick() {}
void TMainWin::ConnectTimerTimer() {}
void TMainWin::DoAWebWord() {}
std::pair<QString, QString> TMainWin::FindSameLengthWord(int, int) {
    return {};
}
void TMainWin::SendButtonClick() {}
