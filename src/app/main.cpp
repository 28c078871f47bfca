#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>

#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/GamePicture.h"
#include "app/Language.h"
#include "app/MainWin.h"
#include "app/StatisticsPicture.h"
#include "core/Prompts.h"
#include "core/QtSoundPlayer.h"
#include "core/Random.h"
#include "net/PortMapper.h"
#include "settings/Settings.h"

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
    QCommandLineOption pictureList;
    QCommandLineOption statisticsPicture;
    QCommandLineOption dailyPicture;
    QCommandLineOption router;
    QCommandLineOption seed;
    QCommandLineOption language;
};

Options addOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Ropewit, the hangman word game."));
    parser.addHelpOption();
    parser.addVersionOption();
    Options options{
        QCommandLineOption(
            QStringLiteral("config-dir"),
            QCoreApplication::translate("CommandLine",
                                        "Directory of the settings file ROPEWIT.INI (default: %1).")
                .arg(QStringLiteral("~/.config/ropewit")),
            QStringLiteral("DIR")),
        QCommandLineOption(
            QStringLiteral("peer-port"),
            QCoreApplication::translate("CommandLine",
                                        "TCP port for games between two players (default 52201)."),
            QStringLiteral("N"), QStringLiteral("52201")),
        QCommandLineOption(QStringLiteral("matchmaking-server"),
                           QCoreApplication::translate(
                               "CommandLine", "Matchmaking server (default localhost:52202)."),
                           QStringLiteral("HOST[:PORT]"), QStringLiteral("localhost:52202")),
        QCommandLineOption(
            QStringLiteral("screenshot"),
            QCoreApplication::translate(
                "CommandLine", "Saves a picture of a game in progress to FILE (PNG) and exits."),
            QStringLiteral("FILE")),
        QCommandLineOption(QStringLiteral("screenshot-list"),
                           QCoreApplication::translate("CommandLine",
                                                       "The word list --screenshot plays, a "
                                                       "file of the data folder (default %1).")
                               .arg(QStringLiteral("ANIMALS.TXT")),
                           QStringLiteral("NAME"), QStringLiteral("ANIMALS.TXT")),
        QCommandLineOption(
            QStringLiteral("screenshot-statistics"),
            QCoreApplication::translate("CommandLine",
                                        "Saves a picture of the Statistics window, with "
                                        "made-up figures, to FILE (PNG) and exits."),
            QStringLiteral("FILE")),
        QCommandLineOption(
            QStringLiteral("screenshot-daily"),
            QCoreApplication::translate("CommandLine",
                                        "Saves a picture of the Statistics window after a "
                                        "word of the day, with made-up figures, to FILE "
                                        "(PNG) and exits."),
            QStringLiteral("FILE")),
        QCommandLineOption(QStringLiteral("router"),
                           QCoreApplication::translate(
                               "CommandLine",
                               "Ask the home router to forward the game port while waiting: off, "
                               "discover, or the URL of the router's description (overrides "
                               "ROPEWIT_ROUTER and the Options menu)."),
                           QStringLiteral("off|discover|URL")),
        QCommandLineOption(
            QStringLiteral("random-seed"),
            QCoreApplication::translate("CommandLine",
                                        "Start the random generator from N, to deal the words "
                                        "in the same order again (0: the generator's own "
                                        "start; default: a new order every run)."),
            QStringLiteral("N")),
        QCommandLineOption(
            QStringLiteral("language"),
            QCoreApplication::translate("CommandLine",
                                        "The window's language: de, es, fr, or en (also C) "
                                        "for English (overrides the system's and the Options "
                                        "menu)."),
            QStringLiteral("CODE")),
    };
    parser.addOption(options.configDir);
    parser.addOption(options.router);
    parser.addOption(options.picture);
    parser.addOption(options.pictureList);
    parser.addOption(options.statisticsPicture);
    parser.addOption(options.dailyPicture);
    parser.addOption(options.peerPort);
    parser.addOption(options.server);
    parser.addOption(options.seed);
    parser.addOption(options.language);
    return options;
}

QString configDirOf(const QCommandLineParser& parser, const Options& options) {
    return parser.isSet(options.configDir)
               ? parser.value(options.configDir)
               : QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

void installLanguage(const QCommandLineParser& parser, const Options& options) {
    Settings chosen;
    chosen.IniPath = QDir(configDirOf(parser, options)).filePath(QStringLiteral("ROPEWIT.INI"));
    LoadSettings(chosen);
    language::install(findProgramDir(),
                      language::choose(parser.value(options.language), chosen.Language));
}

// The context the options give, and the generator's start; a malformed option ends the
// program.
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

    context.configDir = configDirOf(parser, options);
    if (!QDir().mkpath(context.configDir)) {
        fail(QStringLiteral("--config-dir: cannot create '%1'").arg(context.configDir));
    }
    context.programDir = findProgramDir();

    const auto seed = startSeed(parser.value(options.seed), parser.isSet(options.seed));
    if (!seed) {
        fail(QStringLiteral("--random-seed: '%1' is not a number from 0 to 4294967295")
                 .arg(parser.value(options.seed)));
    }
    programRandom().setState(*seed);

    // The language is set before any window exists; the rest of the settings load later.
    installLanguage(parser, options);
    return context;
}

// Answers --help and --version, if asked, and exits. Only a QCoreApplication exists then: a
// QApplication needs a display, which a terminal may not have. The other options wait for the
// QApplication, which first takes its own (-platform, -style) out of the arguments.
void answerHelpOrVersion(int argc, char* argv[]) {
    const QByteArrayList asks{"-h", "--help", "-?", "--help-all", "-v", "--version"};
    if (std::none_of(argv + 1, argv + argc, [&](const char* arg) { return asks.contains(arg); })) {
        return;
    }
    QCoreApplication core(argc, argv);
    nameApplication();
    // The help speaks the window's language: a first reading finds it, a second parser holds
    // the texts in it.
    {
        QCommandLineParser first;
        const Options options = addOptions(first);
        first.parse(QCoreApplication::arguments());
        installLanguage(first, options);
    }
    QCommandLineParser parser;
    addOptions(parser);
    // Qt's own options (-platform) are unknown to this parser: they do not stop the answer.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("help"))) {
        parser.showHelp(0);
    }
    if (parser.isSet(QStringLiteral("help-all"))) {
        parser.process(QCoreApplication::arguments());
    }
    if (parser.isSet(QStringLiteral("version"))) {
        parser.showVersion();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    answerHelpOrVersion(argc, argv);
    QApplication app(argc, argv);
    setUpApplication();

    QCommandLineParser parser;
    const Options options = addOptions(parser);
    if (!parser.parse(QCoreApplication::arguments())) {
        fail(parser.errorText());
    }
    if (!parser.positionalArguments().isEmpty()) {
        fail(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    }

    AppContext context = contextFrom(parser, options);
    if (parser.isSet(options.picture)) {
        return saveGameInProgressPicture(context, parser.value(options.picture),
                                         parser.value(options.pictureList));
    }
    if (parser.isSet(options.statisticsPicture)) {
        return saveStatisticsPicture(parser.value(options.statisticsPicture), false);
    }
    if (parser.isSet(options.dailyPicture)) {
        return saveStatisticsPicture(parser.value(options.dailyPicture), true);
    }

    WidgetPrompts prompts;
    QtSoundPlayer sound;
    context.prompts = &prompts;
    context.sound = &sound;

    TMainWin window(context);
    window.show();
    return QApplication::exec();
}
