#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class Prompts;
class SoundPlayer;

// Everything the main window takes from outside: where its files live, its ports, and the
// seams (prompts, sound, the machine's addresses) that tests replace.
struct AppContext {
    QString configDir;   // directory of ROPEWIT.INI
    QString programDir;  // sounds, ROPEWIT.TXT, help; no trailing slash
    QString dataDir;     // the statistics; empty: the XDG data location
    quint16 peerPort = 52201;
    QString matchmakingHost = QStringLiteral("localhost");
    quint16 matchmakingPort = 52202;
    // The server was given with --matchmaking-server: it wins over the player's choice.
    bool matchmakingGiven = false;
    // --router: "off", "discover" or a router description URL; empty: ROPEWIT_ROUTER, then the
    // player's setting.
    QString routerOption;
    Prompts* prompts = nullptr;
    SoundPlayer* sound = nullptr;
    // This machine's addresses in dotted form; empty means the real list.
    std::function<QStringList()> localAddresses;
};
