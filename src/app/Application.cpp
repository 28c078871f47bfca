#include "app/Application.h"

#include <QApplication>

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("ropewit"));
    QApplication::setApplicationVersion(QStringLiteral(ROPEWIT_VERSION));
}
