#pragma once

#include <QWizardPage>

#include <functional>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

// The wizard's first step: the project folder, chosen in a folder tree, with commands to make,
// show and delete folders. The commands' work lies with the wizard; the tree follows the file
// system by itself.
class FolderPage : public QWizardPage {
    Q_OBJECT
public:
    explicit FolderPage(QWidget* parent = nullptr);

    // The folder that the tree shows as current, without a trailing separator; empty for none.
    QString currentFolder() const;
    void setCurrentFolder(const QString& folder);
    // Shows the folder as current without choosing it: onFolderChanged does not run.
    void selectWithoutChoosing(const QString& folder);

    // Runs with every change of the current folder, and when the user clicks the current one.
    std::function<void(const QString& folder)> onFolderChanged;

    enum class Command { MakeFolder, DeleteFolder, Explore };
    void setIntroduction(const QString& text);
    void setCommandCaption(Command command, const QString& caption);
    void setCommandHint(Command command, const QString& hint);

Q_SIGNALS:
    void commandPressed(FolderPage::Command command);

private:
    void chosen() const;
    QPushButton* commandButton(Command command) const;

    QLabel* m_introduction;
    QComboBox* m_driveBox;
    QTreeView* m_folderTree;
    QPushButton* m_makeFolderButton;
    QPushButton* m_deleteFolderButton;
    QPushButton* m_exploreButton;
    QFileSystemModel* m_model;
    bool m_quiet = false;
};
