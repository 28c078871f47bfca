#pragma once

#include <QObject>
#include <QString>

#include "core/WordList.h"
#include "game/Players.h"
#include "game/Round.h"
#include "game/Scores.h"
#include "game/WordSource.h"
#include "net/PeerMessage.h"
#include "play/GameState.h"

class PeerConnection;
struct Settings;

// One game, alone or against an opponent: the round being guessed, the scores, the players,
// the word list, and in a two-player game where the game stands, the handshakes of each
// step, what the action button offers and what this side waits for. It takes the player's
// guesses and commands and the opponent's messages, sends this side's messages through the
// connection, and tells the window what to show. It owns no widgets; boxes and dialogs are
// the window's, which calls back with what the player chose.
class GameController : public QObject {
    Q_OBJECT
public:
    enum class Phase {
        NotConnected,
        Opening,       // connected, the options and names are being exchanged
        ReadyToStart,  // the start summary has been shown, "Start Game" is offered
        WordExchange,  // the words of a step are being chosen and exchanged
        Playing,       // this player is guessing his word
        Scores,        // this player's word is over; the step ends with both scores
        GameOver,      // a winner was found; a new game with the same opponent is offered
    };
    enum class Offer { None, StartGame, PlayWord };
    // How the words of a step are found: typed here, chosen by the opponent, or dealt from
    // this side's list.
    enum class WordChoice { Typed, ByOpponent, FromList };

    GameController(Settings& settings, PeerConnection& peer, QObject* parent = nullptr);

    Round& round() { return round_; }
    const Round& round() const { return round_; }
    WordSource& words() { return words_; }
    const WordSource& words() const { return words_; }
    Scores& scores() { return scores_; }
    const Scores& scores() const { return scores_; }
    Players& players() { return players_; }
    const Players& players() const { return players_; }

    // --- The mode and where the game stands ---
    bool solo() const { return solo_; }
    void setSolo(bool solo) { solo_ = solo; }
    // A two-player game with a connection to the opponent.
    bool withOpponent() const;
    // A two-player game is under way: past the opening, until the connection ends.
    bool gameInProgress() const;
    Phase phase() const { return phase_; }
    // Puts the game at a phase without the messages that lead there (a game restored, a test).
    void setPhase(Phase phase) { phase_ = phase; }
    bool isPlayer1() const { return isPlayer1_; }
    void setPlayer1(bool player1) { isPlayer1_ = player1; }
    // The first word of a game on this connection has been put in play.
    bool started() const { return started_; }
    void setStarted(bool started) { started_ = started; }
    // This player's word of the current step is over (solved or hanged).
    bool wordFinished() const { return wordFinished_; }
    void setWordFinished(bool finished);

    Handshake& ready() { return ready_; }    // pressed "Start Game" in this game
    Handshake& posted() { return posted_; }  // posted for this step: started, or scored
    Handshake& word() { return word_; }      // own dealing with the words / opponent's word came
    Handshake& score() { return score_; }    // the two scores of this step
    const Handshake& ready() const { return ready_; }
    const Handshake& word() const { return word_; }
    const Handshake& score() const { return score_; }
    bool playerPosted(bool player1) const;
    void setPlayerPosted(bool player1, bool posted);
    // Both players have posted: the next step is due.
    bool stepDue() const;

    // What the action button offers and whether it can be pressed; the wait text shown.
    Offer offer() const { return offer_; }
    bool offerEnabled() const { return offerEnabled_; }
    void setOffer(Offer offer, bool enabled = true);
    const QString& waiting() const { return waiting_; }
    void setWaiting(const QString& text) { waiting_ = text; }
    // Nothing more to wait for or to offer (the connection is gone).
    void withdraw();

    const OpponentView& opponent() const { return opponent_; }
    OpponentView& opponent() { return opponent_; }
    // The opponent's new word: all of it still to guess, a full count of guesses.
    void setOpponentWord(const QString& word);

    QString ownName() const;
    QString opponentName() const;
    // The word and clue dealt for this player's next word (by the opponent's 06, or by this
    // side's own choice).
    const wordlist::Entry& dealtWord() const { return dealt_; }

    // --- Guessing ---
    bool guessingAllowed() const;
    // Guesses the letter of a tile; the opponent is told of a letter taken.
    Round::Guess guess(int tile);
    // The points of the word just ended: the guesses left when solved, none when lost.
    int pointsOfWord() const;
    // Gives up the solo word being guessed: it ends lost, with no points, as if hanged.
    // False (nothing changes) in a two-player game or when no word is being guessed.
    bool skipWord();

    // --- The progression of a game ---
    // A new game: the list from its start, no points; with an opponent nobody is ready yet.
    void newGame();
    // The next word to play: the list's next one alone, the dealt one in a two-player game.
    // The round's alphabet is set for it: the list's letters, accents folded as chosen.
    wordlist::Entry nextWord();
    // This player's word is over with its points: added alone, also posted and sent with an
    // opponent. True when the step now waits for the opponent's score.
    bool finishWord(long long points);
    // The game-over announcement when a total has passed the winning score; empty otherwise.
    QString gameOverText() const;
    // A winner was found and a new game set up; "Start Game" is offered again while the
    // opponent is still there.
    void gameOver();

    // --- The two-player steps ---
    // "Start Game": ready posted and sent; the opponent's words begin with guessesAllowed
    // guesses. The log gets this player's ready line.
    void pressStart(int guessesAllowed);
    // The step timer's tick: begins the step when both players have posted (false: not due).
    bool beginStep();
    // How this step's words are found; when the opponent chooses, this side's part is done.
    WordChoice chooseWords();
    // The opponent chooses both words of a step from his list.
    bool opponentChooses() const;
    // Waiting for the opponent's word: the wait text is set (false: it has come already).
    bool awaitOpponentWord();
    // The player typed the opponent's word ("word" or "word:clue"): sent. Returns the word.
    QString sendTypedWord(const QString& typed);
    // This side chooses from its list: its title is sent (false when no list is loaded).
    bool sendListTitle();
    // Deals both words from the list and sends the opponent's. Returns the opponent's word.
    QString dealWords();
    // "Play Word": this player's word is in play; the opponent is told.
    void playWord(int guessesAllowed);

    // --- What this side says ---
    // A chat line typed by this player: sent, and returned as the chat shows it.
    QString sendChat(const QString& typed);
    // Hint mode was switched here: the opponent is told, the log says so.
    void sendHints();
    // An option changed here goes to the opponent; false when there is none to tell.
    bool tellOpponent(PeerMessage message, const QString& payload);

    static QString hintsLine(bool on);

    // --- The connection's events ---
    // The window greets the opponent: the log says so and this player's name is taken.
    // Returns the name as this side shows it.
    QString greet(bool asPlayer1);
    // Takes in a message the opponent sent.
    void take(PeerMessage message, const QString& payload);

Q_SIGNALS:
    void logLine(const QString& line);
    // A connection was made and a clean game set up (this side is Player 1 when it
    // accepted); the window greets the opponent (see greet), and Player 1's opening follows.
    void sessionBegun(bool asPlayer1);
    // The connection ended; gameLost when a game was in progress and this side did not leave.
    void sessionEnded(bool gameLost);
    // A chat line came from the opponent.
    void chatReceived(const QString& line);
    // The step this side waited for has been posted by the opponent too.
    void waitEnded();
    // The opponent is a step ahead: this side's step is due and must begin now, at once.
    void stepOverdue();
    // The opponent dealt this player's word (dealtWord()); it can be played.
    void wordDealt();
    // The opponent guessed a letter; his word; his name (renamed: changed during the game).
    void opponentGuessed();
    void opponentWordChanged();
    void opponentNamed(const QString& name, bool renamed);
    void scoresChanged();
    // A solo word ended, solved or lost (hanged or skipped), after this many misses.
    void wordEnded(bool solved, int misses);
    // The opponent changed an option: the game options, hint mode; the settings are owed a save.
    void optionsChanged();
    void hintsChanged();
    void settingsChanged();
    void titleChanged(const QString& title);

private:
    void beginSession(bool asPlayer1);
    void endSession(bool left);
    void sendOpening();
    void send(PeerMessage message, const QString& payload = {});
    // A peer may send values that this player's own dialogs refuse (no guesses, a winning
    // score of 0); such a value is brought into range as a settings file's would be, with a
    // notice, so that both sides hold the same. False when nothing is left to act on.
    bool holdToLocalBounds(PeerMessage message, QString& payload);
    void applyStep(PeerMessage message, const QString& payload);
    void takeStep(PeerMessage message, const QString& payload);
    void takeOption(PeerMessage message, const QString& payload);
    void takeGameOptions(const QString& payload);

    Settings& settings_;
    PeerConnection& peer_;
    Round round_;
    WordSource words_;
    Scores scores_;
    Players players_;
    bool solo_ = true;

    Phase phase_ = Phase::NotConnected;
    bool isPlayer1_ = false;
    bool started_ = false;
    bool wordFinished_ = false;
    Handshake ready_, posted_, word_, score_;
    Offer offer_ = Offer::None;
    bool offerEnabled_ = false;
    QString waiting_;
    OpponentView opponent_;
    wordlist::Entry dealt_;
};
