#include "FakeRouter.h"

#include <QHash>
#include <QHostAddress>
#include <QMutexLocker>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

const QByteArray kService = "urn:schemas-upnp-org:service:WANIPConnection:1";
constexpr int kMaxRequest = 64 * 1024;

QByteArray rootDescription(quint16 port, QByteArray base) {
    if (base.isEmpty()) {
        base = "http://127.0.0.1:" + QByteArray::number(port);
    }
    return "<?xml version=\"1.0\"?>\r\n"
           "<root xmlns=\"urn:schemas-upnp-org:device-1-0\">"
           "<specVersion><major>1</major><minor>0</minor></specVersion>"
           "<URLBase>" +
           base +
           "</URLBase>"
           "<device><deviceType>urn:schemas-upnp-org:device:InternetGatewayDevice:1</deviceType>"
           "<friendlyName>Test router</friendlyName>"
           "<deviceList><device>"
           "<deviceType>urn:schemas-upnp-org:device:WANDevice:1</deviceType>"
           "<serviceList><service>"
           "<serviceType>urn:schemas-upnp-org:service:WANCommonInterfaceConfig:1</serviceType>"
           "<serviceId>urn:upnp-org:serviceId:WANCommonIFC1</serviceId>"
           "<controlURL>/ctl/CommonIfCfg</controlURL><eventSubURL>/evt/CommonIfCfg</eventSubURL>"
           "<SCPDURL>/WANCfg.xml</SCPDURL>"
           "</service></serviceList>"
           "<deviceList><device>"
           "<deviceType>urn:schemas-upnp-org:device:WANConnectionDevice:1</deviceType>"
           "<serviceList><service>"
           "<serviceType>" +
           kService +
           "</serviceType>"
           "<serviceId>urn:upnp-org:serviceId:WANIPConn1</serviceId>"
           "<controlURL>/ctl/IPConn</controlURL><eventSubURL>/evt/IPConn</eventSubURL>"
           "<SCPDURL>/WANIPCn.xml</SCPDURL>"
           "</service></serviceList>"
           "</device></deviceList>"
           "</device></deviceList>"
           "</device></root>\r\n";
}

QByteArray envelope(const QByteArray& body) {
    return "<?xml version=\"1.0\"?>\r\n"
           "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\" "
           "s:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\"><s:Body>" +
           body + "</s:Body></s:Envelope>\r\n";
}

QByteArray answer(const QByteArray& action, const QByteArray& values = {}) {
    return envelope("<u:" + action + "Response xmlns:u=\"" + kService + "\">" + values +
                    "</u:" + action + "Response>");
}

QByteArray upnpError(int code) {
    return envelope(
        "<s:Fault><faultcode>s:Client</faultcode><faultstring>UPnPError</faultstring><detail>"
        "<UPnPError xmlns=\"urn:schemas-upnp-org:control-1-0\"><errorCode>" +
        QByteArray::number(code) +
        "</errorCode><errorDescription>Refused</errorDescription></UPnPError>"
        "</detail></s:Fault>");
}

QByteArray httpResponse(const QByteArray& status, const QByteArray& body) {
    return "HTTP/1.1 " + status +
           "\r\nContent-Type: text/xml; charset=\"utf-8\"\r\nConnection: close\r\n"
           "Content-Length: " +
           QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

QByteArray value(const QByteArray& body, const QByteArray& tag) {
    const QByteArray open = "<" + tag + ">";
    const qsizetype start = body.indexOf(open);
    if (start < 0) {
        return {};
    }
    const qsizetype from = start + open.size();
    const qsizetype end = body.indexOf("</" + tag + ">", from);
    return end < 0 ? QByteArray() : body.mid(from, end - from);
}

QByteArray element(const QByteArray& tag, const QByteArray& text) {
    return "<" + tag + ">" + text + "</" + tag + ">";
}

}  // namespace

struct FakeRouter::State {
    mutable QMutex mutex;
    QList<Call> calls;
    QMap<quint16, Mapping> mappings;
    struct Behaviour {
        Fault fault = Fault::None;
        int code = 0;
        int times = -1;
    };
    QHash<QString, Behaviour> faults;
    QString externalAddress = QStringLiteral("203.0.113.7");
    QByteArray urlBase;
    int slowMs = 0;
    bool permanentOnly = false;

    // The behaviour for one request; a fault with a count is used up by it.
    Behaviour take(const QString& action) {
        const QString key = faults.contains(action) ? action : QStringLiteral("*");
        auto it = faults.find(key);
        if (it == faults.end()) {
            return {};
        }
        const Behaviour behaviour = *it;
        if (it->times > 0 && --it->times == 0) {
            faults.erase(it);
        }
        return behaviour;
    }
};

// The listening side; everything here runs on the fake router's own thread.
class FakeRouterServer : public QObject {
public:
    explicit FakeRouterServer(std::shared_ptr<FakeRouter::State> state)
        : state_(std::move(state)), server_(this) {
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] { accept(); });
    }

    quint16 listen() {
        return server_.listen(QHostAddress::LocalHost, 0) ? server_.serverPort() : 0;
    }

    void disappear() {
        server_.close();
        for (QTcpSocket* socket : findChildren<QTcpSocket*>()) {
            socket->abort();
            socket->deleteLater();
        }
    }

private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                buffer->append(socket->readAll());
                if (buffer->size() > kMaxRequest) {
                    socket->abort();
                    socket->deleteLater();
                    return;
                }
                if (complete(*buffer)) {
                    const QByteArray request = *buffer;
                    buffer->clear();
                    respond(socket, request);
                }
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    static bool complete(const QByteArray& request) {
        const qsizetype headerEnd = request.indexOf("\r\n\r\n");
        if (headerEnd < 0) {
            return false;
        }
        const QByteArray length = header(request.left(headerEnd), "content-length");
        return request.size() - (headerEnd + 4) >= length.trimmed().toLongLong();
    }

    static QByteArray header(const QByteArray& head, const QByteArray& name) {
        for (const QByteArray& line : head.split('\n')) {
            const qsizetype colon = line.indexOf(':');
            if (colon > 0 && line.left(colon).trimmed().toLower() == name) {
                return line.mid(colon + 1).trimmed();
            }
        }
        return {};
    }

    void respond(QTcpSocket* socket, const QByteArray& request) {
        const qsizetype headerEnd = request.indexOf("\r\n\r\n");
        const QByteArray head = request.left(headerEnd);
        const QByteArray body = request.mid(headerEnd + 4);

        FakeRouter::Call call;
        if (head.startsWith("GET ")) {
            call.action = QStringLiteral("Description");
        } else {
            QByteArray soapAction = header(head, "soapaction");
            soapAction.replace('"', "");
            call.action = QString::fromLatin1(soapAction.mid(soapAction.indexOf('#') + 1));
        }
        call.externalPort = static_cast<quint16>(value(body, "NewExternalPort").toUInt());
        call.internalPort = static_cast<quint16>(value(body, "NewInternalPort").toUInt());
        call.internalClient = QString::fromLatin1(value(body, "NewInternalClient"));
        call.protocol = QString::fromLatin1(value(body, "NewProtocol"));
        call.description = QString::fromLatin1(value(body, "NewPortMappingDescription"));
        const QByteArray lease = value(body, "NewLeaseDuration");
        call.lease = lease.isEmpty() ? -1 : lease.toInt();

        QByteArray reply;
        FakeRouter::State::Behaviour behaviour;
        int slowMs = 0;
        {
            QMutexLocker lock(&state_->mutex);
            state_->calls.append(call);
            behaviour = state_->take(call.action);
            slowMs = state_->slowMs;
            if (behaviour.fault == FakeRouter::Fault::Refuse) {
                reply = httpResponse("500 Internal Server Error", upnpError(behaviour.code));
            } else if (behaviour.fault == FakeRouter::Fault::Garbage) {
                reply = httpResponse("200 OK", QByteArray("\x01\xff<<not=\"soap\"", 14));
            } else {
                reply = serve(call);
            }
            if (behaviour.fault == FakeRouter::Fault::Huge) {
                reply.replace("Content-Length: ", "X-Length: ");
                reply += QByteArray(1024 * 1024, ' ');
            }
        }

        if (behaviour.fault == FakeRouter::Fault::Silent) {
            return;
        }
        if (behaviour.fault == FakeRouter::Fault::Slow) {
            QTimer::singleShot(slowMs, socket, [socket, reply] { send(socket, reply); });
            return;
        }
        send(socket, reply);
    }

    static void send(QTcpSocket* socket, const QByteArray& reply) {
        socket->write(reply);
        socket->disconnectFromHost();
    }

    // With the state locked.
    QByteArray serve(const FakeRouter::Call& call) {
        auto& mappings = state_->mappings;
        const QByteArray action = call.action.toLatin1();
        if (call.action == QLatin1String("Description")) {
            return httpResponse("200 OK", rootDescription(server_.serverPort(), state_->urlBase));
        }
        if (call.action == QLatin1String("GetStatusInfo")) {
            return httpResponse("200 OK",
                                answer(action, element("NewConnectionStatus", "Connected") +
                                                   element("NewLastConnectionError", "ERROR_NONE") +
                                                   element("NewUptime", "1000")));
        }
        if (call.action == QLatin1String("GetExternalIPAddress")) {
            return httpResponse("200 OK",
                                answer(action, element("NewExternalIPAddress",
                                                       state_->externalAddress.toLatin1())));
        }
        if (call.action == QLatin1String("AddPortMapping")) {
            const auto it = mappings.constFind(call.externalPort);
            if (it != mappings.cend() && it->client != call.internalClient) {
                return httpResponse("500 Internal Server Error", upnpError(718));
            }
            if (state_->permanentOnly && call.lease != 0) {
                return httpResponse("500 Internal Server Error", upnpError(725));
            }
            mappings.insert(call.externalPort,
                            FakeRouter::Mapping{call.internalPort, call.internalClient, call.lease,
                                                call.description});
            return httpResponse("200 OK", answer(action));
        }
        if (call.action == QLatin1String("DeletePortMapping")) {
            if (mappings.remove(call.externalPort) == 0) {
                return httpResponse("500 Internal Server Error", upnpError(714));
            }
            return httpResponse("200 OK", answer(action));
        }
        if (call.action == QLatin1String("GetSpecificPortMappingEntry")) {
            const auto it = mappings.constFind(call.externalPort);
            if (it == mappings.cend()) {
                return httpResponse("500 Internal Server Error", upnpError(714));
            }
            return httpResponse(
                "200 OK",
                answer(action,
                       element("NewInternalPort", QByteArray::number(it->internalPort)) +
                           element("NewInternalClient", it->client.toLatin1()) +
                           element("NewEnabled", "1") +
                           element("NewPortMappingDescription", it->description.toLatin1()) +
                           element("NewLeaseDuration", QByteArray::number(it->lease))));
        }
        return httpResponse("500 Internal Server Error", upnpError(401));
    }

    std::shared_ptr<FakeRouter::State> state_;
    QTcpServer server_;
};

FakeRouter::FakeRouter() : state_(std::make_shared<State>()) {
    thread_.setObjectName(QStringLiteral("FakeRouter"));
    server_ = new FakeRouterServer(state_);  // deleted on its thread by the destructor
    server_->moveToThread(&thread_);
    thread_.start();
    QMetaObject::invokeMethod(
        server_, [this] { port_ = server_->listen(); }, Qt::BlockingQueuedConnection);
}

FakeRouter::~FakeRouter() {
    QMetaObject::invokeMethod(
        server_, [this] { delete server_; }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

QString FakeRouter::rootUrl() const {
    return QStringLiteral("http://127.0.0.1:%1/rootDesc.xml").arg(port_);
}

void FakeRouter::setFault(const QString& action, Fault fault, int errorCode, int times) {
    QMutexLocker lock(&state_->mutex);
    state_->faults.insert(action, State::Behaviour{fault, errorCode, times});
}

void FakeRouter::setSlowMs(int ms) {
    QMutexLocker lock(&state_->mutex);
    state_->slowMs = ms;
}

void FakeRouter::setExternalAddress(const QString& address) {
    QMutexLocker lock(&state_->mutex);
    state_->externalAddress = address;
}

void FakeRouter::setUrlBase(const QByteArray& base) {
    QMutexLocker lock(&state_->mutex);
    state_->urlBase = base;
}

void FakeRouter::setPermanentLeasesOnly(bool on) {
    QMutexLocker lock(&state_->mutex);
    state_->permanentOnly = on;
}

void FakeRouter::addForeignMapping(quint16 externalPort, const QString& client) {
    QMutexLocker lock(&state_->mutex);
    state_->mappings.insert(externalPort,
                            Mapping{externalPort, client, 0, QStringLiteral("someone else")});
}

void FakeRouter::disappear() {
    QMetaObject::invokeMethod(
        server_, [this] { server_->disappear(); }, Qt::BlockingQueuedConnection);
}

QList<FakeRouter::Call> FakeRouter::calls() const {
    QMutexLocker lock(&state_->mutex);
    return state_->calls;
}

QList<FakeRouter::Call> FakeRouter::calls(const QString& action) const {
    QList<Call> out;
    for (const Call& call : calls()) {
        if (call.action == action) {
            out.append(call);
        }
    }
    return out;
}

int FakeRouter::count(const QString& action) const {
    return static_cast<int>(calls(action).size());
}

QMap<quint16, FakeRouter::Mapping> FakeRouter::mappings() const {
    QMutexLocker lock(&state_->mutex);
    return state_->mappings;
}
