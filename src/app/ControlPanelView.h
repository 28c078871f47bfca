#pragma once

#include <QString>
#include <functional>

#include "app/GameForm.h"
#include "play/GameController.h"

class QWidget;

// The small panel over the gallows: the action button, the wait label and the blinking that
// asks the player to act. It shows what the game holds (the offer, the wait text).
class ControlPanelView {
public:
    // shownChanged: the button or the label was shown or hidden (the panel follows them).
    ControlPanelView(const MainWinControls& ui, const QWidget& window,
                     std::function<void()> shownChanged);

    static QString startCaption() { return QStringLiteral("Start &Game"); }
    static QString playCaption() { return QStringLiteral("Play &Word"); }
    static GameController::Offer offerOf(const QString& caption);

    void ShowWait(const QString& text);
    void HideWait();
    void Offer(const QString& caption);
    // Solo play: neither the panel, the button nor the label.
    void Hide();
    // The button and the label as the connection has them.
    void Show(const GameController& game);
    void Flash(bool on);
    // One blink.
    void FlashTick();

private:
    const MainWinControls& ui_;
    const QWidget& window_;
    std::function<void()> shownChanged_;
};
