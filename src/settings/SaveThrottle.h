#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

// Runs a save at most once per interval: the first request saves at once, the requests that
// follow within the interval are folded into one save at its end. A peer can change the
// options many times a second; each change must reach the file, but not as one rewrite each.
class SaveThrottle : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultIntervalMs = 1000;

    explicit SaveThrottle(std::function<void()> save, int intervalMs = kDefaultIntervalMs,
                          QObject* parent = nullptr);
    ~SaveThrottle() override;

    void request();
    // Saves now when a save is still owed (the program is closing).
    void flush();
    // Forgets a save still owed (the caller is about to save everything itself).
    void discard() { timer_.stop(); }
    bool pending() const { return timer_.isActive(); }

private:
    void saveNow();

    std::function<void()> save_;
    int intervalMs_;
    QTimer timer_;
    QElapsedTimer sinceLast_;
};
