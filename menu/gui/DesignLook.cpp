#include "menu/gui/DesignLook.h"

#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/ShadowButton.h"

namespace menu {

ui::TextEffect toUi(TextEffect effect) {
    switch (effect) {
    case TextEffect::None:
        return ui::TextEffect::None;
    case TextEffect::Raised:
        return ui::TextEffect::Raised;
    case TextEffect::Sunken:
        return ui::TextEffect::Sunken;
    case TextEffect::Shadow:
        return ui::TextEffect::Shadow;
    case TextEffect::RaisedShadow:
        return ui::TextEffect::RaisedShadow;
    case TextEffect::SunkenShadow:
        return ui::TextEffect::SunkenShadow;
    }
    return ui::TextEffect::None;
}

ui::Placement toUi(TileMode mode) {
    switch (mode) {
    case TileMode::Tile:
        return ui::Placement::Tile;
    case TileMode::Center:
        return ui::Placement::Center;
    case TileMode::Stretch:
        return ui::Placement::Stretch;
    case TileMode::None:
        return ui::Placement::None;
    }
    return ui::Placement::Tile;
}

ui::TextStyle toUi(const FontStyle& style) {
    return {style.color, style.bold, toUi(style.effect)};
}

void styleLabel(ui::EffectLabel* label, const FontStyle& style) {
    ui::applyStyle(*label, toUi(style));
}

namespace {

ui::Backdrop windowOf(const DesignLook& look) {
    const DesignSettings& d = look.design;
    switch (d.designMode) {
    case DesignMode::Bitmap:
        return ui::Backdrop::bitmap(look.background, toUi(d.tileMode));
    case DesignMode::Band:
        return ui::Backdrop::gradient(d.backStart, d.backEnd);
    case DesignMode::Other:
        break;
    }
    return {};
}

std::optional<ui::Backdrop> buttonFaceOf(const DesignLook& look) {
    const DesignSettings& d = look.design;
    switch (d.buttonMode) {
    case ButtonMode::Bitmap:
        return ui::Backdrop::bitmap(look.buttonBitmap, ui::Placement::Tile);
    case ButtonMode::Band:
        return ui::Backdrop::gradient(d.buttonStart, d.buttonEnd);
    case ButtonMode::Transparent:
        return ui::Backdrop();
    case ButtonMode::Other:
        break;
    }
    return std::nullopt;
}

ui::ShadowButton::Bevel bevelOf(BevelStyle style) {
    switch (style) {
    case BevelStyle::Inset:
        return ui::ShadowButton::Bevel::Inset;
    case BevelStyle::Offset:
        return ui::ShadowButton::Bevel::Offset;
    case BevelStyle::Normal:
        break;
    }
    return ui::ShadowButton::Bevel::Normal;
}

} // namespace

ui::DesignStyle DesignLook::style() const {
    const DesignSettings& d = design;
    ui::DesignStyle s;
    s.window = windowOf(*this);
    s.button.face = buttonFaceOf(*this);
    s.button.textColor = d.buttonText;
    s.button.textEffect = toUi(d.buttonEffect);
    s.button.bold = d.buttonBold;
    s.button.bevelWidth = d.buttonBevelWidth;
    s.button.shadowDepth = d.buttonShadowDepth;
    s.button.bevel = bevelOf(d.bevelStyle);
    s.button.shape = d.buttonShape == ButtonShape::ThreeD ? ui::ShadowButton::Shape::ThreeD
                                                          : ui::ShadowButton::Shape::Shadow;
    s.headings = toUi(d.headings);
    s.detailLabels = toUi(d.detailLabels);
    s.detailValues = toUi(d.detailValues);
    return s;
}

ui::Backdrop DesignLook::windowBackdrop() const {
    return windowOf(*this);
}

void DesignLook::styleButton(ui::ShadowButton* button) const {
    ui::applyStyle(*button, style().button);
}

} // namespace menu
