#pragma once

#include "editor/gui/ItemDialog.h"
#include "editor/language/TranslatableWindow.h"

// Asks for the name of one file while a folder is added.
class ItemNameDialog : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
public:
    ItemNameDialog(ItemDialogContext& context, QWidget* parent);

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // The name for the file: the typed text after OK (even when empty), the suggestion after Cancel.
    QString askName(const QString& fileName, const QString& suggestion);
    void addClicked();
    void cancelClicked();

    QLineEdit* rename;
    QPushButton* add;
    QPushButton* cancel;

private:
    QLabel* m_nameFor;
    QLabel* m_heading;
};
