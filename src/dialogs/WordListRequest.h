#pragma once

#include <QString>

#include "core/Prompts.h"

// The chooser for a word list to play from.
// Opens where the lists that come with the game lie (`directory`); the player's own lists
// (`ownFolder`) are a click away in the sidebar.
FileChooserRequest openWordListRequest(bool mustExist, const QString& directory,
                                       const QString& ownFolder);
