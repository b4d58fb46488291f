#pragma once

#include "editor/gui/ItemDialog.h"
#include "editor/language/TranslatableWindow.h"

class QVBoxLayout;

// The cell that an editor changes: the field's title and the item's name. Empty for a prompt that
// edits no cell.
struct CellTarget {
    QString field;
    QString item;
};

// The window title of a cell editor: its own title, then the field and the item, so that the user
// sees what is being changed.
QString cellEditorTitle(const QString& title, const CellTarget& target);

// Common ground of the cell editors: the item's name and the field above the control.
class CellEditor : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
protected:
    CellEditor(ItemDialogContext& context, const QString& name, QWidget* parent);
    // The item and field labels, for the top of the dialog.
    QVBoxLayout* targetLabels();
    void showTarget(const QString& title, const CellTarget& target);

    QLabel* m_itemLabel;
    QLabel* m_fieldLabel;
};

// The one-line text editor; besides cells it asks for a category's new caption and a new name.
class OneLineEditor : public CellEditor {
    Q_OBJECT
public:
    enum class Mode { Cell = 0, CategoryRename = 1, NewName = 2 };

    OneLineEditor(ItemDialogContext& context, QWidget* parent);
    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // Shows the editor; true when it was closed with OK. The caller then (or, for a new name,
    // whenever the field is not empty) reads text().
    bool run(Mode mode, const QString& initial, const CellTarget& target = {});
    QString text() const;
    Mode mode() const { return m_mode; }

private:
    void okClicked();
    void cancelClicked();

    QLineEdit* m_textEdit;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    Mode m_mode = Mode::Cell;
};

// Chooses yes or no for a cell.
class YesNoDialog : public CellEditor {
    Q_OBJECT
public:
    enum class Choice { Yes, No, Cancel };

    YesNoDialog(ItemDialogContext& context, QWidget* parent);
    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    Choice run(const CellTarget& target = {});

private:
    void yesClicked();
    void noClicked();
    void cancelClicked();

    QPushButton* m_yesButton;
    QPushButton* m_noButton;
    QPushButton* m_cancelButton;
    QString m_title;
    Choice m_choice = Choice::Cancel;
};

// Chooses one of the project's categories for a cell.
class CategoryChooserDialog : public CellEditor {
    Q_OBJECT
public:
    CategoryChooserDialog(ItemDialogContext& context, QWidget* parent);
    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // Opens with the first category selected, whatever the cell holds; true after OK.
    bool run(const CellTarget& target = {});
    QString selected() const;

private:
    void okClicked();
    void cancelClicked();

    QComboBox* m_categoryBox;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    QString m_title;
};
