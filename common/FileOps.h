#pragma once

#include <QString>

class QFileDevice;

namespace common {

// Copies a file over another, keeping its modification time and permissions. The target is replaced
// atomically, so a failed copy leaves the old target as it was. False when the copy failed.
bool copyFileReplacing(const QString& source, const QString& target);

// Hands what has been written to the file on to the storage device and waits for it. Writers of
// large files call it now and then, so that pending data does not pile up in memory.
void forceToStorage(QFileDevice& file);

// File attributes. On Windows these are the real attributes; elsewhere "hidden" and "archive"
// change nothing, and making a file writable adds the owner's write permission.
void setHidden(const QString& path);
void setArchive(const QString& path);
void makeWritable(const QString& path);

} // namespace common
