#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

namespace common {

// Picture files larger than this are not read: no picture that the programs show needs more, and
// a file from a disc may be a link to an endless device.
constexpr qint64 kMaxPictureFileBytes = 64LL * 1024 * 1024;

// The most pictures looked at in one file. An icon holds a handful of sizes, but its header may
// list up to 65,535, and each one looked at costs a read.
constexpr int kMaxPicturesPerFile = 64;

// How much a picture of that size is wanted; the highest wins. Invalid sizes (a format that tells
// no size before decoding) come last.
using PictureScore = std::function<qint64(QSize size)>;

// The largest picture.
qint64 largestPicture(QSize size);
// The smallest picture at least `edge` pixels wide, otherwise the largest.
PictureScore pictureFor(int edge);

// Of the first kMaxPicturesPerFile pictures of a file (several in an icon), the one with the best
// score. Only that one is decoded, unless it cannot be read; then the next best is tried. A null
// image when none can be read. `allocationLimitMb` bounds each decoded picture. Only a regular
// file of at most kMaxPictureFileBytes is read.
QImage readBestPicture(const QString& path, int allocationLimitMb, const PictureScore& score);
QImage readBestPicture(const QByteArray& bytes, int allocationLimitMb, const PictureScore& score);

// A picture file as the programs show it: a JPEG through our codec, anything else (the largest
// picture of an icon) through readBestPicture with `allocationLimitMb`. A null image when nothing
// can be read.
QImage readPicture(const QString& path, int allocationLimitMb);
// The same for the bytes of such a file; `suffix` is the file's extension ("jpg").
QImage decodePicture(const QByteArray& bytes, const QString& suffix, int allocationLimitMb);

// The bytes of a picture file within kMaxPictureFileBytes; empty when the file is missing, no
// regular file or larger.
QByteArray readPictureBytes(const QString& path);

} // namespace common
