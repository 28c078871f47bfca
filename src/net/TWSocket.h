#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <stdexcept>

class QTcpServer;
class QTcpSocket;
class QTimer;

// The error a socket operation raises when no handler is installed. Its text reads
// "Error <Windows Sockets number> in function <name>" CR LF <description>.
class ESocketException : public std::runtime_error {
public:
    explicit ESocketException(const QString& message);
    QString message() const { return message_; }

private:
    QString message_;
};

// Windows Sockets error numbers that the program tests.
namespace wsa {
constexpr int kAddressInUse = 10048;         // WSAEADDRINUSE
constexpr int kConnectionReset = 10054;      // WSAECONNRESET
constexpr int kNotConnected = 10057;         // WSAENOTCONN
constexpr int kTimedOut = 10060;             // WSAETIMEDOUT
constexpr int kConnectionRefused = 10061;    // WSAECONNREFUSED
constexpr int kHostUnreachable = 10065;      // WSAEHOSTUNREACH
constexpr int kHostNotFound = 11001;         // WSAHOST_NOT_FOUND
constexpr int kAccessDenied = 10013;         // WSAEACCES
constexpr int kInvalidArgument = 10022;      // WSAEINVAL
constexpr int kAddressNotAvailable = 10049;  // WSAEADDRNOTAVAIL
constexpr int kNetworkDown = 10050;          // WSAENETDOWN
constexpr int kNoBuffers = 10055;            // WSAENOBUFS
}  // namespace wsa

// A non-blocking TCP socket whose results arrive as signals on the user-interface thread,
// with the operations, states and error texts the game relies on.
//
// Every signal except the answer to a dotted DnsLookup is queued, like a window message:
// it never fires inside the call that caused it, and a handler may open a modal box, call
// Close or start another connection. Data that arrived while a handler ran, or that the
// handler left unread, is announced again, so nothing is stranded in the buffer.
// A connection ends with exactly one SessionClosed, whoever closed it; bytes received
// before the peer closed are still announced (DataAvailable) before it.
//
// A peer must not be able to freeze the program or fill its memory. Reading is bounded: at
// most kReadBufferBytes wait here, the rest stays with the system, which then slows the
// peer down. Each DataAvailable is its own turn of the event loop, also for the bytes left
// after the peer's close, so timers and other sockets are served between any two.
//
// No honest peer has honestBacklog() bytes in flight that the program has not caught up
// with. A peer that does, counted from the last moment nothing of it was waiting (what was
// read since, what is held here and what the system still holds), is flooding: from then on
// everything it sends is read and dropped unannounced, a bounded slice per turn, told once
// by BacklogDropped. The connection stays open until the peer closes (it is then ended at
// once, with whatever is still unread), so it still keeps the line busy and its end is
// announced as usual. A peer that closes with more than honestBacklog() bytes unread is
// treated alike.
class TWSocket : public QObject {
    Q_OBJECT
public:
    enum State {
        wsInvalidState,
        wsOpened,
        wsBound,
        wsConnecting,
        wsConnected,
        wsAccepting,
        wsListening,
        wsClosed
    };

    explicit TWSocket(QObject* parent = nullptr);
    ~TWSocket() override;

    QString Addr;                        // host or dotted address; "0.0.0.0" = all
    QString Port = QStringLiteral("0");  // decimal text
    QString Proto = QStringLiteral("tcp");
    QString DnsResult;  // dotted address of the last good lookup

    State state() const { return state_; }
    // The connection has ended, but its SessionClosed is still to come (the bytes it left
    // behind are being handed out).
    bool closing() const { return state_ != wsConnected && !closedSignalled_; }

    // Starts resolving host; ends with DnsLookupDone. A dotted address answers at once,
    // inside the call. An empty host answers 11001 (after the call returns), and so does
    // a name that cannot be resolved. An IPv4 address is preferred when a name has several.
    void DnsLookup(const QString& host);
    // Opens a connection to Addr:Port; ends with SessionConnected(error). A connection or
    // listener held before is closed first. An Addr or Port that cannot be used answers
    // 10049; no answer within the connect time-out answers 10060. A failed attempt leaves
    // the state wsClosed and fires no SessionClosed.
    void Connect();
    // Listens on Addr:Port. Throws ESocketException on failure ("Error 10048 ..." when the
    // port is taken).
    void Listen();
    // On a listening socket, in SessionAvailable: takes the waiting caller. The result is
    // handed to Dup of another instance (or dropped, which closes it).
    std::unique_ptr<QTcpSocket> Accept();
    // Takes over an accepted connection: a socket held before is closed first (an open
    // connection announces its SessionClosed before the new one is taken), the state
    // becomes wsConnected and the events fire from now on. Nothing (nullptr) leaves the
    // instance closed.
    void Dup(std::unique_ptr<QTcpSocket> accepted);
    // Queues the whole text and returns at once: the number of bytes queued, -1 when not
    // connected (an error of the function "Send", never thrown out of the call).
    int SendStr(const QByteArray& data);
    // Copies up to size received bytes; the count, 0 or less when there is nothing.
    int Receive(char* buffer, int size);
    // Closes the socket; SessionClosed fires at most once per connection. Bytes queued but
    // not yet taken by the system may be lost. Closing while connecting abandons the
    // attempt without SessionConnected; closing a listener just stops listening.
    void Close();
    // The peer's dotted address; "error" when not connected.
    QString GetPeerAddr() const;
    // The local port a listening socket is bound to (tests listen on port 0).
    quint16 localPort() const;

    // This machine's addresses in dotted form: the IPv4 addresses of the network interfaces
    // that are up, loopback left out; "127.0.0.1" alone when there are none.
    static QStringList LocalIPList();
    // Addr for a listener that takes IPv4 and IPv6 callers on the same port.
    static inline const QString kAnyDualStack = QStringLiteral("any");
    // "Error N in function F" CR LF description.
    static QString errorText(int error, const QString& function);

    // How long Connect waits for an answer before it gives up with 10060.
    void setConnectTimeout(int ms) { connectTimeoutMs_ = ms; }

    static constexpr qint64 kReadBufferBytes = 64 * 1024;
    static constexpr qint64 kHonestBacklog = 1024 * 1024;
    // A peer with more than this in flight unhandled is dropped (tests make it small).
    qint64 honestBacklog() const { return honestBacklog_; }
    void setHonestBacklog(qint64 bytes) { honestBacklog_ = bytes; }
    // Received bytes held in memory, not yet taken with Receive.
    qint64 bufferedBytes() const;
    // Bytes of the current (or last) connection dropped unread.
    qint64 droppedBytes() const { return dropped_; }

Q_SIGNALS:
    void DnsLookupDone(int error);
    void SessionConnected(int error);
    void DataAvailable(int error);
    void SessionClosed(int error);
    void SessionAvailable(int error);
    // The peer has more in flight than an honest peer sends; this many bytes were still
    // unread. They, and all the peer sends from now on, are dropped unread. When the peer has
    // already closed (state() is no longer wsConnected), SessionClosed follows.
    void BacklogDropped(qint64 bytes);

private:
    void wire(QTcpSocket* socket);
    void onConnected();
    void onDisconnected();
    void onErrorOccurred(int qtError);
    void onReadyRead();
    void onNewConnection();
    void onConnectTimeout();

    void connectFailed(quint64 serial, int error);
    void peerClosed(quint64 serial);
    void scheduleData();
    void deliverData();
    bool floodDetected();
    void startDropping();
    void dropSlice();
    bool peerHasClosed() const;
    qint64 waitingInSystem() const;
    qint64 available() const;
    void shutDown();
    void dropSocket();
    void dropServer();
    void post(std::function<void()> event);

    State state_ = wsClosed;
    std::unique_ptr<QTcpSocket> socket_;
    std::unique_ptr<QTcpServer> server_;
    QTimer* connectTimer_ = nullptr;  // child
    int connectTimeoutMs_ = 30000;
    qint64 honestBacklog_ = kHonestBacklog;
    int lookupId_ = -1;
    quint64 lookupSerial_ = 0;
    // Each connection or attempt gets a number; events queued for an earlier one are dropped.
    quint64 serial_ = 0;
    // True while no connection is open whose end has not been announced yet.
    bool closedSignalled_ = true;
    int closeError_ = 0;
    // Received bytes still unread when the peer closed; read before the socket is gone.
    QByteArray leftover_;
    qsizetype leftoverPos_ = 0;
    quint64 bytesRead_ = 0;
    bool dataPosted_ = false;
    // Bytes read since the last moment nothing of the peer's was waiting.
    qint64 runBytes_ = 0;
    // The peer was found flooding: what it sends is dropped unread.
    bool dropping_ = false;
    qint64 dropped_ = 0;
};
