#pragma once

#include "editor/gui/items/ItemDialogContext.h"
#include "editor/language/TranslatableWindow.h"
#include "editor/project/GridFind.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QRadioButton;

// Asks what to find in the item grid and how; its settings stay from one opening to the next.
class FindDialog : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
public:
    FindDialog(ItemDialogContext& context, QWidget* parent);

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // The search that the controls describe.
    gridfind::Options options() const;

    void okClicked();
    void cancelClicked();
    void helpClicked();

    QLineEdit* findtext;
    QCheckBox* chkcase;
    QCheckBox* chkfull;
    QCheckBox* chkregular;
    QGroupBox* where;
    QGroupBox* dir;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    QPushButton* m_helpButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_heading;
    QLabel* m_textLabel;
    QButtonGroup* m_ranges;
    QButtonGroup* m_orders;
};
