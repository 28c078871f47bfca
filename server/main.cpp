#include <QCoreApplication>
#include <cstdio>

#include <signal.h>
#include <sys/resource.h>

#include "MatchOptions.h"
#include "MatchProtocol.h"
#include "MatchServer.h"

namespace {

void writeLine(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    if (!bytes.endsWith('\n'))
        std::fputc('\n', stream);
    std::fflush(stream);
}

// Every open connection is a descriptor; the default soft limit is often far below the
// connection limit.
void raiseDescriptorLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ropewit-matchd"));

    const matchd::CommandLine cl = matchd::parseCommandLine(QCoreApplication::arguments());
    switch (cl.action) {
        case matchd::CommandLine::Action::Help:
        case matchd::CommandLine::Action::Version:
            writeLine(stdout, cl.text);
            return 0;
        case matchd::CommandLine::Action::Error:
            writeLine(stderr, QStringLiteral("ropewit-matchd: ") + cl.text +
                                  QStringLiteral("\nTry 'ropewit-matchd --help'."));
            return 2;
        case matchd::CommandLine::Action::Run:
            break;
    }
    const matchd::Options& o = cl.options;

    // A peer that vanishes while being answered must not end the server.
    signal(SIGPIPE, SIG_IGN);
    raiseDescriptorLimit();

    matchd::MatchService service(o.capacity, qint64{o.expirySeconds} * 1000);
    matchd::MatchServer server(service, {o.maxConnections, o.idleTimeoutMs},
                               [](const QString& line) { writeLine(stdout, line); });
    if (!server.listen(o.listen, o.port)) {
        writeLine(stderr, QStringLiteral("ropewit-matchd: cannot listen on %1 port %2: %3")
                              .arg(o.listen.toString())
                              .arg(o.port)
                              .arg(server.errorString()));
        return 1;
    }
    server.log(
        QStringLiteral("-"),
        QStringLiteral("listening on %1 port %2; capacity %3, expiry %4 s, idle timeout "
                       "%5 ms, at most %6 connections")
            .arg(o.listen == QHostAddress(QHostAddress::Any) ? QStringLiteral("every address")
                                                             : o.listen.toString())
            .arg(server.serverPort())
            .arg(o.capacity)
            .arg(o.expirySeconds)
            .arg(o.idleTimeoutMs)
            .arg(o.maxConnections));
    return QCoreApplication::exec();
}
