#pragma once

#include <QByteArray>

struct ExportTable;

// The three text exports, with CR LF line ends like every text file of the editor.
namespace textexport {

// Fixed-width columns, each as wide as its longest text, every cell followed by one blank; one
// line per row, so a line break inside a cell becomes a blank. Windows-1252.
QByteArray ascii(const ExportTable& table);
// Comma-separated cells; an empty cell is "" and a cell holding a comma, a line break or a double
// quote is enclosed in double quotes. Windows-1252.
QByteArray csv(const ExportTable& table);
// One HTML table with the grid's colours, to be pasted into a page; UTF-8, as its first line says,
// so that every character survives.
QByteArray html(const ExportTable& table);

} // namespace textexport
