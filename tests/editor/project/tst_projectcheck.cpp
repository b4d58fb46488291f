// The project check: re-pointing moved files, removing what is gone, the one walk of the project
// folder and its file masks.
#include "editor/project/FileNameIndex.h"
#include "editor/project/ItemRules.h"
#include "editor/project/ItemTable.h"
#include "editor/project/ProjectCheck.h"
#include "tests/editor/EditorTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace editortest;

namespace {

const QString kJump = QStringLiteral("Jump Point");

ItemRecord jumpPoint(const QString& name, const QString& word, const QString& cdPath) {
    return locatedItem(name, word, cdPath, QStringLiteral("n/a"));
}

QStringList names(const ItemTable& items) {
    QStringList out;
    for (int r = 0; r < items.itemCount(); ++r)
        out << items.field(r, ItemField::Name);
    return out;
}

// Fails the test when the check asks although it should not.
int neverAsked(const QString&, const QString&, const QStringList&) {
    qFatal("the check asked for a folder");
    return 0;
}

} // namespace

class TestProjectCheck : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString project() const { return QDir::toNativeSeparators(m_dir.path() + u"/proj/"_qs); }

private Q_SLOTS:
    void init() {
        QDir(m_dir.path() + u"/proj"_qs).removeRecursively();
        QDir().mkpath(project());
    }

    void masksMatchLikeTheWindowsFileSearch() {
        QVERIFY(matchesFileMask(u"setup.exe", u"setup.exe"));
        QVERIFY(matchesFileMask(u"SETUP.EXE", u"setup.exe"));
        QVERIFY(matchesFileMask(u"Ärger.txt", u"ärger.TXT"));
        QVERIFY(matchesFileMask(u"setup.exe", u"*.exe"));
        QVERIFY(matchesFileMask(u"setup.exe", u"s?tup.*"));
        QVERIFY(matchesFileMask(u"setup.exe", u"*"));
        QVERIFY(matchesFileMask(u"a.b.c", u"*.c"));
        QVERIFY(matchesFileMask(u"abcabd", u"*abd"));
        QVERIFY(!matchesFileMask(u"setup.exe", u"setup.ex"));
        QVERIFY(!matchesFileMask(u"setup.exe", u"?setup.exe"));
        QVERIFY(!matchesFileMask(u"setup.exe", u""));
        QVERIFY(!matchesFileMask(u"setup.exe", u"*.com"));
        // Many stars against a long name finish at once.
        QVERIFY(!matchesFileMask(QString(5000, u'a'), QString(50, u'*') + u'b'));
    }

    void indexKeepsTheWalkOrderForNamesAndMasks() {
        for (const char* f : {"b/setup.exe", "setup.exe", "a/SETUP.EXE", "a/c/setup.exe", "a/other.txt"})
            writeFile(project() + QString::fromLatin1(f));
        const FileNameIndex index(project());
        QCOMPARE(index.fileCount(), 5);
        const QString sep = QDir::separator();
        const QStringList expected = {project(), project() + u"a"_qs + sep,
                                      project() + u"a"_qs + sep + u"c"_qs + sep, project() + u"b"_qs + sep};
        const auto matching = [&](const QString& mask) {
            QStringList found;
            for (const FileNameIndex::Found& file : index.filesMatching(mask))
                found << file.folder + file.name;
            return found;
        };
        // Files of a folder come before its subfolders, both by name; names as spelled on disk.
        const QStringList setups = {expected[0] + u"setup.exe"_qs, expected[1] + u"SETUP.EXE"_qs,
                                    expected[2] + u"setup.exe"_qs, expected[3] + u"setup.exe"_qs};
        QCOMPARE(matching(u"setup.exe"_qs), setups);
        QCOMPARE(matching(u"s*.EXE"_qs), setups);
        QCOMPARE(matching(u"*.txt"_qs), QStringList{expected[1] + u"other.txt"_qs});
        QVERIFY(matching(u"missing.exe"_qs).isEmpty());
        QCOMPARE(FileNameIndex(project() + u"nowhere"_qs).fileCount(), 0);
    }

    void walkSortsIgnoringCaseAndLeavesLinkedFoldersAlone() {
        for (const char* f : {"b.txt", "A.txt", "a.TXT", "C.txt", ".hidden", "Sub/x.txt", "other/y.txt"})
            writeFile(project() + QString::fromLatin1(f));
        QVERIFY(QFile::link(project() + u"Sub"_qs, project() + u"linked"_qs));
        QVERIFY(QFile::link(project() + u"b.txt"_qs, project() + u"d-link.txt"_qs));
        QVERIFY(QFile::link(project() + u"gone"_qs, project() + u"e-broken"_qs));
        QCOMPARE(::mkfifo(QFile::encodeName(project() + u"f-pipe"_qs).constData(), 0600), 0);
        const QString sep = QDir::separator();
        const auto walked = [](const std::vector<std::pair<QString, QString>>& files) {
            QStringList out;
            for (const auto& [folder, name] : files)
                out << folder + name;
            return out;
        };
        // Names alike but for case keep a fixed order; links to files, broken links and pipes are
        // files too, and a link to a folder is never followed.
        const QStringList top = {u".hidden"_qs, u"A.txt"_qs,      u"a.TXT"_qs,    u"b.txt"_qs,
                                 u"C.txt"_qs,   u"d-link.txt"_qs, u"e-broken"_qs, u"f-pipe"_qs};
        QStringList expected;
        for (const QString& name : top)
            expected << project() + name;
        QCOMPARE(walked(itemrules::findFiles(project(), false)), expected);
        expected << project() + u"other"_qs + sep + u"y.txt"_qs << project() + u"Sub"_qs + sep + u"x.txt"_qs;
        QCOMPARE(walked(itemrules::findFiles(project(), true)), expected);
        QVERIFY(itemrules::findFiles(project() + u"b.txt"_qs, true).empty());
    }

    void sizesComeInTheFilesOrder() {
        // Enough files that the sizes are read on more than one core.
        std::vector<QString> paths;
        for (int i = 0; i < 5000; ++i)
            paths.push_back(writeFile(project() + u"f"_qs + QString::number(i), QByteArray(i % 7, 'x')));
        paths.push_back(project() + u"missing"_qs);
        const std::vector<qint64> sizes = itemrules::fileSizes(paths);
        QCOMPARE(sizes.size(), paths.size());
        for (int i = 0; i < 5000; ++i)
            QCOMPARE(sizes[std::size_t(i)], qint64(i % 7));
        QCOMPARE(sizes.back(), qint64(0));
    }

    void movedFileIsRepointedAndReported() {
        const QString sep = QDir::separator();
        writeFile(project() + u"tools/x/setup.exe"_qs);
        writeFile(project() + u"readme.txt"_qs);
        ItemTable items;
        items.setRecords(
            {locatedItem(u"Setup"_qs, u"setup.exe"_qs, u"\\old\\"_qs, project() + u"old/setup.exe"_qs),
             locatedItem(u"Readme"_qs, u"readme.txt"_qs, u"\\docs\\"_qs, u"/gone/readme.txt"_qs)});
        const projectcheck::Report report = projectcheck::run(items, project(), kJump, neverAsked);

        QCOMPARE(items.field(0, ItemField::CdPath), u"\\tools\\x\\"_qs);
        QCOMPARE(items.field(0, ItemField::SourceLocation),
                 project() + u"tools"_qs + sep + u"x"_qs + sep + u"setup.exe"_qs);
        // Found in the project folder itself: the disc's root.
        QCOMPARE(items.field(1, ItemField::CdPath), u"\\"_qs);
        QCOMPARE(items.field(1, ItemField::SourceLocation), project() + u"readme.txt"_qs);
        QCOMPARE(report.replaced.size(), std::size_t(2));
        const projectcheck::Replacement& first = report.replaced[0];
        QCOMPARE(first.name, u"Setup"_qs);
        QCOMPARE(first.oldCdPath, u"\\old\\"_qs);
        QCOMPARE(first.newCdPath, u"\\tools\\x\\"_qs);
        QCOMPARE(first.oldSourceLocation, project() + u"old/setup.exe"_qs);
        QCOMPARE(first.newSourceLocation, items.field(0, ItemField::SourceLocation));
        QVERIFY(report.removed.empty());
        QVERIFY(report.changedAnything());
    }

    void severalPlacesAskWithTheWalkOrder() {
        writeFile(project() + u"b/game.exe"_qs);
        writeFile(project() + u"a/game.exe"_qs);
        ItemTable items;
        items.setRecords({locatedItem(u"Game"_qs, u"game.exe"_qs, u"\\"_qs, project() + u"game.exe"_qs)});
        QStringList offered;
        QString askedName;
        projectcheck::run(items, project(), kJump,
                          [&](const QString& name, const QString& fileName, const QStringList& folders) {
                              askedName = name + u'|' + fileName;
                              offered = folders;
                              return 1;
                          });
        QCOMPARE(askedName, u"Game|game.exe"_qs);
        QCOMPARE(offered.size(), 2);
        QVERIFY(offered[0].endsWith(u"a"_qs + QDir::separator()));
        QCOMPARE(items.field(0, ItemField::CdPath), u"\\b\\"_qs);
    }

    void missingItemsAreRemovedAndTheRowBelowIsExaminedNext() {
        writeFile(project() + u"keep.exe"_qs);
        ItemTable items;
        items.setRecords(
            {locatedItem(u"Keep"_qs, u"keep.exe"_qs, u"\\"_qs, project() + u"keep.exe"_qs),
             locatedItem(u"Gone1"_qs, u"gone1.exe"_qs, u"\\"_qs, project() + u"gone1.exe"_qs),
             locatedItem(u"Gone2"_qs, u"gone2.exe"_qs, u"\\a\\"_qs, project() + u"a/gone2.exe"_qs),
             locatedItem(u"Link"_qs, u"http://example.org"_qs, {}, u"n/a"_qs)});
        const projectcheck::Report report = projectcheck::run(items, project(), kJump, neverAsked);
        QCOMPARE(names(items), (QStringList{u"Keep"_qs, u"Link"_qs}));
        QCOMPARE(report.removed.size(), std::size_t(2));
        QCOMPARE(report.removed[1].name, u"Gone2"_qs);
        QCOMPARE(report.removed[1].cdPath, u"\\a\\"_qs);
        QCOMPARE(report.removed[1].sourceLocation, project() + u"a/gone2.exe"_qs);
    }

    void jumpPointsNeedTheirFolderAndTheCurrentWord() {
        QDir().mkpath(project() + u"games/old"_qs);
        ItemTable items;
        items.setRecords({jumpPoint(u"Games"_qs, u"jump point"_qs, u"\\games\\old\\"_qs),
                          jumpPoint(u"Gone"_qs, kJump, u"\\demos\\"_qs), jumpPoint(u"Root"_qs, kJump, {}),
                          // Made under another language: its word is no jump point here, so it
                          // is a file item whose file cannot be found.
                          jumpPoint(u"Sprung"_qs, u"Sprungpunkt"_qs, u"\\games\\"_qs)});
        const projectcheck::Report report = projectcheck::run(items, project(), kJump, neverAsked);
        QCOMPARE(names(items), (QStringList{u"Games"_qs, u"Root"_qs}));
        QCOMPARE(report.removed.size(), std::size_t(2));

        // Under the other language's word the same item is a jump point whose folder exists.
        ItemTable german;
        german.setRecords({jumpPoint(u"Sprung"_qs, u"Sprungpunkt"_qs, u"\\games\\"_qs)});
        QVERIFY(!projectcheck::run(german, project(), u"SPRUNGPUNKT"_qs, neverAsked).changedAnything());
        QCOMPARE(german.itemCount(), 1);
    }

    void removingTheLastItemLeavesOneEmptyRow() {
        ItemTable items;
        items.setRecords({locatedItem(u"A"_qs, u"a.exe"_qs, u"\\"_qs, project() + u"a.exe"_qs),
                          locatedItem(u"B"_qs, u"b.exe"_qs, u"\\"_qs, project() + u"b.exe"_qs)});
        const projectcheck::Report report = projectcheck::run(items, project(), kJump, neverAsked);
        QCOMPARE(report.removed.size(), std::size_t(2));
        QCOMPARE(items.itemCount(), 1);
        QCOMPARE(items.record(0), ItemRecord());
    }

    void aMissingProjectFolderRefusesTheCheck() {
        ItemTable items;
        const std::vector<ItemRecord> rows = {
            locatedItem(u"A"_qs, u"a.exe"_qs, u"\\"_qs, project() + u"a.exe"_qs),
            jumpPoint(u"J"_qs, kJump, u"\\jump\\"_qs)};
        items.setRecords(rows);
        for (const QString& folder : {project() + u"unplugged"_qs, QString()}) {
            const projectcheck::Report report = projectcheck::run(items, folder, kJump, neverAsked);
            QVERIFY(report.projectFolderMissing);
            QVERIFY(!report.changedAnything());
            QCOMPARE(recordsOf(items), rows);
        }
    }

    void nothingToRepairChangesNothing() {
        writeFile(project() + u"a.exe"_qs);
        QDir().mkpath(project() + u"jump"_qs);
        ItemTable items;
        const std::vector<ItemRecord> rows = {
            locatedItem(u"A"_qs, u"a.exe"_qs, u"\\"_qs, project() + u"a.exe"_qs),
            jumpPoint(u"J"_qs, kJump, u"\\jump\\"_qs), locatedItem(u"Link"_qs, u"http://x"_qs, {}, u"n/a"_qs),
            ItemRecord()};
        items.setRecords(rows);
        QVERIFY(!projectcheck::run(items, project(), kJump, neverAsked).changedAnything());
        QCOMPARE(recordsOf(items), rows);
    }
};

QTEST_GUILESS_MAIN(TestProjectCheck)
#include "tst_projectcheck.moc"
