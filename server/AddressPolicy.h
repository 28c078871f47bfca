#pragma once

#include <QByteArray>
#include <QHostAddress>

namespace matchd {

// Which address a waiting player is listed with.
enum class AddressPolicy {
    Auto,      // the observed one when the claimed host cannot be called from outside but
               // the observed one can; otherwise the claimed one
    Claimed,   // as the client sent it
    Observed,  // the source address of the connection, with a ":PORT" the client sent
};

// False for addresses nobody outside a local network can call: unspecified, loopback,
// link-local, private (10/8, 172.16/12, 192.168/16), shared (100.64/10), unique-local IPv6
// (fc00::/7), multicast and broadcast.
bool isGloballyRoutable(const QHostAddress& address);

// An address as text for logs and as the key of its source: IPv4 (also when it came as
// IPv4-mapped IPv6) in dotted form, IPv6 in its shortest form.
QByteArray addressText(const QHostAddress& address);

// The address (and port) a connected descriptor's peer has; null when it has none.
QHostAddress peerAddressOf(int fd, quint16* port = nullptr);
// The peer as "ADDRESS:PORT" ("[V6]:PORT"), for log lines; "?" when it has none.
QString peerOf(int fd);

// The address a player who sent `claimed` over a connection from `observed` is listed with.
QByteArray listedAddress(const QByteArray& claimed, const QHostAddress& observed,
                         AddressPolicy policy);

}  // namespace matchd
