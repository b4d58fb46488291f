#include "PictureFile.h"

#include "JpegCodec.h"

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

QImage readBestPicture(const QString& path, int allocationLimitMb, const PictureScore& score) {
    // The sizes first: an icon's directory tells them without decoding anything.
    std::vector<qint64> scores;
    {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        do
            scores.push_back(score(reader.size()));
        while (int(scores.size()) < kMaxPicturesPerFile && reader.jumpToNextImage());
    }
    std::vector<int> order(scores.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return scores[a] > scores[b]; });
    for (const int index : order) {
        QImageReader reader(path);
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
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"jpg" || suffix == u"jpeg") {
        QImage image = jpeg::readFile(path);
        if (!image.isNull())
            return image;
    }
    return readBestPicture(path, allocationLimitMb, largestPicture);
}

} // namespace common
