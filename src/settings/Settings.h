#pragma once

#include <QString>
#include <array>
#include <functional>

#include "core/StoredFont.h"

// The settings of the program that outlive a run, kept in ROPEWIT.INI. One record per main
// window; dialogs edit it in place and then save the whole file.
struct Settings {
    static constexpr int kSoundSlots = 25;
    static constexpr int kAddressSlots = 10;

    bool FirstTime = true;
    // Ask the home router to forward the game port while waiting for a caller. Kept in a
    // section of its own: off until the player turns it on.
    bool OpenPortOnRouter = false;
    // The window's high-contrast look, kept beside the router's options.
    bool HighContrast = false;
    // Accented letters count as their base letter in this player's guessing, kept beside it.
    bool FoldAccents = false;
    // The matchmaking server chosen in the Options menu, HOST or HOST:PORT; empty: the
    // built-in one. Kept beside it; --matchmaking-server wins over it.
    QString MatchmakingServer;
    // The window's language chosen in the Options menu ("de", "en"...); empty: the system's.
    // Kept beside them, read at start-up only.
    QString Language;
    // The word length of solo play: "any", "short", "medium" or "long"; a section of its own.
    QString SoloLength = QStringLiteral("any");
    bool UseSound = true;
    bool UseUpper = true;
    QString NumGuesses = QStringLiteral("8");  // at most 2 characters
    QString UserName;                          // at most 20 characters
    int GameType = 2;
    int WinScore = 100;
    int WordType = 2;
    bool SameWordLength = true;
    bool Player1Chooses = true;
    bool UseHints = false;
    bool ScrambleList = true;

    StoredFont AlphabetFont;
    QString AlphabetBitmap;
    StoredFont WordFont;
    QString WordBitmap;

    int LastPanel1Option = 2;
    int LastPanel2Option = 1;
    int LastPanel3Option = 1;
    std::array<QString, kAddressSlots> LastIpAddresses;  // index 0 is entry 1

    std::array<QString, kSoundSlots> CorrectLetterSounds;  // index 0 is slot 1
    int CorrectLetterCount = 0;
    std::array<QString, kSoundSlots> MissedLetterSounds;
    int MissedLetterCount = 0;
    QString CorrectWordSound;
    QString MissedWordSound;

    QString ProgramDir;  // not stored
    QString IniPath;     // full path of ROPEWIT.INI; not stored

    // Not stored. True when ROPEWIT.INI exists but could not be read: the program then runs
    // with the defaults and never saves over that file.
    bool IniUnreadable = false;
    // Not stored. Told, once per run, in a sentence for the player, when the settings file
    // could not be read or a save failed; the window shows it.
    std::function<void(const QString&)> ReportProblem;
    bool ProblemReported = false;
};

bool ReadYesNo(const QString& value);
QString WriteYesNo(bool value);

// Reads every key of the file named by settings.IniPath into the record (defaults for
// what is missing) and counts the two sound lists.
void LoadSettings(Settings& settings);
// Writes every key. Keys and sections the program does not know are kept, and so is a part
// of a big file that was never read. The file is replaced whole (a new file, every write
// checked, then a rename) or not at all. False when the file was not written; a file that
// could not be read is never written over. A failure is told to ReportProblem (once per run).
bool SaveSettings(Settings& settings);
