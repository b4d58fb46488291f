#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace common::jpeg {

// Pictures larger than this many pixels are refused rather than decoded.
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;
// Files larger than this are not read.
constexpr qint64 kMaxFileSize = 64LL * 1024 * 1024;

// A null image when the data is not a readable JPEG picture.
QImage decode(QByteArrayView data);
QImage readFile(const QString& path);

// JPEG with the library's default settings; empty for a null image.
QByteArray encode(const QImage& image);
// Written atomically; false when the file could not be written.
bool writeFile(const QImage& image, const QString& path);

} // namespace common::jpeg
