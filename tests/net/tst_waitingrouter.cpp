#include "FakeRouter.h"
#include "LoopbackPeers.h"
#include "RenewalClock.h"
#include "Testing.h"
#include "net/PortMapper.h"

// The router is asked to forward the port exactly while this side listens for a caller: a
// fake router on loopback, given by URL, stands in for the home router.
namespace {

const QString kAdd = QStringLiteral("AddPortMapping");
const QString kDelete = QStringLiteral("DeletePortMapping");
constexpr int kRenewMs = 150;

// A side that asks the router at rootUrl, when given, while it listens.
struct Waiting : loopback::Side {
    explicit Waiting(const QString& rootUrl, int closeWaitMs = 3000) {
        PortMapper::Config config;
        if (!rootUrl.isEmpty()) {
            config.mode = PortMapper::Mode::Url;
            config.rootUrl = rootUrl;
        }
        config.leaseSeconds = 2;
        config.renewIntervalMs = kRenewMs;
        config.closeWaitMs = closeWaitMs;
        peer->portMapper().setConfig(config);
    }
};

}  // namespace

class TestWaitingRouter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Added with the listening port and this computer when waiting starts, renewed while it
    // waits, removed when waiting stops; said in the log in plain words.
    void forwardedWhileWaiting() {
        FakeRouter router;
        QVERIFY(router.isListening());
        Waiting w(router.rootUrl());
        const quint16 port = w.listen();
        QVERIFY(port != 0);
        QTRY_VERIFY(router.mappings().contains(port));
        QCOMPARE(router.mappings().value(port).internalPort, port);
        QCOMPARE(router.mappings().value(port).client, QStringLiteral("127.0.0.1"));
        QTRY_VERIFY(w.log.contains(
            QStringLiteral(">>Your router now forwards port %1 to this computer").arg(port)));
        QTRY_VERIFY(router.count(kAdd) >= 3);  // renewed
        QVERIFY(w.peer->isListening());

        w.peer->stopListening();
        QTRY_VERIFY(router.mappings().isEmpty());
        QVERIFY(router.count(kDelete) >= 1);
        const int adds = router.count(kAdd);
        waitForRenewals(kRenewMs, 3);
        QCOMPARE(router.count(kAdd), adds);  // no renewal once waiting has stopped
    }

    // Closing the program while waiting removes the forwarding before it is gone.
    void removedAtClose() {
        FakeRouter router;
        Waiting w(router.rootUrl());
        const quint16 port = w.listen();
        QVERIFY(port != 0);
        QTRY_VERIFY(router.mappings().contains(port));
        w.peer.reset();
        QVERIFY(router.mappings().isEmpty());
    }

    // A router that refuses, talks nonsense, never answers or vanishes: the game listens
    // and plays on, says so once, and closes without hanging.
    void failingRouter_data() {
        QTest::addColumn<int>("fault");
        QTest::newRow("refuses") << int(FakeRouter::Fault::Refuse);
        QTest::newRow("garbage") << int(FakeRouter::Fault::Garbage);
        QTest::newRow("silent") << int(FakeRouter::Fault::Silent);
        QTest::newRow("gone") << -1;
    }
    void failingRouter() {
        QFETCH(int, fault);
        FakeRouter router;
        const QString url = router.rootUrl();
        if (fault < 0) {
            router.disappear();
        } else {
            router.setFault(kAdd, static_cast<FakeRouter::Fault>(fault), 718);
        }
        Waiting w(url, 200);
        const quint16 port = w.listen();
        QVERIFY(port != 0);
        QVERIFY(w.peer->isListening());
        // One line about the router, beginning like every connection line.
        QTRY_VERIFY_WITH_TIMEOUT(
            w.log.filter(QStringLiteral("router"), Qt::CaseInsensitive).size() +
                    w.log.filter(QStringLiteral("No router")).size() >=
                1,
            15000);
        for (const QString& line : w.log) {
            QVERIFY2(line.startsWith(QStringLiteral(">>")), qPrintable(line));
        }
        QVERIFY(!w.peer->portMapper().isMapped());
        // The close waits for the router at most closeWaitMs (small here, so that a router
        // that never answers takes that path); the bound is generous for a loaded machine.
        QElapsedTimer closing;
        closing.start();
        w.peer.reset();
        QVERIFY2(closing.elapsed() < 5000, qPrintable(QString::number(closing.elapsed())));
    }

    // Router off, waiting at a private address: one line says what asking would do and where
    // to turn it on, once; nothing is sent to any router.
    void offAdviceOnce() {
        FakeRouter router;
        Waiting w{QString()};
        w.peer->setOwnAddressForAdvice(QStringLiteral("192.168.1.20"));
        QVERIFY(w.listen() != 0);
        const QStringList advice = w.log.filter(QStringLiteral("Open Port On Router"));
        QCOMPARE(advice.size(), 1);
        QVERIFY(advice.first().startsWith(QStringLiteral(">>")));
        w.peer->stopListening();
        QVERIFY(w.listen() != 0);
        QCOMPARE(w.log.filter(QStringLiteral("Open Port On Router")).size(), 1);
        QCOMPARE(router.calls().size(), 0);

        Waiting pub{QString()};
        pub.peer->setOwnAddressForAdvice(QStringLiteral("203.0.113.9"));
        QVERIFY(pub.listen() != 0);
        QVERIFY(pub.log.filter(QStringLiteral("Open Port On Router")).isEmpty());
    }
};

ROPEWIT_TEST(TestWaitingRouter)
#include "tst_waitingrouter.moc"
