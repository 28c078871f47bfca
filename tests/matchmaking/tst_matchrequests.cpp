#include <QTcpServer>
#include "LoneMatchClient.h"

#include "Matchd.h"
#include "Testing.h"
#include "matchmaking/RelayClient.h"
#include "net/TWSocket.h"

// The matchmaking client on its own, against a server played by the test.
class TestMatchRequests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachRequestGoesOutAsItsCode_data() {
        QTest::addColumn<int>("request");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("register") << 1 << registration("Ann", "192.0.2.7");
        QTest::newRow("longest waiting") << 2 << QByteArray("03\x02");
        QTest::newRow("by letters") << 3 << QByteArray("04ab \x02");
        QTest::newRow("remove") << 4 << removal("Ann", "192.0.2.7");
    }

    void eachRequestGoesOutAsItsCode() {
        QFETCH(int, request);
        QFETCH(QByteArray, bytes);
        FakeMatchServer server;
        LoneMatchClient c(server.port());
        c.client.setLetters(QStringLiteral("ab "));
        c.client.setUnLogDone(false);
        c.client.BeginServerRequest(static_cast<MatchRequest>(request));
        QCOMPARE(server.request(0), bytes);
        QVERIFY(c.client.unLogDone());
        // Every request names the server it asks.
        QCOMPARE(c.logLines().value(0),
                 QStringLiteral(">>Matchmaking server: 127.0.0.1:%1").arg(server.port()));
        QCOMPARE(c.logs.count(), request == 4 ? 2 : 1);
    }

    void aReplySplitOverReadsIsOneAndWhatFollowsIsDropped() {
        FakeMatchServer server;
        LoneMatchClient c(server.port());
        c.client.BeginServerRequest(MatchRequest::ListLongest);
        QVERIFY(!server.request(0).isEmpty());
        server.reply(0, "05Bo");
        QTRY_COMPARE(c.client.receiveBuffer().pending(), QByteArray("05Bo"));
        QCOMPARE(c.lists.count(), 0);
        // The rest of the list, then a full list, an empty one and a code nobody knows.
        server.reply(0, QByteArray("b\x01") + "10.0.0.2\x03\x02" + kFull + kEmptyList + "99\x02");
        QTRY_COMPARE(c.lists.count(), 1);
        QCOMPARE(c.lists.at(0).at(0).toString(), QStringLiteral("Bob\x01") + "10.0.0.2\x03");
        QTRY_VERIFY(server.closedByClient(0));
        QVERIFY(c.notices.isEmpty());
        QCOMPARE(c.logLines().mid(1),
                 QStringList{"NOTICE:> Dropped what the server sent after its reply"});
    }

    // A request ends with the first reply that answers it, or with the error box when none
    // comes; the client then closes the connection, and the next request is its own.
    void oneAnswerPerRequest_data() {
        QTest::addColumn<int>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("then");
        QTest::addColumn<QString>("answer");  // the box, or "list" or "added"
        const QByteArray bob = listOf({{"Bob", "10.0.0.2"}});
        const QString none, list("list"), unable("Unable to connect to the server.");
        QTest::newRow("300 lists") << 2 << bob.repeated(300) << none << list;
        QTest::newRow("20,000 empty lists") << 2 << kEmptyList.repeated(20000) << none
                                            << "No users are currently logged onto the server.";
        QTest::newRow("07 to a list") << 3 << kAdded + bob << none << list;
        QTest::newRow("1-byte packets") << 2 << kAdded + bob << "bytes" << list;
        QTest::newRow("07, then 06") << 1 << kAdded + kFull << none << "added";
        QTest::newRow("06, then 07") << 1 << kFull + kAdded << none
                                     << "The user list on the server is full.  Name not added.";
        QTest::newRow("reset after the reply") << 2 << bob << "reset" << list;
        QTest::newRow("half a reply, closed") << 2 << QByteArray("05Bo") << "close" << unable;
        QTest::newRow("silence") << 2 << QByteArray() << none << unable;
        QTest::newRow("endless stream") << 2 << kAdded.repeated(1024) << "endless" << unable;
    }
    void oneAnswerPerRequest() {
        QFETCH(int, request);
        QFETCH(QByteArray, reply);
        QFETCH(QString, then);
        QFETCH(QString, answer);
        FakeMatchServer fs;
        LoneMatchClient c(fs.port());
        QCOMPARE(c.client.answerWait(), 10 * 1000);
        c.client.setAnswerWait(reply.isEmpty() ? 200 : 5000);
        c.client.BeginServerRequest(static_cast<MatchRequest>(request));
        QVERIFY(!fs.request(0).isEmpty());
        QSignalSpy arrived(&c.client.cliSrvWSocket(), &TWSocket::DataAvailable);
        const qsizetype pieces = then == "bytes" ? reply.size() : then == "endless" ? 4096 : 1;
        for (qsizetype i = 0; i < pieces && !fs.closedByClient(0); ++i) {
            fs.reply(0, then == "bytes" ? reply.mid(i, 1) : reply);
            const bool read =
                QTest::qWaitFor([&] { return arrived.count() > i; }, then == "bytes" ? 5000 : 1);
            QVERIFY(read || then != "bytes");
        }
        if (then == "reset")
            fs.reset(0);
        if (then == "close")
            fs.hangUp(0);
        QTRY_COMPARE(c.lists.count() + c.notices.count() + c.registered.count(), 1);
        QTRY_VERIFY(fs.closedByClient(0));
        QCOMPARE(c.noticeTexts() + QStringList(c.lists.count(), "list") +
                     QStringList(c.registered.count(), "added"),
                 QStringList{answer});
        QCOMPARE(c.client.loggedOn(), answer == "added");
        // Nothing is left over: the next request gets its own answer.
        c.client.BeginServerRequest(MatchRequest::ListLongest);
        QVERIFY(!fs.request(1).isEmpty());
        fs.reply(1, kEmptyList);
        QTRY_COMPARE(c.notices.count(), answer.size() > 5 ? 2 : 1);
    }

    void anUnreachableServerIsReportedAndEndsTheExchange() {
        LoneMatchClient c(unusedPort());
        c.client.setLoggedOn(true);
        c.client.setUnLogDone(false);
        c.client.UnLog();
        QVERIFY(!c.client.loggedOn());
        QCOMPARE(c.client.request(), MatchRequest::Remove);
        QTRY_COMPARE(c.notices.count(), 1);
        QCOMPARE(c.notices.at(0).at(0).toString(), QStringLiteral("Error"));
        QCOMPARE(c.noticeTexts(), QStringList{"Unable to connect to the server."});
        QVERIFY(c.client.unLogDone());
    }

    // While the gate is held (a sound being waited for) no reply is handled; afterwards the
    // first that answers is.
    void repliesWaitWhileTheGateIsHeld() {
        FakeMatchServer server;
        LoneMatchClient c(server.port());
        c.client.BeginServerRequest(MatchRequest::Register);
        QVERIFY(!server.request(0).isEmpty());
        {
            MessageGate::Hold hold(c.gate);
            QSignalSpy arrived(&c.client.cliSrvWSocket(), &TWSocket::DataAvailable);
            server.reply(0, kAdded + kFull);
            QTRY_VERIFY(arrived.count() > 0);
            QCOMPARE(c.registered.count(), 0);
            QCOMPARE(c.notices.count(), 0);
        }
        QCOMPARE(c.registered.count(), 1);
        QCOMPARE(c.notices.count(), 0);  // the 06 behind the answer is dropped
    }

    // A call through the relay that is not joined says why, in plain words.
    void aRelayCallThatFailsSaysWhy_data() {
        QTest::addColumn<bool>("relayOn");
        QTest::addColumn<QString>("line");
        QTest::newRow("the player left")
            << true << ">>The relay refused: unknown token: the player has left";
        QTest::newRow("no relay") << false << ">>The server's relay at 127.0.0.1:";
    }
    void aRelayCallThatFailsSaysWhy() {
        QFETCH(bool, relayOn);
        QFETCH(QString, line);
        Matchd server(relayOn ? QStringList{"--relay-port", "0"} : QStringList{});
        QVERIFY(server.port() != 0);
        QTRY_VERIFY(!relayOn || server.relayPort() != 0);
        QTcpServer nobody;  // a port nobody answers at once it is closed
        QVERIFY(nobody.listen(QHostAddress::LocalHost, 0));
        const quint16 dead = nobody.serverPort();
        nobody.close();
        RelayClient relay;
        QSignalSpy failed(&relay, &RelayClient::failed);
        relay.call(QStringLiteral("127.0.0.1"), relayOn ? server.relayPort() : dead,
                   QString(22, QLatin1Char('A')));
        QTRY_COMPARE(failed.count(), 1);
        QVERIFY2(failed.at(0).at(0).toString().startsWith(line),
                 qPrintable(failed.at(0).at(0).toString()));
    }
};

ROPEWIT_TEST(TestMatchRequests)
#include "tst_matchrequests.moc"
