#include "tools/assetgen/Parts.h"

#include "tools/assetgen/Paint.h"

#include <QConicalGradient>
#include <QPainter>

namespace assetgen::parts {

void page(QPainter& p, const QRectF& r, int lines) {
    const qreal fold = std::min(r.width(), r.height()) * 0.32;
    const QPainterPath sheet = polygon({r.topLeft(),
                                        {r.right() - fold, r.top()},
                                        {r.right(), r.top() + fold},
                                        r.bottomRight(),
                                        r.bottomLeft()});
    fillShape(p, sheet, colour::paper, colour::slate400);
    fillShape(
        p,
        polygon(
            {{r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold}, {r.right(), r.top() + fold}}),
        colour::slate200, colour::slate400);
    const qreal left = r.left() + r.width() * 0.2;
    const qreal right = r.right() - r.width() * 0.2;
    const qreal spacing = (r.height() - fold) / (lines + 1.2);
    for (int i = 0; i < lines; ++i) {
        const qreal y = r.top() + fold + spacing * (i + 0.9);
        // The last line ends early, as a paragraph does.
        const qreal end = i == lines - 1 && lines > 1 ? left + (right - left) * 0.6 : right;
        roundLine(p, polyline({{left, y}, {end, y}}), colour::slate400, 1.5);
    }
}

void folder(QPainter& p, const QRectF& r) {
    const qreal tabWidth = r.width() * 0.42;
    const QPainterPath back = roundedRect({r.left(), r.top() + 3, r.width(), r.height() - 3}, 1.5)
                                  .united(roundedRect({r.left(), r.top(), tabWidth, 6}, 1.5));
    fillShape(p, back, colour::amber, colour::amberDark);
    fillShape(p, roundedRect({r.left(), r.top() + 6, r.width(), r.height() - 6}, 1.5), colour::amberLight,
              colour::amberDark);
}

void disc(QPainter& p, QPointF c, qreal radius) {
    const QPainterPath hole = circle(c, radius * 0.16);
    // A pale iridescent sheen, as light breaks on the data side.
    QConicalGradient sheen(c, 35);
    sheen.setColorAt(0.00, colour::slate200);
    sheen.setColorAt(0.10, colour::blueLight);
    sheen.setColorAt(0.22, QColor(0xE9, 0xD5, 0xFF));
    sheen.setColorAt(0.36, colour::slate100);
    sheen.setColorAt(0.50, colour::slate200);
    sheen.setColorAt(0.60, QColor(0xBB, 0xF7, 0xD0));
    sheen.setColorAt(0.72, QColor(0xFB, 0xCF, 0xE8));
    sheen.setColorAt(0.86, colour::slate100);
    sheen.setColorAt(1.00, colour::slate200);
    fillShape(p, circle(c, radius).subtracted(hole), sheen, colour::slate500);
    fillShape(p, circle(c, radius * 0.4).subtracted(hole), colour::slate50, colour::slate400);
}

void globe(QPainter& p, QPointF c, qreal radius) {
    const QPainterPath ball = circle(c, radius);
    p.fillPath(ball, colour::sky);
    p.save();
    p.setClipPath(ball);
    const qreal width = std::max(1.0, radius / 9);
    const QPen grid(QColor(255, 255, 255, 220), width);
    p.setPen(grid);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, radius * 0.45, radius);
    p.drawLine(QPointF(c.x(), c.y() - radius), QPointF(c.x(), c.y() + radius));
    p.drawLine(QPointF(c.x() - radius, c.y()), QPointF(c.x() + radius, c.y()));
    for (const qreal dy : {-0.5, 0.5})
        p.drawLine(QPointF(c.x() - radius, c.y() + dy * radius),
                   QPointF(c.x() + radius, c.y() + dy * radius));
    p.restore();
    p.strokePath(ball, QPen(colour::blueDark, 1.0));
}

void picture(QPainter& p, const QRectF& r) {
    fillShape(p, roundedRect(r, 2), colour::paper, colour::slate400);
    const qreal inset = std::max(2.0, r.width() * 0.09);
    const QRectF view = r.adjusted(inset, inset, -inset, -inset);
    p.fillRect(view, colour::skyLight);
    p.save();
    p.setClipRect(view);
    p.fillPath(
        circle({view.left() + view.width() * 0.72, view.top() + view.height() * 0.3}, view.height() * 0.16),
        colour::amberLight);
    const auto at = [&](qreal x, qreal y) {
        return QPointF(view.left() + x * view.width(), view.top() + y * view.height());
    };
    p.fillPath(polygon({at(0.25, 1.05), at(0.7, 0.45), at(1.15, 1.05)}), colour::green);
    p.fillPath(polygon({at(-0.1, 1.05), at(0.33, 0.35), at(0.8, 1.05)}), colour::greenDark);
    p.restore();
}

void badge(QPainter& p, QPointF c, qreal radius, const QColor& colour, Glyph glyph) {
    p.fillPath(circle(c, radius + 1.2), colour::paper);
    p.fillPath(circle(c, radius), colour);
    const qreal s = radius * 0.5; // half the size of the glyph
    const qreal width = radius * 0.3;
    const auto line = [&](std::initializer_list<QPointF> offsets) {
        roundLine(p, polyline(offsets).translated(c), colour::paper, width);
    };
    switch (glyph) {
    case Glyph::Plus:
        line({{-s, 0}, {s, 0}});
        line({{0, -s}, {0, s}});
        break;
    case Glyph::Cross:
        line({{-s * 0.8, -s * 0.8}, {s * 0.8, s * 0.8}});
        line({{-s * 0.8, s * 0.8}, {s * 0.8, -s * 0.8}});
        break;
    case Glyph::Check:
        line({{-s, 0}, {-s * 0.3, s * 0.7}, {s, -s * 0.7}});
        break;
    case Glyph::Arrow:
        line({{-s, 0}, {s, 0}});
        line({{s * 0.1, -s * 0.85}, {s, 0}, {s * 0.1, s * 0.85}});
        break;
    case Glyph::Info:
        p.fillPath(circle(c + QPointF(0, -s * 0.95), width * 0.62), colour::paper);
        line({{0, -s * 0.15}, {0, s * 1.05}});
        break;
    case Glyph::Bolt:
        p.fillPath(polygon({c + QPointF(s * 0.25, -s * 1.35), c + QPointF(-s * 0.85, s * 0.2),
                            c + QPointF(-s * 0.05, s * 0.2), c + QPointF(-s * 0.3, s * 1.35),
                            c + QPointF(s * 0.85, -s * 0.25), c + QPointF(s * 0.05, -s * 0.25)}),
                   colour::paper);
        break;
    }
}

} // namespace assetgen::parts
