// Several ropewit-matchd processes on one real redis-server, and a fake Redis that
// misbehaves; the cases of every store run here over Redis too.
#include <QTcpServer>
#include <map>

#include "MatchdSuite.h"
#include "Testing.h"

namespace {

// A stand-in for Redis on loopback that answers the way a test tells it to.
class FakeRedis : public QObject {
public:
    enum class Mode { Good, Error, WrongType, ControlBytes, DropMidReply, Silent };

    FakeRedis() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                s->setParent(this);
                QObject::connect(s, &QTcpSocket::readyRead, this, [this, s] { serve(s); });
            }
        });
    }
    QString url() const { return QStringLiteral("redis://127.0.0.1:%1").arg(server_.serverPort()); }
    Mode mode = Mode::Good;

private:
    void serve(QTcpSocket* s) {
        QByteArray& buffer = buffers_[s];
        buffer += s->readAll();
        // Each command is an array of bulk strings; only whole ones are answered.
        for (;;) {
            QList<QByteArray> command;
            qsizetype pos = 0;
            if (!parse(buffer, &pos, &command))
                return;
            buffer.remove(0, pos);
            if (!command.isEmpty() && command[0].toUpper() == "EVALSHA") {
                s->write("-NOSCRIPT No matching script. Please use EVAL.\r\n");
                continue;
            }
            if (command.isEmpty() || command[0].toUpper() != "EVAL") {
                s->write(command.value(0) == "TIME" ? "*2\r\n$1\r\n0\r\n$1\r\n0\r\n" : "+OK\r\n");
                continue;
            }
            if (mode == Mode::DropMidReply) {
                s->write("$5\r\nad");
                s->flush();
                s->abort();
                buffers_.remove(s);
                s->deleteLater();
                return;
            }
            const bool isList = command.size() > 1 && command[1].contains("ZRANGEBYLEX");
            const std::map<Mode, QByteArray> replies{
                {Mode::Good, isList ? QByteArray("*2\r\n$4\r\nAl\x01x\r\n$2\r\nh1\r\n")
                                    : QByteArray("$5\r\nadded\r\n")},
                {Mode::Error, "-ERR something broke\r\n"},
                {Mode::WrongType, ":42\r\n"},
                {Mode::ControlBytes, "*2\r\n$4\r\nAl\x01x\r\n$3\r\nh\x03i\r\n"},
            };
            if (replies.count(mode))  // a silent Redis says nothing
                s->write(replies.at(mode));
        }
    }
    static bool parse(const QByteArray& b, qsizetype* pos, QList<QByteArray>* out) {
        const auto line = [&](QByteArray* text) {
            const qsizetype end = b.indexOf("\r\n", *pos);
            if (end < 0)
                return false;
            *text = b.mid(*pos, end - *pos);
            *pos = end + 2;
            return true;
        };
        QByteArray head;
        if (!line(&head) || !head.startsWith('*'))
            return false;
        const int n = head.mid(1).toInt();
        for (int i = 0; i < n; ++i) {
            QByteArray size;
            if (!line(&size) || !size.startsWith('$'))
                return false;
            const int length = size.mid(1).toInt();
            if (b.size() < *pos + length + 2)
                return false;
            out->append(b.mid(*pos, length));
            *pos += length + 2;
        }
        return true;
    }

    QTcpServer server_;
    QHash<QTcpSocket*, QByteArray> buffers_;
};

}  // namespace

class TestMatchdRedis : public MatchdSuite {
    Q_OBJECT
public:
    TestMatchdRedis() : MatchdSuite(Redis) {}

private Q_SLOTS:
    void twoServersShareOneList() {
        Matchd a({"--store", redis().url() + "/3", "--max-per-address", "0"});
        Matchd b({"--store", redis().url() + "/3", "--max-per-address", "0"});
        QVERIFY(a.port() != 0 && b.port() != 0);

        QCOMPARE(answer(b.port(), "03\x02"), kEmptyList);
        QList<QPair<QByteArray, QByteArray>> expected;
        for (int i = 0; i < 12; ++i) {
            const QByteArray name = (i % 2 == 0 ? "An" : "Bo") + QByteArray::number(i);
            const QByteArray address = "192.0.2." + QByteArray::number(i);
            QCOMPARE(answer(i % 2 == 0 ? a.port() : b.port(), registration(name, address)), kAdded);
            expected.append({name, address});
        }
        // Renewing through the other server keeps the first player first.
        QCOMPARE(answer(b.port(), registration("An0", "192.0.2.0")), kAdded);
        QCOMPARE(answer(a.port(), "03\x02"), listOf(expected.mid(0, 10)));
        QCOMPARE(answer(b.port(), "03\x02"), listOf(expected.mid(0, 10)));

        // Searches ignore case and keep the order of waiting, whichever server is asked.
        QCOMPARE(answer(a.port(), "04bO\x02"), listOf({expected[1], expected[3], expected[5],
                                                       expected[7], expected[9], expected[11]}));
        QCOMPARE(answer(b.port(), "04an1\x02"), listOf({expected[10]}));
        QCOMPARE(answer(b.port(), "04bo11\x02"), listOf({expected[11]}));
        QCOMPARE(answer(a.port(), "04Cy\x02"), kEmptyList);
        QCOMPARE(answer(a.port(), "04bo1111\x02"), kEmptyList);

        // Removed through one server, gone for both.
        QCOMPARE(answer(b.port(), removal("An0", "192.0.2.0")), QByteArray());
        QCOMPARE(answer(b.port(), removal("Bo1", "192.0.2.1")), QByteArray());
        QCOMPARE(answer(a.port(), "03\x02"), listOf(expected.mid(2, 10)));

        // Another database holds another list.
        Matchd other({"--store", redis().url() + "/4"});
        QVERIFY(other.port() != 0);
        QCOMPARE(answer(other.port(), "03\x02"), kEmptyList);
    }

    void relayedPlayerIsCalledThroughTheRelayThatHoldsIt() {
        const auto ann = startHolding({});
        QVERIFY(ann);
        Matchd b({"--store", redis().url(), "--relay-port", "0"});
        QVERIFY(QTest::qWaitFor([&] { return b.relayPort() != 0; }, 10000));
        const QByteArray listed =
            "127.0.0.1:" + QByteArray::number(relayPort()) + '/' + ann->token();
        QCOMPARE(answer(b.port(), "03\x02"), listOf({{"Ann", listed}}));

        RelayLink wrongRelay(b.relayPort(), "24" + ann->token() + '\x02');
        QVERIFY(wrongRelay.closes());
        QVERIFY(wrongRelay.got().contains("held by another server's relay"));
        RelayLink bo(relayPort(), "24" + ann->token() + '\x02');
        QVERIFY(ann->receives("22\x02"));
    }

    // What the relay cannot hear of at once, it finds at a renewal: a removal through another
    // server; or, when the list cannot be reached, the registration lapsing.
    void heldPlayerIsLetGoWhenTheListNoLongerHasIt_data() {
        QTest::addColumn<bool>("listLost");
        QTest::addColumn<QString>("logged");
        QTest::newRow("removed elsewhere") << false << "no longer registered";
        QTest::newRow("list unreachable") << true << "registration lapsed";
    }
    void heldPlayerIsLetGoWhenTheListNoLongerHasIt() {
        QFETCH(bool, listLost);
        QFETCH(QString, logged);
        const auto ann = startHolding({"--relay-renew-ms", "200", "--expiry", "2"});
        QVERIFY(ann);
        Matchd b({"--store", redis().url()});
        if (listLost)
            redis().stop();
        else
            QCOMPARE(answer(b.port(), removal("Ann", "192.0.2.7")), QByteArray());
        QVERIFY(ann->closes());
        QTRY_VERIFY(server().output().contains(logged));
    }

    void bytesRoundTrip() {
        Matchd a({"--store", redis().url(), "--max-per-address", "0"});
        Matchd b({"--store", redis().url(), "--max-per-address", "0"});
        QVERIFY(a.port() != 0 && b.port() != 0);

        // Every byte the protocol allows, including the ones Redis's own syntax uses.
        const QByteArray odd1(" [(*-+ \"'\\\x7f\xc9mile");
        const QByteArray odd2("\xff\xff\xfe\x80\x20", 5);
        const QByteArray address1("h\x81\xff:1 [x]");
        const QByteArray address2("\xe9\x7f\xa0");
        QCOMPARE(answer(a.port(), registration(odd1, address1)), kAdded);
        QCOMPARE(answer(a.port(), registration(odd2, address2)), kAdded);
        QCOMPARE(answer(b.port(), "03\x02"), listOf({{odd1, address1}, {odd2, address2}}));
        QCOMPARE(answer(b.port(), "04 [(\x02"), listOf({{odd1, address1}}));
        QCOMPARE(answer(b.port(), "04 [(*-+ \"'\\\x7f\xe9MILE\x02"), listOf({{odd1, address1}}));
        QCOMPARE(answer(b.port(), "04\xff\xff\x02"), listOf({{odd2, address2}}));
        QCOMPARE(answer(b.port(), "04\xff\xff\xfe\x80\x02"), listOf({{odd2, address2}}));
        QCOMPARE(answer(b.port(), removal(odd1, address1)), QByteArray());
        QCOMPARE(answer(a.port(), "03\x02"), listOf({{odd2, address2}}));
    }

    void expiryAcrossServers() {
        Matchd a({"--store", redis().url(), "--expiry", "1"});
        Matchd b({"--store", redis().url(), "--expiry", "1"});
        QVERIFY(a.port() != 0 && b.port() != 0);
        QCOMPARE(answer(a.port(), registration("Ann", "h1")), kAdded);
        QCOMPARE(answer(b.port(), "04a\x02"), listOf({{"Ann", "h1"}}));
        QTRY_COMPARE_WITH_TIMEOUT(answer(b.port(), "03\x02"), kEmptyList, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(answer(b.port(), "04a\x02"), kEmptyList, 10000);
        // Lapsed, the same player registers anew, behind whoever came meanwhile.
        QCOMPARE(answer(b.port(), registration("Bo", "h2")), kAdded);
        QCOMPARE(answer(a.port(), registration("Ann", "h1")), kAdded);
        QCOMPARE(answer(a.port(), "03\x02"), listOf({{"Bo", "h2"}, {"Ann", "h1"}}));
    }

    void capacityHoldsAcrossServers() {
        const QStringList args{"--store", redis().url(),       "--capacity",
                               "20",      "--max-per-address", "0"};
        Matchd a(args);
        Matchd b(args);
        QVERIFY(a.port() != 0 && b.port() != 0);

        // 60 registrations at once, half through each server.
        QList<QPair<quint16, QByteArray>> asked;
        for (int i = 0; i < 60; ++i)
            asked.append({(i % 2 ? b : a).port(), registration("p" + QByteArray::number(i), "h")});
        const QList<QByteArray> replies = answersAtOnce(asked);
        QCOMPARE(replies.count(kAdded), 20);
        QCOMPARE(replies.count(kFull), 40);

        QCOMPARE(answer(b.port(), registration("late", "h")), kFull);
        // A renewal is still welcome when the list is full.
        const qsizetype first = replies.indexOf(kAdded);
        QCOMPARE(answer(b.port(), registration("p" + QByteArray::number(first), "h")), kAdded);
        QCOMPARE(answer(a.port(), removal("p" + QByteArray::number(first), "h")), QByteArray());
        QCOMPARE(answer(b.port(), registration("late", "h")), kAdded);
        QCOMPARE(answer(a.port(), registration("later", "h")), kFull);
    }

    void redisStoppedAndRestarted() {
        Matchd a({"--store", redis().url()});
        QVERIFY(a.port() != 0);
        QCOMPARE(answer(a.port(), registration("Ann", "h1")), kAdded);

        redis().stop();
        // Unanswered, closed, and the server lives on.
        for (const QByteArray& request : {registration("Bo", "h2"), QByteArray("03\x02")})
            QCOMPARE(answer(a.port(), request), QByteArray());
        QVERIFY(a.running());
        QTRY_VERIFY(a.output().contains(QStringLiteral("unreachable")));

        QVERIFY(redis().restart());
        QTRY_COMPARE_WITH_TIMEOUT(answer(a.port(), registration("Bo", "h2")), kAdded, 20000);
        QCOMPARE(answer(a.port(), "03\x02"), listOf({{"Bo", "h2"}}));
        QTRY_VERIFY(a.output().contains(QStringLiteral("reachable again")));
        // One outage, one line, however many requests fell into it.
        QCOMPARE(a.output().count(QStringLiteral("unreachable")), 1);
    }

    void stalledRedisListsNobodyUntoldAndLosesNoRemoval() {
        Matchd a({"--store", redis().url(), "--redis-timeout-ms", "200", "--max-per-address", "0"});
        QVERIFY(a.port() != 0);
        QTcpSocket admin;
        admin.connectToHost(QHostAddress::LocalHost, redis().port());
        QVERIFY(admin.waitForConnected(10000));
        int givenUp = 0;
        for (int i = 10; i < 32; ++i) {
            const QByteArray leaving = "k" + QByteArray::number(i);
            const QByteArray coming = "n" + QByteArray::number(i);
            QCOMPARE(answer(a.port(), registration(leaving, "h")), kAdded);
            // Every other stall comes with an empty script cache, as after a restart.
            admin.write(i % 2 == 0 ? "DEBUG SLEEP 0.4\r\n" : "SCRIPT FLUSH\r\nDEBUG SLEEP 0.4\r\n");
            QVERIFY(admin.flush());
            const QList<QByteArray> replies = answersAtOnce(
                {{a.port(), removal(leaving, "h")}, {a.port(), registration(coming, "h")}});
            QCOMPARE(replies[0], QByteArray());
            QVERIFY2(replies[1].isEmpty() || replies[1] == kAdded, replies[1].constData());
            givenUp += replies[1].isEmpty();
            // Once Redis answers again it has run what it was sent during the stall.
            QTRY_COMPARE(answer(a.port(), "04" + leaving + '\x02'), kEmptyList);
            QCOMPARE(answer(a.port(), "04" + coming + '\x02'),
                     replies[1].isEmpty() ? kEmptyList : listOf({{coming, "h"}}));
        }
        QVERIFY(givenUp > 10);
    }

    void misbehavingRedis_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("request");
        using M = FakeRedis::Mode;
        QTest::newRow("error") << int(M::Error) << registration("Ann", "h");
        QTest::newRow("wrong type") << int(M::WrongType) << registration("Ann", "h");
        QTest::newRow("wrong type to a list") << int(M::WrongType) << QByteArray("04ann\x02");
        QTest::newRow("control bytes in a list") << int(M::ControlBytes) << QByteArray("04ann\x02");
        QTest::newRow("dropped mid-reply") << int(M::DropMidReply) << registration("Ann", "h");
        QTest::newRow("no reply") << int(M::Silent) << QByteArray("03\x02");
    }

    void misbehavingRedis() {
        QFETCH(int, mode);
        QFETCH(QByteArray, request);
        FakeRedis fake;
        // Quick to give up on a Redis that does not answer.
        Matchd server({"--store", fake.url(), "--redis-timeout-ms", "300"});
        QVERIFY(server.port() != 0);
        QCOMPARE(answer(server.port(), registration("Ann", "h")), kAdded);

        fake.mode = FakeRedis::Mode(mode);
        QCOMPARE(answer(server.port(), request), QByteArray());
        QVERIFY(server.running());

        // It recovers by itself once Redis behaves again.
        fake.mode = FakeRedis::Mode::Good;
        QTRY_COMPARE_WITH_TIMEOUT(answer(server.port(), registration("Bo", "h")), kAdded, 15000);
        QCOMPARE(answer(server.port(), "04ann\x02"), listOf({{"Al", "h1"}}));
        QVERIFY(server.output().contains(QStringLiteral("unusable reply")) ||
                server.output().contains(QStringLiteral("unreachable")));
    }
};

ROPEWIT_TEST(TestMatchdRedis)
#include "tst_matchd_redis.moc"
