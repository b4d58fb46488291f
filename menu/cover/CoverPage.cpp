#include "menu/cover/CoverPage.h"

#include <QPaintDevice>
#include <QPainter>
#include <QtMath>

#include <algorithm>

namespace menu {
namespace {

constexpr qreal kMmPerInch = 25.4;
constexpr qreal kPointsPerInch = 72.0;
constexpr qreal kLineWidthMm = 0.25;
// A picture that claims an absurd resolution is taken at screen resolution.
constexpr qreal kScreenDpi = 96.0, kMinPictureDpi = 24.0, kMaxPictureDpi = 2400.0;
// A text too large for its place shrinks in steps, down to a few pixels.
constexpr int kShrinkPercent = 90, kMinTextPixels = 4;

// Millimetres and points in the pixels of one device.
class DeviceScale {
public:
    explicit DeviceScale(const QPaintDevice& device)
        : m_perMmX(device.logicalDpiX() / kMmPerInch), m_perMmY(device.logicalDpiY() / kMmPerInch),
          m_dpiY(device.logicalDpiY()) {}

    QRectF rect(const QRectF& mm) const {
        return QRectF(mm.x() * m_perMmX, mm.y() * m_perMmY, mm.width() * m_perMmX, mm.height() * m_perMmY);
    }
    qreal lineWidth() const { return std::max<qreal>(1.0, kLineWidthMm * m_perMmX); }

    QFont font(const QString& family, int points, bool bold) const {
        QFont f(family);
        f.setPixelSize(std::max(1, qRound(points * m_dpiY / kPointsPerInch)));
        f.setBold(bold);
        return f;
    }

private:
    qreal m_perMmX, m_perMmY, m_dpiY;
};

void drawBox(QPainter& p, const DeviceScale& scale, const QRectF& mm, const QBrush& fill) {
    p.setPen(QPen(Qt::black, scale.lineWidth()));
    p.setBrush(fill);
    p.drawRect(scale.rect(mm));
}

// The font at its size, or smaller until the text fits its place. Below the smallest size the
// text may still run over; it is never cut.
QFont fitted(const QPaintDevice* device, const QRectF& rect, const QString& text, QFont font, int flags) {
    while (font.pixelSize() > kMinTextPixels) {
        const QRectF needed = QFontMetricsF(font, device).boundingRect(rect, flags, text);
        if (needed.width() <= rect.width() && needed.height() <= rect.height())
            break;
        font.setPixelSize(std::max(kMinTextPixels, font.pixelSize() * kShrinkPercent / 100));
    }
    return font;
}

// Texts are never cut, and shrink to stay inside their place.
void drawText(QPainter& p, const QRectF& rect, const QString& text, const QFont& font, const QColor& colour,
              int flags) {
    p.setFont(fitted(p.device(), rect, text, font, flags));
    p.setPen(colour);
    p.drawText(rect, flags | Qt::TextDontClip, text);
}

// A text along a spine: turned 90 degrees reads upwards, -90 downwards.
void drawTurnedText(QPainter& p, const QRectF& rect, bool upwards, const QString& text, const QFont& font,
                    const QColor& colour, int flags) {
    p.save();
    if (upwards) {
        p.translate(rect.bottomLeft());
        p.rotate(-90);
    } else {
        p.translate(rect.topRight());
        p.rotate(90);
    }
    drawText(p, QRectF(0, 0, rect.height(), rect.width()), text, font, colour, flags);
    p.restore();
}

qreal pictureDpi(int dotsPerMeter) {
    const qreal dpi = dotsPerMeter * kMmPerInch / 1000.0;
    return dpi >= kMinPictureDpi && dpi <= kMaxPictureDpi ? dpi : kScreenDpi;
}

// A picture stretched over its place. A picture with more pixels than the place is reduced
// first, so that a huge file does not swell the print job.
void drawStretched(QPainter& p, const QRectF& place, const QImage& image) {
    const QSize target = place.size().toSize().expandedTo(QSize(1, 1));
    const bool larger = image.width() > target.width() || image.height() > target.height();
    p.drawImage(place,
                larger ? image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation) : image);
}

// A picture at its own size from the top-left corner of its place; what lies beyond the place's
// edges is left out.
void drawAtOwnSize(QPainter& p, const DeviceScale& scale, const QRectF& mm, const QImage& image) {
    const qreal widthMm = image.width() * kMmPerInch / pictureDpi(image.dotsPerMeterX());
    const qreal heightMm = image.height() * kMmPerInch / pictureDpi(image.dotsPerMeterY());
    const qreal shownWidth = std::min(widthMm, mm.width()), shownHeight = std::min(heightMm, mm.height());
    const int columns = std::clamp(qCeil(image.width() * shownWidth / widthMm), 1, image.width());
    const int rows = std::clamp(qCeil(image.height() * shownHeight / heightMm), 1, image.height());
    drawStretched(p, scale.rect(QRectF(mm.topLeft(), QSizeF(shownWidth, shownHeight))),
                  image.copy(0, 0, columns, rows));
}

} // namespace

void paintCover(QPainter& p, const CoverPage& page) {
    using namespace coverlayout;
    const DeviceScale scale(*p.device());
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The front cover.
    drawBox(p, scale, kFrontFrame, Qt::NoBrush);
    if (!page.background.isNull())
        drawStretched(p, scale.rect(kBackground), page.background);
    drawBox(p, scale, kDateBox, page.dateBox);
    drawText(p, scale.rect(kDate), page.date, scale.font(page.dateFont, 16, true), page.dateText,
             Qt::AlignLeft | Qt::AlignVCenter);
    drawBox(p, scale, kTitleBox, page.titleBox);
    drawText(p, scale.rect(kTitle), page.title, scale.font(page.titleFont, 24, true), page.titleText,
             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    if (!page.logo.isNull())
        drawAtOwnSize(p, scale, kLogo, page.logo);
    if (!page.productLogo.isNull())
        drawStretched(p, scale.rect(kProductLogo), page.productLogo);
    drawBox(p, scale, kNumberBox, page.numberBox);
    drawText(p, scale.rect(kNumber), page.number, scale.font(page.numberFont, 22, true), page.numberText,
             Qt::AlignCenter);

    // The back inlay with its two spines.
    drawBox(p, scale, kBackFrame, Qt::NoBrush);
    drawBox(p, scale, kLeftSpine, page.spineBox);
    drawBox(p, scale, kRightSpine, page.spineBox);
    drawBox(p, scale, kLeftSpineNumberBox, page.numberBox);
    drawBox(p, scale, kRightSpineNumberBox, page.numberBox);
    const QFont spineNumberFont = scale.font(page.numberFont, 12, false);
    drawTurnedText(p, scale.rect(kLeftSpineNumber), true, page.number, spineNumberFont, page.numberText,
                   Qt::AlignCenter);
    drawTurnedText(p, scale.rect(kRightSpineNumber), false, page.number, spineNumberFont, page.numberText,
                   Qt::AlignCenter);
    const QFont spineTitleFont = scale.font(page.spineFont, 12, false);
    drawTurnedText(p, scale.rect(kLeftSpineTitle), true, page.title, spineTitleFont, page.spineText,
                   Qt::AlignLeft | Qt::AlignVCenter);
    drawTurnedText(p, scale.rect(kRightSpineTitle), false, page.title, spineTitleFont, page.spineText,
                   Qt::AlignLeft | Qt::AlignVCenter);

    QFont headingFont = scale.font(QStringLiteral("Arial"), 12, true);
    headingFont.setUnderline(true);
    QRectF heading = scale.rect(kContentHeading);
    heading.setWidth(QFontMetricsF(headingFont, p.device()).horizontalAdvance(page.contentHeading));
    p.fillRect(heading, Qt::white);
    drawText(p, heading, page.contentHeading, headingFont, Qt::black, Qt::AlignLeft | Qt::AlignVCenter);

    // The list stays on the inlay; the content dialog prints it whole.
    const QRectF content = scale.rect(kContent);
    p.fillRect(content, Qt::white);
    p.setClipRect(content);
    p.setFont(scale.font(QStringLiteral("Arial"), 8, false));
    p.setPen(Qt::black);
    p.drawText(content, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, page.content.join(u'\n'));
    p.restore();
}

} // namespace menu
