// The generated pictures are found by name and format by the editor, the build and the menu
// program; a wrong size, format or file name only shows later, on a user's disc.
#include "common/IniFile.h"
#include "tools/assetgen/Encode.h"

#include <QBuffer>

#include <QDirIterator>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

const QString kAssets = QStringLiteral(ASSET_DIR);

QSize imageSize(const QString& path, const QByteArray& format) {
    QImageReader reader(path);
    if (reader.format() != format)
        return {};
    const QImage image = reader.read();
    return image.size();
}

int bmpBitsPerPixel(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = file.read(30);
    return header.size() == 30 && header.startsWith("BM")
               ? qFromLittleEndian<quint16>(header.constData() + 28)
               : 0;
}

} // namespace

class TestAssets : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void editorPicturesAreCompiledIn() {
        const char* const toolbar[] = {"new",      "open",       "save",       "editp",    "check",
                                       "generate", "categories", "menudesign", "settings", "help",
                                       "exit",     "add",        "adddir",     "addjump",  "addurl",
                                       "deletef",  "sort",       "find",       "infofile", "screenshot"};
        for (const char* name : toolbar) {
            const QImage image(QStringLiteral(":/pictures/%1.png").arg(QLatin1String(name)));
            QVERIFY2(image.size() == QSize(32, 32) && image.hasAlphaChannel(), name);
        }
        for (const char* name : {"infoexist", "ssexist"}) {
            const QImage image(QStringLiteral(":/pictures/%1.png").arg(QLatin1String(name)));
            QVERIFY2(image.size() == QSize(16, 16) && image.hasAlphaChannel(), name);
        }
        QCOMPARE(QImage(QStringLiteral(":/pictures/splash.png")).size(), QSize(355, 205));
    }

    void programFolderFilesHaveTheirFormats() {
        const QString files = kAssets + QStringLiteral("/Files/");
        // The wait window and the dialogs load these as plain 24-bit bitmaps.
        for (const QString& name : {QStringLiteral("wait_1.bmp"), QStringLiteral("wait_2.bmp")}) {
            QCOMPARE(bmpBitsPerPixel(files + name), 24);
            QCOMPARE(imageSize(files + name, "bmp"), QSize(328, 137));
        }
        QCOMPARE(bmpBitsPerPixel(files + QStringLiteral("MenuBack.bmp")), 24);
        QVERIFY(!imageSize(files + QStringLiteral("MenuBack.bmp"), "bmp").isEmpty());

        QImageReader disc(files + QStringLiteral("tiv.ico"));
        QList<QSize> sizes;
        for (int i = 0; i < disc.imageCount(); ++i) {
            QVERIFY(disc.jumpToImage(i));
            sizes << disc.read().size();
        }
        QCOMPARE(sizes, (QList<QSize>{{48, 48}, {32, 32}, {16, 16}}));

        // m1 … m14 for the fourteen item kinds, 0 … 9 for the standard categories.
        QStringList icons;
        for (int kind = 0; kind < 14; ++kind)
            icons << QStringLiteral("m%1.ico").arg(kind + 1);
        for (int category = 0; category < 10; ++category)
            icons << QStringLiteral("%1.ico").arg(category);
        for (const QString& name : icons) {
            const QImage icon(files + name);
            QVERIFY2(icon.size() == QSize(32, 32), qPrintable(name));
            QVERIFY2(icon.pixelColor(0, 0).alpha() == 0, qPrintable(name)); // stands on any background
        }
    }

    void iconPacksHoldTheIconsTheirFilesAnnounce() {
        const QDir ip(kAssets + QStringLiteral("/ip"));
        int packs = 0;
        for (int nn = 1; nn <= 99; ++nn) {
            const QString pack = QStringLiteral("ip%1").arg(nn, 2, 10, QLatin1Char('0'));
            QFile cfg(ip.filePath(pack + QStringLiteral(".cfg")));
            if (!cfg.exists())
                continue;
            ++packs;
            QVERIFY(cfg.open(QIODevice::ReadOnly));
            const QByteArray text = cfg.readAll();
            QCOMPARE(text.count("\n"), text.count("\r\n"));

            const int count = common::IniFile(cfg.fileName()).readInteger(u"general", u"anz_icons", 0);
            QVERIFY2(count > 0, qPrintable(pack));
            QCOMPARE(QDir(ip.filePath(pack)).entryList(QDir::Files).size(), count);
            for (int m = 1; m <= count; ++m) {
                const QString icon =
                    ip.filePath(QStringLiteral("%1/%1i%2.ico").arg(pack).arg(m, 2, 10, QLatin1Char('0')));
                QVERIFY2(imageSize(icon, "ico") == QSize(32, 32), qPrintable(icon));
            }
        }
        QVERIFY(packs >= 3);
        // Two digits up to 9, plain decimal after: the editor builds the names this way.
        QVERIFY(QFile::exists(ip.filePath(QStringLiteral("ip01/ip01i09.ico"))));
        QVERIFY(QFile::exists(ip.filePath(QStringLiteral("ip01/ip01i10.ico"))));
        QVERIFY(!QFile::exists(ip.filePath(QStringLiteral("ip01/ip01i9.ico"))));
    }

    void iconFilesKeepColoursAndTransparency() {
        // A swapped channel or a wrong mask would only show as odd colours on a disc.
        QImage small(16, 16, QImage::Format_ARGB32);
        small.fill(Qt::transparent);
        small.setPixel(0, 0, qRgba(200, 10, 20, 255));
        small.setPixel(1, 0, qRgba(10, 20, 220, 128));
        small.setPixel(15, 15, qRgba(30, 180, 40, 255));
        QImage large(48, 48, QImage::Format_ARGB32);
        large.fill(qRgba(250, 200, 0, 255));

        QByteArray bytes = assetgen::icoFile({small, large});
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer, "ico");
        QCOMPARE(reader.imageCount(), 2);
        const QImage first = reader.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(first.pixel(0, 0), qRgba(200, 10, 20, 255));
        // The reader goes through premultiplied alpha: half-transparent colours may move by one.
        const QRgb half = first.pixel(1, 0);
        QCOMPARE(qAlpha(half), 128);
        QVERIFY(std::abs(qRed(half) - 10) <= 1 && std::abs(qGreen(half) - 20) <= 1 &&
                std::abs(qBlue(half) - 220) <= 1);
        QCOMPARE(first.pixel(15, 15), qRgba(30, 180, 40, 255));
        QCOMPARE(qAlpha(first.pixel(5, 5)), 0);
        QVERIFY(reader.jumpToImage(1));
        const QImage second = reader.read();
        QCOMPARE(second.size(), QSize(48, 48));
        QCOMPARE(second.pixel(47, 0), qRgba(250, 200, 0, 255));
    }

    void generationIsRepeatable() {
        // The same sources must give the same bytes, or every build would change the shipped files.
        QTemporaryDir again;
        QVERIFY(again.isValid());
        QProcess tool;
        tool.start(QStringLiteral(ASSETGEN_EXECUTABLE), {again.path()});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 0);

        int compared = 0;
        QDirIterator it(again.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile fresh(path);
            QFile built(kAssets + path.mid(again.path().size()));
            QVERIFY(fresh.open(QIODevice::ReadOnly));
            QVERIFY2(built.open(QIODevice::ReadOnly), qPrintable(built.fileName()));
            QVERIFY2(fresh.readAll() == built.readAll(), qPrintable(built.fileName()));
            ++compared;
        }
        QVERIFY(compared > 100);
    }
};

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
