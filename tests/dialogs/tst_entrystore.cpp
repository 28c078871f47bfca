#include <vector>

#include "Testing.h"
#include "dialogs/EntryStore.h"

class TestEntryStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lengthsAndEncodings() {
        // Lengths of one, two and three 7-bit groups; 8-bit and UTF-8 bytes side by side.
        EntryStore store;
        const QByteArray ansi = "Cr\xe8me \x80";
        const QByteArray mid(200, 'm');
        const QByteArray big(20000, 'b');
        QVERIFY(store.append(ansi.constData(), ansi.size(), EntryStore::Encoding::Ansi));
        QVERIFY(store.append(QString::fromUtf8("Cr\u00e8me \u20ac")));
        QVERIFY(store.append(mid.constData(), mid.size(), EntryStore::Encoding::Ansi));
        QVERIFY(store.append(big.constData(), big.size(), EntryStore::Encoding::Utf8));
        QVERIFY(store.append(QString()));
        QCOMPARE(store.size(), 5);
        QCOMPARE(store.at(0), QString::fromUtf8("Cr\u00e8me \u20ac"));
        QCOMPARE(store.at(1), store.at(0));
        QCOMPARE(store.at(2), QString::fromLatin1(mid));
        QCOMPARE(store.at(3), QString::fromLatin1(big));
        QCOMPARE(store.at(4), QString());
        QCOMPARE(store.at(5), QString());  // out of range: nothing, no crash
        QCOMPARE(store.at(-1), QString());
        QCOMPARE(EntryStore::recordBytes(0), 1);
        QCOMPARE(EntryStore::recordBytes(63), 64);
        QCOMPARE(EntryStore::recordBytes(64), 66);
        QCOMPARE(EntryStore::recordBytes(20000), 20003);
    }

    void rearranging() {
        EntryStore store;
        for (const char* e : {"a", "b", "c", "d"}) {
            store.append(QString::fromLatin1(e));
        }
        store.swap(0, 3);
        store.swap(1, 7);  // out of range: ignored
        QCOMPARE(store.toList(), (QStringList{"d", "b", "c", "a"}));
        store.reorder({3, 2, 1, 0});
        QCOMPARE(store.toList(), (QStringList{"a", "c", "b", "d"}));
        store.reorder({0, 1});  // not a whole order: ignored
        QCOMPARE(store.size(), 4);
        store.removeAt(1);
        store.removeAt(9);
        QCOMPARE(store.toList(), (QStringList{"a", "b", "d"}));
        store.append(QStringLiteral("e"));
        QCOMPARE(store.toList(), (QStringList{"a", "b", "d", "e"}));
        store.removeAt(0);
        store.removeAt(0);
        store.removeAt(0);
        store.removeAt(0);
        QVERIFY(store.isEmpty());
        QCOMPARE(store.heldBytes(), 0);
    }

    void removalsGiveTheirBytesBack() {
        // Deleting most of a long list one entry at a time leaves the others as they were, and
        // the block of the deleted ones is given back.
        EntryStore store;
        QStringList expected;
        for (int i = 0; i < 4000; ++i) {
            const QString entry = QStringLiteral("WORD%1:").arg(i) + QString(500, QLatin1Char('c'));
            store.append(entry);
            expected << entry;
        }
        store.reorder([] {
            std::vector<int> order(4000);
            for (int k = 0; k < 4000; ++k) {
                order[k] = (k * 7) % 4000;  // 7 and 4000 have no common factor
            }
            return order;
        }());
        QStringList shuffled;
        for (int k = 0; k < 4000; ++k) {
            shuffled << expected.at((k * 7) % 4000);
        }
        const qint64 full = store.heldBytes();
        for (int i = 0; i < 3500; ++i) {
            store.removeAt(i % store.size());
            shuffled.removeAt(i % shuffled.size());
        }
        QCOMPARE(store.toList(), shuffled);
        QVERIFY2(store.heldBytes() < full / 2, qPrintable(QString::number(store.heldBytes())));
    }
};

ROPEWIT_TEST(TestEntryStore)
#include "tst_entrystore.moc"
