#include "EditorIcon.h"

#include "Encode.h"
#include "Paint.h"
#include "Parts.h"

#include <QLinearGradient>
#include <QPainter>

namespace assetgen {
namespace {

// The splash's night sky on a tile, the disc, and a menu card in front: the disc's autostart menu
// that the editor makes.
void drawEditor(QPainter& p) {
    QLinearGradient sky(0, 0, 32, 32);
    sky.setColorAt(0, QColor(0x0F, 0x17, 0x2A));
    sky.setColorAt(0.6, QColor(0x1E, 0x3A, 0x8A));
    sky.setColorAt(1, QColor(0x03, 0x69, 0xA1));
    fillShape(p, roundedRect(QRectF(1, 1, 30, 30), 6), sky, colour::slate800, 0.5);
    parts::disc(p, QPointF(13, 13), 10);

    const QRectF card(15.5, 16.5, 13, 12);
    fillShape(p, roundedRect(card, 2), colour::paper, colour::slate500, 0.6);
    for (int line = 0; line < 3; ++line) {
        const qreal y = card.top() + 3.2 + line * 2.9;
        p.fillRect(QRectF(card.left() + 2.2, y - 0.9, 1.8, 1.8), line == 0 ? colour::blue : colour::slate400);
        roundLine(p, polyline({{card.left() + 5.4, y}, {card.right() - 2.2, y}}),
                  line == 0 ? colour::blueDark : colour::slate400, 1.2);
    }
}

} // namespace

QList<Asset> editorIcons(const QString& name) {
    QList<Asset> assets;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        assets.append({QStringLiteral("desktop/hicolor/%1x%1/apps/%2.png").arg(size).arg(name),
                       pngFile(renderIcon(size, drawEditor))});
    return assets;
}

} // namespace assetgen
