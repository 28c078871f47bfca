#include "settings/SaveThrottle.h"

#include <utility>

SaveThrottle::SaveThrottle(std::function<void()> save, int intervalMs, QObject* parent)
    : QObject(parent), save_(std::move(save)), intervalMs_(intervalMs) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &SaveThrottle::saveNow);
}

// A save still owed is not run here: the owner may be half destroyed by now, and what the
// save captured with it. The owner flushes while it is whole.
SaveThrottle::~SaveThrottle() = default;

void SaveThrottle::request() {
    if (timer_.isActive()) {
        return;
    }
    if (!sinceLast_.isValid() || sinceLast_.elapsed() >= intervalMs_) {
        saveNow();
        return;
    }
    timer_.start(static_cast<int>(intervalMs_ - sinceLast_.elapsed()));
}

void SaveThrottle::flush() {
    if (timer_.isActive()) {
        saveNow();
    }
}

void SaveThrottle::saveNow() {
    timer_.stop();
    sinceLast_.start();
    if (save_) {
        save_();
    }
}
