#include "editor/gui/items/AddHyperlinkDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

AddHyperlinkDialog::AddHyperlinkDialog(ItemDialogContext& context, QWidget* parent)
    : AddItemDialog(context, QStringLiteral("Taurlform"), QStringLiteral("Tavik - Lumbrel - Add Hyperlink"),
                    u"AURL", u"T8", parent) {
    QHBoxLayout* top = headingRow(QStringLiteral("Hyperlink control"), {});
    m_fields.addName(2, QStringLiteral("Name:"));
    m_fields.addAddress(3, QStringLiteral("URL:"), QStringLiteral("ComboBox1"), QStringLiteral("filename"));
    m_fields.addSerial(4, QStringLiteral("Password:"));
    m_fields.addDescription(5, QStringLiteral("Description:"));
    m_fields.addCategory(6, QStringLiteral("Category:"), QStringLiteral("ComboBox2"));
    // Cancel shares its name with the tool bar's Add URL button.
    arrange(top, {"LMDShapeLabelButton1", "addurl", "Help"}, 7, 2200);
    setMinimumWidth(440);

    connect(m_okButton, &QPushButton::clicked, this, &AddHyperlinkDialog::okClicked);
}

void AddHyperlinkDialog::prepare() {
    m_fields.nameEdit()->clear();
    m_fields.fill(QStringLiteral("n/a"));
    m_fields.addressEdit()->setText(QStringLiteral("www."));
    m_fields.refillCategories();
    m_fields.nameEdit()->setFocus();
}

void AddHyperlinkDialog::okClicked() {
    m_context.click();
    if (m_fields.nameEdit()->text().isEmpty()) {
        m_context.information(u"M8");
        m_fields.nameEdit()->setFocus();
        return;
    }
    m_context.showTipIfWanted();
    ItemRecord record = m_fields.record();
    record[fieldIndex(ItemField::FileName)] =
        m_fields.protocolBox()->currentText() + m_fields.addressEdit()->text();
    record[fieldIndex(ItemField::Homepage)] = QStringLiteral("n/a");
    finish(storeItem(record));
    m_context.recomputeRowColours();
}
