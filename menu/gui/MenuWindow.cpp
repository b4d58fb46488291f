#include "menu/gui/MenuWindow.h"
#include "menu/gui/MenuWindowLayout.h"

#include "menu/gui/CategoryBand.h"
#include "menu/gui/CopyDialog.h"
#include "menu/gui/CoverDialog.h"
#include "menu/gui/HomePages.h"
#include "menu/gui/InfoWindow.h"
#include "menu/gui/ItemDetails.h"
#include "menu/gui/MenuAboutDialog.h"
#include "menu/gui/NewFolderDialog.h"
#include "menu/gui/PictureWindow.h"
#include "ui/services/SoundService.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/FillList.h"
#include "ui/widgets/ShadowButton.h"
#include "ui/widgets/SideBarMenu.h"

#include <QActionGroup>
#include <QFrame>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <functional>
#include <utility>

using menu::BoxFill;
using menu::ButtonMode;
using menu::DesignMode;
using namespace menu::layout;

MenuWindow::MenuWindow(ui::Services services, QWidget* parent)
    : MenuWindow(services, menu::DiscFolders::forRunningProgram(), parent) {}

MenuWindow::MenuWindow(ui::Services services, const menu::DiscFolders& folders, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_services(services) {
    m_state.folders = folders;
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Tavik - Lumbrel - "));
    setFixedSize(kClientWidth, kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    createControls();
    createMenus();
    m_aboutBox = new menu::MenuAboutDialog(m_services.shell, this);
    // The dialogs, in the order the menu program has always made them.
    m_newFolderDialog = new NewFolderDialog(m_services, m_state, this);
    m_copyDialog = new CopyDialog(m_services, m_state, m_unzip, m_newFolderDialog, this);
    m_infoWindow = new InfoWindow(m_services, m_state, this);
    m_coverDialog = new CoverDialog(m_services, m_state, this);
    m_pictureWindow = new PictureWindow(this);
    showSplash();
}

MenuWindow::~MenuWindow() = default;

// ---------------------------------------------------------------------------------------------
// Controls

void MenuWindow::createControls() {
    m_categoryBand = new CategoryBand(this);
    // Whatever makes a category current (a click, an arrow key, the start) shows its items.
    connect(m_categoryBand, &CategoryBand::categoryChanged, this, &MenuWindow::showChosenCategory);
    connect(m_categoryBand, &CategoryBand::released, this, &MenuWindow::categoryClicked);
    connect(m_categoryBand, &CategoryBand::keyMoved, this, [this] { playSound(2); });
    connect(m_categoryBand, &CategoryBand::itemsWanted, this, &MenuWindow::goToItems);

    createItemList();

    m_details = new ItemDetails(m_state, this);
    connect(m_details, &ItemDetails::detailsToggled, this, &MenuWindow::toggleDetails);
    connect(m_details, &ItemDetails::pictureDockToggled, this, &MenuWindow::toggleDockedPicture);
    connect(m_details, &ItemDetails::homePageOpened, this, &MenuWindow::openHomePage);
    connect(m_details, &ItemDetails::serialMenuWanted, this,
            [this](const QPoint& position) { m_serialMenu->popup(position); });

    createCommandButtons();
}

void MenuWindow::createItemList() {
    m_itemHead = new ui::EffectLabel(QStringLiteral("files"), this);
    m_itemHead->setObjectName(QStringLiteral("membershead"));
    m_itemHead->setGeometry(kMargin, kHeadTop, 250, 18);
    m_itemHead->setBold(true);

    m_itemFrame = new QFrame(this);
    m_itemFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_itemFrame->setObjectName(QStringLiteral("membersframe"));
    m_itemFrame->setGeometry(kFrameLeft, kListTop, kNarrowFrame, kListHeight);
    m_itemList = new ui::FillList(m_itemFrame);
    m_itemList->setObjectName(QStringLiteral("members"));
    m_itemList->setGeometry(2, 2, kNarrowList, kListHeight - 4);
    m_itemList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_itemList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_itemList->setMovement(QListView::Static);
    m_itemList->setResizeMode(QListView::Adjust);
    m_itemList->setUniformItemSizes(true);
    m_itemList->setIconSize(QSize(kSmallItemIcon, kSmallItemIcon));
    m_itemList->setItemDelegate(new CellDelegate(m_itemList));
    m_itemList->installEventFilter(this);
    m_itemList->viewport()->installEventFilter(this);
    connect(m_itemList, &QListWidget::currentItemChanged, this, &MenuWindow::showChosenItem);
}

void MenuWindow::createCommandButtons() {
    auto makeHeading = [this](const char16_t* name, const QString& text, const QRect& geometry) {
        auto* label = new ui::EffectLabel(text, this);
        label->setObjectName(QString::fromUtf16(name));
        label->setGeometry(geometry);
        label->setBold(true);
        return label;
    };
    m_leftHead = makeHeading(u"filecontrolhead", QStringLiteral("file control"),
                             QRect(kMargin, kGroupHeadTop, 372, 18));
    m_rightHead = makeHeading(u"zolcontrolhead", QStringLiteral("zol control"),
                              QRect(kRightGroupLeft, kGroupHeadTop, 222, 18));

    const struct {
        ui::ShadowButton** button;
        const char16_t* name;
        const char16_t* text;
        int left;
        void (MenuWindow::*command)();
    } buttons[] = {
        {&m_copyButton, u"copybtn", u"copy", kMargin, &MenuWindow::copyItem},
        {&m_runButton, u"ausf", u"execute", kMargin + kButtonStep, &MenuWindow::runItem},
        {&m_unzipButton, u"zip", u"unzip", kMargin + 2 * kButtonStep, &MenuWindow::unzipItem},
        {&m_textMenuButton, u"nfo", u"scan", kMargin + 3 * kButtonStep, &MenuWindow::showZipTextMenu},
        {&m_informationButton, u"info", u"info", kMargin + 4 * kButtonStep, &MenuWindow::showInformation},
        {&m_coverButton, u"printcover", u"print", kRightGroupLeft, &MenuWindow::printCover},
        {&m_aboutButton, u"about", u"about", kRightGroupLeft + kButtonStep, &MenuWindow::showAboutMenu},
        {&m_exitButton, u"ende", u"exit", kRightGroupLeft + 2 * kButtonStep, &MenuWindow::exitMenu},
    };
    for (const auto& b : buttons) {
        auto* button = new ui::ShadowButton(QString::fromUtf16(b.text), this);
        button->setObjectName(QString::fromUtf16(b.name));
        button->setGeometry(b.left, kButtonTop, kButtonWidth, kButtonHeight);
        QFont f = button->font();
        f.setPointSize(kButtonPoints);
        button->setFont(f);
        button->setShadowDepth(5);
        connect(button, &QAbstractButton::clicked, this, b.command);
        *b.button = button;
    }
    // Nothing is chosen yet.
    for (ui::ShadowButton* button :
         {m_copyButton, m_runButton, m_unzipButton, m_textMenuButton, m_informationButton})
        button->setEnabled(false);
}

void MenuWindow::createMenus() {
    m_aboutMenu = new ui::SideBarMenu(this);
    m_aboutMenu->setObjectName(QStringLiteral("aboutmenu"));
    m_aboutMenu->setSideBarText(QStringLiteral("Options"));
    m_optionsDivider = m_aboutMenu->addCaptionDivider(QStringLiteral("Options"));
    m_pictureOptions = new QActionGroup(this);
    m_pictureOptions->setExclusive(true);
    auto addOption = [this](const char16_t* name, const QString& text, menu::PictureOption option) {
        QAction* action = m_aboutMenu->addAction(text);
        action->setObjectName(QString::fromUtf16(name));
        action->setCheckable(true);
        m_pictureOptions->addAction(action);
        connect(action, &QAction::triggered, this, [this, option] {
            clickSound();
            choosePictureOption(option);
        });
        return action;
    };
    m_picturesAlways =
        addOption(u"Always1", QStringLiteral("Thumbnail/Screenshot always"), menu::PictureOption::Always);
    m_picturesNever =
        addOption(u"Never1", QStringLiteral("Thumbnail/Screenshot never"), menu::PictureOption::Never);
    m_picturesAuto =
        addOption(u"Auto1", QStringLiteral("Thumbnail/Screenshot auto"), menu::PictureOption::Auto);
    m_picturesAuto->setChecked(true);
    m_aboutDivider = m_aboutMenu->addCaptionDivider(QStringLiteral("About"));
    auto addEntry = [this](ui::SideBarMenu* menu, const char16_t* name, const QString& text,
                           std::function<void()> command) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromUtf16(name));
        connect(action, &QAction::triggered, this, [this, command = std::move(command)] {
            clickSound();
            command();
        });
        return action;
    };
    m_aboutEntry = addEntry(m_aboutMenu, u"About1", QStringLiteral("About"), [this] { showAboutBox(); });
    m_productHome = addEntry(m_aboutMenu, u"TavikHomebase1", QStringLiteral("Tavik Homebase"),
                             [this] { openHomePage(menu::productHomePage()); });
    m_makerHome = addEntry(m_aboutMenu, u"BrevanWorksHome1", QStringLiteral("Brevan Works Home"),
                           [this] { openHomePage(menu::makerHomePage()); });

    m_zipMenu = new ui::SideBarMenu(this);
    m_zipMenu->setObjectName(QStringLiteral("zipmenu"));
    m_zipMenu->setSideBarText(QStringLiteral("Zip"));
    m_zipForNfo = addEntry(m_zipMenu, u"Zipfornfofile1", QStringLiteral("Zip for NFO file"),
                           [this] { showZipText(QStringLiteral("nfo")); });
    m_zipForDiz = addEntry(m_zipMenu, u"ZipforFileiddiz1", QStringLiteral("Zip for File_id.diz"),
                           [this] { showZipText(QStringLiteral("diz")); });

    m_serialMenu = new ui::SideBarMenu(this);
    m_serialMenu->setObjectName(QStringLiteral("serialmenu"));
    m_copySerial = addEntry(m_serialMenu, u"CopySerialtoClipboard1",
                            QStringLiteral("Copy Serial to Clipboard"), [this] { copySerial(); });
}

// ---------------------------------------------------------------------------------------------
// Helpers

void MenuWindow::playSound(int n) {
    const QString& file = m_state.soundFiles[n - 1];
    if (!file.isEmpty())
        m_services.sound.play(file);
}

QPixmap MenuWindow::boxWallpaper(BoxFill fill) const {
    // A fill naming a bitmap that the design does not use falls back to the box colour.
    switch (fill) {
    case BoxFill::BackgroundBitmap:
        return m_state.design.designMode == DesignMode::Bitmap ? m_backgroundPixmap : QPixmap();
    case BoxFill::ButtonBitmap:
        return m_state.design.buttonMode == ButtonMode::Bitmap ? m_buttonPixmap : QPixmap();
    case BoxFill::Color:
        break;
    }
    return {};
}

// ---------------------------------------------------------------------------------------------
// Events

void MenuWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    m_backdrop.paint(p, rect());
}

void MenuWindow::setReadingTabOrder() {
    QList<QWidget*> chain;
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (widget->window() == this && (widget->focusPolicy() & Qt::TabFocus))
            chain << widget;
    }
    std::stable_sort(chain.begin(), chain.end(), [this](const QWidget* a, const QWidget* b) {
        const QPoint pa = a->mapTo(this, QPoint()), pb = b->mapTo(this, QPoint());
        return std::pair(pa.y(), pa.x()) < std::pair(pb.y(), pb.x());
    });
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        setTabOrder(chain[i], chain[i + 1]);
}

bool MenuWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_itemList && watched != m_itemList->viewport())
        return QWidget::eventFilter(watched, event);
    switch (listInput(*event)) {
    case ListInput::Enter:
        // Enter on an item does what a double click does.
        startItem();
        return true;
    case ListInput::Released:
        itemClicked();
        break;
    case ListInput::DoubleClicked:
        startItem();
        break;
    case ListInput::Moved:
        itemKeyMoved();
        break;
    case ListInput::Other:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
