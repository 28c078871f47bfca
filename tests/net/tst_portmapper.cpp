#include "FakeRouter.h"
#include "LoopbackPeers.h"
#include "RenewalClock.h"
#include "Testing.h"
#include "net/PortMapper.h"

// Every router here is a fake on 127.0.0.1 given by URL: nothing is ever discovered and no
// packet leaves the machine.
namespace {

constexpr quint16 kPort = 52311;
constexpr int kRenewMs = 100;
const QString kAdd = QStringLiteral("AddPortMapping");
const QString kDelete = QStringLiteral("DeletePortMapping");

PortMapper::Config configFor(const QString& url) {
    PortMapper::Config config;
    config.mode = PortMapper::Mode::Url;
    config.rootUrl = url;
    config.leaseSeconds = 2;
    config.renewIntervalMs = kRenewMs;
    config.closeWaitMs = 5000;
    return config;
}

QStringList linesOf(const QSignalSpy& spy) {
    QStringList lines;
    for (const QList<QVariant>& args : spy) {
        lines.append(args.at(0).toString());
    }
    return lines;
}

// Makes the router fail the way a test row names: gone, refuse718, refuse501, foreign (the
// port is another computer's), garbageDescription, garbageAll, garbageAdd, yesButNothing,
// silent. Anything else leaves it working.
void breakRouter(FakeRouter& router, const QString& how) {
    if (how == QLatin1String("gone")) {
        router.disappear();
    } else if (how == QLatin1String("foreign")) {
        router.addForeignMapping(kPort, QStringLiteral("192.168.1.23"));
    } else if (how == QLatin1String("refuse718")) {
        router.setFault(kAdd, FakeRouter::Fault::Refuse, 718);
    } else if (how == QLatin1String("refuse501")) {
        router.setFault(kAdd, FakeRouter::Fault::Refuse, 501);
    } else if (how == QLatin1String("garbageDescription")) {
        router.setFault(QStringLiteral("Description"), FakeRouter::Fault::Garbage);
    } else if (how == QLatin1String("garbageAll")) {
        router.setFault(QStringLiteral("*"), FakeRouter::Fault::Garbage);
    } else if (how == QLatin1String("garbageAdd")) {
        router.setFault(kAdd, FakeRouter::Fault::Garbage);
        router.setFault(QStringLiteral("GetSpecificPortMappingEntry"), FakeRouter::Fault::Garbage);
    } else if (how == QLatin1String("yesButNothing")) {
        router.setFault(kAdd, FakeRouter::Fault::Garbage);
    } else if (how == QLatin1String("silent")) {
        router.setFault(QStringLiteral("Description"), FakeRouter::Fault::Silent);
    } else if (how.startsWith(QLatin1String("huge"))) {
        router.setFault(
            how == QLatin1String("hugeAll") ? QStringLiteral("*") : QStringLiteral("Description"),
            FakeRouter::Fault::Huge);
    }
}

// A mapper with spies on all it tells.
struct Watched {
    explicit Watched(const PortMapper::Config& config)
        : mapper(std::make_unique<PortMapper>()),
          reports(mapper.get(), &PortMapper::report),
          mapped(mapper.get(), &PortMapper::mapped),
          unmapped(mapper.get(), &PortMapper::unmapped),
          settled(mapper.get(), &PortMapper::settled) {
        mapper->setConfig(config);
    }

    // Starts on kPort and waits until the router forwards it.
    void map() {
        mapper->start(kPort);
        QTRY_COMPARE(mapped.count(), 1);
    }
    std::unique_ptr<PortMapper> mapper;
    QSignalSpy reports;
    QSignalSpy mapped;
    QSignalSpy unmapped;
    QSignalSpy settled;
};

// A router that never answers holds a close up for the short closeWaitMs of these tests at
// most, never until it answers. The bound is that behaviour, generous for a loaded machine.
void closeUnheld(Watched& w) {
    QElapsedTimer clock;
    clock.start();
    w.mapper.reset();
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
}

}  // namespace

class TestPortMapper : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void forwardsTheListeningPortToThisComputer() {
        FakeRouter router;
        QVERIFY(router.isListening());
        Watched w(configFor(router.rootUrl()));

        CHECKED(w.map());
        QCOMPARE(w.mapped.at(0).at(0).toString(), QStringLiteral("203.0.113.7"));
        QCOMPARE(w.mapped.at(0).at(1).value<quint16>(), kPort);
        QVERIFY(w.mapper->isMapped());
        QCOMPARE(w.mapper->externalAddress(), QStringLiteral("203.0.113.7"));
        QCOMPARE(w.mapper->externalPort(), kPort);

        const auto adds = router.calls(kAdd);
        QVERIFY(!adds.isEmpty());
        QCOMPARE(adds.at(0).externalPort, kPort);
        QCOMPARE(adds.at(0).internalPort, kPort);
        QCOMPARE(adds.at(0).internalClient, QStringLiteral("127.0.0.1"));
        QCOMPARE(adds.at(0).protocol, QStringLiteral("TCP"));
        QCOMPARE(adds.at(0).lease, 2);
        QCOMPARE(router.calls().at(0).action, QStringLiteral("Description"));
        QVERIFY(router.mappings().contains(kPort));

        QCOMPARE(
            linesOf(w.reports),
            (QStringList{QStringLiteral("Your router now forwards port 52311 to this computer"),
                         QStringLiteral("Players on the internet can call you at "
                                        "203.0.113.7:52311")}));
    }

    void renewsWhileWaiting() {
        FakeRouter router;
        Watched w(configFor(router.rootUrl()));
        CHECKED(w.map());
        QTRY_VERIFY(router.count(kAdd) >= 4);
        for (const auto& add : router.calls(kAdd)) {
            QCOMPARE(add.externalPort, kPort);
            QCOMPARE(add.internalClient, QStringLiteral("127.0.0.1"));
            QCOMPARE(add.lease, 2);
        }
        // Renewals are quiet.
        QCOMPARE(w.reports.count(), 2);
        QCOMPARE(w.unmapped.count(), 0);
        QVERIFY(w.mapper->isMapped());
    }

    void removesOnStop() {
        FakeRouter router;
        Watched w(configFor(router.rootUrl()));
        CHECKED(w.map());

        w.mapper->stop();
        QTRY_COMPARE(w.unmapped.count(), 1);
        QCOMPARE(router.count(kDelete), 1);
        QCOMPARE(router.calls(kDelete).at(0).externalPort, kPort);
        QCOMPARE(router.calls(kDelete).at(0).protocol, QStringLiteral("TCP"));
        QVERIFY(router.mappings().isEmpty());
        QCOMPARE(w.reports.last().at(0).toString(),
                 QStringLiteral("Your router no longer forwards port 52311"));
        QVERIFY(!w.mapper->isMapped());
        QVERIFY(w.mapper->externalAddress().isEmpty());

        // Waiting again forwards again.
        w.mapper->start(kPort);
        QTRY_COMPARE(w.mapped.count(), 2);
        QVERIFY(router.mappings().contains(kPort));
    }

    void removesOnDestruction() {
        FakeRouter router;
        Watched w(configFor(router.rootUrl()));
        CHECKED(w.map());

        w.mapper.reset();
        // Gone by the time the destructor returns, without an event loop turning in between.
        QCOMPARE(router.count(kDelete), 1);
        QVERIFY(router.mappings().isEmpty());

        // A mapper that never started leaves no trace.
        auto idle = std::make_unique<PortMapper>();
        idle->setConfig(configFor(router.rootUrl()));
        idle.reset();
        QCOMPARE(router.count(kDelete), 1);
    }

    void closeDoesNotWaitForAHungRouter() {
        FakeRouter router;
        router.setFault(kDelete, FakeRouter::Fault::Silent);
        PortMapper::Config config = configFor(router.rootUrl());
        config.closeWaitMs = 200;
        {
            Watched w(config);
            CHECKED(w.map());
            CHECKED(closeUnheld(w));
            QTRY_COMPARE(router.count(kDelete), 1);
        }
        {
            // Closing while the router has not yet answered the first question.
            router.setFault(QStringLiteral("Description"), FakeRouter::Fault::Silent);
            const int asked = router.count(QStringLiteral("Description"));
            Watched w(config);
            w.mapper->start(kPort);
            QTRY_COMPARE(router.count(QStringLiteral("Description")), asked + 1);
            CHECKED(closeUnheld(w));
        }
    }

    void failures_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("says");

        QTest::newRow("nobody at the address") << "unused"
                                               << "No router answered at http://";
        QTest::newRow("router gone before") << "gone"
                                            << "No router answered at http://";
        QTest::newRow("port taken by another computer")
            << "foreign"
            << "Port 52311 on your router is taken by another computer (192.168.1.23)";
        QTest::newRow("refused as taken") << "refuse718"
                                          << "is taken by another computer;";
        QTest::newRow("refused") << "refuse501"
                                 << "Your router refused to forward port 52311 (error 501)";
        QTest::newRow("garbage description") << "garbageDescription"
                                             << "could not be understood";
        QTest::newRow("garbage everywhere") << "garbageAll"
                                            << "could not be understood";
        QTest::newRow("garbage answers to the forwarding") << "garbageAdd"
                                                           << "could not be understood";
        QTest::newRow("says yes, does nothing") << "yesButNothing"
                                                << "said yes but does not forward";
        QTest::newRow("never answers") << "silent"
                                       << "No router answered at http://";
        QTest::newRow("description of a megabyte, without length")
            << "hugeDescription"
            << "is larger than any router's (over 64 KiB) and was not read";
    }

    // Whatever goes wrong: one plain line, no forwarding, nothing removed that is not ours, and
    // the mapper is ready for the next try.
    void failures() {
        QFETCH(QString, setup);
        QFETCH(QString, says);

        FakeRouter router;
        const QString url =
            setup == QLatin1String("unused")
                ? QStringLiteral("http://127.0.0.1:%1/rootDesc.xml").arg(loopback::freePort())
                : router.rootUrl();
        breakRouter(router, setup);
        const auto before = router.mappings();

        Watched w(configFor(url));
        w.mapper->start(kPort);
        QTRY_VERIFY_WITH_TIMEOUT(w.settled.count() == 1, 15000);
        QCOMPARE(w.reports.count(), 1);
        const QString line = w.reports.at(0).at(0).toString();
        QVERIFY2(line.contains(says), qPrintable(line));
        QCOMPARE(w.mapped.count(), 0);
        QVERIFY(!w.mapper->isMapped());

        w.mapper->stop();
        QTRY_COMPARE(w.settled.count(), 2);
        QCOMPARE(w.reports.count(), 1);
        QCOMPARE(w.unmapped.count(), 0);
        QCOMPARE(router.count(kDelete), 0);
        QCOMPARE(router.mappings().keys(), before.keys());
    }

    void controlAddressElsewhereIsNotUsed_data() {
        QTest::addColumn<QString>("base");
        QTest::newRow("another port") << "http://127.0.0.1:ELSEWHERE";
        QTest::newRow("another host") << "http://localhost:ROUTER";
    }
    // Asking would post to whatever listens there.
    void controlAddressElsewhereIsNotUsed() {
        QFETCH(QString, base);
        FakeRouter router;
        FakeRouter elsewhere;
        base.replace(QStringLiteral("ELSEWHERE"), QString::number(elsewhere.port()));
        router.setUrlBase(
            base.replace(QStringLiteral("ROUTER"), QString::number(router.port())).toLatin1());
        Watched w(configFor(router.rootUrl()));
        w.mapper->start(kPort);
        QTRY_COMPARE(w.settled.count(), 1);
        QVERIFY2(linesOf(w.reports).join(QLatin1Char('\n')).contains("on another host or port"),
                 qPrintable(linesOf(w.reports).join(QLatin1Char('\n'))));
        QCOMPARE(router.calls().size(), 1);
        QVERIFY(elsewhere.calls().isEmpty());
    }

    void slowRouterIsWaitedForOffTheWindowThread() {
        FakeRouter router;
        router.setFault(QStringLiteral("*"), FakeRouter::Fault::Slow);
        router.setSlowMs(300);  // four questions: over a second in all
        Watched w(configFor(router.rootUrl()));
        w.mapper->start(kPort);
        // The fake router answers on this thread only: a start() that waited for it here, or
        // turned the event loop while it waited, would have let it be asked already.
        QVERIFY(router.calls().isEmpty());
        QCOMPARE(w.mapped.count(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(w.mapped.count() == 1, 10000);
        QCOMPARE(w.reports.at(0).at(0).toString(),
                 QStringLiteral("Your router now forwards port 52311 to this computer"));
    }

    void permanentLeaseOnlyRouter() {
        FakeRouter router;
        router.setPermanentLeasesOnly(true);
        Watched w(configFor(router.rootUrl()));
        CHECKED(w.map());
        QCOMPARE(router.mappings().value(kPort).lease, 0);
        w.mapper->stop();
        QTRY_COMPARE(w.unmapped.count(), 1);
        QVERIFY(router.mappings().isEmpty());
    }

    void ownLeftoverForwardingIsTakenOver() {
        FakeRouter router;
        // A router that calls this computer's own forwarding, left from a game that did not
        // close, a conflict.
        router.setFault(kAdd, FakeRouter::Fault::Refuse, 718, 1);
        router.addForeignMapping(kPort, QStringLiteral("127.0.0.1"));
        Watched w(configFor(router.rootUrl()));
        w.mapper->start(kPort);
        QTRY_COMPARE(w.settled.count(), 1);
        QCOMPARE(w.mapped.count(), 1);
        QCOMPARE(router.count(kDelete), 1);
        QCOMPARE(router.mappings().value(kPort).client, QStringLiteral("127.0.0.1"));
        QCOMPARE(router.mappings().value(kPort).lease, 2);
    }

    void movesTheForwardingToAnotherPort() {
        FakeRouter router;
        Watched w(configFor(router.rootUrl()));
        CHECKED(w.map());
        w.mapper->start(kPort);  // the same port again: nothing new
        w.mapper->start(kPort + 1);
        QTRY_COMPARE(w.mapped.count(), 2);
        QCOMPARE(w.unmapped.count(), 1);
        QCOMPARE(router.mappings().keys(), QList<quint16>{quint16(kPort + 1)});
        QCOMPARE(w.mapper->externalPort(), quint16(kPort + 1));
    }

    void routerLostMidLeaseIsToldOnce_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("says");
        QTest::newRow("vanishes") << "gone"
                                  << "Your router stopped answering";
        QTest::newRow("answers garbage") << "garbageAll"
                                         << "could not be understood";
        QTest::newRow("answers a megabyte") << "hugeAll"
                                            << "could not be understood";
        QTest::newRow("refuses") << "refuse501"
                                 << "refused to keep forwarding port 52311 (error 501)";
        QTest::newRow("another computer takes the port") << "foreign"
                                                         << "Another computer has taken";
    }
    void routerLostMidLeaseIsToldOnce() {
        QFETCH(QString, how);
        QFETCH(QString, says);

        FakeRouter router;
        Watched w(configFor(router.rootUrl()));
        CHECKED(w.map());
        const int linesBefore = static_cast<int>(w.reports.count());

        breakRouter(router, how);
        QTRY_COMPARE(w.unmapped.count(), 1);
        QCOMPARE(w.reports.count(), linesBefore + 1);
        const QString line = w.reports.last().at(0).toString();
        QVERIFY2(line.contains(says), qPrintable(line));
        QVERIFY(!w.mapper->isMapped());
        const int asked = router.count(kAdd);

        waitForRenewals(kRenewMs, 3);
        QCOMPARE(router.count(kAdd), asked);
        QCOMPARE(w.reports.count(), linesBefore + 1);
        QCOMPARE(w.unmapped.count(), 1);

        // Nothing is removed on stop: the port may be another computer's now.
        w.mapper->stop();
        QTRY_COMPARE(w.settled.count(), 2);
        QCOMPARE(router.count(kDelete), 0);
        QCOMPARE(w.reports.count(), linesBefore + 1);
    }

    void privateExternalAddressIsNotOffered() {
        FakeRouter router;
        router.setExternalAddress(QStringLiteral("100.64.3.4"));
        Watched w(configFor(router.rootUrl()));
        CHECKED(w.map());
        QCOMPARE(w.mapped.at(0).at(0).toString(), QString());
        QCOMPARE(w.mapped.at(0).at(1).value<quint16>(), kPort);
        QVERIFY(w.mapper->externalAddress().isEmpty());
        QCOMPARE(w.reports.count(), 2);
        QVERIFY(w.reports.at(1).at(0).toString().contains(QStringLiteral("100.64.3.4")));

        // A router that gives no usable address at all: forwarded, nothing more said.
        FakeRouter quiet;
        quiet.setFault(QStringLiteral("GetExternalIPAddress"), FakeRouter::Fault::Garbage);
        Watched q(configFor(quiet.rootUrl()));
        CHECKED(q.map());
        QCOMPARE(q.reports.count(), 1);
        QVERIFY(q.mapper->externalAddress().isEmpty());
    }

    void offModeNeverTalksToARouter() {
        FakeRouter router;
        PortMapper::Config config = configFor(router.rootUrl());
        config.mode = PortMapper::Mode::Off;
        Watched w(config);
        w.mapper->start(kPort);
        w.mapper->stop();
        w.mapper.reset();
        QCoreApplication::processEvents();
        QVERIFY(router.calls().isEmpty());
        QCOMPARE(w.reports.count(), 0);
    }

    void parseMode_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("mode");

        const int off = static_cast<int>(PortMapper::Mode::Off);
        const int discover = static_cast<int>(PortMapper::Mode::Discover);
        const int url = static_cast<int>(PortMapper::Mode::Url);
        QTest::newRow("off") << "off" << true << off;
        QTest::newRow("OFF") << " OFF " << true << off;
        QTest::newRow("discover") << "discover" << true << discover;
        QTest::newRow("url") << "http://127.0.0.1:5000/rootDesc.xml" << true << url;
        QTest::newRow("url with v6 host") << "http://[::1]:5000/rootDesc.xml" << true << url;
        QTest::newRow("https") << "https://192.168.1.1/rootDesc.xml" << false << off;
        QTest::newRow("other scheme") << "ftp://192.168.1.1/" << false << off;
        QTest::newRow("no host") << "http:///rootDesc.xml" << false << off;
        QTest::newRow("user info") << "http://me@192.168.1.1/x.xml" << false << off;
        QTest::newRow("empty") << "" << false << off;
        QTest::newRow("word") << "yes" << false << off;
        QTest::newRow("too long") << "http://192.168.1.1/" + QString(120, QLatin1Char('a')) << false
                                  << off;
    }
    void parseMode() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, mode);
        PortMapper::Config config;
        QString error;
        QCOMPARE(PortMapper::parseMode(text, config, error), ok);
        QCOMPARE(static_cast<int>(config.mode), mode);
        QCOMPARE(error.isEmpty(), ok);
        if (mode == static_cast<int>(PortMapper::Mode::Url)) {
            QCOMPARE(config.rootUrl, text);
        }
    }

    void optionThenEnvironmentThenSetting() {
        const QString url = QStringLiteral("http://127.0.0.1:5000/rootDesc.xml");
        PortMapper::Config config;
        QString error;
        QVERIFY(PortMapper::chooseMode({}, {}, true, config, error));
        QCOMPARE(config.mode, PortMapper::Mode::Discover);
        QVERIFY(PortMapper::chooseMode({}, {}, false, config, error));
        QCOMPARE(config.mode, PortMapper::Mode::Off);
        // Tests and CI set the environment to keep a player's setting from sending discovery.
        QVERIFY(PortMapper::chooseMode({}, QStringLiteral("off"), true, config, error));
        QCOMPARE(config.mode, PortMapper::Mode::Off);
        QVERIFY(PortMapper::chooseMode({}, url, false, config, error));
        QCOMPARE(config.mode, PortMapper::Mode::Url);
        QCOMPARE(config.rootUrl, url);
        QVERIFY(PortMapper::chooseMode(QStringLiteral("off"), url, true, config, error));
        QCOMPARE(config.mode, PortMapper::Mode::Off);
        QVERIFY(error.isEmpty());
        // A malformed value that counts is an error, not a silent fallback to the setting.
        config.mode = PortMapper::Mode::Off;
        QVERIFY(!PortMapper::chooseMode(QStringLiteral("maybe"), QStringLiteral("discover"), true,
                                        config, error));
        QCOMPARE(config.mode, PortMapper::Mode::Off);
        QVERIFY(error.contains(QStringLiteral("maybe")));
    }

    void offAdvice() {
        const QString line = PortMapper::offAdvice(QStringLiteral("192.168.1.5"), 52311);
        QVERIFY(line.contains(QStringLiteral("192.168.1.5")));
        QVERIFY(line.contains(QStringLiteral("port 52311")));
        QVERIFY(line.contains(QStringLiteral("\"Open Port On Router\"")));
        QVERIFY(!line.contains(QLatin1Char('\n')));
        QVERIFY(PortMapper::offAdvice(QStringLiteral("10.0.0.2"), 52201).contains("52201"));
        // Nothing to say where a router cannot help or the address is already public.
        QVERIFY(PortMapper::offAdvice(QStringLiteral("203.0.113.7"), 52201).isEmpty());
        QVERIFY(PortMapper::offAdvice(QStringLiteral("127.0.0.1"), 52201).isEmpty());
        QVERIFY(PortMapper::offAdvice(QStringLiteral("2001:db8::7"), 52201).isEmpty());
        QVERIFY(PortMapper::offAdvice(QStringLiteral("bea.example.org"), 52201).isEmpty());
    }
};

ROPEWIT_TEST(TestPortMapper)
#include "tst_portmapper.moc"
