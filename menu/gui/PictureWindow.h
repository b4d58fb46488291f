#pragma once

#include "ui/widgets/Backdrop.h"

#include <QWidget>

namespace ui {
class EffectLabel;
class PictureView;
} // namespace ui

// The picture window: the current item's picture or screenshot, floating beside the menu window
// (always on top, sizeable, without a close box) or docked into the menu window's details box.
// Without a picture it shows the "no picture" text on its default background.
class PictureWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kInitialSize{144, 145};
    static constexpr QSize kUndockedSize{137, 146};
    static constexpr QSize kDockedSize{347, 206};

    // `menuWindow` owns the window; floating, it stays above it.
    explicit PictureWindow(QWidget* menuWindow);

    ui::PictureView* view() const { return m_view; }
    ui::EffectLabel* noPictureLabel() const { return m_noPicture; }

    // The background behind the view and the text: a plain colour, or the default background
    // chosen by the design (its texture or its gradient).
    void usePlainBackground();
    void setPlainColor(const QColor& color);
    const QColor& plainColor() const { return m_plainColor; }
    void useDefaultBackground();
    void setDefaultBackground(const ui::Backdrop& backdrop);
    const ui::Backdrop& background() const { return m_background; }
    bool showsDefaultBackground() const { return m_usesDefault; }

    void setNoPictureText(const QString& text);
    void showNoPicture(bool shown);
    bool showsNoPicture() const;

    // Into the menu window at `place` (client coordinates) without a border, or back out as a
    // floating window with a border; either way the window ends up closed.
    void dock(const QRect& place);
    void undock();
    bool isDocked() const { return m_docked; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setFloatingFlags();

    QWidget* m_menuWindow;
    ui::PictureView* m_view;
    ui::EffectLabel* m_noPicture;
    ui::Backdrop m_defaultBackground;
    ui::Backdrop m_background;
    QColor m_plainColor = Qt::black;
    bool m_usesDefault = false;
    bool m_docked = false;
};
