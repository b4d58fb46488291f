#include "ui/widgets/FillList.h"

namespace ui {

FillList::FillList(QWidget* parent) : QListWidget(parent) {
    applyPalette();
}

void FillList::setFillColor(const QColor& color) {
    m_fillColor = color;
    applyPalette();
}

void FillList::setWallpaper(const QPixmap& wallpaper) {
    m_wallpaper = wallpaper;
    applyPalette();
}

void FillList::setTextColor(const QColor& color) {
    m_textColor = color;
    applyPalette();
}

void FillList::applyPalette() {
    QPalette pal = palette();
    const QBrush base = m_wallpaper.isNull() ? QBrush(m_fillColor) : QBrush(m_wallpaper);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setBrush(group, QPalette::Base, base);
        pal.setColor(group, QPalette::Text, m_textColor);
        pal.setColor(group, QPalette::WindowText, m_textColor);
    }
    setPalette(pal);
    viewport()->setAutoFillBackground(true);
    viewport()->update();
}

} // namespace ui
