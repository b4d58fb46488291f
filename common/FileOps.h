#pragma once

#include <QByteArray>
#include <QString>

class QFile;

namespace common {

// Why a file from an untrusted place was not read.
enum class ReadRefusal {
    None,
    Missing,
    NotAFile,   // a folder, a pipe, a device, or a link to one
    Unreadable, // the system's reason is in the error text
};

// Opens `path` for reading only when it is a regular file, links followed. A pipe or a device is
// refused without waiting for it: opening a pipe alone would wait for a writer that never comes.
// `file` is left closed when the path is refused.
ReadRefusal openRegularFile(QFile& file, const QString& path, QString* error = nullptr);

// At most `maxBytes` of a regular file, read without trusting the size that the file system tells.
struct BoundedRead {
    ReadRefusal refusal = ReadRefusal::None;
    QString error;    // the system's reason when unreadable
    QByteArray bytes; // the beginning of the file, at most maxBytes
    bool cut = false; // the file holds more than maxBytes

    bool whole() const { return refusal == ReadRefusal::None && !cut; }
};
BoundedRead readRegularFile(const QString& path, qint64 maxBytes);

// Renames `from` over `to`, replacing a file (or a link itself, never what it points to) that lies
// there, in one step. False, with the system's reason, when it could not.
bool renameReplacing(const QString& from, const QString& to, QString* error = nullptr);

// Copies a file over another, keeping its modification time and permissions. The target is replaced atomically, so
// a failed copy leaves the old target as it was. False when the copy failed.
bool copyFileReplacing(const QString& source, const QString& target);

// File attributes. On Windows these are the real attributes; elsewhere "hidden" and "archive"
// change nothing, and making a file writable adds the owner's write permission.
void setHidden(const QString& path);
void setArchive(const QString& path);
void makeWritable(const QString& path);

} // namespace common
