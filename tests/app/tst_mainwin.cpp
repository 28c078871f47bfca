#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "PeerPair.h"
#include "SavedSettings.h"
#include "TestWindow.h"
#include "Testing.h"
#include "core/Pictures.h"
#include "core/Random.h"
#include "widgets/ClickLabel.h"
#include "widgets/ElidingLabel.h"

namespace {

QByteArray listOf(int n) {
    QByteArray bytes = "Numbers\r\n";
    for (int i = 0; i < n; ++i) {
        bytes += "W" + QByteArray::number(i) + ":clue " + QByteArray::number(i) + "\r\n";
    }
    return bytes;
}

}  // namespace

class TestMainWin : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsOnTheWelcomePanel() {
        TestWindow t;
        t->show();
        QCOMPARE(t->centralWidget()->size(), QSize(476, 316));
        QCOMPARE(t->windowTitle(), QStringLiteral("Ropewit"));
        QVERIFY(t->ui().BlankPanel->isVisible());
        QVERIFY(!t->ui().MainPanel->isVisible());
        QVERIFY(!t->ui().ControlPanel->isVisible());
        QVERIFY(!t->ui().WebPanel->isVisible());
        QVERIFY(t->ui().MenuGuesses->isEnabled());
        QVERIFY(t->ui().MenuWords->isEnabled());
        QCOMPARE(t->ui().Label4->text(), QStringLiteral("Welcome To Ropewit"));
        QCOMPARE(t->ui().Label5->text(), QStringLiteral("The Internet Hangman Game!"));
        QCOMPARE(t->ui().StartGame->text(), QStringLiteral("&Start New Game"));
        // Check marks follow the settings.
        QVERIFY(t->ui().MenuUpper->isChecked());
        QVERIFY(!t->ui().MenuHints->isChecked());
        QVERIFY(t->ui().MenuScramble->isChecked());
        QCOMPARE(t->ui().MenuPlayer->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        QCOMPARE(t->ui().MenuSkip->shortcut(), QKeySequence(QStringLiteral("Ctrl+K")));
        QCOMPARE(t->ui().MenuByName->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(t->ui().DisplayyourIPAddress1->shortcut(), QKeySequence(QStringLiteral("Ctrl+I")));
    }

    // F1 and Ctrl+Q work beside the menus' own shortcuts, and do what the menus do; the close
    // box asks as Exit does.
    void helpAndQuitKeys() {
        TestWindow t;
        QCOMPARE(t->ui().MenuContents->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(t->ui().MenuExit->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
        QVERIFY(t->ui().MenuExit->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Q"))));

        t->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.win.get()));
        t->activateWindow();
        // The help file is not beside the tests' program: its error shows that F1 asked.
        t->settings().ProgramDir = t.dir.path();
        QTest::keyClick(t.win.get(), Qt::Key_F1);
        QCOMPARE(t.prompts.withCaption(QStringLiteral("Error")).size(), 1);
        QVERIFY(t->isVisible());
        t->game().setSolo(false);
        t->game().setPhase(GameController::Phase::Playing);
        t.prompts.questionAnswers = {false};  // a game against an opponent: not left
        QTest::keyClick(t.win.get(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(t.prompts.withCaption(QStringLiteral("Exit")).size(), 1);
        QVERIFY(t->isVisible());
        t.prompts.questionAnswers = {false};  // nor by the close box
        QVERIFY(!t->close());
        QCOMPARE(t.prompts.withCaption(QStringLiteral("Exit")).size(), 2);
        QTest::keyClick(t.win.get(), Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!t->isVisible());
    }

    // Without a browser the web site command says so, as the help command does.
    void webSiteWithoutBrowserIsReported() {
        TestWindow t;
        t->ui().MenuWebSite->trigger();
        const QStringList errors = t.prompts.withCaption(QStringLiteral("Error"));
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.front().startsWith(QStringLiteral("The web site could not be opened: ")));
    }

    // A long name in the score box shows its beginning, cut at the end.
    void longScoreNamesShowTheirStart() {
        TestWindow t;
        auto* label = qobject_cast<ElidingLabel*>(t->ui().Play1ScoreLab);
        QVERIFY(label);
        label->setText(QStringLiteral("Ann"));
        QCOMPARE(label->shownText(), QStringLiteral("Ann"));
        label->setText(QStringLiteral("Alexandra the Great"));
        QCOMPARE(label->text(), QStringLiteral("Alexandra the Great"));
        const QString shown = label->shownText();
        QVERIFY2(shown.startsWith(QStringLiteral("Alex")), qPrintable(shown));
        QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
        QVERIFY(label->fontMetrics().horizontalAdvance(shown) <= label->contentsRect().width());
        QVERIFY(qobject_cast<ElidingLabel*>(t->ui().Play2ScoreLab));
    }

    void tilesLieOnTheirGrid() {
        TestWindow t;
        QCOMPARE(t->ui().AlphabetTiles[1]->geometry(), QRect(7, 140, 28, 28));
        QCOMPARE(t->ui().AlphabetTiles[26]->pos(), QPoint(7, 280));
        QCOMPARE(t->ui().AlphabetTiles[27]->pos(), QPoint(35, 280));
        QCOMPARE(t->ui().WordTiles[1]->pos(), QPoint(12, 4));
        QCOMPARE(t->ui().WordTiles[15]->pos(), QPoint(432, 4));
        // Built-in backgrounds: the raised square with its cyan face.
        const QImage tile = t->pictures().SavedAlpha;
        QCOMPARE(tile.size(), QSize(28, 28));
        QCOMPARE(tile.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(tile.pixel(27, 27), qRgb(153, 153, 153));
        QCOMPARE(tile.pixel(27, 0), qRgb(255, 255, 255));
        QCOMPARE(tile.pixel(27, 1), qRgb(153, 153, 153));
        QCOMPARE(tile.pixel(1, 26), qRgb(255, 255, 255));
        QCOMPARE(tile.pixel(1, 27), qRgb(153, 153, 153));
        QCOMPARE(tile.pixel(14, 14), qRgb(0, 255, 255));
        QCOMPARE(t->pictures().SavedWord.pixel(2, 2), qRgb(255, 0, 255));
        QCOMPARE(t->pictures().SavedWord.pixel(25, 25), qRgb(255, 0, 255));
    }

    void tileBitmapsFallBackToTheBuiltInOnes() {
        // A missing file falls back silently.
        TestWindow missing("[Alphabet Font]\r\nBitmap=/no/such/tile.bmp\r\n");
        QCOMPARE(missing->pictures().SavedAlpha, pictures::builtinAlphabetTile());
        QVERIFY(missing.prompts.shown.empty());
        QCOMPARE(missing->settings().AlphabetBitmap, QStringLiteral("/no/such/tile.bmp"));

        // A file that is not a picture is reported, and the built-in one used.
        QTemporaryDir dir;
        const QString junk = dir.filePath(QStringLiteral("junk.bmp"));
        QFile f(junk);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("this is not a bitmap");
        f.close();
        TestWindow broken("[Word Font]\r\nBitmap=" + junk.toLocal8Bit() + "\r\n");
        QCOMPARE(broken->pictures().SavedWord, pictures::builtinWordTile());
        QCOMPARE(broken.prompts.messages(), QStringList{"Bitmap image is not valid"});

        // A readable picture is used as it is.
        QImage red(40, 40, QImage::Format_RGB32);
        red.fill(Qt::red);
        const QString redPath = dir.filePath(QStringLiteral("red.bmp"));
        QVERIFY(red.save(redPath, "BMP"));
        TestWindow good("[Alphabet Font]\r\nBitmap=" + redPath.toLocal8Bit() + "\r\n");
        QCOMPARE(good->pictures().SavedAlpha.pixel(20, 20), qRgb(255, 0, 0));
    }

    void enablingRulesFollowTheMode() {
        WiredWindow t;
        PeerPair::leaveWelcomeForTwoPlayer(t);
        QVERIFY(t->ui().ConnectPanel->isVisible());
        QVERIFY(!t->ui().WebPanel->isVisible());
        QCOMPARE(t->clientWidth(), 476);
        // Connected Player 2: the opponent panel, a wider window, no word lists.
        CHECKED(t.call(WiredWindow::Role::Player2));
        QVERIFY(t->ui().WebPanel->isVisible());
        QCOMPARE(t->clientWidth(), 632);
        QCOMPARE(t->centralWidget()->height(), 316);
        QVERIFY(!t->ui().MenuWords->isEnabled());
        QVERIFY(t->ui().MenuGuesses->isEnabled());
        t->game().setPlayer1(true);
        t->EnableDisable();
        QVERIFY(t->ui().MenuWords->isEnabled());
        // Solo hides both network panels again.
        t->game().setSolo(true);
        t->EnableDisable();
        QVERIFY(!t->ui().ConnectPanel->isVisible());
        QVERIFY(!t->ui().WebPanel->isVisible());
        QCOMPARE(t->clientWidth(), 476);
        // While the welcome panel is up, the window counts as solo.
        t->ShowWelcome(true);
        t->game().setSolo(false);
        t->EnableDisable();
        QVERIFY(!t->ui().WebPanel->isVisible());
    }

    void wordListMenuFollowsWhoChoosesTheList() {
        TestWindow t;
        t->settings().Player1Chooses = true;
        t->game().setPlayer1(true);
        t->options().SetWordListMenuItem();
        QVERIFY(t->ui().MenuWords->isEnabled());
        t->game().setPlayer1(false);
        t->options().SetWordListMenuItem();
        QVERIFY(!t->ui().MenuWords->isEnabled());
        t->settings().Player1Chooses = false;
        t->options().SetWordListMenuItem();
        QVERIFY(t->ui().MenuWords->isEnabled());
    }

    void controlPanelShowsWithItsButtonOrStatus() {
        TestWindow t;
        t->show();
        t->SetControlState();
        QVERIFY(!t->ui().ControlPanel->isVisible());
        t->ui().WaitStatus->show();
        t->SetControlState();
        QVERIFY(t->ui().ControlPanel->isVisible());
        QVERIFY(t->ui().ControlPanel->isEnabled());
        t->ui().WaitStatus->hide();
        t->ui().ActionButton->show();
        t->SetControlState();
        QVERIFY(t->ui().ControlPanel->isVisible());
        t->ui().ActionButton->hide();
        t->SetControlState();
        QVERIFY(!t->ui().ControlPanel->isVisible());
    }

    void loadingAListFillsWordsCaptionAndCounter() {
        programRandom().setState(0);
        TestWindow t;
        t->settings().ScrambleList = false;
        const QString path = t.writeFile(QStringLiteral("big.txt"), listOf(1234));
        t->options().LoadGame(path);
        QCOMPARE(t->windowTitle(), QStringLiteral("Ropewit: Numbers"));
        QCOMPARE(t->game().words().words().size(), 1234);
        QCOMPARE(t->game().words().words().first(), QStringLiteral("W0"));
        QCOMPARE(t->game().words().hints().first(), QStringLiteral("clue 0"));
        QCOMPARE(t->ui().WordNumPanel->text(), QStringLiteral("Word 1 of 1,234"));
        QVERIFY(!t->game().words().isUsed(0));
        QCOMPARE(t->game().words().usedCount(), 1234);
        QVERIFY(t->game().words().loaded());

        // Scrambling is reproducible from the same generator state, and switching it off
        // again does not reorder the list in play.
        t->settings().ScrambleList = true;
        programRandom().setState(0);
        t->options().LoadGame(path);
        const QStringList shuffled = t->game().words().words();
        QVERIFY(shuffled != (TestWindow().win->game().words().words()));
        programRandom().setState(0);
        t->options().LoadGame(path);
        QCOMPARE(t->game().words().words(), shuffled);
        t->ui().MenuScramble->trigger();
        QVERIFY(!t->settings().ScrambleList);
        QVERIFY(!t->ui().MenuScramble->isChecked());
        QCOMPARE(t->game().words().words(), shuffled);
    }

    void unusableListsFallBackToNoWords() {
        TestWindow t;
        t->options().LoadGame(QStringLiteral("/no/such/list.txt"));
        QCOMPARE(t.prompts.withCaption(QStringLiteral("Error")),
                 QStringList{"File could not be loaded."});
        QCOMPARE(t->windowTitle(), QStringLiteral("Ropewit: File Not Found"));
        QCOMPARE(t->game().words().words(), QStringList{"NoWords"});
        QCOMPARE(t->game().words().hints(), QStringList{QString()});

        // A title without words is refused the same way, as is an empty file.
        t.prompts.clear();
        t->options().LoadGame(t.writeFile(QStringLiteral("title.txt"), "Just a title\r\n"));
        QCOMPARE(t.prompts.messages(), QStringList{"File could not be loaded."});
        QCOMPARE(t->game().words().words(), QStringList{"NoWords"});
        t->options().LoadGame(t.writeFile(QStringLiteral("empty.txt"), QByteArray()));
        QCOMPARE(t->game().words().words(), QStringList{"NoWords"});
    }

    void hostileListsLoadByTheRules() {
        TestWindow t;
        t->settings().ScrambleList = false;
        QByteArray junk;
        junk.reserve(3 * 1024 * 1024);
        for (int i = 0; i < 3 * 1024 * 1024; ++i) {
            junk.append(static_cast<char>((i * 7919) & 0xff));
        }
        t->options().LoadGame(t.writeFile(QStringLiteral("junk.txt"), junk));
        const QStringList words = t->game().words().words();
        for (const QString& w : words) {
            QVERIFY(w.size() <= 15);
        }
        QCOMPARE(t->game().words().words().size(), t->game().words().hints().size());
        // One enormous line is a title and nothing else.
        t->options().LoadGame(
            t.writeFile(QStringLiteral("line.txt"), QByteArray(5 * 1024 * 1024, 'x')));
        QCOMPARE(t->game().words().words(), QStringList{"NoWords"});
    }

    void wordsMenuLoadsTheChosenFile() {
        TestWindow t;
        const QString path = t.writeFile(QStringLiteral("a.txt"), "Animals\r\nCAT:Purrs\r\n");
        t.prompts.fileAnswers.push_back(std::nullopt);
        t->ui().MenuWords->trigger();
        QVERIFY(!t->game().words().loaded());
        QCOMPARE(t.prompts.fileSpecs.back().title, QStringLiteral("Open Text File of Words"));
        // It opens where the lists that come with the game lie.
        QCOMPARE(t.prompts.fileSpecs.back().directory, t->settings().ProgramDir);
        QVERIFY(QFileInfo::exists(t->settings().ProgramDir + QStringLiteral("/ANIMALS.TXT")));
        t.prompts.fileAnswers.push_back(path);
        t->ui().MenuWords->trigger();
        QCOMPARE(t->game().words().words(), QStringList{"CAT"});
        QCOMPARE(t->windowTitle(), QStringLiteral("Ropewit: Animals"));
    }

    void closingSavesTheSettings() {
        TestWindow t;
        t->settings().UserName = QStringLiteral("Ann");
        t->show();
        t->close();
        const Settings again = savedSettings(t->settings());
        QCOMPARE(again.UserName, QStringLiteral("Ann"));
    }
};

ROPEWIT_TEST(TestMainWin)
#include "tst_mainwin.moc"
