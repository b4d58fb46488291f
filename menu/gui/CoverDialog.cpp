#include "menu/gui/CoverDialog.h"
#include "menu/content/PlainText.h"
#include "menu/gui/MenuSound.h"

#include "common/IniFile.h"
#include "common/PictureFile.h"
#include "menu/cover/ContentList.h"
#include "menu/gui/ContentDialog.h"
#include "menu/gui/DesignLook.h"
#include "ui/services/ChooserService.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/PrintService.h"
#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/ColorBox.h"
#include "ui/widgets/Contrast.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/ShadowButton.h"

#include <QComboBox>
#include <QDate>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QScreen>

namespace {

// Bounds each picture chosen for the cover, as for every picture the menu shows.
constexpr int kPictureAllocationLimitMb = 256;
constexpr int kMargin = 8;
constexpr int kRowStep = 40, kLabelHeight = 16, kFieldHeight = 22;
constexpr int kFirstRow = 34;
constexpr int kTextColumn = 16, kColourColumn = 200, kFontColumn = 394;
constexpr int kColumnWidth = 176;
constexpr int kPictureRowStep = 56; // label, buttons and the file's name
constexpr int kSmallButtonWidth = 84, kSmallButtonHeight = 24;
constexpr int kControlTop = 364;
constexpr int kCommandPoints = 11; // the print and close commands

const QString kDefaultFont = QStringLiteral("Arial");
const QString kCoverJob = QStringLiteral("tavik - lumbrel - cover");
const QString kProductLogo = QStringLiteral(":/cover/coverlogo.png");

// Today in the short form of the disc's language (10.12.2026 on a German disc), with the whole year;
// an English disc takes the machine's own form where the machine speaks English.
QString today(int discLanguage) {
    const QLocale::Language machine = QLocale::system().language();
    const QLocale locale = discLanguage == 1 ? QLocale(QLocale::German, QLocale::Germany)
                           : machine == QLocale::English || machine == QLocale::C ? QLocale::system()
                                                                                  : QLocale(QLocale::English);
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(u"yyyy"))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return locale.toString(QDate::currentDate(), format);
}

// A picture file that is set and still readable; a null image otherwise.
QImage pictureOf(const QString& file) {
    return file.isEmpty() || !QFileInfo(file).isFile() ? QImage()
                                                       : common::readPicture(file, kPictureAllocationLimitMb);
}

QString fontFamily(const QFontComboBox* box) {
    const QString family = box->currentText().trimmed();
    return family.isEmpty() ? kDefaultFont : family;
}

} // namespace

CoverDialog::CoverDialog(ui::Services services, const menu::MenuState& state, QWidget* parent)
    : menu::DesignedDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_services(services), m_state(state) {
    setObjectName(QStringLiteral("Tprintdlgform"));
    setWindowTitle(QStringLiteral("tavik - lumbrel - print cover"));
    setFixedSize(kClientWidth, kClientHeight);

    m_coverGroup = new QFrame(this);
    m_coverGroup->setObjectName(QStringLiteral("covergroup"));
    m_coverGroup->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_coverGroup->setGeometry(kMargin, kMargin, kClientWidth - 2 * kMargin, kControlTop - 2 * kMargin + 4);
    m_coverHead = new ui::EffectLabel(QStringLiteral("cover control"), this);
    m_coverHead->setObjectName(QStringLiteral("coverhead"));
    m_coverHead->setGeometry(kTextColumn, kMargin + 4, 300, 18);

    m_controlGroup = new QFrame(this);
    m_controlGroup->setObjectName(QStringLiteral("controlgroup"));
    m_controlGroup->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_controlGroup->setGeometry(kMargin, kControlTop, kClientWidth - 2 * kMargin,
                                kClientHeight - kControlTop - kMargin);
    m_controlHead = new ui::EffectLabel(QStringLiteral("zol control"), this);
    m_controlHead->setObjectName(QStringLiteral("controlhead"));
    m_controlHead->setGeometry(kTextColumn, kControlTop + 4, 300, 18);
    for (ui::EffectLabel* heading : {m_coverHead, m_controlHead})
        heading->setBold(true);

    createFields();
    createButtons();
    m_contentDialog = new ContentDialog(services, state, this);
}

ui::EffectLabel* CoverDialog::addLabel(int key, const QString& caption, int left, int top, int width) {
    auto* label = new ui::EffectLabel(caption, this);
    label->setObjectName(QStringLiteral("Label%1").arg(key));
    label->setGeometry(left, top, width, kLabelHeight);
    m_labels.emplace_back(key, label);
    return label;
}

ui::ColorBox* CoverDialog::addColorBox(const char16_t* name, int key, const QString& caption,
                                       const QColor& initial, int left, int top) {
    addLabel(key, caption, left, top, kColumnWidth + 14);
    auto* box = new ui::ColorBox(this);
    box->setObjectName(QString::fromUtf16(name));
    box->setColor(initial);
    box->setGeometry(left, top + kLabelHeight + 1, kColumnWidth, kFieldHeight);
    return box;
}

QFontComboBox* CoverDialog::addFontBox(const char16_t* name, int key, const QString& caption, int left,
                                       int top) {
    addLabel(key, caption, left, top, kColumnWidth + 14);
    auto* box = new QFontComboBox(this);
    box->setObjectName(QString::fromUtf16(name));
    box->setFontFilters(QFontComboBox::ScalableFonts);
    box->setCurrentFont(QFont(kDefaultFont));
    // Where the font is not installed the field still names it; printing takes its substitute.
    box->setEditText(kDefaultFont);
    box->setGeometry(left, top + kLabelHeight + 1, kColumnWidth + 14, kFieldHeight);
    return box;
}

void CoverDialog::createFields() {
    auto row = [](int n) { return kFirstRow + n * kRowStep; };
    auto addLine = [this](const char16_t* name, int top) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromUtf16(name));
        field->setGeometry(kTextColumn, top + kLabelHeight + 1, kColumnWidth, kFieldHeight);
        return field;
    };
    addLabel(8, QStringLiteral("cd name"), kTextColumn, row(0), kColumnWidth + 8);
    m_cdNameEdit = addLine(u"cdname", row(0));
    addLabel(7, QStringLiteral("cd nr. (max. 6 char.)"), kTextColumn, row(1), kColumnWidth + 8);
    m_cdNumberEdit = addLine(u"cdnr", row(1));
    addLabel(18, QStringLiteral("cd date"), kTextColumn, row(2), kColumnWidth);
    m_cdDateEdit = addLine(u"cddate", row(2));
    addLabel(25, QStringLiteral("tavik logo"), kTextColumn, row(3), kColumnWidth);
    m_discLogoBox = new QComboBox(this);
    m_discLogoBox->setObjectName(QStringLiteral("ZolLogo"));
    m_discLogoBox->addItems(
        {QStringLiteral("Yes, the zol got me !!!"), QStringLiteral("No advertising, please.")});
    m_discLogoBox->setGeometry(kTextColumn, row(3) + kLabelHeight + 1, kColumnWidth, kFieldHeight);

    const int backTop = row(4), logoTop = backTop + kPictureRowStep;
    addLabel(15, QStringLiteral("background"), kTextColumn, backTop, kColumnWidth);
    addLabel(16, QStringLiteral("logo"), kTextColumn, logoTop, kColumnWidth);
    auto addName = [this](const char16_t* name, int top) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromUtf16(name));
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(kTextColumn, top + kLabelHeight + kSmallButtonHeight + 2, kColumnWidth, 14);
        QFont f = label->font();
        f.setPointSize(7);
        label->setFont(f);
        return label;
    };
    m_backgroundFileName = addName(u"backname", backTop);
    m_logoFileName = addName(u"logoname", logoTop);
    addLabel(17, QStringLiteral("content"), kTextColumn, logoTop + kPictureRowStep, kColumnWidth);

    m_cdNameBoxColour = addColorBox(u"cdnamecolor", 10, QStringLiteral("cd name box color"), Qt::black,
                                    kColourColumn, row(0));
    m_cdNameTextColour = addColorBox(u"cdnamefcolor", 13, QStringLiteral("cd name font color"), Qt::white,
                                     kColourColumn, row(1));
    m_cdNumberBoxColour = addColorBox(u"cdnrcolor", 9, QStringLiteral("cd nr. box color"), QColor(0, 0, 128),
                                      kColourColumn, row(2));
    m_cdNumberTextColour =
        addColorBox(u"cdnrfcolor", 12, QStringLiteral("cd nr. font color"), Qt::white, kColourColumn, row(3));
    m_cdDateBoxColour = addColorBox(u"cddatecolor", 11, QStringLiteral("cd date box color"),
                                    QColor(128, 128, 128), kColourColumn, row(4));
    m_cdDateTextColour = addColorBox(u"cddatefcolor", 14, QStringLiteral("cd date font color"), Qt::black,
                                     kColourColumn, row(5));
    m_sidesColour =
        addColorBox(u"sidescolor", 22, QStringLiteral("sides color"), Qt::white, kColourColumn, row(6));
    m_sidesTextColour =
        addColorBox(u"sidesfcolor", 23, QStringLiteral("sides font color"), Qt::black, kColourColumn, row(7));

    m_cdNameFontBox = addFontBox(u"cdnamefont", 19, QStringLiteral("cd name font"), kFontColumn, row(0));
    m_cdNumberFontBox = addFontBox(u"cdnrfont", 20, QStringLiteral("cd nr. font"), kFontColumn, row(1));
    m_cdDateFontBox = addFontBox(u"cddatefont", 21, QStringLiteral("cd date font"), kFontColumn, row(2));
    m_sidesFontBox = addFontBox(u"sidesfont", 24, QStringLiteral("sides font"), kFontColumn, row(3));
}

ui::ShadowButton* CoverDialog::addButton(const char16_t* name, const QString& caption, const QRect& geometry,
                                         void (CoverDialog::*handler)()) {
    auto* button = new ui::ShadowButton(caption, this);
    button->setObjectName(QString::fromUtf16(name));
    button->setGeometry(geometry);
    button->setShadowDepth(3);
    connect(button, &QAbstractButton::clicked, this, handler);
    m_buttons.push_back(button);
    return button;
}

void CoverDialog::createButtons() {
    const int backTop = kFirstRow + 4 * kRowStep + kLabelHeight + 1;
    const int logoTop = backTop + kPictureRowStep, contentTop = logoTop + kPictureRowStep;
    const int second = kTextColumn + kSmallButtonWidth + 8;
    const QSize small(kSmallButtonWidth, kSmallButtonHeight);
    m_loadBackgroundButton =
        addButton(u"backload", QStringLiteral("load"), QRect(QPoint(kTextColumn, backTop), small),
                  &CoverDialog::loadBackground);
    m_clearBackgroundButton = addButton(u"backclear", QStringLiteral("clear"),
                                        QRect(QPoint(second, backTop), small), &CoverDialog::clearBackground);
    m_loadLogoButton = addButton(u"logoload", QStringLiteral("load"),
                                 QRect(QPoint(kTextColumn, logoTop), small), &CoverDialog::loadLogo);
    m_clearLogoButton = addButton(u"logoclear", QStringLiteral("clear"),
                                  QRect(QPoint(second, logoTop), small), &CoverDialog::clearLogo);
    m_contentListButton =
        addButton(u"contentview", QStringLiteral("edit"), QRect(QPoint(kTextColumn, contentTop), small),
                  &CoverDialog::showContentList);

    const int top = kControlTop + 26;
    m_printButton = addButton(u"printcover", QStringLiteral("print/preview"),
                              QRect(kTextColumn, top, 150, 46), &CoverDialog::printCover);
    m_cancelButton = addButton(u"cancel", QStringLiteral("exit"), QRect(kTextColumn + 158, top, 100, 46),
                               &CoverDialog::cancel);
    for (ui::ShadowButton* button : {m_printButton, m_cancelButton}) {
        QFont f = button->font();
        f.setPointSize(kCommandPoints);
        button->setFont(f);
        button->setShadowDepth(5);
    }
}

void CoverDialog::prepare() {
    if (m_cdNameEdit->text().isEmpty())
        m_cdNameEdit->setText(m_state.identity.discName);
    if (m_cdDateEdit->text().isEmpty())
        m_cdDateEdit->setText(today(m_state.language.texts.language));
    for (QFontComboBox* box : {m_cdNameFontBox, m_cdNumberFontBox, m_cdDateFontBox, m_sidesFontBox}) {
        if (box->currentText().trimmed().isEmpty())
            box->setEditText(kDefaultFont);
    }
    if (m_contentDialog->firstLineEmpty())
        return;
    const menu::DiscFolders& folders = m_state.folders;
    m_contentDialog->setContent(menu::contentList(common::IniFile(folders.configFile(u"genre.cfg")),
                                                  common::IniFile(folders.configFile(u"members.cfg"))));
}

void CoverDialog::openDialog() {
    prepare();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    open();
}

void CoverDialog::clickSound() {
    menu::playMenuSound(m_services.sound, m_state, 3);
}

QString CoverDialog::pictureFilter() {
    return QStringLiteral(
        "Alle Dateien (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)|*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf"
        "|JPEG Bilddatei (*.jpg)|*.jpg"
        "|JPEG Bilddatei (*.jpeg)|*.jpeg"
        "|Bitmaps (*.bmp)|*.bmp"
        "|Symbole (*.ico)|*.ico"
        "|Erweiterte Metadateien (*.emf)|*.emf"
        "|Metadateien (*.wmf)|*.wmf");
}

void CoverDialog::choosePicture(QString& file, QLabel* name) {
    ui::ChooserService::FileRequest request;
    request.filter = pictureFilter();
    const QString chosen = m_services.choosers.openFile(request);
    if (chosen.isEmpty())
        return;
    // Metafiles are offered but cannot be drawn here; a file that holds no picture is refused.
    if (common::readPicture(chosen, kPictureAllocationLimitMb).isNull()) {
        m_services.messages.show(
            ui::MessageBoxService::Kind::Information, ui::MessageBoxService::Buttons::Ok,
            menu::ownMessages(m_state.language.texts.language).unreadablePicture.arg(chosen));
        return;
    }
    setPicture(file, name, chosen);
}

void CoverDialog::setPicture(QString& file, QLabel* name, const QString& chosen) {
    file = chosen;
    name->setText(QFileInfo(chosen).fileName());
    name->setToolTip(menu::plainToolTip(chosen));
}

void CoverDialog::loadBackground() {
    clickSound();
    choosePicture(m_backgroundFile, m_backgroundFileName);
}

void CoverDialog::clearBackground() {
    clickSound();
    setPicture(m_backgroundFile, m_backgroundFileName, {});
}

void CoverDialog::loadLogo() {
    clickSound();
    choosePicture(m_logoFile, m_logoFileName);
}

void CoverDialog::clearLogo() {
    clickSound();
    setPicture(m_logoFile, m_logoFileName, {});
}

void CoverDialog::showContentList() {
    clickSound();
    m_contentDialog->openFor(m_cdNameEdit->text());
}

menu::CoverPage CoverDialog::coverPage() const {
    menu::CoverPage page;
    page.title = m_cdNameEdit->text();
    page.number = m_cdNumberEdit->text();
    page.date = m_cdDateEdit->text();
    page.titleBox = m_cdNameBoxColour->color();
    page.titleText = m_cdNameTextColour->color();
    page.numberBox = m_cdNumberBoxColour->color();
    page.numberText = m_cdNumberTextColour->color();
    page.dateBox = m_cdDateBoxColour->color();
    page.dateText = m_cdDateTextColour->color();
    page.spineBox = m_sidesColour->color();
    page.spineText = m_sidesTextColour->color();
    page.titleFont = fontFamily(m_cdNameFontBox);
    page.numberFont = fontFamily(m_cdNumberFontBox);
    page.dateFont = fontFamily(m_cdDateFontBox);
    page.spineFont = fontFamily(m_sidesFontBox);
    page.background = pictureOf(m_backgroundFile);
    page.logo = pictureOf(m_logoFile);
    if (m_discLogoBox->currentIndex() == 0)
        page.productLogo = QImage(kProductLogo);
    page.contentHeading = m_state.language.texts.coverHeader;
    page.content = m_contentDialog->content();
    return page;
}

void CoverDialog::printCover() {
    clickSound();
    const menu::CoverPage page = coverPage();
    m_services.print.previewPage(kCoverJob, [&page](QPainter& painter) { menu::paintCover(painter, page); });
}

void CoverDialog::cancel() {
    clickSound();
    reject();
}

void CoverDialog::applyLanguage(const menu::LanguageFile& language) {
    if (const auto builtIn = menu::builtInTexts(language.texts.language)) {
        m_discLogoBox->setItemText(0, builtIn->logoYes);
        m_discLogoBox->setItemText(1, builtIn->logoNo);
        const auto names =
            language.texts.language == 1 ? common::ColorLanguage::German : common::ColorLanguage::English;
        for (ui::ColorBox* box : findChildren<ui::ColorBox*>())
            box->setNameLanguage(names);
    }
    if (!language.present)
        return;
    const struct {
        ui::ShadowButton* button;
        int key;
    } buttons[] = {{m_loadBackgroundButton, 17}, {m_clearBackgroundButton, 18}, {m_loadLogoButton, 19},
                   {m_clearLogoButton, 20},      {m_contentListButton, 21},     {m_printButton, 22},
                   {m_cancelButton, 23}};
    for (const auto& b : buttons) {
        b.button->setText(language.buttons[b.key]);
        b.button->setToolTip(menu::plainToolTip(language.hints[b.key]));
    }
    m_controlHead->setText(language.headings[7]);
    m_coverHead->setText(language.headings[8]);
    for (const auto& [key, label] : m_labels)
        label->setText(language.details[key]);
    setWindowTitle(language.forms[2]);
    fitLabels();
    m_contentDialog->applyLanguage(language);
}

void CoverDialog::applyDesign(const menu::DesignLook& look) {
    setDesignBackground(look);
    for (ui::ShadowButton* button : m_buttons)
        look.styleButton(button);
    // A design's label colour may vanish on its own background; the labels take black or white there.
    QImage ground(size(), QImage::Format_RGB32);
    ground.fill(palette().color(QPalette::Window));
    {
        QPainter painter(&ground);
        look.windowBackdrop().paint(painter, rect());
    }
    for (ui::EffectLabel* heading : {m_coverHead, m_controlHead}) {
        menu::styleLabel(heading, look.design.headings);
        heading->setColor(ui::readableColor(look.design.headings.color, ground, heading->geometry()));
    }
    for (const auto& [key, label] : m_labels) {
        menu::styleLabel(label, look.design.detailLabels);
        label->setColor(ui::readableColor(look.design.detailLabels.color, ground, label->geometry()));
    }
    for (QLabel* name : {m_backgroundFileName, m_logoFileName}) {
        QPalette palette = name->palette();
        palette.setColor(QPalette::WindowText,
                         ui::readableColor(look.design.detailLabels.color, ground, name->geometry()));
        name->setPalette(palette);
    }
    fitLabels();
    m_contentDialog->applyDesign(look);
    update();
}

void CoverDialog::fitLabels() {
    for (const auto& [key, label] : m_labels) {
        QFont base = font();
        base.setBold(label->isBold());
        const int room = label->width() - ui::effectMargin(label->effect()) - 2;
        label->setFont(ui::fittingFont(base, {label->text()}, room));
    }
    // The commands below share one caption size, as every button row of the menu does.
    ui::fitRowCaptions({m_printButton, m_cancelButton}, kCommandPoints);
}
