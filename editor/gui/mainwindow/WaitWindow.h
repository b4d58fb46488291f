#pragma once

#include <QPixmap>
#include <QWidget>

// The small wait window shown while a project is read, written, sorted or built.
class WaitWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 328;
    static constexpr int kHeight = 137;

    explicit WaitWindow(QWidget* parent = nullptr);

    // The picture of the current language; a missing picture leaves a plain window.
    void setPicture(const QString& path);
    void begin();
    void end();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    int m_depth = 0;
};
