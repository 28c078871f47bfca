#include "LoneMatchClient.h"
#include "Testing.h"
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
        QCOMPARE(c.logs.count(), request == 4 ? 1 : 0);
    }

    void repliesAreHandledInOrderWhetherSplitOrTogether() {
        FakeMatchServer server;
        LoneMatchClient c(server.port());
        c.client.BeginServerRequest(MatchRequest::Register);
        QVERIFY(!server.request(0).isEmpty());
        server.reply(0, kAdded + "05Bo");
        QTRY_COMPARE(c.registered.count(), 1);
        QVERIFY(c.client.loggedOn());
        QCOMPARE(c.lists.count(), 0);
        // The rest of the list, then a full list, an empty one and a code nobody knows.
        server.reply(0, QByteArray("b\x01") + "10.0.0.2\x03\x02" + kFull + kEmptyList + "99\x02");
        QTRY_COMPARE(c.notices.count(), 2);
        QCOMPARE(c.lists.count(), 1);
        QCOMPARE(c.lists.at(0).at(0).toString(), QStringLiteral("Bob\x01") + "10.0.0.2\x03");
        QCOMPARE(c.noticeTexts(),
                 (QStringList{"The user list on the server is full.  Name not added.",
                              "No users are currently logged onto the server."}));
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

    // While the gate is held (a sound being waited for) no reply is handled; afterwards all
    // of them are, in order.
    void repliesWaitWhileTheGateIsHeld() {
        FakeMatchServer server;
        LoneMatchClient c(server.port());
        c.client.BeginServerRequest(MatchRequest::ListLongest);
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
        QCOMPARE(c.notices.count(), 1);
    }
};

ROPEWIT_TEST(TestMatchRequests)
#include "tst_matchrequests.moc"
