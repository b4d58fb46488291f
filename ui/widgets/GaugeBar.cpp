#include "ui/widgets/GaugeBar.h"

#include <QLinearGradient>
#include <QPainter>
#include <QStyleOptionFrame>

#include <algorithm>

namespace ui {

GaugeBar::GaugeBar(QWidget* parent) : QWidget(parent) {}

void GaugeBar::setMaximum(int maximum) {
    m_maximum = std::max(maximum, m_minimum);
    m_value = std::clamp(m_value, m_minimum, m_maximum);
    update();
}

void GaugeBar::setValue(int value) {
    value = std::clamp(value, m_minimum, m_maximum);
    if (value == m_value)
        return;
    m_value = value;
    update();
    Q_EMIT valueChanged(value);
}

void GaugeBar::setColors(const QColor& bottom, const QColor& top) {
    m_bottom = bottom;
    m_top = top;
    update();
}

double GaugeBar::fraction() const {
    if (m_maximum <= m_minimum)
        return 0;
    return double(m_value - m_minimum) / double(m_maximum - m_minimum);
}

void GaugeBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect outer = rect();
    p.fillRect(outer, palette().color(QPalette::Base));
    // A sunken frame of two lines.
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(outer.topLeft(), outer.topRight());
    p.drawLine(outer.topLeft(), outer.bottomLeft());
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(outer.bottomLeft(), outer.bottomRight());
    p.drawLine(outer.topRight(), outer.bottomRight());

    const QRect inner = outer.adjusted(2, 2, -2, -2);
    const int filled = int(inner.height() * fraction() + 0.5);
    if (filled <= 0)
        return;
    QLinearGradient gradient(inner.bottomLeft(), inner.topLeft());
    gradient.setColorAt(0, m_bottom);
    gradient.setColorAt(1, m_top);
    p.fillRect(QRect(inner.left(), inner.bottom() - filled + 1, inner.width(), filled), gradient);
}

} // namespace ui
