#include "core/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include "core/WaveFile.h"

namespace {
constexpr int kWaitMarginMs = 500;
constexpr int kMaxEffects = 64;
}  // namespace

QtSoundPlayer::QtSoundPlayer(QObject* parent) : QObject(parent) {}

QtSoundPlayer::~QtSoundPlayer() = default;

QSoundEffect* QtSoundPlayer::effectFor(const QString& path) {
    if (QSoundEffect* effect = effects_.value(path)) {
        return effect;
    }
    if (effects_.size() >= kMaxEffects) {
        // Players who pick many files keep only a bounded set of loaded sounds.
        for (QSoundEffect* effect : std::as_const(effects_)) {
            if (effect != current_) {
                effect->deleteLater();
            }
        }
        effects_.clear();
    }
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(path));
    effects_.insert(path, effect);
    return effect;
}

void QtSoundPlayer::play(const QString& path, bool wait) {
    if (current_) {
        current_->stop();
    }
    if (QMediaDevices::defaultAudioOutput().isNull() || !QFileInfo(path).isFile()) {
        return;
    }
    // The header tells whether this is a sound at all and how long a wait may last.
    const std::optional<int> duration = waveDurationMs(path);
    if (!duration) {
        return;
    }
    QSoundEffect* effect = effectFor(path);
    current_ = effect;
    effect->play();
    if (!wait) {
        return;
    }
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(effect, &QSoundEffect::playingChanged, &loop, [&loop, effect] {
        if (!effect->isPlaying()) {
            loop.quit();
        }
    });
    limit.start(*duration + kWaitMarginMs);
    loop.exec();
}
