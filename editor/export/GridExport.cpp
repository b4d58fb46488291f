#include "editor/export/GridExport.h"

#include "editor/export/ExportTable.h"
#include "editor/export/OfficeExports.h"
#include "editor/export/TextExports.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <filesystem>

namespace {

QString writeText(const QByteArray& bytes, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

// The office writers write their file in place: an existing file would be gone when writing fails
// half-way. They write a file beside it that replaces it only once it is complete.
QString writeBeside(QString (*writer)(const ExportTable&, const QString&), const ExportTable& table,
                    const QString& path) {
    const QFileInfo target(path);
    QTemporaryFile scratch(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                           QStringLiteral(".XXXXXX"));
    if (!scratch.open())
        return scratch.errorString();
    scratch.close();
    const QString failure = writer(table, scratch.fileName());
    if (!failure.isEmpty())
        return failure;
    const QFileDevice::Permissions permissions = target.exists()
                                                     ? QFile::permissions(path)
                                                     : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                           QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QFile::setPermissions(scratch.fileName(), permissions);
    // A rename replaces a link at `path` itself, never the file it points to.
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(scratch.fileName().toStdU16String()),
                            std::filesystem::path(path.toStdU16String()), error);
    if (error)
        return QString::fromLocal8Bit(error.message());
    scratch.setAutoRemove(false);
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

std::optional<ExportFormat> exportFormatOfFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"txt" || suffix == u"asc")
        return ExportFormat::Ascii;
    if (suffix == u"csv")
        return ExportFormat::Csv;
    if (suffix == u"docx")
        return ExportFormat::Word;
    if (suffix == u"xlsx")
        return ExportFormat::Excel;
    if (suffix == u"html" || suffix == u"htm")
        return ExportFormat::Html;
    return std::nullopt;
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
        return writeBeside(officeexport::writeDocument, table, path);
    case ExportFormat::Excel:
        return writeBeside(officeexport::writeWorkbook, table, path);
    }
    return {};
}
