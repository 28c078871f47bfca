#include <QHostAddress>
#include <QNetworkAddressEntry>

#include "Testing.h"
#include "net/AddressScope.h"

using addressscope::Scope;

Q_DECLARE_METATYPE(Scope)

class TestAddressScope : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void classify_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<Scope>("scope");

        // Edges of each range, and the first address outside it.
        QTest::newRow("10/8") << "10.0.0.1" << Scope::Private;
        QTest::newRow("10/8 top") << "10.255.255.255" << Scope::Private;
        QTest::newRow("11.0.0.1") << "11.0.0.1" << Scope::Public;
        QTest::newRow("172.16/12") << "172.16.0.1" << Scope::Private;
        QTest::newRow("172.16/12 top") << "172.31.255.254" << Scope::Private;
        QTest::newRow("172.32.0.1") << "172.32.0.1" << Scope::Public;
        QTest::newRow("172.15.255.255") << "172.15.255.255" << Scope::Public;
        QTest::newRow("192.168/16") << "192.168.1.5" << Scope::Private;
        QTest::newRow("192.169.0.1") << "192.169.0.1" << Scope::Public;
        QTest::newRow("100.64/10") << "100.64.0.1" << Scope::Shared;
        QTest::newRow("100.64/10 top") << "100.127.255.255" << Scope::Shared;
        QTest::newRow("100.128.0.1") << "100.128.0.1" << Scope::Public;
        QTest::newRow("100.63.255.255") << "100.63.255.255" << Scope::Public;
        QTest::newRow("169.254/16") << "169.254.10.10" << Scope::LinkLocal;
        QTest::newRow("127/8") << "127.0.0.1" << Scope::Loopback;
        QTest::newRow("127/8 other") << "127.3.2.1" << Scope::Loopback;
        QTest::newRow("0.0.0.0") << "0.0.0.0" << Scope::Other;
        QTest::newRow("multicast") << "224.0.0.1" << Scope::Other;
        QTest::newRow("broadcast") << "255.255.255.255" << Scope::Other;
        QTest::newRow("public v4") << "203.0.113.7" << Scope::Public;
        QTest::newRow("blanks around") << " 192.168.1.5 " << Scope::Private;
        QTest::newRow("v6 loopback") << "::1" << Scope::Loopback;
        QTest::newRow("v6 unspecified") << "::" << Scope::Other;
        QTest::newRow("v6 link-local") << "fe80::1" << Scope::LinkLocal;
        QTest::newRow("v6 link-local with zone") << "fe80::1%lo" << Scope::LinkLocal;
        QTest::newRow("v6 unique local fd") << "fd12:3456::1" << Scope::UniqueLocal;
        QTest::newRow("v6 unique local fc") << "fc00::1" << Scope::UniqueLocal;
        QTest::newRow("v6 site-local") << "fec0::1" << Scope::Private;
        QTest::newRow("v6 multicast") << "ff02::1" << Scope::Other;
        QTest::newRow("v6 global") << "2001:db8::7" << Scope::Public;
        QTest::newRow("v4-mapped private") << "::ffff:192.168.1.5" << Scope::Private;
        QTest::newRow("v4-mapped public") << "::ffff:203.0.113.7" << Scope::Public;
        QTest::newRow("v4-mapped loopback") << "::ffff:127.0.0.1" << Scope::Loopback;
        QTest::newRow("host name") << "bea.example.org" << Scope::Invalid;
        QTest::newRow("empty") << "" << Scope::Invalid;
        QTest::newRow("with port") << "192.168.1.5:52201" << Scope::Invalid;
    }
    void classify() {
        QFETCH(QString, address);
        QFETCH(Scope, scope);
        QCOMPARE(addressscope::classify(address), scope);
    }

    void onlyPublicIsReachable() {
        for (const Scope scope :
             {Scope::Private, Scope::Shared, Scope::UniqueLocal, Scope::LinkLocal, Scope::Loopback,
              Scope::Other, Scope::Invalid}) {
            QVERIFY(!addressscope::reachableFromInternet(scope));
            QVERIFY(!addressscope::describe(scope).isEmpty());
        }
        QVERIFY(addressscope::reachableFromInternet(Scope::Public));
    }

    void onLocalNetwork_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("local");
        QTest::newRow("same /24") << "192.168.1.1" << true;
        QTest::newRow("this machine") << "192.168.1.5" << true;
        QTest::newRow("loopback") << "127.0.0.1" << true;
        QTest::newRow("v4-mapped same /24") << "::ffff:192.168.1.1" << true;
        QTest::newRow("v6 same /64") << "2001:db8::1" << true;
        QTest::newRow("next /24") << "192.168.2.1" << false;
        QTest::newRow("other private net") << "10.0.0.1" << false;
        QTest::newRow("internet") << "203.0.113.7" << false;
        QTest::newRow("v6 elsewhere") << "2001:db9::1" << false;
        QTest::newRow("no prefix known") << "172.16.0.1" << false;
    }
    void onLocalNetwork() {
        QFETCH(QString, address);
        QFETCH(bool, local);
        QList<QNetworkAddressEntry> own(3);
        own[0].setIp(QHostAddress(QStringLiteral("192.168.1.5")));
        own[0].setPrefixLength(24);
        own[1].setIp(QHostAddress(QStringLiteral("2001:db8::5")));
        own[1].setPrefixLength(64);
        own[2].setIp(QHostAddress(QStringLiteral("172.16.0.9")));  // prefix left unknown
        QCOMPARE(addressscope::onLocalNetwork(QHostAddress(address), own), local);
    }
};

ROPEWIT_TEST(TestAddressScope)
#include "tst_addressscope.moc"
