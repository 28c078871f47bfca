#pragma once

#include <QString>

class Prompts;
class QWidget;

// The Help menu: the help file and the web site open in the browser, the About box. What
// cannot be opened is said in an "Error" box.
namespace helpmenu {

// ROPEWIT.HTML in the program's data directory.
void openContents(Prompts& prompts, QWidget* parent, const QString& programDir);
void openWebSite(Prompts& prompts, QWidget* parent);
void showAbout(Prompts& prompts, QWidget* parent);

}  // namespace helpmenu
