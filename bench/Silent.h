#pragma once

#include <optional>

#include "core/Prompts.h"
#include "core/Sound.h"

// A window for a benchmark answers no box and plays no sound: nothing may wait on a person.
class SilentPrompts : public Prompts {
public:
    void message(QWidget*, const QString&, const QString&) override {}
    bool question(QWidget*, const QString&, const QString&) override { return true; }
    std::optional<QString> openFile(QWidget*, const FileChooserRequest&) override { return {}; }
    std::optional<QString> saveFile(QWidget*, const FileChooserRequest&) override { return {}; }
    std::optional<TileFont> chooseFont(QWidget*, const TileFont&, int) override { return {}; }
    int runDialog(QDialog&) override { return 0; }
};

class SilentSound : public SoundPlayer {
public:
    void play(const QString&, bool) override {}
};
