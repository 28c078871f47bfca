#include "app/Application.h"

#include <QApplication>

#include "core/Pictures.h"

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("ropewit"));
    QApplication::setApplicationVersion(QStringLiteral(ROPEWIT_VERSION));
    QApplication::setWindowIcon(pictures::programIcon());
    // Lets the desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ropewit.Ropewit"));
}
