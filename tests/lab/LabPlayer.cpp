// One player of the network namespace lab (tests/lab/nat_lab.sh), run in its own home as its
// own process: Ann waits through the server, Bea picks her from the server's list and calls,
// and the two chat and play a whole game. LAB_SERVER is the server's address as this player
// reaches it, LAB_WAY how Ann must be reached ("relay" or "direct"), LAB_DIR the folder the
// two share; Bea calls once Ann has written "ann-waiting" there.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "TestWindow.h"
#include "Testing.h"
#include "TwoPlayerScript.h"
#include "dialogs/TDoNewGame.h"
#include "net/PeerConnection.h"

using namespace script;

namespace {

const QByteArray kFruit = "Fruit\r\nPEAR\r\nMELON\r\nKIWI\r\nLEMON\r\n";
constexpr int kSlowMs = 15000;  // a step that waits on the other process, or on the server

bool relayed() {
    return qEnvironmentVariable("LAB_WAY") == QLatin1String("relay");
}

// A file of the folder the two share: "ann-waiting", "ann-over", "bea-over".
QString shared(const char* name) {
    return QDir(qEnvironmentVariable("LAB_DIR")).filePath(QString::fromLatin1(name));
}

// A window on the game's own port that talks to the lab's server.
std::unique_ptr<TestWindow> player(const char* name, const QByteArray& options) {
    auto t = std::make_unique<TestWindow>(iniOf(name, "Use Sound=No\r\n" + options), 52201);
    useServer(*t, 52202, qEnvironmentVariable("LAB_SERVER"));
    return t;
}

// Past "Ready To Start", a chat line out once the other's line (expected) arrived, or before.
void chat(TestWindow& t, const QString& expected, const QString& mine, bool first) {
    QTRY_VERIFY_WITH_TIMEOUT(!t.prompts.withCaption(QStringLiteral("Ready To Start")).isEmpty(),
                             kSlowMs);
    if (!first)
        QTRY_VERIFY_WITH_TIMEOUT(t->ui().MyMemo->toPlainText().contains(expected), kSlowMs);
    t->ui().MyMess->setText(mine);
    t->SendButtonClick();
    if (first)
        QTRY_VERIFY_WITH_TIMEOUT(t->ui().MyMemo->toPlainText().contains(expected), kSlowMs);
}

// Each side guesses its own words, missing `misses` letters of each, until the game is over;
// then it stays until the other side is over too, whose last tick a close would forestall.
void playToTheEnd(TestWindow& t, int misses, const char* over, const char* otherOver) {
    QTRY_VERIFY_WITH_TIMEOUT(offers(t, kStart), kSlowMs);
    t->ActionButtonClick();
    for (int step = 0; step < 6 && gameOver(t).isEmpty(); ++step) {
        QTRY_VERIFY_WITH_TIMEOUT(!gameOver(t).isEmpty() || offers(t, kPlay), kSlowMs);
        if (!gameOver(t).isEmpty())
            break;
        t->ActionButtonClick();
        QVERIFY(!offers(t, kPlay));
        clickWord(t, t->game().round().word(), misses);
    }
    QTRY_COMPARE_WITH_TIMEOUT(gameOver(t).size(), 1, kSlowMs);
    QVERIFY2(gameOver(t).first().startsWith(QStringLiteral("Ann is the winner!")),
             qPrintable(gameOver(t).first()));
    QCOMPARE(t.prompts.withCaption(QStringLiteral("Error")), QStringList());
    QVERIFY(QFile(shared(over)).open(QIODevice::WriteOnly));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(shared(otherOver)), kSlowMs);
}

}  // namespace

class LabPlayer : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWindow> t_;

private Q_SLOTS:
    // What a failing side saw, for the lab's output.
    void cleanup() {
        if (QTest::currentTestFailed() && t_)
            qWarning("%s", qPrintable(logOf(*t_).join(QLatin1Char('\n'))));
        t_.reset();
    }

    void ann() {
        t_ = player("Ann", "Win Score=10\r\nGame Type=2\r\nWord Type=1\r\nScramble List=No\r\n");
        TestWindow& a = *t_;
        a->options().LoadGame(a.writeFile(QStringLiteral("fruit.txt"), kFruit));
        startThroughTheWizard(a, choose(&TDoNewGame::RegServer));
        // The router's own words: nobody reaches her, or its forwarded port does, at its own
        // address, which she cannot know (hers is the home network's).
        const QString told =
            relayed()
                ? QStringLiteral(">>Waiting through the server's relay")
                : QStringLiteral(
                      ">>Callers can reach you directly at the address the server lists for you.");
        QTRY_VERIFY_WITH_TIMEOUT(logOf(a).join('\n').contains(told), kSlowMs);
        QVERIFY(QFile(shared("ann-waiting")).open(QIODevice::WriteOnly));

        QTRY_VERIFY_WITH_TIMEOUT(a->peer().connected(), kSlowMs);
        QVERIFY(a->game().isPlayer1());
        QTRY_VERIFY(logOf(a).contains(QStringLiteral(">>Removed from server")));
        chat(a, QStringLiteral("Bea> hi"), QStringLiteral("hello"), false);
        playToTheEnd(a, 0, "ann-over", "bea-over");
    }

    void bea() {
        t_ = player("Bea", "Scramble List=No\r\n");
        TestWindow& b = *t_;
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(shared("ann-waiting")), kSlowMs);
        QStringList listed;
        scriptWizard(b, choose(&TDoNewGame::LogServer, &TDoNewGame::LongestWait));
        pickFirstListed(b, listed);
        b->show();
        b->ui().StartGame->click();
        QTRY_VERIFY_WITH_TIMEOUT(b->peer().connected(), kSlowMs);
        QCOMPARE(listed, QStringList{QStringLiteral("Ann")});
        QCOMPARE(
            logOf(b).contains(QStringLiteral(">>Attempting To Connect through the server's relay")),
            relayed());
        QCOMPARE(b->peer().peerAddress().contains(QLatin1Char('/')), relayed());
        QVERIFY(!b->game().isPlayer1());
        chat(b, QStringLiteral("Ann> hello"), QStringLiteral("hi"), true);
        playToTheEnd(b, 1, "bea-over", "ann-over");
    }
};

ROPEWIT_TEST(LabPlayer)
#include "LabPlayer.moc"
