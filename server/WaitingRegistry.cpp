#include "WaitingRegistry.h"

#include <QRandomGenerator>
#include <algorithm>
#include <array>
#include <cstring>

namespace matchd {

namespace {

// Fields are stored with one length byte each; the protocol cuts them far shorter.
constexpr qsizetype kMaxFieldBytes = 255;

QByteArray cut(const QByteArray& field) {
    return field.size() > kMaxFieldBytes ? field.left(kMaxFieldBytes) : field;
}

std::array<unsigned char, 256> makeFoldTable() {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) {
        int folded = c;
        if (c >= 'A' && c <= 'Z')
            folded = c + 32;
        else if (c >= 0xC0 && c <= 0xDE && c != 0xD7)  // Latin-1 capitals; 0xD7 is a sign
            folded = c + 32;
        else if (c == 0x8A || c == 0x8C || c == 0x8E)  // S and Z with caron, OE
            folded = c + 0x10;
        else if (c == 0x9F)  // Y with diaeresis
            folded = 0xFF;
        table[static_cast<size_t>(c)] = static_cast<unsigned char>(folded);
    }
    return table;
}

const std::array<unsigned char, 256> kFold = makeFoldTable();

inline unsigned char folded(char c) {
    return kFold[static_cast<unsigned char>(c)];
}

// Compares two names as their case-folded bytes.
int compareFolded(const char* a, int na, const char* b, int nb) {
    const int n = std::min(na, nb);
    for (int i = 0; i < n; ++i) {
        const unsigned char fa = folded(a[i]);
        const unsigned char fb = folded(b[i]);
        if (fa != fb)
            return fa < fb ? -1 : 1;
    }
    return na == nb ? 0 : (na < nb ? -1 : 1);
}

// Where a name lies from the range of names that start with `letters` (already folded):
// before it (-1), in it (0) or after it (1).
int compareToPrefix(const char* name, int length, const QByteArray& letters) {
    const int n = std::min(length, static_cast<int>(letters.size()));
    for (int i = 0; i < n; ++i) {
        const unsigned char fa = folded(name[i]);
        const auto fb = static_cast<unsigned char>(letters[i]);
        if (fa != fb)
            return fa < fb ? -1 : 1;
    }
    return length < letters.size() ? -1 : 0;
}

}  // namespace

char foldCase(char c) {
    return static_cast<char>(folded(c));
}

QByteArray foldedCopy(const QByteArray& text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = foldCase(text[i]);
    return out;
}

bool startsWithFolded(const QByteArray& name, const QByteArray& letters) {
    if (letters.size() > name.size())
        return false;
    for (qsizetype i = 0; i < letters.size(); ++i) {
        if (folded(name[i]) != folded(letters[i]))
            return false;
    }
    return true;
}

WaitingRegistry::WaitingRegistry(int capacity, qint64 expiryMs, int maxPerSource)
    : capacity_(std::max(capacity, 0)),
      expiryMs_(std::max<qint64>(expiryMs, 1)),
      maxPerSource_(std::max(maxPerSource, 0)),
      identities_(16, kNil),
      // Random per process, so nobody can line names up with the tree's priorities or the
      // table's hash to make either degenerate.
      prioritySeed_(QRandomGenerator::system()->generate()),
      hashSeed_(QRandomGenerator::system()->generate64()) {}

WaitingRegistry::~WaitingRegistry() = default;

// --- texts -------------------------------------------------------------------------------

QByteArray WaitingRegistry::identityKey(const QByteArray& name, const QByteArray& address) {
    QByteArray key;
    key.reserve(2 + name.size() + address.size());
    key.append(static_cast<char>(name.size())).append(static_cast<char>(address.size()));
    key.append(name).append(address);
    return key;
}

QByteArray WaitingRegistry::listedOf(const Entry& e) {
    const char* p = e.text.get() + identityLength(e);
    const int listed = static_cast<unsigned char>(p[0]);
    if (listed == 0)
        return QByteArray(nameOf(e) + nameLength(e), addressLength(e));
    return QByteArray(p + 1, listed);
}

// --- identities --------------------------------------------------------------------------

size_t WaitingRegistry::hashBytes(const char* data, int size) const {
    return qHashBits(data, static_cast<size_t>(size), static_cast<size_t>(hashSeed_));
}

quint32 WaitingRegistry::findIdentity(const QByteArray& key) const {
    const size_t mask = identities_.size() - 1;
    for (size_t i = hashBytes(key.constData(), static_cast<int>(key.size())) & mask;;
         i = (i + 1) & mask) {
        const quint32 id = identities_[i];
        if (id == kNil)
            return kNil;
        const Entry& e = entries_[id];
        if (identityLength(e) == key.size() &&
            std::memcmp(e.text.get(), key.constData(), static_cast<size_t>(key.size())) == 0)
            return id;
    }
}

void WaitingRegistry::insertIdentity(quint32 id) {
    if ((static_cast<size_t>(count_) + 1) * 2 > identities_.size())
        growIdentities();
    const size_t mask = identities_.size() - 1;
    const Entry& e = entries_[id];
    size_t i = hashBytes(e.text.get(), identityLength(e)) & mask;
    while (identities_[i] != kNil)
        i = (i + 1) & mask;
    identities_[i] = id;
}

void WaitingRegistry::growIdentities() {
    std::vector<quint32> old(identities_.size() * 2, kNil);
    old.swap(identities_);
    const size_t mask = identities_.size() - 1;
    for (const quint32 id : old) {
        if (id == kNil)
            continue;
        const Entry& e = entries_[id];
        size_t i = hashBytes(e.text.get(), identityLength(e)) & mask;
        while (identities_[i] != kNil)
            i = (i + 1) & mask;
        identities_[i] = id;
    }
}

void WaitingRegistry::eraseIdentity(quint32 id) {
    const size_t mask = identities_.size() - 1;
    const Entry& gone = entries_[id];
    size_t i = hashBytes(gone.text.get(), identityLength(gone)) & mask;
    while (identities_[i] != id) {
        if (identities_[i] == kNil)
            return;  // not in the table; nothing to do
        i = (i + 1) & mask;
    }
    // Backward shift: move later members of the run into the hole where their probe
    // sequence allows it, so lookups never need tombstones.
    size_t j = i;
    for (;;) {
        j = (j + 1) & mask;
        const quint32 moved = identities_[j];
        if (moved == kNil)
            break;
        const Entry& e = entries_[moved];
        const size_t home = hashBytes(e.text.get(), identityLength(e)) & mask;
        const bool stays = i <= j ? (i < home && home <= j) : (i < home || home <= j);
        if (stays)
            continue;
        identities_[i] = moved;
        i = j;
    }
    identities_[i] = kNil;
}

// --- the tree ----------------------------------------------------------------------------

quint32 WaitingRegistry::priority(quint32 id) const {
    quint32 x = id ^ prioritySeed_;
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

bool WaitingRegistry::less(quint32 a, quint32 b) const {
    const Entry& ea = entries_[a];
    const Entry& eb = entries_[b];
    const int c = compareFolded(nameOf(ea), nameLength(ea), nameOf(eb), nameLength(eb));
    return c != 0 ? c < 0 : ea.seq < eb.seq;
}

void WaitingRegistry::update(quint32 t) {
    Entry& e = entries_[t];
    quint64 m = e.seq;
    if (e.left != kNil)
        m = std::min(m, entries_[e.left].minSeq);
    if (e.right != kNil)
        m = std::min(m, entries_[e.right].minSeq);
    e.minSeq = m;
}

void WaitingRegistry::split(quint32 t, quint32 key, quint32* l, quint32* r) {
    if (t == kNil) {
        *l = *r = kNil;
        return;
    }
    if (less(t, key)) {
        quint32 right = kNil;
        split(entries_[t].right, key, &right, r);
        entries_[t].right = right;
        *l = t;
    } else {
        quint32 left = kNil;
        split(entries_[t].left, key, l, &left);
        entries_[t].left = left;
        *r = t;
    }
    update(t);
}

quint32 WaitingRegistry::merge(quint32 a, quint32 b) {
    if (a == kNil)
        return b;
    if (b == kNil)
        return a;
    if (priority(a) > priority(b)) {
        const quint32 right = merge(entries_[a].right, b);
        entries_[a].right = right;
        update(a);
        return a;
    }
    const quint32 left = merge(a, entries_[b].left);
    entries_[b].left = left;
    update(b);
    return b;
}

quint32 WaitingRegistry::insert(quint32 t, quint32 id) {
    if (t == kNil) {
        update(id);
        return id;
    }
    if (priority(id) > priority(t)) {
        quint32 l = kNil, r = kNil;
        split(t, id, &l, &r);
        entries_[id].left = l;
        entries_[id].right = r;
        update(id);
        return id;
    }
    if (less(id, t)) {
        const quint32 left = insert(entries_[t].left, id);
        entries_[t].left = left;
    } else {
        const quint32 right = insert(entries_[t].right, id);
        entries_[t].right = right;
    }
    update(t);
    return t;
}

quint32 WaitingRegistry::erase(quint32 t, quint32 id) {
    if (t == kNil)
        return kNil;
    if (t == id)
        return merge(entries_[t].left, entries_[t].right);
    if (less(id, t)) {
        const quint32 left = erase(entries_[t].left, id);
        entries_[t].left = left;
    } else {
        const quint32 right = erase(entries_[t].right, id);
        entries_[t].right = right;
    }
    update(t);
    return t;
}

// --- refresh order -----------------------------------------------------------------------

// Both orders are doubly linked lists threaded through the entries; a list is named by its
// two link members and its two ends.
void WaitingRegistry::unlinkFrom(quint32 id, Link prev, Link next, quint32& head, quint32& tail) {
    Entry& e = entries_[id];
    if (e.*prev != kNil)
        entries_[e.*prev].*next = e.*next;
    else
        head = e.*next;
    if (e.*next != kNil)
        entries_[e.*next].*prev = e.*prev;
    else
        tail = e.*prev;
    e.*prev = e.*next = kNil;
}

void WaitingRegistry::append(quint32 id, Link prev, Link next, quint32& head, quint32& tail) {
    Entry& e = entries_[id];
    e.*prev = tail;
    e.*next = kNil;
    if (tail != kNil)
        entries_[tail].*next = id;
    else
        head = id;
    tail = id;
}

void WaitingRegistry::unlink(quint32 id) {
    unlinkFrom(id, &Entry::older, &Entry::newer, oldest_, newest_);
}

void WaitingRegistry::linkNewest(quint32 id) {
    append(id, &Entry::older, &Entry::newer, oldest_, newest_);
}

void WaitingRegistry::unlinkOrder(quint32 id) {
    unlinkFrom(id, &Entry::before, &Entry::after, first_, last_);
}

void WaitingRegistry::linkLast(quint32 id) {
    append(id, &Entry::before, &Entry::after, first_, last_);
}

// --- source addresses --------------------------------------------------------------------

quint32 WaitingRegistry::sourceOf(const QByteArray& address) {
    const auto found = sourceIndex_.constFind(address);
    quint32 index = 0;
    if (found != sourceIndex_.constEnd()) {
        index = found.value();
    } else {
        if (!freeSources_.empty()) {
            index = freeSources_.back();
            freeSources_.pop_back();
        } else {
            index = static_cast<quint32>(sources_.size());
            sources_.emplace_back();
        }
        sources_[index].address = address;
        sources_[index].count = 0;
        sourceIndex_.insert(address, index);
    }
    ++sources_[index].count;
    return index;
}

void WaitingRegistry::releaseSource(quint32 index) {
    if (index == kNil || index >= sources_.size())
        return;
    Source& s = sources_[index];
    if (s.count > 0 && --s.count == 0) {
        sourceIndex_.remove(s.address);
        s.address = QByteArray();
        freeSources_.push_back(index);
    }
}

// --- the rules ---------------------------------------------------------------------------

qint64 WaitingRegistry::advance(qint64 nowMs) {
    expire(nowMs);
    return latestMs_;
}

void WaitingRegistry::expire(qint64 nowMs) {
    latestMs_ = std::max(latestMs_, nowMs);
    while (oldest_ != kNil && latestMs_ - entries_[oldest_].refreshedMs >= expiryMs_)
        drop(oldest_);
}

quint32 WaitingRegistry::allocate() {
    if (!freeEntries_.empty()) {
        const quint32 id = freeEntries_.back();
        freeEntries_.pop_back();
        return id;
    }
    entries_.emplace_back();
    return static_cast<quint32>(entries_.size() - 1);
}

void WaitingRegistry::drop(quint32 id) {
    root_ = erase(root_, id);
    eraseIdentity(id);
    unlink(id);
    unlinkOrder(id);
    Entry& e = entries_[id];
    releaseSource(e.source);
    e = Entry();
    freeEntries_.push_back(id);
    --count_;
}

void WaitingRegistry::setText(Entry& e, const QByteArray& key, QByteArray listed) {
    if (listed == key.mid(2 + static_cast<unsigned char>(key[0])))
        listed.clear();
    e.text = std::make_unique<char[]>(static_cast<size_t>(key.size() + 1 + listed.size()));
    std::memcpy(e.text.get(), key.constData(), static_cast<size_t>(key.size()));
    e.text[static_cast<size_t>(key.size())] = static_cast<char>(listed.size());
    std::memcpy(e.text.get() + key.size() + 1, listed.constData(),
                static_cast<size_t>(listed.size()));
}

AddResult WaitingRegistry::add(const Registration& registration, qint64 nowMs) {
    const qint64 now = advance(nowMs);
    const QByteArray name = cut(registration.name);
    const QByteArray address = cut(registration.address);
    const QByteArray key = identityKey(name, address);
    const quint32 found = findIdentity(key);
    if (found != kNil) {
        Entry& e = entries_[found];
        if (e.source < sources_.size() && sources_[e.source].address != registration.source)
            return AddResult::TakenElsewhere;
        e.refreshedMs = now;
        unlink(found);
        linkNewest(found);
        // The relay lists a held player with its own address; a renewal carries the address
        // the player is to be listed with now, as in Redis.
        setText(e, key, cut(registration.listedAddress));
        return AddResult::Refreshed;
    }
    if (count_ >= capacity_)
        return AddResult::Full;
    if (maxPerSource_ > 0) {
        const auto src = sourceIndex_.constFind(registration.source);
        if (src != sourceIndex_.constEnd() &&
            sources_[src.value()].count >= static_cast<quint32>(maxPerSource_))
            return AddResult::AddressFull;
    }

    const quint32 id = allocate();
    Entry& e = entries_[id];
    setText(e, key, cut(registration.listedAddress));
    e.seq = nextSeq_++;
    e.minSeq = e.seq;
    e.refreshedMs = now;
    e.source = sourceOf(registration.source);
    root_ = insert(root_, id);
    insertIdentity(id);
    linkNewest(id);
    linkLast(id);  // its seq is the largest there is
    ++count_;
    return AddResult::Added;
}

RemoveResult WaitingRegistry::remove(const QByteArray& name, const QByteArray& address,
                                     const QByteArray& source, qint64 nowMs) {
    advance(nowMs);
    const quint32 found = findIdentity(identityKey(cut(name), cut(address)));
    if (found == kNil)
        return RemoveResult::NotWaiting;
    const Entry& e = entries_[found];
    if (e.source < sources_.size() && sources_[e.source].address != source)
        return RemoveResult::OtherSource;
    drop(found);
    return RemoveResult::Removed;
}

QList<WaitingPlayer> WaitingRegistry::longestWaiting(int max, qint64 nowMs) {
    return withPrefix({}, max, nowMs);
}

QList<WaitingPlayer> WaitingRegistry::withPrefix(const QByteArray& letters, int max, qint64 nowMs) {
    advance(nowMs);
    QList<WaitingPlayer> result;
    if (max <= 0 || root_ == kNil)
        return result;
    const auto player = [](const Entry& e) {
        return WaitingPlayer{QByteArray(nameOf(e), nameLength(e)), listedOf(e)};
    };
    if (letters.isEmpty()) {
        for (quint32 id = first_; id != kNil && result.size() < max; id = entries_[id].after)
            result.append(player(entries_[id]));
        return result;
    }
    const QByteArray wanted = foldedCopy(letters);

    // Best first: a subtree is ranked by the earliest registration below it, which is a
    // lower bound for its matches; a single entry by its own. When an entry comes out on
    // top, nothing left can be earlier. Only the subtrees on the two edges of the range are
    // ever opened without yielding a match, so a miss costs one walk down the tree. A
    // subtree known to lie inside the range on both sides needs no name compared.
    struct Item {
        quint64 rank;
        quint32 id;
        bool single;
        bool lowKnown;   // nothing below sorts before the range
        bool highKnown;  // nothing below sorts after it
    };
    const auto later = [](const Item& a, const Item& b) { return a.rank > b.rank; };
    std::vector<Item> heap;
    heap.reserve(64);
    const auto push = [&](Item item) {
        heap.push_back(item);
        std::push_heap(heap.begin(), heap.end(), later);
    };
    const auto pushTree = [&](quint32 t, bool lowKnown, bool highKnown) {
        if (t != kNil)
            push({entries_[t].minSeq, t, false, lowKnown, highKnown});
    };
    pushTree(root_, false, false);
    while (!heap.empty() && result.size() < max) {
        std::pop_heap(heap.begin(), heap.end(), later);
        const Item item = heap.back();
        heap.pop_back();
        const Entry& e = entries_[item.id];
        if (item.single) {
            result.append(player(e));
            continue;
        }
        const int where =
            item.lowKnown && item.highKnown ? 0 : compareToPrefix(nameOf(e), nameLength(e), wanted);
        if (where == 0)
            push({e.seq, item.id, true, true, true});
        if (where >= 0)
            pushTree(e.left, item.lowKnown, item.highKnown || where == 0);
        if (where <= 0)
            pushTree(e.right, item.lowKnown || where == 0, item.highKnown);
    }
    return result;
}

int WaitingRegistry::count(qint64 nowMs) {
    advance(nowMs);
    return count_;
}

bool WaitingRegistry::checkSubtree(quint32 t, quint64* minSeq, int* visited) const {
    const Entry& e = entries_[t];
    quint64 m = e.seq;
    ++*visited;
    for (const quint32 child : {e.left, e.right}) {
        if (child == kNil)
            continue;
        if (priority(child) > priority(t))
            return false;
        if ((child == e.left) != less(child, t))
            return false;
        quint64 childMin = 0;
        if (!checkSubtree(child, &childMin, visited))
            return false;
        m = std::min(m, childMin);
    }
    *minSeq = m;
    return m == e.minSeq;
}

bool WaitingRegistry::checkInvariants() const {
    int visited = 0;
    quint64 minSeq = 0;
    if (root_ != kNil && !checkSubtree(root_, &minSeq, &visited))
        return false;
    if (visited != count_)
        return false;
    // In order, every key is greater than the one before.
    std::vector<quint32> order;
    std::vector<quint32> stack;
    for (quint32 t = root_; t != kNil || !stack.empty();) {
        while (t != kNil) {
            stack.push_back(t);
            t = entries_[t].left;
        }
        t = stack.back();
        stack.pop_back();
        order.push_back(t);
        t = entries_[t].right;
    }
    for (size_t i = 1; i < order.size(); ++i) {
        if (!less(order[i - 1], order[i]))
            return false;
    }
    int linked = 0;
    for (quint32 id = oldest_; id != kNil; id = entries_[id].newer)
        ++linked;
    if (linked != count_)
        return false;
    int ordered = 0;
    for (quint32 id = first_; id != kNil; id = entries_[id].after) {
        if (entries_[id].after != kNil && entries_[entries_[id].after].seq <= entries_[id].seq)
            return false;
        ++ordered;
    }
    if (ordered != count_)
        return false;
    for (const quint32 id : order) {
        const Entry& e = entries_[id];
        if (findIdentity(QByteArray(e.text.get(), identityLength(e))) != id)
            return false;
    }
    return true;
}

}  // namespace matchd
