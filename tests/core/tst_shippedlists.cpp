#include <QDir>
#include <QRegularExpression>

#include "Testing.h"
#include "core/WordList.h"

// The word lists that come with the game, read the way the game reads them.
class TestShippedLists : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyListPlays_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("minimum");
        const QString dir = QStringLiteral(ROPEWIT_PROGRAM_DIR);
        const auto row = [&](const char* file, const char* title, int minimum) {
            QTest::newRow(file) << QDir(dir).filePath(QString::fromLatin1(file))
                                << QString::fromUtf8(title) << minimum;
        };
        row("ROPEWIT.TXT", "Ropewit Starter Words", 500);
        row("ANIMALS.TXT", "Animals", 200);
        row("FOOD.TXT", "Food and Drink", 200);
        row("PLACES.TXT", "Countries and Cities", 200);
        row("SCIENCE.TXT", "Science and Nature", 200);
        row("SPORTS.TXT", "Sports and Games", 200);
        row("ARTS.TXT", "Music and the Arts", 200);
        row("DAILY.TXT", "Word of the Day", 366);
        row("TIERE.TXT", "Tiere (Deutsch)", 200);
        row("CUISINE.TXT", "Cuisine et boissons (français)", 200);
        row("ANIMALES.TXT", "Animales (español)", 200);
    }
    void everyListPlays() {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QFETCH(int, minimum);
        const wordlist::FileResult file = wordlist::readFile(path);
        QCOMPARE(file.status, wordlist::Status::Ok);
        const wordlist::Parsed& list = file.list;
        QCOMPARE(list.title, title);
        QVERIFY2(list.words.size() >= minimum, qPrintable(QString::number(list.words.size())));
        QCOMPARE(list.hints.size(), list.words.size());

        // Every word can be guessed to the end and every clue says something of its own.
        static const QRegularExpression guessable(
            QStringLiteral("^[\\p{Lu}\\x{DF}]+( [\\p{Lu}\\x{DF}]+)?$"));  // sharp s has no capital
        QSet<QString> seen;
        for (int i = 0; i < list.words.size(); ++i) {
            const QString& word = list.words.at(i);
            const QString& hint = list.hints.at(i);
            QVERIFY2(word.size() >= 3 && word.size() <= 15, qPrintable(word));
            QVERIFY2(guessable.match(word).hasMatch(), qPrintable(word));
            QVERIFY2(!hint.trimmed().isEmpty(), qPrintable(word));
            QVERIFY2(!hint.contains(word, Qt::CaseInsensitive), qPrintable(word));
            QVERIFY2(!seen.contains(word), qPrintable(word));
            seen.insert(word);
        }
    }

    // Each theme is a list of its own: the starter list has words of every kind, so a theme
    // shares some with it, but most of a theme's words are new.
    void themesDoNotRepeatTheDefaultList() {
        const QString dir = QStringLiteral(ROPEWIT_PROGRAM_DIR);
        const auto words = [&](const char* file) {
            const auto list = wordlist::readFile(QDir(dir).filePath(QString::fromLatin1(file)));
            return QSet<QString>(list.list.words.begin(), list.list.words.end());
        };
        const QSet<QString> starter = words("ROPEWIT.TXT");
        for (const char* file :
             {"ANIMALS.TXT", "FOOD.TXT", "PLACES.TXT", "SCIENCE.TXT", "SPORTS.TXT", "ARTS.TXT"}) {
            const QSet<QString> theme = words(file);
            const int shared = int((theme & starter).size());
            QVERIFY2(
                shared * 2 < theme.size(),
                qPrintable(QStringLiteral("%1: %2 shared").arg(QLatin1String(file)).arg(shared)));
        }
    }
};

ROPEWIT_TEST(TestShippedLists)
#include "tst_shippedlists.moc"
