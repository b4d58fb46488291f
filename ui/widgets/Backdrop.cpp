#include "ui/widgets/Backdrop.h"

#include <QLinearGradient>
#include <QPainter>

namespace ui {

Backdrop Backdrop::solid(const QColor& fill, const QColor& outline) {
    Backdrop b;
    b.m_kind = Kind::Solid;
    b.m_start = b.m_end = fill;
    b.m_outline = outline;
    return b;
}

Backdrop Backdrop::gradient(const QColor& start, const QColor& end) {
    Backdrop b;
    b.m_kind = Kind::Gradient;
    b.m_start = start;
    b.m_end = end;
    return b;
}

Backdrop Backdrop::bitmap(const QPixmap& pixmap, Placement placement) {
    Backdrop b;
    b.m_kind = pixmap.isNull() ? Kind::Nothing : Kind::Bitmap;
    b.m_pixmap = pixmap;
    b.m_placement = placement;
    return b;
}

void Backdrop::paint(QPainter& painter, const QRect& rect) const {
    switch (m_kind) {
    case Kind::Nothing:
        return;
    case Kind::Solid:
        painter.fillRect(rect, m_start);
        if (m_outline.isValid()) {
            painter.save();
            painter.setPen(m_outline);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect.adjusted(0, 0, -1, -1));
            painter.restore();
        }
        return;
    case Kind::Gradient: {
        QLinearGradient g(rect.topLeft(), rect.bottomLeft());
        g.setColorAt(0, m_start);
        g.setColorAt(1, m_end);
        painter.fillRect(rect, g);
        return;
    }
    case Kind::Bitmap:
        switch (m_placement) {
        case Placement::Tile:
            painter.drawTiledPixmap(rect, m_pixmap);
            return;
        case Placement::Stretch:
            painter.drawPixmap(rect, m_pixmap);
            return;
        case Placement::Center: {
            QRect r(QPoint(), m_pixmap.deviceIndependentSize().toSize());
            r.moveCenter(rect.center());
            painter.save();
            painter.setClipRect(rect, Qt::IntersectClip);
            painter.drawPixmap(r.topLeft(), m_pixmap);
            painter.restore();
            return;
        }
        case Placement::None:
            painter.save();
            painter.setClipRect(rect, Qt::IntersectClip);
            painter.drawPixmap(rect.topLeft(), m_pixmap);
            painter.restore();
            return;
        }
    }
}

BackdropWidget::BackdropWidget(QWidget* parent) : QWidget(parent) {}

void BackdropWidget::setBackdrop(const Backdrop& backdrop) {
    m_backdrop = backdrop;
    update();
}

void BackdropWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_backdrop.paint(painter, rect());
}

} // namespace ui
