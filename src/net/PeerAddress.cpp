#include "net/PeerAddress.h"

#include <algorithm>

#include <QCoreApplication>
#include <QHostAddress>
#include <QList>
#include <QStringView>

namespace peeraddress {

namespace {

// The reasons are read only by this player (the server dialog, the connection log), so they
// follow the window's language.
QString portRange() {
    return QCoreApplication::translate("PeerAddress", "a port is a number from 1 to 65535");
}

bool isHexDigit(QChar c) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

bool isDigit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

bool isDottedIpv4(QStringView s) {
    const auto parts = s.split(u'.');
    if (parts.size() != 4) {
        return false;
    }
    for (const QStringView part : parts) {
        // Resolvers read a leading zero as octal: 010 would be 8, not 10.
        if (part.isEmpty() || part.size() > 3 || (part.size() > 1 && part.front() == u'0')) {
            return false;
        }
        int value = 0;
        for (const QChar c : part) {
            if (!isDigit(c)) {
                return false;
            }
            value = value * 10 + (c.unicode() - '0');
        }
        if (value > 255) {
            return false;
        }
    }
    return true;
}

// Groups of one side of "::" (or of the whole address); -1 when one is malformed. A dotted
// IPv4 tail counts as two groups and may only end the address.
int groupCount(QStringView s, bool endsAddress) {
    if (s.isEmpty()) {
        return 0;
    }
    const auto groups = s.split(u':');
    int count = 0;
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const QStringView group = groups.at(i);
        if (endsAddress && i == groups.size() - 1 && group.contains(u'.')) {
            if (!isDottedIpv4(group)) {
                return -1;
            }
            count += 2;
            continue;
        }
        if (group.isEmpty() || group.size() > 4) {
            return -1;
        }
        for (const QChar c : group) {
            if (!isHexDigit(c)) {
                return -1;
            }
        }
        ++count;
    }
    return count;
}

bool isZoneChar(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || isDigit(c) || u == '.' || u == '_' ||
           u == '-';
}

bool isIpv6(QStringView s) {
    const qsizetype zone = s.indexOf(u'%');
    if (zone >= 0) {
        const QStringView name = s.mid(zone + 1);
        if (name.isEmpty()) {
            return false;
        }
        for (const QChar c : name) {
            if (!isZoneChar(c)) {
                return false;
            }
        }
        s = s.left(zone);
    }
    const qsizetype gap = s.indexOf(u"::");
    if (gap < 0) {
        return groupCount(s, true) == 8;
    }
    if (s.indexOf(u"::", gap + 1) >= 0) {
        return false;
    }
    const int head = groupCount(s.left(gap), false);
    const int tail = groupCount(s.mid(gap + 2), true);
    return head >= 0 && tail >= 0 && head + tail <= 7;
}

// The port after a ':'; an empty optional with the reason in error.
std::optional<quint16> parsePort(QStringView text, QString& error) {
    if (text.isEmpty()) {
        error =
            QCoreApplication::translate(
                "PeerAddress", "There is no port after ':'; write one (%1) or leave out the ':'.")
                .arg(portRange());
        return std::nullopt;
    }
    for (const QChar c : text) {
        if (!isDigit(c)) {
            error =
                QCoreApplication::translate("PeerAddress", "The port \"%1\" is not a number; %2.")
                    .arg(text.toString(), portRange());
            return std::nullopt;
        }
    }
    QStringView digits = text;
    while (digits.size() > 1 && digits.front() == u'0') {
        digits = digits.mid(1);
    }
    int value = 0;
    if (digits.size() <= 5) {
        for (const QChar c : digits) {
            value = value * 10 + (c.unicode() - '0');
        }
    }
    if (digits.size() > 5 || value < 1 || value > 65535) {
        error = QCoreApplication::translate("PeerAddress", "The port %1 is out of range; %2.")
                    .arg(text.toString(), portRange());
        return std::nullopt;
    }
    return static_cast<quint16>(value);
}

Parsed refuse(const QString& error) {
    return Parsed{std::nullopt, error};
}

Parsed bracketed(QStringView text, quint16 defaultPort) {
    const qsizetype close = text.indexOf(u']');
    if (close < 0) {
        return refuse(QCoreApplication::translate(
            "PeerAddress", "The address opens a bracket '[' but never closes it with ']'."));
    }
    const QStringView inside = text.mid(1, close - 1);
    if (!isIpv6(inside)) {
        return refuse(QCoreApplication::translate(
            "PeerAddress", "Only an IPv6 address goes in brackets, like [2001:db8::1]:52201."));
    }
    Target target;
    target.host = inside.toString();
    target.ipv6 = true;
    target.port = defaultPort;
    const QStringView rest = text.mid(close + 1);
    if (rest.isEmpty()) {
        return Parsed{target, {}};
    }
    if (rest.front() != u':') {
        return refuse(QCoreApplication::translate(
            "PeerAddress", "After ']' only ':' and a port may follow, like [2001:db8::1]:52201."));
    }
    QString error;
    const auto port = parsePort(rest.mid(1), error);
    if (!port) {
        return refuse(error);
    }
    target.port = *port;
    target.portGiven = true;
    return Parsed{target, {}};
}

bool looksLikeIpv4(QStringView host) {
    bool dot = false;
    for (const QChar c : host) {
        if (c == u'.') {
            dot = true;
        } else if (!isDigit(c)) {
            return false;
        }
    }
    return dot;
}

// A decimal, octal (leading 0) or hexadecimal (0x) number, as resolvers read one part of an
// IPv4 address.
bool isNumberPart(QStringView part) {
    if (part.size() >= 2 && part.front() == u'0' && (part.at(1) == u'x' || part.at(1) == u'X')) {
        for (const QChar c : part.mid(2)) {
            if (!isHexDigit(c)) {
                return false;
            }
        }
        return true;
    }
    for (const QChar c : part) {
        if (!isDigit(c)) {
            return false;
        }
    }
    return !part.isEmpty();
}

// Why a host cannot be dialled as one other player, or empty. A name made of numbers alone
// (127.1, 2130706433, 0x7f.1, 0177.0.0.1) is read by resolvers as an IPv4 address, so only the
// usual four decimal parts pass; addresses that name this machine under another alias, a
// group or every host are refused, 127.0.0.1 and ::1 excepted (two copies on one machine).
QString whyNotOneHost(const QString& host, bool ipv6) {
    if (!ipv6) {
        bool numeric = true;
        for (const QStringView part : QStringView(host).split(u'.')) {
            numeric = numeric && (part.isEmpty() || isNumberPart(part));
        }
        if (!numeric) {
            return {};  // a host name
        }
        if (!isDottedIpv4(host)) {
            return QCoreApplication::translate(
                       "PeerAddress",
                       "\"%1\" is not an IPv4 address as the game takes one: write four "
                       "numbers from 0 to 255 separated by dots, without leading zeros, "
                       "like 192.0.2.7.")
                .arg(host);
        }
    }
    QHostAddress address(host);
    bool mapped = false;
    const quint32 v4 = address.toIPv4Address(&mapped);
    if (mapped) {
        address = QHostAddress(v4);
    }
    if (address.isInSubnet(QHostAddress(QHostAddress::AnyIPv4), 8) ||
        address == QHostAddress(QHostAddress::AnyIPv6)) {
        return QCoreApplication::translate(
                   "PeerAddress",
                   "%1 names no one computer; write the other player's address, "
                   "or 127.0.0.1 for a copy on this computer.")
            .arg(host);
    }
    if (address.isMulticast()) {
        return QCoreApplication::translate("PeerAddress",
                                           "%1 is a multicast address, for a group rather than one "
                                           "player; write the other player's address.")
            .arg(host);
    }
    if (address.isBroadcast()) {
        return QCoreApplication::translate(
                   "PeerAddress",
                   "%1 is the broadcast address, for every computer on the "
                   "network rather than one player; write the other player's "
                   "address.")
            .arg(host);
    }
    return {};
}

Parsed parseText(const QString& raw, quint16 defaultPort, int maxBytes) {
    QStringView text(raw);
    while (!text.isEmpty() && text.front() == u' ') {
        text = text.mid(1);
    }
    while (!text.isEmpty() && text.back() == u' ') {
        text.chop(1);
    }
    if (text.isEmpty()) {
        return refuse(QCoreApplication::translate("PeerAddress", "No address has been entered."));
    }
    if (text.size() > maxBytes) {
        return refuse(QCoreApplication::translate(
                          "PeerAddress", "An address has at most %1 characters; this one has %2.")
                          .arg(maxBytes)
                          .arg(text.size()));
    }
    for (const QChar c : text) {
        if (c.unicode() < 32 || c.unicode() == 127) {
            return refuse(QCoreApplication::translate("PeerAddress",
                                                      "The address holds a control character."));
        }
        if (c == u' ') {
            return refuse(
                QCoreApplication::translate("PeerAddress", "An address cannot contain blanks."));
        }
    }
    if (text.front() == u'[') {
        return bracketed(text, defaultPort);
    }
    if (text.contains(u'[')) {
        return refuse(QCoreApplication::translate(
            "PeerAddress",
            "A bracket '[' may only begin an IPv6 address, like [2001:db8::1]:52201."));
    }
    if (text.contains(u']')) {
        return refuse(QCoreApplication::translate(
            "PeerAddress", "The address closes a bracket ']' that it never opened."));
    }

    Target target;
    target.port = defaultPort;
    const qsizetype colons = text.count(u':');
    if (colons == 0) {
        target.host = text.toString();
        return Parsed{target, {}};
    }
    if (colons > 1) {
        if (isIpv6(text)) {
            target.host = text.toString();
            target.ipv6 = true;
            return Parsed{target, {}};
        }
        if (looksLikeIpv4(text.left(text.indexOf(u':')))) {
            return refuse(QCoreApplication::translate(
                "PeerAddress",
                "An IPv4 address has at most one ':', before its port, like 192.0.2.7:52201."));
        }
        return refuse(QCoreApplication::translate(
            "PeerAddress",
            "An IPv6 address with a port is written in brackets, like [2001:db8::1]:52201."));
    }
    const qsizetype colon = text.indexOf(u':');
    if (colon == 0) {
        return refuse(QCoreApplication::translate(
            "PeerAddress", "The address has no host name or number before ':'."));
    }
    QString error;
    const auto port = parsePort(text.mid(colon + 1), error);
    if (!port) {
        return refuse(error);
    }
    target.host = text.left(colon).toString();
    target.port = *port;
    target.portGiven = true;
    return Parsed{target, {}};
}

}  // namespace

Parsed parse(const QString& text, quint16 defaultPort, int maxBytes) {
    const Parsed parsed = parseText(text, defaultPort, maxBytes);
    const QString why =
        parsed.target ? whyNotOneHost(parsed.target->host, parsed.target->ipv6) : QString();
    return why.isEmpty() ? parsed : refuse(why);
}

QString display(const QString& host, quint16 port) {
    if (port == kDefaultPort) {
        return host;
    }
    const QString number = QString::number(port);
    if (host.contains(QLatin1Char(':')) && !host.startsWith(QLatin1Char('['))) {
        return QLatin1Char('[') + host + QStringLiteral("]:") + number;
    }
    return host + QLatin1Char(':') + number;
}

QString registration(const QString& ownAddress, quint16 port) {
    return port == kDefaultPort ? ownAddress : display(ownAddress, port);
}

std::optional<Relay> parseRelay(const QString& text) {
    const QString trimmed = text.trimmed();
    const qsizetype slash = trimmed.lastIndexOf(QLatin1Char('/'));
    if (slash < 0 || trimmed.size() > kMaxBytes) {
        return std::nullopt;
    }
    const QString token = trimmed.mid(slash + 1);
    const bool tokenOk = !token.isEmpty() && token.size() <= 43 &&
                         std::all_of(token.begin(), token.end(), [](QChar c) {
                             return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                                    (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                                    (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                                    c == QLatin1Char('-') || c == QLatin1Char('_');
                         });
    const Parsed relay = parse(trimmed.left(slash));
    // The relay's port is always named: 52201 is the players' port, never a relay's.
    if (!tokenOk || !relay.target || !relay.target->portGiven) {
        return std::nullopt;
    }
    return Relay{*relay.target, token};
}

}  // namespace peeraddress
