#pragma once

#include <QString>
#include <vector>

#include "core/Sound.h"

// A sound player that only records what would have been played.
class RecordingSound : public SoundPlayer {
public:
    struct Play {
        QString path;
        bool wait;
    };
    std::vector<Play> plays;
    void play(const QString& path, bool wait) override { plays.push_back({path, wait}); }
    void clear() { plays.clear(); }
};
