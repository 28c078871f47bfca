#pragma once

#include <QString>
#include <QStringList>

// The text that tells the player where an opponent can call him: "Your IP Addresses are A
// and B" (or "is A" for one). The router's outside address, when it forwards the port, comes
// first with the router's port; the machine's own addresses follow with ownPort. A port other
// than the usual one is written with its address.
QString ownAddressesText(const QString& routerAddress, quint16 routerPort,
                         const QStringList& localAddresses, quint16 ownPort);
