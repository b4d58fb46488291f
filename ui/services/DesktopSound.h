#pragma once

#include "ui/services/SoundService.h"

#include <QHash>

class QSoundEffect;

namespace ui {

class DesktopSound : public SoundService {
public:
    DesktopSound();
    ~DesktopSound() override;

    void play(const QString& source) override;
    void stop() override;

private:
    // Each sound is loaded once and kept, so that a click plays at once the second time.
    QHash<QString, QSoundEffect*> m_effects;
    QSoundEffect* m_playing = nullptr;
};

} // namespace ui
