#pragma once

#include <QLabel>
#include <QMouseEvent>

// An image control that reports mouse presses: the alphabet tiles and the gallows picture.
// One made a button is a button to a screen reader too, and with the focus Space or Return
// presses it and a frame shows where the focus is. A click never moves the focus.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

    // What a click does, for the keyboard and for assistive tools.
    void press() { Q_EMIT pressed(); }
    void setButton(bool on) { button_ = on; }
    bool isButton() const { return button_; }

Q_SIGNALS:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            Q_EMIT pressed();
        }
        QLabel::mousePressEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool button_ = false;
};
