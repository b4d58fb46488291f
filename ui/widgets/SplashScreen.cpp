#include "ui/widgets/SplashScreen.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace ui {
namespace {

void frameLine(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

} // namespace

SplashScreen::SplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void SplashScreen::setPixmap(const QPixmap& pixmap) {
    m_pixmap = pixmap;
    update();
}

void SplashScreen::setFrame(const QColor& highlight, int borderWidth) {
    m_frameColor = highlight;
    m_borderWidth = std::max(0, borderWidth);
    update();
}

void SplashScreen::showFor(int ms) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = rect();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    show();
    raise();
    QEventLoop loop;
    QTimer::singleShot(std::max(0, ms), &loop, &QEventLoop::quit);
    loop.exec();
    close();
}

void SplashScreen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!m_pixmap.isNull()) {
        QRect r(QPoint(), m_pixmap.deviceIndependentSize().toSize());
        r.moveCenter(rect().center());
        p.drawPixmap(r.topLeft(), m_pixmap);
    }
    // The outer frame raised at the edge, the inner one sunk the border width further in, so the
    // band between them stands up like a picture frame.
    const QColor shade = m_frameColor.darker(250);
    const QRect outer = rect();
    frameLine(p, outer, m_frameColor, shade);
    const int w = std::min({m_borderWidth, width() / 2 - 1, height() / 2 - 1});
    if (w > 0)
        frameLine(p, outer.adjusted(w, w, -w, -w), shade, m_frameColor);
}

} // namespace ui
