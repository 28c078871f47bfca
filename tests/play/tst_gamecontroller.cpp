#include "LoopbackPeers.h"
#include "Testing.h"

// The rules of a game on both sides, without any window: two connections over loopback, each
// with its game, and what each game says the window should show.
namespace {

using Phase = GameController::Phase;
using Offer = GameController::Offer;
using WordChoice = GameController::WordChoice;

// A connection with the game on top, hooked up as the window hooks them up. The arrow reaches
// the game; the connection is `peer`.
struct Side : loopback::Side {
    QStringList gameLog;
    QStringList chat;
    QStringList named;  // "name" or "name (renamed)"

    explicit Side(const QString& name) : loopback::Side(name) {
        // What the window does with these: greet, show lines.
        QObject::connect(game.get(), &GameController::sessionBegun, game.get(),
                         &GameController::greet);
        QObject::connect(game.get(), &GameController::logLine,
                         [this](const QString& line) { gameLog << line; });
        QObject::connect(game.get(), &GameController::chatReceived,
                         [this](const QString& line) { chat << line; });
        QObject::connect(game.get(), &GameController::opponentNamed,
                         [this](const QString& name, bool renamed) {
                             named << (renamed ? name + QStringLiteral(" (renamed)") : name);
                         });
    }
    GameController* operator->() { return game.get(); }
    WordSource& words() { return game->words(); }
    Scores& scores() { return game->scores(); }
    Players& players() { return game->players(); }
};

// a listens, b calls it: a is Player 1. Both have seen the other's name.
void connectPair(Side& a, Side& b) {
    CHECKED(loopback::connect(a, b));
    QTRY_VERIFY(!a.named.isEmpty() && !b.named.isEmpty());
}

// a listens, b calls it: a is Player 1.
void connectReady(Side& a, Side& b) {
    CHECKED(loopback::connect(a, b));
    QTRY_VERIFY(a->phase() == Phase::ReadyToStart && b->phase() == Phase::ReadyToStart);
}

void bothStart(Side& a, Side& b) {
    a->pressStart(8);
    QCOMPARE(a->waiting(), QStringLiteral("Waiting for opponent to start"));
    b->pressStart(8);
    QTRY_VERIFY(a->stepDue() && b->stepDue());
    QVERIFY(a->ready().both() && b->ready().both());
}

// One step: a (Player 1) chooses both words from its list, both play, both score.
void playStep(Side& a, Side& b, const QString& aWord, const QString& bWord, int aPoints,
              int bPoints) {
    a->beginStep();
    b->beginStep();
    QCOMPARE(a->phase(), Phase::WordExchange);
    QVERIFY(!a->stepDue());
    a.peer->send(PeerMessage::SenderWord, aWord);
    a.peer->send(PeerMessage::YourWord, bWord + QStringLiteral(":clue"));
    a->setOpponentWord(bWord);
    a->word().mine = true;
    a->setOffer(Offer::PlayWord);
    b->word().mine = true;
    QTRY_VERIFY(b->word().theirs);
    QCOMPARE(b->offer(), Offer::PlayWord);
    QVERIFY(b->offerEnabled());
    QCOMPARE(b->opponent().word, aWord);
    QCOMPARE(b->opponent().progress, QString(aWord.size(), QLatin1Char('_')));
    QCOMPARE(b->opponent().guessesLeft, 8);

    a->playWord(8);
    b->playWord(8);
    QCOMPARE(a->phase(), Phase::Playing);
    QCOMPARE(a->offer(), Offer::None);
    QVERIFY(a->started() && !a->wordFinished());
    QTRY_COMPARE(a->opponent().wordType, 1);

    // b misses once and finds the first letter of its word.
    b.peer->send(PeerMessage::LetterGuessed, QStringLiteral("q"));
    b.peer->send(PeerMessage::LetterGuessed, QStringLiteral("#"));  // no tile sends it: ignored
    b.peer->send(PeerMessage::LetterGuessed, bWord.left(1));
    QTRY_COMPARE(a->opponent().progress.left(1), bWord.left(1));
    QCOMPARE(a->opponent().guessesLeft, 7);
    QCOMPARE(a->opponent().missed, bWord.left(1) + QStringLiteral(" Q "));

    a->finishWord(aPoints);
    QCOMPARE(a->phase(), Phase::Scores);
    QVERIFY(a->wordFinished());
    QCOMPARE(a->waiting(), QStringLiteral("Waiting for opponent's score."));
    b->finishWord(bPoints);
    QTRY_VERIFY(a->stepDue() && b->stepDue());
    QVERIFY(a->waiting().isEmpty() && b->waiting().isEmpty());
    QVERIFY(a->score().both() && b->score().both());
}

}  // namespace

class TestGameController : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theOpeningNamesBothPlayersAndAppliesTheOptions() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        ann.settings.WinScore = 250;
        ann.settings.UseHints = true;
        bea.settings.NumGuesses = QStringLiteral("5");
        bea.players().takeSolo(QStringLiteral("Bea"));  // she played alone before calling
        QSignalSpy beaSaves(bea.game.get(), &GameController::settingsChanged);
        CHECKED(connectPair(ann, bea));
        QCOMPARE(ann.named, QStringList{QStringLiteral("Bea")});
        QCOMPARE(bea.named, QStringList{QStringLiteral("Ann")});
        QCOMPARE(ann->ownName(), QStringLiteral("Ann"));
        QCOMPARE(ann->opponentName(), QStringLiteral("Bea"));
        QCOMPARE(bea->ownName(), QStringLiteral("Bea"));
        QCOMPARE(bea->opponentName(), QStringLiteral("Ann"));
        QCOMPARE(bea.players().player1(), QStringLiteral("Ann"));
        QCOMPARE(ann.players().readyLine(false), QStringLiteral(">>Bea Ready To Start"));

        // Player 1's options now hold on both sides, each change logged as it came.
        QCOMPARE(bea.settings.NumGuesses, QStringLiteral("8"));
        QCOMPARE(bea.settings.WinScore, 250);
        QVERIFY(bea.settings.UseHints);
        QCOMPARE(bea.gameLog.size(), 5);
        QCOMPARE(bea.gameLog.at(2), QStringLiteral(">>Guess Attempts Changed To 8"));
        // Player 1's name has not come yet: no earlier name may stand for it.
        QCOMPARE(bea.gameLog.at(3),
                 QStringLiteral(">>Game Type Changed: Program Chooses Words, Players Get Different "
                                "Words,  Chooses Word List, Winning Score is 250"));
        QCOMPARE(bea.gameLog.at(4), QStringLiteral(">>Hints Turned On"));
        QCOMPARE(beaSaves.count(), 2);  // the options and the hint mode; the guesses are not saved
    }

    void namesChangedDuringTheGameAndMissingNames() {
        Side ann{QString()};
        Side bea(QStringLiteral("Bea"));
        CHECKED(connectPair(ann, bea));
        QCOMPARE(bea.named, QStringList{QStringLiteral("Player 1")});
        QCOMPARE(ann->ownName(), QStringLiteral("Player 1"));
        bea.peer->send(PeerMessage::NameChanged, QString());
        QTRY_COMPARE(ann.named.size(), 2);
        QCOMPARE(ann.named.last(), QStringLiteral("Player 2 (renamed)"));
        ann.peer->send(PeerMessage::NameChanged, QString(300, QLatin1Char('n')));
        QTRY_COMPARE(bea.named.size(), 2);
        QCOMPARE(bea.players().player1().size(), 255);
    }

    void chatLinesCarryTheSendersNameAndAreBounded() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        CHECKED(connectPair(ann, bea));
        QCOMPARE(bea->sendChat(QStringLiteral("hello")), QStringLiteral("Bea> hello"));
        QTRY_COMPARE(ann.chat, QStringList{QStringLiteral("Bea> hello")});
        bea.peer->send(PeerMessage::Chat, QString(5000, QLatin1Char('x')));
        QTRY_COMPARE(ann.chat.size(), 2);
        QCOMPARE(ann.chat.last().size(), 255 + 2 + 1000);
    }

    void theChoosingSideDealsBothWordsFromItsList() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        ann.words().setList(QStringLiteral("Pets"), {QStringLiteral("CAT"), QStringLiteral("DOG")},
                            {QStringLiteral("Purrs"), QString()});
        CHECKED(connectPair(ann, bea));
        QSignalSpy title(bea.game.get(), &GameController::titleChanged);
        QSignalSpy dealt(bea.game.get(), &GameController::wordDealt);
        QSignalSpy theirWord(bea.game.get(), &GameController::opponentWordChanged);
        QVERIFY(!ann->opponentChooses());
        QVERIFY(bea->opponentChooses());
        QVERIFY(!bea->sendListTitle());  // Bea has no list loaded
        QVERIFY(ann->sendListTitle());
        const QString beasWord = ann->dealWords();
        QVERIFY(ann->word().mine);
        QCOMPARE(ann.gameLog.last(), QStringLiteral(">>Word Sent"));
        QTRY_COMPARE(dealt.count(), 1);
        QCOMPARE(title.count(), 1);
        QCOMPARE(title.at(0).at(0).toString(), QStringLiteral("Ropewit: Pets"));
        QCOMPARE(theirWord.count(), 1);
        QCOMPARE(bea->dealtWord().word, beasWord);
        QCOMPARE(bea->opponent().word, ann->dealtWord().word);
        QVERIFY(ann->dealtWord().word != beasWord);  // different words
        QCOMPARE(bea.gameLog.last(), QStringLiteral(">>Received word"));
        // An empty clue reads the same on both sides once dealt.
        const wordlist::Entry& dog =
            beasWord == QStringLiteral("DOG") ? bea->dealtWord() : ann->dealtWord();
        QCOMPARE(dog.clue, QStringLiteral("No hint given"));
    }

    void aTypedWordIsSentWithItsClue() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        CHECKED(connectPair(ann, bea));
        QCOMPARE(bea->sendTypedWord(QStringLiteral("OTTER:Swims")), QStringLiteral("OTTER"));
        QVERIFY(bea->word().mine);
        QTRY_COMPARE(ann->dealtWord().word, QStringLiteral("OTTER"));
        QCOMPARE(ann->dealtWord().clue, QStringLiteral("Swims"));
    }

    void scoresAreAddedOnBothSidesAndTheWinnerFound() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        ann.settings.WinScore = 10;
        CHECKED(connectPair(ann, bea));
        QSignalSpy annEnded(ann.game.get(), &GameController::waitEnded);
        ann->finishWord(7);
        QCOMPARE(ann.scores().player1(), 7);
        QCOMPARE(ann.gameLog.last(), QStringLiteral(">>Your score sent"));
        QCOMPARE(ann->waiting(), QStringLiteral("Waiting for opponent's score."));
        QTRY_COMPARE(bea.scores().player1(), 7);
        QCOMPARE(bea.gameLog.last(), QStringLiteral(">>Received opponent's score"));
        QVERIFY(ann->gameOverText().isEmpty());
        bea->finishWord(12);
        QTRY_COMPARE(ann.scores().player2(), 12);
        QCOMPARE(annEnded.count(), 1);  // Ann was waiting for this score
        QVERIFY(ann->gameOverText().contains(QStringLiteral("Bea")));
        QCOMPARE(ann->gameOverText(), bea->gameOverText());
    }

    void hintModeSwitchedHereIsSentAndLogged() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        CHECKED(connectPair(ann, bea));
        QSignalSpy hints(bea.game.get(), &GameController::hintsChanged);
        ann.settings.UseHints = true;
        ann->sendHints();
        QCOMPARE(ann.gameLog.last(), QStringLiteral(">>Hints Turned On"));
        QTRY_VERIFY(bea.settings.UseHints);
        QCOMPARE(hints.count(), 1);
        ann.settings.UseHints = false;
        ann->sendHints();
        QTRY_VERIFY(!bea.settings.UseHints);
        QCOMPARE(bea.gameLog.last(), QStringLiteral(">>Hints Turned Off"));
    }
    // A whole step as the action button and the step timer take it: both press "Start Game",
    // the step begins once on each side, Player 1's list deals, both words end with scores.
    void aStepRunsFromStartGameToTheScores() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        ann.words().setList(QStringLiteral("Pets"), {QStringLiteral("CAT"), QStringLiteral("DOG")},
                            {QStringLiteral("Purrs"), QString()});
        CHECKED(connectPair(ann, bea));
        ann->pressStart(6);
        QCOMPARE(ann->waiting(), QStringLiteral("Waiting for opponent to start"));
        QCOMPARE(ann->opponent().guessesLeft, 6);
        QCOMPARE(ann.gameLog.last(), QStringLiteral(">>Ann Ready To Start"));
        QVERIFY(!ann->beginStep());  // Bea has not posted yet
        bea->pressStart(6);
        QTRY_VERIFY(ann->stepDue());
        QVERIFY(ann->beginStep());
        QCOMPARE(ann->phase(), GameController::Phase::WordExchange);
        QVERIFY(!ann->beginStep());  // a step begins once
        QVERIFY(bea->beginStep());

        QCOMPARE(bea->chooseWords(), WordChoice::ByOpponent);
        QVERIFY(bea->word().mine);
        QVERIFY(bea->awaitOpponentWord());
        QCOMPARE(bea->waiting(), QStringLiteral("Waiting for opponent's word."));
        QCOMPARE(ann->chooseWords(), WordChoice::FromList);
        QVERIFY(ann->sendListTitle());
        const QString beasWord = ann->dealWords();
        QTRY_VERIFY(bea->word().theirs);
        QVERIFY(!bea->awaitOpponentWord());  // it has come: nothing to wait for
        QCOMPARE(bea->nextWord().word, beasWord);
        QCOMPARE(bea.words().numberText(false), QStringLiteral("Word 1"));
        QCOMPARE(ann->nextWord().word, ann->dealtWord().word);

        QVERIFY(bea->finishWord(5));  // Ann's score is still to come
        QTRY_VERIFY(ann->score().theirs);
        QVERIFY(!ann->finishWord(3));
        QTRY_COMPARE(bea.scores().player1(), 3);
        QCOMPARE(ann.scores().player2(), 5);
        QTRY_VERIFY(ann->stepDue() && bea->stepDue());
    }

    void theTypedChoiceAndTheGreeting() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        ann.settings.GameType = 1;
        bea.settings.GameType = 1;
        CHECKED(connectPair(ann, bea));
        // Each types the other's word, whoever would choose from a list.
        QCOMPARE(ann->chooseWords(), WordChoice::Typed);
        QCOMPARE(bea->chooseWords(), WordChoice::Typed);
        QVERIFY(!bea->word().mine);
        QCOMPARE(ann->greet(true), QStringLiteral("Ann"));
        QCOMPARE(ann.gameLog.mid(ann.gameLog.size() - 2),
                 (QStringList{QStringLiteral(">>Connected with 127.0.0.1"),
                              QStringLiteral(">>Syncing options")}));
        QCOMPARE(bea->greet(false), QStringLiteral("Bea"));
        QCOMPARE(bea.gameLog.last(), QStringLiteral(">>Connected"));
    }

    // Alone, the words come from the list in turn and a word's points count for player 1
    // without anything sent.
    void aloneTheListProvidesTheWords() {
        Side solo(QStringLiteral("Ann"));
        solo.words().setList(QStringLiteral("Pets"),
                             {QStringLiteral("CAT"), QStringLiteral("DOG"), QStringLiteral("EMU")},
                             {QString(), QString(), QString()});
        solo.words().restart();
        QCOMPARE(solo->nextWord().word, QStringLiteral("CAT"));
        QCOMPARE(solo->nextWord().word, QStringLiteral("DOG"));
        QCOMPARE(solo.words().numberText(true), QStringLiteral("Word 2 of 3"));
        QVERIFY(!solo->finishWord(4));
        QCOMPARE(solo.scores().player1(), 4);
        QCOMPARE(solo.scores().player2(), 0);
        QVERIFY(!solo->score().mine);
        solo->newGame();  // from the list's start, no points
        QCOMPARE(solo.scores().player1(), 0);
        QCOMPARE(solo->nextWord().word, QStringLiteral("CAT"));
    }

    // A skipped word is lost as a hanged one is; every end of a solo word is told.
    void aSkippedWordIsLostWithoutPoints() {
        Side solo(QStringLiteral("Ann"));
        QSignalSpy ended(solo.game.get(), &GameController::wordEnded);
        solo->round().begin(QStringLiteral("OX"), QString(), 8);
        solo->setSolo(false);
        QVERIFY(!solo->skipWord());
        solo->setSolo(true);
        solo->guess(Round::tileOfKey(Qt::Key_Z));
        QVERIFY(solo->skipWord() && !solo->skipWord());
        QVERIFY(solo->round().isComplete() && solo->pointsOfWord() == 0);
        solo->round().begin(QStringLiteral("O"), QString(), 8);
        solo->guess(Round::tileOfKey(Qt::Key_O));
        solo->finishWord(solo->pointsOfWord());
        QCOMPARE(QList<QVariantList>(ended), (QList<QVariantList>{{false, 1}, {true, 0}}));
    }

    void twoConnectionsPlayWholeGames() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        QSignalSpy annGot(ann.peer.get(), &PeerConnection::received);
        QSignalSpy beaGot(bea.peer.get(), &PeerConnection::received);
        CHECKED(connectReady(ann, bea));
        QVERIFY(ann->isPlayer1());
        QVERIFY(!bea->isPlayer1());
        // The opening reached Bea in order, and Bea answered with her name.
        QTRY_COMPARE(beaGot.count(), 5);
        QCOMPARE(beaGot.at(0).at(0).value<PeerMessage>(), PeerMessage::StatusLine);
        QCOMPARE(beaGot.at(1).at(1).toString(), QStringLiteral("08"));
        QCOMPARE(beaGot.at(2).at(1).toString(), QStringLiteral("21010100"));
        QCOMPARE(beaGot.at(3).at(1).toString(), QStringLiteral("Ann"));
        QCOMPARE(beaGot.at(4).at(0).value<PeerMessage>(), PeerMessage::HintMode);
        QCOMPARE(annGot.count(), 1);
        QCOMPARE(annGot.at(0).at(1).toString(), QStringLiteral("Bea"));

        for (int game = 0; game < 2; ++game) {
            CHECKED(bothStart(ann, bea));
            CHECKED(playStep(ann, bea, QStringLiteral("RAIN"), QStringLiteral("SNOW"), 5, 3));
            CHECKED(playStep(ann, bea, QStringLiteral("FIG"), QStringLiteral("PEAR"), 8, 9));
            // The window's rules found a winner: a new game against the same opponent.
            ann->beginStep();
            bea->beginStep();
            ann->gameOver();
            bea->gameOver();
            QCOMPARE(ann->phase(), Phase::GameOver);
            QCOMPARE(ann->offer(), Offer::StartGame);
            QVERIFY(ann->offerEnabled());
            ann->ready().clear();
            bea->ready().clear();
        }

        // Bea leaves on purpose: Ann has lost a game, Bea has not.
        bea.peer->leave();
        QTRY_COMPARE(ann.ended->count(), 1);
        QCOMPARE(ann.ended->at(0).at(0).toBool(), true);
        QTRY_COMPARE(bea.ended->count(), 1);
        QCOMPARE(bea.ended->at(0).at(0).toBool(), false);
        QVERIFY(!ann.peer->connected() && !bea.peer->connected());
        QVERIFY(!ann->stepDue());
    }

    // After a lost game the next connection knows nothing of it.
    void aNewConnectionStartsClean() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        CHECKED(connectReady(ann, bea));
        CHECKED(bothStart(ann, bea));
        CHECKED(playStep(ann, bea, QStringLiteral("RAIN"), QStringLiteral("SNOW"), 5, 3));
        ann.peer->cliWSocket().Close();
        QTRY_COMPARE(bea.ended->count(), 1);
        QCOMPARE(bea.ended->at(0).at(0).toBool(), true);

        Side cal(QStringLiteral("Cal"));
        QSignalSpy begun(ann.game.get(), &GameController::sessionBegun);
        cal.call(ann.peer->srvWSocket().localPort());
        QTRY_COMPARE(begun.count(), 1);
        QVERIFY(!ann->started() && !ann->wordFinished());
        QVERIFY(!ann->ready().mine && !ann->ready().theirs && !ann->posted().mine);
        QVERIFY(!ann->word().theirs && !ann->score().mine);
        QCOMPARE(ann->offer(), Offer::None);
        QVERIFY(ann->waiting().isEmpty());
        QVERIFY(ann->opponent().word.isEmpty() && ann->opponent().missed.isEmpty());
        QTRY_COMPARE(ann->phase(), Phase::ReadyToStart);
    }

    // Messages that arrive while a greeting holds the gate are handled after it, by a side
    // whose role is already set.
    void theOpeningWaitsForTheGreeting() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        QStringList seen;
        QObject::connect(bea.game.get(), &GameController::sessionBegun, [&](bool asPlayer1) {
            seen << QStringLiteral("begun %1").arg(asPlayer1);
            // The greeting takes a while: everything Ann sends arrives meanwhile.
            QSignalSpy arrived(&bea.peer->cliWSocket(), &TWSocket::DataAvailable);
            QTRY_VERIFY(arrived.count() > 0);
            seen << QStringLiteral("greeted");
        });
        QObject::connect(bea.peer.get(), &PeerConnection::received,
                         [&](PeerMessage m, const QString&) {
                             seen << QStringLiteral("msg %1").arg(codeOf(m));
                             QVERIFY(!bea->isPlayer1());
                         });
        CHECKED(connectReady(ann, bea));
        QTRY_COMPARE(seen.size(), 7);
        QCOMPARE(seen.mid(0, 3), (QStringList{QStringLiteral("begun 0"), QStringLiteral("greeted"),
                                              QStringLiteral("msg 5")}));
    }
};

ROPEWIT_TEST(TestGameController)
#include "tst_gamecontroller.moc"
