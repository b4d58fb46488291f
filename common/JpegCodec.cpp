#include "common/JpegCodec.h"

#include "common/FileOps.h"

#include <QSaveFile>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace common::jpeg {
namespace {

// libjpeg reports fatal errors through a callback that must not return; it jumps back here.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void onMessage(j_common_ptr) {} // warnings of damaged pictures are not shown to anyone

// Everything with a destructor lives here, outside the function that the error jump leaves.
struct Decoder {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    QImage image;
    QByteArray cmykRow;
};

// Adobe writes CMYK inverted, which is what nearly every CMYK JPEG holds.
void cmykRowToRgb(const uchar* cmyk, uchar* rgb, JDIMENSION width) {
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const int k = cmyk[3];
        rgb[0] = uchar(cmyk[0] * k / 255);
        rgb[1] = uchar(cmyk[1] * k / 255);
        rgb[2] = uchar(cmyk[2] * k / 255);
    }
}

bool decodeInto(Decoder& d, QByteArrayView data) {
    d.info.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = onError;
    d.errors.base.output_message = onMessage;
    if (setjmp(d.errors.jump)) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(data.data()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&d.info, TRUE);
    const bool cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
    d.info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    // Checked before decompressing starts: for a progressive picture the library sets aside memory
    // for the whole claimed size right then, gigabytes for a few bytes of forged header.
    const qint64 pixels = qint64(d.info.image_width) * d.info.image_height;
    if (pixels <= 0 || pixels > kMaxPixels) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    jpeg_start_decompress(&d.info);
    d.image = QImage(int(d.info.output_width), int(d.info.output_height), QImage::Format_RGB888);
    if (d.image.isNull()) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    d.cmykRow.resize(cmyk ? qsizetype(d.info.output_width) * 4 : 0);
    QByteArray& cmykRow = d.cmykRow;
    while (d.info.output_scanline < d.info.output_height) {
        uchar* line = d.image.scanLine(int(d.info.output_scanline));
        JSAMPROW row = cmyk ? reinterpret_cast<JSAMPROW>(cmykRow.data()) : line;
        jpeg_read_scanlines(&d.info, &row, 1);
        if (cmyk)
            cmykRowToRgb(reinterpret_cast<const uchar*>(cmykRow.constData()), line, d.info.output_width);
    }
    jpeg_finish_decompress(&d.info);
    jpeg_destroy_decompress(&d.info);
    return true;
}

struct Encoder {
    jpeg_compress_struct info{};
    ErrorManager errors{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
};

bool encodeInto(Encoder& e, const QImage& rgb) {
    e.info.err = jpeg_std_error(&e.errors.base);
    e.errors.base.error_exit = onError;
    e.errors.base.output_message = onMessage;
    if (setjmp(e.errors.jump)) {
        jpeg_destroy_compress(&e.info);
        return false;
    }
    jpeg_create_compress(&e.info);
    jpeg_mem_dest(&e.info, &e.buffer, &e.size);
    e.info.image_width = JDIMENSION(rgb.width());
    e.info.image_height = JDIMENSION(rgb.height());
    e.info.input_components = 3;
    e.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&e.info);
    jpeg_start_compress(&e.info, TRUE);
    while (e.info.next_scanline < e.info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(e.info.next_scanline)));
        jpeg_write_scanlines(&e.info, &row, 1);
    }
    jpeg_finish_compress(&e.info);
    jpeg_destroy_compress(&e.info);
    return true;
}

} // namespace

QImage decode(QByteArrayView data) {
    if (data.isEmpty())
        return {};
    Decoder decoder;
    if (!decodeInto(decoder, data))
        return {};
    return decoder.image.convertToFormat(QImage::Format_RGB32);
}

QImage readFile(const QString& path) {
    // Not the size the file system tells and readAll(): a device reports 0 and never ends.
    const BoundedRead read = readRegularFile(path, kMaxFileSize);
    return read.whole() ? decode(read.bytes) : QImage();
}

QByteArray encode(const QImage& image) {
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    Encoder encoder;
    const bool ok = encodeInto(encoder, rgb);
    QByteArray bytes;
    if (ok)
        bytes = QByteArray(reinterpret_cast<const char*>(encoder.buffer), qsizetype(encoder.size));
    std::free(encoder.buffer);
    return bytes;
}

bool writeFile(const QImage& image, const QString& path) {
    const QByteArray bytes = encode(image);
    if (bytes.isEmpty())
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace common::jpeg
