#pragma once

#include "editor/gui/items/ItemDialogContext.h"
#include "editor/language/TranslatableWindow.h"

class QCheckBox;
class QRadioButton;
class QStackedLayout;
class QTreeWidget;
class ItemNameDialog;

// Adds every file of a folder (and its subfolders, if wanted) that the user leaves selected.
class AddFolderDialog : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
public:
    AddFolderDialog(ItemDialogContext& context, ItemNameDialog* ask, QWidget* parent);

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // Resets the dialog for a new addition (the Add Folder command, before showing).
    void prepare();
    void chooseFolderClicked();
    void selectAllClicked();
    void addClicked();
    void cancelClicked();
    void helpClicked();

    QPushButton* selfilebtn;
    QCheckBox* subdirs_check;
    QTreeWidget* FileListBox;
    QPushButton* m_selectAllButton;
    QRadioButton* originalok;
    QRadioButton* renameok;
    QLineEdit* rename;
    QRadioButton* asknameok;
    QLabel* pfad;
    QLabel* m_folderLabel;
    QLineEdit* serial;
    QLineEdit* desc;
    QComboBox* m_categoryBox;
    QCheckBox* copyd;
    QCheckBox* executed;
    QComboBox* m_protocolBox;
    QLineEdit* hpurl;
    QPushButton* add;
    QPushButton* cancel;
    QPushButton* help;

private:
    // The file list, or in its place the status text while no folder is chosen.
    void showList(bool shown);

    ItemNameDialog* m_ask;
    QStackedLayout* m_listPlace;
    QLabel* m_heading;
    std::vector<QLabel*> m_captions;
};
