#pragma once

#include "ui/services/HelpService.h"

#include <QWidget>

class QTextBrowser;

namespace ui {

// The program's own help window: one HTML file per language, topics as anchors named by number.
class HelpWindow : public QWidget, public HelpService {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void showHelp(const QString& helpFile, int context) override;

    QTextBrowser* browser() const { return m_browser; }

private:
    void bringToFront();
    // Centred on the window that asked, wholly on its screen.
    void placeOnScreen(const QWidget* asking);

    QTextBrowser* m_browser;
    QString m_loadedFile;
};

} // namespace ui
