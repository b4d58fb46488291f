#pragma once

#include "editor/gui/items/AddItemDialog.h"

// Adds a jump point: an item that opens a folder of the disc.
class AddJumpPointDialog : public AddItemDialog {
    Q_OBJECT
public:
    AddJumpPointDialog(ItemDialogContext& context, QWidget* parent);

    void prepare() override;

private:
    void chooseTargetClicked();
    void addClicked();

    QLineEdit* m_folderEdit;
};
