#include "tools/assetgen/Symbols.h"

#include "tools/assetgen/Paint.h"

#include <QPainterPathStroker>
#include <QTransform>

#include <numbers>

namespace assetgen {
namespace {

QPainterPath rect(qreal x, qreal y, qreal w, qreal h, qreal radius = 0) {
    return roundedRect({x, y, w, h}, radius);
}

// A stroke of that width along a line, as a shape that can be cut out of another.
QPainterPath stroke(std::initializer_list<QPointF> points, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(polyline(points));
}

QPainterPath rotated(const QPainterPath& path, qreal degrees) {
    QTransform t;
    t.translate(12, 12);
    t.rotate(degrees);
    t.translate(-12, -12);
    return t.map(path);
}

QPainterPath disc() {
    // The groove around the label keeps the disc a disc in one colour.
    const QPainterPath groove = circle({12, 12}, 5.3).subtracted(circle({12, 12}, 4.1));
    return circle({12, 12}, 10).subtracted(circle({12, 12}, 2.6)).subtracted(groove);
}

QPainterPath gamepad() {
    QPainterPath body = rect(2, 7, 20, 10.5, 5);
    body = body.united(circle({6.5, 15.5}, 4)).united(circle({17.5, 15.5}, 4));
    body = body.subtracted(rect(5.9, 9.3, 1.6, 6)).subtracted(rect(3.7, 11.5, 6, 1.6));
    return body.subtracted(circle({16.2, 10.8}, 1.3)).subtracted(circle({18.6, 13.3}, 1.3));
}

QPainterPath wrench() {
    // Drawn upright, then turned so that the head points to the upper right.
    QPainterPath tool = circle({12, 6.5}, 5.5).united(rect(9.8, 8, 4.4, 14, 2.2));
    tool = tool.subtracted(rect(10.2, 0, 3.6, 6.8, 0.8)).subtracted(circle({12, 19.3}, 1));
    return rotated(tool, 45);
}

QPainterPath note() {
    QTransform tilt;
    tilt.rotate(-20);
    QPainterPath head;
    head.addEllipse(QPointF(0, 0), 3.6, 2.6);
    head = tilt.map(head);
    QPainterPath n = head.translated(7.2, 18.2).united(head.translated(17.7, 15.7));
    n = n.united(rect(9.4, 5.5, 1.9, 12.7)).united(rect(19.9, 3, 1.9, 12.7));
    return n.united(polygon({{9.4, 5.5}, {21.8, 2.4}, {21.8, 6.4}, {9.4, 9.5}}));
}

QPainterPath film() {
    QPainterPath strip = rect(3, 2.5, 18, 19, 2);
    for (int i = 0; i < 5; ++i) {
        const qreal y = 4 + i * 3.4;
        strip = strip.subtracted(rect(4.5, y, 2, 2, 0.4)).subtracted(rect(17.5, y, 2, 2, 0.4));
    }
    return strip.subtracted(rect(8, 4, 8, 7.2, 0.8)).subtracted(rect(8, 12.8, 8, 7.2, 0.8));
}

QPainterPath document() {
    QPainterPath page = polygon({{5, 2}, {14, 2}, {19, 7}, {19, 22}, {5, 22}});
    page = page.subtracted(stroke({{13.6, 1}, {13.6, 7.4}, {20, 7.4}}, 1.3));
    for (const auto& [y, w] : {std::pair{11.0, 8.0}, {14.5, 8.0}, {18.0, 5.0}})
        page = page.subtracted(rect(8, y, w, 1.6, 0.8));
    return page;
}

QPainterPath picture() {
    QPainterPath frame = rect(2, 4, 20, 16, 2).subtracted(rect(4, 6, 16, 12));
    frame = frame.united(polygon({{4, 18}, {9, 11}, {12.5, 15.5}, {15, 12.5}, {20, 18}}));
    return frame.united(circle({15.5, 9.5}, 1.9));
}

QPainterPath globe() {
    QPainterPath ball = circle({12, 12}, 10);
    QPainterPath meridian;
    meridian.addEllipse(QPointF(12, 12), 4.3, 10);
    QPainterPathStroker stroker;
    stroker.setWidth(1.5);
    ball = ball.subtracted(stroker.createStroke(meridian));
    return ball.subtracted(stroke({{1, 12}, {23, 12}}, 1.5));
}

QPainterPath gear() {
    QPainterPath g = circle({12, 12}, 7.2);
    for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.translate(12, 12);
        t.rotate(i * 45.0);
        g = g.united(t.map(rect(-2.2, -10.5, 4.4, 6, 1)));
    }
    return g.subtracted(circle({12, 12}, 3.2));
}

QPainterPath star(QPointF centre, qreal outer, qreal inner) {
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        points << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

QPainterPath heart() {
    return circle({7.7, 9}, 5.1)
        .united(circle({16.3, 9}, 5.1))
        .united(polygon({{2.95, 10.9}, {12, 21}, {21.05, 10.9}, {12, 9}}));
}

QPainterPath folder() {
    QPainterPath f = rect(2, 6, 20, 15, 1.6).united(rect(2, 3.5, 8.5, 5, 1.6));
    return f.subtracted(rect(1, 8.6, 22, 1.3));
}

QPainterPath floppy() {
    QPainterPath body = polygon({{3, 3}, {17, 3}, {21, 7}, {21, 21}, {3, 21}});
    return body.subtracted(rect(7, 5, 8.5, 4.5, 0.6)).subtracted(circle({12, 15.2}, 2.9));
}

QPainterPath monitor() {
    QPainterPath m = rect(2, 3, 20, 14, 1.6).subtracted(rect(3.9, 4.9, 16.2, 10.2, 0.4));
    m = m.united(polygon({{10, 16.5}, {14, 16.5}, {15, 20}, {9, 20}}));
    return m.united(rect(7, 19.5, 10, 1.9, 0.95));
}

QPainterPath printer() {
    QPainterPath body = rect(2, 8, 20, 10, 2).subtracted(rect(5.7, 13, 12.6, 9));
    body = body.united(rect(7.1, 14.4, 9.8, 7.6, 0.4)).united(rect(6.5, 3, 11, 4, 0.6));
    return body.subtracted(circle({18.6, 10.8}, 1));
}

QPainterPath book() {
    QPainterPath b = rect(4, 2, 16, 20, 2);
    b = b.subtracted(rect(7, 2.5, 1.3, 15.5)).subtracted(rect(7, 17.2, 14, 1.3));
    return b.subtracted(polygon({{12, 2}, {16, 2}, {16, 8.5}, {14, 6.8}, {12, 8.5}}));
}

QPainterPath camera() {
    QPainterPath c =
        rect(2, 7, 20, 13, 2).united(polygon({{7.5, 7.5}, {9.2, 4.2}, {14.8, 4.2}, {16.5, 7.5}}));
    c = c.subtracted(circle({12, 13.5}, 4.9)).united(circle({12, 13.5}, 3.1));
    return c.subtracted(circle({18.3, 10}, 1));
}

QPainterPath key() {
    QPainterPath k = circle({7, 12}, 5).subtracted(circle({7, 12}, 2));
    k = k.united(rect(11, 10.7, 11, 2.6, 0.5));
    return k.united(rect(16.5, 12.5, 2.2, 4.5, 0.5)).united(rect(19.8, 12.5, 2.2, 3.3, 0.5));
}

QPainterPath lock() {
    QPainterPath shackle;
    shackle.moveTo(7.5, 11);
    shackle.lineTo(7.5, 7.5);
    shackle.arcTo(QRectF(7.5, 3, 9, 9), 180, -180);
    shackle.lineTo(16.5, 11);
    QPainterPathStroker stroker;
    stroker.setWidth(2.4);
    QPainterPath l = stroker.createStroke(shackle).united(rect(4.5, 10, 15, 12, 2));
    return l.subtracted(circle({12, 15}, 1.7)).subtracted(rect(11.2, 15, 1.6, 3.8, 0.6));
}

QPainterPath shield() {
    QPainterPath s;
    s.moveTo(12, 2);
    s.lineTo(20.5, 5);
    s.lineTo(20.5, 11);
    s.cubicTo(20.5, 16.5, 16.8, 20.2, 12, 22);
    s.cubicTo(7.2, 20.2, 3.5, 16.5, 3.5, 11);
    s.lineTo(3.5, 5);
    s.closeSubpath();
    return s.subtracted(stroke({{8, 12}, {11, 15}, {16.3, 9.2}}, 2.2));
}

QPainterPath puzzle() {
    return rect(3, 7, 14, 14, 1.2).united(circle({10, 5.3}, 2.8)).united(circle({18.7, 14}, 2.8));
}

QPainterPath trophy() {
    QPainterPath cup;
    cup.moveTo(6.5, 3);
    cup.lineTo(17.5, 3);
    cup.lineTo(17.5, 9);
    cup.cubicTo(17.5, 12.8, 15.2, 15, 12, 15);
    cup.cubicTo(8.8, 15, 6.5, 12.8, 6.5, 9);
    cup.closeSubpath();
    QPainterPath handles = circle({5.5, 7.5}, 3.3).united(circle({18.5, 7.5}, 3.3));
    handles = handles.subtracted(circle({5.5, 7.5}, 1.7)).subtracted(circle({18.5, 7.5}, 1.7));
    return cup.united(handles).united(rect(10.9, 14, 2.2, 4.5)).united(rect(7.5, 18.3, 9, 3.2, 1));
}

QPainterPath rocket() {
    QPainterPath body;
    body.moveTo(12, 1.5);
    body.cubicTo(16.2, 4.5, 16.6, 10, 15.4, 16);
    body.lineTo(8.6, 16);
    body.cubicTo(7.4, 10, 7.8, 4.5, 12, 1.5);
    body.closeSubpath();
    QPainterPath r = body.united(polygon({{8.6, 11}, {5, 15}, {5, 19}, {9.2, 16}}))
                         .united(polygon({{15.4, 11}, {19, 15}, {19, 19}, {14.8, 16}}));
    r = r.subtracted(circle({12, 8.5}, 1.9)).united(polygon({{10, 17.3}, {14, 17.3}, {12, 22.5}}));
    return rotated(r, 45);
}

QPainterPath window() {
    QPainterPath w = rect(2, 3.5, 20, 17, 2).subtracted(rect(4, 8.5, 16, 10, 0.6));
    return w.united(stroke({{7.3, 11.3}, {10, 13.5}, {7.3, 15.7}}, 2)).united(rect(11.5, 14.7, 5, 2, 1));
}

QPainterPath chip() {
    QPainterPath c = rect(6, 6, 12, 12, 1.6).subtracted(rect(8.2, 8.2, 7.6, 7.6, 0.6));
    c = c.united(rect(9.8, 9.8, 4.4, 4.4, 0.4));
    for (const qreal at : {8.3, 11.3, 14.3}) {
        c = c.united(rect(at, 2.5, 1.4, 4, 0.5)).united(rect(at, 17.5, 1.4, 4, 0.5));
        c = c.united(rect(2.5, at, 4, 1.4, 0.5)).united(rect(17.5, at, 4, 1.4, 0.5));
    }
    return c;
}

QPainterPath play() {
    return circle({12, 12}, 10).subtracted(polygon({{9.5, 7}, {17, 12}, {9.5, 17}}));
}

QPainterPath shapes() {
    QPainterPath s = circle({7.5, 7.5}, 4.8).united(rect(13, 2.7, 9.3, 9.3, 1.2));
    return s.united(polygon({{12, 12.8}, {18, 21.8}, {6, 21.8}}));
}

} // namespace

QPainterPath symbolPath(Symbol symbol) {
    switch (symbol) {
    case Symbol::Disc:
        return disc();
    case Symbol::Gamepad:
        return gamepad();
    case Symbol::Wrench:
        return wrench();
    case Symbol::Note:
        return note();
    case Symbol::Film:
        return film();
    case Symbol::Document:
        return document();
    case Symbol::Picture:
        return picture();
    case Symbol::Globe:
        return globe();
    case Symbol::Gear:
        return gear();
    case Symbol::Star:
        return star({12, 12.8}, 10.5, 4.6);
    case Symbol::Heart:
        return heart();
    case Symbol::Folder:
        return folder();
    case Symbol::Floppy:
        return floppy();
    case Symbol::Monitor:
        return monitor();
    case Symbol::Printer:
        return printer();
    case Symbol::Book:
        return book();
    case Symbol::Camera:
        return camera();
    case Symbol::Key:
        return key();
    case Symbol::Lock:
        return lock();
    case Symbol::Shield:
        return shield();
    case Symbol::Lightning:
        return polygon({{14.5, 2}, {5.5, 13.5}, {11.5, 13.5}, {9.5, 22}, {18.5, 9.5}, {12.5, 9.5}});
    case Symbol::Puzzle:
        return puzzle();
    case Symbol::Trophy:
        return trophy();
    case Symbol::Rocket:
        return rocket();
    case Symbol::Window:
        return window();
    case Symbol::Chip:
        return chip();
    case Symbol::Play:
        return play();
    case Symbol::Shapes:
        return shapes();
    }
    return {};
}

QColor symbolColour(Symbol symbol) {
    // Mid tones only: a symbol must stand out on a light and on a dark menu background.
    switch (symbol) {
    case Symbol::Disc:
        return colour::sky;
    case Symbol::Globe:
        return colour::teal;
    case Symbol::Gamepad:
        return colour::purple;
    case Symbol::Wrench:
    case Symbol::Gear:
    case Symbol::Printer:
    case Symbol::Camera:
    case Symbol::Lock:
    case Symbol::Chip:
        return colour::slate500;
    case Symbol::Note:
    case Symbol::Puzzle:
        return colour::pink;
    case Symbol::Film:
    case Symbol::Heart:
        return colour::red;
    case Symbol::Document:
    case Symbol::Window:
        return colour::blue;
    case Symbol::Floppy:
        return colour::blueDark;
    case Symbol::Monitor:
    case Symbol::Shapes:
        return colour::indigo;
    case Symbol::Picture:
    case Symbol::Play:
        return colour::green;
    case Symbol::Shield:
        return colour::greenDark;
    case Symbol::Star:
    case Symbol::Trophy:
    case Symbol::Lightning:
        return colour::yellow;
    case Symbol::Folder:
    case Symbol::Key:
        return colour::amber;
    case Symbol::Book:
    case Symbol::Rocket:
        return colour::orange;
    }
    return colour::slate500;
}

QPainterPath symbolIn(Symbol symbol, const QRectF& rect) {
    QTransform t;
    t.translate(rect.left(), rect.top());
    t.scale(rect.width() / kSymbolGrid, rect.height() / kSymbolGrid);
    return t.map(symbolPath(symbol));
}

} // namespace assetgen
