#include "app/SoundEffects.h"

#include <QFileInfo>

#include "core/Random.h"
#include "core/Sound.h"
#include "core/Text.h"

void SoundEffects::DoWave(const QString& path, bool wait) {
    if (ctx_.sound) {
        ctx_.sound->play(text::bounded(path), wait);
    }
}

void SoundEffects::Letter(bool hit) {
    if (settings_.UseSound) {
        PlayRandomSound(hit ? settings_.CorrectLetterSounds : settings_.MissedLetterSounds,
                        hit ? settings_.CorrectLetterCount : settings_.MissedLetterCount);
    }
}

void SoundEffects::Word(bool solved) {
    if (settings_.UseSound) {
        PlayIfExists(solved ? settings_.CorrectWordSound : settings_.MissedWordSound);
    }
}

void SoundEffects::Floop(bool wait) {
    if (settings_.UseSound) {
        DoWave(settings_.ProgramDir + QStringLiteral("/FLOOP.WAV"), wait);
    }
}

void SoundEffects::PlayRandomSound(const std::array<QString, Settings::kSoundSlots>& list,
                                   int count) {
    // One draw, even for an empty list, so the sequence of draws does not depend on it.
    const uint32_t index = programRandom().next(static_cast<uint32_t>(qBound(0, count, 25)));
    PlayIfExists(list[index]);
}

void SoundEffects::PlayIfExists(const QString& path) {
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        DoWave(path, false);
    }
}

void SoundEffects::Greeting() {
    for (int i = 0; i < 3; ++i) {
        Floop(true);
    }
}
