#include "ui/services/HelpWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace ui {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpwindow"));
    m_browser->setObjectName(QStringLiteral("helpbrowser"));
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(640, 520);
}

void HelpWindow::showHelp(const QString& helpFile, int context) {
    const QString html = htmlFileFor(helpFile);
    if (!QFileInfo(html).isFile()) {
        m_loadedFile.clear();
        m_browser->setPlainText(tr("The help file %1 cannot be found.").arg(html));
    } else {
        const QUrl url = QUrl::fromLocalFile(QFileInfo(html).absoluteFilePath());
        if (m_loadedFile != html) {
            m_browser->setSource(url);
            m_loadedFile = html;
            setWindowTitle(m_browser->documentTitle());
        }
        m_browser->scrollToAnchor(QString::number(context));
    }
    bringToFront();
}

void HelpWindow::bringToFront() {
    // Help asked for from a modal dialog must itself be modal: any other window is blocked then.
    const QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality modality = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (isVisible() && windowModality() != modality)
        hide(); // the modality of a shown window cannot change
    setWindowModality(modality);
    const QWidget* asking = modal ? modal : QApplication::activeWindow();
    const bool wasVisible = isVisible();
    show();
    // Placed once shown, when the size of the window frame is known.
    if (!wasVisible)
        placeOnScreen(asking);
    raise();
    activateWindow();
}

void HelpWindow::placeOnScreen(const QWidget* asking) {
    const QScreen* screen = asking ? asking->screen() : QApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize frameExtra = frameGeometry().size() - size();
    resize(size().boundedTo(area.size() - frameExtra));
    QRect frame(QPoint(), size() + frameExtra);
    frame.moveCenter(asking ? asking->frameGeometry().center() : area.center());
    // Keep the whole window on the screen, the title bar above all.
    frame.moveLeft(qBound(area.left(), frame.left(), area.right() - frame.width() + 1));
    frame.moveTop(qBound(area.top(), frame.top(), area.bottom() - frame.height() + 1));
    move(frame.topLeft());
}

} // namespace ui
