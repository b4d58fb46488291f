#include "editor/gui/iteminfo/ItemInfoEditor.h"

#include "editor/gui/PointSize.h"
#include "editor/gui/UnstorableQuestion.h"
#include "editor/language/FileFilter.h"
#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemCompanion.h"
#include "editor/project/ItemRules.h"
#include "editor/project/ItemTable.h"
#include "ui/services/ChooserService.h"
#include "ui/services/ClipboardService.h"
#include "ui/services/MessageBoxService.h"
#include "ui/widgets/PictureView.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using Msg = ui::MessageBoxService;

namespace {

QString textFilter(const LanguageTables& language) {
    return fileFilter(language, {{u"FTSupported", u"*.txt;*.diz;*.nfo"},
                                 {u"FTText", u"*.txt"},
                                 {u"FTFileId", u"*.diz"},
                                 {u"FTNfo", u"*.nfo"}});
}

QString pictureFilter(const LanguageTables& language) {
    return fileFilter(
        language,
        {{u"FTSupported", u"*.jpg;*.jpeg;*.bmp"}, {u"FTJpeg", u"*.jpg;*.jpeg"}, {u"FTBitmaps", u"*.bmp"}});
}

// A text of the language tables, or the built-in English one before any language is applied.
QString textOr(const LanguageTables& language, const char16_t* key, const char* builtIn) {
    const QString text = language.text(QStringView(key));
    return text.isEmpty() ? QString::fromLatin1(builtIn) : text;
}

} // namespace

ItemInfoEditor::ItemInfoEditor(ItemDialogContext& context, QWidget* parent)
    : ItemDialog(context, QStringLiteral("Tcreateinfoform"), QStringLiteral("Tavik - Lumbrel"), parent) {
    m_heading = heading(QStringLiteral("Create an Info File"));
    m_heading->setObjectName(QStringLiteral("label1"));
    m_editGroupLabel = label(QStringLiteral("Edit Control"), QStringLiteral("LMDSimpleLabel1"));
    m_fileGroupLabel = label(QStringLiteral("Info File control"), QStringLiteral("fileGroupLabel"));
    for (QLabel* group : {m_editGroupLabel, m_fileGroupLabel}) {
        QFont font = group->font();
        font.setBold(true);
        group->setFont(font);
    }
    m_textExplanation =
        label(QStringLiteral(
                  "The autostartmenu is able to display text files (info files).  The text file must have "
                  "the same name as the basic file, but with the extension \".txt\", so you can copy such "
                  "a file to the location of  the basic file, or you can use this dialog. It will copy "
                  "such a file for you to the location an name it correctly."),
              QStringLiteral("Info_1"));
    m_textNote = label(QStringLiteral("Please remember: the autorunmenu automaticly scans zip files for nfo "
                                      "files (*.nfo) and allows the user to display them."),
                       QStringLiteral("Info_2"));
    m_pictureExplanation =
        label(QStringLiteral(
                  "The autostartmenu is able to display a screenshot for every item. The picture must have "
                  "the same name as the basic file, but with the extension \".jpg\", so you can copy such "
                  "a picture to the location of the basic file, or you can use this dialog. It will save "
                  "the picture for you at the location and name it correctly."),
              QStringLiteral("Screen_1"));
    m_pictureNote =
        label(QStringLiteral("Please remember: you can open JPEG and bitmap pictures or paste one "
                             "from the clipboard; the picture is always saved as a JPEG file."),
              QStringLiteral("Screen_2"));
    for (QLabel* l : {m_textExplanation, m_textNote, m_pictureExplanation, m_pictureNote})
        l->setWordWrap(true);

    m_textEditor = new QPlainTextEdit(this);
    m_textEditor->setObjectName(QStringLiteral("RichEdit1"));
    m_textEditor->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pictureBox = new ui::PictureView(this);
    m_pictureBox->setObjectName(QStringLiteral("Image1"));
    m_pictureBox->setBackgroundColor(palette().color(QPalette::Window));
    m_pictureBox->setMinimumSize(320, 240);

    m_templateButton = button(QStringLiteral("new"), QStringLiteral("Open Template"));
    m_clearButton = button(QStringLiteral("LMDShapeLabelButton1"), QStringLiteral("Clear Lines"));
    m_pasteButton = button(QStringLiteral("paste"), QStringLiteral("Paste from Clipboard"));
    m_saveButton = button(QStringLiteral("LMDShapeLabelButton2"), QStringLiteral("Create/Save"));
    m_saveButton->setDefault(true);
    m_deleteButton = button(QStringLiteral("LMDShapeLabelButton4"), QStringLiteral("Delete"));
    m_cancelButton = button(QStringLiteral("LMDShapeLabelButton3"), QStringLiteral("Cancel"));
    m_helpButton = button(QStringLiteral("LMDButton1"), QStringLiteral("Help"));

    auto* side = new QVBoxLayout;
    side->addWidget(m_editGroupLabel);
    for (QPushButton* b : {m_templateButton, m_clearButton, m_pasteButton})
        side->addWidget(b);
    side->addSpacing(16);
    side->addWidget(m_fileGroupLabel);
    for (QPushButton* b : {m_saveButton, m_deleteButton, m_cancelButton, m_helpButton})
        side->addWidget(b);
    side->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_heading, 0, 0, 1, 2);
    grid->addWidget(m_textExplanation, 1, 0, 1, 2);
    grid->addWidget(m_pictureExplanation, 1, 0, 1, 2);
    grid->addWidget(m_textEditor, 2, 0);
    grid->addWidget(m_pictureBox, 2, 0);
    grid->addLayout(side, 2, 1);
    grid->addWidget(m_textNote, 3, 0, 1, 2);
    grid->addWidget(m_pictureNote, 3, 0, 1, 2);
    grid->setVerticalSpacing(8);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    resize(720, 520);

    connect(m_templateButton, &QPushButton::clicked, this, &ItemInfoEditor::templateClicked);
    connect(m_clearButton, &QPushButton::clicked, this, &ItemInfoEditor::clearClicked);
    connect(m_pasteButton, &QPushButton::clicked, this, &ItemInfoEditor::pasteClicked);
    connect(m_saveButton, &QPushButton::clicked, this, &ItemInfoEditor::saveClicked);
    connect(m_deleteButton, &QPushButton::clicked, this, &ItemInfoEditor::deleteClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &ItemInfoEditor::cancelClicked);
    connect(m_helpButton, &QPushButton::clicked, this, &ItemInfoEditor::helpClicked);
    applyMode();
}

void ItemInfoEditor::applyTexts(const common::IniFile& file, const LanguageTables&, int) {
    const QString s = QStringLiteral("CreateInfo");
    m_heading->setText(windowText(file, s, 1));
    m_textExplanation->setText(windowText(file, s, 2));
    m_textNote->setText(windowText(file, s, 3));
    m_pictureExplanation->setText(windowText(file, s, 4));
    m_pictureNote->setText(windowText(file, s, 5));
    m_editGroupLabel->setText(windowText(file, s, 6));
    m_templateButton->setText(windowText(file, s, 7));
    m_clearButton->setText(windowText(file, s, 8));
    m_pasteButton->setText(windowText(file, s, 9));
    m_textFileGroup = windowText(file, s, 10);
    m_pictureFileGroup = windowText(file, s, 15);
    m_fileGroupLabel->setText(m_mode == ItemInfoMode::Text ? m_textFileGroup : m_pictureFileGroup);
    m_saveButton->setText(windowText(file, s, 11));
    m_deleteButton->setText(windowText(file, s, 12));
    m_cancelButton->setText(windowText(file, s, 13));
    m_helpButton->setText(windowText(file, s, 14));
    setPointSize(m_editGroupLabel, 11 - fontReduction(file, 2));
    setPointSize(m_fileGroupLabel, 11 - fontReduction(file, 1));
}

void ItemInfoEditor::openFor(ItemInfoMode mode, int row) {
    if (prepare(mode, row))
        exec();
}

void ItemInfoEditor::refuse() const {
    const LanguageTables& language = m_context.state.language;
    m_context.services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok,
                                     language.message(u"M39") + QStringLiteral("\n\r") +
                                         language.message(u"M39_2"));
}

bool ItemInfoEditor::prepare(ItemInfoMode mode, int row) {
    if (!m_context.gate())
        return false;
    const ItemTable& items = m_context.items;
    if (row < 0 || row >= items.itemCount())
        return false;
    const QString fileName = items.field(row, ItemField::FileName);
    if (fileName.isEmpty()) {
        refuse();
        return false;
    }
    const EditorState& state = m_context.state;
    if (!QFileInfo(items.field(row, ItemField::SourceLocation)).isFile() &&
        !QFileInfo(state.projectFolder).isDir() &&
        itemrules::isFileItem(fileName, items.field(row, ItemField::CdPath),
                              state.language.jumpPointText())) {
        refuse();
        return false;
    }
    m_mode = mode;
    m_row = row;
    applyMode();
    const bool text = mode == ItemInfoMode::Text;
    setWindowTitle((text ? textOr(state.language, u"T19", "Tavik - Lumbrel - Info File:")
                         : textOr(state.language, u"T20", "Tavik - Lumbrel - Screenshot:")) +
                   u' ' + items.field(row, ItemField::Name));
    m_ownFile = companion::isItemsOwnFile(items.record(row), companionFile());
    loadCompanion();
    applyOwnFile();
    return true;
}

void ItemInfoEditor::applyOwnFile() {
    m_textEditor->setReadOnly(m_ownFile);
    for (QPushButton* b : {m_templateButton, m_clearButton, m_saveButton, m_deleteButton})
        b->setVisible(!m_ownFile);
    m_pasteButton->setVisible(!m_ownFile && m_mode == ItemInfoMode::Picture);
    if (m_ownFile)
        m_context.services.messages.show(
            Msg::Kind::Information, Msg::Buttons::Ok,
            m_context.state.language.message(m_mode == ItemInfoMode::Text ? u"M80" : u"M81")
                .arg(QDir::toNativeSeparators(companionFile())));
}

void ItemInfoEditor::applyMode() {
    const bool text = m_mode == ItemInfoMode::Text;
    const auto textOf = [this](const char16_t* key, const char* builtIn) {
        return textOr(m_context.state.language, key, builtIn);
    };
    m_heading->setText(text ? textOf(u"T40", "Create an Info File") : textOf(u"T43", "Create a Screenshot"));
    m_clearButton->setText(text ? textOf(u"T41", "Clear Lines") : textOf(u"T44", "Clear Picture"));
    m_editGroupLabel->setText(text ? textOf(u"T42", "Edit Control") : textOf(u"T45", "Picture Control"));
    m_fileGroupLabel->setText(text ? m_textFileGroup : m_pictureFileGroup);
    for (QWidget* w : std::initializer_list<QWidget*>{m_textEditor, m_textExplanation, m_textNote})
        w->setVisible(text);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_pictureBox, m_pasteButton, m_pictureExplanation, m_pictureNote})
        w->setVisible(!text);
}

QString ItemInfoEditor::companionFile() const {
    const EditorState& state = m_context.state;
    if (m_row >= m_context.items.itemCount())
        return {};
    return companion::location(m_context.items.record(m_row), state.projectFolder,
                               state.language.jumpPointText(),
                               m_mode == ItemInfoMode::Text ? companion::kText : companion::kPicture);
}

void ItemInfoEditor::loadCompanion() {
    m_textEditor->clear();
    m_pictureBox->clear();
    // The item's own file may differ from the companion's name in the letter case of its extension.
    const QString file =
        m_ownFile ? m_context.items.field(m_row, ItemField::SourceLocation) : companionFile();
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return;
    // A companion that cannot be read is said so, rather than silently offered as empty to be saved
    // over.
    if (m_mode == ItemInfoMode::Picture) {
        if (!m_pictureBox->load(file))
            m_context.error(u"M15");
    } else if (const std::optional<QString> lines = companion::readText(file)) {
        m_textEditor->setPlainText(*lines);
    } else {
        m_context.error(u"M15");
    }
}

void ItemInfoEditor::templateClicked() {
    m_context.click();
    const bool text = m_mode == ItemInfoMode::Text;
    const QString file = m_context.services.choosers.openFile(
        {m_templateButton->text(),
         m_context.state.projectFolder,
         text ? textFilter(m_context.state.language) : pictureFilter(m_context.state.language),
         {},
         {}});
    if (file.isEmpty())
        return;
    if (text) {
        const std::optional<QString> lines = companion::readText(file);
        if (lines)
            m_textEditor->setPlainText(*lines);
        else
            m_context.error(u"M15");
    } else if (!m_pictureBox->load(file)) {
        m_context.error(u"M15");
    }
}

void ItemInfoEditor::clearClicked() {
    m_context.click();
    m_textEditor->clear();
    m_pictureBox->clear();
}

void ItemInfoEditor::pasteClicked() {
    m_context.click();
    const QImage picture = m_context.services.clipboard.image();
    if (picture.isNull()) {
        m_context.error(u"M12");
        m_pictureBox->clear();
        return;
    }
    m_pictureBox->setPicture(picture);
}

void ItemInfoEditor::saveClicked() {
    m_context.click();
    if (m_ownFile)
        return;
    const bool text = m_mode == ItemInfoMode::Text;
    // Nothing to save is said as such: neither the clipboard nor the disk is to blame.
    if (!text && !m_pictureBox->hasPicture()) {
        m_context.error(u"M82");
        return;
    }
    if (text) {
        unstorable::Findings findings;
        unstorable::check(findings, m_context.items.field(m_row, ItemField::Name),
                          m_textEditor->toPlainText());
        if (!unstorable::confirm(m_context.services.messages, m_context.state.language, findings))
            return;
    }
    const QString dataFolder = companion::itemDataFolder(m_context.state.projectFolder);
    if (!dataFolder.isEmpty() && !QFileInfo(dataFolder).isDir() && QDir().mkdir(dataFolder)) {
        m_context.services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok,
                                         m_context.state.language.message(u"M10") +
                                             QDir::toNativeSeparators(QDir::cleanPath(dataFolder)) + u'.');
    }
    const QString file = companionFile();
    const bool written = text ? companion::writeText(file, m_textEditor->toPlainText())
                              : companion::writePicture(file, m_pictureBox->picture());
    if (written) {
        m_context.information(text ? u"M11" : u"M13");
        accept();
        return;
    }
    m_context.error(u"M12");
    // The text stays for another try; the picture editor closes as it does after saving.
    if (!text)
        reject();
}

void ItemInfoEditor::deleteClicked() {
    m_context.click();
    const QString file = companionFile();
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        m_context.information(u"M14");
        return;
    }
    if (m_ownFile)
        return;
    if (const QString reason = companion::remove(file); !reason.isEmpty()) {
        m_context.services.messages.show(
            Msg::Kind::Error, Msg::Buttons::Ok,
            m_context.state.language.message(u"M83").arg(QDir::toNativeSeparators(file), reason));
        return;
    }
    accept();
}

void ItemInfoEditor::cancelClicked() {
    m_context.click();
    reject();
}

void ItemInfoEditor::helpClicked() {
    m_context.click();
    m_context.help(m_mode == ItemInfoMode::Text ? 2300 : 2350);
}

void ItemInfoEditor::done(int result) {
    m_pictureBox->clear();
    ItemDialog::done(result);
}
