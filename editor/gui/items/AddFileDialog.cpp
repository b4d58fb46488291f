#include "editor/gui/items/AddFileDialog.h"

#include "common/Paths.h"
#include "editor/disc/ItemKind.h"
#include "editor/language/FileFilter.h"
#include "editor/language/LanguageTables.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemRules.h"
#include "ui/services/ChooserService.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
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
    : AddItemDialog(context, QStringLiteral("Tafileform"), QStringLiteral("Tavik - Lumbrel - Add file"),
                    u"AFile", u"T4", parent) {
    QHBoxLayout* top = headingRow(QStringLiteral("File Control"), {chooseButton()});
    m_fields.addName(3, QStringLiteral("Name:"));
    m_fileNameLabel = m_fields.addValue(4, QStringLiteral("Filename:"), QStringLiteral("filename"));
    m_folderLabel = m_fields.addValue(5, QStringLiteral("Filepath:"), QStringLiteral("pfad"));
    m_fields.addSerial(6, QStringLiteral("Serial:"));
    m_cdSizeEdit = m_fields.edit(QStringLiteral("sizep"));
    QPushButton* fillIn = button(QStringLiteral("SizefillIn"), QStringLiteral(">"));
    fillIn->setFixedWidth(28);
    auto* cdSize = new QHBoxLayout;
    cdSize->addWidget(m_cdSizeEdit, 1);
    cdSize->addWidget(fillIn);
    m_fields.addRow(7, QStringLiteral("CD-Size:"), cdSize);
    m_hdSizeEdit = m_fields.edit(QStringLiteral("sizeup"));
    m_fields.addRow(8, QStringLiteral("HD-Size:"), m_hdSizeEdit);
    m_fields.addFileDetails(9, QStringLiteral("file can be copied:"), QStringLiteral("file can be executed"));
    arrange(top, {"add", "cancel", "help"}, 14, 2100);
    setMinimumWidth(480);

    connect(m_chooseButton, &QPushButton::clicked, this, &AddFileDialog::chooseFileClicked);
    connect(fillIn, &QPushButton::clicked, this, [this] { m_hdSizeEdit->setText(m_cdSizeEdit->text()); });
    connect(m_okButton, &QPushButton::clicked, this, &AddFileDialog::addClicked);
}

void AddFileDialog::prepare() {
    m_chooseButton->setEnabled(true);
    m_fields.nameEdit()->clear();
    m_fields.fill({});
    for (QLineEdit* e : {m_cdSizeEdit, m_hdSizeEdit})
        e->clear();
    m_fileNameLabel->clear();
    m_folderLabel->clear();
    m_chosenFile.clear();
    m_okButton->setEnabled(false);
    m_fields.refillCategories();
}

void AddFileDialog::chooseFileClicked() {
    m_context.click();
    const QString chosen = m_context.services.choosers.openFile(
        {windowTitle(), chooserFolder(), chooserFilter(m_context.state.language), {}, {}});
    if (chosen.isEmpty())
        return;
    const QFileInfo info(chosen);
    m_chosenFile = chosen;
    m_okButton->setEnabled(true);
    m_fileNameLabel->setText(info.fileName());
    m_fields.nameEdit()->setText(itemrules::aloneName(info.fileName()));
    m_folderLabel->setText(itemrules::folderText(info.absolutePath()));
    m_cdSizeEdit->setText(itemrules::sizeText(info.size()));
    m_hdSizeEdit->setText(QStringLiteral("n/a"));
    m_fields.fill(QStringLiteral("n/a"));
    const int kind = itemKind(chosen);
    m_fields.executeBox()->setChecked(kind != kUnknownItemKind && kind != kJumpPointItemKind);
    m_fields.nameEdit()->setFocus();
}

QString AddFileDialog::chooserFolder() const {
    // Another project opened since the last pick starts in its own folder.
    const QString project = m_context.state.projectFolder;
    return m_lastFolder.isEmpty() || m_lastFolderProject != project ? project : m_lastFolder;
}

void AddFileDialog::addClicked() {
    m_context.click();
    if (m_context.gate()) {
        if (m_fields.nameEdit()->text().isEmpty()) {
            m_context.information(u"M4");
            m_fields.nameEdit()->setFocus();
        } else if (m_chosenFile.isEmpty()) {
            // An item without its file would be on no disc.
            m_chooseButton->setFocus();
        } else {
            m_context.showTipIfWanted();
            const QString projectFolder = m_context.state.projectFolder;
            ItemRecord record = m_fields.record();
            record[fieldIndex(ItemField::FileName)] = m_fileNameLabel->text();
            record[fieldIndex(ItemField::CdPath)] = common::cdPathOf(m_folderLabel->text(), projectFolder);
            record[fieldIndex(ItemField::CdSize)] = m_cdSizeEdit->text();
            record[fieldIndex(ItemField::HdSize)] = m_hdSizeEdit->text();
            record[fieldIndex(ItemField::SourceLocation)] = m_chosenFile;
            const int row = storeItem(record);
            m_lastFolder = QFileInfo(m_chosenFile).absolutePath();
            m_lastFolderProject = m_context.state.projectFolder;
            if (!m_folderLabel->text().startsWith(projectFolder))
                m_context.warning(u"M3");
            finish(row);
        }
    }
    m_context.recomputeRowColours();
}
