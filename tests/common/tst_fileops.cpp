// Copying files over others: all or nothing, with time and permissions kept.
#include "common/FileOps.h"
#include "common/JpegCodec.h"
#include "common/PictureFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

class TestFileOps : public QObject {
    Q_OBJECT

    static void write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private Q_SLOTS:
    void onlyRegularFilesAreReadAndOnlyUpToTheirLimit() {
        QTemporaryDir dir;
        const QString text = dir.filePath(QStringLiteral("text.txt"));
        write(text, "0123456789");
        common::BoundedRead read = common::readRegularFile(text, 10);
        QVERIFY(read.whole());
        QCOMPARE(read.bytes, QByteArray("0123456789"));
        read = common::readRegularFile(text, 4);
        QVERIFY(read.cut);
        QCOMPARE(read.bytes, QByteArray("0123"));
        QCOMPARE(common::readRegularFile(dir.filePath(QStringLiteral("missing")), 10).refusal,
                 common::ReadRefusal::Missing);
        QCOMPARE(common::readRegularFile(dir.path(), 10).refusal, common::ReadRefusal::NotAFile);
#ifndef Q_OS_WIN
        // A pipe would keep its reader waiting for a writer; a device never ends and tells a size
        // of 0. Both are refused at once, also behind a link and under a picture's name.
        const QString pipe = dir.filePath(QStringLiteral("pipe.jpg"));
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0644) == 0);
        const QString zero = dir.filePath(QStringLiteral("zero.jpg"));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), zero));
        for (const QString& path : {pipe, zero, QStringLiteral("/dev/zero")}) {
            QCOMPARE(common::readRegularFile(path, 1 << 20).refusal, common::ReadRefusal::NotAFile);
            QFile file;
            QCOMPARE(common::openRegularFile(file, path), common::ReadRefusal::NotAFile);
            QVERIFY(!file.isOpen());
            QVERIFY(common::jpeg::readFile(path).isNull());
            QVERIFY(common::readPicture(path, 64).isNull());
        }
#endif
    }

    void renamingReplacesTheFileOrTheLinkItself() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("target"));
        const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
        write(elsewhere, "untouched");
        QVERIFY(QFile::link(elsewhere, target));
        write(dir.filePath(QStringLiteral("new")), "new");
        QVERIFY(common::renameReplacing(dir.filePath(QStringLiteral("new")), target));
        QVERIFY(!QFileInfo(target).isSymLink());
        QCOMPARE(common::readRegularFile(target, 100).bytes, QByteArray("new"));
        QCOMPARE(common::readRegularFile(elsewhere, 100).bytes, QByteArray("untouched"));
        QString error;
        QVERIFY(!common::renameReplacing(dir.filePath(QStringLiteral("gone")), target, &error));
        QVERIFY(!error.isEmpty());
    }

    void copyKeepsContentTimeAndPermissions() {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("tiv.exe"));
        const QString target = dir.filePath(QStringLiteral("copy.exe"));
        QByteArray big(3 * 1024 * 1024 + 17, 'x'); // more than one block
        big[0] = 'M';
        write(source, big);
        QFile::setPermissions(source, QFile::permissions(source) | QFileDevice::ExeOwner);
        QFile s(source);
        QVERIFY(s.open(QIODevice::ReadWrite));
        const QDateTime old = QDateTime::currentDateTimeUtc().addDays(-3);
        QVERIFY(s.setFileTime(old, QFileDevice::FileModificationTime));
        s.close();
        write(target, "older and shorter");

        QVERIFY(common::copyFileReplacing(source, target));
        QFile t(target);
        QVERIFY(t.open(QIODevice::ReadOnly));
        QCOMPARE(t.readAll(), big);
        QVERIFY(QFileInfo(target).isExecutable());
        QCOMPARE(QFileInfo(target).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());
    }

    void failedCopyLeavesTheTarget() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("keep.lbp"));
        write(target, "precious");
        QVERIFY(!common::copyFileReplacing(dir.filePath(QStringLiteral("missing")), target));
        QVERIFY(!common::copyFileReplacing(dir.path(), target)); // a folder is no file to copy
        QFile t(target);
        QVERIFY(t.open(QIODevice::ReadOnly));
        QCOMPARE(t.readAll(), QByteArray("precious"));
        QVERIFY(!common::copyFileReplacing(target, dir.filePath(QStringLiteral("no/such/folder/x"))));
    }
};

QTEST_GUILESS_MAIN(TestFileOps)
#include "tst_fileops.moc"
