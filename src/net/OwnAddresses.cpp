#include "net/OwnAddresses.h"

#include <QCoreApplication>

#include "core/Text.h"
#include "net/PeerAddress.h"

QString ownAddressesText(const QString& routerAddress, quint16 routerPort,
                         const QStringList& localAddresses, quint16 ownPort) {
    // Port 0 (the system chooses) is known only once listening; unknown, none is shown.
    if (ownPort == 0) {
        ownPort = peeraddress::kDefaultPort;
    }
    QStringList addresses;
    if (!routerAddress.isEmpty()) {
        addresses << routerAddress;
    }
    addresses << localAddresses;
    QString list;
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        if (i > 0) {
            list += QLatin1Char(' ') + QCoreApplication::translate("OwnAddresses", "and");
        }
        const quint16 port = i == 0 && !routerAddress.isEmpty() ? routerPort : ownPort;
        list += QLatin1Char(' ') + peeraddress::display(addresses.at(i), port);
    }
    list = text::bounded(list);
    const QString prefix =
        addresses.size() >= 2 ? QCoreApplication::translate("OwnAddresses", "Your IP Addresses are")
                              : QCoreApplication::translate("OwnAddresses", "Your IP Addresses is");
    return prefix + list;
}
