#pragma once

#include "ItemDialogContext.h"
#include "language/TranslatableWindow.h"

class QCheckBox;
class QRadioButton;
class QTreeWidget;
class Tadir_askform;

// Adds every file of a folder (and its subfolders, if wanted) that the user leaves selected.
class Tadirform : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
public:
    Tadirform(ItemDialogContext& context, Tadir_askform* ask, QWidget* parent);

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // Resets the dialog for a new addition (the Add Folder command, before showing).
    void prepare();
    void selfilebtnClick();
    void LMDButton2Click();
    void addClick();
    void cancelClick();
    void helpClick();

    QPushButton* selfilebtn;
    QCheckBox* subdirs_check;
    QTreeWidget* FileListBox;
    QPushButton* LMDButton2;
    QRadioButton* originalok;
    QRadioButton* renameok;
    QLineEdit* rename;
    QRadioButton* asknameok;
    QLabel* pfad;
    QLabel* LMDSimpleLabel6;
    QLineEdit* serial;
    QLineEdit* desc;
    QComboBox* ComboBox1;
    QCheckBox* copyd;
    QCheckBox* executed;
    QComboBox* ComboBox2;
    QLineEdit* hpurl;
    QPushButton* add;
    QPushButton* cancel;
    QPushButton* help;

private:
    Tadir_askform* m_ask;
    QLabel* m_heading;
    std::vector<QLabel*> m_captions;
};
