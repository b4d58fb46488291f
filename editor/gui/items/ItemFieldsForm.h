#pragma once

#include "editor/gui/CaptionTable.h"
#include "editor/project/ItemField.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QWidget;
struct ItemDialogContext;

// The rows of fields that the add dialogs share, a caption before each: made in the dialog's order
// under the object names its texts and tests know, reset for a new addition and read into the new
// item. A dialog makes only the rows it shows; the others give their item's usual values.
class ItemFieldsForm {
public:
    // The captions go into the dialog's table CAPTIONS; each row's is the text of key "E" + KEY.
    ItemFieldsForm(ItemDialogContext& context, QWidget& dialog, CaptionTable& captions);

    QGridLayout* layout() const { return m_layout; }

    QLineEdit* addName(int key, const QString& caption);
    QLineEdit* addSerial(int key, const QString& caption);
    QLineEdit* addDescription(int key, const QString& caption);
    QComboBox* addCategory(int key, const QString& caption, const QString& name);
    // A protocol box and the address after it.
    void addAddress(int key, const QString& caption, const QString& protocolName, const QString& addressName);
    // The rows of an item that is a file: Description, Category, copying, starting and Website, their
    // captions the texts of keys FIRSTKEY on.
    void addFileDetails(int firstKey, const QString& copyCaption, const QString& executeCaption);
    // A row of the dialog's own: a field, a row of fields, or (without caption) a field under the one
    // above.
    void addRow(int key, const QString& caption, QWidget* field);
    void addRow(int key, const QString& caption, QLayout* fields);
    void addRow(QWidget* field);
    void addRow(QLayout* fields);
    // A row that shows a value the user does not type.
    QLabel* addValue(int key, const QString& caption, const QString& name);
    // An edit under NAME for a row of the dialog's own.
    QLineEdit* edit(const QString& name) const;

    QLineEdit* nameEdit() const { return m_nameEdit; }
    QComboBox* protocolBox() const { return m_protocolBox; }
    QLineEdit* addressEdit() const { return m_addressEdit; }
    QCheckBox* executeBox() const { return m_executeBox; }

    // Serial, description and address take TEXT, the first protocol is chosen, copying allowed.
    void fill(const QString& text);
    // The project's categories, keeping the chosen one where it still exists.
    void refillCategories();
    // A new item with this form's values: Name, Serial, Description, Category, Copy, Homepage
    // and Execute where the form has them ("no" copy, the homepage "n/a" and "yes" execute where
    // not), "n/a" sizes and source; File Name and CD Path are the dialog's to give.
    ItemRecord record() const;

private:
    QLabel* caption(int key, const QString& text);
    QLineEdit* addEdit(QLineEdit*& field, int key, const QString& text, const QString& name);
    QCheckBox* addCopy(int key, const QString& caption);
    QCheckBox* addExecute(int key, const QString& caption);

    ItemDialogContext& m_context;
    QWidget& m_dialog;
    CaptionTable& m_captions;
    QGridLayout* m_layout;
    QLineEdit* m_nameEdit = nullptr;
    QLineEdit* m_serialEdit = nullptr;
    QLineEdit* m_descriptionEdit = nullptr;
    QComboBox* m_categoryBox = nullptr;
    QCheckBox* m_copyBox = nullptr;
    QCheckBox* m_executeBox = nullptr;
    QComboBox* m_protocolBox = nullptr;
    QLineEdit* m_addressEdit = nullptr;
};
