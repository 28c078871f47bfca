#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>

namespace matchd {

struct Options {
    QHostAddress listen = QHostAddress(QHostAddress::Any);
    quint16 port = 52202;  // 0: the system picks one; the first log line names it
    int capacity = 1000;
    int expirySeconds = 600;
    int maxConnections = 20000;
    int idleTimeoutMs = 30000;
};

struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    Options options;
    QString text;  // help text, version line or error message
};

// Reads the program's arguments (the first being the program itself).
CommandLine parseCommandLine(const QStringList& arguments);

}  // namespace matchd
