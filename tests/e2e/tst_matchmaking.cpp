// Two players who find each other through a running ropewit-matchd.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpSocket>
#include <memory>

#include "ListItems.h"
#include "LoopbackPeers.h"
#include "Matchd.h"
#include "TestWindow.h"
#include "Testing.h"
#include "TwoPlayerScript.h"
#include "dialogs/TDoNewGame.h"
#include "dialogs/TWebOpponent.h"
#include "net/TWSocket.h"

namespace {

// Registers on the server through the new game wizard, as Ann at 127.0.0.1.
void registerThroughTheWizard(TestWindow& t) {
    t->context().localAddresses = [] { return QStringList{QStringLiteral("127.0.0.1")}; };
    script::startThroughTheWizard(t, script::choose(&TDoNewGame::RegServer));
}

const QByteArray kAnn = script::iniOf("Ann");
const QByteArray kBea = script::iniOf("Bea");

}  // namespace

class TestMatchmaking : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void playersMeetThroughTheServer_data() {
        QTest::addColumn<bool>("relayed");
        QTest::newRow("directly") << false;
        // Told that nobody answers where she is listed, Ann waits through the relay.
        QTest::newRow("through the relay") << true;
    }
    void playersMeetThroughTheServer() {
        QFETCH(bool, relayed);
        Matchd server(relayed ? QStringList{"--relay-port", "0", "--public-address", "127.0.0.1"}
                              : QStringList{},
                      QProcess::ForwardedErrorChannel);
        QVERIFY(server.port() != 0);
        // Listed with its port, where the probe calls it.
        const quint16 annPort = script::freePort();
        TestWindow a(kAnn, annPort);
        TestWindow b(kBea);
        useServer(a, server.port());
        useServer(b, server.port());
        if (relayed)
            a->network().setProbeAddress(QStringLiteral("127.0.0.1:%1").arg(script::freePort()));

        registerThroughTheWizard(a);
        QTRY_VERIFY(logOf(a).contains(QStringLiteral(">>Added to server as a player")));
        QVERIFY(a->match().loggedOn());
        QVERIFY(a->peer().listening());
        QCOMPARE(a->peer().srvWSocket().state(), TWSocket::wsListening);
        const QString told = relayed ? QStringLiteral(">>Waiting through the server's relay")
                                     : QStringLiteral(">>Callers can reach you directly at");
        QTRY_VERIFY(logOf(a).join('\n').contains(told));
        // The probe that found her never came as a caller.
        QVERIFY(!a->peer().connected());
        QVERIFY(a.prompts.withCaption(QStringLiteral("Ready To Start")).isEmpty());
        QVERIFY(!logOf(a).join('\n').contains(QStringLiteral("trying to call you")));
        const QByteArray listed = relayed
                                      ? "127.0.0.1:" + QByteArray::number(server.relayPort()) + '/'
                                      : "127.0.0.1:" + QByteArray::number(annPort) + '\x03';
        QVERIFY(answer(server.port(), "03\x02").startsWith("05Ann\x01" + listed));

        // Bea asks for the longest-waiting players and calls Ann.
        QStringList shown;
        script::scriptWizard(b, script::choose(&TDoNewGame::LogServer, &TDoNewGame::LongestWait));
        script::pickFirstListed(b, shown);
        b->show();
        b->ui().StartGame->click();
        QTRY_VERIFY(a->peer().connected() && b->peer().connected());
        QCOMPARE(shown, QStringList{QStringLiteral("Ann")});
        QVERIFY(b->peer().peerAddress().startsWith(QString::fromLatin1(listed).remove('\x03')));
        QCOMPARE(b->settings().LastIpAddresses[0].startsWith(QStringLiteral("127.0.0.1")),
                 !relayed);
        QVERIFY(a->game().isPlayer1());
        QVERIFY(!b->game().isPlayer1());

        // Ann leaves the server as soon as she has an opponent.
        QTRY_VERIFY(logOf(a).contains(QStringLiteral(">>Removed from server")));
        QVERIFY(!a->match().loggedOn());
        QTRY_COMPARE(answer(server.port(), "03\x02"), QByteArray("05\x02"));

        QTRY_VERIFY(!a.prompts.withCaption(QStringLiteral("Ready To Start")).isEmpty() &&
                    !b.prompts.withCaption(QStringLiteral("Ready To Start")).isEmpty());
        QCOMPARE(a->game().players().player2(), QStringLiteral("Bea"));
        QCOMPARE(b->game().players().player1(), QStringLiteral("Ann"));
        b->ui().MyMess->setText(QStringLiteral("hi"));
        b->SendButtonClick();
        QTRY_VERIFY(a->ui().MyMemo->toPlainText().contains(QStringLiteral("Bea> hi")));
        QVERIFY(script::noErrors(a, b));
    }

    // The server restarts while Ann waits through its relay: her game registers again and
    // holds a connection to the new relay, and her log says so.
    void aRestartedServerListsTheRelayedPlayerAgain() {
        const QStringList relayOn{"--relay-port", "0", "--public-address", "127.0.0.1"};
        auto server = std::make_unique<Matchd>(relayOn, QProcess::ForwardedErrorChannel);
        const quint16 port = server->port();
        QVERIFY(port != 0);
        TestWindow a(kAnn, script::freePort());
        useServer(a, port);
        a->network().setProbeAddress(QStringLiteral("127.0.0.1:%1").arg(script::freePort()));
        registerThroughTheWizard(a);
        const QString held = QStringLiteral(">>Waiting through the server's relay");
        QTRY_VERIFY(logOf(a).join('\n').contains(held));

        QVERIFY(server->terminate());
        server = std::make_unique<Matchd>(relayOn + QStringList{"--port", QString::number(port)},
                                          QProcess::ForwardedErrorChannel);
        QCOMPARE(server->port(), port);
        QTRY_VERIFY(
            logOf(a).join('\n').contains(QStringLiteral(">>Registered again with the server.")));
        QTRY_VERIFY(logOf(a).join('\n').count(held) == 2);
        QVERIFY(answer(port, "03\x02")
                    .startsWith("05Ann\x01"
                                "127.0.0.1:" +
                                QByteArray::number(server->relayPort()) + '/'));
        QVERIFY(a->match().loggedOn());
    }

    void closingWhileRegisteredLeavesTheServer() {
        Matchd server({}, QProcess::ForwardedErrorChannel);
        QVERIFY(server.port() != 0);
        auto a = std::make_unique<TestWindow>(kAnn);
        useServer(*a, server.port());
        registerThroughTheWizard(*a);
        QTRY_VERIFY((*a)->match().loggedOn());
        QCOMPARE(answer(server.port(), "03\x02"), QByteArray("05Ann\x01"
                                                             "127.0.0.1\x03\x02"));

        (*a)->close();
        QVERIFY(!(*a)->isVisible());
        QVERIFY((*a)->match().unLogDone());
        QVERIFY(logOf(*a).contains(QStringLiteral(">>Removed from server")));
        // The removal is on its way before the window and its sockets are gone.
        a.reset();
        QTRY_COMPARE(answer(server.port(), "03\x02"), QByteArray("05\x02"));
    }
};

ROPEWIT_TEST(TestMatchmaking)
#include "tst_matchmaking.moc"
