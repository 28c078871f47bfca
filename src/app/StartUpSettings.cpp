#include "app/StartUpSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>

#include "core/AppContext.h"
#include "core/Prompts.h"
#include "settings/Settings.h"

void loadStartUpSettings(Settings& settings, const AppContext& context, QWidget& window) {
    settings.ProgramDir = context.programDir;
    settings.IniPath = QDir(context.configDir).filePath(QStringLiteral("ROPEWIT.INI"));
    // The prompts are looked up when a problem is told: tests replace them.
    settings.ReportProblem = [&window, &context](const QString& problem) {
        QTimer::singleShot(0, &window, [&window, &context, problem] {
            context.prompts->message(
                &window, QCoreApplication::translate("StartUpSettings", "Error"), problem);
        });
    };
    LoadSettings(settings);
}
