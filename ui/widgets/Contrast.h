#pragma once

#include <QColor>

class QImage;
class QRect;

namespace ui {

// WCAG's least contrast for normal text.
inline constexpr double kReadableContrast = 4.5;

// WCAG's contrast ratio of two colours: 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// `wanted` where it stands out by kReadableContrast from every pixel of `area` in `ground`;
// otherwise black or white, whichever stands out more from the area's worst pixel.
QColor readableColor(const QColor& wanted, const QImage& ground, const QRect& area);

} // namespace ui
