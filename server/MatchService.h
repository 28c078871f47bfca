#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <functional>

#include "AddressPolicy.h"
#include "MatchProtocol.h"
#include "ReachProbe.h"
#include "WaitingStore.h"

namespace matchd {

// What became of one request: the reply to send (nothing for a removal, a refusal or when
// the store could not be asked) and the two halves of its log line.
struct Outcome {
    enum class Kind { Register, Remove, List, Search, Refused, Probe };
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
    // Lets players ask whether callers reach them (08); without it an 08 is refused, as by
    // a server that knows no such request. relayPort (0: none) is named in the answer.
    void setReachProbe(ReachProbe* probe, quint16 relayPort) {
        probe_ = probe;
        relayPort_ = relayPort;
    }

    // Told of every player taken off the list at its own request.
    void setRemovalListener(
        std::function<void(const QByteArray& name, const QByteArray& address)> listener) {
        removed_ = std::move(listener);
    }

    // `source` is the address the connection came from; the client waits `answerWithinMs`
    // at most (negative: no limit of its own). `done` is called exactly once, perhaps before
    // handle() returns.
    void handle(const QByteArray& message, const QHostAddress& source, Done done,
                qint64 answerWithinMs = -1);

private:
    void probe(const QByteArray& payload, const QHostAddress& source, Done done);

    WaitingStore& store_;
    AddressPolicy policy_;
    ReachProbe* probe_ = nullptr;
    quint16 relayPort_ = 0;
    std::function<void(const QByteArray&, const QByteArray&)> removed_;
};

}  // namespace matchd
