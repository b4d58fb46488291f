#pragma once

#include "menu/MenuState.h"

#include <QWidget>

#include <vector>

namespace ui {
class BackdropWidget;
class EffectLabel;
class ShadowButton;
} // namespace ui

// The right half of the menu window: the chosen item's details (file, serial number, sizes,
// description, home page) in their box under a heading, with the two arrows that hide the details
// and dock the picture. Docked, the picture takes the box's place and its own heading is shown.
class ItemDetails : public QWidget {
    Q_OBJECT
public:
    ItemDetails(const menu::MenuState& state, QWidget* parent = nullptr);

    void applyLanguage(const menu::LanguageFile& language);
    void applyDesign(const menu::DesignSettings& design, const QPixmap& boxWallpaper,
                     const QPixmap& buttonBitmap);

    // No item chosen: the plain heading, and every value the language's "not available".
    void showNoItem();
    // The details of the item `caption`, whose target lies at `target`.
    void showItem(const QString& caption, const QString& target, const menu::ItemDetails& details);
    // The target and serial number as shown.
    QString target() const;
    QString serial() const;

    void setDetailsShown(bool shown);
    void setPictureDocked(bool docked);

Q_SIGNALS:
    // The arrows: hide or show the details, dock or undock the picture.
    void detailsToggled();
    void pictureDockToggled();
    // The home page link was clicked: the address to open.
    void homePageOpened(const QString& address);
    // The serial number's context menu, at a global position.
    void serialMenuWanted(const QPoint& position);

private:
    void createDetails();
    void setHeading(ui::EffectLabel* heading, const QString& text);
    void setValues(const QString& text);
    std::vector<QWidget*> valuesAndLabels() const;

    const menu::MenuState& m_state;
    ui::EffectLabel* m_detailHead;
    ui::EffectLabel* m_thumbHead;
    ui::ShadowButton* m_detailsButton;
    ui::ShadowButton* m_dockPictureButton;
    ui::BackdropWidget* m_detailBox;
    std::vector<ui::EffectLabel*> m_labels; // name, serial, cd size, hd size, description, home page
    ui::EffectLabel* m_fileNameValue;
    ui::EffectLabel* m_serialValue;
    ui::EffectLabel* m_discSizeValue;
    ui::EffectLabel* m_installedSizeValue;
    ui::EffectLabel* m_descriptionValue;
    ui::EffectLabel* m_homePageValue;
};
