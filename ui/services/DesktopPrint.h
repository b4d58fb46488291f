#pragma once

#include "ui/services/PrintService.h"

class QPrinter;

namespace ui {

// Sets the printer up for one A4 portrait sheet that is laid out from the paper's corner, margins
// included, as PagePainter expects.
void setUpSheet(QPrinter& printer);

class DesktopPrint : public PrintService {
public:
    bool printDocument(const QTextDocument& document, const QString& jobTitle) override;
    void previewPage(const QString& jobTitle, const PagePainter& paint) override;
};

} // namespace ui
