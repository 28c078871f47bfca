#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "DialogAnswers.h"
#include "ListItems.h"
#include "ScriptedPrompts.h"
#include "TestFiles.h"
#include "Testing.h"
#include "Unprivileged.h"
#include "core/Random.h"
#include "core/WordList.h"
#include "dialogs/TDoWordList.h"
#include "dialogs/WordListEditorModel.h"

namespace {

// One editor with its scripted prompts and a directory for its files.
struct Editor {
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    TDoWordList dialog{prompts};

    QString path(const QString& name) const { return dir.filePath(name); }

    void add(const QString& word, const QString& clue = {}) {
        dialog.AddWord->setText(word);
        dialog.Clue->setText(clue);
        dialog.Button1->click();
    }
    void open(const QString& file) {
        prompts.fileAnswers.push_back(file);
        dialog.OpenButton->click();
    }
    void save(const QString& file) {
        prompts.fileAnswers.push_back(file);
        dialog.SaveButton->click();
    }
    int count() const { return dialog.WordList->model()->rowCount(); }
    void select(int row) {
        dialog.WordList->setCurrentIndex(dialog.WordList->model()->index(row, 0));
    }
    void fill(const QStringList& entries) {
        for (const QString& e : entries) {
            const qsizetype colon = e.indexOf(QLatin1Char(':'));
            add(e.left(colon), e.mid(colon + 1));
        }
    }
};

}  // namespace

class TestWordListEditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void form() {
        Editor e;
        TDoWordList& d = e.dialog;
        QCOMPARE(d.windowTitle(), QStringLiteral("Create A Word List"));
        QCOMPARE(d.size(), QSize(334, 321));
        QCOMPARE(d.Label1->text(), QStringLiteral("Word List Title"));
        QCOMPARE(d.Label3->text(), QStringLiteral("Word To Add"));
        QCOMPARE(d.Label4->text(), QStringLiteral("Clue For Word"));
        QCOMPARE(d.Label2->text(), QStringLiteral("Words and Clues"));
        QVERIFY(d.Label1->font().bold());
        const QList<QPair<QPushButton*, QString>> captions = {
            {d.Button1, "&Add It"},  {d.DeleteButton, "&Delete"}, {d.UpButton, "&Up"},
            {d.DownButton, "Do&wn"}, {d.SortButton, "&Sort"},     {d.Button2, "&Random"},
            {d.OpenButton, "&Open"}, {d.SaveButton, "&Save"},     {d.CancelButton, "&Cancel"}};
        checkCaptions(d, captions);
        QCOMPARE(d.Title->maxLength(), 30);
        QCOMPARE(d.AddWord->maxLength(), WordListEditorModel::kMaxLine);
        QCOMPARE(d.Clue->maxLength(), 25);
        QVERIFY(d.SaveButton->isDefault());
        QCOMPARE(d.WordList->selectionMode(), QAbstractItemView::SingleSelection);

        const QList<QWidget*> order = {d.Title,       d.AddWord,      d.Clue,       d.Button1,
                                       d.WordList,    d.DeleteButton, d.UpButton,   d.DownButton,
                                       d.SortButton,  d.Button2,      d.OpenButton, d.SaveButton,
                                       d.CancelButton};
        for (int i = 0; i + 1 < order.size(); ++i) {
            QWidget* next = order[i]->nextInFocusChain();
            while (!(next->focusPolicy() & Qt::TabFocus)) {
                next = next->nextInFocusChain();
            }
            QCOMPARE(next, order[i + 1]);
        }
    }

    void keyboard() {
        // Enter in the word is Add It, not Save; Escape and the close box ask before losing it.
        Editor e;
        e.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e.dialog));
        e.dialog.AddWord->setText(QStringLiteral("HOUSE"));
        e.dialog.AddWord->setFocus();
        QTest::keyClick(e.dialog.AddWord, Qt::Key_Return);
        QCOMPARE(e.prompts.count(QStringLiteral("save")), 0);
        QCOMPARE(e.count(), 1);

        QSignalSpy rejected(&e.dialog, &QDialog::rejected);
        e.prompts.questionAnswers = {false, false};
        QTest::keyClick(e.dialog.AddWord, Qt::Key_Escape);
        QVERIFY(!e.dialog.close());
        QCOMPARE(e.prompts.count(QStringLiteral("question")), 2);
        QVERIFY(e.dialog.isVisible() && rejected.isEmpty());
        QTest::keyClick(e.dialog.AddWord, Qt::Key_Escape);
        QCOMPARE(rejected.count(), 1);
        QVERIFY(!e.dialog.isVisible());
    }

    void addTrimsAndRefusesEmptyWord() {
        Editor e;
        e.add(QStringLiteral(" \t "), QStringLiteral("clue"));
        QCOMPARE(e.prompts.withCaption(QStringLiteral("Error")),
                 QStringList{QStringLiteral("No word has been entered.")});
        QCOMPARE(e.count(), 0);
        QCOMPARE(e.dialog.Clue->text(), QStringLiteral("clue"));

        e.add(QStringLiteral("  House "), QStringLiteral(" Where you live\t"));
        e.add(QStringLiteral("house"));
        QCOMPARE(items(e.dialog.WordList),
                 (QStringList{QStringLiteral("House:Where you live"), QStringLiteral("house:")}));
        QVERIFY(e.dialog.AddWord->text().isEmpty());
        QVERIFY(e.dialog.Clue->text().isEmpty());

        // Too long is refused; a word nobody could solve goes in only if the player agrees (a
        // letter beyond A..Z has a tile of its own).
        e.prompts.questionAnswers = {false};
        e.fill({QStringLiteral("ICE CREAM:"), QStringLiteral("T-REX:"),
                QStringLiteral("ABCDEFGHIJKLMNOP:"), QString::fromUtf8("ÉCLAIR:")});
        QCOMPARE(e.count(), 4);
        QCOMPARE(e.prompts.count(QStringLiteral("question")), 1);
        QCOMPARE(e.prompts.withCaption(QStringLiteral("Error")).size(), 2);
    }

    void savedListsReadBackByEditorAndGame_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("clue");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("gameWord");
        QTest::addColumn<QString>("gameClue");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("15 letters, no clue")
            << "ABCDEFGHIJKLMNO"
            << "" << QByteArray("ABCDEFGHIJKLMNO:") << "ABCDEFGHIJKLMNO"
            << "" << false;
        QTest::newRow("colon in the word") << "A:B"
                                           << "C" << QByteArray("A:B:C") << "A"
                                           << "B:C" << false;
        QTest::newRow("long clue")
            << "ABCDEFGHIJKLMNO"
            << "Twenty-five characters ok"
            << QByteArray("ABCDEFGHIJKLMNO:Twenty-five characters ok") << "ABCDEFGHIJKLMNO"
            << "Twenty-five characters ok" << false;
        QTest::newRow("8-bit letters")
            << QString::fromUtf8("Café") << QString::fromUtf8("Crème")
            << QByteArray("Caf\xe9:Cr\xe8me") << QString::fromUtf8("Café")
            << QString::fromUtf8("Crème") << false;
        QTest::newRow("Windows-1252") << QString::fromUtf8("ŠKODA") << QString::fromUtf8("5 €")
                                      << QByteArray("\x8aKODA:5 \x80") << QString::fromUtf8("ŠKODA")
                                      << QString::fromUtf8("5 €") << false;
        // Characters 8-bit text lacks: the whole list goes as UTF-8, and the player is told.
        QTest::newRow("Cyrillic") << QString::fromUtf8("КОТ") << QString::fromUtf8("Мурлычет")
                                  << QByteArray("КОТ:Мурлычет") << QString::fromUtf8("КОТ")
                                  << QString::fromUtf8("Мурлычет") << true;
        QTest::newRow("no 8-bit form")
            << QString::fromUtf8("ŻUBR") << "Bison" << QByteArray("ŻUBR:Bison")
            << QString::fromUtf8("ŻUBR") << "Bison" << true;
    }

    void savedListsReadBackByEditorAndGame() {
        QFETCH(QString, word);
        QFETCH(QString, clue);
        QFETCH(QByteArray, line);
        QFETCH(QString, gameWord);
        QFETCH(QString, gameClue);
        QFETCH(bool, utf8);

        Editor e;
        e.dialog.Title->setText(QStringLiteral("  My List "));
        e.add(word, clue);
        QSignalSpy accepted(&e.dialog, &QDialog::accepted);
        const QString file = e.path(QStringLiteral("LIST.TXT"));
        e.save(file);
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(e.prompts.withCaption(QStringLiteral("Notice")),
                 utf8 ? QStringList{TDoWordList::kSavedAsUtf8} : QStringList{});
        QCOMPARE(readAll(file), QByteArray("My List\r\n") + line + "\r\n");

        const FileChooserRequest& spec = e.prompts.fileSpecs.back();
        QCOMPARE(spec.title, QStringLiteral("Save A Word List"));
        QCOMPARE(spec.filter, QStringLiteral("Text Files (*.TXT *.txt)"));
        QCOMPARE(spec.defaultSuffix, QStringLiteral("TXT"));
        QVERIFY(spec.confirmOverwrite);

        const wordlist::Parsed game = wordlist::parse(readAll(file));
        QCOMPARE(game.title, QStringLiteral("My List"));
        QCOMPARE(game.words, QStringList{gameWord});
        QCOMPARE(game.hints, QStringList{gameClue});

        Editor again;
        again.open(file);
        QCOMPARE(again.dialog.Title->text(), QStringLiteral("My List"));
        QCOMPARE(items(again.dialog.WordList), QStringList{word + QLatin1Char(':') + clue});
        const FileChooserRequest& openSpec = again.prompts.fileSpecs.back();
        QCOMPARE(openSpec.title, QStringLiteral("Open a Word List"));
        QCOMPARE(openSpec.filter, QStringLiteral("Text File (*.TXT *.txt)"));
        QCOMPARE(openSpec.defaultSuffix, QStringLiteral("TXT"));
        QVERIFY(openSpec.mustExist);
    }

    void openKeepsLinesAsRead() {
        Editor e;
        const QByteArray longTitle = "A title that is much longer than thirty characters";
        const QString file = e.path(QStringLiteral("IN.TXT"));
        QVERIFY(writeAll(file, longTitle + "\r\n"
                                           "ABCDEFGHIJKLMNOP:sixteen before the colon\r\n"
                                           "ABCDEFGHIJKLMNOP\r\n"
                                           "ABCDEFGHIJKLMNO\r\n"
                                           "\r\n"
                                           " padded :clue: with colon \r\n"
                                           ":only a clue\r\n"
                                           "last:no line end"));
        e.dialog.AddWord->setText(QStringLiteral("typed"));
        e.dialog.Clue->setText(QStringLiteral("kept"));
        e.open(file);
        QVERIFY(e.prompts.messages().isEmpty());
        QCOMPARE(e.dialog.Title->text(), QString::fromLatin1(longTitle));
        QCOMPARE(items(e.dialog.WordList),
                 (QStringList{"ABCDEFGHIJKLMNO", "", " padded :clue: with colon ", ":only a clue",
                              "last:no line end"}));
        QVERIFY(e.dialog.AddWord->text().isEmpty());
        QCOMPARE(e.dialog.Clue->text(), QStringLiteral("kept"));

        // Written back whole: the long title, the empty line, entries trimmed at their ends.
        const QString out = e.path(QStringLiteral("OUT.TXT"));
        e.save(out);
        QCOMPARE(readAll(out), longTitle +
                                   "\r\n"
                                   "ABCDEFGHIJKLMNO\r\n"
                                   "\r\n"
                                   "padded :clue: with colon\r\n"
                                   ":only a clue\r\n"
                                   "last:no line end\r\n");

        // Lines are cut at 255 characters, the title too.
        Editor cut;
        const QString longFile = cut.path(QStringLiteral("LONG.TXT"));
        QVERIFY(writeAll(longFile, QByteArray(300, 'T') + "\r\nWORD:" + QByteArray(300, 'c') +
                                       "\r\n" + "x\ny\r\n"));
        cut.open(longFile);
        QCOMPARE(cut.dialog.Title->text(), QString(255, QLatin1Char('T')));
        QCOMPARE(items(cut.dialog.WordList),
                 (QStringList{QStringLiteral("WORD:") + QString(250, QLatin1Char('c')),
                              QStringLiteral("x\ny")}));
        // The entry with a line feed shows both its lines.
        cut.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cut.dialog));
        const QAbstractItemModel* rows = cut.dialog.WordList->model();
        QVERIFY(cut.dialog.WordList->visualRect(rows->index(1, 0)).height() >
                cut.dialog.WordList->visualRect(rows->index(0, 0)).height());
    }

    void openOfEmptyFileOrEmptyTitle() {
        Editor e;
        e.dialog.Title->setText(QStringLiteral("Old title"));
        e.fill({QStringLiteral("CAT:Purrs")});
        const QString empty = e.path(QStringLiteral("EMPTY.TXT"));
        QVERIFY(writeAll(empty, QByteArray()));
        e.open(empty);
        QVERIFY(e.prompts.messages().isEmpty());
        QCOMPARE(e.dialog.Title->text(), QStringLiteral("Old title"));
        QCOMPARE(e.count(), 0);

        const QString noTitle = e.path(QStringLiteral("NOTITLE.TXT"));
        QVERIFY(writeAll(noTitle, "\r\nDOG\r\n"));
        e.open(noTitle);
        QCOMPARE(e.dialog.Title->text(), QString());
        QCOMPARE(items(e.dialog.WordList), QStringList{QStringLiteral("DOG")});
    }

    void opensLineFeedAndUtf8FilesAndWritesAsEver() {
        // A list as other editors here save it: line feeds, UTF-8. The editor reads it as the
        // game does and writes it back in its own format (CR LF, 8-bit).
        Editor e;
        const QString file = e.path(QStringLiteral("UTF8.TXT"));
        QVERIFY(writeAll(file, QString::fromUtf8("Caf\u00e9s\nCR\u00c8ME:Br\u00fbl\u00e9e\n"
                                                 "ABCDEFGHIJKLMNOP\nTEA:\n")
                                   .toUtf8()));
        e.open(file);
        QVERIFY(e.prompts.messages().isEmpty());
        QCOMPARE(e.dialog.Title->text(), QString::fromUtf8("Caf\u00e9s"));
        QCOMPARE(items(e.dialog.WordList),
                 (QStringList{QString::fromUtf8("CR\u00c8ME:Br\u00fbl\u00e9e"), "TEA:"}));
        const QString out = e.path(QStringLiteral("OUT.TXT"));
        e.save(out);
        QCOMPARE(readAll(out), QByteArray("Caf\xe9s\r\nCR\xc8ME:Br\xfbl\xe9"
                                          "e\r\nTEA:\r\n"));
    }

    void openFailures() {
        Editor e;
        e.dialog.Title->setText(QStringLiteral("Keep me"));
        e.fill({QStringLiteral("CAT:Purrs"), QStringLiteral("DOG:")});
        e.open(e.path(QStringLiteral("MISSING.TXT")));
        QCOMPARE(e.prompts.withCaption(QStringLiteral("Error")),
                 QStringList{QStringLiteral("File not found")});
        QCOMPARE(e.count(), 0);
        QCOMPARE(e.dialog.Title->text(), QStringLiteral("Keep me"));

        // A directory cannot be read as a list.
        e.fill({QStringLiteral("CAT:Purrs")});
        e.open(e.dir.path());
        QCOMPARE(e.prompts.messages().constLast(), QStringLiteral("File access denied"));
        QCOMPARE(e.count(), 0);

        // Still usable afterwards.
        e.add(QStringLiteral("EMU"));
        QCOMPARE(items(e.dialog.WordList), QStringList{QStringLiteral("EMU:")});

        // A cancelled chooser changes nothing.
        e.dialog.OpenButton->click();
        QCOMPARE(items(e.dialog.WordList), QStringList{QStringLiteral("EMU:")});
    }

    void deleteSelection() {
        Editor e;
        e.dialog.DeleteButton->click();
        QCOMPARE(e.prompts.withCaption(QStringLiteral("Error")),
                 QStringList{QStringLiteral("No word has been highlighted for deletion.")});

        e.fill({QStringLiteral("ONLY:")});
        e.select(0);
        e.dialog.DeleteButton->click();
        QCOMPARE(e.count(), 0);
        QCOMPARE(e.dialog.selectedIndex(), -1);

        e.fill({QStringLiteral("A:"), QStringLiteral("B:"), QStringLiteral("C:")});
        e.select(2);
        e.dialog.DeleteButton->click();
        QCOMPARE(items(e.dialog.WordList), (QStringList{"A:", "B:"}));
        QCOMPARE(e.dialog.selectedIndex(), 1);

        e.select(0);
        e.dialog.DeleteButton->click();
        QCOMPARE(items(e.dialog.WordList), QStringList{"B:"});
        QCOMPARE(e.dialog.selectedIndex(), 0);
        QCOMPARE(e.prompts.messages().size(), 1);
    }

    void moveAtTheEdges() {
        Editor e;
        e.dialog.UpButton->click();
        e.dialog.DownButton->click();
        QCOMPARE(e.prompts.withCaption(QStringLiteral("Error")),
                 (QStringList{QStringLiteral("No word has been highlighted for moving up."),
                              QStringLiteral("No word has been highlighted for moving down.")}));
        e.prompts.clear();

        e.fill({QStringLiteral("A:"), QStringLiteral("B:"), QStringLiteral("C:")});
        e.select(0);
        e.dialog.UpButton->click();
        QCOMPARE(items(e.dialog.WordList), (QStringList{"A:", "B:", "C:"}));
        QCOMPARE(e.dialog.selectedIndex(), 0);
        e.select(2);
        e.dialog.DownButton->click();
        QCOMPARE(items(e.dialog.WordList), (QStringList{"A:", "B:", "C:"}));
        QCOMPARE(e.dialog.selectedIndex(), 2);
        QVERIFY(e.prompts.shown.empty());

        e.dialog.UpButton->click();
        QCOMPARE(items(e.dialog.WordList), (QStringList{"A:", "C:", "B:"}));
        QCOMPARE(e.dialog.selectedIndex(), 1);
        e.dialog.UpButton->click();
        QCOMPARE(items(e.dialog.WordList), (QStringList{"C:", "A:", "B:"}));
        e.dialog.DownButton->click();
        e.dialog.DownButton->click();
        QCOMPARE(items(e.dialog.WordList), (QStringList{"A:", "B:", "C:"}));
        QCOMPARE(e.dialog.selectedIndex(), 2);
    }

    void sortIgnoresCase() {
        Editor e;
        e.fill({QStringLiteral("cherry:red"), QStringLiteral("apple:"), QStringLiteral("Banana:"),
                QStringLiteral("APPLE:tree")});
        e.select(0);
        e.dialog.SortButton->click();
        QCOMPARE(items(e.dialog.WordList),
                 (QStringList{"apple:", "APPLE:tree", "Banana:", "cherry:red"}));
        // The selection stays on the entry it was on.
        QCOMPARE(e.dialog.selectedIndex(), 3);

        e.add(QStringLiteral("aardvark"));
        QCOMPARE(e.dialog.WordList->model()->index(4, 0).data().toString(),
                 QStringLiteral("aardvark:"));

        // The list's own model sorts the same way.
        WordListEditorModel m;
        m.setEntries({"b", "B", "a", "A"});
        m.sort();
        QCOMPARE(m.entries().first().toLower(), QStringLiteral("a"));
        QCOMPARE(m.entries().last().toLower(), QStringLiteral("b"));
    }

    void sortInRunsGivesOneOrder() {
        // Long lists are sorted in runs that are then merged: the order, ties between entries
        // equal but for case or equal altogether included, is that of one sort of the whole.
        QStringList entries;
        Random random;
        const QStringList words = {"apple", "APPLE",       "Apple",  "banana", "b",  "B", "",
                                   "zebra", "\u00e9clair", "Eclair", "eclair", "10", "9", " space"};
        for (int i = 0; i < 997; ++i) {
            QString e = words.at(static_cast<int>(random.next(words.size())));
            if (random.next(2) == 0) {
                e += QLatin1Char(':') + words.at(static_cast<int>(random.next(words.size())));
            }
            entries << e;
        }
        WordListEditorModel whole;
        whole.setEntries(entries);
        const int followed = whole.sort(500, 1000000);
        QStringList expected = whole.entries();
        QCOMPARE(expected.at(followed), entries.at(500));
        for (int run : {1, 2, 7, 64, 996, 997}) {
            WordListEditorModel runs;
            runs.setEntries(entries);
            QCOMPARE(runs.sort(500, run), followed);
            QCOMPARE(runs.entries(), expected);
        }
        // The same entries in every run still keep their first order.
        WordListEditorModel same;
        same.setEntries(QStringList(50, QStringLiteral("x")) +
                        QStringList(50, QStringLiteral("X")));
        QCOMPARE(same.sort(75, 8), 75);
    }

    void randomUsesTheProgramGenerator() {
        Editor e;
        const uint32_t before = programRandom().state();
        e.dialog.Button2->click();  // empty: nothing drawn
        QCOMPARE(programRandom().state(), before);

        e.fill({QStringLiteral("ONE:")});
        e.dialog.Button2->click();
        QCOMPARE(items(e.dialog.WordList), QStringList{"ONE:"});

        // Three entries: three exchanges, each of a then b, from the program's generator.
        e.fill({QStringLiteral("TWO:"), QStringLiteral("THREE:")});
        Random expected;
        expected.setState(programRandom().state());
        QStringList order = items(e.dialog.WordList);
        for (int i = 0; i < 3; ++i) {
            const auto a = static_cast<int>(expected.next(3));
            const auto b = static_cast<int>(expected.next(3));
            order.swapItemsAt(a, b);
        }
        e.dialog.Button2->click();
        QCOMPARE(items(e.dialog.WordList), order);
        QCOMPARE(programRandom().state(), expected.state());
    }

    void failedSaveKeepsOldFileAndEditor() {
        Editor e;
        e.dialog.Title->setText(QStringLiteral("Title"));
        e.fill({QStringLiteral("CAT:Purrs")});
        QSignalSpy accepted(&e.dialog, &QDialog::accepted);

        e.save(e.path(QStringLiteral("no/such/dir/LIST.TXT")));
        QCOMPARE(e.prompts.withCaption(QStringLiteral("Error")),
                 QStringList{QStringLiteral("Path not found")});
        QCOMPARE(accepted.count(), 0);

        // An old file whose replacement cannot be made: the temporary name is too long for the
        // file system. The old content stays whole.
        const QString old = e.path(QString(250, QLatin1Char('L')));
        QVERIFY(writeAll(old, "Old list\r\nDOG:Barks\r\n"));
        e.save(old);
        QCOMPARE(e.prompts.messages().size(), 2);
        QVERIFY(!e.prompts.messages().constLast().isEmpty());
        QCOMPARE(readAll(old), QByteArray("Old list\r\nDOG:Barks\r\n"));
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(items(e.dialog.WordList), QStringList{"CAT:Purrs"});

        // A cancelled chooser keeps the editor open too; a good path then saves and closes.
        e.dialog.SaveButton->click();
        QCOMPARE(accepted.count(), 0);
        e.save(e.path(QStringLiteral("GOOD.TXT")));
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(readAll(e.path(QStringLiteral("GOOD.TXT"))), QByteArray("Title\r\nCAT:Purrs\r\n"));
    }

    void fullDiskKeepsOldFileAndSaysSo() {
        Editor e;
        e.dialog.Title->setText(QStringLiteral("Title"));
        QStringList entries;
        for (int i = 0; i < 300; ++i) {
            entries << QStringLiteral("WORD%1:A clue for it").arg(i);
        }
        e.fill(entries);
        QSignalSpy accepted(&e.dialog, &QDialog::accepted);
        const QString old = e.path(QStringLiteral("LIST.TXT"));
        const QByteArray oldBytes = "Old list\r\nDOG:Barks\r\n";
        QVERIFY(writeAll(old, oldBytes));
        {
            // The list (about 6 KB) would fit in a write buffer; the failure must still be seen.
            FileSizeLimit full(4096);
            e.save(old);
        }
        QCOMPARE(e.prompts.withCaption(QStringLiteral("Error")),
                 QStringList{QStringLiteral("Disk write error")});
        QCOMPARE(readAll(old), oldBytes);
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(QDir(e.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"LIST.TXT"});
        e.save(old);
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(readAll(old), WordListEditorModel::format(QStringLiteral("Title"), entries));
    }

    void cancelWritesNothing() {
        Editor e;
        e.fill({QStringLiteral("CAT:Purrs")});
        QSignalSpy rejected(&e.dialog, &QDialog::rejected);
        e.dialog.CancelButton->click();
        QCOMPARE(rejected.count(), 1);
        QCOMPARE(e.prompts.count(QStringLiteral("question")), 1);
        QCOMPARE(QDir(e.dir.path()).entryList(QDir::Files), QStringList());
        Editor unchanged;  // nothing to lose, nothing asked
        unchanged.dialog.CancelButton->click();
        QVERIFY(unchanged.prompts.shown.empty());
    }

    void openedListHeldCompactly() {
        // Entries cost their line and a few bytes; lines the editor skips cost nothing.
        QTemporaryDir dir;
        QByteArray bytes = "Title\r\n";
        qint64 entryBytes = 0;
        constexpr int kEntries = 20000;
        for (int i = 0; i < kEntries; ++i) {
            const QByteArray entry =
                "WORD" + QByteArray::number(i) + ":clue number " + QByteArray::number(i);
            entryBytes += entry.size();
            bytes += entry + "\r\n";
            bytes += "A WORD OF MORE THAN FIFTEEN LETTERS:skipped\r\n";
        }
        const QString file = dir.filePath(QStringLiteral("BIG.TXT"));
        QVERIFY(writeAll(file, bytes));
        WordListEditorModel model;
        QVERIFY(model.open(file).ok);
        QCOMPARE(model.size(), kEntries);
        QCOMPARE(model.entry(kEntries - 1), QStringLiteral("WORD19999:clue number 19999"));
        QVERIFY2(model.store().heldBytes() <= entryBytes + 6 * kEntries,
                 qPrintable(QString::number(model.store().heldBytes())));

        QByteArray skipped = "Title\r\n";
        for (int i = 0; i < kEntries; ++i) {
            skipped += "ABCDEFGHIJKLMNOPQRSTUVWXYZ\r\n";
        }
        QVERIFY(writeAll(file, skipped + "LAST:\r\n"));
        QVERIFY(model.open(file).ok);
        QCOMPARE(model.entries(), QStringList{QStringLiteral("LAST:")});
        QVERIFY(model.store().heldBytes() < 64);

        // Millions of empty lines would cost the list box more than the file is worth: refused,
        // with nothing kept, as before.
        QVERIFY(
            writeAll(file, "Title\r\n" + QByteArray(4 * 1024 * 1024, '\n').replace("\n", "\r\n")));
        const WordListEditorModel::OpenOutcome refused = model.open(file);
        QVERIFY(!refused.ok);
        QCOMPARE(refused.error, QStringLiteral("File is too large"));
        QCOMPARE(model.size(), 0);
    }

    void bigListEditedAndSavedWhole() {
        // A list opened from a file, rearranged and added to, is written back byte for byte as
        // the same edits of its texts would give; 8-bit and typed UTF-8 entries side by side.
        Editor e;
        QByteArray bytes = "Caf\xe9s\r\n";
        QStringList expected;
        for (int i = 0; i < 300; ++i) {
            const QByteArray entry =
                "W" + QByteArray::number(i) + ":Cr\xe8me " + QByteArray(i % 200, 'x');
            bytes += entry + "\r\n";
            expected << QString::fromLatin1(entry);
        }
        const QString file = e.path(QStringLiteral("IN.TXT"));
        QVERIFY(writeAll(file, bytes));
        e.open(file);
        QCOMPARE(items(e.dialog.WordList), expected);
        QCOMPARE(e.dialog.WordList->model()->index(5, 0).data().toString(), expected.at(5));
        // A list this short has every row measured; a long one does not.
        QVERIFY(!e.dialog.WordList->uniformItemSizes());

        e.select(10);
        e.dialog.DeleteButton->click();
        expected.removeAt(10);
        QCOMPARE(e.dialog.selectedIndex(), 10);
        e.dialog.UpButton->click();
        expected.swapItemsAt(10, 9);
        QCOMPARE(e.dialog.selectedIndex(), 9);
        e.add(QString::fromUtf8("\u00c9T\u00c9"), QString::fromUtf8("\u20ac clue"));
        expected << QString::fromUtf8("\u00c9T\u00c9:\u20ac clue");
        QCOMPARE(e.dialog.selectedIndex(), 9);
        QCOMPARE(items(e.dialog.WordList), expected);

        const QString out = e.path(QStringLiteral("OUT.TXT"));
        e.save(out);
        QCOMPARE(readAll(out),
                 WordListEditorModel::format(QString::fromLatin1("Caf\xe9s"), expected));
        QVERIFY(readAll(out).endsWith("\xc9T\xc9:\x80 clue\r\n"));

        Editor big;
        QVERIFY(writeAll(file, "T\r\n" + QByteArray(TDoWordList::kMeasuredRows + 1, '\r')));
        big.open(file);
        QCOMPARE(big.count(), TDoWordList::kMeasuredRows + 1);
        QVERIFY(big.dialog.WordList->uniformItemSizes());
    }
};

ROPEWIT_TEST(TestWordListEditor)
#include "tst_wordlisteditor.moc"
