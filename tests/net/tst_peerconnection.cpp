#include "LoopbackPeers.h"
#include "Testing.h"

// Two connections in one process, without any window: the game's steps are taken by hand
// on each side, the messages travel over loopback.
namespace {

using Phase = PeerConnection::Phase;
using Offer = PeerConnection::Offer;

using loopback::Side;

// a listens, b calls it: a is Player 1.
void connectPair(Side& a, Side& b) {
    CHECKED(loopback::connect(a, b));
    QTRY_VERIFY(a->phase() == Phase::ReadyToStart && b->phase() == Phase::ReadyToStart);
}

void bothStart(Side& a, Side& b) {
    a->pressStart();
    QCOMPARE(a->waiting(), QStringLiteral("Waiting for opponent to start"));
    b->pressStart();
    QTRY_VERIFY(a->stepDue() && b->stepDue());
    QVERIFY(a->ready().both() && b->ready().both());
}

// One step: a (Player 1) chooses both words from its list, both play, both score.
void playStep(Side& a, Side& b, const QString& aWord, const QString& bWord, int aPoints,
              int bPoints) {
    a->beginStep();
    b->beginStep();
    QCOMPARE(a->phase(), Phase::WordExchange);
    QVERIFY(!a->stepDue());
    a->send(PeerMessage::SenderWord, aWord);
    a->send(PeerMessage::YourWord, bWord + QStringLiteral(":clue"));
    a->setOpponentWord(bWord);
    a->word().mine = true;
    a->setOffer(Offer::PlayWord);
    b->word().mine = true;
    QTRY_VERIFY(b->word().theirs);
    QCOMPARE(b->offer(), Offer::PlayWord);
    QVERIFY(b->offerEnabled());
    QCOMPARE(b->opponent().word, aWord);
    QCOMPARE(b->opponent().progress, QString(aWord.size(), QLatin1Char('_')));
    QCOMPARE(b->opponent().guessesLeft, 8);

    a->playWord(8);
    b->playWord(8);
    QCOMPARE(a->phase(), Phase::Playing);
    QCOMPARE(a->offer(), Offer::None);
    QVERIFY(a->started() && !a->wordFinished());
    QTRY_COMPARE(a->opponent().wordType, 1);

    // b misses once and finds the first letter of its word.
    b->send(PeerMessage::LetterGuessed, QStringLiteral("q"));
    b->send(PeerMessage::LetterGuessed, bWord.left(1));
    QTRY_COMPARE(a->opponent().progress.left(1), bWord.left(1));
    QCOMPARE(a->opponent().guessesLeft, 7);
    QCOMPARE(a->opponent().missed, bWord.left(1) + QStringLiteral(" Q "));

    a->finishWord(aPoints);
    QCOMPARE(a->phase(), Phase::Scores);
    QVERIFY(a->wordFinished());
    QCOMPARE(a->waiting(), QStringLiteral("Waiting for opponent's score."));
    b->finishWord(bPoints);
    QTRY_VERIFY(a->stepDue() && b->stepDue());
    QVERIFY(a->waiting().isEmpty() && b->waiting().isEmpty());
    QVERIFY(a->score().both() && b->score().both());
}

}  // namespace

class TestPeerConnection : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void twoConnectionsPlayWholeGames() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        QSignalSpy annGot(ann.peer.get(), &PeerConnection::received);
        QSignalSpy beaGot(bea.peer.get(), &PeerConnection::received);
        CHECKED(connectPair(ann, bea));
        QVERIFY(ann->isPlayer1());
        QVERIFY(!bea->isPlayer1());
        // The opening reached Bea in order, and Bea answered with her name.
        QTRY_COMPARE(beaGot.count(), 5);
        QCOMPARE(beaGot.at(0).at(0).value<PeerMessage>(), PeerMessage::StatusLine);
        QCOMPARE(beaGot.at(1).at(1).toString(), QStringLiteral("08"));
        QCOMPARE(beaGot.at(2).at(1).toString(), QStringLiteral("21010100"));
        QCOMPARE(beaGot.at(3).at(1).toString(), QStringLiteral("Ann"));
        QCOMPARE(beaGot.at(4).at(0).value<PeerMessage>(), PeerMessage::HintMode);
        QCOMPARE(annGot.count(), 1);
        QCOMPARE(annGot.at(0).at(1).toString(), QStringLiteral("Bea"));

        for (int game = 0; game < 2; ++game) {
            CHECKED(bothStart(ann, bea));
            CHECKED(playStep(ann, bea, QStringLiteral("RAIN"), QStringLiteral("SNOW"), 5, 3));
            CHECKED(playStep(ann, bea, QStringLiteral("FIG"), QStringLiteral("PEAR"), 8, 9));
            // The window's rules found a winner: a new game against the same opponent.
            ann->beginStep();
            bea->beginStep();
            ann->gameOver();
            bea->gameOver();
            QCOMPARE(ann->phase(), Phase::GameOver);
            QCOMPARE(ann->offer(), Offer::StartGame);
            QVERIFY(ann->offerEnabled());
            ann->ready().clear();
            bea->ready().clear();
        }

        // Bea leaves on purpose: Ann has lost a game, Bea has not.
        bea->leave();
        QTRY_COMPARE(ann.ended->count(), 1);
        QCOMPARE(ann.ended->at(0).at(0).toBool(), true);
        QTRY_COMPARE(bea.ended->count(), 1);
        QCOMPARE(bea.ended->at(0).at(0).toBool(), false);
        QVERIFY(!ann->connected() && !bea->connected());
        QVERIFY(!ann->stepDue());
    }

    // The port this side names to callers: the one it listens on once it does, else the
    // usual one; written after this machine's addresses when it is not the usual one.
    void theAddressesNameTheListeningPort() {
        Side ann(QStringLiteral("Ann"));
        const QStringList own{QStringLiteral("192.0.2.7")};
        QCOMPARE(ann->listeningPort(52201), quint16(52201));
        QCOMPARE(ann->ownAddressesText(own, 52201),
                 QStringLiteral("Your IP Addresses is 192.0.2.7"));
        ann->StartServer();
        QVERIFY(ann->isListening());
        const quint16 port = ann->srvWSocket().localPort();
        QCOMPARE(ann->listeningPort(52201), port);
        QCOMPARE(ann->ownAddressesText(own, 52201),
                 QStringLiteral("Your IP Addresses is 192.0.2.7:") + QString::number(port));
    }

    // A second caller is turned away with the busy text; the game goes on untouched, and the
    // turned-away side has lost no game.
    void aSecondCallerIsTurnedAway() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        Side cal(QStringLiteral("Cal"));
        CHECKED(connectPair(ann, bea));
        CHECKED(bothStart(ann, bea));
        cal.call(ann->srvWSocket().localPort());
        QTRY_COMPARE(cal.ended->count(), 1);
        QCOMPARE(cal.ended->at(0).at(0).toBool(), false);
        QVERIFY(ann.log.filter(QStringLiteral(" is trying to call you")).size() == 1);
        QVERIFY(ann->connected() && ann->stepDue());
        QCOMPARE(ann.ended->count(), 0);
    }

    // A caller that sends far more than any game does is found out while it still sends:
    // told once, its messages dropped unread, the line kept busy for others until it leaves,
    // and then the next caller is taken.
    void aFloodingCallerIsCutOffUntilItLeaves() {
        Side ann(QStringLiteral("Ann"));
        ann->cliWSocket().setHonestBacklog(64 * 1024);
        QSignalSpy begun(ann.peer.get(), &PeerConnection::sessionBegun);
        QSignalSpy got(ann.peer.get(), &PeerConnection::received);
        QTcpSocket flooder;
        CHECKED(loopback::connectPlain(ann, flooder));
        QCOMPARE(begun.count(), 1);
        QByteArray flood;
        while (flood.size() < 4 * 1024 * 1024) {
            flood += QByteArrayLiteral("05x\x02");
        }
        flooder.write(flood);
        const QString notice = QStringLiteral("NOTICE:> The opponent sends far more");
        QTRY_COMPARE_WITH_TIMEOUT(ann.log.filter(notice).size(), 1, 30000);
        QVERIFY(ann->connected());
        QVERIFY(got.count() < 64 * 1024 / 4);
        QTRY_COMPARE_WITH_TIMEOUT(flooder.bytesToWrite(), 0, 30000);

        Side cal(QStringLiteral("Cal"));
        cal.call(ann->srvWSocket().localPort());
        QTRY_COMPARE(cal.ended->count(), 1);
        QCOMPARE(ann.log.filter(QStringLiteral(" is trying to call you")).size(), 1);
        QVERIFY(ann->connected());

        flooder.disconnectFromHost();
        QTRY_COMPARE(ann.ended->count(), 1);
        Side bea(QStringLiteral("Bea"));
        bea.call(ann->srvWSocket().localPort());
        QTRY_COMPARE(begun.count(), 2);
        QTRY_VERIFY(bea->connected());
        QCOMPARE(ann.log.filter(notice).size(), 1);
    }

    // A caller who comes as a lost game's connection ends, while its last bytes are still
    // handed out or while the question its loss raises is open, is taken at once: this side is
    // no longer connected. The question stays open until the caller has the opening.
    void aCallerAsTheLastConnectionEndsIsTaken_data() {
        QTest::addColumn<bool>("asking");
        QTest::newRow("last bytes") << false;
        QTest::newRow("question") << true;
    }
    void aCallerAsTheLastConnectionEndsIsTaken() {
        QFETCH(bool, asking);
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        QTcpSocket leaver;
        CHECKED(loopback::connectPlain(ann, leaver));
        ann->setPhase(Phase::Playing);
        bool called = false;
        const auto callIf = [&](bool now) {
            if (now && !std::exchange(called, true)) {
                bea.call(ann->srvWSocket().localPort());
            }
        };
        QObject::connect(&ann->cliWSocket(), &TWSocket::DataAvailable,
                         [&] { callIf(!asking && ann->cliWSocket().closing()); });
        QObject::connect(ann.peer.get(), &PeerConnection::sessionEnded, [&] {
            callIf(asking);
            QVERIFY(QTest::qWaitFor([&] { return bea->phase() == Phase::ReadyToStart; }));
        });
        leaver.write(QByteArray(48 * 1024, '\x02'));
        leaver.disconnectFromHost();
        QTRY_COMPARE(ann.ended->count(), 1);
    }

    // After a lost game the next connection knows nothing of it.
    void aNewConnectionStartsClean() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        CHECKED(connectPair(ann, bea));
        CHECKED(bothStart(ann, bea));
        CHECKED(playStep(ann, bea, QStringLiteral("RAIN"), QStringLiteral("SNOW"), 5, 3));
        ann->cliWSocket().Close();
        QTRY_COMPARE(bea.ended->count(), 1);
        QCOMPARE(bea.ended->at(0).at(0).toBool(), true);

        Side cal(QStringLiteral("Cal"));
        QSignalSpy begun(ann.peer.get(), &PeerConnection::sessionBegun);
        cal.call(ann->srvWSocket().localPort());
        QTRY_COMPARE(begun.count(), 1);
        QVERIFY(!ann->started() && !ann->wordFinished());
        QVERIFY(!ann->ready().mine && !ann->ready().theirs && !ann->posted().mine);
        QVERIFY(!ann->word().theirs && !ann->score().mine);
        QCOMPARE(ann->offer(), Offer::None);
        QVERIFY(ann->waiting().isEmpty());
        QVERIFY(ann->opponent().word.isEmpty() && ann->opponent().missed.isEmpty());
        QTRY_COMPARE(ann->phase(), Phase::ReadyToStart);
    }

    // Held events wait, in order, and run once the last hold ends; an event that comes in
    // while the queue is being worked off (a box opened by an earlier one) runs at once.
    void theGateKeepsEventsBackInOrder() {
        MessageGate gate;
        QStringList ran;
        gate.run([&] { ran << QStringLiteral("free"); });
        {
            MessageGate::Hold outer(gate);
            {
                MessageGate::Hold inner(gate);
                gate.run([&] {
                    ran << QStringLiteral("first");
                    gate.run([&] { ran << QStringLiteral("nested"); });
                });
            }
            QVERIFY(gate.held());
            gate.run([&] { ran << QStringLiteral("second"); });
            QCOMPARE(ran, QStringList{QStringLiteral("free")});
        }
        QVERIFY(!gate.held());
        QCOMPARE(ran, (QStringList{QStringLiteral("free"), QStringLiteral("first"),
                                   QStringLiteral("nested"), QStringLiteral("second")}));
    }

    // Messages that arrive while a greeting holds the gate are handled after it, by a side
    // whose role is already set.
    void theOpeningWaitsForTheGreeting() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        QStringList seen;
        QObject::connect(bea.peer.get(), &PeerConnection::sessionBegun, [&](bool asPlayer1) {
            seen << QStringLiteral("begun %1").arg(asPlayer1);
            // The greeting takes a while: everything Ann sends arrives meanwhile.
            QSignalSpy arrived(&bea->cliWSocket(), &TWSocket::DataAvailable);
            QTRY_VERIFY(arrived.count() > 0);
            seen << QStringLiteral("greeted");
        });
        QObject::connect(bea.peer.get(), &PeerConnection::received,
                         [&](PeerMessage m, const QString&) {
                             seen << QStringLiteral("msg %1").arg(codeOf(m));
                             QVERIFY(!bea->isPlayer1());
                         });
        CHECKED(connectPair(ann, bea));
        QTRY_COMPARE(seen.size(), 7);
        QCOMPARE(seen.mid(0, 3), (QStringList{QStringLiteral("begun 0"), QStringLiteral("greeted"),
                                              QStringLiteral("msg 5")}));
    }
};

ROPEWIT_TEST(TestPeerConnection)
#include "tst_peerconnection.moc"
