#include "Testing.h"

#include "matchmaking/OpponentList.h"

namespace {

// Builds a payload from (name, address) pairs: name 0x01 address 0x03 each.
QString listOf(std::initializer_list<std::pair<const char*, const char*>> entries) {
    QString out;
    for (const auto& [name, address] : entries) {
        out += QString::fromLatin1(name) + QChar(0x01) + QString::fromLatin1(address) + QChar(0x03);
    }
    return out;
}

// The entries as name|address, in order.
QStringList shown(const std::vector<opponents::Entry>& entries) {
    QStringList out;
    for (const opponents::Entry& e : entries)
        out << e.name + QLatin1Char('|') + e.address;
    return out;
}

// The history's slots, with the 10.0.0. of numbered() left off.
QString slotsOf(const opponents::AddressSlots& h) {
    return QStringList(h.begin(), h.end()).join(QLatin1Char(' ')).remove(QStringLiteral("10.0.0."));
}

opponents::AddressSlots numbered() {
    opponents::AddressSlots h;
    for (int i = 0; i < static_cast<int>(h.size()); ++i) {
        h[i] = QStringLiteral("10.0.0.%1").arg(i + 1);
    }
    return h;
}

}  // namespace

class TestOpponentList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entriesInOrder() {
        const auto entries = opponents::parseList(listOf(
            {{"Ann", "192.0.2.7"}, {"Bea", "b.example"}, {"", "x"}, {"Bob\r\nAl\tx\x7f", "y"}}));
        QCOMPARE(shown(entries),
                 (QStringList{"Ann|192.0.2.7", "Bea|b.example", "|x", "Bob  Al x |y"}));
    }

    void oddEntries() {
        // No 0x01: no name, all address. A second 0x01 belongs to the address.
        const QString payload = QStringLiteral("10.1.1.1") + QChar(0x03) + QStringLiteral("Cy") +
                                QChar(0x01) + QStringLiteral("a") + QChar(0x01) +
                                QStringLiteral("b") + QChar(0x03) + QChar(0x03);
        const auto entries = opponents::parseList(payload);
        QCOMPARE(shown(entries), (QStringList{"|10.1.1.1",
                                              QStringLiteral("Cy|a\x01"
                                                             "b"),
                                              "|"}));
    }

    void restWithoutEndMarkIsDropped() {
        const QString payload = listOf({{"Ann", "1.1.1.1"}}) + QStringLiteral("Bea") + QChar(0x01) +
                                QStringLiteral("2.2.2.2");
        const auto entries = opponents::parseList(payload);
        QCOMPARE(shown(entries), QStringList{"Ann|1.1.1.1"});
        QVERIFY(opponents::parseList(QStringLiteral("Bea") + QChar(0x01) + QStringLiteral("2"))
                    .empty());
        QVERIFY(opponents::parseList(QString()).empty());
    }

    void longEntriesAndAddressesAreCut() {
        // Only the first 255 characters of an entry count: here they end inside the name,
        // so the 0x01 behind them is lost and the entry is all address (cut to 50).
        const QString longName(300, QLatin1Char('n'));
        QString payload = longName + QChar(0x01) + QStringLiteral("1.2.3.4") + QChar(0x03);
        // 250 name characters leave room for "1.2." of the address.
        payload +=
            QString(250, QLatin1Char('m')) + QChar(0x01) + QStringLiteral("1.2.3.4") + QChar(0x03);
        const QString address60(60, QLatin1Char('a'));
        payload += QStringLiteral("Ann") + QChar(0x01) + address60 + QChar(0x03);
        const auto entries = opponents::parseList(payload);
        QCOMPARE(shown(entries), (QStringList{"|" + QString(50, QLatin1Char('n')),
                                              QString(250, QLatin1Char('m')) + "|1.2.",
                                              "Ann|" + address60.left(50)}));
        QVERIFY(entries[0].tooLong && !entries[1].tooLong && entries[2].tooLong);
    }

    void onlyAWholePlainAddressIsCalled() {
        const QString list = listOf({{"Ann", "192.0.2.7"}, {"Bea", "not an address!"}}) +
                             QStringLiteral("Cy") + QChar(0x01) + QString(60, QLatin1Char('1')) +
                             QChar(0x03);
        QVERIFY(opponents::whyNotCallable(list, 0, QStringLiteral("192.0.2.7"), 52201).isEmpty());
        QVERIFY(opponents::whyNotCallable(list, 0, QStringLiteral("[::1]:52311"), 52201).isEmpty());
        const QString bad =
            opponents::whyNotCallable(list, 1, QStringLiteral("not an address!"), 52201);
        QVERIFY(bad.startsWith(QStringLiteral(">>Can't call this player: ")));
        QVERIFY(bad.size() > QStringLiteral(">>Can't call this player: ").size());
        // The list cut the address to 50 characters: not dialled, though the rest would parse.
        QCOMPARE(opponents::whyNotCallable(list, 2, QString(50, QLatin1Char('1')), 52201),
                 QStringLiteral(">>Can't call this player: the server gave an address longer "
                                "than 50 characters."));
    }

    void atMostElevenEntries() {
        QString payload;
        for (int i = 0; i < 20; ++i) {
            payload += QStringLiteral("P%1").arg(i) + QChar(0x01) +
                       QStringLiteral("10.0.0.%1").arg(i) + QChar(0x03);
        }
        const auto entries = opponents::parseList(payload);
        QCOMPARE(entries.size(), size_t(opponents::kMaxEntries));
        QCOMPARE(shown(entries).last(), QStringLiteral("P10|10.0.0.10"));
    }

    void historyMovesAMatchToTheTop() {
        auto h = numbered();
        opponents::pushAddress(h, QStringLiteral("10.0.0.4"));
        QCOMPARE(slotsOf(h), QStringLiteral("4 1 2 3 5 6 7 8 9 10"));

        // Entry 1 again: nothing moves.
        const auto before = h;
        opponents::pushAddress(h, QStringLiteral("10.0.0.4"));
        QCOMPARE(h, before);
    }

    void historyPushesTheOldestOut() {
        auto h = numbered();
        opponents::pushAddress(h, QStringLiteral("host.example"));
        QCOMPARE(slotsOf(h), QStringLiteral("host.example 1 2 3 4 5 6 7 8 9"));

        // Matching is exact: case and blanks count.
        auto g = numbered();
        g[2] = QStringLiteral("Host");
        opponents::pushAddress(g, QStringLiteral("host"));
        QCOMPARE(slotsOf(g), QStringLiteral("host 1 2 Host 4 5 6 7 8 9"));
    }

    void historyWithoutDuplicatesAndLastMatchCounts() {
        auto h = numbered();
        opponents::pushAddress(h, QStringLiteral("10.0.0.3"));
        QCOMPARE(slotsOf(h), QStringLiteral("3 1 2 4 5 6 7 8 9 10"));

        // The same address at entries 2 and 6: the move starts at entry 6, and the copy at
        // entry 2 moves down with the rest.
        auto d = numbered();
        d[1] = QStringLiteral("dup");
        d[5] = QStringLiteral("dup");
        opponents::pushAddress(d, QStringLiteral("dup"));
        QCOMPARE(slotsOf(d), QStringLiteral("dup 1 dup 3 4 5 7 8 9 10"));

        // Empty slots are filled from the top.
        opponents::AddressSlots e;
        opponents::pushAddress(e, QStringLiteral("a"));
        opponents::pushAddress(e, QStringLiteral("b"));
        QCOMPARE(slotsOf(e), QStringLiteral("b a") + QString(8, QLatin1Char(' ')));
    }
};

ROPEWIT_TEST(TestOpponentList)
#include "tst_opponentlist.moc"
