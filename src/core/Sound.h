#pragma once

#include <QString>

// Every sound of the program goes through this interface. Playing in the background
// replaces whatever is still playing; playing with wait returns when the sound has ended.
// A file that cannot be played gives silence, never an error.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& path, bool wait) = 0;
};
