#include "editor/gui/items/CellEditors.h"

#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/EditorState.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kNewValue = QStringLiteral("New Value");

} // namespace

QString cellEditorTitle(const QString& title, const CellTarget& target) {
    if (target.field.isEmpty())
        return title;
    QString full = title + QStringLiteral(" - ") + target.field;
    if (!target.item.isEmpty())
        full += QStringLiteral(": ") + target.item;
    return full;
}

CellEditor::CellEditor(ItemDialogContext& context, const QString& name, QWidget* parent)
    : ItemDialog(context, name, kNewValue, parent), m_itemLabel(heading({})), m_fieldLabel(label({})) {
    // Names may be long; they wrap rather than widen the dialog past the screen.
    m_itemLabel->setWordWrap(true);
    m_itemLabel->setTextFormat(Qt::PlainText);
    m_fieldLabel->setTextFormat(Qt::PlainText);
    m_itemLabel->hide();
    m_fieldLabel->hide();
}

QVBoxLayout* CellEditor::targetLabels() {
    auto* labels = new QVBoxLayout;
    labels->addWidget(m_itemLabel);
    labels->addWidget(m_fieldLabel);
    return labels;
}

void CellEditor::showTarget(const QString& title, const CellTarget& target) {
    setWindowTitle(cellEditorTitle(title, target));
    m_itemLabel->setText(target.item);
    m_itemLabel->setVisible(!target.item.isEmpty());
    m_fieldLabel->setText(target.field.isEmpty() ? QString() : target.field + u':');
    m_fieldLabel->setVisible(!target.field.isEmpty());
}

OneLineEditor::OneLineEditor(ItemDialogContext& context, QWidget* parent)
    : CellEditor(context, QStringLiteral("Tallfileseditform"), parent) {
    m_textEdit = edit(QStringLiteral("Edit1"));
    m_okButton = button(QStringLiteral("OK"), QStringLiteral("OK"));
    m_okButton->setDefault(true);
    m_cancelButton = button(QStringLiteral("cancel"), QStringLiteral("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(targetLabels());
    layout->addWidget(m_textEdit);
    layout->addLayout(buttonRow({m_okButton, m_cancelButton}));
    setMinimumWidth(380);
    connect(m_okButton, &QPushButton::clicked, this, &OneLineEditor::okClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &OneLineEditor::cancelClicked);
}

void OneLineEditor::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    setWindowTitle(tables.text(u"T6"));
    m_okButton->setText(windowText(file, u"AllFilesEdit", 1));
    m_cancelButton->setText(windowText(file, u"AllFilesEdit", 2));
}

bool OneLineEditor::run(Mode mode, const QString& initial, const CellTarget& target) {
    m_mode = mode;
    showTarget(m_context.state.language.text(mode == Mode::NewName ? u"T18" : u"T3"), target);
    if (mode == Mode::NewName) {
        m_fieldLabel->setText(m_context.state.language.text(u"TNEWFOLDER"));
        m_fieldLabel->show();
    }
    m_textEdit->setText(mode == Mode::Cell ? initial : QString());
    m_textEdit->selectAll();
    m_textEdit->setFocus();
    return exec() == QDialog::Accepted;
}

QString OneLineEditor::text() const {
    return m_textEdit->text();
}

void OneLineEditor::okClicked() {
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
void OneLineEditor::cancelClicked() {
    m_context.click();
    m_textEdit->clear();
    reject();
}

YesNoDialog::YesNoDialog(ItemDialogContext& context, QWidget* parent)
    : CellEditor(context, QStringLiteral("Tallfilesynform"), parent), m_title(windowTitle()) {
    m_yesButton = button(QStringLiteral("yes"), QStringLiteral("Yes"));
    m_yesButton->setDefault(true);
    m_noButton = button(QStringLiteral("no"), QStringLiteral("No"));
    m_cancelButton = button(QStringLiteral("cancel"), QStringLiteral("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(targetLabels());
    layout->addLayout(buttonRow({m_yesButton, m_noButton, m_cancelButton}));
    connect(m_yesButton, &QPushButton::clicked, this, &YesNoDialog::yesClicked);
    connect(m_noButton, &QPushButton::clicked, this, &YesNoDialog::noClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &YesNoDialog::cancelClicked);
}

void YesNoDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    m_title = tables.text(u"T6");
    setWindowTitle(m_title);
    m_yesButton->setText(windowText(file, u"AllFilesYN", 1));
    m_noButton->setText(windowText(file, u"AllFilesYN", 2));
    m_cancelButton->setText(windowText(file, u"AllFilesYN", 3));
}

YesNoDialog::Choice YesNoDialog::run(const CellTarget& target) {
    m_choice = Choice::Cancel;
    showTarget(m_title, target);
    exec();
    return m_choice;
}

void YesNoDialog::yesClicked() {
    m_context.click();
    m_choice = Choice::Yes;
    accept();
}

void YesNoDialog::noClicked() {
    m_context.click();
    m_choice = Choice::No;
    accept();
}

void YesNoDialog::cancelClicked() {
    m_context.click();
    reject();
}

CategoryChooserDialog::CategoryChooserDialog(ItemDialogContext& context, QWidget* parent)
    : CellEditor(context, QStringLiteral("Tallfilescomboform"), parent), m_title(windowTitle()) {
    m_categoryBox = categoryBox(QStringLiteral("ComboBox1"));
    m_okButton = button(QStringLiteral("OK"), QStringLiteral("OK"));
    m_okButton->setDefault(true);
    m_cancelButton = button(QStringLiteral("cancel"), QStringLiteral("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(targetLabels());
    layout->addWidget(m_categoryBox);
    layout->addLayout(buttonRow({m_okButton, m_cancelButton}));
    setMinimumWidth(300);
    connect(m_okButton, &QPushButton::clicked, this, &CategoryChooserDialog::okClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &CategoryChooserDialog::cancelClicked);
}

void CategoryChooserDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    m_title = tables.text(u"T6");
    setWindowTitle(m_title);
    m_okButton->setText(windowText(file, u"AllFilesCombo", 1));
    m_cancelButton->setText(windowText(file, u"AllFilesCombo", 2));
}

bool CategoryChooserDialog::run(const CellTarget& target) {
    showTarget(m_title, target);
    m_categoryBox->clear();
    m_categoryBox->addItems(m_context.state.categories);
    m_categoryBox->setCurrentIndex(0);
    m_categoryBox->setFocus();
    return exec() == QDialog::Accepted;
}

QString CategoryChooserDialog::selected() const {
    return m_categoryBox->currentText();
}

void CategoryChooserDialog::okClicked() {
    m_context.click();
    accept();
}

void CategoryChooserDialog::cancelClicked() {
    m_context.click();
    reject();
}
