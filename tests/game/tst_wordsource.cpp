// The word list in play: loading, going through it, and the words the program deals to two
// players; without any window.
#include <QTemporaryDir>
#include <climits>

#include "TestFiles.h"
#include "Testing.h"
#include "core/Random.h"
#include "game/WordSource.h"

namespace {

WordSource listOf(const QStringList& words, const QStringList& hints = {}) {
    WordSource source;
    source.setList(QStringLiteral("Test"), words, hints);
    return source;
}

QStringList wordsOf(const std::vector<wordlist::Entry>& entries) {
    QStringList words;
    for (const wordlist::Entry& e : entries) {
        words.append(e.word);
    }
    return words;
}

QStringList marked(const WordSource& source) {
    QStringList words;
    for (int i = 0; i < source.count(); ++i) {
        if (source.isUsed(i)) {
            words.append(source.words().at(i));
        }
    }
    return words;
}

// own/other of one deal, written "own/other".
QString pair(const WordSource::Deal& deal) {
    return deal.own.word + QLatin1Char('/') + deal.other.word;
}

}  // namespace

class TestWordSource : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadingReadsTheFileAndScramblesWithTheGivenGenerator() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pets.txt"));
        QVERIFY(writeAll(path, "Pets\r\nant:Small\r\nbee\r\ncat:Purrs\r\ndog\r\neel\r\n"));
        WordSource source;
        QVERIFY(!source.loaded());
        QVERIFY(!source.load(path, nullptr).fellBack);
        QVERIFY(source.loaded());
        QCOMPARE(source.title(), QStringLiteral("Pets"));
        QCOMPARE(source.words(), (QStringList{"ant", "bee", "cat", "dog", "eel"}));
        QCOMPARE(source.hints(), (QStringList{"Small", "", "Purrs", "", ""}));
        QCOMPARE(source.usedCount(), 5);

        // The program's generator starts at 0; two loads in a row continue its sequence.
        Random random;
        source.load(path, &random);
        QCOMPARE(source.words(), (QStringList{"dog", "cat", "ant", "eel", "bee"}));
        QCOMPARE(source.hints(), (QStringList{"", "Purrs", "Small", "", ""}));
        source.load(path, &random);
        QCOMPARE(source.words(), (QStringList{"bee", "dog", "ant", "cat", "eel"}));
        QCOMPARE(random.state(), 1408429452u);
    }

    void aFileWithoutWordsGivesTheStandIn_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("title only") << QByteArray("Nothing\r\n") << true;
        QTest::newRow("empty") << QByteArray() << true;
    }
    void aFileWithoutWordsGivesTheStandIn() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, exists);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.txt"));
        if (exists) {
            QVERIFY(writeAll(path, bytes));
        }
        WordSource source = listOf({"ONE", "TWO"});
        Random random;
        const WordSource::LoadOutcome outcome = source.load(path, &random);
        QVERIFY(outcome.fellBack);
        QCOMPARE(outcome.problems(), QStringList{QStringLiteral("File could not be loaded.")});
        QCOMPARE(source.title(), QStringLiteral("File Not Found"));
        QCOMPARE(source.words(), QStringList{"NoWords"});
        QCOMPARE(source.hints(), QStringList{QString()});
        // The stand-in is scrambled like any list: one exchange, two draws.
        QCOMPARE(random.state(), 134775814u);
    }

    void aListReadInPartIsToldBeforeTheStandIn() {
        WordSource::LoadOutcome outcome;
        outcome.status = wordlist::Status::ReadError;
        outcome.errorString = QStringLiteral("Input/output error");
        QCOMPARE(outcome.problems(),
                 QStringList{QStringLiteral(
                     "The word list could not be read to its end: Input/output error")});
        outcome.fellBack = true;
        QCOMPARE(outcome.problems().size(), 2);
        QCOMPARE(outcome.problems().at(1), QStringLiteral("File could not be loaded."));
        outcome.skipped = {5, 1234};  // words too long for the tiles are not told, as ever
        QCOMPARE(outcome.problems().mid(1),
                 (QStringList{"1,234 words were left out: they hold control characters.",
                              "File could not be loaded."}));
    }

    void aLoadedListCostsItsFileAndAFewBytesAnEntry() {
        QTemporaryDir dir;
        // Millions of empty lines are millions of empty words, cheap enough to play.
        const QString empties = dir.filePath(QStringLiteral("empties.txt"));
        const QByteArray returns = "Blank\r" + QByteArray(4 * 1024 * 1024, '\r');
        QVERIFY(writeAll(empties, returns));
        WordSource source;
        Random random;
        const WordSource::LoadOutcome outcome = source.load(empties, &random);
        QVERIFY(!outcome.fellBack);
        QCOMPARE(outcome.status, wordlist::Status::Ok);
        QVERIFY(outcome.problems().isEmpty());
        QCOMPARE(source.title(), QStringLiteral("Blank"));
        QCOMPARE(source.count(), 4 * 1024 * 1024);
        QVERIFY(source.word(12345).isEmpty());
        QVERIFY2(source.heldBytes() <= returns.size() + 4LL * source.count() + 64,
                 QByteArray::number(source.heldBytes() - returns.size() - 4LL * source.count()));
        // A usual list holds its file and four bytes an entry; the list before it is gone.
        QByteArray usual = "Usual\r\n";
        for (int i = 0; i < 50000; ++i) {
            usual += "WORD" + QByteArray::number(i) + ":clue " + QByteArray::number(i) + "\r\n";
        }
        const QString path = dir.filePath(QStringLiteral("usual.txt"));
        QVERIFY(writeAll(path, usual));
        QVERIFY(!source.load(path, nullptr).fellBack);
        QCOMPARE(source.count(), 50000);
        QCOMPARE(source.word(49999), QStringLiteral("WORD49999"));
        QCOMPARE(source.hint(49999), QStringLiteral("clue 49999"));
        QVERIFY(source.heldBytes() <= usual.size() + 4LL * source.count() + 64);
    }

    void soloWordsComeInListOrderAndStartAgainAfterTheLast() {
        WordSource source = listOf({"CAT", "Dog", "EMU"}, {"Purrs", "", QString(300, 'h')});
        source.restart();
        std::vector<wordlist::Entry> taken;
        QList<int> numbers;
        for (int i = 0; i < 5; ++i) {
            taken.push_back(source.nextWord());
            numbers.append(source.number());
        }
        QCOMPARE(wordsOf(taken), (QStringList{"CAT", "Dog", "EMU", "CAT", "Dog"}));
        QCOMPARE(numbers, (QList<int>{1, 2, 3, 1, 2}));
        QCOMPARE(taken[0].clue, QStringLiteral("Purrs"));
        QCOMPARE(taken[1].clue, QStringLiteral("No hint given"));
        QCOMPARE(taken[2].clue.size(), 255);
        QCOMPARE(source.index(), 1);

        // After a solo load the next word is the list's second.
        source.rewind();
        QCOMPARE(source.nextWord().word, QStringLiteral("Dog"));
        QCOMPARE(source.number(), 1);
        // An empty list has no word to give.
        WordSource none;
        none.restart();
        const wordlist::Entry nothing = none.nextWord();
        QVERIFY(nothing.word.isEmpty());
        QCOMPARE(nothing.clue, QStringLiteral("No hint given"));
    }

    void aDifficultyPlaysOnlyWordsOfItsLength_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QStringList>("played");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("fitting");
        QTest::newRow("short") << int(Difficulty::Short) << QStringList{"EMU", "LLAMA", "EMU"}
                               << QStringLiteral("Word 1 of 2") << 2;
        QTest::newRow("medium") << int(Difficulty::Medium) << QStringList{"BADGER", "BADGER"}
                                << QStringLiteral("Word 1 of 1") << 1;
        QTest::newRow("long") << int(Difficulty::Long) << QStringList{"CROCODILE", "CROCODILE"}
                              << QStringLiteral("Word 1 of 1") << 1;
        QTest::newRow("none fits: all play") << int(Difficulty::Long) << QStringList{"OX", "EMU"}
                                             << QStringLiteral("Word 2 of 2") << 0;
    }
    void aDifficultyPlaysOnlyWordsOfItsLength() {
        QFETCH(int, level);
        QFETCH(QStringList, played);
        QFETCH(QString, shown);
        QFETCH(int, fitting);
        WordSource source = fitting == 0 ? listOf({"OX", "EMU"})
                                         : listOf({"OX", "EMU", "BADGER", "CROCODILE", "LLAMA"});
        source.setDifficulty(static_cast<Difficulty>(level));
        source.restart();
        QCOMPARE(source.fittingCount(), fitting);
        QStringList taken;
        for (qsizetype i = 0; i < played.size(); ++i) {
            taken.append(source.nextWord().word);
        }
        QCOMPARE(taken, played);
        QCOMPARE(source.numberText(true), shown);
    }

    void twoPlayerWordsAreCountedWithoutGoingRound() {
        WordSource source = listOf({"A", "B"});
        source.restart();
        for (int i = 0; i < 3; ++i) {
            source.countWord();
        }
        QCOMPARE(source.index(), 2);
        QCOMPARE(source.number(), 3);
    }

    void typedWordLengthFollowsTheWordsPlayed() {
        const int cases[][2] = {{0, 6},  {1, 5},       {5, 9},      {6, 5},
                                {-6, 7}, {INT_MIN, 9}, {INT_MAX, 6}};
        for (const auto& c : cases) {
            QCOMPARE(WordSource::typedWordLength(c[0]), c[1]);
        }
    }

    void theSameLengthSearchWalksOnceRoundTheUnmarkedWords() {
        WordSource source = listOf({"AAA", "BB", "CCC", "DDD", "EE"}, {"a", "", "c", "d", ""});
        // From 3 it goes round: EE has the wrong length, AAA is the first fit.
        const wordlist::Entry first = source.findSameLengthWord(3, 3);
        QCOMPARE(first.word, QStringLiteral("AAA"));
        QCOMPARE(first.clue, QStringLiteral("a"));
        QCOMPARE(marked(source), QStringList{"AAA"});
        QCOMPARE(source.findSameLengthWord(3, 3).word, QStringLiteral("CCC"));
        // DDD itself is never its own partner; nothing is left.
        QVERIFY(source.findSameLengthWord(3, 3).word.isEmpty());
        QCOMPARE(marked(source), (QStringList{"AAA", "CCC"}));
        // A start before the list walks it all once.
        QCOMPARE(source.findSameLengthWord(-1, 2).word, QStringLiteral("BB"));
        QVERIFY(source.findSameLengthWord(-1, 4).word.isEmpty());
    }

    void dealsFollowTheOptions_data() {
        QTest::addColumn<bool>("sameWord");
        QTest::addColumn<bool>("sameLength");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("deals");
        QTest::addColumn<bool>("dropped");
        const QStringList fruit{"APPLE", "PEAR", "GRAPE", "MELON", "PLUM", "KIWI"};
        QTest::newRow("same word")
            << true << false << fruit << QStringList{"APPLE/APPLE", "PEAR/PEAR", "GRAPE/GRAPE"}
            << false;
        QTest::newRow("same word ignores the length")
            << true << true << fruit << QStringList{"APPLE/APPLE", "PEAR/PEAR"} << false;
        QTest::newRow("different words")
            << false << false << fruit
            << QStringList{"APPLE/PEAR", "GRAPE/MELON", "PLUM/KIWI", "APPLE/PEAR"} << false;
        QTest::newRow("different words of one length")
            << false << true << fruit
            << QStringList{"APPLE/GRAPE", "PEAR/PLUM", "GRAPE/MELON", "MELON/APPLE", "PLUM/KIWI"}
            << false;
        QTest::newRow("no two of one length") << false << true << QStringList{"OX", "COW", "HORSE"}
                                              << QStringList{"OX/COW", "HORSE/OX"} << true;
        QTest::newRow("what the wire cannot carry is passed over")
            << false << false << QStringList{"ŁÓDŹ", "CAFÉ", "THÉ", "PARIS"}
            << QStringList{"THÉ/PARIS", "THÉ/PARIS"} << false;
        QTest::newRow("the same word too") << true << false << QStringList{"ŁÓDŹ", "CAFÉ"}
                                           << QStringList{"CAFÉ/CAFÉ", "CAFÉ/CAFÉ"} << false;
    }
    void dealsFollowTheOptions() {
        QFETCH(bool, sameWord);
        QFETCH(bool, sameLength);
        QFETCH(QStringList, words);
        QFETCH(QStringList, deals);
        QFETCH(bool, dropped);
        WordSource source = listOf(words);
        source.restart();
        QStringList got;
        bool anyDropped = false;
        for (int i = 0; i < deals.size(); ++i) {
            const WordSource::Deal deal = source.deal(sameWord, sameLength && !anyDropped);
            anyDropped = anyDropped || deal.sameLengthDropped;
            got.append(pair(deal));
        }
        QCOMPARE(got, deals);
        QCOMPARE(anyDropped, dropped);
    }

    void dealtCluesFollowTheirWords() {
        WordSource source = listOf({"APPLE", "PEAR"}, {"", "Green"});
        source.restart();
        const WordSource::Deal same = source.deal(true, false);
        QCOMPARE(same.own.clue, QStringLiteral("No hint given"));
        QCOMPARE(same.other.clue, QStringLiteral("No hint given"));
        const WordSource::Deal swap = listOf({"PEAR", "APPLE"}, {"Green", ""}).deal(false, false);
        QCOMPARE(swap.own.clue, QStringLiteral("Green"));
        QCOMPARE(swap.other.clue, QString());
    }

    // The opponent's word follows the rule of the own list's words: the tiles' length, a clue
    // always; only the first colon starts the clue.
    void anOpponentsWordIsCutAndAlwaysHasAClue_data() {
        QTest::addColumn<QString>("payload");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("clue");
        QTest::newRow("no colon") << "CAT"
                                  << "CAT"
                                  << "No hint given";
        QTest::newRow("empty clue") << "CAT:"
                                    << "CAT"
                                    << "No hint given";
        QTest::newRow("clue with colon") << "DOG:a pet: furry"
                                         << "DOG"
                                         << "a pet: furry";
        QTest::newRow("too long") << QString(20, QLatin1Char('W')) + ":x"
                                  << QString(15, QLatin1Char('W')) << "x";
        QTest::newRow("nothing") << ""
                                 << ""
                                 << "No hint given";
    }

    void anOpponentsWordIsCutAndAlwaysHasAClue() {
        QFETCH(QString, payload);
        const wordlist::Entry entry = WordSource::fromOpponent(payload);
        QTEST(entry.word, "word");
        QTEST(entry.clue, "clue");
        QCOMPARE(WordSource::fromOpponent(QStringLiteral("OX:") + QString(300, QLatin1Char('c')))
                     .clue.size(),
                 255);
    }

    void aSameLengthRoundClearsTheMarksWhenTheListStartsAgain() {
        WordSource source = listOf({"APPLE", "PEAR", "GRAPE", "MELON", "PLUM", "KIWI"});
        source.restart();
        QCOMPARE(pair(source.deal(false, true)), QStringLiteral("APPLE/GRAPE"));
        QCOMPARE(marked(source), QStringList{"GRAPE"});
        // Playing the word counts it, as pressing "Play Word" does.
        source.countWord();
        QCOMPARE(pair(source.deal(false, true)), QStringLiteral("GRAPE/MELON"));
        source.countWord();
        QCOMPARE(pair(source.deal(false, true)), QStringLiteral("PLUM/KIWI"));
        source.countWord();
        // Past the end: back to 0, every mark cleared, GRAPE can be handed out again.
        QCOMPARE(pair(source.deal(false, true)), QStringLiteral("APPLE/GRAPE"));
        QCOMPARE(marked(source), QStringList{"GRAPE"});
    }

    void aListThatLostItsWordsDealsTheStandIn() {
        WordSource source = listOf({});
        source.restart();
        QCOMPARE(pair(source.deal(false, true)), QStringLiteral("NoWords/NoWords"));
        QCOMPARE(source.index(), 0);
    }
};

ROPEWIT_TEST(TestWordSource)
#include "tst_wordsource.moc"
