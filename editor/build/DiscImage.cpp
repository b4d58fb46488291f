#include "DiscImage.h"

#include "VolumeName.h"

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

// The library's own pace: it fills its ring buffer in blocks of 2 KiB.
constexpr int kChunkBytes = 64 * 2048;
// Special files (pipes, sockets, devices) would block or make no sense on a disc.
constexpr int kIgnoreAllSpecialFiles = 1 | 2 | 4 | 8;
// Times of the ISO 9660 and Joliet records are the files' own, not the moment of writing.
constexpr int kFileTimesInIsoAndJoliet = 1 | 2;
// A buffer of 32 MiB lets the library read the folder ahead while the image file is written.
constexpr int kFifoBlocks = 16384;
constexpr mode_t kReadable = 0444;
constexpr mode_t kExecutable = 0555;

void initialiseLibrary() {
    static std::once_flag once;
    std::call_once(once, [] {
        iso_init();
        // File names on this side are UTF-8, whatever the locale says.
        iso_set_local_charset(const_cast<char*>("UTF-8"), 0);
        iso_set_msgs_severities(const_cast<char*>("FAILURE"), const_cast<char*>("NEVER"),
                                const_cast<char*>("lumbrel : "));
    });
}

// Complaints that the library queued while it wrote, e.g. about a file that it could not read and
// replaced by zeros; empty when there were none.
QString takeLibraryFailures() {
    QStringList texts;
    int code = 0;
    int imageId = 0;
    char text[ISO_MSGS_MESSAGE_LEN];
    char severity[80];
    while (iso_obtain_msgs(const_cast<char*>("FAILURE"), &code, &imageId, text, severity) > 0)
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

std::unique_ptr<ImageSource> ImageSource::create(const QString& folder, const QString& cdName,
                                                 QString* error) {
    initialiseLibrary();
    std::unique_ptr<ImageSource> result(new ImageSource);
    result->m_parts = std::make_unique<Parts>();
    Parts& p = *result->m_parts;
    const QByteArray volume = volumename::forImage(cdName).toUtf8();
    int rc = iso_image_new(volume.constData(), &p.image);
    if (rc < 0) {
        *error = libraryError(rc);
        return nullptr;
    }
    iso_tree_set_ignore_special(p.image, kIgnoreAllSpecialFiles);
    iso_image_set_application_id(p.image, "LUMBREL");
    const QByteArray path = QFile::encodeName(QDir::cleanPath(folder));
    if (!QFileInfo(folder).isDir()) {
        *error = QDir::toNativeSeparators(folder);
        return nullptr;
    }
    rc = iso_tree_add_dir_rec(p.image, iso_image_get_root(p.image), path.constData());
    if (rc < 0) {
        *error = libraryError(rc);
        return nullptr;
    }
    normalisePermissions(iso_image_get_root(p.image), true);

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
    const int n = m_parts->source->read_xt(m_parts->source, buffer, size);
    if (n <= 0)
        m_parts->finished = true;
    return n;
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
            return fail(Outcome::SourceUnreadable, {});
        if (file.write(reinterpret_cast<const char*>(buffer.data()), n) != n)
            return fail(Outcome::TargetFailed, file.errorString());
        written += n;
        progress.done = written;
    }
    file.close();
    if (const QString failures = takeLibraryFailures(); !failures.isEmpty())
        return fail(Outcome::SourceUnreadable, failures);
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

} // namespace discimage
