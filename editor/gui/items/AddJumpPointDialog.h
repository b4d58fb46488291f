#pragma once

#include "editor/gui/items/ItemDialogContext.h"
#include "editor/language/TranslatableWindow.h"

// Adds a jump point: an item that opens a folder of the disc.
class AddJumpPointDialog : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
public:
    AddJumpPointDialog(ItemDialogContext& context, QWidget* parent);

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    void prepare();
    void chooseTargetClicked();
    void addClicked();
    void cancelClicked();
    void helpClicked();

    QPushButton* selfilebtn;
    QLineEdit* anzname;
    QLineEdit* pfad;
    QLineEdit* serial;
    QLineEdit* desc;
    QComboBox* m_categoryBox; // category
    QComboBox* m_protocolBox; // protocol
    QLineEdit* hpurl;
    QPushButton* add;
    QPushButton* cancel;
    QPushButton* help;

private:
    QLabel* m_heading;
    std::vector<QLabel*> m_captions;
};
