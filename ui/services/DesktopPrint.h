#pragma once

#include "ui/services/PrintService.h"

namespace ui {

class DesktopPrint : public PrintService {
public:
    bool printDocument(const QTextDocument& document, const QString& jobTitle) override;
    void previewPage(const QString& jobTitle, const PagePainter& paint) override;
};

} // namespace ui
