#include "common/JpegCodec.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A smooth picture whose size is no multiple of the 8-pixel blocks.
QImage gradient(int width = 67, int height = 45) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x + y) * 255 / (width + height)));
    }
    return image;
}

// The largest difference of any channel of any pixel; -1 when the sizes differ.
int largestDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return -1;
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return worst;
}

// The same JPEG with its frame header claiming another size.
QByteArray withFrameSize(QByteArray jpeg, int width, int height) {
    for (qsizetype i = 2; i + 9 < jpeg.size(); ++i) {
        const auto marker = uchar(jpeg[i + 1]);
        if (uchar(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            jpeg[i + 5] = char(height >> 8);
            jpeg[i + 6] = char(height & 0xFF);
            jpeg[i + 7] = char(width >> 8);
            jpeg[i + 8] = char(width & 0xFF);
            return jpeg;
        }
    }
    return {};
}

} // namespace

class TestJpegCodec : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void encodeAndDecode() {
        const QImage original = gradient();
        const QByteArray jpeg = common::jpeg::encode(original);
        QVERIFY(jpeg.startsWith("\xFF\xD8\xFF"));
        QVERIFY(jpeg.endsWith("\xFF\xD9"));
        const QImage decoded = common::jpeg::decode(jpeg);
        QCOMPARE(decoded.size(), original.size());
        const int difference = largestDifference(decoded, original);
        QVERIFY2(difference >= 0 && difference <= 24, qPrintable(QString::number(difference)));

        // Other formats are converted; alpha is dropped, not an error.
        QImage translucent = gradient(20, 10).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(common::jpeg::decode(common::jpeg::encode(translucent)).size(), QSize(20, 10));
        QCOMPARE(common::jpeg::encode(QImage()), QByteArray());
    }

    void fileRoundTrip() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(u"screen.jpg"_s);
        const QImage original = gradient(160, 120);
        QVERIFY(common::jpeg::writeFile(original, path));
        const QImage read = common::jpeg::readFile(path);
        QCOMPARE(read.size(), original.size());
        QVERIFY(largestDifference(read, original) <= 24);

        QVERIFY(!common::jpeg::writeFile(original, dir.filePath(u"missing/folder/x.jpg"_s)));
        QVERIFY(!common::jpeg::writeFile(QImage(), dir.filePath(u"null.jpg"_s)));
        QVERIFY(!QFile::exists(dir.filePath(u"null.jpg"_s)));
        QVERIFY(common::jpeg::readFile(dir.filePath(u"missing.jpg"_s)).isNull());
        QVERIFY(common::jpeg::readFile(dir.path()).isNull());
    }

    void grayscaleDecodes() {
        QImage gray(40, 30, QImage::Format_Grayscale8);
        for (int y = 0; y < gray.height(); ++y) {
            for (int x = 0; x < gray.width(); ++x)
                gray.scanLine(y)[x] = uchar(x * 6);
        }
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QVERIFY(gray.save(&buffer, "JPG"));
        const QImage decoded = common::jpeg::decode(jpeg);
        QCOMPARE(decoded.size(), gray.size());
        const QRgb middle = decoded.pixel(20, 15);
        QCOMPARE(qRed(middle), qGreen(middle));
        QCOMPARE(qGreen(middle), qBlue(middle));
        QVERIFY(std::abs(qRed(middle) - 120) <= 8);
    }

    void badDataGivesNullImage_data() {
        QTest::addColumn<QByteArray>("data");
        const QByteArray valid = common::jpeg::encode(gradient());
        QByteArray random(4096, Qt::Uninitialized);
        QRandomGenerator generator(7);
        for (char& c : random)
            c = char(generator.bounded(256));

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("this is no picture");
        QTest::newRow("random bytes") << random;
        QTest::newRow("start marker only") << QByteArray("\xFF\xD8");
        QTest::newRow("random after start marker") << QByteArray("\xFF\xD8\xFF") + random;
        QTest::newRow("header cut short") << valid.left(40);
        QTest::newRow("zero width") << withFrameSize(valid, 0, 45);
        QTest::newRow("too many pixels") << withFrameSize(valid, 65000, 65000);
    }
    void badDataGivesNullImage() {
        QFETCH(QByteArray, data);
        QVERIFY(common::jpeg::decode(data).isNull());
    }

    // Cut anywhere, a picture decodes to nothing or to its full size, never to a crash.
    void truncatedDataIsSafe() {
        const QByteArray valid = common::jpeg::encode(gradient());
        for (qsizetype length = 0; length < valid.size(); length += 7) {
            const QImage image = common::jpeg::decode(valid.left(length));
            QVERIFY2(image.isNull() || image.size() == QSize(67, 45), qPrintable(QString::number(length)));
        }
    }

    // A progressive picture whose header claims a huge size is refused before memory is set aside for it.
    void hugeProgressiveHeaderIsRefusedQuickly() {
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QImageWriter writer(&buffer, "jpeg");
        writer.setProgressiveScanWrite(true);
        QVERIFY(writer.write(gradient()));
        const QByteArray huge = withFrameSize(jpeg, 60000, 60000);
        QVERIFY(!huge.isEmpty());
        QElapsedTimer timer;
        timer.start();
        QVERIFY(common::jpeg::decode(huge).isNull());
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    }
};

QTEST_GUILESS_MAIN(TestJpegCodec)
#include "tst_jpegcodec.moc"
