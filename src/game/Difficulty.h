#pragma once

#include <QString>

// The word lengths a solo player can ask for.
enum class Difficulty { Any, Short, Medium, Long };

namespace difficulty {
// The name kept in files ("any", "short", "medium", "long") and the one shown.
QString key(Difficulty d);
QString title(Difficulty d);
// False for a name no version of the program writes.
bool fromKey(const QString& key, Difficulty* d);
// Short is 3 to 5 letters, medium 6 to 8, long 9 and more.
bool fits(int length, Difficulty d);
}  // namespace difficulty
