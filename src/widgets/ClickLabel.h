#pragma once

#include <QLabel>
#include <QMouseEvent>

// An image control that reports mouse presses: the alphabet tiles and the gallows picture.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            Q_EMIT pressed();
        }
        QLabel::mousePressEvent(event);
    }
};
