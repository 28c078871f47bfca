#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <utility>

// The language of the window, chosen before the window exists. What goes to the opponent,
// the server or a file never passes through the translators, so two players with different
// languages still exchange the same bytes.
namespace language {

// The code to load: --language, else the player's choice from the Options menu, else the
// system's when Ropewit has a translation for it. "C" and "en" (and nothing) mean English.
QString choose(const QString& option, const QString& chosen,
               const QLocale& system = QLocale::system());
// Installs Ropewit's translation for code from the program's data directory and Qt's own for
// its dialogs; the translators belong to the application. English needs none. When Ropewit's
// file is missing or damaged the window stays English and one warning line says so; false
// then.
bool install(const QString& programDir, const QString& code);
// Removes what install() put in place, so English is back.
void uninstall();
// The code of the translation in place; "en" while the window is English.
QString current();
// The translations offered in the Options menu: code, and the language's name in itself.
QList<std::pair<QString, QString>> offered();
// Where the translation for code lies under the data directory.
QString fileFor(const QString& programDir, const QString& code);

}  // namespace language
