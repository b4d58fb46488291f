#pragma once

#include "ItemDialogContext.h"
#include "language/TranslatableWindow.h"

// The one-line text editor; besides cells it asks for a category's new caption and a new name.
class OneLineEditor : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
public:
    enum class Mode { Cell = 0, CategoryRename = 1, NewName = 2 };

    OneLineEditor(ItemDialogContext& context, QWidget* parent);
    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // Shows the editor; true when it was closed with OK. The caller then (or, for a new name,
    // whenever the field is not empty) reads text().
    bool run(Mode mode, const QString& initial);
    QString text() const;
    Mode mode() const { return m_mode; }

    void OKClick();
    void cancelClick();
    void returnPressed();

    QLineEdit* m_textEdit;
    QPushButton* OK;
    QPushButton* cancel;

private:
    Mode m_mode = Mode::Cell;
};

// Chooses yes or no for a cell.
class YesNoChooser : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
public:
    enum class Choice { Yes, No, Cancel };

    YesNoChooser(ItemDialogContext& context, QWidget* parent);
    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    Choice run();
    void yesClick();
    void noClick();
    void cancelClick();

    QPushButton* yes;
    QPushButton* no;
    QPushButton* cancel;

private:
    Choice m_choice = Choice::Cancel;
};

// Chooses one of the project's categories for a cell.
class CategoryChooser : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
public:
    CategoryChooser(ItemDialogContext& context, QWidget* parent);
    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // Opens with the first category selected, whatever the cell holds; true after OK.
    bool run();
    QString selected() const;
    void OKClick();
    void cancelClick();

    QComboBox* m_categoryBox;
    QPushButton* OK;
    QPushButton* cancel;
};
