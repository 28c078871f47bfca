#include <QAction>
#include <QHostAddress>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>

#include "PeerPair.h"
#include "Testing.h"

namespace {}  // namespace

class TestConnect : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void player2CallsPlayer1AndBothTakePlayer1sOptions() {
        PeerPair pair(
            "[Options]\r\nUser Name=Ann\r\nNumber of Guesses=12\r\nGame Type=1\r\n"
            "Win Score=150\r\nUse Hints=Yes\r\n",
            "[Options]\r\nUser Name=Bea\r\nNumber of Guesses=6\r\nGame Type=2\r\n");
        pair.connect();
        pair.waitForStartSummaries();
        TestWindow& p1 = pair.p1;
        TestWindow& p2 = pair.p2;
        QTRY_VERIFY(p2->settings().UseHints);
        QVERIFY(p1->game().isPlayer1());
        QVERIFY(!p2->game().isPlayer1());
        QCOMPARE(p2->settings().NumGuesses, QStringLiteral("12"));
        QCOMPARE(p2->settings().GameType, 1);
        QCOMPARE(p2->settings().WinScore, 150);
        QCOMPARE(p1->game().players().player1(), QStringLiteral("Ann"));
        QCOMPARE(p1->game().players().player2(), QStringLiteral("Bea"));
        QCOMPARE(p2->game().players().player1(), QStringLiteral("Ann"));
        QCOMPARE(p2->game().players().player2(), QStringLiteral("Bea"));
        QCOMPARE(p1->ui().OppPanel->text(), QStringLiteral("Bea"));
        QCOMPARE(p2->ui().OppPanel->text(), QStringLiteral("Ann"));
        QCOMPARE(p1->clientWidth(), 632);
        QVERIFY(p2->ui().WebPanel->isVisible());
        QCOMPARE(p1->ui().ActionButton->text(), QStringLiteral("Start &Game"));
        QVERIFY(p2->ui().ActionButton->isVisible());
        const QString summary = p2.prompts.withCaption(QStringLiteral("Ready To Start")).first();
        QVERIFY(summary.startsWith(
            QStringLiteral("A connection has been made to an opponent!\n\r You are Bea.\n\r "
                           "Your opponent is Ann.\n\r\n\r")));
        QVERIFY(summary.contains(QStringLiteral("  Guess Attempts per word are 12\n\r")));
        // Player 2 sums up before Player 1's hint mode (sent last) has arrived.
        QVERIFY(summary.contains(QStringLiteral("  Hint mode is off.\n\r\n\r")));
        QVERIFY(p1.prompts.withCaption(QStringLiteral("Ready To Start"))
                    .first()
                    .contains(QStringLiteral("  Hint mode is on.\n\r\n\r")));
        QVERIFY(logOf(p1).contains(QStringLiteral(">>Connected with 127.0.0.1")));
        QVERIFY(logOf(p2).contains(QStringLiteral(">>Connected")));
        QVERIFY(logOf(p2).contains(QStringLiteral(">>Syncing Options")));
        QVERIFY(logOf(p2).contains(QStringLiteral(">>Guess Attempts Changed To 12")));
    }

    void unnamedPlayersAreNamedByTheirRoleOnBothScreens() {
        PeerPair pair("[Options]\r\nUse Sound=No\r\n", "[Options]\r\nUse Sound=No\r\n");
        pair.connect();
        pair.waitForStartSummaries();
        for (TestWindow* t : {&pair.p1, &pair.p2}) {
            QCOMPARE((*t)->game().players().player1(), QStringLiteral("Player 1"));
            QCOMPARE((*t)->game().players().player2(), QStringLiteral("Player 2"));
            QCOMPARE((*t)->ui().Play1ScoreLab->text(), QStringLiteral("Player 1"));
            QCOMPARE((*t)->ui().Play2ScoreLab->text(), QStringLiteral("Player 2"));
        }
        QCOMPARE(pair.p1->ui().PlayerPanel->text(), QStringLiteral("Player 1"));
        QCOMPARE(pair.p1->ui().OppPanel->text(), QStringLiteral("Player 2"));
        QCOMPARE(pair.p2->ui().PlayerPanel->text(), QStringLiteral("Player 2"));
        QCOMPARE(pair.p2->ui().OppPanel->text(), QStringLiteral("Player 1"));
        QVERIFY(pair.p1.prompts.withCaption(QStringLiteral("Ready To Start"))
                    .first()
                    .contains(QStringLiteral(" You are Player 1.\n\r Your opponent is Player 2.")));
        QVERIFY(pair.p2.prompts.withCaption(QStringLiteral("Ready To Start"))
                    .first()
                    .contains(QStringLiteral(" You are Player 2.\n\r Your opponent is Player 1.")));
    }

    void aSecondCallerIsTurnedAwayAndTheNextGameIsANewOne() {
        PeerPair pair("[Options]\r\nUser Name=Ann\r\nUse Sound=No\r\n",
                      "[Options]\r\nUser Name=Bea\r\nUse Sound=No\r\n");
        TestWindow& p1 = pair.p1;
        TestWindow& p2 = pair.p2;
        p1.prompts.defaultQuestionAnswer = false;
        p2.prompts.defaultQuestionAnswer = false;
        pair.connect();
        pair.waitForStartSummaries();
        const quint16 port = p1->peer().srvWSocket().localPort();

        QTcpSocket intruder;
        QSignalSpy intruderClosed(&intruder, &QTcpSocket::disconnected);
        intruder.connectToHost(QHostAddress::LocalHost, port);
        QTRY_VERIFY(logOf(p1).contains(QStringLiteral("NOTICE:> 127.0.0.1 is trying to call you")));
        QTRY_VERIFY(!intruderClosed.isEmpty());
        // The game goes on as it was.
        QVERIFY(p1->peer().connected() && p2->peer().connected());
        QVERIFY(p1->game().isPlayer1());
        QCOMPARE(p1->peer().cliWSocket().state(), TWSocket::wsConnected);
        QCOMPARE(p1->game().players().player2(), QStringLiteral("Bea"));
        QCOMPARE(p1->ui().OppPanel->text(), QStringLiteral("Bea"));
        QCOMPARE(p1.prompts.withCaption(QStringLiteral("Ready To Start")).size(), 1);
        QVERIFY(!logOf(p1).contains(QStringLiteral(">>Disconnected")));
        QCOMPARE(logOf(p1).filter(QStringLiteral(">>Connected with")).size(), 1);
        p2->peer().send(PeerMessage::Chat, QStringLiteral("Bea> still here"));
        QTRY_COMPARE(p1->ui().MyMemo->toPlainText(), QStringLiteral("Bea> still here"));

        p2->peer().cliWSocket().Close();
        QTRY_VERIFY(logOf(p1).contains(QStringLiteral(">>Disconnected")));
        QVERIFY(!p1->peer().connected());
        QVERIFY(!p1->game().playerPosted(true) && !p1->game().playerPosted(false));
        QCOMPARE(p1->peer().srvWSocket().state(), TWSocket::wsListening);

        TestWindow p3("[Options]\r\nUser Name=Cat\r\nUse Sound=No\r\n");
        PeerPair::enterTwoPlayer(p3);
        p3->peer().setPeerAddress(QStringLiteral("127.0.0.1:%1").arg(port));
        p3->network().ConnectToIP();
        QTRY_VERIFY(p1->peer().connected() && p3->peer().connected());
        QTRY_COMPARE(p1.prompts.withCaption(QStringLiteral("Ready To Start")).size(), 2);
        QTRY_COMPARE(p3.prompts.withCaption(QStringLiteral("Ready To Start")).size(), 1);
        QVERIFY(p1->game().isPlayer1());
        QCOMPARE(p1->game().players().player2(), QStringLiteral("Cat"));
        QCOMPARE(p1->ui().OppPanel->text(), QStringLiteral("Cat"));
        QCOMPARE(p3->game().players().player1(), QStringLiteral("Ann"));
        QCOMPARE(logOf(p1).filter(QStringLiteral(">>Connected with 127.0.0.1")).size(), 2);
        QVERIFY(logOf(p3).contains(QStringLiteral(">>Syncing Options")));
        QVERIFY(p1.prompts.withCaption(QStringLiteral("Ready To Start"))
                    .last()
                    .contains(QStringLiteral(" Your opponent is Cat.")));
    }

    void callsThatEndBeforeAConnection_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("listening");
        QTest::addColumn<QString>("line");
        QTest::newRow("refused") << QStringLiteral("127.0.0.1:PORT") << false
                                 << QStringLiteral(">>Selected opponent is not waiting to play.");
        QTest::newRow("unknown host") << QStringLiteral("no-such-host.invalid") << false
                                      << QStringLiteral(">>Server name unknown");
        QTest::newRow("self-call") << QStringLiteral("127.0.0.1:PORT") << true
                                   << QStringLiteral(">>You are trying to connect to yourself!");
    }

    void callsThatEndBeforeAConnection() {
        QFETCH(QString, address);
        QFETCH(bool, listening);
        QFETCH(QString, line);
        // A port that nobody listens on any more.
        quint16 freePort = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            freePort = probe.serverPort();
        }
        TestWindow t("[Options]\r\nUse Sound=No\r\n");
        PeerPair::enterTwoPlayer(t);
        t->context().peerPort = freePort;
        if (listening) {
            t->network().StartServer();
            QCOMPARE(t->peer().srvWSocket().state(), TWSocket::wsListening);
        }
        t->peer().setPeerAddress(
            address.replace(QStringLiteral("PORT"), QString::number(freePort)));
        // As the new game wizard does it: the menu goes away once the call is under way.
        t->network().ConnectToIP();
        t->ui().MenuPlayer->setEnabled(false);
        QTRY_VERIFY(logOf(t).contains(line));
        QTRY_VERIFY(t->ui().MenuPlayer->isEnabled());
        QCOMPARE(logOf(t).first(), listening ? QStringLiteral(">>Waiting for a connection")
                                             : QStringLiteral(">>Attempting To Connect"));
        QVERIFY(!t->peer().connected());
        QVERIFY(!logOf(t).contains(QStringLiteral(">>Connected")));
    }

    void aTakenPortIsReportedAndNotFatal() {
        TestWindow first("[Options]\r\nUse Sound=No\r\n");
        first->network().StartServer();
        QCOMPARE(first->peer().srvWSocket().state(), TWSocket::wsListening);
        const quint16 port = first->peer().srvWSocket().localPort();
        first->context().peerPort = port;

        TestWindow second("[Options]\r\nUse Sound=No\r\n", port);
        second->network().StartServer();
        QCOMPARE(logOf(second), QStringList{QStringLiteral(">>Ropewit already running as server")});
        QVERIFY(second->peer().srvWSocket().state() != TWSocket::wsListening);
        QCOMPARE(first->peer().srvWSocket().state(), TWSocket::wsListening);
    }
};

ROPEWIT_TEST(TestConnect)
#include "tst_connect.moc"
