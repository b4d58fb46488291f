#pragma once

#include "menu/reader/DesignSettings.h"
#include "ui/widgets/Backdrop.h"
#include "ui/widgets/TextEffect.h"

#include <QPixmap>

namespace ui {
class EffectLabel;
class ShadowButton;
} // namespace ui

namespace menu {

ui::TextEffect toUi(TextEffect effect);
ui::Placement toUi(TileMode mode);

void styleLabel(ui::EffectLabel* label, const FontStyle& style);

// The design as the menu window hands it to its dialogs once it has read it: the settings and
// the two bitmaps, each loaded only when the design uses it.
struct DesignLook {
    DesignSettings design;
    QPixmap background;   // design mode "bmp"
    QPixmap buttonBitmap; // button mode "bmp"

    // The background of the menu window and its dialogs: the bitmap, the gradient, or nothing
    // for a design mode that is neither.
    ui::Backdrop windowBackdrop() const;
    // Text, bevel and shadow of the design; the face by the button mode (none for a mode that is
    // none of the three, which leaves the button's own face).
    void styleButton(ui::ShadowButton* button) const;
};

} // namespace menu
