#include "tools/assetgen/Encode.h"

#include "tools/assetgen/Bytes.h"

#include <QBuffer>
#include <QImageWriter>

namespace assetgen {
namespace {

constexpr qsizetype kIconDirSize = 6;
constexpr qsizetype kIconEntrySize = 16;

QByteArray encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    return writer.write(image) ? bytes : QByteArray();
}

// One icon image as Windows keeps it: a bottom-up 32-bit BGRA bitmap of twice the height, then a
// 1-bit mask of the fully transparent pixels for readers without alpha. Written here rather than
// by Qt's writer, which leaves the padding of the mask rows uninitialised and so would make the
// output differ from run to run.
QByteArray iconBitmap(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int maskStride = (w + 31) / 32 * 4;
    QByteArray out;
    appendLe32(out, 40); // header size
    appendLe32(out, quint32(w));
    appendLe32(out, quint32(2 * h)); // colour bitmap and mask
    appendLe16(out, 1);              // planes
    appendLe16(out, 32);             // bits per pixel
    appendLe32(out, 0);              // no compression
    appendLe32(out, quint32(w * h * 4 + maskStride * h));
    out.append(16, '\0'); // resolution and palette counts
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            appendLe32(out, line[x]); // 0xAARRGGBB: B, G, R, A in the file
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

} // namespace

QByteArray pngFile(const QImage& image) {
    return encode(image, "png");
}

QByteArray bmpFile(const QImage& image) {
    return encode(image.convertToFormat(QImage::Format_RGB32), "bmp");
}

QByteArray icoFile(const QList<QImage>& images) {
    QByteArray directory;
    appendLe16(directory, 0);
    appendLe16(directory, 1); // type: icon
    appendLe16(directory, quint16(images.size()));
    QByteArray data;
    const qsizetype dataStart = kIconDirSize + kIconEntrySize * images.size();
    for (const QImage& image : images) {
        if (image.isNull() || image.width() > 256 || image.height() > 256)
            return {};
        const QByteArray bitmap = iconBitmap(image);
        directory.append(char(image.width() % 256)); // 0 stands for 256
        directory.append(char(image.height() % 256));
        directory.append(2, '\0'); // no palette, reserved
        appendLe16(directory, 1);  // planes
        appendLe16(directory, 32); // bits per pixel
        appendLe32(directory, quint32(bitmap.size()));
        appendLe32(directory, quint32(dataStart + data.size()));
        data.append(bitmap);
    }
    return directory + data;
}

} // namespace assetgen
