// The fourteen peer messages as a window receives them: real bytes from a raw socket on the
// other end of its connection, through CliWSocketDataAvailable.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTimer>
#include <random>

#include <sys/stat.h>

#include "PeerPair.h"
#include "Testing.h"
#include "settings/Settings.h"

namespace {

using Role = WiredWindow::Role;

const QByteArray kAnn = "[Options]\r\nUser Name=Ann\r\nUse Sound=No\r\nNumber of Guesses=6\r\n";
const QByteArray kBea = "[Options]\r\nUser Name=Bea\r\nUse Sound=No\r\nNumber of Guesses=6\r\n";

// Every line of the log, empty ones too.
QStringList fullLogOf(TestWindow& t) {
    return t->ui().ConMemo->toPlainText().split(QLatin1Char('\n'));
}

QString lastChat(TestWindow& t) {
    return t->ui().MyMemo->toPlainText().section(QLatin1Char('\n'), -1);
}

// The opponent starts the word APPLE while this side plays the given game and word type.
void opponentStartsApple(WiredWindow& t, int gameType, int wordType) {
    t->settings().GameType = gameType;
    t->settings().WordType = wordType;
    t.raw.send("14\x02");
    t.deliver("10APPLE\x02");
}

Settings savedSettings(TestWindow& t) {
    Settings s;
    s.IniPath = t->settings().IniPath;
    LoadSettings(s);
    return s;
}

ino_t inodeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

}  // namespace

class TestPeerProtocol : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void chatLineIsShownAndSoundedWhenSoundIsOn() {
        WiredWindow t(kAnn);
        CHECKED(t.wire(Role::Player1));

        t->settings().UseSound = true;
        t.sound.clear();
        CHECKED(t.deliver("01Bea> hello there\x02"));
        QCOMPARE(lastChat(t), QStringLiteral("Bea> hello there"));
        QCOMPARE(t.sound.plays.size(), size_t(1));
        QCOMPARE(t.sound.plays[0].path, QStringLiteral(ROPEWIT_PROGRAM_DIR "/FLOOP.WAV"));
        QVERIFY(!t.sound.plays[0].wait);

        t->settings().UseSound = false;
        CHECKED(t.deliver("01Bea> caf\xE9 au lait\x02"));
        QCOMPARE(lastChat(t), QStringLiteral("Bea> caf\u00e9 au lait"));
        QCOMPARE(t.sound.plays.size(), size_t(1));
    }

    void guessAttemptsAreTakenButNotSaved() {
        WiredWindow t(kBea);
        CHECKED(t.wire(Role::Player2));
        const QByteArray before = fileBytes(t->settings().IniPath);
        QVERIFY(!before.isEmpty());

        CHECKED(t.deliver("0208\x02"));
        QCOMPARE(t->settings().NumGuesses, QStringLiteral("8"));
        QVERIFY(fullLogOf(t).contains(QStringLiteral(">>Guess Attempts Changed To 8")));

        CHECKED(t.deliver("0212\x02"));
        QCOMPARE(t->settings().NumGuesses, QStringLiteral("12"));
        QVERIFY(fullLogOf(t).contains(QStringLiteral(">>Guess Attempts Changed To 12")));
        QCOMPARE(fileBytes(t->settings().IniPath), before);
    }

    void gameOptionsAreTakenDescribedAndSaved() {
        WiredWindow t(kAnn + "Win Score=100\r\n");
        CHECKED(t.wire(Role::Player1));

        // Same winning score: not mentioned.
        CHECKED(t.deliver("0321110100\x02"));
        QVERIFY(fullLogOf(t).contains(QStringLiteral(
            ">>Game Type Changed: Program Chooses Words, Players Get Different Words, "
            "Ensure Words Are Same Length, Ann Chooses Word List")));
        QCOMPARE(t->settings().GameType, 2);
        QCOMPARE(t->settings().WordType, 1);
        QVERIFY(t->settings().SameWordLength);
        QVERIFY(t->settings().Player1Chooses);
        QCOMPARE(t->settings().WinScore, 100);
        QVERIFY(t->ui().MenuWords->isEnabled());  // Player 1 chooses the list, and this is Player 1

        // Players choose: a blank, then the comma; a new winning score is mentioned.
        CHECKED(t.deliver("0311100150\x02"));
        QVERIFY(fullLogOf(t).contains(QStringLiteral(
            ">>Game Type Changed: Player Chooses Words , Ensure Words Are Same Length, "
            "Winning Score is 150")));
        QCOMPARE(t->settings().GameType, 1);
        QVERIFY(!t->settings().Player1Chooses);
        QCOMPARE(t->settings().WinScore, 150);
        QVERIFY(!t->ui().MenuWords->isEnabled());
        // Changes from the peer reach the file at most about once a second.
        QTRY_COMPARE(savedSettings(t).GameType, 1);
        Settings saved = savedSettings(t);
        QCOMPARE(saved.WordType, 1);
        QVERIFY(saved.SameWordLength);
        QVERIFY(!saved.Player1Chooses);
        QCOMPARE(saved.WinScore, 150);

        CHECKED(t.deliver("0322000150\x02"));
        QVERIFY(fullLogOf(t).contains(QStringLiteral(
            ">>Game Type Changed: Program Chooses Words, Players Get Same Words, Bea Chooses Word "
            "List")));
        QTRY_COMPARE(savedSettings(t).GameType, 2);
        saved = savedSettings(t);
        QCOMPARE(saved.WordType, 2);
        QVERIFY(!saved.SameWordLength);
    }

    void readyToStartPostsTheOpponentOnEitherSide() {
        {
            WiredWindow t(kAnn);
            CHECKED(t.wire(Role::Player1));
            t->game().ready().mine = true;
            t->controlPanel().ShowWaitStatus(QStringLiteral("Waiting for opponent to start"));
            CHECKED(t.deliver("04\x02"));
            QVERIFY(t->game().ready().theirs);
            QVERIFY(t->game().playerPosted(false));
            QVERIFY(!t->game().playerPosted(true));
            QVERIFY(t->ui().WaitStatus->isHidden());
            QVERIFY(!t->ui().WaitStatus->isEnabled());
            QVERIFY(fullLogOf(t).contains(QStringLiteral(">>Bea Ready To Start")));
        }
        {
            WiredWindow t(kBea);
            CHECKED(t.wire(Role::Player2));
            // Not ready yet here: whatever this side shows stays.
            t->controlPanel().ShowWaitStatus(QStringLiteral("Waiting for opponent's word."));
            CHECKED(t.deliver("04\x02"));
            QVERIFY(t->game().ready().theirs);
            QVERIFY(t->game().playerPosted(true));
            QVERIFY(!t->game().playerPosted(false));
            QVERIFY(!t->ui().WaitStatus->isHidden());
            QVERIFY(fullLogOf(t).contains(QStringLiteral(">>Ann Ready To Start")));
        }
    }

    void yourWordSplitsWordAndClueAndOffersPlay() {
        WiredWindow t(kBea);
        CHECKED(t.wire(Role::Player2));
        t->ui().ActionButton->hide();
        t->game().word().mine = true;
        t->controlPanel().ShowWaitStatus(QStringLiteral("Waiting for opponent's word."));

        CHECKED(t.deliver("06CAT\x02"));
        QCOMPARE(t->game().dealtWord().word, QStringLiteral("CAT"));
        QCOMPARE(t->game().dealtWord().clue, QStringLiteral("No hint given"));
        QCOMPARE(t->ui().HintLabel->text(), QStringLiteral("No hint given"));
        QVERIFY(fullLogOf(t).contains(QStringLiteral(">>Received word")));
        QCOMPARE(t->ui().ActionButton->text(), QStringLiteral("Play &Word"));
        QVERIFY(!t->ui().ActionButton->isHidden());
        QVERIFY(t->ui().ActionButton->isEnabled());
        QVERIFY(t->game().word().theirs);
        QVERIFY(t->ui().WaitStatus->isHidden());
        QCOMPARE(t->game().opponent().guessesLeft, 6);
        QCOMPARE(t->ui().WebGuesses->text(), QStringLiteral("6 Guesses Left"));

        // The clue is everything behind the first ':'.
        CHECKED(t.deliver("06DOG:a pet: furry\x02"));
        QCOMPARE(t->game().dealtWord().word, QStringLiteral("DOG"));
        QCOMPARE(t->game().dealtWord().clue, QStringLiteral("a pet: furry"));
        QCOMPARE(t->ui().HintLabel->text(), QStringLiteral("a pet: furry"));

        // An empty clue, a word that has not been sent yet here, and a guess count that is no
        // number.
        t->game().word().mine = false;
        t->controlPanel().ShowWaitStatus(QStringLiteral("Waiting for opponent's word."));
        t->settings().NumGuesses = QStringLiteral("x");
        CHECKED(t.deliver("06EMU:\x02"));
        QCOMPARE(t->game().dealtWord().word, QStringLiteral("EMU"));
        QCOMPARE(t->game().dealtWord().clue, QStringLiteral("No hint given"));
        QVERIFY(!t->ui().WaitStatus->isHidden());
        QCOMPARE(t->ui().WebGuesses->text(), QStringLiteral("5 Guesses Left"));
    }

    void lettersOfTheSameWordShowAsX() {
        WiredWindow t(kAnn);
        CHECKED(t.wire(Role::Player1));
        CHECKED(opponentStartsApple(t, 2, 2));
        // What counts is how things stood when the opponent started the word.
        t->settings().WordType = 1;
        QCOMPARE(t->game().opponent().guessesLeft, 6);

        CHECKED(t.deliver("07P\x02"));
        QCOMPARE(t->game().opponent().progress, QStringLiteral("_XX__"));
        QCOMPARE(t->ui().WebWordlabel->text(), QStringLiteral("_XX__"));
        QCOMPARE(t->ui().MissedWebLabel->text(),
                 QStringLiteral("You are playing the same word--cannot reveal"));
        QCOMPARE(t->game().opponent().guessesLeft, 6);

        t.raw.send("07z\x02");
        CHECKED(t.deliver("07e\x02"));
        QCOMPARE(t->game().opponent().progress, QStringLiteral("_XX_X"));
        QCOMPARE(t->game().opponent().guessesLeft, 5);
        QCOMPARE(t->ui().WebGuesses->text(), QStringLiteral("5 Guesses Left"));
        QCOMPARE(t->ui().MissedWebLabel->text(),
                 QStringLiteral("You are playing the same word--cannot reveal"));
    }

    void lettersOfAnotherWordShowNewestFirst() {
        WiredWindow t(kAnn);
        CHECKED(t.wire(Role::Player1));
        // Players choose the words: the same word type alone does not hide the letters.
        CHECKED(opponentStartsApple(t, 1, 2));
        CHECKED(t.deliver("07p\x02"));
        QCOMPARE(t->game().opponent().progress, QStringLiteral("_PP__"));
        QCOMPARE(t->ui().MissedWebLabel->text(), QStringLiteral("P "));

        CHECKED(t.deliver("07Z\x02"));
        QCOMPARE(t->game().opponent().guessesLeft, 5);
        CHECKED(t.deliver("07A\x02"));
        QCOMPARE(t->game().opponent().guessesLeft, 5);
        QCOMPARE(t->game().opponent().progress, QStringLiteral("APP__"));
        QCOMPARE(t->ui().WebWordlabel->text(), QStringLiteral("APP__"));
        QCOMPARE(t->ui().MissedWebLabel->text(), QStringLiteral("A Z P "));
        QCOMPARE(t->ui().WebGuesses->text(), QStringLiteral("5 Guesses Left"));
    }

    void emptyNamesReadAsThePlayersRole() {
        {
            WiredWindow t(kAnn);
            CHECKED(t.call(Role::Player1));
            CHECKED(t.raw.waitFor("110\x02"));
            t.raw.received.clear();
            CHECKED(t.deliver("08\x02"));
            QCOMPARE(t->game().players().player2(), QStringLiteral("Player 2"));
            QCOMPARE(t->ui().OppPanel->text(), QStringLiteral("Player 2"));
            QCOMPARE(t->ui().Play2ScoreLab->text(), QStringLiteral("Player 2"));
            QCOMPARE(t.prompts.withCaption(QStringLiteral("Ready To Start")).size(), 1);
            QCOMPARE(t->ui().ActionButton->text(), QStringLiteral("Start &Game"));
            QVERIFY(!t->ui().ActionButton->isHidden());
            QVERIFY(t.raw.received.isEmpty());  // Player 1 does not answer a name
        }
        {
            WiredWindow t("[Options]\r\nUse Sound=No\r\n");
            CHECKED(t.call(Role::Player2));
            CHECKED(t.deliver("08\x02"));
            QCOMPARE(t->game().players().player1(), QStringLiteral("Player 1"));
            QCOMPARE(t->ui().OppPanel->text(), QStringLiteral("Player 1"));
            QCOMPARE(t->ui().Play1ScoreLab->text(), QStringLiteral("Player 1"));
            QCOMPARE(t.prompts.withCaption(QStringLiteral("Ready To Start")).size(), 1);
            // Player 2 answers with its user name as it is, even empty.
            QTRY_COMPARE(t.raw.received, QByteArray("08\x02"));
        }
    }

    void wordScoreIsAddedToTheOpponent() {
        {
            WiredWindow t(kAnn);
            CHECKED(t.wire(Role::Player1));
            t->game().scores().add(true, 30);
            t->game().score().mine = true;
            t->controlPanel().ShowWaitStatus(QStringLiteral("Waiting for opponent's score."));
            CHECKED(t.deliver("09012\x02"));
            QCOMPARE(t->game().scores().player2(), 12);
            QCOMPARE(t->game().scores().player1(), 30);
            QVERIFY(t->game().playerPosted(false));
            QVERIFY(t->game().score().theirs);
            QVERIFY(t->ui().WaitStatus->isHidden());
            QCOMPARE(t->ui().Play1ScorePan->text(), QStringLiteral("30"));
            QCOMPARE(t->ui().Play2ScorePan->text(), QStringLiteral("12"));
            QVERIFY(fullLogOf(t).contains(QStringLiteral(">>Received opponent's score")));
            CHECKED(t.deliver("09007\x02"));
            QCOMPARE(t->game().scores().player2(), 19);
        }
        {
            WiredWindow t(kBea);
            CHECKED(t.wire(Role::Player2));
            t->controlPanel().ShowWaitStatus(QStringLiteral("Waiting for opponent's word."));
            CHECKED(t.deliver("09120\x02"));
            QCOMPARE(t->game().scores().player1(), 120);
            QCOMPARE(t->game().scores().player2(), 0);
            QVERIFY(t->game().playerPosted(true));
            QVERIFY(!t->ui().WaitStatus->isHidden());  // this side's score is not out yet
            QCOMPARE(t->ui().Play1ScorePan->text(), QStringLiteral("120"));
        }
    }

    void senderWordAndWordStartedPrepareTheOpponentsDisplay() {
        WiredWindow t(kBea);
        CHECKED(t.wire(Role::Player2));
        t->ui().MissedWebLabel->setText(QStringLiteral("Q R "));
        t->settings().GameType = 1;
        t->settings().WordType = 2;
        t.raw.send("10HOUSE\x02");
        CHECKED(t.deliver("14\x02"));
        QCOMPARE(t->game().opponent().word, QStringLiteral("HOUSE"));
        QCOMPARE(t->game().opponent().progress, QStringLiteral("_____"));
        QCOMPARE(t->ui().WebWordlabel->text(), QStringLiteral("_____"));
        QVERIFY(t->ui().MissedWebLabel->text().isEmpty());
        QCOMPARE(t->game().opponent().guessesLeft, 6);
        QCOMPARE(t->ui().WebGuesses->text(), QStringLiteral("6 Guesses Left"));
        QCOMPARE(t->game().opponent().gameType, 1);
        QCOMPARE(t->game().opponent().wordType, 2);
    }

    void hintModeTitleAndNameChanges() {
        WiredWindow t(kAnn);
        CHECKED(t.wire(Role::Player1));

        CHECKED(t.deliver("111\x02"));
        QVERIFY(t->settings().UseHints);
        QVERIFY(t->ui().MenuHints->isChecked());
        QVERIFY(!t->ui().HintPanel->isHidden());
        QVERIFY(fullLogOf(t).contains(QStringLiteral(">>Hints Turned On")));
        QTRY_VERIFY(savedSettings(t).UseHints);

        // Only exactly "1" is on.
        CHECKED(t.deliver("11yes\x02"));
        QVERIFY(!t->settings().UseHints);
        QVERIFY(!t->ui().MenuHints->isChecked());
        QVERIFY(t->ui().HintPanel->isHidden());
        QCOMPARE(fullLogOf(t).filter(QStringLiteral(">>Hints Turned Off")).size(), 1);
        QTRY_VERIFY(!savedSettings(t).UseHints);

        t.raw.send("12Animals of the World\x02");
        CHECKED(t.deliver("13Zed\x02"));
        QCOMPARE(t->windowTitle(), QStringLiteral("Ropewit: Animals of the World"));
        QCOMPARE(t->game().players().player2(), QStringLiteral("Zed"));
        QCOMPARE(t->ui().OppPanel->text(), QStringLiteral("Zed"));
        QCOMPARE(t->ui().Play2ScoreLab->text(), QStringLiteral("Zed"));
        CHECKED(t.deliver("13\x02"));
        QCOMPARE(t->game().players().player2(), QStringLiteral("Player 2"));
        QCOMPARE(t->ui().Play2ScoreLab->text(), QStringLiteral("Player 2"));
        QCOMPARE(t->game().players().player1(), QStringLiteral("Ann"));
        QVERIFY(t.raw.received.isEmpty());  // a new name is not answered

        WiredWindow t2(kBea);
        CHECKED(t2.wire(Role::Player2));
        CHECKED(t2.deliver("13Anna\x02"));
        QCOMPARE(t2->game().players().player1(), QStringLiteral("Anna"));
        QCOMPARE(t2->ui().OppPanel->text(), QStringLiteral("Anna"));
        QCOMPARE(t2->ui().Play1ScoreLab->text(), QStringLiteral("Anna"));
        QCOMPARE(t2->game().players().player2(), QStringLiteral("Bea"));
        QVERIFY(t2.raw.received.isEmpty());
    }

    void optionStormsAreSavedAtMostOnceASecond() {
        WiredWindow t(kAnn);
        CHECKED(t.wire(Role::Player1));
        const QString ini = t->settings().IniPath;
        CHECKED(t.deliver("111\x02"));
        QTRY_VERIFY(savedSettings(t).UseHints);
        // Every save writes a new file and renames it over the old one: while the same file
        // stays, nothing was rewritten.
        const ino_t first = inodeOf(ini);
        QByteArray storm;
        for (int i = 0; i < 400; ++i) {
            storm += i % 2 == 0 ? "110\x02" : "0321110100\x02";
        }
        CHECKED(t.deliver(storm));
        QCOMPARE(fullLogOf(t).filter(QStringLiteral(">>Hints Turned Off")).size(), 200);
        QCOMPARE(inodeOf(ini), first);
        // The last state still reaches the file, in one later save.
        QTRY_VERIFY(!savedSettings(t).UseHints);
        QCOMPARE(savedSettings(t).WinScore, 100);
        QVERIFY(inodeOf(ini) != first);
    }

    void valuesTheDialogsRefuseAreBroughtIntoRange() {
        WiredWindow t(kAnn + "Win Score=300\r\n");
        CHECKED(t.wire(Role::Player1));
        t.raw.send("0200\x02");
        t.raw.send("0221\x02");
        CHECKED(t.deliver("0311100009\x02"));
        QCOMPARE(
            fullLogOf(t).filter(QStringLiteral("NOTICE:> ")),
            (QStringList{
                QStringLiteral("NOTICE:> The opponent's guess attempts of 0 were taken as 5: they "
                               "must be from 1 to 20"),
                QStringLiteral(
                    "NOTICE:> The opponent's guess attempts of 21 were taken as 20: they "
                    "must be from 1 to 20"),
                QStringLiteral(
                    "NOTICE:> The opponent's winning score of 9 was taken as 10: it must "
                    "be from 10 to 9999"),
            }));
        QCOMPARE(t->settings().NumGuesses, QStringLiteral("20"));
        QCOMPARE(t->settings().WinScore, 10);
        QCOMPARE(t->settings().GameType, 1);  // the rest of the options still apply
        QVERIFY(!fullLogOf(t).contains(QStringLiteral(">>Guess Attempts Changed To 0")));

        // The edges the dialogs accept are taken.
        t.raw.send("0201\x02");
        t.raw.send("0220\x02");
        CHECKED(t.deliver("0321110010\x02"));
        QCOMPARE(t->settings().NumGuesses, QStringLiteral("20"));
        QCOMPARE(t->settings().WinScore, 10);
        QTRY_COMPARE(savedSettings(t).WinScore, 10);
    }

    void severalMessagesInOneRead() {
        WiredWindow t(kBea);
        CHECKED(t.wire(Role::Player2));
        CHECKED(
            t.deliver("05one\x02"
                      "13Zed\x02"
                      "05two\x02"
                      "99skip\x02"
                      "05three\x02"));
        const QStringList log = fullLogOf(t);
        const qsizetype one = log.indexOf(QStringLiteral("one"));
        QVERIFY(one >= 0);
        QCOMPARE(log.mid(one, 3), QStringList({QStringLiteral("one"), QStringLiteral("two"),
                                               QStringLiteral("three")}));
        QCOMPARE(t->game().players().player1(), QStringLiteral("Zed"));
    }

    void messageSplitOverManyReads() {
        WiredWindow t(kBea);
        CHECKED(t.wire(Role::Player2));
        QSignalSpy reads(&t->peer().cliWSocket(), &TWSocket::DataAvailable);
        const QByteArray message = "13Zedekiah\x02";
        for (char byte : message) {
            QCOMPARE(t->game().players().player1(), QStringLiteral("Ann"));
            const qsizetype before = reads.size();
            t.raw.send(QByteArray(1, byte));
            QTRY_VERIFY(reads.size() > before);
        }
        QCOMPARE(t->game().players().player1(), QStringLiteral("Zedekiah"));
    }

    void zeroByteDropsTheRestOfItsRead() {
        WiredWindow t(kBea);
        CHECKED(t.wire(Role::Player2));
        QSignalSpy reads(&t->peer().cliWSocket(), &TWSocket::DataAvailable);
        t.raw.send(QByteArray("05front", 7) + '\0' +
                   QByteArray("dropped\x02"
                              "05lost\x02"));
        QTRY_VERIFY(!reads.isEmpty());
        CHECKED(t.deliver("back\x02"));
        const QStringList log = fullLogOf(t);
        QVERIFY(log.contains(QStringLiteral("frontback")));
        QVERIFY(!log.contains(QStringLiteral("lost")));
        QVERIFY(log.filter(QStringLiteral("dropped")).isEmpty());
    }

    void messagesArrivingWhileTheSummaryIsOpenAreHandledOnceInOrder() {
        WiredWindow t(kBea);
        CHECKED(t.call(Role::Player2));
        int boxes = 0;
        t.prompts.onMessage = [&](const ScriptedPrompts::Shown& shown) {
            if (shown.caption != QLatin1String("Ready To Start") || ++boxes > 1) {
                return;
            }
            // While the box is "open", more arrives and is handled inside it.
            t.raw.send(
                "05m3\x02"
                "13Cat\x02"
                "05m4\x02");
            QTRY_VERIFY(fullLogOf(t).contains(QStringLiteral("m4")));
            QCOMPARE(t->game().players().player1(), QStringLiteral("Cat"));
        };
        t.raw.send(
            "05m1\x02"
            "08Ann\x02"
            "05m2\x02");
        QTRY_COMPARE(boxes, 1);
        CHECKED(t.raw.sync(t));
        QCOMPARE(fullLogOf(t).filter(QRegularExpression(QStringLiteral("^m\\d$"))),
                 QStringList({QStringLiteral("m1"), QStringLiteral("m2"), QStringLiteral("m3"),
                              QStringLiteral("m4")}));
        QCOMPARE(boxes, 1);
        QTRY_COMPARE(t.raw.received, QByteArray("08Bea\x02"));
        QCOMPARE(t->game().players().player1(), QStringLiteral("Cat"));
        QCOMPARE(t->ui().ActionButton->text(), QStringLiteral("Start &Game"));
        QVERIFY(!t->ui().ActionButton->isHidden());
    }

    void aStreamOfNamesNeverStacksSummaryBoxes() {
        WiredWindow t(kBea);
        CHECKED(t.call(Role::Player2));
        int depth = 0;
        int deepest = 0;
        int boxes = 0;
        t.prompts.onMessage = [&](const ScriptedPrompts::Shown& shown) {
            if (shown.caption != QLatin1String("Ready To Start")) {
                return;
            }
            ++boxes;
            ++depth;
            deepest = qMax(deepest, depth);
            if (boxes == 1) {
                t.raw.send(
                    "08Cat\x02"
                    "08Dan\x02"
                    "05names sent\x02");
                QTRY_VERIFY(fullLogOf(t).contains(QStringLiteral("names sent")));
            }
            --depth;
        };
        t.raw.send("08Ann\x02");
        QTRY_COMPARE(boxes, 1);
        CHECKED(t.raw.sync(t));
        QCOMPARE(deepest, 1);
        QCOMPARE(boxes, 1);
        QCOMPARE(t->game().players().player1(), QStringLiteral("Dan"));
        QCOMPARE(t->ui().OppPanel->text(), QStringLiteral("Dan"));
        QCOMPARE(t->ui().Play1ScoreLab->text(), QStringLiteral("Dan"));
        QTRY_COMPARE(t.raw.received, QByteArray("08Bea\x02"
                                                "08Bea\x02"
                                                "08Bea\x02"));
        QCOMPARE(t->ui().ActionButton->text(), QStringLiteral("Start &Game"));

        // Once the box is closed, a name opens a summary again.
        t.raw.send("08Eve\x02");
        QTRY_COMPARE(boxes, 2);
        QVERIFY(t.prompts.withCaption(QStringLiteral("Ready To Start"))
                    .last()
                    .contains(QStringLiteral(" Your opponent is Eve.")));
    }

    void overlongMessageIsDroppedAndTheConnectionGoesOn() {
        WiredWindow t(kBea);
        CHECKED(t.wire(Role::Player2));
        t.raw.send("01" + QByteArray(70 * 1024, 'A'));
        QTRY_VERIFY(
            !fullLogOf(t).filter(QRegularExpression(QStringLiteral("^NOTICE:> "))).isEmpty());
        CHECKED(
            t.deliver("\x02"
                      "05after\x02"));
        QVERIFY(fullLogOf(t).contains(QStringLiteral("after")));
        QVERIFY(!t->ui().MyMemo->toPlainText().contains(QStringLiteral("AAAA")));
        QVERIFY(t->peer().connected());
        QVERIFY(t->peer().receiveBuffer().isEmpty());
    }

    void oversizedWordsNumbersAndTextsAreBounded() {
        WiredWindow t(kAnn);
        CHECKED(t.wire(Role::Player1));
        t.raw.send("06" + QByteArray(40, 'W') + ":" + QByteArray(400, 'h') + "\x02");
        t.raw.send("09" + QByteArray(40, '9') + "\x02");
        t.raw.send("09" + QByteArray(40, '9') + "\x02");
        t.raw.send("10" + QByteArray(1000, 'O') + "\x02");
        t.raw.send("12" + QByteArray(1000, 'T') + "\x02");
        t.raw.send("13" + QByteArray(1000, 'N') + "\x02");
        CHECKED(t.deliver("0299999\x02"));
        QCOMPARE(t->game().dealtWord().word, QString(15, QLatin1Char('W')));
        QCOMPARE(t->game().dealtWord().clue.size(), 255);
        QVERIFY(t->game().scores().player2() > 0);
        QVERIFY(t->game().scores().player2() <= 2000000000LL);
        QCOMPARE(t->ui().Play2ScorePan->text(), QString::number(t->game().scores().player2()));
        QCOMPARE(t->game().opponent().word.size(), 255);
        QCOMPARE(t->game().opponent().progress.size(), 255);
        QVERIFY(t->windowTitle().size() <= 9 + 255);
        QCOMPARE(t->game().players().player2().size(), 255);
        // More guesses than the guess attempts dialog allows: the most it allows.
        QCOMPARE(t->settings().NumGuesses, QStringLiteral("20"));
        QVERIFY(fullLogOf(t).contains(
            QStringLiteral("NOTICE:> The opponent's guess attempts of 99999 were "
                           "taken as 20: they must be from 1 to 20")));
    }

    void malformedMessagesAreIgnored() {
        WiredWindow t(kAnn + "Win Score=300\r\n");
        CHECKED(t.wire(Role::Player1));
        CHECKED(t.deliver("10AB\x02"));
        const QString missed = t->ui().MissedWebLabel->text();
        const int left = t->game().opponent().guessesLeft;

        // Letters that are not one character; codes out of range, not numbers, or too short.
        CHECKED(
            t.deliver("07\x02"
                      "07AB\x02"
                      "99xyz\x02"
                      "00zero\x02"
                      "15x\x02"
                      "7\x02"
                      "\x02"
                      "ab\x02"
                      "+1x\x02"
                      " 5y\x02"));
        QCOMPARE(t->ui().MissedWebLabel->text(), missed);
        QCOMPARE(t->game().opponent().guessesLeft, left);
        QCOMPARE(t->game().opponent().progress, QStringLiteral("__"));
        QVERIFY(t->ui().MyMemo->toPlainText().isEmpty());
        QVERIFY(!fullLogOf(t).contains(QStringLiteral("y")));

        // Short and odd option payloads: nothing but 1 and 2 is ever taken as a type.
        CHECKED(t.deliver("0321\x02"));
        QCOMPARE(t->settings().GameType, 2);
        QCOMPARE(t->settings().WordType, 1);
        QVERIFY(!t->settings().SameWordLength);
        QVERIFY(!t->settings().Player1Chooses);
        // A winning score the options dialog refuses is brought into range.
        QCOMPARE(t->settings().WinScore, 10);
        QVERIFY(fullLogOf(t).contains(QStringLiteral(
            "NOTICE:> The opponent's winning score of 0 was taken as 10: it must be from 10 to "
            "9999")));
        CHECKED(
            t.deliver("03\x02"
                      "0390x1abcd\x02"));
        QCOMPARE(t->settings().GameType, 2);
        QCOMPARE(t->settings().WordType, 2);
        QVERIFY(t->settings().Player1Chooses);
        QTRY_COMPARE(savedSettings(t).GameType, 2);
        CHECKED(
            t.deliver("02\x02"
                      "09\x02"
                      "09-5\x02"));
        QCOMPARE(t->settings().NumGuesses, QStringLiteral("5"));
        QCOMPARE(t->game().scores().player2(), 0);
        QVERIFY(t->peer().connected());
    }

    void peerTextIsShownLiterally() {
        WiredWindow t(kAnn);
        CHECKED(t.wire(Role::Player1));
        t.raw.send("08<b>x</b>\x02");
        t.raw.send("06A<i>:<a href='x'>clue</a>\x02");
        CHECKED(t.deliver("10<u>w</u>\x02"));
        const QString name = QStringLiteral("<b>x</b>");
        for (QLabel* label : {t->ui().OppPanel, t->ui().Play2ScoreLab}) {
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QCOMPARE(label->text(), name);
        }
        QCOMPARE(t->ui().HintLabel->textFormat(), Qt::PlainText);
        QCOMPARE(t->ui().HintLabel->text(), QStringLiteral("<a href='x'>clue</a>"));
        QCOMPARE(t->ui().WebWordlabel->textFormat(), Qt::PlainText);
        QCOMPARE(t->ui().WebWordlabel->text(), QString(8, QLatin1Char('_')));
        QVERIFY(t.prompts.withCaption(QStringLiteral("Ready To Start"))
                    .last()
                    .contains(QStringLiteral(" Your opponent is <b>x</b>.")));

        CHECKED(
            t.deliver("13<i>y</i>\x02"
                      "05\xC0\xFF\x80\x02"));
        QCOMPARE(t->ui().OppPanel->text(), QStringLiteral("<i>y</i>"));
        QCOMPARE(t->ui().Play2ScoreLab->text(), QStringLiteral("<i>y</i>"));
        QVERIFY(fullLogOf(t).contains(QStringLiteral("\u00c0\u00ff\u20ac")));
    }

    void sendingAfterThePeerLeftIsHarmless() {
        WiredWindow t(kAnn);
        CHECKED(t.wire(Role::Player1));
        t.raw.socket->abort();
        // Before the window has noticed, and after.
        t->peer().send(PeerMessage::Chat, QStringLiteral("Ann> anyone there?"));
        t->peer().send(PeerMessage::WordScore, QStringLiteral("012"));
        QTRY_VERIFY(!t->peer().connected());
        QVERIFY(fullLogOf(t).contains(QStringLiteral(">>Disconnected")));
        t->peer().send(PeerMessage::Chat, QStringLiteral("Ann> hello?"));
        t->peer().send(PeerMessage::ReadyToStart);
        QCOMPARE(t->peer().cliWSocket().state(), TWSocket::wsClosed);
    }

    void randomMessagesLeaveTheConnectionWorking() {
        WiredWindow t(kBea);
        CHECKED(t.wire(Role::Player2));
        t->settings().UseSound = true;
        std::mt19937 random(20240611u);
        QByteArray stream;
        for (int i = 0; i < 2000; ++i) {
            stream += QByteArray::number(random() % 100).rightJustified(2, '0');
            const int length = static_cast<int>(random() % 40);
            for (int k = 0; k < length; ++k) {
                // Any byte but the end mark and the zero byte, which would cut the stream.
                const char byte = static_cast<char>(random() % 254 + 1);
                stream += byte == '\x02' ? 'x' : byte;
            }
            stream += '\x02';
        }
        CHECKED(t.deliver(stream));
        QVERIFY(t->peer().connected());
        QCOMPARE(t->peer().cliWSocket().state(), TWSocket::wsConnected);
        QVERIFY(t->peer().receiveBuffer().isEmpty());

        // Names the stream made it answer may still be on their way: a new user name tells
        // the answer to this last one apart.
        t->settings().UserName = QStringLiteral("Bea Two");
        t.raw.send("08Ann\x02");
        QTRY_VERIFY(t.raw.received.endsWith("08Bea Two\x02"));
        QCOMPARE(t->game().players().player1(), QStringLiteral("Ann"));
    }

    void ownAddressesAreListed() {
        TestWindow t;
        t->context().localAddresses = [] {
            return QStringList{QStringLiteral("10.0.0.1"), QStringLiteral("10.0.0.2")};
        };
        t->network().DisplayyourIPAddress1Click();
        QCOMPARE(t.prompts.shown.size(), size_t(1));
        QCOMPARE(t.prompts.shown.back().kind, QStringLiteral("message"));
        QCOMPARE(t.prompts.shown.back().caption, QStringLiteral("IP Address"));
        QCOMPARE(t.prompts.shown.back().text,
                 QStringLiteral("Your IP Addresses are 10.0.0.1 and 10.0.0.2"));

        t->context().localAddresses = [] { return QStringList{QStringLiteral("10.0.0.1")}; };
        t->network().DisplayyourIPAddress1Click();
        QCOMPARE(t.prompts.shown.back().text, QStringLiteral("Your IP Addresses is 10.0.0.1"));

        // A long list is cut to 255 characters behind the prefix.
        t->context().localAddresses = [] {
            QStringList many;
            for (int i = 0; i < 30; ++i) {
                many << QStringLiteral("192.168.100.%1").arg(100 + i);
            }
            return many;
        };
        t->network().DisplayyourIPAddress1Click();
        const QString text = t.prompts.shown.back().text;
        QVERIFY(text.startsWith(QStringLiteral("Your IP Addresses are 192.168.100.100 and ")));
        QCOMPARE(text.size(), QStringLiteral("Your IP Addresses are").size() + 255);
    }
};

ROPEWIT_TEST(TestPeerProtocol)
#include "tst_peerprotocol.moc"
