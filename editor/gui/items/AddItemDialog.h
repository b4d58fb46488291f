#pragma once

#include "editor/gui/CaptionTable.h"
#include "editor/gui/ItemDialog.h"
#include "editor/gui/items/ItemFieldsForm.h"
#include "editor/language/TranslatableWindow.h"
#include "editor/language/WindowTexts.h"

#include <array>
#include <initializer_list>

class QVBoxLayout;

// What the dialogs that add items share: the fields form, captions from the dialog's own section of
// the language file, OK, Cancel and Help, and how the new item goes into the grid.
class AddItemDialog : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
public:
    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // Resets the fields for a new addition, before the dialog shows.
    virtual void prepare() = 0;

protected:
    // SECTION is the dialog's section of the language file, TITLEKEY the key of its title.
    AddItemDialog(ItemDialogContext& context, const QString& name, const QString& title, QStringView section,
                  QStringView titleKey, QWidget* parent);

    using ItemDialog::button;
    // A button whose caption is the text of key "E" + KEY.
    QPushButton* button(const QString& name, const QString& caption, int key);
    // A check box or radio button, its caption the text of key "E" + KEY.
    template <typename Option> Option* option(const QString& name, const QString& caption, int key) {
        auto* o = new Option(caption, this);
        o->setObjectName(name);
        m_captions.push_back(captionOf(windowKey(key), o));
        return o;
    }
    // The button that chooses what to add (key E2), made once as m_chooseButton.
    QPushButton* chooseButton();
    // The heading (key E1), the dialog's CONTROLS on its right.
    QHBoxLayout* headingRow(const QString& caption, std::initializer_list<QWidget*> controls);
    // Lays out the dialog: TOP, the fields, then OK, Cancel and Help under NAMES with the captions
    // of keys FIRSTKEY on. Cancel closes the dialog and Help opens help page HELPCONTEXT, each with
    // the click; OK is m_okButton, the dialog's own.
    QVBoxLayout* arrange(QLayout* top, const std::array<const char*, 3>& names, int firstKey,
                         int helpContext);
    // Puts RECORD into the grid's first empty row or a new one and marks the project modified;
    // gives its row.
    int storeItem(const ItemRecord& record);
    // Closes the dialog on the new item's row.
    void finish(int row);

    CaptionTable m_captions;
    ItemFieldsForm m_fields;
    QPushButton* m_chooseButton = nullptr;
    QPushButton* m_okButton = nullptr;

private:
    QString m_section;
    QString m_titleKey;
};
