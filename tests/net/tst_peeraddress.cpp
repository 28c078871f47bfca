#include "Testing.h"
#include "net/PeerAddress.h"

using peeraddress::Target;

class TestPeerAddress : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
    void lengthLimitCountsTheTrimmedText();
    void display_data();
    void display();
    void registration_data();
    void registration();
    void displayedAddressParsesBack();
    void relay_data();
    void relay();
};

void TestPeerAddress::accepted_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("defaultPort");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("portGiven");
    QTest::addColumn<bool>("ipv6");

    QTest::newRow("dotted") << "192.0.2.7" << 52201 << "192.0.2.7" << 52201 << false << false;
    QTest::newRow("dotted, other default")
        << "192.0.2.7" << 52311 << "192.0.2.7" << 52311 << false << false;
    QTest::newRow("dotted with port")
        << "127.0.0.1:52311" << 52201 << "127.0.0.1" << 52311 << true << false;
    QTest::newRow("default port written out")
        << "127.0.0.1:52201" << 52311 << "127.0.0.1" << 52201 << true << false;
    QTest::newRow("name") << "bea.example.org" << 52201 << "bea.example.org" << 52201 << false
                          << false;
    QTest::newRow("name with port") << "localhost:1" << 52201 << "localhost" << 1 << true << false;
    QTest::newRow("highest port") << "localhost:65535" << 52201 << "localhost" << 65535 << true
                                  << false;
    QTest::newRow("leading zeros") << "host:00080" << 52201 << "host" << 80 << true << false;
    QTest::newRow("spaces around")
        << "  192.0.2.7:4000 " << 52201 << "192.0.2.7" << 4000 << true << false;
    QTest::newRow("bare loopback v6") << "::1" << 52201 << "::1" << 52201 << false << true;
    QTest::newRow("bare v6") << "2001:db8::7" << 52201 << "2001:db8::7" << 52201 << false << true;
    QTest::newRow("bare v6, full")
        << "2001:db8:0:0:1:0:0:1" << 52201 << "2001:db8:0:0:1:0:0:1" << 52201 << false << true;
    QTest::newRow("bare v6 with v4 tail")
        << "::ffff:192.0.2.7" << 52201 << "::ffff:192.0.2.7" << 52201 << false << true;
    QTest::newRow("bare v6 ending in a number is not a port")
        << "fe80::1:5000" << 52201 << "fe80::1:5000" << 52201 << false << true;
    QTest::newRow("bare v6 with zone")
        << "fe80::1%eth0" << 52201 << "fe80::1%eth0" << 52201 << false << true;
    QTest::newRow("bracketed v6") << "[::1]" << 52311 << "::1" << 52311 << false << true;
    QTest::newRow("bracketed v6 with port")
        << "[::1]:52311" << 52201 << "::1" << 52311 << true << true;
    QTest::newRow("bracketed v6 with zone and port")
        << "[fe80::1%eth0]:9" << 52201 << "fe80::1%eth0" << 9 << true << true;
    QTest::newRow("name starting with numbers")
        << "7.0x7f.example:9" << 52201 << "7.0x7f.example" << 9 << true << false;
}

void TestPeerAddress::accepted() {
    QFETCH(QString, text);
    QFETCH(int, defaultPort);
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(bool, portGiven);
    QFETCH(bool, ipv6);

    const auto parsed = peeraddress::parse(text, static_cast<quint16>(defaultPort));
    QVERIFY2(parsed.target, qPrintable(parsed.error));
    QVERIFY(parsed.error.isEmpty());
    QCOMPARE(parsed.target->host, host);
    QCOMPARE(parsed.target->port, port);
    QCOMPARE(parsed.target->portGiven, portGiven);
    QCOMPARE(parsed.target->ipv6, ipv6);
}

void TestPeerAddress::refused_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("says");  // a piece of the message the player reads

    QTest::newRow("empty") << ""
                           << "No address";
    QTest::newRow("only blanks") << "   "
                                 << "No address";
    QTest::newRow("blank inside") << "192.0.2 .7"
                                  << "blanks";
    QTest::newRow("tab inside") << "192.0.2.7\t"
                                << "control character";
    QTest::newRow("line feed") << "host\n:5"
                               << "control character";
    QTest::newRow("zero byte") << QString::fromLatin1("ho\0st", 5) << "control character";
    QTest::newRow("delete byte") << "host\x7f"
                                 << "control character";
    QTest::newRow("port 0") << "192.0.2.7:0"
                            << "out of range";
    QTest::newRow("port 00000") << "192.0.2.7:00000"
                                << "out of range";
    QTest::newRow("port 65536") << "192.0.2.7:65536"
                                << "out of range";
    QTest::newRow("port far too big") << "192.0.2.7:99999999999999999999"
                                      << "out of range";
    QTest::newRow("port not a number") << "192.0.2.7:abc"
                                       << "not a number";
    QTest::newRow("port with sign") << "192.0.2.7:+80"
                                    << "not a number";
    QTest::newRow("negative port") << "192.0.2.7:-1"
                                   << "not a number";
    QTest::newRow("port with blank after") << "host:80 x"
                                           << "blanks";
    QTest::newRow("colon without port") << "192.0.2.7:"
                                        << "no port";
    QTest::newRow("no host") << ":52201"
                             << "no host";
    QTest::newRow("v4 with two colons") << "192.0.2.7:52201:1"
                                        << "IPv4";
    QTest::newRow("v4 with double colon") << "192.0.2.7::52201"
                                          << "IPv4";
    QTest::newRow("name with two colons") << "host:1:2"
                                          << "brackets";
    QTest::newRow("v6 with port unbracketed") << "2001:db8::1:52311:7:7:7:7"
                                              << "brackets";
    QTest::newRow("bracket without end") << "[::1"
                                         << "never closes";
    QTest::newRow("bracket without end, port") << "[::1:52311"
                                               << "never closes";
    QTest::newRow("end without bracket") << "::1]:52311"
                                         << "never opened";
    QTest::newRow("bracket inside") << "host[1]"
                                    << "may only begin";
    QTest::newRow("v4 in brackets") << "[192.0.2.7]:52311"
                                    << "Only an IPv6";
    QTest::newRow("name in brackets") << "[localhost]"
                                      << "Only an IPv6";
    QTest::newRow("empty brackets") << "[]:52311"
                                    << "Only an IPv6";
    QTest::newRow("bad v6 in brackets") << "[1:2:3:4:5:6:7:8:9]"
                                        << "Only an IPv6";
    QTest::newRow("two gaps in brackets") << "[1::2::3]"
                                          << "Only an IPv6";
    QTest::newRow("text after bracket") << "[::1]52311"
                                        << "After ']'";
    QTest::newRow("bad port after bracket") << "[::1]:0"
                                            << "out of range";
    QTest::newRow("no port after bracket") << "[::1]:"
                                           << "no port";
    QTest::newRow("relay address typed") << "203.0.113.5:52203/q3XbT0-_c9LmZpQwErTyUi"
                                         << "not a number";
    QTest::newRow("over 50 bytes") << QString(51, QLatin1Char('a')) << "at most 50";
    // Not one other computer, or a number that resolvers read as an IPv4 address of their own.
    const char* const notOneHost[][2] = {
        {"0.0.0.0:52311", "no one computer"}, {"0.1.2.3", "no one computer"},
        {"[::]:52311", "no one computer"},    {"[::ffff:0.0.0.0]", "no one computer"},
        {"224.0.0.1", "multicast"},           {"[ff02::1]:52311", "multicast"},
        {"255.255.255.255", "broadcast"},     {"127.1:52311", "four numbers"},
        {"2130706433:52311", "four numbers"}, {"0x7f.1", "four numbers"},
        {"0177.0.0.1", "four numbers"},       {"1.2.3.4.5", "four numbers"},
        {"256.0.0.1", "four numbers"},        {"::", "no one computer"}};
    for (const auto& [text, says] : notOneHost) {
        QTest::newRow(text) << QString::fromLatin1(text) << QString::fromLatin1(says);
    }
}

void TestPeerAddress::refused() {
    QFETCH(QString, text);
    QFETCH(QString, says);

    const auto parsed = peeraddress::parse(text);
    QVERIFY2(!parsed.target, qPrintable(parsed.target ? parsed.target->host : QString()));
    QVERIFY2(parsed.error.contains(says, Qt::CaseInsensitive), qPrintable(parsed.error));
    QVERIFY(parsed.error.endsWith(QLatin1Char('.')));
}

void TestPeerAddress::lengthLimitCountsTheTrimmedText() {
    const QString fifty(50, QLatin1Char('a'));
    QVERIFY(peeraddress::parse(fifty).target);
    QVERIFY(peeraddress::parse(QStringLiteral("  ") + fifty + QStringLiteral("  ")).target);
    QVERIFY(!peeraddress::parse(fifty + QLatin1Char('b')).target);
    // A typed name may be given more room than a list entry.
    QVERIFY(peeraddress::parse(fifty + QLatin1Char('b'), 52201, 255).target);
}

void TestPeerAddress::display_data() {
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("shown");

    QTest::newRow("v4 default") << "192.0.2.7" << 52201 << "192.0.2.7";
    QTest::newRow("v4 other") << "192.0.2.7" << 52311 << "192.0.2.7:52311";
    QTest::newRow("v6 default") << "2001:db8::7" << 52201 << "2001:db8::7";
    QTest::newRow("v6 other") << "2001:db8::7" << 52311 << "[2001:db8::7]:52311";
    QTest::newRow("name other") << "bea.example.org" << 1 << "bea.example.org:1";
}

void TestPeerAddress::display() {
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(QString, shown);
    QCOMPARE(peeraddress::display(host, static_cast<quint16>(port)), shown);
}

void TestPeerAddress::registration_data() {
    QTest::addColumn<QString>("own");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("sent");

    // At the default port the address travels exactly as it always has, oddities included.
    QTest::newRow("default port") << "192.0.2.7" << 52201 << "192.0.2.7";
    QTest::newRow("default port, v6") << "2001:db8::7" << 52201 << "2001:db8::7";
    QTest::newRow("default port, odd text") << "my host" << 52201 << "my host";
    QTest::newRow("other port") << "192.0.2.7" << 52311 << "192.0.2.7:52311";
    QTest::newRow("other port, v6") << "2001:db8::7" << 52311 << "[2001:db8::7]:52311";
}

void TestPeerAddress::registration() {
    QFETCH(QString, own);
    QFETCH(int, port);
    QFETCH(QString, sent);
    QCOMPARE(peeraddress::registration(own, static_cast<quint16>(port)), sent);
}

// What one copy shows or registers, the other copy must be able to dial.
void TestPeerAddress::displayedAddressParsesBack() {
    const QStringList hosts{QStringLiteral("192.0.2.7"), QStringLiteral("2001:db8::7"),
                            QStringLiteral("::1"), QStringLiteral("bea.example.org")};
    for (const QString& host : hosts) {
        for (const quint16 port : {quint16(1), quint16(52201), quint16(52311), quint16(65535)}) {
            const auto parsed = peeraddress::parse(peeraddress::registration(host, port), 4000);
            QVERIFY(parsed.target);
            QCOMPARE(parsed.target->host, host);
            QCOMPARE(parsed.target->port, port == 52201 ? quint16(4000) : port);
        }
    }
}

// Only the server's list carries relayed addresses; anything else must not be dialled as one.
void TestPeerAddress::relay_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("host");  // empty: refused
    QTest::addColumn<QString>("token");

    const QString token = QStringLiteral("q3XbT0-_c9LmZpQwErTyUi");
    QTest::newRow("listed") << "203.0.113.5:52203/" + token << "203.0.113.5" << token;
    QTest::newRow("listed, v6") << "[2001:db8::5]:52203/" + token << "2001:db8::5" << token;
    QTest::newRow("no relay port") << "203.0.113.5/" + token << ""
                                   << "";
    QTest::newRow("plain address") << "203.0.113.5:52203"
                                   << ""
                                   << "";
    QTest::newRow("empty token") << "203.0.113.5:52203/"
                                 << ""
                                 << "";
    QTest::newRow("token too long") << "h:1/" + QString(44, QLatin1Char('a')) << ""
                                    << "";
    QTest::newRow("token with '+'") << "203.0.113.5:52203/q3X+T0"
                                    << ""
                                    << "";
    QTest::newRow("token with control byte") << "203.0.113.5:52203/q3X\x01T0"
                                             << ""
                                             << "";
}

void TestPeerAddress::relay() {
    QFETCH(QString, text);
    QFETCH(QString, host);
    QFETCH(QString, token);
    const auto relay = peeraddress::parseRelay(text);
    QCOMPARE(relay.has_value(), !host.isEmpty());
    if (relay) {
        QCOMPARE(relay->relay.host, host);
        QCOMPARE(relay->relay.port, quint16(52203));
        QCOMPARE(relay->token, token);
    }
}

ROPEWIT_TEST(TestPeerAddress)
#include "tst_peeraddress.moc"
