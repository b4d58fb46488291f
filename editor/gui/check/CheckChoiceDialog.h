#pragma once

#include "editor/gui/ItemDialog.h"
#include "editor/language/TranslatableWindow.h"

class QListWidget;

// Asks in which of several folders the project check should take an item's file. There is no way
// out but choosing: no Cancel, no close box.
class CheckChoiceDialog : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
public:
    CheckChoiceDialog(ItemDialogContext& context, QWidget* parent);

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // Shows the folders with the first one selected; the position of the folder chosen.
    int choose(const QString& name, const QString& fileName, const QStringList& folders);
    // Fills the dialog without showing it.
    void prepare(const QString& name, const QString& fileName, const QStringList& folders);
    int chosenFolder() const;

    // Escape and the window system's close request change nothing.
    void reject() override {}

private:
    void okClicked();
    void helpClicked();

    QLabel* m_explanation;
    QLabel* m_itemName;
    QLabel* m_itemFileName;
    QListWidget* m_folderList;
    QPushButton* m_okButton;
    QPushButton* m_helpButton;
};
