#include "editor/gui/items/ItemFieldsForm.h"

#include "editor/gui/ItemDialog.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

ItemFieldsForm::ItemFieldsForm(ItemDialogContext& context, QWidget& dialog, CaptionTable& captions)
    : m_context(context), m_dialog(dialog), m_captions(captions), m_layout(new QGridLayout) {
    m_layout->setColumnStretch(1, 1);
}

QLabel* ItemFieldsForm::caption(int key, const QString& text) {
    auto* label = new QLabel(text, &m_dialog);
    m_captions.push_back(captionOf(windowKey(key), label));
    return label;
}

void ItemFieldsForm::addRow(int key, const QString& text, QWidget* field) {
    const int row = m_layout->rowCount();
    m_layout->addWidget(caption(key, text), row, 0);
    m_layout->addWidget(field, row, 1);
}

void ItemFieldsForm::addRow(int key, const QString& text, QLayout* fields) {
    const int row = m_layout->rowCount();
    m_layout->addWidget(caption(key, text), row, 0);
    m_layout->addLayout(fields, row, 1);
}

void ItemFieldsForm::addRow(QWidget* field) {
    m_layout->addWidget(field, m_layout->rowCount(), 1);
}

void ItemFieldsForm::addRow(QLayout* fields) {
    m_layout->addLayout(fields, m_layout->rowCount(), 1);
}

QLineEdit* ItemFieldsForm::edit(const QString& name) const {
    auto* e = new QLineEdit(&m_dialog);
    e->setObjectName(name);
    return e;
}

QLabel* ItemFieldsForm::addValue(int key, const QString& text, const QString& name) {
    auto* value = new QLabel(&m_dialog);
    value->setObjectName(name);
    addRow(key, text, value);
    return value;
}

QLineEdit* ItemFieldsForm::addEdit(QLineEdit*& field, int key, const QString& text, const QString& name) {
    field = edit(name);
    addRow(key, text, field);
    return field;
}

QLineEdit* ItemFieldsForm::addName(int key, const QString& text) {
    return addEdit(m_nameEdit, key, text, QStringLiteral("anzname"));
}

QLineEdit* ItemFieldsForm::addSerial(int key, const QString& text) {
    return addEdit(m_serialEdit, key, text, QStringLiteral("serial"));
}

QLineEdit* ItemFieldsForm::addDescription(int key, const QString& text) {
    return addEdit(m_descriptionEdit, key, text, QStringLiteral("desc"));
}

QComboBox* ItemFieldsForm::addCategory(int key, const QString& text, const QString& name) {
    m_categoryBox = new QComboBox(&m_dialog);
    m_categoryBox->setObjectName(name);
    m_categoryBox->setEditable(false);
    addRow(key, text, m_categoryBox);
    return m_categoryBox;
}

QCheckBox* ItemFieldsForm::addCopy(int key, const QString& text) {
    m_copyBox = new QCheckBox(&m_dialog);
    m_copyBox->setObjectName(QStringLiteral("copyd"));
    addRow(key, text, m_copyBox);
    return m_copyBox;
}

QCheckBox* ItemFieldsForm::addExecute(int key, const QString& text) {
    m_executeBox = new QCheckBox(&m_dialog);
    m_executeBox->setObjectName(QStringLiteral("executed"));
    m_executeBox->setChecked(true);
    addRow(key, text, m_executeBox);
    return m_executeBox;
}

void ItemFieldsForm::addAddress(int key, const QString& text, const QString& protocolName,
                                const QString& addressName) {
    m_protocolBox = new QComboBox(&m_dialog);
    m_protocolBox->setObjectName(protocolName);
    m_protocolBox->addItems(
        {QStringLiteral("http://"), QStringLiteral("https://"), QStringLiteral("ftp://")});
    m_addressEdit = edit(addressName);
    auto* fields = new QHBoxLayout;
    fields->addWidget(m_protocolBox);
    fields->addWidget(m_addressEdit, 1);
    addRow(key, text, fields);
}

void ItemFieldsForm::addFileDetails(int firstKey, const QString& copyCaption, const QString& executeCaption) {
    addDescription(firstKey, QStringLiteral("Description:"));
    addCategory(firstKey + 1, QStringLiteral("Category:"), QStringLiteral("ComboBox1"));
    addCopy(firstKey + 2, copyCaption);
    addExecute(firstKey + 3, executeCaption);
    addAddress(firstKey + 4, QStringLiteral("Website:"), QStringLiteral("ComboBox2"),
               QStringLiteral("hpurl"));
}

void ItemFieldsForm::fill(const QString& text) {
    for (QLineEdit* e : {m_serialEdit, m_descriptionEdit, m_addressEdit}) {
        if (e)
            e->setText(text);
    }
    if (m_protocolBox)
        m_protocolBox->setCurrentIndex(0);
    if (m_copyBox)
        m_copyBox->setChecked(true);
}

void ItemFieldsForm::refillCategories() {
    const int previous = std::max(0, m_categoryBox->currentIndex());
    m_categoryBox->clear();
    m_categoryBox->addItems(m_context.state.categories);
    m_categoryBox->setCurrentIndex(previous < m_categoryBox->count() ? previous : 0);
}

ItemRecord ItemFieldsForm::record() const {
    const QString na = QStringLiteral("n/a");
    const auto text = [](const QLineEdit* e) { return e ? e->text() : QString(); };
    return {
        text(m_nameEdit),
        QString(),
        QString(),
        text(m_serialEdit),
        na,
        na,
        text(m_descriptionEdit),
        m_categoryBox ? m_categoryBox->currentText() : QString(),
        m_context.yesNo(m_copyBox && m_copyBox->isChecked()),
        na,
        m_protocolBox ? itemrules::homepage(m_protocolBox->currentText(), m_addressEdit->text()) : na,
        m_context.yesNo(!m_executeBox || m_executeBox->isChecked()),
    };
}
