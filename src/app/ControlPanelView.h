#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

#include "app/GameForm.h"
#include "play/GameController.h"

class QWidget;

// The small panel over the gallows: the action button, the wait label and the blinking that
// asks the player to act. What it offers and the text it waits with are the game's.
class ControlPanelView {
public:
    // shownChanged: the button or the label was shown or hidden (the panel follows them).
    ControlPanelView(const MainWinControls& ui, const QWidget& window, GameController& game,
                     std::function<void()> shownChanged);

    // The captions as shown, in the window's language; the offer is told by them.
    static QString startCaption() { return QCoreApplication::translate("TMainWin", "Start &Game"); }
    static QString playCaption() { return QCoreApplication::translate("TMainWin", "Play &Word"); }
    static GameController::Offer offerOf(const QString& caption);

    void ShowWaitStatus(const QString& text);
    void HideWaitStatus();
    void OfferAction(const QString& caption);
    // Solo play: neither the panel, the button nor the label.
    void Hide();
    // The button and the label as the game has them.
    void Show();
    // Nothing more to wait for or to offer (the connection is gone).
    void Withdraw();
    void FlashIt(bool on);
    // One blink.
    void FlashTimerTimer();

private:
    const MainWinControls& ui_;
    const QWidget& window_;
    GameController& game_;
    std::function<void()> shownChanged_;
};
