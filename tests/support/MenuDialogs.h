#pragma once

#include "TestWindow.h"
#include "dialogs/TDoSounds.h"
#include "dialogs/TLetterLook2.h"

// The dialogs of the Options menu, given what the window's menu gives them, for the tests that
// drive one without going through the menu. C++17 returns them in place.
inline TDoSounds soundsDialog(TestWindow& w) {
    return TDoSounds(w->settings(), w.prompts, w->screenSize(), &*w);
}

inline TLetterLook2 letterLookDialog(TestWindow& w) {
    return TLetterLook2(w->settings(), w.prompts, w->letterLookHooks(), &*w);
}
