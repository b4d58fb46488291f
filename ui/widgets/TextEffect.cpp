#include "ui/widgets/TextEffect.h"

#include <QPainter>

namespace ui {
namespace {

const QColor kHighlight(255, 255, 255);
const QColor kShade(128, 128, 128);
const QColor kDropShadow(0, 0, 0, 120);

void drawAt(QPainter& p, const QRect& r, int flags, const QString& text, const QColor& c, int dx, int dy) {
    p.setPen(c);
    p.drawText(r.translated(dx, dy), flags, text);
}

} // namespace

int effectMargin(TextEffect effect) {
    switch (effect) {
    case TextEffect::None:
        return 0;
    case TextEffect::Raised:
    case TextEffect::Sunken:
        return 1;
    case TextEffect::Shadow:
        return 2;
    case TextEffect::RaisedShadow:
    case TextEffect::SunkenShadow:
        return 3;
    }
    return 0;
}

void drawEffectText(QPainter& p, const QRect& r, int flags, const QString& text, const QColor& color,
                    TextEffect effect, bool enabled) {
    p.save();
    // Disabled, the caption fades into whatever lies behind it, effect and all.
    if (!enabled)
        p.setOpacity(p.opacity() * 0.35);
    switch (effect) {
    case TextEffect::None:
        break;
    case TextEffect::Raised:
        drawAt(p, r, flags, text, kHighlight, -1, -1);
        drawAt(p, r, flags, text, kShade, 1, 1);
        break;
    case TextEffect::Sunken:
        drawAt(p, r, flags, text, kShade, -1, -1);
        drawAt(p, r, flags, text, kHighlight, 1, 1);
        break;
    case TextEffect::Shadow:
        drawAt(p, r, flags, text, kDropShadow, 2, 2);
        break;
    case TextEffect::RaisedShadow:
        drawAt(p, r, flags, text, kDropShadow, 3, 3);
        drawAt(p, r, flags, text, kHighlight, -1, -1);
        drawAt(p, r, flags, text, kShade, 1, 1);
        break;
    case TextEffect::SunkenShadow:
        drawAt(p, r, flags, text, kDropShadow, 3, 3);
        drawAt(p, r, flags, text, kShade, -1, -1);
        drawAt(p, r, flags, text, kHighlight, 1, 1);
        break;
    }
    drawAt(p, r, flags, text, color, 0, 0);
    p.restore();
}

} // namespace ui
