#include "editor/export/GridExport.h"

#include "editor/export/ExportTable.h"
#include "editor/export/OfficeExports.h"
#include "editor/export/TextExports.h"

#include <QSaveFile>

namespace {

QString writeText(const QByteArray& bytes, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

} // namespace

ExportFormatInfo exportFormatInfo(ExportFormat format) {
    switch (format) {
    case ExportFormat::Ascii:
        return {QStringLiteral("asc"), QStringLiteral("ASCII|*.asc")};
    case ExportFormat::Csv:
        return {QStringLiteral("csv"), QStringLiteral("CSV (*.csv)|*.csv")};
    case ExportFormat::Word:
        return {QStringLiteral("docx"), QStringLiteral("Word|*.docx")};
    case ExportFormat::Excel:
        return {QStringLiteral("xlsx"), QStringLiteral("Excel|*.xlsx")};
    case ExportFormat::Html:
        return {QStringLiteral("html"), QStringLiteral("HTML|*.html")};
    }
    return {};
}

bool isCodePageFormat(ExportFormat format) {
    return format == ExportFormat::Ascii || format == ExportFormat::Csv;
}

QString writeGridExport(ExportFormat format, const ExportTable& table, const QString& path) {
    switch (format) {
    case ExportFormat::Ascii:
        return writeText(textexport::ascii(table), path);
    case ExportFormat::Csv:
        return writeText(textexport::csv(table), path);
    case ExportFormat::Html:
        return writeText(textexport::html(table), path);
    case ExportFormat::Word:
        return officeexport::writeDocument(table, path);
    case ExportFormat::Excel:
        return officeexport::writeWorkbook(table, path);
    }
    return {};
}
