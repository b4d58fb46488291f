// The design editor's window: its controls, their captions and how they reach the design.
#include "editor/gui/design/DesignEditor.h"

#include "common/IniFile.h"
#include "editor/gui/PointSize.h"
#include "editor/gui/design/DesignSample.h"
#include "editor/gui/design/SplashPreviewDialog.h"
#include "editor/gui/design/StatusMark.h"
#include "editor/gui/mainwindow/MainWindow.h"
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

    filePanel = new QGroupBox(QStringLiteral("File Control"), this);
    filePanel->setObjectName(QStringLiteral("filePanel"));
    m_captions.push_back({QStringLiteral("E1"), [this](const QString& t) { filePanel->setTitle(t); }});
    ngf = button(filePanel, "ngf", QStringLiteral("New"), "E2");
    lgf = button(filePanel, "lgf", QStringLiteral("Load"), "E3");
    crgf = button(filePanel, "crgf", QStringLiteral("Save"), "E4");
    SaveAs = button(filePanel, "SaveAs", QStringLiteral("Save As"), "E5");
    auto* fileButtons = new QVBoxLayout(filePanel);
    for (QPushButton* b : {ngf, lgf, crgf, SaveAs})
        fileButtons->addWidget(b);
    fileButtons->addStretch();

    samplePanel = new QGroupBox(QStringLiteral("Preview"), this);
    samplePanel->setObjectName(QStringLiteral("samplePanel"));
    m_captions.push_back({QStringLiteral("E6"), [this](const QString& t) { samplePanel->setTitle(t); }});
    sample = new DesignSample(samplePanel);
    testbtn = sample->testbtn;
    auto* sampleLayout = new QVBoxLayout(samplePanel);
    sampleLayout->addWidget(sample);

    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("PageControl1"));
    const std::pair<QWidget*, const char*> pages[] = {
        {createBackgroundPage(), "E7"}, {createBoxPage(), "E8"},      {createButtonPage(), "E9"},
        {createFontPage(), "E10"},      {createSoundPage(), "E11_2"}, {createAppearancePage(), "E11"}};
    const QString pageTitles[] = {QStringLiteral("&Backgr. Control"), QStringLiteral("B&ox Control"),
                                  QStringLiteral("B&utton Control"),  QStringLiteral("&Font Control"),
                                  QStringLiteral("&Sound Control"),   QStringLiteral("Appearance Control")};
    for (int i = 0; i < 6; ++i) {
        tabs->addTab(pages[i].first, pageTitles[i]);
        m_captions.push_back(
            {QLatin1String(pages[i].second), [this, i](const QString& t) { tabs->setTabText(i, t); }});
    }

    moreDesigns = new ui::EffectLabel(QStringLiteral("More Designs at Tavik Homebase"), this);
    moreDesigns->setObjectName(QStringLiteral("moreDesigns"));
    moreDesigns->setLink(true);
    // Red under the mouse; otherwise the link colour, which reads on the light dialog background
    // where white would vanish.
    moreDesigns->setColor(moreDesigns->palette().color(QPalette::Link));
    moreDesigns->installEventFilter(this);
    m_captions.push_back({QStringLiteral("E142"), [this](const QString& t) { moreDesigns->setText(t); }});
    OK = button(this, "zGradBtn3", QStringLiteral("OK"), "E131");
    Cancel = button(this, "zGradBtn4", QStringLiteral("Cancel"), "E132");
    help = button(this, "help", QStringLiteral("Help"), "E133");
    Info = button(this, "Info", QStringLiteral("Info"), "E134");
    OK->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(moreDesigns);
    bottom->addStretch();
    for (QPushButton* b : {OK, Cancel, help, Info})
        bottom->addWidget(b);

    auto* top = new QHBoxLayout;
    top->addWidget(filePanel);
    top->addWidget(samplePanel, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tabs, 1);
    layout->addLayout(bottom);

    splashPreview = new SplashPreviewDialog(this);
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
    backStart = colorBox(page, "bcw");
    backEnd = colorBox(page, "becw");
    bandmode = button(page, "bandmode", QStringLiteral("Set Bandmode"), "E14");
    loadbtmpok = button(page, "loadbtmpok", QStringLiteral("load Bitmap"), "E15");
    clearbmp = button(page, "clearbmp", QStringLiteral("clear Bitmap"), "E16");
    bmpmode = button(page, "bmpmode", QStringLiteral("set Bitmapmode"), "E17");
    bmptmcb = choice(
        page, "bmptmcb",
        {QStringLiteral("Center"), QStringLiteral("None"), QStringLiteral("Stretch"), QStringLiteral("Tile")},
        19);
    bandsel = new StatusMark("bandsel", QStringLiteral("Band Mode"), page);
    bmpsel = new StatusMark("bmpsel", QStringLiteral("Bitmap Mode"), page);
    modebmp = new StatusMark("modebmp", QStringLiteral("Bitmap Loaded"), page);
    for (const auto& [mark, key] : {std::pair{bandsel, "E23"}, {bmpsel, "E24"}, {modebmp, "E25"}})
        m_captions.push_back({QLatin1String(key), [m = mark](const QString& t) { m->setCaption(t); }});

    auto* grid = new QGridLayout(page);
    grid->addWidget(label(page, QStringLiteral("Startcolor:"), "E12"), 0, 0);
    grid->addWidget(backStart, 0, 1);
    grid->addWidget(label(page, QStringLiteral("Endcolor:"), "E13"), 1, 0);
    grid->addWidget(backEnd, 1, 1);
    grid->addWidget(bandmode, 2, 1);
    grid->addWidget(label(page, QStringLiteral("Tile Mode:"), "E18"), 3, 0);
    grid->addWidget(bmptmcb, 3, 1);
    grid->addWidget(loadbtmpok, 0, 2);
    grid->addWidget(clearbmp, 1, 2);
    grid->addWidget(bmpmode, 2, 2);
    grid->addWidget(bandsel, 0, 3);
    grid->addWidget(bmpsel, 1, 3);
    grid->addWidget(modebmp, 2, 3);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* DesignEditor::createBoxPage() {
    auto* page = new QWidget;
    auto* group = new QGroupBox(QStringLiteral("Menu Boxes"), page);
    m_captions.push_back({QStringLiteral("E44"), [group](const QString& t) { group->setTitle(t); }});
    boxc_c = colorBox(group, "boxc_c");
    boxc_fc = colorBox(group, "boxc_fc");
    boxf_c = colorBox(group, "boxf_c");
    boxf_fc = colorBox(group, "boxf_fc");
    boxd_c = colorBox(group, "boxd_c");
    boxc_bmp = choice(group, "boxc_bmp", fillEntries(), 34);
    boxf_bmp = choice(group, "boxf_bmp", fillEntries(), 37);
    boxd_bmp = choice(group, "boxd_bmp", fillEntries(), 40);

    auto* grid = new QGridLayout(group);
    const std::tuple<const char*, const char*, ui::ColorBox*> colors[] = {
        {"Catecory Box/Item Color:", "E26", boxc_c},
        {"Category Box Font Color:", "E27", boxc_fc},
        {"Files Box/Item Color:", "E28", boxf_c},
        {"Files Box Font Color:", "E29", boxf_fc},
        {"Details Box/Item Color:", "E30", boxd_c}};
    int row = 0;
    for (const auto& [caption, key, box] : colors) {
        grid->addWidget(label(group, QLatin1String(caption), key), row, 0);
        grid->addWidget(box, row++, 1);
    }
    const std::tuple<const char*, const char*, QComboBox*> fills[] = {{"Category Box Fill:", "E31", boxc_bmp},
                                                                      {"Files Box Fill:", "E32", boxf_bmp},
                                                                      {"Details Box Fill:", "E33", boxd_bmp}};
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
    btncw = colorBox(page, "btncw");
    btnecw = colorBox(page, "btnecw");
    btnFw = colorBox(page, "btnFw");
    buttonband = button(page, "buttonband", QStringLiteral("Set Bandmode"), "E47");
    loadbuttonbmp = button(page, "loadbuttonbmp", QStringLiteral("Load Bitmap"), "E48");
    clearbtn = button(page, "clearbtn", QStringLiteral("Clear Bitmap"), "E49");
    buttonbmp = button(page, "buttonbmp", QStringLiteral("Set Bitmap Mode"), "E50");
    buttontrans = button(page, "buttontrans", QStringLiteral("Set Transparent Mode"), "E54");
    buttonbandsel = new StatusMark("buttonbandsel", QStringLiteral("Band Mode"), page);
    buttonbmpsel = new StatusMark("buttonbmpsel", QStringLiteral("Bitmap Mode"), page);
    buttontranssel = new StatusMark("buttontranssel", QStringLiteral("Transparent Mode"), page);
    BtnBmp = new StatusMark("BtnBmp", QStringLiteral("Bitmap Loaded"), page);
    for (const auto& [mark, key] :
         {std::pair{buttonbandsel, "E51"}, {buttonbmpsel, "E51f"}, {buttontranssel, "E52"}, {BtnBmp, "E53"}})
        m_captions.push_back({QLatin1String(key), [m = mark](const QString& t) { m->setCaption(t); }});
    btnsd = spinBox(page, "btnsd", 15);
    btnbw = spinBox(page, "btnbw", 15);
    btnstylecb = choice(page, "btnstylecb",
                        {QStringLiteral("Inset"), QStringLiteral("Normal"), QStringLiteral("Offset")}, 59);
    btneffectcb = choice(page, "btneffectcb", {QStringLiteral("Shadow"), QStringLiteral("3D")}, 63);
    FontBtnStyle = choice(page, "FontBtnStyle", effectEntries(), 66);
    btn_fb = new QCheckBox(page);
    btn_fb->setObjectName(QStringLiteral("btn_fb"));

    auto* grid = new QGridLayout(page);
    const std::tuple<const char*, const char*, QWidget*> settings[] = {
        {"Startcolor:", "E45", btncw},   {"Endcolor:", "E46", btnecw},         {"Font Color:", "E55", btnFw},
        {"Shadow Depth:", "E56", btnsd}, {"Border Width:", "E57", btnbw},      {"Style:", "E58", btnstylecb},
        {"Effect:", "E62", btneffectcb}, {"Font Style:", "E65", FontBtnStyle}, {"Bold:", "E72", btn_fb}};
    int row = 0;
    for (const auto& [caption, key, control] : settings) {
        const int column = row < 5 ? 0 : 2;
        grid->addWidget(label(page, QLatin1String(caption), key), row % 5, column);
        grid->addWidget(control, row % 5, column + 1);
        ++row;
    }
    auto* modes = new QGridLayout;
    modes->addWidget(buttonband, 0, 0);
    modes->addWidget(buttonbmp, 0, 1);
    modes->addWidget(buttontrans, 0, 2);
    modes->addWidget(loadbuttonbmp, 1, 1);
    modes->addWidget(clearbtn, 1, 2);
    modes->addWidget(buttonbandsel, 2, 0);
    modes->addWidget(buttonbmpsel, 2, 1);
    modes->addWidget(buttontranssel, 2, 2);
    modes->addWidget(BtnBmp, 1, 0);
    grid->addLayout(modes, 5, 0, 1, 4);
    grid->addWidget(label(page, QStringLiteral("Changes show at once on the sample button."), "E73"), 6, 0, 1,
                    4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(7, 1);
    return page;
}

QWidget* DesignEditor::createFontPage() {
    auto* page = new QWidget;
    fuc = colorBox(page, "fuc");
    fduc = colorBox(page, "fduc");
    fdnc = colorBox(page, "fdnc");
    Font1Style = choice(page, "Font1Style", effectEntries(), 80);
    Font2Style = choice(page, "Font2Style", effectEntries(), 86);
    Font3Style = choice(page, "Font3Style", effectEntries(), 92);
    cf_b = new QCheckBox(QStringLiteral("Bold"), page);
    ff_b = new QCheckBox(QStringLiteral("Bold"), page);
    df_b = new QCheckBox(QStringLiteral("Bold"), page);
    auto* grid = new QGridLayout(page);
    const std::tuple<const char*, const char*, ui::ColorBox*, const char*, const char*, QComboBox*,
                     QCheckBox*, const char*, const char*>
        fonts[] = {
            {"Category Font Color:", "E74", fuc, "Category Font Effect:", "E77", Font1Style, cf_b, "cf_b",
             "E98"},
            {"Files Font Color:", "E75", fduc, "Files Font Effect:", "E78", Font2Style, ff_b, "ff_b", "E99"},
            {"Details Font Color:", "E76", fdnc, "Details Font Effect:", "E79", Font3Style, df_b, "df_b",
             "E100"}};
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
    grid->addWidget(label(page, QStringLiteral("Changes show at once on the sample texts."), "E101"), 3, 0, 1,
                    5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* DesignEditor::createSoundPage() {
    auto* page = new QWidget;
    soundc = choice(page, "soundc",
                    {QStringLiteral("Start Lumbrel"), QStringLiteral("Standard Sound"),
                     QStringLiteral("Button Sound"), QStringLiteral("Copy Complete"),
                     QStringLiteral("Unzip Complete")},
                    103);
    soundplay = button(page, "soundplay", QStringLiteral("Play"), "E108");
    soundstop = button(page, "soundstop", QStringLiteral("Stop"), "E109");
    SoundOpen = button(page, "SoundOpen", QStringLiteral("Open"), "E110");
    SoundClear = button(page, "SoundClear", QStringLiteral("Clear"), "E111");
    auto* grid = new QGridLayout(page);
    grid->addWidget(label(page, QStringLiteral("Sound:"), "E102"), 0, 0);
    grid->addWidget(soundc, 0, 1, 1, 4);
    int column = 1;
    for (QPushButton* b : {soundplay, soundstop, SoundOpen, SoundClear})
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
    language_c =
        choice(languageGroup, "language_c", {QStringLiteral("English"), QStringLiteral("German")}, 114);
    language_sc =
        choice(languageGroup, "language_sc", {QStringLiteral("Lowercase"), QStringLiteral("Normal")}, 117);
    auto* languageGrid = new QGridLayout(languageGroup);
    languageGrid->addWidget(label(languageGroup, QStringLiteral("Language"), "E113"), 0, 0);
    languageGrid->addWidget(language_c, 0, 1);
    languageGrid->addWidget(label(languageGroup, QStringLiteral("Style"), "E116"), 1, 0);
    languageGrid->addWidget(language_sc, 1, 1);
    languageGrid->setRowStretch(2, 1);

    QGroupBox* splashGroup = group(QStringLiteral("Splash Screen"), "E119");
    splash_load = button(splashGroup, "splash_load", QStringLiteral("Load Bitmap"), "E120");
    splash_clear = button(splashGroup, "splash_clear", QStringLiteral("Clear"), "E121");
    splash_prev = button(splashGroup, "splash_prev", QStringLiteral("Preview"), "E122");
    splash_fc = colorBox(splashGroup, "splash_fc");
    splash_fw = spinBox(splashGroup, "splash_fw", 250);
    splash_d = spinBox(splashGroup, "splash_d", 60);
    splash_status = new StatusMark("splash_status", QString(), splashGroup);
    auto* splashGrid = new QGridLayout(splashGroup);
    splashGrid->addWidget(splash_status, 0, 0);
    splashGrid->addWidget(splash_load, 0, 1);
    splashGrid->addWidget(splash_clear, 0, 2);
    splashGrid->addWidget(splash_prev, 0, 3);
    splashGrid->addWidget(label(splashGroup, QStringLiteral("Frame Color:"), "E123"), 1, 0, 1, 2);
    splashGrid->addWidget(splash_fc, 1, 2, 1, 2);
    splashGrid->addWidget(label(splashGroup, QStringLiteral("Frame Width:"), "E124"), 2, 0, 1, 2);
    splashGrid->addWidget(splash_fw, 2, 2, 1, 2);
    splashGrid->addWidget(label(splashGroup, QStringLiteral("Delay (sec.):"), "E125"), 3, 0, 1, 2);
    splashGrid->addWidget(splash_d, 3, 2, 1, 2);
    splashGrid->setRowStretch(4, 1);

    QGroupBox* iconGroup = group(QStringLiteral("Disc Icon"), "E126");
    icon_load = button(iconGroup, "icon_load", QStringLiteral("Load icon"), "E127");
    icon_clear = button(iconGroup, "icon_clear", QStringLiteral("clear"), "E128");
    icon_prev = new ui::PictureView(iconGroup);
    icon_prev->setObjectName(QStringLiteral("icon_prev"));
    icon_prev->setFixedSize(44, 44);
    icon_prev->setBackgroundColor(palette().color(QPalette::Window));
    icon_status = new StatusMark("icon_status", QString(), iconGroup);
    auto* iconGrid = new QGridLayout(iconGroup);
    iconGrid->addWidget(icon_status, 0, 0);
    iconGrid->addWidget(icon_prev, 0, 1, 2, 1);
    iconGrid->addWidget(icon_load, 0, 2);
    iconGrid->addWidget(icon_clear, 1, 2);
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
    setPointSize(tabs, 10);
    moreDesigns->setMinimumWidth(moreDesigns->sizeHint().width() + 6);
    setTitleToDesign();
}

bool DesignEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == moreDesigns && event->type() == QEvent::Enter)
        moreDesigns->setColor(Qt::red);
    else if (watched == moreDesigns && event->type() == QEvent::Leave)
        moreDesigns->setColor(moreDesigns->palette().color(QPalette::Link));
    return QDialog::eventFilter(watched, event);
}

QString DesignEditor::designsHomePage() {
    return MainWindow::homePageAddress() + QStringLiteral("designs/");
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
    color(backStart, &Model::backStart);
    color(backEnd, &Model::backEnd);
    color(boxc_c, &Model::categoryBox);
    color(boxc_fc, &Model::categoryBoxFont);
    color(boxf_c, &Model::filesBox);
    color(boxf_fc, &Model::filesBoxFont);
    color(boxd_c, &Model::detailsBox);
    color(btncw, &Model::buttonStart);
    color(btnecw, &Model::buttonEnd);
    color(btnFw, &Model::buttonFont);
    color(fuc, &Model::headingFont);
    color(fduc, &Model::labelFont);
    color(fdnc, &Model::valueFont);
    color(splash_fc, &Model::splashFrameColor);

    const auto number = [this](QSpinBox* box, int Model::*field) {
        connect(box, &QSpinBox::valueChanged, this,
                [this, field](int v) { changed([&](Model& d) { d.*field = v; }); });
    };
    number(btnsd, &Model::shadowDepth);
    number(btnbw, &Model::borderWidth);
    number(splash_fw, &Model::splashFrameWidth);
    number(splash_d, &Model::splashDelay);

    const auto flag = [this](QCheckBox* box, bool Model::*field) {
        connect(box, &QCheckBox::toggled, this,
                [this, field](bool on) { changed([&](Model& d) { d.*field = on; }); });
    };
    flag(btn_fb, &Model::buttonBold);
    flag(cf_b, &Model::headingBold);
    flag(ff_b, &Model::labelBold);
    flag(df_b, &Model::valueBold);

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
    list(bmptmcb, &Model::tileMode, false);
    list(btnstylecb, &Model::buttonStyle, true);
    list(btneffectcb, &Model::buttonEffect, true);
    list(FontBtnStyle, &Model::buttonFontEffect, false);
    list(Font1Style, &Model::headingEffect, false);
    list(Font2Style, &Model::labelEffect, false);
    list(Font3Style, &Model::valueEffect, false);
    list(language_c, &Model::language, false);
    list(language_sc, &Model::style, false);

    for (const auto& [box, field] : {std::pair{boxc_bmp, &Model::categoryBoxFill},
                                     {boxf_bmp, &Model::filesBoxFill},
                                     {boxd_bmp, &Model::detailsBoxFill}}) {
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
        {bandmode, &DesignEditor::backgroundBandClicked},
        {loadbtmpok, &DesignEditor::loadBackgroundClicked},
        {clearbmp, &DesignEditor::clearBackgroundClicked},
        {bmpmode, &DesignEditor::backgroundBitmapModeClicked},
        {buttonband, &DesignEditor::buttonBandClicked},
        {loadbuttonbmp, &DesignEditor::loadButtonBitmapClicked},
        {clearbtn, &DesignEditor::clearButtonBitmapClicked},
        {buttonbmp, &DesignEditor::buttonBitmapModeClicked},
        {buttontrans, &DesignEditor::transparentClicked},
        {soundplay, &DesignEditor::playSoundClicked},
        {soundstop, &DesignEditor::stopSoundClicked},
        {SoundOpen, &DesignEditor::loadSoundClicked},
        {SoundClear, &DesignEditor::clearSoundClicked},
        {splash_load, &DesignEditor::loadSplashClicked},
        {splash_clear, &DesignEditor::clearSplashClicked},
        {splash_prev, &DesignEditor::previewSplashClicked},
        {icon_load, &DesignEditor::loadIconClicked},
        {icon_clear, &DesignEditor::clearIconClicked},
        {ngf, &DesignEditor::newDesignClicked},
        {lgf, &DesignEditor::loadDesignClicked},
        {crgf, &DesignEditor::saveDesignClicked},
        {SaveAs, &DesignEditor::saveAsClicked},
        {OK, &DesignEditor::okClicked},
        {Cancel, &DesignEditor::cancelClicked},
        {help, &DesignEditor::helpClicked},
        {Info, &DesignEditor::aboutClicked},
    };
    for (const auto& [b, handler] : commands)
        connect(b, &QPushButton::clicked, this, handler);
    connect(soundc, &QComboBox::currentIndexChanged, this, &DesignEditor::soundChosen);
    connect(testbtn, &QAbstractButton::clicked, this, &DesignEditor::fullPreviewClicked);
    connect(moreDesigns, &ui::EffectLabel::clicked, this, &DesignEditor::designsHomePageClicked);
}
