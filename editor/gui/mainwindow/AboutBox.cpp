#include "AboutBox.h"

#include "MainWindow.h"
#include "ui/services/HelpService.h"
#include "ui/services/ShellService.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutBox::AboutBox(ui::Services services, const QString& helpFile, QWidget* parent, const QString& part,
                   const QString& version)
    : QDialog(parent), m_services(services), m_helpFile(helpFile) {
    setObjectName(QStringLiteral("aboutbox"));
    setWindowTitle(QStringLiteral("Tavik - Lumbrel Informations ..."));
    auto* name = new QLabel(QStringLiteral("Tavik - Lumbrel"), this);
    QFont big = name->font();
    big.setPointSize(16);
    big.setBold(true);
    name->setFont(big);
    auto* partName = new QLabel(part, this);
    partName->setObjectName(QStringLiteral("part"));
    partName->setVisible(!part.isEmpty());
    auto* versionLabel = new QLabel(QStringLiteral("Version ") + version, this);
    versionLabel->setObjectName(QStringLiteral("version"));
    auto* credits = new QLabel(QStringLiteral("Autostart menus for data discs.\n"
                                              "Design and programming: Brevan Works.\n"
                                              "Thanks to everyone who tested and translated."),
                               this);
    auto* link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(MainWindow::homePageAddress()), this);
    link->setObjectName(QStringLiteral("homepage"));
    connect(link, &QLabel::linkActivated, this,
            [this](const QString& address) { m_services.shell.open(address); });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* helpButton = new QPushButton(QStringLiteral("Help"), this);
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
