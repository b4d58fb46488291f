// The design editor's window: its controls, their captions and how they reach the design.
#include "editor/gui/design/DesignEditor.h"

#include "common/IniFile.h"
#include "editor/gui/HomePages.h"
#include "editor/gui/PointSize.h"
#include "editor/gui/design/DesignSample.h"
#include "editor/gui/design/SplashPreviewDialog.h"
#include "editor/gui/design/StatusMark.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/EditorState.h"
#include "ui/widgets/ColorBox.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/PictureView.h"
#include "ui/widgets/ShadowButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

using Model = DesignModel;

namespace {

const QString kSection = QStringLiteral("MD");

// The English words of the editor's own messages, until a language file gives them.
const char* const kEnglishTexts[] = {
    "The design file names these files as its media, but a design takes its media only from its own "
    "folder and from the folders back and Sounds of Lumbrel. They have been left out:%1",
    "The design has been saved. These media are stored in its folder under other names, because another "
    "medium has the same name or the name holds characters that a design file cannot store:%1",
    "The design %1 already exists. Replace it and its media?",
    "The menu program of the full preview was not found or cannot be started: %1. Install Lumbrel again.",
    "The folder of the full preview cannot be written, so the preview would show an older design:%1",
    "The file %1 cannot be read as a bitmap. Choose another picture.",
    "The design has been saved, but these media could not be copied into its folder and are missing from "
    "it:%1",
};
static_assert(std::size(kEnglishTexts) == DesignEditor::LastText - DesignEditor::RefusedMedia + 1);

QStringList effectEntries() {
    return {QStringLiteral("None"),   QStringLiteral("Raised"),        QStringLiteral("Sunken"),
            QStringLiteral("Shadow"), QStringLiteral("Raised Shadow"), QStringLiteral("Sunken Shadow")};
}

QStringList fillEntries() {
    return {QStringLiteral("None"), QStringLiteral("Background Bitmap (if selected)"),
            QStringLiteral("Button Bitmap (if selected)")};
}

} // namespace

DesignEditor::DesignEditor(EditorState& state, ui::Services services, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(services) {
    setObjectName(QStringLiteral("Tmdform"));
    setWindowTitle(QStringLiteral("Tavik - Lumbrel - Menu Design Editor"));
    setModal(true);

    m_filePanel = new QGroupBox(QStringLiteral("File Control"), this);
    m_filePanel->setObjectName(QStringLiteral("filePanel"));
    m_captions.push_back({QStringLiteral("E1"), [this](const QString& t) { m_filePanel->setTitle(t); }});
    m_newButton = button(m_filePanel, "ngf", QStringLiteral("New"), "E2");
    m_loadButton = button(m_filePanel, "lgf", QStringLiteral("Load"), "E3");
    m_saveButton = button(m_filePanel, "crgf", QStringLiteral("Save"), "E4");
    m_saveAsButton = button(m_filePanel, "SaveAs", QStringLiteral("Save As"), "E5");
    auto* fileButtons = new QVBoxLayout(m_filePanel);
    for (QPushButton* b : {m_newButton, m_loadButton, m_saveButton, m_saveAsButton})
        fileButtons->addWidget(b);
    fileButtons->addStretch();

    m_samplePanel = new QGroupBox(QStringLiteral("Preview"), this);
    m_samplePanel->setObjectName(QStringLiteral("samplePanel"));
    m_captions.push_back({QStringLiteral("E6"), [this](const QString& t) { m_samplePanel->setTitle(t); }});
    m_sample = new DesignSample(m_samplePanel);
    auto* sampleLayout = new QVBoxLayout(m_samplePanel);
    sampleLayout->addWidget(m_sample);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    const std::pair<QWidget*, const char*> pages[] = {
        {createBackgroundPage(), "E7"}, {createBoxPage(), "E8"},      {createButtonPage(), "E9"},
        {createFontPage(), "E10"},      {createSoundPage(), "E11_2"}, {createAppearancePage(), "E11"}};
    const QString pageTitles[] = {QStringLiteral("&Backgr. Control"), QStringLiteral("B&ox Control"),
                                  QStringLiteral("B&utton Control"),  QStringLiteral("&Font Control"),
                                  QStringLiteral("&Sound Control"),   QStringLiteral("Appearance Control")};
    for (int i = 0; i < 6; ++i) {
        m_tabs->addTab(pages[i].first, pageTitles[i]);
        m_captions.push_back(
            {QLatin1String(pages[i].second), [this, i](const QString& t) { m_tabs->setTabText(i, t); }});
    }

    m_moreDesignsLink = new ui::EffectLabel(QStringLiteral("More Designs at Tavik Homebase"), this);
    m_moreDesignsLink->setObjectName(QStringLiteral("moreDesigns"));
    m_moreDesignsLink->setLink(true);
    // Red under the mouse; otherwise the link colour, which reads on the light dialog background
    // where white would vanish.
    m_moreDesignsLink->setColor(m_moreDesignsLink->palette().color(QPalette::Link));
    m_moreDesignsLink->installEventFilter(this);
    m_captions.push_back(
        {QStringLiteral("E142"), [this](const QString& t) { m_moreDesignsLink->setText(t); }});
    m_okButton = button(this, "zGradBtn3", QStringLiteral("OK"), "E131");
    m_cancelButton = button(this, "zGradBtn4", QStringLiteral("Cancel"), "E132");
    m_helpButton = button(this, "help", QStringLiteral("Help"), "E133");
    m_aboutButton = button(this, "Info", QStringLiteral("Info"), "E134");
    m_okButton->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_moreDesignsLink);
    bottom->addStretch();
    for (QPushButton* b : {m_okButton, m_cancelButton, m_helpButton, m_aboutButton})
        bottom->addWidget(b);

    auto* top = new QHBoxLayout;
    top->addWidget(m_filePanel);
    top->addWidget(m_samplePanel, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(bottom);

    m_splashPreview = new SplashPreviewDialog(this);
    for (int key = RefusedMedia; key <= LastText; ++key)
        m_texts.insert(key, QString::fromUtf8(kEnglishTexts[key - RefusedMedia]));
    connectSettings();
    resize(900, 520);
}

DesignEditor::~DesignEditor() = default;

QPushButton* DesignEditor::button(QWidget* parent, const char* name, const QString& caption,
                                  const char* key) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    m_captions.push_back(captionOf(QLatin1String(key), b));
    return b;
}

StatusMark* DesignEditor::statusMark(QWidget* parent, const char* name, const QString& caption,
                                     const char* key) {
    auto* mark = new StatusMark(name, caption, parent);
    m_captions.push_back({QLatin1String(key), [mark](const QString& t) { mark->setCaption(t); }});
    return mark;
}

QLabel* DesignEditor::label(QWidget* parent, const QString& caption, const char* key) {
    auto* l = new QLabel(caption, parent);
    m_captions.push_back(captionOf(QLatin1String(key), l));
    return l;
}

QComboBox* DesignEditor::choice(QWidget* parent, const char* name, const QStringList& entries, int firstKey) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItems(entries);
    m_choiceKeys.emplace_back(box, firstKey);
    return box;
}

ui::ColorBox* DesignEditor::colorBox(QWidget* parent, const char* name) {
    auto* box = new ui::ColorBox(parent);
    box->setObjectName(QLatin1String(name));
    m_colorBoxes.push_back(box);
    return box;
}

QSpinBox* DesignEditor::spinBox(QWidget* parent, const char* name, int maximum) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, maximum);
    return box;
}

QWidget* DesignEditor::createBackgroundPage() {
    auto* page = new QWidget;
    m_backgroundStartColour = colorBox(page, "bcw");
    m_backgroundEndColour = colorBox(page, "becw");
    m_backgroundBandButton = button(page, "bandmode", QStringLiteral("Set Bandmode"), "E14");
    m_loadBackgroundButton = button(page, "loadbtmpok", QStringLiteral("load Bitmap"), "E15");
    m_clearBackgroundButton = button(page, "clearbmp", QStringLiteral("clear Bitmap"), "E16");
    m_backgroundBitmapModeButton = button(page, "bmpmode", QStringLiteral("set Bitmapmode"), "E17");
    m_backgroundPlacementBox = choice(
        page, "bmptmcb",
        {QStringLiteral("Center"), QStringLiteral("None"), QStringLiteral("Stretch"), QStringLiteral("Tile")},
        19);
    m_backgroundBandMark = statusMark(page, "bandsel", QStringLiteral("Band Mode"), "E23");
    m_backgroundBitmapModeMark = statusMark(page, "bmpsel", QStringLiteral("Bitmap Mode"), "E24");
    m_backgroundBitmapLoadedMark = statusMark(page, "modebmp", QStringLiteral("Bitmap Loaded"), "E25");

    auto* grid = new QGridLayout(page);
    grid->addWidget(label(page, QStringLiteral("Startcolor:"), "E12"), 0, 0);
    grid->addWidget(m_backgroundStartColour, 0, 1);
    grid->addWidget(label(page, QStringLiteral("Endcolor:"), "E13"), 1, 0);
    grid->addWidget(m_backgroundEndColour, 1, 1);
    grid->addWidget(m_backgroundBandButton, 2, 1);
    grid->addWidget(label(page, QStringLiteral("Tile Mode:"), "E18"), 3, 0);
    grid->addWidget(m_backgroundPlacementBox, 3, 1);
    grid->addWidget(m_loadBackgroundButton, 0, 2);
    grid->addWidget(m_clearBackgroundButton, 1, 2);
    grid->addWidget(m_backgroundBitmapModeButton, 2, 2);
    grid->addWidget(m_backgroundBandMark, 0, 3);
    grid->addWidget(m_backgroundBitmapModeMark, 1, 3);
    grid->addWidget(m_backgroundBitmapLoadedMark, 2, 3);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* DesignEditor::createBoxPage() {
    auto* page = new QWidget;
    auto* group = new QGroupBox(QStringLiteral("Menu Boxes"), page);
    m_captions.push_back({QStringLiteral("E44"), [group](const QString& t) { group->setTitle(t); }});
    m_categoryBoxColour = colorBox(group, "boxc_c");
    m_categoryBoxFontColour = colorBox(group, "boxc_fc");
    m_filesBoxColour = colorBox(group, "boxf_c");
    m_filesBoxFontColour = colorBox(group, "boxf_fc");
    m_detailsBoxColour = colorBox(group, "boxd_c");
    m_categoryBoxFillBox = choice(group, "boxc_bmp", fillEntries(), 34);
    m_filesBoxFillBox = choice(group, "boxf_bmp", fillEntries(), 37);
    m_detailsBoxFillBox = choice(group, "boxd_bmp", fillEntries(), 40);

    auto* grid = new QGridLayout(group);
    const std::tuple<const char*, const char*, ui::ColorBox*> colors[] = {
        {"Catecory Box/Item Color:", "E26", m_categoryBoxColour},
        {"Category Box Font Color:", "E27", m_categoryBoxFontColour},
        {"Files Box/Item Color:", "E28", m_filesBoxColour},
        {"Files Box Font Color:", "E29", m_filesBoxFontColour},
        {"Details Box/Item Color:", "E30", m_detailsBoxColour}};
    int row = 0;
    for (const auto& [caption, key, box] : colors) {
        grid->addWidget(label(group, QLatin1String(caption), key), row, 0);
        grid->addWidget(box, row++, 1);
    }
    const std::tuple<const char*, const char*, QComboBox*> fills[] = {
        {"Category Box Fill:", "E31", m_categoryBoxFillBox},
        {"Files Box Fill:", "E32", m_filesBoxFillBox},
        {"Details Box Fill:", "E33", m_detailsBoxFillBox}};
    row = 0;
    for (const auto& [caption, key, box] : fills) {
        grid->addWidget(label(group, QLatin1String(caption), key), row, 2);
        grid->addWidget(box, row++, 3);
    }
    QLabel* note = label(group, QStringLiteral("preview available only in full preview mode"), "E43");
    note->setWordWrap(true);
    grid->addWidget(note, 3, 2, 2, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addStretch();
    return page;
}

QWidget* DesignEditor::createButtonPage() {
    auto* page = new QWidget;
    m_buttonStartColour = colorBox(page, "btncw");
    m_buttonEndColour = colorBox(page, "btnecw");
    m_buttonFontColour = colorBox(page, "btnFw");
    m_buttonBandButton = button(page, "buttonband", QStringLiteral("Set Bandmode"), "E47");
    m_loadButtonBitmapButton = button(page, "loadbuttonbmp", QStringLiteral("Load Bitmap"), "E48");
    m_clearButtonBitmapButton = button(page, "clearbtn", QStringLiteral("Clear Bitmap"), "E49");
    m_buttonBitmapModeButton = button(page, "buttonbmp", QStringLiteral("Set Bitmap Mode"), "E50");
    m_transparentButton = button(page, "buttontrans", QStringLiteral("Set Transparent Mode"), "E54");
    m_buttonBandMark = statusMark(page, "buttonbandsel", QStringLiteral("Band Mode"), "E51");
    m_buttonBitmapModeMark = statusMark(page, "buttonbmpsel", QStringLiteral("Bitmap Mode"), "E51f");
    m_transparentMark = statusMark(page, "buttontranssel", QStringLiteral("Transparent Mode"), "E52");
    m_buttonBitmapLoadedMark = statusMark(page, "BtnBmp", QStringLiteral("Bitmap Loaded"), "E53");
    m_shadowDepthBox = spinBox(page, "btnsd", 15);
    m_borderWidthBox = spinBox(page, "btnbw", 15);
    m_buttonStyleBox =
        choice(page, "btnstylecb",
               {QStringLiteral("Inset"), QStringLiteral("Normal"), QStringLiteral("Offset")}, 59);
    m_buttonEffectBox = choice(page, "btneffectcb", {QStringLiteral("Shadow"), QStringLiteral("3D")}, 63);
    m_buttonFontEffectBox = choice(page, "FontBtnStyle", effectEntries(), 66);
    m_buttonFontBoldBox = new QCheckBox(page);
    m_buttonFontBoldBox->setObjectName(QStringLiteral("btn_fb"));

    auto* grid = new QGridLayout(page);
    const std::tuple<const char*, const char*, QWidget*> settings[] = {
        {"Startcolor:", "E45", m_buttonStartColour}, {"Endcolor:", "E46", m_buttonEndColour},
        {"Font Color:", "E55", m_buttonFontColour},  {"Shadow Depth:", "E56", m_shadowDepthBox},
        {"Border Width:", "E57", m_borderWidthBox},  {"Style:", "E58", m_buttonStyleBox},
        {"Effect:", "E62", m_buttonEffectBox},       {"Font Style:", "E65", m_buttonFontEffectBox},
        {"Bold:", "E72", m_buttonFontBoldBox}};
    int row = 0;
    for (const auto& [caption, key, control] : settings) {
        const int column = row < 5 ? 0 : 2;
        grid->addWidget(label(page, QLatin1String(caption), key), row % 5, column);
        grid->addWidget(control, row % 5, column + 1);
        ++row;
    }
    auto* modes = new QGridLayout;
    modes->addWidget(m_buttonBandButton, 0, 0);
    modes->addWidget(m_buttonBitmapModeButton, 0, 1);
    modes->addWidget(m_transparentButton, 0, 2);
    modes->addWidget(m_loadButtonBitmapButton, 1, 1);
    modes->addWidget(m_clearButtonBitmapButton, 1, 2);
    modes->addWidget(m_buttonBandMark, 2, 0);
    modes->addWidget(m_buttonBitmapModeMark, 2, 1);
    modes->addWidget(m_transparentMark, 2, 2);
    modes->addWidget(m_buttonBitmapLoadedMark, 1, 0);
    grid->addLayout(modes, 5, 0, 1, 4);
    grid->addWidget(label(page, QStringLiteral("Changes show at once on the m_sample button."), "E73"), 6, 0,
                    1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(7, 1);
    return page;
}

QWidget* DesignEditor::createFontPage() {
    auto* page = new QWidget;
    m_categoryFontColour = colorBox(page, "fuc");
    m_filesFontColour = colorBox(page, "fduc");
    m_detailsFontColour = colorBox(page, "fdnc");
    m_categoryFontEffectBox = choice(page, "Font1Style", effectEntries(), 80);
    m_filesFontEffectBox = choice(page, "Font2Style", effectEntries(), 86);
    m_detailsFontEffectBox = choice(page, "Font3Style", effectEntries(), 92);
    m_categoryFontBoldBox = new QCheckBox(QStringLiteral("Bold"), page);
    m_filesFontBoldBox = new QCheckBox(QStringLiteral("Bold"), page);
    m_detailsFontBoldBox = new QCheckBox(QStringLiteral("Bold"), page);
    auto* grid = new QGridLayout(page);
    const std::tuple<const char*, const char*, ui::ColorBox*, const char*, const char*, QComboBox*,
                     QCheckBox*, const char*, const char*>
        fonts[] = {{"Category Font Color:", "E74", m_categoryFontColour, "Category Font Effect:", "E77",
                    m_categoryFontEffectBox, m_categoryFontBoldBox, "cf_b", "E98"},
                   {"Files Font Color:", "E75", m_filesFontColour, "Files Font Effect:", "E78",
                    m_filesFontEffectBox, m_filesFontBoldBox, "ff_b", "E99"},
                   {"Details Font Color:", "E76", m_detailsFontColour, "Details Font Effect:", "E79",
                    m_detailsFontEffectBox, m_detailsFontBoldBox, "df_b", "E100"}};
    int row = 0;
    for (const auto& [colorCaption, colorKey, color, effectCaption, effectKey, effect, bold, boldName,
                      boldKey] : fonts) {
        grid->addWidget(label(page, QLatin1String(colorCaption), colorKey), row, 0);
        grid->addWidget(color, row, 1);
        grid->addWidget(label(page, QLatin1String(effectCaption), effectKey), row, 2);
        grid->addWidget(effect, row, 3);
        grid->addWidget(bold, row, 4);
        bold->setObjectName(QLatin1String(boldName));
        m_captions.push_back({QLatin1String(boldKey), [b = bold](const QString& t) { b->setText(t); }});
        ++row;
    }
    grid->addWidget(label(page, QStringLiteral("Changes show at once on the m_sample texts."), "E101"), 3, 0,
                    1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* DesignEditor::createSoundPage() {
    auto* page = new QWidget;
    m_soundBox = choice(page, "soundc",
                        {QStringLiteral("Start Lumbrel"), QStringLiteral("Standard Sound"),
                         QStringLiteral("Button Sound"), QStringLiteral("Copy Complete"),
                         QStringLiteral("Unzip Complete")},
                        103);
    m_playSoundButton = button(page, "soundplay", QStringLiteral("Play"), "E108");
    m_stopSoundButton = button(page, "soundstop", QStringLiteral("Stop"), "E109");
    m_loadSoundButton = button(page, "SoundOpen", QStringLiteral("Open"), "E110");
    m_clearSoundButton = button(page, "SoundClear", QStringLiteral("Clear"), "E111");
    auto* grid = new QGridLayout(page);
    grid->addWidget(label(page, QStringLiteral("Sound:"), "E102"), 0, 0);
    grid->addWidget(m_soundBox, 0, 1, 1, 4);
    int column = 1;
    for (QPushButton* b : {m_playSoundButton, m_stopSoundButton, m_loadSoundButton, m_clearSoundButton})
        grid->addWidget(b, 1, column++);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(2, 1);
    return page;
}

QWidget* DesignEditor::createAppearancePage() {
    auto* page = new QWidget;
    const auto group = [&](const QString& title, const char* key) {
        auto* g = new QGroupBox(title, page);
        m_captions.push_back({QLatin1String(key), [g](const QString& t) { g->setTitle(t); }});
        return g;
    };
    QGroupBox* languageGroup = group(QStringLiteral("Menu Language"), "E112");
    m_menuLanguageBox =
        choice(languageGroup, "language_c", {QStringLiteral("English"), QStringLiteral("German")}, 114);
    m_captionStyleBox =
        choice(languageGroup, "language_sc", {QStringLiteral("Lowercase"), QStringLiteral("Normal")}, 117);
    auto* languageGrid = new QGridLayout(languageGroup);
    languageGrid->addWidget(label(languageGroup, QStringLiteral("Language"), "E113"), 0, 0);
    languageGrid->addWidget(m_menuLanguageBox, 0, 1);
    languageGrid->addWidget(label(languageGroup, QStringLiteral("Style"), "E116"), 1, 0);
    languageGrid->addWidget(m_captionStyleBox, 1, 1);
    languageGrid->setRowStretch(2, 1);

    QGroupBox* splashGroup = group(QStringLiteral("Splash Screen"), "E119");
    m_loadSplashButton = button(splashGroup, "splash_load", QStringLiteral("Load Bitmap"), "E120");
    m_clearSplashButton = button(splashGroup, "splash_clear", QStringLiteral("Clear"), "E121");
    m_previewSplashButton = button(splashGroup, "splash_prev", QStringLiteral("Preview"), "E122");
    m_splashFrameColour = colorBox(splashGroup, "splash_fc");
    m_splashFrameWidthBox = spinBox(splashGroup, "splash_fw", 250);
    m_splashDelayBox = spinBox(splashGroup, "splash_d", 60);
    m_splashMark = new StatusMark("splash_status", QString(), splashGroup);
    auto* splashGrid = new QGridLayout(splashGroup);
    splashGrid->addWidget(m_splashMark, 0, 0);
    splashGrid->addWidget(m_loadSplashButton, 0, 1);
    splashGrid->addWidget(m_clearSplashButton, 0, 2);
    splashGrid->addWidget(m_previewSplashButton, 0, 3);
    splashGrid->addWidget(label(splashGroup, QStringLiteral("Frame Color:"), "E123"), 1, 0, 1, 2);
    splashGrid->addWidget(m_splashFrameColour, 1, 2, 1, 2);
    splashGrid->addWidget(label(splashGroup, QStringLiteral("Frame Width:"), "E124"), 2, 0, 1, 2);
    splashGrid->addWidget(m_splashFrameWidthBox, 2, 2, 1, 2);
    splashGrid->addWidget(label(splashGroup, QStringLiteral("Delay (sec.):"), "E125"), 3, 0, 1, 2);
    splashGrid->addWidget(m_splashDelayBox, 3, 2, 1, 2);
    splashGrid->setRowStretch(4, 1);

    QGroupBox* iconGroup = group(QStringLiteral("Disc Icon"), "E126");
    m_loadIconButton = button(iconGroup, "icon_load", QStringLiteral("Load icon"), "E127");
    m_clearIconButton = button(iconGroup, "icon_clear", QStringLiteral("clear"), "E128");
    m_iconPreview = new ui::PictureView(iconGroup);
    m_iconPreview->setObjectName(QStringLiteral("icon_prev"));
    m_iconPreview->setFixedSize(44, 44);
    m_iconPreview->setBackgroundColor(palette().color(QPalette::Window));
    m_iconMark = new StatusMark("icon_status", QString(), iconGroup);
    auto* iconGrid = new QGridLayout(iconGroup);
    iconGrid->addWidget(m_iconMark, 0, 0);
    iconGrid->addWidget(m_iconPreview, 0, 1, 2, 1);
    iconGrid->addWidget(m_loadIconButton, 0, 2);
    iconGrid->addWidget(m_clearIconButton, 1, 2);
    QLabel* note =
        label(iconGroup,
              QStringLiteral("if you do not select an icon the Tavik - Lumbrel  icon will be used"), "E129");
    note->setWordWrap(true);
    iconGrid->addWidget(note, 2, 0, 1, 3);
    iconGrid->setRowStretch(3, 1);

    auto* grid = new QGridLayout(page);
    grid->addWidget(languageGroup, 0, 0);
    grid->addWidget(iconGroup, 1, 0);
    grid->addWidget(splashGroup, 0, 1, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

void DesignEditor::applyTexts(const common::IniFile& file, const LanguageTables&, int language) {
    applyCaptions(m_captions, file, kSection);
    for (const auto& [box, firstKey] : m_choiceKeys) {
        for (int i = 0; i < box->count(); ++i)
            box->setItemText(i, windowText(file, kSection, firstKey + i));
    }
    for (ui::ColorBox* box : m_colorBoxes)
        box->setNameLanguage(colorLanguage(language));
    for (int key = RefusedMedia; key <= LastText; ++key) {
        const QString t = windowText(file, kSection, key);
        m_texts.insert(key, t.isEmpty() ? QString::fromUtf8(kEnglishTexts[key - RefusedMedia]) : t);
    }

    // Headings 11 points, buttons 10, the rest 9.
    for (QWidget* w : findChildren<QWidget*>()) {
        if (qobject_cast<QPushButton*>(w))
            setPointSize(w, 10);
        else if (qobject_cast<QGroupBox*>(w))
            setPointSize(w, 11);
        else if (qobject_cast<QLabel*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QCheckBox*>(w) ||
                 qobject_cast<QSpinBox*>(w) || qobject_cast<StatusMark*>(w))
            setPointSize(w, 9);
    }
    // The six page titles share one row.
    setPointSize(m_tabs, 10);
    m_moreDesignsLink->setMinimumWidth(m_moreDesignsLink->sizeHint().width() + 6);
    setTitleToDesign();
}

bool DesignEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_moreDesignsLink && event->type() == QEvent::Enter)
        m_moreDesignsLink->setColor(Qt::red);
    else if (watched == m_moreDesignsLink && event->type() == QEvent::Leave)
        m_moreDesignsLink->setColor(m_moreDesignsLink->palette().color(QPalette::Link));
    return QDialog::eventFilter(watched, event);
}

QString DesignEditor::designsHomePage() {
    return lumbrelHomePage() + QStringLiteral("designs/");
}

// --- Settings --------------------------------------------------------------------------------------

void DesignEditor::changed(const std::function<void(DesignModel&)>& apply) {
    if (m_showing)
        return;
    apply(m_state.design);
    m_state.design.modified = true;
    showSample();
}

void DesignEditor::connectSettings() {
    const auto color = [this](ui::ColorBox* box, QColor Model::*field) {
        connect(box, &ui::ColorBox::colorChanged, this,
                [this, field](const QColor& c) { changed([&](Model& d) { d.*field = c; }); });
    };
    color(m_backgroundStartColour, &Model::backStart);
    color(m_backgroundEndColour, &Model::backEnd);
    color(m_categoryBoxColour, &Model::categoryBox);
    color(m_categoryBoxFontColour, &Model::categoryBoxFont);
    color(m_filesBoxColour, &Model::filesBox);
    color(m_filesBoxFontColour, &Model::filesBoxFont);
    color(m_detailsBoxColour, &Model::detailsBox);
    color(m_buttonStartColour, &Model::buttonStart);
    color(m_buttonEndColour, &Model::buttonEnd);
    color(m_buttonFontColour, &Model::buttonFont);
    color(m_categoryFontColour, &Model::headingFont);
    color(m_filesFontColour, &Model::labelFont);
    color(m_detailsFontColour, &Model::valueFont);
    color(m_splashFrameColour, &Model::splashFrameColor);

    const auto number = [this](QSpinBox* box, int Model::*field) {
        connect(box, &QSpinBox::valueChanged, this,
                [this, field](int v) { changed([&](Model& d) { d.*field = v; }); });
    };
    number(m_shadowDepthBox, &Model::shadowDepth);
    number(m_borderWidthBox, &Model::borderWidth);
    number(m_splashFrameWidthBox, &Model::splashFrameWidth);
    number(m_splashDelayBox, &Model::splashDelay);

    const auto flag = [this](QCheckBox* box, bool Model::*field) {
        connect(box, &QCheckBox::toggled, this,
                [this, field](bool on) { changed([&](Model& d) { d.*field = on; }); });
    };
    flag(m_buttonFontBoldBox, &Model::buttonBold);
    flag(m_categoryFontBoldBox, &Model::headingBold);
    flag(m_filesFontBoldBox, &Model::labelBold);
    flag(m_detailsFontBoldBox, &Model::valueBold);

    // Lists whose entries stand in the order of the values they choose.
    const auto list = [this](QComboBox* box, auto field, bool clicks) {
        connect(box, &QComboBox::currentIndexChanged, this, [this, field, clicks](int i) {
            if (m_showing || i < 0)
                return;
            if (clicks)
                click();
            changed(
                [&](Model& d) { d.*field = static_cast<std::remove_reference_t<decltype(d.*field)>>(i); });
        });
    };
    list(m_backgroundPlacementBox, &Model::tileMode, false);
    list(m_buttonStyleBox, &Model::buttonStyle, true);
    list(m_buttonEffectBox, &Model::buttonEffect, true);
    list(m_buttonFontEffectBox, &Model::buttonFontEffect, false);
    list(m_categoryFontEffectBox, &Model::headingEffect, false);
    list(m_filesFontEffectBox, &Model::labelEffect, false);
    list(m_detailsFontEffectBox, &Model::valueEffect, false);
    list(m_menuLanguageBox, &Model::language, false);
    list(m_captionStyleBox, &Model::style, false);

    for (const auto& [box, field] : {std::pair{m_categoryBoxFillBox, &Model::categoryBoxFill},
                                     {m_filesBoxFillBox, &Model::filesBoxFill},
                                     {m_detailsBoxFillBox, &Model::detailsBoxFill}}) {
        connect(box, &QComboBox::currentIndexChanged, this, [this, b = box, f = field](int i) {
            if (m_showing || i < 0)
                return;
            Model& d = m_state.design;
            const designediting::Refusal refusal = designediting::setBoxFill(d, d.*f, Model::BoxFill(i));
            if (refusal == designediting::Refusal::None)
                return;
            refuse(refusal);
            const QSignalBlocker blocker(b);
            b->setCurrentIndex(int(d.*f));
        });
    }

    const std::pair<QPushButton*, void (DesignEditor::*)()> commands[] = {
        {m_backgroundBandButton, &DesignEditor::backgroundBandClicked},
        {m_loadBackgroundButton, &DesignEditor::loadBackgroundClicked},
        {m_clearBackgroundButton, &DesignEditor::clearBackgroundClicked},
        {m_backgroundBitmapModeButton, &DesignEditor::backgroundBitmapModeClicked},
        {m_buttonBandButton, &DesignEditor::buttonBandClicked},
        {m_loadButtonBitmapButton, &DesignEditor::loadButtonBitmapClicked},
        {m_clearButtonBitmapButton, &DesignEditor::clearButtonBitmapClicked},
        {m_buttonBitmapModeButton, &DesignEditor::buttonBitmapModeClicked},
        {m_transparentButton, &DesignEditor::transparentClicked},
        {m_playSoundButton, &DesignEditor::playSoundClicked},
        {m_stopSoundButton, &DesignEditor::stopSoundClicked},
        {m_loadSoundButton, &DesignEditor::loadSoundClicked},
        {m_clearSoundButton, &DesignEditor::clearSoundClicked},
        {m_loadSplashButton, &DesignEditor::loadSplashClicked},
        {m_clearSplashButton, &DesignEditor::clearSplashClicked},
        {m_previewSplashButton, &DesignEditor::previewSplashClicked},
        {m_loadIconButton, &DesignEditor::loadIconClicked},
        {m_clearIconButton, &DesignEditor::clearIconClicked},
        {m_newButton, &DesignEditor::newDesignClicked},
        {m_loadButton, &DesignEditor::loadDesignClicked},
        {m_saveButton, &DesignEditor::saveDesignClicked},
        {m_saveAsButton, &DesignEditor::saveAsClicked},
        {m_okButton, &DesignEditor::okClicked},
        {m_cancelButton, &DesignEditor::cancelClicked},
        {m_helpButton, &DesignEditor::helpClicked},
        {m_aboutButton, &DesignEditor::aboutClicked},
    };
    for (const auto& [b, handler] : commands)
        connect(b, &QPushButton::clicked, this, handler);
    connect(m_soundBox, &QComboBox::currentIndexChanged, this, &DesignEditor::soundChosen);
    connect(m_sample, &DesignSample::fullPreviewPressed, this, &DesignEditor::fullPreviewClicked);
    connect(m_moreDesignsLink, &ui::EffectLabel::clicked, this, &DesignEditor::designsHomePageClicked);
}
