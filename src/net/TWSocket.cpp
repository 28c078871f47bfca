#include "net/TWSocket.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <climits>
#include <cstring>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#endif

ESocketException::ESocketException(const QString& message)
    : std::runtime_error(message.toUtf8().toStdString()), message_(message) {}

namespace {

int wsaError(QAbstractSocket::SocketError error) {
    switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            return wsa::kConnectionRefused;
        case QAbstractSocket::RemoteHostClosedError:
            return wsa::kConnectionReset;
        case QAbstractSocket::HostNotFoundError:
            return wsa::kHostNotFound;
        case QAbstractSocket::SocketAccessError:
            return wsa::kAccessDenied;
        case QAbstractSocket::SocketResourceError:
            return wsa::kNoBuffers;
        case QAbstractSocket::SocketTimeoutError:
            return wsa::kTimedOut;
        case QAbstractSocket::NetworkError:
            return wsa::kHostUnreachable;
        case QAbstractSocket::AddressInUseError:
            return wsa::kAddressInUse;
        case QAbstractSocket::SocketAddressNotAvailableError:
            return wsa::kAddressNotAvailable;
        case QAbstractSocket::UnsupportedSocketOperationError:
            return wsa::kInvalidArgument;
        default:
            return wsa::kNetworkDown;
    }
}

// Errors after which Qt has given the connection up.
bool endsConnection(QAbstractSocket::SocketError error) {
    return error != QAbstractSocket::SocketTimeoutError &&
           error != QAbstractSocket::TemporaryError &&
           error != QAbstractSocket::UnfinishedSocketOperationError;
}

// No Nagle delay (the messages are small and interactive), linger on with time 0 so a close
// never waits for unsent data, and a bounded read buffer.
void configure(QTcpSocket* socket) {
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket->setReadBufferSize(TWSocket::kReadBufferBytes);
#ifdef Q_OS_UNIX
    const qintptr fd = socket->socketDescriptor();
    if (fd != -1) {
        const linger hard{1, 0};
        ::setsockopt(static_cast<int>(fd), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    }
#endif
}

bool parsePort(const QString& text, quint16* port) {
    bool ok = false;
    const uint value = text.trimmed().toUInt(&ok, 10);
    if (!ok || value > 65535) {
        return false;
    }
    *port = static_cast<quint16>(value);
    return true;
}

}  // namespace

TWSocket::TWSocket(QObject* parent) : QObject(parent), connectTimer_(new QTimer(this)) {
    connectTimer_->setSingleShot(true);
    connect(connectTimer_, &QTimer::timeout, this, &TWSocket::onConnectTimeout);
}

TWSocket::~TWSocket() {
    if (lookupId_ != -1) {
        QHostInfo::abortHostLookup(lookupId_);
    }
    dropSocket();
    dropServer();
}

void TWSocket::post(std::function<void()> event) {
    QMetaObject::invokeMethod(this, std::move(event), Qt::QueuedConnection);
}

// ---- looking up ----

void TWSocket::DnsLookup(const QString& host) {
    if (lookupId_ != -1) {
        QHostInfo::abortHostLookup(lookupId_);
        lookupId_ = -1;
    }
    const quint64 serial = ++lookupSerial_;
    DnsResult.clear();

    QHostAddress address;
    if (address.setAddress(host) && address.protocol() == QAbstractSocket::IPv4Protocol) {
        DnsResult = address.toString();
        Q_EMIT DnsLookupDone(0);
        return;
    }
    if (host.trimmed().isEmpty()) {
        post([this, serial] {
            if (serial == lookupSerial_) {
                Q_EMIT DnsLookupDone(wsa::kHostNotFound);
            }
        });
        return;
    }
    lookupId_ = QHostInfo::lookupHost(host, this, [this, serial](const QHostInfo& info) {
        if (serial != lookupSerial_) {
            return;
        }
        lookupId_ = -1;
        QString found;
        const QList<QHostAddress> addresses = info.addresses();
        for (const QHostAddress& a : addresses) {
            bool isV4 = false;
            const quint32 v4 = a.toIPv4Address(&isV4);
            if (isV4) {
                found = QHostAddress(v4).toString();
                break;
            }
        }
        if (found.isEmpty() && !addresses.isEmpty()) {
            found = addresses.first().toString();
        }
        if (info.error() != QHostInfo::NoError || found.isEmpty()) {
            Q_EMIT DnsLookupDone(wsa::kHostNotFound);
            return;
        }
        DnsResult = found;
        Q_EMIT DnsLookupDone(0);
    });
}

// ---- connecting ----

void TWSocket::wire(QTcpSocket* socket) {
    connect(socket, &QAbstractSocket::connected, this, &TWSocket::onConnected);
    connect(socket, &QAbstractSocket::disconnected, this, &TWSocket::onDisconnected);
    connect(socket, &QAbstractSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError error) { onErrorOccurred(error); });
    connect(socket, &QIODevice::readyRead, this, &TWSocket::onReadyRead);
}

void TWSocket::Connect() {
    shutDown();
    if (socket_ || server_) {  // a SessionClosed handler opened another one meanwhile
        shutDown();
    }
    const quint64 serial = ++serial_;
    dropped_ = 0;
    state_ = wsConnecting;
    quint16 port = 0;
    if (!parsePort(Port, &port) || port == 0 || Addr.trimmed().isEmpty()) {
        state_ = wsClosed;
        post([this, serial] { connectFailed(serial, wsa::kAddressNotAvailable); });
        return;
    }
    socket_ = std::make_unique<QTcpSocket>();
    wire(socket_.get());
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connectTimer_->start(connectTimeoutMs_);
    // Errors may be reported inside this call; the slots only record them and post.
    socket_->connectToHost(Addr.trimmed(), port);
}

void TWSocket::onConnected() {
    if (state_ != wsConnecting || !socket_) {
        return;
    }
    connectTimer_->stop();
    configure(socket_.get());
    state_ = wsConnected;
    closeError_ = 0;
    const quint64 serial = serial_;
    // Announced even when the peer has already gone again: it was a connection, and its
    // end follows.
    post([this, serial] {
        if (serial != serial_) {
            return;
        }
        closedSignalled_ = false;
        Q_EMIT SessionConnected(0);
    });
}

void TWSocket::onConnectTimeout() {
    if (state_ != wsConnecting) {
        return;
    }
    state_ = wsClosed;
    connectFailed(serial_, wsa::kTimedOut);
}

void TWSocket::connectFailed(quint64 serial, int error) {
    if (serial != serial_) {
        return;
    }
    connectTimer_->stop();
    dropSocket();
    state_ = wsClosed;
    Q_EMIT SessionConnected(error);
}

void TWSocket::onErrorOccurred(int qtError) {
    const auto error = static_cast<QAbstractSocket::SocketError>(qtError);
    const quint64 serial = serial_;
    if (state_ == wsConnecting) {
        if (!endsConnection(error)) {
            return;
        }
        state_ = wsClosed;
        connectTimer_->stop();
        const int wsaNumber = wsaError(error);
        post([this, serial, wsaNumber] { connectFailed(serial, wsaNumber); });
    } else if (state_ == wsConnected && endsConnection(error)) {
        // Qt reports a reset as a remote close; a failed write is the reset we can see.
        closeError_ = error == QAbstractSocket::RemoteHostClosedError ? 0
                      : error == QAbstractSocket::NetworkError        ? wsa::kConnectionReset
                                                                      : wsaError(error);
        state_ = wsClosed;
        post([this, serial] { peerClosed(serial); });
    }
}

void TWSocket::onDisconnected() {
    if (state_ == wsConnected) {
        closeError_ = 0;
        state_ = wsClosed;
        const quint64 serial = serial_;
        post([this, serial] { peerClosed(serial); });
    }
}

void TWSocket::peerClosed(quint64 serial) {
    if (serial != serial_) {
        return;
    }
    if (socket_) {
        if (socket_->isReadable()) {
            leftover_.append(socket_->readAll());
        }
        dropSocket();
    }
    if (closedSignalled_) {
        return;  // the connection was never announced, so neither is its end
    }
    QPointer<TWSocket> alive(this);
    const qint64 unread = available();
    if (dropping_ || runBytes_ + unread > honestBacklog_) {
        dropped_ += unread;
        leftover_.clear();
        leftoverPos_ = 0;
        if (!dropping_) {
            dropping_ = true;
            Q_EMIT BacklogDropped(unread);
            if (!alive || serial != serial_) {
                return;
            }
        }
    }
    // What arrived before the close is handed out one piece per turn of the event loop; a
    // handler may call Close meanwhile, which then announces the end itself.
    if (available() > 0) {
        const quint64 before = bytesRead_;
        Q_EMIT DataAvailable(0);
        if (!alive || serial != serial_ || closedSignalled_) {
            return;
        }
        if (bytesRead_ != before && available() > 0) {
            post([this, serial] { peerClosed(serial); });
            return;
        }
    }
    leftover_.clear();
    leftoverPos_ = 0;
    runBytes_ = 0;
    dropping_ = false;
    closedSignalled_ = true;
    Q_EMIT SessionClosed(closeError_);
}

// ---- listening ----

void TWSocket::Listen() {
    shutDown();
    if (socket_ || server_) {
        shutDown();
    }
    quint16 port = 0;
    if (!parsePort(Port, &port)) {
        throw ESocketException(errorText(wsa::kInvalidArgument, QStringLiteral("Bind")));
    }
    QHostAddress address;
    const QString host = Addr.trimmed();
    if (host.isEmpty() || host == QLatin1String("0.0.0.0")) {
        address = QHostAddress(QHostAddress::AnyIPv4);
    } else if (host == kAnyDualStack) {
        // Qt falls back to IPv4 alone where the system has no IPv6.
        address = QHostAddress(QHostAddress::Any);
    } else if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) {
        address = QHostAddress(QHostAddress::LocalHost);
    } else if (!address.setAddress(host)) {
        throw ESocketException(errorText(wsa::kAddressNotAvailable, QStringLiteral("Bind")));
    }
    auto server = std::make_unique<QTcpServer>();
    if (!server->listen(address, port)) {
        const QAbstractSocket::SocketError error = server->serverError();
        const bool bindError = error == QAbstractSocket::AddressInUseError ||
                               error == QAbstractSocket::SocketAddressNotAvailableError ||
                               error == QAbstractSocket::SocketAccessError;
        throw ESocketException(errorText(
            wsaError(error), bindError ? QStringLiteral("Bind") : QStringLiteral("Listen")));
    }
    connect(server.get(), &QTcpServer::newConnection, this, &TWSocket::onNewConnection);
    server_ = std::move(server);
    ++serial_;
    state_ = wsListening;
}

void TWSocket::onNewConnection() {
    const quint64 serial = serial_;
    post([this, serial] {
        if (serial == serial_ && server_ && state_ == wsListening) {
            Q_EMIT SessionAvailable(0);
        }
    });
}

std::unique_ptr<QTcpSocket> TWSocket::Accept() {
    if (!server_ || !server_->hasPendingConnections()) {
        return nullptr;
    }
    std::unique_ptr<QTcpSocket> socket(server_->nextPendingConnection());
    if (socket) {
        socket->setParent(nullptr);
    }
    return socket;
}

void TWSocket::Dup(std::unique_ptr<QTcpSocket> accepted) {
    shutDown();
    if (socket_ || server_) {
        shutDown();
    }
    if (!accepted) {
        return;
    }
    const quint64 serial = ++serial_;
    dropped_ = 0;
    socket_ = std::move(accepted);
    wire(socket_.get());
    configure(socket_.get());
    state_ = wsConnected;
    closedSignalled_ = false;
    closeError_ = 0;
    if (socket_->state() != QAbstractSocket::ConnectedState) {
        // The caller left before it was taken.
        state_ = wsClosed;
        post([this, serial] { peerClosed(serial); });
    } else if (socket_->bytesAvailable() > 0) {
        scheduleData();
    }
}

// ---- data ----

int TWSocket::SendStr(const QByteArray& data) {
    if (state_ != wsConnected || !socket_ || socket_->state() != QAbstractSocket::ConnectedState) {
        return -1;
    }
    if (data.isEmpty()) {
        return 0;
    }
    const qint64 queued = socket_->write(data);
    if (queued < 0) {
        return -1;
    }
    // Hand as much as the system takes over now; Qt writes the rest when it can.
    socket_->flush();
    return static_cast<int>(qMin<qint64>(queued, INT_MAX));
}

qint64 TWSocket::bufferedBytes() const {
    return available();
}

qint64 TWSocket::available() const {
    qint64 n = leftover_.size() - leftoverPos_;
    if (socket_ && socket_->isReadable()) {
        n += socket_->bytesAvailable();
    }
    return n;
}

int TWSocket::Receive(char* buffer, int size) {
    if (buffer == nullptr || size <= 0) {
        return -1;
    }
    if (leftoverPos_ < leftover_.size()) {
        const qsizetype n = qMin<qsizetype>(size, leftover_.size() - leftoverPos_);
        std::memcpy(buffer, leftover_.constData() + leftoverPos_, static_cast<size_t>(n));
        leftoverPos_ += n;
        if (leftoverPos_ == leftover_.size()) {
            leftover_.clear();
            leftoverPos_ = 0;
        }
        bytesRead_ += static_cast<quint64>(n);
        return static_cast<int>(n);
    }
    if (!socket_ || !socket_->isReadable()) {
        return -1;
    }
    if (dropping_) {
        return 0;  // a read queued before the flood was found out gets none of it
    }
    const qint64 n = socket_->read(buffer, size);
    if (n > 0) {
        bytesRead_ += static_cast<quint64>(n);
        runBytes_ += n;
        // Caught up with the peer: whatever it sends next starts a new run.
        if (socket_->bytesAvailable() == 0 && waitingInSystem() == 0) {
            runBytes_ = 0;
        }
    }
    return static_cast<int>(n);
}

void TWSocket::onReadyRead() {
    scheduleData();
}

void TWSocket::scheduleData() {
    if (dataPosted_) {
        return;
    }
    dataPosted_ = true;
    post([this] { deliverData(); });
}

void TWSocket::deliverData() {
    dataPosted_ = false;
    if (state_ != wsConnected || !socket_ || socket_->bytesAvailable() <= 0) {
        return;
    }
    if (dropping_) {
        dropSlice();
        return;
    }
    if (floodDetected()) {
        startDropping();
        return;
    }
    const quint64 before = bytesRead_;
    QPointer<TWSocket> alive(this);
    Q_EMIT DataAvailable(0);
    if (!alive) {
        return;
    }
    // The handler takes a bounded piece per event; what it left is announced again in the
    // next turn. A handler that read nothing is not pressed again until more data comes in.
    if (bytesRead_ != before && state_ == wsConnected && socket_ && socket_->bytesAvailable() > 0) {
        scheduleData();
    }
}

// Bytes the system holds for this socket that are not read yet.
qint64 TWSocket::waitingInSystem() const {
#ifdef Q_OS_UNIX
    const qintptr fd = socket_ ? socket_->socketDescriptor() : -1;
    int pending = 0;
    if (fd != -1 && ::ioctl(static_cast<int>(fd), FIONREAD, &pending) == 0 && pending > 0) {
        return pending;
    }
#endif
    return 0;
}

// More in flight than an honest peer ever has. The system is asked only once a good part of
// the read buffer is taken, so an ordinary exchange costs no system call.
bool TWSocket::floodDetected() {
    const qint64 held = socket_->bytesAvailable();
    qint64 inFlight = runBytes_ + held;
    if (inFlight <= honestBacklog_ && held >= qMin(kReadBufferBytes / 2, honestBacklog_)) {
        inFlight += waitingInSystem();
    }
    return inFlight > honestBacklog_;
}

void TWSocket::startDropping() {
    dropping_ = true;
    const qint64 unread = available() + waitingInSystem();
    const quint64 serial = serial_;
    QPointer<TWSocket> alive(this);
    Q_EMIT BacklogDropped(unread);
    if (alive && serial == serial_ && state_ == wsConnected) {
        dropSlice();
    }
}

// Drops what the read buffer holds; the system refills it in a later turn. Once the peer has
// closed, the rest is not worth reading: the connection ends at once.
void TWSocket::dropSlice() {
    if (peerHasClosed()) {
        dropped_ += available() + waitingInSystem();
        shutDown();
        return;
    }
    char scratch[16 * 1024];
    qint64 n = 0;
    while ((n = socket_->read(scratch, sizeof scratch)) > 0) {
        dropped_ += n;
    }
}

bool TWSocket::peerHasClosed() const {
#ifdef Q_OS_UNIX
    const qintptr fd = socket_ ? socket_->socketDescriptor() : -1;
    if (fd == -1) {
        return false;
    }
    pollfd p{static_cast<int>(fd), POLLIN | POLLRDHUP, 0};
    return ::poll(&p, 1, 0) == 1 && (p.revents & (POLLRDHUP | POLLHUP)) != 0;
#else
    return false;
#endif
}

// ---- closing ----

void TWSocket::dropSocket() {
    if (!socket_) {
        return;
    }
    QTcpSocket* socket = socket_.release();
    QObject::disconnect(socket, nullptr, this, nullptr);
    if (socket->state() == QAbstractSocket::ConnectedState) {
        socket->flush();
#ifdef Q_OS_UNIX
        const qintptr fd = socket->socketDescriptor();
        if (fd != -1) {
            ::shutdown(static_cast<int>(fd), SHUT_WR);
        }
#endif
    }
    socket->abort();
    // We may be inside one of its own signals.
    socket->deleteLater();
}

void TWSocket::dropServer() {
    if (!server_) {
        return;
    }
    QTcpServer* server = server_.release();
    QObject::disconnect(server, nullptr, this, nullptr);
    server->close();
    server->deleteLater();
}

void TWSocket::Close() {
    // Already closed, with its end announced: nothing to do, and an answer still on its
    // way (a failed connect) is left to arrive.
    if (state_ == wsClosed && closedSignalled_) {
        return;
    }
    shutDown();
}

void TWSocket::shutDown() {
    connectTimer_->stop();
    dropServer();
    dropSocket();
    const bool announce = !closedSignalled_;
    const int error = state_ == wsConnected ? 0 : closeError_;
    closedSignalled_ = true;
    leftover_.clear();
    leftoverPos_ = 0;
    runBytes_ = 0;
    dropping_ = false;
    ++serial_;
    state_ = wsClosed;
    if (announce) {
        Q_EMIT SessionClosed(error);
    }
}

// ---- addresses and texts ----

QString TWSocket::GetPeerAddr() const {
    if (state_ != wsConnected || !socket_) {
        return QStringLiteral("error");
    }
    const QHostAddress peer = socket_->peerAddress();
    bool isV4 = false;
    const quint32 v4 = peer.toIPv4Address(&isV4);
    if (isV4) {
        return QHostAddress(v4).toString();
    }
    return peer.isNull() ? QStringLiteral("error") : peer.toString();
}

quint16 TWSocket::localPort() const {
    if (server_) {
        return server_->serverPort();
    }
    return socket_ ? socket_->localPort() : 0;
}

QStringList TWSocket::LocalIPList() {
    QStringList list;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& nic : interfaces) {
        const auto flags = nic.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            flags.testFlag(QNetworkInterface::IsLoopBack)) {
            continue;
        }
        const QList<QNetworkAddressEntry> entries = nic.addressEntries();
        for (const QNetworkAddressEntry& entry : entries) {
            const QHostAddress ip = entry.ip();
            if (ip.protocol() == QAbstractSocket::IPv4Protocol && !ip.isLoopback()) {
                const QString dotted = ip.toString();
                if (!list.contains(dotted)) {
                    list.append(dotted);
                }
            }
        }
    }
    if (list.isEmpty()) {
        list.append(QStringLiteral("127.0.0.1"));
    }
    return list;
}

QString TWSocket::errorText(int error, const QString& function) {
    QString description;
    switch (error) {
        case wsa::kAccessDenied:
            description = QStringLiteral("Permission denied");
            break;
        case wsa::kInvalidArgument:
            description = QStringLiteral("Invalid argument");
            break;
        case wsa::kAddressInUse:
            description = QStringLiteral("Address already in use");
            break;
        case wsa::kAddressNotAvailable:
            description = QStringLiteral("Cannot assign requested address");
            break;
        case wsa::kNetworkDown:
            description = QStringLiteral("Network is down");
            break;
        case wsa::kConnectionReset:
            description = QStringLiteral("Connection reset by peer");
            break;
        case wsa::kNoBuffers:
            description = QStringLiteral("No buffer space available");
            break;
        case wsa::kNotConnected:
            description = QStringLiteral("Socket is not connected");
            break;
        case wsa::kTimedOut:
            description = QStringLiteral("Connection timed out");
            break;
        case wsa::kConnectionRefused:
            description = QStringLiteral("Connection refused");
            break;
        case wsa::kHostUnreachable:
            description = QStringLiteral("No route to host");
            break;
        case wsa::kHostNotFound:
            description = QStringLiteral("Host not found");
            break;
        default:
            description = QStringLiteral("Unknown error");
            break;
    }
    return QStringLiteral("Error %1 in function %2\r\n%3").arg(error).arg(function, description);
}
