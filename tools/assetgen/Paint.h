#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>

#include <functional>

class QPainter;

namespace assetgen {

// The one palette of every picture, so that icons, dialogs and the splash belong together.
namespace colour {
inline const QColor paper{0xFF, 0xFF, 0xFF};
inline const QColor slate50{0xF8, 0xFA, 0xFC};
inline const QColor slate100{0xF1, 0xF5, 0xF9};
inline const QColor slate200{0xE2, 0xE8, 0xF0};
inline const QColor slate300{0xCB, 0xD5, 0xE1};
inline const QColor slate400{0x94, 0xA3, 0xB8};
inline const QColor slate500{0x64, 0x74, 0x8B};
inline const QColor slate600{0x47, 0x55, 0x69};
inline const QColor slate700{0x33, 0x41, 0x55};
inline const QColor slate800{0x1E, 0x29, 0x3B};
inline const QColor blue{0x3B, 0x82, 0xF6};
inline const QColor blueDark{0x1D, 0x4E, 0xD8};
inline const QColor blueLight{0xBF, 0xDB, 0xFE};
inline const QColor indigo{0x63, 0x66, 0xF1};
inline const QColor sky{0x0E, 0xA5, 0xE9};
inline const QColor skyLight{0xBA, 0xE6, 0xFD};
inline const QColor teal{0x14, 0xB8, 0xA6};
inline const QColor green{0x22, 0xC5, 0x5E};
inline const QColor greenDark{0x16, 0xA3, 0x4A};
inline const QColor greenLight{0x86, 0xEF, 0xAC};
inline const QColor yellow{0xEA, 0xB3, 0x08};
inline const QColor amber{0xF5, 0x9E, 0x0B};
inline const QColor amberLight{0xFB, 0xBF, 0x24};
inline const QColor amberDark{0xB4, 0x53, 0x09};
inline const QColor orange{0xF9, 0x73, 0x16};
inline const QColor red{0xEF, 0x44, 0x44};
inline const QColor redDark{0xB9, 0x1C, 0x1C};
inline const QColor purple{0x8B, 0x5C, 0xF6};
inline const QColor pink{0xEC, 0x48, 0x99};
} // namespace colour

// The colour t of the way from a to b.
QColor mix(const QColor& a, const QColor& b, qreal t);

// A transparent picture of that size.
QImage canvas(int width, int height);

// Renders a drawing made on a design grid of designSize units into a square picture of size
// pixels, antialiased; the painter is scaled accordingly.
QImage renderIcon(int size, const std::function<void(QPainter&)>& draw, int designSize = 32);

// A font that every Debian installation has (fonts-dejavu-core).
QFont uiFont(int pixelSize, bool bold);

// The outline of a text, centred on a point, so that glyphs sit exactly where icons need them.
QPainterPath centredText(const QString& text, const QFont& font, QPointF centre);

// Fills a shape and draws its edge with a pen of that width.
void fillShape(QPainter& p, const QPainterPath& shape, const QBrush& fill, const QColor& edge,
               qreal edgeWidth = 1.0);

// A line with round ends, the stroke used for every glyph drawn on top of a shape.
void roundLine(QPainter& p, const QPainterPath& line, const QColor& colour, qreal width);

QPainterPath roundedRect(const QRectF& rect, qreal radius);
QPainterPath circle(QPointF centre, qreal radius);
QPainterPath polygon(std::initializer_list<QPointF> points);
// An open line through the points.
QPainterPath polyline(std::initializer_list<QPointF> points);

} // namespace assetgen
