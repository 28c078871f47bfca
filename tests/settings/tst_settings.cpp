#include <QFile>

#include <climits>

#include "TestFiles.h"
#include "Testing.h"
#include "Unprivileged.h"
#include "core/TileFont.h"
#include "settings/Settings.h"

namespace {

const QString kProgramDir = QStringLiteral("/opt/ropewit");

// A record whose file lies in the given directory.
Settings recordIn(const TestFolder& dir) {
    Settings s;
    s.ProgramDir = kProgramDir;
    s.IniPath = dir.ini();
    return s;
}

// The record as loaded from the directory's file.
Settings loadedIn(const TestFolder& dir) {
    Settings s = recordIn(dir);
    LoadSettings(s);
    return s;
}

// Loads the record from the given file content.
Settings loadedFrom(const TestFolder& dir, const QByteArray& content) {
    if (!writeAll(dir.ini(), content)) {
        qFatal("cannot write the settings file");
    }
    return loadedIn(dir);
}

QByteArray fontSection(const char* name) {
    return QByteArray("[") + name +
           "]\r\nColor=0\r\nFont Name=Arial\r\nSize=14\r\n"
           "Bold=No\r\nItalic=No\r\nUnderline=No\r\nStrikeout=No\r\nBitmap=\r\n";
}

// The file the first save writes when nothing was ever changed.
QByteArray defaultFile() {
    QByteArray out =
        "[Misc]\r\nFirst Time=Yes\r\n"
        "[Options]\r\nUse Sound=Yes\r\nUse Upper=Yes\r\nNumber of Guesses=8\r\nUser Name=\r\n"
        "Game Type=2\r\nWin Score=100\r\nWord Type=2\r\nSame Word Length=Yes\r\n"
        "Player 1 Chooses=Yes\r\nUse Hints=No\r\nScramble List=Yes\r\n";
    out += fontSection("Alphabet Font");
    out += fontSection("Word Font");
    out +=
        "[New Game]\r\nLast Panel 1 Option=2\r\nLast Panel 2 Option=1\r\n"
        "Last Panel 3 Option=1\r\n";
    for (int n = 1; n <= 10; ++n) {
        out += "Last IP Add " + QByteArray::number(n) + "=\r\n";
    }
    out += "[Sounds]\r\n";
    const QByteArray dir = kProgramDir.toLatin1();
    const char* correct[] = {"/YEAH.WAV", "/WINMUSIC.WAV", "/DONG.WAV"};
    const char* missed[] = {"/GIGGLE.WAV", "/CUCKOO.WAV", "/GLASSBRK.WAV", "/OUCH.WAV",
                            "/SIREN.WAV"};
    for (int n = 1; n <= 25; ++n) {
        out += "Correct Letter Sound " + QByteArray::number(n) + "=";
        if (n <= 3) {
            out += dir + correct[n - 1];
        }
        out += "\r\nMissed Letter Sound " + QByteArray::number(n) + "=";
        if (n <= 5) {
            out += dir + missed[n - 1];
        }
        out += "\r\n";
    }
    out += "Correct Word Sound=" + dir + "/MUSIC1.WAV\r\n";
    out += "Missed Word Sound=" + dir + "/TAPS.WAV\r\n";
    out += "[Router]\r\nOpen Port=No\r\nMatchmaking Server=\r\n";
    return out;
}

}  // namespace

class TestSettings : public QObject {
    Q_OBJECT
    TestFolder dir;

private Q_SLOTS:
    void init() { dir.renew(); }
    void defaultsWithoutFile() {
        Settings s = recordIn(dir);
        // Changed values must all be replaced by the table's defaults.
        s.UseSound = false;
        s.NumGuesses = "3";
        s.UserName = "someone";
        s.WinScore = 7;
        s.AlphabetFont.bold = true;
        s.WordFont.family = "Courier New";
        LoadSettings(s);

        QVERIFY(s.FirstTime);
        QVERIFY(s.UseSound);
        QVERIFY(s.UseUpper);
        QCOMPARE(s.NumGuesses, QString("8"));
        QCOMPARE(s.UserName, QString());
        QCOMPARE(s.GameType, 2);
        QCOMPARE(s.WinScore, 100);
        QCOMPARE(s.WordType, 2);
        QVERIFY(s.SameWordLength);
        QVERIFY(s.Player1Chooses);
        QVERIFY(!s.UseHints);
        QVERIFY(s.ScrambleList);
        for (const StoredFont* f : {&s.AlphabetFont, &s.WordFont}) {
            QCOMPARE(f->family, QString("Arial"));
            QCOMPARE(f->pointSize, 14);
            QVERIFY(!f->bold && !f->italic && !f->underline && !f->strikeout);
            QCOMPARE(f->colorRef, 0);  // black
        }
        QCOMPARE(s.AlphabetBitmap, QString());
        QCOMPARE(s.LastPanel1Option, 2);
        QCOMPARE(s.LastPanel2Option, 1);
        QCOMPARE(s.LastPanel3Option, 1);
        QCOMPARE(s.CorrectLetterSounds[0], kProgramDir + "/YEAH.WAV");
        QCOMPARE(s.CorrectLetterSounds[2], kProgramDir + "/DONG.WAV");
        QCOMPARE(s.CorrectLetterSounds[3], QString());
        QCOMPARE(s.CorrectLetterCount, 3);
        QCOMPARE(s.MissedLetterSounds[4], kProgramDir + "/SIREN.WAV");
        QCOMPARE(s.MissedLetterSounds[5], QString());
        QCOMPARE(s.MissedLetterCount, 5);
        QCOMPARE(s.CorrectWordSound, kProgramDir + "/MUSIC1.WAV");
        QCOMPARE(s.MissedWordSound, kProgramDir + "/TAPS.WAV");

        // A fresh record holds the same before any file is read.
        const Settings fresh;
        QCOMPARE(fresh.NumGuesses, QString("8"));
        QCOMPARE(fresh.WordFont.pointSize, 14);
        QCOMPARE(fresh.WordFont.family, QString("Arial"));
        QVERIFY(fresh.AlphabetFont == s.AlphabetFont);
        QVERIFY(fresh.WordFont == s.WordFont);
    }

    void firstSaveWritesEveryKeyInOrder() {
        Settings s = loadedIn(dir);
        QVERIFY(!QFile::exists(s.IniPath));
        QVERIFY(SaveSettings(s));
        QCOMPARE(readAll(s.IniPath), defaultFile());
        // The solo word length has a section of its own once chosen.
        s.SoloLength = QStringLiteral("long");
        QVERIFY(SaveSettings(s));
        QCOMPARE(readAll(s.IniPath), defaultFile() + "[Solo]\r\nWord Length=long\r\n");
        QCOMPARE(loadedIn(dir).SoloLength, QStringLiteral("long"));
    }

    void unchangedSaveRewritesSameBytes() {
        Settings s = loadedIn(dir);
        s.UserName = QString::fromUtf8("J\xC3\xB6rg");
        s.LastPanel1Option = -5;
        s.LastIpAddresses[9] = "10.0.0.7";
        s.WordFont.italic = true;
        s.WordFont.colorRef = colorRefFromColor(QColor(12, 34, 56));
        s.MissedLetterSounds[5] = "/x/extra.wav";
        s.MatchmakingServer = QStringLiteral("games.example.org:5000");
        QVERIFY(SaveSettings(s));
        const QByteArray first = readAll(s.IniPath);
        QVERIFY(first.contains("\r\nUser Name=J\xF6rg\r\n"));
        QVERIFY(first.contains("\r\nLast Panel 1 Option=-5\r\n"));
        QVERIFY(first.contains("\r\nColor=3678732\r\n"));  // 0x38220C

        QVERIFY(SaveSettings(s));
        QCOMPARE(readAll(s.IniPath), first);

        // What is read back is saved back unchanged.
        Settings again = loadedIn(dir);
        QVERIFY(SaveSettings(again));
        QCOMPARE(readAll(s.IniPath), first);
        QCOMPARE(again.UserName, s.UserName);
        QCOMPARE(again.MatchmakingServer, s.MatchmakingServer);
        QCOMPARE(colorFromColorRef(again.WordFont.colorRef), QColor(12, 34, 56));
        QVERIFY(again.WordFont.italic);
        QCOMPARE(again.MissedLetterCount, 6);
    }

    void unknownSectionsAndKeysSurvive() {
        Settings s = loadedFrom(dir,
                                "; written by hand\r\n"
                                "[Foreign]\r\nA=1\r\n"
                                "[options]\r\nwin score=250\r\nMystery=42\r\n"
                                "[Trailer]\r\nZ=last\r\n");
        QCOMPARE(s.WinScore, 250);
        s.WinScore = 300;
        QVERIFY(SaveSettings(s));
        const QByteArray out = readAll(s.IniPath);
        // The known keys the file lacked follow the kept ones in their section; the sections
        // it lacked follow at the end.
        QVERIFY(
            out.startsWith("; written by hand\r\n"
                           "[Foreign]\r\nA=1\r\n"
                           "[options]\r\nwin score=300\r\nMystery=42\r\n"
                           "Use Sound=Yes\r\nUse Upper=Yes\r\nNumber of Guesses=8\r\n"));
        QVERIFY(
            out.contains("Scramble List=Yes\r\n[Trailer]\r\nZ=last\r\n"
                         "[Misc]\r\nFirst Time=Yes\r\n[Alphabet Font]\r\n"));
        QVERIFY(!out.contains("Win Score="));
    }

    void failedSaveIsReported() {
        Settings s = loadedIn(dir);
        s.IniPath = dir.filePath("no/such/dir/ROPEWIT.INI");
        QVERIFY(!SaveSettings(s));
        s.IniPath.clear();
        QVERIFY(!SaveSettings(s));
    }

    void garbageFileGivesDefaultsAndIsRewritten() {
        const char binary[] = "\x00\x00\xFF\x7F[Options]\x00Use Sound=No\x01\n\x1B\x02\r\n";
        QByteArray garbage(binary, sizeof(binary) - 1);
        garbage +=
            "Game Type=\x00"
            "7\n";
        garbage += QByteArray(2 * 1024 * 1024, '\x03');
        Settings s = loadedFrom(dir, garbage);
        QVERIFY(s.UseSound);
        QCOMPARE(s.GameType, 2);
        QCOMPARE(s.CorrectLetterCount, 3);
        QVERIFY(SaveSettings(s));
        // The part after the last line end within the first MiB was never read; it is kept.
        QCOMPARE(readAll(s.IniPath), defaultFile() + garbage.mid(garbage.lastIndexOf('\n') + 1));
    }

    void unreadableFileGivesDefaultsAndIsKept() {
        Settings s = recordIn(dir);
        const QByteArray old = "[Options]\r\nWin Score=5\r\nUse Sound=No\r\n";
        QVERIFY(writeAll(s.IniPath, old));
        QStringList told;
        s.ReportProblem = [&told](const QString& problem) { told << problem; };
        bool saved = true;
        {
            Restricted file(dir.path(), s.IniPath, s.IniPath, Restricted::kWriteOnly);
            AsUnprivileged nobody;
            LoadSettings(s);
            s.WinScore = 7;
            saved = SaveSettings(s);
            SaveSettings(s);
        }
        QVERIFY(s.IniUnreadable);
        QVERIFY(s.UseSound);
        QVERIFY(!saved);
        QCOMPARE(told.size(), 1);
        QVERIFY(told.first().contains("could not be read"));
        QCOMPARE(readAll(s.IniPath), old);
    }

    void fullDiskKeepsTheFileAndIsReportedOnce() {
        Settings s = loadedFrom(dir, "[Options]\r\nWin Score=5\r\n");
        QStringList told;
        s.ReportProblem = [&told](const QString& problem) { told << problem; };
        s.WinScore = 70;
        bool first = true;
        bool second = true;
        {
            FileSizeLimit full(500);
            first = SaveSettings(s);
            second = SaveSettings(s);
        }
        QVERIFY(!first);
        QVERIFY(!second);
        QCOMPARE(readAll(s.IniPath), QByteArray("[Options]\r\nWin Score=5\r\n"));
        QCOMPARE(told.size(), 1);
        QVERIFY(told.first().startsWith("The settings could not be saved"));
        QVERIFY(SaveSettings(s));
        Settings back = loadedIn(dir);
        QCOMPARE(back.WinScore, 70);
    }

    void yesNo_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("expected");
        QTest::newRow("Yes") << QByteArray("Use Sound=Yes") << true;
        QTest::newRow("yes") << QByteArray("Use Sound=yes") << true;
        QTest::newRow("YES") << QByteArray("Use Sound=YES") << true;
        QTest::newRow("yEs") << QByteArray("Use Sound=yEs") << true;
        QTest::newRow("blanks around") << QByteArray("Use Sound =  YeS  ") << true;
        QTest::newRow("quoted") << QByteArray("Use Sound=\"yes\"") << true;
        QTest::newRow("Y") << QByteArray("Use Sound=Y") << false;
        QTest::newRow("1") << QByteArray("Use Sound=1") << false;
        QTest::newRow("true") << QByteArray("Use Sound=true") << false;
        QTest::newRow("yess") << QByteArray("Use Sound=yess") << false;
        QTest::newRow("empty") << QByteArray("Use Sound=") << false;
        QTest::newRow("missing") << QByteArray("Other=No") << true;
    }

    void yesNo() {
        QFETCH(QByteArray, line);
        QFETCH(bool, expected);
        const Settings s = loadedFrom(dir, "[Options]\r\n" + line + "\r\n");
        QCOMPARE(s.UseSound, expected);
        QVERIFY(!s.UseHints);  // missing, default No

        QCOMPARE(WriteYesNo(true), QString("Yes"));
        QCOMPARE(WriteYesNo(false), QString("No"));
        QVERIFY(ReadYesNo("yES"));
        QVERIFY(!ReadYesNo(" yes"));
        QVERIFY(!ReadYesNo(QString()));
    }

    void numberOfGuessesTakesTwoCharacters() {
        const QList<QPair<QByteArray, QString>> cases = {{"Number of Guesses=12", "12"},
                                                         {"Number of Guesses=123", "12"},
                                                         {"Number of Guesses=5", "5"},
                                                         {"Number of Guesses= 7 ", "7"},
                                                         {"Number of Guesses=", "5"},
                                                         {"Number of Guesses=ab9", "5"},
                                                         {"Number of Guesses=0", "5"},
                                                         {"Number of Guesses=21", "20"},
                                                         {"Unrelated=1", "8"}};
        for (const auto& [line, expected] : cases) {
            dir.renew();
            const Settings s = loadedFrom(dir, "[Options]\r\n" + line + "\r\n");
            QCOMPARE(s.NumGuesses, expected);
        }
    }

    void userNameUpToTwentyCharacters() {
        const QString twenty = "ABCDEFGHIJKLMNOPQRST";
        Settings s = loadedIn(dir);
        s.UserName = twenty;
        QVERIFY(SaveSettings(s));
        Settings back = loadedIn(dir);
        QCOMPARE(back.UserName, twenty);

        QCOMPARE(loadedFrom(dir, "[Options]\r\nUser Name=ABCDEFGHIJKLMNOPQRSTU\r\n").UserName,
                 twenty);
        QCOMPARE(loadedFrom(dir, "[Options]\r\nUser Name=ABCDEFGHIJKLMNOPQRSTUVWXYZ\r\n").UserName,
                 twenty);
    }

    void integers_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("plain") << QByteArray("250") << 250;
        QTest::newRow("leading blanks") << QByteArray("   42") << 42;
        QTest::newRow("minus") << QByteArray("-7") << -7;
        QTest::newRow("plus") << QByteArray("+5") << 5;
        QTest::newRow("dollar hex") << QByteArray("$1F") << 31;
        QTest::newRow("x hex") << QByteArray("x10") << 16;
        QTest::newRow("X hex") << QByteArray("Xff") << 255;
        QTest::newRow("signed hex") << QByteArray("-$10") << -16;
        QTest::newRow("stops at non-digit") << QByteArray("12abc") << 12;
        QTest::newRow("decimal stops at hex letter") << QByteArray("12ff") << 12;
        QTest::newRow("no digits") << QByteArray("abc") << 0;
        QTest::newRow("sign only") << QByteArray("-") << 0;
        QTest::newRow("empty") << QByteArray("") << 0;
        QTest::newRow("too large") << QByteArray("99999999999999999999") << INT_MAX;
        QTest::newRow("too small") << QByteArray("-99999999999999999999") << INT_MIN;
    }

    void integers() {
        QFETCH(QByteArray, value);
        QFETCH(int, expected);
        const Settings s =
            loadedFrom(dir, "[Options]\r\nGame Type=" + value +
                                "\r\n[New Game]\r\nLast Panel 2 Option=" + value + "\r\n");
        QCOMPARE(s.GameType, expected);
        QCOMPARE(s.LastPanel2Option, expected);
        QCOMPARE(s.WordType, 2);  // missing: default
    }

    void winScoreInTheRangeTheOptionsDialogAccepts() {
        for (const auto& [value, held] :
             QList<QPair<QByteArray, int>>{{"5", 10}, {"-7", 10}, {"250", 250}, {"12345", 9999}}) {
            QCOMPARE(loadedFrom(dir, "[Options]\r\nWin Score=" + value + "\r\n").WinScore, held);
        }
    }

    void textsAreCutByTheReadBuffer() {
        const QByteArray longText(300, 'p');
        const Settings s =
            loadedFrom(dir, "[Alphabet Font]\r\nBitmap=" + longText +
                                "\r\n[New Game]\r\nLast IP Add 3=" + longText +
                                "\r\n[Sounds]\r\nCorrect Letter Sound 1=" + longText +
                                "\r\nMissed Word Sound=" + longText + "\r\n");
        const QString cut(149, QLatin1Char('p'));
        QCOMPARE(s.AlphabetBitmap, cut);
        QCOMPARE(s.LastIpAddresses[2], cut);
        QCOMPARE(s.LastIpAddresses[1], QString());
        QCOMPARE(s.CorrectLetterSounds[0], cut);
        QCOMPARE(s.MissedWordSound, cut);
    }

    void emptySoundSlotsGetDefaults() {
        Settings s = loadedIn(dir);
        s.CorrectLetterSounds[1].clear();
        s.MissedLetterSounds[0].clear();
        s.MissedLetterSounds[4].clear();
        s.CorrectWordSound.clear();
        s.MissedWordSound = "/my/own.wav";
        QVERIFY(SaveSettings(s));
        // Emptied slots are written as empty values, not left out.
        const QByteArray written = readAll(s.IniPath);
        QVERIFY(written.contains("\r\nCorrect Letter Sound 2=\r\n"));
        QVERIFY(written.contains("\r\nMissed Letter Sound 25=\r\n"));
        QVERIFY(written.contains("\r\nCorrect Word Sound=\r\n"));

        Settings next = loadedIn(dir);
        QCOMPARE(next.CorrectLetterSounds[1], kProgramDir + "/WINMUSIC.WAV");
        QCOMPARE(next.MissedLetterSounds[0], kProgramDir + "/GIGGLE.WAV");
        QCOMPARE(next.MissedLetterSounds[4], kProgramDir + "/SIREN.WAV");
        QCOMPARE(next.CorrectWordSound, kProgramDir + "/MUSIC1.WAV");
        QCOMPARE(next.MissedWordSound, QString("/my/own.wav"));
        QCOMPARE(next.CorrectLetterCount, 3);
        QCOMPARE(next.MissedLetterCount, 5);

        // Slots past the defaults stay empty.
        const Settings one = loadedFrom(dir, "[Sounds]\r\nCorrect Letter Sound 1=/a.wav\r\n");
        QCOMPARE(one.CorrectLetterSounds[0], QString("/a.wav"));
        QCOMPARE(one.CorrectLetterSounds[1], kProgramDir + "/WINMUSIC.WAV");
        QCOMPARE(one.CorrectLetterCount, 3);
    }

    void soundCountEndsAtFirstEmptySlot() {
        QByteArray file = "[Sounds]\r\n";
        for (int n = 1; n <= 25; ++n) {
            const QByteArray num = QByteArray::number(n);
            file +=
                "Correct Letter Sound " + num + "=" + (n == 4 ? "" : "/c" + num + ".wav") + "\r\n";
            file += "Missed Letter Sound " + num + "=/m" + num + ".wav\r\n";
        }
        const Settings s = loadedFrom(dir, file);
        QCOMPARE(s.CorrectLetterCount, 3);
        QCOMPARE(s.CorrectLetterSounds[3], QString());
        QCOMPARE(s.CorrectLetterSounds[4], QString("/c5.wav"));  // kept, just not counted
        QCOMPARE(s.CorrectLetterSounds[24], QString("/c25.wav"));
        QCOMPARE(s.MissedLetterCount, 25);
        QCOMPARE(s.MissedLetterSounds[24], QString("/m25.wav"));

        // Only slot 7 empty in the missed list: its defaults stop at 5, so the count is 6.
        const Settings t = loadedFrom(dir,
                                      "[Sounds]\r\nMissed Letter Sound 6=/six.wav\r\n"
                                      "Missed Letter Sound 8=/eight.wav\r\n");
        QCOMPARE(t.MissedLetterCount, 6);
        QCOMPARE(t.MissedLetterSounds[7], QString("/eight.wav"));
    }

    void fontsFromFile() {
        const Settings s =
            loadedFrom(dir,
                       "[Alphabet Font]\r\nColor=255\r\nFont Name=Times New Roman\r\n"
                       "Size=20\r\nBold=yes\r\nItalic=No\r\nUnderline=YES\r\n"
                       "Strikeout=no\r\nBitmap=/pics/a.bmp\r\n"
                       "[Word Font]\r\nColor=$FF0000\r\nSize=0\r\nItalic=Yes\r\n"
                       "Strikeout=Yes\r\n");
        QCOMPARE(colorFromColorRef(s.AlphabetFont.colorRef), QColor(Qt::red));
        QCOMPARE(s.AlphabetFont.family, QString("Times New Roman"));
        QCOMPARE(s.AlphabetFont.pointSize, 20);
        QVERIFY(s.AlphabetFont.bold);
        QVERIFY(!s.AlphabetFont.italic);
        QVERIFY(s.AlphabetFont.underline);
        QVERIFY(!s.AlphabetFont.strikeout);
        QCOMPARE(s.AlphabetBitmap, QString("/pics/a.bmp"));

        QCOMPARE(colorFromColorRef(s.WordFont.colorRef), QColor(Qt::blue));
        QCOMPARE(s.WordFont.family, QString("Arial"));
        QCOMPARE(s.WordFont.pointSize, 14);  // a size of 0 is no size
        QVERIFY(!s.WordFont.bold);
        QVERIFY(s.WordFont.italic);
        QVERIFY(s.WordFont.strikeout);
        QCOMPARE(s.WordBitmap, QString());
    }

    void fontValuesOutOfRangeAreNotKept() {
        // 0xFF0000FF and 0xFF00FF00: red and green with a top byte, which is no part of the colour.
        Settings s = loadedFrom(dir,
                                "[Alphabet Font]\r\nColor=-16776961\r\nFont Name=Arial\r\n"
                                "Size=1000\r\n[Word Font]\r\nColor=-16711936\r\n"
                                "Font Name=Arial\r\nSize=-3\r\n");
        QCOMPARE(s.AlphabetFont.colorRef, 255);
        QCOMPARE(s.AlphabetFont.pointSize, 14);
        QCOMPARE(s.WordFont.colorRef, 0xFF00);
        QCOMPARE(s.WordFont.pointSize, 14);

        // Nor is what a caller puts into the record written as it is.
        s.WordFont.colorRef = static_cast<int>(0x80123456u);
        s.WordFont.pointSize = 0;
        QVERIFY(SaveSettings(s));
        const QByteArray out = readAll(s.IniPath);
        QVERIFY(out.contains("[Alphabet Font]\r\nColor=255\r\nFont Name=Arial\r\nSize=14\r\n"));
        QVERIFY(out.contains("[Word Font]\r\nColor=1193046\r\nFont Name=Arial\r\nSize=14\r\n"));
    }

    void fontStyleIsWrittenFromTheFont() {
        Settings first = loadedIn(dir);
        first.AlphabetFont.bold = true;
        first.AlphabetFont.underline = true;
        QVERIFY(SaveSettings(first));
        Settings s = loadedIn(dir);
        QVERIFY(s.AlphabetFont.bold && s.AlphabetFont.underline);
        // As the letter appearance dialog does: the chosen font replaces the stored one whole.
        QFont chosen(QStringLiteral("Courier New"));
        chosen.setPointSize(9);
        chosen.setItalic(true);
        chosen.setStrikeOut(true);
        s.AlphabetFont = toStoredFont(TileFont{chosen, QColor(Qt::blue)});
        TileFont inPixels = toTileFont(s.WordFont);
        inPixels.font.setPixelSize(30);  // no point size to write
        s.WordFont = toStoredFont(inPixels);
        QVERIFY(SaveSettings(s));

        QVERIFY(!s.AlphabetFont.bold && s.AlphabetFont.italic && !s.AlphabetFont.underline &&
                s.AlphabetFont.strikeout);
        const QByteArray out = readAll(s.IniPath);
        QVERIFY(
            out.contains("[Alphabet Font]\r\nColor=16711680\r\nFont Name=Courier New\r\n"
                         "Size=9\r\nBold=No\r\nItalic=Yes\r\nUnderline=No\r\nStrikeout=Yes\r\n"
                         "Bitmap=\r\n[Word Font]\r\nColor=0\r\nFont Name=Arial\r\nSize=14\r\n"));
    }
};

ROPEWIT_TEST(TestSettings)
#include "tst_settings.moc"
