#pragma once

#include <QDialog>

namespace ui {
class SplashScreen;
}

// The splash bitmap as the menu program shows it at start-up, in a window of the bitmap's size.
class SplashPreviewDialog : public QDialog {
    Q_OBJECT
public:
    explicit SplashPreviewDialog(QWidget* parent = nullptr);

    // False, and no bitmap, when the file holds no readable picture.
    bool load(const QString& path);
    void release();
    bool hasBitmap() const;
    void setFrame(const QColor& color, int width);

    ui::SplashScreen* splash() const { return m_splash; }

private:
    ui::SplashScreen* m_splash;
};
