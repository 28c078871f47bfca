// The window's "Open Port On Router": kept in a section of its own, and when the router is
// asked, registering names the router's outside address and closing removes the forwarding.
#include <QAction>
#include <QPushButton>
#include <QRadioButton>

#include "FakeMatchServer.h"
#include "FakeRouter.h"
#include "TestFiles.h"
#include "TestWindow.h"
#include "Testing.h"
#include "TwoPlayerScript.h"
#include "dialogs/TDoNewGame.h"
#include "net/TWSocket.h"

class TestRouterOption : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void registersTheOutsideAddressAndRemovesTheForwardingAtClose() {
        FakeRouter router;
        QVERIFY(router.isListening());
        FakeMatchServer server;
        const quint16 port = script::freePort();
        QVERIFY(port != 0);
        TestWindow t(script::iniOf("Ann", "Use Sound=No\r\n"), port);
        useServer(t, server.port());
        t->context().localAddresses = [] { return QStringList{QStringLiteral("192.168.1.20")}; };
        // As --router URL would have it; the menu item applies it.
        t->context().routerOption = router.rootUrl();
        auto* item = t->findChild<QAction*>(QStringLiteral("MenuRouter"));
        QVERIFY(item);
        QVERIFY(item->isCheckable());
        QVERIFY(!item->isChecked());  // off until the player turns it on
        item->trigger();
        QVERIFY(item->isChecked());
        const QByteArray saved = readAll(t->settings().IniPath);
        QVERIFY(saved.contains("[Router]\r\nOpen Port=Yes\r\n"));
        QVERIFY(saved.indexOf("[Router]") > saved.indexOf("[Sounds]"));

        script::startThroughTheWizard(t, script::choose(&TDoNewGame::RegServer));
        QVERIFY(server.waitForConnections(1));
        QTRY_COMPARE(server.received(0),
                     QByteArray("01Ann\x01") + "203.0.113.7:" + QByteArray::number(port) + '\x02');
        QVERIFY(router.mappings().contains(port));
        server.reply(0, "07\x02");
        QTRY_COMPARE(t->peer().srvWSocket().state(), TWSocket::wsListening);
        QTRY_VERIFY(logOf(t).contains(
            QStringLiteral(">>Your router now forwards port %1 to this computer").arg(port)));

        t->network().DisplayyourIPAddress1Click();
        QCOMPARE(
            t.prompts.withCaption(QStringLiteral("IP Address")).last(),
            QStringLiteral("Your IP Addresses are 203.0.113.7:%1 and 192.168.1.20:%1").arg(port));

        t->close();
        QTRY_VERIFY(server.received(server.count() - 1)
                        .startsWith("02Ann\x01"
                                    "203.0.113.7:"));
        t.win.reset();
        QVERIFY(router.mappings().isEmpty());
    }
};

ROPEWIT_TEST(TestRouterOption)
#include "tst_routeroption.moc"
