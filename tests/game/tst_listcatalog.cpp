#include "Testing.h"

#include "TestFiles.h"
#include "game/ListCatalog.h"

// The lists a player chooses by name: their titles and numbers of words.
class TestListCatalog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { folder_.renew(); }

    void aListIsKnownByItsTitleAndWords_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("words");
        QTest::newRow("title and entries")
            << QByteArray("Birds\r\nWREN:small\r\nROBIN\r\n") << QStringLiteral("Birds") << 2;
        QTest::newRow("a blank title: the file's name")
            << QByteArray("  \nWREN\nNOT-A-WORD-THAT-FITS\n") << QStringLiteral("MINE") << 1;
    }
    void aListIsKnownByItsTitleAndWords() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, title);
        QFETCH(int, words);
        const QString path = folder_.filePath(QStringLiteral("MINE.TXT"));
        QVERIFY(writeAll(path, bytes));
        listcatalog::Entry entry;
        QVERIFY(listcatalog::describe(path, &entry));
        QCOMPARE(entry.title, title);
        QCOMPARE(entry.words, words);
        QVERIFY(!listcatalog::describe(folder_.filePath(QStringLiteral("NONE.TXT")), &entry));
    }

    void theGamesListsComeFirstAndTheDailyListIsLeftOut() {
        const QString own = listcatalog::ownFolder(folder_.path());
        for (const auto& [path, bytes] : {std::pair{QStringLiteral("Z.TXT"), "Apes\rGIBBON\r"},
                                          {QStringLiteral("DAILY.TXT"), "Daily\rWORD\r"},
                                          {QStringLiteral("A.txt"), "Zebras\rZEBRA\r"},
                                          {QStringLiteral("lists/B.TXT"), "Mine\rMINE\r"}}) {
            QVERIFY(writeAll(folder_.filePath(path), bytes));
        }
        QStringList titles;
        for (const listcatalog::Entry& e : listcatalog::scan(folder_.path(), own)) {
            titles << e.title + (e.own ? QStringLiteral(" (own)") : QString());
        }
        QCOMPARE(titles, (QStringList{"Apes", "Zebras", "Mine (own)"}));
    }

private:
    TestFolder folder_;
};

ROPEWIT_TEST(TestListCatalog)
#include "tst_listcatalog.moc"
