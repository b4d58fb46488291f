#pragma once

#include "menu/reader/DesignSettings.h"
#include "ui/widgets/Backdrop.h"
#include "ui/widgets/DesignStyle.h"
#include "ui/widgets/TextEffect.h"

#include <QPixmap>

namespace ui {
class EffectLabel;
class ShadowButton;
} // namespace ui

namespace menu {

ui::TextEffect toUi(TextEffect effect);
ui::Placement toUi(TileMode mode);
ui::TextStyle toUi(const FontStyle& style);

void styleLabel(ui::EffectLabel* label, const FontStyle& style);

// The design as the menu window hands it to its dialogs once it has read it: the settings and
// the two bitmaps, each loaded only when the design uses it.
struct DesignLook {
    DesignSettings design;
    QPixmap background;   // design mode "bmp"
    QPixmap buttonBitmap; // button mode "bmp"

    // The design in the widget set's terms. The background is the bitmap, the gradient, or nothing
    // for a design mode that is neither; a button mode that is none of the three gives no face,
    // which leaves a button's own.
    ui::DesignStyle style() const;

    ui::Backdrop windowBackdrop() const;
    void styleButton(ui::ShadowButton* button) const;
};

} // namespace menu
