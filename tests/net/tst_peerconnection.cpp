#include "LoopbackPeers.h"
#include "Testing.h"

// Connections in one process, without any window, over loopback.
namespace {

using loopback::Side;

}  // namespace

class TestPeerConnection : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The port this side names to callers: the one it listens on once it does, else the
    // usual one; written after this machine's addresses when it is not the usual one.
    void theAddressesNameTheListeningPort() {
        Side ann(QStringLiteral("Ann"));
        const QStringList own{QStringLiteral("192.0.2.7")};
        QCOMPARE(ann->listeningPort(52201), quint16(52201));
        QCOMPARE(ann->ownAddressesText(own, 52201),
                 QStringLiteral("Your IP Addresses is 192.0.2.7"));
        ann->StartServer();
        QVERIFY(ann->isListening());
        const quint16 port = ann->srvWSocket().localPort();
        QCOMPARE(ann->listeningPort(52201), port);
        QCOMPARE(ann->ownAddressesText(own, 52201),
                 QStringLiteral("Your IP Addresses is 192.0.2.7:") + QString::number(port));
    }

    // A second caller is turned away with the busy text; the game goes on untouched, and the
    // turned-away side has lost no game.
    void aSecondCallerIsTurnedAway() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        Side cal(QStringLiteral("Cal"));
        CHECKED(loopback::connect(ann, bea));
        QTRY_VERIFY(ann.game->phase() == GameController::Phase::ReadyToStart);
        cal.call(ann->srvWSocket().localPort());
        QTRY_COMPARE(cal.ended->count(), 1);
        QCOMPARE(cal.ended->at(0).at(0).toBool(), false);
        QVERIFY(ann.log.filter(QStringLiteral(" is trying to call you")).size() == 1);
        QVERIFY(ann->connected());
        QCOMPARE(ann.game->phase(), GameController::Phase::ReadyToStart);
        QCOMPARE(ann.ended->count(), 0);
    }

    // A caller that sends far more than any game does is found out while it still sends:
    // told once, its messages dropped unread, the line kept busy for others until it leaves,
    // and then the next caller is taken.
    void aFloodingCallerIsCutOffUntilItLeaves() {
        Side ann(QStringLiteral("Ann"));
        ann->cliWSocket().setHonestBacklog(64 * 1024);
        QSignalSpy begun(ann.peer.get(), &PeerConnection::sessionBegun);
        QSignalSpy got(ann.peer.get(), &PeerConnection::received);
        QTcpSocket flooder;
        CHECKED(loopback::connectPlain(ann, flooder));
        QCOMPARE(begun.count(), 1);
        QByteArray flood;
        while (flood.size() < 4 * 1024 * 1024) {
            flood += QByteArrayLiteral("05x\x02");
        }
        flooder.write(flood);
        const QString notice = QStringLiteral("NOTICE:> The opponent sends far more");
        QTRY_COMPARE_WITH_TIMEOUT(ann.log.filter(notice).size(), 1, 30000);
        QVERIFY(ann->connected());
        QVERIFY(got.count() < 64 * 1024 / 4);
        QTRY_COMPARE_WITH_TIMEOUT(flooder.bytesToWrite(), 0, 30000);

        Side cal(QStringLiteral("Cal"));
        cal.call(ann->srvWSocket().localPort());
        QTRY_COMPARE(cal.ended->count(), 1);
        QCOMPARE(ann.log.filter(QStringLiteral(" is trying to call you")).size(), 1);
        QVERIFY(ann->connected());

        flooder.disconnectFromHost();
        QTRY_COMPARE(ann.ended->count(), 1);
        Side bea(QStringLiteral("Bea"));
        bea.call(ann->srvWSocket().localPort());
        QTRY_COMPARE(begun.count(), 2);
        QTRY_VERIFY(bea->connected());
        QCOMPARE(ann.log.filter(notice).size(), 1);
    }

    // A caller who comes as a lost game's connection ends, while its last bytes are still
    // handed out or while the question its loss raises is open, is taken at once: this side is
    // no longer connected. The question stays open until the caller has the opening.
    void aCallerAsTheLastConnectionEndsIsTaken_data() {
        QTest::addColumn<bool>("asking");
        QTest::newRow("last bytes") << false;
        QTest::newRow("question") << true;
    }
    void aCallerAsTheLastConnectionEndsIsTaken() {
        QFETCH(bool, asking);
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        QTcpSocket leaver;
        CHECKED(loopback::connectPlain(ann, leaver));
        ann.game->setPhase(GameController::Phase::Playing);
        bool called = false;
        const auto callIf = [&](bool now) {
            if (now && !std::exchange(called, true)) {
                bea.call(ann->srvWSocket().localPort());
            }
        };
        QObject::connect(&ann->cliWSocket(), &TWSocket::DataAvailable,
                         [&] { callIf(!asking && ann->cliWSocket().closing()); });
        QObject::connect(ann.peer.get(), &PeerConnection::sessionEnded, [&] {
            callIf(asking);
            QVERIFY(QTest::qWaitFor(
                [&] { return bea.game->phase() == GameController::Phase::ReadyToStart; }));
        });
        leaver.write(QByteArray(48 * 1024, '\x02'));
        leaver.disconnectFromHost();
        QTRY_COMPARE(ann.ended->count(), 1);
    }

    // Held events wait, in order, and run once the last hold ends; an event that comes in
    // while the queue is being worked off (a box opened by an earlier one) runs at once.
    // While the server's probe is expected, what greets with its nonce is dropped unseen; a
    // caller that sends nothing, or anything else, begins the game (delayed at most the hold).
    void theProbeNeverPassesForACaller_data() {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<bool>("aCaller");
        QTest::newRow("the probe") << QByteArray("25nonce\x02") << false;
        QTest::newRow("a caller who waits") << QByteArray() << true;
        QTest::newRow("a caller who speaks first") << QByteArray("25other\x02") << true;
    }
    void theProbeNeverPassesForACaller() {
        QFETCH(QByteArray, first);
        QFETCH(bool, aCaller);
        Side ann(QStringLiteral("Ann"));
        QSignalSpy begun(ann.peer.get(), &PeerConnection::sessionBegun);
        ann->StartServer();
        ann->expectProbe("25nonce\x02", 10000);
        QTcpSocket caller;
        QSignalSpy closed(&caller, &QTcpSocket::disconnected);
        caller.connectToHost(QHostAddress::LocalHost, ann->srvWSocket().localPort());
        caller.write(first);
        QVERIFY(caller.waitForConnected(10000));
        // Taken within the hold, or closed without a word.
        QTRY_VERIFY_WITH_TIMEOUT(begun.count() == 1 || closed.count() == 1,
                                 PeerConnection::kProbeHoldMs + 5000);
        QCOMPARE(begun.count(), aCaller ? 1 : 0);
        QCOMPARE(ann->probeSeen(), !aCaller);
        QCOMPARE(ann.log.filter(QStringLiteral("call")).size(), 0);
    }

    void theGateKeepsEventsBackInOrder() {
        MessageGate gate;
        QStringList ran;
        gate.run([&] { ran << QStringLiteral("free"); });
        {
            MessageGate::Hold outer(gate);
            {
                MessageGate::Hold inner(gate);
                gate.run([&] {
                    ran << QStringLiteral("first");
                    gate.run([&] { ran << QStringLiteral("nested"); });
                });
            }
            QVERIFY(gate.held());
            gate.run([&] { ran << QStringLiteral("second"); });
            QCOMPARE(ran, QStringList{QStringLiteral("free")});
        }
        QVERIFY(!gate.held());
        QCOMPARE(ran, (QStringList{QStringLiteral("free"), QStringLiteral("first"),
                                   QStringLiteral("nested"), QStringLiteral("second")}));
    }
};

ROPEWIT_TEST(TestPeerConnection)
#include "tst_peerconnection.moc"
