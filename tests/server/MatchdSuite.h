#pragma once

#include <QObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>
#include <vector>

#include "Matchd.h"
#include "RedisProcess.h"
#include "RelayLink.h"
#include "Testing.h"

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
    QStringList storeArgs() const {
        return redis_ ? QStringList{"--store", redis_->url()} : QStringList();
    }
    // Starts the server of this case with args and the row's store; false when it failed.
    bool start(const QStringList& args) {
        server_ = std::make_unique<Matchd>(args + storeArgs());
        return server_->port() != 0;
    }
    Matchd& server() { return *server_; }
    quint16 port() const { return server_ ? server_->port() : 0; }
    RedisProcess& redis() { return *redis_; }
    // Starts the server with a relay, registers Ann and holds her; her relay connection.
    std::unique_ptr<RelayLink> startHolding(const QStringList& args) {
        if (!start(QStringList{"--relay-port", "0"} + args) ||
            !QTest::qWaitFor([this] { return server_->relayPort() != 0; }, 10000) ||
            answer(port(), registration("Ann", "192.0.2.7")) != kAdded)
            return nullptr;
        auto ann = std::make_unique<RelayLink>(relayPort(),
                                               "20Ann\x01"
                                               "192.0.2.7\x02");
        return ann->token().size() == 22 ? std::move(ann) : nullptr;
    }
    quint16 relayPort() const { return server_->relayPort(); }

private Q_SLOTS:
    void initTestCase_data() {
        QTest::addColumn<int>("store");
        if (stores_ & Memory)
            QTest::newRow("memory") << int(Memory);
        if (stores_ & Redis)
            QTest::newRow("redis") << int(Redis);
    }

    void init() {
        QFETCH_GLOBAL(int, store);
        if (store == Redis) {
            redis_ = std::make_unique<RedisProcess>();
            if (redis_->port() == 0)
                QSKIP("redis-server could not be started (is it installed and on PATH?)");
        }
    }

    void cleanup() {
        server_.reset();
        redis_.reset();
    }

    void registerRefreshRemove() {
        QVERIFY(start({"--log-requests"}));

        QCOMPARE(answer(port(), "03\x02"), kEmptyList);
        QCOMPARE(answer(port(), registration("Ann", "192.0.2.7")), kAdded);
        QCOMPARE(answer(port(), registration("Ann", "192.0.2.7")), kAdded);
        QCOMPARE(answer(port(), registration("Bo", "192.0.2.8")), kAdded);
        QCOMPARE(answer(port(), "03\x02"), listOf({{"Ann", "192.0.2.7"}, {"Bo", "192.0.2.8"}}));

        // A removal gets no answer; the connection still ends.
        QCOMPARE(answer(port(), removal("Ann", "192.0.2.7")), QByteArray());
        QCOMPARE(answer(port(), "03\x02"), listOf({{"Bo", "192.0.2.8"}}));
        QCOMPARE(answer(port(), removal("Bo", "192.0.2.9")), QByteArray());
        QCOMPARE(answer(port(), "03\x02"), listOf({{"Bo", "192.0.2.8"}}));

        // One line per request: when, who, what, and how it ended.
        QTRY_VERIFY(server().output().contains(
            QRegularExpression(QStringLiteral("\\n\\S+ 127\\.0\\.0\\.1:\\d+ register name=\"Ann\" "
                                              "address=\"192\\.0\\.2\\.7\" -> 07 refreshed\\n"))));
        QTRY_VERIFY(server().output().contains(QStringLiteral("-> removed\n")));
        QTRY_VERIFY(server().output().contains(QStringLiteral("-> not waiting\n")));
    }

    void fullListAnswers06() {
        QVERIFY(start({"--capacity", "2"}));
        QCOMPARE(answer(port(), registration("a", "h1")), kAdded);
        QCOMPARE(answer(port(), registration("b", "h2")), kAdded);
        QCOMPARE(answer(port(), registration("c", "h3")), kFull);
        QCOMPARE(answer(port(), registration("a", "h1")), kAdded);
        QCOMPARE(answer(port(), removal("b", "h2")), QByteArray());
        QCOMPARE(answer(port(), registration("c", "h3")), kAdded);
        QCOMPARE(answer(port(), "03\x02"), listOf({{"a", "h1"}, {"c", "h3"}}));
    }

    void longestWaitingFirstAtMostTen() {
        QVERIFY(start({"--max-per-address", "0"}));
        QList<QPair<QByteArray, QByteArray>> expected;
        for (int i = 0; i < 12; ++i) {
            const QByteArray name = "p" + QByteArray::number(i);
            const QByteArray address = "10.0.0." + QByteArray::number(i);
            QCOMPARE(answer(port(), registration(name, address)), kAdded);
            if (i < 10)
                expected.append({name, address});
        }
        // Renewing keeps the first player first.
        QCOMPARE(answer(port(), registration("p0", "10.0.0.0")), kAdded);
        QCOMPARE(answer(port(), "03\x02"), listOf(expected));
    }

    void searchByLetters() {
        QVERIFY(start({}));
        for (const QByteArray name : {"anna", "Bob", "ANDY", "bea", "an"})
            QCOMPARE(answer(port(), registration(name, name + ".example")), kAdded);
        QCOMPARE(
            answer(port(), "04An\x02"),
            listOf({{"anna", "anna.example"}, {"ANDY", "ANDY.example"}, {"an", "an.example"}}));
        QCOMPARE(answer(port(), "04b\x02"),
                 listOf({{"Bob", "Bob.example"}, {"bea", "bea.example"}}));
        QCOMPARE(answer(port(), "04z\x02"), kEmptyList);
        QCOMPARE(answer(port(), "04\x02"), listOf({{"anna", "anna.example"},
                                                   {"Bob", "Bob.example"},
                                                   {"ANDY", "ANDY.example"},
                                                   {"bea", "bea.example"},
                                                   {"an", "an.example"}}));
    }

    void registrationsExpire() {
        QVERIFY(start({"--expiry", "1"}));
        QCOMPARE(answer(port(), registration("Ann", "h")), kAdded);
        QTRY_COMPARE_WITH_TIMEOUT(answer(port(), "03\x02"), kEmptyList, 10000);
        QCOMPARE(answer(port(), registration("Ann", "h")), kAdded);
        QCOMPARE(answer(port(), "04a\x02"), listOf({{"Ann", "h"}}));
    }

    void idleConnectionIsClosed() {
        QVERIFY(start({"--idle-timeout-ms", "300"}));
        for (const QByteArray& partial : {QByteArray(), QByteArray("01Ann\x01h")})
            QCOMPARE(answer(port(), partial), QByteArray());
        QTRY_VERIFY(server().output().contains(
            QStringLiteral("closed: no request within 300 ms (7 bytes)")));
        QCOMPARE(answer(port(), "03\x02"), kEmptyList);
    }

    void requestWithoutEndWithinOneKiBIsDropped() {
        // The idle timeout is far away, so a quick close can only come from the size limit.
        QVERIFY(start({"--idle-timeout-ms", "60000"}));
        QCOMPARE(answer(port(), QByteArray(1024, 'a')), QByteArray());
        // The longest request that fits is still answered.
        QCOMPARE(answer(port(), "04" + QByteArray(1021, 'a') + '\x02'), kEmptyList);
    }

    void longFieldsAreCut() {
        QVERIFY(start({}));
        const QByteArray name = "N123456789012345678901234567890";
        const QByteArray address = QByteArray(45, 'a') + ".example.org";
        QCOMPARE(answer(port(), registration(name, address)), kAdded);
        QCOMPARE(answer(port(), "03\x02"), listOf({{name.left(20), address.left(50)}}));
        QCOMPARE(answer(port(), removal(name, address)), QByteArray());
        QCOMPARE(answer(port(), "03\x02"), kEmptyList);
    }

    void malformedRequestsGetNoAnswer_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("entry end in name") << QByteArray("01An\x03n\x01h\x02");
        QTest::newRow("separator in address") << QByteArray("01Ann\x01h\x01i\x02");
        QTest::newRow("zero byte in name") << QByteArray("01A\0nn\x01h\x02", 10);
        QTest::newRow("no separator") << QByteArray("01Ann\x02");
        QTest::newRow("empty address") << QByteArray("01Ann\x01\x02");
        QTest::newRow("unknown code") << QByteArray("09\x02");
        QTest::newRow("reply code") << kAdded;
        QTest::newRow("no code") << QByteArray("\x02");
        QTest::newRow("one digit") << QByteArray("3\x02");
        QTest::newRow("list with payload") << QByteArray("03x\x02");
        QTest::newRow("letters with separator") << QByteArray("04a\x01\x02");
        QTest::newRow("probe of another address") << QByteArray("08127.0.0.2:9\x01n\x02");
        QTest::newRow("probe with a bad nonce") << QByteArray("08127.0.0.1:9\x01n!\x02");
    }

    void malformedRequestsGetNoAnswer() {
        QFETCH(QByteArray, request);
        QVERIFY(start({"--idle-timeout-ms", "60000"}));
        QCOMPARE(answer(port(), request), QByteArray());
        QCOMPARE(answer(port(), "03\x02"), kEmptyList);
        QTRY_VERIFY(server().output().contains(QStringLiteral("-> refused: ")));
    }

    void connectionLimit() {
        QVERIFY(start({"--max-connections", "2"}));
        QTcpSocket first, second;
        first.connectToHost(QHostAddress::LocalHost, port());
        second.connectToHost(QHostAddress::LocalHost, port());
        QVERIFY(first.waitForConnected(10000));
        QVERIFY(second.waitForConnected(10000));

        QCOMPARE(answer(port(), "03\x02"), QByteArray());  // the third
        QTRY_VERIFY(
            server().output().contains(QStringLiteral("connection refused: 2 connections open")));

        // A place that frees up is usable again.
        first.abort();
        QTRY_COMPARE(answer(port(), "03\x02"), kEmptyList);
        QCOMPARE(second.state(), QAbstractSocket::ConnectedState);
    }

    void garbageNeverBreaksIt() {
        QVERIFY(start({"--idle-timeout-ms", "200"}));
        QCOMPARE(answer(port(), registration("Keep", "192.0.2.1")), kAdded);

        QRandomGenerator rng(20240611);
        static const char alphabet[] = {'0', '1', '2',  '3',  '4',  '7',
                                        'a', 'Z', 0x00, 0x01, 0x02, 0x03};
        auto randomText = [&](int maxLength) {
            QByteArray b;
            const int length = rng.bounded(maxLength + 1);
            while (b.size() < length) {
                b += rng.bounded(3) == 0 ? static_cast<char>(rng.bounded(256))
                                         : alphabet[rng.bounded(int(sizeof alphabet))];
            }
            return b;
        };
        auto garbage = [&] {
            switch (rng.bounded(4)) {
                case 0:  // shaped like a registration or removal, with odd fields
                    return (rng.bounded(2) == 0 ? QByteArray("01") : QByteArray("02")) +
                           randomText(30) + '\x01' + randomText(70) + '\x02';
                case 1:  // a plausible code, then anything
                    return '0' + QByteArray(1, static_cast<char>('0' + rng.bounded(10))) +
                           randomText(80);
                case 2:
                    return randomText(1500);
                default:
                    return randomText(80);
            }
        };

        for (int batch = 0; batch < 8; ++batch) {
            std::vector<std::unique_ptr<QTcpSocket>> sockets;
            for (int i = 0; i < 40; ++i) {
                auto socket = std::make_unique<QTcpSocket>();
                const QByteArray bytes = garbage();
                QTcpSocket* raw = socket.get();
                QObject::connect(raw, &QTcpSocket::connected, raw,
                                 [raw, bytes] { raw->write(bytes); });
                // Replies are not checked here; they are read so the server can finish.
                QObject::connect(raw, &QTcpSocket::readyRead, raw, [raw] { raw->readAll(); });
                raw->connectToHost(QHostAddress::LocalHost, port());
                sockets.push_back(std::move(socket));
            }
            auto allClosed = [&] {
                for (const auto& s : sockets) {
                    if (s->state() != QAbstractSocket::UnconnectedState)
                        return false;
                }
                return true;
            };
            QTRY_VERIFY_WITH_TIMEOUT(allClosed(), 20000);
            QVERIFY(server().running());
        }

        // Still answering, and whatever the garbage registered is well formed.
        const QByteArray list = answer(port(), "03\x02");
        QVERIFY2(list.startsWith("05") && list.endsWith('\x02'),
                 list.toPercentEncoding().constData());
        QByteArray payload = list.mid(2, list.size() - 3);
        QVERIFY(!payload.contains('\x02') && !payload.contains('\0'));
        int entries = 0;
        bool keepSeen = false;
        while (!payload.isEmpty()) {
            const qsizetype end = payload.indexOf('\x03');
            QVERIFY(end >= 0);
            const QList<QByteArray> fields = payload.left(end).split('\x01');
            QCOMPARE(fields.size(), 2);
            QVERIFY(fields[0].size() <= 20);
            QVERIFY(!fields[1].isEmpty() && fields[1].size() <= 50);
            keepSeen = keepSeen || fields[0] == "Keep";
            payload.remove(0, end + 1);
            ++entries;
        }
        QVERIFY(entries <= 10);
        QVERIFY(keepSeen);
    }

    void limitPerAddress() {
        QVERIFY(start({"--max-per-address", "2"}));
        QCOMPARE(answer(port(), registration("a", "h1")), kAdded);
        QCOMPARE(answer(port(), registration("b", "h2")), kAdded);
        QCOMPARE(answer(port(), registration("c", "h3")), kFull);
        QCOMPARE(answer(port(), registration("a", "h1")), kAdded);  // a renewal
        QCOMPARE(answer(port(), registration("c", "h3"), kOther), kAdded);
        QCOMPARE(answer(port(), removal("b", "h2")), QByteArray());
        QCOMPARE(answer(port(), registration("d", "h4")), kAdded);
        QCOMPARE(answer(port(), "03\x02"), listOf({{"a", "h1"}, {"c", "h3"}, {"d", "h4"}}));
        QTRY_VERIFY(
            server().output().contains(QStringLiteral("06 too many players from this address")));
    }

    void removalOnlyFromTheSameAddress() {
        QVERIFY(start({}));
        QCOMPARE(answer(port(), registration("Ann", "192.0.2.7")), kAdded);
        // Someone else names her exactly: ignored, and logged even without --log-requests.
        QCOMPARE(answer(port(), removal("Ann", "192.0.2.7"), kOther), QByteArray());
        QCOMPARE(answer(port(), "03\x02"), listOf({{"Ann", "192.0.2.7"}}));
        QTRY_VERIFY(server().output().contains(QStringLiteral("127.0.0.2")) &&
                    server().output().contains(QStringLiteral("ignored: registered from another")));
        // Nor can they renew her entry or register under her name and address.
        QCOMPARE(answer(port(), registration("Ann", "192.0.2.7"), kOther), kFull);
        QCOMPARE(answer(port(), removal("Ann", "192.0.2.7")), QByteArray());
        QCOMPARE(answer(port(), "03\x02"), kEmptyList);
    }

    void addressPolicy_data() {
        QTest::addColumn<QString>("policy");
        QTest::addColumn<QByteArray>("listed");
        QTest::newRow("observed") << "observed" << QByteArray("127.0.0.2:52201");
        QTest::newRow("claimed") << "claimed" << QByteArray("192.168.1.5:52201");
        // Over loopback the observed address is no better than the claimed one.
        QTest::newRow("auto") << "auto" << QByteArray("192.168.1.5:52201");
    }

    void addressPolicy() {
        QFETCH(QString, policy);
        QFETCH(QByteArray, listed);
        QVERIFY(start({"--address-policy", policy}));
        QCOMPARE(answer(port(), registration("Di", "192.168.1.5:52201"), kOther), kAdded);
        QCOMPARE(answer(port(), "04d\x02"), listOf({{"Di", listed}}));
        // She is still who she said she was: renewing and removing use what she sent.
        QCOMPARE(answer(port(), registration("Di", "192.168.1.5:52201"), kOther), kAdded);
        QCOMPARE(answer(port(), removal("Di", "192.168.1.5:52201"), kOther), QByteArray());
        QCOMPARE(answer(port(), "03\x02"), kEmptyList);
    }

    // 08 calls the player where it is listed and greets with the nonce, then hangs up; the
    // answer says whether that worked and names the relay's port.
    void probeCallsTheListedAddress_data() {
        QTest::addColumn<bool>("listening");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("reachable") << true << QByteArray("091\x01");
        QTest::newRow("not reachable") << false << QByteArray("090\x01");
    }
    void probeCallsTheListedAddress() {
        QFETCH(bool, listening);
        QFETCH(QByteArray, reply);
        QVERIFY(start({"--relay-port", "0"}));
        QTcpServer player;
        QVERIFY(player.listen(QHostAddress::LocalHost, 0));
        const QByteArray at = "127.0.0.1:" + QByteArray::number(player.serverPort());
        if (!listening)
            player.close();
        QByteArray greeting;
        QObject::connect(&player, &QTcpServer::newConnection, [&] {
            QTcpSocket* s = player.nextPendingConnection();
            QObject::connect(s, &QTcpSocket::readyRead,
                             [&greeting, s] { greeting += s->readAll(); });
        });
        QTRY_VERIFY(relayPort() != 0);
        QCOMPARE(answer(port(), "08" + at + "\x01nonce-1\x02"),
                 reply + QByteArray::number(relayPort()) + '\x02');
        QTRY_COMPARE(greeting, listening ? QByteArray("25nonce-1\x02") : QByteArray());
    }

    void relayJoinsACallerToAHeldPlayer() {
        auto ann = startHolding({});
        QVERIFY(ann);
        const QByteArray listed =
            "127.0.0.1:" + QByteArray::number(relayPort()) + '/' + ann->token();
        QCOMPARE(ann->got(), "21" + listed + '\x02');
        QCOMPARE(answer(port(), "03\x02"), listOf({{"Ann", listed}}));

        RelayLink bo(relayPort(), "24" + ann->token() + "\x02hello");
        QVERIFY(ann->receives("21" + listed + '\x02' + "22\x02hello"));
        ann->send(QByteArray("\x00\x01\xffhi", 5));
        QVERIFY(bo.receives(QByteArray("22\x02\x00\x01\xffhi", 8)));

        RelayLink cy(relayPort(), "24" + ann->token() + "\x02");
        QVERIFY(cy.closes());
        QCOMPARE(cy.got(), "I am already playing! Try later...\r\n");
        // Her game leaves the list once it has an opponent; the game goes on.
        QCOMPARE(answer(port(), removal("Ann", "192.0.2.7")), QByteArray());
        bo.send("bye");
        QVERIFY(ann->receives("bye"));
        ann.reset();
        QVERIFY(bo.closes());
        // Her entry named a connection that is gone.
        QTRY_COMPARE(answer(port(), "03\x02"), kEmptyList);
    }

    void relayRefuses_data() {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QString>("why");
        QTest::newRow("not registered") << QByteArray("20Bo\x01h\x02") << "not registered";
        QTest::newRow("second hold") << QByteArray(
                                            "20Ann\x01"
                                            "192.0.2.7\x02")
                                     << "already holds";
        QTest::newRow("unknown token") << "24" + QByteArray(22, 'A') + '\x02' << "unknown token";
        QTest::newRow("long token") << "24" + QByteArray(1000, 'A') + '\x02' << "unknown token";
        QTest::newRow("control bytes") << QByteArray(
                                              "24ab\x05"
                                              "cd\x02")
                                       << "unknown token";
        QTest::newRow("no end mark") << QByteArray(1100, 'A') << "no end mark";
        QTest::newRow("other request") << QByteArray("03\x02") << "not a relay request";
    }

    void relayRefuses() {
        QFETCH(QByteArray, first);
        QFETCH(QString, why);
        const auto ann = startHolding({});
        QVERIFY(ann);
        RelayLink other(relayPort(), first);
        QVERIFY(other.closes());
        QVERIFY(other.got().startsWith("23") && other.got().endsWith('\x02'));
        QVERIFY2(other.got().contains(why.toLatin1()), other.got());
        QVERIFY(!ann->got().contains("22\x02"));
    }

    void relayLimitsClose_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("call");
        QTest::addColumn<QByteArray>("flood");
        QTest::addColumn<QString>("logged");
        QTest::newRow("token deadline")
            << QStringList{"--relay-token-timeout-ms", "300"} << QByteArray("") << QByteArray()
            << "no request within 300 ms";
        QTest::newRow("bandwidth")
            << QStringList{"--relay-rate", "1000", "--relay-burst", "2000"} << QByteArray("24")
            << QByteArray(5000, 'f') << "over the bandwidth cap of 1000 bytes/s";
        QTest::newRow("idle") << QStringList{"--relay-idle-timeout", "1"} << QByteArray("24")
                              << QByteArray() << "idle for 1 s";
        // Removed while held: no caller at all, and let go long before the next renewal.
        QTest::newRow("removed") << QStringList{"--relay-renew-ms", "60000"} << QByteArray()
                                 << QByteArray() << "removed by its player";
    }

    void relayLimitsClose() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, call);
        QFETCH(QByteArray, flood);
        QFETCH(QString, logged);
        const auto ann = startHolding(args);
        QVERIFY(ann);
        if (call.isNull()) {
            QCOMPARE(answer(port(), removal("Ann", "192.0.2.7")), QByteArray());
            QVERIFY(ann->closes());
        } else {
            RelayLink bo(relayPort(), call.isEmpty() ? call : call + ann->token() + '\x02' + flood);
            QVERIFY(bo.closes());
            QVERIFY(call.isEmpty() || ann->closes());
        }
        QTRY_VERIFY(server().output().contains(logged));
    }

    void relayPairCapAndWrongTokenDelay() {
        const auto ann =
            startHolding({"--relay-max-pairs", "1", "--relay-wrong-token-delay-ms", "500"});
        QVERIFY(ann);
        QCOMPARE(answer(port(), registration("Di", "h")), kAdded);
        RelayLink di(relayPort(), "20Di\x01h\x02");
        RelayLink bo(relayPort(), "24" + ann->token() + '\x02');
        RelayLink cy(relayPort(), "24" + di.token() + '\x02', kOther);
        QVERIFY(cy.closes());
        QVERIFY(cy.got().contains("the relay is full"));

        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 2; ++i)
            QVERIFY(RelayLink(relayPort(), "24wrong\x02").closes());
        QVERIFY(clock.elapsed() >= 500);
        // Another address is not slowed down by them.
        RelayLink other(relayPort(), "24" + di.token() + '\x02', kOther);
        QVERIFY(other.closes());
        QVERIFY(other.got().contains("the relay is full"));
    }

    void badOptions_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("port") << QStringList{"--port", "x"} << "--port";
        QTest::newRow("capacity") << QStringList{"--capacity", "0"} << "--capacity";
        QTest::newRow("expiry") << QStringList{"--expiry", "-5"} << "--expiry";
        QTest::newRow("listen") << QStringList{"--listen", "nowhere"} << "--listen";
        QTest::newRow("unknown") << QStringList{"--colour"} << "colour";
        QTest::newRow("relay without public address")
            << QStringList{"--relay-port", "1"} << "--public-address";
        QTest::newRow("public address too long")
            << QStringList{"--public-address", "relays.far.example.org"} << "--public-address";
        QTest::newRow("public address with a slash")
            << QStringList{"--public-address", "a/b"} << "--public-address";
        QTest::newRow("relay rate") << QStringList{"--relay-rate", "0"} << "--relay-rate";
    }

    void badOptions() {
        QFETCH(QStringList, args);
        QFETCH(QString, mentions);
        QProcess p;
        p.start(QStringLiteral(ROPEWIT_MATCHD_PATH), args + storeArgs());
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(mentions));
        QVERIFY(p.readAllStandardOutput().isEmpty());
    }

    void helpVersionAndTakenPort() {
        QProcess help;
        help.start(QStringLiteral(ROPEWIT_MATCHD_PATH), {"--help"});
        QVERIFY(help.waitForFinished(10000));
        QCOMPARE(help.exitCode(), 0);
        const QString helpText = QString::fromUtf8(help.readAllStandardOutput());
        QVERIFY(helpText.contains("--capacity") && helpText.contains("--expiry"));

        QProcess version;
        version.start(QStringLiteral(ROPEWIT_MATCHD_PATH), {"--version"});
        QVERIFY(version.waitForFinished(10000));
        QCOMPARE(version.exitCode(), 0);
        QVERIFY(version.readAllStandardOutput().startsWith("ropewit-matchd "));

        QVERIFY(start({}));
        QProcess second;
        second.start(
            QStringLiteral(ROPEWIT_MATCHD_PATH),
            QStringList{"--listen", "127.0.0.1", "--port", QString::number(port())} + storeArgs());
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 1);
        QVERIFY(second.readAllStandardError().contains("cannot listen"));
    }

    void quietLogStatsAndStop() {
        QVERIFY(start({"--stats-interval", "1", "--capacity", "1", "--relay-port", "0"}));
        QCOMPARE(answer(port(), registration("Ann", "h1")), kAdded);
        QCOMPARE(answer(port(), registration("Bo", "h2")), kFull);
        QCOMPARE(answer(port(), "03\x02"), listOf({{"Ann", "h1"}}));
        QCOMPARE(answer(port(), "04a\x02"), listOf({{"Ann", "h1"}}));
        QCOMPARE(answer(port(), "09\x02"), QByteArray());
        QTRY_VERIFY(relayPort() != 0);
        RelayLink ann(relayPort(), "20Ann\x01h1\x02");
        QVERIFY(RelayLink(relayPort(), "24wrong\x02", kOther).closes());
        RelayLink bo(relayPort(), "24" + ann.token() + "\x02hello");
        QVERIFY(ann.receives("22\x02hello"));
        QTRY_VERIFY_WITH_TIMEOUT(
            server().output().contains(QStringLiteral(
                "stats: requests register=2 remove=0 list=1 search=1; refused=1 turned-away=1 "
                "ignored=0 unanswered=0 connections-refused=0; open connections=0; waiting "
                "players=1; relay held=0 pairs=1 joined=1 refused unknown-token=1 busy=0 full=0 "
                "bad=0 cut over-cap=0 idle=0 bytes=5")),
            10000);
        // Ordinary requests leave no line of their own; refusals and turned-away ones do.
        const QString log = server().output();
        QVERIFY(!log.contains(QStringLiteral("-> 07")));
        QVERIFY(!log.contains(QStringLiteral("-> 05")));
        QVERIFY(log.contains(QStringLiteral("name=\"Bo\" address=\"h2\" -> 06 full")));
        QVERIFY(log.contains(QStringLiteral("-> refused: unknown code")));

        QVERIFY(server().terminate());
        QVERIFY(server().output().trimmed().endsWith(QStringLiteral("- stopping")));
    }

private:
    const int stores_;
    std::unique_ptr<RedisProcess> redis_;
    std::unique_ptr<Matchd> server_;
};
