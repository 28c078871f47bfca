#include "game/Difficulty.h"

#include <QCoreApplication>

namespace difficulty {

QString key(Difficulty d) {
    switch (d) {
        case Difficulty::Short:
            return QStringLiteral("short");
        case Difficulty::Medium:
            return QStringLiteral("medium");
        case Difficulty::Long:
            return QStringLiteral("long");
        case Difficulty::Any:
            break;
    }
    return QStringLiteral("any");
}

QString title(Difficulty d) {
    switch (d) {
        case Difficulty::Short:
            return QCoreApplication::translate("Difficulty", "Short words (3-5 letters)");
        case Difficulty::Medium:
            return QCoreApplication::translate("Difficulty", "Medium words (6-8 letters)");
        case Difficulty::Long:
            return QCoreApplication::translate("Difficulty", "Long words (9 letters or more)");
        case Difficulty::Any:
            break;
    }
    return QCoreApplication::translate("Difficulty", "Words of any length");
}

bool fromKey(const QString& name, Difficulty* d) {
    for (Difficulty each :
         {Difficulty::Any, Difficulty::Short, Difficulty::Medium, Difficulty::Long}) {
        if (name.compare(key(each), Qt::CaseInsensitive) == 0) {
            *d = each;
            return true;
        }
    }
    return false;
}

bool fits(int length, Difficulty d) {
    switch (d) {
        case Difficulty::Short:
            return length >= 3 && length <= 5;
        case Difficulty::Medium:
            return length >= 6 && length <= 8;
        case Difficulty::Long:
            return length >= 9;
        case Difficulty::Any:
            break;
    }
    return true;
}

}  // namespace difficulty
