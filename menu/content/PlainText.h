#pragma once

#include <QByteArrayView>
#include <QString>

namespace menu {

// How the bytes of a plain text are read: information texts are Windows-1252, the NFO and
// File_id.diz texts of zip archives DOS code page 437.
enum class TextEncoding { Windows1252, Dos437 };

// A plain text as the information window shows it: decoded, with "\n" for every kind of line end,
// without the end-of-file marks of DOS texts, and at most `maxLines` lines long (one at least).
QString readPlainText(QByteArrayView bytes, TextEncoding encoding, qsizetype maxLines);

// A text from a disc as a tool tip: Qt takes a tool tip that looks like markup for rich text, and
// rich text loads the pictures it names (<img src="/dev/zero">). Such a text is escaped, so that
// it shows as written; any other text stays as it is.
QString plainToolTip(const QString& text);

} // namespace menu
