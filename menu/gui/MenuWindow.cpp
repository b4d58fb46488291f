#include "menu/gui/MenuWindow.h"
#include "menu/gui/MenuWindowLayout.h"

#include "common/FileSafeName.h"
#include "common/IniFile.h"
#include "common/Paths.h"
#include "common/PictureFile.h"
#include "menu/gui/CopyDialog.h"
#include "menu/gui/CoverDialog.h"
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
#include <utility>

using menu::BoxFill;
using menu::ButtonMode;
using menu::DesignMode;
using menu::styleLabel;
using menu::toUi;
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
    auto makeHeading = [this](const char16_t* name, const QString& text, const QRect& geometry) {
        auto* label = new ui::EffectLabel(text, this);
        label->setObjectName(QString::fromUtf16(name));
        label->setGeometry(geometry);
        label->setBold(true);
        return label;
    };
    m_categoryHead = makeHeading(u"genrehead", QStringLiteral("category"), QRect(kMargin, 2, 300, 18));
    m_itemHead = makeHeading(u"membershead", QStringLiteral("files"), QRect(kMargin, kHeadTop, 250, 18));
    m_detailHead =
        makeHeading(u"detailhead", QStringLiteral("detail"), QRect(kBoxLeft + 2, kHeadTop, 300, 18));
    m_thumbHead = makeHeading(u"thumbhead", QStringLiteral("detail"), QRect(kBoxLeft + 2, kHeadTop, 300, 18));
    m_thumbHead->hide();

    m_categoryList = new ui::FillList(this);
    m_categoryList->setObjectName(QStringLiteral("genre"));
    m_categoryList->setGeometry(kMargin, kBandTop, kBandWidth, kLargeBandHeight);
    m_categoryList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_categoryList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_categoryList->setWordWrap(true);
    m_categoryList->setMovement(QListView::Static);
    m_categoryList->setResizeMode(QListView::Adjust);
    m_categoryList->setUniformItemSizes(true);
    m_categoryList->setTextElideMode(Qt::ElideRight);
    m_categoryList->setItemDelegate(new CellDelegate(m_categoryList));
    m_categoryList->installEventFilter(this);
    m_categoryList->viewport()->installEventFilter(this);
    // Whatever makes a category current (a click, an arrow key, the start) shows its items.
    connect(m_categoryList, &QListWidget::currentItemChanged, this, [this] { chooseCategory(); });

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
    connect(m_itemList, &QListWidget::currentItemChanged, this, [this] { chooseItem(); });

    m_detailBox = new ui::BackdropWidget(this);
    m_detailBox->setObjectName(QStringLiteral("detailbox"));
    m_detailBox->setGeometry(kBoxLeft, kListTop, kBoxWidth, kListHeight);
    m_detailBox->setBackdrop(ui::Backdrop::solid(Qt::white, Qt::white));
    m_detailBox->lower();

    auto makeButton = [](const char16_t* name, const QString& text, QWidget* parent) {
        auto* button = new ui::ShadowButton(text, parent);
        button->setObjectName(QString::fromUtf16(name));
        return button;
    };
    m_dockPictureButton = makeButton(u"docthumb", {}, this);
    m_dockPictureButton->setGeometry(kBoxLeft + kBoxWidth - 47, kHeadTop, 20, 17);
    m_dockPictureButton->setArrow(ui::ShadowButton::Arrow::Down);
    m_detailsButton = makeButton(u"hidedetail", {}, this);
    m_detailsButton->setGeometry(kBoxLeft + kBoxWidth - 22, kHeadTop, 20, 17);
    m_detailsButton->setArrow(ui::ShadowButton::Arrow::Right);
    connect(m_dockPictureButton, &QAbstractButton::clicked, this, [this] { dockPictureClicked(); });
    connect(m_detailsButton, &QAbstractButton::clicked, this, [this] { toggleDetailsClicked(); });

    // The details: six labels over the values, the two sizes side by side.
    const int x = kDetailLeft, w = kBoxWidth - 16;
    struct Row {
        const char16_t* labelName;
        const char16_t* labelText;
        QRect label;
        const char16_t* valueName;
        QRect value;
    };
    const Row rows[] = {
        {u"filenamelabel", u"filename", QRect(x, 113, w, 17), u"filename", QRect(x, 130, w, 17)},
        {u"seriallabel", u"serial number", QRect(x, 152, w, 17), u"serial", QRect(x, 169, w, 17)},
        {u"sizeplabel", u"cd size:", QRect(x, 192, 72, 17), u"sizep", QRect(kSizeValueLeft, 192, 96, 17)},
        {u"sizeuplabel", u"hd size:", QRect(x + 174, 192, 72, 17), u"sizeup",
         QRect(kSizeUpValueLeft, 192, w - 246 - kSizeValueShift, 17)},
        {u"desclabel", u"description", QRect(x, 214, w, 17), u"desc", QRect(x, 231, w, 74)},
        {u"hpurllabel", u"homepage:", QRect(x, 310, 92, 17), u"hpurl", QRect(x + 92, 310, w - 92, 17)},
    };
    std::vector<ui::EffectLabel*> values;
    for (const Row& row : rows) {
        auto* label = new ui::EffectLabel(QString::fromUtf16(row.labelText), this);
        label->setObjectName(QString::fromUtf16(row.labelName));
        label->setGeometry(row.label);
        label->setBold(true);
        m_detailLabels.push_back(label);
        auto* value = new ui::EffectLabel(this);
        value->setObjectName(QString::fromUtf16(row.valueName));
        value->setGeometry(row.value);
        values.push_back(value);
    }
    m_fileNameValue = values[0];
    m_serialValue = values[1];
    m_discSizeValue = values[2];
    m_installedSizeValue = values[3];
    m_descriptionValue = values[4];
    m_homePageValue = values[5];
    m_descriptionValue->setWordWrap(true);
    m_descriptionValue->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(m_homePageValue, &ui::EffectLabel::clicked, this, [this] { homePageLinkClicked(); });
    for (ui::EffectLabel* serialLabel : {m_detailLabels[1], m_serialValue}) {
        serialLabel->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(
            serialLabel, &QWidget::customContextMenuRequested, this,
            [this, serialLabel](const QPoint& pos) { m_serialMenu->popup(serialLabel->mapToGlobal(pos)); });
    }

    m_leftHead = makeHeading(u"filecontrolhead", QStringLiteral("file control"),
                             QRect(kMargin, kGroupHeadTop, 372, 18));
    m_rightHead = makeHeading(u"zolcontrolhead", QStringLiteral("zol control"),
                              QRect(kRightGroupLeft, kGroupHeadTop, 222, 18));

    const struct {
        ui::ShadowButton** button;
        const char16_t* name;
        const char16_t* text;
        int left;
        void (MenuWindow::*handler)();
    } buttons[] = {
        {&m_copyButton, u"copybtn", u"copy", kMargin, &MenuWindow::copyClicked},
        {&m_runButton, u"ausf", u"execute", kMargin + kButtonStep, &MenuWindow::runClicked},
        {&m_unzipButton, u"zip", u"unzip", kMargin + 2 * kButtonStep, &MenuWindow::unzipClicked},
        {&m_textMenuButton, u"nfo", u"scan", kMargin + 3 * kButtonStep, &MenuWindow::textMenuClicked},
        {&m_informationButton, u"info", u"info", kMargin + 4 * kButtonStep, &MenuWindow::informationClicked},
        {&m_coverButton, u"printcover", u"print", kRightGroupLeft, &MenuWindow::printCoverClicked},
        {&m_aboutButton, u"about", u"about", kRightGroupLeft + kButtonStep, &MenuWindow::aboutMenuClicked},
        {&m_exitButton, u"ende", u"exit", kRightGroupLeft + 2 * kButtonStep, &MenuWindow::exitClicked},
    };
    for (const auto& b : buttons) {
        ui::ShadowButton* button = makeButton(b.name, QString::fromUtf16(b.text), this);
        button->setGeometry(b.left, kButtonTop, kButtonWidth, kButtonHeight);
        QFont f = button->font();
        f.setPointSize(kButtonPoints);
        button->setFont(f);
        button->setShadowDepth(5);
        connect(button, &QAbstractButton::clicked, this, b.handler);
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
    auto addOption = [this](const char16_t* name, const QString& text, void (MenuWindow::*handler)()) {
        QAction* action = m_aboutMenu->addAction(text);
        action->setObjectName(QString::fromUtf16(name));
        action->setCheckable(true);
        m_pictureOptions->addAction(action);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    m_picturesAlways = addOption(u"Always1", QStringLiteral("Thumbnail/Screenshot always"),
                                 &MenuWindow::detailsAlwaysClicked);
    m_picturesNever =
        addOption(u"Never1", QStringLiteral("Thumbnail/Screenshot never"), &MenuWindow::detailsNeverClicked);
    m_picturesAuto =
        addOption(u"Auto1", QStringLiteral("Thumbnail/Screenshot auto"), &MenuWindow::detailsAutoClicked);
    m_picturesAuto->setChecked(true);
    m_aboutDivider = m_aboutMenu->addCaptionDivider(QStringLiteral("About"));
    m_aboutEntry = m_aboutMenu->addAction(QStringLiteral("About"), this, &MenuWindow::aboutClicked);
    m_aboutEntry->setObjectName(QStringLiteral("About1"));
    m_productHome =
        m_aboutMenu->addAction(QStringLiteral("Tavik Homebase"), this, &MenuWindow::homePageClicked);
    m_productHome->setObjectName(QStringLiteral("TavikHomebase1"));
    m_makerHome =
        m_aboutMenu->addAction(QStringLiteral("Brevan Works Home"), this, &MenuWindow::makerHomePageClicked);
    m_makerHome->setObjectName(QStringLiteral("BrevanWorksHome1"));

    m_zipMenu = new ui::SideBarMenu(this);
    m_zipMenu->setObjectName(QStringLiteral("zipmenu"));
    m_zipMenu->setSideBarText(QStringLiteral("Zip"));
    m_zipForNfo =
        m_zipMenu->addAction(QStringLiteral("Zip for NFO file"), this, &MenuWindow::zipNfoFileClicked);
    m_zipForNfo->setObjectName(QStringLiteral("Zipfornfofile1"));
    m_zipForDiz =
        m_zipMenu->addAction(QStringLiteral("Zip for File_id.diz"), this, &MenuWindow::zipFileIdDizClicked);
    m_zipForDiz->setObjectName(QStringLiteral("ZipforFileiddiz1"));

    m_serialMenu = new ui::SideBarMenu(this);
    m_serialMenu->setObjectName(QStringLiteral("serialmenu"));
    m_copySerial = m_serialMenu->addAction(QStringLiteral("Copy Serial to Clipboard"), this,
                                           &MenuWindow::copySerialClicked);
    m_copySerial->setObjectName(QStringLiteral("CopySerialtoClipboard1"));
}

// ---------------------------------------------------------------------------------------------
// Helpers

void MenuWindow::playSound(int n) {
    const QString& file = m_state.soundFiles[n - 1];
    if (!file.isEmpty())
        m_services.sound.play(file);
}

QPixmap MenuWindow::loadBitmap(const QString& name) const {
    // A bitmap that cannot be read leaves its place empty; the menu still opens. Backgrounds and
    // button fills are tiled over a window of 632 x 413 pixels: 64 MB holds 4096 x 4096 of them.
    constexpr int kBitmapAllocationLimitMb = 64;
    return QPixmap::fromImage(common::readBestPicture(m_state.folders.configFile(name),
                                                      kBitmapAllocationLimitMb, common::largestPicture));
}

QIcon MenuWindow::loadIcon(const QString& name, int size, const QColor& background) const {
    // An icon is shown at most 32 pixels wide; a larger picture in it is still read, within reason.
    constexpr int kIconAllocationLimitMb = 64;
    // Of the pictures in an icon file, the smallest that is at least as large as asked, else the largest.
    const QImage best = common::readBestPicture(m_state.folders.configFile(name), kIconAllocationLimitMb,
                                                common::pictureFor(size));
    if (best.isNull())
        return {};
    QPixmap pixmap(size, size);
    pixmap.fill(background);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(0, 0, size, size), best);
    p.end();
    return QIcon(pixmap);
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
    const bool genre = watched == m_categoryList || watched == m_categoryList->viewport();
    const bool members = watched == m_itemList || watched == m_itemList->viewport();
    if (!genre && !members)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Enter on the band goes on to its items; on an item it does what a double click does.
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->isAutoRepeat())
            break;
        if (genre) {
            m_itemList->setFocus();
            if (!m_itemList->currentItem() && m_itemList->count() > 0)
                m_itemList->setCurrentRow(0);
        } else {
            itemDoubleClicked();
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (genre)
            categoryBandReleased();
        else
            itemListReleased();
        break;
    case QEvent::MouseButtonDblClick:
        if (members)
            itemDoubleClicked();
        break;
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat())
            break;
        if (genre)
            categoryBandKeyReleased(key->key());
        else
            itemListKeyReleased(key->key());
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
