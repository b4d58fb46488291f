#include "ui/widgets/TitleWidth.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ui {
namespace {

// Room for the window icon and the minimise, maximise and close buttons of common title bars.
constexpr int kTitleBarControls = 140;

} // namespace

int widthForTitle(const QWidget& window) {
    // Title bars commonly set their caption in a bold face a little larger than the window's.
    QFont face = QGuiApplication::font();
    face.setBold(true);
    face.setPointSizeF(face.pointSizeF() * 1.1);
    int width = QFontMetrics(face).horizontalAdvance(window.windowTitle()) + kTitleBarControls;
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen)
        width = std::min(width, screen->availableGeometry().width() * 9 / 10);
    return width;
}

void fitWidthToTitle(QWidget& window) {
    const int width = widthForTitle(window);
    if (width > window.minimumWidth())
        window.setMinimumWidth(width);
}

} // namespace ui
