#pragma once

#include <QElapsedTimer>

#include "WaitingRegistry.h"
#include "WaitingStore.h"

namespace matchd {

// The waiting list in this process's memory; answers at once.
class MemoryStore : public WaitingStore {
public:
    MemoryStore(int capacity, qint64 expiryMs, int maxPerSource);

    void add(const Registration& registration, AddDone done) override;
    void remove(const QByteArray& name, const QByteArray& address, const QByteArray& source,
                RemoveDone done) override;
    void list(const QByteArray& letters, int max, ListDone done) override;
    void count(CountDone done) override;

    WaitingRegistry& registry() { return registry_; }

private:
    WaitingRegistry registry_;
    QElapsedTimer clock_;  // monotonic, so changes of the system time do not matter
};

}  // namespace matchd
