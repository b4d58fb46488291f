#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;

namespace ui {

// The six ways a caption can stand out from its background.
enum class TextEffect { None, Raised, Sunken, Shadow, RaisedShadow, SunkenShadow };

// Draws `text` like QPainter::drawText(rect, flags, text) in `color`, with the effect's highlight
// and shadow copies behind it. A disabled text is drawn faded.
void drawEffectText(QPainter& painter, const QRect& rect, int flags, const QString& text, const QColor& color,
                    TextEffect effect, bool enabled = true);

// How far the effect reaches beyond the text, for sizing.
int effectMargin(TextEffect effect);

} // namespace ui
