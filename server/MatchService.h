#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <functional>

#include "AddressPolicy.h"
#include "MatchProtocol.h"
#include "WaitingStore.h"

namespace matchd {

// What became of one request: the reply to send (nothing for a removal, a refusal or when
// the store could not be asked) and the two halves of its log line.
struct Outcome {
    enum class Kind { Register, Remove, List, Search, Refused };
    Kind kind = Kind::Refused;
    QByteArray reply;
    QString request;
    QString result;
    // Refused, turned away (06) or ignored: logged even when requests are not.
    bool notable = false;
    // The store could not be asked; the store itself logs that.
    bool unavailable = false;
};

// Reads a request, asks the store, and says what to answer.
class MatchService {
public:
    using Done = std::function<void(const Outcome&)>;

    MatchService(WaitingStore& store, AddressPolicy policy) : store_(store), policy_(policy) {}

    // `source` is the address the connection came from; the client waits `answerWithinMs`
    // at most (negative: no limit of its own). `done` is called exactly once, perhaps before
    // handle() returns.
    void handle(const QByteArray& message, const QHostAddress& source, Done done,
                qint64 answerWithinMs = -1);

private:
    WaitingStore& store_;
    AddressPolicy policy_;
};

}  // namespace matchd
