// The menu window's start-up: splash, sounds, language, design and categories.
#include "menu/content/PlainText.h"
#include "menu/gui/MenuWindow.h"
#include "menu/gui/MenuWindowLayout.h"

#include "common/IniFile.h"
#include "menu/gui/CategoryBand.h"
#include "menu/gui/CopyDialog.h"
#include "menu/gui/CoverDialog.h"
#include "menu/gui/DiscPictures.h"
#include "menu/gui/InfoWindow.h"
#include "menu/gui/ItemDetails.h"
#include "menu/gui/MenuAboutDialog.h"
#include "menu/gui/NewFolderDialog.h"
#include "menu/gui/PictureWindow.h"
#include "ui/services/SoundService.h"
#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/FillList.h"
#include "ui/widgets/ShadowButton.h"
#include "ui/widgets/SideBarMenu.h"
#include "ui/widgets/SplashScreen.h"

#include <QCloseEvent>
#include <QFileInfo>

#include <algorithm>

using menu::BoxFill;
using menu::ButtonMode;
using menu::DesignMode;
using menu::styleLabel;
using namespace menu::layout;

// ---------------------------------------------------------------------------------------------
// Start-up

void MenuWindow::showSplash() {
    const menu::SplashSettings splash =
        menu::readSplashSettings(m_state.folders.readConfigFile(u"design.cfg"));
    if (!splash.enabled)
        return;
    // Without its picture there is nothing to show.
    const QPixmap picture = menu::loadDiscBitmap(m_state.folders, QStringLiteral("splash.bmp"));
    if (picture.isNull())
        return;
    ui::SplashScreen screen;
    screen.setObjectName(QStringLiteral("splash"));
    screen.setPixmap(picture);
    // A size left at 0 takes the picture's own.
    const QSize size(splash.width > 0 ? splash.width : picture.width(),
                     splash.height > 0 ? splash.height : picture.height());
    screen.resize(size.boundedTo(QSize(4096, 4096)));
    screen.setFrame(splash.frameColor, splash.frameWidth);
    // A damaged display time must not keep the program from starting.
    screen.showFor(std::clamp(splash.displayMs, 0, 60000));
}

void MenuWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (!event->isAccepted())
        return;
    m_pictureWindow->close();
    m_unzip.unload();
}

void MenuWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        startUp();
    }
}

void MenuWindow::startUp() {
    m_shown = true;
    const menu::DiscFolders& folders = m_state.folders;

    m_unzip.load(folders.configFolder);
    m_state.pictureOption = menu::PictureOption::Auto;
    m_picturesAuto->setChecked(true);

    m_state.members = folders.readConfigFile(u"members.cfg");
    m_state.identity = menu::readDiscIdentity(m_state.members);
    setWindowTitle(QStringLiteral("Tavik - Lumbrel - ") + m_state.identity.discName);
    m_aboutBox->setDiscName(m_state.identity.discName);

    m_state.design = menu::readDesignSettings(folders.readConfigFile(u"design.cfg"));
    m_state.language = menu::readLanguageFile(folders.readConfigFile(u"language.zol"));
    applyLanguage();

    readSounds();
    applyDesign();

    m_state.projectRootRest = menu::isReadOnlyExecutable(folders.executable)
                                  ? QString()
                                  : menu::projectRootRest(m_state.identity.rootName, folders.drivePrefix);

    m_categoryBand->readCategories(folders, m_state.design.categoryBox.color);
    // The band shows its first category as chosen; its items are shown with it.
    m_categoryBand->chooseFirst();
    setReadingTabOrder();
    m_state.picturePlaced = false;
}

void MenuWindow::readSounds() {
    for (int n = 0; n < 5; ++n) {
        m_state.soundFiles[n].clear();
        if (!m_state.design.sounds[n])
            continue;
        // A sound whose wave file is missing, no regular file or larger than any click stays silent:
        // it is loaded whole.
        const QString file = m_state.folders.configFile(QStringLiteral("Sound%1.wav").arg(n + 1));
        const QFileInfo info(file);
        if (info.isFile() && info.size() <= menu::kMaxSoundBytes)
            m_state.soundFiles[n] = file;
        if (n == 0)
            playSound(1);
    }
}

void MenuWindow::applyLanguage() {
    const menu::LanguageFile& lang = m_state.language;
    const menu::LanguageTexts& texts = lang.texts;
    m_qtTexts.follow(texts.language == 1);

    m_details->applyLanguage(lang);
    if (const auto builtIn = menu::builtInTexts(texts.language)) {
        m_zipMenu->setSideBarText(builtIn->zipSideBar);
        m_zipForNfo->setText(builtIn->zipForNfo);
        m_zipForDiz->setText(builtIn->zipForDiz);
        m_aboutMenu->setSideBarText(builtIn->optionsSideBar);
        m_optionsDivider->setText(builtIn->optionsSideBar);
        m_picturesAlways->setText(builtIn->pictureAlways);
        m_picturesNever->setText(builtIn->pictureNever);
        m_picturesAuto->setText(builtIn->pictureAuto);
        m_aboutDivider->setText(builtIn->about);
        m_aboutEntry->setText(builtIn->about);
        m_productHome->setText(builtIn->productHome);
        m_makerHome->setText(builtIn->makerHome);
        m_copySerial->setText(builtIn->copySerial);
        m_pictureWindow->setNoPictureText(builtIn->noPicture);
        m_aboutBox->setLanguage(texts.language);
    }

    // Without a language file the controls keep the captions they were made with.
    if (!lang.present)
        return;

    const struct {
        ui::ShadowButton* button;
        int key;
    } buttons[] = {{m_copyButton, 7},      {m_runButton, 8},   {m_unzipButton, 9},
                   {m_aboutButton, 10},    {m_exitButton, 11}, {m_informationButton, 12},
                   {m_textMenuButton, 13}, {m_coverButton, 14}};
    for (const auto& b : buttons) {
        b.button->setText(lang.buttons[b.key]);
        b.button->setToolTip(menu::plainToolTip(lang.hints[b.key]));
    }
    m_categoryBand->setHeading(lang.headings[1]);
    m_itemHead->setText(lang.headings[2]);
    m_leftHead->setText(lang.headings[4]);
    m_rightHead->setText(lang.headings[5]);
    m_newFolderDialog->applyLanguage(lang);
    m_copyDialog->applyLanguage(lang);
    m_infoWindow->applyLanguage(lang);
    m_coverDialog->applyLanguage(lang);
}

void MenuWindow::applyDesign() {
    const menu::DesignSettings& d = m_state.design;

    // The window, its dialogs and the drop-down menus.
    const std::vector<ui::SideBarMenu*> menus{m_aboutMenu, m_zipMenu, m_serialMenu};
    if (d.designMode == DesignMode::Bitmap) {
        m_state.backgroundBitmap = m_state.folders.configFile(u"back.bmp");
        m_backgroundPixmap = menu::loadDiscBitmap(m_state.folders, QStringLiteral("back.bmp"));
        for (ui::SideBarMenu* menu : menus) {
            menu->setBackgroundPixmap(m_backgroundPixmap);
            menu->setEntryStyle(d.headings.color, d.headings.bold);
        }
    }
    if (d.buttonMode == ButtonMode::Bitmap) {
        m_state.buttonBitmap = m_state.folders.configFile(u"button.bmp");
        m_buttonPixmap = menu::loadDiscBitmap(m_state.folders, QStringLiteral("button.bmp"));
    }
    m_look = menu::DesignLook{d, m_backgroundPixmap, m_buttonPixmap};
    m_backdrop = m_look.windowBackdrop();
    m_aboutBox->applyDesign(m_look);
    m_newFolderDialog->applyDesign(m_look);
    m_copyDialog->applyDesign(m_look);
    m_infoWindow->applyDesign(m_look);
    m_coverDialog->applyDesign(m_look);
    // The picture window's default background is the texture as it is, or the gradient.
    if (d.designMode == DesignMode::Bitmap)
        m_pictureWindow->setDefaultBackground(ui::Backdrop::bitmap(m_backgroundPixmap, ui::Placement::Tile));
    else if (d.designMode == DesignMode::Band)
        m_pictureWindow->setDefaultBackground(ui::Backdrop::gradient(d.backStart, d.backEnd));
    m_pictureWindow->noPictureLabel()->setColor(d.headings.color);
    m_pictureWindow->noPictureLabel()->setBold(d.headings.bold);

    // The command buttons.
    const std::vector<ui::ShadowButton*> buttons{m_copyButton,     m_runButton,         m_unzipButton,
                                                 m_textMenuButton, m_informationButton, m_coverButton,
                                                 m_aboutButton,    m_exitButton};
    for (ui::ShadowButton* b : buttons)
        m_look.styleButton(b);
    // With the captions of the language and the boldness of the design in place, each row gets
    // the one size at which all its captions fit.
    ui::fitRowCaptions({m_copyButton, m_runButton, m_unzipButton, m_textMenuButton, m_informationButton},
                       kButtonPoints);
    ui::fitRowCaptions({m_coverButton, m_aboutButton, m_exitButton}, kButtonPoints);
    if (d.buttonMode == ButtonMode::Bitmap) {
        for (ui::SideBarMenu* menu : menus) {
            menu->setBackgroundPixmap(m_buttonPixmap);
            menu->setEntryStyle(d.buttonText, d.buttonBold);
        }
    }

    // The band, the items and the details.
    m_categoryBand->applyDesign(d.headings, d.categoryBox, boxWallpaper(d.categoryBox.fill));
    setListFill(m_itemList, d.itemBox, boxWallpaper(d.itemBox.fill));
    QPalette framePalette = m_itemFrame->palette();
    framePalette.setBrush(QPalette::Window, m_itemList->palette().brush(QPalette::Base));
    m_itemFrame->setPalette(framePalette);
    m_itemFrame->setAutoFillBackground(true);
    m_details->applyDesign(d, boxWallpaper(d.detailsBox.fill), m_buttonPixmap);
    for (ui::EffectLabel* heading : {m_itemHead, m_leftHead, m_rightHead})
        styleLabel(heading, d.headings);

    // Item icons sit on the item box colour.
    m_smallItemIcons.clear();
    m_largeItemIcons.clear();
    for (int n = 1; n <= 14; ++n) {
        const QString name = QStringLiteral("m%1.ico").arg(n);
        m_smallItemIcons.push_back(
            menu::loadDiscIcon(m_state.folders, name, kSmallItemIcon, d.itemBox.color));
        m_largeItemIcons.push_back(
            menu::loadDiscIcon(m_state.folders, name, kLargeItemIcon, d.itemBox.color));
    }
    update();
}
