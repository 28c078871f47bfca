#include <QEventLoop>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

#include "PeerPair.h"
#include "Testing.h"
#include "core/Sound.h"
#include "widgets/ClickLabel.h"

namespace {

// Waits for the end of a sound the way the real player does: by running the event loop for
// as long as the sound lasts.
class WaitingSound : public SoundPlayer {
public:
    int waits = 0;
    void play(const QString&, bool wait) override {
        if (!wait) {
            return;
        }
        ++waits;
        QEventLoop loop;
        QTimer::singleShot(150, &loop, &QEventLoop::quit);
        loop.exec();
    }
};

// A Player 1 that sends its whole opening in one piece the moment it takes the call.
struct EagerPlayer1 {
    QTcpServer server;
    std::unique_ptr<QTcpSocket> socket;
    QByteArray received;

    explicit EagerPlayer1(const QByteArray& opening) {
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this, opening] {
            socket.reset(server.nextPendingConnection());
            socket->setParent(nullptr);
            QObject::connect(socket.get(), &QTcpSocket::readyRead, socket.get(),
                             [this] { received += socket->readAll(); });
            socket->write(opening);
            socket->flush();
        });
    }
};

const QByteArray kOpening =
    "05>>Syncing Options\x02"
    "0208\x02"
    "0321110100\x02"
    "08Ann\x02"
    "110\x02";

void call(TestWindow& t, quint16 port) {
    t->peer().setPeerAddress(QStringLiteral("127.0.0.1:%1").arg(port));
    t->network().ConnectToIP();
}

}  // namespace

class TestReconnect : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The three connect sounds wait for their end; Player 1's opening, already there, is
    // handled only after them, by a Player 2 that knows who it is.
    void openingArrivingDuringTheConnectSoundsIsHandledAfterThem() {
        TestWindow t("[Options]\r\nUser Name=Bea\r\nUse Sound=Yes\r\n");
        WaitingSound sound;
        t->context().sound = &sound;
        PeerPair::enterTwoPlayer(t);
        EagerPlayer1 ann(kOpening);
        call(t, ann.server.serverPort());

        QTRY_COMPARE(t.prompts.withCaption(QStringLiteral("Ready To Start")).size(), 1);
        QCOMPARE(sound.waits, 3);
        const QString summary = t.prompts.withCaption(QStringLiteral("Ready To Start")).first();
        QVERIFY2(summary.contains(QStringLiteral(" You are Bea.\n\r Your opponent is Ann.")),
                 qPrintable(summary));
        const QStringList log = logOf(t);
        const qsizetype connected = log.indexOf(QStringLiteral(">>Connected"));
        QVERIFY(connected >= 0);
        QVERIFY(connected < log.indexOf(QStringLiteral(">>Syncing Options")));
        QTRY_VERIFY(ann.received.contains("08Bea\x02"));
        QCOMPARE(t->game().players().player1(), QStringLiteral("Ann"));
        QCOMPARE(t->game().players().player2(), QStringLiteral("Bea"));
    }

    // A game lost with its connection leaves nothing behind for the next connection: a
    // caller turned away as busy is no lost game, and a new opponent finds a clean board.
    void aNewConnectionStartsFromACleanTwoPlayerState() {
        TestWindow t("[Options]\r\nUser Name=Bea\r\nUse Sound=No\r\n");
        PeerPair::enterTwoPlayer(t);
        t->ui().ConnectTimer->setInterval(24 * 3600 * 1000);
        EagerPlayer1 ann(kOpening);
        call(t, ann.server.serverPort());
        QTRY_COMPARE(t.prompts.withCaption(QStringLiteral("Ready To Start")).size(), 1);
        QTRY_VERIFY(ann.received.contains("08Bea\x02"));

        // One word into the game: Ann chose RAIN for herself and ZEBRA for Bea.
        t->ActionButtonClick();
        ann.socket->write("04\x02");
        QTRY_VERIFY(t->ui().WaitStatus->isHidden());
        t->ConnectTimerTimer();
        ann.socket->write(
            "10RAIN\x02"
            "06ZEBRA:Striped\x02");
        QTRY_COMPARE(t->ui().ActionButton->text(), QStringLiteral("Play &Word"));
        t->ActionButtonClick();
        ann.socket->write(
            "14\x02"
            "07R\x02"
            "07A\x02"
            "07Z\x02");
        QTRY_COMPARE(t->ui().WebWordlabel->text(), QStringLiteral("RA__"));
        t->AlphaClicked('E' - 64);

        // Ann goes away in the middle of the word: that game is lost.
        t.prompts.questionAnswers.push_back(false);
        ann.socket->close();
        QTRY_COMPARE(t.prompts.withCaption(QStringLiteral("Notice")).size(), 1);

        // A busy opponent turns Bea away: nothing was in progress on that connection.
        QTcpServer busy;
        QVERIFY(busy.listen(QHostAddress::LocalHost, 0));
        connect(&busy, &QTcpServer::newConnection, &busy, [&busy] {
            QTcpSocket* s = busy.nextPendingConnection();
            s->write("I am already playing! Try later...\r\n");
            s->disconnectFromHost();
        });
        call(t, busy.serverPort());
        QTRY_COMPARE(logOf(t).filter(QStringLiteral(">>Disconnected")).size(), 2);
        QCOMPARE(t.prompts.withCaption(QStringLiteral("Notice")).size(), 1);

        // The next opponent sees nothing of the old game.
        QTcpServer cal;
        QVERIFY(cal.listen(QHostAddress::LocalHost, 0));
        call(t, cal.serverPort());
        QTRY_COMPARE(logOf(t).filter(QStringLiteral(">>Connected")).size(), 3);
        QVERIFY(t->ui().ActionButton->isHidden());
        QVERIFY(t->ui().WaitStatus->isHidden());
        QVERIFY(!t->ui().WebWordlabel->text().contains(QLatin1Char('R')));
        QVERIFY(t->ui().MissedWebLabel->text().isEmpty());
        QVERIFY(!t->ui().WebGuesses->text().contains(QStringLiteral("Guesses Left")));
        QVERIFY(!t->ui().HintLabel->text().contains(QStringLiteral("Striped")));
        QVERIFY(!t->ui().UsedLettersLabel->text().contains(QLatin1Char('E')));
        QVERIFY(t->ui().WordTiles[1]->isHidden());
        QVERIFY(!t->GuessingAllowed());
    }
};

ROPEWIT_TEST(TestReconnect)
#include "tst_reconnect.moc"
