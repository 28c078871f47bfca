#pragma once

#include <QString>
#include <array>

#include "core/AppContext.h"
#include "settings/Settings.h"

// The game's sounds. Apart from DoWave, each plays only while sound is on.
class SoundEffects {
public:
    SoundEffects(const AppContext& context, const Settings& settings)
        : ctx_(context), settings_(settings) {}

    // Plays a wave file, waiting for its end or not.
    void DoWave(const QString& path, bool wait);
    // One of the letter sounds after a guess that hit or missed.
    void Letter(bool hit);
    // The word was solved, or the player hanged.
    void Word(bool solved);
    // The connection and chat sound.
    void Floop(bool wait);
    // A connection was made: the connection sound three times, each to its end.
    void Greeting();

private:
    // One of a list chosen at random; a file only if it exists.
    void PlayRandomSound(const std::array<QString, Settings::kSoundSlots>& list, int count);
    void PlayIfExists(const QString& path);

    const AppContext& ctx_;
    const Settings& settings_;
};
