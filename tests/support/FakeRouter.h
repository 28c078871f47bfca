#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QThread>

#include <memory>

class FakeRouterServer;

// A home router's port forwarding service played by the test on 127.0.0.1: it serves a root
// description and answers the few SOAP calls a client makes to forward a port, records every
// call, and can be told to misbehave. It runs on a thread of its own so that a client which
// waits for it on the test's thread (a destructor, say) is still answered.
class FakeRouter {
public:
    enum class Fault {
        None,
        Refuse,   // an UPnP error with the code given
        Garbage,  // "200 OK" with a body that is no SOAP answer at all
        Slow,     // the right answer, after slowMs
        Silent,   // reads the request and never answers
        Huge,     // the right answer padded to a megabyte
    };

    struct Call {
        QString action;  // "Description" for the root description, else the SOAP action
        quint16 externalPort = 0;
        quint16 internalPort = 0;
        QString internalClient;
        QString protocol;
        QString description;
        int lease = -1;
    };

    struct Mapping {
        quint16 internalPort = 0;
        QString client;
        int lease = 0;
        QString description;
    };

    FakeRouter();
    ~FakeRouter();
    FakeRouter(const FakeRouter&) = delete;
    FakeRouter& operator=(const FakeRouter&) = delete;

    bool isListening() const { return port_ != 0; }
    quint16 port() const { return port_; }
    QString rootUrl() const;

    // action: a SOAP action name, "Description", or "*" for every request. times: how many
    // requests misbehave before the router answers well again (-1: all of them).
    void setFault(const QString& action, Fault fault, int errorCode = 0, int times = -1);
    void setSlowMs(int ms);
    void setExternalAddress(const QString& address);
    // The description's URLBase, which the control address is relative to ("" for its own).
    void setUrlBase(const QByteArray& base);
    // A router that refuses any lease but a permanent one (error 725 otherwise).
    void setPermanentLeasesOnly(bool on);
    // Another computer already holds this external port.
    void addForeignMapping(quint16 externalPort, const QString& client);
    // Stops listening and drops every open connection: the router is gone.
    void disappear();

    QList<Call> calls() const;
    QList<Call> calls(const QString& action) const;
    int count(const QString& action) const;
    QMap<quint16, Mapping> mappings() const;

    struct State;

private:
    std::shared_ptr<State> state_;
    QThread thread_;
    FakeRouterServer* server_ = nullptr;  // lives on thread_, deleted there
    quint16 port_ = 0;
};
