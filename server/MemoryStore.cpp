#include "MemoryStore.h"

namespace matchd {

MemoryStore::MemoryStore(int capacity, qint64 expiryMs, int maxPerSource)
    : registry_(capacity, expiryMs, maxPerSource) {
    clock_.start();
}

void MemoryStore::add(const Registration& registration, AddDone done) {
    done(registry_.add(registration, clock_.elapsed()));
}

void MemoryStore::remove(const QByteArray& name, const QByteArray& address,
                         const QByteArray& source, RemoveDone done) {
    done(registry_.remove(name, address, source, clock_.elapsed()));
}

void MemoryStore::list(const QByteArray& letters, int max, ListDone done) {
    done(true, registry_.withPrefix(letters, max, clock_.elapsed()));
}

void MemoryStore::count(CountDone done) {
    done(registry_.count(clock_.elapsed()));
}

}  // namespace matchd
