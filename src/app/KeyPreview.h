#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

// Lets a window see the keys typed anywhere in it before its controls do. Only the event's
// first receiver counts (the focus widget, or the window when nothing has the focus), so a
// key that travels up to the parents is seen once. A key the function takes (returns true
// for) goes no further.
class KeyPreview : public QObject {
public:
    using Handler = std::function<bool(const QKeyEvent& key)>;
    // Watches the whole application from now until it is destroyed.
    KeyPreview(QWidget& window, Handler handler);
    ~KeyPreview() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    Handler handler_;
};
