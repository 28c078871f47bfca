// Option commands of the main window: guess attempts, user name, two-player options.
#include "app/MainWin.h"

void TMainWin::MenuGuessesClick() {}
void TMainWin::MenuUserNameClick() {}
void TMainWin::RunUserNameDialog() {}
void TMainWin::MenuGameClick() {}
