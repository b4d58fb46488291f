#pragma once

#include "ui/services/ClipboardService.h"

namespace ui {

class DesktopClipboard : public ClipboardService {
public:
    void setText(const QString& text) override;
    QString text() const override;
    void setImage(const QImage& image) override;
    QImage image() const override;
};

} // namespace ui
