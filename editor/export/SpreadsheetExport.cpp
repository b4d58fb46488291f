#include "editor/export/ExportTable.h"
#include "editor/export/OfficeExports.h"

#include <QFile>

#include <xlsxwriter.h>

namespace officeexport {

QString writeWorkbook(const ExportTable& table, const QString& path) {
    const QByteArray file = QFile::encodeName(path);
    // Rows are written in order, so the workbook need not hold them all; its cells carry their
    // strings themselves.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* workbook = workbook_new_opt(file.constData(), &options);
    if (!workbook)
        return QString::fromUtf8(lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED));
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);

    lxw_error failure = LXW_NO_ERROR;
    for (std::size_t r = 0; r < table.rows.size() && failure == LXW_NO_ERROR; ++r) {
        const QStringList& row = table.rows[r];
        for (qsizetype c = 0; c < row.size() && failure == LXW_NO_ERROR; ++c) {
            if (row[c].isEmpty())
                continue;
            // A line break in a cell is a line feed alone.
            const QByteArray text = QString(row[c]).remove(u'\r').toUtf8();
            failure = worksheet_write_string(sheet, lxw_row_t(r), lxw_col_t(c), text.constData(),
                                             r == 0 ? bold : nullptr);
        }
    }
    // The workbook is closed in any case, so that its temporary files go.
    const lxw_error closing = workbook_close(workbook);
    if (closing != LXW_NO_ERROR)
        return QString::fromUtf8(lxw_strerror(closing));
    if (failure != LXW_NO_ERROR) {
        // A workbook without all its cells is no export.
        QFile::remove(path);
        return QString::fromUtf8(lxw_strerror(failure));
    }
    return {};
}

} // namespace officeexport
