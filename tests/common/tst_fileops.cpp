// Copying files over others: all or nothing, with time and permissions kept.
#include "common/FileOps.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestFileOps : public QObject {
    Q_OBJECT

    static void write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private Q_SLOTS:
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
