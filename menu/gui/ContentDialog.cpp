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

    m_text = new QTextEdit(this);
    m_text->setObjectName(QStringLiteral("content"));
    m_text->setAcceptRichText(false);
    m_text->setGeometry(kMargin, kMargin, kTextWidth, kTextHeight);
    // Not empty, so that the cover dialog builds the list the first time it opens.
    m_text->setPlainText(QStringLiteral("content"));

    const int frameTop = kMargin + kTextHeight + 5;
    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("contentgroup"));
    m_frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_frame->setGeometry(kMargin, frameTop, kTextWidth, kClientHeight - frameTop - kMargin);
    m_heading = new ui::EffectLabel(QStringLiteral("zol control"), this);
    m_heading->setObjectName(QStringLiteral("contenthead"));
    m_heading->setBold(true);
    m_heading->setGeometry(kMargin + 8, frameTop + 3, 300, 18);

    m_printcontent = new ui::ShadowButton(QStringLiteral("print"), this);
    m_printcontent->setObjectName(QStringLiteral("printcontent"));
    m_printcontent->setGeometry(kMargin + 8, frameTop + 24, kButtonWidth, kButtonHeight);
    m_cancel = new ui::ShadowButton(QStringLiteral("exit"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setGeometry(kMargin + 14 + kButtonWidth, frameTop + 24, kButtonWidth, kButtonHeight);
    for (ui::ShadowButton* button : {m_printcontent, m_cancel})
        button->setShadowDepth(4);
    connect(m_printcontent, &QAbstractButton::clicked, this, &ContentDialog::printContentClicked);
    connect(m_cancel, &QAbstractButton::clicked, this, &ContentDialog::cancelClicked);
}

void ContentDialog::setContent(const QStringList& lines) {
    m_text->setPlainText(lines.join(u'\n'));
}

QStringList ContentDialog::content() const {
    return m_text->toPlainText().split(u'\n');
}

bool ContentDialog::firstLineEmpty() const {
    return m_text->document()->firstBlock().text().isEmpty();
}

void ContentDialog::openFor(const QString& discName) {
    m_discName = discName;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    open();
}

void ContentDialog::printContentClicked() {
    menu::playMenuSound(m_services.sound, m_state, 3);
    m_services.print.printDocument(*m_text->document(), menu::contentJobTitle(m_discName));
}

void ContentDialog::cancelClicked() {
    menu::playMenuSound(m_services.sound, m_state, 3);
    reject();
}

void ContentDialog::applyLanguage(const menu::LanguageFile& language) {
    m_printcontent->setText(language.buttons[24]);
    m_printcontent->setToolTip(menu::plainToolTip(language.hints[24]));
    m_cancel->setText(language.buttons[25]);
    m_cancel->setToolTip(menu::plainToolTip(language.hints[25]));
    m_heading->setText(language.headings[9]);
    setWindowTitle(language.forms[3]);
}

void ContentDialog::applyDesign(const menu::DesignLook& look) {
    setDesignBackground(look);
    look.styleButton(m_printcontent);
    look.styleButton(m_cancel);
    menu::styleLabel(m_heading, look.design.headings);
    update();
}
