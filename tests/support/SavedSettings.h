#pragma once

#include <QString>

#include "settings/Settings.h"

// What a later run would read from the settings file a record was saved to.
inline Settings savedSettings(const Settings& now) {
    Settings s;
    s.IniPath = now.IniPath;
    s.ProgramDir = now.ProgramDir;
    LoadSettings(s);
    return s;
}
