#include "tools/assetgen/ToolbarIcons.h"

#include "tools/assetgen/Encode.h"
#include "tools/assetgen/Paint.h"
#include "tools/assetgen/Parts.h"
#include "tools/assetgen/Symbols.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace assetgen {
namespace {

using parts::Glyph;

// Commands that act on an item share one layout: the object, and a sign where it ends.
const QRectF kPage(5.5, 2.5, 19, 26);
const QRectF kFolder(2.5, 5.5, 25, 20);
const QPointF kBadge(24, 24);
constexpr qreal kBadgeRadius = 6.5;

void drawNew(QPainter& p) {
    parts::page(p, kPage, 0);
    QPolygonF sparkle;
    for (int i = 0; i < 8; ++i) {
        const qreal r = i % 2 == 0 ? 7.5 : 2.2;
        const qreal a = i * std::numbers::pi / 4;
        sparkle << kBadge + QPointF(r * std::sin(a), -r * std::cos(a));
    }
    QPainterPath star;
    star.addPolygon(sparkle);
    star.closeSubpath();
    p.strokePath(star, QPen(colour::paper, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    fillShape(p, star, colour::amberLight, colour::amberDark);
}

void drawOpen(QPainter& p) {
    const QPainterPath back =
        roundedRect({3.5, 8.5, 23, 19}, 1.5).united(roundedRect({3.5, 5.5, 10, 6}, 1.5));
    fillShape(p, back, colour::amber, colour::amberDark);
    fillShape(p, roundedRect({7.5, 10.5, 16, 12}, 0.5), colour::paper, colour::slate400);
    fillShape(p, polygon({{3.5, 27.5}, {8, 15.5}, {30.5, 15.5}, {26.5, 27.5}}), colour::amberLight,
              colour::amberDark);
}

void drawSave(QPainter& p) {
    fillShape(p, polygon({{3.5, 3.5}, {24.5, 3.5}, {28.5, 7.5}, {28.5, 28.5}, {3.5, 28.5}}), colour::blue,
              colour::blueDark);
    fillShape(p, roundedRect({9.5, 3.5, 13, 8.5}, 0.5), colour::slate200, colour::blueDark);
    p.fillRect(QRectF(17.5, 5.5, 3, 4.5), colour::slate600);
    fillShape(p, roundedRect({7.5, 16.5, 17, 12}, 0.5), colour::paper, colour::blueDark);
    for (const qreal y : {20.5, 24.5})
        roundLine(p, polyline({{10.5, y}, {21.5, y}}), colour::slate300, 1.5);
}

void drawPencil(QPainter& p, QPointF tip, qreal angle) {
    p.save();
    p.translate(tip);
    p.rotate(angle);
    fillShape(p, polygon({{0, 0}, {5, -2.7}, {5, 2.7}}), QColor(0xFD, 0xE6, 0xC4), colour::amberDark);
    p.fillPath(polygon({{0, 0}, {1.9, -1}, {1.9, 1}}), colour::slate700);
    fillShape(p, roundedRect({5, -2.7, 12, 5.4}, 0.3), colour::orange, colour::amberDark);
    fillShape(p, roundedRect({17, -2.7, 2.2, 5.4}, 0.3), colour::slate300, colour::slate500);
    fillShape(p, roundedRect({19.2, -2.7, 2.8, 5.4}, 1), colour::pink, QColor(0xBE, 0x18, 0x5D));
    p.restore();
}

void drawEditProperties(QPainter& p) {
    parts::page(p, kPage.translated(-1.5, 0), 4);
    drawPencil(p, {12.5, 29}, -45);
}

void drawCheck(QPainter& p) {
    fillShape(p, roundedRect({5.5, 4.5, 21, 25}, 2.5), colour::slate500, colour::slate700);
    p.fillRect(QRectF(8.5, 8.5, 15, 18), colour::paper);
    fillShape(p, roundedRect({11.5, 2.5, 9, 5}, 1.5), colour::slate300, colour::slate700);
    roundLine(p, polyline({{11, 17.5}, {14.5, 21.5}, {21, 12.5}}), colour::greenDark, 3);
}

void drawGenerate(QPainter& p) {
    parts::disc(p, {14, 14}, 12.5);
    parts::badge(p, kBadge, kBadgeRadius + 0.5, colour::orange, Glyph::Bolt);
}

void drawCategories(QPainter& p) {
    const QColor tiles[] = {colour::blue, colour::purple, colour::orange, colour::green};
    for (int i = 0; i < 4; ++i) {
        const QRectF tile(3.5 + (i % 2) * 13.5, 3.5 + (i / 2) * 13.5, 11.5, 11.5);
        fillShape(p, roundedRect(tile, 2.5), tiles[i], tiles[i].darker(130));
    }
}

void drawMenuDesign(QPainter& p) {
    const QPainterPath board =
        circle({16, 16}, 13).subtracted(circle({21.5, 21}, 2.6)).subtracted(circle({28.5, 27.5}, 6.5));
    fillShape(p, board, QColor(0xFE, 0xF3, 0xC7), colour::amberDark);
    const std::pair<QPointF, QColor> dabs[] = {{{9.5, 11.5}, colour::red},
                                               {{16, 8}, colour::blue},
                                               {{22.5, 11}, colour::green},
                                               {{9, 19}, colour::purple},
                                               {{14.5, 23.5}, colour::amber}};
    for (const auto& [at, paint] : dabs)
        fillShape(p, circle(at, 2.6), paint, paint.darker(130));
}

void drawSettings(QPainter& p) {
    fillShape(p, symbolIn(Symbol::Gear, {2, 2, 28, 28}), colour::slate500, colour::slate700);
}

void drawHelp(QPainter& p) {
    fillShape(p, circle({16, 16}, 13.5), colour::blue, colour::blueDark);
    p.fillPath(centredText(QStringLiteral("?"), uiFont(20, true), {16, 16}), colour::paper);
}

void drawExit(QPainter& p) {
    fillShape(p, roundedRect({3.5, 2.5, 16, 27}, 1), colour::slate200, colour::slate600);
    p.fillRect(QRectF(6.5, 5.5, 10, 21), colour::slate700);
    fillShape(p, polygon({{6.5, 5.5}, {13, 8}, {13, 29.5}, {6.5, 26.5}}), colour::slate400, colour::slate600);
    const QPainterPath shaft = polyline({{15.5, 16}, {28.5, 16}});
    const QPainterPath head = polyline({{24, 11.5}, {28.5, 16}, {24, 20.5}});
    roundLine(p, shaft, colour::paper, 5.5);
    roundLine(p, head, colour::paper, 5.5);
    roundLine(p, shaft, colour::red, 3);
    roundLine(p, head, colour::red, 3);
}

void drawSort(QPainter& p) {
    for (int i = 0; i < 4; ++i) {
        const qreal y = 6.5 + i * 6.3;
        roundLine(p, polyline({{4, y}, {21 - i * 4.5, y}}), colour::slate600, 3);
    }
    roundLine(p, polyline({{25.5, 4.5}, {25.5, 27}}), colour::blue, 2.6);
    roundLine(p, polyline({{21, 22.5}, {25.5, 27}, {30, 22.5}}), colour::blue, 2.6);
}

void drawFind(QPainter& p) {
    roundLine(p, polyline({{19.5, 19.5}, {27.5, 27.5}}), colour::slate700, 5);
    p.fillPath(circle({13, 13}, 9), QColor(0xE0, 0xF2, 0xFE));
    p.strokePath(circle({13, 13}, 9), QPen(colour::slate700, 3));
    QPainterPath shine;
    shine.arcMoveTo(QRectF(7.5, 7.5, 11, 11), 110);
    shine.arcTo(QRectF(7.5, 7.5, 11, 11), 110, 60);
    roundLine(p, shine, colour::paper, 1.8);
}

void drawAddedPage(QPainter& p, Glyph glyph, const QColor& sign) {
    parts::page(p, kPage, 4);
    parts::badge(p, kBadge, kBadgeRadius, sign, glyph);
}

void drawAddedFolder(QPainter& p, Glyph glyph, const QColor& sign) {
    parts::folder(p, kFolder);
    parts::badge(p, kBadge, kBadgeRadius, sign, glyph);
}

// 16 px status pictures, drawn on their own pixel grid so that their lines stay sharp.
void drawTextStatus(QPainter& p) {
    fillShape(p, polygon({{2.5, 0.5}, {9.5, 0.5}, {13.5, 4.5}, {13.5, 15.5}, {2.5, 15.5}}), colour::paper,
              colour::slate500);
    fillShape(p, polygon({{9.5, 0.5}, {9.5, 4.5}, {13.5, 4.5}}), colour::slate200, colour::slate500);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRect(5, 6 + i * 2, i == 3 ? 4 : 7, 1), colour::blue);
}

void drawPictureStatus(QPainter& p) {
    parts::picture(p, {0.5, 2.5, 15, 11});
}

struct Picture {
    const char16_t* name;
    void (*draw)(QPainter&);
    int size = 32;
};

} // namespace

QList<Asset> toolbarPictures() {
    const Picture pictures[] = {
        {u"new", drawNew},
        {u"open", drawOpen},
        {u"save", drawSave},
        {u"editp", drawEditProperties},
        {u"check", drawCheck},
        {u"generate", drawGenerate},
        {u"categories", drawCategories},
        {u"menudesign", drawMenuDesign},
        {u"settings", drawSettings},
        {u"help", drawHelp},
        {u"exit", drawExit},
        {u"add", [](QPainter& p) { drawAddedPage(p, Glyph::Plus, colour::green); }},
        {u"adddir", [](QPainter& p) { drawAddedFolder(p, Glyph::Plus, colour::green); }},
        {u"addjump", [](QPainter& p) { drawAddedFolder(p, Glyph::Arrow, colour::blue); }},
        {u"addurl",
         [](QPainter& p) {
             parts::globe(p, {14, 14}, 11.5);
             parts::badge(p, kBadge, kBadgeRadius, colour::green, Glyph::Plus);
         }},
        {u"deletef", [](QPainter& p) { drawAddedPage(p, Glyph::Cross, colour::red); }},
        {u"sort", drawSort},
        {u"find", drawFind},
        {u"infofile", [](QPainter& p) { drawAddedPage(p, Glyph::Info, colour::blue); }},
        {u"screenshot",
         [](QPainter& p) {
             parts::picture(p, {2.5, 5.5, 27, 21});
         }},
        {u"infoexist", drawTextStatus, 16},
        {u"ssexist", drawPictureStatus, 16},
    };
    QList<Asset> assets;
    for (const Picture& picture : pictures)
        assets.append(
            {QStringLiteral("pictures/") + QString::fromUtf16(picture.name) + QStringLiteral(".png"),
             pngFile(renderIcon(picture.size, picture.draw, picture.size))});
    return assets;
}

} // namespace assetgen
