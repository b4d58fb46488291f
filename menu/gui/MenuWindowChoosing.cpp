// Choosing categories and items, and the details and picture that follow them.
#include "menu/gui/MenuWindow.h"
#include "menu/gui/MenuWindowLayout.h"

#include "common/FileSafeName.h"
#include "common/IniFile.h"
#include "menu/gui/CategoryBand.h"
#include "menu/gui/ItemDetails.h"
#include "menu/gui/PictureWindow.h"
#include "menu/reader/ItemTarget.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/FillList.h"
#include "ui/widgets/PictureView.h"
#include "ui/widgets/ShadowButton.h"
#include "ui/widgets/SideBarMenu.h"

#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>

using menu::DesignMode;
using namespace menu::layout;

// ---------------------------------------------------------------------------------------------
// Choosing

// The choice follows the current category and item (see their signals); a key adds its sound,
// a click its sound and a fresh look at what it points at: the category without a chosen item,
// the item's details read again.
void MenuWindow::categoryClicked() {
    playSound(2);
    if (m_itemList->currentItem())
        showChosenCategory();
}

void MenuWindow::goToItems() {
    m_itemList->setFocus();
    if (!m_itemList->currentItem() && m_itemList->count() > 0)
        m_itemList->setCurrentRow(0);
}

void MenuWindow::showChosenCategory() {
    for (ui::ShadowButton* button : {m_copyButton, m_runButton, m_unzipButton})
        button->setEnabled(false);
    m_state.currentTarget.clear();
    updatePicture();

    m_details->showNoItem();
    m_itemHead->setText(m_state.language.texts.itemListHeading);
    if (const std::optional<int> category = m_categoryBand->currentCategory()) {
        m_itemHead->setText(m_state.language.texts.itemListHeading + QStringLiteral(" in ") +
                            m_categoryBand->currentCaption());
        m_state.currentCategory = *category;
        fillItems(*category);
    }
    m_categoryBand->takeFocus();
}

void MenuWindow::fillItems(int category) {
    const std::vector<menu::ItemEntry> items = menu::readItems(m_state.members, category);
    const bool large = m_itemList->viewMode() == QListView::IconMode;
    const std::vector<QIcon>& icons = large ? m_largeItemIcons : m_smallItemIcons;
    m_itemList->setUpdatesEnabled(false);
    m_itemList->clear();
    for (const menu::ItemEntry& entry : items) {
        auto* item = new QListWidgetItem(entry.caption);
        item->setData(kItemRole, entry.index);
        item->setData(kIconRole, entry.iconNumber);
        if (entry.iconNumber >= 0 && entry.iconNumber < int(icons.size()))
            item->setIcon(icons[entry.iconNumber]);
        m_itemList->addItem(item);
    }
    m_itemList->setUpdatesEnabled(true);
}

void MenuWindow::itemClicked() {
    playSound(2);
    showChosenItem();
    if (m_state.design.designMode == DesignMode::Bitmap)
        m_itemList->viewport()->update();
}

void MenuWindow::itemKeyMoved() {
    playSound(2);
    if (m_state.design.designMode == DesignMode::Bitmap && !m_state.soundFiles[1].isEmpty())
        m_itemList->viewport()->update();
}

void MenuWindow::showChosenItem() {
    m_state.currentTarget.clear();
    const QListWidgetItem* item = m_itemList->currentItem();
    if (!item)
        return;
    const QString caption = item->text();
    const int category = m_state.currentCategory;
    const int index = item->data(kItemRole).toInt();
    const common::IniFile detailFile = m_state.folders.readConfigFile(menu::detailFileName(category, index));
    const menu::ItemDetails details = menu::readItemDetails(detailFile, category, index);
    const menu::ItemTarget target = menu::findTarget(details.rawTarget, m_state.folders.drivePrefix,
                                                     m_state.projectRootRest, m_state.folders.programFolder);

    m_details->showItem(caption, target.path, details);
    m_copyButton->setEnabled(details.copyAllowed);
    m_runButton->setEnabled(details.startAllowed);

    m_state.currentTarget = m_details->target();
    const bool isZip = menu::targetExtension(m_state.currentTarget).compare(u"zip", Qt::CaseInsensitive) == 0;
    m_unzipButton->setEnabled(isZip);
    m_textMenuButton->setEnabled(isZip);
    m_informationButton->setEnabled(informationTextExists(caption));
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

// ---------------------------------------------------------------------------------------------
// Details and picture

void MenuWindow::toggleDetails() {
    clickSound();
    setDetailsShown(!m_state.detailsShown);
}

void MenuWindow::setDetailsShown(bool shown) {
    if (shown == m_state.detailsShown)
        return;
    if (!shown && m_state.pictureDocked)
        undockPicture();
    m_details->setDetailsShown(shown);
    if (!shown) {
        m_itemFrame->resize(kWideFrame, kListHeight);
        m_itemList->resize(kWideList, kListHeight - 4);
        m_itemFrame->raise();
        m_itemList->setViewMode(QListView::IconMode);
        m_itemList->setIconSize(QSize(kLargeItemIcon, kLargeItemIcon));
        m_itemList->setGridSize(QSize(96, 60));
        static_cast<CellDelegate*>(m_itemList->itemDelegate())->setCellSize(QSize(92, 58));
        m_itemList->setWordWrap(true);
    } else {
        m_itemFrame->resize(kNarrowFrame, kListHeight);
        m_itemList->resize(kNarrowList, kListHeight - 4);
        m_itemList->setViewMode(QListView::ListMode);
        m_itemList->setIconSize(QSize(kSmallItemIcon, kSmallItemIcon));
        m_itemList->setGridSize(QSize());
        static_cast<CellDelegate*>(m_itemList->itemDelegate())->setCellSize(QSize());
        m_itemList->setWordWrap(false);
    }
    m_state.detailsShown = shown;
    // The list shows the icons of its view.
    const std::vector<QIcon>& icons = shown ? m_smallItemIcons : m_largeItemIcons;
    for (int row = 0; row < m_itemList->count(); ++row) {
        QListWidgetItem* item = m_itemList->item(row);
        const int icon = item->data(kIconRole).toInt();
        item->setIcon(icon >= 0 && icon < int(icons.size()) ? icons[icon] : QIcon());
    }
}

void MenuWindow::toggleDockedPicture() {
    clickSound();
    if (m_state.pictureDocked)
        undockPicture();
    else
        dockPicture();
}

void MenuWindow::dockPicture() {
    setDetailsShown(true);
    choosePictureOption(menu::PictureOption::Always);
    m_details->setPictureDocked(true);
    // Docked, the picture window becomes part of the menu window and moves with it.
    m_pictureWindow->dock(kDockedPicture);
    m_state.pictureDocked = true;
    m_pictureWindow->show();
}

void MenuWindow::undockPicture() {
    m_details->setPictureDocked(false);
    m_pictureWindow->undock();
    m_state.pictureDocked = false;
    m_state.picturePlaced = false;
    showPictureWindow();
}

void MenuWindow::choosePictureOption(menu::PictureOption option) {
    // The new option shows at the next picture update; only never and auto act at once.
    if (option != menu::PictureOption::Always && m_state.pictureDocked)
        undockPicture();
    if (option == m_state.pictureOption)
        return;
    QAction* action = option == menu::PictureOption::Always  ? m_picturesAlways
                      : option == menu::PictureOption::Never ? m_picturesNever
                                                             : m_picturesAuto;
    action->setChecked(true);
    m_state.pictureOption = option;
    if (option != menu::PictureOption::Always)
        m_pictureWindow->close();
}

void MenuWindow::showPictureWindow() {
    if (!m_state.pictureDocked)
        placePictureWindow();
    m_pictureWindow->show();
    if (m_state.pictureDocked)
        m_pictureWindow->raise();
}

void MenuWindow::placePictureWindow() {
    if (m_state.picturePlaced)
        return;
    const QRect menuFrame = frameGeometry();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen && screen->geometry().width() < kNarrowScreen)
        m_pictureWindow->move(menuFrame.left() + kNarrowFloatingLeft, menuFrame.top() + kNarrowFloatingTop);
    else
        m_pictureWindow->move(menuFrame.left() + kFloatingLeft, menuFrame.top());
    m_state.picturePlaced = true;
}

QString MenuWindow::selectedCaption() const {
    const QList<QListWidgetItem*> selected = m_itemList->selectedItems();
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
    m_pictureWindow->showNoPicture(false);
    m_pictureWindow->usePlainBackground();
    if (m_state.pictureOption == menu::PictureOption::Never)
        return;
    ui::PictureView* view = m_pictureWindow->view();
    if (view->backgroundColor() != Qt::black) {
        m_pictureWindow->setPlainColor(Qt::black);
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
        m_pictureWindow->setPlainColor(Qt::white);
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
        m_pictureWindow->useDefaultBackground();
        view->hide();
        m_pictureWindow->showNoPicture(true);
        if (automatic)
            m_pictureWindow->close();
    }
    m_itemList->setFocus();
}
