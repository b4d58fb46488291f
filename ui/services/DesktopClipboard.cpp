#include "ui/services/DesktopClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace ui {

void DesktopClipboard::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

QString DesktopClipboard::text() const {
    return QGuiApplication::clipboard()->text();
}

void DesktopClipboard::setImage(const QImage& image) {
    QGuiApplication::clipboard()->setImage(image);
}

QImage DesktopClipboard::image() const {
    return QGuiApplication::clipboard()->image();
}

} // namespace ui
