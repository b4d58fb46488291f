#include "ui/widgets/DesignStyle.h"

#include "ui/widgets/EffectLabel.h"

namespace ui {

void applyStyle(ShadowButton& button, const ButtonStyle& style) {
    if (style.face)
        button.setFace(*style.face);
    button.setTextColor(style.textColor);
    button.setTextEffect(style.textEffect);
    button.setBold(style.bold);
    button.setBevelWidth(style.bevelWidth);
    button.setShadowDepth(style.shadowDepth);
    button.setBevel(style.bevel);
    button.setShape(style.shape);
}

void applyStyle(EffectLabel& label, const TextStyle& style) {
    label.setColor(style.color);
    label.setBold(style.bold);
    label.setEffect(style.effect);
}

} // namespace ui
