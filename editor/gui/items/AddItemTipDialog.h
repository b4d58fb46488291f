#pragma once

#include "editor/gui/ItemDialog.h"
#include "editor/language/TranslatableWindow.h"

class QCheckBox;

// The tip shown around additions: how to edit items afterwards.
class AddItemTipDialog : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
public:
    AddItemTipDialog(ItemDialogContext& context, QWidget* parent);

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addClicked();

    QCheckBox* m_showTipNextTime;
    QLabel* m_heading;
    QLabel* m_hint1;
    QLabel* m_hint2;
    QPushButton* m_okButton;
};
