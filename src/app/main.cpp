#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/GamePicture.h"
#include "app/MainWin.h"
#include "core/Prompts.h"
#include "core/QtSoundPlayer.h"
#include "net/PortMapper.h"

namespace {

// Data files lie beside the program in the build tree, in share/ropewit once installed.
QString findProgramDir() {
    const QString here = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(here + QStringLiteral("/ROPEWIT.TXT"))) {
        return here;
    }
    const QString installed = QDir::cleanPath(here + QStringLiteral("/../share/ropewit"));
    return QFileInfo::exists(installed) ? installed : here;
}

[[noreturn]] void fail(const QString& message) {
    std::fprintf(stderr, "ropewit: %s\n", qPrintable(message));
    std::exit(2);
}

// The program's options, added to the parser.
struct Options {
    QCommandLineOption configDir;
    QCommandLineOption peerPort;
    QCommandLineOption server;
    QCommandLineOption picture;
    QCommandLineOption router;
};

Options addOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Ropewit, the hangman word game."));
    parser.addHelpOption();
    parser.addVersionOption();
    Options options{
        QCommandLineOption(
            QStringLiteral("config-dir"),
            QStringLiteral("Directory of the settings file ROPEWIT.INI (default: %1).")
                .arg(QStringLiteral("~/.config/ropewit")),
            QStringLiteral("DIR")),
        QCommandLineOption(
            QStringLiteral("peer-port"),
            QStringLiteral("TCP port for games between two players (default 52201)."),
            QStringLiteral("N"), QStringLiteral("52201")),
        QCommandLineOption(QStringLiteral("matchmaking-server"),
                           QStringLiteral("Matchmaking server (default localhost:52202)."),
                           QStringLiteral("HOST[:PORT]"), QStringLiteral("localhost:52202")),
        QCommandLineOption(
            QStringLiteral("screenshot"),
            QStringLiteral("Saves a picture of a game in progress to FILE (PNG) and exits."),
            QStringLiteral("FILE")),
        QCommandLineOption(
            QStringLiteral("router"),
            QStringLiteral("Ask the home router to forward the game port while waiting: off, "
                           "discover, or the URL of the router's description (overrides "
                           "ROPEWIT_ROUTER and the Options menu)."),
            QStringLiteral("off|discover|URL")),
    };
    parser.addOption(options.configDir);
    parser.addOption(options.router);
    parser.addOption(options.picture);
    parser.addOption(options.peerPort);
    parser.addOption(options.server);
    return options;
}

// The context the options give; a malformed option ends the program.
AppContext contextFrom(const QCommandLineParser& parser, const Options& options) {
    AppContext context;
    const auto port = parsePort(parser.value(options.peerPort));
    if (!port) {
        fail(QStringLiteral("--peer-port: '%1' is not a port number (1-65535)")
                 .arg(parser.value(options.peerPort)));
    }
    context.peerPort = *port;
    const auto hostPort = parseHostPort(parser.value(options.server), 52202);
    if (!hostPort) {
        fail(QStringLiteral("--matchmaking-server: '%1' is not HOST or HOST:PORT")
                 .arg(parser.value(options.server)));
    }
    context.matchmakingHost = hostPort->first;
    context.matchmakingPort = hostPort->second;
    context.matchmakingGiven = parser.isSet(options.server);

    if (parser.isSet(options.router)) {
        PortMapper::Config checked;
        QString error;
        if (!PortMapper::parseMode(parser.value(options.router), checked, error)) {
            fail(QStringLiteral("--router: ") + error);
        }
        context.routerOption = parser.value(options.router);
    }

    context.configDir = parser.isSet(options.configDir)
                            ? parser.value(options.configDir)
                            : QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (!QDir().mkpath(context.configDir)) {
        fail(QStringLiteral("--config-dir: cannot create '%1'").arg(context.configDir));
    }
    context.programDir = findProgramDir();
    return context;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpApplication();

    QCommandLineParser parser;
    const Options options = addOptions(parser);
    if (!parser.parse(QCoreApplication::arguments())) {
        fail(parser.errorText());
    }
    if (parser.isSet(QStringLiteral("help"))) {
        parser.showHelp(0);
    }
    if (parser.isSet(QStringLiteral("version"))) {
        parser.showVersion();
    }
    if (!parser.positionalArguments().isEmpty()) {
        fail(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    }

    AppContext context = contextFrom(parser, options);
    if (parser.isSet(options.picture)) {
        return saveGameInProgressPicture(context, parser.value(options.picture));
    }

    WidgetPrompts prompts;
    QtSoundPlayer sound;
    context.prompts = &prompts;
    context.sound = &sound;

    TMainWin window(context);
    window.show();
    return QApplication::exec();
}
