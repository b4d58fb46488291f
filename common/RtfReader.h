#pragma once

#include <QByteArrayView>

#include <limits>

class QTextDocument;

namespace common {

// Whether a file's text is rich text: it opens with "{\rtf" (blanks before it allowed).
bool looksLikeRtf(QByteArrayView data);

// Reads rich text into `document`, replacing its content, with the formatting that information
// texts use: bold, italic, underline, strike-through, font sizes and faces, text and highlight
// colours, paragraph alignment and indents, line breaks and tabs, special characters and
// Unicode. Pictures, objects, headers, footers and document information are left out; 8-bit
// characters are read as Windows-1252. Damaged or truncated input gives whatever text it holds.
// Reading ends after `maxLines` lines (paragraphs and line breaks), so that a text of nothing but
// line breaks cannot fill memory.
void readRtf(QByteArrayView data, QTextDocument* document,
             qsizetype maxLines = std::numeric_limits<qsizetype>::max());

} // namespace common
