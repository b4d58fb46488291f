#pragma once

#include <QImage>
#include <QString>

namespace ui {

// The picture of a bitmap, icon (its largest picture), JPEG or other file that Qt reads; a null
// image when the file holds no readable picture or one too large to hold.
QImage readPictureFile(const QString& path);

} // namespace ui
