#pragma once

#include <QString>

// Folder rules of a new project: the project folder field, the wizard's folder commands and the
// welcome screen's last project. No widgets.
namespace projectfolders {

// The longest folder name that the wizard creates; longer names are refused like invalid ones.
constexpr int kMaxFolderNameLength = 255;

// Whether the project folder field holds a folder: neither empty nor the single blank that the
// wizard puts there so that choosing a folder does not ask first.
bool holdsFolder(const QString& rootname);

// Makes the folder `name` inside `parent`. Its path with the trailing separator; empty when the
// name is not one plain folder name (no separators, not "." or "..") or the folder could not be
// made, also when it exists already.
QString makeFolder(const QString& parent, const QString& name);

// Removes `folder` when it is empty; false when it holds anything or cannot be removed.
bool removeEmptyFolder(const QString& folder);

// The project that was open at the last exit, as the settings file names it; empty when the file
// is gone.
QString lastProject(const QString& settingsFile);

} // namespace projectfolders
