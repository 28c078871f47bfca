#include "settings/Settings.h"

#include <QStringList>

#include "core/Text.h"
#include "settings/IniFile.h"
#include "settings/OptionBounds.h"

namespace {

// Buffer sizes of the reads; a read gives at most one character less.
constexpr int kFlagBuffer = 15;      // Booleans and "Number of Guesses"
constexpr int kUserNameBuffer = 21;  // a name of 20 characters comes back whole
constexpr int kTextBuffer = 150;     // every other key

constexpr int kNumGuessesLength = 2;

const QString kMisc = QStringLiteral("Misc");
const QString kOptions = QStringLiteral("Options");
const QString kAlphabetFont = QStringLiteral("Alphabet Font");
const QString kWordFont = QStringLiteral("Word Font");
const QString kNewGame = QStringLiteral("New Game");
const QString kSounds = QStringLiteral("Sounds");
const QString kRouter = QStringLiteral("Router");
const QString kOpenPort = QStringLiteral("Open Port");
const QString kMatchmakingServer = QStringLiteral("Matchmaking Server");
const QString kLanguage = QStringLiteral("Language");
const QString kSolo = QStringLiteral("Solo");
const QString kWordLength = QStringLiteral("Word Length");
const QString kHighContrast = QStringLiteral("High Contrast");
const QString kFoldAccents = QStringLiteral("Fold Accents");

// Sound files of the program directory used for empty slots (slots 1..3 and 1..5).
const QStringList kCorrectLetterDefaults = {
    QStringLiteral("/YEAH.WAV"), QStringLiteral("/WINMUSIC.WAV"), QStringLiteral("/DONG.WAV")};
const QStringList kMissedLetterDefaults = {
    QStringLiteral("/GIGGLE.WAV"), QStringLiteral("/CUCKOO.WAV"), QStringLiteral("/GLASSBRK.WAV"),
    QStringLiteral("/OUCH.WAV"), QStringLiteral("/SIREN.WAV")};
const QString kCorrectWordDefault = QStringLiteral("/MUSIC1.WAV");
const QString kMissedWordDefault = QStringLiteral("/TAPS.WAV");

QString correctLetterKey(int n) {
    return QStringLiteral("Correct Letter Sound %1").arg(n);
}
QString missedLetterKey(int n) {
    return QStringLiteral("Missed Letter Sound %1").arg(n);
}
QString addressKey(int n) {
    return QStringLiteral("Last IP Add %1").arg(n);
}
QString panelKey(int n) {
    return QStringLiteral("Last Panel %1 Option").arg(n);
}

QString readText(const IniFile& ini, const QString& section, const QString& key,
                 const QString& defaultValue = QString(), int bufferSize = kTextBuffer) {
    return text::bounded(ini.readString(section, key, defaultValue, bufferSize));
}

bool readFlag(const IniFile& ini, const QString& section, const QString& key, bool defaultValue) {
    return ReadYesNo(ini.readString(section, key, WriteYesNo(defaultValue), kFlagBuffer));
}

int readNumber(const IniFile& ini, const QString& section, const QString& key, int defaultValue) {
    return text::leadingInt(
        ini.readString(section, key, QString::number(defaultValue), kTextBuffer), true);
}

void writeFlag(IniFile& ini, const QString& section, const QString& key, bool value) {
    ini.writeString(section, key, WriteYesNo(value));
}

void writeNumber(IniFile& ini, const QString& section, const QString& key, int value) {
    ini.writeString(section, key, QString::number(value));
}

// The keys of one tile look, the same in both font sections.
void loadFont(const IniFile& ini, const QString& section, StoredFont& font, QString& bitmap) {
    const StoredFont defaults;
    font.colorRef =
        StoredFont::colorOnly(readNumber(ini, section, QStringLiteral("Color"), defaults.colorRef));
    font.family = readText(ini, section, QStringLiteral("Font Name"), defaults.family);
    font.pointSize = StoredFont::usablePointSize(
        readNumber(ini, section, QStringLiteral("Size"), defaults.pointSize));
    font.bold = readFlag(ini, section, QStringLiteral("Bold"), defaults.bold);
    font.italic = readFlag(ini, section, QStringLiteral("Italic"), defaults.italic);
    font.underline = readFlag(ini, section, QStringLiteral("Underline"), defaults.underline);
    font.strikeout = readFlag(ini, section, QStringLiteral("Strikeout"), defaults.strikeout);
    bitmap = readText(ini, section, QStringLiteral("Bitmap"));
}

void saveFont(IniFile& ini, const QString& section, const StoredFont& font, const QString& bitmap) {
    writeNumber(ini, section, QStringLiteral("Color"), StoredFont::colorOnly(font.colorRef));
    ini.writeString(section, QStringLiteral("Font Name"), font.family);
    writeNumber(ini, section, QStringLiteral("Size"), StoredFont::usablePointSize(font.pointSize));
    writeFlag(ini, section, QStringLiteral("Bold"), font.bold);
    writeFlag(ini, section, QStringLiteral("Italic"), font.italic);
    writeFlag(ini, section, QStringLiteral("Underline"), font.underline);
    writeFlag(ini, section, QStringLiteral("Strikeout"), font.strikeout);
    ini.writeString(section, QStringLiteral("Bitmap"), bitmap);
}

// Slots after the first empty one stay in the list but are not played.
int countUpToFirstEmpty(const std::array<QString, Settings::kSoundSlots>& list) {
    int count = 0;
    while (count < Settings::kSoundSlots && !list[static_cast<size_t>(count)].isEmpty()) {
        ++count;
    }
    return count;
}

void reportOnce(Settings& s, const QString& problem) {
    if (s.ProblemReported || !s.ReportProblem) {
        return;
    }
    s.ProblemReported = true;
    s.ReportProblem(problem);
}

}  // namespace

bool ReadYesNo(const QString& value) {
    return text::asciiUpper(value) == QLatin1String("YES");
}

QString WriteYesNo(bool value) {
    return value ? QStringLiteral("Yes") : QStringLiteral("No");
}

void LoadSettings(Settings& s) {
    IniFile ini;
    s.IniUnreadable = false;
    if (!s.IniPath.isEmpty()) {
        ini.load(s.IniPath);
        if (ini.source() == IniFile::Source::Unreadable) {
            s.IniUnreadable = true;
            reportOnce(s, QStringLiteral("The settings file %1 could not be read. The program "
                                         "runs with the default settings and leaves that file "
                                         "as it is.")
                              .arg(s.IniPath));
        }
    }

    s.FirstTime = readFlag(ini, kMisc, QStringLiteral("First Time"), true);
    s.OpenPortOnRouter = readFlag(ini, kRouter, kOpenPort, false);
    s.MatchmakingServer = readText(ini, kRouter, kMatchmakingServer).trimmed();
    s.Language = readText(ini, kRouter, kLanguage).trimmed();
    s.SoloLength = ini.readString(kSolo, kWordLength, QStringLiteral("any"), 16);
    s.HighContrast = readFlag(ini, kRouter, kHighContrast, false);
    s.FoldAccents = readFlag(ini, kRouter, kFoldAccents, false);

    s.UseSound = readFlag(ini, kOptions, QStringLiteral("Use Sound"), true);
    s.UseUpper = readFlag(ini, kOptions, QStringLiteral("Use Upper"), true);
    s.NumGuesses = optionbounds::guessAttemptsText(
        ini.readString(kOptions, QStringLiteral("Number of Guesses"), QStringLiteral("8"),
                       kFlagBuffer)
            .left(kNumGuessesLength));
    s.UserName = ini.readString(kOptions, QStringLiteral("User Name"), QString(), kUserNameBuffer);
    s.GameType = readNumber(ini, kOptions, QStringLiteral("Game Type"), 2);
    s.WinScore =
        optionbounds::winScore(readNumber(ini, kOptions, QStringLiteral("Win Score"), 100));
    s.WordType = readNumber(ini, kOptions, QStringLiteral("Word Type"), 2);
    s.SameWordLength = readFlag(ini, kOptions, QStringLiteral("Same Word Length"), true);
    s.Player1Chooses = readFlag(ini, kOptions, QStringLiteral("Player 1 Chooses"), true);
    s.UseHints = readFlag(ini, kOptions, QStringLiteral("Use Hints"), false);
    s.ScrambleList = readFlag(ini, kOptions, QStringLiteral("Scramble List"), true);

    loadFont(ini, kAlphabetFont, s.AlphabetFont, s.AlphabetBitmap);
    loadFont(ini, kWordFont, s.WordFont, s.WordBitmap);

    s.LastPanel1Option = readNumber(ini, kNewGame, panelKey(1), 2);
    s.LastPanel2Option = readNumber(ini, kNewGame, panelKey(2), 1);
    s.LastPanel3Option = readNumber(ini, kNewGame, panelKey(3), 1);
    for (int n = 1; n <= Settings::kAddressSlots; ++n) {
        s.LastIpAddresses[static_cast<size_t>(n - 1)] = readText(ini, kNewGame, addressKey(n));
    }

    for (int n = 1; n <= Settings::kSoundSlots; ++n) {
        QString& correct = s.CorrectLetterSounds[static_cast<size_t>(n - 1)];
        correct = readText(ini, kSounds, correctLetterKey(n));
        if (correct.isEmpty() && n <= kCorrectLetterDefaults.size()) {
            correct = s.ProgramDir + kCorrectLetterDefaults.at(n - 1);
        }
        QString& missed = s.MissedLetterSounds[static_cast<size_t>(n - 1)];
        missed = readText(ini, kSounds, missedLetterKey(n));
        if (missed.isEmpty() && n <= kMissedLetterDefaults.size()) {
            missed = s.ProgramDir + kMissedLetterDefaults.at(n - 1);
        }
    }
    s.CorrectLetterCount = countUpToFirstEmpty(s.CorrectLetterSounds);
    s.MissedLetterCount = countUpToFirstEmpty(s.MissedLetterSounds);

    s.CorrectWordSound = readText(ini, kSounds, QStringLiteral("Correct Word Sound"));
    if (s.CorrectWordSound.isEmpty()) {
        s.CorrectWordSound = s.ProgramDir + kCorrectWordDefault;
    }
    s.MissedWordSound = readText(ini, kSounds, QStringLiteral("Missed Word Sound"));
    if (s.MissedWordSound.isEmpty()) {
        s.MissedWordSound = s.ProgramDir + kMissedWordDefault;
    }
}

bool SaveSettings(Settings& s) {
    if (s.IniPath.isEmpty() || s.IniUnreadable) {
        return false;
    }
    // Start from the file as it is, so keys and sections of others survive the rewrite.
    IniFile ini;
    ini.load(s.IniPath);

    writeFlag(ini, kMisc, QStringLiteral("First Time"), s.FirstTime);

    writeFlag(ini, kOptions, QStringLiteral("Use Sound"), s.UseSound);
    writeFlag(ini, kOptions, QStringLiteral("Use Upper"), s.UseUpper);
    ini.writeString(kOptions, QStringLiteral("Number of Guesses"), s.NumGuesses);
    ini.writeString(kOptions, QStringLiteral("User Name"), s.UserName);
    writeNumber(ini, kOptions, QStringLiteral("Game Type"), s.GameType);
    writeNumber(ini, kOptions, QStringLiteral("Win Score"), s.WinScore);
    writeNumber(ini, kOptions, QStringLiteral("Word Type"), s.WordType);
    writeFlag(ini, kOptions, QStringLiteral("Same Word Length"), s.SameWordLength);
    writeFlag(ini, kOptions, QStringLiteral("Player 1 Chooses"), s.Player1Chooses);
    writeFlag(ini, kOptions, QStringLiteral("Use Hints"), s.UseHints);
    writeFlag(ini, kOptions, QStringLiteral("Scramble List"), s.ScrambleList);

    saveFont(ini, kAlphabetFont, s.AlphabetFont, s.AlphabetBitmap);
    saveFont(ini, kWordFont, s.WordFont, s.WordBitmap);

    writeNumber(ini, kNewGame, panelKey(1), s.LastPanel1Option);
    writeNumber(ini, kNewGame, panelKey(2), s.LastPanel2Option);
    writeNumber(ini, kNewGame, panelKey(3), s.LastPanel3Option);
    for (int n = 1; n <= Settings::kAddressSlots; ++n) {
        ini.writeString(kNewGame, addressKey(n), s.LastIpAddresses[static_cast<size_t>(n - 1)]);
    }

    for (int n = 1; n <= Settings::kSoundSlots; ++n) {
        ini.writeString(kSounds, correctLetterKey(n),
                        s.CorrectLetterSounds[static_cast<size_t>(n - 1)]);
        ini.writeString(kSounds, missedLetterKey(n),
                        s.MissedLetterSounds[static_cast<size_t>(n - 1)]);
    }
    ini.writeString(kSounds, QStringLiteral("Correct Word Sound"), s.CorrectWordSound);
    ini.writeString(kSounds, QStringLiteral("Missed Word Sound"), s.MissedWordSound);
    // Last, so the sections every copy knows keep their place.
    writeFlag(ini, kRouter, kOpenPort, s.OpenPortOnRouter);
    ini.writeString(kRouter, kMatchmakingServer, s.MatchmakingServer);
    // Only once chosen: the file of a player who never chose stays as it was.
    if (!s.Language.isEmpty() || ini.contains(kRouter, kLanguage)) {
        ini.writeString(kRouter, kLanguage, s.Language);
    }
    // Only once the player chose a length: a file of a player who never did stays as it was.
    if (s.SoloLength != QLatin1String("any") || ini.contains(kSolo, kWordLength)) {
        ini.writeString(kSolo, kWordLength, s.SoloLength);
    }
    // Written once chosen, so the file of a player who never chose stays as it was.
    if (s.HighContrast || ini.contains(kRouter, kHighContrast)) {
        writeFlag(ini, kRouter, kHighContrast, s.HighContrast);
    }
    if (s.FoldAccents || ini.contains(kRouter, kFoldAccents)) {
        writeFlag(ini, kRouter, kFoldAccents, s.FoldAccents);
    }

    QString error;
    if (!ini.save(s.IniPath, &error)) {
        reportOnce(
            s, QStringLiteral("The settings could not be saved to %1: %2.").arg(s.IniPath, error));
        return false;
    }
    return true;
}
