#pragma once

#include <QMenu>
#include <QWidgetAction>

namespace ui {

// A drop-down menu with a caption written upwards in a band along its left edge, captioned
// dividers, and optionally a bitmap behind its entries with entries in a colour and weight of
// their own. It paints itself, so that it looks the same in every widget style.
class SideBarMenu : public QMenu {
    Q_OBJECT
public:
    explicit SideBarMenu(QWidget* parent = nullptr);

    void setSideBarText(const QString& text);
    const QString& sideBarText() const { return m_sideBarText; }

    // A divider line carrying a caption; setText() on the returned action changes it.
    QAction* addCaptionDivider(const QString& caption);

    // Null: the plain menu colours.
    void setBackgroundPixmap(const QPixmap& pixmap);
    const QPixmap& backgroundPixmap() const { return m_background; }
    void setEntryStyle(const QColor& color, bool bold);
    const QColor& entryColor() const { return m_entryColor; }

    static constexpr int kSideBarWidth = 22;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_sideBarText;
    QPixmap m_background;
    QColor m_entryColor;
};

} // namespace ui
