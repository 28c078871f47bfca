#include <QSignalSpy>

#include "FakeMatchServer.h"
#include "Testing.h"
#include "matchmaking/MatchClient.h"
#include "net/MessageGate.h"
#include "settings/Settings.h"

// What a registration carries, and that it lasts: without a window, against a server played
// by the test.
namespace {

struct Client {
    Settings settings;
    MessageGate gate;
    MatchClient match{settings, gate};
    QStringList log;
    QStringList notices;

    explicit Client(quint16 serverPort) {
        settings.UserName = QStringLiteral("Ann");
        match.setServer(QStringLiteral("127.0.0.1"), serverPort);
        QObject::connect(&match, &MatchClient::logLine, [this](const QString& l) { log << l; });
        QObject::connect(&match, &MatchClient::notice,
                         [this](const QString&, const QString& text) { notices << text; });
    }
};

}  // namespace

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
        Client c(fs.port());
        c.match.setOwnAddress(own);
        c.match.setListenPort(static_cast<quint16>(port));
        c.match.BeginServerRequest(MatchRequest::Register);
        QVERIFY(fs.waitForConnections(1));
        QTRY_COMPARE(fs.received(0), QByteArray("01Ann\x01") + address + '\x02');
        if (own == QLatin1String("192.0.2.7") && port == 52201) {
            QCOMPARE(fs.received(0).size(), 16);  // the worked example
        }
        c.match.UnLog();
        QVERIFY(fs.waitForConnections(2));
        QTRY_COMPARE(fs.received(1), QByteArray("02Ann\x01") + address + '\x02');
    }

    // While registered, the same 01 goes out again and again, quietly: no log line, no second
    // "registered", no box. Removal ends it.
    void renewalWhileWaiting() {
        FakeMatchServer fs;
        Client c(fs.port());
        QSignalSpy registered(&c.match, &MatchClient::registered);
        c.match.setOwnAddress(QStringLiteral("192.0.2.7"));
        c.match.setListenPort(52311);
        QCOMPARE(c.match.renewInterval(), 240 * 1000);
        c.match.setRenewInterval(100);
        c.match.BeginServerRequest(MatchRequest::Register);
        QVERIFY(fs.waitForConnections(1));
        QTRY_VERIFY(fs.received(0).endsWith('\x02'));
        QVERIFY(!c.match.renewing());  // not before the server has added the player
        fs.reply(0, "07\x02");
        QTRY_COMPARE(registered.count(), 1);
        QVERIFY(c.match.renewing());
        const QStringList logAfterAdded = c.log;
        QCOMPARE(logAfterAdded, QStringList{QStringLiteral(">>Added to server as a player")});

        QVERIFY(fs.waitForConnections(3));
        QTRY_COMPARE(fs.received(1), fs.received(0));
        fs.reply(1, "07\x02");
        QTRY_COMPARE(fs.received(2), fs.received(0));
        QTest::qWait(50);
        QCOMPARE(registered.count(), 1);
        QCOMPARE(c.log, logAfterAdded);
        QVERIFY(c.notices.isEmpty());
        QVERIFY(c.match.loggedOn());

        c.match.UnLog();
        QVERIFY(!c.match.renewing());
        QTRY_VERIFY(fs.count() > 0 && fs.received(fs.count() - 1).startsWith("02"));
        const int before = fs.count();
        QTest::qWait(300);
        QCOMPARE(fs.count(), before);
    }

    // A server gone away during a renewal shows no box; the next renewal tries again. A full
    // list is said once, in the log, and renewal ends.
    void renewalFailures() {
        FakeMatchServer fs;
        Client c(fs.port());
        c.match.setOwnAddress(QStringLiteral("192.0.2.7"));
        c.match.setRenewInterval(250);
        c.match.BeginServerRequest(MatchRequest::Register);
        QVERIFY(fs.waitForConnections(1));
        QTRY_VERIFY(fs.received(0).endsWith('\x02'));
        fs.reply(0, "07\x02");
        QTRY_VERIFY(c.match.loggedOn());
        c.match.setServer(QStringLiteral("127.0.0.1"), unusedPort());
        QTest::qWait(600);
        QVERIFY(c.notices.isEmpty());
        QVERIFY(c.match.loggedOn());
        c.match.setServer(QStringLiteral("127.0.0.1"), fs.port());
        const int n = fs.count();
        QVERIFY(fs.waitForConnections(n + 1));
        QTRY_VERIFY(fs.received(n).endsWith('\x02'));
        fs.reply(n, "06\x02");
        QTRY_VERIFY(!c.match.loggedOn());
        QVERIFY(!c.match.renewing());
        QCOMPARE(c.log.filter(QStringLiteral("list is full")).size(), 1);
        QVERIFY(c.notices.isEmpty());
    }
};

ROPEWIT_TEST(TestRegistration)
#include "tst_registration.moc"
