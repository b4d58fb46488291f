#include "editor/gui/items/AddFolderDialog.h"

#include "common/Paths.h"
#include "editor/gui/items/ItemNameDialog.h"
#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemRules.h"
#include "editor/project/ItemTable.h"
#include "ui/services/ChooserService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

AddFolderDialog::AddFolderDialog(ItemDialogContext& context, ItemNameDialog* ask, QWidget* parent)
    : ItemDialog(context, QStringLiteral("Tadirform"), QStringLiteral("Tavik - Lumbrel - Add Folder"),
                 parent),
      m_ask(ask) {
    m_heading = heading(QStringLiteral("Folder Control"));
    selfilebtn = button(QStringLiteral("selfilebtn"), QStringLiteral("Select File"));
    subdirs_check = new QCheckBox(QStringLiteral("Include Subfolders"), this);
    subdirs_check->setObjectName(QStringLiteral("subdirs_check"));
    FileListBox = new QTreeWidget(this);
    FileListBox->setObjectName(QStringLiteral("FileListBox"));
    FileListBox->setColumnCount(2);
    FileListBox->setHeaderLabels({QStringLiteral("Path"), QStringLiteral("Filename")});
    FileListBox->setRootIsDecorated(false);
    FileListBox->setSelectionMode(QAbstractItemView::MultiSelection);
    FileListBox->setUniformRowHeights(true);
    FileListBox->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_selectAllButton = button(QStringLiteral("LMDButton2"), QStringLiteral("Select File"));
    originalok = new QRadioButton(QStringLiteral("Use original filename."), this);
    originalok->setObjectName(QStringLiteral("originalok"));
    renameok = new QRadioButton(this);
    renameok->setObjectName(QStringLiteral("renameok"));
    rename = edit(QStringLiteral("rename"));
    asknameok = new QRadioButton(QStringLiteral("Ask me !"), this);
    asknameok->setObjectName(QStringLiteral("asknameok"));
    pfad = label({}, QStringLiteral("pfad"));
    m_folderLabel = label({}, QStringLiteral("LMDSimpleLabel6"));
    serial = edit(QStringLiteral("serial"));
    desc = edit(QStringLiteral("desc"));
    m_categoryBox = categoryBox(QStringLiteral("ComboBox1"));
    copyd = new QCheckBox(this);
    copyd->setObjectName(QStringLiteral("copyd"));
    executed = new QCheckBox(this);
    executed->setObjectName(QStringLiteral("executed"));
    m_protocolBox = protocolBox(QStringLiteral("ComboBox2"));
    hpurl = edit(QStringLiteral("hpurl"));
    add = button(QStringLiteral("add"), QStringLiteral("OK"));
    add->setDefault(true);
    cancel = button(QStringLiteral("cancel"), QStringLiteral("Cancel"));
    help = button(QStringLiteral("help"), QStringLiteral("Help"));

    const char16_t* captions[] = {u"Name:",
                                  u"Filepath:",
                                  u"Serial:",
                                  u"Description:",
                                  u"Category:",
                                  u"file/s can be copied:",
                                  u"file/s can be executed:",
                                  u"Website:"};
    for (const char16_t* c : captions)
        m_captions.push_back(label(QString::fromUtf16(c)));

    // Until a folder is chosen, its place shows the status text instead of the list, so the dialog
    // keeps one size and the chosen folder appears only as the file path below.
    m_folderLabel->setAlignment(Qt::AlignCenter);
    m_folderLabel->setFrameShape(QFrame::StyledPanel);
    auto* listArea = new QWidget(this);
    m_listPlace = new QStackedLayout(listArea);
    m_listPlace->setContentsMargins({});
    m_listPlace->addWidget(m_folderLabel);
    m_listPlace->addWidget(FileListBox);
    FileListBox->setMinimumSize(FileListBox->fontMetrics().averageCharWidth() * 64,
                                FileListBox->fontMetrics().height() * 10);
    QSizePolicy keepPlace = m_selectAllButton->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_selectAllButton->setSizePolicy(keepPlace);

    auto* top = new QHBoxLayout;
    top->addWidget(m_heading, 1);
    top->addWidget(subdirs_check);
    top->addWidget(selfilebtn);
    auto* renameRow = new QHBoxLayout;
    renameRow->addWidget(renameok);
    renameRow->addWidget(rename, 1);
    auto* website = new QHBoxLayout;
    website->addWidget(m_protocolBox);
    website->addWidget(hpurl, 1);

    auto* form = new QGridLayout;
    form->addWidget(m_captions[0], 0, 0);
    form->addWidget(originalok, 0, 1);
    form->addLayout(renameRow, 1, 1);
    form->addWidget(asknameok, 2, 1);
    const QWidget* fields[] = {pfad, serial, desc, m_categoryBox, copyd, executed};
    for (int i = 0; i < 6; ++i) {
        form->addWidget(m_captions[i + 1], 3 + i, 0);
        form->addWidget(const_cast<QWidget*>(fields[i]), 3 + i, 1);
    }
    form->addWidget(m_captions[7], 9, 0);
    form->addLayout(website, 9, 1);
    form->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(listArea, 1);
    layout->addWidget(m_selectAllButton, 0, Qt::AlignRight);
    layout->addLayout(form);
    layout->addLayout(buttonRow({add, cancel, help}));

    connect(selfilebtn, &QPushButton::clicked, this, &AddFolderDialog::chooseFolderClicked);
    connect(m_selectAllButton, &QPushButton::clicked, this, [this] {
        m_context.click();
        selectAllClicked();
    });
    connect(add, &QPushButton::clicked, this, &AddFolderDialog::addClicked);
    connect(cancel, &QPushButton::clicked, this, &AddFolderDialog::cancelClicked);
    connect(help, &QPushButton::clicked, this, &AddFolderDialog::helpClicked);
}

void AddFolderDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    const QString s = QStringLiteral("AddDir");
    setWindowTitle(tables.text(u"T2"));
    m_heading->setText(windowText(file, s, 1));
    selfilebtn->setText(windowText(file, s, 2));
    subdirs_check->setText(windowText(file, s, 3));
    FileListBox->setHeaderLabels({windowText(file, s, 4), windowText(file, s, 5)});
    m_selectAllButton->setText(windowText(file, s, 6));
    m_captions[0]->setText(windowText(file, s, 7));
    originalok->setText(windowText(file, s, 8));
    asknameok->setText(windowText(file, s, 9));
    for (int i = 1; i < int(m_captions.size()); ++i)
        m_captions[i]->setText(windowText(file, s, 9 + i));
    add->setText(windowText(file, s, 17));
    cancel->setText(windowText(file, s, 18));
    help->setText(windowText(file, s, 19));
}

void AddFolderDialog::prepare() {
    m_folderLabel->setText(m_context.state.language.text(u"T53"));
    showList(false);
    FileListBox->clear();
    originalok->setChecked(true);
    rename->clear();
    pfad->clear();
    for (QLineEdit* e : {serial, desc, hpurl})
        e->setText(QStringLiteral("n/a"));
    copyd->setChecked(true);
    executed->setChecked(true);
    m_protocolBox->setCurrentIndex(0);
    refillCategories(m_categoryBox);
}

void AddFolderDialog::chooseFolderClicked() {
    m_context.click();
    const QString folder = m_context.services.choosers.chooseFolder(
        QStringLiteral("Tavik - Lumbrel"), {}, itemrules::chooserStartFolder(m_context.state.projectFolder));
    if (folder.isEmpty())
        return;
    pfad->setText(folder);
    showList(true);
    FileListBox->clear();
    QList<QTreeWidgetItem*> lines;
    for (const auto& [entryFolder, name] : itemrules::findFiles(folder, subdirs_check->isChecked()))
        lines.append(new QTreeWidgetItem(QStringList{entryFolder, name}));
    FileListBox->addTopLevelItems(lines);
    pfad->setText(itemrules::folderText(folder));
    selectAllClicked();
}

void AddFolderDialog::showList(bool shown) {
    m_listPlace->setCurrentWidget(shown ? static_cast<QWidget*>(FileListBox) : m_folderLabel);
    m_selectAllButton->setVisible(shown);
}

void AddFolderDialog::selectAllClicked() {
    // One selection change: selecting line by line merges the selection again for every line.
    FileListBox->selectAll();
}

void AddFolderDialog::addClicked() {
    m_context.click();
    if (m_context.gate()) {
        if (FileListBox->selectedItems().isEmpty()) {
            m_context.information(u"M2");
        } else {
            ItemTable& items = m_context.items;
            const QString projectFolder = m_context.state.projectFolder;
            int renameCounter = 0;
            std::vector<ItemRecord> records;
            for (int i = 0; i < FileListBox->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* entry = FileListBox->topLevelItem(i);
                if (!entry->isSelected())
                    continue;
                const QString entryFolder = entry->text(0), name = entry->text(1);
                const QString fullName = entryFolder + name;
                QString itemName = itemrules::aloneName(name);
                if (renameok->isChecked()) {
                    ++renameCounter;
                    itemName = rename->text().isEmpty()
                                   ? QString::number(renameCounter)
                                   : rename->text() + u' ' + QString::number(renameCounter);
                } else if (asknameok->isChecked()) {
                    itemName = m_ask->askName(QDir::toNativeSeparators(fullName), itemName);
                }
                records.push_back({
                    itemName,
                    name,
                    common::cdPathOf(entryFolder, projectFolder),
                    serial->text(),
                    itemrules::sizeText(QFileInfo(fullName).size()),
                    QStringLiteral("n/a"),
                    desc->text(),
                    m_categoryBox->currentText(),
                    yesNo(copyd->isChecked()),
                    fullName,
                    itemrules::homepage(m_protocolBox->currentText(), hpurl->text()),
                    yesNo(executed->isChecked()),
                });
            }
            const int lastRow = itemrules::addItems(items, std::move(records));
            m_context.state.modified = true;
            accept();
            m_context.makeCurrent(lastRow);
            if (!pfad->text().startsWith(projectFolder))
                m_context.warning(u"M3");
            m_context.showTipIfWanted();
        }
    }
    m_context.recomputeRowColours();
}

void AddFolderDialog::cancelClicked() {
    m_context.click();
    reject();
}

void AddFolderDialog::helpClicked() {
    m_context.click();
    m_context.help(2150);
}
