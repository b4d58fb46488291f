#pragma once

#include "menu/MenuState.h"
#include "menu/content/ArchiveLayer.h"
#include "menu/gui/DesignLook.h"
#include "ui/QtTexts.h"
#include "ui/services/Services.h"
#include "ui/widgets/Backdrop.h"

#include <QIcon>
#include <QWidget>

#include <vector>

class CategoryBand;
class CopyDialog;
class CoverDialog;
class InfoWindow;
class ItemDetails;
class NewFolderDialog;
class PictureWindow;
class QAction;
class QActionGroup;
class QFrame;

namespace menu {
class MenuAboutDialog;
}

namespace ui {
class BackdropWidget;
class EffectLabel;
class FillList;
class ShadowButton;
class SideBarMenu;
} // namespace ui

// The menu window: the categories in a band across the top, the items of the chosen category on
// the left, the details of the chosen item on the right and two groups of buttons below. The window
// holds the items and the commands, and wires the band and the details to them. A fixed
// window without a close box, centred on the screen; the exit button is the way out.
class MenuWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 632;
    static constexpr int kClientHeight = 413;

    // The menu program of the running executable.
    explicit MenuWindow(ui::Services services, QWidget* parent = nullptr);
    // A menu program lying in `folders` (tests use disc folders of their own).
    MenuWindow(ui::Services services, const menu::DiscFolders& folders, QWidget* parent = nullptr);
    ~MenuWindow() override;

    const menu::MenuState& state() const { return m_state; }
    const menu::UnzipModule& unzipModule() const { return m_unzip; }

    // The start-up sequence; runs once, when the window is first shown.
    void startUp();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createItemList();
    void createCommandButtons();
    void createMenus();
    void showSplash();
    void readSounds();
    void applyLanguage();
    void applyDesign();
    // Tab goes through the window's controls as it is read: line by line, left to right.
    void setReadingTabOrder();

    // Choosing: the category band and the item list say what the viewer did.
    void showChosenCategory();
    void categoryClicked();
    void goToItems();
    void fillItems(int category);
    void showChosenItem();
    void itemClicked();
    void itemKeyMoved();
    void startItem();
    bool informationTextExists(const QString& caption) const;

    // The details and the picture.
    void toggleDetails();
    void setDetailsShown(bool shown);
    void toggleDockedPicture();
    void dockPicture();
    void undockPicture();
    void choosePictureOption(menu::PictureOption option);
    void updatePicture();
    void showPictureWindow();
    void placePictureWindow();
    QString selectedCaption() const;
    QString companionFile(const QString& extension) const;

    // The commands.
    void copyItem();
    void runItem();
    void unzipItem();
    void showZipTextMenu();
    void showInformation();
    void printCover();
    void showAboutMenu();
    void exitMenu();
    void openHomePage(const QString& address);
    void copySerial();
    // The zip-text commands: the last entry of the current archive whose name ends in `ending`
    // ("nfo", "diz"), shown in the information window.
    void showZipText(const QString& ending);
    void showAboutBox();

    void information(const QString& text);
    void playSound(int n);
    void clickSound() { playSound(3); }
    QPixmap boxWallpaper(menu::BoxFill fill) const;

    ui::Services m_services;
    menu::MenuState m_state;
    bool m_shown = false;
    ui::Backdrop m_backdrop;
    QPixmap m_backgroundPixmap, m_buttonPixmap;
    menu::DesignLook m_look;
    menu::UnzipModule m_unzip;

    std::vector<QIcon> m_smallItemIcons, m_largeItemIcons;

    CategoryBand* m_categoryBand;
    ui::EffectLabel* m_itemHead;
    QFrame* m_itemFrame;
    ui::FillList* m_itemList;
    ItemDetails* m_details;
    ui::EffectLabel* m_leftHead;
    ui::EffectLabel* m_rightHead;
    ui::ShadowButton* m_copyButton;
    ui::ShadowButton* m_runButton;
    ui::ShadowButton* m_unzipButton;
    ui::ShadowButton* m_textMenuButton;
    ui::ShadowButton* m_informationButton;
    ui::ShadowButton* m_coverButton;
    ui::ShadowButton* m_aboutButton;
    ui::ShadowButton* m_exitButton;

    ui::SideBarMenu* m_aboutMenu;
    QAction* m_optionsDivider;
    QAction* m_picturesAlways;
    QAction* m_picturesNever;
    QAction* m_picturesAuto;
    QActionGroup* m_pictureOptions;
    QAction* m_aboutDivider;
    QAction* m_aboutEntry;
    QAction* m_productHome;
    QAction* m_makerHome;
    ui::SideBarMenu* m_zipMenu;
    QAction* m_zipForNfo;
    QAction* m_zipForDiz;
    ui::SideBarMenu* m_serialMenu;
    QAction* m_copySerial;

    menu::MenuAboutDialog* m_aboutBox;
    ui::QtTexts m_qtTexts;
    NewFolderDialog* m_newFolderDialog;
    CopyDialog* m_copyDialog;
    InfoWindow* m_infoWindow;
    CoverDialog* m_coverDialog;
    PictureWindow* m_pictureWindow;
};
