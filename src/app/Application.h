#pragma once

// Names the running program for Qt: the settings location and --version read them.
// No display name is set: on X11 and Wayland Qt would append it to every window title,
// and the program's titles ("Ropewit: Animals", "Error") are meant to stand as they are.
void setUpApplication();
// Only the name and version, which a QCoreApplication can hold too (--help, --version).
void nameApplication();
