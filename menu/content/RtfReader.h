#pragma once

#include <QByteArrayView>

class QTextDocument;

namespace menu {

// Whether a file's text is rich text: it opens with "{\rtf" (blanks before it allowed).
bool looksLikeRtf(QByteArrayView data);

// Reads rich text into `document`, replacing its content, with the formatting that information
// texts use: bold, italic, underline, strike-through, font sizes and faces, text and highlight
// colours, paragraph alignment and indents, line breaks and tabs, special characters and
// Unicode. Pictures, objects, headers, footers and document information are left out; 8-bit
// characters are read as Windows-1252. Damaged or truncated input gives whatever text it holds.
void readRtf(QByteArrayView data, QTextDocument* document);

} // namespace menu
