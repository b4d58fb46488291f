#include "editor/gui/design/StatusMark.h"

#include <QPainter>

namespace {
constexpr int kDiameter = 12;
constexpr int kGap = 6;
} // namespace

StatusMark::StatusMark(const char* name, const QString& caption, QWidget* parent)
    : QWidget(parent), m_caption(caption) {
    setObjectName(QLatin1String(name));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void StatusMark::setOn(bool on) {
    m_on = on;
    update();
}

void StatusMark::setCaption(const QString& caption) {
    m_caption = caption;
    updateGeometry();
    update();
}

QSize StatusMark::sizeHint() const {
    const QFontMetrics fm(font());
    return {kDiameter + kGap + fm.horizontalAdvance(m_caption) + 2, std::max(kDiameter, fm.height()) + 2};
}

void StatusMark::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect mark(1, (height() - kDiameter) / 2, kDiameter, kDiameter);
    p.setPen(QColor(40, 40, 40));
    p.setBrush(m_on ? QColor(0, 170, 0) : QColor(210, 0, 0));
    p.drawEllipse(mark);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(rect().adjusted(kDiameter + kGap, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, m_caption);
}
