#pragma once

#include <QListWidget>

namespace ui {

// A list whose area is filled with a colour or with a bitmap laid like wallpaper, in a text colour.
class FillList : public QListWidget {
    Q_OBJECT
public:
    explicit FillList(QWidget* parent = nullptr);

    void setFillColor(const QColor& color);
    const QColor& fillColor() const { return m_fillColor; }
    // A null pixmap shows the fill colour again.
    void setWallpaper(const QPixmap& wallpaper);
    const QPixmap& wallpaper() const { return m_wallpaper; }
    void setTextColor(const QColor& color);
    const QColor& textColor() const { return m_textColor; }

private:
    void applyPalette();

    QColor m_fillColor = Qt::white;
    QColor m_textColor = Qt::black;
    QPixmap m_wallpaper;
};

} // namespace ui
