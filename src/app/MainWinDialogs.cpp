// Customisation commands: sound effects, letter appearance, the word list editor.
#include "app/MainWin.h"
#include "core/Prompts.h"
#include "dialogs/TDoSounds.h"
#include "dialogs/TDoWordList.h"
#include "dialogs/TLetterLook2.h"

void TMainWin::MenuSoundClick() {
    TDoSounds dialog(*this);
    ctx.prompts->runDialog(dialog);
}

void TMainWin::MenuFontsClick() {
    TLetterLook2 dialog(*this);
    ctx.prompts->runDialog(dialog);
    // The looks may have changed: every tile on the board is drawn again.
    DisplayWord();
}

void TMainWin::MenuCreateListClick() {
    TDoWordList dialog(*ctx.prompts, this);
    ctx.prompts->runDialog(dialog);
}
