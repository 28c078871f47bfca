#include "Testing.h"

#include "game/Players.h"
#include "net/OptionChanges.h"
#include "settings/Settings.h"

// What a change of options made during a two-player game tells the opponent and the log,
// without a window or a connection.
class TestOptionChanges : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nothingThatTravelsChangedTellsNothing() {
        Settings s;
        const OptionChanges changes(s);
        s.UseHints = !s.UseHints;
        s.ScrambleList = !s.ScrambleList;
        QVERIFY(!changes.guessAttempts(s));
        QVERIFY(!changes.gameOptions(s, Players()));
        QVERIFY(!changes.userName(s));
    }

    void guessAttemptsTravelAsTwoDigitsAndAreLoggedAsTyped() {
        Settings s;
        s.NumGuesses = QStringLiteral("8");
        const OptionChanges changes(s);
        s.NumGuesses = QStringLiteral("5");
        auto notice = changes.guessAttempts(s);
        QVERIFY(notice);
        QCOMPARE(notice->message, PeerMessage::GuessAttempts);
        QCOMPARE(notice->payload, QStringLiteral("05"));
        QCOMPARE(notice->logLine, QStringLiteral(">>Guess Attempts Changed To 5"));
        s.NumGuesses = QStringLiteral("12");
        notice = changes.guessAttempts(s);
        QVERIFY(notice);
        QCOMPARE(notice->payload, QStringLiteral("12"));
        // The other questions still see nothing changed.
        QVERIFY(!changes.gameOptions(s, Players()));
    }

    void eachGameOptionCountsAndTheWinningScoreIsNamedOnlyWhenItChanged() {
        Players players;
        players.setPlayer1(QStringLiteral("Ann"));
        players.setPlayer2(QStringLiteral("Bob"));
        Settings s;
        s.SameWordLength = false;
        const OptionChanges changes(s);
        s.WinScore = 150;
        auto notice = changes.gameOptions(s, players);
        QVERIFY(notice);
        QCOMPARE(notice->message, PeerMessage::GameOptions);
        QCOMPARE(notice->payload, QStringLiteral("22010150"));
        QCOMPARE(notice->logLine,
                 QStringLiteral(">>Game Options Changed: Program Chooses Words, Players Get Same "
                                "Words, Ann Chooses Word List, Winning Score is 150"));

        s.WinScore = 100;
        s.Player1Chooses = false;
        notice = changes.gameOptions(s, players);
        QVERIFY(notice);
        QVERIFY(!notice->logLine.contains(QStringLiteral("Winning Score")));
        QVERIFY(notice->logLine.contains(QStringLiteral("Bob Chooses Word List")));
        const peertext::GameOptions sent = peertext::parseGameOptions(notice->payload);
        QVERIFY(!sent.player1Chooses);
        QCOMPARE(sent.winScore, 100);

        for (auto change :
             {+[](Settings& x) { x.GameType = 1; }, +[](Settings& x) { x.WordType = 1; },
              +[](Settings& x) { x.SameWordLength = true; }}) {
            Settings t = Settings();
            t.SameWordLength = false;
            change(t);
            QVERIFY(changes.gameOptions(t, players));
        }
    }

    void aNewNameTravelsAsTypedWithoutALogLine() {
        Settings s;
        s.UserName = QStringLiteral("Old");
        const OptionChanges changes(s);
        s.UserName = QString();
        auto notice = changes.userName(s);
        QVERIFY(notice);
        QCOMPARE(notice->message, PeerMessage::NameChanged);
        QCOMPARE(notice->payload, QString());
        QVERIFY(notice->logLine.isEmpty());
        s.UserName = QStringLiteral("Old");
        QVERIFY(!changes.userName(s));
    }
};

ROPEWIT_TEST(TestOptionChanges)
#include "tst_optionchanges.moc"
