#pragma once

#include "editor/gui/items/AddItemDialog.h"

class QCheckBox;
class QRadioButton;
class QStackedLayout;
class QTreeWidget;
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
    // The file list, or in its place the status text while no folder is chosen.
    void showList(bool shown);

    ItemNameDialog* m_ask;
    QCheckBox* m_subfoldersBox;
    QTreeWidget* m_fileList;
    QLabel* m_statusLabel;
    QStackedLayout* m_listPlace;
    QPushButton* m_selectAllButton;
    QRadioButton* m_originalNameButton;
    QRadioButton* m_numberedNameButton;
    QLineEdit* m_nameStemEdit;
    QRadioButton* m_askNameButton;
    QLabel* m_folderLabel;
};
