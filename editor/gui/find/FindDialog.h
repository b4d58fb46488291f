#pragma once

#include "editor/gui/ItemDialog.h"
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

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okClicked();
    void cancelClicked();
    void helpClicked();

    QLineEdit* m_textEdit;
    QCheckBox* m_caseSensitiveBox;
    QCheckBox* m_wholeWordsBox;
    QCheckBox* m_regularExpressionBox;
    QGroupBox* m_rangeGroup;
    QGroupBox* m_orderGroup;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    QPushButton* m_helpButton;

    QLabel* m_heading;
    QLabel* m_textLabel;
    QButtonGroup* m_ranges;
    QButtonGroup* m_orders;
};
