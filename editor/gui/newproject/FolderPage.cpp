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
    m_introduction = new QLabel(this);
    m_introduction->setWordWrap(true);

    m_driveBox = new QComboBox(this);
    m_driveBox->setObjectName(QStringLiteral("drives"));
    for (const QFileInfo& drive : QDir::drives())
        m_driveBox->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()));

    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QString());
    m_folderTree = new QTreeView(this);
    m_folderTree->setObjectName(QStringLiteral("folders"));
    m_folderTree->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_folderTree->hideColumn(column);
    m_folderTree->header()->hide();

    m_makeFolderButton = new QPushButton(QStringLiteral("Make directory"), this);
    m_makeFolderButton->setObjectName(QStringLiteral("makeDirectory"));
    m_deleteFolderButton = new QPushButton(QStringLiteral("Delete Directoy"), this);
    m_deleteFolderButton->setObjectName(QStringLiteral("deleteDirectory"));
    m_exploreButton = new QPushButton(QStringLiteral("Launch Explorer"), this);
    m_exploreButton->setObjectName(QStringLiteral("launchExplorer"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_introduction, 0, 0, 1, 2);
    layout->addWidget(m_driveBox, 1, 0);
    layout->addWidget(m_folderTree, 2, 0, 4, 1);
    layout->addWidget(m_makeFolderButton, 2, 1);
    layout->addWidget(m_deleteFolderButton, 3, 1);
    layout->addWidget(m_exploreButton, 4, 1);
    layout->setRowStretch(5, 1);
    layout->setColumnStretch(0, 1);

    connect(m_driveBox, &QComboBox::activated, this, [this] { setCurrentFolder(m_driveBox->currentText()); });
    connect(m_folderTree->selectionModel(), &QItemSelectionModel::currentChanged, this, &FolderPage::chosen);
    // A folder that is current without having been chosen is chosen by clicking it.
    connect(m_folderTree, &QTreeView::clicked, this, &FolderPage::chosen);
    for (Command command : {Command::MakeFolder, Command::DeleteFolder, Command::Explore})
        connect(commandButton(command), &QPushButton::clicked, this,
                [this, command] { Q_EMIT commandPressed(command); });
}

QPushButton* FolderPage::commandButton(Command command) const {
    switch (command) {
    case Command::MakeFolder:
        return m_makeFolderButton;
    case Command::DeleteFolder:
        return m_deleteFolderButton;
    case Command::Explore:
        break;
    }
    return m_exploreButton;
}

void FolderPage::setIntroduction(const QString& text) {
    m_introduction->setText(text);
}

void FolderPage::setCommandCaption(Command command, const QString& caption) {
    commandButton(command)->setText(caption);
}

void FolderPage::setCommandHint(Command command, const QString& hint) {
    commandButton(command)->setToolTip(hint);
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
    const QModelIndex current = m_folderTree->currentIndex();
    return current.isValid() ? QDir::toNativeSeparators(m_model->filePath(current)) : QString();
}

void FolderPage::setCurrentFolder(const QString& folder) {
    const QModelIndex index = m_model->index(QDir::cleanPath(QDir::fromNativeSeparators(folder)));
    if (!index.isValid())
        return;
    m_folderTree->setCurrentIndex(index);
    m_folderTree->scrollTo(index);
}
