#pragma once

#include "ui/services/ModalScope.h"

#include <QPixmap>
#include <QWidget>

// The small wait window shown while a project is read, written, sorted or built. It steps aside
// while a message box or chooser asks the user something.
class WaitWindow : public QWidget, public ui::StepAside {
    Q_OBJECT
public:
    static constexpr int kWidth = 328;
    static constexpr int kHeight = 137;

    explicit WaitWindow(QWidget* parent = nullptr);

    // The picture of the current language; a missing picture leaves a plain window.
    void setPicture(const QString& path);
    void begin();
    void end();
    void stepAside(bool aside) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void appear();
    void disappear();

    QPixmap m_picture;
    int m_depth = 0;
};
