#pragma once

#include "editor/project/ItemField.h"

#include <QImage>
#include <QString>
#include <QStringView>

#include <optional>

// An item's companion files: its information text and its screenshot, which the menu program
// shows. File items keep them beside their source file, with its base name; hyperlinks and jump
// points keep them in the item data folder "tavikdat" of the project folder, under the item's
// file-safe name.
namespace companion {

inline constexpr QStringView kText = u"txt";
inline constexpr QStringView kPicture = u"jpg";
// Texts larger than this are not read.
inline constexpr qint64 kMaxTextSize = 16 * 1024 * 1024;

// The item data folder, ending in the native separator; empty without a project folder.
QString itemDataFolder(const QString& projectFolder);
// The source path with exactly its last three characters replaced by `kind` (clip.mpeg gives
// clip.mtxt); empty unless the source is an absolute path, so that nothing is ever written
// relative to the working folder.
QString besideSource(const QString& sourceLocation, QStringView kind);
// The companion in the item data folder; empty without a project folder.
QString inItemDataFolder(const QString& projectFolder, const QString& name, QStringView kind);
// The one place where the item's companion of `kind` belongs.
QString location(const ItemRecord& item, const QString& projectFolder, const QString& jumpPointWord,
                 QStringView kind);

// Whether the companion is the item's own file: a text item "readme.txt" is its own information
// text, a picture item "photo.jpg" its own screenshot. The editor shows such a file but never
// writes or deletes it.
bool isItemsOwnFile(const ItemRecord& item, const QString& companionPath);

// A Windows-1252 text file as the lines of a plain text (the line ends become "\n"); nothing
// when the file cannot be read or is too large.
std::optional<QString> readText(const QString& path);
// Windows-1252, each line ended by CR LF. An existing read-only or hidden file is replaced; a
// symbolic link is never written through.
bool writeText(const QString& path, const QString& text);
// A JPEG file, whatever the picture came from. An existing read-only or hidden file is replaced; a
// symbolic link is never written through.
bool writePicture(const QString& path, const QImage& picture);
// Deletes an existing companion, read-only or not (a symbolic link itself, never its target).
// Empty on success, otherwise the reason the system gave.
QString remove(const QString& path);

} // namespace companion
