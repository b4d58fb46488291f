#pragma once

#include "editor/gui/ItemDialog.h"
#include "editor/language/TranslatableWindow.h"

class QTableWidget;
namespace projectcheck {
struct Report;
}

// What the project check removed and what it re-pointed.
class CheckSummaryDialog : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
public:
    CheckSummaryDialog(ItemDialogContext& context, QWidget* parent);

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // Fills both lists from the report without showing the dialog.
    void prepare(const projectcheck::Report& report);

private:
    void okClicked();
    void helpClicked();

    QTableWidget* m_removedGrid;
    QTableWidget* m_replacedGrid;
    QPushButton* m_okButton;
    QPushButton* m_helpButton;
    // Shown in place of both lists when the check found nothing to repair.
    QLabel* m_nothingToRepair;
    QLabel* m_heading;
    QLabel* m_removedLabel;
    QLabel* m_replacedLabel;
};
