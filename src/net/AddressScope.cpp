#include "net/AddressScope.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkAddressEntry>

namespace addressscope {

namespace {

bool inSubnet(const QHostAddress& address, const char* network, int prefix) {
    return address.isInSubnet(QHostAddress(QString::fromLatin1(network)), prefix);
}

Scope classifyIpv4(const QHostAddress& a) {
    if (inSubnet(a, "127.0.0.0", 8)) {
        return Scope::Loopback;
    }
    if (inSubnet(a, "10.0.0.0", 8) || inSubnet(a, "172.16.0.0", 12) ||
        inSubnet(a, "192.168.0.0", 16)) {
        return Scope::Private;
    }
    if (inSubnet(a, "100.64.0.0", 10)) {
        return Scope::Shared;
    }
    if (inSubnet(a, "169.254.0.0", 16)) {
        return Scope::LinkLocal;
    }
    if (inSubnet(a, "0.0.0.0", 8) || inSubnet(a, "224.0.0.0", 4) || inSubnet(a, "240.0.0.0", 4)) {
        return Scope::Other;  // 240/4 holds the broadcast address too
    }
    return Scope::Public;
}

}  // namespace

Scope classify(const QString& text) {
    QHostAddress address;
    if (!address.setAddress(text.trimmed())) {
        return Scope::Invalid;
    }
    if (address.protocol() == QAbstractSocket::IPv4Protocol) {
        return classifyIpv4(address);
    }
    bool mapped = false;
    const quint32 v4 = address.toIPv4Address(&mapped);
    if (mapped) {
        return classifyIpv4(QHostAddress(v4));
    }
    if (address.isLoopback()) {
        return Scope::Loopback;
    }
    if (address == QHostAddress(QHostAddress::AnyIPv6) || inSubnet(address, "ff00::", 8)) {
        return Scope::Other;
    }
    if (inSubnet(address, "fe80::", 10)) {
        return Scope::LinkLocal;
    }
    if (inSubnet(address, "fec0::", 10)) {
        return Scope::Private;
    }
    if (inSubnet(address, "fc00::", 7)) {
        return Scope::UniqueLocal;
    }
    return Scope::Public;
}

bool onLocalNetwork(const QHostAddress& address, const QList<QNetworkAddressEntry>& ownAddresses) {
    bool mapped = false;
    const quint32 v4 = address.toIPv4Address(&mapped);
    const QHostAddress plain = mapped ? QHostAddress(v4) : address;
    if (plain.isLoopback()) {
        return true;
    }
    for (const QNetworkAddressEntry& own : ownAddresses) {
        // An unknown prefix (-1) or a zero one would take in the whole internet.
        if (plain.isEqual(own.ip(), QHostAddress::StrictConversion) ||
            (own.prefixLength() > 0 && plain.isInSubnet(own.ip(), own.prefixLength()))) {
            return true;
        }
    }
    return false;
}

QString describe(Scope scope) {
    switch (scope) {
        case Scope::Public:
            return QCoreApplication::translate("AddressScope", "a public address");
        case Scope::Private:
            return QCoreApplication::translate("AddressScope", "a private address");
        case Scope::Shared:
            return QCoreApplication::translate(
                "AddressScope", "an address your provider shares between its customers");
        case Scope::UniqueLocal:
            return QCoreApplication::translate("AddressScope", "a local IPv6 address");
        case Scope::LinkLocal:
            return QCoreApplication::translate("AddressScope", "a link-local address");
        case Scope::Loopback:
            return QCoreApplication::translate("AddressScope", "a loopback address");
        case Scope::Other:
            return QCoreApplication::translate("AddressScope", "an address nobody can call");
        case Scope::Invalid:
            break;
    }
    return QCoreApplication::translate("AddressScope", "no address");
}

}  // namespace addressscope
