#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "DialogAnswers.h"
#include "ListItems.h"
#include "ServedWindow.h"
#include "Testing.h"
#include "TwoPlayerScript.h"
#include "dialogs/TDoNewGame.h"
#include "dialogs/TGetYourName.h"
#include "net/TWSocket.h"

using namespace script;

namespace {

const QByteArray kNamedAnn = iniOf("Ann");

// Runs the wizard once; drive plays the player's part on it. False when it was cancelled.
bool runWizard(TestWindow& t, const std::function<void(TDoNewGame&)>& drive) {
    scriptWizard(t, drive);
    return t->RunNewGameWizard();
}

// Prompts that note the state of the window when the file chooser opens.
class WatchingPrompts : public ScriptedPrompts {
public:
    std::function<void()> onOpen;
    std::optional<QString> openFile(QWidget* parent, const FileChooserRequest& spec) override {
        if (onOpen) {
            onOpen();
        }
        return ScriptedPrompts::openFile(parent, spec);
    }
};

}  // namespace

class TestWizard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensWithTheRememberedChoices() {
        TestWindow t;
        t->settings().LastPanel1Option = 1;
        t->settings().LastPanel2Option = 3;
        t->settings().LastPanel3Option = 2;
        t->settings().LastIpAddresses[1] = QStringLiteral("10.0.0.2");
        t->settings().LastIpAddresses[3] = QStringLiteral("10.0.0.4");
        t->game().setSolo(false);
        const Settings before = t->settings();
        bool checked = false;
        const bool finished = runWizard(t, [&](TDoNewGame& w) {
            QCOMPARE(w.currentStep(), 1);
            QVERIFY(!w.Panel1->isHidden());
            QVERIFY(w.Panel2->isHidden() && w.Panel3->isHidden() && w.Panel4->isHidden());
            QVERIFY(w.PlaySol->isChecked() && !w.PlayOpp->isChecked());
            QVERIFY(w.LogServer->isChecked());
            QVERIFY(!w.KnowIp->isChecked() && !w.WaitIP->isChecked() && !w.RegServer->isChecked());
            QVERIFY(w.AlphaNames->isChecked() && !w.LongestWait->isChecked());
            // The history without its empty entries; entry 1 is empty, so is the edit.
            QCOMPARE(items(w.IPAdd),
                     (QStringList{QStringLiteral("10.0.0.2"), QStringLiteral("10.0.0.4")}));
            QCOMPARE(w.IPAdd->currentText(), QString());
            QCOMPARE(w.TheLetters->maxLength(), 20);
            checked = true;
            w.CancelButton->click();
        });
        QVERIFY(checked);
        QVERIFY(!finished);
        // Cancel on step 1 changes nothing.
        QVERIFY(!t->game().solo());
        QCOMPARE(t->settings().LastPanel1Option, before.LastPanel1Option);
        QCOMPARE(t->settings().LastIpAddresses, before.LastIpAddresses);
        QVERIFY(t.prompts.count(QStringLiteral("open")) == 0);

        // A value out of range checks nothing in its group; entry 1 fills the edit.
        t->settings().LastPanel1Option = 9;
        t->settings().LastPanel2Option = 0;
        t->settings().LastIpAddresses[0] = QStringLiteral("10.0.0.1");
        checked = false;
        runWizard(t, [&](TDoNewGame& w) {
            QVERIFY(!w.PlaySol->isChecked() && !w.PlayOpp->isChecked());
            QVERIFY(!w.KnowIp->isChecked() && !w.WaitIP->isChecked() && !w.LogServer->isChecked() &&
                    !w.RegServer->isChecked());
            QCOMPARE(w.IPAdd->currentText(), QStringLiteral("10.0.0.1"));
            QCOMPARE(w.IPAdd->itemText(0), QStringLiteral("10.0.0.1"));
            // Nothing checked on step 1 means an opponent; nothing on step 2 stays there.
            w.NextButton->click();
            QCOMPARE(w.currentStep(), 2);
            w.NextButton->click();
            QCOMPARE(w.currentStep(), 2);
            checked = true;
            w.CancelButton->click();
        });
        QVERIFY(checked);
    }

    void radioClicksAreRemembered() {
        TestWindow t(kNamedAnn);
        runWizard(t, [&](TDoNewGame& w) {
            const std::pair<QRadioButton*, int> panel1[] = {{w.PlaySol, 1}, {w.PlayOpp, 2}};
            for (const auto& [radio, value] : panel1) {
                radio->click();
                QCOMPARE(t->settings().LastPanel1Option, value);
            }
            w.AlphaNames->click();
            QCOMPARE(t->settings().LastPanel3Option, 2);
            w.LongestWait->click();
            QCOMPARE(t->settings().LastPanel3Option, 1);
            w.NextButton->click();  // step 2 takes clicks only while it is shown
            const std::pair<QRadioButton*, int> panel2[] = {
                {w.KnowIp, 1}, {w.WaitIP, 2}, {w.LogServer, 3}, {w.RegServer, 4}};
            for (const auto& [radio, value] : panel2) {
                radio->click();
                QCOMPARE(t->settings().LastPanel2Option, value);
            }
            w.CancelButton->click();
        });
        // Cancelling keeps what was clicked.
        QCOMPARE(t->settings().LastPanel1Option, 2);
        QCOMPARE(t->settings().LastPanel2Option, 4);
        QCOMPARE(t->settings().LastPanel3Option, 1);
    }

    void typedAddressIsCalled() {
        TestWindow t(kNamedAnn);
        t->settings().LastIpAddresses[0] = QStringLiteral("10.0.0.9");
        t->settings().LastIpAddresses[1] = QStringLiteral("10.0.0.8");
        t->settings().LastIpAddresses[2] = QStringLiteral("10.0.0.5");
        const bool finished = runWizard(t, [&](TDoNewGame& w) {
            choose (&TDoNewGame::KnowIp)(w);
            QCOMPARE(w.currentStep(), 3);
            for (const char* blank : {"", "    "}) {
                w.IPAdd->setEditText(QString::fromLatin1(blank));
                w.NextButton->click();
                QCOMPARE(w.currentStep(), 3);
            }
            w.IPAdd->setEditText(QStringLiteral("  10.0.0.5  "));
            w.NextButton->click();
        });
        QVERIFY(finished);
        QCOMPARE(t.prompts.withCaption(QStringLiteral("Error")),
                 (QStringList{QStringLiteral("No IP Address has been entered."),
                              QStringLiteral("No IP Address has been entered.")}));
        QCOMPARE(t->peer().peerAddress(), QStringLiteral("10.0.0.5"));
        QCOMPARE(t->settings().LastIpAddresses[0], QStringLiteral("10.0.0.5"));
        QCOMPARE(t->settings().LastIpAddresses[1], QStringLiteral("10.0.0.9"));
        QCOMPARE(t->settings().LastIpAddresses[2], QStringLiteral("10.0.0.8"));
        QVERIFY(t->settings().LastIpAddresses[3].isEmpty());
        QVERIFY(logOf(t).contains(QStringLiteral(">>Attempting To Connect")));
        // Disabled until the call has its answer.
        QVERIFY(!t->ui().MenuPlayer->isEnabled());
        QVERIFY(!t->game().solo());
        QTRY_VERIFY(t->ui().MenuPlayer->isEnabled());
    }

    void headingOfStep3CancelsAndEscapeDoesNothing() {
        TestWindow t(kNamedAnn);
        bool stillOpen = false;
        const bool finished = runWizard(t, [&](TDoNewGame& w) {
            w.show();
            QTest::keyClick(&w, Qt::Key_Escape);
            stillOpen = w.isVisible() && w.currentStep() == 1;
            choose (&TDoNewGame::KnowIp)(w);
            QTest::mouseClick(w.Label3, Qt::LeftButton);
        });
        QVERIFY(stillOpen);
        QVERIFY(!finished);
        QVERIFY(t->peer().peerAddress().isEmpty());
    }

    // The keys alone: the arrows choose, Return goes on, Tab and Space reach Cancel. A solo
    // game, then a call to a typed address, then a wizard left.
    void theWizardByKeyboardAlone() {
        TestWindow t(kNamedAnn);
        t->settings().LastPanel1Option = 2;
        t->settings().LastPanel2Option = 3;
        t.prompts.fileAnswers.push_back(t.writeFile(QStringLiteral("list.txt"), "T\r\nCAT\r\n"));
        const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
        const auto active = [](TDoNewGame& w) {
            w.show();
            w.activateWindow();
            return QTest::qWaitForWindowActive(&w);
        };
        scriptWizard(t, [&](TDoNewGame& w) {
            QVERIFY(active(w));
            QCOMPARE(QApplication::focusWidget(), w.PlayOpp);  // the choice remembered
            press(Qt::Key_Up);
            press(Qt::Key_Return);
        });
        QTest::keyClick(t->ui().StartGame, Qt::Key_Return);  // the welcome's button
        QCOMPARE(t.prompts.count(QStringLiteral("dialog")), 1);
        QVERIFY(t->game().solo());
        const QString address = QStringLiteral("127.0.0.1:%1").arg(freePort());
        QVERIFY(runWizard(t, [&](TDoNewGame& w) {
            QVERIFY(active(w));
            press(Qt::Key_Down);
            press(Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), w.LogServer);
            press(Qt::Key_Up);
            press(Qt::Key_Up);
            press(Qt::Key_Return);
            QCOMPARE(w.currentStep(), 3);
            QTest::keyClicks(QApplication::focusWidget(), address);
            press(Qt::Key_Return);
        }));
        QCOMPARE(t->peer().peerAddress(), address);
        QTRY_VERIFY(t->ui().MenuPlayer->isEnabled());
        QVERIFY(!runWizard(t, [&](TDoNewGame& w) {
            QVERIFY(active(w));
            for (int i = 0; i < 4 && QApplication::focusWidget() != w.CancelButton; ++i) {
                press(Qt::Key_Tab);
            }
            press(Qt::Key_Space);
        }));
    }

    void waitingTwiceListensOnce() {
        TestWindow t(kNamedAnn);
        for (int i = 0; i < 2; ++i) {
            QVERIFY(runWizard(t, choose(&TDoNewGame::WaitIP)));
        }
        QVERIFY(t->peer().listening());
        QCOMPARE(t->peer().srvWSocket().state(), TWSocket::wsListening);
        QCOMPARE(logOf(t).count(QStringLiteral(">>Waiting for a connection")), 1);
        QVERIFY(!t->game().solo());
    }

    void opponentWithoutAUserName() {
        TestWindow t;
        // Yes: the name dialog runs, then step 2 whatever was entered.
        t.prompts.questionAnswers = {true};
        int step = 0;
        scriptWizard(t, [&](TDoNewGame& w) {
            toStep2(w);
            step = w.currentStep();
            w.CancelButton->click();
        });
        t.prompts.dialogScript.push_back(
            typeAndPressOk(&TGetYourName::TheGuess, QStringLiteral("Zed")));
        t->RunNewGameWizard();
        QCOMPARE(step, 2);
        QCOMPARE(t.prompts.withCaption(QStringLiteral("Notice")),
                 QStringList{QStringLiteral("It appears that you have not entered a user name for "
                                            "yourself yet. Would you like to do so now?")});
        QCOMPARE(t.prompts.count(QStringLiteral("dialog")), 2);
        QCOMPARE(t.prompts.shown.back().text, QStringLiteral("TGetYourName"));
        QCOMPARE(t->settings().UserName, QStringLiteral("Zed"));

        // No: no dialog, and step 2 all the same.
        TestWindow u;
        u.prompts.questionAnswers = {false};
        runWizard(u, [&](TDoNewGame& w) {
            toStep2(w);
            step = w.currentStep();
            w.CancelButton->click();
        });
        QCOMPARE(step, 2);
        QCOMPARE(u.prompts.count(QStringLiteral("question")), 1);
        QCOMPARE(u.prompts.count(QStringLiteral("dialog")), 1);
        QVERIFY(u->settings().UserName.isEmpty());
    }

    void registeringChoosesTheOwnAddress() {
        ServedWindow t(kNamedAnn);
        const auto registerWith = [&](const QStringList& addresses) {
            t->context().localAddresses = [addresses] { return addresses; };
            t.prompts.clear();
            t->match().setOwnAddress(QString());
            return runWizard(t, choose(&TDoNewGame::RegServer));
        };
        const QString ask =
            QStringLiteral("You have multiple IP Addresses.  Is the correct IP Address ");

        // One address: no question, and the request goes out with it.
        QVERIFY(registerWith({QStringLiteral(" 192.0.2.7 ")}));
        QCOMPARE(t.prompts.count(QStringLiteral("question")), 0);
        QCOMPARE(t->match().ownAddress(), QStringLiteral("192.0.2.7"));
        QCOMPARE(static_cast<int>(t->match().request()), 1);
        QCOMPARE(t.fs.request(0), registration("Ann", "192.0.2.7"));
        // Listening waits for the server's answer.
        QVERIFY(!t->peer().listening());
        QCOMPARE(t->peer().srvWSocket().state(), TWSocket::wsClosed);

        // Each run's request carries the address chosen.
        const QStringList three = {QStringLiteral("10.0.0.1"), QStringLiteral("10.0.0.2"),
                                   QStringLiteral("10.0.0.3")};
        t.prompts.questionAnswers = {false, false};
        QVERIFY(registerWith(three));
        QCOMPARE(
            t.prompts.withCaption(QStringLiteral("Notice")),
            (QStringList{ask + QStringLiteral("10.0.0.1?"), ask + QStringLiteral("10.0.0.2?")}));
        QCOMPARE(t->match().ownAddress(), QStringLiteral("10.0.0.3"));
        QCOMPARE(t.fs.request(1), registration("Ann", "10.0.0.3"));

        t.prompts.questionAnswers = {false, true};
        QVERIFY(registerWith(three));
        QCOMPARE(t.prompts.count(QStringLiteral("question")), 2);
        QCOMPARE(t->match().ownAddress(), QStringLiteral("10.0.0.2"));
        QCOMPARE(t.fs.request(2), registration("Ann", "10.0.0.2"));

        t.prompts.questionAnswers = {true};
        QVERIFY(registerWith(three));
        QCOMPARE(t.prompts.count(QStringLiteral("question")), 1);
        QCOMPARE(t->match().ownAddress(), QStringLiteral("10.0.0.1"));
        QCOMPARE(t.fs.request(3), registration("Ann", "10.0.0.1"));

        // Without an address there is nothing to register: an error, no request (the last
        // connection stays open), and the wizard stays on step 2.
        QTRY_COMPARE(t->match().cliSrvWSocket().state(), TWSocket::wsConnected);
        t->match().setRequest(MatchRequest(0));
        int step = 0;
        t->context().localAddresses = [] { return QStringList(); };
        t.prompts.clear();
        runWizard(t, [&](TDoNewGame& w) {
            choose (&TDoNewGame::RegServer)(w);
            step = w.currentStep();
            w.CancelButton->click();
        });
        QCOMPARE(step, 2);
        QCOMPARE(t.prompts.withCaption(QStringLiteral("Error")).size(), 1);
        QCOMPARE(static_cast<int>(t->match().request()), 0);
        QCOMPARE(t->match().cliSrvWSocket().state(), TWSocket::wsConnected);
    }

    void askingTheServerForPlayers() {
        ServedWindow t(kNamedAnn);
        t->peer().setListening(true);
        t->network().StartServer();
        t->match().setLoggedOn(true);
        bool focusMoved = false;
        QVERIFY(runWizard(t, [&](TDoNewGame& w) {
            choose (&TDoNewGame::LogServer)(w);
            QCOMPARE(w.currentStep(), 4);
            w.show();
            w.AlphaNames->click();
            focusMoved = w.focusWidget() == w.TheLetters;
            w.TheLetters->setText(QStringLiteral("ab "));
            w.NextButton->click();
        }));
        QVERIFY(focusMoved);
        QCOMPARE(t->match().letters(), QStringLiteral("ab "));
        QCOMPARE(t.fs.request(1), QByteArray("04ab \x02"));
        QCOMPARE(static_cast<int>(t->match().request()), 3);
        QCOMPARE(t->peer().srvWSocket().state(), TWSocket::wsClosed);
        QVERIFY(!t->peer().listening());
        QVERIFY(!t->match().loggedOn());

        QVERIFY(runWizard(t, [](TDoNewGame& w) {
            toStep2(w);
            w.NextButton->click();  // LogServer is remembered
            w.LongestWait->click();
            w.NextButton->click();
        }));
        QCOMPARE(static_cast<int>(t->match().request()), 2);
        QCOMPARE(t.fs.request(2), QByteArray("03\x02"));
        QCOMPARE(t.fs.count(), 3);
    }

    void playingAloneWhileRegisteredLeavesTheServerFirst() {
        ServedWindow t(kNamedAnn);
        WatchingPrompts prompts;
        t->context().prompts = &prompts;
        // Connected to an opponent, then registered and listening.
        QTcpServer opponent;
        QVERIFY(opponent.listen(QHostAddress::LocalHost, 0));
        t->peer().setPeerAddress(QStringLiteral("127.0.0.1:%1").arg(opponent.serverPort()));
        t->network().ConnectToIP();
        QTRY_VERIFY(t->peer().connected());
        QTRY_VERIFY(opponent.hasPendingConnections());
        std::unique_ptr<QTcpSocket> peer(opponent.nextPendingConnection());
        t->context().peerPort = 0;
        t->peer().setListening(true);
        t->network().StartServer();
        QCOMPARE(t->peer().srvWSocket().state(), TWSocket::wsListening);
        t->match().setLoggedOn(true);
        t->match().setOwnAddress(QStringLiteral("192.0.2.7"));

        struct AtOpen {
            TWSocket::State listener;
            TWSocket::State peer;
            bool listening;
            bool loggedOn;
            int request;
        };
        std::vector<AtOpen> atOpen;
        prompts.onOpen = [&] {
            atOpen.push_back({t->peer().srvWSocket().state(), t->peer().cliWSocket().state(),
                              t->peer().listening(), t->match().loggedOn(),
                              static_cast<int>(t->match().request())});
        };
        const QString list = t.writeFile(QStringLiteral("list.txt"), "Title\r\nWORD\r\n");
        int stepAfterCancel = 0;
        prompts.dialogScript.push_back([&](QDialog& d) {
            auto& w = static_cast<TDoNewGame&>(d);
            w.PlaySol->click();
            w.NextButton->click();  // file dialog cancelled: stays on step 1
            stepAfterCancel = w.currentStep();
            prompts.fileAnswers.push_back(list);
            w.NextButton->click();
            return d.result();
        });
        QVERIFY(t->RunNewGameWizard());
        QCOMPARE(stepAfterCancel, 1);
        QCOMPARE(atOpen.size(), size_t(2));
        QCOMPARE(atOpen[0].listener, TWSocket::wsClosed);
        QCOMPARE(atOpen[0].peer, TWSocket::wsClosed);
        QVERIFY(!atOpen[0].listening);
        QVERIFY(!atOpen[0].loggedOn);
        QCOMPARE(atOpen[0].request, 4);
        QCOMPARE(prompts.fileSpecs.front().title, QStringLiteral("Open Text File of Words"));
        QVERIFY(prompts.fileSpecs.front().mustExist);
        QCOMPARE(prompts.fileSpecs.front().directory, t->settings().ProgramDir);
        QVERIFY(t->game().solo());
        QCOMPARE(t->game().words().title(), QStringLiteral("Title"));
        QCOMPARE(t.fs.request(0), removal("Ann", "192.0.2.7"));
        QTRY_VERIFY(logOf(t).contains(QStringLiteral(">>Removed from server")));
        QTRY_COMPARE(peer->state(), QAbstractSocket::UnconnectedState);
        // Leaving the opponent for a new game is not an interrupted game.
        QCOMPARE(prompts.count(QStringLiteral("message")), 0);
    }

    void closeBoxOnStep2Finishes() {
        TestWindow t(kNamedAnn);
        t->game().setSolo(true);
        bool cancelled = true;
        const bool finished = runWizard(t, [&](TDoNewGame& w) {
            toStep2(w);
            w.show();
            w.close();
            cancelled = w.Cancelled;
        });
        QVERIFY(finished);
        QVERIFY(!cancelled);
        QVERIFY(!t->game().solo());
    }
};

ROPEWIT_TEST(TestWizard)
#include "tst_wizard.moc"
