// Choosing categories and items, and the details and picture that follow them.
#include "menu/content/PlainText.h"
#include "menu/gui/MenuWindow.h"
#include "menu/gui/MenuWindowLayout.h"

#include "common/FileSafeName.h"
#include "common/IniFile.h"
#include "common/Paths.h"
#include "menu/gui/CopyDialog.h"
#include "menu/gui/HomePages.h"
#include "menu/gui/InfoWindow.h"
#include "menu/gui/MenuAboutDialog.h"
#include "menu/gui/NewFolderDialog.h"
#include "menu/gui/PictureWindow.h"
#include "menu/reader/ItemTarget.h"
#include "ui/services/ClipboardService.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/ShellService.h"
#include "ui/services/SoundService.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/FillList.h"
#include "ui/widgets/PictureView.h"
#include "ui/widgets/ShadowButton.h"
#include "ui/widgets/SideBarMenu.h"
#include "ui/widgets/SplashScreen.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTemporaryDir>

#include <algorithm>

using menu::BoxFill;
using menu::ButtonMode;
using menu::DesignMode;
using menu::styleLabel;
using menu::toUi;
using namespace menu::layout;

// ---------------------------------------------------------------------------------------------
// Choosing

// The choice follows the current category and item (see their signals); a key adds its sound,
// a click its sound and a fresh look at what it points at: the category without a chosen item,
// the item's details read again.
void MenuWindow::categoryBandReleased() {
    playSound(2);
    if (m_members->currentItem())
        chooseCategory();
}

void MenuWindow::categoryBandKeyReleased(int key) {
    if (isNavigationKey(key))
        playSound(2);
}

void MenuWindow::chooseCategory() {
    for (ui::ShadowButton* button : {m_copybtn, m_ausf, m_zip})
        button->setEnabled(false);
    m_state.currentTarget.clear();
    updatePicture();

    const int language = m_state.language.texts.language;
    setDetailValues(language == 1 ? QStringLiteral("n/v") : QStringLiteral("n/a"));
    m_membersHead->setText(m_state.language.texts.itemListHeading);
    setHeading(m_detailHead, m_state.language.texts.detailsHeading);

    if (const QListWidgetItem* item = m_genre->currentItem()) {
        m_membersHead->setText(m_state.language.texts.itemListHeading + QStringLiteral(" in ") +
                               item->text());
        const int category = item->data(kCategoryRole).toInt();
        m_state.currentCategory = category;
        fillItems(category);
    }
    m_genre->setFocus();
}

void MenuWindow::fillItems(int category) {
    const std::vector<menu::ItemEntry> items = menu::readItems(m_state.members, category);
    const bool large = m_members->viewMode() == QListView::IconMode;
    const std::vector<QIcon>& icons = large ? m_largeItemIcons : m_smallItemIcons;
    m_members->setUpdatesEnabled(false);
    m_members->clear();
    for (const menu::ItemEntry& entry : items) {
        auto* item = new QListWidgetItem(entry.caption);
        item->setData(kItemRole, entry.index);
        item->setData(kIconRole, entry.iconNumber);
        if (entry.iconNumber >= 0 && entry.iconNumber < int(icons.size()))
            item->setIcon(icons[entry.iconNumber]);
        m_members->addItem(item);
    }
    m_members->setUpdatesEnabled(true);
}

void MenuWindow::itemListReleased() {
    playSound(2);
    chooseItem();
    if (m_state.design.designMode == DesignMode::Bitmap)
        m_members->viewport()->update();
}

void MenuWindow::itemListKeyReleased(int key) {
    if (isNavigationKey(key)) {
        playSound(2);
        if (m_state.design.designMode == DesignMode::Bitmap && !m_state.soundFiles[1].isEmpty())
            m_members->viewport()->update();
    }
}

void MenuWindow::chooseItem() {
    m_state.currentTarget.clear();
    const QListWidgetItem* item = m_members->currentItem();
    if (!item)
        return;
    const QString caption = item->text();
    const menu::LanguageTexts& texts = m_state.language.texts;

    setHeading(m_detailHead, texts.detailsHeading +
                                 (texts.language == 1 ? QStringLiteral(" zu ") : QStringLiteral(" of ")) +
                                 caption);
    setHeading(m_thumbHead, caption + u' ' + texts.thumbnailHeading);

    const int category = m_state.currentCategory;
    const int index = item->data(kItemRole).toInt();
    const common::IniFile detailFile = m_state.folders.readConfigFile(menu::detailFileName(category, index));
    const menu::ItemDetails details = menu::readItemDetails(detailFile, category, index);
    const menu::ItemTarget target = menu::findTarget(details.rawTarget, m_state.folders.drivePrefix,
                                                     m_state.projectRootRest, m_state.folders.programFolder);

    m_filename->setText(target.path);
    m_filename->setToolTip(menu::plainToolTip(target.path));
    m_serial->setText(details.serial);
    m_sizep->setText(details.sizeOnDisc);
    m_sizeup->setText(details.sizeInstalled);
    m_desc->setText(details.description);
    m_copybtn->setEnabled(details.copyAllowed);
    m_ausf->setEnabled(details.startAllowed);
    if (details.hasHomePage()) {
        m_hpurl->setText(details.homePage);
        m_hpurl->setLink(true);
    } else {
        m_hpurl->setText(QStringLiteral("n/a"));
        m_hpurl->setLink(false);
    }

    m_state.currentTarget = m_filename->text();
    const bool isZip = menu::targetExtension(m_state.currentTarget).compare(u"zip", Qt::CaseInsensitive) == 0;
    m_zip->setEnabled(isZip);
    m_nfo->setEnabled(isZip);
    m_info->setEnabled(informationTextExists(caption));
    updatePicture();
}

bool MenuWindow::informationTextExists(const QString& caption) const {
    // An address has no folder on the disc to hold a text beside it.
    if (QDir::isAbsolutePath(m_state.currentTarget)) {
        const QFileInfo beside(menu::companionBesideTarget(m_state.currentTarget, QStringLiteral(".txt")));
        if (beside.isFile() || m_state.folders.names->find(beside.path(), beside.fileName()))
            return true;
    }
    return QFileInfo(m_state.folders.itemDataFile(common::fileSafeName(caption) + QStringLiteral(".txt")))
        .isFile();
}

void MenuWindow::setHeading(ui::EffectLabel* heading, const QString& text) {
    heading->setText(shortenedHeading(text));
    heading->setToolTip(menu::plainToolTip(text.size() > kHeadingLength ? text : QString()));
}

QString MenuWindow::shortenedHeading(const QString& text) {
    return text.size() > kHeadingLength ? text.left(kHeadingLength) + QStringLiteral(" ...") : text;
}

void MenuWindow::setDetailValues(const QString& text) {
    for (ui::EffectLabel* value : {m_filename, m_serial, m_sizep, m_sizeup, m_desc, m_hpurl}) {
        value->setText(text);
        value->setToolTip({});
    }
    m_hpurl->setLink(false);
}

// ---------------------------------------------------------------------------------------------
// Details and picture

void MenuWindow::toggleDetailsClicked() {
    clickSound();
    setDetailsShown(!m_state.detailsShown);
}

void MenuWindow::setDetailsShown(bool shown) {
    if (shown == m_state.detailsShown)
        return;
    const menu::LanguageTexts& texts = m_state.language.texts;
    std::vector<QWidget*> details{m_detailHead, m_filename, m_serial, m_sizep, m_sizeup, m_desc, m_hpurl};
    details.insert(details.end(), m_detailLabels.begin(), m_detailLabels.end());
    if (!shown) {
        if (m_state.pictureDocked)
            undockPicture();
        for (QWidget* w : details)
            w->hide();
        m_membersFrame->resize(kWideFrame, kListHeight);
        m_members->resize(kWideList, kListHeight - 4);
        m_membersFrame->raise();
        m_members->setViewMode(QListView::IconMode);
        m_members->setIconSize(QSize(kLargeItemIcon, kLargeItemIcon));
        m_members->setGridSize(QSize(96, 60));
        static_cast<CellDelegate*>(m_members->itemDelegate())->setCellSize(QSize(92, 58));
        m_members->setWordWrap(true);
        m_hidedetail->setArrow(ui::ShadowButton::Arrow::Left);
        m_hidedetail->setToolTip(menu::plainToolTip(texts.detailsHiddenHint));
        m_state.detailsShown = false;
    } else {
        for (QWidget* w : details)
            w->show();
        m_membersFrame->resize(kNarrowFrame, kListHeight);
        m_members->resize(kNarrowList, kListHeight - 4);
        m_members->setViewMode(QListView::ListMode);
        m_members->setIconSize(QSize(kSmallItemIcon, kSmallItemIcon));
        m_members->setGridSize(QSize());
        static_cast<CellDelegate*>(m_members->itemDelegate())->setCellSize(QSize());
        m_members->setWordWrap(false);
        m_hidedetail->setArrow(ui::ShadowButton::Arrow::Right);
        m_hidedetail->setToolTip(menu::plainToolTip(texts.detailsShownHint));
        m_state.detailsShown = true;
    }
    // The list shows the icons of its view.
    const std::vector<QIcon>& icons = m_state.detailsShown ? m_smallItemIcons : m_largeItemIcons;
    for (int row = 0; row < m_members->count(); ++row) {
        QListWidgetItem* item = m_members->item(row);
        const int icon = item->data(kIconRole).toInt();
        item->setIcon(icon >= 0 && icon < int(icons.size()) ? icons[icon] : QIcon());
    }
}

void MenuWindow::dockPictureClicked() {
    clickSound();
    if (m_state.pictureDocked)
        undockPicture();
    else
        dockPicture();
}

void MenuWindow::dockPicture() {
    m_docthumb->setToolTip(menu::plainToolTip(m_state.language.texts.pictureDockedHint));
    setDetailsShown(true);
    choosePictureOption(menu::PictureOption::Always);
    m_docthumb->setArrow(ui::ShadowButton::Arrow::Up);
    m_detailHead->hide();
    m_thumbHead->show();
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_filename, m_serial, m_sizep, m_sizeup, m_desc, m_hpurl})
        w->hide();
    for (QWidget* w : m_detailLabels)
        w->hide();
    // Docked, the picture window becomes part of the menu window and moves with it.
    m_picform->dock(kDockedPicture);
    m_state.pictureDocked = true;
    m_detailBox->hide();
    m_picform->show();
}

void MenuWindow::undockPicture() {
    m_docthumb->setToolTip(menu::plainToolTip(m_state.language.texts.pictureUndockedHint));
    m_docthumb->setArrow(ui::ShadowButton::Arrow::Down);
    m_thumbHead->hide();
    m_detailHead->show();
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_filename, m_serial, m_sizep, m_sizeup, m_desc, m_hpurl})
        w->show();
    for (QWidget* w : m_detailLabels)
        w->show();
    m_picform->undock();
    m_state.pictureDocked = false;
    m_state.picturePlaced = false;
    m_detailBox->show();
    showPictureWindow();
}

void MenuWindow::showPictureWindow() {
    if (!m_state.pictureDocked)
        placePictureWindow();
    m_picform->show();
    if (m_state.pictureDocked)
        m_picform->raise();
}

void MenuWindow::placePictureWindow() {
    if (m_state.picturePlaced)
        return;
    const QRect menuFrame = frameGeometry();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen && screen->geometry().width() < kNarrowScreen)
        m_picform->move(menuFrame.left() + kNarrowFloatingLeft, menuFrame.top() + kNarrowFloatingTop);
    else
        m_picform->move(menuFrame.left() + kFloatingLeft, menuFrame.top());
    m_state.picturePlaced = true;
}

QString MenuWindow::selectedCaption() const {
    const QList<QListWidgetItem*> selected = m_members->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

QString MenuWindow::companionFile(const QString& extension) const {
    // Beside the item's own file; an address has no folder on the disc to hold one.
    const QString& target = m_state.currentTarget;
    if (!target.isEmpty() && QDir::isAbsolutePath(target)) {
        const QFileInfo beside(menu::companionBesideTarget(target, extension));
        if (beside.isFile())
            return beside.filePath();
        if (const auto found = m_state.folders.names->find(beside.path(), beside.fileName());
            found && QFileInfo(*found).isFile())
            return *found;
    }
    // Otherwise in the item data folder under the item's caption.
    const QString caption = selectedCaption();
    if (caption.isEmpty())
        return {};
    const QString inData = m_state.folders.itemDataFile(common::fileSafeName(caption) + extension);
    return QFileInfo(inData).isFile() ? inData : QString();
}

void MenuWindow::updatePicture() {
    m_picform->showNoPicture(false);
    m_picform->usePlainBackground();
    if (m_state.pictureOption == menu::PictureOption::Never)
        return;
    ui::PictureView* view = m_picform->view();
    if (view->backgroundColor() != Qt::black) {
        m_picform->setPlainColor(Qt::black);
        view->setBackgroundColor(Qt::black);
        view->show();
    }
    const bool automatic = m_state.pictureOption == menu::PictureOption::Auto;
    if (m_state.pictureOption == menu::PictureOption::Always)
        showPictureWindow();

    const QString extension = u'.' + menu::targetExtension(m_state.currentTarget).toUpper();
    static const QStringList kPictures{QStringLiteral(".BMP"), QStringLiteral(".ICO"), QStringLiteral(".JPG"),
                                       QStringLiteral(".JPEG"), QStringLiteral(".GIF")};
    const bool isPicture = kPictures.contains(extension);
    // Without a current target no item is chosen, whatever the item list still shows selected
    // (after a category choice it still holds the previous category's items).
    QString picture = isPicture                         ? m_state.currentTarget
                      : m_state.currentTarget.isEmpty() ? QString()
                                                        : companionFile(QStringLiteral(".jpg"));
    if (isPicture && extension == u".ICO") {
        m_picform->setPlainColor(Qt::white);
        view->setBackgroundColor(Qt::white);
    }
    // A picture that cannot be read counts as none.
    if (!picture.isEmpty() && !view->load(picture))
        picture.clear();
    if (!picture.isEmpty()) {
        if (automatic)
            showPictureWindow();
        view->show();
        view->update();
    } else {
        view->clear();
        m_picform->useDefaultBackground();
        view->hide();
        m_picform->showNoPicture(true);
        if (automatic)
            m_picform->close();
    }
    m_members->setFocus();
}
