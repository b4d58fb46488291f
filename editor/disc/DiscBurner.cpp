#include "editor/disc/DiscBurner.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

#include <libburn/libburn.h>

namespace discburner {
namespace {

using namespace burn;

using Outcome = DiscJobResult::Outcome;

constexpr int kPollMilliseconds = 100;
// A drive that has not made up its mind about the medium after this long has none that it can use.
constexpr int kMediumWaitPolls = 300;
constexpr qint64 kSectorBytes = 2048;
constexpr qint64 kVerifyChunkBytes = 32 * kSectorBytes;
// Flag of burn_read_data: no message of its own for a read error, and no retry by single blocks.
constexpr int kQuietRead = 2 | 4;

void initialiseLibrary() {
    static std::once_flag once;
    std::call_once(once, [] {
        burn_initialize();
        burn_msgs_set_severities(const_cast<char*>("SORRY"), const_cast<char*>("NEVER"),
                                 const_cast<char*>("lumbrel : "));
    });
}

// The library refuses to start writing while the thread of an earlier job on the same drive slot
// has not quite ended; that happens right after a failed burn.
constexpr int kDriveStillBusy = 0x00020102;
constexpr int kBusyRetries = 50;

// The library's latest complaints, for the message that tells the user what went wrong.
QString takeLibraryMessages(bool* driveStillBusy = nullptr) {
    QStringList texts;
    char text[BURN_MSGS_MESSAGE_LEN];
    char severity[80];
    int code = 0;
    int osErrno = 0;
    while (burn_msgs_obtain(const_cast<char*>("SORRY"), &code, text, &osErrno, severity) > 0) {
        if (code == kDriveStillBusy && driveStillBusy)
            *driveStillBusy = true;
        else
            texts << QString::fromLocal8Bit(text);
    }
    return texts.join(u' ');
}

// Everything the library hands out for one burn, given back in the order it wants.
struct Session {
    burn_drive_info* infos = nullptr;
    burn_drive* drive = nullptr;
    burn_write_opts* options = nullptr;
    burn_disc* disc = nullptr;
    burn_session* session = nullptr;
    burn_track* track = nullptr;
    burn_source* source = nullptr;
    bool eject = false;

    ~Session() {
        if (source)
            burn_source_free(source);
        if (track)
            burn_track_free(track);
        if (session)
            burn_session_free(session);
        if (disc)
            burn_disc_free(disc);
        if (options)
            burn_write_opts_free(options);
        if (drive)
            burn_drive_release(drive, eject ? 1 : 0);
        if (infos)
            burn_drive_info_free(infos);
    }
};

burn_disc_status mediumStatus(burn_drive* drive) {
    burn_disc_status status = burn_disc_get_status(drive);
    for (int i = 0; status == BURN_DISC_UNREADY && i < kMediumWaitPolls; ++i) {
        QThread::msleep(kPollMilliseconds);
        status = burn_disc_get_status(drive);
    }
    return status;
}

// Whether the medium already holds something: a rewritable medium reports itself blank whatever
// it holds, so its first sectors are read; a file that stands in for a writer counts by its size.
constexpr int kProbeSectors = 32;

bool holdsData(burn_drive* drive, const QString& address) {
    if (burn_drive_get_drive_role(drive) == 2) {
        const QFileInfo file(address.mid(address.indexOf(u':') + 1));
        if (address.startsWith(u"stdio:") && file.isFile() && file.size() > 0)
            return true;
    }
    char sector[kSectorBytes];
    for (int i = 0; i < kProbeSectors; ++i) {
        off_t count = 0;
        if (burn_read_data(drive, i * kSectorBytes, sector, kSectorBytes, &count, kQuietRead) <= 0)
            return false;
        if (std::any_of(sector, sector + count, [](char c) { return c != 0; }))
            return true;
    }
    return false;
}

QString mediumKind(burn_drive* drive) {
    int profile = 0;
    char name[80] = {};
    return burn_disc_get_profile(drive, &profile, name) > 0 ? QString::fromLatin1(name).trimmed() : QString();
}

// The writer grabbed and its medium's state known; an outcome other than Done says why not.
DiscJobResult::Outcome grab(Session& s, const QString& address) {
    QByteArray drivePath = address.toLocal8Bit();
    if (burn_drive_scan_and_grab(&s.infos, drivePath.data(), 1) <= 0 || !s.infos) {
        s.infos = nullptr;
        return Outcome::NoWriter;
    }
    s.drive = s.infos[0].drive;
    switch (mediumStatus(s.drive)) {
    case BURN_DISC_BLANK:
    case BURN_DISC_APPENDABLE:
        return Outcome::Done;
    case BURN_DISC_EMPTY:
    case BURN_DISC_UNREADY:
        return Outcome::NoMedium;
    default:
        return Outcome::MediumNotWritable;
    }
}

// Compares the medium from `start` with the image file, chunk by chunk.
bool sameAsImage(burn_drive* drive, qint64 start, const QString& imageFile, DiscJobProgress& progress) {
    QFile image(imageFile);
    if (!image.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = image.size();
    progress.stage = DiscJobProgress::Stage::Verifying;
    progress.total = size;
    progress.done = 0;
    std::vector<char> onMedium(kVerifyChunkBytes);
    for (qint64 offset = 0; offset < size; offset += kVerifyChunkBytes) {
        if (progress.cancelled())
            return false;
        const qint64 n = std::min(kVerifyChunkBytes, size - offset);
        const QByteArray expected = image.read(n);
        off_t count = 0;
        if (expected.size() != n ||
            burn_read_data(drive, start + offset, onMedium.data(), n, &count, kQuietRead) <= 0 ||
            count != n || std::memcmp(onMedium.data(), expected.constData(), static_cast<size_t>(n)) != 0)
            return false;
        progress.done = offset + n;
    }
    return true;
}

} // namespace

using namespace burn;

std::vector<Writer> findWriters() {
    initialiseLibrary();
    std::vector<Writer> writers;
    burn_drive_info* infos = nullptr;
    unsigned int count = 0;
    int rc = 0;
    while ((rc = burn_drive_scan(&infos, &count)) == 0)
        QThread::msleep(kPollMilliseconds);
    if (rc < 0)
        return writers;
    for (unsigned int i = 0; i < count; ++i) {
        char address[BURN_DRIVE_ADR_LEN];
        if (burn_drive_get_adr(&infos[i], address) <= 0)
            continue;
        const QString name = QString::fromLatin1(infos[i].vendor).trimmed() + u' ' +
                             QString::fromLatin1(infos[i].product).trimmed();
        writers.push_back({QString::fromLocal8Bit(address), name.trimmed()});
    }
    if (infos)
        burn_drive_info_free(infos);
    return writers;
}

Medium inspectMedium(const QString& address) {
    initialiseLibrary();
    takeLibraryMessages();
    Medium medium;
    Session s;
    medium.usable = grab(s, address);
    if (s.drive)
        medium.kind = mediumKind(s.drive);
    if (medium.usable == Outcome::Done)
        medium.holdsData = holdsData(s.drive, address);
    medium.detail = takeLibraryMessages();
    return medium;
}

DiscJobResult burnImage(const QString& address, const QString& imageFile, bool eject, bool mayErase,
                        DiscJobProgress& progress) {
    initialiseLibrary();
    takeLibraryMessages();
    DiscJobResult result;
    Session s;
    if (const Outcome usable = grab(s, address); usable != Outcome::Done)
        return DiscJobResult::failed(usable, takeLibraryMessages());
    // Data on the medium goes only when the user said so, even if the medium changed since.
    if (!mayErase && holdsData(s.drive, address))
        return DiscJobResult::failed(Outcome::MediumHoldsData, mediumKind(s.drive));

    const QByteArray imagePath = QFile::encodeName(imageFile);
    s.source = burn_file_source_new(imagePath.constData(), nullptr);
    const qint64 imageSize = QFileInfo(imageFile).size();
    if (!s.source || imageSize <= 0)
        return DiscJobResult::failed(Outcome::SourceUnreadable, imageFile);

    s.options = burn_write_opts_new(s.drive);
    burn_write_opts_set_perform_opc(s.options, 0);
    burn_write_opts_set_multi(s.options, 0);
    burn_write_opts_set_underrun_proof(s.options, 1);
    s.disc = burn_disc_create();
    s.session = burn_session_create();
    burn_disc_add_session(s.disc, s.session, BURN_POS_END);
    s.track = burn_track_create();
    burn_track_define_data(s.track, 0, 0, 1, BURN_MODE1);
    if (burn_track_set_source(s.track, s.source) != BURN_SOURCE_OK)
        return DiscJobResult::failed(Outcome::SourceUnreadable, imageFile);
    burn_session_add_track(s.session, s.track, BURN_POS_END);

    result.needed = imageSize;
    result.available = burn_disc_available_space(s.drive, s.options);
    if (result.needed > result.available) {
        result.outcome = Outcome::TooSmall;
        return result;
    }
    char reasons[BURN_REASONS_LEN];
    if (burn_write_opts_auto_write_type(s.options, s.disc, reasons, 0) == BURN_WRITE_NONE) {
        result.outcome = Outcome::MediumNotWritable;
        result.detail = QString::fromLocal8Bit(reasons);
        return result;
    }
    // The image's directories point at sectors counted from the start of the medium: it can only
    // go where that start is free. Behind an earlier session it would not be readable.
    int startSector = 0;
    int nextWritable = 0;
    if (burn_disc_track_lba_nwa(s.drive, s.options, 0, &startSector, &nextWritable) > 0 && nextWritable > 0) {
        result.outcome = Outcome::MediumNotWritable;
        return result;
    }
    if (progress.cancelled()) {
        result.outcome = Outcome::Cancelled;
        return result;
    }

    progress.stage = DiscJobProgress::Stage::Burning;
    progress.total = imageSize;
    QString messages;
    for (int attempt = 0;; ++attempt) {
        burn_disc_write(s.options, s.disc);
        bool busy = false;
        messages = takeLibraryMessages(&busy);
        if (!busy)
            break;
        if (attempt == kBusyRetries)
            return DiscJobResult::failed(Outcome::WriteFailed);
        QThread::msleep(kPollMilliseconds);
    }
    while (burn_drive_get_status(s.drive, nullptr) == BURN_DRIVE_SPAWNING)
        QThread::msleep(kPollMilliseconds);
    bool cancelSent = false;
    burn_progress p{};
    while (burn_drive_get_status(s.drive, &p) != BURN_DRIVE_IDLE) {
        if (p.sectors > 0)
            progress.done = std::min<qint64>(imageSize, qint64(p.sector) * kSectorBytes);
        if (progress.cancelled() && !cancelSent) {
            burn_drive_cancel(s.drive);
            cancelSent = true;
        }
        QThread::msleep(kPollMilliseconds);
    }
    const bool wroteWell = burn_drive_wrote_well(s.drive) == 1;
    if (cancelSent) {
        result.outcome = Outcome::Cancelled;
        return result;
    }
    if (!wroteWell) {
        result.outcome = Outcome::WriteFailed;
        result.detail = (messages + u' ' + takeLibraryMessages()).trimmed();
        return result;
    }
    progress.done = imageSize;
    if (!sameAsImage(s.drive, 0, imageFile, progress)) {
        result.outcome = progress.cancelled() ? Outcome::Cancelled : Outcome::VerifyFailed;
        result.detail = takeLibraryMessages();
        return result;
    }
    // Only a finished disc leaves the writer; after a failure it stays in for another try.
    s.eject = eject;
    return result;
}

} // namespace discburner
