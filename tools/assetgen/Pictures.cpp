#include "tools/assetgen/Pictures.h"

#include "tools/assetgen/Encode.h"
#include "tools/assetgen/Paint.h"
#include "tools/assetgen/Parts.h"

#include <QLinearGradient>
#include <QPainter>

namespace assetgen {
namespace {

QImage splash() {
    QImage image = canvas(355, 205);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 355, 205);
    sky.setColorAt(0, QColor(0x0F, 0x17, 0x2A));
    sky.setColorAt(0.6, QColor(0x1E, 0x3A, 0x8A));
    sky.setColorAt(1, QColor(0x03, 0x69, 0xA1));
    p.fillRect(image.rect(), sky);

    const QPointF centre(292, 98);
    p.setPen(QPen(QColor(255, 255, 255, 28), 1));
    for (int r = 70; r <= 150; r += 14)
        p.drawEllipse(centre, r, r);
    parts::disc(p, centre, 52);

    p.setPen(colour::paper);
    p.setFont(uiFont(23, true));
    p.drawText(QPointF(22, 86), QStringLiteral("Tavik - Lumbrel"));
    p.setPen(colour::skyLight);
    p.setFont(uiFont(23, false));
    p.drawText(QPointF(22, 114), QStringLiteral(LUMBREL_VERSION));
    p.setPen(colour::slate300);
    p.setFont(uiFont(12, false));
    p.drawText(QPointF(22, 142), QStringLiteral("CD menu authoring"));

    QLinearGradient accent(0, 0, 355, 0);
    accent.setColorAt(0, colour::sky);
    accent.setColorAt(0.5, colour::purple);
    accent.setColorAt(1, colour::pink);
    p.fillRect(QRectF(0, 201, 355, 4), accent);
    return image;
}

QImage wait(const QString& text) {
    QImage image = canvas(328, 137);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 137);
    fill.setColorAt(0, colour::paper);
    fill.setColorAt(1, colour::slate100);
    p.fillRect(image.rect(), fill);
    p.setPen(colour::slate300);
    p.drawRect(QRectF(0.5, 0.5, 327, 136));

    // A disc inside a progress ring: work is going on and it is about the disc.
    const QPointF centre(68, 68.5);
    p.setPen(QPen(colour::slate200, 5));
    p.drawEllipse(centre, 50, 50);
    p.setPen(QPen(colour::blue, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(centre.x() - 50, centre.y() - 50, 100, 100), 90 * 16, -250 * 16);
    parts::disc(p, centre, 40);

    p.setPen(colour::slate800);
    p.setFont(uiFont(19, true));
    p.drawText(QRectF(134, 30, 186, 50), Qt::AlignLeft | Qt::AlignBottom, text);
    p.setPen(colour::slate500);
    p.setFont(uiFont(11, false));
    p.drawText(QRectF(134, 86, 186, 20), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Tavik - Lumbrel"));
    return image;
}

QImage menuBack() {
    QImage image = canvas(400, 300);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Light enough everywhere that black text on it keeps its contrast.
    QLinearGradient fill(0, 0, 400, 300);
    fill.setColorAt(0, colour::slate50);
    fill.setColorAt(1, QColor(0xE3, 0xEC, 0xF6));
    p.fillRect(image.rect(), fill);

    QPainterPath wave({0, 215});
    wave.cubicTo(120, 170, 250, 270, 400, 205);
    wave.lineTo(400, 300);
    wave.lineTo(0, 300);
    wave.closeSubpath();
    p.fillPath(wave, QColor(255, 255, 255, 90));
    QPainterPath swell({0, 250});
    swell.cubicTo(140, 215, 260, 300, 400, 250);
    swell.lineTo(400, 300);
    swell.lineTo(0, 300);
    swell.closeSubpath();
    p.fillPath(swell, QColor(0xBF, 0xDB, 0xFE, 45));

    p.setPen(QPen(QColor(255, 255, 255, 150), 1.2));
    p.setBrush(Qt::NoBrush);
    for (int r = 40; r <= 160; r += 20)
        p.drawEllipse(QPointF(400, 0), r, r);
    return image;
}

// The product logo that the menu program prints on a disc cover, 59.5 by 11.1 mm there.
QImage coverLogo() {
    constexpr int kWidth = 1190, kHeight = 222;
    QImage image = canvas(kWidth, kHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A panel of its own, so that the logo reads on any background picture.
    fillShape(p, roundedRect(QRectF(4, 4, kWidth - 8, kHeight - 8), 36), colour::paper, colour::slate300, 4);
    parts::disc(p, QPointF(111, 111), 84);

    p.setPen(colour::slate800);
    p.setFont(uiFont(96, true));
    p.drawText(QRectF(222, 0, 640, 160), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Tavik"));
    p.setPen(colour::blueDark);
    p.drawText(QRectF(540, 0, 620, 160), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Lumbrel"));
    p.setPen(colour::slate500);
    p.setFont(uiFont(34, false));
    p.drawText(QRectF(226, 160, 900, 50), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("CD menu authoring"));

    QLinearGradient accent(222, 0, kWidth - 40, 0);
    accent.setColorAt(0, colour::sky);
    accent.setColorAt(0.5, colour::purple);
    accent.setColorAt(1, colour::pink);
    p.fillRect(QRectF(222, 152, kWidth - 262, 6), accent);
    return image;
}

} // namespace

QList<Asset> pictures() {
    return {
        {QStringLiteral("pictures/splash.png"), pngFile(splash())},
        {QStringLiteral("Files/wait_1.bmp"), bmpFile(wait(QStringLiteral("Please wait ...")))},
        {QStringLiteral("Files/wait_2.bmp"), bmpFile(wait(QStringLiteral("Bitte warten ...")))},
        {QStringLiteral("Files/MenuBack.bmp"), bmpFile(menuBack())},
        {QStringLiteral("menu/coverlogo.png"), pngFile(coverLogo())},
    };
}

} // namespace assetgen
