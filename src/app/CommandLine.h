#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The program's command-line options, checked before any window exists.
struct CommandLine {
    QString configDir;  // empty: the XDG config location
    quint16 peerPort = 52201;
    QString matchmakingHost = QStringLiteral("localhost");
    quint16 matchmakingPort = 52202;
};

// A port number 1..65535 from its text; nothing when the text is not one.
std::optional<quint16> parsePort(const QString& text);
// HOST or HOST:PORT (an IPv6 address in brackets: [::1]:52202); nothing when malformed.
std::optional<std::pair<QString, quint16>> parseHostPort(const QString& text, quint16 defaultPort);
// The generator's first state from --random-seed N: N when given (0 is the state the generator
// starts from by itself), else startUpSeed(). Nothing when N is not a number 0..4294967295.
std::optional<quint32> startSeed(const QString& text, bool given);
