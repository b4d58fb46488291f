#include "tools/assetgen/Paint.h"

#include <QPainter>

namespace assetgen {

QColor mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QImage canvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage renderIcon(int size, const std::function<void(QPainter&)>& draw, int designSize) {
    QImage image = canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(qreal(size) / designSize, qreal(size) / designSize);
    draw(p);
    return image;
}

QFont uiFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    // Unhinted outlines scale evenly, so a glyph looks the same at every icon size.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPainterPath centredText(const QString& text, const QFont& font, QPointF centre) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path.translated(centre - path.boundingRect().center());
}

void fillShape(QPainter& p, const QPainterPath& shape, const QBrush& fill, const QColor& edge,
               qreal edgeWidth) {
    p.fillPath(shape, fill);
    p.strokePath(shape, QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void roundLine(QPainter& p, const QPainterPath& line, const QColor& colour, qreal width) {
    p.strokePath(line, QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPainterPath roundedRect(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath circle(QPointF centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath polyline(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    return path;
}

} // namespace assetgen
