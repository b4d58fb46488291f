#pragma once

#include <QString>

// The disc's volume name in each naming system of the image, made from the CD name.
namespace volumename {

// ISO 9660 allows 32 characters of A-Z, 0-9 and the underscore.
inline constexpr qsizetype kIsoLength = 32;
// Joliet allows 16 UCS-2 characters without * / : ; ? and backslash.
inline constexpr qsizetype kJolietLength = 16;

// Upper case, letters with marks without them (Ü -> U, ß -> SS); every other character becomes an
// underscore; "CDROM" when nothing is left.
QString iso(const QString& cdName);
// The name as typed, with the characters that Joliet forbids (and controls) as underscores.
QString joliet(const QString& cdName);
// What the image writer is given: the Joliet name, at most as long as the ISO name may be, so that
// the ISO name keeps all that it can hold and Joliet takes its first 16 characters.
QString forImage(const QString& cdName);

} // namespace volumename
