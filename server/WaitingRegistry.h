#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <list>
#include <map>

namespace matchd {

struct WaitingPlayer {
    QByteArray name;
    QByteArray address;
};

// The players waiting for an opponent, in the order they first registered.
//
// A player is the pair (name, address), compared byte for byte. Registering the same pair
// again refreshes it: its expiry clock starts over but it keeps its place in the order, so
// a client that re-registers now and then does not lose its turn to players who came
// later. An entry whose last registration is `expiryMs` or more in the past is gone.
//
// Time is passed in by the caller as milliseconds on a clock that never goes back (a
// smaller value than one seen before counts as the latest one seen), which lets the rules
// be checked without waiting.
class WaitingRegistry {
public:
    enum class AddResult { Added, Refreshed, Full };

    WaitingRegistry(int capacity, qint64 expiryMs);

    AddResult add(const QByteArray& name, const QByteArray& address, qint64 nowMs);
    // False when no such player is waiting.
    bool remove(const QByteArray& name, const QByteArray& address, qint64 nowMs);

    // The players who have waited longest, longest first, at most `max` of them.
    QList<WaitingPlayer> longestWaiting(int max, qint64 nowMs);
    // The same, restricted to names that start with `letters`; letters are compared without
    // regard to case (Windows-1252). Empty letters match every name.
    QList<WaitingPlayer> withPrefix(const QByteArray& letters, int max, qint64 nowMs);

    int count(qint64 nowMs);
    int capacity() const { return capacity_; }
    qint64 expiryMs() const { return expiryMs_; }

    // Drops the entries that have expired by `nowMs`.
    void expire(qint64 nowMs);

private:
    struct Entry {
        WaitingPlayer player;
        qint64 refreshedMs = 0;
        std::list<quint64>::iterator refreshPos;
    };

    qint64 advance(qint64 nowMs);
    static QByteArray keyOf(const QByteArray& name, const QByteArray& address);

    int capacity_;
    qint64 expiryMs_;
    qint64 latestMs_ = 0;
    quint64 nextSeq_ = 0;
    // Registration order: the sequence number of the first registration.
    std::map<quint64, Entry> byOrder_;
    // Sequence numbers, least recently refreshed first; a refresh moves one to the back.
    std::list<quint64> byRefresh_;
    QHash<QByteArray, quint64> byKey_;
};

// Case folding of Windows-1252 letters, for the name search.
char foldCase(char c);
bool startsWithFolded(const QByteArray& name, const QByteArray& letters);

}  // namespace matchd
