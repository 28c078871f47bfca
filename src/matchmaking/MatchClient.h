#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "net/MessageFraming.h"

class MessageGate;
class TWSocket;
struct Settings;

// The four requests a connection to the matchmaking server carries, by the number the
// program has always given them (the codes on the wire differ).
enum class MatchRequest {
    None = 0,
    Register = 1,       // 01: add me as a waiting player
    ListLongest = 2,    // 03: the players who have waited longest
    ListByLetters = 3,  // 04: the players whose names start with given letters
    Remove = 4,         // 02: take me off the list
};

// The client of the matchmaking server: one request per connection and one reply per request,
// as signals. A request ends with the first reply that answers it, or with the "Unable to
// connect" box when none comes in time; the connection is closed then, so a server that keeps
// sending can neither raise more boxes nor keep the game reading. It owns no widgets; the
// window shows the boxes and the opponent list.
class MatchClient : public QObject {
    Q_OBJECT
public:
    MatchClient(const Settings& settings, MessageGate& gate, QObject* parent = nullptr);
    ~MatchClient() override;

    TWSocket& cliSrvWSocket() { return *socket_; }

    void setServer(const QString& host, quint16 port);
    const QString& host() const { return host_; }
    quint16 port() const { return port_; }

    // Starts one exchange: looks the server up, connects, sends the request.
    void BeginServerRequest(MatchRequest request);
    // Takes this player off the server's list.
    void UnLog();

    MatchRequest request() const { return request_; }
    void setRequest(MatchRequest request) { request_ = request; }
    const MessageBuffer& receiveBuffer() const { return buffer_; }
    const QString& letters() const { return letters_; }
    void setLetters(const QString& letters);
    const QString& ownAddress() const { return ownAddress_; }
    void setOwnAddress(const QString& address);
    // The port this player listens on; a registration at another port than 52201 carries it.
    quint16 listenPort() const { return listenPort_; }
    void setListenPort(quint16 port) { listenPort_ = port; }
    // The router's outside address and port, which players on the internet dial: when set, a
    // registration names them instead. Cleared by setOwnAddress.
    void setOutsideAddress(const QString& address, quint16 port);
    // What a registration and a removal name as this player's address.
    QString registeredAddress() const;
    // While registered, the registration is sent again this often, so the server, which
    // forgets a player after a while, keeps listing one who still waits.
    void setRenewInterval(int ms);
    int renewInterval() const { return renewTimer_.interval(); }
    bool renewing() const { return renewTimer_.isActive(); }
    // While the relay holds this player it renews the registration itself: a renewal from
    // here would list the player at its own address again.
    void holdRenewals(bool held);
    // Registers again now, quietly, as a renewal does.
    void renewNow() { renew(); }
    MessageGate& gate() { return gate_; }
    // How long closing the window waits for the removal to go out before it lets the player
    // go anyway (a server that never answers must not keep anyone from quitting).
    int removalWait() const { return removalWaitMs_; }
    void setRemovalWait(int ms) { removalWaitMs_ = ms; }
    // How long a request waits for its reply once connected before it gives up.
    int answerWait() const { return answerTimer_.interval(); }
    void setAnswerWait(int ms) { answerTimer_.setInterval(ms); }
    // Most bytes read for one request: an honest reply is far shorter.
    static constexpr qsizetype kReplyBytes = MessageBuffer::kDefaultCap;
    bool loggedOn() const { return loggedOn_; }
    void setLoggedOn(bool on) { setRegistered(on); }
    // The current exchange has finished (the removal has been sent, or has failed).
    bool unLogDone() const { return unLogDone_; }
    void setUnLogDone(bool done) { unLogDone_ = done; }

Q_SIGNALS:
    void logLine(const QString& line);
    // A box for the player: caption and text.
    void notice(const QString& caption, const QString& text);
    // A list of waiting players (the payload of the reply, possibly empty).
    void opponentsListed(const QString& list);
    // The server has added this player as waiting.
    void registered();
    // A renewal was answered: the server lists this player (again).
    void renewed();

private:
    // A renewal names no server in the log: the player asked for nothing.
    void begin(MatchRequest request, bool renewal);
    void onDnsLookupDone(int error);
    void onSessionConnected(int error);
    void onDataAvailable();
    void onSessionClosed();
    bool answers(int code) const;
    void send(int code, const QByteArray& payload = {});
    void endRequest();
    void handle(int code, const QByteArray& payload);
    void renew();
    void failed();
    void setRegistered(bool on);
    // The removal under way has been sent or has failed: a request held back for it starts.
    void removalEnded();

    const Settings& settings_;
    MessageGate& gate_;
    TWSocket* socket_;  // child
    MessageBuffer buffer_;
    quint64 exchange_ = 0;      // counts the requests begun
    qsizetype bytesRead_ = 0;   // for the request under way
    bool awaiting_ = false;     // connected, and the request's reply has not come yet
    bool toldIgnored_ = false;  // a reply that does not answer was logged for this request
    QTimer answerTimer_;
    QString host_ = QStringLiteral("localhost");
    quint16 port_ = 52202;
    MatchRequest request_ = MatchRequest::None;
    QString letters_;
    QString ownAddress_;
    quint16 listenPort_ = 52201;
    QString outsideAddress_;
    quint16 outsidePort_ = 0;
    QTimer renewTimer_;
    int removalWaitMs_ = 3000;
    bool quietRenewal_ = false;  // the exchange under way renews: its outcome is not logged
    bool removing_ = false;      // a removal has begun and has not been sent yet
    MatchRequest afterRemoval_ = MatchRequest::None;  // begun while it was on its way
    bool loggedOn_ = false;
    bool unLogDone_ = true;
};
