#include "editor/gui/items/AddJumpPointDialog.h"

#include "common/Paths.h"
#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemRules.h"
#include "editor/project/ItemTable.h"
#include "ui/services/ChooserService.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

AddJumpPointDialog::AddJumpPointDialog(ItemDialogContext& context, QWidget* parent)
    : ItemDialog(context, QStringLiteral("Tajumpform"), QStringLiteral("Tavik - Lumbrel - Add Jump Point"),
                 parent) {
    m_heading = heading(QStringLiteral("Jump Point Control"));
    selfilebtn = button(QStringLiteral("selfilebtn"), QStringLiteral("Select File"));
    anzname = edit(QStringLiteral("anzname"));
    pfad = edit(QStringLiteral("pfad"));
    pfad->setReadOnly(true);
    serial = edit(QStringLiteral("serial"));
    desc = edit(QStringLiteral("desc"));
    m_categoryBox = categoryBox(QStringLiteral("ComboBox1"));
    m_protocolBox = protocolBox(QStringLiteral("ComboBox2"));
    hpurl = edit(QStringLiteral("hpurl"));
    add = button(QStringLiteral("add"), QStringLiteral("OK"));
    add->setDefault(true);
    cancel = button(QStringLiteral("cancel"), QStringLiteral("Cancel"));
    help = button(QStringLiteral("help"), QStringLiteral("Help"));
    for (const char16_t* c : {u"Name:", u"Path", u"Serial:", u"Description:", u"Category:", u"Website:"})
        m_captions.push_back(label(QString::fromUtf16(c)));

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_heading, 0, 0, 1, 2);
    grid->addWidget(selfilebtn, 0, 2, Qt::AlignRight);
    const QWidget* fields[] = {anzname, pfad, serial, desc, m_categoryBox};
    for (int i = 0; i < 5; ++i) {
        grid->addWidget(m_captions[i], 1 + i, 0);
        grid->addWidget(const_cast<QWidget*>(fields[i]), 1 + i, 1, 1, 2);
    }
    grid->addWidget(m_captions[5], 6, 0);
    grid->addWidget(m_protocolBox, 6, 1);
    grid->addWidget(hpurl, 6, 2);
    grid->addLayout(buttonRow({add, cancel, help}), 7, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    setMinimumWidth(460);

    connect(selfilebtn, &QPushButton::clicked, this, &AddJumpPointDialog::chooseTargetClicked);
    connect(add, &QPushButton::clicked, this, &AddJumpPointDialog::addClicked);
    connect(cancel, &QPushButton::clicked, this, &AddJumpPointDialog::cancelClicked);
    connect(help, &QPushButton::clicked, this, &AddJumpPointDialog::helpClicked);
}

void AddJumpPointDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    const QString s = QStringLiteral("AJump");
    setWindowTitle(tables.text(u"T5"));
    m_heading->setText(windowText(file, s, 1));
    selfilebtn->setText(windowText(file, s, 2));
    for (int i = 0; i < int(m_captions.size()); ++i)
        m_captions[i]->setText(windowText(file, s, 3 + i));
    add->setText(windowText(file, s, 9));
    cancel->setText(windowText(file, s, 10));
    help->setText(windowText(file, s, 11));
}

void AddJumpPointDialog::prepare() {
    selfilebtn->setEnabled(true);
    for (QLineEdit* e : {anzname, pfad, serial, desc, hpurl})
        e->clear();
    m_protocolBox->setCurrentIndex(0);
    refillCategories(m_categoryBox);
}

void AddJumpPointDialog::chooseTargetClicked() {
    m_context.click();
    const QString folder = m_context.services.choosers.chooseFolder(
        QStringLiteral("Tavik - Lumbrel - Jump Point"), QStringLiteral("Please browse for Jump Point"),
        itemrules::chooserStartFolder(m_context.state.projectFolder));
    if (folder.isEmpty())
        return;
    anzname->setText(QStringLiteral("n/a"));
    pfad->setText(itemrules::folderText(folder));
    for (QLineEdit* e : {serial, desc, hpurl})
        e->setText(QStringLiteral("n/a"));
    m_protocolBox->setCurrentIndex(0);
    anzname->setFocus();
}

void AddJumpPointDialog::addClicked() {
    m_context.click();
    if (anzname->text().isEmpty() || anzname->text() == u"n/a") {
        m_context.information(u"M5");
        anzname->setFocus();
        return;
    }
    m_context.showTipIfWanted();
    ItemTable& items = m_context.items;
    const int row = itemrules::rowForNewItem(items);
    const QString na = QStringLiteral("n/a");
    const ItemRecord record = {
        anzname->text(),
        m_context.state.language.jumpPointText(),
        common::cdPathOf(pfad->text(), m_context.state.projectFolder),
        serial->text(),
        na,
        na,
        desc->text(),
        m_categoryBox->currentText(),
        yesNo(false),
        na,
        itemrules::homepage(m_protocolBox->currentText(), hpurl->text()),
        yesNo(true),
    };
    items.setRecord(row, record);
    m_context.state.modified = true;
    accept();
    m_context.makeCurrent(row);
    m_context.recomputeRowColours();
}

void AddJumpPointDialog::cancelClicked() {
    m_context.click();
    reject();
}

void AddJumpPointDialog::helpClicked() {
    m_context.click();
    m_context.help(2250);
}
