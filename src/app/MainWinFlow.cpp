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

void TMainWin::ActionButtonClick() {}
void TMainWin::ConnectTimerTimer() {}
void TMainWin::DoAWebWord() {}
std::pair<QString, QString> TMainWin::FindSameLengthWord(int, int) {
    return {};
}
void TMainWin::SendButtonClick() {}
