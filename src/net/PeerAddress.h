#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The address of another player as typed in the wizard, kept in the address history or
// carried by an entry of the server's list: HOST, HOST:PORT, [IPV6]:PORT or a bare IPv6
// address. Nothing of it is trusted: a text that cannot be dialled as it stands is refused
// with a sentence the player can act on, and nothing is sent.
namespace peeraddress {

// The port every copy listens on unless told otherwise; an address at this port travels and
// shows without ":PORT", exactly as copies that know no ports expect.
constexpr quint16 kDefaultPort = 52201;
// List entries longer than this were never written by a copy of the game.
constexpr int kMaxBytes = 50;

struct Target {
    QString host;  // name, dotted IPv4 or IPv6 (without brackets)
    quint16 port = kDefaultPort;
    bool portGiven = false;  // the text named the port
    bool ipv6 = false;       // host is an IPv6 address

    friend bool operator==(const Target& a, const Target& b) {
        return a.host == b.host && a.port == b.port && a.portGiven == b.portGiven &&
               a.ipv6 == b.ipv6;
    }
};

struct Parsed {
    std::optional<Target> target;
    QString error;  // set when target is empty: one plain sentence for an "Error" box or the log
};

// Spaces around the text are ignored. Without a port the address is dialled on defaultPort.
// The host must name one computer: 0.0.0.0, ::, multicast and broadcast addresses are refused,
// and so is any IPv4 form but four decimal parts (a resolver would read 127.1 as 127.0.0.1).
// A text longer than maxBytes (one byte per character) is refused.
Parsed parse(const QString& text, quint16 defaultPort = kDefaultPort, int maxBytes = kMaxBytes);

// How an address of this machine is shown to the player: HOST, or HOST:PORT / [IPV6]:PORT when
// port is not the default one.
QString display(const QString& host, quint16 port);

// The address sent with a registration: ownAddress unchanged at the default port (the same
// bytes as always), otherwise ownAddress + ":" + port (an IPv6 address in brackets).
QString registration(const QString& ownAddress, quint16 port);

// A relayed player's address, as only the server's list carries it: HOST:PORT/TOKEN, where
// the token (letters, digits, '-' and '_') is presented to the relay at HOST:PORT. Typed
// addresses never take this form (parse refuses it).
struct Relay {
    Target relay;
    QString token;
};
std::optional<Relay> parseRelay(const QString& text);

}  // namespace peeraddress
