#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace common {

// Windows-1252 ("ANSI") text, the encoding of every INI and text file of both programs.
// The five bytes that the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the
// control characters of the same number, so every byte sequence survives a round trip.
QString fromCp1252(QByteArrayView bytes);

// Characters that the code page cannot hold become '?'.
QByteArray toCp1252(QStringView text);

// The characters of `text` that the code page cannot hold (and toCp1252 would turn into '?'), each
// once, in the order they first appear; empty when the text can be stored whole.
QString unencodableCharacters(QStringView text);

} // namespace common
