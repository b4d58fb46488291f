#include "menu/gui/MenuAboutDialog.h"

#include "menu/gui/DesignLook.h"
#include "menu/gui/HomePages.h"
#include "ui/services/ShellService.h"
#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/ShadowButton.h"

#include <QKeyEvent>

namespace menu {

namespace {

constexpr int kWidth = 360;
constexpr int kMargin = 14;
constexpr int kGap = 6;
constexpr int kButtonWidth = 80, kButtonHeight = 30;
constexpr qreal kButtonPoints = 10;

QString descriptionFor(int language) {
    if (language == 1)
        return QStringLiteral("Das Autostartmenü dieser CD. Wählen Sie oben eine Kategorie und dann einen "
                              "Eintrag, um seine Details zu sehen und ihn zu starten, zu kopieren oder zu "
                              "entpacken.\n\nErstellt mit dem Menü-Editor Lumbrel.");
    return QStringLiteral("The autostart menu of this disc. Choose a category above, then an item, to see "
                          "its details and to start, copy or unzip it.\n\n"
                          "Made with the Lumbrel disc menu editor.");
}

} // namespace

MenuAboutDialog::MenuAboutDialog(ui::ShellService& shell, QWidget* parent)
    : DesignedDialog(parent,
                     Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_shell(shell) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("Tavik - Lumbrel Informations ..."));
    setModal(true);

    m_productName = new ui::EffectLabel(QStringLiteral("Tavik - Lumbrel "), this);
    m_productName->setObjectName(QStringLiteral("ProductName"));
    QFont big = m_productName->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    m_productName->setFont(big);
    m_productName->setBold(true);
    m_productName->setWordWrap(true);

    m_version = new ui::EffectLabel(QStringLiteral("Version 4.0"), this);
    m_version->setObjectName(QStringLiteral("Version"));

    m_description = new ui::EffectLabel(descriptionFor(0), this);
    m_description->setObjectName(QStringLiteral("Comments"));
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_homeLink = new ui::EffectLabel(productHomePage(), this);
    m_homeLink->setObjectName(QStringLiteral("homelink"));
    m_homeLink->setLink(true);
    connect(m_homeLink, &ui::EffectLabel::clicked, this, &MenuAboutDialog::openHomePage);

    m_ok = new ui::ShadowButton(QStringLiteral("ok"), this);
    m_ok->setObjectName(QStringLiteral("OKButton"));
    m_ok->setShadowDepth(3);
    QFont buttonFont = m_ok->font();
    buttonFont.setPointSizeF(kButtonPoints);
    m_ok->setFont(buttonFont);
    connect(m_ok, &QAbstractButton::clicked, this, &QDialog::accept);

    // Until the disc's design is read, the box keeps the colours of the platform.
    const QColor text = palette().color(QPalette::WindowText);
    for (ui::EffectLabel* label : {m_productName, m_version, m_description, m_homeLink})
        label->setColor(text);
    layoutControls();
}

void MenuAboutDialog::setDiscName(const QString& discName) {
    m_productName->setText(QStringLiteral("Tavik - Lumbrel ") + discName);
    layoutControls();
}

void MenuAboutDialog::setLanguage(int language) {
    m_description->setText(descriptionFor(language));
    layoutControls();
}

void MenuAboutDialog::applyDesign(const DesignLook& look) {
    setDesignBackground(look);
    // The texts lie on the window background, where only the heading colour is sure to show.
    styleLabel(m_productName, look.design.headings);
    const QColor text = look.design.headings.color;
    styleLabel(m_version, FontStyle{.color = text, .bold = true});
    for (ui::EffectLabel* label : {m_description, m_homeLink})
        styleLabel(label, FontStyle{.color = text});
    look.styleButton(m_ok);
    ui::fitRowCaptions({m_ok}, kButtonPoints);
    layoutControls();
}

void MenuAboutDialog::layoutControls() {
    const int width = kWidth - 2 * kMargin;
    int top = kMargin;
    for (ui::EffectLabel* label : {m_productName, m_version, m_description, m_homeLink}) {
        const int height = label->wordWrap() ? label->heightForWidth(width) : label->sizeHint().height();
        label->setGeometry(kMargin, top, width, height);
        top += height + kGap;
    }
    top += kGap;
    m_ok->setGeometry(kWidth - kMargin - kButtonWidth, top, kButtonWidth, kButtonHeight);
    setFixedSize(kWidth, top + kButtonHeight + kMargin);
}

void MenuAboutDialog::keyPressEvent(QKeyEvent* event) {
    // The design's button takes no focus, so Enter confirms the box itself.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        accept();
    else
        DesignedDialog::keyPressEvent(event);
}

void MenuAboutDialog::openHomePage() {
    m_shell.open(productHomePage());
}

} // namespace menu
