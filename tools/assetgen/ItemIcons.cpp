#include "tools/assetgen/ItemIcons.h"

#include "tools/assetgen/Encode.h"
#include "tools/assetgen/Paint.h"
#include "tools/assetgen/Parts.h"
#include "tools/assetgen/Symbols.h"

#include <QPainter>

namespace assetgen {
namespace {

const QRectF kSheet(5.5, 2.5, 21, 27);

void drawProgram(QPainter& p) {
    const QPainterPath frame = roundedRect({2.5, 4.5, 27, 23}, 2.5);
    p.fillPath(frame, colour::paper);
    p.fillPath(frame.intersected(roundedRect({0, 0, 32, 11}, 0)), colour::blue);
    for (int i = 0; i < 3; ++i)
        p.fillPath(circle({6.5 + i * 3.2, 7.8}, 1), colour::paper);
    p.strokePath(frame, QPen(colour::blueDark, 1));
    roundLine(p, polyline({{8, 15}, {12, 18.5}, {8, 22}}), colour::slate700, 2.2);
    roundLine(p, polyline({{14.5, 22}, {21, 22}}), colour::slate700, 2.2);
}

void drawArchive(QPainter& p) {
    parts::page(p, kSheet, 0);
    for (int i = 0; i < 8; ++i) {
        const qreal y = 3.5 + i * 2;
        p.fillRect(QRectF(i % 2 == 0 ? 12.5 : 15, y, 2.5, 1.4), colour::slate600);
    }
    fillShape(p, roundedRect({12.5, 19.5, 5, 7.5}, 1.5), colour::amber, colour::amberDark);
    p.fillRect(QRectF(14.3, 22.5, 1.4, 3), colour::amberDark);
}

void drawHelp(QPainter& p) {
    fillShape(p, roundedRect({5.5, 2.5, 21, 27}, 2), colour::blue, colour::blueDark);
    p.fillRect(QRectF(6, 3, 3, 26), colour::blueDark);
    fillShape(p, roundedRect({9.5, 24.5, 16, 3}, 0.5), colour::paper, colour::blueDark);
    p.fillPath(centredText(QStringLiteral("?"), uiFont(17, true), {17.5, 13.5}), colour::paper);
}

void drawSound(QPainter& p) {
    fillShape(p, symbolIn(Symbol::Note, {2, 2, 28, 28}), colour::purple, colour::purple.darker(140));
}

void drawWordDocument(QPainter& p) {
    parts::page(p, kSheet.adjusted(2, 0, 0, 0), 5);
    fillShape(p, roundedRect({2.5, 13.5, 15, 14}, 2), colour::blueDark, colour::blueDark.darker(130));
    p.fillPath(centredText(QStringLiteral("W"), uiFont(11, true), {10, 20.5}), colour::paper);
}

void drawVideo(QPainter& p) {
    fillShape(p, roundedRect({2.5, 5.5, 27, 21}, 2.5), colour::slate700, colour::slate800);
    for (int i = 0; i < 6; ++i) {
        p.fillRect(QRectF(4.5 + i * 4.4, 7.3, 2.2, 1.8), colour::slate300);
        p.fillRect(QRectF(4.5 + i * 4.4, 22.9, 2.2, 1.8), colour::slate300);
    }
    p.fillPath(roundedRect({4.5, 11, 23, 10}, 1), colour::pink);
    p.fillPath(polygon({{13.5, 12.8}, {19.5, 16}, {13.5, 19.2}}), colour::paper);
}

void drawFont(QPainter& p) {
    parts::page(p, kSheet, 0);
    p.fillPath(centredText(QStringLiteral("A"), uiFont(16, true), {12.5, 18.5}), colour::slate800);
    p.fillPath(centredText(QStringLiteral("a"), uiFont(12, true), {20.5, 20.5}), colour::blue);
}

void drawIconFile(QPainter& p) {
    fillShape(p, roundedRect({3.5, 3.5, 25, 25}, 6), colour::orange, colour::orange.darker(130));
    p.fillPath(symbolIn(Symbol::Star, {7, 6.5, 18, 18}), colour::paper);
}

void drawJumpPoint(QPainter& p) {
    parts::folder(p, {2.5, 5.5, 27, 22});
    QPainterPath arrow({9.5, 24});
    arrow.quadTo(10, 15, 22, 15);
    const QPainterPath head = polyline({{18, 11}, {22.5, 15}, {18, 19}});
    for (const auto& [paint, width] : {std::pair{colour::paper, 6.0}, {colour::blueDark, 3.2}}) {
        roundLine(p, arrow, paint, width);
        roundLine(p, head, paint, width);
    }
}

void drawOfficeDocument(QPainter& p) {
    parts::page(p, kSheet, 0);
    const std::pair<qreal, QColor> bars[] = {{7, colour::blue}, {12, colour::green}, {9, colour::orange}};
    for (int i = 0; i < 3; ++i) {
        const auto& [height, paint] = bars[i];
        p.fillRect(QRectF(10 + i * 4.5, 25 - height, 3.2, height), paint);
    }
    roundLine(p, polyline({{8.5, 25.5}, {23.5, 25.5}}), colour::slate500, 1);
}

} // namespace

QList<Asset> itemIcons() {
    // In the order of the item kinds: kind k is m(k+1).ico.
    const std::function<void(QPainter&)> kinds[] = {
        drawProgram,                                    // 0 exe
        drawArchive,                                    // 1 zip
        [](QPainter& p) { parts::page(p, kSheet, 0); }, // 2 anything else
        drawHelp,                                       // 3 hlp
        [](QPainter& p) {
            parts::globe(p, {16, 16}, 13.5);
        }, // 4 web page, address
        [](QPainter& p) {
            parts::picture(p, {2.5, 4.5, 27, 23});
        },                                              // 5 picture
        drawSound,                                      // 6 sound, music module
        [](QPainter& p) { parts::page(p, kSheet, 5); }, // 7 txt
        drawWordDocument,                               // 8 doc
        drawVideo,                                      // 9 video, mp3
        drawFont,                                       // 10 ttf
        drawIconFile,                                   // 11 ico
        drawJumpPoint,                                  // 12 jump point
        drawOfficeDocument,                             // 13 pdf, ppt, xls, mdb, psd
    };
    QList<Asset> assets;
    int number = 1;
    for (const auto& draw : kinds)
        assets.append({QStringLiteral("Files/m%1.ico").arg(number++), icoFile({renderIcon(32, draw)})});

    // The disc icon is shown by the system at several sizes; each is drawn on its own pixel grid.
    QList<QImage> discs;
    for (const int size : {48, 32, 16})
        discs.append(renderIcon(
            size,
            [size](QPainter& p) {
                parts::disc(p, {size / 2.0, size / 2.0}, size / 2.0 - 1);
            },
            size));
    assets.append({QStringLiteral("Files/tiv.ico"), icoFile(discs)});
    return assets;
}

} // namespace assetgen
