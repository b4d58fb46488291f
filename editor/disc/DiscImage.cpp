#include "editor/disc/DiscImage.h"

#include "editor/disc/VolumeName.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <vector>

// The image leaves the library as the recording library's data source; its layout comes with
// the image library, so that the recording library is not needed here.
#define LIBISOFS_WITHOUT_LIBBURN
#include <libisofs/libisofs.h>

#include <cstdlib>

namespace discimage {
namespace {

// The library fills its ring buffer in blocks of 2 KiB; the image is taken from it and written in
// pieces that stay in the processor's cache (larger ones cost more system time, not less).
constexpr int kChunkBytes = 16 * 2048;
// Complaints at this severity and above mean that content is missing from the image.
const char* const kLostContent = "SORRY";
// Times of the ISO 9660 and Joliet records are the files' own, not the moment of writing.
constexpr int kFileTimesInIsoAndJoliet = 1 | 2;
// A buffer of 2 MiB lets the library read the folder ahead while the image file is written, and
// is still small enough that what it holds is in the cache when it is written out.
constexpr int kFifoBlocks = 1024;
constexpr mode_t kReadable = 0444;
// The volume name field of the primary volume descriptor (sector 16).
constexpr std::int64_t kVolumeIdOffset = 16 * 2048 + 40;
constexpr qsizetype kVolumeIdLength = 32;
constexpr mode_t kExecutable = 0555;

void initialiseLibrary() {
    static std::once_flag once;
    std::call_once(once, [] {
        iso_init();
        // File names on this side are UTF-8, whatever the locale says.
        iso_set_local_charset(const_cast<char*>("UTF-8"), 0);
        iso_set_msgs_severities(const_cast<char*>(kLostContent), const_cast<char*>("NEVER"),
                                const_cast<char*>("lumbrel : "));
    });
}

// Complaints that the library queued, e.g. about a file that it could not add, or could not read
// while it wrote and replaced by zeros; empty when there were none.
QString takeLibraryFailures() {
    QStringList texts;
    int code = 0;
    int imageId = 0;
    char text[ISO_MSGS_MESSAGE_LEN];
    char severity[80];
    while (iso_obtain_msgs(const_cast<char*>(kLostContent), &code, &imageId, text, severity) > 0)
        texts << QString::fromLocal8Bit(text);
    return texts.join(u' ');
}

QString libraryError(int code) {
    return QString::fromUtf8(iso_error_to_msg(code));
}

// Readable for everyone; executable where the owner may run it, and always the menu program.
void normalisePermissions(IsoDir* dir, bool isRoot) {
    IsoDirIter* it = nullptr;
    if (iso_dir_get_children(dir, &it) < 0)
        return;
    IsoNode* node = nullptr;
    while (iso_dir_iter_next(it, &node) == 1) {
        const enum IsoNodeType type = iso_node_get_type(node);
        if (type == LIBISO_DIR) {
            iso_node_set_permissions(node, kExecutable);
            normalisePermissions(reinterpret_cast<IsoDir*>(node), false);
        } else if (type == LIBISO_FILE) {
            const bool menuProgram =
                isRoot &&
                QString::fromUtf8(iso_node_get_name(node)).compare(u"tiv.exe", Qt::CaseInsensitive) == 0;
            const bool runnable = (iso_node_get_permissions(node) & S_IXUSR) != 0;
            iso_node_set_permissions(node, menuProgram || runnable ? kExecutable : kReadable);
        }
    }
    iso_dir_iter_free(it);
}

bool forbiddenInJoliet(QChar c) {
    return c.unicode() < 0x20 || c == u'*' || c == u'/' || c == u':' || c == u';' || c == u'?' ||
           c == u'\\' || c.isSurrogate();
}

// The dot before an extension does not count towards the length.
bool jolietChanges(const QString& name) {
    const qsizetype length = name.size() - (name.contains(u'.') ? 1 : 0);
    return length > kJolietNameLength || std::any_of(name.begin(), name.end(), forbiddenInJoliet);
}

// Walks the folder as the image holds it: links to what lies inside are followed, everything else
// that the image cannot hold as it is, is noted. With an image, the tree is built on the way.
class FolderWalk {
public:
    FolderWalk(const QString& folder, IsoImage* image)
        : m_root(QFileInfo(folder).canonicalFilePath()), m_image(image) {}

    void run() {
        if (m_root.isEmpty())
            return;
        if (!readable(m_root, true)) {
            plan.unreadable << QDir::toNativeSeparators(m_root);
            return;
        }
        QStringList chain{m_root};
        walk(m_root, QString(), m_image ? iso_image_get_root(m_image) : nullptr, chain);
    }
    ImagePlan plan;
    QString addError; // the library's words for the first entry it could not add
    // Each file as it was when it was added: one that differs after writing was read while it changed.
    struct Added {
        QString shown, source;
        qint64 size;
        QDateTime modified;
    };
    std::vector<Added> added;

private:
    bool insideRoot(const QString& path) const { return path == m_root || path.startsWith(m_root + u'/'); }

    void walk(const QString& real, const QString& shown, IsoDir* parent, QStringList& chain) {
        const QFileInfoList entries = QDir(real).entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo& entry : entries) {
            const QString name = entry.fileName();
            const QString path = shown + name;
            QString source = entry.absoluteFilePath();
            if (entry.isSymLink()) {
                const QString target = entry.canonicalFilePath();
                // A link to a folder that holds it would repeat without end.
                if (target.isEmpty() || !insideRoot(target) || chain.contains(target)) {
                    plan.linksLeftOut << QDir::toNativeSeparators(path);
                    continue;
                }
                plan.linksStored << QDir::toNativeSeparators(path);
                source = target;
            }
            const QFileInfo info(source);
            const bool folder = info.isDir();
            if (!(folder || info.isFile()) || !readable(source, folder)) {
                plan.unreadable << QDir::toNativeSeparators(path);
                continue;
            }
            if (jolietChanges(name))
                plan.renamed << QDir::toNativeSeparators(path);
            IsoNode* node = nullptr;
            if (m_image) {
                const int rc = iso_tree_add_new_node(m_image, parent, name.toUtf8().constData(),
                                                     QFile::encodeName(source).constData(), &node);
                if (rc < 0) {
                    plan.unreadable << QDir::toNativeSeparators(path);
                    if (addError.isEmpty())
                        addError = libraryError(rc);
                    continue;
                }
            }
            if (!folder)
                added.push_back({QDir::toNativeSeparators(path), source, info.size(), info.lastModified()});
            if (folder) {
                chain << info.canonicalFilePath();
                walk(source, path + u'/', reinterpret_cast<IsoDir*>(node), chain);
                chain.removeLast();
            }
        }
    }

    static bool readable(const QString& path, bool folder) {
        if (folder)
            return QDir(path).isReadable();
        QFile file(path);
        return file.open(QIODevice::ReadOnly);
    }

    QString m_root;
    IsoImage* m_image;
};

// What the recording library's burn_source_free() does for a source that only we hold.
void releaseSource(burn_source* source) {
    if (--source->refcount > 0)
        return;
    if (source->free_data)
        source->free_data(source);
    std::free(source);
}

} // namespace

struct ImageSource::Parts {
    IsoImage* image = nullptr;
    IsoWriteOpts* options = nullptr;
    burn_source* source = nullptr;
    bool finished = false;
    std::int64_t offset = 0; // bytes read so far
    std::vector<FolderWalk::Added> files;
    QByteArray isoVolumeId; // the primary descriptor's volume name, padded to its field

    ~Parts() {
        if (source) {
            if (!finished)
                source->cancel(source);
            releaseSource(source);
        }
        if (options)
            iso_write_opts_free(options);
        if (image)
            iso_image_unref(image);
    }
};

ImagePlan planImage(const QString& folder) {
    FolderWalk walk(folder, nullptr);
    walk.run();
    return walk.plan;
}

std::unique_ptr<ImageSource> ImageSource::create(const QString& folder, const QString& cdName,
                                                 QString* error) {
    initialiseLibrary();
    std::unique_ptr<ImageSource> result(new ImageSource);
    result->m_parts = std::make_unique<Parts>();
    Parts& p = *result->m_parts;
    const QByteArray volume = volumename::forImage(cdName).toUtf8();
    p.isoVolumeId = volumename::iso(cdName).toLatin1().leftJustified(kVolumeIdLength, ' ');
    int rc = iso_image_new(volume.constData(), &p.image);
    if (rc < 0) {
        *error = libraryError(rc);
        return nullptr;
    }
    iso_image_set_application_id(p.image, "LUMBREL");
    if (!QFileInfo(folder).isDir()) {
        *error = QDir::toNativeSeparators(folder);
        return nullptr;
    }
    FolderWalk walk(folder, p.image);
    walk.run();
    const QString complaints = takeLibraryFailures();
    if (!walk.plan.unreadable.isEmpty() || !complaints.isEmpty()) {
        *error = (walk.plan.unreadable.join(u'\n') + u'\n' + walk.addError + u' ' + complaints).trimmed();
        return nullptr;
    }
    normalisePermissions(iso_image_get_root(p.image), true);
    p.files = std::move(walk.added);

    iso_write_opts_new(&p.options, 0);
    // Level 3 lets files above 4 GiB span several extents on a DVD.
    iso_write_opts_set_iso_level(p.options, 3);
    iso_write_opts_set_fifo_size(p.options, kFifoBlocks);
    iso_write_opts_set_rockridge(p.options, 1);
    iso_write_opts_set_joliet(p.options, 1);
    iso_write_opts_set_joliet_longer_paths(p.options, 1);
    iso_write_opts_set_joliet_long_names(p.options, 1);
    iso_write_opts_set_dir_rec_mtime(p.options, kFileTimesInIsoAndJoliet);
    // Owner and group of this machine mean nothing on another one.
    iso_write_opts_set_replace_mode(p.options, 0, 0, 2, 2);
    iso_write_opts_set_default_uid(p.options, 0);
    iso_write_opts_set_default_gid(p.options, 0);
    rc = iso_image_create_burn_source(p.image, p.options, &p.source);
    if (rc < 0) {
        p.source = nullptr;
        *error = libraryError(rc);
        return nullptr;
    }
    return result;
}

ImageSource::~ImageSource() = default;

std::int64_t ImageSource::size() const {
    return m_parts->source->get_size(m_parts->source);
}

int ImageSource::read(unsigned char* buffer, int size) {
    Parts& p = *m_parts;
    const int n = p.source->read_xt(p.source, buffer, size);
    if (n <= 0) {
        p.finished = true;
        return n;
    }
    // The library derives the ISO 9660 volume name itself and drops every letter outside A-Z; the
    // primary descriptor takes the name with its letters spelled out instead.
    for (qsizetype i = 0; i < p.isoVolumeId.size(); ++i) {
        const std::int64_t at = kVolumeIdOffset + i - p.offset;
        if (at >= 0 && at < n)
            buffer[at] = static_cast<unsigned char>(p.isoVolumeId[i]);
    }
    p.offset += n;
    return n;
}

QStringList ImageSource::changedFiles() const {
    QStringList changed;
    for (const FolderWalk::Added& file : m_parts->files) {
        const QFileInfo now(file.source);
        if (!now.isFile() || now.size() != file.size || now.lastModified() != file.modified)
            changed << file.shown;
    }
    return changed;
}

void ImageSource::cancel() {
    if (!m_parts->finished)
        m_parts->source->cancel(m_parts->source);
    m_parts->finished = true;
}

DiscJobResult writeImage(const QString& folder, const QString& cdName, const QString& imageFile,
                         std::int64_t capacity, DiscJobProgress& progress) {
    using Outcome = DiscJobResult::Outcome;
    DiscJobResult result;
    QString error;
    initialiseLibrary();
    takeLibraryFailures();
    const std::unique_ptr<ImageSource> source = ImageSource::create(folder, cdName, &error);
    if (!source)
        return DiscJobResult::failed(Outcome::SourceUnreadable, error);
    result.needed = source->size();
    result.available = capacity;
    progress.total = result.needed;
    if (capacity > 0 && result.needed > capacity) {
        result.outcome = Outcome::TooSmall;
        return result;
    }
    // The image grows under a name of its own and takes its real name only when complete. Unlike a
    // save file it is not forced to the disk at the end, which would double the time of a large image.
    QFile file(imageFile + QStringLiteral(".part"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        result.outcome = Outcome::TargetFailed;
        result.detail = file.errorString();
        return result;
    }
    const auto fail = [&](Outcome outcome, const QString& detail) {
        source->cancel();
        file.remove();
        result.outcome = outcome;
        result.detail = detail;
        return result;
    };
    progress.stage = DiscJobProgress::Stage::WritingImage;
    std::vector<unsigned char> buffer(kChunkBytes);
    std::int64_t written = 0;
    while (written < result.needed) {
        if (progress.cancelled())
            return fail(Outcome::Cancelled, {});
        // The library answers only whole requests; the last one asks for exactly the rest.
        const int n =
            source->read(buffer.data(), int(std::min<std::int64_t>(kChunkBytes, result.needed - written)));
        // A short image means the library gave up on a file it could not read.
        if (n <= 0)
            return fail(Outcome::SourceUnreadable,
                        (source->changedFiles().join(u'\n') + u'\n' + takeLibraryFailures()).trimmed());
        if (file.write(reinterpret_cast<const char*>(buffer.data()), n) != n)
            return fail(Outcome::TargetFailed, file.errorString());
        written += n;
        progress.done = written;
    }
    file.close();
    // The library fills a file that shrank or vanished with zeros, and may not say so.
    const QStringList changed = source->changedFiles();
    const QString failures = takeLibraryFailures();
    if (!changed.isEmpty() || !failures.isEmpty())
        return fail(Outcome::SourceUnreadable, (changed.join(u'\n') + u'\n' + failures).trimmed());
    if (file.error() != QFileDevice::NoError)
        return fail(Outcome::TargetFailed, file.errorString());
    // Replaces an older image of the same name in one step.
    std::error_code renameError;
    std::filesystem::rename(std::filesystem::path(file.fileName().toStdU16String()),
                            std::filesystem::path(imageFile.toStdU16String()), renameError);
    if (renameError)
        return fail(Outcome::TargetFailed, QString::fromLocal8Bit(renameError.message()));
    return result;
}

bool isInsideFolder(const QString& file, const QString& folder) {
    const QString f = QDir::cleanPath(QFileInfo(file).absoluteFilePath());
    const QString d = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    return f.startsWith(d + u'/');
}

} // namespace discimage
