#include "MatchOptions.h"

#include <QCommandLineParser>

#ifndef ROPEWIT_VERSION
#define ROPEWIT_VERSION "0"
#endif

namespace matchd {

namespace {

CommandLine failure(const QString& message) {
    CommandLine cl;
    cl.action = CommandLine::Action::Error;
    cl.text = message;
    return cl;
}

// A whole decimal number within [low, high]; nothing else.
bool readNumber(const QString& text, qint64 low, qint64 high, qint64* out) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    if (!ok || value < low || value > high || text.trimmed() != text || text.startsWith('+'))
        return false;
    *out = value;
    return true;
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Matchmaking server of Ropewit: keeps the list of players who wait for "
                       "an opponent."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and exits."));
    const QCommandLineOption listen(
        QStringLiteral("listen"), QStringLiteral("Address to listen on (default: every address)."),
        QStringLiteral("ADDR"));
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("TCP port (default 52202; 0 lets the system choose, the first log "
                       "line names it)."),
        QStringLiteral("N"));
    const QCommandLineOption capacity(
        QStringLiteral("capacity"),
        QStringLiteral("Most players waiting at once (default 1000, at most 1000000)."),
        QStringLiteral("N"));
    const QCommandLineOption expiry(
        QStringLiteral("expiry"),
        QStringLiteral("Seconds a registration lasts unless renewed (default 600)."),
        QStringLiteral("SECONDS"));
    const QCommandLineOption maxConnections(
        QStringLiteral("max-connections"),
        QStringLiteral("Most connections open at once; more are closed at once "
                       "(default 20000)."),
        QStringLiteral("N"));
    QCommandLineOption idleTimeout(
        QStringLiteral("idle-timeout-ms"),
        QStringLiteral("Milliseconds a connection may take to deliver its request."),
        QStringLiteral("MS"));
    idleTimeout.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({help, version, listen, port, capacity, expiry, maxConnections, idleTimeout});

    if (!parser.parse(arguments))
        return failure(parser.errorText());
    if (parser.isSet(help)) {
        CommandLine cl;
        cl.action = CommandLine::Action::Help;
        cl.text = parser.helpText();
        return cl;
    }
    if (parser.isSet(version)) {
        CommandLine cl;
        cl.action = CommandLine::Action::Version;
        cl.text = QStringLiteral("ropewit-matchd " ROPEWIT_VERSION "\n");
        return cl;
    }
    if (!parser.positionalArguments().isEmpty())
        return failure(QStringLiteral("unexpected argument \"%1\"")
                           .arg(parser.positionalArguments().constFirst()));

    CommandLine cl;
    Options& o = cl.options;
    if (parser.isSet(listen)) {
        const QString value = parser.value(listen);
        if (value.compare(QLatin1String("any"), Qt::CaseInsensitive) == 0) {
            o.listen = QHostAddress(QHostAddress::Any);
        } else if (!o.listen.setAddress(value)) {
            return failure(
                QStringLiteral("--listen: \"%1\" is not an IPv4 or IPv6 address").arg(value));
        }
    }
    struct NumberOption {
        const QCommandLineOption& option;
        qint64 low;
        qint64 high;
        int* target;
    };
    int portValue = o.port;
    const NumberOption numbers[] = {
        {port, 0, 65535, &portValue},
        {capacity, 1, 1000000, &o.capacity},
        {expiry, 1, 31536000, &o.expirySeconds},
        {maxConnections, 1, 1000000, &o.maxConnections},
        {idleTimeout, 1, 86400000, &o.idleTimeoutMs},
    };
    for (const NumberOption& n : numbers) {
        if (!parser.isSet(n.option))
            continue;
        const QString value = parser.value(n.option);
        qint64 read = 0;
        if (!readNumber(value, n.low, n.high, &read)) {
            return failure(QStringLiteral("--%1: expected a whole number from %2 to %3, got \"%4\"")
                               .arg(n.option.names().constFirst())
                               .arg(n.low)
                               .arg(n.high)
                               .arg(value));
        }
        *n.target = static_cast<int>(read);
    }
    o.port = static_cast<quint16>(portValue);
    return cl;
}

}  // namespace matchd
