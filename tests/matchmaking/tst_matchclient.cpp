#include <QAction>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>
#include <vector>

#ifdef Q_OS_UNIX
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include "FakeMatchServer.h"
#include "TestWindow.h"
#include "Testing.h"
#include "dialogs/TWebOpponent.h"
#include "net/TWSocket.h"

namespace {

QByteArray entry(const QByteArray& name, const QByteArray& address) {
    return name + '\x01' + address + '\x03';
}

// What a dialog script saw of the opponent list.
struct Seen {
    QStringList names;
    QStringList addresses;
    bool loggedOn = false;
};

Seen look(QDialog& d, TMainWin* win = nullptr) {
    auto& list = static_cast<TWebOpponent&>(d);
    Seen seen;
    for (int i = 0; i < list.UserList->count(); ++i) {
        seen.names << list.UserList->item(i)->text();
        seen.addresses << list.Addresses[static_cast<size_t>(i)];
    }
    seen.loggedOn = win && win->match().loggedOn();
    return seen;
}

// Shows the list, picks a line and confirms.
std::function<int(QDialog&)> choose(int row, Seen* seen = nullptr) {
    return [row, seen](QDialog& d) {
        d.show();
        if (seen) {
            *seen = look(d);
        }
        static_cast<TWebOpponent&>(d).UserList->setCurrentRow(row);
        static_cast<TWebOpponent&>(d).OK->click();
        return d.result();
    };
}

}  // namespace

class TestMatchClient : public QObject {
    Q_OBJECT

    // Asks for the longest-waiting players and answers with reply; the connection's index.
    static int answerList(TestWindow& t, FakeMatchServer& fs, const QByteArray& reply) {
        const int n = fs.count();
        t->BeginServerRequest(2);
        if (fs.request(n) != "03\x02")
            return -1;
        fs.reply(n, reply);
        return n;
    }

private Q_SLOTS:
    void requestsToTheByte() {
        TestWindow t("[Options]\r\nUser Name=Ann\r\n");
        FakeMatchServer fs;
        useServer(t, fs.port());
        t->match().setOwnAddress(QStringLiteral("192.0.2.7"));

        t->match().setUnLogDone(false);
        t->BeginServerRequest(1);
        QCOMPARE(fs.request(0), QByteArray("01Ann\x01"
                                           "192.0.2.7\x02",
                                           16));
        QVERIFY(t->match().unLogDone());
        QCOMPARE(static_cast<int>(t->match().request()), 1);

        // The next request closes the connection the server left open.
        t->BeginServerRequest(2);
        QCOMPARE(fs.request(1), QByteArray("03\x02"));
        QTRY_VERIFY(fs.closedByClient(0));
        QCOMPARE(fs.received(0).size(), 16);

        t->match().setLetters(QString());
        t->BeginServerRequest(3);
        QCOMPARE(fs.request(2), QByteArray("04\x02"));

        t->match().setLetters(QStringLiteral("ab"));
        t->BeginServerRequest(3);
        QCOMPARE(fs.request(3), QByteArray("04ab\x02"));

        t->match().setLoggedOn(true);
        t->UnLog();
        QVERIFY(!t->match().loggedOn());
        QCOMPARE(static_cast<int>(t->match().request()), 4);
        QCOMPARE(fs.request(4), QByteArray("02Ann\x01"
                                           "192.0.2.7\x02"));
        QTRY_VERIFY(logOf(t).contains(QStringLiteral(">>Removed from server")));
        QVERIFY(t.prompts.shown.empty());
    }

    void twoRepliesInOneReadAreHandledInOrder() {
        TestWindow t;
        FakeMatchServer fs;
        useServer(t, fs.port());
        Seen seen;
        t.prompts.dialogScript.push_back([&](QDialog& d) {
            d.show();
            seen = look(d, t.win.get());
            static_cast<TWebOpponent&>(d).Button1->click();
            return d.result();
        });
        QVERIFY(answerList(t, fs,
                           "07\x02"
                           "05" +
                               entry("Bob", "10.0.0.2") + '\x02') >= 0);
        QTRY_COMPARE(t.prompts.count(QStringLiteral("dialog")), 1);
        QVERIFY(seen.loggedOn);  // the 07 in front was handled first
        QCOMPARE(seen.names, QStringList{QStringLiteral("Bob")});
        QVERIFY(t->peer().listening());
        QCOMPARE(t->peer().srvWSocket().state(), TWSocket::wsListening);
        const QStringList log = logOf(t);
        QVERIFY(log.indexOf(QStringLiteral(">>Added to server as a player")) <
                log.indexOf(QStringLiteral(">>Waiting for a connection")));
    }

    void replySplitOverTwoReads() {
        TestWindow t;
        FakeMatchServer fs;
        useServer(t, fs.port());
        Seen seen;
        t.prompts.dialogScript.push_back([&](QDialog& d) {
            d.show();
            seen = look(d);
            d.reject();
            return d.result();
        });
        const int c = answerList(t, fs, "05Bo");
        QVERIFY(c >= 0);
        QTRY_COMPARE(t->match().receiveBuffer().pending(), QByteArray("05Bo"));
        QCOMPARE(t.prompts.count(QStringLiteral("dialog")), 0);
        fs.reply(c, QByteArray("b\x01"
                               "1.2.3.4\x03\x02"));
        QTRY_COMPARE(t.prompts.count(QStringLiteral("dialog")), 1);
        QCOMPARE(seen.names, QStringList{QStringLiteral("Bob")});
        QCOMPARE(seen.addresses, QStringList{QStringLiteral("1.2.3.4")});
        QVERIFY(t->match().receiveBuffer().isEmpty());
    }

    void choosingAnEntryCallsItsAddress() {
        TestWindow t;
        FakeMatchServer fs;
        useServer(t, fs.port());
        // The opponent who waits at the second entry's address.
        QTcpServer opponent;
        QVERIFY(opponent.listen(QHostAddress::LocalHost, 0));
        t->context().peerPort = opponent.serverPort();
        // The address is entry 4 of the history: it moves to the top.
        for (int i = 0; i < 10; ++i) {
            t->settings().LastIpAddresses[static_cast<size_t>(i)] =
                i == 3 ? QStringLiteral("127.0.0.1") : QStringLiteral("10.0.0.%1").arg(i + 1);
        }
        QSignalSpy enabled(t->ui().MenuPlayer, &QAction::enabledChanged);
        Seen seen;
        t.prompts.dialogScript.push_back(choose(1, &seen));
        QVERIFY(answerList(t, fs,
                           "05" + entry("Ann", "192.0.2.1") + entry("Bea", "127.0.0.1") +
                               entry("Cy", "192.0.2.3") + '\x02') >= 0);
        QTRY_COMPARE(t.prompts.count(QStringLiteral("dialog")), 1);
        QCOMPARE(seen.names,
                 (QStringList{QStringLiteral("Ann"), QStringLiteral("Bea"), QStringLiteral("Cy")}));
        QCOMPARE(t->peer().peerAddress(), QStringLiteral("127.0.0.1"));
        QTRY_VERIFY(opponent.hasPendingConnections());
        QTRY_VERIFY(t->peer().connected());
        const QStringList log = logOf(t);
        QVERIFY(log.indexOf(QStringLiteral(">>Attempting To Connect")) <
                log.indexOf(QStringLiteral(">>Connected")));
        QCOMPARE(t->settings().LastIpAddresses[0], QStringLiteral("127.0.0.1"));
        QCOMPARE(t->settings().LastIpAddresses[1], QStringLiteral("10.0.0.1"));
        QCOMPARE(t->settings().LastIpAddresses[3], QStringLiteral("10.0.0.3"));
        QCOMPARE(t->settings().LastIpAddresses[4], QStringLiteral("10.0.0.5"));
        // Disabled while calling, enabled again when the call has its answer.
        QCOMPARE(enabled.size(), 2);
        QCOMPARE(enabled.at(0).at(0).toBool(), false);
        QCOMPARE(enabled.at(1).at(0).toBool(), true);

        // Choosing again from a new list ends the game connection first, quietly.
        std::unique_ptr<QTcpSocket> first(opponent.nextPendingConnection());
        QVERIFY(first);
        t.prompts.dialogScript.push_back(choose(0));
        QVERIFY(answerList(t, fs, "05" + entry("Bea", "127.0.0.1") + '\x02') >= 0);
        QTRY_COMPARE(first->state(), QAbstractSocket::UnconnectedState);
        QTRY_VERIFY(opponent.hasPendingConnections());
        QTRY_VERIFY(t->peer().connected());
        QCOMPARE(t.prompts.count(QStringLiteral("message")), 0);
        QCOMPARE(std::count(t->settings().LastIpAddresses.begin(),
                            t->settings().LastIpAddresses.end(), QStringLiteral("127.0.0.1")),
                 1);
    }

    void longAddressIsNotCalledAndTwentyEntriesKeepEleven() {
        TestWindow t;
        FakeMatchServer fs;
        useServer(t, fs.port());
        const QByteArray address60 = "10.0.0.1." + QByteArray(51, 'x');
        Seen seen;
        t.prompts.dialogScript.push_back(choose(0, &seen));
        QVERIFY(answerList(t, fs, "05" + entry("Ann", address60) + '\x02') >= 0);
        QTRY_COMPARE(t.prompts.count(QStringLiteral("dialog")), 1);
        QCOMPARE(seen.addresses.at(0), QString::fromLatin1(address60.left(50)));
        // Longer than any copy registers: shown cut, but neither called nor remembered.
        QVERIFY(t->peer().peerAddress().isEmpty());
        QVERIFY(t->settings().LastIpAddresses[0].isEmpty());
        QCOMPARE(logOf(t).filter(QStringLiteral(">>Can't call this player")).size(), 1);
        QVERIFY(!logOf(t).contains(QStringLiteral(">>Attempting To Connect")));

        QByteArray list = "05";
        for (int i = 0; i < 20; ++i) {
            list += entry("P" + QByteArray::number(i), "10.1.0." + QByteArray::number(i));
        }
        t.prompts.dialogScript.push_back(choose(10, &seen));
        QVERIFY(answerList(t, fs, list + '\x02') >= 0);
        QTRY_COMPARE(t.prompts.count(QStringLiteral("dialog")), 2);
        QCOMPARE(seen.names.size(), 11);
        QCOMPARE(seen.names.last(), QStringLiteral("P10"));
        QCOMPARE(t->peer().peerAddress(), QStringLiteral("10.1.0.10"));
    }

    void emptyListShowsANoticeAndNoDialog() {
        TestWindow t;
        FakeMatchServer fs;
        useServer(t, fs.port());
        QVERIFY(answerList(t, fs, QByteArrayLiteral("05\x02")) >= 0);
        QTRY_COMPARE(t.prompts.withCaption(QStringLiteral("Notice")),
                     QStringList{QStringLiteral("No users are currently logged onto the server.")});
        QCOMPARE(t.prompts.count(QStringLiteral("dialog")), 0);
    }

    void abortingTheListChangesNothing() {
        TestWindow t;
        FakeMatchServer fs;
        useServer(t, fs.port());
        t->settings().LastIpAddresses[0] = QStringLiteral("10.0.0.1");
        const auto history = t->settings().LastIpAddresses;
        t.prompts.dialogScript.push_back([](QDialog& d) {  // Abort
            d.show();
            static_cast<TWebOpponent&>(d).Button1->click();
            return d.result();
        });
        t.prompts.dialogScript.push_back([](QDialog& d) {  // the close box
            d.show();
            d.close();
            return d.result();
        });
        t.prompts.dialogScript.push_back([](QDialog& d) {  // Esc
            d.show();
            QTest::keyClick(&d, Qt::Key_Escape);
            return d.result();
        });
        for (int i = 1; i <= 3; ++i) {
            QVERIFY(answerList(t, fs, "05" + entry("Ann", "127.0.0.1") + '\x02') >= 0);
            QTRY_COMPARE(t.prompts.count(QStringLiteral("dialog")), i);
        }
        QVERIFY(t->peer().peerAddress().isEmpty());
        QCOMPARE(t->settings().LastIpAddresses, history);
        QVERIFY(!logOf(t).contains(QStringLiteral(">>Attempting To Connect")));
        QVERIFY(t->ui().MenuPlayer->isEnabled());
    }

    void addedAndFullReplies() {
        TestWindow t;
        FakeMatchServer fs;
        useServer(t, fs.port());
        t->match().setOwnAddress(QStringLiteral("192.0.2.7"));

        t->BeginServerRequest(1);
        QVERIFY(!fs.request(0).isEmpty());
        fs.reply(0, "06\x02");
        QTRY_COMPARE(
            t.prompts.withCaption(QStringLiteral("Notice")),
            QStringList{QStringLiteral("The user list on the server is full.  Name not added.")});
        QVERIFY(!t->match().loggedOn());
        QVERIFY(!t->peer().listening());
        QCOMPARE(t->peer().srvWSocket().state(), TWSocket::wsClosed);

        // Added twice: listening starts once.
        for (int i = 1; i <= 2; ++i) {
            t->BeginServerRequest(1);
            QVERIFY(!fs.request(i).isEmpty());
            fs.reply(i, "07\x02");
            QTRY_COMPARE(logOf(t).count(QStringLiteral(">>Added to server as a player")), i);
        }
        QVERIFY(t->match().loggedOn());
        QCOMPARE(t->peer().srvWSocket().state(), TWSocket::wsListening);
        QCOMPARE(logOf(t).count(QStringLiteral(">>Waiting for a connection")), 1);
    }

    void unreachableServer() {
        TestWindow t;
        useServer(t, unusedPort(), QStringLiteral("no-such-host.invalid"));
        t->match().setUnLogDone(false);
        t->BeginServerRequest(2);
        QTRY_VERIFY_WITH_TIMEOUT(t->match().unLogDone(), 30000);
        QCOMPARE(t.prompts.withCaption(QStringLiteral("Error")),
                 QStringList{QStringLiteral("Unable to connect to the server.")});

        useServer(t, unusedPort());
        t->match().setUnLogDone(false);
        t->BeginServerRequest(2);
        QTRY_VERIFY(t->match().unLogDone());
        QCOMPARE(t.prompts.withCaption(QStringLiteral("Error")).size(), 2);
        QCOMPARE(t.prompts.withCaption(QStringLiteral("Error")).last(),
                 QStringLiteral("Unable to connect to the server."));
    }

    void hostileServer() {
        TestWindow t;
        FakeMatchServer fs;
        useServer(t, fs.port());
        // 70 KiB without an end mark: dropped and reported, and what follows still counts.
        int c = answerList(t, fs, QByteArray(70 * 1024, 'x'));
        QVERIFY(c >= 0);
        QTRY_VERIFY(logOf(t).contains(
            QStringLiteral("NOTICE:> Dropped an overlong message from the server")));
        QVERIFY(t->match().receiveBuffer().pending().size() <= MessageBuffer::kDefaultCap);
        // Replies without a code or with unknown codes are passed over.
        fs.reply(c, QByteArray("\x02"
                               "\x02"
                               "7\x02"
                               "99xx\x02"
                               "ab\x02"
                               "07\x02"));
        QTRY_VERIFY(t->match().loggedOn());
        QCOMPARE(t.prompts.shown.size(), size_t(0));

        // An unfinished reply does not run into the reply of the next connection.
        c = answerList(t, fs, "05Mallory\x01");
        QVERIFY(c >= 0);
        QTRY_VERIFY(!t->match().receiveBuffer().isEmpty());
        fs.hangUp(c);
        QVERIFY(answerList(t, fs, QByteArrayLiteral("05\x02")) >= 0);
        QTRY_COMPARE(t.prompts.withCaption(QStringLiteral("Notice")).size(), 1);
        QCOMPARE(t.prompts.count(QStringLiteral("dialog")), 0);
    }

    void closingWhileRegisteredSendsTheRemoval() {
        TestWindow t("[Options]\r\nUser Name=Ann\r\n");
        FakeMatchServer fs;  // takes the removal and never answers
        useServer(t, fs.port());
        t->show();
        t->match().setOwnAddress(QStringLiteral("192.0.2.7"));
        t->match().setLoggedOn(true);
        t->close();
        QVERIFY(!t->isVisible());
        QVERIFY(t->match().unLogDone());
        QVERIFY(logOf(t).contains(QStringLiteral(">>Removed from server")));
        QCOMPARE(fs.request(0), QByteArray("02Ann\x01"
                                           "192.0.2.7\x02"));
        QVERIFY(t.prompts.shown.empty());
    }

    void closingWhileRegisteredWithTheServerGone() {
        TestWindow t;
        useServer(t, unusedPort());
        t->show();
        t->match().setOwnAddress(QStringLiteral("192.0.2.7"));
        t->match().setLoggedOn(true);
        t->close();
        QVERIFY(!t->isVisible());
        QCOMPARE(t.prompts.withCaption(QStringLiteral("Error")),
                 QStringList{QStringLiteral("Unable to connect to the server.")});
        QVERIFY(t->match().unLogDone());  // the refusal ended the wait, not its time running out
    }

#ifdef Q_OS_UNIX
    void closingWhileRegisteredWithASilentServer() {
        // A listener whose queue of waiting connections is full drops further calls without
        // an answer: the connection attempt neither succeeds nor fails.
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        QVERIFY(::bind(fd, reinterpret_cast<sockaddr*>(&address), length) == 0);
        QVERIFY(::listen(fd, 0) == 0);
        QVERIFY(::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0);
        const quint16 port = ntohs(address.sin_port);
        std::vector<std::unique_ptr<QTcpSocket>> fillers;
        for (int i = 0; i < 4; ++i) {
            fillers.push_back(std::make_unique<QTcpSocket>());
            fillers.back()->connectToHost(QHostAddress::LocalHost, port);
        }
        QVERIFY(QTest::qWaitFor(
            [&] { return fillers[0]->state() == QAbstractSocket::ConnectedState; }, 2000));

        TestWindow t;
        useServer(t, port);
        t->show();
        t->match().setOwnAddress(QStringLiteral("192.0.2.7"));
        t->match().setLoggedOn(true);
        QCOMPARE(t->match().removalWait(), 3000);
        t->match().setRemovalWait(200);
        QElapsedTimer clock;
        clock.start();
        t->close();
        const qint64 waited = clock.elapsed();
        ::close(fd);
        QVERIFY(!t->isVisible());
        // It waited its time for the removal, then gave up rather than hang: giving up is the
        // behaviour, so a generous bound holds here, still short of the usual 3 s.
        QVERIFY2(waited >= 200 && waited < 2500, qPrintable(QString::number(waited)));
        QVERIFY(!t->match().unLogDone());
    }
#endif
};

ROPEWIT_TEST(TestMatchClient)
#include "tst_matchclient.moc"
