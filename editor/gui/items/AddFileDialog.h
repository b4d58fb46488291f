#pragma once

#include "editor/gui/items/AddItemDialog.h"

// Adds one file as an item, its fields filled in by hand.
class AddFileDialog : public AddItemDialog {
    Q_OBJECT
public:
    AddFileDialog(ItemDialogContext& context, QWidget* parent);

    void prepare() override;

private:
    void chooseFileClicked();
    void addClicked();
    // Where the file chooser opens: the folder of the file last added, or the project folder.
    QString chooserFolder() const;

    QLabel* m_fileNameLabel;
    QLabel* m_folderLabel;
    QLineEdit* m_cdSizeEdit;
    QLineEdit* m_hdSizeEdit;
    QString m_chosenFile;
    QString m_lastFolder;
    QString m_lastFolderProject; // the project folder when m_lastFolder was picked
};
