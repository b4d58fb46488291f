#include "editor/gui/items/AddItemTipDialog.h"

#include "editor/gui/PointSize.h"
#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AddItemTipDialog::AddItemTipDialog(ItemDialogContext& context, QWidget* parent)
    : ItemDialog(context, QStringLiteral("Taddfileinfoform"), QStringLiteral("Tavik - Lumbrel - Add TIP!"),
                 parent) {
    m_heading = label(QStringLiteral("Important Information"));
    QFont big = m_heading->font();
    big.setPointSize(18);
    big.setBold(true);
    m_heading->setFont(big);
    m_hint1 =
        label(QStringLiteral("You may edit entries afterwards in the overview. Just double click or press "
                             "'space' on the entry you want to change."));
    m_hint2 = label(
        QStringLiteral("By pressing the right mouse button in the selection box you can access the edit "
                       "item entry menu, where you have the full access to all edit functions."));
    for (QLabel* l : {m_hint1, m_hint2})
        l->setWordWrap(true);
    m_showTipNextTime = new QCheckBox(QStringLiteral("Show tip next time"), this);
    m_showTipNextTime->setObjectName(QStringLiteral("CheckBox1"));
    m_showTipNextTime->setChecked(true);
    m_okButton = button(QStringLiteral("add"), QStringLiteral("OK"));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &AddItemTipDialog::addClicked);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_hint1);
    layout->addWidget(m_hint2);
    layout->addWidget(m_showTipNextTime);
    layout->addWidget(m_okButton, 0, Qt::AlignRight);
    setFixedWidth(420);
}

void AddItemTipDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    const QString s = QStringLiteral("AddFileInfo");
    setWindowTitle(tables.text(u"T1"));
    m_heading->setText(windowText(file, s, 1));
    m_hint1->setText(windowText(file, s, 2));
    m_hint2->setText(windowText(file, s, 3));
    m_showTipNextTime->setText(windowText(file, s, 4));
    setPointSize(m_showTipNextTime, 11 - fontReduction(file, 1));
    m_okButton->setText(windowText(file, s, 5));
}

// The tip shows only while it is wanted, so its box starts ticked: a box left unticked from an
// earlier showing would switch the tip off again at OK.
void AddItemTipDialog::showEvent(QShowEvent* event) {
    m_showTipNextTime->setChecked(true);
    ItemDialog::showEvent(event);
}

void AddItemTipDialog::addClicked() {
    m_context.click();
    m_context.setShowTip(m_showTipNextTime->isChecked());
    accept();
}
