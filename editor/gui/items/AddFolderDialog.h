#pragma once

#include "editor/gui/items/AddItemDialog.h"
#include "editor/project/ItemRows.h"

#include <vector>

class QCheckBox;
class QRadioButton;
class QStackedLayout;
class QTreeView;
class FolderFileList;
class ItemNameDialog;

// Adds every file of a folder (and its subfolders, if wanted) that the user leaves selected.
class AddFolderDialog : public AddItemDialog {
    Q_OBJECT
public:
    AddFolderDialog(ItemDialogContext& context, ItemNameDialog* ask, QWidget* parent);

    void prepare() override;

private:
    void chooseFolderClicked();
    void addClicked();
    void selectAll();
    // The rows of the selected files, in the list's order.
    std::vector<int> selectedRows() const;
    // The items for the files of these rows, named as the dialog says.
    ItemRows itemsFor(const std::vector<int>& rows);
    // The file list, or in its place the status text while no folder is chosen.
    void showList(bool shown);

    ItemNameDialog* m_ask;
    QCheckBox* m_subfoldersBox;
    FolderFileList* m_files;
    QTreeView* m_fileList;
    QLabel* m_statusLabel;
    QStackedLayout* m_listPlace;
    QPushButton* m_selectAllButton;
    QRadioButton* m_originalNameButton;
    QRadioButton* m_numberedNameButton;
    QLineEdit* m_nameStemEdit;
    QRadioButton* m_askNameButton;
    QLabel* m_folderLabel;
};
