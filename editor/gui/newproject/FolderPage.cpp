#include "editor/gui/newproject/FolderPage.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

FolderPage::FolderPage(QWidget* parent) : QWizardPage(parent) {
    setObjectName(QStringLiteral("LMDAssistPage6"));
    setTitle(QStringLiteral("Step 1 - Project Folder"));
    m_text = new QLabel(this);
    m_text->setWordWrap(true);

    drives = new QComboBox(this);
    drives->setObjectName(QStringLiteral("drives"));
    for (const QFileInfo& drive : QDir::drives())
        drives->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()));

    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QString());
    folders = new QTreeView(this);
    folders->setObjectName(QStringLiteral("folders"));
    folders->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        folders->hideColumn(column);
    folders->header()->hide();

    makeDirectory = new QPushButton(QStringLiteral("Make directory"), this);
    makeDirectory->setObjectName(QStringLiteral("makeDirectory"));
    deleteDirectory = new QPushButton(QStringLiteral("Delete Directoy"), this);
    deleteDirectory->setObjectName(QStringLiteral("deleteDirectory"));
    launchExplorer = new QPushButton(QStringLiteral("Launch Explorer"), this);
    launchExplorer->setObjectName(QStringLiteral("launchExplorer"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_text, 0, 0, 1, 2);
    layout->addWidget(drives, 1, 0);
    layout->addWidget(folders, 2, 0, 4, 1);
    layout->addWidget(makeDirectory, 2, 1);
    layout->addWidget(deleteDirectory, 3, 1);
    layout->addWidget(launchExplorer, 4, 1);
    layout->setRowStretch(5, 1);
    layout->setColumnStretch(0, 1);

    connect(drives, &QComboBox::activated, this, [this] { setCurrentFolder(drives->currentText()); });
    connect(folders->selectionModel(), &QItemSelectionModel::currentChanged, this, &FolderPage::chosen);
    // A folder that is current without having been chosen is chosen by clicking it.
    connect(folders, &QTreeView::clicked, this, &FolderPage::chosen);
}

void FolderPage::chosen() const {
    if (!m_quiet && onFolderChanged && !currentFolder().isEmpty())
        onFolderChanged(currentFolder());
}

void FolderPage::selectWithoutChoosing(const QString& folder) {
    m_quiet = true;
    setCurrentFolder(folder);
    m_quiet = false;
}

QString FolderPage::currentFolder() const {
    const QModelIndex current = folders->currentIndex();
    return current.isValid() ? QDir::toNativeSeparators(m_model->filePath(current)) : QString();
}

void FolderPage::setCurrentFolder(const QString& folder) {
    const QModelIndex index = m_model->index(QDir::cleanPath(QDir::fromNativeSeparators(folder)));
    if (!index.isValid())
        return;
    folders->setCurrentIndex(index);
    folders->scrollTo(index);
}
