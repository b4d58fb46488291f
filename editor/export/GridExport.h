#pragma once

#include <QString>

#include <optional>

struct ExportTable;

// The five formats of the Export menu, in menu order.
enum class ExportFormat { Ascii = 0, Csv, Word, Excel, Html };

struct ExportFormatInfo {
    QString defaultSuffix;
    QString filter;
};

ExportFormatInfo exportFormatInfo(ExportFormat format);
// The format a file's name asks for by its extension (.txt or .asc, .csv, .docx, .xlsx, .html or
// .htm, in any letter case); none for any other.
std::optional<ExportFormat> exportFormatOfFile(const QString& path);
// The formats written as Windows-1252 text, which cannot hold every character.
bool isCodePageFormat(ExportFormat format);

// Writes the table to `path`; an empty result means success, otherwise it is the reason why
// the file could not be written.
QString writeGridExport(ExportFormat format, const ExportTable& table, const QString& path);
