#include "editor/gui/items/AddJumpPointDialog.h"

#include "common/Paths.h"
#include "editor/language/LanguageTables.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemRules.h"
#include "ui/services/ChooserService.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

AddJumpPointDialog::AddJumpPointDialog(ItemDialogContext& context, QWidget* parent)
    : AddItemDialog(context, QStringLiteral("Tajumpform"), QStringLiteral("Tavik - Lumbrel - Add Jump Point"),
                    u"AJump", u"T5", parent) {
    QHBoxLayout* top = headingRow(QStringLiteral("Jump Point Control"), {chooseButton()});
    m_fields.addName(3, QStringLiteral("Name:"));
    m_folderEdit = m_fields.edit(QStringLiteral("pfad"));
    m_folderEdit->setReadOnly(true);
    m_fields.addRow(4, QStringLiteral("Path"), m_folderEdit);
    m_fields.addSerial(5, QStringLiteral("Serial:"));
    m_fields.addDescription(6, QStringLiteral("Description:"));
    m_fields.addCategory(7, QStringLiteral("Category:"), QStringLiteral("ComboBox1"));
    m_fields.addAddress(8, QStringLiteral("Website:"), QStringLiteral("ComboBox2"), QStringLiteral("hpurl"));
    arrange(top, {"add", "cancel", "help"}, 9, 2250);
    setMinimumWidth(460);

    connect(m_chooseButton, &QPushButton::clicked, this, &AddJumpPointDialog::chooseTargetClicked);
    connect(m_okButton, &QPushButton::clicked, this, &AddJumpPointDialog::addClicked);
}

void AddJumpPointDialog::prepare() {
    m_chooseButton->setEnabled(true);
    m_fields.nameEdit()->clear();
    m_folderEdit->clear();
    m_fields.fill({});
    m_fields.refillCategories();
}

void AddJumpPointDialog::chooseTargetClicked() {
    m_context.click();
    const QString folder = m_context.services.choosers.chooseFolder(
        QStringLiteral("Tavik - Lumbrel - Jump Point"), QStringLiteral("Please browse for Jump Point"),
        itemrules::chooserStartFolder(m_context.state.projectFolder));
    if (folder.isEmpty())
        return;
    m_fields.nameEdit()->setText(QStringLiteral("n/a"));
    m_folderEdit->setText(itemrules::folderText(folder));
    m_fields.fill(QStringLiteral("n/a"));
    m_fields.nameEdit()->setFocus();
}

void AddJumpPointDialog::addClicked() {
    m_context.click();
    const QString name = m_fields.nameEdit()->text();
    if (name.isEmpty() || name == u"n/a") {
        m_context.information(u"M5");
        m_fields.nameEdit()->setFocus();
        return;
    }
    m_context.showTipIfWanted();
    ItemRecord record = m_fields.record();
    record[fieldIndex(ItemField::FileName)] = m_context.state.language.jumpPointText();
    record[fieldIndex(ItemField::CdPath)] =
        common::cdPathOf(m_folderEdit->text(), m_context.state.projectFolder);
    finish(storeItem(record));
    m_context.recomputeRowColours();
}
