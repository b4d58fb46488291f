#include "editor/gui/mainwindow/EditorAboutDialog.h"

#include "editor/gui/HomePages.h"
#include "editor/language/LanguageTables.h"
#include "ui/services/HelpService.h"
#include "ui/services/ShellService.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

EditorAboutDialog::EditorAboutDialog(ui::Services services, const LanguageTables& texts,
                                     const QString& helpFile, QWidget* parent, const QString& part,
                                     const QString& version)
    : QDialog(parent), m_services(services), m_helpFile(helpFile) {
    setObjectName(QStringLiteral("aboutbox"));
    setWindowTitle(texts.text(u"T60"));
    auto* name = new QLabel(QStringLiteral("Tavik - Lumbrel"), this);
    QFont big = name->font();
    big.setPointSize(16);
    big.setBold(true);
    name->setFont(big);
    auto* partName = new QLabel(part, this);
    partName->setObjectName(QStringLiteral("part"));
    partName->setVisible(!part.isEmpty());
    auto* versionLabel = new QLabel(texts.text(u"T61") + u' ' + version, this);
    versionLabel->setObjectName(QStringLiteral("version"));
    auto* credits = new QLabel(texts.text(u"T62"), this);
    credits->setObjectName(QStringLiteral("credits"));
    credits->setWordWrap(true);
    credits->setMinimumWidth(credits->fontMetrics().averageCharWidth() * 50);
    auto* link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(lumbrelHomePage()), this);
    link->setObjectName(QStringLiteral("homepage"));
    connect(link, &QLabel::linkActivated, this,
            [this](const QString& address) { m_services.shell.open(address); });

    auto* ok = new QPushButton(texts.text(u"T64"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* helpButton = new QPushButton(texts.text(u"T65"), this);
    helpButton->setObjectName(QStringLiteral("Help"));
    connect(helpButton, &QPushButton::clicked, this, [this] { m_services.help.showHelp(m_helpFile, 300); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(helpButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(partName);
    layout->addWidget(versionLabel);
    layout->addSpacing(8);
    layout->addWidget(credits);
    layout->addWidget(link);
    layout->addLayout(buttons);
}
