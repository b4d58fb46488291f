#pragma once

#include <QByteArray>

struct ExportTable;

// The three text exports, in Windows-1252 with CR LF line ends like every text file of the editor.
namespace textexport {

// Fixed-width columns, each as wide as its longest text, every cell followed by one blank.
QByteArray ascii(const ExportTable& table);
// Comma-separated cells; an empty cell is "" and a cell holding a comma, a line break or a double
// quote is enclosed in double quotes.
QByteArray cvs(const ExportTable& table);
// One HTML table with the grid's colours, to be pasted into a page.
QByteArray html(const ExportTable& table);

} // namespace textexport
