// The disc image, read back through the image library and through xorriso, and the volume name
// rules.
#include "editor/disc/DiscImage.h"
#include "editor/disc/VolumeName.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <libisofs/libisofs.h>

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

struct Entry {
    QByteArray bytes; // empty for folders
    bool folder = false;
    mode_t permissions = 0;
    time_t modified = 0;
};

using Tree = QMap<QString, Entry>;

const QString kLongName = QStringLiteral(
    "Überlange Beschreibung einer Datei mit Umlauten äöüß und € im Namen, weit über 64 Zeichen.txt");
const QString kFolderName = QStringLiteral("Ordner mit Größe");
const QDateTime kOldTime = QDateTime(QDate(2004, 5, 17), QTime(10, 30, 0), Qt::UTC);

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray randomBytes(int size) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(21);
    for (char& b : bytes)
        b = static_cast<char>(generator.bounded(256));
    return bytes;
}

// A built disc: the menu program (not executable here), its autorun file, the configuration folder
// and a few items, some of them with long and non-ASCII names.
void buildDisc(const QString& root) {
    writeFile(root + u"/tiv.exe"_s, QByteArrayLiteral("MZ menu program"));
    QFile(root + u"/tiv.exe"_s).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    writeFile(root + u"/autorun.inf"_s, QByteArrayLiteral("[autorun]\r\nopen=tiv.exe\r\n"));
    writeFile(root + u"/CFG/genre.cfg"_s, QByteArrayLiteral("[Genre]\r\n"));
    writeFile(root + u"/CFG/membersd/m0-0.dat"_s, QByteArray());
    writeFile(root + u'/' + kFolderName + u'/' + kLongName, randomBytes(300 * 1024 + 17));
    writeFile(root + u"/Setup.exe"_s, randomBytes(5000));
    QDir().mkpath(root + u"/Leer"_s);
    QFile old(root + u"/autorun.inf"_s);
    QVERIFY(old.open(QIODevice::ReadWrite));
    QVERIFY(old.setFileTime(kOldTime, QFileDevice::FileModificationTime));
}

Tree folderTree(const QString& root) {
    Tree tree;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        Entry e;
        e.folder = info.isDir();
        e.modified = info.lastModified().toSecsSinceEpoch();
        if (!e.folder) {
            QFile f(info.filePath());
            if (f.open(QIODevice::ReadOnly))
                e.bytes = f.readAll();
        }
        tree.insert(QDir(root).relativeFilePath(info.filePath()), e);
    }
    return tree;
}

QByteArray streamBytes(IsoFile* file) {
    QByteArray bytes;
    IsoStream* stream = iso_file_get_stream(file);
    if (iso_stream_open(stream) < 0)
        return bytes;
    char buffer[65536];
    int n = 0;
    while ((n = iso_stream_read(stream, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, n);
    iso_stream_close(stream);
    return bytes;
}

void readDir(IsoDir* dir, const QString& prefix, Tree& tree) {
    IsoDirIter* it = nullptr;
    QVERIFY(iso_dir_get_children(dir, &it) >= 0);
    IsoNode* node = nullptr;
    while (iso_dir_iter_next(it, &node) == 1) {
        const QString path = prefix + QString::fromUtf8(iso_node_get_name(node));
        Entry e;
        e.folder = iso_node_get_type(node) == LIBISO_DIR;
        e.permissions = iso_node_get_permissions(node);
        e.modified = iso_node_get_mtime(node);
        if (e.folder)
            readDir(reinterpret_cast<IsoDir*>(node), path + u'/', tree);
        else
            e.bytes = streamBytes(reinterpret_cast<IsoFile*>(node));
        tree.insert(path, e);
    }
    iso_dir_iter_free(it);
}

enum class NameSystem { RockRidge, Joliet };

// The image as a reader that trusts only one naming system sees it.
Tree imageTree(const QString& imageFile, NameSystem system) {
    Tree tree;
    IsoDataSource* source = nullptr;
    IsoReadOpts* options = nullptr;
    IsoImage* image = nullptr;
    iso_set_local_charset(const_cast<char*>("UTF-8"), 0);
    if (iso_data_source_new_from_file(QFile::encodeName(imageFile).constData(), &source) < 0)
        return tree;
    iso_read_opts_new(&options, 0);
    if (system == NameSystem::Joliet) {
        iso_read_opts_set_no_rockridge(options, 1);
        iso_read_opts_set_preferjoliet(options, 1);
    }
    iso_image_new("readback", &image);
    if (iso_image_import(image, source, options, nullptr) >= 0)
        readDir(iso_image_get_root(image), QString(), tree);
    iso_image_unref(image);
    iso_read_opts_free(options);
    iso_data_source_unref(source);
    return tree;
}

// The image as xorriso extracts it, trusting Rock Ridge or only Joliet: a reader of its own.
Tree xorrisoTree(const QString& imageFile, NameSystem system) {
    QTemporaryDir out;
    QStringList args{u"-osirrox"_s, u"on"_s};
    if (system == NameSystem::Joliet)
        args << u"-read_fs"_s << u"norock"_s;
    args << u"-indev"_s << imageFile << u"-extract"_s << u"/"_s << out.path() + u"/x"_s;
    QProcess xorriso;
    xorriso.start(u"xorriso"_s, args);
    if (!xorriso.waitForFinished(120000) || xorriso.exitCode() != 0)
        qWarning() << xorriso.readAllStandardError();
    const Tree tree = folderTree(out.path() + u"/x"_s);
    // Extracted folders are read-only; the temporary folder must go again.
    QDirIterator it(out.path(), QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        QFile::setPermissions(it.next(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return tree;
}

// Every file and folder of `expected` and nothing else, byte for byte.
void compareTrees(const Tree& actual, const Tree& expected) {
    QCOMPARE(actual.keys(), expected.keys());
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        QCOMPARE(actual[it.key()].folder, it->folder);
        QVERIFY2(actual[it.key()].bytes == it->bytes, qPrintable(it.key()));
    }
}

// The primary volume name as xorriso reports it.
QString xorrisoVolumeId(const QString& imageFile) {
    QProcess xorriso;
    xorriso.start(u"xorriso"_s, {u"-indev"_s, imageFile, u"-pvd_info"_s});
    xorriso.waitForFinished(60000);
    const QString out = QString::fromUtf8(xorriso.readAllStandardOutput());
    for (const QString& line : out.split(u'\n')) {
        if (line.startsWith(u"Volume Id"_s))
            return line.section(u':', 1).trimmed();
    }
    return {};
}

// The volume identifier of the descriptor at the given sector: ISO 9660 bytes or Joliet UCS-2.
QString volumeIdAt(const QByteArray& image, int sector, bool ucs2) {
    const QByteArray field = image.mid(sector * 2048 + 40, 32);
    QString id;
    if (!ucs2)
        id = QString::fromLatin1(field);
    for (int i = 0; ucs2 && i + 1 < field.size(); i += 2)
        id += QChar(static_cast<char16_t>((uchar(field[i]) << 8) | uchar(field[i + 1])));
    return id.trimmed();
}

} // namespace

class TestDiscImage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { iso_init(); }

    void volumeNameRules() {
        using namespace volumename;
        QCOMPARE(iso(u"Demo1"_s), u"DEMO1"_s);
        QCOMPARE(iso(u"Meine CD: Spiele & Mehr!"_s), u"MEINE_CD__SPIELE___MEHR_"_s);
        // Letters keep their base letter instead of turning into underscores.
        QCOMPARE(iso(u"Grüße"_s), u"GRUSSE"_s);
        QCOMPARE(iso(u"Prüf-CD Süd"_s), u"PRUF_CD_SUD"_s);
        QCOMPARE(iso(u"Café Æble Øre"_s), u"CAFE_AEBLE_ORE"_s);
        QCOMPARE(iso(u"Фон"_s), u"___"_s);
        QCOMPARE(iso(u"   "_s), u"CDROM"_s);
        QCOMPARE(iso(QString(40, u'x')).size(), kIsoLength);
        QCOMPARE(joliet(u"Meine CD: Spiele?"_s), u"Meine CD_ Spiele"_s);
        QCOMPARE(joliet(u"Grüße a/b\\c"_s), u"Grüße a_b_c"_s);
        QCOMPARE(joliet(QString()), u"CDROM"_s);
        QCOMPARE(joliet(u"0123456789abcdefXYZ"_s), u"0123456789abcdef"_s);
        QCOMPARE(forImage(QString(40, u'y')).size(), kIsoLength);
    }

    // Every file, folder, name and byte comes back in both naming systems; the menu program runs.
    void imageHoldsTheFolder() {
        QTemporaryDir temp;
        const QString disc = temp.path() + u"/disc"_s;
        buildDisc(disc);
        const QString imageFile = temp.path() + u"/disc.iso"_s;
        writeFile(imageFile, "an older image, replaced");
        DiscJobProgress progress;
        const DiscJobResult result =
            discimage::writeImage(disc, u"Spiele 2004: Grüße"_s, imageFile, discimage::kCdBytes, progress);
        QVERIFY2(result.ok(), qPrintable(result.detail));
        QCOMPARE(QFileInfo(imageFile).size(), result.needed);
        QCOMPARE(progress.done.load(), result.needed);
        QCOMPARE(progress.total.load(), result.needed);

        const Tree expected = folderTree(disc);
        for (NameSystem system : {NameSystem::RockRidge, NameSystem::Joliet}) {
            compareTrees(imageTree(imageFile, system), expected);
            compareTrees(xorrisoTree(imageFile, system), expected);
        }
        QCOMPARE(xorrisoVolumeId(imageFile), u"SPIELE_2004__GRUSSE"_s);
        const Tree rr = imageTree(imageFile, NameSystem::RockRidge);
        QVERIFY(rr[u"tiv.exe"_s].permissions & S_IXOTH);
        QVERIFY(rr[u"autorun.inf"_s].permissions & S_IROTH);
        QVERIFY(!(rr[u"autorun.inf"_s].permissions & S_IXUSR));
        QCOMPARE(rr[u"autorun.inf"_s].modified, kOldTime.toSecsSinceEpoch());

        QFile image(imageFile);
        QVERIFY(image.open(QIODevice::ReadOnly));
        const QByteArray head = image.read(20 * 2048);
        QCOMPARE(volumeIdAt(head, 16, false), volumename::iso(u"Spiele 2004: Grüße"_s));
        int joliet = 17;
        while (joliet < 20 && head[joliet * 2048] != 2)
            ++joliet;
        QCOMPARE(volumeIdAt(head, joliet, true), u"Spiele 2004_ Grü"_s);
    }

    // A file that cannot be read, a pipe, and a file that shrinks while the image is written fail
    // the image; each is named and no image is left.
    void unreadableOrChangingFilesFailTheImage() {
        QTemporaryDir temp;
        const QString disc = temp.path() + u"/disc"_s;
        buildDisc(disc);
        const QString imageFile = temp.path() + u"/disc.iso"_s;
        QVERIFY(mkfifo(QFile::encodeName(disc + u"/Leer/pipe"_s).constData(), 0600) == 0);
        const QString locked = disc + u"/locked.txt"_s;
        writeFile(locked, "secret");
        QFile::setPermissions(locked, QFileDevice::Permissions());
        const bool rootReadsAll = QFile(locked).open(QIODevice::ReadOnly);
        DiscJobProgress progress;
        DiscJobResult result = discimage::writeImage(disc, u"x"_s, imageFile, 0, progress);
        QCOMPARE(result.outcome, DiscJobResult::Outcome::SourceUnreadable);
        QVERIFY2(result.detail.contains(QDir::toNativeSeparators(u"Leer/pipe"_s)), qPrintable(result.detail));
        QVERIFY(rootReadsAll || result.detail.contains(u"locked.txt"_s));
        QCOMPARE(discimage::planImage(disc).unreadable.size(), rootReadsAll ? 1 : 2);
        QVERIFY(!QFile::exists(imageFile));
        QFile::remove(disc + u"/Leer/pipe"_s);
        QFile::remove(locked);

        // Larger than the library's buffer, so that most of it is read after it shrank.
        const QString big = disc + u"/big.bin"_s;
        writeFile(big, QByteArray(96 << 20, 'b'));
        DiscJobProgress shrinking;
        std::atomic<bool> ended = false;
        std::thread truncate([&] {
            while (shrinking.done.load() == 0 && !ended)
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            QFile::resize(big, 4096);
        });
        result = discimage::writeImage(disc, u"x"_s, imageFile, 0, shrinking);
        ended = true;
        truncate.join();
        QCOMPARE(result.outcome, DiscJobResult::Outcome::SourceUnreadable);
        QVERIFY2(result.detail.contains(u"big.bin"_s), qPrintable(result.detail));
        QVERIFY(!QFile::exists(imageFile));
        QCOMPARE(QDir(temp.path()).entryList(QDir::Files), QStringList());
    }

    // Links inside the folder reach both naming systems as what they point at; links that lead
    // out, nowhere or round in a circle are left out; long and odd names are told beforehand.
    void linksAndChangedNamesAreToldBeforehand() {
        QTemporaryDir temp;
        const QString disc = temp.path() + u"/disc"_s;
        writeFile(disc + u"/tiv.exe"_s, "MZ");
        writeFile(disc + u"/docs/manual.txt"_s, "read me");
        const QString outside = temp.path() + u"/private.txt"_s;
        writeFile(outside, "private");
        QVERIFY(QFile::link(u"docs/manual.txt"_s, disc + u"/manual-link.txt"_s));
        QVERIFY(QFile::link(u"docs"_s, disc + u"/docs-link"_s));
        QVERIFY(QFile::link(outside, disc + u"/private-link.txt"_s));
        QVERIFY(QFile::link(u"nowhere.txt"_s, disc + u"/dangling.txt"_s));
        QVERIFY(QFile::link(u".."_s, disc + u"/docs/up"_s));
        const QString longName = QString(110, u'L') + u".txt"_s;
        writeFile(disc + u'/' + longName, "long");
        writeFile(disc + u"/Frage?.txt"_s, "odd");
        const QString fitting = QString(99, u'F') + u".text"_s;
        writeFile(disc + u'/' + fitting, "fits");

        const discimage::ImagePlan plan = discimage::planImage(disc);
        QVERIFY(plan.unreadable.isEmpty());
        QCOMPARE(plan.linksStored, (QStringList{u"docs-link"_s, u"manual-link.txt"_s}));
        QCOMPARE(plan.linksLeftOut,
                 (QStringList{u"dangling.txt"_s, QDir::toNativeSeparators(u"docs/up"_s),
                              QDir::toNativeSeparators(u"docs-link/up"_s), u"private-link.txt"_s}));
        QCOMPARE(plan.renamed, (QStringList{u"Frage?.txt"_s, longName}));
        QVERIFY(plan.needsConsent());

        const QString imageFile = temp.path() + u"/disc.iso"_s;
        DiscJobProgress progress;
        const DiscJobResult result = discimage::writeImage(disc, u"x"_s, imageFile, 0, progress);
        QVERIFY2(result.ok(), qPrintable(result.detail));
        for (NameSystem system : {NameSystem::RockRidge, NameSystem::Joliet}) {
            const Tree tree = xorrisoTree(imageFile, system);
            QCOMPARE(tree.value(u"manual-link.txt"_s).bytes, QByteArray("read me"));
            QCOMPARE(tree.value(u"docs-link/manual.txt"_s).bytes, QByteArray("read me"));
            for (const QString& gone :
                 {u"private-link.txt"_s, u"dangling.txt"_s, u"docs/up"_s, u"docs-link/up"_s})
                QVERIFY2(!tree.contains(gone), qPrintable(gone));
            QVERIFY(
                std::none_of(tree.begin(), tree.end(), [](const Entry& e) { return e.bytes == "private"; }));
        }
        // Windows sees the long name cut to 103 characters and the dot of its extension; a name of
        // that length stays.
        const Tree joliet = xorrisoTree(imageFile, NameSystem::Joliet);
        QVERIFY(joliet.contains(QString(100, u'L') + u".txt"_s));
        QVERIFY(joliet.contains(fitting));
    }

    // A folder larger than the medium, a cancel and a missing folder leave no image behind.
    void refusalsLeaveNoFile() {
        QTemporaryDir temp;
        const QString disc = temp.path() + u"/disc"_s;
        buildDisc(disc);
        const QString imageFile = temp.path() + u"/disc.iso"_s;

        DiscJobProgress small;
        DiscJobResult result = discimage::writeImage(disc, u"x"_s, imageFile, 100 * 2048, small);
        QCOMPARE(result.outcome, DiscJobResult::Outcome::TooSmall);
        QVERIFY(result.needed > 100 * 2048);
        QVERIFY(!QFile::exists(imageFile));

        DiscJobProgress cancelled;
        cancelled.cancelRequested = true;
        result = discimage::writeImage(disc, u"x"_s, imageFile, 0, cancelled);
        QCOMPARE(result.outcome, DiscJobResult::Outcome::Cancelled);
        QVERIFY(!QFile::exists(imageFile));
        QCOMPARE(QDir(temp.path()).entryList(QDir::Files), QStringList());

        DiscJobProgress missing;
        result = discimage::writeImage(temp.path() + u"/none"_s, u"x"_s, imageFile, 0, missing);
        QCOMPARE(result.outcome, DiscJobResult::Outcome::SourceUnreadable);

        DiscJobProgress badTarget;
        result =
            discimage::writeImage(disc, u"x"_s, temp.path() + u"/no/such/folder/disc.iso"_s, 0, badTarget);
        QCOMPARE(result.outcome, DiscJobResult::Outcome::TargetFailed);
    }
};

QTEST_GUILESS_MAIN(TestDiscImage)
#include "tst_discimage.moc"
