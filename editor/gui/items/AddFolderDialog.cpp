#include "editor/gui/items/AddFolderDialog.h"

#include "common/Paths.h"
#include "editor/gui/items/ItemNameDialog.h"
#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/EditorState.h"
#include "editor/project/FolderFileList.h"
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
#include <QTreeView>
#include <QVBoxLayout>

AddFolderDialog::AddFolderDialog(ItemDialogContext& context, ItemNameDialog* ask, QWidget* parent)
    : AddItemDialog(context, QStringLiteral("Tadirform"), QStringLiteral("Tavik - Lumbrel - Add Folder"),
                    u"AddDir", u"T2", parent),
      m_ask(ask) {
    QPushButton* choose = chooseButton();
    m_subfoldersBox =
        option<QCheckBox>(QStringLiteral("subdirs_check"), QStringLiteral("Include Subfolders"), 3);
    m_files = new FolderFileList(this);
    m_fileList = new QTreeView(this);
    m_fileList->setObjectName(QStringLiteral("FileListBox"));
    m_fileList->setModel(m_files);
    m_files->setCaption(FolderFileList::FolderColumn, QStringLiteral("Path"));
    m_files->setCaption(FolderFileList::NameColumn, QStringLiteral("Filename"));
    for (const auto column : {FolderFileList::FolderColumn, FolderFileList::NameColumn}) {
        m_captions.push_back(
            {windowKey(4 + column), [this, column](const QString& t) { m_files->setCaption(column, t); }});
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
    m_files->clear();
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
    m_files->scan(folder, m_subfoldersBox->isChecked());
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

std::vector<int> AddFolderDialog::selectedRows() const {
    // Through the selection's ranges: asking row by row searches them all for every row.
    std::vector<bool> selected(std::size_t(m_files->rowCount()));
    for (const QItemSelectionRange& range : m_fileList->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            selected[std::size_t(row)] = true;
    }
    std::vector<int> rows;
    for (int row = 0; row < m_files->rowCount(); ++row) {
        if (selected[std::size_t(row)])
            rows.push_back(row);
    }
    return rows;
}

ItemRows AddFolderDialog::itemsFor(const std::vector<int>& rows) {
    std::vector<QString> paths;
    paths.reserve(rows.size());
    for (const int row : rows)
        paths.push_back(m_files->file(row).first + m_files->file(row).second);
    const std::vector<qint64> sizes = itemrules::fileSizes(paths);
    const QString projectFolder = m_context.state.projectFolder;
    const ItemRecord shared = m_fields.record();
    ItemRows records;
    records.reserve(int(rows.size()));
    // A folder's files follow one another, so its CD path is worked out once.
    QString lastFolder;
    QString cdPath;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& [entryFolder, name] = m_files->file(rows[i]);
        if (records.empty() || entryFolder != lastFolder) {
            lastFolder = entryFolder;
            cdPath = common::cdPathOf(entryFolder, projectFolder);
        }
        QString itemName = itemrules::aloneName(name);
        if (m_numberedNameButton->isChecked()) {
            const QString number = QString::number(i + 1);
            itemName = m_nameStemEdit->text().isEmpty() ? number : m_nameStemEdit->text() + u' ' + number;
        } else if (m_askNameButton->isChecked()) {
            itemName = m_ask->askName(QDir::toNativeSeparators(paths[i]), itemName);
        }
        ItemRecord record = shared;
        record[fieldIndex(ItemField::Name)] = itemName;
        record[fieldIndex(ItemField::FileName)] = name;
        record[fieldIndex(ItemField::CdPath)] = cdPath;
        record[fieldIndex(ItemField::CdSize)] = itemrules::sizeText(sizes[i]);
        record[fieldIndex(ItemField::SourceLocation)] = paths[i];
        records.append(record);
    }
    return records;
}

void AddFolderDialog::addClicked() {
    m_context.click();
    if (m_context.gate()) {
        const std::vector<int> rows = selectedRows();
        if (rows.empty()) {
            m_context.information(u"M2");
        } else {
            ItemTable& items = m_context.items;
            const QString projectFolder = m_context.state.projectFolder;
            const int lastRow = itemrules::addItems(items, itemsFor(rows));
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
