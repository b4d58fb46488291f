#include "CellEditors.h"

#include "language/LanguageTables.h"
#include "language/WindowTexts.h"
#include "project/EditorState.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kNewValue = QStringLiteral("New Value");

} // namespace

OneLineEditor::OneLineEditor(ItemDialogContext& context, QWidget* parent)
    : ItemDialog(context, QStringLiteral("Tallfileseditform"), kNewValue, parent) {
    m_textEdit = edit(QStringLiteral("Edit1"));
    OK = button(QStringLiteral("OK"), QStringLiteral("OK"));
    cancel = button(QStringLiteral("cancel"), QStringLiteral("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_textEdit);
    layout->addLayout(buttonRow({OK, cancel}));
    setMinimumWidth(380);
    connect(OK, &QPushButton::clicked, this, &OneLineEditor::OKClick);
    connect(cancel, &QPushButton::clicked, this, &OneLineEditor::cancelClick);
    connect(m_textEdit, &QLineEdit::returnPressed, this, &OneLineEditor::returnPressed);
}

void OneLineEditor::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    setWindowTitle(tables.text(u"T6"));
    OK->setText(windowText(file, u"AllFilesEdit", 1));
    cancel->setText(windowText(file, u"AllFilesEdit", 2));
}

bool OneLineEditor::run(Mode mode, const QString& initial) {
    m_mode = mode;
    setWindowTitle(m_context.state.language.text(mode == Mode::NewName ? u"T18" : u"T3"));
    m_textEdit->setText(mode == Mode::Cell ? initial : QString());
    m_textEdit->selectAll();
    m_textEdit->setFocus();
    return exec() == QDialog::Accepted;
}

QString OneLineEditor::text() const {
    return m_textEdit->text();
}

void OneLineEditor::OKClick() {
    m_context.click();
    if (m_mode == Mode::CategoryRename && m_textEdit->text().isEmpty()) {
        m_context.information(u"M6");
        return;
    }
    if (m_mode == Mode::NewName && m_textEdit->text().isEmpty()) {
        m_context.information(u"M7");
        return;
    }
    accept();
}

// Escape closes with the text as typed (QDialog's own reject); Cancel empties it first, so that a
// caller asking for a name sees nothing to do.
void OneLineEditor::cancelClick() {
    m_context.click();
    m_textEdit->clear();
    reject();
}

void OneLineEditor::returnPressed() {
    if (m_mode != Mode::NewName)
        OKClick();
}

YesNoChooser::YesNoChooser(ItemDialogContext& context, QWidget* parent)
    : ItemDialog(context, QStringLiteral("Tallfilesynform"), kNewValue, parent) {
    yes = button(QStringLiteral("yes"), QStringLiteral("Yes"));
    no = button(QStringLiteral("no"), QStringLiteral("No"));
    cancel = button(QStringLiteral("cancel"), QStringLiteral("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttonRow({yes, no, cancel}));
    connect(yes, &QPushButton::clicked, this, &YesNoChooser::yesClick);
    connect(no, &QPushButton::clicked, this, &YesNoChooser::noClick);
    connect(cancel, &QPushButton::clicked, this, &YesNoChooser::cancelClick);
}

void YesNoChooser::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    setWindowTitle(tables.text(u"T6"));
    yes->setText(windowText(file, u"AllFilesYN", 1));
    no->setText(windowText(file, u"AllFilesYN", 2));
    cancel->setText(windowText(file, u"AllFilesYN", 3));
}

YesNoChooser::Choice YesNoChooser::run() {
    m_choice = Choice::Cancel;
    exec();
    return m_choice;
}

void YesNoChooser::yesClick() {
    m_context.click();
    m_choice = Choice::Yes;
    accept();
}

void YesNoChooser::noClick() {
    m_context.click();
    m_choice = Choice::No;
    accept();
}

void YesNoChooser::cancelClick() {
    m_context.click();
    reject();
}

CategoryChooser::CategoryChooser(ItemDialogContext& context, QWidget* parent)
    : ItemDialog(context, QStringLiteral("Tallfilescomboform"), kNewValue, parent) {
    m_categoryBox = categoryBox(QStringLiteral("ComboBox1"));
    OK = button(QStringLiteral("OK"), QStringLiteral("OK"));
    cancel = button(QStringLiteral("cancel"), QStringLiteral("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_categoryBox);
    layout->addLayout(buttonRow({OK, cancel}));
    setMinimumWidth(300);
    connect(OK, &QPushButton::clicked, this, &CategoryChooser::OKClick);
    connect(cancel, &QPushButton::clicked, this, &CategoryChooser::cancelClick);
}

void CategoryChooser::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    setWindowTitle(tables.text(u"T6"));
    OK->setText(windowText(file, u"AllFilesCombo", 1));
    cancel->setText(windowText(file, u"AllFilesCombo", 2));
}

bool CategoryChooser::run() {
    m_categoryBox->clear();
    m_categoryBox->addItems(m_context.state.categories);
    m_categoryBox->setCurrentIndex(0);
    m_categoryBox->setFocus();
    return exec() == QDialog::Accepted;
}

QString CategoryChooser::selected() const {
    return m_categoryBox->currentText();
}

void CategoryChooser::OKClick() {
    m_context.click();
    accept();
}

void CategoryChooser::cancelClick() {
    m_context.click();
    reject();
}
