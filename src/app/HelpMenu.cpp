#include "app/HelpMenu.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "app/Language.h"
#include "core/Prompts.h"

namespace helpmenu {

namespace {
const char* const kWebSite = "https://ropewit.example.org/";
}

QString contentsFile(const QString& programDir) {
    const QDir dir(programDir);
    const QString translated =
        dir.filePath(QStringLiteral("ROPEWIT.%1.HTML").arg(language::current()));
    // A language whose help has not been written yet still gets the English one.
    return QFileInfo(translated).isFile() ? translated
                                          : dir.filePath(QStringLiteral("ROPEWIT.HTML"));
}

void openContents(Prompts& prompts, QWidget* parent, const QString& programDir) {
    const QString path = contentsFile(programDir);
    if (!QFileInfo(path).isFile() || !QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        prompts.message(
            parent, QCoreApplication::translate("HelpMenu", "Error"),
            QCoreApplication::translate("HelpMenu", "The help file could not be opened: ") + path);
    }
}

void openWebSite(Prompts& prompts, QWidget* parent) {
    const QString site = QString::fromLatin1(kWebSite);
    if (!QDesktopServices::openUrl(QUrl(site))) {
        prompts.message(
            parent, QCoreApplication::translate("HelpMenu", "Error"),
            QCoreApplication::translate("HelpMenu", "The web site could not be opened: ") + site);
    }
}

void showAbout(Prompts& prompts, QWidget* parent) {
    prompts.message(
        parent, QCoreApplication::translate("HelpMenu", "About Ropewit"),
        QCoreApplication::translate("HelpMenu",
                                    "Ropewit %1\n\nThe Internet Hangman Game!\n\n"
                                    "Guess the word before the figure is complete, alone "
                                    "or against an opponent over the network.")
            .arg(QStringLiteral(ROPEWIT_VERSION)));
}

}  // namespace helpmenu
