#pragma once

#include "common/WebAddress.h"

#include <QString>

namespace menu {

// Where an item leads: a file or folder below the disc root, or an address.
struct ItemTarget {
    enum class Kind { File, Folder, Address };
    QString path; // host path; a folder ends in a separator; an address as written
    Kind kind = Kind::File;
};

// Whether a value is an address for the browser; shared with the editor's web menu.
using common::isAddress;

// The item's `pfad` resolved as the disc build meant it: a trailing "JUMP POINT" (any case) leaves
// the folder; addresses stay as written; anything else lies below the drive prefix,
// behind the project root rest when there is one. Disc paths use backslashes; the result uses the
// native separator.
ItemTarget resolveTarget(const QString& rawTarget, const QString& drivePrefix, const QString& rootRest);

// The same target on this machine's file system: when the exact spelling does not exist, the path
// found below the drive prefix without regard to letter case (a disc written on Windows may spell
// its folders differently from its member files).
ItemTarget locateTarget(const ItemTarget& target, const QString& drivePrefix);

// The item's target as the viewer's machine has it: resolved and located as above; when nothing
// lies there (a disc copied to a stick, a share or any other folder, with the project folder not
// on this machine), the same disc path below `discRoot`, the folder that holds the menu program,
// provided something lies there.
ItemTarget findTarget(const QString& rawTarget, const QString& drivePrefix, const QString& rootRest,
                      const QString& discRoot);

// The item's companion file (".txt" information text, ".jpg" screenshot): the target's folder and
// base name with that extension.
QString companionBesideTarget(const QString& targetPath, const QString& extension);

// The extension of a target: the text after the last dot of its last path component.
QString targetExtension(const QString& targetPath);

} // namespace menu
