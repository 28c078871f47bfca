#pragma once

// hiredis's own Qt adapter. It is written with the `slots` keyword, which this project
// switches off (QT_NO_KEYWORDS), so the keyword is lent to it here; its meta-object code is
// generated from the installed header by the build.
#define slots Q_SLOTS
#include <hiredis/adapters/qt.h>
#undef slots
