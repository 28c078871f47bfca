#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include "core/Sound.h"

class QSoundEffect;

// Plays wave files with Qt Multimedia: one effect per file, kept for reuse. With no audio
// device nothing is played at all (an effect would then claim to play forever).
class QtSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject* parent = nullptr);
    ~QtSoundPlayer() override;

    void play(const QString& path, bool wait) override;

private:
    QSoundEffect* effectFor(const QString& path);

    QHash<QString, QSoundEffect*> effects_;
    QPointer<QSoundEffect> current_;
};
