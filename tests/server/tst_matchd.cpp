// The matchmaking server's rules without sockets: the waiting list and its index, request
// reading, the address policy and the command line.
#include <QRandomGenerator>
#include <map>

#include "AddressPolicy.h"
#include "MatchOptions.h"
#include "MatchProtocol.h"
#include "MatchService.h"
#include "MatchWire.h"
#include "MemoryStore.h"
#include "RedisStore.h"
#include "Testing.h"
#include "WaitingRegistry.h"

using namespace matchd;

namespace {

QByteArrayList names(const QList<WaitingPlayer>& players) {
    QByteArrayList out;
    for (const WaitingPlayer& p : players)
        out.append(p.name);
    return out;
}

// A registration or removal as the service reads it, without its end mark.
QByteArray req(const char* code, const QByteArray& name, const QByteArray& address) {
    return code + name + '\x01' + address;
}

Outcome run(MatchService& service, const QByteArray& message,
            const QHostAddress& from = QHostAddress(QHostAddress::LocalHost)) {
    Outcome result;
    int calls = 0;
    service.handle(message, from, [&](const Outcome& o) {
        result = o;
        ++calls;
    });
    if (calls != 1)
        qWarning("handle answered %d times", calls);
    return result;
}

}  // namespace

class TestMatchd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refreshKeepsPlaceAndRestartsExpiry() {
        WaitingRegistry r(10, 1000);
        QCOMPARE(r.add("ann", "a1", 0), AddResult::Added);
        QCOMPARE(r.add("bob", "b1", 100), AddResult::Added);
        QCOMPARE(r.add("cy", "c1", 200), AddResult::Added);
        // ann renews shortly before her entry would lapse: still first, still one entry.
        QCOMPARE(r.add("ann", "a1", 900), AddResult::Refreshed);
        QCOMPARE(names(r.longestWaiting(10, 950)), (QByteArrayList{"ann", "bob", "cy"}));
        QCOMPARE(r.count(950), 3);
        // bob and cy lapse at 1100 and 1200; ann lives until 1900.
        QCOMPARE(names(r.longestWaiting(10, 1099)), (QByteArrayList{"ann", "bob", "cy"}));
        QCOMPARE(names(r.longestWaiting(10, 1100)), (QByteArrayList{"ann", "cy"}));
        QCOMPARE(names(r.longestWaiting(10, 1899)), QByteArrayList{"ann"});
        QCOMPARE(r.count(1900), 0);
        // A clock reading from the past does not bring anyone back.
        QCOMPARE(r.count(0), 0);
        // Once lapsed, the same player registers anew and goes to the end of the line.
        QCOMPARE(r.add("dee", "d1", 2000), AddResult::Added);
        QCOMPARE(r.add("ann", "a1", 2001), AddResult::Added);
        QCOMPARE(names(r.longestWaiting(10, 2002)), (QByteArrayList{"dee", "ann"}));
    }

    void capacityCountsLivePlayersOnly() {
        WaitingRegistry r(2, 1000);  // room for two
        QCOMPARE(r.add("a", "1", 0), AddResult::Added);
        QCOMPARE(r.add("b", "2", 10), AddResult::Added);
        QCOMPARE(r.add("c", "3", 20), AddResult::Full);
        // Renewing while full is not a new entry.
        QCOMPARE(r.add("a", "1", 30), AddResult::Refreshed);
        QCOMPARE(r.remove("a", "1", {}, 40), RemoveResult::Removed);
        QCOMPARE(r.add("c", "3", 50), AddResult::Added);
        QCOMPARE(r.add("d", "4", 60), AddResult::Full);
        // b lapses at 1010 and makes room.
        QCOMPARE(r.add("d", "4", 1010), AddResult::Added);
        QCOMPARE(names(r.longestWaiting(10, 1011)), (QByteArrayList{"c", "d"}));
    }

    void removeNeedsNameAndAddress() {
        WaitingRegistry r(10, 1000);
        r.add("ann", "a1", 0);
        r.add("ann", "a2", 0);  // the same name elsewhere is another player
        QCOMPARE(r.remove("ann", "a3", {}, 1), RemoveResult::NotWaiting);
        QCOMPARE(r.remove("Ann", "a1", {}, 1), RemoveResult::NotWaiting);
        QCOMPARE(r.remove("ann", "a1", {}, 1), RemoveResult::Removed);
        QCOMPARE(r.remove("ann", "a1", {}, 2), RemoveResult::NotWaiting);
        const QList<WaitingPlayer> left = r.longestWaiting(10, 3);
        QCOMPARE(left.size(), 1);
        QCOMPARE(left[0].address, QByteArray("a2"));
    }

    void listsAreBoundedAndOrdered() {
        WaitingRegistry r(100, 1000);
        for (int i = 0; i < 15; ++i)
            r.add(QByteArray("p") + QByteArray::number(i), "x", i);
        const QList<WaitingPlayer> ten = r.longestWaiting(kMaxListEntries, 20);
        QCOMPARE(ten.size(), 10);
        QCOMPARE(ten.first().name, QByteArray("p0"));
        QCOMPARE(ten.last().name, QByteArray("p9"));
        // The limit applies to the matches, not to the players looked at.
        QCOMPARE(names(r.withPrefix("p1", 10, 20)),
                 (QByteArrayList{"p1", "p10", "p11", "p12", "p13", "p14"}));
        QVERIFY(r.longestWaiting(0, 20).isEmpty());
    }

    void searchIgnoresCase() {
        WaitingRegistry r(100, 1000);
        r.add("Anna", "1", 0);
        r.add("bob", "2", 1);
        r.add("andy", "3", 2);
        r.add("\xC9mile", "4", 3);  // Émile
        r.add(
            "\x9A"
            "arka",
            "5", 4);  // šarka
        r.add("An", "6", 5);
        QCOMPARE(names(r.withPrefix("AN", 10, 10)), (QByteArrayList{"Anna", "andy", "An"}));
        QCOMPARE(names(r.withPrefix("ann", 10, 10)), QByteArrayList{"Anna"});
        QCOMPARE(names(r.withPrefix("\xE9", 10, 10)), QByteArrayList{"\xC9mile"});
        QCOMPARE(names(r.withPrefix("\x8A", 10, 10)), QByteArrayList{"\x9A"
                                                                     "arka"});
        QCOMPARE(r.withPrefix({}, 10, 10).size(), 6);
        QVERIFY(r.withPrefix("Annabel", 10, 10).isEmpty());
        // Characters that merely look alike are not folded together.
        QVERIFY(r.withPrefix("\xD7", 10, 10).isEmpty());
        QCOMPARE(foldCase('\xD7'), '\xD7');
        QCOMPARE(foldCase('\x9F'), '\xFF');
        QCOMPARE(foldCase('['), '[');
    }

    void limitPerSourceAndOwnership() {
        WaitingRegistry r(100, 1000, 2);
        const auto reg = [](const QByteArray& name, const QByteArray& source) {
            return Registration{name, "h-" + name, {}, source};
        };
        QCOMPARE(r.add(reg("a", "10.0.0.1"), 0), AddResult::Added);
        QCOMPARE(r.add(reg("b", "10.0.0.1"), 0), AddResult::Added);
        QCOMPARE(r.add(reg("c", "10.0.0.1"), 0), AddResult::AddressFull);
        // Renewals still count as registered, and another address has its own allowance.
        QCOMPARE(r.add(reg("a", "10.0.0.1"), 10), AddResult::Refreshed);
        QCOMPARE(r.add(reg("c", "10.0.0.2"), 10), AddResult::Added);
        // Somebody else cannot renew or remove a player, nor take its name and address.
        QCOMPARE(r.add(reg("a", "10.0.0.2"), 20), AddResult::TakenElsewhere);
        QCOMPARE(r.remove("a", "h-a", "10.0.0.2", 20), RemoveResult::OtherSource);
        QCOMPARE(r.count(20), 3);
        // A removal or a lapse gives the allowance back.
        QCOMPARE(r.remove("a", "h-a", "10.0.0.1", 30), RemoveResult::Removed);
        QCOMPARE(r.add(reg("d", "10.0.0.1"), 40), AddResult::Added);
        QCOMPARE(r.add(reg("e", "10.0.0.1"), 40), AddResult::AddressFull);
        QCOMPARE(r.count(1009), 2);  // b lapsed at 1000: c and d are left
        QCOMPARE(r.add(reg("e", "10.0.0.1"), 1009), AddResult::Added);
        QVERIFY(r.checkInvariants());
    }

    void indexAgreesWithAScan() {
        // Random registrations, renewals, removals and lapses; every search must give what a
        // plain scan of the waiting players in order gives, and the tree must stay sound.
        QRandomGenerator rng(424242);
        WaitingRegistry r(5000, 400, 0);
        struct Model {
            QByteArray name;
            qint64 refreshed;
        };
        std::map<quint64, Model> model;  // by order of first registration
        std::map<QByteArray, quint64> seqOf;
        quint64 nextSeq = 0;
        static const char letters[] = "aAbB\xe9\xc9\x8a\x9a[z";
        const auto randomName = [&] {
            QByteArray n;
            const int length = rng.bounded(4);
            for (int i = 0; i < length; ++i)
                n += letters[rng.bounded(int(sizeof letters) - 1)];
            return n;
        };
        qint64 now = 0;
        for (int step = 0; step < 6000; ++step) {
            now += rng.bounded(3);
            for (auto it = model.begin(); it != model.end();) {
                if (now - it->second.refreshed >= 400) {
                    seqOf.erase(it->second.name);
                    it = model.erase(it);
                } else {
                    ++it;
                }
            }
            const QByteArray name = randomName();
            switch (rng.bounded(4)) {
                case 0:
                case 1: {
                    const AddResult got = r.add(name, "x", now);
                    const auto known = seqOf.find(name);
                    if (known != seqOf.end()) {
                        QCOMPARE(got, AddResult::Refreshed);
                        model[known->second].refreshed = now;
                    } else {
                        QCOMPARE(got, AddResult::Added);
                        seqOf[name] = nextSeq;
                        model[nextSeq++] = {name, now};
                    }
                    break;
                }
                case 2: {
                    const auto known = seqOf.find(name);
                    QCOMPARE(r.remove(name, "x", {}, now), known != seqOf.end()
                                                               ? RemoveResult::Removed
                                                               : RemoveResult::NotWaiting);
                    if (known != seqOf.end()) {
                        model.erase(known->second);
                        seqOf.erase(known);
                    }
                    break;
                }
                default: {
                    const QByteArray prefix = name.left(rng.bounded(3));
                    QByteArrayList expected;
                    for (const auto& [seq, m] : model) {
                        if (startsWithFolded(m.name, prefix) && expected.size() < 10)
                            expected.append(m.name);
                    }
                    QCOMPARE(names(r.withPrefix(prefix, 10, now)), expected);
                    break;
                }
            }
            if (step % 500 == 0)
                QVERIFY(r.checkInvariants());
        }
        QCOMPARE(r.count(now), int(model.size()));
        QVERIFY(r.checkInvariants());
    }

    void requestBufferBounds() {
        {
            RequestBuffer b;  // arrives in pieces; what follows the end mark is not read
            QCOMPARE(b.append("0"), RequestBuffer::State::NeedMore);
            QCOMPARE(b.append(QByteArray("3\x02"
                                         "04x\x02",
                                         6)),
                     RequestBuffer::State::Complete);
            QCOMPARE(b.message(), QByteArray("03"));
            QCOMPARE(b.append("more"), RequestBuffer::State::Complete);
            QCOMPARE(b.message(), QByteArray("03"));
        }
        {
            RequestBuffer b;  // the longest request there can be
            QCOMPARE(b.append(QByteArray(kMaxRequestBytes - 1, 'a')),
                     RequestBuffer::State::NeedMore);
            QCOMPARE(b.append("\x02"), RequestBuffer::State::Complete);
            QCOMPARE(b.message().size(), kMaxRequestBytes - 1);
        }
        {
            RequestBuffer b;  // one byte more and the end mark comes too late
            QCOMPARE(b.append(QByteArray(kMaxRequestBytes, 'a') + '\x02'),
                     RequestBuffer::State::Overflow);
            QCOMPARE(b.size(), 0);
            QCOMPARE(b.append("\x02"), RequestBuffer::State::Overflow);
        }
        {
            RequestBuffer b;  // a flood in small pieces ends the same way
            RequestBuffer::State s = RequestBuffer::State::NeedMore;
            for (int i = 0; i < 5000 && s == RequestBuffer::State::NeedMore; ++i)
                s = b.append("xy");
            QCOMPARE(s, RequestBuffer::State::Overflow);
        }
    }

    void parseRequest_data() {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("address");
        QTest::addColumn<QByteArray>("letters");

        const int reg = int(Request::Kind::Register);
        const int rem = int(Request::Kind::Remove);
        const int lst = int(Request::Kind::ListLongest);
        const int sea = int(Request::Kind::ListByLetters);
        QTest::newRow("register") << req("01", "Ann", "192.0.2.7") << true << reg
                                  << QByteArray("Ann") << QByteArray("192.0.2.7") << QByteArray();
        QTest::newRow("remove") << req("02", "Ann", "192.0.2.7") << true << rem << QByteArray("Ann")
                                << QByteArray("192.0.2.7") << QByteArray();
        QTest::newRow("empty name")
            << req("01", "", "h") << true << reg << QByteArray() << QByteArray("h") << QByteArray();
        QTest::newRow("long fields are cut")
            << QByteArray("01" + QByteArray(30, 'n') + '\x01' + QByteArray(60, 'a')) << true << reg
            << QByteArray(20, 'n') << QByteArray(50, 'a') << QByteArray();
        QTest::newRow("list") << QByteArray("03") << true << lst << QByteArray() << QByteArray()
                              << QByteArray();
        QTest::newRow("search") << QByteArray("04aN ") << true << sea << QByteArray()
                                << QByteArray() << QByteArray("aN ");
        QTest::newRow("search all")
            << QByteArray("04") << true << sea << QByteArray() << QByteArray() << QByteArray();

        const QList<QByteArray> refused = {
            "",
            "0",
            "00",
            "05",
            "09",
            "10",
            "1",
            "ab",
            " 3",
            "01Ann",                        // no separator
            "01Ann\x01",                    // nowhere to call
            QByteArray("01An\x03n\x01h"),   // would end a list entry early
            QByteArray("01Ann\x01h\x01i"),  // a second separator
            QByteArray("02Ann\x01h\x03"),
            QByteArray("01A\0n\x01h", 7),  // would cut a client's read short
            "03x",
            "01Bob\r\nAlice (1 min)\x01h",  // one entry drawn as two players
            "01Ann\x01h\tx",
            "02A\x1fn\x01h",
            QByteArray("04a\n"),
            QByteArray("04a\x01"),
            QByteArray("04\x03"),
        };
        for (const QByteArray& m : refused) {
            QTest::newRow(("refused " + m.toPercentEncoding()).constData())
                << m << false << 0 << QByteArray() << QByteArray() << QByteArray();
        }
    }

    void parseRequest() {
        QFETCH(QByteArray, message);
        QFETCH(bool, ok);
        const ParsedRequest parsed = matchd::parseRequest(message);
        QCOMPARE(parsed.ok, ok);
        if (!ok) {
            QVERIFY(!parsed.refusal.isEmpty());
            return;
        }
        QFETCH(int, kind);
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, address);
        QFETCH(QByteArray, letters);
        QCOMPARE(int(parsed.request.kind), kind);
        QCOMPARE(parsed.request.name, name);
        QCOMPARE(parsed.request.address, address);
        QCOMPARE(parsed.request.letters, letters);
    }

    void serviceReplies() {
        MemoryStore store(2, 600000, 0);
        MatchService s(store, AddressPolicy::Claimed);
        QCOMPARE(run(s, "03").reply, kEmptyList);
        QCOMPARE(run(s, req("01", "Ann", "192.0.2.7")).reply, kAdded);
        QCOMPARE(run(s, req("01", "Ann", "192.0.2.7")).result, QStringLiteral("07 refreshed"));
        QCOMPARE(run(s, req("01", "", "h2")).reply, kAdded);
        const Outcome full = run(s, "01Cy\x01h3");
        QCOMPARE(full.reply, kFull);
        QVERIFY(full.notable);
        QCOMPARE(run(s, "03").reply, listOf({{"Ann", "192.0.2.7"}, {"", "h2"}}));
        QCOMPARE(run(s, "04a").reply, listOf({{"Ann", "192.0.2.7"}}));

        // Only the address that registered a player can remove it.
        const Outcome elsewhere = run(s, req("02", "Ann", "192.0.2.7"), QHostAddress("127.0.0.2"));
        QVERIFY(elsewhere.reply.isEmpty());
        QVERIFY(elsewhere.notable);
        QVERIFY(elsewhere.result.startsWith(QStringLiteral("ignored")));
        const Outcome removed = run(s, req("02", "Ann", "192.0.2.7"));
        QVERIFY(removed.reply.isEmpty());
        QCOMPARE(removed.result, QStringLiteral("removed"));
        QCOMPARE(run(s, "03").reply, listOf({{"", "h2"}}));

        const Outcome bad = run(s, "01Bad\x03\x01h4");
        QVERIFY(bad.reply.isEmpty());
        QVERIFY(bad.notable);
        QVERIFY(bad.result.startsWith(QStringLiteral("refused")));
        QCOMPARE(store.registry().count(0), 1);

        // Fields are stored cut, so a removal sent in the same long form finds the entry.
        const QByteArray longReg = "01" + QByteArray(25, 'n') + '\x01' + QByteArray(55, 'a');
        QCOMPARE(run(s, longReg).reply, kAdded);
        QVERIFY(run(s, longReg).request.contains(QStringLiteral("(cut)")));
        QByteArray longRemove = longReg;
        longRemove[1] = '2';
        QCOMPARE(run(s, longRemove).result, QStringLiteral("removed"));

        // The listed address follows the policy; the identity stays what the client sent.
        MemoryStore observedStore(10, 600000, 0);
        MatchService observed(observedStore, AddressPolicy::Observed);
        QCOMPARE(
            run(observed, req("01", "Di", "192.168.1.5:52201"), QHostAddress("::ffff:198.51.100.4"))
                .reply,
            kAdded);
        QCOMPARE(run(observed, "03").reply, listOf({{"Di", "198.51.100.4:52201"}}));
        run(observed, req("02", "Di", "192.168.1.5:52201"), QHostAddress("198.51.100.4"));
        QCOMPARE(run(observed, "03").reply, kEmptyList);
    }

    void logTextIsPrintable() {
        QCOMPARE(printable(QByteArray("a\"b\\c\n\x01\xE9", 8)),
                 QStringLiteral("a\\\"b\\\\c\\x0a\\x01\\xe9"));
        QCOMPARE(printable(QByteArray(100, 'z'), 10), QStringLiteral("zzzzzzzzzz..."));
    }

    void addressPolicy_data() {
        QTest::addColumn<int>("policy");
        QTest::addColumn<QByteArray>("claimed");
        QTest::addColumn<QString>("observed");
        QTest::addColumn<QByteArray>("listed");
        const AddressPolicy A = AddressPolicy::Auto, C = AddressPolicy::Claimed,
                            O = AddressPolicy::Observed;
        const struct {
            const char* tag;
            AddressPolicy policy;
            const char *claimed, *observed, *listed;
        } rows[] = {
            {"claimed keeps a private address", C, "192.168.1.5", "203.0.113.9", "192.168.1.5"},
            {"observed takes the source", O, "192.0.2.7", "203.0.113.9", "203.0.113.9"},
            {"observed keeps the port sent", O, "10.1.2.3:52201", "203.0.113.9",
             "203.0.113.9:52201"},
            {"observed IPv6 with port", O, "[fd00::5]:4000", "2001:db8::7", "[2001:db8::7]:4000"},
            {"observed IPv4-mapped", O, "h", "::ffff:198.51.100.4", "198.51.100.4"},
            {"auto: private claim, public source", A, "192.168.1.5:52201", "203.0.113.9",
             "203.0.113.9:52201"},
            {"auto: shared address space", A, "100.64.3.4", "203.0.113.9", "203.0.113.9"},
            {"auto: link-local", A, "169.254.1.1", "203.0.113.9", "203.0.113.9"},
            {"auto: unique-local IPv6", A, "fd12::1", "2001:db8::7", "2001:db8::7"},
            {"auto: public claim stays", A, "198.51.100.1", "203.0.113.9", "198.51.100.1"},
            {"auto: on a LAN both are private", A, "192.168.1.5", "192.168.1.9", "192.168.1.5"},
            {"auto: over loopback", A, "127.0.0.1", "127.0.0.1", "127.0.0.1"},
            {"auto: a host name is not judged", A, "home.example", "203.0.113.9", "home.example"},
            {"auto: odd port text is part of the host", A, "10.0.0.1:x", "203.0.113.9",
             "10.0.0.1:x"},
        };
        for (const auto& r : rows) {
            QTest::newRow(r.tag) << int(r.policy) << QByteArray(r.claimed) << QString(r.observed)
                                 << QByteArray(r.listed);
        }
    }

    void addressPolicy() {
        QFETCH(int, policy);
        QFETCH(QByteArray, claimed);
        QFETCH(QString, observed);
        QFETCH(QByteArray, listed);
        QCOMPARE(listedAddress(claimed, QHostAddress(observed), AddressPolicy(policy)), listed);
    }

    void routableAddresses() {
        for (const char* local : {"10.1.1.1", "172.16.0.1", "172.31.255.255", "192.168.0.1",
                                  "100.64.0.1", "100.127.255.255", "127.0.0.1", "169.254.9.9",
                                  "0.0.0.0", "::1", "fe80::1", "fc00::1", "fdff::1", "224.0.0.1"})
            QVERIFY2(!isGloballyRoutable(QHostAddress(QString::fromLatin1(local))), local);
        for (const char* global :
             {"8.8.8.8", "172.32.0.1", "100.128.0.1", "203.0.113.9", "2001:db8::1", "2a00::1"})
            QVERIFY2(isGloballyRoutable(QHostAddress(QString::fromLatin1(global))), global);
        QCOMPARE(addressText(QHostAddress("::ffff:10.0.0.1")), QByteArray("10.0.0.1"));
    }

    void redisUrls_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("db");
        QTest::newRow("full") << "redis://10.0.0.5:6380/3" << true << "10.0.0.5" << 6380 << 3;
        QTest::newRow("default port")
            << "redis://cache.example" << true << "cache.example" << 6379 << 0;
        QTest::newRow("trailing slash") << "redis://h:1/" << true << "h" << 1 << 0;
        QTest::newRow("ipv6") << "redis://[::1]:7000/1" << true << "::1" << 7000 << 1;
        QTest::newRow("other scheme") << "http://h:1" << false << "" << 0 << 0;
        QTest::newRow("no host") << "redis://:6379" << false << "" << 0 << 0;
        QTest::newRow("port 0") << "redis://h:0" << false << "" << 0 << 0;
        QTest::newRow("empty port") << "redis://h:" << false << "" << 0 << 0;
        QTest::newRow("bad db") << "redis://h:1/x" << false << "" << 0 << 0;
        QTest::newRow("bare ipv6") << "redis://::1:6379" << false << "" << 0 << 0;
        QTest::newRow("credentials") << "redis://u:p@h:1" << false << "" << 0 << 0;
    }

    void redisUrls() {
        QFETCH(QString, url);
        QFETCH(bool, ok);
        const std::optional<RedisAddress> a = parseRedisUrl(url);
        QCOMPARE(a.has_value(), ok);
        if (!ok)
            return;
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(int, db);
        QCOMPARE(a->host, host);
        QCOMPARE(int(a->port), port);
        QCOMPARE(a->db, db);
    }

    void lexBounds() {
        QCOMPARE(RedisStore::lowerLexBound("ab"), QByteArray("[ab"));
        QCOMPARE(RedisStore::upperLexBound("ab"), QByteArray("(ac"));
        QCOMPARE(RedisStore::upperLexBound("a\xff\xff"), QByteArray("(b"));
        QCOMPARE(RedisStore::upperLexBound("\xff"), QByteArray("+"));
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("action");
        const int run = int(CommandLine::Action::Run);
        const int err = int(CommandLine::Action::Error);
        QTest::newRow("none") << QStringList() << run;
        QTest::newRow("help") << QStringList{"--help"} << int(CommandLine::Action::Help);
        QTest::newRow("version") << QStringList{"-v"} << int(CommandLine::Action::Version);
        QTest::newRow("port 0") << QStringList{"--port", "0"} << run;
        QTest::newRow("port text") << QStringList{"--port", "http"} << err;
        QTest::newRow("port too big") << QStringList{"--port=65536"} << err;
        QTest::newRow("port negative") << QStringList{"--port=-1"} << err;
        QTest::newRow("port with blank") << QStringList{"--port= 80"} << err;
        QTest::newRow("capacity 0") << QStringList{"--capacity=0"} << err;
        QTest::newRow("capacity huge") << QStringList{"--capacity=99999999999"} << err;
        QTest::newRow("expiry 0") << QStringList{"--expiry=0"} << err;
        QTest::newRow("expiry fraction") << QStringList{"--expiry=1.5"} << err;
        QTest::newRow("connections 0") << QStringList{"--max-connections=0"} << err;
        QTest::newRow("idle 0") << QStringList{"--idle-timeout-ms=0"} << err;
        QTest::newRow("redis timeout 0") << QStringList{"--redis-timeout-ms=0"} << err;
        QTest::newRow("listen name") << QStringList{"--listen", "example.org"} << err;
        QTest::newRow("missing value") << QStringList{"--port"} << err;
        QTest::newRow("unknown") << QStringList{"--verbose"} << err;
        QTest::newRow("positional") << QStringList{"52202"} << err;
        QTest::newRow("store memory") << QStringList{"--store", "memory"} << run;
        QTest::newRow("store redis") << QStringList{"--store", "redis://127.0.0.1:6379/2"} << run;
        QTest::newRow("store other") << QStringList{"--store", "disk"} << err;
        QTest::newRow("per address 0") << QStringList{"--max-per-address=0"} << run;
        QTest::newRow("per address negative") << QStringList{"--max-per-address=-1"} << err;
        QTest::newRow("policy") << QStringList{"--address-policy", "observed"} << run;
        QTest::newRow("policy unknown") << QStringList{"--address-policy", "nat"} << err;
        QTest::newRow("stats") << QStringList{"--stats-interval", "60"} << run;
        QTest::newRow("stats text") << QStringList{"--stats-interval", "often"} << err;
    }

    void commandLine() {
        QFETCH(QStringList, args);
        QFETCH(int, action);
        args.prepend(QStringLiteral("ropewit-matchd"));
        const CommandLine cl = parseCommandLine(args);
        QCOMPARE(int(cl.action), action);
        if (cl.action != CommandLine::Action::Run)
            QVERIFY(!cl.text.isEmpty());
    }

    void commandLineValues() {
        const Options defaults = parseCommandLine({QStringLiteral("ropewit-matchd")}).options;
        QCOMPARE(defaults.port, quint16(52202));
        QCOMPARE(defaults.capacity, 1000);
        QCOMPARE(defaults.expirySeconds, 600);
        QCOMPARE(defaults.idleTimeoutMs, 30000);
        QCOMPARE(defaults.redisTimeoutMs, 3000);
        QCOMPARE(defaults.listen, QHostAddress(QHostAddress::Any));
        QVERIFY(!defaults.redis.has_value());
        QCOMPARE(defaults.maxPerAddress, 8);
        QCOMPARE(int(defaults.addressPolicy), int(AddressPolicy::Auto));
        QVERIFY(!defaults.logRequests);
        QCOMPARE(defaults.statsIntervalSeconds, 0);

        const CommandLine cl =
            parseCommandLine({"ropewit-matchd", "--listen", "::1", "--port", "4000", "--capacity",
                              "5", "--expiry", "60", "--max-connections", "7", "--idle-timeout-ms",
                              "250", "--redis-timeout-ms", "400"});
        QCOMPARE(int(cl.action), int(CommandLine::Action::Run));
        QCOMPARE(cl.options.listen, QHostAddress(QHostAddress::LocalHostIPv6));
        QCOMPARE(cl.options.port, quint16(4000));
        QCOMPARE(cl.options.capacity, 5);
        QCOMPARE(cl.options.expirySeconds, 60);
        QCOMPARE(cl.options.maxConnections, 7);
        QCOMPARE(cl.options.idleTimeoutMs, 250);
        QCOMPARE(cl.options.redisTimeoutMs, 400);
        QVERIFY(parseCommandLine({"ropewit-matchd", "--port", "x"}).text.contains("--port"));
    }
};

ROPEWIT_TEST(TestMatchd)
#include "tst_matchd.moc"
