#include "WaitingRegistry.h"

#include <algorithm>

namespace matchd {

WaitingRegistry::WaitingRegistry(int capacity, qint64 expiryMs)
    : capacity_(std::max(capacity, 0)), expiryMs_(std::max<qint64>(expiryMs, 1)) {}

QByteArray WaitingRegistry::keyOf(const QByteArray& name, const QByteArray& address) {
    // Names never hold 0x01 (it ends them on the wire), so the key is unambiguous.
    QByteArray key;
    key.reserve(name.size() + 1 + address.size());
    key.append(name).append('\x01').append(address);
    return key;
}

qint64 WaitingRegistry::advance(qint64 nowMs) {
    latestMs_ = std::max(latestMs_, nowMs);
    expire(latestMs_);
    return latestMs_;
}

void WaitingRegistry::expire(qint64 nowMs) {
    latestMs_ = std::max(latestMs_, nowMs);
    while (!byRefresh_.empty()) {
        auto it = byOrder_.find(byRefresh_.front());
        if (it == byOrder_.end()) {  // cannot happen; never loop on it
            byRefresh_.pop_front();
            continue;
        }
        if (latestMs_ - it->second.refreshedMs < expiryMs_)
            break;
        byKey_.remove(keyOf(it->second.player.name, it->second.player.address));
        byRefresh_.pop_front();
        byOrder_.erase(it);
    }
}

WaitingRegistry::AddResult WaitingRegistry::add(const QByteArray& name, const QByteArray& address,
                                                qint64 nowMs) {
    const qint64 now = advance(nowMs);
    const QByteArray key = keyOf(name, address);
    const auto found = byKey_.constFind(key);
    if (found != byKey_.constEnd()) {
        Entry& entry = byOrder_.at(found.value());
        entry.refreshedMs = now;
        byRefresh_.splice(byRefresh_.end(), byRefresh_, entry.refreshPos);
        return AddResult::Refreshed;
    }
    if (static_cast<qsizetype>(byOrder_.size()) >= capacity_)
        return AddResult::Full;
    const quint64 seq = nextSeq_++;
    Entry& entry = byOrder_[seq];
    entry.player = {name, address};
    entry.refreshedMs = now;
    entry.refreshPos = byRefresh_.insert(byRefresh_.end(), seq);
    byKey_.insert(key, seq);
    return AddResult::Added;
}

bool WaitingRegistry::remove(const QByteArray& name, const QByteArray& address, qint64 nowMs) {
    advance(nowMs);
    const auto found = byKey_.find(keyOf(name, address));
    if (found == byKey_.end())
        return false;
    const auto it = byOrder_.find(found.value());
    byKey_.erase(found);
    if (it != byOrder_.end()) {
        byRefresh_.erase(it->second.refreshPos);
        byOrder_.erase(it);
    }
    return true;
}

QList<WaitingPlayer> WaitingRegistry::longestWaiting(int max, qint64 nowMs) {
    return withPrefix({}, max, nowMs);
}

QList<WaitingPlayer> WaitingRegistry::withPrefix(const QByteArray& letters, int max, qint64 nowMs) {
    advance(nowMs);
    QList<WaitingPlayer> result;
    if (max <= 0)
        return result;
    for (const auto& [seq, entry] : byOrder_) {
        if (!startsWithFolded(entry.player.name, letters))
            continue;
        result.append(entry.player);
        if (result.size() >= max)
            break;
    }
    return result;
}

int WaitingRegistry::count(qint64 nowMs) {
    advance(nowMs);
    return static_cast<int>(byOrder_.size());
}

char foldCase(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z')
        return static_cast<char>(u + 32);
    // Latin-1 capitals; 0xD7 is the multiplication sign.
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7)
        return static_cast<char>(u + 32);
    // The capitals Windows-1252 adds: S and Z with caron, OE, Y with diaeresis.
    switch (u) {
        case 0x8A:
            return static_cast<char>(0x9A);
        case 0x8C:
            return static_cast<char>(0x9C);
        case 0x8E:
            return static_cast<char>(0x9E);
        case 0x9F:
            return static_cast<char>(0xFF);
        default:
            return c;
    }
}

bool startsWithFolded(const QByteArray& name, const QByteArray& letters) {
    if (letters.size() > name.size())
        return false;
    for (qsizetype i = 0; i < letters.size(); ++i) {
        if (foldCase(name[i]) != foldCase(letters[i]))
            return false;
    }
    return true;
}

}  // namespace matchd
