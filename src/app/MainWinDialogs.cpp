// Customisation commands: sound effects, letter appearance, the word list editor.
#include "app/MainWin.h"

void TMainWin::MenuSoundClick() {}
void TMainWin::MenuFontsClick() {}
void TMainWin::MenuCreateListClick() {}
