#include "app/Application.h"

#include <QApplication>

#include "core/Pictures.h"

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("ropewit"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ROPEWIT_VERSION));
}

void setUpApplication() {
    nameApplication();
    QApplication::setWindowIcon(pictures::programIcon());
    // Lets the desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ropewit.Ropewit"));
}
