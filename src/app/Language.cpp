#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <algorithm>
#include <memory>

namespace {

QPointer<QTranslator> ownTranslator;
QPointer<QTranslator> qtTranslator;
QString installedCode;

bool isEnglish(const QString& code) {
    return code.isEmpty() || code == QLatin1String("C") || code == QLatin1String("en");
}

bool isOffered(const QString& code) {
    const auto list = language::offered();
    return std::any_of(list.begin(), list.end(), [&](const auto& l) { return l.first == code; });
}

}  // namespace

namespace language {

QList<std::pair<QString, QString>> offered() {
    return {{QStringLiteral("en"), QStringLiteral("English")},
            {QStringLiteral("de"), QStringLiteral("Deutsch")},
            {QStringLiteral("fr"), QStringLiteral("Fran\u00e7ais")},
            {QStringLiteral("es"), QStringLiteral("Espa\u00f1ol")}};
}

QString fileFor(const QString& programDir, const QString& code) {
    return programDir + QStringLiteral("/translations/ropewit_%1.qm").arg(code);
}

QString choose(const QString& option, const QString& chosen, const QLocale& system) {
    if (!option.isEmpty()) {
        return option;
    }
    if (!chosen.isEmpty()) {
        return chosen;
    }
    // A system language Ropewit was not translated into is quietly English.
    const QString code = QLocale::languageToCode(system.language());
    return isOffered(code) ? code : QStringLiteral("en");
}

void uninstall() {
    delete ownTranslator;
    delete qtTranslator;
    installedCode.clear();
}

QString current() {
    return installedCode.isEmpty() ? QStringLiteral("en") : installedCode;
}

bool install(const QString& programDir, const QString& code) {
    uninstall();
    if (isEnglish(code)) {
        return true;
    }
    auto* app = QCoreApplication::instance();
    auto own = std::make_unique<QTranslator>(app);
    const QString path = fileFor(programDir, code);
    if (!own->load(path)) {
        qWarning("ropewit: no usable translation %s, the window stays in English",
                 qPrintable(path));
        return false;
    }
    QCoreApplication::installTranslator(own.get());
    ownTranslator = own.release();
    installedCode = code;
    // Qt's own dialog texts; without them those dialogs stay in English.
    auto qt = std::make_unique<QTranslator>(app);
    if (qt->load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qtTranslator = qt.release();
    }
    return true;
}

}  // namespace language
