#pragma once

#include <QString>

struct ExportTable;

// The five formats of the Export menu, in menu order.
enum class ExportFormat { Ascii = 0, Cvs, Word, Excel, Html };

struct ExportFormatInfo {
    QString defaultSuffix;
    QString filter;
};

ExportFormatInfo exportFormatInfo(ExportFormat format);

// Writes the table to `path`; an empty result means success, otherwise it is the reason why
// the file could not be written.
QString writeGridExport(ExportFormat format, const ExportTable& table, const QString& path);
