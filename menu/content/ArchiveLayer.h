#pragma once

#include "unzip/UnzDll.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

class QLibrary;

namespace menu {

// The stored names of a zip archive's entries ("/" between folder levels), in archive order.
// Empty when the file is missing or no readable archive.
QStringList listArchiveEntries(const QString& archivePath);
// The size that an entry's data has once extracted, as the archive states it; the largest of
// several entries of that stored name. -1 when the archive holds no such entry.
qint64 storedSize(const QString& archivePath, const QString& entryName);
// What all entries together take once extracted, as the archive states it; an entry whose size
// cannot be told counts as more than any disc holds.
qint64 totalStoredSize(const QString& archivePath);

struct ExtractOptions {
    bool recreateFolders = false;
    bool overwrite = false;
    bool exactNames = false; // the patterns are stored names: '*' and '?' are plain characters
};

// What an extraction did, in the terms the viewer is told.
struct ExtractReport {
    bool ran = false; // the module was there and was called
    int result = UNZ_OK;
    int extracted = 0;
    QStringList refused;  // stored names not written because they would leave the destination
    QStringList failures; // entries or archive that failed, each with its reason

    bool complete() const { return ran && result == UNZ_OK; }
    bool stopped() const { return ran && result == UNZ_ERR_STOPPED; }
    // The archive layer's message about what went wrong; empty when everything was extracted.
    QString problems() const;
};

// The unzip module "Unzdll.dll", loaded at run time.
class UnzipModule {
public:
    static QString fileName() { return QStringLiteral("Unzdll.dll"); }

    UnzipModule();
    UnzipModule(const UnzipModule&) = delete;
    UnzipModule& operator=(const UnzipModule&) = delete;
    ~UnzipModule();

    // Looks in the configuration folder first, then through the platform's library search.
    bool load(const QString& configFolder);
    void unload();
    bool isLoaded() const { return m_exec != nullptr; }
    // Where the loaded module lies.
    QString location() const;
    // Why unzipping is unavailable, for the viewer; empty while the module is loaded.
    QString unavailableMessage() const;

    // Called with the entry's name each time a new entry begins, and with an empty name while a
    // long entry is being written.
    using Notify = std::function<void(const QString& name)>;

    // Extracts the entries matching `patterns` (stored names or wildcards such as "*.*") into
    // `destination`. Never writes outside it: entries that would are refused and reported.
    // Setting `stop` (from any thread) ends the extraction before its next block; the entry in
    // progress is not written.
    ExtractReport extract(const QString& archive, const QStringList& patterns, const QString& destination,
                          ExtractOptions options, const Notify& notify = {},
                          const std::atomic<bool>* stop = nullptr) const;

private:
    std::unique_ptr<QLibrary> m_library;
    UnzDllExecFn m_exec = nullptr;
    QString m_error;
};

} // namespace menu
