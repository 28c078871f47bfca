#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

#include "Matchd.h"
#include "RedisProcess.h"

// ropewit-matchd as a running program, spoken to over TCP the way the game's client speaks
// to it, one connection per request: the same behaviour whichever store holds the list.
// Every case runs once per store given (the global data rows "memory" and "redis"); the Redis
// row has a redis-server of its own for each case.
class MatchdSuite : public QObject {
    Q_OBJECT
public:
    enum Store { Memory = 1, Redis = 2 };
    explicit MatchdSuite(int stores) : stores_(stores) {}

protected:
    // --store and the address of this row's redis-server; nothing for the memory store.
    QStringList storeArgs() const;
    // Starts the server of this case with args and the row's store; false when it failed.
    bool start(const QStringList& args);
    Matchd& server() { return *server_; }
    quint16 port() const { return server_ ? server_->port() : 0; }
    RedisProcess& redis() { return *redis_; }

private Q_SLOTS:
    void initTestCase_data();
    void init();
    void cleanup();

    void registerRefreshRemove();
    void fullListAnswers06();
    void longestWaitingFirstAtMostTen();
    void searchByLetters();
    void registrationsExpire();
    void idleConnectionIsClosed();
    void requestWithoutEndWithinOneKiBIsDropped();
    void longFieldsAreCut();
    void malformedRequestsGetNoAnswer_data();
    void malformedRequestsGetNoAnswer();
    void connectionLimit();
    void garbageNeverBreaksIt();
    void limitPerAddress();
    void removalOnlyFromTheSameAddress();
    void addressPolicy_data();
    void addressPolicy();
    void badOptions_data();
    void badOptions();
    void helpVersionAndTakenPort();
    void quietLogStatsAndStop();

private:
    const int stores_;
    std::unique_ptr<RedisProcess> redis_;
    std::unique_ptr<Matchd> server_;
};
