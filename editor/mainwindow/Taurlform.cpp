#include "Taurlform.h"

#include "language/LanguageTables.h"
#include "language/WindowTexts.h"
#include "project/EditorState.h"
#include "project/ItemRules.h"
#include "project/ItemTable.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Taurlform::Taurlform(ItemDialogContext& context, QWidget* parent)
    : ItemDialog(context, QStringLiteral("aurlform"), QStringLiteral("Tavik - Lumbrel - Add Hyperlink"), parent) {
    m_heading = heading(QStringLiteral("Hyperlink control"));
    anzname = edit(QStringLiteral("anzname"));
    ComboBox1 = protocolBox(QStringLiteral("ComboBox1"));
    filename = edit(QStringLiteral("filename"));
    serial = edit(QStringLiteral("serial"));
    desc = edit(QStringLiteral("desc"));
    ComboBox2 = categoryBox(QStringLiteral("ComboBox2"));
    LMDShapeLabelButton1 = button(QStringLiteral("LMDShapeLabelButton1"), QStringLiteral("OK"));
    LMDShapeLabelButton1->setDefault(true);
    addurl = button(QStringLiteral("addurl"), QStringLiteral("Cancel"));
    Help = button(QStringLiteral("Help"), QStringLiteral("Help"));
    for (const char16_t* c : {u"Name:", u"URL:", u"Password:", u"Description:", u"Category:"})
        m_captions.push_back(label(QString::fromUtf16(c)));

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_heading, 0, 0, 1, 3);
    grid->addWidget(m_captions[0], 1, 0);
    grid->addWidget(anzname, 1, 1, 1, 2);
    grid->addWidget(m_captions[1], 2, 0);
    grid->addWidget(ComboBox1, 2, 1);
    grid->addWidget(filename, 2, 2);
    grid->addWidget(m_captions[2], 3, 0);
    grid->addWidget(serial, 3, 1, 1, 2);
    grid->addWidget(m_captions[3], 4, 0);
    grid->addWidget(desc, 4, 1, 1, 2);
    grid->addWidget(m_captions[4], 5, 0);
    grid->addWidget(ComboBox2, 5, 1, 1, 2);
    grid->addLayout(buttonRow({LMDShapeLabelButton1, addurl, Help}), 6, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    setMinimumWidth(440);

    connect(LMDShapeLabelButton1, &QPushButton::clicked, this, &Taurlform::LMDShapeLabelButton1Click);
    connect(addurl, &QPushButton::clicked, this, &Taurlform::addurlClick);
    connect(Help, &QPushButton::clicked, this, &Taurlform::HelpClick);
}

void Taurlform::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    const QString s = QStringLiteral("AURL");
    setWindowTitle(tables.text(u"T8"));
    m_heading->setText(windowText(file, s, 1));
    for (int i = 0; i < int(m_captions.size()); ++i)
        m_captions[i]->setText(windowText(file, s, 2 + i));
    LMDShapeLabelButton1->setText(windowText(file, s, 7));
    addurl->setText(windowText(file, s, 8));
    Help->setText(windowText(file, s, 9));
}

void Taurlform::prepare() {
    anzname->clear();
    ComboBox1->setCurrentIndex(0);
    filename->setText(QStringLiteral("www."));
    serial->setText(QStringLiteral("n/a"));
    desc->setText(QStringLiteral("n/a"));
    refillCategories(ComboBox2);
    anzname->setFocus();
}

void Taurlform::LMDShapeLabelButton1Click() {
    m_context.click();
    if (anzname->text().isEmpty()) {
        m_context.information(u"M8");
        anzname->setFocus();
        return;
    }
    m_context.showTipIfWanted();
    ItemTable& items = m_context.items;
    const int row = itemrules::rowForNewItem(items);
    const QString na = QStringLiteral("n/a");
    const ItemRecord record = {
        anzname->text(), ComboBox1->currentText() + filename->text(), QString(), serial->text(), na, na,
        desc->text(), ComboBox2->currentText(), yesNo(false), na, na, yesNo(true),
    };
    items.setRecord(row, record);
    m_context.state.modified = true;
    accept();
    m_context.makeCurrent(row);
    m_context.recomputeRowColours();
}

void Taurlform::addurlClick() {
    m_context.click();
    reject();
}

void Taurlform::HelpClick() {
    m_context.click();
    m_context.help(2200);
}
