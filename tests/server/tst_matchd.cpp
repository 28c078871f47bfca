// The matchmaking server's rules without sockets: the waiting list, request reading and
// the command line.
#include <QtTest>

#include "MatchOptions.h"
#include "MatchProtocol.h"
#include "WaitingRegistry.h"

using namespace matchd;

namespace {

QByteArrayList names(const QList<WaitingPlayer>& players) {
    QByteArrayList out;
    for (const WaitingPlayer& p : players)
        out.append(p.name);
    return out;
}

}  // namespace

class TestMatchd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refreshKeepsPlaceAndRestartsExpiry();
    void capacityCountsLivePlayersOnly();
    void removeNeedsNameAndAddress();
    void listsAreBoundedAndOrdered();
    void searchIgnoresCase();
    void requestBufferBounds();
    void parseRequest_data();
    void parseRequest();
    void serviceReplies();
    void logTextIsPrintable();
    void commandLine_data();
    void commandLine();
    void commandLineValues();
};

void TestMatchd::refreshKeepsPlaceAndRestartsExpiry() {
    WaitingRegistry r(10, 1000);
    QCOMPARE(r.add("ann", "a1", 0), WaitingRegistry::AddResult::Added);
    QCOMPARE(r.add("bob", "b1", 100), WaitingRegistry::AddResult::Added);
    QCOMPARE(r.add("cy", "c1", 200), WaitingRegistry::AddResult::Added);
    // ann renews shortly before her entry would lapse: still first, still one entry.
    QCOMPARE(r.add("ann", "a1", 900), WaitingRegistry::AddResult::Refreshed);
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
    QCOMPARE(r.add("dee", "d1", 2000), WaitingRegistry::AddResult::Added);
    QCOMPARE(r.add("ann", "a1", 2001), WaitingRegistry::AddResult::Added);
    QCOMPARE(names(r.longestWaiting(10, 2002)), (QByteArrayList{"dee", "ann"}));
}

void TestMatchd::capacityCountsLivePlayersOnly() {
    WaitingRegistry r(2, 1000);
    QCOMPARE(r.add("a", "1", 0), WaitingRegistry::AddResult::Added);
    QCOMPARE(r.add("b", "2", 10), WaitingRegistry::AddResult::Added);
    QCOMPARE(r.add("c", "3", 20), WaitingRegistry::AddResult::Full);
    // Renewing while full is not a new entry.
    QCOMPARE(r.add("a", "1", 30), WaitingRegistry::AddResult::Refreshed);
    QVERIFY(r.remove("a", "1", 40));
    QCOMPARE(r.add("c", "3", 50), WaitingRegistry::AddResult::Added);
    QCOMPARE(r.add("d", "4", 60), WaitingRegistry::AddResult::Full);
    // b lapses at 1010 and makes room.
    QCOMPARE(r.add("d", "4", 1010), WaitingRegistry::AddResult::Added);
    QCOMPARE(names(r.longestWaiting(10, 1011)), (QByteArrayList{"c", "d"}));
}

void TestMatchd::removeNeedsNameAndAddress() {
    WaitingRegistry r(10, 1000);
    r.add("ann", "a1", 0);
    r.add("ann", "a2", 0);  // the same name elsewhere is another player
    QVERIFY(!r.remove("ann", "a3", 1));
    QVERIFY(!r.remove("Ann", "a1", 1));
    QVERIFY(r.remove("ann", "a1", 1));
    QVERIFY(!r.remove("ann", "a1", 2));
    const QList<WaitingPlayer> left = r.longestWaiting(10, 3);
    QCOMPARE(left.size(), 1);
    QCOMPARE(left[0].address, QByteArray("a2"));
}

void TestMatchd::listsAreBoundedAndOrdered() {
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

void TestMatchd::searchIgnoresCase() {
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

void TestMatchd::requestBufferBounds() {
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
        QCOMPARE(b.append(QByteArray(kMaxRequestBytes - 1, 'a')), RequestBuffer::State::NeedMore);
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

void TestMatchd::parseRequest_data() {
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
    QTest::newRow("register") << QByteArray(
                                     "01Ann\x01"
                                     "192.0.2.7")
                              << true << reg << QByteArray("Ann") << QByteArray("192.0.2.7")
                              << QByteArray();
    QTest::newRow("remove") << QByteArray(
                                   "02Ann\x01"
                                   "192.0.2.7")
                            << true << rem << QByteArray("Ann") << QByteArray("192.0.2.7")
                            << QByteArray();
    QTest::newRow("empty name") << QByteArray(
                                       "01\x01"
                                       "h")
                                << true << reg << QByteArray() << QByteArray("h") << QByteArray();
    QTest::newRow("long fields are cut")
        << QByteArray("01" + QByteArray(30, 'n') + '\x01' + QByteArray(60, 'a')) << true << reg
        << QByteArray(20, 'n') << QByteArray(50, 'a') << QByteArray();
    QTest::newRow("list") << QByteArray("03") << true << lst << QByteArray() << QByteArray()
                          << QByteArray();
    QTest::newRow("search") << QByteArray("04aN ") << true << sea << QByteArray() << QByteArray()
                            << QByteArray("aN ");
    QTest::newRow("search all") << QByteArray("04") << true << sea << QByteArray() << QByteArray()
                                << QByteArray();

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
        QByteArray("04a\x01"),
        QByteArray("04\x03"),
    };
    for (const QByteArray& m : refused) {
        QTest::newRow(("refused " + m.toPercentEncoding()).constData())
            << m << false << 0 << QByteArray() << QByteArray() << QByteArray();
    }
}

void TestMatchd::parseRequest() {
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

void TestMatchd::serviceReplies() {
    MatchService s(2, 10000);
    QCOMPARE(s.handle("03", 0).reply, QByteArray("05\x02"));
    QCOMPARE(s.handle("01Ann\x01"
                      "192.0.2.7",
                      1)
                 .reply,
             QByteArray("07\x02"));
    QCOMPARE(s.handle("01Ann\x01"
                      "192.0.2.7",
                      2)
                 .reply,
             QByteArray("07\x02"));
    QCOMPARE(s.handle("01\x01"
                      "h2",
                      3)
                 .reply,
             QByteArray("07\x02"));
    QCOMPARE(s.handle("01Cy\x01h3", 4).reply, QByteArray("06\x02"));
    QCOMPARE(s.handle("03", 5).reply, QByteArray("05Ann\x01"
                                                 "192.0.2.7\x03\x01h2\x03\x02"));
    QCOMPARE(s.handle("04a", 5).reply, QByteArray("05Ann\x01"
                                                  "192.0.2.7\x03\x02"));

    const Outcome removed = s.handle(
        "02Ann\x01"
        "192.0.2.7",
        6);
    QVERIFY(removed.reply.isEmpty());
    QCOMPARE(removed.result, QStringLiteral("removed"));
    QCOMPARE(s.handle("03", 7).reply, QByteArray("05\x01h2\x03\x02"));

    const Outcome bad = s.handle("01Bad\x03\x01h4", 8);
    QVERIFY(bad.reply.isEmpty());
    QVERIFY(bad.result.startsWith(QStringLiteral("refused")));
    QCOMPARE(s.registry().count(8), 1);

    // Fields are stored cut, so a removal sent in the same long form finds the entry.
    const QByteArray longReg = "01" + QByteArray(25, 'n') + '\x01' + QByteArray(55, 'a');
    QCOMPARE(s.handle(longReg, 9).reply, QByteArray("07\x02"));
    QVERIFY(s.handle(longReg, 9).request.contains(QStringLiteral("(cut)")));
    QByteArray longRemove = longReg;
    longRemove[1] = '2';
    QCOMPARE(s.handle(longRemove, 10).result, QStringLiteral("removed"));
}

void TestMatchd::logTextIsPrintable() {
    QCOMPARE(printable(QByteArray("a\"b\\c\n\x01\xE9", 8)),
             QStringLiteral("a\\\"b\\\\c\\x0a\\x01\\xe9"));
    QCOMPARE(printable(QByteArray(100, 'z'), 10), QStringLiteral("zzzzzzzzzz..."));
}

void TestMatchd::commandLine_data() {
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
    QTest::newRow("listen name") << QStringList{"--listen", "example.org"} << err;
    QTest::newRow("missing value") << QStringList{"--port"} << err;
    QTest::newRow("unknown") << QStringList{"--verbose"} << err;
    QTest::newRow("positional") << QStringList{"52202"} << err;
}

void TestMatchd::commandLine() {
    QFETCH(QStringList, args);
    QFETCH(int, action);
    args.prepend(QStringLiteral("ropewit-matchd"));
    const CommandLine cl = parseCommandLine(args);
    QCOMPARE(int(cl.action), action);
    if (cl.action != CommandLine::Action::Run)
        QVERIFY(!cl.text.isEmpty());
}

void TestMatchd::commandLineValues() {
    const Options defaults = parseCommandLine({QStringLiteral("ropewit-matchd")}).options;
    QCOMPARE(defaults.port, quint16(52202));
    QCOMPARE(defaults.capacity, 1000);
    QCOMPARE(defaults.expirySeconds, 600);
    QCOMPARE(defaults.idleTimeoutMs, 30000);
    QCOMPARE(defaults.listen, QHostAddress(QHostAddress::Any));

    const CommandLine cl =
        parseCommandLine({"ropewit-matchd", "--listen", "::1", "--port", "4000", "--capacity", "5",
                          "--expiry", "60", "--max-connections", "7", "--idle-timeout-ms", "250"});
    QCOMPARE(int(cl.action), int(CommandLine::Action::Run));
    QCOMPARE(cl.options.listen, QHostAddress(QHostAddress::LocalHostIPv6));
    QCOMPARE(cl.options.port, quint16(4000));
    QCOMPARE(cl.options.capacity, 5);
    QCOMPARE(cl.options.expirySeconds, 60);
    QCOMPARE(cl.options.maxConnections, 7);
    QCOMPARE(cl.options.idleTimeoutMs, 250);
    QVERIFY(parseCommandLine({"ropewit-matchd", "--port", "x"}).text.contains("--port"));
}

QTEST_GUILESS_MAIN(TestMatchd)
#include "tst_matchd.moc"
