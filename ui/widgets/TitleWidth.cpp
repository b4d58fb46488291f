#include "TitleWidth.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QWidget>

namespace ui {
namespace {

// Room for the window icon and the minimise, maximise and close buttons of common title bars.
constexpr int kTitleBarControls = 140;

} // namespace

void fitWidthToTitle(QWidget& window) {
    // Title bars often use a bold face; measure with one so the title is never cut short.
    QFont font = QApplication::font();
    font.setBold(true);
    int width = QFontMetrics(font).horizontalAdvance(window.windowTitle()) + kTitleBarControls;
    if (const QScreen* screen = window.screen())
        width = std::min(width, screen->availableGeometry().width() * 9 / 10);
    if (width > window.minimumWidth())
        window.setMinimumWidth(width);
}

} // namespace ui
