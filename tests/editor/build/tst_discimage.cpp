// The disc image, read back through the image library, and the volume name rules.
#include "build/DiscImage.h"
#include "build/VolumeName.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <libisofs/libisofs.h>

#include <sys/stat.h>

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
        QCOMPARE(iso(u"Grüße"_s), u"GR__E"_s);
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
            const Tree actual = imageTree(imageFile, system);
            QCOMPARE(actual.keys(), expected.keys());
            for (auto it = expected.begin(); it != expected.end(); ++it) {
                const Entry& got = actual[it.key()];
                QCOMPARE(got.folder, it->folder);
                QVERIFY2(got.bytes == it->bytes, qPrintable(it.key()));
            }
        }
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
