#pragma once

#include <QList>
#include <QString>

class QHostAddress;
class QNetworkAddressEntry;

// Where an address can be reached from: only players on the internet can call a public one.
// Used to tell a waiting player, in one plain line, why nobody outside may find him.
namespace addressscope {

enum class Scope {
    Public,
    Private,      // 10/8, 172.16/12, 192.168/16, deprecated IPv6 site-local fec0::/10
    Shared,       // 100.64/10: the provider's own network in front of the home router
    UniqueLocal,  // fc00::/7
    LinkLocal,    // 169.254/16, fe80::/10
    Loopback,     // 127/8, ::1
    Other,        // unspecified, multicast, broadcast, 0/8, 240/4
    Invalid,      // not an address at all (a host name, say)
};

// An IPv4 address mapped into IPv6 (::ffff:a.b.c.d) counts as its IPv4 address.
Scope classify(const QString& address);

// True only for Public: everything else cannot be called from the internet as it stands.
inline bool reachableFromInternet(Scope scope) {
    return scope == Scope::Public;
}

// True for loopback and for an address inside the subnet of one of this machine's own
// addresses (ownAddresses: every interface's entries): a router that answers from anywhere
// else is not the player's own.
bool onLocalNetwork(const QHostAddress& address, const QList<QNetworkAddressEntry>& ownAddresses);

// "a private address", "a loopback address", ... for a sentence in the connection log.
QString describe(Scope scope);

}  // namespace addressscope
