#pragma once

#include <QObject>
#include <QString>

#include "core/WordList.h"
#include "net/PeerMessage.h"

class PeerConnection;
class Players;
class Scores;
class WordSource;
struct Settings;

// The rules of a two-player game on this side: what each message of the opponent changes
// (names, scores, options, the word dealt to this player) and the lines the connection log
// shows for it, and the words and scores this side sends. It owns no widgets; the window
// listens to its signals and shows what they say.
class TwoPlayerGame : public QObject {
    Q_OBJECT
public:
    TwoPlayerGame(PeerConnection& peer, Settings& settings, WordSource& words, Scores& scores,
                  Players& players, QObject* parent = nullptr);

    QString ownName() const;
    QString opponentName() const;
    // The word and clue dealt for this player's next word (by the opponent's 06, or by this
    // side's own choice).
    const wordlist::Entry& dealtWord() const { return dealt_; }

    // Takes in a message PeerConnection has received and applied to its own state.
    void take(PeerMessage message, const QString& payload);

    // --- The steps of the game ---
    // A connection was made (this side is Player 1 when it accepted): the log greets the
    // opponent and this player's name is taken. Returns the name as this side shows it.
    QString greet(bool asPlayer1);
    // How the words of a step are found: typed here, chosen by the opponent, or dealt from
    // this side's list.
    enum class WordChoice { Typed, ByOpponent, FromList };
    // A new game: the list from its start, no points; with an opponent nobody is ready yet.
    void newGame(bool solo);
    // "Start Game" was pressed: ready posted and sent; the opponent's words begin with
    // guessesAllowed guesses. The log gets this player's ready line.
    void pressStart(int guessesAllowed);
    // The step timer's tick: begins the step when both players have posted (false: not due).
    bool beginStep();
    // How this step's words are found; when the opponent chooses, this side's part is done.
    WordChoice chooseWords();
    // Waiting for the opponent's word: the wait text is set (false: it has come already).
    bool awaitOpponentWord();
    // The next word to play: the list's next one alone, the dealt one in a two-player game.
    wordlist::Entry nextWord(bool solo);
    // This player's word is over with its points: added alone, also posted and sent with an
    // opponent. True when the step now waits for the opponent's score.
    bool finishWord(long long points, bool solo);

    // --- What this side does ---
    // A chat line typed by this player: sent, and returned as the chat shows it.
    QString sendChat(const QString& typed);
    // Hint mode was switched here: the opponent is told, the log says so.
    void sendHints();
    // This player's word is over with its points: added, posted and sent.
    void scoreWord(long long points);
    // The game-over announcement when a total has passed the winning score; empty otherwise.
    QString gameOverText() const;
    // The player typed the opponent's word ("word" or "word:clue"): sent. Returns the word.
    QString sendTypedWord(const QString& typed);
    // The opponent chooses both words this step: this side's part of the exchange is done.
    bool opponentChooses() const;
    void awaitOpponentWords();
    // This side chooses from its list: its title is sent (false when no list is loaded).
    bool sendListTitle();
    // Deals both words from the list and sends the opponent's. Returns the opponent's word.
    QString dealWords();

    static QString hintsLine(bool on);

Q_SIGNALS:
    void logLine(const QString& line);
    // A chat line came from the opponent.
    void chatReceived(const QString& line);
    // The step this side waited for has been posted by the opponent too.
    void waitEnded();
    // The opponent dealt this player's word (dealtWord()); it can be played.
    void wordDealt();
    // The opponent guessed a letter; his word; his name (renamed: changed during the game).
    void opponentGuessed();
    void opponentWordChanged();
    void opponentNamed(const QString& name, bool renamed);
    void scoresChanged();
    // The opponent changed an option: the game options, hint mode; the settings are owed a save.
    void optionsChanged();
    void hintsChanged();
    void settingsChanged();
    void titleChanged(const QString& title);

private:
    void takeStep(PeerMessage message, const QString& payload);
    void takeOption(PeerMessage message, const QString& payload);
    void takeGameOptions(const QString& payload);

    PeerConnection& peer_;
    Settings& settings_;
    WordSource& words_;
    Scores& scores_;
    Players& players_;
    wordlist::Entry dealt_;
};
