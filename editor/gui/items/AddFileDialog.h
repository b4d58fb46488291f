#pragma once

#include "editor/gui/items/ItemDialogContext.h"
#include "editor/language/TranslatableWindow.h"

class QCheckBox;

// Adds one file as an item, its fields filled in by hand.
class AddFileDialog : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
public:
    AddFileDialog(ItemDialogContext& context, QWidget* parent);

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // Resets the fields for a new addition (the Add File command, before showing).
    void prepare();
    void chooseFileClicked();
    void sizeFillInClicked();
    void addClicked();
    void cancelClicked();
    void helpClicked();

    QPushButton* selfilebtn;
    QLineEdit* anzname;
    QLabel* filename;
    QLabel* pfad;
    QLineEdit* serial;
    QLineEdit* sizep;
    QPushButton* SizefillIn;
    QLineEdit* sizeup;
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
    QLabel* m_heading;
    std::vector<QLabel*> m_captions;
    QString m_chosenFile;
    // Where the file chooser opens: the folder of the file last added, or the project folder.
    QString chooserFolder() const;
    QString m_lastFolder;
    QString m_lastFolderProject; // the project folder when m_lastFolder was picked
};
