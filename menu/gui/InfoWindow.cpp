#include "menu/gui/InfoWindow.h"
#include "menu/gui/MenuSound.h"

#include "common/FileOps.h"

#include "common/RtfReader.h"
#include "menu/content/PlainText.h"
#include "menu/gui/DesignLook.h"
#include "ui/services/PrintService.h"
#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/ShadowButton.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMargin = 8;
constexpr int kFrameHeight = 86;
constexpr int kHeadingOffset = 8;
constexpr int kButtonOffset = 32;
constexpr int kButtonWidth = 72, kButtonHeight = 46, kButtonStep = 75;
constexpr int kButtonPoints = 11;

const QString kPrintJob = QStringLiteral("tavik - lumbrel - nfo");

// A monospaced face that holds the box-drawing characters of DOS texts.
QFont dosFont() {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontDatabase::families().contains(font.family()))
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // Eighty columns fit the window's width.
    font.setPixelSize(11);
    return font;
}

} // namespace

InfoWindow::InfoWindow(ui::Services services, const menu::MenuState& state, QWidget* parent)
    : menu::DesignedDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                       Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint),
      m_services(services), m_state(state) {
    setObjectName(QStringLiteral("TInfoform"));
    setWindowTitle(QStringLiteral("information"));

    m_textView = new QTextEdit(this);
    m_textView->setObjectName(QStringLiteral("infotext"));
    m_textView->setReadOnly(true);
    m_textView->setAcceptRichText(true);
    m_textView->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_textView->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(m_textView, &QTextEdit::textChanged, this, &InfoWindow::fitToText);

    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("infogroup"));
    m_frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_heading = new ui::EffectLabel(QStringLiteral("zol control"), this);
    m_heading->setObjectName(QStringLiteral("infohead"));
    m_heading->setBold(true);

    m_printButton = new ui::ShadowButton(QStringLiteral("print"), this);
    m_printButton->setObjectName(QStringLiteral("print"));
    m_closeButton = new ui::ShadowButton(QStringLiteral("exit"), this);
    m_closeButton->setObjectName(QStringLiteral("ende"));
    for (ui::ShadowButton* button : {m_printButton, m_closeButton}) {
        QFont f = button->font();
        f.setPointSize(kButtonPoints);
        button->setFont(f);
        button->setShadowDepth(5);
    }
    connect(m_printButton, &QAbstractButton::clicked, this, &InfoWindow::printText);
    connect(m_closeButton, &QAbstractButton::clicked, this, &InfoWindow::closeWindow);

    resize(kInitialWidth, kInitialHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    layoutControls();
}

InfoWindow::~InfoWindow() {
    removeTemporaryText();
}

void InfoWindow::layoutControls() {
    const int w = width(), h = height();
    m_textView->setGeometry(kMargin, kMargin, w - 2 * kMargin, std::max(0, h - kGroupHeight));
    const int frameTop = m_textView->geometry().bottom() + 1 + kMargin;
    m_frame->setGeometry(kMargin, frameTop, w - 2 * kMargin, kFrameHeight);
    m_heading->setGeometry(kMargin + 8, frameTop + kHeadingOffset, 300, 18);
    m_printButton->setGeometry(kMargin + 8, frameTop + kButtonOffset, kButtonWidth, kButtonHeight);
    m_closeButton->setGeometry(kMargin + 8 + kButtonStep, frameTop + kButtonOffset, kButtonWidth,
                               kButtonHeight);
}

void InfoWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layoutControls();
}

void InfoWindow::setViewColors(const QColor& base, const QColor& text) {
    QPalette palette = m_textView->palette();
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    m_textView->setPalette(palette);
}

void InfoWindow::prepareInformation(const QString& caption) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    m_textView->setFont(font);
    m_textView->document()->setDefaultFont(font);
    m_textView->setLineWrapMode(QTextEdit::WidgetWidth);
    setViewColors(Qt::white, Qt::black);
    setWindowTitle(caption);
}

void InfoWindow::prepareZipText(const QString& caption) {
    const QFont font = dosFont();
    m_textView->setFont(font);
    m_textView->document()->setDefaultFont(font);
    // Text art keeps its lines.
    m_textView->setLineWrapMode(QTextEdit::NoWrap);
    setViewColors(QColor(0, 0, 128), Qt::white);
    setWindowTitle(caption);
}

void InfoWindow::clearText() {
    m_textView->clear();
}

bool InfoWindow::loadFile(const QString& path, Encoding encoding, QString* error) {
    // A huge file is shown as far as a text reasonably goes; a pipe or device not at all.
    const common::BoundedRead read = common::readRegularFile(path, kMaxTextBytes);
    if (read.refusal != common::ReadRefusal::None) {
        if (error) {
            const menu::OwnMessages& messages = menu::ownMessages(m_state.language.texts.language);
            *error = read.refusal == common::ReadRefusal::NotAFile  ? messages.notAFile
                     : read.refusal == common::ReadRefusal::Missing ? messages.noSuchFile
                                                                    : read.error;
        }
        return false;
    }
    const QByteArray& bytes = read.bytes;
    m_textView->clear();
    // Plain text takes the view's current format: that of the previous text's first character.
    m_textView->setCurrentCharFormat(QTextCharFormat());
    if (common::looksLikeRtf(bytes)) {
        {
            // One fitting for the whole text, not one for each piece the reader adds.
            const QSignalBlocker quiet(m_textView);
            common::readRtf(bytes, m_textView->document(), kMaxTextLines);
        }
        fitToText();
    } else {
        m_textView->setPlainText(menu::readPlainText(bytes, encoding, kMaxTextLines));
    }
    m_textView->moveCursor(QTextCursor::Start);
    return true;
}

void InfoWindow::setTemporaryText(std::unique_ptr<QTemporaryDir> folder, const QString& textPath) {
    removeTemporaryText();
    m_temporaryFolder = std::move(folder);
    m_temporaryTextPath = textPath;
}

void InfoWindow::removeTemporaryText() {
    if (!m_temporaryTextPath.isEmpty())
        QFile::remove(m_temporaryTextPath);
    m_temporaryFolder.reset(); // removes the folder with whatever else was extracted into it
}

void InfoWindow::done(int result) {
    QDialog::done(result);
    removeTemporaryText();
}

int InfoWindow::lineCount() const {
    QTextDocument* document = m_textView->document();
    // Lines as the view lays them out at its width.
    document->documentLayout()->documentSize();
    int lines = 0;
    QString lastLine;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        const int inBlock = layout ? std::max(1, layout->lineCount()) : 1;
        lines += inBlock;
        lastLine = inBlock == 1 ? block.text() : QStringLiteral("x");
    }
    if (lines > 0 && lastLine.isEmpty())
        --lines;
    return lines;
}

int InfoWindow::textHeight() const {
    const QTextDocument* document = m_textView->document();
    int height =
        int(std::ceil(document->documentLayout()->documentSize().height())) + 2 * m_textView->frameWidth();
    // Lines wider than the view bring the horizontal scroll bar, which takes from the height.
    if (document->idealWidth() > m_textView->viewport()->width())
        height += m_textView->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_textView);
    return height;
}

void InfoWindow::fitToText() {
    if (m_fitting)
        return;
    m_fitting = true;
    // Even an empty text keeps one line of view.
    const int lines = std::max(1, lineCount());
    int viewHeight = kFullViewHeight;
    if (lines <= kMostLines) {
        // A page is the least; a larger font, the frame and the page margins can need more, and a
        // text of up to kMostLines lines is shown whole.
        viewHeight = std::max(kFullViewHeight, std::max(lines * kLineHeight, textHeight()));
    }
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    int windowHeight = viewHeight + kGroupHeight;
    if (screen)
        windowHeight = std::min(windowHeight, screen->availableGeometry().height());
    resize(width(), windowHeight);
    layoutControls();
    if (screen) {
        const int screenHeight = screen->geometry().height();
        const int top = int(std::lround(screenHeight / 2.0)) - int(std::lround(windowHeight / 2.0));
        move(x(), std::max(0, top));
    }
    m_fitting = false;
}

void InfoWindow::printText() {
    menu::playMenuSound(m_services.sound, m_state, 3);
    m_services.print.printDocument(*m_textView->document(), kPrintJob);
}

void InfoWindow::closeWindow() {
    menu::playMenuSound(m_services.sound, m_state, 3);
    close();
}

void InfoWindow::applyLanguage(const menu::LanguageFile& language) {
    m_closeButton->setText(language.buttons[15]);
    m_closeButton->setToolTip(menu::plainToolTip(language.hints[15]));
    m_printButton->setText(language.buttons[16]);
    m_printButton->setToolTip(menu::plainToolTip(language.hints[16]));
    m_heading->setText(language.headings[6]);
}

void InfoWindow::applyDesign(const menu::DesignLook& look) {
    setDesignBackground(look);
    look.styleButton(m_printButton);
    look.styleButton(m_closeButton);
    ui::fitRowCaptions({m_printButton, m_closeButton}, kButtonPoints);
    menu::styleLabel(m_heading, look.design.headings);
    update();
}
