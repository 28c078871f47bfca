#include <QEventLoop>
#include <QHostAddress>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include "Checked.h"
#include "Testing.h"
#include "net/TWSocket.h"

namespace {

// Reads the way the game does: at most 1024 bytes per DataAvailable. Keeps the order of
// what it saw, so a test can tell data from the end of the connection.
class Reader : public QObject {
public:
    explicit Reader(TWSocket* socket) : socket_(socket) {
        connect(socket, &TWSocket::DataAvailable, this, [this](int) { readOnce(); });
        connect(socket, &TWSocket::SessionClosed, this,
                [this](int error) { events.append(QStringLiteral("closed %1").arg(error)); });
    }
    void readOnce() {
        char buffer[1025];
        const int n = socket_->Receive(buffer, 1024);
        if (n > 0) {
            data.append(buffer, n);
            if (events.isEmpty() || events.last() != QLatin1String("data")) {
                events.append(QStringLiteral("data"));
            }
        }
    }

    QByteArray data;
    QStringList events;

private:
    TWSocket* socket_;
};

// A listener on a port of the system's choosing, a caller, and the instance that takes
// the accepted call over, as the game's SrvWSocket, CliWSocket and CliWSocket do.
struct Link {
    TWSocket listener;
    TWSocket client;
    TWSocket served;
};

void listenAnywhere(TWSocket& listener) {
    listener.Addr = QStringLiteral("127.0.0.1");
    listener.Port = QStringLiteral("0");
    listener.Listen();
    QCOMPARE(listener.state(), TWSocket::wsListening);
    QVERIFY(listener.localPort() != 0);
}

void callAndAccept(TWSocket& listener, TWSocket& client, TWSocket& served) {
    QSignalSpy available(&listener, &TWSocket::SessionAvailable);
    QSignalSpy connected(&client, &TWSocket::SessionConnected);
    client.Addr = QStringLiteral("127.0.0.1");
    client.Port = QString::number(listener.localPort());
    client.Connect();
    QCOMPARE(client.state(), TWSocket::wsConnecting);
    QVERIFY(connected.isEmpty());
    QTRY_COMPARE(connected.size(), 1);
    QCOMPARE(connected.first().first().toInt(), 0);
    QCOMPARE(client.state(), TWSocket::wsConnected);
    QTRY_COMPARE(available.size(), 1);
    QCOMPARE(available.first().first().toInt(), 0);
    served.Dup(listener.Accept());
    QCOMPARE(served.state(), TWSocket::wsConnected);
}

void open(Link& link) {
    CHECKED(listenAnywhere(link.listener));
    callAndAccept(link.listener, link.client, link.served);
}

quint16 closedPort() {
    TWSocket probe;
    probe.Addr = QStringLiteral("127.0.0.1");
    probe.Listen();
    const quint16 port = probe.localPort();
    probe.Close();
    return port;
}

// Bytes a test can check for order: no two neighbouring pieces of 1 KiB are alike.
QByteArray pattern(qsizetype size) {
    QByteArray out(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i) {
        out[i] = static_cast<char>((i * 7 + i / 1024) % 251);
    }
    return out;
}

// A peer that is a plain socket: it sends as fast as the system takes the bytes and then
// closes its side politely, so all it sent arrives before its close.
struct Flood {
    TWSocket listener;
    TWSocket served;
    QTcpSocket peer;
    QTimer ticker;  // fires once per turn of the event loop
    int ticks = 0;

    // What the game's handler sees: 1 KiB per DataAvailable.
    QByteArray received;
    QList<int> ticksAtData;  // the tick count at each DataAvailable
    qint64 mostBuffered = 0;
    QStringList events;

    bool open() {
        listener.Addr = QStringLiteral("127.0.0.1");
        listener.Listen();
        QSignalSpy available(&listener, &TWSocket::SessionAvailable);
        peer.connectToHost(QHostAddress::LocalHost, listener.localPort());
        if (!QTest::qWaitFor([&] { return available.size() == 1; }, 5000)) {
            return false;
        }
        served.Dup(listener.Accept());
        QObject::connect(&served, &TWSocket::DataAvailable, &served, [this](int) {
            ticksAtData.append(ticks);
            mostBuffered = qMax(mostBuffered, served.bufferedBytes());
            char buffer[1024];
            const int n = served.Receive(buffer, sizeof buffer);
            if (n > 0) {
                received.append(buffer, n);
            }
        });
        QObject::connect(&served, &TWSocket::BacklogDropped, &served,
                         [this](qint64 n) { events << QStringLiteral("dropped %1").arg(n); });
        QObject::connect(&served, &TWSocket::SessionClosed, &served,
                         [this](int) { events << QStringLiteral("closed"); });
        QObject::connect(&ticker, &QTimer::timeout, &ticker, [this] { ++ticks; });
        ticker.start(0);
        return served.state() == TWSocket::wsConnected;
    }

    // The longest run of DataAvailable events without a turn of the event loop between.
    int longestRunWithoutATurn() const {
        int longest = 0;
        int run = 0;
        for (qsizetype i = 0; i < ticksAtData.size(); ++i) {
            run = (i > 0 && ticksAtData[i] == ticksAtData[i - 1]) ? run + 1 : 1;
            longest = qMax(longest, run);
        }
        return longest;
    }
};

}  // namespace

class TestTWSocket : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dottedLookupAnswersInsideTheCall() {
        TWSocket socket;
        QSignalSpy done(&socket, &TWSocket::DnsLookupDone);
        socket.DnsLookup(QStringLiteral("192.0.2.7"));
        QCOMPARE(done.size(), 1);
        QCOMPARE(done.first().first().toInt(), 0);
        QCOMPARE(socket.DnsResult, QStringLiteral("192.0.2.7"));

        // An empty host is an error, reported after the call like any other lookup.
        socket.DnsLookup(QString());
        QVERIFY(socket.DnsResult.isEmpty());
        QCOMPARE(done.size(), 1);
        QTRY_COMPARE(done.size(), 2);
        QVERIFY(done.last().first().toInt() != 0);
    }

    void namesResolveInTheBackground() {
        TWSocket socket;
        QSignalSpy done(&socket, &TWSocket::DnsLookupDone);
        socket.DnsLookup(QStringLiteral("localhost"));
        QVERIFY(done.isEmpty());
        QTRY_COMPARE(done.size(), 1);
        QCOMPARE(done.first().first().toInt(), 0);
        QCOMPARE(socket.DnsResult, QStringLiteral("127.0.0.1"));

        socket.DnsLookup(QStringLiteral("no-such-host.invalid"));
        QVERIFY(socket.DnsResult.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 2, 30000);
        QCOMPARE(done.last().first().toInt(), wsa::kHostNotFound);

        // A new lookup cancels the running one: only the answers of the last two arrive.
        socket.DnsLookup(QStringLiteral("localhost"));
        socket.DnsLookup(QString());
        QTRY_COMPARE(done.size(), 3);
        QVERIFY(done.last().first().toInt() != 0);
        socket.DnsLookup(QStringLiteral("localhost"));
        QTRY_COMPARE(done.size(), 4);
        QCOMPARE(done.last().first().toInt(), 0);
        QCOMPARE(socket.DnsResult, QStringLiteral("127.0.0.1"));
    }

    void connectAcceptAndTalk() {
        Link link;
        QCOMPARE(link.client.GetPeerAddr(), QStringLiteral("error"));
        CHECKED(open(link));
        QCOMPARE(link.client.GetPeerAddr(), QStringLiteral("127.0.0.1"));
        QCOMPARE(link.served.GetPeerAddr(), QStringLiteral("127.0.0.1"));
        QCOMPARE(link.listener.state(), TWSocket::wsListening);  // accepting does not stop it
        QVERIFY(link.listener.Accept() == nullptr);              // nobody else waits

        Reader atServed(&link.served);
        Reader atClient(&link.client);
        QCOMPARE(link.client.SendStr("0205\x02"), 5);
        QCOMPARE(link.client.SendStr("08Ann\x02"), 6);
        QTRY_COMPARE(atServed.data, QByteArray("0205\x02"
                                               "08Ann\x02"));
        const QByteArray high("01\xe9\xff\x80\x02");
        QCOMPARE(link.served.SendStr(high), high.size());
        QTRY_COMPARE(atClient.data, high);
        QCOMPARE(link.served.SendStr(QByteArray()), 0);

        char buffer[16];
        QVERIFY(link.client.Receive(buffer, sizeof buffer) <= 0);  // nothing left
        QCOMPARE(link.client.Receive(nullptr, 10), -1);
    }

    void largeSendArrivesWholeAndInOrder() {
        Link link;
        CHECKED(open(link));
        QByteArray big(1024 * 1024, Qt::Uninitialized);
        for (qsizetype i = 0; i < big.size(); ++i) {
            big[i] = static_cast<char>((i * 7 + i / 251) & 0xff);
        }
        Reader atServed(&link.served);
        // More than any game sends at once; here the point is that a send of any size arrives.
        link.served.setHonestBacklog(8 * big.size());
        QCOMPARE(link.client.SendStr(big), big.size());
        QCOMPARE(link.client.SendStr("tail"), 4);
        QTRY_COMPARE_WITH_TIMEOUT(atServed.data.size(), big.size() + 4, 20000);
        QVERIFY(atServed.data == big + "tail");
    }

    void dataArrivingInsideAHandlerIsAnnounced() {
        // A handler that shows a modal box runs a nested event loop; data that comes in then
        // must reach the handler again inside it, as the game's receive code expects.
        Link link;
        CHECKED(open(link));
        int depth = 0;
        int maxDepth = 0;
        QByteArray seen;
        QEventLoop modal;
        connect(&link.served, &TWSocket::DataAvailable, this, [&](int) {
            ++depth;
            maxDepth = qMax(maxDepth, depth);
            char buffer[1024];
            const int n = link.served.Receive(buffer, sizeof buffer);
            if (n > 0) {
                seen.append(buffer, n);
            }
            if (depth == 1 && seen == "first") {
                link.client.SendStr("second");
                QTimer::singleShot(10000, &modal, &QEventLoop::quit);  // only if it never comes
                modal.exec();
            } else if (seen.endsWith("second")) {
                modal.quit();
            }
            --depth;
        });
        link.client.SendStr("first");
        QTRY_COMPARE(seen, QByteArray("firstsecond"));
        QCOMPARE(maxDepth, 2);
    }

    void closeAnnouncesOnceOnEachSide() {
        Link link;
        CHECKED(open(link));
        QSignalSpy clientClosed(&link.client, &TWSocket::SessionClosed);
        QSignalSpy servedClosed(&link.served, &TWSocket::SessionClosed);
        QSignalSpy listenerClosed(&link.listener, &TWSocket::SessionClosed);

        link.client.Close();
        QCOMPARE(link.client.state(), TWSocket::wsClosed);
        QCOMPARE(clientClosed.size(), 1);
        QCOMPARE(clientClosed.first().first().toInt(), 0);
        QTRY_COMPARE(servedClosed.size(), 1);
        const int peerError = servedClosed.first().first().toInt();
        QVERIFY(peerError == 0 || peerError == wsa::kConnectionReset);
        QCOMPARE(link.served.state(), TWSocket::wsClosed);
        QCOMPARE(link.served.GetPeerAddr(), QStringLiteral("error"));

        // Closing again, and sending or reading on a closed socket, changes nothing.
        link.client.Close();
        link.served.Close();
        QCOMPARE(link.client.SendStr("07A\x02"), -1);
        QCOMPARE(link.served.SendStr("07A\x02"), -1);
        char buffer[8];
        QVERIFY(link.served.Receive(buffer, sizeof buffer) <= 0);
        // Let anything queued run before counting again.
        QSignalSpy probe(&link.client, &TWSocket::DnsLookupDone);
        link.client.DnsLookup(QString());
        QVERIFY(probe.wait());
        QCOMPARE(clientClosed.size(), 1);
        QCOMPARE(servedClosed.size(), 1);
        QCOMPARE(listenerClosed.size(), 0);

        // The listener still takes the next caller into the same instances.
        CHECKED(callAndAccept(link.listener, link.client, link.served));
        Reader atClient(&link.client);
        link.served.SendStr("again");
        QTRY_COMPARE(atClient.data, QByteArray("again"));
        link.served.Close();
        QTRY_COMPARE(clientClosed.size(), 2);
        QCOMPARE(servedClosed.size(), 2);
    }

    void dataBeforeAPeerCloseIsDelivered() {
        // The busy reply: taken over, sent to and closed at once. The caller must still get
        // the whole text, and then the end of the connection.
        Link link;
        CHECKED(open(link));
        Reader atClient(&link.client);
        QByteArray text = "I am already playing! Try later...\r\n";
        text += QByteArray(3000, 'x');  // more than one read's worth
        QCOMPARE(link.served.SendStr(text), text.size());
        link.served.Close();
        QTRY_COMPARE(atClient.events.size(), 2);
        QCOMPARE(atClient.events.first(), QStringLiteral("data"));
        QVERIFY(atClient.events.last().startsWith(QLatin1String("closed ")));
        QCOMPARE(atClient.data, text);
        QCOMPARE(link.client.state(), TWSocket::wsClosed);
    }

    void floodThenCloseIsHandedOutTurnByTurn() {
        // Half a MiB, then the close: an honest amount, so every byte is handed out, in order,
        // but never more than a little per turn of the event loop, and never much held here.
        Flood flood;
        QVERIFY(flood.open());
        const QByteArray sent = pattern(512 * 1024);
        flood.peer.write(sent);
        flood.peer.disconnectFromHost();
        QTRY_COMPARE_WITH_TIMEOUT(flood.events, QStringList{"closed"}, 30000);
        QCOMPARE(flood.received.size(), sent.size());
        QVERIFY(flood.received == sent);
        QVERIFY2(flood.longestRunWithoutATurn() <= 2,
                 qPrintable(QString::number(flood.longestRunWithoutATurn())));
        QVERIFY2(flood.mostBuffered <= TWSocket::kReadBufferBytes,
                 qPrintable(QString::number(flood.mostBuffered)));
    }

    void abandonedFloodIsDroppedAtOnce() {
        // More than an honest peer ever has in flight, then the close: what is still unread is
        // dropped in one go, told once, and the end of the connection follows.
        Flood flood;
        QVERIFY(flood.open());
        flood.served.setHonestBacklog(16 * 1024);
        const QByteArray sent = pattern(4 * 1024 * 1024);
        flood.peer.write(sent);
        flood.peer.disconnectFromHost();
        QTRY_COMPARE_WITH_TIMEOUT(flood.events.size(), 2, 30000);
        QVERIFY(flood.events.first().startsWith("dropped "));
        QCOMPARE(flood.events.last(), QStringLiteral("closed"));
        QCOMPARE(flood.received.size() + flood.served.droppedBytes(), sent.size());
        QVERIFY(flood.received.size() <= 16 * 1024);
        QVERIFY(sent.startsWith(flood.received));
        QVERIFY(flood.longestRunWithoutATurn() <= 2);
        QVERIFY(flood.mostBuffered <= TWSocket::kReadBufferBytes);
        QCOMPARE(flood.served.state(), TWSocket::wsClosed);
    }

    void floodingPeerIsDroppedWhileItStaysConnected() {
        // A peer that keeps more in flight than an honest one, and goes on sending: it is found
        // out before it closes, told once, and what it sends is dropped unread from then on,
        // while the connection stays open until the peer leaves. The next caller is served anew.
        Flood flood;
        QVERIFY(flood.open());
        flood.served.setHonestBacklog(16 * 1024);
        QByteArray sent = pattern(4 * 1024 * 1024);
        flood.peer.write(sent);
        QTRY_COMPARE_WITH_TIMEOUT(flood.received.size() + flood.served.droppedBytes(), sent.size(),
                                  30000);
        QCOMPARE(flood.events.size(), 1);
        QVERIFY(flood.events.first().startsWith("dropped "));
        QCOMPARE(flood.served.state(), TWSocket::wsConnected);
        QVERIFY(flood.received.size() < 1024 * 1024);
        QVERIFY(sent.startsWith(flood.received));
        QVERIFY(flood.mostBuffered <= TWSocket::kReadBufferBytes);

        const QByteArray more = pattern(256 * 1024);
        sent += more;
        flood.peer.write(more);
        QTRY_COMPARE_WITH_TIMEOUT(flood.received.size() + flood.served.droppedBytes(), sent.size(),
                                  30000);
        QCOMPARE(flood.served.state(), TWSocket::wsConnected);
        QCOMPARE(flood.events.size(), 1);

        flood.peer.disconnectFromHost();
        QTRY_COMPARE(flood.events.size(), 2);
        QCOMPARE(flood.events.last(), QStringLiteral("closed"));
        QCOMPARE(flood.served.state(), TWSocket::wsClosed);

        QSignalSpy available(&flood.listener, &TWSocket::SessionAvailable);
        QTcpSocket next;
        next.connectToHost(QHostAddress::LocalHost, flood.listener.localPort());
        QTRY_COMPARE(available.size(), 1);
        flood.served.Dup(flood.listener.Accept());
        QCOMPARE(flood.served.droppedBytes(), 0);
        const qsizetype before = flood.received.size();
        next.write("hello");
        QTRY_COMPARE(flood.received.mid(before), QByteArray("hello"));
        QCOMPARE(flood.events.size(), 2);
    }

    void honestBurstsAreNeverDropped() {
        // Bursts each under the honest amount with the game catching up between them: together
        // far more than that amount, and every byte is handed out, in order.
        Flood flood;
        QVERIFY(flood.open());
        flood.served.setHonestBacklog(16 * 1024);
        const QByteArray all = pattern(8 * 12 * 1024);
        for (qsizetype at = 0; at < all.size(); at += 12 * 1024) {
            flood.peer.write(all.mid(at, 12 * 1024));
            QTRY_COMPARE(flood.received.size(), at + 12 * 1024);
        }
        QVERIFY(flood.received == all);
        QCOMPARE(flood.served.droppedBytes(), 0);
        QVERIFY(flood.events.isEmpty());
    }

    void dupClosesTheConnectionHeldBefore() {
        Link link;
        CHECKED(open(link));
        QSignalSpy servedClosed(&link.served, &TWSocket::SessionClosed);
        QSignalSpy firstCallerClosed(&link.client, &TWSocket::SessionClosed);

        TWSocket second;
        QSignalSpy available(&link.listener, &TWSocket::SessionAvailable);
        QSignalSpy connected(&second, &TWSocket::SessionConnected);
        second.Addr = QStringLiteral("127.0.0.1");
        second.Port = QString::number(link.listener.localPort());
        second.Connect();
        QTRY_COMPARE(available.size(), 1);
        QTRY_COMPARE(connected.size(), 1);

        link.served.Dup(link.listener.Accept());
        QCOMPARE(servedClosed.size(), 1);  // the earlier connection, announced once
        QCOMPARE(link.served.state(), TWSocket::wsConnected);
        QTRY_COMPARE(firstCallerClosed.size(), 1);

        Reader atSecond(&second);
        link.served.SendStr("hello second");
        QTRY_COMPARE(atSecond.data, QByteArray("hello second"));
        QCOMPARE(servedClosed.size(), 1);

        // Taking nothing leaves the instance closed (its connection announced as ended).
        link.served.Dup(nullptr);
        QCOMPARE(link.served.state(), TWSocket::wsClosed);
        QCOMPARE(servedClosed.size(), 2);
        QCOMPARE(link.served.SendStr("x"), -1);
    }

    void refusedAndInvalidConnects() {
        TWSocket socket;
        QSignalSpy connected(&socket, &TWSocket::SessionConnected);
        QSignalSpy closed(&socket, &TWSocket::SessionClosed);
        socket.Addr = QStringLiteral("127.0.0.1");
        socket.Port = QString::number(closedPort());
        socket.Connect();
        QTRY_COMPARE(connected.size(), 1);
        QCOMPARE(connected.first().first().toInt(), wsa::kConnectionRefused);
        QCOMPARE(socket.state(), TWSocket::wsClosed);
        QCOMPARE(socket.SendStr("x"), -1);

        // A port that is no number answers after the call, as an error.
        socket.Port = QStringLiteral("port");
        socket.Connect();
        QCOMPARE(connected.size(), 1);
        QTRY_COMPARE(connected.size(), 2);
        QVERIFY(connected.last().first().toInt() != 0);
        QCOMPARE(socket.state(), TWSocket::wsClosed);
        socket.Close();
        QCOMPARE(closed.size(), 0);  // there never was a connection
    }

    void busyPortThrows10048() {
        TWSocket first;
        CHECKED(listenAnywhere(first));
        TWSocket second;
        second.Addr = QStringLiteral("0.0.0.0");
        second.Port = QString::number(first.localPort());
        try {
            second.Listen();
            QFAIL("a second listener on a busy port must fail");
        } catch (const ESocketException& e) {
            QCOMPARE(e.message().left(11), QStringLiteral("Error 10048"));
            QCOMPARE(e.message(),
                     QStringLiteral("Error 10048 in function Bind\r\nAddress already in use"));
            QCOMPARE(QByteArray(e.what()), e.message().toUtf8());
        }
        QVERIFY(second.state() != TWSocket::wsListening);
    }

    void closedListenerStopsListening() {
        TWSocket listener;
        CHECKED(listenAnywhere(listener));
        const quint16 port = listener.localPort();
        QSignalSpy listenerClosed(&listener, &TWSocket::SessionClosed);
        listener.Close();
        QCOMPARE(listener.state(), TWSocket::wsClosed);
        QCOMPARE(listenerClosed.size(), 0);

        TWSocket caller;
        QSignalSpy connected(&caller, &TWSocket::SessionConnected);
        caller.Addr = QStringLiteral("127.0.0.1");
        caller.Port = QString::number(port);
        caller.Connect();
        QTRY_COMPARE(connected.size(), 1);
        QCOMPARE(connected.first().first().toInt(), wsa::kConnectionRefused);

        // And the port can be listened on again at once.
        listener.Port = QString::number(port);
        listener.Listen();
        QCOMPARE(listener.state(), TWSocket::wsListening);
    }

    void addressesAndTexts() {
        const QStringList addresses = TWSocket::LocalIPList();
        QVERIFY(!addresses.isEmpty());
        for (const QString& a : addresses) {
            QHostAddress parsed;
            QVERIFY2(parsed.setAddress(a) && parsed.protocol() == QAbstractSocket::IPv4Protocol,
                     qPrintable(a));
        }

        QCOMPARE(TWSocket::errorText(10061, QStringLiteral("Connect")),
                 QStringLiteral("Error 10061 in function Connect\r\nConnection refused"));
        QCOMPARE(TWSocket::errorText(10057, QStringLiteral("Send")),
                 QStringLiteral("Error 10057 in function Send\r\nSocket is not connected"));
        QCOMPARE(TWSocket::errorText(12345, QStringLiteral("Recv")),
                 QStringLiteral("Error 12345 in function Recv\r\nUnknown error"));
    }
};

ROPEWIT_TEST(TestTWSocket)
#include "tst_twsocket.moc"
