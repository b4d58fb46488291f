// The unzip module through the archive layer: what lands where, and that nothing ever lands outside
// the destination folder.
#include "menu/content/ArchiveLayer.h"
#include "tests/menu/HostileFiles.h"
#include "tests/menu/ZipFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

// Every file and folder below `root`, relative, sorted.
QStringList tree(const QString& root) {
    QStringList names;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        names.append(QDir(root).relativeFilePath(it.next()));
    names.sort();
    return names;
}

const QStringList kEverything{QStringLiteral("*.*")};

} // namespace

class TestUnzipModule : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_moduleFolder;
    menu::UnzipModule m_module;

private Q_SLOTS:
    void initTestCase() {
        // The module lies in the configuration folder under its shipped name, as on a disc.
        QVERIFY(QFile::copy(QStringLiteral(LUMBREL_UNZIP_MODULE),
                            m_moduleFolder.filePath(QStringLiteral("UNZDLL.DLL"))));
        QVERIFY2(m_module.load(m_moduleFolder.path()), qPrintable(m_module.unavailableMessage()));
        QVERIFY(m_module.location().startsWith(m_moduleFolder.path()));
        QCOMPARE(m_module.unavailableMessage(), QString());
    }

    void listingGivesTheStoredNamesInArchiveOrder() {
        QTemporaryDir dir;
        const QString zip = dir.filePath(QStringLiteral("a.zip"));
        QVERIFY(writeZip(zip, {{QStringLiteral("b.txt"), "b", {}},
                               {QStringLiteral("dir/"), {}, {}},
                               {QStringLiteral("dir/a.txt"), "a", {}}}));
        QCOMPARE(menu::listArchiveEntries(zip),
                 (QStringList{QStringLiteral("b.txt"), QStringLiteral("dir/"), QStringLiteral("dir/a.txt")}));

        const QString empty = dir.filePath(QStringLiteral("empty.zip"));
        QVERIFY(writeZip(empty, {}));
        QVERIFY(menu::listArchiveEntries(empty).isEmpty());
        writeFile(dir.filePath(QStringLiteral("text.zip")), "not an archive at all");
        QVERIFY(menu::listArchiveEntries(dir.filePath(QStringLiteral("text.zip"))).isEmpty());
        QVERIFY(menu::listArchiveEntries(dir.filePath(QStringLiteral("missing.zip"))).isEmpty());
    }

    void extractsIntoStoredFoldersAndOverwrites() {
        QTemporaryDir dir;
        const QString zip = dir.filePath(QStringLiteral("setup.zip"));
        const QDateTime when(QDate(2001, 2, 3), QTime(4, 5, 6));
        QVERIFY(writeZip(zip, {{QStringLiteral("top.txt"), "new top", {}},
                               {QStringLiteral("docs/"), {}, {}},
                               {QStringLiteral("docs/deep/readme.txt"), QByteArray(300000, 'r'), when},
                               {QStringLiteral("empty.txt"), {}, {}}}));
        const QString dest = dir.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(dest));
        writeFile(dest + QStringLiteral("/top.txt"), "old top, longer than the new one");

        QStringList notified;
        const menu::ExtractReport report =
            m_module.extract(zip, kEverything, dest, {.recreateFolders = true, .overwrite = true},
                             [&](const QString& name) { notified.append(name); });
        QVERIFY2(report.complete(), qPrintable(report.problems()));
        QCOMPARE(report.problems(), QString());
        QCOMPARE(report.extracted, 4);
        QCOMPARE(notified, menu::listArchiveEntries(zip));
        QCOMPARE(readAll(dest + QStringLiteral("/top.txt")), QByteArray("new top"));
        QCOMPARE(readAll(dest + QStringLiteral("/docs/deep/readme.txt")), QByteArray(300000, 'r'));
        QCOMPARE(QFileInfo(dest + QStringLiteral("/empty.txt")).size(), 0);
        QCOMPARE(QFileInfo(dest + QStringLiteral("/docs/deep/readme.txt")).lastModified(), when);
        QCOMPARE(tree(dest), (QStringList{QStringLiteral("docs"), QStringLiteral("docs/deep"),
                                          QStringLiteral("docs/deep/readme.txt"), QStringLiteral("empty.txt"),
                                          QStringLiteral("top.txt")}));

        // A destination that does not exist yet is made.
        const QString fresh = dir.filePath(QStringLiteral("new/folder"));
        QVERIFY(m_module.extract(zip, kEverything, fresh, {.recreateFolders = true, .overwrite = true})
                    .complete());
        QCOMPARE(readAll(fresh + QStringLiteral("/top.txt")), QByteArray("new top"));
    }

    void flatExtractionAndSelectionByPattern() {
        QTemporaryDir dir;
        const QString zip = dir.filePath(QStringLiteral("texts.zip"));
        QVERIFY(writeZip(zip, {{QStringLiteral("a/one.nfo"), "one", {}},
                               {QStringLiteral("two.nfo"), "two", {}},
                               {QStringLiteral("b/two.nfo"), "other two", {}},
                               {QStringLiteral("readme.txt"), "readme", {}}}));
        const QString flat = dir.filePath(QStringLiteral("flat"));
        const menu::ExtractReport report = m_module.extract(zip, {QStringLiteral("*.nfo")}, flat,
                                                            {.recreateFolders = false, .overwrite = false});
        // The second two.nfo finds the first in its place and, without overwriting, leaves it.
        QCOMPARE(tree(flat), (QStringList{QStringLiteral("one.nfo"), QStringLiteral("two.nfo")}));
        QCOMPARE(readAll(flat + QStringLiteral("/two.nfo")), QByteArray("two"));
        QCOMPARE(report.extracted, 2);
        QVERIFY(report.refused.isEmpty());
        QVERIFY(report.failures.isEmpty());

        const QString one = dir.filePath(QStringLiteral("one"));
        QVERIFY(m_module
                    .extract(zip, {QStringLiteral("B/TWO.nfo")}, one,
                             {.recreateFolders = false, .overwrite = true})
                    .complete());
        QCOMPARE(tree(one), QStringList{QStringLiteral("two.nfo")});
        QCOMPARE(readAll(one + QStringLiteral("/two.nfo")), QByteArray("other two"));

        // Exact names: an entry named with wildcards is that one entry and no pattern.
        QVERIFY(writeZip(zip, {{QStringLiteral("a.nfo"), "a", {}},
                               {QStringLiteral("*.nfo"), "star", {}},
                               {QStringLiteral("?.nfo"), "question", {}},
                               {QStringLiteral("B.NFO"), "b", {}}}));
        for (const QString& name :
             {QStringLiteral("*.nfo"), QStringLiteral("?.nfo"), QStringLiteral("b.nfo")}) {
            const QString exact = dir.filePath(QStringLiteral("exact"));
            QDir(exact).removeRecursively();
            m_module.extract(zip, {name}, exact,
                             {.recreateFolders = false, .overwrite = true, .exactNames = true});
            QCOMPARE(tree(exact), name == u"b.nfo" ? QStringList() : QStringList{name});
        }
        QCOMPARE(menu::storedSize(zip, QStringLiteral("?.nfo")), 8);
        QCOMPARE(menu::storedSize(zip, QStringLiteral("c.nfo")), -1);
    }

    void deviceNamesAreRefused() {
        // Written on Windows, these reach a device instead of a file.
        QTemporaryDir dir;
        const QStringList devices{QStringLiteral("CON"),         QStringLiteral("nul"),
                                  QStringLiteral("aux.txt"),     QStringLiteral("docs/COM1"),
                                  QStringLiteral("Lpt9.tar.gz"), QStringLiteral("prn /x.txt"),
                                  QStringLiteral("con ."),       QStringLiteral("conout$")};
        std::vector<ZipEntry> entries;
        for (const QString& name : devices)
            entries.push_back({name, "device", {}});
        for (const char* fine : {"console.txt", "com10", "lpt0", "auxiliary/nul2.txt", "com"})
            entries.push_back({QString::fromLatin1(fine), "fine", {}});
        const QString zip = dir.filePath(QStringLiteral("devices.zip"));
        QVERIFY(writeZip(zip, entries));
        const QString dest = dir.filePath(QStringLiteral("dest"));
        const menu::ExtractReport report =
            m_module.extract(zip, kEverything, dest, {.recreateFolders = true, .overwrite = true});
        QCOMPARE(report.refused, devices);
        QCOMPARE(tree(dest), (QStringList{QStringLiteral("auxiliary"), QStringLiteral("auxiliary/nul2.txt"),
                                          QStringLiteral("com"), QStringLiteral("com10"),
                                          QStringLiteral("console.txt"), QStringLiteral("lpt0")}));
    }

    void namesThatWouldLeaveTheDestinationAreRefused() {
        QTemporaryDir dir;
        const QString absolute =
            QStringLiteral("/tmp/lumbrel-escape-") + QUuid::createUuid().toString(QUuid::Id128);
        const QStringList hostile{
            QStringLiteral("../evil"),        absolute,
            QStringLiteral("C:\\x"),          QStringLiteral("C:x"),
            QStringLiteral("ok/../../evil2"), QStringLiteral("..\\evil3"),
            QStringLiteral("sub/.. /evil4"),  QStringLiteral("\\\\server\\share\\evil5")};
        std::vector<ZipEntry> entries;
        for (const QString& name : hostile)
            entries.push_back({name, "bad", {}});
        entries.push_back({QStringLiteral("good.txt"), "good", {}});
        entries.push_back({QStringLiteral("a/./b.txt"), "b", {}});
        const QString zip = dir.filePath(QStringLiteral("hostile.zip"));
        QVERIFY(writeZip(zip, entries));
        QCOMPARE(menu::listArchiveEntries(zip).mid(0, hostile.size()), hostile); // stored as written

        const QString dest = dir.filePath(QStringLiteral("inner/dest"));
        for (bool recreate : {true, false}) {
            QDir(dest).removeRecursively();
            const menu::ExtractReport report =
                m_module.extract(zip, kEverything, dest, {.recreateFolders = recreate, .overwrite = true});
            QCOMPARE(report.refused, hostile);
            QCOMPARE(report.result, UNZ_ERR_ENTRIES);
            QVERIFY(!report.complete());
            QVERIFY(report.problems().contains(QStringLiteral("outside the destination folder")));
            QVERIFY(report.problems().contains(QStringLiteral("../evil")));
            QCOMPARE(tree(dir.filePath(QStringLiteral("inner"))).filter(QStringLiteral("evil")),
                     QStringList());
            QCOMPARE(tree(dest), recreate
                                     ? (QStringList{QStringLiteral("a"), QStringLiteral("a/b.txt"),
                                                    QStringLiteral("good.txt")})
                                     : (QStringList{QStringLiteral("b.txt"), QStringLiteral("good.txt")}));
            QVERIFY(!QFileInfo::exists(absolute));
            QCOMPARE(tree(dir.path()).filter(QStringLiteral("evil")), QStringList());
        }
    }

    void linksInTheDestinationLeadNowhereElse() {
        QTemporaryDir dir;
        const QString outside = dir.filePath(QStringLiteral("outside"));
        const QString dest = dir.filePath(QStringLiteral("dest"));
        QVERIFY(QDir().mkpath(outside));
        QVERIFY(QDir().mkpath(dest));
        writeFile(outside + QStringLiteral("/precious.txt"), "precious");
        QVERIFY(QFile::link(outside, dest + QStringLiteral("/folderlink")));
        QVERIFY(QFile::link(outside + QStringLiteral("/precious.txt"), dest + QStringLiteral("/filelink")));

        const QString zip = dir.filePath(QStringLiteral("links.zip"));
        QVERIFY(writeZip(zip, {{QStringLiteral("folderlink/escape.txt"), "escaped", {}},
                               {QStringLiteral("folderlink/new/escape.txt"), "escaped", {}},
                               {QStringLiteral("filelink"), "replaced", {}}}));
        const menu::ExtractReport report =
            m_module.extract(zip, kEverything, dest, {.recreateFolders = true, .overwrite = true});
        QCOMPARE(report.refused, (QStringList{QStringLiteral("folderlink/escape.txt"),
                                              QStringLiteral("folderlink/new/escape.txt")}));
        QCOMPARE(tree(outside), QStringList{QStringLiteral("precious.txt")});
        QCOMPARE(readAll(outside + QStringLiteral("/precious.txt")), QByteArray("precious"));
        // The link itself is what gets replaced, not the file it points to.
        QVERIFY(!QFileInfo(dest + QStringLiteral("/filelink")).isSymLink());
        QCOMPARE(readAll(dest + QStringLiteral("/filelink")), QByteArray("replaced"));
    }

    void unreadableArchivesAndDamagedEntries() {
        QTemporaryDir dir;
        const QString dest = dir.filePath(QStringLiteral("dest"));
        writeFile(dir.filePath(QStringLiteral("fake.zip")), "PK but nothing more");
        menu::ExtractReport report =
            m_module.extract(dir.filePath(QStringLiteral("fake.zip")), kEverything, dest, {true, true});
        QCOMPARE(report.result, UNZ_ERR_ARCHIVE);
        QVERIFY(!report.problems().isEmpty());

        // A damaged entry leaves no half file behind; the sound entries after it still arrive.
        const QString zip = dir.filePath(QStringLiteral("damaged.zip"));
        QByteArray text;
        for (int i = 0; i < 4000; ++i)
            text += QByteArray::number(i * 7919 % 1000) + ' ';
        QVERIFY(writeZip(zip,
                         {{QStringLiteral("big.txt"), text, {}}, {QStringLiteral("small.txt"), "fine", {}}}));
        QByteArray bytes = readAll(zip);
        const int nameLength = uchar(bytes[26]) | uchar(bytes[27]) << 8;
        const int extraLength = uchar(bytes[28]) | uchar(bytes[29]) << 8;
        const int dataStart = 30 + nameLength + extraLength;
        for (int i = 20; i < 60; ++i)
            bytes[dataStart + i] = char(bytes[dataStart + i] ^ 0x5A);
        writeFile(zip, bytes);
        report = m_module.extract(zip, kEverything, dest, {true, true});
        QCOMPARE(report.result, UNZ_ERR_ENTRIES);
        QCOMPARE(report.failures.size(), 1);
        QVERIFY(report.failures[0].startsWith(QStringLiteral("big.txt: ")));
        QCOMPARE(tree(dest), QStringList{QStringLiteral("small.txt")});

        // An entry whose data runs on past its stored size, which a caller checks before
        // extracting, is damaged: the size is never exceeded on disk.
        QVERIFY(writeZip(zip, {{QStringLiteral("bomb.nfo"), QByteArray(4 * 1024 * 1024, ' '), {}},
                               {QStringLiteral("small.txt"), "fine", {}}}));
        bytes = readAll(zip);
        const auto claim = [&](qsizetype at) {
            bytes[at] = 100;
            bytes[at + 1] = bytes[at + 2] = bytes[at + 3] = 0;
        };
        claim(22);                               // the local header's size
        claim(bytes.indexOf("PK\x01\x02") + 24); // the central directory's
        writeFile(zip, bytes);
        QCOMPARE(menu::storedSize(zip, QStringLiteral("bomb.nfo")), 100);
        QDir(dest).removeRecursively();
        report = m_module.extract(zip, kEverything, dest, {true, true});
        QCOMPARE(report.failures.size(), 1);
        QVERIFY(report.failures[0].contains(QStringLiteral("longer than its stored size")));
        QCOMPARE(tree(dest), QStringList{QStringLiteral("small.txt")});
    }

    void theViewersFilesStayUntilAnEntryIsWhole() {
        QTemporaryDir dir;
        const QString dest = dir.filePath(QStringLiteral("dest"));
        QVERIFY(QDir().mkpath(dest + QStringLiteral("/docs")));
        writeFile(dest + QStringLiteral("/docs/readme.txt"), "the viewer's readme");
        // An entry whose data is damaged, over a file of that name: the old file stays.
        QByteArray text;
        for (int i = 0; i < 4000; ++i)
            text += QByteArray::number(i * 7919 % 1000) + ' ';
        const QString zip = dir.filePath(QStringLiteral("damaged.zip"));
        QVERIFY(writeZip(
            zip, {{QStringLiteral("docs/readme.txt"), text, {}}, {QStringLiteral("new.txt"), "new", {}}}));
        QByteArray bytes = readAll(zip);
        const int dataStart =
            30 + (uchar(bytes[26]) | uchar(bytes[27]) << 8) + (uchar(bytes[28]) | uchar(bytes[29]) << 8);
        for (int i = 20; i < 60; ++i)
            bytes[dataStart + i] = char(bytes[dataStart + i] ^ 0x5A);
        writeFile(zip, bytes);
        menu::ExtractReport report = m_module.extract(zip, kEverything, dest, {true, true});
        QCOMPARE(report.result, UNZ_ERR_ENTRIES);
        QCOMPARE(readAll(dest + QStringLiteral("/docs/readme.txt")), QByteArray("the viewer's readme"));
        QCOMPARE(tree(dest), (QStringList{QStringLiteral("docs"), QStringLiteral("docs/readme.txt"),
                                          QStringLiteral("new.txt")}));

        // A read-only file is refused and named, as the copy treats it.
        const QString good = dir.filePath(QStringLiteral("good.zip"));
        QVERIFY(writeZip(good, {{QStringLiteral("docs/readme.txt"), "newer readme", {}}}));
        QFile::setPermissions(dest + QStringLiteral("/docs/readme.txt"), QFile::ReadOwner);
        report = m_module.extract(good, kEverything, dest, {true, true});
        QCOMPARE(report.failures.size(), 1);
        QVERIFY2(report.failures[0].contains(QStringLiteral("read-only")), qPrintable(report.failures[0]));
        QCOMPARE(readAll(dest + QStringLiteral("/docs/readme.txt")), QByteArray("the viewer's readme"));
        QFile::setPermissions(dest + QStringLiteral("/docs/readme.txt"),
                              QFile::ReadOwner | QFile::WriteOwner);
        report = m_module.extract(good, kEverything, dest, {true, true});
        QVERIFY(report.complete());
        QCOMPARE(readAll(dest + QStringLiteral("/docs/readme.txt")), QByteArray("newer readme"));

        // Stopped in the middle of a large entry: the old file stays and nothing half is left.
        QVERIFY(writeZip(good, {{QStringLiteral("docs/readme.txt"), QByteArray(64 * 1024 * 1024, 'z'), {}},
                                {QStringLiteral("after.txt"), "after", {}}}));
        std::atomic<bool> stop{false};
        report = m_module.extract(
            good, kEverything, dest, {true, true},
            [&](const QString& name) {
                if (name.isEmpty())
                    stop = true; // the first progress within the entry
            },
            &stop);
        QVERIFY(report.stopped());
        QCOMPARE(report.problems(), QString());
        QCOMPARE(readAll(dest + QStringLiteral("/docs/readme.txt")), QByteArray("newer readme"));
        QCOMPARE(tree(dest), (QStringList{QStringLiteral("docs"), QStringLiteral("docs/readme.txt"),
                                          QStringLiteral("new.txt")}));
        QCOMPARE(menu::totalStoredSize(good), 64 * 1024 * 1024 + 5);
    }

    void pipesAndDevicesAreNoArchives() {
        QTemporaryDir dir;
        const QString pipe = dir.filePath(QStringLiteral("pipe.zip"));
        QVERIFY(makePipe(pipe));
        const QString zero = dir.filePath(QStringLiteral("zero.zip"));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), zero));
        const Watchdog watchdog("reading a pipe as an archive", std::chrono::seconds(20));
        for (const QString& archive : {pipe, zero}) {
            QVERIFY(menu::listArchiveEntries(archive).isEmpty());
            QCOMPARE(menu::storedSize(archive, QStringLiteral("x")), -1);
            QCOMPARE(
                m_module.extract(archive, kEverything, dir.filePath(QStringLiteral("dest")), {true, true})
                    .result,
                UNZ_ERR_ARCHIVE);
        }
    }

    void aModuleThatCannotBeLoaded() {
        if (QLibrary(QStringLiteral("Unzdll")).load())
            QSKIP("the library search finds an unzip module on this machine");
        QTemporaryDir cfg;
        menu::UnzipModule module;
        QVERIFY(!module.isLoaded());
        QVERIFY(!module.unavailableMessage().isEmpty());
        QVERIFY(!module.load(cfg.path()));
        QVERIFY(module.unavailableMessage().contains(QStringLiteral("Unzdll.dll")));
        QVERIFY(module.unavailableMessage().contains(QDir::toNativeSeparators(cfg.path())));

        // Something under the module's name that is no library at all.
        writeFile(cfg.filePath(QStringLiteral("Unzdll.dll")), "MZ this is not a library");
        QVERIFY(!module.load(cfg.path()));
        QVERIFY(!module.unavailableMessage().isEmpty());
        const menu::ExtractReport report =
            module.extract(cfg.filePath(QStringLiteral("x.zip")), kEverything, cfg.path(), {});
        QVERIFY(!report.ran);
        QVERIFY(!report.complete());

        // A loaded module that is unloaded again is unavailable again.
        menu::UnzipModule loaded;
        QVERIFY(loaded.load(m_moduleFolder.path()));
        loaded.unload();
        QVERIFY(!loaded.isLoaded());
        QVERIFY(!loaded.unavailableMessage().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestUnzipModule)
#include "tst_unzipmodule.moc"
