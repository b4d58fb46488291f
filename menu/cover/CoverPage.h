#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace menu {

// Everything that goes onto the cover page.
struct CoverPage {
    QString title; // the disc name
    QString number;
    QString date;
    QColor titleBox = Qt::black, titleText = Qt::white;
    QColor numberBox = QColor(0, 0, 128), numberText = Qt::white;
    QColor dateBox = QColor(128, 128, 128), dateText = Qt::black;
    QColor spineBox = Qt::white, spineText = Qt::black;
    QString titleFont = QStringLiteral("Arial"), numberFont = QStringLiteral("Arial"),
            dateFont = QStringLiteral("Arial"), spineFont = QStringLiteral("Arial");
    QImage background;  // left out when null
    QImage logo;        // left out when null
    QImage productLogo; // left out when null
    QString contentHeading;
    QStringList content;
};

// Where the elements lie, in millimetres from the paper's top-left corner of an A4 portrait page.
namespace coverlayout {
constexpr qreal kPaperWidth = 210.0, kPaperHeight = 297.0;
constexpr qreal kMargin = 10.0;
constexpr qreal kTitleStrip = 10.6; // empty, above the detail area
// The detail area's top-left corner.
constexpr qreal kLeft = kMargin, kTop = kMargin + kTitleStrip;

// A rectangle given relative to the detail area.
constexpr QRectF area(qreal left, qreal top, qreal width, qreal height) {
    return QRectF(kLeft + left, kTop + top, width, height);
}

constexpr QRectF kFrontFrame = area(2.1, 4.2, 121.2, 120.7);
constexpr QRectF kBackground = area(2.4, 4.8, 120.7, 119.9);
constexpr QRectF kDateBox = area(2.1, 4.2, 25.7, 10.1);
constexpr QRectF kDate = area(2.9, 6.1, 24.9, 6.6);
constexpr QRectF kTitleBox = area(2.1, 50.8, 99.8, 17.2);
constexpr QRectF kTitle = area(2.9, 54.8, 96.8, 10.1);
constexpr QRectF kLogo = area(4.2, 95.0, 27.8, 28.3);
constexpr QRectF kProductLogo = area(38.1, 112.2, 59.5, 11.1);
constexpr QRectF kNumberBox = area(103.7, 112.7, 19.6, 12.2);
constexpr QRectF kNumber = area(103.7, 114.6, 19.3, 9.3);
constexpr QRectF kBackFrame = area(2.1, 127.0, 151.1, 117.0);
constexpr QRectF kLeftSpine = area(2.1, 127.0, 7.1, 117.0);
constexpr QRectF kRightSpine = area(146.6, 127.0, 7.1, 117.0);
constexpr QRectF kLeftSpineNumberBox = area(2.1, 127.0, 7.1, 17.2);
constexpr QRectF kRightSpineNumberBox = area(146.6, 226.5, 7.1, 17.2);
constexpr QRectF kLeftSpineNumber = area(3.2, 128.3, 5.0, 14.3);
constexpr QRectF kRightSpineNumber = area(147.4, 227.9, 5.0, 14.3);
constexpr QRectF kLeftSpineTitle = area(3.2, 148.2, 5.0, 94.2);
constexpr QRectF kRightSpineTitle = area(147.4, 129.1, 5.0, 94.2);
constexpr QRectF kContentHeading = area(70.4, 127.5, 0.0, 5.3); // as wide as its text
constexpr QRectF kContent = area(10.6, 134.4, 133.6, 108.2);
} // namespace coverlayout

// Paints the page onto the painter's device, whose origin is the paper's top-left corner; the
// device's resolution turns millimetres and points into its pixels.
void paintCover(QPainter& painter, const CoverPage& page);

} // namespace menu
