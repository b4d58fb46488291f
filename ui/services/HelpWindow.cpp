#include "HelpWindow.h"

#include <QFileInfo>
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
    show();
    raise();
    activateWindow();
}

} // namespace ui
