#include "app/WaitUntil.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

void waitUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < ms) {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
}
