#pragma once

#include <QByteArray>
#include <QList>
#include <functional>

namespace matchd {

struct WaitingPlayer {
    QByteArray name;
    QByteArray address;  // the address others are given to call
};

// One registration as the server has read it.
struct Registration {
    QByteArray name;
    QByteArray address;        // as the client sent it: with the name, who the player is
    QByteArray listedAddress;  // what others are given; empty means `address`
    QByteArray source;         // the address the connection came from, as text
    // How long the client still waits for the answer; negative: as long as the store waits
    // for itself. A store that answers later must not have listed the player.
    qint64 answerWithinMs = -1;
};

enum class AddResult {
    Added,
    Refreshed,
    Full,            // the list holds as many players as it may
    AddressFull,     // the source address has as many players waiting as it may
    TakenElsewhere,  // the player waits already, registered from another source address
    Unavailable,     // the store could not be asked, or not in time; nothing was changed
};

enum class RemoveResult { Removed, NotWaiting, OtherSource, Unavailable };

// Where the waiting players live: in this process or in a store shared by several.
// Answers come through the callbacks, at once or later, but never after the store is gone.
class WaitingStore {
public:
    using AddDone = std::function<void(AddResult)>;
    using RemoveDone = std::function<void(RemoveResult)>;
    // `ok` false: the store could not be asked.
    using ListDone = std::function<void(bool ok, const QList<WaitingPlayer>& players)>;
    // -1: the store could not be asked.
    using CountDone = std::function<void(qint64 count)>;

    virtual ~WaitingStore() = default;

    virtual void add(const Registration& registration, AddDone done) = 0;
    // Only the source address that registered the player may remove it. A removal answered
    // Unavailable may still take effect later: the player who left will not ask again.
    virtual void remove(const QByteArray& name, const QByteArray& address, const QByteArray& source,
                        RemoveDone done) = 0;
    // The players who have waited longest whose names start with `letters` (without regard to
    // case; empty letters match everyone), longest waiting first, at most `max`.
    virtual void list(const QByteArray& letters, int max, ListDone done) = 0;
    virtual void count(CountDone done) = 0;
};

}  // namespace matchd
