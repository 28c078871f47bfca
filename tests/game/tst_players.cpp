#include "Testing.h"

#include "game/Players.h"

// The two players' names: which one is "own" depends on which side accepted the call.
class TestPlayers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachSideSeesItsOwnAndTheOpponentsName() {
        Players caller;  // Player 2
        QCOMPARE(caller.takeOwn(QStringLiteral("Bea"), false), QStringLiteral("Bea"));
        QCOMPARE(caller.takeOpponent(QStringLiteral("Ann"), false), QStringLiteral("Ann"));
        QCOMPARE(caller.player1(), QStringLiteral("Ann"));
        QCOMPARE(caller.player2(), QStringLiteral("Bea"));
        QCOMPARE(caller.own(false), QStringLiteral("Bea"));
        QCOMPARE(caller.opponent(false), QStringLiteral("Ann"));
        QCOMPARE(caller.readyLine(true), QStringLiteral(">>Ann Ready To Start"));
        QCOMPARE(caller.readyLine(false), QStringLiteral(">>Bea Ready To Start"));
    }

    void aMissingNameIsThePlayersNumberAndALongOneIsCut() {
        Players p;
        QCOMPARE(p.takeOwn(QString(), true), QStringLiteral("Player 1"));
        QCOMPARE(p.takeOpponent(QString(), true), QStringLiteral("Player 2"));
        QCOMPARE(p.takeOpponent(QString(400, QLatin1Char('z')), true).size(), 255);
        QCOMPARE(p.player1(), QStringLiteral("Player 1"));
        // A renamed opponent replaces only the opponent's name.
        p.takeOpponent(QStringLiteral("Cy"), true);
        QCOMPARE(p.player1(), QStringLiteral("Player 1"));
        QCOMPARE(p.player2(), QStringLiteral("Cy"));
    }

    void soloPlayIsPlayerOne() {
        Players p;
        p.setPlayer2(QStringLiteral("Old opponent"));
        QCOMPARE(p.takeSolo(QString()), QStringLiteral("Player 1"));
        QCOMPARE(p.takeSolo(QStringLiteral("Dee")), QStringLiteral("Dee"));
        QCOMPARE(p.own(true), QStringLiteral("Dee"));
    }
};

ROPEWIT_TEST(TestPlayers)
#include "tst_players.moc"
