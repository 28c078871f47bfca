#pragma once

#include <QString>
#include <array>

#include "core/Prompts.h"

// The settings of the program that outlive a run, kept in ROPEWIT.INI. One record per main
// window; dialogs edit it in place and then save the whole file.
struct Settings {
    static constexpr int kSoundSlots = 25;
    static constexpr int kAddressSlots = 10;

    bool FirstTime = true;
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

    TileFont AlphabetFont;
    bool AlphabetBold = false, AlphabetItalic = false, AlphabetUnderline = false,
         AlphabetStrikeout = false;
    QString AlphabetBitmap;
    TileFont WordFont;
    bool WordBold = false, WordItalic = false, WordUnderline = false, WordStrikeout = false;
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

    Settings();
};

// The default font of both tile looks: Arial 14 points, black, no style.
TileFont defaultTileFont();

// Colours are kept in the file as Windows COLORREF numbers: 0x00BBGGRR.
QColor colorFromColorRef(int value);
int colorRefFromColor(const QColor& color);

bool ReadYesNo(const QString& value);
QString WriteYesNo(bool value);

// Reads every key of the file named by settings.IniPath into the record (defaults for
// what is missing), sets up the two fonts and counts the two sound lists.
void LoadSettings(Settings& settings);
// Writes every key. Keys and sections the program does not know are kept. The file is
// replaced whole (a temporary file, then a rename). The style flags of the record are first
// taken again from the fonts themselves. False when the file could not be written.
bool SaveSettings(Settings& settings);
