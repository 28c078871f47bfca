// A word being guessed and the scores of a game, without any window.
#include "Testing.h"

#include "game/Round.h"
#include "game/Scores.h"

namespace {

Round started(const QString& word, int guesses = 8) {
    Round round;
    round.begin(word, QStringLiteral("clue"), guesses);
    return round;
}

int tileOf(char c) {
    return c == ' ' ? Round::kTiles : c - 'A' + 1;
}

std::vector<int> shown(const Round& round) {
    std::vector<int> positions;
    for (int p = 1; p <= round.length(); ++p) {
        if (round.isRevealed(p)) {
            positions.push_back(p);
        }
    }
    return positions;
}

}  // namespace

class TestRound : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keysGuessTheirLettersAndTheSpaceBarTheBlank() {
        QCOMPARE(Round::tileOfKey(Qt::Key_A), 1);
        QCOMPARE(Round::tileOfKey(Qt::Key_Z), 26);
        QCOMPARE(Round::tileOfKey(Qt::Key_Space), Round::kTiles);
        QCOMPARE(Round::letterOfTile(Round::tileOfKey(Qt::Key_Q)), QLatin1Char('Q'));
        QCOMPARE(Round::tileOfKey(Qt::Key_0), 0);
        QCOMPARE(Round::tileOfKey(Qt::Key_Return), 0);
        QCOMPARE(Round::tileOfKey(Qt::Key_Adiaeresis), 0);
    }

    void hitsRevealEveryPositionOfTheLetterWhateverItsCase() {
        Round round = started(QStringLiteral("Mississippi"));
        const Round::Guess s = round.guess(tileOf('S'));
        QCOMPARE(s.outcome, Round::Outcome::Hit);
        QCOMPARE(s.letter, QLatin1Char('S'));
        QCOMPARE(s.tile, 19);
        QCOMPARE(s.positions, (std::vector<int>{3, 4, 6, 7}));
        QCOMPARE(shown(round), (std::vector<int>{3, 4, 6, 7}));
        QCOMPARE(round.word(), QStringLiteral("Mississippi"));
        QCOMPARE(round.guessesLeft(), 8);
        QVERIFY(!round.isComplete());
        for (char c : {'M', 'I', 'P'}) {
            round.guess(tileOf(c));
        }
        QVERIFY(round.isComplete());
        QCOMPARE(round.usedLetters(), QStringLiteral("SMIP"));
        QCOMPARE(round.usedLettersLine(), QStringLiteral(" S M I P"));
    }

    void repeatedAndUnknownGuessesChangeNothing() {
        Round round = started(QStringLiteral("CAT"));
        QCOMPARE(round.guess(tileOf('Z')).outcome, Round::Outcome::Miss);
        for (int tile : {tileOf('Z'), 0, 28, -1}) {
            const Round::Guess g = round.guess(tile);
            QCOMPARE(g.outcome, Round::Outcome::Ignored);
            QVERIFY(g.positions.empty());
        }
        QCOMPARE(round.guessesLeft(), 7);
        QCOMPARE(round.usedLetters(), QStringLiteral("Z"));
        // A hit letter tried again costs nothing either.
        round.guess(tileOf('A'));
        QCOMPARE(round.guess(tileOf('A')).outcome, Round::Outcome::Ignored);
        QCOMPARE(round.usedLetters(), QStringLiteral("ZA"));
        QCOMPARE(round.missedLetters(), QStringLiteral("Z"));
    }

    void theSpaceTileGuessesBlanksAndOtherCharactersStayHidden() {
        Round round = started(QStringLiteral("NEW-YORK CITY"));
        QCOMPARE(Round::letterOfTile(27), QLatin1Char(' '));
        QCOMPARE(round.guess(27).positions, std::vector<int>{9});
        for (char c : {'N', 'E', 'W', 'Y', 'O', 'R', 'K', 'C', 'I', 'T'}) {
            round.guess(tileOf(c));
        }
        QVERIFY(!round.isRevealed(4));
        QVERIFY(!round.isComplete());
    }

    void theLastMissHangsAndShowsTheWord() {
        Round round = started(QStringLiteral("OX"), 2);
        round.guess(tileOf('O'));
        QCOMPARE(round.guess(tileOf('A')).outcome, Round::Outcome::Miss);
        QCOMPARE(round.guess(tileOf('B')).outcome, Round::Outcome::Hanged);
        QCOMPARE(round.guessesLeft(), 0);
        QCOMPARE(shown(round), (std::vector<int>{1, 2}));

        Round once = started(QStringLiteral("OX"), 1);
        QCOMPARE(once.guess(tileOf('Q')).outcome, Round::Outcome::Hanged);
    }

    void beginStartsAFreshWordCutToTheTiles() {
        Round round = started(QStringLiteral("ABC"), 3);
        round.guess(tileOf('A'));
        round.guess(tileOf('Z'));
        round.begin(QStringLiteral("abcdefghijklmnopq"), QStringLiteral("long"), 5);
        QCOMPARE(round.word(), QStringLiteral("abcdefghijklmno"));
        QCOMPARE(round.length(), 15);
        QCOMPARE(round.clue(), QStringLiteral("long"));
        QVERIFY(round.usedLetters().isEmpty() && shown(round).empty());
        QCOMPARE(round.guessesLeft(), 5);
        QCOMPARE(round.guessesAllowed(), 5);
        QVERIFY(!round.isRevealed(16) && !round.isRevealed(0));
        // An empty word is solved from the start.
        QVERIFY(started(QString()).isComplete());
    }

    void theFigureGrowsBandByBand() {
        Round round = started(QStringLiteral("Q"), 8);
        QList<int> bottoms;
        for (char c = 'A'; c <= 'G'; ++c) {
            QCOMPARE(round.guess(tileOf(c)).outcome, Round::Outcome::Miss);
            const scoring::Band band = round.figureBand();
            QCOMPARE(band.left, 78);
            QCOMPARE(band.right, 136);
            QCOMPARE(band.top, bottoms.isEmpty() ? 69 : 107);
            bottoms.append(band.bottom);
        }
        QCOMPARE(bottoms, (QList<int>{107, 134, 147, 161, 174, 188, 201}));
    }

    void scoresAddUpAndTheWinnerNeedsMoreThanTheWinningScore_data() {
        QTest::addColumn<long long>("p1");
        QTest::addColumn<long long>("p2");
        QTest::addColumn<int>("winner");
        QTest::addColumn<QString>("firstLine");
        const auto none = int(scoring::Winner::None);
        QTest::newRow("100 and 95") << 100LL << 95LL << none << QString();
        QTest::newRow("both at 100") << 100LL << 100LL << none << QString();
        QTest::newRow("101 and 95") << 101LL << 95LL << int(scoring::Winner::Player1)
                                    << QStringLiteral("Ann is the winner!");
        QTest::newRow("103 and 103")
            << 103LL << 103LL << int(scoring::Winner::Tie) << QStringLiteral("We have a tie!");
        QTest::newRow("98 and 104") << 98LL << 104LL << int(scoring::Winner::Player2)
                                    << QStringLiteral("Bea is the winner!");
        QTest::newRow("102 and 110") << 102LL << 110LL << int(scoring::Winner::Player2)
                                     << QStringLiteral("Bea is the winner!");
    }
    void scoresAddUpAndTheWinnerNeedsMoreThanTheWinningScore() {
        QFETCH(long long, p1);
        QFETCH(long long, p2);
        QFETCH(int, winner);
        QFETCH(QString, firstLine);
        Scores scores;
        scores.add(true, p1 - 1);
        scores.add(true, 1);
        scores.add(false, p2);
        scores.add(false, -50);
        QCOMPARE(scores.player1(), p1);
        QCOMPARE(scores.player2(), p2);
        QCOMPARE(int(scores.winner(100)), winner);
        if (!firstLine.isEmpty()) {
            const QString text = scores.gameOverText(scores.winner(100), QStringLiteral("Ann"),
                                                     QStringLiteral("Bea"));
            QCOMPARE(text, firstLine + QStringLiteral("\n\r\n\rAnn Score: %1\n\rBea Score: %2"
                                                      "\n\r\n\rWould you like to play this "
                                                      "same opponent again?")
                                           .arg(p1)
                                           .arg(p2));
        }
        scores.reset();
        QCOMPARE(scores.player1() + scores.player2(), 0LL);
    }
};

ROPEWIT_TEST(TestRound)
#include "tst_round.moc"
