#include "editor/gui/items/AddHyperlinkDialog.h"

#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemRules.h"
#include "editor/project/ItemTable.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

AddHyperlinkDialog::AddHyperlinkDialog(ItemDialogContext& context, QWidget* parent)
    : ItemDialog(context, QStringLiteral("Taurlform"), QStringLiteral("Tavik - Lumbrel - Add Hyperlink"),
                 parent) {
    m_heading = heading(QStringLiteral("Hyperlink control"));
    anzname = edit(QStringLiteral("anzname"));
    m_protocolBox = protocolBox(QStringLiteral("ComboBox1"));
    filename = edit(QStringLiteral("filename"));
    serial = edit(QStringLiteral("serial"));
    desc = edit(QStringLiteral("desc"));
    m_categoryBox = categoryBox(QStringLiteral("ComboBox2"));
    m_okButton = button(QStringLiteral("LMDShapeLabelButton1"), QStringLiteral("OK"));
    m_okButton->setDefault(true);
    m_cancelButton = button(QStringLiteral("addurl"), QStringLiteral("Cancel"));
    Help = button(QStringLiteral("Help"), QStringLiteral("Help"));
    for (const char16_t* c : {u"Name:", u"URL:", u"Password:", u"Description:", u"Category:"})
        m_captions.push_back(label(QString::fromUtf16(c)));

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_heading, 0, 0, 1, 3);
    grid->addWidget(m_captions[0], 1, 0);
    grid->addWidget(anzname, 1, 1, 1, 2);
    grid->addWidget(m_captions[1], 2, 0);
    grid->addWidget(m_protocolBox, 2, 1);
    grid->addWidget(filename, 2, 2);
    grid->addWidget(m_captions[2], 3, 0);
    grid->addWidget(serial, 3, 1, 1, 2);
    grid->addWidget(m_captions[3], 4, 0);
    grid->addWidget(desc, 4, 1, 1, 2);
    grid->addWidget(m_captions[4], 5, 0);
    grid->addWidget(m_categoryBox, 5, 1, 1, 2);
    grid->addLayout(buttonRow({m_okButton, m_cancelButton, Help}), 6, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    setMinimumWidth(440);

    connect(m_okButton, &QPushButton::clicked, this, &AddHyperlinkDialog::okClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &AddHyperlinkDialog::cancelClicked);
    connect(Help, &QPushButton::clicked, this, &AddHyperlinkDialog::helpClicked);
}

void AddHyperlinkDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    const QString s = QStringLiteral("AURL");
    setWindowTitle(tables.text(u"T8"));
    m_heading->setText(windowText(file, s, 1));
    for (int i = 0; i < int(m_captions.size()); ++i)
        m_captions[i]->setText(windowText(file, s, 2 + i));
    m_okButton->setText(windowText(file, s, 7));
    m_cancelButton->setText(windowText(file, s, 8));
    Help->setText(windowText(file, s, 9));
}

void AddHyperlinkDialog::prepare() {
    anzname->clear();
    m_protocolBox->setCurrentIndex(0);
    filename->setText(QStringLiteral("www."));
    serial->setText(QStringLiteral("n/a"));
    desc->setText(QStringLiteral("n/a"));
    refillCategories(m_categoryBox);
    anzname->setFocus();
}

void AddHyperlinkDialog::okClicked() {
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
        anzname->text(),
        m_protocolBox->currentText() + filename->text(),
        QString(),
        serial->text(),
        na,
        na,
        desc->text(),
        m_categoryBox->currentText(),
        yesNo(false),
        na,
        na,
        yesNo(true),
    };
    items.setRecord(row, record);
    m_context.state.modified = true;
    accept();
    m_context.makeCurrent(row);
    m_context.recomputeRowColours();
}

void AddHyperlinkDialog::cancelClicked() {
    m_context.click();
    reject();
}

void AddHyperlinkDialog::helpClicked() {
    m_context.click();
    m_context.help(2200);
}
