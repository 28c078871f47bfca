#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>

#include "PeerPair.h"
#include "Testing.h"
#include "TwoPlayerScript.h"
#include "dialogs/TDoNewGame.h"

class TestLeave : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A player who sets up a new game in the middle of one leaves on purpose: only the
    // opponent is told that the game cannot go on.
    void leavingOnPurposeIsNotALostGame() {
        PeerPair pair(script::iniOf("Ann"), script::iniOf("Bea"));
        pair.connect();
        pair.waitForStartSummaries();
        pair.p1->ui().ActionButton->click();
        pair.p2->ui().ActionButton->click();
        QVERIFY(pair.p1->ui().FlashTimer->isActive() || pair.p1->ui().ConnectTimer->isActive());

        // Ann calls somebody else: a port where nobody listens.
        QTcpServer gone;
        QVERIFY(gone.listen(QHostAddress::LocalHost));
        const quint16 nobody = gone.serverPort();
        gone.close();
        script::scriptWizard(pair.p1, [nobody](TDoNewGame& w) {
            script::choose (&TDoNewGame::KnowIp)(w);
            w.IPAdd->setEditText(QStringLiteral("127.0.0.1:%1").arg(nobody));
            w.NextButton->click();
        });
        pair.p2.prompts.questionAnswers.push_back(false);
        pair.p1->ui().MenuPlayer->trigger();

        QTRY_VERIFY(!pair.p2->peer().connected());
        QTRY_VERIFY(
            pair.p1->ui().ConMemo->toPlainText().contains(QStringLiteral(">>Disconnected")));
        QVERIFY(pair.p1.prompts.withCaption(QStringLiteral("Notice")).isEmpty());
        QVERIFY(pair.p1->ui().ActionButton->isHidden());  // nothing left to start or play
        QVERIFY(!pair.p1->peer().leaving());
        QTRY_VERIFY(pair.p1->ui().ConMemo->toPlainText().contains(
            QStringLiteral(">>Selected opponent is not waiting to play.")));
        QTRY_COMPARE(pair.p2.prompts.withCaption(QStringLiteral("Notice")).size(), 1);
        QVERIFY(!pair.p2->ui().FlashTimer->isActive());
    }

    void aConnectionEndedAtGameOverStaysEnded_data() {
        QTest::addColumn<bool>("byTheWizard");
        QTest::newRow("the opponent leaves while the box is open") << false;
        QTest::newRow("the wizard's choice after the box leaves") << true;
    }

    // Nothing offered and nothing told to an opponent who has gone.
    void aConnectionEndedAtGameOverStaysEnded() {
        QFETCH(bool, byTheWizard);
        PeerPair pair;
        CHECKED(script::connectAnnAndBea(pair));
        TestWindow& p1 = pair.p1;
        p1.prompts.defaultQuestionAnswer = false;
        if (byTheWizard) {
            script::scriptWizard(p1, [](TDoNewGame& w) {
                w.PlaySol->click();
                w.NextButton->click();
            });
        } else {
            p1.prompts.onMessage = [&pair](const ScriptedPrompts::Shown& box) {
                if (box.caption == QLatin1String("Game Over")) {
                    pair.p2->peer().leave();
                    QTRY_VERIFY(!pair.p1->peer().connected());
                }
            };
        }
        p1->game().scores().add(true, p1->settings().WinScore + 1);
        p1->game().setPlayerPosted(true, true);
        p1->game().setPlayerPosted(false, true);
        p1->ConnectTimerTimer();
        QCOMPARE(script::gameOver(p1).size(), 1);
        QVERIFY(!p1->peer().connected());
        QVERIFY(!script::offers(p1, script::kStart));
        p1->ui().MenuHints->trigger();
        QVERIFY(logOf(p1).filter(QStringLiteral(">>Hints Turned")).isEmpty());
    }
};

ROPEWIT_TEST(TestLeave)
#include "tst_leave.moc"
