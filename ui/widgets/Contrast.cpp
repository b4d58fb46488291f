#include "ui/widgets/Contrast.h"

#include <QImage>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

constexpr double kMostContrast = 21.0; // black on white

double luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// The contrast of `text` with the pixel of `area` that is closest to it.
double leastContrast(const QColor& text, const QImage& ground, const QRect& area) {
    double least = kMostContrast;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            least = std::min(least, contrastRatio(text, ground.pixelColor(x, y)));
    return least;
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableColor(const QColor& wanted, const QImage& ground, const QRect& area) {
    const QRect inside = area & ground.rect();
    if (inside.isEmpty() || leastContrast(wanted, ground, inside) >= kReadableContrast)
        return wanted;
    const QColor black(Qt::black), white(Qt::white);
    return leastContrast(black, ground, inside) >= leastContrast(white, ground, inside) ? black : white;
}

} // namespace ui
