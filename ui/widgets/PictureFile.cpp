#include "PictureFile.h"

#include "common/JpegCodec.h"

#include <QFileInfo>
#include <QImageReader>

namespace ui {
namespace {

constexpr int kAllocationLimitMb = 256;

// Of the pictures in a file (several in an icon), the largest.
QImage readLargest(const QString& path) {
    QImageReader reader(path);
    reader.setAllocationLimit(kAllocationLimitMb);
    reader.setDecideFormatFromContent(true);
    QImage best;
    do {
        const QImage image = reader.read();
        if (image.isNull())
            break;
        if (best.isNull() || image.width() * image.height() > best.width() * best.height())
            best = image;
    } while (reader.jumpToNextImage());
    return best;
}

} // namespace

QImage readPictureFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"jpg" || suffix == u"jpeg") {
        QImage image = common::jpeg::readFile(path);
        if (!image.isNull())
            return image;
    }
    return readLargest(path);
}

} // namespace ui
