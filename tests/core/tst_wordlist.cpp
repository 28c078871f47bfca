#include "Testing.h"

#include <QStringEncoder>

#include "core/Random.h"
#include "core/WordList.h"

class TestWordList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entriesSplitAtTheFirstColonAndLongWordsAreDropped() {
        const auto list = wordlist::parse(
            "Animals\r\nCAT:Purrs\r\nDog\r\nhippopotamuses:Big\r\nabcdefghijklmnop:Too long\r\n"
            "TIME:Hours:minutes\r\n:Only a clue\r\n\r\n");
        QVERIFY(list.hasTitle);
        QCOMPARE(list.title, QStringLiteral("Animals"));
        QCOMPARE(list.words, (QStringList{"CAT", "Dog", "hippopotamuses", "TIME", "", ""}));
        QCOMPARE(list.hints, (QStringList{"Purrs", "", "Big", "Hours:minutes", "Only a clue", ""}));
    }

    void lineEndsFollowTheCarriageReturn() {
        // In a file with carriage returns a line feed alone does not end a line.
        const auto mixed = wordlist::parse("Title\nCAT\nDOG\r\nEMU\n");
        QCOMPARE(mixed.title, QStringLiteral("Title\nCAT\nDOG"));
        QCOMPARE(mixed.words, QStringList{"EMU\n"});
        // A last line without a line end counts; a final line end adds nothing.
        QCOMPARE(wordlist::parse("T\r\nA\r\nB").words, (QStringList{"A", "B"}));
        QCOMPARE(wordlist::parse("T\r\nA\r\nB\r\n").words, (QStringList{"A", "B"}));
        // CR CR gives an empty entry between them; a bare CR is a line end of its own.
        QCOMPARE(wordlist::parse("T\rA\r\rB\r").words, (QStringList{"A", "", "B"}));
        // A line feed inside a line (not right after CR) is an ordinary character.
        QCOMPARE(wordlist::parse("T\r\n\nA\r\n").words, (QStringList{"\nA"}));
        // Byte 26 ends the file.
        QCOMPARE(wordlist::parse("T\r\nA\r\n\x1a"
                                 "B\r\n")
                     .words,
                 (QStringList{"A"}));
        // No trimming: blanks and case stay.
        QCOMPARE(wordlist::parse(" T \r\n Cat : x\r\n").words, (QStringList{" Cat "}));
        QCOMPARE(wordlist::parse(" T \r\n").title, QStringLiteral(" T "));
    }

    void fileWithoutCarriageReturnsEndsLinesAtLineFeeds() {
        const auto list = wordlist::parse("Animals\nCAT:Purrs\n\nDog\nhippopotamuses:Big\n");
        QCOMPARE(list.title, QStringLiteral("Animals"));
        QCOMPARE(list.words, (QStringList{"CAT", "", "Dog", "hippopotamuses"}));
        QCOMPARE(list.hints, (QStringList{"Purrs", "", "", "Big"}));
        // The same rules as ever: no extra entry after the last line end, byte 26 ends the
        // file, long words are dropped, lines are cut at 255 characters.
        QCOMPARE(wordlist::parse("T\nA\nB").words, (QStringList{"A", "B"}));
        QCOMPARE(wordlist::parse("T\nA\n\x1a\rB\n").words, QStringList{"A"});
        QCOMPARE(wordlist::parse("T\nabcdefghijklmnop\nOK\n").words, QStringList{"OK"});
        QCOMPARE(wordlist::parse(QByteArray(300, 'T') + "\nA\n").title.size(), 255);
        // 8-bit text stays 8-bit.
        QCOMPARE(wordlist::parse("T\nCAF\xc9\n").words,
                 QStringList{QString::fromUtf8("CAF\u00c9")});
    }

    void utf8FilesAreReadAsUtf8() {
        // Valid UTF-8 holding letters above ASCII, with either line end.
        const QByteArray text = QString::fromUtf8(
                                    "Tiere \u00e4\u00f6\nB\u00c4R:Brummt\n"
                                    "\u00c9L\u00c9PHANT:Gro\u00df\n")
                                    .toUtf8();
        for (const QByteArray& bytes : {text, QByteArray(text).replace("\n", "\r\n")}) {
            const auto list = wordlist::parse(bytes);
            QCOMPARE(list.title, QString::fromUtf8("Tiere \u00e4\u00f6"));
            QCOMPARE(list.words, (QStringList{QString::fromUtf8("B\u00c4R"),
                                              QString::fromUtf8("\u00c9L\u00c9PHANT")}));
            QCOMPARE(list.hints.at(1), QString::fromUtf8("Gro\u00df"));
        }
        // A byte order mark makes a file UTF-8 and is not part of the title.
        const auto marked = wordlist::parse("\xEF\xBB\xBFPlain\r\nCAT\r\n");
        QCOMPARE(marked.title, QStringLiteral("Plain"));
        QCOMPARE(marked.words, QStringList{"CAT"});
        // Words and lines are measured in characters: 15 two-byte letters are a word, and a
        // line is cut after 255 characters, never inside one.
        const QString fifteen(15, QChar(0xC4));
        const QString longClue(300, QChar(0xE9));
        const auto measured = wordlist::parse(
            ("T\n" + fifteen + "\n" + fifteen + "X\nW:" + longClue + "\n").toUtf8());
        QCOMPARE(measured.words, (QStringList{fifteen, "W"}));
        QCOMPARE(measured.hints.at(1), longClue.left(253));
        // Not valid UTF-8: read byte by byte as ever (0xC3 0x28 is no character).
        const auto eightBit = wordlist::parse("T\r\n\xC3\x28\xC3\xA9\r\n");
        QCOMPARE(eightBit.words, QStringList{QString::fromUtf8("\u00c3(\u00c3\u00a9")});
    }

    void skippedLinesCostNothingAndHugeListsAreRefused() {
        // Millions of skipped lines: nothing is kept for them.
        QByteArray skipped = "T\r\n";
        const QByteArray longWord = "abcdefghijklmnopqrstuvwxyz\r";
        for (int i = 0; i < 200000; ++i) {
            skipped += longWord;
        }
        skipped += "LAST\r";
        bool tooLarge = true;
        QCOMPARE(wordlist::parse(skipped, nullptr, &tooLarge).words, QStringList{"LAST"});
        QVERIFY(!tooLarge);
        // 48 MiB of carriage returns would be 50 million empty entries: far more memory than
        // the file's size warrants, so the list is refused rather than held.
        const QByteArray empties = "T\r" + QByteArray(48 * 1024 * 1024, '\r');
        const auto refused = wordlist::parse(empties, nullptr, &tooLarge);
        QVERIFY(tooLarge);
        QVERIFY(refused.words.isEmpty());
        QVERIFY(refused.hints.isEmpty());
        // A list of real entries of the same size is no problem.
        QByteArray real = "T\r\n";
        while (real.size() < 8 * 1024 * 1024) {
            real += "WORD" + QByteArray::number(real.size() % 99991) + ":a clue for it\r\n";
        }
        QVERIFY(!wordlist::parse(real, nullptr, &tooLarge).words.isEmpty());
        QVERIFY(!tooLarge);
    }

    void emptyFileHasNoTitle() {
        const auto list = wordlist::parse(QByteArray());
        QVERIFY(!list.hasTitle);
        QVERIFY(list.words.isEmpty());
    }

    void onlyTheFirst255CharactersOfALineCount() {
        const QByteArray longTitle(300, 'T');
        QCOMPARE(wordlist::parse(longTitle + "\r\nA\r\n").title.size(), 255);
        // The word part is judged on the cut line: the clue is cut, the next line is whole.
        const QByteArray entry = "WORD:" + QByteArray(400, 'c');
        const auto list = wordlist::parse("T\r\n" + entry + "\r\nNEXT\r\n");
        QCOMPARE(list.words, (QStringList{"WORD", "NEXT"}));
        QCOMPARE(list.hints.at(0).size(), 250);
        // Exactly 15 characters is kept, 16 dropped.
        QCOMPARE(wordlist::parse("T\r\nabcdefghijklmno\r\nabcdefghijklmnop\r\n").words,
                 (QStringList{"abcdefghijklmno"}));
    }

    void bytesAboveAsciiSurviveAndControlBytesSkipTheWord() {
        const auto list = wordlist::parse(QByteArrayLiteral(
            "T\r\nCAF\xc9:\x80uro\r\nA\0B\r\nC\tD:x\r\nE:\x01\r\nabcdefghijklmnop\r\n"));
        QCOMPARE(list.words, (QStringList{QString::fromUtf8("CAF\u00c9"), "E"}));
        QCOMPARE(list.hints.at(0), QString::fromUtf8("\u20acuro"));
        QCOMPARE(list.skipped.control, 2);
        QCOMPARE(list.skipped.tooLong, 1);
    }

    void utf16FilesWithAMarkAreReadAsText() {
        // Both byte orders; line ends and byte 26 work as in any other file.
        const QString text = QString::fromUtf8(
            "Test \u0416\r\nCAT:Purrs\r\nDOG\r\n\x1a"
            "EMU");
        for (const auto order : {QStringEncoder::Utf16LE, QStringEncoder::Utf16BE}) {
            for (const QString& lines : {text, QString(text).replace("\r\n", "\n")}) {
                const auto list =
                    wordlist::parse(QStringEncoder(order, QStringEncoder::Flag::WriteBom)(lines));
                QCOMPARE(list.title, QString::fromUtf8("Test \u0416"));
                QCOMPARE(list.words, (QStringList{"CAT", "DOG"}));
            }
        }
    }

    void generatorRepeatsItsSequence() {
        Random r;
        // state := state * 134775813 + 1; value := (state * n) >> 32.
        QCOMPARE(r.next(100), 0u);  // state 1
        QCOMPARE(r.state(), 1u);
        QCOMPARE(r.next(100), 3u);  // state 134775814
        QCOMPARE(r.state(), 134775814u);
        const uint32_t third = r.next(1000);
        QCOMPARE(third, static_cast<uint32_t>((static_cast<uint64_t>(r.state()) * 1000) >> 32));
        QCOMPARE(r.next(0), 0u);  // a draw over nothing still advances the state
        Random again;
        for (int i = 0; i < 4; ++i) {
            again.next(7);
        }
        QCOMPARE(again.state(), r.state());
    }

    void shuffleIsReproducibleAndKeepsPairs() {
        QStringList words{"A", "B", "C", "D", "E"};
        QStringList hints{"a", "b", "c", "d", "e"};
        Random r;
        wordlist::shuffle(words, hints, r);
        QCOMPARE(r.state(), [] {
            Random x;
            for (int i = 0; i < 10; ++i) {
                x.next(5);
            }
            return x.state();
        }());
        for (int i = 0; i < words.size(); ++i) {
            QCOMPARE(hints.at(i), words.at(i).toLower());
        }
        QStringList again{"A", "B", "C", "D", "E"};
        QStringList againHints{"a", "b", "c", "d", "e"};
        Random r2;
        wordlist::shuffle(again, againHints, r2);
        QCOMPARE(again, words);
        QVERIFY(words != (QStringList{"A", "B", "C", "D", "E"}));

        QStringList one{"ONLY"};
        QStringList oneHint{"x"};
        wordlist::shuffle(one, oneHint, r2);
        QCOMPARE(one, QStringList{"ONLY"});
    }

    void shufflingWhileReadingMatchesShufflingAfterwards() {
        QByteArray bytes = "T\r\n";
        for (int i = 0; i < 50; ++i) {
            bytes +=
                "W" + QByteArray::number(i) + (i % 3 ? ":c" + QByteArray::number(i) : "") + "\r\n";
        }
        Random early;
        const auto whileReading = wordlist::parse(bytes, &early);
        auto afterwards = wordlist::parse(bytes);
        Random late;
        wordlist::shuffle(afterwards.words, afterwards.hints, late);
        QCOMPARE(whileReading.words, afterwards.words);
        QCOMPARE(whileReading.hints, afterwards.hints);
        QCOMPARE(early.state(), late.state());
    }

    void unreadableFilesSayWhy() {
        const auto missing = wordlist::readFile(QStringLiteral("/no/such/dir/list.txt"));
        QCOMPARE(missing.status, wordlist::Status::CannotOpen);
        QCOMPARE(missing.errorString, QStringLiteral("File not found"));
        QTemporaryDir dir;
        const auto directory = wordlist::readFile(dir.path());
        QCOMPARE(directory.status, wordlist::Status::CannotOpen);
    }
};

ROPEWIT_TEST(TestWordList)
#include "tst_wordlist.moc"
