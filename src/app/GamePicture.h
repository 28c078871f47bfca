#pragma once

#include <QString>

#include "core/AppContext.h"

// Plays the opening of a solo game on a list that comes with the program (a file name in
// the data folder), in the real main
// window, without showing any dialog, and saves a picture of the window to `path`. It makes
// the screenshots of the README, the help and the AppStream data, and shows that an
// installed program finds its data. `context` brings the directories and ports; its prompts
// and sound are replaced. Returns the program's exit status: 0 when the picture was
// written, 1 otherwise, with the reason on standard error.
int saveGameInProgressPicture(AppContext context, const QString& path,
                              const QString& listName = QStringLiteral("ANIMALS.TXT"));
