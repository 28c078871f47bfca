// The two-player options, guess attempts and user name dialogs, and the main window
// commands that open them and pass changes on to a connected opponent.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "DialogAnswers.h"
#include "ReaderCheck.h"
#include "SavedSettings.h"
#include "ScriptedPrompts.h"
#include "TestWindow.h"
#include "Testing.h"
#include "dialogs/TDoNewGame.h"
#include "dialogs/TDoSounds.h"
#include "dialogs/TDoWordList.h"
#include "dialogs/TGameOptions.h"
#include "dialogs/TGetTheWord.h"
#include "dialogs/TGetYourName.h"
#include "dialogs/TGuess.h"
#include "dialogs/TLetterLook2.h"
#include "dialogs/TMatchServer.h"
#include "dialogs/TWebOpponent.h"
#include "net/PeerText.h"
#include "net/TWSocket.h"
#include "settings/OptionBounds.h"

namespace {

const QString kScoreTooLow = QStringLiteral("Winning score value must be at least 10.");
const QString kGuessRange = QStringLiteral("Guesses should be between 1 and 20.  Please Correct.");

// A settings record whose file lives in a directory of the test's own.
struct SettingsFile {
    QTemporaryDir dir;
    Settings settings;
    SettingsFile() { settings.IniPath = QDir(dir.path()).filePath(QStringLiteral("ROPEWIT.INI")); }
    bool saved() const { return QFile::exists(settings.IniPath); }
    // What a later run would read from the file.
    Settings reread() const { return savedSettings(settings); }
};

bool closed(const QDialog& d) {
    return d.result() == QDialog::Accepted;
}

// The frames a raw peer received, without their end marks.
QList<QByteArray> framesOf(const QByteArray& bytes) {
    QList<QByteArray> frames = bytes.split(framing::kEndMark);
    frames.removeLast();  // the unfinished rest
    return frames;
}

}  // namespace

class TstOptionDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A reader can name each control of every dialog.
    void everyDialogControlHasAName_data() {
        QTest::addColumn<int>("dialog");
        const char* names[] = {"game options", "guesses",      "user name", "server",
                               "sounds",       "letter look",  "word list", "opponents",
                               "new game",     "word to guess"};
        for (int i = 0; i < 10; ++i) {
            QTest::newRow(names[i]) << i;
        }
    }
    void everyDialogControlHasAName() {
        QFETCH(int, dialog);
        TestWindow w;
        Settings& s = w->settings();
        const std::function<QDialog*()> make[] = {
            [&] { return new TGameOptions(s, w.prompts, &*w); },
            [&] { return new TGuess(s, w.prompts, &*w); },
            [&] { return new TGetYourName(s, &*w); },
            [&] { return new TMatchServer(s, w.prompts, &*w); },
            [&] { return new TDoSounds(s, w.prompts, w->screenSize(), &*w); },
            [&] { return new TLetterLook2(s, w.prompts, w->options().letterLookHooks(), &*w); },
            [&] { return new TDoWordList(w.prompts, &*w); },
            [&] { return new TWebOpponent(&*w); },
            [&] { return new TDoNewGame(s, w.prompts, w->NewGameWizardHooks(), &*w); },
            [&] { return new TGetTheWord(s, 0, w.prompts, &*w); }};
        const std::unique_ptr<QDialog> d(make[dialog]());
        d->show();
        // The wizard's later steps too.
        for (QFrame* step : d->findChildren<QFrame*>(Qt::FindDirectChildrenOnly)) {
            step->show();
        }
        const QStringList unnamed = unnamedControls(d.get());
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }

    void gameOptionsEnabling() {
        SettingsFile f;
        ScriptedPrompts prompts;
        f.settings.GameType = 1;
        {
            TGameOptions d(f.settings, prompts);
            QVERIFY(d.PlayerChoose->isChecked());
            QVERIFY(!d.DiffWord->isEnabled());
            QVERIFY(!d.SameWord->isEnabled());
            QVERIFY(d.SameLength->isEnabled());
            QVERIFY(!d.Play1Choose->isEnabled());
            QCOMPARE(d.Play1Choose->text(), QStringLiteral("\"&Server\" Player Chooses Word List"));
        }
        f.settings.GameType = 2;
        f.settings.WordType = 2;
        TGameOptions d(f.settings, prompts);
        QVERIFY(d.ProgChoose->isChecked());
        QVERIFY(d.SameWord->isChecked());
        QVERIFY(d.DiffWord->isEnabled());
        QVERIFY(d.Play1Choose->isEnabled());
        QVERIFY(!d.SameLength->isEnabled());

        d.DiffWord->click();
        QVERIFY(d.SameLength->isEnabled());
        d.SameWord->click();
        QVERIFY(!d.SameLength->isEnabled());
        // The two pairs are separate groups: choosing who picks words leaves the word choice.
        d.PlayerChoose->click();
        QVERIFY(d.SameWord->isChecked());
        QVERIFY(d.SameLength->isEnabled());
        QVERIFY(!d.DiffWord->isEnabled());
        d.ProgChoose->click();
        QVERIFY(d.DiffWord->isEnabled());
        QVERIFY(!d.SameLength->isEnabled());
    }

    void gameOptionsKeepDisabledChoices() {
        SettingsFile f;
        ScriptedPrompts prompts;
        f.settings.GameType = 1;
        f.settings.WordType = 1;
        f.settings.SameWordLength = false;
        f.settings.Player1Chooses = false;
        TGameOptions d(f.settings, prompts);
        d.SameLength->click();
        d.OK->click();
        QVERIFY(closed(d));
        QCOMPARE(f.settings.GameType, 1);
        QCOMPARE(f.settings.WordType, 1);
        QCOMPARE(f.settings.SameWordLength, true);
        QCOMPARE(f.settings.Player1Chooses, false);

        TGameOptions again(f.settings, prompts);
        again.ProgChoose->click();
        again.SameWord->click();
        again.Play1Choose->click();
        again.OK->click();
        QCOMPARE(f.settings.GameType, 2);
        QCOMPARE(f.settings.WordType, 2);
        QCOMPARE(f.settings.SameWordLength, true);
        QCOMPARE(f.settings.Player1Chooses, true);
        QVERIFY(prompts.shown.empty());
    }

    void winScoreCheck_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");  // 0: refused

        QTest::newRow("10") << "10" << 10;
        QTest::newRow("9") << "9" << 0;
        QTest::newRow("25x") << "25x" << 25;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("blanks") << "   " << 0;
        QTest::newRow("no number") << "x25" << 0;
        QTest::newRow("negative") << "-50" << 0;
        QTest::newRow("blanks around") << " 15 " << 15;
        QTest::newRow("largest") << "9999" << 9999;
        QTest::newRow("five digits cut") << "12345" << 1234;
    }

    void winScoreCheck() {
        QFETCH(QString, typed);
        QFETCH(int, stored);

        SettingsFile f;
        f.settings.WinScore = 100;
        ScriptedPrompts prompts;
        TGameOptions d(f.settings, prompts);
        QCOMPARE(d.WinScore->text(), QStringLiteral("100"));
        d.WinScore->setText(typed);
        d.OK->click();

        if (stored == 0) {
            QCOMPARE(prompts.withCaption(QStringLiteral("Error")), QStringList{kScoreTooLow});
            QVERIFY(!closed(d));
            QCOMPARE(f.settings.WinScore, 100);
            QVERIFY(!f.saved());
        } else {
            QVERIFY(prompts.shown.empty());
            QVERIFY(closed(d));
            QCOMPARE(f.settings.WinScore, stored);
            QCOMPARE(f.reread().WinScore, stored);
        }
    }

    void gameOptionsEscAndCloseBox() {
        SettingsFile f;
        f.settings.WinScore = 100;
        ScriptedPrompts prompts;
        {
            TGameOptions d(f.settings, prompts);
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            d.WinScore->setText(QStringLiteral("5"));
            QTest::keyClick(&d, Qt::Key_Escape);
            QCOMPARE(prompts.messages(), QStringList{kScoreTooLow});
            QVERIFY(d.isVisible());
            QVERIFY(!d.close());
            QCOMPARE(prompts.messages().size(), 2);
            QVERIFY(d.isVisible());
            QVERIFY(!f.saved());

            // Esc presses Ok, and Ok saves.
            d.WinScore->setText(QStringLiteral("150"));
            QTest::keyClick(&d, Qt::Key_Escape);
            QVERIFY(!d.isVisible());
            QCOMPARE(f.settings.WinScore, 150);
            QCOMPARE(f.reread().WinScore, 150);
        }
        {
            // The close box stores but leaves the file alone.
            TGameOptions d(f.settings, prompts);
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            d.WinScore->setText(QStringLiteral("200"));
            d.DiffWord->click();
            QVERIFY(d.close());
            QCOMPARE(f.settings.WinScore, 200);
            QCOMPARE(f.settings.WordType, 1);
            QCOMPARE(f.reread().WinScore, 150);
            QCOMPARE(f.reread().WordType, 2);
            QCOMPARE(prompts.messages().size(), 2);
        }
    }

    void guessCheck_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");

        QTest::newRow("1") << "1" << true;
        QTest::newRow("20") << "20" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("21") << "21" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("no number") << "x5" << false;
        QTest::newRow("negative") << "-3" << false;
        QTest::newRow("5x kept as typed") << "5x" << true;
        QTest::newRow("3 digits cut to 2") << "123" << true;  // 12
    }

    void guessCheck() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);

        SettingsFile f;
        f.settings.NumGuesses = QStringLiteral("8");
        ScriptedPrompts prompts;
        TGuess d(f.settings, prompts);
        QCOMPARE(d.TheGuess->text(), QStringLiteral("8"));
        d.TheGuess->setText(typed);
        d.OK->click();

        if (accepted) {
            QVERIFY(prompts.shown.empty());
            QVERIFY(closed(d));
            QCOMPARE(f.settings.NumGuesses, typed.left(2));
            QCOMPARE(f.reread().NumGuesses, optionbounds::guessAttemptsText(typed.left(2)));
        } else {
            QCOMPARE(prompts.withCaption(QStringLiteral("Information")), QStringList{kGuessRange});
            QVERIFY(!closed(d));
            QCOMPARE(f.settings.NumGuesses, QStringLiteral("8"));
            QVERIFY(!f.saved());
        }
    }

    void guessEveryWayOutIsChecked() {
        SettingsFile f;
        ScriptedPrompts prompts;
        TGuess d(f.settings, prompts);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));

        d.TheGuess->setText(QStringLiteral("0"));
        d.OK->setFocus();
        QTest::keyClick(&d, Qt::Key_Escape);
        QCOMPARE(prompts.messages(), QStringList{kGuessRange});
        QVERIFY(d.isVisible());
        QCOMPARE(d.focusWidget(), d.TheGuess);

        QVERIFY(!d.close());
        QCOMPARE(prompts.messages().size(), 2);
        QVERIFY(d.isVisible());

        d.TheGuess->setText(QStringLiteral("12"));
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QCOMPARE(f.settings.NumGuesses, QStringLiteral("12"));
        QCOMPARE(f.reread().NumGuesses, QStringLiteral("12"));

        // The close box, too, stores and saves.
        TGuess e(f.settings, prompts);
        e.TheGuess->setText(QStringLiteral("3"));
        QVERIFY(e.close());
        QCOMPARE(f.reread().NumGuesses, QStringLiteral("3"));
        QCOMPARE(prompts.messages().size(), 2);
    }

    void userName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");

        QTest::newRow("leading blank") << QString(" Zed") << QString("Zed");
        QTest::newRow("control characters") << QString("\tAnn B \x01") << QString("Ann B");
        QTest::newRow("empty") << QString("") << QString("");
        QTest::newRow("only blanks") << QString("   ") << QString("");
        QTest::newRow("cut to 20")
            << QString("ABCDEFGHIJKLMNOPQRSTUVWXYZ") << QString("ABCDEFGHIJKLMNOPQRST");
    }

    void userName() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);

        SettingsFile f;
        f.settings.UserName = QStringLiteral("Old");
        TGetYourName d(f.settings);
        QCOMPARE(d.TheGuess->text(), QStringLiteral("Old"));
        d.TheGuess->setText(typed);
        d.OK->click();
        QVERIFY(closed(d));
        QCOMPARE(f.settings.UserName, stored);
        QCOMPARE(f.reread().UserName, stored);

        // Reopening shows what was stored.
        TGetYourName again(f.settings);
        QCOMPARE(again.TheGuess->text(), stored);
    }

    void userNameEveryWayOutStores() {
        SettingsFile f;
        {
            TGetYourName d(f.settings);
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            d.TheGuess->setText(QStringLiteral("  Esc "));
            QTest::keyClick(&d, Qt::Key_Escape);
            QVERIFY(!d.isVisible());
            QCOMPARE(f.reread().UserName, QStringLiteral("Esc"));
        }
        TGetYourName d(f.settings);
        d.TheGuess->setText(QStringLiteral("Box "));
        QVERIFY(d.close());
        QCOMPARE(f.reread().UserName, QStringLiteral("Box"));
    }

    void menuCommandsAlone() {
        TestWindow t;
        t->settings().UserName = QStringLiteral("Old");
        t->ui().PlayerPanel->setText(QStringLiteral("untouched"));

        // An unchanged name changes nothing on the board.
        t.prompts.dialogScript.push_back([](QDialog& d) {
            static_cast<TGetYourName&>(d).OK->click();
            return d.result();
        });
        t->ui().MenuUserName->trigger();
        QCOMPARE(t->ui().PlayerPanel->text(), QStringLiteral("untouched"));

        t.prompts.dialogScript.push_back(
            typeAndPressOk(&TGetYourName::TheGuess, QStringLiteral(" Zed")));
        t->ui().MenuUserName->trigger();
        QCOMPARE(t->settings().UserName, QStringLiteral("Zed"));
        QCOMPARE(t->game().players().player1(), QStringLiteral("Zed"));
        QCOMPARE(t->ui().PlayerPanel->text(), QStringLiteral("Zed"));
        QCOMPARE(t->ui().Play1ScoreLab->text(), QStringLiteral("Zed"));

        t.prompts.dialogScript.push_back(typeAndPressOk(&TGetYourName::TheGuess, QString()));
        t->ui().MenuUserName->trigger();
        QCOMPARE(t->settings().UserName, QString());
        QCOMPARE(t->ui().PlayerPanel->text(), QStringLiteral("Player 1"));
        QCOMPARE(t->ui().Play1ScoreLab->text(), QStringLiteral("Player 1"));

        // Options and guesses changed alone, or in a two-player game with no opponent yet,
        // are stored and saved but not logged.
        for (const bool solo : {true, false}) {
            t->game().setSolo(solo);
            t.prompts.dialogScript.push_back([](QDialog& d) {
                auto& g = static_cast<TGuess&>(d);
                g.TheGuess->setText(g.TheGuess->text() == QLatin1String("5") ? QStringLiteral("6")
                                                                             : QStringLiteral("5"));
                g.OK->click();
                return d.result();
            });
            const QString guessesBefore = t->settings().NumGuesses;
            t->ui().MenuGuesses->trigger();
            QVERIFY(t->settings().NumGuesses != guessesBefore);

            t.prompts.dialogScript.push_back([](QDialog& d) {
                auto& o = static_cast<TGameOptions&>(d);
                o.WinScore->setText(QString::number(o.WinScore->text().toInt() + 50));
                o.OK->click();
                return d.result();
            });
            const int scoreBefore = t->settings().WinScore;
            t->ui().MenuGame->trigger();
            QCOMPARE(t->settings().WinScore, scoreBefore + 50);
        }
        QCOMPARE(t->ui().ConMemo->toPlainText(), QString());
        QVERIFY(t.prompts.messages().isEmpty());
        QCOMPARE(t.prompts.count(QStringLiteral("dialog")), 7);

        const Settings onDisk = savedSettings(t->settings());
        QCOMPARE(onDisk.WinScore, t->settings().WinScore);
        QCOMPARE(onDisk.NumGuesses, t->settings().NumGuesses);
    }

    void optionsLogLines() {
        // The two examples of a change made while connected, as the log shows them.
        peertext::GameOptions o;
        o.gameType = 2;
        o.wordType = 2;
        o.sameWordLength = false;
        o.player1Chooses = true;
        o.winScore = 150;
        QCOMPARE(
            peertext::optionsDescription(o, QStringLiteral("Ann"), QStringLiteral("Bob"), true),
            QStringLiteral("Program Chooses Words, Players Get Same Words, Ann Chooses Word "
                           "List, Winning Score is 150"));
        o.sameWordLength = true;
        QCOMPARE(
            peertext::optionsDescription(o, QStringLiteral("Ann"), QStringLiteral("Bob"), false),
            QStringLiteral("Program Chooses Words, Players Get Same Words, Ensure Words Are "
                           "Same Length, Ann Chooses Word List"));
    }

    void connectedChangesReachThePeer() {
        // The window calls a raw peer and plays Player 2 of a connected game.
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        TestWindow t;
        QSignalSpy sessionConnected(&t->peer().cliWSocket(), &TWSocket::SessionConnected);
        t->peer().cliWSocket().Addr = QStringLiteral("127.0.0.1");
        t->peer().cliWSocket().Port = QString::number(server.serverPort());
        t->peer().cliWSocket().Connect();
        QVERIFY(sessionConnected.wait());
        QCOMPARE(sessionConnected.at(0).at(0).toInt(), 0);
        QTRY_VERIFY(server.hasPendingConnections());
        QTcpSocket* peer = server.nextPendingConnection();
        QVERIFY(peer);
        t->game().setSolo(false);
        t->game().setPhase(GameController::Phase::ReadyToStart);
        t->game().setPlayer1(false);
        t->game().players().setPlayer1(QStringLiteral("Ann"));
        t->game().players().setPlayer2(QStringLiteral("Old"));
        t->settings().UserName = QStringLiteral("Old");
        t->settings().NumGuesses = QStringLiteral("8");
        t->settings().GameType = 2;
        t->settings().WordType = 2;
        t->settings().SameWordLength = false;
        t->settings().Player1Chooses = true;
        t->settings().WinScore = 100;
        t->ui().ConMemo->clear();

        QByteArray received;
        // Everything of the codes these commands send, in order of arrival.
        auto framesSoFar = [&] {
            received += peer->readAll();
            QList<QByteArray> ours;
            for (const QByteArray& f : framesOf(received)) {
                if (f.startsWith("02") || f.startsWith("03") || f.startsWith("13")) {
                    ours << f;
                }
            }
            return ours;
        };
        auto untouched = [](QDialog& d) {
            d.close();
            return d.result();
        };

        // Unchanged dialogs send nothing; the guess change behind them is the first to arrive.
        t.prompts.dialogScript.push_back(untouched);
        t->ui().MenuGame->trigger();
        t.prompts.dialogScript.push_back(untouched);
        t->ui().MenuUserName->trigger();
        t.prompts.dialogScript.push_back(untouched);
        t->ui().MenuGuesses->trigger();
        t.prompts.dialogScript.push_back(typeAndPressOk(&TGuess::TheGuess, QStringLiteral("5")));
        t->ui().MenuGuesses->trigger();
        QTRY_COMPARE(framesSoFar(), QList<QByteArray>{"0205"});
        QCOMPARE(t->ui().ConMemo->toPlainText(), QStringLiteral(">>Guess Attempts Changed To 5"));
        t->ui().ConMemo->clear();

        t.prompts.dialogScript.push_back(
            typeAndPressOk(&TGameOptions::WinScore, QStringLiteral("150")));
        t->ui().MenuWords->setEnabled(true);
        t->ui().MenuGame->trigger();
        QTRY_COMPARE(framesSoFar(), (QList<QByteArray>{"0205", "0322010150"}));
        QCOMPARE(t->ui().ConMemo->toPlainText(),
                 QStringLiteral(">>Game Options Changed: Program Chooses Words, Players Get Same "
                                "Words, Ann Chooses Word List, Winning Score is 150"));
        // Player 1 chooses the list, so this side may not load one.
        QVERIFY(!t->ui().MenuWords->isEnabled());
        t->ui().ConMemo->clear();

        t.prompts.dialogScript.push_back(
            typeAndPressOk(&TGetYourName::TheGuess, QStringLiteral("Zed ")));
        t->ui().MenuUserName->trigger();
        QCOMPARE(t->game().players().player2(), QStringLiteral("Zed"));
        QCOMPARE(t->ui().PlayerPanel->text(), QStringLiteral("Zed"));
        QCOMPARE(t->ui().Play2ScoreLab->text(), QStringLiteral("Zed"));
        QCOMPARE(t->game().players().player1(), QStringLiteral("Ann"));

        t.prompts.dialogScript.push_back(typeAndPressOk(&TGetYourName::TheGuess, QString()));
        t->ui().MenuUserName->trigger();
        QCOMPARE(t->ui().PlayerPanel->text(), QStringLiteral("Player 2"));
        QCOMPARE(t->ui().Play2ScoreLab->text(), QStringLiteral("Player 2"));
        QTRY_COMPARE(framesSoFar(), (QList<QByteArray>{"0205", "0322010150", "13Zed", "13"}));
        QCOMPARE(t->ui().ConMemo->toPlainText(), QString());
    }
};

ROPEWIT_TEST(TstOptionDialogs)
#include "tst_optiondialogs.moc"
