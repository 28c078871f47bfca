#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTcpSocket>
#include <QTimer>

#include "PeerPair.h"
#include "Testing.h"
#include "TwoPlayerScript.h"

// Player 1 is the program; Player 2 is a bare socket that sends what a real Player 2 would
// and records every byte Player 1 sends, so the wire of one whole word is checked exactly.
class TestFlowBytes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void oneWordOnTheWire() {
        TestWindow p1(script::iniOf("Ann", script::kTwoPlayerIni));
        p1->options().LoadGame(
            p1.writeFile(QStringLiteral("fruit.txt"),
                         "Fruit\r\nAPPLE:Red\r\nPEAR:Green\r\nPLUM\r\nFIG:Small\r\n"));
        PeerPair::enterTwoPlayer(p1);
        script::manualTicks(p1);
        p1->peer().setListening(true);
        p1->network().StartServer();
        QVERIFY(p1->peer().srvWSocket().state() == TWSocket::wsListening);

        QTcpSocket p2;
        QByteArray got;
        connect(&p2, &QTcpSocket::readyRead, this, [&] { got += p2.readAll(); });
        p2.connectToHost(QStringLiteral("127.0.0.1"), p1->peer().srvWSocket().localPort());
        const QByteArray opening =
            "05>>Syncing Options\x02"
            "0208\x02"
            "0321010010\x02"
            "08Ann\x02"
            "110\x02";
        QTRY_COMPARE(got, opening);
        got.clear();
        QByteArray expected;

        p2.write("08Bea\x02");
        QTRY_COMPARE(p1.prompts.withCaption(QStringLiteral("Ready To Start")).size(), 1);
        QCOMPARE(p1->game().players().player2(), QStringLiteral("Bea"));

        p1->ActionButtonClick();  // Start Game
        expected += "04\x02";
        QTRY_COMPARE(got, expected);
        p2.write("04\x02");
        QTRY_VERIFY(p1->game().playerPosted(false));
        QVERIFY(p1->ui().WaitStatus->isHidden());

        p1->ConnectTimerTimer();
        expected +=
            "12Fruit\x02"
            "10APPLE\x02"
            "06PEAR:Green\x02";
        QTRY_COMPARE(got, expected);
        QCOMPARE(p1->game().opponent().word, QStringLiteral("PEAR"));
        QCOMPARE(p1->ui().WebWordlabel->text(), QStringLiteral("____"));

        p1->ActionButtonClick();  // Play Word
        expected += "14\x02";
        QTRY_COMPARE(got, expected);
        p2.write("14\x02");
        QTRY_COMPARE(p1->game().opponent().gameType, 2);
        QCOMPARE(p1->game().opponent().wordType, 1);

        // A miss, a hit, the same letter again (nothing sent), then the rest of the word.
        for (char c : QByteArray("ZAAPLE")) {
            p1->AlphaClicked(c - 64);
        }
        expected +=
            "07Z\x02"
            "07A\x02"
            "07P\x02"
            "07L\x02"
            "07E\x02"
            "09007\x02";
        QTRY_COMPARE(got, expected);
        QCOMPARE(p1->ui().WaitStatus->text(), QStringLiteral("Waiting for opponent's score."));
        QVERIFY(p1->ui().WaitStatus->isVisible());

        p2.write(
            "07P\x02"
            "07Q\x02"
            "07e\x02"
            "07A\x02"
            "07R\x02"
            "09007\x02");
        QTRY_VERIFY(p1->game().score().theirs);
        QCOMPARE(p1->ui().WebWordlabel->text(), QStringLiteral("PEAR"));
        QCOMPARE(p1->ui().MissedWebLabel->text(), QStringLiteral("R A E Q P "));
        QCOMPARE(p1->ui().WebGuesses->text(), QStringLiteral("7 Guesses Left"));
        QCOMPARE(p1->game().scores().player1(), 7LL);
        QCOMPARE(p1->game().scores().player2(), 7LL);
        QCOMPARE(p1->ui().Play2ScorePan->text(), QStringLiteral("7"));
        QVERIFY(p1->ui().WaitStatus->isHidden());
        QVERIFY(p1->game().playerPosted(true) && p1->game().playerPosted(false));

        // No winner yet: the next step, two list positions further on, wrapping at the end.
        p1->ConnectTimerTimer();
        expected +=
            "12Fruit\x02"
            "10FIG\x02"
            "06APPLE:Red\x02";
        QTRY_COMPARE(got, expected);
        QCOMPARE(p1->game().dealtWord().clue, QStringLiteral("Small"));

        const QStringList log = logOf(p1);
        QCOMPARE(log.filter(QStringLiteral(">>Word Sent")).size(), 2);
        QVERIFY(log.contains(QStringLiteral(">>Ann Ready To Start")));
        QVERIFY(log.contains(QStringLiteral(">>Bea Ready To Start")));
        QVERIFY(log.contains(QStringLiteral(">>Your score sent")));
        QVERIFY(log.contains(QStringLiteral(">>Received opponent's score")));
    }
};

ROPEWIT_TEST(TestFlowBytes)
#include "tst_flowbytes.moc"
