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

Tallfileseditform::Tallfileseditform(ItemDialogContext& context, QWidget* parent)
    : ItemDialog(context, QStringLiteral("allfileseditform"), kNewValue, parent) {
    Edit1 = edit(QStringLiteral("Edit1"));
    OK = button(QStringLiteral("OK"), QStringLiteral("OK"));
    cancel = button(QStringLiteral("cancel"), QStringLiteral("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Edit1);
    layout->addLayout(buttonRow({OK, cancel}));
    setMinimumWidth(380);
    connect(OK, &QPushButton::clicked, this, &Tallfileseditform::OKClick);
    connect(cancel, &QPushButton::clicked, this, &Tallfileseditform::cancelClick);
    connect(Edit1, &QLineEdit::returnPressed, this, &Tallfileseditform::Edit1Return);
}

void Tallfileseditform::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    setWindowTitle(tables.text(u"T6"));
    OK->setText(windowText(file, u"AllFilesEdit", 1));
    cancel->setText(windowText(file, u"AllFilesEdit", 2));
}

bool Tallfileseditform::run(Mode mode, const QString& initial) {
    m_mode = mode;
    setWindowTitle(m_context.state.language.text(mode == Mode::NewName ? u"T18" : u"T3"));
    Edit1->setText(mode == Mode::Cell ? initial : QString());
    Edit1->selectAll();
    Edit1->setFocus();
    return exec() == QDialog::Accepted;
}

QString Tallfileseditform::text() const { return Edit1->text(); }

void Tallfileseditform::OKClick() {
    m_context.click();
    if (m_mode == Mode::CategoryRename && Edit1->text().isEmpty()) {
        m_context.information(u"M6");
        return;
    }
    if (m_mode == Mode::NewName && Edit1->text().isEmpty()) {
        m_context.information(u"M7");
        return;
    }
    accept();
}

// Escape closes with the text as typed (QDialog's own reject); Cancel empties it first, so that a
// caller asking for a name sees nothing to do.
void Tallfileseditform::cancelClick() {
    m_context.click();
    Edit1->clear();
    reject();
}

void Tallfileseditform::Edit1Return() {
    if (m_mode != Mode::NewName)
        OKClick();
}

Tallfilesynform::Tallfilesynform(ItemDialogContext& context, QWidget* parent)
    : ItemDialog(context, QStringLiteral("allfilesynform"), kNewValue, parent) {
    yes = button(QStringLiteral("yes"), QStringLiteral("Yes"));
    no = button(QStringLiteral("no"), QStringLiteral("No"));
    cancel = button(QStringLiteral("cancel"), QStringLiteral("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttonRow({yes, no, cancel}));
    connect(yes, &QPushButton::clicked, this, &Tallfilesynform::yesClick);
    connect(no, &QPushButton::clicked, this, &Tallfilesynform::noClick);
    connect(cancel, &QPushButton::clicked, this, &Tallfilesynform::cancelClick);
}

void Tallfilesynform::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    setWindowTitle(tables.text(u"T6"));
    yes->setText(windowText(file, u"AllFilesYN", 1));
    no->setText(windowText(file, u"AllFilesYN", 2));
    cancel->setText(windowText(file, u"AllFilesYN", 3));
}

Tallfilesynform::Choice Tallfilesynform::run() {
    m_choice = Choice::Cancel;
    exec();
    return m_choice;
}

void Tallfilesynform::yesClick() {
    m_context.click();
    m_choice = Choice::Yes;
    accept();
}

void Tallfilesynform::noClick() {
    m_context.click();
    m_choice = Choice::No;
    accept();
}

void Tallfilesynform::cancelClick() {
    m_context.click();
    reject();
}

Tallfilescomboform::Tallfilescomboform(ItemDialogContext& context, QWidget* parent)
    : ItemDialog(context, QStringLiteral("allfilescomboform"), kNewValue, parent) {
    ComboBox1 = categoryBox(QStringLiteral("ComboBox1"));
    OK = button(QStringLiteral("OK"), QStringLiteral("OK"));
    cancel = button(QStringLiteral("cancel"), QStringLiteral("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ComboBox1);
    layout->addLayout(buttonRow({OK, cancel}));
    setMinimumWidth(300);
    connect(OK, &QPushButton::clicked, this, &Tallfilescomboform::OKClick);
    connect(cancel, &QPushButton::clicked, this, &Tallfilescomboform::cancelClick);
}

void Tallfilescomboform::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    setWindowTitle(tables.text(u"T6"));
    OK->setText(windowText(file, u"AllFilesCombo", 1));
    cancel->setText(windowText(file, u"AllFilesCombo", 2));
}

bool Tallfilescomboform::run() {
    ComboBox1->clear();
    ComboBox1->addItems(m_context.state.categories);
    ComboBox1->setCurrentIndex(0);
    ComboBox1->setFocus();
    return exec() == QDialog::Accepted;
}

QString Tallfilescomboform::selected() const { return ComboBox1->currentText(); }

void Tallfilescomboform::OKClick() {
    m_context.click();
    accept();
}

void Tallfilescomboform::cancelClick() {
    m_context.click();
    reject();
}
