#include "editor/gui/check/CheckChoiceDialog.h"

#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CheckChoiceDialog::CheckChoiceDialog(ItemDialogContext& context, QWidget* parent)
    : ItemDialog(context, QStringLiteral("Tcheckform"), QStringLiteral("Tavik - Lumbrel - Check Project"),
                 parent) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_explanation = label(QStringLiteral("The File has been found at the following locations. Please choose "
                                         "the one you want to use."));
    m_explanation->setWordWrap(true);
    m_itemName = heading({});
    m_itemName->setObjectName(QStringLiteral("itemName"));
    m_itemFileName = label({});
    m_folderList = new QListWidget(this);
    m_folderList->setObjectName(QStringLiteral("folderList"));
    m_okButton = button(QStringLiteral("okbtn"), QStringLiteral("OK"));
    m_okButton->setDefault(true);
    m_helpButton = button(QStringLiteral("help"), QStringLiteral("Help"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_explanation);
    layout->addWidget(m_itemName);
    layout->addWidget(m_itemFileName);
    layout->addWidget(m_folderList, 1);
    layout->addLayout(buttonRow({m_okButton, m_helpButton}));
    resize(520, 320);

    connect(m_okButton, &QPushButton::clicked, this, &CheckChoiceDialog::okClicked);
    connect(m_helpButton, &QPushButton::clicked, this, &CheckChoiceDialog::helpClicked);
    connect(m_folderList, &QListWidget::itemDoubleClicked, this, &CheckChoiceDialog::okClicked);
}

void CheckChoiceDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    const QString s = QStringLiteral("Check");
    setWindowTitle(tables.text(u"T10"));
    m_explanation->setText(windowText(file, s, 1));
    m_okButton->setText(windowText(file, s, 2));
    m_helpButton->setText(windowText(file, s, 3));
}

void CheckChoiceDialog::prepare(const QString& name, const QString& fileName, const QStringList& folders) {
    m_itemName->setText(name);
    m_itemFileName->setText(fileName);
    m_folderList->clear();
    m_folderList->addItems(folders);
    m_folderList->setCurrentRow(0);
}

int CheckChoiceDialog::choose(const QString& name, const QString& fileName, const QStringList& folders) {
    prepare(name, fileName, folders);
    exec();
    return chosenFolder();
}

int CheckChoiceDialog::chosenFolder() const {
    return std::max(0, m_folderList->currentRow());
}

void CheckChoiceDialog::okClicked() {
    m_context.click();
    accept();
}

void CheckChoiceDialog::helpClicked() {
    m_context.click();
    m_context.help(2400);
}
