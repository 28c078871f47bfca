#include <QFile>

#include <unistd.h>

#include "TestFiles.h"
#include "Testing.h"
#include "Unprivileged.h"
#include "settings/IniFile.h"

namespace {

IniFile parsed(const QByteArray& bytes) {
    IniFile ini;
    ini.parse(bytes);
    return ini;
}

// Every line ends with CR LF and holds no other control character than TAB.
bool isCleanText(const QByteArray& bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        if (b == '\r') {
            if (i + 1 >= bytes.size() || bytes.at(i + 1) != '\n') {
                return false;
            }
            ++i;
        } else if (b < 0x20 && b != '\t') {
            return false;
        }
    }
    return bytes.isEmpty() || bytes.endsWith("\r\n");
}

}  // namespace

class TestIniFile : public QObject {
    Q_OBJECT
    TestFolder dir;

private Q_SLOTS:
    void init() { dir.renew(); }
    void namesIgnoreAsciiCase() {
        const IniFile ini = parsed("[Options]\r\nUse Sound=Yes\r\n[Word Font]\r\nSize=14\r\n");
        QCOMPARE(ini.readString("options", "USE SOUND", "x", 15), QString("Yes"));
        QCOMPARE(ini.readString("OPTIONS", "use sound", "x", 15), QString("Yes"));
        QCOMPARE(ini.readString("word font", "size", "x", 150), QString("14"));
        // Only ASCII letters fold: a different letter is a different name.
        const IniFile latin = parsed(QByteArray("[\xC9t\xE9]\nK=1\n"));
        QCOMPARE(latin.readString(QString::fromUtf8("\xC3\x89t\xC3\xA9"), "k", "d", 15),
                 QString("1"));
        QCOMPARE(latin.readString(QString::fromUtf8("\xC3\xA9t\xC3\xA9"), "k", "d", 15),
                 QString("d"));
    }

    void missingSectionOrKeyGivesDefault() {
        const IniFile ini = parsed("[Options]\nUse Sound=\nGame Type=1\n");
        QCOMPARE(ini.readString("Nowhere", "Game Type", "2", 150), QString("2"));
        QCOMPARE(ini.readString("Options", "Win Score", "100", 150), QString("100"));
        // A key that is there but empty is empty, not the default.
        QCOMPARE(ini.readString("Options", "Use Sound", "Yes", 15), QString());
        QVERIFY(ini.contains("options", "use sound"));
        QVERIFY(!ini.contains("options", "win score"));
        // Keys are looked up in their own section only.
        QCOMPARE(ini.readString("Misc", "Game Type", "2", 150), QString("2"));
        // Empty names find nothing.
        QCOMPARE(ini.readString("", "Game Type", "d", 150), QString("d"));
        QCOMPARE(ini.readString("Options", "", "d", 150), QString("d"));
    }

    void valueIsCutToTheBuffer() {
        const IniFile ini = parsed("[S]\nName=ABCDEFGHIJKLMNOPQRSTUVWXYZ\nQ=\"ABCDEF\"\n");
        QCOMPARE(ini.readString("S", "Name", "", 21), QString("ABCDEFGHIJKLMNOPQRST"));
        QCOMPARE(ini.readString("S", "Name", "", 3), QString("AB"));
        QCOMPARE(ini.readString("S", "Name", "", 1), QString());
        QCOMPARE(ini.readString("S", "Name", "", 0), QString());
        QCOMPARE(ini.readString("S", "Name", "", -5), QString());
        // The quotes go first, then the cut.
        QCOMPARE(ini.readString("S", "Q", "", 4), QString("ABC"));
        // The default is cut as well, and loses its trailing blanks.
        QCOMPARE(ini.readString("S", "Missing", "123456", 4), QString("123"));
        QCOMPARE(ini.readString("S", "Missing", "ab  ", 15), QString("ab"));
    }

    void blanksAndQuotesAreDropped() {
        const IniFile ini = parsed(
            "  [ Options ]  \n"
            "  User Name   =   Anna Lee  \n"
            "\tTabbed\t=\tvalue\t\n"
            "Quoted=\"  spaced  \"\n"
            "Single='one'\n"
            "Mismatched=\"one'\n"
            "Lone=\"\n"
            "Inner=a \"b\" c\n"
            "Equals=a=b\n");
        QCOMPARE(ini.readString("Options", "User Name", "", 150), QString("Anna Lee"));
        QCOMPARE(ini.readString("Options", "Tabbed", "", 150), QString("value"));
        QCOMPARE(ini.readString("Options", "Quoted", "", 150), QString("  spaced  "));
        QCOMPARE(ini.readString("Options", "Single", "", 150), QString("one"));
        QCOMPARE(ini.readString("Options", "Mismatched", "", 150), QString("\"one'"));
        QCOMPARE(ini.readString("Options", "Lone", "", 150), QString("\""));
        QCOMPARE(ini.readString("Options", "Inner", "", 150), QString("a \"b\" c"));
        QCOMPARE(ini.readString("Options", "Equals", "", 150), QString("a=b"));
    }

    void anyLineEndReads() {
        for (const QByteArray& eol : {QByteArray("\r\n"), QByteArray("\n"), QByteArray("\r")}) {
            QByteArray bytes = "[A]" + eol + "One=1" + eol + eol + "[B]" + eol + "Two=2";
            const IniFile ini = parsed(bytes);
            QCOMPARE(ini.readString("A", "One", "", 15), QString("1"));
            QCOMPARE(ini.readString("B", "Two", "", 15), QString("2"));
            // Written back with CR LF, blank line and all.
            QCOMPARE(ini.toBytes(), QByteArray("[A]\r\nOne=1\r\n\r\n[B]\r\nTwo=2\r\n"));
        }
        // Mixed in one file; LF CR is two line ends.
        const IniFile mixed = parsed("[A]\rOne=1\nTwo=2\r\nThree=3\n\rFour=4");
        QCOMPARE(mixed.readString("A", "Four", "", 15), QString("4"));
        QCOMPARE(mixed.toBytes(), QByteArray("[A]\r\nOne=1\r\nTwo=2\r\nThree=3\r\n\r\nFour=4\r\n"));
    }

    void commentsAndOddLinesAreNoKeys() {
        const QByteArray bytes =
            "; heading comment\r\n"
            "Early=before any section\r\n"
            "[S]\r\n"
            ";Key=commented out\r\n"
            "  ; indented comment\r\n"
            "no equals sign\r\n"
            "=no key\r\n"
            "[unclosed=1\r\n";
        IniFile ini = parsed(bytes);
        QCOMPARE(ini.readString("S", ";Key", "d", 150), QString("d"));
        QCOMPARE(ini.readString("S", "Key", "d", 150), QString("d"));
        QCOMPARE(ini.readString("S", "no equals sign", "d", 150), QString("d"));
        // A '[' without its ']' opens no section; the line is a key of the current one.
        QCOMPARE(ini.readString("S", "[unclosed", "d", 150), QString("1"));
        QCOMPARE(ini.readString("unclosed", "x", "d", 150), QString("d"));
        // Nothing of it is lost on a rewrite.
        QCOMPARE(ini.toBytes(), bytes);
        ini.writeString("S", "Key", "real");
        QCOMPARE(ini.readString("S", "Key", "d", 150), QString("real"));
        QVERIFY(ini.toBytes().startsWith(bytes));
    }

    void firstOfDuplicateNamesCounts() {
        IniFile ini = parsed("[S]\nK=first\nk=second\n[s]\nK=third\nOnlyLater=x\n");
        QCOMPARE(ini.readString("S", "K", "", 150), QString("first"));
        QCOMPARE(ini.readString("S", "OnlyLater", "d", 150), QString("d"));
        ini.writeString("S", "k", "new");
        QCOMPARE(ini.readString("S", "K", "", 150), QString("new"));
        QCOMPARE(ini.toBytes(),
                 QByteArray("[S]\r\nK=new\r\nk=second\r\n[s]\r\nK=third\r\nOnlyLater=x\r\n"));
    }

    void eightBitTextRoundTrips() {
        QByteArray all;
        for (int b = 0x21; b < 0x100; ++b) {
            if (b != '=' && b != ';' && b != '[' && b != '"' && b != '\'') {
                all.append(static_cast<char>(b));
            }
        }
        const IniFile ini = parsed("[S]\nBytes=" + all + "\n");
        const QString value = ini.readString("S", "Bytes", "", 1000);
        QCOMPARE(value.size(), all.size());
        QVERIFY(value.contains(QChar(0x20AC)));  // byte 0x80 is the euro sign
        QVERIFY(value.contains(QChar(0xE9)));
        IniFile copy;
        copy.writeString("S", "Bytes", value);
        QCOMPARE(copy.toBytes(), QByteArray("[S]\r\nBytes=" + all + "\r\n"));
    }

    void writeKeepsEverythingElse() {
        const QByteArray before =
            "; kept\r\n"
            "[Other]\r\n"
            "Foreign = keep me \r\n"
            "[options]\r\n"
            "use sound = No\r\n"
            "Custom=1\r\n"
            "[Tail]\r\n"
            "Last=z\r\n";
        IniFile ini = parsed(before);
        ini.writeString("Options", "Use Sound", "Yes");
        ini.writeString("Options", "Win Score", "100");
        ini.writeString("Sounds", "Correct Word Sound", "/a/MUSIC1.WAV");
        ini.writeString("Options", "Game Type", "2");
        // The existing key keeps its place and its spelling; new keys follow at the end of
        // their section; the new section goes to the end of the file.
        QCOMPARE(ini.toBytes(), QByteArray("; kept\r\n"
                                           "[Other]\r\n"
                                           "Foreign = keep me \r\n"
                                           "[options]\r\n"
                                           "use sound=Yes\r\n"
                                           "Custom=1\r\n"
                                           "Win Score=100\r\n"
                                           "Game Type=2\r\n"
                                           "[Tail]\r\n"
                                           "Last=z\r\n"
                                           "[Sounds]\r\n"
                                           "Correct Word Sound=/a/MUSIC1.WAV\r\n"));
        QCOMPARE(ini.readString("Other", "Foreign", "", 150), QString("keep me"));
        // Writing the same values again changes nothing.
        const QByteArray once = ini.toBytes();
        ini.writeString("OPTIONS", "USE SOUND", "Yes");
        ini.writeString("Sounds", "correct word sound", "/a/MUSIC1.WAV");
        QCOMPARE(ini.toBytes(), once);
    }

    void newKeyGoesBeforeTrailingBlankLines() {
        IniFile ini = parsed("[A]\nOne=1\n; note\n\n\n[B]\n\n");
        ini.writeString("A", "Two", "2");
        ini.writeString("B", "Three", "3");
        QCOMPARE(ini.toBytes(), QByteArray("[A]\r\nOne=1\r\n; note\r\nTwo=2\r\n\r\n\r\n"
                                           "[B]\r\nThree=3\r\n\r\n"));
        QCOMPARE(ini.readString("A", "One", "", 15), QString("1"));
        QCOMPARE(ini.readString("B", "Three", "", 15), QString("3"));
    }

    void writtenValuesStayOnOneLine() {
        IniFile ini;
        ini.writeString("S", "Name", "two\r\nlines\rand\nmore");
        ini.writeString("S", "Nul", QString("a") + QChar(0) + "b\x01" + "c\td");
        ini.writeString("S", "Next", "ok");
        ini.writeString("S", "Bad=Key", "never");
        ini.writeString("", "Key", "never");
        ini.writeString("S", "  ", "never");
        QCOMPARE(ini.toBytes(), QByteArray("[S]\r\nName=two  lines and more\r\n"
                                           "Nul=a b c\td\r\nNext=ok\r\n"));
        // A value too long for one line is cut so that it still reads back.
        ini.writeString("S", "Long", QString(10000, QLatin1Char('x')));
        const IniFile again = parsed(ini.toBytes());
        QCOMPARE(again.readString("S", "Long", "", 100000).size(),
                 IniFile::kMaxLineLength - qsizetype(5));
        QCOMPARE(again.readString("S", "Next", "", 15), QString("ok"));
    }

    void keysThatCouldNotBeReadAreRefused() {
        IniFile ini;
        for (const char* key : {"[Key", "; Key", ";", "[", "A=B", "  [x]"}) {
            QVERIFY2(!ini.writeString("S", key, "v"), key);
        }
        for (const char* key : {"K[ey]", "K;ey", "Key]", " Key ", "\tKey"}) {
            QVERIFY2(ini.writeString("S", key, "v"), key);
            const IniFile again = parsed(ini.toBytes());
            QVERIFY2(again.contains("S", key), key);
            QCOMPARE(again.readString("S", key, "d", 15), QString("v"));
        }
        QCOMPARE(parsed(ini.toBytes()).toBytes(), ini.toBytes());
    }

    void saveReplacesTheFileWhole() {
        const QString path = dir.ini();
        const QByteArray old = "[Old]\r\nKey=old value\r\n";
        QVERIFY(writeAll(path, old));
        // A second name for the old file: the new file must come from a rename, never from
        // writing into the old one, so the old content stays whole under this name.
        const QString link = dir.filePath("old-link");
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()),
                 0);

        IniFile ini;
        QVERIFY(ini.load(path));
        ini.writeString("Old", "Key", "new value");
        QVERIFY(ini.save(path));
        QCOMPARE(readAll(path), QByteArray("[Old]\r\nKey=new value\r\n"));
        QCOMPARE(readAll(link), old);
        // No temporary file is left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void saveFailsWithoutDirectory() {
        IniFile ini;
        ini.writeString("S", "K", "v");
        QVERIFY(!ini.save(dir.filePath("missing/ROPEWIT.INI")));
        QVERIFY(!QFile::exists(dir.filePath("missing")));
        // A directory in the file's place is not replaced.
        QVERIFY(QDir(dir.path()).mkpath("ROPEWIT.INI/inside"));
        QVERIFY(!ini.save(dir.filePath("ROPEWIT.INI")));
        QVERIFY(QFileInfo(dir.filePath("ROPEWIT.INI/inside")).isDir());
    }

    void saveFailsIntoReadOnlyDirectory() {
        const QString path = dir.ini();
        const QByteArray old = "[Old]\r\nKey=old\r\n";
        QVERIFY(writeAll(path, old));
        IniFile ini;
        ini.writeString("Old", "Key", "new");
        bool saved = true;
        {
            Restricted folder(dir.path(), path, dir.path(), Restricted::kReadOnlyFolder);
            AsUnprivileged nobody;
            saved = ini.save(path);
        }
        QVERIFY(!saved);
        QCOMPARE(readAll(path), old);
    }

    void loadOfMissingOrSpecialFile() {
        IniFile ini = parsed("[S]\nK=1\n");
        QVERIFY(!ini.load(dir.filePath("nothing.ini")));
        QCOMPARE(ini.readString("S", "K", "d", 15), QString("d"));
        QCOMPARE(ini.toBytes(), QByteArray());
        // A directory or a device is no settings file, and reading one must not block.
        QVERIFY(!ini.load(dir.path()));
        QVERIFY(!ini.load("/dev/zero"));
    }

    void saveOnFullDiskKeepsTheOldFile() {
        const QString path = dir.ini();
        const QByteArray old = "[Old]\r\nKey=old\r\n";
        QVERIFY(writeAll(path, old));
        IniFile ini;
        QVERIFY(ini.load(path));
        // Small enough to sit in a write buffer: the failure must still be seen.
        for (int i = 0; i < 100; ++i) {
            ini.writeString("Old", "Key" + QString::number(i), "some value to fill the disk");
        }
        QVERIFY(ini.toBytes().size() > 2000);
        QVERIFY(ini.toBytes().size() < 8000);
        bool saved = true;
        QString error;
        {
            FileSizeLimit full(1000);
            saved = ini.save(path, &error);
        }
        QVERIFY(!saved);
        QVERIFY(!error.isEmpty());
        QCOMPARE(readAll(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        // With room again the same save succeeds.
        QVERIFY(ini.save(path));
        QCOMPARE(readAll(path), ini.toBytes());
    }

    void unreadableFileIsNeverSavedOver() {
        const QString path = dir.ini();
        const QByteArray old = "[Options]\r\nWin Score=5\r\n";
        QVERIFY(writeAll(path, old));
        bool loaded = true;
        bool saved = true;
        IniFile ini;
        {
            Restricted file(dir.path(), path, path, Restricted::kWriteOnly);
            AsUnprivileged nobody;
            loaded = ini.load(path);
            ini.writeString("Options", "Win Score", "100");
            saved = ini.save(path);
        }
        QVERIFY(!loaded);
        QCOMPARE(ini.source(), IniFile::Source::Unreadable);
        QVERIFY(!saved);
        QCOMPARE(readAll(path), old);
    }

    void garbageIsDroppedAndRewrittenClean() {
        const QString path = dir.ini();
        // Binary lines, NUL bytes, control characters in otherwise good lines, and one good key.
        const char head[] =
            "\x00\x01\x02\xFF\xFE[Options]\x00\r\n"
            "[Options]\r\nGame Type=1\r\nUse\x00Sound=Yes\r\nWin Score=5\x1A\r\n";
        QByteArray garbage(head, sizeof(head) - 1);
        quint32 state = 12345;
        for (int i = 0; i < 20000; ++i) {
            state = state * 1103515245u + 12345u;
            garbage.append(static_cast<char>(state >> 24));
        }
        QVERIFY(writeAll(path, garbage));

        IniFile ini;
        QVERIFY(ini.load(path));
        QCOMPARE(ini.readString("Options", "Game Type", "2", 150), QString("1"));
        QCOMPARE(ini.readString("Options", "Win Score", "100", 150), QString("100"));
        QCOMPARE(ini.readString("Options", "Use", "d", 150), QString("d"));
        ini.writeString("Options", "Win Score", "100");
        QVERIFY(ini.save(path));

        const QByteArray rewritten = readAll(path);
        QVERIFY(isCleanText(rewritten));
        QVERIFY(rewritten.startsWith("[Options]\r\nGame Type=1\r\n"));
        IniFile again;
        QVERIFY(again.load(path));
        QCOMPARE(again.toBytes(), rewritten);
        QCOMPARE(again.readString("options", "win score", "", 150), QString("100"));
    }

    void hugeInputIsBounded() {
        const QString path = dir.ini();

        // One enormous line among good ones.
        QByteArray bytes = "[S]\r\nBefore=1\r\nHuge=" + QByteArray(3 * 1024 * 1024, 'a');
        QVERIFY(writeAll(path, bytes + "\r\nAfter=2\r\n"));
        IniFile ini;
        QVERIFY(ini.load(path));
        QCOMPARE(ini.readString("S", "Before", "", 15), QString("1"));
        QCOMPARE(ini.readString("S", "Huge", "d", 15), QString("d"));
        // Past the first MiB nothing is read.
        QCOMPARE(ini.readString("S", "After", "d", 15), QString("d"));
        QCOMPARE(ini.toBytes(), QByteArray("[S]\r\nBefore=1\r\n"));
        QCOMPARE(ini.source(), IniFile::Source::Partial);

        // A long file of short lines: read up to the last whole line within the limit.
        QByteArray lines = "[S]\n";
        for (int i = 0; lines.size() <= IniFile::kMaxFileBytes; ++i) {
            lines += "Key" + QByteArray::number(i) + "=value\n";
        }
        QVERIFY(writeAll(path, lines));
        QVERIFY(ini.load(path));
        QCOMPARE(ini.readString("S", "key0", "", 15), QString("value"));
        const QByteArray kept = ini.toBytes();
        QVERIFY(kept.size() > IniFile::kMaxFileBytes * 9 / 10);
        QVERIFY(kept.endsWith("=value\r\n"));
        // The bound is on what is read, not on how long it takes: the rest stays unread.
        QCOMPARE(ini.source(), IniFile::Source::Partial);
    }

    void unreadPartIsKeptAtSave() {
        const QString path = dir.ini();

        // One enormous line after good ones: the line is never read, but a save keeps it.
        const QByteArray huge = "Huge=" + QByteArray(3 * 1024 * 1024, 'a') + "\r\nAfter=2\r\n";
        QVERIFY(writeAll(path, "[S]\r\nBefore=1\r\n" + huge));
        IniFile ini;
        QVERIFY(ini.load(path));
        QVERIFY(ini.writeString("S", "Before", "changed"));
        QVERIFY(ini.writeString("S", "New", "x"));
        QVERIFY(ini.save(path));
        QCOMPARE(readAll(path), "[S]\r\nBefore=changed\r\nNew=x\r\n" + huge);

        // A long file of short lines: the lines past the limit come after the rewritten ones,
        // byte for byte; what was written reads back.
        QByteArray lines = "[S]\n";
        for (int i = 0; lines.size() <= IniFile::kMaxFileBytes + 5000; ++i) {
            lines += "Key" + QByteArray::number(i) + "=value\n";
        }
        QVERIFY(writeAll(path, lines));
        QVERIFY(ini.load(path));
        const QByteArray head = ini.toBytes();
        const qsizetype unread =
            lines.size() - (lines.left(IniFile::kMaxFileBytes).lastIndexOf('\n') + 1);
        QVERIFY(unread > 5000);
        QVERIFY(ini.writeString("S", "Key0", "changed"));
        QVERIFY(ini.save(path));
        const QByteArray saved = readAll(path);
        QVERIFY(saved.endsWith(lines.right(unread)));
        QCOMPARE(saved.size(), head.size() + unread + 2);  // "value" became "changed"
        IniFile again;
        QVERIFY(again.load(path));
        QCOMPARE(again.readString("S", "key0", "", 15), QString("changed"));

        // A file changed behind its back is not spliced: the save fails and leaves it alone.
        QVERIFY(ini.load(path));
        QVERIFY(writeAll(path, "[S]\r\nOther=1\r\n" + QByteArray(2 * 1024 * 1024, 'b')));
        QVERIFY(!ini.save(path));
        QVERIFY(readAll(path).startsWith("[S]\r\nOther=1\r\n"));
    }
};

ROPEWIT_TEST(TestIniFile)
#include "tst_inifile.moc"
