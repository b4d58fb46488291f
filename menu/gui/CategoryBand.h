#pragma once

#include "menu/reader/DesignSettings.h"

#include <QIcon>
#include <QWidget>

#include <optional>
#include <vector>

namespace menu {
struct DiscFolders;
}
namespace ui {
class EffectLabel;
class FillList;
} // namespace ui

// The band across the top of the menu window: the category heading over one row of categories,
// icon above caption, of which the viewer chooses one. It says what the viewer did; the menu
// window decides what follows.
class CategoryBand : public QWidget {
    Q_OBJECT
public:
    explicit CategoryBand(QWidget* parent = nullptr);

    void setHeading(const QString& text);
    void applyDesign(const menu::FontStyle& heading, const menu::BoxStyle& box, const QPixmap& wallpaper);
    // The categories of the disc, each with its icon drawn on `iconBackground`.
    void readCategories(const menu::DiscFolders& folders, const QColor& iconBackground);

    // The current category's number on the disc and its caption; none before one is chosen.
    std::optional<int> currentCategory() const;
    QString currentCaption() const;
    // Makes the first category the current one, and says so even when it was already.
    void chooseFirst();
    void takeFocus();

Q_SIGNALS:
    // Another category became the current one, by a click, a key or the start.
    void categoryChanged();
    // A mouse button was released over the band.
    void released();
    // A key that moves through the band was released.
    void keyMoved();
    // Enter: the viewer goes on to the category's items.
    void itemsWanted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutBand(const QStringList& captions, int iconSize);

    ui::EffectLabel* m_heading;
    ui::FillList* m_list;
    std::vector<QIcon> m_icons;
};
