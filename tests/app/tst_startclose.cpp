#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include "SavedSettings.h"
#include "ScriptedPrompts.h"
#include "Testing.h"
#include "app/CloseDown.h"
#include "app/StartUpSettings.h"
#include "core/AppContext.h"
#include "matchmaking/MatchClient.h"
#include "net/MessageGate.h"
#include "settings/SaveThrottle.h"
#include "settings/Settings.h"

// How the window starts and ends, without the window: where the settings come from, when a
// problem with them is told, and what closing stops, sends and saves.
class TestStartClose : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUpTellsAnUnreadableFileOnceAfterTheHandlerThroughThePromptsOfThatTime() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("ROPEWIT.INI"));
        QVERIFY(QDir().mkpath(ini + QStringLiteral("/inside")));
        ScriptedPrompts first, later;
        AppContext context;
        context.configDir = dir.path();
        context.programDir = QStringLiteral("/the/program");
        context.prompts = &first;
        QWidget window;
        Settings settings;
        loadStartUpSettings(settings, context, window);
        QCOMPARE(settings.IniPath, ini);
        QCOMPARE(settings.ProgramDir, QStringLiteral("/the/program"));
        QVERIFY(settings.UseUpper);  // the defaults apply
        // Nothing is shown inside the handler that met the problem.
        QVERIFY(first.shown.empty());
        context.prompts = &later;
        QTRY_COMPARE(later.withCaption(QStringLiteral("Error")).size(), 1);
        QVERIFY(later.withCaption(QStringLiteral("Error")).first().contains("could not be read"));
        QVERIFY(first.shown.empty());
        QVERIFY(QFileInfo(ini + QStringLiteral("/inside")).isDir());
    }

    void closingUnlistedStopsTheTimersAndSavesOnceWithoutTheServer() {
        QTemporaryDir dir;
        Settings settings;
        settings.IniPath = dir.filePath(QStringLiteral("ROPEWIT.INI"));
        settings.UseHints = true;
        MessageGate gate;
        MatchClient match(settings, gate);
        int owedSaves = 0;
        SaveThrottle owed([&owedSaves] { ++owedSaves; });
        owed.request();
        owed.request();  // the second is owed
        QTimer flash, step;
        flash.start(1000);
        step.start(1000);
        int unLogs = 0;
        closeDown(
            match, [&unLogs] { ++unLogs; }, {&flash, &step}, owed, settings);
        QCOMPARE(unLogs, 0);
        QVERIFY(!flash.isActive());
        QVERIFY(!step.isActive());
        // The close's own save carries what was owed: nothing is left to save later.
        const int before = owedSaves;
        owed.flush();
        QCOMPARE(owedSaves, before);
        QVERIFY(savedSettings(settings).UseHints);
    }

    void closingWhileListedTakesThePlayerOffFirst() {
        QTemporaryDir dir;
        Settings settings;
        settings.IniPath = dir.filePath(QStringLiteral("ROPEWIT.INI"));
        MessageGate gate;
        MatchClient match(settings, gate);
        match.setLoggedOn(true);
        SaveThrottle owed([] {});
        QStringList order;
        closeDown(
            match,
            [&] {
                order << QStringLiteral("unlog");
                QVERIFY(!match.unLogDone());
                // The server's answer comes while the close waits for it.
                QTimer::singleShot(0, &match, [&match] { match.setUnLogDone(true); });
            },
            {}, owed, settings);
        QCOMPARE(order, QStringList{QStringLiteral("unlog")});
        QVERIFY(match.unLogDone());
        QVERIFY(QFileInfo::exists(settings.IniPath));
    }
};

ROPEWIT_TEST(TestStartClose)
#include "tst_startclose.moc"
