#pragma once

#include "menu/MenuState.h"
#include "ui/services/SoundService.h"

namespace menu {

// Plays sound n (1 to 5) when the design sets it; the others stay silent.
inline void playMenuSound(ui::SoundService& sound, const MenuState& state, int n) {
    const QString& file = state.soundFiles[std::size_t(n - 1)];
    if (!file.isEmpty())
        sound.play(file);
}

} // namespace menu
