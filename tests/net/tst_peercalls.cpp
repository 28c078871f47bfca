#include <QHostAddress>
#include <QTcpSocket>

#include "LoopbackPeers.h"
#include "Testing.h"
#include "net/PeerAddress.h"

// Calls by address with a port, over IPv4 and IPv6, between connections in one process.
namespace {

using loopback::freePort;
using loopback::Side;

bool hasIpv6Loopback() {
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHostIPv6, 0);
}

}  // namespace

class TestPeerCalls : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        if (!hasIpv6Loopback() &&
            QString::fromLatin1(QTest::currentTestFunction()) != "refusedAddresses") {
            // Every machine the game is built on has ::1; say so plainly where it does not.
            QSKIP("no IPv6 loopback on this machine");
        }
    }

    // The port in the address is dialled, not this copy's own: two copies on one machine
    // with different ports find each other, over IPv4 and IPv6 alike.
    void callsThePortInTheAddress_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("callerSeenAs");
        QTest::newRow("IPv4 with port") << QStringLiteral("127.0.0.1:%1") << "127.0.0.1";
        QTest::newRow("IPv6 in brackets") << QStringLiteral("[::1]:%1") << "::1";
        QTest::newRow("name with port, blanks around")
            << QStringLiteral("  localhost:%1 ") << "127.0.0.1";
    }
    void callsThePortInTheAddress() {
        QFETCH(QString, form);
        QFETCH(QString, callerSeenAs);
        Side a(QStringLiteral("Ann"));
        Side b(QStringLiteral("Bea"));
        const quint16 port = a.listen();
        QVERIFY(port != 0);
        // The caller listens too, on another port: that is no call to itself.
        QVERIFY(b.listen() != 0);
        QVERIFY(b->port() != port);
        b.call(form.arg(port));
        QCOMPARE(b->callPort(), port);
        QTRY_VERIFY(a->connected() && b->connected());
        QVERIFY(a.game->isPlayer1());
        QCOMPARE(a->cliWSocket().GetPeerAddr(), callerSeenAs);
        QTRY_COMPARE(b.game->phase(), GameController::Phase::ReadyToStart);
        QTRY_COMPARE(a.game->phase(), GameController::Phase::ReadyToStart);
        QCOMPARE(b.failed->count(), 0);
    }

    // Without a port the game's port is dialled, whatever port this copy listens on.
    void bareAddressesDialTheGamePort_data() {
        QTest::addColumn<QString>("address");
        QTest::newRow("IPv4") << QStringLiteral("127.0.0.1");
        QTest::newRow("bare IPv6") << QStringLiteral("::1");
    }
    void bareAddressesDialTheGamePort() {
        QFETCH(QString, address);
        Side b(QStringLiteral("Bea"));
        QVERIFY(b.listen() != 0);
        b.call(address);
        QCOMPARE(b->callPort(), peeraddress::kDefaultPort);
        QVERIFY(b.log.contains(QStringLiteral(">>Attempting To Connect")));
    }

    // A second caller over IPv6 gets the busy text; the game over IPv4 is not touched.
    void busyOverIpv6() {
        Side a(QStringLiteral("Ann"));
        Side b(QStringLiteral("Bea"));
        const quint16 port = a.listen();
        QVERIFY(port != 0);
        b.call(QStringLiteral("127.0.0.1:%1").arg(port));
        QTRY_VERIFY(a->connected() && b->connected());
        QTcpSocket third;
        QByteArray heard;
        connect(&third, &QTcpSocket::readyRead, this, [&] { heard += third.readAll(); });
        third.connectToHost(QHostAddress::LocalHostIPv6, port);
        QTRY_VERIFY(heard.contains("I am already playing! Try later...\r\n"));
        QVERIFY(a.log.contains(QStringLiteral("NOTICE:> ::1 is trying to call you")));
        QVERIFY(a->connected() && b->connected());
    }

    // Calling one's own listening port through a loopback address of either family is caught;
    // the same address on another port is another copy and is called.
    void selfCalls() {
        Side a(QStringLiteral("Ann"));
        const quint16 port = a.listen();
        QVERIFY(port != 0);
        for (const QString& address :
             {QStringLiteral("127.0.0.1:%1"), QStringLiteral("127.0.0.2:%1"),
              QStringLiteral("[::1]:%1")}) {
            a.log.clear();
            a.call(address.arg(port));
            QTRY_VERIFY2(a.log.contains(QStringLiteral(">>You are trying to connect to yourself!")),
                         qPrintable(address));
        }
        Side other(QStringLiteral("Bea"));
        const quint16 otherPort = other.listen();
        QVERIFY(otherPort != 0);
        a.call(QStringLiteral("[::1]:%1").arg(otherPort));
        QTRY_VERIFY(a->connected() && other->connected());
    }

    // Text that cannot be dialled as it stands: the reason is logged and nothing is sent.
    void refusedAddresses_data() {
        QTest::addColumn<QString>("address");
        QTest::newRow("port 0") << QStringLiteral("127.0.0.1:0");
        QTest::newRow("port over 65535") << QStringLiteral("127.0.0.1:65536");
        QTest::newRow("port not a number") << QStringLiteral("127.0.0.1:http");
        QTest::newRow("bracket without its end") << QStringLiteral("[::1:52201");
        QTest::newRow("several colons in IPv4") << QStringLiteral("10.0.0.1:52201:1");
        QTest::newRow("blank inside") << QStringLiteral("10.0.0.1 :52201");
        QTest::newRow("control byte") << QStringLiteral("10.0.0.1\x01");
        QTest::newRow("blanks only") << QStringLiteral("   ");
    }
    void refusedAddresses() {
        QFETCH(QString, address);
        Side b(QStringLiteral("Bea"));
        b.call(address);
        QCOMPARE(b.failed->count(), 1);
        QCOMPARE(b.log.size(), 1);
        QVERIFY2(b.log.first().startsWith(QStringLiteral(">>Can't call")),
                 qPrintable(b.log.first()));
        QVERIFY(!b.log.contains(QStringLiteral(">>Attempting To Connect")));
        QCOMPARE(b->cliWSocket().state(), TWSocket::wsClosed);
    }

    // A refused call says what the player can do, besides the usual line; a player the
    // server lists is waiting for certain, so only the way to her is in question.
    void refusedCallIsExplained_data() {
        QTest::addColumn<bool>("listed");
        QTest::addColumn<QString>("advice");
        QTest::newRow("typed") << false << "must be waiting";
        QTest::newRow("listed") << true << "Open Port On Router";
    }
    void refusedCallIsExplained() {
        QFETCH(bool, listed);
        QFETCH(QString, advice);
        Side b(QStringLiteral("Bea"));
        const quint16 port = freePort();
        if (listed) {
            b->callListedPlayer();
        }
        b.call(QStringLiteral("127.0.0.1:%1").arg(port));
        QTRY_VERIFY(!b.log.isEmpty() && b.log.last().contains(QString::number(port)));
        QVERIFY2(b.log.last().contains(advice), qPrintable(b.log.last()));
        const QString refused = QStringLiteral(">>Selected opponent is not waiting to play.");
        QCOMPARE(b.log.count(refused), listed ? 0 : 1);
        // Only the call it was asked for is to a listed player.
        b.call(QStringLiteral("127.0.0.1:%1").arg(port));
        QTRY_COMPARE(b.log.count(refused), listed ? 1 : 2);
    }
};

ROPEWIT_TEST(TestPeerCalls)
#include "tst_peercalls.moc"
