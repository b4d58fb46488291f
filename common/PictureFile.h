#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

namespace common {

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
// image when none can be read. `allocationLimitMb` bounds each decoded picture.
QImage readBestPicture(const QString& path, int allocationLimitMb, const PictureScore& score);

// A picture file as the programs show it: a JPEG through our codec, anything else (the largest
// picture of an icon) through readBestPicture with `allocationLimitMb`. A null image when nothing
// can be read.
QImage readPicture(const QString& path, int allocationLimitMb);

} // namespace common
