#include "LoopbackPeers.h"
#include "Testing.h"
#include "game/Players.h"
#include "game/Scores.h"
#include "game/WordSource.h"
#include "net/TwoPlayerGame.h"

// The two-player rules of both sides, without any window: two connections over loopback,
// each with its game, and what each game says the window should show.
namespace {

// A connection with the game on top, hooked up as the window hooks them up.
struct Side : loopback::Side {
    WordSource words;
    Scores scores;
    Players players;
    std::unique_ptr<TwoPlayerGame> game;
    QStringList gameLog;
    QStringList chat;
    QStringList named;  // "name" or "name (renamed)"

    explicit Side(const QString& name) : loopback::Side(name) {
        game = std::make_unique<TwoPlayerGame>(*peer, settings, words, scores, players);
        // What the window does with these: greet, pass messages on, show lines.
        QObject::connect(peer.get(), &PeerConnection::sessionBegun, game.get(),
                         &TwoPlayerGame::greet);
        QObject::connect(peer.get(), &PeerConnection::received, game.get(), &TwoPlayerGame::take);
        QObject::connect(game.get(), &TwoPlayerGame::logLine,
                         [this](const QString& line) { gameLog << line; });
        QObject::connect(game.get(), &TwoPlayerGame::chatReceived,
                         [this](const QString& line) { chat << line; });
        QObject::connect(game.get(), &TwoPlayerGame::opponentNamed,
                         [this](const QString& name, bool renamed) {
                             named << (renamed ? name + QStringLiteral(" (renamed)") : name);
                         });
    }
};

// a listens, b calls it: a is Player 1. Both have seen the other's name.
void connectPair(Side& a, Side& b) {
    CHECKED(loopback::connect(a, b));
    QTRY_VERIFY(!a.named.isEmpty() && !b.named.isEmpty());
}

}  // namespace

class TestTwoPlayerGame : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theOpeningNamesBothPlayersAndAppliesTheOptions() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        ann.settings.WinScore = 250;
        ann.settings.UseHints = true;
        bea.settings.NumGuesses = QStringLiteral("5");
        bea.players.takeSolo(QStringLiteral("Bea"));  // she played alone before calling
        QSignalSpy beaSaves(bea.game.get(), &TwoPlayerGame::settingsChanged);
        CHECKED(connectPair(ann, bea));
        QCOMPARE(ann.named, QStringList{QStringLiteral("Bea")});
        QCOMPARE(bea.named, QStringList{QStringLiteral("Ann")});
        QCOMPARE(ann.game->ownName(), QStringLiteral("Ann"));
        QCOMPARE(ann.game->opponentName(), QStringLiteral("Bea"));
        QCOMPARE(bea.game->ownName(), QStringLiteral("Bea"));
        QCOMPARE(bea.game->opponentName(), QStringLiteral("Ann"));
        QCOMPARE(bea.players.player1(), QStringLiteral("Ann"));
        QCOMPARE(ann.players.readyLine(false), QStringLiteral(">>Bea Ready To Start"));

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
        QCOMPARE(ann.game->ownName(), QStringLiteral("Player 1"));
        bea->send(PeerMessage::NameChanged, QString());
        QTRY_COMPARE(ann.named.size(), 2);
        QCOMPARE(ann.named.last(), QStringLiteral("Player 2 (renamed)"));
        ann->send(PeerMessage::NameChanged, QString(300, QLatin1Char('n')));
        QTRY_COMPARE(bea.named.size(), 2);
        QCOMPARE(bea.players.player1().size(), 255);
    }

    void chatLinesCarryTheSendersNameAndAreBounded() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        CHECKED(connectPair(ann, bea));
        QCOMPARE(bea.game->sendChat(QStringLiteral("hello")), QStringLiteral("Bea> hello"));
        QTRY_COMPARE(ann.chat, QStringList{QStringLiteral("Bea> hello")});
        bea->send(PeerMessage::Chat, QString(5000, QLatin1Char('x')));
        QTRY_COMPARE(ann.chat.size(), 2);
        QCOMPARE(ann.chat.last().size(), 255 + 2 + 1000);
    }

    void theChoosingSideDealsBothWordsFromItsList() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        ann.words.setList(QStringLiteral("Pets"), {QStringLiteral("CAT"), QStringLiteral("DOG")},
                          {QStringLiteral("Purrs"), QString()});
        CHECKED(connectPair(ann, bea));
        QSignalSpy title(bea.game.get(), &TwoPlayerGame::titleChanged);
        QSignalSpy dealt(bea.game.get(), &TwoPlayerGame::wordDealt);
        QSignalSpy theirWord(bea.game.get(), &TwoPlayerGame::opponentWordChanged);
        QVERIFY(!ann.game->opponentChooses());
        QVERIFY(bea.game->opponentChooses());
        QVERIFY(!bea.game->sendListTitle());  // Bea has no list loaded
        QVERIFY(ann.game->sendListTitle());
        const QString beasWord = ann.game->dealWords();
        QVERIFY(ann->word().mine);
        QCOMPARE(ann.gameLog.last(), QStringLiteral(">>Word Sent"));
        QTRY_COMPARE(dealt.count(), 1);
        QCOMPARE(title.count(), 1);
        QCOMPARE(title.at(0).at(0).toString(), QStringLiteral("Ropewit: Pets"));
        QCOMPARE(theirWord.count(), 1);
        QCOMPARE(bea.game->dealtWord().word, beasWord);
        QCOMPARE(bea->opponent().word, ann.game->dealtWord().word);
        QVERIFY(ann.game->dealtWord().word != beasWord);  // different words
        QCOMPARE(bea.gameLog.last(), QStringLiteral(">>Received word"));
        // An empty clue reads the same on both sides once dealt.
        const wordlist::Entry& dog =
            beasWord == QStringLiteral("DOG") ? bea.game->dealtWord() : ann.game->dealtWord();
        QCOMPARE(dog.clue, QStringLiteral("No hint given"));
    }

    void aTypedWordIsSentWithItsClue() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        CHECKED(connectPair(ann, bea));
        QCOMPARE(bea.game->sendTypedWord(QStringLiteral("OTTER:Swims")), QStringLiteral("OTTER"));
        QVERIFY(bea->word().mine);
        QTRY_COMPARE(ann.game->dealtWord().word, QStringLiteral("OTTER"));
        QCOMPARE(ann.game->dealtWord().clue, QStringLiteral("Swims"));
    }

    void scoresAreAddedOnBothSidesAndTheWinnerFound() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        ann.settings.WinScore = 10;
        CHECKED(connectPair(ann, bea));
        QSignalSpy annEnded(ann.game.get(), &TwoPlayerGame::waitEnded);
        ann.game->scoreWord(7);
        QCOMPARE(ann.scores.player1(), 7);
        QCOMPARE(ann.gameLog.last(), QStringLiteral(">>Your score sent"));
        QCOMPARE(ann->waiting(), QStringLiteral("Waiting for opponent's score."));
        QTRY_COMPARE(bea.scores.player1(), 7);
        QCOMPARE(bea.gameLog.last(), QStringLiteral(">>Received opponent's score"));
        QVERIFY(ann.game->gameOverText().isEmpty());
        bea.game->scoreWord(12);
        QTRY_COMPARE(ann.scores.player2(), 12);
        QCOMPARE(annEnded.count(), 1);  // Ann was waiting for this score
        QVERIFY(ann.game->gameOverText().contains(QStringLiteral("Bea")));
        QCOMPARE(ann.game->gameOverText(), bea.game->gameOverText());
    }

    void hintModeSwitchedHereIsSentAndLogged() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        CHECKED(connectPair(ann, bea));
        QSignalSpy hints(bea.game.get(), &TwoPlayerGame::hintsChanged);
        ann.settings.UseHints = true;
        ann.game->sendHints();
        QCOMPARE(ann.gameLog.last(), QStringLiteral(">>Hints Turned On"));
        QTRY_VERIFY(bea.settings.UseHints);
        QCOMPARE(hints.count(), 1);
        ann.settings.UseHints = false;
        ann.game->sendHints();
        QTRY_VERIFY(!bea.settings.UseHints);
        QCOMPARE(bea.gameLog.last(), QStringLiteral(">>Hints Turned Off"));
    }
    // A whole step as the action button and the step timer take it: both press "Start Game",
    // the step begins once on each side, Player 1's list deals, both words end with scores.
    void aStepRunsFromStartGameToTheScores() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        ann.words.setList(QStringLiteral("Pets"), {QStringLiteral("CAT"), QStringLiteral("DOG")},
                          {QStringLiteral("Purrs"), QString()});
        CHECKED(connectPair(ann, bea));
        ann.game->pressStart(6);
        QCOMPARE(ann->waiting(), QStringLiteral("Waiting for opponent to start"));
        QCOMPARE(ann->opponent().guessesLeft, 6);
        QCOMPARE(ann.gameLog.last(), QStringLiteral(">>Ann Ready To Start"));
        QVERIFY(!ann.game->beginStep());  // Bea has not posted yet
        bea.game->pressStart(6);
        QTRY_VERIFY(ann->stepDue());
        QVERIFY(ann.game->beginStep());
        QCOMPARE(ann->phase(), PeerConnection::Phase::WordExchange);
        QVERIFY(!ann.game->beginStep());  // a step begins once
        QVERIFY(bea.game->beginStep());

        QCOMPARE(bea.game->chooseWords(), TwoPlayerGame::WordChoice::ByOpponent);
        QVERIFY(bea->word().mine);
        QVERIFY(bea.game->awaitOpponentWord());
        QCOMPARE(bea->waiting(), QStringLiteral("Waiting for opponent's word."));
        QCOMPARE(ann.game->chooseWords(), TwoPlayerGame::WordChoice::FromList);
        QVERIFY(ann.game->sendListTitle());
        const QString beasWord = ann.game->dealWords();
        QTRY_VERIFY(bea->word().theirs);
        QVERIFY(!bea.game->awaitOpponentWord());  // it has come: nothing to wait for
        QCOMPARE(bea.game->nextWord(false).word, beasWord);
        QCOMPARE(bea.words.numberText(false), QStringLiteral("Word 1"));
        QCOMPARE(ann.game->nextWord(false).word, ann.game->dealtWord().word);

        QVERIFY(bea.game->finishWord(5, false));  // Ann's score is still to come
        QTRY_VERIFY(ann->score().theirs);
        QVERIFY(!ann.game->finishWord(3, false));
        QTRY_COMPARE(bea.scores.player1(), 3);
        QCOMPARE(ann.scores.player2(), 5);
        QTRY_VERIFY(ann->stepDue() && bea->stepDue());
    }

    void theTypedChoiceAndTheGreeting() {
        Side ann(QStringLiteral("Ann"));
        Side bea(QStringLiteral("Bea"));
        ann.settings.GameType = 1;
        bea.settings.GameType = 1;
        CHECKED(connectPair(ann, bea));
        // Each types the other's word, whoever would choose from a list.
        QCOMPARE(ann.game->chooseWords(), TwoPlayerGame::WordChoice::Typed);
        QCOMPARE(bea.game->chooseWords(), TwoPlayerGame::WordChoice::Typed);
        QVERIFY(!bea->word().mine);
        QCOMPARE(ann.game->greet(true), QStringLiteral("Ann"));
        QCOMPARE(ann.gameLog.mid(ann.gameLog.size() - 2),
                 (QStringList{QStringLiteral(">>Connected with 127.0.0.1"),
                              QStringLiteral(">>Syncing options")}));
        QCOMPARE(bea.game->greet(false), QStringLiteral("Bea"));
        QCOMPARE(bea.gameLog.last(), QStringLiteral(">>Connected"));
    }

    // Alone, the words come from the list in turn and a word's points count for player 1
    // without anything sent.
    void aloneTheListProvidesTheWords() {
        Side solo(QStringLiteral("Ann"));
        solo.words.setList(QStringLiteral("Pets"),
                           {QStringLiteral("CAT"), QStringLiteral("DOG"), QStringLiteral("EMU")},
                           {QString(), QString(), QString()});
        solo.words.restart();
        QCOMPARE(solo.game->nextWord(true).word, QStringLiteral("CAT"));
        QCOMPARE(solo.game->nextWord(true).word, QStringLiteral("DOG"));
        QCOMPARE(solo.words.numberText(true), QStringLiteral("Word 2 of 3"));
        QVERIFY(!solo.game->finishWord(4, true));
        QCOMPARE(solo.scores.player1(), 4);
        QCOMPARE(solo.scores.player2(), 0);
        QVERIFY(!solo->score().mine);
        solo.game->newGame(true);  // from the list's start, no points
        QCOMPARE(solo.scores.player1(), 0);
        QCOMPARE(solo.game->nextWord(true).word, QStringLiteral("CAT"));
    }
};

ROPEWIT_TEST(TestTwoPlayerGame)
#include "tst_twoplayergame.moc"
