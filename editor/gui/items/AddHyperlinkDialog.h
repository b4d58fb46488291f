#pragma once

#include "editor/gui/items/ItemDialogContext.h"
#include "editor/language/TranslatableWindow.h"

// Adds a hyperlink: an item whose File Name is a web address.
class AddHyperlinkDialog : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
public:
    AddHyperlinkDialog(ItemDialogContext& context, QWidget* parent);

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    void prepare();
    void okClicked();
    void cancelClicked();
    void helpClicked();

    QLineEdit* anzname;
    QComboBox* m_protocolBox; // protocol
    QLineEdit* filename;
    QLineEdit* serial;
    QLineEdit* desc;
    QComboBox* m_categoryBox; // category
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    QPushButton* Help;

private:
    QLabel* m_heading;
    std::vector<QLabel*> m_captions;
};
