// Where an item's information text and screenshot belong, and how they are written and read.
#include "common/JpegCodec.h"
#include "editor/project/ItemCompanion.h"
#include "tests/editor/EditorTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace editortest;

namespace {

const QString kJump = QStringLiteral("Jump Point");

} // namespace

class TestItemCompanion : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void companionsFollowTheItemKind() {
        const QString sep = QDir::separator();
        const QString project = QDir::toNativeSeparators(m_dir.path() + u"/disc/"_qs);
        const QString data = project + u"tavikdat"_qs + sep;
        const QString video = project + u"Video"_qs + sep;
        QCOMPARE(companion::itemDataFolder(project), data);
        // A project folder read without its separator names the same place.
        QCOMPARE(companion::itemDataFolder(project.chopped(1)), data);

        // Exactly three characters are replaced, next to the item's own file.
        QCOMPARE(companion::location(
                     locatedItem(u"Clip"_qs, u"clip.mpeg"_qs, u"\\Video\\"_qs, video + u"clip.mpeg"_qs),
                     project, kJump, companion::kText),
                 video + u"clip.mtxt"_qs);
        QCOMPARE(companion::location(
                     locatedItem(u"Setup"_qs, u"setup.exe"_qs, u"\\"_qs, project + u"setup.exe"_qs), project,
                     kJump, companion::kPicture),
                 project + u"setup.jpg"_qs);
        // Hyperlinks by their file-safe name in the item data folder.
        QCOMPARE(companion::location(locatedItem(u"What's new?"_qs, u"http://example.org"_qs, {}, u"n/a"_qs),
                                     project, kJump, companion::kText),
                 data + u"What's new_.txt"_qs);
        // A jump point never beside a file, whatever its source field holds; its word in any case.
        QCOMPARE(companion::location(
                     locatedItem(u"a/b:c"_qs, u"JUMP POINT"_qs, u"\\games\\"_qs, video + u"x.exe"_qs),
                     project, kJump, companion::kPicture),
                 data + u"a_b_c.jpg"_qs);
        // Nothing is ever placed relative to the working folder.
        QCOMPARE(companion::location(locatedItem(u"S"_qs, u"s.exe"_qs, u"\\"_qs, u"s.exe"_qs), project, kJump,
                                     companion::kText),
                 QString());
        QCOMPARE(companion::location(locatedItem(u"S"_qs, u"s.exe"_qs, u"\\"_qs, {}), project, kJump,
                                     companion::kText),
                 QString());
        QCOMPARE(companion::location(locatedItem(u"L"_qs, u"http://x"_qs, {}, {}), QString(), kJump,
                                     companion::kText),
                 QString());
    }

    void textsAreWindows1252LinesWithCrLf() {
        const QString path = m_dir.filePath(u"text.txt"_qs);
        QVERIFY(companion::writeText(path, u"Café\nline two\n\nend"_qs));
        QCOMPARE(readBytes(path), QByteArray("Caf\xe9\r\nline two\r\n\r\nend\r\n"));
        QCOMPARE(companion::readText(path), std::optional<QString>(u"Café\nline two\n\nend"_qs));
        QVERIFY(companion::writeText(path, {}));
        QCOMPARE(readBytes(path), QByteArray());
        QCOMPARE(companion::readText(path), std::optional<QString>(QString()));

        // Templates with any line ends.
        writeFile(path, "unix\nmac\rdos\r\n");
        QCOMPARE(companion::readText(path), std::optional<QString>(u"unix\nmac\ndos"_qs));
        QVERIFY(!companion::readText(m_dir.filePath(u"missing.nfo"_qs)));
        QVERIFY(!companion::writeText({}, u"x"_qs));
        QVERIFY(!companion::writeText(m_dir.filePath(u"no/such/folder/x.txt"_qs), u"x"_qs));
    }

    void readOnlyCompanionsAreReplacedAndDeleted() {
        const QString text = writeFile(m_dir.filePath(u"ro.txt"_qs), "old");
        const QString picture = writeFile(m_dir.filePath(u"ro.jpg"_qs), "old");
        for (const QString& path : {text, picture})
            QFile::setPermissions(path, QFileDevice::ReadOwner);
        QVERIFY(companion::writeText(text, u"new"_qs));
        QCOMPARE(readBytes(text), QByteArray("new\r\n"));

        QImage shot(16, 8, QImage::Format_RGB32);
        shot.fill(Qt::blue);
        QVERIFY(companion::writePicture(picture, shot));
        QCOMPARE(common::jpeg::readFile(picture).size(), QSize(16, 8));
        QVERIFY(!companion::writePicture(picture, QImage()));

        QFile::setPermissions(text, QFileDevice::ReadOwner);
        QCOMPARE(companion::remove(text), QString());
        QVERIFY(!QFileInfo::exists(text));
        QVERIFY(!companion::remove(text).isEmpty());

        // A link is never written through; deleting it leaves its target.
        const QString target = writeFile(m_dir.filePath(u"target.txt"_qs), "mine");
        const QString link = m_dir.filePath(u"link.txt"_qs);
        QVERIFY(QFile::link(target, link));
        QVERIFY(!companion::writeText(link, u"new"_qs));
        QVERIFY(!companion::writePicture(link, shot));
        QCOMPARE(companion::remove(link), QString());
        QCOMPARE(readBytes(target), QByteArray("mine"));
    }

    void anItemCanBeItsOwnCompanion() {
        ItemRecord readme;
        readme[fieldIndex(ItemField::SourceLocation)] = m_dir.filePath(u"docs/README.TXT"_qs);
        QVERIFY(companion::isItemsOwnFile(readme, m_dir.filePath(u"docs/README.txt"_qs)));
        QVERIFY(!companion::isItemsOwnFile(readme, m_dir.filePath(u"docs/README.jpg"_qs)));
        QVERIFY(!companion::isItemsOwnFile(ItemRecord(), m_dir.filePath(u"x.txt"_qs)));
        // The same file reached through a link.
        const QString photo = writeFile(m_dir.filePath(u"pics/photo.jpg"_qs));
        QVERIFY(QFile::link(m_dir.filePath(u"pics"_qs), m_dir.filePath(u"alias"_qs)));
        ItemRecord shot;
        shot[fieldIndex(ItemField::SourceLocation)] = m_dir.filePath(u"alias/photo.jpg"_qs);
        QVERIFY(companion::isItemsOwnFile(shot, photo));
    }

    void oversizedTextsAreRefused() {
        const QString path = m_dir.filePath(u"huge.nfo"_qs);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(companion::kMaxTextSize + 1));
        f.close();
        QVERIFY(!companion::readText(path));
    }
};

QTEST_GUILESS_MAIN(TestItemCompanion)
#include "tst_itemcompanion.moc"
