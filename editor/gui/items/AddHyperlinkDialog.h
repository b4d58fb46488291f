#pragma once

#include "editor/gui/items/AddItemDialog.h"

// Adds a hyperlink: an item whose File Name is a web address.
class AddHyperlinkDialog : public AddItemDialog {
    Q_OBJECT
public:
    AddHyperlinkDialog(ItemDialogContext& context, QWidget* parent);

    void prepare() override;

private:
    void okClicked();
};
