#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <memory>
#include <vector>

#include "WaitingStore.h"

namespace matchd {

// The players waiting for an opponent, kept in this process, in the order they first
// registered.
//
// A player is the pair (name, address), compared byte for byte. Registering the same pair
// again refreshes it: its expiry clock starts over but it keeps its place in the order, so
// a client that re-registers now and then does not lose its turn to players who came
// later. An entry whose last registration is `expiryMs` or more in the past is gone.
//
// Time is passed in by the caller as milliseconds on a clock that never goes back (a
// smaller value than one seen before counts as the latest one seen), which lets the rules
// be checked without waiting.
//
// The entries sit in a treap ordered by case-folded name, then by order of registration;
// every node knows the earliest registration below it. A name search walks only the part
// of the tree whose names start with the letters and takes the earliest first, so a miss
// costs one walk down the tree and k results about k short walks, however many players
// match. A list of everyone (no letters) follows a plain list in order of waiting.
class WaitingRegistry {
public:
    // maxPerSource 0: no limit per source address.
    WaitingRegistry(int capacity, qint64 expiryMs, int maxPerSource = 0);
    ~WaitingRegistry();
    WaitingRegistry(const WaitingRegistry&) = delete;
    WaitingRegistry& operator=(const WaitingRegistry&) = delete;

    AddResult add(const Registration& registration, qint64 nowMs);
    AddResult add(const QByteArray& name, const QByteArray& address, qint64 nowMs) {
        return add(Registration{name, address, {}, {}}, nowMs);
    }
    RemoveResult remove(const QByteArray& name, const QByteArray& address, const QByteArray& source,
                        qint64 nowMs);

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

    // For tests: the tree's order and earliest-registration marks hold everywhere.
    bool checkInvariants() const;

private:
    static constexpr quint32 kNil = 0xFFFFFFFFu;

    // 60 bytes plus the one block that holds the texts: [name length][address length] name
    // address [listed length] listed. The first part is the player's identity.
    struct Entry {
        std::unique_ptr<char[]> text;
        quint64 seq = 0;
        quint64 minSeq = 0;  // the smallest seq in this node's subtree
        qint64 refreshedMs = 0;
        quint32 left = kNil, right = kNil;
        quint32 older = kNil, newer = kNil;   // refresh order, least recently refreshed first
        quint32 before = kNil, after = kNil;  // order of waiting, longest waiting first
        quint32 source = kNil;
    };
    struct Source {
        QByteArray address;
        quint32 count = 0;
    };

    // Texts of an entry.
    static const char* nameOf(const Entry& e) { return e.text.get() + 2; }
    static int nameLength(const Entry& e) { return static_cast<unsigned char>(e.text[0]); }
    static int addressLength(const Entry& e) { return static_cast<unsigned char>(e.text[1]); }
    static QByteArray listedOf(const Entry& e);
    static QByteArray identityKey(const QByteArray& name, const QByteArray& address);
    static int identityLength(const Entry& e) { return 2 + nameLength(e) + addressLength(e); }

    // `key` is the identity; `listed` empty or equal to the address is not stored twice.
    static void setText(Entry& e, const QByteArray& key, QByteArray listed);
    qint64 advance(qint64 nowMs);
    quint32 allocate();
    void drop(quint32 id);

    // The identity table: open addressing, linear probing, entry ids in the slots.
    quint32 findIdentity(const QByteArray& key) const;
    void insertIdentity(quint32 id);
    void eraseIdentity(quint32 id);
    void growIdentities();
    size_t hashBytes(const char* data, int size) const;

    // The tree.
    quint32 priority(quint32 id) const;
    bool less(quint32 a, quint32 b) const;
    void update(quint32 t);
    void split(quint32 t, quint32 key, quint32* l, quint32* r);
    quint32 merge(quint32 a, quint32 b);
    quint32 insert(quint32 t, quint32 id);
    quint32 erase(quint32 t, quint32 id);
    bool checkSubtree(quint32 t, quint64* minSeq, int* visited) const;

    using Link = quint32 Entry::*;
    void unlinkFrom(quint32 id, Link prev, Link next, quint32& head, quint32& tail);
    void append(quint32 id, Link prev, Link next, quint32& head, quint32& tail);
    // Refresh order.
    void unlink(quint32 id);
    void linkNewest(quint32 id);
    // Order of waiting.
    void linkLast(quint32 id);
    void unlinkOrder(quint32 id);

    quint32 sourceOf(const QByteArray& address);
    void releaseSource(quint32 index);

    int capacity_;
    qint64 expiryMs_;
    int maxPerSource_;
    qint64 latestMs_ = 0;
    quint64 nextSeq_ = 1;
    int count_ = 0;

    std::vector<Entry> entries_;
    std::vector<quint32> freeEntries_;
    quint32 root_ = kNil;
    quint32 oldest_ = kNil, newest_ = kNil;
    quint32 first_ = kNil, last_ = kNil;
    std::vector<quint32> identities_;  // kNil: empty slot
    quint32 prioritySeed_;
    quint64 hashSeed_;

    std::vector<Source> sources_;
    std::vector<quint32> freeSources_;
    QHash<QByteArray, quint32> sourceIndex_;
};

// Case folding of Windows-1252 letters, for the name search.
char foldCase(char c);
QByteArray foldedCopy(const QByteArray& text);
bool startsWithFolded(const QByteArray& name, const QByteArray& letters);

}  // namespace matchd
