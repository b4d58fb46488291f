// The folder rules of a new project: what the wizard may create and delete, and which last project
// the welcome screen offers.
#include "editor/project/ProjectFolders.h"
#include "tests/editor/EditorTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace editortest;

class TestProjectFolders : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void folderFieldHoldsAFolderUnlessEmptyOrBlank() {
        QVERIFY(!projectfolders::holdsFolder(QString()));
        QVERIFY(!projectfolders::holdsFolder(u" "_qs));
        QVERIFY(projectfolders::holdsFolder(u"  "_qs));
        QVERIFY(projectfolders::holdsFolder(u"/disc/"_qs));
    }

    void makeFolderCreatesOneLevelOnly() {
        QTemporaryDir dir;
        const QString made = projectfolders::makeFolder(dir.path(), u"New"_qs);
        QCOMPARE(made, QDir::toNativeSeparators(dir.path() + u"/New/"_qs));
        QVERIFY(QFileInfo(made).isDir());
        QVERIFY(projectfolders::makeFolder(dir.path(), u"New"_qs).isEmpty()); // exists already
        for (const QString& bad : {u".."_qs, u"."_qs, u"a/b"_qs, u"..\\up"_qs, QString(300, u'x'), QString()})
            QVERIFY2(projectfolders::makeFolder(dir.path(), bad).isEmpty(), qPrintable(bad));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{u"New"_qs});
        QVERIFY(projectfolders::makeFolder(dir.filePath(u"missing"_qs), u"x"_qs).isEmpty());
    }

    void onlyEmptyFoldersAreRemoved() {
        QTemporaryDir dir;
        writeFile(dir.filePath(u"full/.hidden"_qs));
        QDir().mkpath(dir.filePath(u"empty"_qs));
        QVERIFY(!projectfolders::removeEmptyFolder(dir.filePath(u"full"_qs)));
        QVERIFY(QFileInfo::exists(dir.filePath(u"full/.hidden"_qs)));
        QVERIFY(projectfolders::removeEmptyFolder(dir.filePath(u"empty"_qs)));
        QVERIFY(!QFileInfo::exists(dir.filePath(u"empty"_qs)));
        QVERIFY(!projectfolders::removeEmptyFolder(dir.filePath(u"empty"_qs)));
    }

    void lastProjectOnlyWhileItsFileExists() {
        QTemporaryDir dir;
        const QString settings = dir.filePath(u"lumbrel.dat"_qs);
        QVERIFY(projectfolders::lastProject(settings).isEmpty()); // no settings file
        const QString project = writeFile(dir.filePath(u"p.lbp"_qs));
        writeFile(settings, "[settings]\r\nlast_proj=" + project.toLocal8Bit() + "\r\n");
        QCOMPARE(projectfolders::lastProject(settings), project);
        QFile::remove(project);
        QVERIFY(projectfolders::lastProject(settings).isEmpty());
        writeFile(settings, "[settings]\r\nlast_proj=" + dir.path().toLocal8Bit() + "\r\n");
        QVERIFY(projectfolders::lastProject(settings).isEmpty()); // a folder is no project
    }
};

QTEST_MAIN(TestProjectFolders)
#include "tst_projectfolders.moc"
