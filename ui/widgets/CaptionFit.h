#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QStringList>

#include <vector>

namespace ui {

class ShadowButton;

// The least size a caption is shrunk to; below it a caption is cut instead.
inline constexpr qreal kLeastCaptionPoints = 6;

// `font` at its own size or smaller, in half points, the largest at which every text is at most
// `room` pixels wide; at the least size when none fits.
QFont fittingFont(QFont font, const QStringList& texts, int room);
// `font` at its own size or smaller, down to `least`, the largest at which every text, wrapped at
// word boundaries, fits `room`; at `least` when none fits.
QFont fittingWrappedFont(QFont font, const QStringList& texts, const QSize& room,
                         qreal least = kLeastCaptionPoints);

// `text` with a soft hyphen wherever a word is wider than `width`: after the longest part that fits
// with its hyphen, so that the word wraps onto the next line instead of being cut.
QString withBreaksInLongWords(const QString& text, const QFontMetrics& metrics, int width);

// Gives a row of buttons one caption size: `points` or smaller, the largest at which every caption
// fits its own button, so that a row never shows captions in different sizes.
void fitRowCaptions(const std::vector<ShadowButton*>& row, qreal points);

} // namespace ui
