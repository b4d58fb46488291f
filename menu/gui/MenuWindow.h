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

class CopyDialog;
class CoverDialog;
class InfoWindow;
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
// the left, the details of the chosen item on the right and two groups of buttons below. A fixed
// window without a close box, centred on the screen; the exit button is the way out.
class MenuWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 632;
    static constexpr int kClientHeight = 413;
    // A heading longer than this is cut, with its whole text as tooltip.
    static constexpr int kHeadingLength = 38;

    // The menu program of the running executable.
    explicit MenuWindow(ui::Services services, QWidget* parent = nullptr);
    // A menu program lying in `folders` (tests use disc folders of their own).
    MenuWindow(ui::Services services, const menu::DiscFolders& folders, QWidget* parent = nullptr);
    ~MenuWindow() override;

    const menu::MenuState& state() const { return m_state; }

    // The start-up sequence; runs once, when the window is first shown.
    void startUp();

    // Choosing a category: released mouse button or key over the band.
    void categoryBandReleased();
    void categoryBandKeyReleased(int key);
    // Choosing an item: released mouse button or key over the list.
    void itemListReleased();
    void itemListKeyReleased(int key);
    void itemDoubleClicked();

    void toggleDetailsClicked();
    void dockPictureClicked();

    void copyClicked();
    void runClicked();
    void unzipClicked();
    void textMenuClicked();
    void informationClicked();
    void printCoverClicked();
    void aboutMenuClicked();
    void exitClicked();

    void homePageLinkClicked();
    void copySerialClicked();

    void zipNfoFileClicked();
    void zipFileIdDizClicked();
    void detailsAlwaysClicked();
    void detailsNeverClicked();
    void detailsAutoClicked();
    void aboutClicked();
    void homePageClicked();
    void makerHomePageClicked();

    // The steps behind the handlers, without their sounds.
    void chooseCategory();
    void chooseItem();

    // A heading as shown: whole up to kHeadingLength characters, otherwise cut with " ...".
    static QString shortenedHeading(const QString& text);

    ui::SideBarMenu* aboutMenu() const { return m_aboutMenu; }
    ui::SideBarMenu* zipScanMenu() const { return m_zipMenu; }
    ui::SideBarMenu* serialMenu() const { return m_serialMenu; }
    menu::MenuAboutDialog* aboutBox() const { return m_aboutBox; }
    CopyDialog* copyDialog() const { return m_copyDialog; }
    NewFolderDialog* newFolderDialog() const { return m_newFolderDialog; }
    InfoWindow* infoWindow() const { return m_infoWindow; }
    CoverDialog* coverDialog() const { return m_coverDialog; }
    PictureWindow* pictureWindow() const { return m_pictureWindow; }
    const menu::UnzipModule& unzipModule() const { return m_unzip; }

    // The zip-text commands: the last entry of the current archive whose name ends in `ending`
    // ("nfo", "diz"), shown in the information window.
    void showZipText(const QString& ending);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMenus();
    void showSplash();
    void readSounds();
    void applyLanguage();
    void applyDesign();
    void readCategories();
    // Tab goes through the window's controls as it is read: line by line, left to right.
    void setReadingTabOrder();
    void layoutBand(const QStringList& captions, int iconSize);
    void fillItems(int category);
    void setHeading(ui::EffectLabel* heading, const QString& text);
    void setDetailValues(const QString& text);
    void setDetailsShown(bool shown);
    void choosePictureOption(menu::PictureOption option);
    void dockPicture();
    void undockPicture();
    void updatePicture();
    void showPictureWindow();
    void placePictureWindow();
    QString selectedCaption() const;
    QString companionFile(const QString& extension) const;
    void information(const QString& text);
    bool informationTextExists(const QString& caption) const;
    void playSound(int n);
    void clickSound() { playSound(3); }
    QPixmap loadBitmap(const QString& name) const;
    QIcon loadIcon(const QString& name, int size, const QColor& background) const;
    QPixmap boxWallpaper(menu::BoxFill fill) const;

    ui::Services m_services;
    menu::MenuState m_state;
    bool m_shown = false;
    ui::Backdrop m_backdrop;
    QPixmap m_backgroundPixmap, m_buttonPixmap;
    menu::DesignLook m_look;
    menu::UnzipModule m_unzip;

    std::vector<QIcon> m_categoryIcons;
    std::vector<QIcon> m_smallItemIcons, m_largeItemIcons;

    ui::EffectLabel* m_categoryHead;
    ui::FillList* m_categoryList;
    ui::EffectLabel* m_itemHead;
    QFrame* m_itemFrame;
    ui::FillList* m_itemList;
    ui::EffectLabel* m_detailHead;
    ui::EffectLabel* m_thumbHead;
    ui::ShadowButton* m_detailsButton;
    ui::ShadowButton* m_dockPictureButton;
    ui::BackdropWidget* m_detailBox;
    std::vector<ui::EffectLabel*> m_detailLabels; // name, serial, cd size, hd size, description, home page
    ui::EffectLabel* m_fileNameValue;
    ui::EffectLabel* m_serialValue;
    ui::EffectLabel* m_discSizeValue;
    ui::EffectLabel* m_installedSizeValue;
    ui::EffectLabel* m_descriptionValue;
    ui::EffectLabel* m_homePageValue;
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
