#pragma once

#include <QString>

namespace ui {

// Plays wave sounds asynchronously. A new sound stops the one playing; without an audio device
// nothing is heard and nothing fails.
class SoundService {
public:
    virtual ~SoundService() = default;

    // A wave file's path or a Qt resource (":/...").
    virtual void play(const QString& source) = 0;
    virtual void stop() = 0;
};

} // namespace ui
