// Two copies on one machine, each on a port of its own, find each other through a running
// ropewit-matchd and play a whole game; and typed addresses with ports.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>

#include "ListItems.h"
#include "Matchd.h"
#include "PeerPair.h"
#include "TestWindow.h"
#include "Testing.h"
#include "TwoPlayerScript.h"
#include "dialogs/TDoNewGame.h"
#include "dialogs/TWebOpponent.h"
#include "net/TWSocket.h"

using namespace script;

namespace {

const QByteArray kFruit = "Fruit\r\nPEAR\r\nMELON\r\nKIWI\r\nLEMON\r\n";

// Two ports nobody listens on, different from each other and from 52201.
std::pair<quint16, quint16> twoPorts() {
    QTcpServer a;
    QTcpServer b;
    a.listen(QHostAddress::Any, 0);
    b.listen(QHostAddress::Any, 0);
    return {a.serverPort(), b.serverPort()};
}

}  // namespace

class TestOtherPorts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void meetThroughTheServerAndPlayToTheEnd() {
        Matchd server({}, QProcess::ForwardedErrorChannel);
        QVERIFY(server.port() != 0);
        const auto [portA, portB] = twoPorts();
        TestWindow a(
            "[Options]\r\nUser Name=Ann\r\nUse Sound=No\r\nWin Score=10\r\n"
            "Game Type=2\r\nWord Type=1\r\nScramble List=No\r\n",
            portA);
        TestWindow b("[Options]\r\nUser Name=Bea\r\nUse Sound=No\r\nScramble List=No\r\n", portB);
        useServer(a, server.port());
        useServer(b, server.port());
        a->context().localAddresses = [] { return QStringList{QStringLiteral("127.0.0.1")}; };
        b->context().localAddresses = a->context().localAddresses;

        // Ann registers: the server lists her with her port.
        startThroughTheWizard(a, choose(&TDoNewGame::RegServer));
        QTRY_VERIFY(logOf(a).contains(QStringLiteral(">>Added to server as a player")));
        QCOMPARE(a->peer().srvWSocket().localPort(), portA);
        const QByteArray listed =
            "05Ann\x01"
            "127.0.0.1:" +
            QByteArray::number(portA) + "\x03\x02";
        QCOMPARE(answer(server.port(), "03\x02"), listed);

        // "Display your IP Address" names the port too.
        a->network().DisplayyourIPAddress1Click();
        QCOMPARE(a.prompts.withCaption(QStringLiteral("IP Address")).last(),
                 QStringLiteral("Your IP Addresses is 127.0.0.1:%1").arg(portA));

        // Bea, on her own port, asks for the list and calls Ann on Ann's port.
        startThroughTheWizard(b, choose(&TDoNewGame::LogServer, &TDoNewGame::LongestWait));
        QStringList shown;
        pickFirstListed(b, shown);
        QTRY_VERIFY(a->peer().connected() && b->peer().connected());
        QCOMPARE(shown, QStringList{QStringLiteral("Ann")});
        QCOMPARE(b->peer().callPort(), portA);
        QCOMPARE(b->settings().LastIpAddresses[0], QStringLiteral("127.0.0.1:%1").arg(portA));
        QTRY_VERIFY(logOf(a).contains(QStringLiteral(">>Removed from server")));
        QTRY_COMPARE(answer(server.port(), "03\x02"), QByteArray("05\x02"));

        // A whole game, on the real step timer.
        a->options().LoadGame(a.writeFile(QStringLiteral("fruit.txt"), kFruit));
        QTRY_VERIFY(bothOffer(a, b, kStart));
        a->ActionButtonClick();
        b->ActionButtonClick();
        for (int step = 0; step < 4 && gameOver(a).isEmpty(); ++step) {
            QTRY_VERIFY_WITH_TIMEOUT(bothOffer(a, b, kPlay), 5000);
            a->ActionButtonClick();
            b->ActionButtonClick();
            clickWord(a, a->game().round().word(), 0);
            clickWord(b, b->game().round().word(), 1);
            QTRY_VERIFY_WITH_TIMEOUT(!gameOver(a).isEmpty() || bothOffer(a, b, kPlay), 5000);
        }
        QTRY_VERIFY_WITH_TIMEOUT(gameOver(a).size() == 1 && gameOver(b).size() == 1, 5000);
        QVERIFY(gameOver(a).first().startsWith(QStringLiteral("Ann is the winner!")));
        QVERIFY(noErrors(a, b));
    }

    // Typed in the wizard: an address with a port is called on it; a bad one gets an "Error"
    // box, the wizard stays on its step, nothing is sent and nothing is remembered.
    void typedAddresses() {
        const auto [portA, portB] = twoPorts();
        TestWindow a("[Options]\r\nUser Name=Ann\r\nUse Sound=No\r\n", portA);
        TestWindow b("[Options]\r\nUser Name=Bea\r\nUse Sound=No\r\n", portB);
        startThroughTheWizard(a, choose(&TDoNewGame::WaitIP));
        QTRY_COMPARE(a->peer().srvWSocket().state(), TWSocket::wsListening);

        bool stayed = false;
        startThroughTheWizard(b, [&stayed, portA](TDoNewGame& w) {
            choose (&TDoNewGame::KnowIp)(w);
            w.IPAdd->setCurrentText(QStringLiteral("127.0.0.1:70000"));
            w.NextButton->click();
            w.IPAdd->setCurrentText(QStringLiteral("[::1"));
            w.NextButton->click();
            stayed = !w.Panel3->isHidden() && w.Panel3->isEnabled();
            w.IPAdd->setCurrentText(QStringLiteral("127.0.0.1:%1").arg(portA));
            w.NextButton->click();
        });
        QCOMPARE(b.prompts.withCaption(QStringLiteral("Error")).size(), 2);
        QVERIFY(stayed);
        QTRY_VERIFY(a->peer().connected() && b->peer().connected());
        QCOMPARE(b->settings().LastIpAddresses[0], QStringLiteral("127.0.0.1:%1").arg(portA));
        QVERIFY(b->settings().LastIpAddresses[1].isEmpty());
        QCOMPARE(logOf(b).filter(QStringLiteral(">>Attempting To Connect")).size(), 1);
    }
};

ROPEWIT_TEST(TestOtherPorts)
#include "tst_otherports.moc"
