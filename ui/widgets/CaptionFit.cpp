#include "ui/widgets/CaptionFit.h"

#include "ui/widgets/ShadowButton.h"

#include <QFontMetrics>
#include <QRect>

#include <algorithm>

namespace ui {
namespace {

// Half a point smaller at a time until `fits` or `least`.
template <typename Fits> QFont shrinkUntil(QFont font, qreal least, Fits fits) {
    while (!fits(QFontMetrics(font)) && font.pointSizeF() - 0.5 >= least)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

} // namespace

QFont fittingFont(QFont font, const QStringList& texts, int room) {
    return shrinkUntil(font, kLeastCaptionPoints, [&](const QFontMetrics& metrics) {
        return std::all_of(texts.begin(), texts.end(),
                           [&](const QString& text) { return metrics.horizontalAdvance(text) <= room; });
    });
}

QFont fittingWrappedFont(QFont font, const QStringList& texts, const QSize& room, qreal least) {
    const QRect area(QPoint(0, 0), room);
    return shrinkUntil(font, least, [&](const QFontMetrics& metrics) {
        return std::all_of(texts.begin(), texts.end(), [&](const QString& text) {
            // A word longer than the width would be broken inside, which reads as badly as a cut.
            const QRect needed = metrics.boundingRect(area, Qt::AlignHCenter | Qt::TextWordWrap, text);
            return needed.width() <= room.width() && needed.height() <= room.height();
        });
    });
}

QString withBreaksInLongWords(const QString& text, const QFontMetrics& metrics, int width) {
    const QChar softHyphen(0x00AD);
    const int hyphen = metrics.horizontalAdvance(u'-');
    QStringList words = text.split(u' ');
    for (QString& word : words) {
        QString broken;
        QString rest = word;
        while (metrics.horizontalAdvance(rest) > width) {
            qsizetype fits = 0;
            while (fits + 1 < rest.size() && metrics.horizontalAdvance(rest.left(fits + 1)) + hyphen <= width)
                ++fits;
            // Not even one letter and its hyphen fit: the word is cut as it is.
            if (fits == 0)
                break;
            broken += rest.left(fits) + softHyphen;
            rest = rest.mid(fits);
        }
        word = broken + rest;
    }
    return words.join(u' ');
}

void fitRowCaptions(const std::vector<ShadowButton*>& row, qreal points) {
    qreal shared = points;
    for (ShadowButton* button : row) {
        QFont font = button->font();
        font.setPointSizeF(points);
        shared = std::min(shared, fittingFont(font, {button->text()}, button->captionRoom()).pointSizeF());
    }
    for (ShadowButton* button : row) {
        QFont font = button->font();
        font.setPointSizeF(shared);
        button->setFont(font);
    }
}

} // namespace ui
