#include "common/PictureFile.h"

#include "common/FileOps.h"
#include "common/JpegCodec.h"

#include <QBuffer>

#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <numeric>
#include <vector>

namespace common {

qint64 largestPicture(QSize size) {
    return size.isValid() ? qint64(size.width()) * size.height() : -1;
}

PictureScore pictureFor(int edge) {
    return [edge](QSize size) -> qint64 {
        if (!size.isValid())
            return -1;
        // Every picture large enough beats every smaller one; among them the smallest wins.
        constexpr qint64 kLargeEnough = qint64(1) << 40;
        return size.width() >= edge ? kLargeEnough - size.width() : size.width();
    };
}

QByteArray readPictureBytes(const QString& path) {
    BoundedRead read = readRegularFile(path, kMaxPictureFileBytes);
    return read.whole() ? std::move(read.bytes) : QByteArray();
}

QImage readBestPicture(const QString& path, int allocationLimitMb, const PictureScore& score) {
    return readBestPicture(readPictureBytes(path), allocationLimitMb, score);
}

QImage readBestPicture(const QByteArray& bytes, int allocationLimitMb, const PictureScore& score) {
    if (bytes.isEmpty())
        return {};
    // The sizes first: an icon's directory tells them without decoding anything.
    std::vector<qint64> scores;
    {
        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer);
        reader.setDecideFormatFromContent(true);
        do
            scores.push_back(score(reader.size()));
        while (int(scores.size()) < kMaxPicturesPerFile && reader.jumpToNextImage());
    }
    std::vector<int> order(scores.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return scores[a] > scores[b]; });
    for (const int index : order) {
        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer);
        reader.setDecideFormatFromContent(true);
        reader.setAllocationLimit(allocationLimitMb);
        if (index > 0 && !reader.jumpToImage(index))
            continue;
        const QImage image = reader.read();
        if (!image.isNull())
            return image;
    }
    return {};
}

QImage readPicture(const QString& path, int allocationLimitMb) {
    return decodePicture(readPictureBytes(path), QFileInfo(path).suffix(), allocationLimitMb);
}

QImage decodePicture(const QByteArray& bytes, const QString& suffix, int allocationLimitMb) {
    if (suffix.compare(u"jpg", Qt::CaseInsensitive) == 0 ||
        suffix.compare(u"jpeg", Qt::CaseInsensitive) == 0) {
        QImage image = jpeg::decode(bytes);
        if (!image.isNull())
            return image;
    }
    return readBestPicture(bytes, allocationLimitMb, largestPicture);
}

} // namespace common
