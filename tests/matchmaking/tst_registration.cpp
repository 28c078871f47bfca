#include "LoneMatchClient.h"
#include "Testing.h"
#include "net/TWSocket.h"

// What a registration carries, and that it lasts: without a window, against a server played
// by the test.
class TestRegistration : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // At the usual port the bytes are exactly those of every earlier copy; at another port,
    // and for an IPv6 address, the port travels with the address. The removal names the same.
    void bytesOnTheWire_data() {
        QTest::addColumn<QString>("own");
        QTest::addColumn<int>("port");
        QTest::addColumn<QByteArray>("address");
        QTest::newRow("default port")
            << QStringLiteral("192.0.2.7") << 52201 << QByteArray("192.0.2.7");
        QTest::newRow("other port")
            << QStringLiteral("192.0.2.7") << 52311 << QByteArray("192.0.2.7:52311");
        QTest::newRow("IPv6, other port")
            << QStringLiteral("2001:db8::1") << 52311 << QByteArray("[2001:db8::1]:52311");
        QTest::newRow("IPv6, default port")
            << QStringLiteral("2001:db8::1") << 52201 << QByteArray("2001:db8::1");
    }
    void bytesOnTheWire() {
        QFETCH(QString, own);
        QFETCH(int, port);
        QFETCH(QByteArray, address);
        FakeMatchServer fs;
        LoneMatchClient c(fs.port());
        c.client.setOwnAddress(own);
        c.client.setListenPort(static_cast<quint16>(port));
        c.client.BeginServerRequest(MatchRequest::Register);
        QCOMPARE(fs.request(0), registration("Ann", address));
        if (own == QLatin1String("192.0.2.7") && port == 52201) {
            QCOMPARE(fs.received(0).size(), 16);  // the worked example
        }
        c.client.UnLog();
        c.client.BeginServerRequest(MatchRequest::ListLongest);
        QCOMPARE(fs.request(1), removal("Ann", address));
        QCOMPARE(fs.request(2), QByteArray("03\x02"));
    }

    // While registered, the same 01 goes out again and again, quietly: no log line, no second
    // "registered", no box. Removal ends it.
    void renewalWhileWaiting() {
        FakeMatchServer fs;
        LoneMatchClient c(fs.port());
        c.client.setListenPort(52311);
        QCOMPARE(c.client.renewInterval(), 240 * 1000);
        c.client.setRenewInterval(100);
        c.client.BeginServerRequest(MatchRequest::Register);
        const QByteArray registration = fs.request(0);
        QVERIFY(!registration.isEmpty());
        QVERIFY(!c.client.renewing());  // not before the server has added the player
        fs.reply(0, "07\x02");
        QTRY_COMPARE(c.registered.count(), 1);
        QVERIFY(c.client.renewing());
        const QStringList logAfterAdded = c.logLines();
        QCOMPARE(logAfterAdded.mid(1),
                 QStringList{QStringLiteral(">>Added to server as a player")});

        QCOMPARE(fs.request(1), registration);
        QSignalSpy answerRead(&c.client.cliSrvWSocket(), &TWSocket::DataAvailable);
        fs.reply(1, "07\x02");
        c.client.setRenewInterval(60 * 1000);  // no renewal closes the connection before it
        QTRY_VERIFY(!answerRead.isEmpty());
        QCOMPARE(c.registered.count(), 1);
        QCOMPARE(c.logLines(), logAfterAdded);
        QVERIFY(c.notices.isEmpty());
        QVERIFY(c.client.loggedOn());
        c.client.setRenewInterval(100);
        QCOMPARE(fs.request(2), registration);

        c.client.UnLog();
        QVERIFY(!c.client.renewing());
        QTRY_VERIFY(fs.count() > 0 && fs.received(fs.count() - 1).startsWith("02"));
        const int before = fs.count();
        // With the removal's connection closed nothing holds a renewal back, and one still due
        // would now start at once, well before a timer due later fires.
        fs.hangUp(before - 1);
        QTRY_COMPARE(c.client.cliSrvWSocket().state(), TWSocket::wsClosed);
        c.client.setRenewInterval(1);
        QTimer later;
        later.setTimerType(Qt::PreciseTimer);
        QSignalSpy passed(&later, &QTimer::timeout);
        later.start(50);
        QVERIFY(passed.wait());
        QCOMPARE(c.client.request(), MatchRequest::Remove);
        QCOMPARE(fs.count(), before);
    }

    // A server gone away during a renewal shows no box; the next renewal tries again. A full
    // list is said once, in the log, and renewal ends.
    void renewalFailures() {
        FakeMatchServer fs;
        LoneMatchClient c(fs.port());
        c.client.setRenewInterval(250);
        c.client.BeginServerRequest(MatchRequest::Register);
        QVERIFY(!fs.request(0).isEmpty());
        fs.reply(0, "07\x02");
        QTRY_VERIFY(c.client.loggedOn());
        QSignalSpy attempts(&c.client.cliSrvWSocket(), &TWSocket::SessionConnected);
        c.client.setServer(QStringLiteral("127.0.0.1"), unusedPort());
        QTRY_VERIFY(attempts.count() >= 2);  // two renewals refused
        QVERIFY(attempts.at(0).at(0).toInt() != 0 && attempts.at(1).at(0).toInt() != 0);
        QVERIFY(c.notices.isEmpty());
        QVERIFY(c.client.loggedOn());
        c.client.setServer(QStringLiteral("127.0.0.1"), fs.port());
        const int n = fs.count();
        QVERIFY(!fs.request(n).isEmpty());
        fs.reply(n, "06\x02");
        QTRY_VERIFY(!c.client.loggedOn());
        QVERIFY(!c.client.renewing());
        QCOMPARE(c.logLines().filter(QStringLiteral("list is full")).size(), 1);
        QVERIFY(c.notices.isEmpty());
    }
};

ROPEWIT_TEST(TestRegistration)
#include "tst_registration.moc"
