#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>

class QPainter;

// Pictograms that several icons share, drawn in the painter's current units.
namespace assetgen::parts {

// A sheet with a folded corner and, when lines > 0, that many lines of text.
void page(QPainter& p, const QRectF& rect, int lines);

void folder(QPainter& p, const QRectF& rect);

// A compact disc: the motif of the disc icon, the splash and the wait pictures.
void disc(QPainter& p, QPointF centre, qreal radius);

void globe(QPainter& p, QPointF centre, qreal radius);

// A framed landscape with the sun: the sign for pictures and screenshots.
void picture(QPainter& p, const QRectF& rect);

// The small sign in the lower right corner of a tool bar picture that tells what the command does.
enum class Glyph { Plus, Cross, Check, Arrow, Info, Bolt };
void badge(QPainter& p, QPointF centre, qreal radius, const QColor& colour, Glyph glyph);

} // namespace assetgen::parts
