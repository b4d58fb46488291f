#pragma once

#include <QString>

namespace common {

// Copies a file over another, keeping its modification time and permissions. The target is replaced atomically, so
// a failed copy leaves the old target as it was. False when the copy failed.
bool copyFileReplacing(const QString& source, const QString& target);

// File attributes. On Windows these are the real attributes; elsewhere "hidden" and "archive"
// change nothing, and making a file writable adds the owner's write permission.
void setHidden(const QString& path);
void setArchive(const QString& path);
void makeWritable(const QString& path);

} // namespace common
