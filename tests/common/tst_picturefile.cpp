// Choosing and reading one picture of a file that holds several, as icons do.
#include "common/PictureFile.h"
#include "tests/menu/HostileFiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

class TestPictureFile : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString fileWith(const QString& name, const QByteArray& bytes) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    static int edgeOf(const QString& path, const common::PictureScore& score) {
        return common::readBestPicture(path, 64, score).width();
    }

private Q_SLOTS:
    void choosesBySizeAndSkipsWhatCannotBeRead() {
        const QString icon = fileWith(QStringLiteral("sizes.ico"), iconFile({16, 48, 32}));
        QCOMPARE(edgeOf(icon, common::largestPicture), 48);
        QCOMPARE(edgeOf(icon, common::pictureFor(22)), 32);
        QCOMPARE(edgeOf(icon, common::pictureFor(16)), 16);
        QCOMPARE(edgeOf(icon, common::pictureFor(64)), 48);

        // The largest picture's data lies beyond the end of the file: the next best is read.
        QByteArray damaged = iconFile({16, 48, 32});
        qToLittleEndian<quint32>(quint32(damaged.size() + 1000), damaged.data() + 6 + 16 + 12);
        QCOMPARE(edgeOf(fileWith(QStringLiteral("damaged.ico"), damaged), common::largestPicture), 32);

        QVERIFY(common::readBestPicture(fileWith(QStringLiteral("text.ico"), "no picture"), 64,
                                        common::largestPicture)
                    .isNull());
        QVERIFY(
            common::readBestPicture(m_dir.filePath(QStringLiteral("missing.ico")), 64, common::largestPicture)
                .isNull());
    }

    void anIconListingManyPicturesReadsAtOnce() {
        // Decoding all 65,535 listed pictures took seconds per icon.
        const QString icon = fileWith(QStringLiteral("many.ico"), manyPictureIcon());
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(edgeOf(icon, common::largestPicture), 256);
        QCOMPARE(edgeOf(icon, common::pictureFor(16)), 256);
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    }
};

QTEST_GUILESS_MAIN(TestPictureFile)
#include "tst_picturefile.moc"
