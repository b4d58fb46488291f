#include "editor/gui/items/AddFileDialog.h"

#include "common/Paths.h"
#include "editor/disc/ItemKind.h"
#include "editor/language/FileFilter.h"
#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemRules.h"
#include "editor/project/ItemTable.h"
#include "ui/services/ChooserService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// What the chooser offers: every type that the menu program knows how to start or show.
QString chooserFilter(const LanguageTables& language) {
    return fileFilter(language,
                      {{u"FTSupported",
                        u"*.exe;*.zip;*.hlp;*.htm;*.html;*.url;*.wav;*.mod;*.xm;*.it;*.s3m;*.stm;*.med;*.669;"
                        u"*.bmp;*.gif;*.jpg;*.jpeg;*.txt;*.doc;*.avi;*.mp3;*.mov;*.mpg;*.mpeg;*.ico;*.ttf"},
                       {u"FTAll", u"*.*"},
                       {u"FTPrograms", u"*.exe"},
                       {u"FTHelp", u"*.hlp"},
                       {u"FTHtml", u"*.htm;*.html"},
                       {u"FTIcons", u"*.ico"},
                       {u"FTModules", u"*.mod;*.xm;*.it;*.s3m;*.stm;*.med;*.669"},
                       {u"FTPictures", u"*.bmp;*.gif;*.jpg;*.jpeg"},
                       {u"FTText", u"*.txt"},
                       {u"FTFonts", u"*.ttf"},
                       {u"FTUrl", u"*.url"},
                       {u"FTVideo", u"*.avi;*.mp3;*.mov;*.mpg;*.mpeg"},
                       {u"FTWave", u"*.wav"},
                       {u"FTWord", u"*.doc"},
                       {u"FTZip", u"*.zip"}});
}

} // namespace

AddFileDialog::AddFileDialog(ItemDialogContext& context, QWidget* parent)
    : ItemDialog(context, QStringLiteral("Tafileform"), QStringLiteral("Tavik - Lumbrel - Add file"),
                 parent) {
    m_heading = heading(QStringLiteral("File Control"));
    selfilebtn = button(QStringLiteral("selfilebtn"), QStringLiteral("Select File"));
    anzname = edit(QStringLiteral("anzname"));
    filename = label({}, QStringLiteral("filename"));
    pfad = label({}, QStringLiteral("pfad"));
    serial = edit(QStringLiteral("serial"));
    sizep = edit(QStringLiteral("sizep"));
    SizefillIn = button(QStringLiteral("SizefillIn"), QStringLiteral(">"));
    SizefillIn->setFixedWidth(28);
    sizeup = edit(QStringLiteral("sizeup"));
    desc = edit(QStringLiteral("desc"));
    m_categoryBox = categoryBox(QStringLiteral("ComboBox1"));
    copyd = new QCheckBox(this);
    copyd->setObjectName(QStringLiteral("copyd"));
    executed = new QCheckBox(this);
    executed->setObjectName(QStringLiteral("executed"));
    executed->setChecked(true);
    m_protocolBox = protocolBox(QStringLiteral("ComboBox2"));
    hpurl = edit(QStringLiteral("hpurl"));
    add = button(QStringLiteral("add"), QStringLiteral("OK"));
    cancel = button(QStringLiteral("cancel"), QStringLiteral("Cancel"));
    help = button(QStringLiteral("help"), QStringLiteral("Help"));
    add->setDefault(true);

    const char16_t* captions[] = {u"Name:",
                                  u"Filename:",
                                  u"Filepath:",
                                  u"Serial:",
                                  u"CD-Size:",
                                  u"HD-Size:",
                                  u"Description:",
                                  u"Category:",
                                  u"file can be copied:",
                                  u"file can be executed",
                                  u"Website:"};
    for (const char16_t* c : captions)
        m_captions.push_back(label(QString::fromUtf16(c)));

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_heading, 0, 0, 1, 2);
    grid->addWidget(selfilebtn, 0, 2, 1, 2, Qt::AlignRight);
    const auto row = [&](int r, int caption, QWidget* w, int span = 3) {
        grid->addWidget(m_captions[caption], r, 0);
        grid->addWidget(w, r, 1, 1, span);
    };
    row(1, 0, anzname);
    row(2, 1, filename);
    row(3, 2, pfad);
    row(4, 3, serial);
    grid->addWidget(m_captions[4], 5, 0);
    grid->addWidget(sizep, 5, 1);
    grid->addWidget(SizefillIn, 5, 2);
    grid->addWidget(m_captions[5], 6, 0);
    grid->addWidget(sizeup, 6, 1);
    row(7, 6, desc);
    row(8, 7, m_categoryBox);
    row(9, 8, copyd);
    row(10, 9, executed);
    grid->addWidget(m_captions[10], 11, 0);
    grid->addWidget(m_protocolBox, 11, 1);
    grid->addWidget(hpurl, 11, 2, 1, 2);
    grid->addLayout(buttonRow({add, cancel, help}), 12, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(480);

    connect(selfilebtn, &QPushButton::clicked, this, &AddFileDialog::chooseFileClicked);
    connect(SizefillIn, &QPushButton::clicked, this, &AddFileDialog::sizeFillInClicked);
    connect(add, &QPushButton::clicked, this, &AddFileDialog::addClicked);
    connect(cancel, &QPushButton::clicked, this, &AddFileDialog::cancelClicked);
    connect(help, &QPushButton::clicked, this, &AddFileDialog::helpClicked);
}

void AddFileDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    const QString s = QStringLiteral("AFile");
    setWindowTitle(tables.text(u"T4"));
    m_heading->setText(windowText(file, s, 1));
    selfilebtn->setText(windowText(file, s, 2));
    for (int i = 0; i < int(m_captions.size()); ++i)
        m_captions[i]->setText(windowText(file, s, 3 + i));
    add->setText(windowText(file, s, 14));
    cancel->setText(windowText(file, s, 15));
    help->setText(windowText(file, s, 16));
}

void AddFileDialog::prepare() {
    selfilebtn->setEnabled(true);
    for (QLineEdit* e : {anzname, serial, desc, sizep, sizeup, hpurl})
        e->clear();
    filename->clear();
    pfad->clear();
    m_chosenFile.clear();
    add->setEnabled(false);
    copyd->setChecked(true);
    m_protocolBox->setCurrentIndex(0);
    const int selected = m_categoryBox->currentIndex();
    m_categoryBox->clear();
    m_categoryBox->addItems(m_context.state.categories);
    m_categoryBox->setCurrentIndex(selected >= 0 && selected < m_categoryBox->count() ? selected : 0);
}

void AddFileDialog::chooseFileClicked() {
    m_context.click();
    const QString chosen = m_context.services.choosers.openFile(
        {windowTitle(), chooserFolder(), chooserFilter(m_context.state.language), {}, {}});
    if (chosen.isEmpty())
        return;
    const QFileInfo info(chosen);
    m_chosenFile = chosen;
    add->setEnabled(true);
    filename->setText(info.fileName());
    anzname->setText(itemrules::aloneName(info.fileName()));
    pfad->setText(itemrules::folderText(info.absolutePath()));
    serial->setText(QStringLiteral("n/a"));
    sizep->setText(itemrules::sizeText(info.size()));
    sizeup->setText(QStringLiteral("n/a"));
    desc->setText(QStringLiteral("n/a"));
    m_protocolBox->setCurrentIndex(0);
    hpurl->setText(QStringLiteral("n/a"));
    copyd->setChecked(true);
    const int kind = itemKind(chosen);
    executed->setChecked(kind != kUnknownItemKind && kind != kJumpPointItemKind);
    anzname->setFocus();
}

QString AddFileDialog::chooserFolder() const {
    // Another project opened since the last pick starts in its own folder.
    const QString project = m_context.state.projectFolder;
    return m_lastFolder.isEmpty() || m_lastFolderProject != project ? project : m_lastFolder;
}

void AddFileDialog::sizeFillInClicked() {
    sizeup->setText(sizep->text());
}

void AddFileDialog::addClicked() {
    m_context.click();
    if (m_context.gate()) {
        if (anzname->text().isEmpty()) {
            m_context.information(u"M4");
            anzname->setFocus();
        } else if (m_chosenFile.isEmpty()) {
            // An item without its file would be on no disc.
            selfilebtn->setFocus();
        } else {
            m_context.showTipIfWanted();
            ItemTable& items = m_context.items;
            const int row = itemrules::rowForNewItem(items);
            const QString projectFolder = m_context.state.projectFolder;
            const ItemRecord record = {
                anzname->text(),
                filename->text(),
                common::cdPathOf(pfad->text(), projectFolder),
                serial->text(),
                sizep->text(),
                sizeup->text(),
                desc->text(),
                m_categoryBox->currentText(),
                yesNo(copyd->isChecked()),
                m_chosenFile,
                itemrules::homepage(m_protocolBox->currentText(), hpurl->text()),
                yesNo(executed->isChecked()),
            };
            items.setRecord(row, record);
            m_context.state.modified = true;
            m_lastFolder = QFileInfo(m_chosenFile).absolutePath();
            m_lastFolderProject = m_context.state.projectFolder;
            if (!pfad->text().startsWith(projectFolder))
                m_context.warning(u"M3");
            accept();
            m_context.makeCurrent(row);
        }
    }
    m_context.recomputeRowColours();
}

void AddFileDialog::cancelClicked() {
    m_context.click();
    reject();
}

void AddFileDialog::helpClicked() {
    m_context.click();
    m_context.help(2100);
}
