#include "ui/widgets/EffectLabel.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ui {

EffectLabel::EffectLabel(QWidget* parent) : QWidget(parent) {}

EffectLabel::EffectLabel(const QString& text, QWidget* parent) : QWidget(parent), m_text(text) {}

void EffectLabel::setText(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    updateGeometry();
    update();
}

void EffectLabel::setColor(const QColor& color) {
    m_color = color;
    update();
}

void EffectLabel::setBold(bool bold) {
    QFont f = font();
    f.setBold(bold);
    setFont(f);
    updateGeometry();
    update();
}

void EffectLabel::setEffect(TextEffect effect) {
    m_effect = effect;
    update();
}

void EffectLabel::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

void EffectLabel::setWordWrap(bool wrap) {
    m_wordWrap = wrap;
    updateGeometry();
    update();
}

void EffectLabel::setLink(bool link) {
    m_link = link;
    QFont f = font();
    f.setUnderline(link);
    setFont(f);
    if (link)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    update();
}

QSize EffectLabel::sizeHint() const {
    const int m = effectMargin(m_effect);
    // Rounded up: a text a fraction of a pixel wider than its room is cut when painted.
    const int width = int(std::ceil(QFontMetricsF(font()).horizontalAdvance(m_text)));
    return QSize(width + 2 * m + 2, QFontMetrics(font()).height() + 2 * m);
}

QSize EffectLabel::minimumSizeHint() const {
    return QSize(0, QFontMetrics(font()).height());
}

int EffectLabel::heightForWidth(int width) const {
    const int m = effectMargin(m_effect);
    // The same area the text is painted into.
    const QRect area(0, 0, std::max(1, width - m - 2), QWIDGETSIZE_MAX);
    const int flags = int(m_alignment) | (m_wordWrap ? int(Qt::TextWordWrap) : 0);
    return QFontMetrics(font()).boundingRect(area, flags, m_text).height() + 2 * m;
}

void EffectLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    const int m = effectMargin(m_effect);
    const QRect area = rect().adjusted(1, m, -m - 1, -m);
    int flags = int(m_alignment);
    QString shown = m_text;
    if (m_wordWrap)
        flags |= Qt::TextWordWrap;
    else
        shown = p.fontMetrics().elidedText(m_text, Qt::ElideRight, area.width());
    drawEffectText(p, area, flags, shown, m_color, m_effect, isEnabled());
}

void EffectLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (m_link && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QWidget::mouseReleaseEvent(event);
}

} // namespace ui
