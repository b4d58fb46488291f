#include "menu/gui/DiscPictures.h"

#include "common/PictureFile.h"
#include "menu/reader/DiscFolders.h"

#include <QPainter>

namespace menu {

QPixmap loadDiscBitmap(const DiscFolders& folders, const QString& name) {
    // Backgrounds and button fills are tiled over a window of 632 x 413 pixels: 64 MB holds
    // 4096 x 4096 of them.
    constexpr int kBitmapAllocationLimitMb = 64;
    return QPixmap::fromImage(
        common::readBestPicture(folders.configFile(name), kBitmapAllocationLimitMb, common::largestPicture));
}

QIcon loadDiscIcon(const DiscFolders& folders, const QString& name, int size, const QColor& background) {
    // An icon is shown at most 32 pixels wide; a larger picture in it is still read, within reason.
    constexpr int kIconAllocationLimitMb = 64;
    // Of the pictures in an icon file, the smallest that is at least as large as asked, else the largest.
    const QImage best =
        common::readBestPicture(folders.configFile(name), kIconAllocationLimitMb, common::pictureFor(size));
    if (best.isNull())
        return {};
    QPixmap pixmap(size, size);
    pixmap.fill(background);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(0, 0, size, size), best);
    p.end();
    return QIcon(pixmap);
}

} // namespace menu
