#pragma once

#include <QString>

#include "core/Prompts.h"

// The chooser for a word list to play from.
// Opens where the lists that come with the game lie (`directory`).
FileChooserRequest openWordListRequest(bool mustExist, const QString& directory);
