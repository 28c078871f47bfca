#pragma once

#include <QString>

class Prompts;
class QWidget;

// The Help menu: the help file and the web site open in the browser, the About box. What
// cannot be opened is said in an "Error" box.
namespace helpmenu {

// The help file in the program's data directory: ROPEWIT.<code>.HTML when the window is in
// a language whose help was translated, else ROPEWIT.HTML.
QString contentsFile(const QString& programDir);
void openContents(Prompts& prompts, QWidget* parent, const QString& programDir);
void openWebSite(Prompts& prompts, QWidget* parent);
void showAbout(Prompts& prompts, QWidget* parent);

}  // namespace helpmenu
