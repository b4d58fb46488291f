#include "menu/content/ArchiveLayer.h"

#include "common/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include <zip.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace menu {

namespace {

// Calls `visit` with each entry's stored name and index, in archive order; nothing for a file that
// is no readable archive.
void forEachEntry(const QString& archivePath,
                  const std::function<void(zip_t*, zip_uint64_t, QString)>& visit) {
    // A pipe or a device named like an archive would keep the reader waiting or reading forever.
    if (!QFileInfo(archivePath).isFile())
        return;
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY, &error);
    if (!archive)
        return;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        // Names not flagged as UTF-8 are taken as the DOS code page, as the archivers that wrote them did.
        if (const char* name = zip_get_name(archive, zip_uint64_t(i), ZIP_FL_ENC_GUESS))
            visit(archive, zip_uint64_t(i), QString::fromUtf8(name));
    }
    zip_discard(archive);
}

} // namespace

QStringList listArchiveEntries(const QString& archivePath) {
    QStringList names;
    forEachEntry(archivePath, [&](zip_t*, zip_uint64_t, QString name) { names.append(std::move(name)); });
    return names;
}

qint64 storedSize(const QString& archivePath, const QString& entryName) {
    qint64 largest = -1;
    forEachEntry(archivePath, [&](zip_t* archive, zip_uint64_t index, const QString& name) {
        if (name != entryName)
            return;
        zip_stat_t st;
        zip_stat_init(&st);
        // An entry whose size cannot be told counts as too large for any limit.
        const qint64 size = zip_stat_index(archive, index, 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE)
                                ? qint64(std::min<zip_uint64_t>(st.size, std::numeric_limits<qint64>::max()))
                                : std::numeric_limits<qint64>::max();
        largest = std::max(largest, size);
    });
    return largest;
}

qint64 totalStoredSize(const QString& archivePath) {
    constexpr qint64 kUnknown = qint64(1) << 52;
    qint64 total = 0;
    forEachEntry(archivePath, [&](zip_t* archive, zip_uint64_t index, const QString&) {
        zip_stat_t st;
        zip_stat_init(&st);
        const qint64 size = zip_stat_index(archive, index, 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE)
                                ? qint64(std::min<zip_uint64_t>(st.size, kUnknown))
                                : kUnknown;
        total = std::min(total + size, kUnknown);
    });
    return total;
}

QString ExtractReport::problems() const {
    QStringList lines;
    if (!refused.isEmpty()) {
        lines.append(
            QStringLiteral("%1 entries of the zip file were not extracted because their names would place "
                           "them outside the destination folder:")
                .arg(refused.size()));
        for (const QString& name : refused.mid(0, 10))
            lines.append(QStringLiteral("    ") + name);
        if (refused.size() > 10)
            lines.append(QStringLiteral("    ..."));
    }
    if (!failures.isEmpty()) {
        lines.append(QStringLiteral("Unzipping went wrong:"));
        for (const QString& failure : failures.mid(0, 10))
            lines.append(QStringLiteral("    ") + failure);
        if (failures.size() > 10)
            lines.append(QStringLiteral("    ..."));
    }
    if (ran && lines.isEmpty() && result != UNZ_OK && result != UNZ_ERR_STOPPED)
        lines.append(QStringLiteral("Unzipping went wrong (error %1).").arg(result));
    return lines.join(u'\n');
}

UnzipModule::UnzipModule() {
    unload();
}

UnzipModule::~UnzipModule() {
    unload();
}

bool UnzipModule::load(const QString& configFolder) {
    unload();
    QStringList candidates;
    // Only a regular file: loading a pipe would wait for ever.
    if (const auto beside = common::findIgnoringCase(configFolder, fileName());
        beside && QFileInfo(*beside).isFile())
        candidates.append(*beside);
    // The library search: the shipped name, then the platform's own spelling of it.
    candidates.append(fileName());
    candidates.append(QStringLiteral("Unzdll"));

    QStringList reasons;
    for (const QString& candidate : candidates) {
        auto library = std::make_unique<QLibrary>(candidate);
        if (!library->load()) {
            reasons.append(library->errorString());
            continue;
        }
        auto exec = reinterpret_cast<UnzDllExecFn>(library->resolve("UnzDllExec"));
        if (!exec) {
            reasons.append(QStringLiteral("%1 does not offer UnzDllExec").arg(library->fileName()));
            library->unload();
            continue;
        }
        m_library = std::move(library);
        m_exec = exec;
        m_error.clear();
        return true;
    }
    m_error = QStringLiteral("Unzipping is not available: the unzip module %1 could not be loaded from %2 "
                             "or from the system's library folders.\n\n%3")
                  .arg(fileName(), QDir::toNativeSeparators(configFolder), reasons.join(u'\n'));
    return false;
}

void UnzipModule::unload() {
    m_exec = nullptr;
    if (m_library) {
        m_library->unload();
        m_library.reset();
    }
    m_error =
        QStringLiteral("Unzipping is not available: the unzip module %1 is not loaded.").arg(fileName());
}

QString UnzipModule::location() const {
    return m_library ? m_library->fileName() : QString();
}

QString UnzipModule::unavailableMessage() const {
    return isLoaded() ? QString() : m_error;
}

namespace {

struct Collector {
    const UnzipModule::Notify* notify;
    ExtractReport* report;
    const std::atomic<bool>* stop;
};

int stopAsked(void* context) {
    const auto* c = static_cast<Collector*>(context);
    return c->stop && c->stop->load() ? 1 : 0;
}

void collect(void* context, int event, const char* name, const char* message, int64_t) {
    auto* c = static_cast<Collector*>(context);
    const QString entry = name ? QString::fromUtf8(name) : QString();
    switch (event) {
    case UNZ_EVENT_ENTRY:
    case UNZ_EVENT_PROGRESS:
        if (*c->notify)
            (*c->notify)(entry);
        break;
    case UNZ_EVENT_REFUSED:
        c->report->refused.append(entry);
        break;
    case UNZ_EVENT_ERROR: {
        const QString why = message ? QString::fromUtf8(message) : QStringLiteral("unknown failure");
        c->report->failures.append(entry.isEmpty() ? why : entry + QStringLiteral(": ") + why);
        break;
    }
    default:
        break;
    }
}

} // namespace

ExtractReport UnzipModule::extract(const QString& archive, const QStringList& patterns,
                                   const QString& destination, ExtractOptions options, const Notify& notify,
                                   const std::atomic<bool>* stop) const {
    ExtractReport report;
    if (!m_exec)
        return report;
    const QByteArray archiveName = archive.toUtf8();
    const QByteArray destinationName = destination.toUtf8();
    std::vector<QByteArray> patternBytes;
    for (const QString& pattern : patterns)
        patternBytes.push_back(pattern.toUtf8());
    std::vector<const char*> patternPointers;
    for (const QByteArray& bytes : patternBytes)
        patternPointers.push_back(bytes.constData());

    Collector collector{&notify, &report, stop};
    UnzDllArgs args{};
    args.structSize = sizeof args;
    args.archive = archiveName.constData();
    args.destination = destinationName.constData();
    args.patterns = patternPointers.data();
    args.patternCount = int32_t(patternPointers.size());
    args.options = (options.recreateFolders ? UNZ_RECREATE_FOLDERS : 0u) |
                   (options.overwrite ? UNZ_OVERWRITE : 0u) | (options.exactNames ? UNZ_EXACT_NAMES : 0u);
    args.callback = &collect;
    args.context = &collector;
    args.shouldStop = &stopAsked;
    report.ran = true;
    report.result = m_exec(&args);
    report.extracted = args.extracted;
    return report;
}

} // namespace menu
