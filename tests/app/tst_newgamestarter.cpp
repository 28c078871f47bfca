#include "Testing.h"

#include "app/NewGameStarter.h"
#include "core/AppContext.h"
#include "dialogs/NewGameChoice.h"
#include "net/MessageGate.h"
#include "net/PeerConnection.h"
#include "settings/Settings.h"

// The wizard's choice carried out without a window: what the connection and the matchmaking
// client are left doing, and which of the window's steps run, in which order.
class TestNewGameStarter : public QObject {
    Q_OBJECT

    struct Rig {
        Settings settings;
        MessageGate gate;
        AppContext context;
        PeerConnection peer{gate};
        MatchClient match{settings, gate};
        QStringList steps;
        NewGameStarter starter{peer, match, context, recordingSteps(), nullptr};

        Rig() {
            context.peerPort = 0;
            peer.setPort(0);
        }
        NewGameStarter::Steps recordingSteps() {
            NewGameStarter::Steps s;
            s.loadGame = [this](const QString& path) { steps << QStringLiteral("load ") + path; };
            s.startServer = [this] {
                steps << QStringLiteral("listen");
                peer.StartServer();
            };
            s.connectToIP = [this] { steps << QStringLiteral("call ") + peer.peerAddress(); };
            s.serverRequest = [this](MatchRequest r) {
                steps << QStringLiteral("request %1").arg(static_cast<int>(r));
            };
            s.unLog = [this] { steps << QStringLiteral("unlog"); };
            s.rememberAddress = [this](const QString& a) {
                steps << QStringLiteral("remember ") + a;
            };
            return s;
        }
        void choose(NewGameChoice::Action action, const QString& text = {}) {
            NewGameChoice choice;
            choice.action = action;
            choice.wordListPath = choice.address = choice.ownAddress = choice.letters = text;
            starter.carryOut(choice);
        }
        // Listening for a caller and listed on the server, as after a registration.
        void waitRegistered() {
            choose(NewGameChoice::Action::WaitForCall);
            match.setLoggedOn(true);
        }
    };

private Q_SLOTS:
    void playAloneLoadsTheChosenList() {
        Rig rig;
        rig.choose(NewGameChoice::Action::PlayAlone, QStringLiteral("/lists/ANIMALS.TXT"));
        QCOMPARE(rig.steps, QStringList{QStringLiteral("load /lists/ANIMALS.TXT")});
        rig.choose(NewGameChoice::Action::None);
        QCOMPARE(rig.steps.size(), 1);
    }

    // Waiting twice opens one listening socket.
    void waitingListensOnce() {
        Rig rig;
        rig.choose(NewGameChoice::Action::WaitForCall);
        QVERIFY(rig.peer.isListening());
        rig.choose(NewGameChoice::Action::WaitForCall);
        QCOMPARE(rig.steps, QStringList{QStringLiteral("listen")});
    }

    // A call made while registered and listening stops both before it dials, and the
    // address is in the history before the call can fail.
    void callingLeavesTheServerAndRemembersTheAddress() {
        Rig rig;
        rig.waitRegistered();
        rig.choose(NewGameChoice::Action::CallAddress, QStringLiteral("127.0.0.1:5"));
        QVERIFY(!rig.peer.isListening());
        QCOMPARE(rig.steps, (QStringList{QStringLiteral("listen"), QStringLiteral("unlog"),
                                         QStringLiteral("remember 127.0.0.1:5"),
                                         QStringLiteral("call 127.0.0.1:5")}));
    }

    // Asking who waits stops listening and leaves the server first; the letters go with the
    // request that needs them.
    void listingStopsListeningAndLeavesTheServer() {
        Rig rig;
        rig.waitRegistered();
        rig.choose(NewGameChoice::Action::ListByLetters, QStringLiteral("AB"));
        QVERIFY(!rig.peer.isListening());
        QCOMPARE(rig.match.letters(), QStringLiteral("AB"));
        rig.match.setLoggedOn(false);  // as the removal does
        rig.choose(NewGameChoice::Action::ListLongest);
        QCOMPARE(rig.steps.join(u'|'), QStringLiteral("listen|unlog|request 3|request 2"));
    }

    // Without the router asked, the registration goes out at once under the chosen address,
    // and nothing listens before the server has confirmed it.
    void registeringNamesTheChosenAddress() {
        Rig rig;
        rig.choose(NewGameChoice::Action::Register, QStringLiteral("192.0.2.7"));
        QCOMPARE(rig.match.ownAddress(), QStringLiteral("192.0.2.7"));
        QCOMPARE(rig.steps, QStringList{QStringLiteral("request 1")});
        QVERIFY(!rig.peer.isListening());
    }
};

ROPEWIT_TEST(TestNewGameStarter)
#include "tst_newgamestarter.moc"
