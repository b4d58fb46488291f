#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace ui {

// A borderless start-up picture: the bitmap in the middle (centred when smaller than the window)
// inside an outer and an inner frame that lie the border width apart.
class SplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit SplashScreen(QWidget* parent = nullptr);

    void setPixmap(const QPixmap& pixmap);
    const QPixmap& pixmap() const { return m_pixmap; }
    // The highlight colour of both frames and the distance between them.
    void setFrame(const QColor& highlight, int borderWidth);
    const QColor& frameColor() const { return m_frameColor; }
    int borderWidth() const { return m_borderWidth; }

    // Shows the splash centred on the screen for `ms` milliseconds while events keep being
    // processed, then closes it; returns when it has closed.
    void showFor(int ms);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_pixmap;
    QColor m_frameColor = Qt::white;
    int m_borderWidth = 1;
};

} // namespace ui
