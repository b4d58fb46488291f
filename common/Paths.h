#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

namespace common {

// Host paths are native (native separator); disc paths, relative to the disc root, always use the
// backslash so that a disc built on any platform reads on any other.

// The folder of the running executable, ending in the native separator.
QString programFolder();

// A host folder with exactly one trailing native separator added when it has none.
QString withTrailingSeparator(QString hostFolder);

// Host path (relative) to disc path: separators become backslashes.
QString toDiscPath(QStringView hostPath);
// Disc path to a host path: backslashes become the native separator.
QString toHostPath(QStringView discPath);

// The CD path of a file in the host folder `folder`: relative to `projectFolder` (which ends in a
// separator) when it lies below it, otherwise the absolute folder; always with a leading and a
// trailing backslash. An empty folder gives "\".
QString cdPathOf(QStringView folder, QStringView projectFolder);

// The entry of `folder` whose name equals `name` without regard to letter case, an exact match
// preferred; its full host path, or nothing when the folder has no such entry.
std::optional<QString> findIgnoringCase(const QString& folder, const QString& name);

// A relative path (either separator) resolved below `root` one component at a time without regard
// to letter case. Components that do not exist keep their spelling, so the result names the place
// where a writer would create them.
QString resolveIgnoringCase(const QString& root, QStringView relativePath);
// The same with a lookup of one's own in place of findIgnoringCase (one that lists each folder once).
using NameLookup = std::function<std::optional<QString>(const QString& folder, const QString& name)>;
QString resolveIgnoringCase(const QString& root, QStringView relativePath, const NameLookup& lookup);

} // namespace common
