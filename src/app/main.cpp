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

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpApplication();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Ropewit, the hangman word game."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption configDir(
        QStringLiteral("config-dir"),
        QStringLiteral("Directory of the settings file ROPEWIT.INI (default: %1).")
            .arg(QStringLiteral("~/.config/ropewit")),
        QStringLiteral("DIR"));
    const QCommandLineOption peerPort(
        QStringLiteral("peer-port"),
        QStringLiteral("TCP port for games between two players (default 52201)."),
        QStringLiteral("N"), QStringLiteral("52201"));
    const QCommandLineOption server(QStringLiteral("matchmaking-server"),
                                    QStringLiteral("Matchmaking server (default localhost:52202)."),
                                    QStringLiteral("HOST[:PORT]"),
                                    QStringLiteral("localhost:52202"));
    const QCommandLineOption picture(
        QStringLiteral("screenshot"),
        QStringLiteral("Saves a picture of a game in progress to FILE (PNG) and exits."),
        QStringLiteral("FILE"));
    const QCommandLineOption router(
        QStringLiteral("router"),
        QStringLiteral("Ask the home router to forward the game port while waiting: off, "
                       "discover, or the URL of the router's description (overrides "
                       "ROPEWIT_ROUTER and the Options menu)."),
        QStringLiteral("off|discover|URL"));
    parser.addOption(configDir);
    parser.addOption(router);
    parser.addOption(picture);
    parser.addOption(peerPort);
    parser.addOption(server);
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

    AppContext context;
    const auto port = parsePort(parser.value(peerPort));
    if (!port) {
        fail(QStringLiteral("--peer-port: '%1' is not a port number (1-65535)")
                 .arg(parser.value(peerPort)));
    }
    context.peerPort = *port;
    const auto hostPort = parseHostPort(parser.value(server), 52202);
    if (!hostPort) {
        fail(QStringLiteral("--matchmaking-server: '%1' is not HOST or HOST:PORT")
                 .arg(parser.value(server)));
    }
    context.matchmakingHost = hostPort->first;
    context.matchmakingPort = hostPort->second;

    if (parser.isSet(router)) {
        PortMapper::Config checked;
        QString error;
        if (!PortMapper::parseMode(parser.value(router), checked, error)) {
            fail(QStringLiteral("--router: ") + error);
        }
        context.routerOption = parser.value(router);
    }

    context.configDir = parser.isSet(configDir)
                            ? parser.value(configDir)
                            : QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (!QDir().mkpath(context.configDir)) {
        fail(QStringLiteral("--config-dir: cannot create '%1'").arg(context.configDir));
    }
    context.programDir = findProgramDir();
    if (parser.isSet(picture)) {
        return saveGameInProgressPicture(context, parser.value(picture));
    }

    WidgetPrompts prompts;
    QtSoundPlayer sound;
    context.prompts = &prompts;
    context.sound = &sound;

    TMainWin window(context);
    window.show();
    return QApplication::exec();
}
