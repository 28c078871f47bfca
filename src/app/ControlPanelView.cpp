#include "app/ControlPanelView.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <utility>

ControlPanelView::ControlPanelView(const MainWinControls& ui, const QWidget& window,
                                   GameController& game, std::function<void()> shownChanged)
    : ui_(ui), window_(window), game_(game), shownChanged_(std::move(shownChanged)) {}

GameController::Offer ControlPanelView::offerOf(const QString& caption) {
    return caption == playCaption()    ? GameController::Offer::PlayWord
           : caption == startCaption() ? GameController::Offer::StartGame
                                       : GameController::Offer::None;
}

void ControlPanelView::ShowWaitStatus(const QString& text) {
    game_.setWaiting(text);
    ui_.WaitStatus->setText(text);
    ui_.WaitStatus->setEnabled(true);
    ui_.WaitStatus->show();
    shownChanged_();
    FlashIt(true);
}

void ControlPanelView::HideWaitStatus() {
    game_.setWaiting(QString());
    ui_.WaitStatus->setEnabled(false);
    ui_.WaitStatus->hide();
    shownChanged_();
}

void ControlPanelView::OfferAction(const QString& caption) {
    game_.setOffer(offerOf(caption));
    ui_.ActionButton->setText(caption);
    ui_.ActionButton->setEnabled(true);
    ui_.ActionButton->show();
    shownChanged_();
    ui_.ActionButton->setFocus();
    FlashIt(true);
}

void ControlPanelView::Hide() {
    ui_.ControlPanel->setEnabled(false);
    ui_.ControlPanel->hide();
    ui_.ActionButton->setEnabled(false);
    ui_.ActionButton->hide();
    ui_.WaitStatus->setEnabled(false);
    ui_.WaitStatus->hide();
}

void ControlPanelView::Show() {
    const GameController::Offer offer = game_.offer();
    if (offer != GameController::Offer::None) {
        ui_.ActionButton->setText(offer == GameController::Offer::PlayWord ? playCaption()
                                                                           : startCaption());
    }
    ui_.ActionButton->setEnabled(game_.offerEnabled());
    ui_.ActionButton->setVisible(offer != GameController::Offer::None);
    const QString& waiting = game_.waiting();
    ui_.WaitStatus->setText(waiting);
    ui_.WaitStatus->setEnabled(!waiting.isEmpty());
    ui_.WaitStatus->setVisible(!waiting.isEmpty());
    shownChanged_();
}

void ControlPanelView::FlashIt(bool on) {
    if (on) {
        ui_.FlashTimer->start();
        return;
    }
    ui_.FlashTimer->stop();
    QPalette pal = ui_.ControlPanel->palette();
    pal.setColor(QPalette::Window, window_.palette().color(QPalette::Button));
    ui_.ControlPanel->setPalette(pal);
}

void ControlPanelView::FlashTimerTimer() {
    const QColor face = window_.palette().color(QPalette::Button);
    const QColor shadow = window_.palette().color(QPalette::Dark);
    QPalette pal = ui_.ControlPanel->palette();
    const QColor now = pal.color(QPalette::Window);
    pal.setColor(QPalette::Window, now == shadow ? face : shadow);
    ui_.ControlPanel->setPalette(pal);
}

void ControlPanelView::Withdraw() {
    game_.withdraw();
    Show();
}
