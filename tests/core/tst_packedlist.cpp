// A word list held as its file's bytes and the places of its entries: what it gives back is
// what the line walker and the entry rules give, whatever the shape of the file, and what it
// holds is the file and four bytes an entry at most.
#include "Testing.h"

#include "core/PackedList.h"
#include "core/Random.h"
#include "core/WordList.h"

namespace {

// The entries as the line walker gives them, each line decoded whole and split at its first
// colon: the plain reading the packed list must agree with.
std::vector<wordlist::Entry> walked(const QByteArray& bytes) {
    std::vector<wordlist::Entry> out;
    const wordlist::Layout layout = wordlist::layoutOf(bytes);
    bool title = false;
    wordlist::forEachLine(layout, bytes, [&](const char* line, qsizetype length) {
        if (!title) {
            title = true;
        } else if (wordlist::isEntry(layout, line, length)) {
            out.push_back(wordlist::splitEntry(wordlist::decode(layout, line, length)));
        }
    });
    return out;
}

QByteArray times(const QByteArray& part, int n) {
    QByteArray out;
    for (int i = 0; i < n; ++i) {
        out += part;
    }
    return out;
}

// Enough short entries that the file is mostly entries, so it is kept as it is.
const QByteArray kFiller = times("ABCDEFGH:ijkl\r\n", 3000);
const QByteArray kClef = "\xF0\x9D\x84\x9E";  // one character, two UTF-16 units

}  // namespace

class TestPackedList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entriesReadAsTheLineWalkerReadsThem_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("8-bit") << QByteArray(
            "Pets\r\nCAT:Purrs\r\n\r\nCAF\xC9:\x80uro\r\n:only\r\n"
            "TIME:Hours:minutes\r\nabcdefghijklmnop\r\nX:");
        QTest::newRow("zero bytes") << QByteArray("T\r\nA\0B:c\0d\r\n\n\r\n", 14);
        QTest::newRow("line feeds") << QByteArray("T\nA:b\n\nC\nD:\n");
        QTest::newRow("line feed in a line") << QByteArray("T\r\n\nA\r\nB\n:c\r");
        QTest::newRow("end of file mark") << QByteArray("T\r\nA\r\nB:\x1a\r\nC\r\n");
        QTest::newRow("utf-8") << QByteArray("T\r\nCAF\xC3\x89:caf\xC3\xA9\r\n" + kClef + kClef +
                                             ":two\r\n" + times(kClef, 16) + "\r\n");
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBFT\r\n\xC3\x89t\xC3\xA9\r\n");
        // Lines longer than where the cut can lie, in a file kept whole and in one where
        // nearly everything is cut away.
        QTest::newRow("long 8-bit line") << "T\r\nW:" + QByteArray(5000, 'c') + "\r\n" + kFiller;
        QTest::newRow("long 8-bit line, cut away") << "T\r\nW:" + QByteArray(5000, 'c') + "\r\nN";
        QTest::newRow("long utf-8 line") << "T\r\nW:" + times(kClef, 400) + "\r\n" + kFiller;
        QTest::newRow("long utf-8 line, cut away") << "T\r\nW:" + times(kClef, 400) + "\nN\n";
        // Marked as UTF-8 but not: its characters are counted by their first bytes, so the
        // cut lies beyond thousands of bytes.
        QTest::newRow("marked, not utf-8")
            << "\xEF\xBB\xBFT\r\nW:" + QByteArray(3000, '\x80') + "xyz\r\n" + kFiller;
        QTest::newRow("marked, not utf-8, cut away")
            << "\xEF\xBB\xBFT\r\nW:" + QByteArray(3000, '\x80') + times("y", 300) + "\r\nN";
        QTest::newRow("skipped lines") << "T\r\n" + times("abcdefghijklmnopq:r\r\n", 500) + "A:b";
        QTest::newRow("title only") << QByteArray("Title");
        QTest::newRow("empty") << QByteArray();
    }
    void entriesReadAsTheLineWalkerReadsThem() {
        QFETCH(QByteArray, bytes);
        const std::vector<wordlist::Entry> expected = walked(bytes);
        bool tooLarge = true;
        const PackedList list = PackedList::read(bytes, nullptr, &tooLarge);
        QVERIFY(!tooLarge);
        QCOMPARE(list.hasTitle(), !bytes.isEmpty());
        QCOMPARE(list.size(), static_cast<int>(expected.size()));
        for (int i = 0; i < list.size(); ++i) {
            QCOMPARE(list.word(i), expected[i].word);
            QCOMPARE(list.clue(i), expected[i].clue);
            QCOMPARE(list.wordSize(i), list.word(i).size());
        }
        // Shuffled while read: the same pairs, moved as the generator moves them.
        Random random;
        const PackedList shuffled = PackedList::read(bytes, &random);
        QStringList words;
        QStringList clues;
        for (const wordlist::Entry& e : expected) {
            words.append(e.word);
            clues.append(e.clue);
        }
        Random again;
        wordlist::shuffle(words, clues, again);
        QCOMPARE(random.state(), again.state());
        for (int i = 0; i < shuffled.size(); ++i) {
            QCOMPARE(shuffled.word(i), words.at(i));
            QCOMPARE(shuffled.clue(i), clues.at(i));
        }
    }

    void aListHoldsItsFileAndFourBytesAnEntry() {
        // Skipped lines cost nothing: what stays is the one entry's line.
        QByteArray skipped = "T\r\n" + times("abcdefghijklmnopqrstuvwxyz\r\n", 200000) + "LAST:x\r";
        PackedList list = PackedList::read(skipped);
        QCOMPARE(list.size(), 1);
        QCOMPARE(list.word(0), QStringLiteral("LAST"));
        QCOMPARE(list.clue(0), QStringLiteral("x"));
        QVERIFY2(list.heldBytes() < 64, QByteArray::number(list.heldBytes()));
        // So do the parts of lines beyond the cut.
        list = PackedList::read("T\r\nW:" + QByteArray(1000000, 'c') + "\r\n");
        QCOMPARE(list.clue(0).size(), 253);
        QVERIFY2(list.heldBytes() < 300, QByteArray::number(list.heldBytes()));
        // Empty lines are entries: four bytes each besides the file.
        const QByteArray empties = "T\r" + QByteArray(1000000, '\r');
        list = PackedList::read(empties);
        QCOMPARE(list.size(), 1000000);
        QVERIFY(list.word(999999).isEmpty());
        QVERIFY(list.heldBytes() <= empties.capacity() + 4 * 1000000);
        // A usual list likewise.
        QByteArray usual = "T\r\n";
        for (int i = 0; i < 100000; ++i) {
            usual += "WORD" + QByteArray::number(i) + ":clue " + QByteArray::number(i) + "\r\n";
        }
        list = PackedList::read(usual);
        QCOMPARE(list.size(), 100000);
        QCOMPARE(list.word(99999), QStringLiteral("WORD99999"));
        QVERIFY(list.heldBytes() <= usual.capacity() + 4 * 100000);
    }

    void textsGivenAsTheyAre() {
        const QStringList words{
            "CAT", "A:B", "LINE\r\nEND", QString(40, 'w'), QString::fromUtf8("CL" + kClef), ""};
        const QStringList hints{"Purrs", "x:y", QString(300, 'h')};
        const PackedList list = PackedList::fromLists(words, hints);
        QCOMPARE(list.size(), words.size());
        for (int i = 0; i < list.size(); ++i) {
            QCOMPARE(list.word(i), words.at(i));
            QCOMPARE(list.clue(i), i < hints.size() ? hints.at(i) : QString());
            QCOMPARE(list.wordSize(i), words.at(i).size());
        }
        QCOMPARE(list.wordSize(4), 4);  // the clef is two UTF-16 units
        QCOMPARE(PackedList::fromLists({}, {"orphan"}).size(), 0);
    }
};

ROPEWIT_TEST(TestPackedList)
#include "tst_packedlist.moc"
