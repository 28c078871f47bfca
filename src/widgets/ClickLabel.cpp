#include "widgets/ClickLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

namespace {

// A focusable tile as a screen reader sees it: a button that can be pressed, named by the
// name the board gives it.
class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel* label)
        : QAccessibleWidget(label, QAccessible::Button) {}

    // Only one tile at a time is a Tab stop, but the arrow keys reach each of them.
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled()) {
            static_cast<ClickLabel*>(widget())->press();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* clickLabelFactory(const QString& className, QObject* object) {
    auto* label = qobject_cast<ClickLabel*>(object);
    if (className == QLatin1String("ClickLabel") && label && label->isButton()) {
        return new ClickLabelAccessible(label);
    }
    return nullptr;
}

}  // namespace

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(clickLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        Q_EMIT pressed();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    // Two rings, dark inside light, so the focus shows on any tile colour; a cosmetic pen
    // stays one device pixel wide and sharp at any scale.
    QPainter painter(this);
    QPen pen(Qt::black, 0);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
    pen.setColor(Qt::yellow);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
}
