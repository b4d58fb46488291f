#include "TForm1.h"

#include "HomePages.h"
#include "TAboutBox.h"
#include "TInfoform.h"
#include "Tddform.h"
#include "Tfcform.h"
#include "Tpicpreviewform.h"
#include "common/FileSafeName.h"
#include "common/IniFile.h"
#include "common/Paths.h"
#include "reader/ItemTarget.h"
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
#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTemporaryDir>

#include <algorithm>

using menu::BoxFill;
using menu::styleLabel;
using menu::toUi;
using menu::ButtonMode;
using menu::DesignMode;

namespace {

// Where the controls sit in the 632 x 413 client area.
constexpr int kMargin = 10;
constexpr int kBandTop = 21;
constexpr int kBandWidth = 612;
constexpr int kLargeBandHeight = 61;
constexpr int kSmallBandHeight = 58;
constexpr int kHeadTop = 88;
constexpr int kListTop = 107;
constexpr int kListHeight = 228;
constexpr int kFrameLeft = 7;
constexpr int kNarrowFrame = 252, kNarrowList = 247;
constexpr int kWideFrame = 618, kWideList = 612;
constexpr int kBoxLeft = 266;
constexpr int kBoxWidth = 359;
constexpr int kGroupHeadTop = 338;
constexpr int kButtonTop = 356;
constexpr int kButtonWidth = 72, kButtonHeight = 46, kButtonStep = 75;
constexpr int kRightGroupLeft = 400;
constexpr int kDetailLeft = kBoxLeft + 8;
constexpr int kSizeValueLeft = kDetailLeft + 72, kSizeUpValueLeft = kDetailLeft + 246;
constexpr int kSizeValueShift = 14; // German size labels are longer

// The picture window docked over the details box, and floating beside the window.
const QRect kDockedPicture(kDetailLeft, 126, 347, 206);
constexpr int kNarrowScreen = 800;
constexpr int kFloatingLeft = 638, kNarrowFloatingLeft = 494, kNarrowFloatingTop = 4;

constexpr int kSmallItemIcon = 16, kLargeItemIcon = 22;
constexpr int kLargeCategoryIcon = 32, kSmallCategoryIcon = 25;
constexpr int kLargeIconCategories = 6; // fewer categories than this get large icons

constexpr int kCategoryRole = Qt::UserRole;
constexpr int kItemRole = Qt::UserRole;
constexpr int kIconRole = Qt::UserRole + 1;

bool isNavigationKey(int key) {
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

void setListFill(ui::FillList* list, const menu::BoxStyle& box, const QPixmap& wallpaper) {
    list->setFillColor(box.color);
    list->setWallpaper(wallpaper);
    list->setTextColor(box.textColor);
}

// Gives every entry of a list in icon view the same cell, so that captions wrap across the cell's
// width rather than the icon's.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setCellSize(const QSize& size) { m_size = size; }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return m_size.isValid() ? m_size : QStyledItemDelegate::sizeHint(option, index);
    }

private:
    QSize m_size;
};

} // namespace

TForm1::TForm1(ui::Services services, QWidget* parent)
    : TForm1(services, menu::DiscFolders::forRunningProgram(), parent) {}

TForm1::TForm1(ui::Services services, const menu::DiscFolders& folders, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_services(services) {
    m_state.folders = folders;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tavik - Lumbrel - "));
    setFixedSize(kClientWidth, kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    createControls();
    createMenus();
    m_aboutBox = new TAboutBox(m_services.shell, this);
    // The dialogs, in the order the menu program has always made them.
    m_ddform = new Tddform(m_services, m_state, this);
    m_fcform = new Tfcform(m_services, m_state, m_unzip, m_ddform, this);
    m_infoform = new TInfoform(m_services, m_state, this);
    m_picform = new Tpicpreviewform(this);
    showSplash();
}

TForm1::~TForm1() = default;

// ---------------------------------------------------------------------------------------------
// Controls

void TForm1::createControls() {
    auto makeHeading = [this](const char16_t* name, const QString& text, const QRect& geometry) {
        auto* label = new ui::EffectLabel(text, this);
        label->setObjectName(QString::fromUtf16(name));
        label->setGeometry(geometry);
        label->setBold(true);
        return label;
    };
    m_genreHead = makeHeading(u"genrehead", QStringLiteral("category"), QRect(kMargin, 2, 300, 18));
    m_membersHead = makeHeading(u"membershead", QStringLiteral("files"), QRect(kMargin, kHeadTop, 250, 18));
    m_detailHead = makeHeading(u"detailhead", QStringLiteral("detail"), QRect(kBoxLeft + 2, kHeadTop, 300, 18));
    m_thumbHead = makeHeading(u"thumbhead", QStringLiteral("detail"), QRect(kBoxLeft + 2, kHeadTop, 300, 18));
    m_thumbHead->hide();

    m_genre = new ui::FillList(this);
    m_genre->setObjectName(QStringLiteral("genre"));
    m_genre->setGeometry(kMargin, kBandTop, kBandWidth, kLargeBandHeight);
    m_genre->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_genre->setSelectionMode(QAbstractItemView::SingleSelection);
    m_genre->setWordWrap(true);
    m_genre->setMovement(QListView::Static);
    m_genre->setResizeMode(QListView::Adjust);
    m_genre->setUniformItemSizes(true);
    m_genre->setTextElideMode(Qt::ElideRight);
    m_genre->setItemDelegate(new CellDelegate(m_genre));
    m_genre->installEventFilter(this);
    m_genre->viewport()->installEventFilter(this);

    m_membersFrame = new QFrame(this);
    m_membersFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_membersFrame->setObjectName(QStringLiteral("membersframe"));
    m_membersFrame->setGeometry(kFrameLeft, kListTop, kNarrowFrame, kListHeight);
    m_members = new ui::FillList(m_membersFrame);
    m_members->setObjectName(QStringLiteral("members"));
    m_members->setGeometry(2, 2, kNarrowList, kListHeight - 4);
    m_members->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_members->setSelectionMode(QAbstractItemView::SingleSelection);
    m_members->setMovement(QListView::Static);
    m_members->setResizeMode(QListView::Adjust);
    m_members->setUniformItemSizes(true);
    m_members->setIconSize(QSize(kSmallItemIcon, kSmallItemIcon));
    m_members->setItemDelegate(new CellDelegate(m_members));
    m_members->installEventFilter(this);
    m_members->viewport()->installEventFilter(this);

    m_detailBox = new ui::BackdropWidget(this);
    m_detailBox->setObjectName(QStringLiteral("detailbox"));
    m_detailBox->setGeometry(kBoxLeft, kListTop, kBoxWidth, kListHeight);
    m_detailBox->setBackdrop(ui::Backdrop::solid(Qt::white, Qt::white));
    m_detailBox->lower();

    auto makeButton = [this](const char16_t* name, const QString& text, QWidget* parent) {
        auto* button = new ui::ShadowButton(text, parent);
        button->setObjectName(QString::fromUtf16(name));
        return button;
    };
    m_docthumb = makeButton(u"docthumb", {}, this);
    m_docthumb->setGeometry(kBoxLeft + kBoxWidth - 47, kHeadTop, 20, 17);
    m_docthumb->setArrow(ui::ShadowButton::Arrow::Down);
    m_hidedetail = makeButton(u"hidedetail", {}, this);
    m_hidedetail->setGeometry(kBoxLeft + kBoxWidth - 22, kHeadTop, 20, 17);
    m_hidedetail->setArrow(ui::ShadowButton::Arrow::Right);
    connect(m_docthumb, &QAbstractButton::clicked, this, [this] { docthumbClick(); });
    connect(m_hidedetail, &QAbstractButton::clicked, this, [this] { hidedetailClick(); });

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
        {u"sizeuplabel", u"hd size:", QRect(x + 174, 192, 72, 17), u"sizeup", QRect(kSizeUpValueLeft, 192, w - 246 - kSizeValueShift, 17)},
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
    m_filename = values[0];
    m_serial = values[1];
    m_sizep = values[2];
    m_sizeup = values[3];
    m_desc = values[4];
    m_hpurl = values[5];
    m_desc->setWordWrap(true);
    m_desc->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(m_hpurl, &ui::EffectLabel::clicked, this, [this] { hpurlClick(); });
    for (ui::EffectLabel* serialLabel : {m_detailLabels[1], m_serial}) {
        serialLabel->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(serialLabel, &QWidget::customContextMenuRequested, this,
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
        void (TForm1::*handler)();
    } buttons[] = {
        {&m_copybtn, u"copybtn", u"copy", kMargin, &TForm1::copybtnClick},
        {&m_ausf, u"ausf", u"execute", kMargin + kButtonStep, &TForm1::ausfClick},
        {&m_zip, u"zip", u"unzip", kMargin + 2 * kButtonStep, &TForm1::zipClick},
        {&m_nfo, u"nfo", u"scan", kMargin + 3 * kButtonStep, &TForm1::nfoClick},
        {&m_info, u"info", u"info", kMargin + 4 * kButtonStep, &TForm1::infoClick},
        {&m_printcover, u"printcover", u"print", kRightGroupLeft, &TForm1::printcoverClick},
        {&m_about, u"about", u"about", kRightGroupLeft + kButtonStep, &TForm1::aboutClick},
        {&m_ende, u"ende", u"exit", kRightGroupLeft + 2 * kButtonStep, &TForm1::endeClick},
    };
    for (const auto& b : buttons) {
        ui::ShadowButton* button = makeButton(b.name, QString::fromUtf16(b.text), this);
        button->setGeometry(b.left, kButtonTop, kButtonWidth, kButtonHeight);
        QFont f = button->font();
        f.setPointSize(11);
        button->setFont(f);
        button->setShadowDepth(5);
        connect(button, &QAbstractButton::clicked, this, b.handler);
        *b.button = button;
    }
    // Nothing is chosen yet.
    for (ui::ShadowButton* button : {m_copybtn, m_ausf, m_zip, m_nfo, m_info})
        button->setEnabled(false);
}

void TForm1::createMenus() {
    m_aboutMenu = new ui::SideBarMenu(this);
    m_aboutMenu->setObjectName(QStringLiteral("aboutmenu"));
    m_aboutMenu->setSideBarText(QStringLiteral("Options"));
    m_optionsDivider = m_aboutMenu->addCaptionDivider(QStringLiteral("Options"));
    m_pictureOptions = new QActionGroup(this);
    m_pictureOptions->setExclusive(true);
    auto addOption = [this](const char16_t* name, const QString& text, void (TForm1::*handler)()) {
        QAction* action = m_aboutMenu->addAction(text);
        action->setObjectName(QString::fromUtf16(name));
        action->setCheckable(true);
        m_pictureOptions->addAction(action);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    m_always = addOption(u"Always1", QStringLiteral("Thumbnail/Screenshot always"), &TForm1::Always1Click);
    m_never = addOption(u"Never1", QStringLiteral("Thumbnail/Screenshot never"), &TForm1::Never1Click);
    m_auto = addOption(u"Auto1", QStringLiteral("Thumbnail/Screenshot auto"), &TForm1::Auto1Click);
    m_auto->setChecked(true);
    m_aboutDivider = m_aboutMenu->addCaptionDivider(QStringLiteral("About"));
    m_aboutEntry = m_aboutMenu->addAction(QStringLiteral("About"), this, &TForm1::About1Click);
    m_aboutEntry->setObjectName(QStringLiteral("About1"));
    m_productHome = m_aboutMenu->addAction(QStringLiteral("Tavik Homebase"), this, &TForm1::TavikHomebase1Click);
    m_productHome->setObjectName(QStringLiteral("TavikHomebase1"));
    m_makerHome = m_aboutMenu->addAction(QStringLiteral("Brevan Works Home"), this, &TForm1::BrevanWorksHome1Click);
    m_makerHome->setObjectName(QStringLiteral("BrevanWorksHome1"));

    m_zipMenu = new ui::SideBarMenu(this);
    m_zipMenu->setObjectName(QStringLiteral("zipmenu"));
    m_zipMenu->setSideBarText(QStringLiteral("Zip"));
    m_zipForNfo = m_zipMenu->addAction(QStringLiteral("Zip for NFO file"), this, &TForm1::Zipfornfofile1Click);
    m_zipForNfo->setObjectName(QStringLiteral("Zipfornfofile1"));
    m_zipForDiz = m_zipMenu->addAction(QStringLiteral("Zip for File_id.diz"), this, &TForm1::ZipforFileiddiz1Click);
    m_zipForDiz->setObjectName(QStringLiteral("ZipforFileiddiz1"));

    m_serialMenu = new ui::SideBarMenu(this);
    m_serialMenu->setObjectName(QStringLiteral("serialmenu"));
    m_copySerial = m_serialMenu->addAction(QStringLiteral("Copy Serial to Clipboard"), this,
                                           &TForm1::CopySerialtoClipboard1Click);
    m_copySerial->setObjectName(QStringLiteral("CopySerialtoClipboard1"));
}

// ---------------------------------------------------------------------------------------------
// Start-up

void TForm1::showSplash() {
    const menu::SplashSettings splash =
        menu::readSplashSettings(common::IniFile(m_state.folders.configFile(u"design.cfg")));
    if (!splash.enabled)
        return;
    // Without its picture there is nothing to show.
    const QPixmap picture = loadBitmap(QStringLiteral("splash.bmp"));
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

void TForm1::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (!event->isAccepted())
        return;
    m_picform->close();
    m_unzip.unload();
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TForm1::FormShow() {
    m_shown = true;
    const menu::DiscFolders& folders = m_state.folders;

    m_unzip.load(folders.configFolder);
    m_state.pictureOption = menu::PictureOption::Auto;
    m_auto->setChecked(true);

    m_state.identity = menu::readDiscIdentity(common::IniFile(folders.configFile(u"members.cfg")));
    setWindowTitle(QStringLiteral("Tavik - Lumbrel - ") + m_state.identity.discName);
    m_aboutBox->setDiscName(m_state.identity.discName);

    m_state.design = menu::readDesignSettings(common::IniFile(folders.configFile(u"design.cfg")));
    m_state.language = menu::readLanguageFile(common::IniFile(folders.configFile(u"language.zol")));
    applyLanguage();

    readSounds();
    applyDesign();

    m_state.projectRootRest = menu::isReadOnlyExecutable(folders.executable)
                                  ? QString()
                                  : menu::projectRootRest(m_state.identity.rootName, folders.drivePrefix);

    readCategories();
    m_state.picturePlaced = false;
}

void TForm1::readSounds() {
    for (int n = 0; n < 5; ++n) {
        m_state.soundFiles[n].clear();
        if (!m_state.design.sounds[n])
            continue;
        // A sound whose wave file is missing stays silent.
        const QString file = m_state.folders.configFile(QStringLiteral("Sound%1.wav").arg(n + 1));
        if (QFileInfo(file).isFile())
            m_state.soundFiles[n] = file;
        if (n == 0)
            playSound(1);
    }
}

void TForm1::applyLanguage() {
    const menu::LanguageFile& lang = m_state.language;
    const menu::LanguageTexts& texts = lang.texts;

    if (const auto builtIn = menu::builtInTexts(texts.language)) {
        m_zipMenu->setSideBarText(builtIn->zipSideBar);
        m_zipForNfo->setText(builtIn->zipForNfo);
        m_zipForDiz->setText(builtIn->zipForDiz);
        m_aboutMenu->setSideBarText(builtIn->optionsSideBar);
        m_optionsDivider->setText(builtIn->optionsSideBar);
        m_always->setText(builtIn->pictureAlways);
        m_never->setText(builtIn->pictureNever);
        m_auto->setText(builtIn->pictureAuto);
        m_aboutDivider->setText(builtIn->about);
        m_aboutEntry->setText(builtIn->about);
        m_productHome->setText(builtIn->productHome);
        m_makerHome->setText(builtIn->makerHome);
        m_copySerial->setText(builtIn->copySerial);
        m_picform->setNoPictureText(builtIn->noPicture);
    }

    // Without a language file the controls keep the captions they were made with.
    if (!lang.present)
        return;

    const struct {
        ui::ShadowButton* button;
        int key;
    } buttons[] = {{m_copybtn, 7}, {m_ausf, 8},  {m_zip, 9},  {m_about, 10},
                   {m_ende, 11},   {m_info, 12}, {m_nfo, 13}, {m_printcover, 14}};
    for (const auto& b : buttons) {
        b.button->setText(lang.buttons[b.key]);
        b.button->setToolTip(lang.hints[b.key]);
    }
    m_genreHead->setText(lang.headings[1]);
    m_membersHead->setText(lang.headings[2]);
    m_detailHead->setText(lang.headings[3]);
    m_thumbHead->setText(lang.heading3_2);
    m_leftHead->setText(lang.headings[4]);
    m_rightHead->setText(lang.headings[5]);
    for (int k = 1; k <= 6; ++k)
        m_detailLabels[k - 1]->setText(lang.details[k]);
    m_hidedetail->setToolTip(texts.detailsShownHint);
    m_docthumb->setToolTip(texts.pictureUndockedHint);
    m_ddform->applyLanguage(lang);
    m_fcform->applyLanguage(lang);
    m_infoform->applyLanguage(lang);

    if (texts.language == 1) {
        for (ui::ShadowButton* button : {m_ausf, m_zip}) {
            QFont f = button->font();
            f.setPointSize(10);
            button->setFont(f);
        }
        m_detailLabels[2]->resize(72 + kSizeValueShift, m_detailLabels[2]->height());
        m_detailLabels[3]->resize(72 + kSizeValueShift, m_detailLabels[3]->height());
        m_sizep->move(kSizeValueLeft + kSizeValueShift, m_sizep->y());
        m_sizeup->move(kSizeUpValueLeft + kSizeValueShift, m_sizeup->y());
    }
}

void TForm1::applyDesign() {
    const menu::DesignSettings& d = m_state.design;

    // The window, its dialogs and the drop-down menus.
    const std::vector<ui::SideBarMenu*> menus{m_aboutMenu, m_zipMenu, m_serialMenu};
    if (d.designMode == DesignMode::Bitmap) {
        m_state.backgroundBitmap = m_state.folders.configFile(u"back.bmp");
        m_backgroundPixmap = loadBitmap(QStringLiteral("back.bmp"));
        for (ui::SideBarMenu* menu : menus) {
            menu->setBackgroundPixmap(m_backgroundPixmap);
            menu->setEntryStyle(d.headings.color, d.headings.bold);
        }
    }
    if (d.buttonMode == ButtonMode::Bitmap) {
        m_state.buttonBitmap = m_state.folders.configFile(u"button.bmp");
        m_buttonPixmap = loadBitmap(QStringLiteral("button.bmp"));
    }
    m_look = menu::DesignLook{d, m_backgroundPixmap, m_buttonPixmap};
    m_backdrop = m_look.windowBackdrop();
    m_ddform->applyDesign(m_look);
    m_fcform->applyDesign(m_look);
    m_infoform->applyDesign(m_look);
    // The picture window's default background is the texture as it is, or the gradient.
    if (d.designMode == DesignMode::Bitmap)
        m_picform->setDefaultBackground(ui::Backdrop::bitmap(m_backgroundPixmap, ui::Placement::Tile));
    else if (d.designMode == DesignMode::Band)
        m_picform->setDefaultBackground(ui::Backdrop::gradient(d.backStart, d.backEnd));
    m_picform->noPictureLabel()->setColor(d.headings.color);
    m_picform->noPictureLabel()->setBold(d.headings.bold);

    // The command buttons.
    const std::vector<ui::ShadowButton*> buttons{m_copybtn,     m_ausf,  m_zip,  m_nfo,
                                                 m_info, m_printcover, m_about, m_ende};
    for (ui::ShadowButton* b : buttons)
        m_look.styleButton(b);
    const std::vector<ui::ShadowButton*> arrows{m_hidedetail, m_docthumb};
    if (d.buttonMode == ButtonMode::Bitmap) {
        for (ui::ShadowButton* b : arrows)
            b->setFace(ui::Backdrop::bitmap(m_buttonPixmap, ui::Placement::Tile));
        for (ui::SideBarMenu* menu : menus) {
            menu->setBackgroundPixmap(m_buttonPixmap);
            menu->setEntryStyle(d.buttonText, d.buttonBold);
        }
    } else if (d.buttonMode == ButtonMode::Band) {
        for (ui::ShadowButton* b : arrows)
            b->setFace(ui::Backdrop::gradient(d.buttonStart, d.buttonEnd));
    } else if (d.buttonMode == ButtonMode::Transparent) {
        for (ui::ShadowButton* b : arrows)
            b->setFace(ui::Backdrop::solid(d.headings.color));
    }
    // The arrows are drawn in the colour that stands out from their face.
    for (ui::ShadowButton* b : arrows)
        b->setTextColor(d.buttonMode == ButtonMode::Transparent ? d.backStart : d.buttonText);

    // The three boxes.
    setListFill(m_genre, d.categoryBox, boxWallpaper(d.categoryBox.fill));
    setListFill(m_members, d.itemBox, boxWallpaper(d.itemBox.fill));
    QPalette framePalette = m_membersFrame->palette();
    framePalette.setBrush(QPalette::Window, m_members->palette().brush(QPalette::Base));
    m_membersFrame->setPalette(framePalette);
    m_membersFrame->setAutoFillBackground(true);
    const QPixmap detailWallpaper = boxWallpaper(d.detailsBox.fill);
    m_detailBox->setBackdrop(detailWallpaper.isNull()
                                 ? ui::Backdrop::solid(d.detailsBox.color, d.detailsBox.color)
                                 : ui::Backdrop::bitmap(detailWallpaper, ui::Placement::Tile));

    for (ui::EffectLabel* heading : {m_genreHead, m_membersHead, m_detailHead, m_thumbHead, m_leftHead, m_rightHead})
        styleLabel(heading, d.headings);
    for (ui::EffectLabel* label : m_detailLabels)
        styleLabel(label, d.detailLabels);
    for (ui::EffectLabel* value : {m_filename, m_serial, m_sizep, m_sizeup, m_desc, m_hpurl})
        styleLabel(value, d.detailValues);

    // Item icons sit on the item box colour.
    m_smallItemIcons.clear();
    m_largeItemIcons.clear();
    for (int n = 1; n <= 14; ++n) {
        const QString name = QStringLiteral("m%1.ico").arg(n);
        m_smallItemIcons.push_back(loadIcon(name, kSmallItemIcon, d.itemBox.color));
        m_largeItemIcons.push_back(loadIcon(name, kLargeItemIcon, d.itemBox.color));
    }
    update();
}

void TForm1::readCategories() {
    const common::IniFile genreFile(m_state.folders.configFile(u"genre.cfg"));
    const std::vector<menu::CategoryEntry> categories = menu::readCategories(genreFile);
    const bool large = int(categories.size()) < kLargeIconCategories;
    const int iconSize = large ? kLargeCategoryIcon : kSmallCategoryIcon;

    m_genre->clear();
    m_genre->setGeometry(kMargin, kBandTop, kBandWidth, large ? kLargeBandHeight : kSmallBandHeight);
    m_genre->setIconSize(QSize(iconSize, iconSize));
    if (large) {
        m_genre->setViewMode(QListView::IconMode);
        m_genre->setFlow(QListView::LeftToRight);
        m_genre->setWrapping(true);
        m_genre->setGridSize(QSize(100, kLargeBandHeight - 6));
        static_cast<CellDelegate*>(m_genre->itemDelegate())->setCellSize(QSize(96, kLargeBandHeight - 8));
    } else {
        m_genre->setViewMode(QListView::ListMode);
        m_genre->setFlow(QListView::LeftToRight);
        m_genre->setWrapping(true);
        m_genre->setGridSize(QSize(147, iconSize + 2));
        static_cast<CellDelegate*>(m_genre->itemDelegate())->setCellSize(QSize(143, iconSize + 2));
    }
    m_genre->setMovement(QListView::Static);

    m_categoryIcons.clear();
    for (const menu::CategoryEntry& c : categories)
        m_categoryIcons.push_back(
            loadIcon(QStringLiteral("%1.ico").arg(c.index), iconSize, m_state.design.categoryBox.color));

    m_genre->setUpdatesEnabled(false);
    for (const menu::CategoryEntry& c : categories) {
        auto* item = new QListWidgetItem(c.caption);
        item->setData(kCategoryRole, c.index);
        item->setToolTip(c.caption);
        if (c.iconNumber >= 0 && c.iconNumber < int(m_categoryIcons.size()))
            item->setIcon(m_categoryIcons[c.iconNumber]);
        m_genre->addItem(item);
    }
    m_genre->setUpdatesEnabled(true);
}

// ---------------------------------------------------------------------------------------------
// Choosing

void TForm1::genreMouseUp() {
    playSound(2);
    chooseCategory();
}

void TForm1::genreKeyUp(int key) {
    if (isNavigationKey(key))
        playSound(2);
    chooseCategory();
}

void TForm1::chooseCategory() {
    for (ui::ShadowButton* button : {m_copybtn, m_ausf, m_zip})
        button->setEnabled(false);
    m_state.currentTarget.clear();
    updatePicture();

    const int language = m_state.language.texts.language;
    setDetailValues(language == 1 ? QStringLiteral("n/v") : QStringLiteral("n/a"));
    m_membersHead->setText(m_state.language.texts.itemListHeading);
    setHeading(m_detailHead, m_state.language.texts.detailsHeading);

    const QList<QListWidgetItem*> selected = m_genre->selectedItems();
    if (!selected.isEmpty()) {
        const QListWidgetItem* item = selected.front();
        m_membersHead->setText(m_state.language.texts.itemListHeading + QStringLiteral(" in ") + item->text());
        const int category = item->data(kCategoryRole).toInt();
        fillItems(category);
        m_state.currentCategory = category;
    }
    m_genre->setFocus();
}

void TForm1::fillItems(int category) {
    const common::IniFile members(m_state.folders.configFile(u"members.cfg"));
    const std::vector<menu::ItemEntry> items = menu::readItems(members, category);
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

void TForm1::membersMouseUp() {
    playSound(2);
    chooseItem();
    if (m_state.design.designMode == DesignMode::Bitmap)
        m_members->viewport()->update();
}

void TForm1::membersKeyUp(int key) {
    if (isNavigationKey(key)) {
        playSound(2);
        if (m_state.design.designMode == DesignMode::Bitmap && !m_state.soundFiles[1].isEmpty())
            m_members->viewport()->update();
    }
    chooseItem();
}

void TForm1::chooseItem() {
    m_state.currentTarget.clear();
    const QList<QListWidgetItem*> selected = m_members->selectedItems();
    if (selected.isEmpty())
        return;
    const QListWidgetItem* item = selected.front();
    const QString caption = item->text();
    const menu::LanguageTexts& texts = m_state.language.texts;

    setHeading(m_detailHead,
               texts.detailsHeading + (texts.language == 1 ? QStringLiteral(" zu ") : QStringLiteral(" of ")) + caption);
    setHeading(m_thumbHead, caption + u' ' + texts.thumbnailHeading);

    const int category = m_state.currentCategory;
    const int index = item->data(kItemRole).toInt();
    const common::IniFile detailFile(m_state.folders.configFile(menu::detailFileName(category, index)));
    const menu::ItemDetails details = menu::readItemDetails(detailFile, category, index);
    const menu::ItemTarget target = menu::locateTarget(
        menu::resolveTarget(details.rawTarget, m_state.folders.drivePrefix, m_state.projectRootRest),
        m_state.folders.drivePrefix);

    m_filename->setText(target.path);
    m_filename->setToolTip(target.path);
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

bool TForm1::informationTextExists(const QString& caption) const {
    // An address has no folder on the disc to hold a text beside it.
    if (QDir::isAbsolutePath(m_state.currentTarget)) {
        const QFileInfo beside(menu::companionBesideTarget(m_state.currentTarget, QStringLiteral(".txt")));
        if (beside.isFile() || common::findIgnoringCase(beside.path(), beside.fileName()))
            return true;
    }
    return QFileInfo(m_state.folders.itemDataFile(common::fileSafeName(caption) + QStringLiteral(".txt"))).isFile();
}

void TForm1::setHeading(ui::EffectLabel* heading, const QString& text) {
    heading->setText(shortenedHeading(text));
    heading->setToolTip(text.size() > kHeadingLength ? text : QString());
}

QString TForm1::shortenedHeading(const QString& text) {
    return text.size() > kHeadingLength ? text.left(kHeadingLength) + QStringLiteral(" ...") : text;
}

void TForm1::setDetailValues(const QString& text) {
    for (ui::EffectLabel* value : {m_filename, m_serial, m_sizep, m_sizeup, m_desc, m_hpurl}) {
        value->setText(text);
        value->setToolTip({});
    }
    m_hpurl->setLink(false);
}

// ---------------------------------------------------------------------------------------------
// Details and picture

void TForm1::hidedetailClick() {
    clickSound();
    setDetailsShown(!m_state.detailsShown);
}

void TForm1::setDetailsShown(bool shown) {
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
        m_hidedetail->setToolTip(texts.detailsHiddenHint);
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
        m_hidedetail->setToolTip(texts.detailsShownHint);
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

void TForm1::docthumbClick() {
    clickSound();
    if (m_state.pictureDocked)
        undockPicture();
    else
        dockPicture();
}

void TForm1::dockPicture() {
    m_docthumb->setToolTip(m_state.language.texts.pictureDockedHint);
    setDetailsShown(true);
    choosePictureOption(menu::PictureOption::Always);
    m_docthumb->setArrow(ui::ShadowButton::Arrow::Up);
    m_detailHead->hide();
    m_thumbHead->show();
    for (QWidget* w : std::initializer_list<QWidget*>{m_filename, m_serial, m_sizep, m_sizeup, m_desc, m_hpurl})
        w->hide();
    for (QWidget* w : m_detailLabels)
        w->hide();
    // Docked, the picture window becomes part of the menu window and moves with it.
    m_picform->dock(kDockedPicture);
    m_state.pictureDocked = true;
    m_detailBox->hide();
    m_picform->show();
}

void TForm1::undockPicture() {
    m_docthumb->setToolTip(m_state.language.texts.pictureUndockedHint);
    m_docthumb->setArrow(ui::ShadowButton::Arrow::Down);
    m_thumbHead->hide();
    m_detailHead->show();
    for (QWidget* w : std::initializer_list<QWidget*>{m_filename, m_serial, m_sizep, m_sizeup, m_desc, m_hpurl})
        w->show();
    for (QWidget* w : m_detailLabels)
        w->show();
    m_picform->undock();
    m_state.pictureDocked = false;
    m_state.picturePlaced = false;
    m_detailBox->show();
    showPictureWindow();
}

void TForm1::showPictureWindow() {
    if (!m_state.pictureDocked)
        placePictureWindow();
    m_picform->show();
    if (m_state.pictureDocked)
        m_picform->raise();
}

void TForm1::placePictureWindow() {
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

QString TForm1::selectedCaption() const {
    const QList<QListWidgetItem*> selected = m_members->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

QString TForm1::companionFile(const QString& extension) const {
    // Beside the item's own file; an address has no folder on the disc to hold one.
    const QString& target = m_state.currentTarget;
    if (!target.isEmpty() && QDir::isAbsolutePath(target)) {
        const QFileInfo beside(menu::companionBesideTarget(target, extension));
        if (beside.isFile())
            return beside.filePath();
        if (const auto found = common::findIgnoringCase(beside.path(), beside.fileName()); found && QFileInfo(*found).isFile())
            return *found;
    }
    // Otherwise in the item data folder under the item's caption.
    const QString caption = selectedCaption();
    if (caption.isEmpty())
        return {};
    const QString inData = m_state.folders.itemDataFile(common::fileSafeName(caption) + extension);
    return QFileInfo(inData).isFile() ? inData : QString();
}

void TForm1::updatePicture() {
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
    QString picture = isPicture ? m_state.currentTarget : companionFile(QStringLiteral(".jpg"));
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

// ---------------------------------------------------------------------------------------------
// Commands

void TForm1::membersDblClick() {
    // The first enabled of unzip, start and copy.
    if (m_zip->isEnabled())
        zipClick();
    else if (m_ausf->isEnabled())
        ausfClick();
    else if (m_copybtn->isEnabled())
        copybtnClick();
}

void TForm1::copybtnClick() {
    clickSound();
    m_state.copyMode = menu::CopyMode::Copy;
    m_fcform->openForMode();
}

void TForm1::zipClick() {
    clickSound();
    m_state.copyMode = menu::CopyMode::Unzip;
    m_fcform->openForMode();
}

void TForm1::ausfClick() {
    clickSound();
    const QString target = m_filename->text();
    // A folder (a jump point's target) is explored; everything else opened or started. An
    // address may end in a slash too, and is no folder.
    const bool folder = target.endsWith(u'\\') || (QDir::isAbsolutePath(target) && target.endsWith(QDir::separator()));
    if (folder)
        m_services.shell.explore(target);
    else
        m_services.shell.open(target);
}

void TForm1::information(const QString& text) {
    m_services.messages.show(ui::MessageBoxService::Kind::Information, ui::MessageBoxService::Buttons::Ok, text);
}

void TForm1::infoClick() {
    clickSound();
    const menu::LanguageTexts& texts = m_state.language.texts;
    if (m_members->selectedItems().isEmpty()) {
        information(texts.noFile);
        return;
    }
    const QString file = companionFile(QStringLiteral(".txt"));
    if (file.isEmpty()) {
        information(texts.noInfo);
        return;
    }
    m_infoform->prepareInformation(texts.informationCaption +
                                   (texts.language == 1 ? QStringLiteral(" über ") : QStringLiteral(" for ")) +
                                   m_filename->text() + QStringLiteral("  (") + file + u')');
    m_infoform->clearText();
    QString error;
    if (!m_infoform->loadFile(file, TInfoform::Encoding::Windows1252, &error)) {
        information(QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(file), error));
        return;
    }
    m_infoform->open();
    // Shown, the view knows its width and so where its lines wrap.
    m_infoform->fitToText();
}

void TForm1::Zipfornfofile1Click() {
    clickSound();
    showZipText(QStringLiteral("nfo"));
}

void TForm1::ZipforFileiddiz1Click() {
    clickSound();
    showZipText(QStringLiteral("diz"));
}

void TForm1::showZipText(const QString& ending) {
    const menu::LanguageTexts& texts = m_state.language.texts;
    const bool diz = ending == u"diz";
    const QString archive = m_filename->text();
    // The last matching entry is the one shown.
    QString entry;
    for (const QString& name : menu::listArchiveEntries(archive)) {
        if (name.right(3).toLower() == ending)
            entry = name;
    }
    if (entry.isEmpty()) {
        information(diz ? texts.noZip : texts.noNfo);
        return;
    }
    if (!m_unzip.isLoaded()) {
        information(m_unzip.unavailableMessage());
        return;
    }
    // A private folder of its own, gone again when the window closes.
    auto folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/tiv-text-XXXXXX"));
    if (!folder->isValid()) {
        information(QStringLiteral("Cannot open file \"%1\". %2").arg(entry, folder->errorString()));
        return;
    }
    const QString baseName = entry.mid(std::max(entry.lastIndexOf(u'/'), entry.lastIndexOf(u'\\')) + 1);
    const QString textPath = QDir::toNativeSeparators(QDir(folder->path()).filePath(baseName));
    const menu::ExtractReport report =
        m_unzip.extract(archive, {entry}, folder->path(), {.recreateFolders = false, .overwrite = true});
    if (!report.complete()) {
        const QString problems = report.problems();
        information(QStringLiteral("Error in Extract; Fatal DLL Exception") +
                    (problems.isEmpty() ? QString() : QStringLiteral("\n\n") + problems));
    }

    const int language = texts.language;
    const QString caption = diz ? (language == 1 ? QStringLiteral("File_id.diz für ") : QStringLiteral("File_id.diz for "))
                                : (language == 1 ? QStringLiteral("Nfo über ") : QStringLiteral("Nfo for "));
    m_infoform->prepareZipText(caption + archive);
    m_infoform->clearText();
    QString error;
    if (!m_infoform->loadFile(textPath, TInfoform::Encoding::Dos437, &error)) {
        information(QStringLiteral("Cannot open file \"%1\". %2").arg(textPath, error));
        return;
    }
    m_infoform->setTemporaryText(std::move(folder), textPath);
    m_infoform->open();
    m_infoform->fitToText();
}

void TForm1::printcoverClick() { clickSound(); }

void TForm1::nfoClick() {
    clickSound();
    m_zipMenu->popup(m_nfo->mapToGlobal(QPoint(0, m_nfo->height())));
}

void TForm1::aboutClick() {
    clickSound();
    m_aboutMenu->popup(m_about->mapToGlobal(QPoint(0, m_about->height())));
}

void TForm1::endeClick() {
    clickSound();
    playSound(2);
    close();
}

void TForm1::Always1Click() {
    clickSound();
    choosePictureOption(menu::PictureOption::Always);
}

void TForm1::Never1Click() {
    clickSound();
    choosePictureOption(menu::PictureOption::Never);
}

void TForm1::Auto1Click() {
    clickSound();
    choosePictureOption(menu::PictureOption::Auto);
}

void TForm1::choosePictureOption(menu::PictureOption option) {
    // The new option shows at the next picture update; only never and auto act at once.
    if (option != menu::PictureOption::Always && m_state.pictureDocked)
        undockPicture();
    if (option == m_state.pictureOption)
        return;
    QAction* action = option == menu::PictureOption::Always  ? m_always
                      : option == menu::PictureOption::Never ? m_never
                                                             : m_auto;
    action->setChecked(true);
    m_state.pictureOption = option;
    if (option != menu::PictureOption::Always)
        m_picform->close();
}

void TForm1::About1Click() {
    clickSound();
    m_aboutBox->open();
}

void TForm1::TavikHomebase1Click() {
    clickSound();
    m_services.shell.open(menu::productHomePage());
}

void TForm1::BrevanWorksHome1Click() {
    clickSound();
    m_services.shell.open(menu::makerHomePage());
}

void TForm1::CopySerialtoClipboard1Click() {
    clickSound();
    m_services.clipboard.setText(m_serial->text());
}

void TForm1::hpurlClick() {
    if (!m_hpurl->isLink())
        return;
    QString address = m_hpurl->text();
    // The desktop needs a scheme where the Windows shell guessed one.
    if (address.startsWith(u"www", Qt::CaseInsensitive))
        address.prepend(QStringLiteral("http://"));
    m_services.shell.open(address);
}

// ---------------------------------------------------------------------------------------------
// Helpers

void TForm1::playSound(int n) {
    const QString& file = m_state.soundFiles[n - 1];
    if (!file.isEmpty())
        m_services.sound.play(file);
}

QPixmap TForm1::loadBitmap(const QString& name) const {
    // A bitmap that cannot be read leaves its place empty; the menu still opens.
    QImageReader reader(m_state.folders.configFile(name));
    reader.setAllocationLimit(256);
    return QPixmap::fromImage(reader.read());
}

QIcon TForm1::loadIcon(const QString& name, int size, const QColor& background) const {
    QImageReader reader(m_state.folders.configFile(name));
    reader.setAllocationLimit(64);
    // Of the pictures in an icon file, the smallest that is at least as large as asked, else the largest.
    QImage best;
    do {
        const QImage image = reader.read();
        if (image.isNull())
            break;
        const bool bigEnough = image.width() >= size;
        const bool bestBigEnough = !best.isNull() && best.width() >= size;
        if (best.isNull() || (bigEnough && (!bestBigEnough || image.width() < best.width())) ||
            (!bigEnough && !bestBigEnough && image.width() > best.width()))
            best = image;
    } while (reader.jumpToNextImage());
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

QPixmap TForm1::boxWallpaper(BoxFill fill) const {
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

void TForm1::paintEvent(QPaintEvent*) {
    QPainter p(this);
    m_backdrop.paint(p, rect());
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    const bool genre = watched == m_genre || watched == m_genre->viewport();
    const bool members = watched == m_members || watched == m_members->viewport();
    if (!genre && !members)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (genre)
            genreMouseUp();
        else
            membersMouseUp();
        break;
    case QEvent::MouseButtonDblClick:
        if (members)
            membersDblClick();
        break;
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat())
            break;
        if (genre)
            genreKeyUp(key->key());
        else
            membersKeyUp(key->key());
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
