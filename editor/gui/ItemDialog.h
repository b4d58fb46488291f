#pragma once

#include "ui/services/Services.h"

#include <QDialog>

#include <functional>
#include <initializer_list>

class ItemTable;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
struct EditorState;

// What the dialogs that add and edit items need from the main window.
struct ItemDialogContext {
    EditorState& state;
    ItemTable& items;
    ui::Services services;
    std::function<bool()> projectOpen;
    // The row becomes the grid's current row, in its first data column.
    std::function<void(int row)> makeCurrent;
    std::function<void()> recomputeRowColours;
    // The tip dialog's "Show tip next time" reaches the setting and its menu entry.
    std::function<void(bool)> setShowTip;
    QDialog* tip = nullptr;

    void click() const;
    // True while a project is open; shows M1 otherwise.
    bool gate() const;
    void information(const char16_t* messageKey) const;
    void warning(const char16_t* messageKey) const;
    void error(const char16_t* messageKey) const;
    void showTipIfWanted() const;
    void help(int context) const;
    // "yes" or "no" in the editor's language, as an item's Copy and Execute hold them.
    QString yesNo(bool yes) const;
};

// Common ground of the item dialogs: named controls and the category box.
class ItemDialog : public QDialog {
    Q_OBJECT
public:
    ItemDialog(ItemDialogContext& context, const QString& name, const QString& title, QWidget* parent);

protected:
    // A new title widens the dialog until the whole title shows.
    void changeEvent(QEvent* event) override;

    QPushButton* button(const QString& name, const QString& caption);
    QLineEdit* edit(const QString& name);
    QLabel* label(const QString& caption, const QString& name = {});
    // The bold heading at the top of a dialog.
    QLabel* heading(const QString& caption);
    // OK, Cancel, Help and the like, right-aligned in a row.
    static QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons);
    QComboBox* categoryBox(const QString& name);

    ItemDialogContext& m_context;
};
