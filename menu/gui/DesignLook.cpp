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

void styleLabel(ui::EffectLabel* label, const FontStyle& style) {
    label->setColor(style.color);
    label->setBold(style.bold);
    label->setEffect(toUi(style.effect));
}

ui::Backdrop DesignLook::windowBackdrop() const {
    switch (design.designMode) {
    case DesignMode::Bitmap:
        return ui::Backdrop::bitmap(background, toUi(design.tileMode));
    case DesignMode::Band:
        return ui::Backdrop::gradient(design.backStart, design.backEnd);
    case DesignMode::Other:
        break;
    }
    return {};
}

void DesignLook::styleButton(ui::ShadowButton* b) const {
    const DesignSettings& d = design;
    b->setTextColor(d.buttonText);
    b->setTextEffect(toUi(d.buttonEffect));
    b->setBold(d.buttonBold);
    b->setBevelWidth(d.buttonBevelWidth);
    b->setShadowDepth(d.buttonShadowDepth);
    b->setBevel(d.bevelStyle == BevelStyle::Inset    ? ui::ShadowButton::Bevel::Inset
                : d.bevelStyle == BevelStyle::Offset ? ui::ShadowButton::Bevel::Offset
                                                     : ui::ShadowButton::Bevel::Normal);
    b->setShape(d.buttonShape == ButtonShape::ThreeD ? ui::ShadowButton::Shape::ThreeD
                                                     : ui::ShadowButton::Shape::Shadow);
    switch (d.buttonMode) {
    case ButtonMode::Bitmap:
        b->setFace(ui::Backdrop::bitmap(buttonBitmap, ui::Placement::Tile));
        break;
    case ButtonMode::Band:
        b->setFace(ui::Backdrop::gradient(d.buttonStart, d.buttonEnd));
        break;
    case ButtonMode::Transparent:
        b->setFace(ui::Backdrop());
        break;
    case ButtonMode::Other:
        break;
    }
}

} // namespace menu
