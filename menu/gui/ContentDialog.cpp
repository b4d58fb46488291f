#include "menu/gui/ContentDialog.h"
#include "menu/content/PlainText.h"
#include "menu/gui/MenuSound.h"

#include "menu/cover/ContentList.h"
#include "menu/gui/DesignLook.h"
#include "ui/services/PrintService.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/ShadowButton.h"

#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBlock>
#include <QTextEdit>

namespace {

constexpr int kMargin = 8;
constexpr int kTextWidth = 505, kTextHeight = 385;
constexpr int kButtonWidth = 100, kButtonHeight = 36;

} // namespace

ContentDialog::ContentDialog(ui::Services services, const menu::MenuState& state, QWidget* parent)
    : menu::DesignedDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_services(services), m_state(state) {
    setObjectName(QStringLiteral("Tcontentform"));
    setWindowTitle(QStringLiteral("tavik - lumbrel - content"));
    setFixedSize(kClientWidth, kClientHeight);

    m_contentEdit = new QTextEdit(this);
    m_contentEdit->setObjectName(QStringLiteral("content"));
    m_contentEdit->setAcceptRichText(false);
    m_contentEdit->setGeometry(kMargin, kMargin, kTextWidth, kTextHeight);
    // Not empty, so that the cover dialog builds the list the first time it opens.
    m_contentEdit->setPlainText(QStringLiteral("content"));

    const int frameTop = kMargin + kTextHeight + 5;
    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("contentgroup"));
    m_frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_frame->setGeometry(kMargin, frameTop, kTextWidth, kClientHeight - frameTop - kMargin);
    m_heading = new ui::EffectLabel(QStringLiteral("zol control"), this);
    m_heading->setObjectName(QStringLiteral("contenthead"));
    m_heading->setBold(true);
    m_heading->setGeometry(kMargin + 8, frameTop + 3, 300, 18);

    m_printButton = new ui::ShadowButton(QStringLiteral("print"), this);
    m_printButton->setObjectName(QStringLiteral("printcontent"));
    m_printButton->setGeometry(kMargin + 8, frameTop + 24, kButtonWidth, kButtonHeight);
    m_cancelButton = new ui::ShadowButton(QStringLiteral("exit"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancel"));
    m_cancelButton->setGeometry(kMargin + 14 + kButtonWidth, frameTop + 24, kButtonWidth, kButtonHeight);
    for (ui::ShadowButton* button : {m_printButton, m_cancelButton})
        button->setShadowDepth(4);
    connect(m_printButton, &QAbstractButton::clicked, this, &ContentDialog::printContent);
    connect(m_cancelButton, &QAbstractButton::clicked, this, &ContentDialog::cancel);
}

void ContentDialog::setContent(const QStringList& lines) {
    m_contentEdit->setPlainText(lines.join(u'\n'));
}

QStringList ContentDialog::content() const {
    return m_contentEdit->toPlainText().split(u'\n');
}

bool ContentDialog::firstLineEmpty() const {
    return m_contentEdit->document()->firstBlock().text().isEmpty();
}

void ContentDialog::openFor(const QString& discName) {
    m_discName = discName;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    open();
}

void ContentDialog::printContent() {
    menu::playMenuSound(m_services.sound, m_state, 3);
    m_services.print.printDocument(*m_contentEdit->document(), menu::contentJobTitle(m_discName));
}

void ContentDialog::cancel() {
    menu::playMenuSound(m_services.sound, m_state, 3);
    reject();
}

void ContentDialog::applyLanguage(const menu::LanguageFile& language) {
    m_printButton->setText(language.buttons[24]);
    m_printButton->setToolTip(menu::plainToolTip(language.hints[24]));
    m_cancelButton->setText(language.buttons[25]);
    m_cancelButton->setToolTip(menu::plainToolTip(language.hints[25]));
    m_heading->setText(language.headings[9]);
    setWindowTitle(language.forms[3]);
}

void ContentDialog::applyDesign(const menu::DesignLook& look) {
    setDesignBackground(look);
    look.styleButton(m_printButton);
    look.styleButton(m_cancelButton);
    menu::styleLabel(m_heading, look.design.headings);
    update();
}
