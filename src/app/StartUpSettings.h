#pragma once

struct AppContext;
struct Settings;
class QWidget;

// Reads the settings the window starts with, from the configuration directory. A settings
// file that cannot be read or written is told once, in a box over the window, after the
// handler that met it. The context is the window's own, and lives as long as the window.
void loadStartUpSettings(Settings& settings, const AppContext& context, QWidget& window);
