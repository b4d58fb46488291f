#pragma once

#include <QImage>
#include <QString>

namespace ui {

class ClipboardService {
public:
    virtual ~ClipboardService() = default;

    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
    virtual void setImage(const QImage& image) = 0;
    // A null image when the clipboard holds no picture.
    virtual QImage image() const = 0;
};

} // namespace ui
