#include "AddressPolicy.h"

#include <algorithm>

#include <netinet/in.h>
#include <sys/socket.h>

namespace matchd {

namespace {

QHostAddress plain(const QHostAddress& address) {
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4) : address;
}

bool allDigits(const QByteArray& text) {
    return !text.isEmpty() && text.size() <= 5 &&
           std::all_of(text.cbegin(), text.cend(), [](char c) { return c >= '0' && c <= '9'; });
}

// A claimed address split into its host and a ":PORT" that follows it (empty when none):
// "host", "host:port", "[v6]", "[v6]:port" or a bare IPv6 address.
struct HostAndPort {
    QByteArray host;
    QByteArray port;
};

HostAndPort splitClaimed(const QByteArray& claimed) {
    if (claimed.startsWith('[')) {
        const qsizetype close = claimed.indexOf(']');
        if (close > 0) {
            const QByteArray rest = claimed.mid(close + 1);
            if (rest.isEmpty())
                return {claimed.mid(1, close - 1), {}};
            if (rest.startsWith(':') && allDigits(rest.mid(1)))
                return {claimed.mid(1, close - 1), rest};
        }
        return {claimed, {}};
    }
    const qsizetype colon = claimed.indexOf(':');
    if (colon > 0 && claimed.indexOf(':', colon + 1) < 0 && allDigits(claimed.mid(colon + 1)))
        return {claimed.left(colon), claimed.mid(colon)};
    return {claimed, {}};
}

QByteArray withPort(const QHostAddress& address, const QByteArray& port) {
    const QByteArray host = addressText(address);
    if (port.isEmpty())
        return host;
    return address.protocol() == QAbstractSocket::IPv6Protocol ? '[' + host + ']' + port
                                                               : host + port;
}

}  // namespace

bool isGloballyRoutable(const QHostAddress& address) {
    const QHostAddress a = plain(address);
    if (a.isNull() || !a.isGlobal())
        return false;
    if (a.protocol() == QAbstractSocket::IPv4Protocol) {
        static const QPair<QHostAddress, int> local[] = {
            QHostAddress::parseSubnet(QStringLiteral("0.0.0.0/8")),
            QHostAddress::parseSubnet(QStringLiteral("10.0.0.0/8")),
            QHostAddress::parseSubnet(QStringLiteral("100.64.0.0/10")),
            QHostAddress::parseSubnet(QStringLiteral("172.16.0.0/12")),
            QHostAddress::parseSubnet(QStringLiteral("192.168.0.0/16")),
        };
        return std::none_of(std::begin(local), std::end(local),
                            [&](const auto& net) { return a.isInSubnet(net); });
    }
    static const QPair<QHostAddress, int> uniqueLocal =
        QHostAddress::parseSubnet(QStringLiteral("fc00::/7"));
    return !a.isInSubnet(uniqueLocal);
}

QByteArray addressText(const QHostAddress& address) {
    const QHostAddress a = plain(address);
    QString text = a.toString();
    if (a.protocol() == QAbstractSocket::IPv6Protocol) {
        const qsizetype scope = text.indexOf(QLatin1Char('%'));
        if (scope >= 0)
            text.truncate(scope);
    }
    return text.toLatin1();
}

QByteArray listedAddress(const QByteArray& claimed, const QHostAddress& observed,
                         AddressPolicy policy) {
    if (policy == AddressPolicy::Claimed || observed.isNull())
        return claimed;
    const HostAndPort parts = splitClaimed(claimed);
    if (policy == AddressPolicy::Observed)
        return withPort(plain(observed), parts.port);
    QHostAddress claimedHost;
    // A host name cannot be judged without looking it up, which the server does not do.
    if (!claimedHost.setAddress(QString::fromLatin1(parts.host)))
        return claimed;
    if (isGloballyRoutable(claimedHost) || !isGloballyRoutable(observed))
        return claimed;
    return withPort(plain(observed), parts.port);
}

QHostAddress peerAddressOf(int fd, quint16* port) {
    sockaddr_storage storage{};
    socklen_t length = sizeof storage;
    if (::getpeername(fd, reinterpret_cast<sockaddr*>(&storage), &length) != 0)
        return {};
    if (port != nullptr) {
        if (storage.ss_family == AF_INET)
            *port = ntohs(reinterpret_cast<const sockaddr_in*>(&storage)->sin_port);
        else if (storage.ss_family == AF_INET6)
            *port = ntohs(reinterpret_cast<const sockaddr_in6*>(&storage)->sin6_port);
    }
    return QHostAddress(reinterpret_cast<const sockaddr*>(&storage));
}

QString peerOf(int fd) {
    quint16 port = 0;
    const QHostAddress address = peerAddressOf(fd, &port);
    if (address.isNull())
        return QStringLiteral("?");
    const QString host = QString::fromLatin1(addressText(address));
    const bool v6 = host.contains(QLatin1Char(':'));
    return (v6 ? QLatin1Char('[') + host + QLatin1Char(']') : host) + QLatin1Char(':') +
           QString::number(port);
}

}  // namespace matchd
