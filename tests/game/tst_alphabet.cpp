// The letters a game is guessed with beyond A..Z, and how a guess compares with the word.
#include "Testing.h"

#include "game/Round.h"
#include "game/WordSource.h"

class TestAlphabet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The grid a list and a word give, and what a key's text uncovers in the word.
    void theGridAndAGuess_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("fold");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("extras");
        QTest::addColumn<QString>("shown");
        auto row = [](const char* name, const char* list, const char* word, bool fold,
                      const char* typed, const char* extras, const char* shown) {
            QTest::newRow(name) << QString::fromUtf8(list) << QString::fromUtf8(word) << fold
                                << QString::fromUtf8(typed) << QString::fromUtf8(extras)
                                << QString::fromUtf8(shown);
        };
        row("an A..Z list: the grid as ever", "CAT DOG", "Cat", false, "a", "", "_a_");
        row("the list's letters, upper case, in order", "straße über café", "café", false, "é",
            "ÉÜß", "___é");
        row("ÿ has an 8-bit upper case, ß none", "ÿß", "ÿß", false, "ß", "Ÿß", "_ß");
        row("without folding E is not É", "élève", "élève", false, "e", "ÈÉ", "____e");
        row("folding: E uncovers every E", "élève", "élève", true, "e", "", "é_è_e");
        row("folding: É typed guesses E", "élève", "élève", true, "é", "", "é_è_e");
        row("folding keeps ß Æ Œ Ø", "æœøß", "œuf", true, "œ", "ÆØßŒ", "œ__");
        row("a word from elsewhere brings its language", "", "año", false, "ñ", "ÁÉÍÑÓÚÜ", "_ñ_");
        row("a word of the list's letters adds none", "über", "über", false, "ü", "Ü", "ü___");
        row("the dotless i is guessed with I", "kıl", "kıl", false, "i", "", "_ı_");
        row("no tile for what is no letter", "t-shirt 4×4", "t-shirt", false, "-", "", "_______");
        row("a letter not in the grid is no guess", "CAT", "CAT", false, "ä", "", "___");
    }

    void theGridAndAGuess() {
        QFETCH(QString, list);
        QFETCH(QString, word);
        QFETCH(bool, fold);
        QFETCH(QString, typed);
        WordSource source;
        source.setList(QStringLiteral("T"), list.split(QLatin1Char(' ')), {});
        Round round;
        round.alphabet().setListLetters(source.letters());
        round.alphabet().setFolding(fold);
        round.begin(word, QString(), 8);
        QTEST(round.alphabet().extras(), "extras");
        QCOMPARE(round.alphabet().tileCount(), Round::kTiles + round.alphabet().extras().size());
        const QChar c = typed.at(0);
        const bool ascii = c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('Z');
        round.guess(
            round.alphabet().tileOfKey(ascii ? Qt::Key_A + c.toUpper().unicode() - 'A' : 0, typed));
        QString shown;
        for (int p = 1; p <= round.length(); ++p) {
            shown += round.isRevealed(p) ? word.at(p - 1) : QLatin1Char('_');
        }
        QTEST(shown, "shown");
    }

    // A received word's letters are never the exact set offered.
    void aReceivedWordHidesAmongItsLanguages() {
        QCOMPARE(Alphabet::languagesOf(QString::fromUtf8("straße")), QString::fromUtf8("ÄÖÜß"));
        QCOMPARE(Alphabet::languagesOf(QString::fromUtf8("łza")), QString::fromUtf8("Ł"));
        QCOMPARE(Alphabet::languagesOf(QString::fromUtf8("þa")).size(), 10);
        QCOMPARE(Alphabet::languagesOf(QString::fromUtf8("µ")).size(), 39);
    }
};

ROPEWIT_TEST(TestAlphabet)
#include "tst_alphabet.moc"
