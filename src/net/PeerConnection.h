#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "net/MessageChannel.h"
#include "net/PeerMessage.h"

class MessageGate;
class PortMapper;
class QTcpSocket;
class TWSocket;

// The connection to the other player: the listening, calling and accepted sockets, the busy
// reply to a second caller, and the peer's messages in and out. It knows nothing of the
// game played over it.
class PeerConnection : public QObject {
    Q_OBJECT
public:
    // Listening goes on beside these: a caller while connected gets the busy reply.
    enum class State {
        NotConnected,
        Listening,  // waiting for a caller, not connected
        Calling,    // a call of this side is under way
        Connected,
        Leaving,  // closed on purpose; its end is still to be reported
    };

    explicit PeerConnection(MessageGate& gate, QObject* parent = nullptr);
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
    // port, the game's port 52201. Text that cannot be dialled as it stands is logged and nothing
    // is sent. maxBytes bounds the address (a list entry from the server is held to less).
    void ConnectToIP(int maxBytes = 255);
    // The next call is to a player the server lists as waiting: a failed call then says she
    // waits but cannot be reached from here, and what she can do about it.
    void callListedPlayer() { listedCall_ = true; }
    // The port the call under way dials.
    quint16 callPort() const { return callPort_; }
    // Until untilMs from now, a caller is held back (at most kProbeHoldMs) until its first bytes
    // show whether it is the server's reachability probe, which sends `greeting` first and is
    // then dropped unseen; an honest caller sends nothing first and is merely delayed. An
    // empty greeting ends the holding.
    void expectProbe(const QByteArray& greeting, int untilMs);
    static constexpr int kProbeHoldMs = 1000;
    // The probe came and was dropped since the last expectProbe.
    bool probeSeen() const { return probeSeen_; }
    // Takes a connection made elsewhere (the server's relay) as this side's connection: as an
    // accepted caller when asPlayer1, else as the answer to this side's call.
    void adopt(std::unique_ptr<QTcpSocket> socket, bool asPlayer1);
    // Closes the connection on purpose (a new game is being set up): its end is no lost game.
    void leave();
    bool leaving() const { return leaving_; }

    // --- The connection's state ---
    State state() const;
    // Connected to the opponent, from the start of the session until its end is reported.
    bool connected() const;

    // Sends a message to the opponent (nothing while not connected).
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
    // The connection ended; left when this side closed it on purpose.
    void sessionEnded(bool left);
    // A message came from the opponent.
    void received(PeerMessage message, const QString& payload);

private:
    void onDnsLookupDone(int error);
    void onSessionConnected(int error);
    void onSessionAvailable(int error);
    bool callingMyself(const QString& address) const;
    void onSessionClosed(int error);
    void onDataAvailable(int error);
    void beginSession(bool asPlayer1);
    void takeCaller(std::unique_ptr<QTcpSocket> caller);
    void holdBack(std::unique_ptr<QTcpSocket> caller);
    void screen(QTcpSocket* held, const QByteArray& greeting, bool timeUp);
    void handle(int code, const QByteArray& payload);

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
    bool listedCall_ = false;    // the next call is to a listed player
    bool calledListed_ = false;  // the call under way is
    QString peerAddress_;
    bool listening_ = false;
    bool leaving_ = false;

    bool calling_ = false;
    QByteArray probeGreeting_;
    QElapsedTimer probeWindow_;
    int probeWindowMs_ = 0;
    bool probeSeen_ = false;
    std::vector<std::unique_ptr<QTcpSocket>> held_;
    // From the opponent's greeting until the end of the connection has been reported.
    bool session_ = false;
};
