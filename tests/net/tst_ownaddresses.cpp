#include "Testing.h"

#include "net/OwnAddresses.h"

// Where an opponent can call this player, as "Display your IP Address" says it.
class TestOwnAddresses : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void oneOrMoreAddressesOnTheUsualPort() {
        QCOMPARE(ownAddressesText(QString(), 0, {QStringLiteral("192.0.2.7")}, 52201),
                 QStringLiteral("Your IP Addresses is 192.0.2.7"));
        QCOMPARE(
            ownAddressesText(QString(), 0,
                             {QStringLiteral("192.0.2.7"), QStringLiteral("2001:db8::1")}, 52201),
            QStringLiteral("Your IP Addresses are 192.0.2.7 and 2001:db8::1"));
        // Not listening on a chosen port yet: the usual port, which is not written.
        QCOMPARE(ownAddressesText(QString(), 0, {QStringLiteral("192.0.2.7")}, 0),
                 QStringLiteral("Your IP Addresses is 192.0.2.7"));
    }

    void anotherPortIsWrittenWithEachAddress() {
        QCOMPARE(
            ownAddressesText(QString(), 0,
                             {QStringLiteral("192.0.2.7"), QStringLiteral("2001:db8::1")}, 52311),
            QStringLiteral("Your IP Addresses are 192.0.2.7:52311 and [2001:db8::1]:52311"));
    }

    void theRoutersOutsideAddressComesFirstWithItsPort() {
        QCOMPARE(ownAddressesText(QStringLiteral("203.0.113.9"), 52400,
                                  {QStringLiteral("192.168.1.5")}, 52201),
                 QStringLiteral("Your IP Addresses are 203.0.113.9:52400 and 192.168.1.5"));
        QCOMPARE(ownAddressesText(QStringLiteral("203.0.113.9"), 52201, {}, 52311),
                 QStringLiteral("Your IP Addresses is 203.0.113.9"));
    }

    void theListIsCut() {
        const QStringList many(40, QStringLiteral("192.0.2.77"));
        const QString text = ownAddressesText(QString(), 0, many, 52201);
        QCOMPARE(text.size(), QStringLiteral("Your IP Addresses are").size() + 255);
    }
};

ROPEWIT_TEST(TestOwnAddresses)
#include "tst_ownaddresses.moc"
