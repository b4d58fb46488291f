#pragma once
// Zip archives written by the tests with libzip.

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>

#include <zip.h>

#include <cstdlib>
#include <cstring>
#include <vector>

struct ZipEntry {
    QString name; // as stored; a folder ends in "/"
    QByteArray data;
    QDateTime modified; // left invalid: the time of writing
};

// Writes the entries in order. An archive without entries is the bare end record, which libzip
// would not write.
inline bool writeZip(const QString& path, const std::vector<ZipEntry>& entries) {
    if (entries.empty()) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) &&
               f.write(QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0')) == 22;
    }
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    for (const ZipEntry& e : entries) {
        const QByteArray name = e.name.toUtf8();
        zip_int64_t index;
        if (name.endsWith('/')) {
            index = zip_dir_add(archive, name.chopped(1).constData(), ZIP_FL_ENC_UTF_8);
        } else {
            // libzip owns the copy of a non-empty entry; an empty one has no buffer to own.
            void* copy = nullptr;
            if (!e.data.isEmpty()) {
                copy = std::malloc(std::size_t(e.data.size()));
                std::memcpy(copy, e.data.constData(), std::size_t(e.data.size()));
            }
            zip_source_t* source = zip_source_buffer(archive, copy, zip_uint64_t(e.data.size()), 1);
            index = zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8);
            if (index < 0)
                zip_source_free(source);
        }
        if (index < 0) {
            zip_discard(archive);
            return false;
        }
        if (e.modified.isValid())
            zip_file_set_mtime(archive, zip_uint64_t(index), time_t(e.modified.toSecsSinceEpoch()), 0);
    }
    return zip_close(archive) == 0;
}
