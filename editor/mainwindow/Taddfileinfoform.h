#pragma once

#include "ItemDialogContext.h"
#include "language/TranslatableWindow.h"

class QCheckBox;

// The tip shown around additions: how to edit items afterwards.
class Taddfileinfoform : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
public:
    Taddfileinfoform(ItemDialogContext& context, QWidget* parent);

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;
    void addClick();

    QCheckBox* CheckBox1;

private:
    QLabel* m_heading;
    QLabel* m_hint1;
    QLabel* m_hint2;
    QPushButton* add;
};
