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
    void playersMeetThroughTheServer() {
        Matchd server({}, QProcess::ForwardedErrorChannel);
        QVERIFY(server.port() != 0);
        // Ann waits on a port of her own: the server lists it, and Bea dials it.
        const quint16 port = loopback::freePort();
        const QString at = QStringLiteral("127.0.0.1:%1").arg(port);
        TestWindow a(kAnn, port);
        TestWindow b(kBea);
        useServer(a, server.port());
        useServer(b, server.port());

        registerThroughTheWizard(a);
        QTRY_VERIFY(logOf(a).contains(QStringLiteral(">>Added to server as a player")));
        QVERIFY(a->match().loggedOn());
        QVERIFY(a->peer().listening());
        QCOMPARE(a->peer().srvWSocket().state(), TWSocket::wsListening);
        QCOMPARE(answer(server.port(), "03\x02"), "05Ann\x01" + at.toLatin1() + "\x03\x02");

        // Bea asks for the longest-waiting players and calls Ann.
        QStringList shown;
        script::scriptWizard(b, script::choose(&TDoNewGame::LogServer, &TDoNewGame::LongestWait));
        b.prompts.dialogScript.push_back([&](QDialog& d) {
            auto& list = static_cast<TWebOpponent&>(d);
            d.show();
            shown += items(list.UserList);
            list.OK->click();
            return d.result();
        });
        b->show();
        b->ui().StartGame->click();
        QTRY_VERIFY(a->peer().connected() && b->peer().connected());
        QCOMPARE(shown, QStringList{QStringLiteral("Ann")});
        QCOMPARE(b->peer().peerAddress(), at);
        QCOMPARE(b->settings().LastIpAddresses[0], at);
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
        QVERIFY(script::noErrors(a, b));
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
