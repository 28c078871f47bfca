#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <functional>

namespace matchd {

// Tells a waiting player whether a caller from outside reaches the address it is listed
// with: the server calls it there, says who it is with the nonce the player gave (so the
// player's game can tell this call from a caller's and drop it unseen), and hangs up.
class ReachProbe : public QObject {
    Q_OBJECT
public:
    explicit ReachProbe(int timeoutMs, QObject* parent = nullptr)
        : QObject(parent), timeoutMs_(timeoutMs) {}

    // `done(reachable)` is called exactly once, never before probe() returns.
    void probe(const QHostAddress& host, quint16 port, const QByteArray& nonce,
               std::function<void(bool)> done);
    int timeoutMs() const { return timeoutMs_; }

private:
    int timeoutMs_;
};

// What the player's game gets from the probe before it is closed: `25` nonce 0x02.
QByteArray probeGreeting(const QByteArray& nonce);

}  // namespace matchd
