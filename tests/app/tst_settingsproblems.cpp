#include <QAction>
#include <QDir>
#include <QFileInfo>

#include "TestFiles.h"
#include "TestWindow.h"
#include "Testing.h"
#include "Unprivileged.h"

// A settings file the program cannot read or write is told to the player once per run, in
// an "Error" box, and never destroys what is there.
class TestSettingsProblems : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void unreadableFileIsToldOnceAndKept() {
        // A folder in the file's place: there, but not readable as a file.
        TestWindow t;
        const QString ini = QDir(t.dir.path()).filePath(QStringLiteral("ROPEWIT.INI"));
        t.win.reset();  // its close may have saved a file
        QFile::remove(ini);
        QVERIFY(QDir().mkpath(ini + QStringLiteral("/inside")));
        AppContext ctx;
        ctx.configDir = t.dir.path();
        ctx.programDir = QStringLiteral(ROPEWIT_PROGRAM_DIR);
        ctx.prompts = &t.prompts;
        ctx.sound = &t.sound;
        t.win = std::make_unique<TMainWin>(ctx);
        QTRY_COMPARE(t.prompts.withCaption(QStringLiteral("Error")).size(), 1);
        QVERIFY(
            t.prompts.withCaption(QStringLiteral("Error")).first().contains("could not be read"));
        // The defaults apply, and changing a setting saves nothing and tells nothing more.
        QVERIFY(t->settings().UseUpper);
        t->ui().MenuUpper->trigger();
        t->ui().MenuHints->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(t.prompts.withCaption(QStringLiteral("Error")).size(), 1);
        QVERIFY(QFileInfo(ini + QStringLiteral("/inside")).isDir());
    }

    void failedSaveIsToldOnceAndKeepsTheFile() {
        const QByteArray old = "[Options]\r\nUse Upper=Yes\r\nUse Hints=No\r\n";
        TestWindow t(old);
        const QString ini = QDir(t.dir.path()).filePath(QStringLiteral("ROPEWIT.INI"));
        QCoreApplication::processEvents();
        QVERIFY(t.prompts.withCaption(QStringLiteral("Error")).isEmpty());
        {
            FileSizeLimit full(200);
            t->ui().MenuUpper->trigger();
            t->ui().MenuHints->trigger();
        }
        QTRY_COMPARE(t.prompts.withCaption(QStringLiteral("Error")).size(), 1);
        QVERIFY(t.prompts.withCaption(QStringLiteral("Error"))
                    .first()
                    .startsWith("The settings could not be saved"));
        QCOMPARE(readAll(ini), old);
        // With room again the next change is saved, and nothing more is told.
        t->ui().MenuUpper->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(t.prompts.withCaption(QStringLiteral("Error")).size(), 1);
        QVERIFY(readAll(ini).contains("Use Hints=Yes"));
    }
};

ROPEWIT_TEST(TestSettingsProblems)
#include "tst_settingsproblems.moc"
