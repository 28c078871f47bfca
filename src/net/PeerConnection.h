#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "net/MessageChannel.h"
#include "net/PeerMessage.h"

class MessageGate;
class PortMapper;
class TWSocket;
struct Settings;

// One side of a step of the two-player game: this player and the opponent.
struct Handshake {
    bool mine = false;
    bool theirs = false;
    bool both() const { return mine && theirs; }
    void clear() { mine = theirs = false; }
};

// What this side knows of the opponent's word and how the opponent is getting on.
struct OpponentView {
    QString word;
    QString progress;  // '_' per letter not found yet; the letter, or 'X' for the same word
    QString missed;    // the opponent's letters, newest first
    int guessesLeft = 0;
    int gameType = 0;  // the options as they stood when the opponent last started a word
    int wordType = 0;
    bool sameWord() const { return gameType == 2 && wordType == 2; }
};

// The connection to the other player: the listening, calling and accepted sockets, the
// peer protocol, and where the two-player game stands. It owns no widgets; the window
// listens to its signals and shows what they say.
class PeerConnection : public QObject {
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

    PeerConnection(const Settings& settings, MessageGate& gate, QObject* parent = nullptr);
    ~PeerConnection() override;

    TWSocket& cliWSocket() { return *cli_; }
    TWSocket& srvWSocket() { return *srv_; }
    TWSocket& tmpWSocket() { return *tmp_; }

    quint16 port() const { return port_; }
    void setPort(quint16 port) { port_ = port; }

    // Asks the home router to forward the listening port while this side listens.
    PortMapper& portMapper() { return *mapper_; }
    // This machine's address as a caller on the internet would dial it, for the one line that
    // says why nobody outside may call (empty: not said).
    void setOwnAddressForAdvice(const QString& address) { adviceAddress_ = address; }

    // --- Listening and calling ---
    // Listens for a caller; a port taken by another copy is only logged.
    void StartServer();
    // Whether listening has been asked for (the wizard starts it once).
    bool listening() const { return listening_; }
    void setListening(bool on) { listening_ = on; }
    // Closes the listening socket.
    void stopListening();
    bool isListening() const;
    // The port a caller dials: the listening one, else otherwise (not listening yet).
    quint16 listeningPort(quint16 otherwise) const;
    // This machine's addresses as a caller would dial them, the router's outside one first
    // while it forwards the port.
    QString ownAddressesText(const QStringList& localAddresses, quint16 otherwise) const;
    const QString& peerAddress() const { return peerAddress_; }
    void setPeerAddress(const QString& address);
    // Calls peerAddress(): HOST, HOST:PORT, [IPV6]:PORT or a bare IPv6 address; without a
    // port, port(). Text that cannot be dialled as it stands is logged and nothing is sent.
    // maxBytes bounds the address (a list entry from the server is held to less).
    void ConnectToIP(int maxBytes = 255);
    // The port the call under way dials.
    quint16 callPort() const { return callPort_; }
    // Closes the connection on purpose (a new game is being set up): its end is no lost game.
    void leave();
    bool leaving() const { return leaving_; }

    // --- Where the game stands ---
    Phase phase() const { return phase_; }
    // Puts the game at a phase without the messages that lead there (a game restored, a test).
    void setPhase(Phase phase) { phase_ = phase; }
    bool connected() const { return phase_ != Phase::NotConnected; }
    bool isPlayer1() const { return isPlayer1_; }
    void setPlayer1(bool player1) { isPlayer1_ = player1; }
    // A game was under way when the connection was lost: more than the opening was done.
    bool gameInProgress() const;
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
    bool playerPosted(bool player1) const;
    void setPlayerPosted(bool player1, bool posted);
    // Both players have posted: the next step is due.
    bool stepDue() const { return connected() && posted_.both(); }

    // What the action button offers and whether it can be pressed; the wait text shown.
    Offer offer() const { return offer_; }
    bool offerEnabled() const { return offerEnabled_; }
    void setOffer(Offer offer, bool enabled = true);
    void setOfferEnabled(bool enabled) { offerEnabled_ = enabled; }
    const QString& waiting() const { return waiting_; }
    void setWaiting(const QString& text) { waiting_ = text; }

    const OpponentView& opponent() const { return opponent_; }
    OpponentView& opponent() { return opponent_; }
    // The opponent's new word: all of it still to guess, a full count of guesses.
    void setOpponentWord(const QString& word);

    // --- Steps of the game taken on this side ---
    // "Start Game": ready, posted, 04 sent.
    void pressStart();
    // Begins the step when both have posted (after the winner check).
    void beginStep();
    // A new game with the same opponent: no one is ready yet, no word or score of it passed.
    void newGame();
    // A winner was found; "Start Game" is offered again for a new game.
    void gameOver();
    // "Play Word": this player's word is in play; 14 sent.
    void playWord(int guessesAllowed);
    // The end of this player's word: points posted and sent as 09.
    void finishWord(long long points);

    void send(PeerMessage message, const QString& payload = {});
    const MessageBuffer& receiveBuffer() const { return channel_->buffer(); }

Q_SIGNALS:
    // A line for the connection log.
    void logLine(const QString& line);
    // A call ended without a connection (unknown name, calling oneself).
    void callFailed();
    // A call ended, with or without a connection.
    void callEnded();
    // A connection was made (this side is Player 1 when it accepted). Network events are
    // held back while the handlers run (the connect sounds wait for their end).
    void sessionBegun(bool asPlayer1);
    // The connection ended; gameLost when a game was in progress and this side did not leave.
    void sessionEnded(bool gameLost);
    // A message was received and its effect on the state above has been applied.
    void received(PeerMessage message, const QString& payload);

private:
    void onDnsLookupDone(int error);
    void onSessionConnected(int error);
    void onSessionAvailable(int error);
    bool callingMyself(const QString& address) const;
    void onSessionClosed(int error);
    void onDataAvailable(int error);
    void beginSession(bool asPlayer1);
    void sendOpening();
    void handle(int code, const QByteArray& payload);
    // A peer may send values that this player's own dialogs refuse (no guesses, a winning
    // score of 0); such a value is brought into range as a settings file's would be, with a
    // notice, so that both sides hold the same. False when nothing is left to act on.
    bool holdToLocalBounds(PeerMessage message, QString& payload);
    void opponentGuessed(const QString& payload);

    const Settings& settings_;
    MessageGate& gate_;
    TWSocket* cli_;  // children
    TWSocket* srv_;
    TWSocket* tmp_;
    PortMapper* mapper_;  // child
    QString adviceAddress_;
    bool adviceGiven_ = false;
    std::unique_ptr<MessageChannel> channel_;
    quint16 port_ = 52201;
    quint16 callPort_ = 52201;
    QString peerAddress_;
    bool listening_ = false;
    bool leaving_ = false;

    Phase phase_ = Phase::NotConnected;
    bool isPlayer1_ = false;
    bool started_ = false;
    bool wordFinished_ = false;
    Handshake ready_, posted_, word_, score_;
    Offer offer_ = Offer::None;
    bool offerEnabled_ = false;
    QString waiting_;
    OpponentView opponent_;
};
