#pragma once

#include <QHostAddress>
#include <QPlainTextEdit>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>

#include "TestWindow.h"
#include "Testing.h"
#include "net/TWSocket.h"

// Two main windows in one process: p1 waits for a call, p2 calls it over loopback, as the
// new game wizard would set them up. Each gets its own settings directory.
struct PeerPair {
    TestWindow p1;
    TestWindow p2;

    PeerPair(const QByteArray& ini1 = {}, const QByteArray& ini2 = {}) : p1(ini1), p2(ini2) {}

    // A window leaves the welcome panel as a two-player game that is not connected.
    static void leaveWelcomeForTwoPlayer(TestWindow& t) {
        t->show();
        t->ShowWelcome(false);
        t->game().setSolo(false);
        t->EnableDisable();
    }

    // Both windows leave the welcome panel as a two-player game that is not yet connected.
    static void enterTwoPlayer(TestWindow& t) {
        leaveWelcomeForTwoPlayer(t);
        t->StartIt();
    }

    // Listens on p1 (a free port chosen by the system) and lets p2 call it.
    void connect() {
        enterTwoPlayer(p1);
        enterTwoPlayer(p2);
        p1->peer().setListening(true);
        p1->network().StartServer();
        QVERIFY(p1->peer().srvWSocket().state() == TWSocket::wsListening);
        p2->peer().setPeerAddress(
            QStringLiteral("127.0.0.1:%1").arg(p1->peer().srvWSocket().localPort()));
        p2->network().ConnectToIP();
        QTRY_VERIFY(p1->peer().connected() && p2->peer().connected());
    }

    // Waits until both start summaries have been shown.
    void waitForStartSummaries() {
        QTRY_VERIFY(!p1.prompts.withCaption(QStringLiteral("Ready To Start")).isEmpty() &&
                    !p2.prompts.withCaption(QStringLiteral("Ready To Start")).isEmpty());
    }
};

// The other end of one window's peer connection, played byte by byte by the test: either it
// calls the listening window (which becomes Player 1) or the window calls it (Player 2).
// Everything the window sends collects in received.
struct RawPeer {
    QTcpServer server;
    std::unique_ptr<QTcpSocket> socket;
    QByteArray received;
    int rounds = 0;

    void take(QTcpSocket* s) {
        socket.reset(s);
        QObject::connect(s, &QTcpSocket::readyRead, s, [this] { received += socket->readAll(); });
    }

    void callWindow(TestWindow& t) {
        PeerPair::enterTwoPlayer(t);
        t->network().StartServer();
        QVERIFY(t->peer().srvWSocket().state() == TWSocket::wsListening);
        take(new QTcpSocket);
        socket->connectToHost(QHostAddress::LocalHost, t->peer().srvWSocket().localPort());
        QTRY_VERIFY(t->peer().connected() && socket->state() == QAbstractSocket::ConnectedState);
    }

    void answerWindow(TestWindow& t) {
        PeerPair::enterTwoPlayer(t);
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        t->peer().setPeerAddress(QStringLiteral("127.0.0.1:%1").arg(server.serverPort()));
        t->network().ConnectToIP();
        QTRY_VERIFY(server.hasPendingConnections());
        QTcpSocket* accepted = server.nextPendingConnection();
        accepted->setParent(nullptr);
        take(accepted);
        QTRY_VERIFY(t->peer().connected());
    }

    void send(const QByteArray& bytes) {
        socket->write(bytes);
        socket->flush();
    }

    // Waits until received holds at least the given bytes.
    void waitFor(const QByteArray& bytes) { QTRY_VERIFY(received.contains(bytes)); }

    // Sends a status line behind whatever was sent before and waits until the window has
    // logged it: the messages in front of it have been handled by then.
    void sync(TestWindow& t) {
        const QString mark = QStringLiteral("sync %1").arg(++rounds);
        send("05" + mark.toLatin1() + '\x02');
        QTRY_COMPARE(t->ui().ConMemo->toPlainText().section(QLatin1Char('\n'), -1), mark);
    }
};

// A window and the raw peer on the other end of its connection, in the role the test
// names. deliver() hands the window bytes and returns once it has handled them.
struct WiredWindow : TestWindow {
    enum class Role { Player1, Player2 };
    RawPeer raw;

    using TestWindow::TestWindow;

    // Connects without any names said: as Player 1 the raw peer calls the window, as
    // Player 2 the window calls it.
    void call(Role role) {
        prompts.defaultQuestionAnswer = false;
        role == Role::Player1 ? raw.callWindow(*this) : raw.answerWindow(*this);
    }

    // Connects and trades names: the raw peer is "Bea" as Player 2, "Ann" as Player 1.
    // Whatever the window sent by then is dropped from raw.received.
    void wire(Role role) {
        CHECKED(call(role));
        if (role == Role::Player1) {
            QTRY_VERIFY(raw.received.endsWith("110\x02") || raw.received.endsWith("111\x02"));
            CHECKED(deliver("08Bea\x02"));
            QCOMPARE(win->game().players().player2(), QStringLiteral("Bea"));
        } else {
            raw.send("08Ann\x02");
            CHECKED(raw.waitFor("08" + win->settings().UserName.toLatin1() + '\x02'));
            QCOMPARE(win->game().players().player1(), QStringLiteral("Ann"));
        }
        raw.received.clear();
    }

    void deliver(const QByteArray& bytes) {
        raw.send(bytes);
        raw.sync(*this);
    }
};
