#include "editor/gui/mainwindow/WaitWindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

WaitWindow::WaitWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Tzolwaitform"));
    setFixedSize(kWidth, kHeight);
    setCursor(Qt::WaitCursor);
}

void WaitWindow::setPicture(const QString& path) {
    m_picture = QPixmap(path);
    update();
}

// Nested waits (a save inside a larger command) keep the window up until the outermost ends.
void WaitWindow::begin() {
    if (m_depth++ > 0)
        return;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (!ui::ModalScope::open())
        appear();
}

void WaitWindow::appear() {
    show();
    raise();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Paint now: the work that follows keeps the event loop busy.
    repaint();
}

void WaitWindow::disappear() {
    QApplication::restoreOverrideCursor();
    hide();
}

void WaitWindow::stepAside(bool aside) {
    if (m_depth == 0)
        return;
    if (aside)
        disappear();
    else
        appear();
}

void WaitWindow::end() {
    if (m_depth == 0 || --m_depth > 0)
        return;
    if (!ui::ModalScope::open())
        disappear();
}

void WaitWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_picture.isNull())
        p.fillRect(rect(), palette().window());
    else
        p.drawPixmap(rect(), m_picture);
}
