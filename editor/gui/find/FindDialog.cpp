#include "editor/gui/find/FindDialog.h"

#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QCheckBox* checkBox(const QString& name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

// A titled group of choices whose ids are their positions; the first is chosen.
QGroupBox* choiceGroup(const QString& name, const QString& title,
                       std::initializer_list<const char16_t*> captions, QButtonGroup* choices,
                       QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    auto* layout = new QVBoxLayout(group);
    int id = 0;
    for (const char16_t* caption : captions) {
        auto* choice = new QRadioButton(QString::fromUtf16(caption), group);
        choices->addButton(choice, id++);
        layout->addWidget(choice);
    }
    choices->button(0)->setChecked(true);
    return group;
}

void setChoiceTexts(QButtonGroup* choices, const common::IniFile& file, QStringView section, int first) {
    const QList<QAbstractButton*> buttons = choices->buttons();
    for (qsizetype i = 0; i < buttons.size(); ++i)
        buttons[i]->setText(windowText(file, section, first + int(i)));
}

} // namespace

FindDialog::FindDialog(ItemDialogContext& context, QWidget* parent)
    : ItemDialog(context, QStringLiteral("Tfinddlg"), QStringLiteral("Tavik - Lumbrel - Find Item"), parent) {
    m_heading = heading(QStringLiteral("Find Control"));
    m_textLabel = label(QStringLiteral("Text to find:"));
    m_textEdit = edit(QStringLiteral("findtext"));
    m_caseSensitiveBox = checkBox(QStringLiteral("chkcase"), QStringLiteral("Case sensitive"), this);
    m_wholeWordsBox = checkBox(QStringLiteral("chkfull"), QStringLiteral("Whole words only"), this);
    m_regularExpressionBox =
        checkBox(QStringLiteral("chkregular"), QStringLiteral("Regular expressions"), this);
    m_ranges = new QButtonGroup(this);
    m_rangeGroup = choiceGroup(QStringLiteral("where"), QStringLiteral("Where "),
                               {u"In entire grid", u"In current column", u"In current row"}, m_ranges, this);
    m_orders = new QButtonGroup(this);
    m_orderGroup = choiceGroup(QStringLiteral("dir"), QStringLiteral("Direction"),
                               {u"Top - down", u"Left - right"}, m_orders, this);
    m_okButton = button(QStringLiteral("Button1"), QStringLiteral("OK"));
    m_okButton->setDefault(true);
    m_cancelButton = button(QStringLiteral("button2"), QStringLiteral("Cancel"));
    m_helpButton = button(QStringLiteral("button3"), QStringLiteral("Help"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_textLabel);
    layout->addWidget(m_textEdit);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_caseSensitiveBox, m_wholeWordsBox, m_regularExpressionBox})
        layout->addWidget(w);
    auto* groups = new QHBoxLayout;
    groups->addWidget(m_rangeGroup);
    groups->addWidget(m_orderGroup);
    layout->addLayout(groups);
    layout->addLayout(buttonRow({m_okButton, m_cancelButton, m_helpButton}));

    connect(m_okButton, &QPushButton::clicked, this, &FindDialog::okClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &FindDialog::cancelClicked);
    connect(m_helpButton, &QPushButton::clicked, this, &FindDialog::helpClicked);
}

void FindDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    const QString s = QStringLiteral("FindDlg");
    setWindowTitle(tables.text(u"T7"));
    m_heading->setText(windowText(file, s, 1));
    m_textLabel->setText(windowText(file, s, 2));
    m_caseSensitiveBox->setText(windowText(file, s, 3));
    m_wholeWordsBox->setText(windowText(file, s, 4));
    m_regularExpressionBox->setText(windowText(file, s, 5));
    m_rangeGroup->setTitle(windowText(file, s, 6));
    setChoiceTexts(m_ranges, file, s, 7);
    m_orderGroup->setTitle(windowText(file, s, 10));
    setChoiceTexts(m_orders, file, s, 11);
    m_okButton->setText(windowText(file, s, 13));
    m_cancelButton->setText(windowText(file, s, 14));
    m_helpButton->setText(windowText(file, s, 15));
}

gridfind::Options FindDialog::options() const {
    gridfind::Options o;
    o.text = m_textEdit->text();
    o.caseSensitive = m_caseSensitiveBox->isChecked();
    o.wholeCell = m_wholeWordsBox->isChecked();
    o.pattern = m_regularExpressionBox->isChecked();
    o.order = m_orders->checkedId() == 1 ? gridfind::Order::LeftRight : gridfind::Order::TopDown;
    const int range = m_ranges->checkedId();
    o.range = range == 1   ? gridfind::Range::Column
              : range == 2 ? gridfind::Range::Row
                           : gridfind::Range::Grid;
    return o;
}

void FindDialog::showEvent(QShowEvent* event) {
    ItemDialog::showEvent(event);
    m_textEdit->setFocus();
    m_textEdit->selectAll();
}

void FindDialog::okClicked() {
    m_context.click();
    accept();
}

void FindDialog::cancelClicked() {
    m_context.click();
    reject();
}

void FindDialog::helpClicked() {
    m_context.click();
    m_context.help(2500);
}
