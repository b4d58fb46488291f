#include "AboutBox.h"

#include "HomePages.h"
#include "ui/services/ShellService.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace menu {

AboutBox::AboutBox(ui::ShellService& shell, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_shell(shell) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("Tavik - Lumbrel Informations ..."));
    setModal(true);

    m_productName = new QLabel(QStringLiteral("Tavik - Lumbrel "), this);
    m_productName->setObjectName(QStringLiteral("ProductName"));
    QFont big = m_productName->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    m_productName->setFont(big);
    m_productName->setWordWrap(true);

    auto* version = new QLabel(QStringLiteral("Version 4.0"), this);
    version->setObjectName(QStringLiteral("Version"));

    auto* description = new QLabel(
        QStringLiteral("The autostart menu of this disc. Choose a category above, then an item, to see "
                       "its details and to start, copy or unzip it.\n\n"
                       "Made with the Lumbrel disc menu editor."),
        this);
    description->setObjectName(QStringLiteral("Comments"));
    description->setWordWrap(true);

    m_homeLink = new QLabel(this);
    m_homeLink->setObjectName(QStringLiteral("homelink"));
    m_homeLink->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(menu::productHomePage()));
    m_homeLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(m_homeLink, &QLabel::linkActivated, this, [this] { homeLinkClick(); });

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    m_ok = new QPushButton(QStringLiteral("ok"), this);
    m_ok->setObjectName(QStringLiteral("OKButton"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_productName);
    layout->addWidget(version);
    layout->addSpacing(8);
    layout->addWidget(description);
    layout->addWidget(m_homeLink);
    layout->addWidget(line);
    layout->addLayout(buttons);
    setFixedWidth(340);
}

void AboutBox::setDiscName(const QString& discName) {
    m_productName->setText(QStringLiteral("Tavik - Lumbrel ") + discName);
}

void AboutBox::homeLinkClick() {
    m_shell.open(productHomePage());
}

} // namespace menu
