#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace assetgen {

QByteArray pngFile(const QImage& image);

// A BMP with 24 bits per pixel (no alpha), which every reader of the old format accepts.
QByteArray bmpFile(const QImage& image);

// A Windows icon holding every image given, in that order; readers that take a single image
// take the first. Empty when an image cannot be encoded.
QByteArray icoFile(const QList<QImage>& images);

} // namespace assetgen
