#pragma once

#include <QString>

struct ExportTable;

// The word-processor and spreadsheet exports, written as Office Open XML files without any office
// program. Each gives an empty string on success, otherwise the reason why the file could not be
// written.
namespace officeexport {

// A workbook with one worksheet, one cell per grid cell, the title row bold.
QString writeWorkbook(const ExportTable& table, const QString& path);
// A document with one table that holds the grid, the title row bold and repeated on every page.
QString writeDocument(const ExportTable& table, const QString& path);

} // namespace officeexport
