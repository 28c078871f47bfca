#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "PeerPair.h"

namespace {

QStringList logOf(TestWindow& t) {
    return t->ConMemo->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

}  // namespace

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
        QTRY_VERIFY(p2->settings.UseHints);
        QVERIFY(p1->IsPlayer1);
        QVERIFY(!p2->IsPlayer1);
        QCOMPARE(p2->settings.NumGuesses, QStringLiteral("12"));
        QCOMPARE(p2->settings.GameType, 1);
        QCOMPARE(p2->settings.WinScore, 150);
        QCOMPARE(p1->Player1Name, QStringLiteral("Ann"));
        QCOMPARE(p1->Player2Name, QStringLiteral("Bea"));
        QCOMPARE(p2->Player1Name, QStringLiteral("Ann"));
        QCOMPARE(p2->Player2Name, QStringLiteral("Bea"));
        QCOMPARE(p1->OppPanel->text(), QStringLiteral("Bea"));
        QCOMPARE(p2->OppPanel->text(), QStringLiteral("Ann"));
        QCOMPARE(p1->clientWidth(), 632);
        QVERIFY(p2->WebPanel->isVisible());
        QCOMPARE(p1->ActionButton->text(), QStringLiteral("Start &Game"));
        QVERIFY(p2->ActionButton->isVisible());
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
};

QTEST_MAIN(TestConnect)
#include "tst_connect.moc"
