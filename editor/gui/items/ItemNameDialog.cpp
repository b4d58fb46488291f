#include "editor/gui/items/ItemNameDialog.h"

#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ItemNameDialog::ItemNameDialog(ItemDialogContext& context, QWidget* parent)
    : ItemDialog(context, QStringLiteral("Tadir_askform"), QStringLiteral("Tavik - Lumbrel - New Value"),
                 parent) {
    m_nameFor = label(QStringLiteral("Name for:"));
    m_heading = label({}, QStringLiteral("heading"));
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    rename = edit(QStringLiteral("rename"));
    add = button(QStringLiteral("add"), QStringLiteral("OK"));
    add->setDefault(true);
    cancel = button(QStringLiteral("cancel"), QStringLiteral("Cancel"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_nameFor, 0, 0);
    grid->addWidget(m_heading, 0, 1, 1, 2);
    grid->addWidget(rename, 1, 0, 1, 3);
    grid->addWidget(add, 2, 1);
    grid->addWidget(cancel, 2, 2);
    setMinimumWidth(360);
    connect(add, &QPushButton::clicked, this, &ItemNameDialog::addClicked);
    connect(cancel, &QPushButton::clicked, this, &ItemNameDialog::cancelClicked);
}

void ItemNameDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    const QString s = QStringLiteral("AddDir_Ask");
    setWindowTitle(tables.text(u"T3"));
    m_nameFor->setText(windowText(file, s, 1));
    add->setText(windowText(file, s, 2));
    cancel->setText(windowText(file, s, 3));
}

QString ItemNameDialog::askName(const QString& fileName, const QString& suggestion) {
    m_heading->setText(fileName);
    rename->setText(suggestion);
    rename->selectAll();
    rename->setFocus();
    return exec() == QDialog::Accepted ? rename->text() : suggestion;
}

void ItemNameDialog::addClicked() {
    m_context.click();
    accept();
}

void ItemNameDialog::cancelClicked() {
    m_context.click();
    reject();
}
