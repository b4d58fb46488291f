#pragma once

#include "ItemDialogContext.h"
#include "language/TranslatableWindow.h"

// Adds a hyperlink: an item whose File Name is a web address.
class Taurlform : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
public:
    Taurlform(ItemDialogContext& context, QWidget* parent);

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    void prepare();
    void LMDShapeLabelButton1Click();
    void addurlClick();
    void HelpClick();

    QLineEdit* anzname;
    QComboBox* ComboBox1; // protocol
    QLineEdit* filename;
    QLineEdit* serial;
    QLineEdit* desc;
    QComboBox* ComboBox2; // category
    QPushButton* LMDShapeLabelButton1;
    QPushButton* addurl;
    QPushButton* Help;

private:
    QLabel* m_heading;
    std::vector<QLabel*> m_captions;
};
