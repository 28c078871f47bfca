#include "app/HelpMenu.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "core/Prompts.h"

namespace helpmenu {

namespace {
const char* const kWebSite = "https://ropewit.example.org/";
}

void openContents(Prompts& prompts, QWidget* parent, const QString& programDir) {
    const QString path = QDir(programDir).filePath(QStringLiteral("ROPEWIT.HTML"));
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
