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
#include <QDir>
#include <QFileInfo>
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
    : AddItemDialog(context, QStringLiteral("Tadirform"), QStringLiteral("Tavik - Lumbrel - Add Folder"),
                    u"AddDir", u"T2", parent),
      m_ask(ask) {
    QPushButton* choose = chooseButton();
    m_subfoldersBox =
        option<QCheckBox>(QStringLiteral("subdirs_check"), QStringLiteral("Include Subfolders"), 3);
    m_fileList = new QTreeWidget(this);
    m_fileList->setObjectName(QStringLiteral("FileListBox"));
    m_fileList->setColumnCount(2);
    m_fileList->setHeaderLabels({QStringLiteral("Path"), QStringLiteral("Filename")});
    for (int column : {0, 1}) {
        m_captions.push_back({windowKey(4 + column), [this, column](const QString& t) {
                                  m_fileList->headerItem()->setText(column, t);
                              }});
    }
    m_fileList->setRootIsDecorated(false);
    m_fileList->setSelectionMode(QAbstractItemView::MultiSelection);
    m_fileList->setUniformRowHeights(true);
    m_fileList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_selectAllButton = button(QStringLiteral("LMDButton2"), QStringLiteral("Select File"), 6);
    m_originalNameButton =
        option<QRadioButton>(QStringLiteral("originalok"), QStringLiteral("Use original filename."), 8);
    m_numberedNameButton = new QRadioButton(this);
    m_numberedNameButton->setObjectName(QStringLiteral("renameok"));
    m_nameStemEdit = m_fields.edit(QStringLiteral("rename"));
    m_askNameButton = option<QRadioButton>(QStringLiteral("asknameok"), QStringLiteral("Ask me !"), 9);
    m_fields.addRow(7, QStringLiteral("Name:"), m_originalNameButton);
    auto* numbered = new QHBoxLayout;
    numbered->addWidget(m_numberedNameButton);
    numbered->addWidget(m_nameStemEdit, 1);
    m_fields.addRow(numbered);
    m_fields.addRow(m_askNameButton);
    m_folderLabel = m_fields.addValue(10, QStringLiteral("Filepath:"), QStringLiteral("pfad"));
    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("LMDSimpleLabel6"));
    m_fields.addSerial(11, QStringLiteral("Serial:"));
    m_fields.addFileDetails(12, QStringLiteral("file/s can be copied:"),
                            QStringLiteral("file/s can be executed:"));

    // Until a folder is chosen, its place shows the status text instead of the list, so the dialog
    // keeps one size and the chosen folder appears only as the file path below.
    m_statusLabel->setAlignment(Qt::AlignCenter);
    m_statusLabel->setFrameShape(QFrame::StyledPanel);
    auto* listArea = new QWidget(this);
    m_listPlace = new QStackedLayout(listArea);
    m_listPlace->setContentsMargins({});
    m_listPlace->addWidget(m_statusLabel);
    m_listPlace->addWidget(m_fileList);
    m_fileList->setMinimumSize(m_fileList->fontMetrics().averageCharWidth() * 64,
                               m_fileList->fontMetrics().height() * 10);
    QSizePolicy keepPlace = m_selectAllButton->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_selectAllButton->setSizePolicy(keepPlace);

    QVBoxLayout* layout = arrange(headingRow(QStringLiteral("Folder Control"), {m_subfoldersBox, choose}),
                                  {"add", "cancel", "help"}, 17, 2150);
    layout->insertWidget(1, listArea, 1);
    layout->insertWidget(2, m_selectAllButton, 0, Qt::AlignRight);

    connect(m_chooseButton, &QPushButton::clicked, this, &AddFolderDialog::chooseFolderClicked);
    connect(m_selectAllButton, &QPushButton::clicked, this, [this] {
        m_context.click();
        selectAll();
    });
    connect(m_okButton, &QPushButton::clicked, this, &AddFolderDialog::addClicked);
}

void AddFolderDialog::prepare() {
    m_statusLabel->setText(m_context.state.language.text(u"T53"));
    showList(false);
    m_fileList->clear();
    m_originalNameButton->setChecked(true);
    m_nameStemEdit->clear();
    m_folderLabel->clear();
    m_fields.fill(QStringLiteral("n/a"));
    m_fields.executeBox()->setChecked(true);
    m_fields.refillCategories();
}

void AddFolderDialog::chooseFolderClicked() {
    m_context.click();
    const QString folder = m_context.services.choosers.chooseFolder(
        QStringLiteral("Tavik - Lumbrel"), {}, itemrules::chooserStartFolder(m_context.state.projectFolder));
    if (folder.isEmpty())
        return;
    m_folderLabel->setText(folder);
    showList(true);
    m_fileList->clear();
    QList<QTreeWidgetItem*> lines;
    for (const auto& [entryFolder, name] : itemrules::findFiles(folder, m_subfoldersBox->isChecked()))
        lines.append(new QTreeWidgetItem(QStringList{entryFolder, name}));
    m_fileList->addTopLevelItems(lines);
    m_folderLabel->setText(itemrules::folderText(folder));
    selectAll();
}

void AddFolderDialog::showList(bool shown) {
    m_listPlace->setCurrentWidget(shown ? static_cast<QWidget*>(m_fileList) : m_statusLabel);
    m_selectAllButton->setVisible(shown);
}

void AddFolderDialog::selectAll() {
    // One selection change: selecting line by line merges the selection again for every line.
    m_fileList->selectAll();
}

void AddFolderDialog::addClicked() {
    m_context.click();
    if (m_context.gate()) {
        if (m_fileList->selectedItems().isEmpty()) {
            m_context.information(u"M2");
        } else {
            ItemTable& items = m_context.items;
            const QString projectFolder = m_context.state.projectFolder;
            int renameCounter = 0;
            const ItemRecord shared = m_fields.record();
            std::vector<ItemRecord> records;
            for (int i = 0; i < m_fileList->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* entry = m_fileList->topLevelItem(i);
                if (!entry->isSelected())
                    continue;
                const QString entryFolder = entry->text(0), name = entry->text(1);
                const QString fullName = entryFolder + name;
                QString itemName = itemrules::aloneName(name);
                if (m_numberedNameButton->isChecked()) {
                    ++renameCounter;
                    itemName = m_nameStemEdit->text().isEmpty()
                                   ? QString::number(renameCounter)
                                   : m_nameStemEdit->text() + u' ' + QString::number(renameCounter);
                } else if (m_askNameButton->isChecked()) {
                    itemName = m_ask->askName(QDir::toNativeSeparators(fullName), itemName);
                }
                ItemRecord record = shared;
                record[fieldIndex(ItemField::Name)] = itemName;
                record[fieldIndex(ItemField::FileName)] = name;
                record[fieldIndex(ItemField::CdPath)] = common::cdPathOf(entryFolder, projectFolder);
                record[fieldIndex(ItemField::CdSize)] = itemrules::sizeText(QFileInfo(fullName).size());
                record[fieldIndex(ItemField::SourceLocation)] = fullName;
                records.push_back(record);
            }
            const int lastRow = itemrules::addItems(items, std::move(records));
            m_context.state.modified = true;
            accept();
            m_context.makeCurrent(lastRow);
            if (!m_folderLabel->text().startsWith(projectFolder))
                m_context.warning(u"M3");
            m_context.showTipIfWanted();
        }
    }
    m_context.recomputeRowColours();
}
