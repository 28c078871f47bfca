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
        pair.p1->context().peerPort = nobody;
        script::scriptWizard(pair.p1, [](TDoNewGame& w) {
            script::choose (&TDoNewGame::KnowIp)(w);
            w.IPAdd->setEditText(QStringLiteral("127.0.0.1"));
            w.NextButton->click();
        });
        pair.p2.prompts.questionAnswers.push_back(false);
        pair.p1->MenuPlayerClick();

        QTRY_VERIFY(!pair.p2->peer().connected());
        QTRY_VERIFY(
            pair.p1->ui().ConMemo->toPlainText().contains(QStringLiteral(">>Disconnected")));
        QVERIFY(pair.p1.prompts.withCaption(QStringLiteral("Notice")).isEmpty());
        QVERIFY(!pair.p1->peer().leaving());
        QTRY_VERIFY(pair.p1->ui().ConMemo->toPlainText().contains(
            QStringLiteral(">>Selected opponent is not waiting to play.")));
        QTRY_COMPARE(pair.p2.prompts.withCaption(QStringLiteral("Notice")).size(), 1);
        QVERIFY(!pair.p2->ui().FlashTimer->isActive());
    }
};

ROPEWIT_TEST(TestLeave)
#include "tst_leave.moc"
