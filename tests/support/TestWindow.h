#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "Checked.h"
#include "RecordingSound.h"
#include "ScriptedPrompts.h"
#include "app/ControlPanelView.h"
#include "app/MainWin.h"
#include "app/NetworkSteps.h"
#include "app/OptionsMenu.h"
#include "matchmaking/MatchClient.h"

// One main window for a test: its own settings directory, scripted prompts, recorded
// sounds, and the real program directory of the build (sounds, ROPEWIT.TXT).
struct TestWindow {
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    RecordingSound sound;
    std::unique_ptr<TMainWin> win;

    // iniText, when given, is written as ROPEWIT.INI before the window is created.
    explicit TestWindow(const QByteArray& iniText = {}, quint16 peerPort = 0) {
        if (!iniText.isNull()) {
            writeFile(QStringLiteral("ROPEWIT.INI"), iniText);
        }
        AppContext ctx;
        ctx.configDir = dir.path();
        ctx.dataDir = dir.path();
        ctx.programDir = QStringLiteral(ROPEWIT_PROGRAM_DIR);
        ctx.peerPort = peerPort;
        ctx.prompts = &prompts;
        ctx.sound = &sound;
        win = std::make_unique<TMainWin>(ctx);
    }

    TMainWin* operator->() { return win.get(); }
    TMainWin& operator*() { return *win; }

    // Writes a file into the test's directory and returns its path.
    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = QDir(dir.path()).filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
};

// Points the window's matchmaking client at a server.
inline void useServer(TestWindow& t, quint16 port,
                      const QString& host = QStringLiteral("127.0.0.1")) {
    t->context().matchmakingHost = host;
    t->context().matchmakingPort = port;
}

// The lines of a log or chat memo, without empty ones.
inline QStringList linesOf(const QPlainTextEdit* memo) {
    return memo->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The lines of a window's connection log.
inline QStringList logOf(TestWindow& t) {
    return linesOf(t->ui().ConMemo);
}
