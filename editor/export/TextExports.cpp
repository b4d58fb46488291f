#include "editor/export/TextExports.h"

#include "common/Cp1252.h"
#include "editor/export/ExportTable.h"

#include <algorithm>

namespace textexport {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

QByteArray encoded(const QString& text) {
    return common::toCp1252(text);
}

// Cells go into the file as text: markup characters are escaped.
void appendHtmlText(QString& out, const QString& text) {
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += QStringLiteral("&amp;");
            continue;
        case u'<':
            out += QStringLiteral("&lt;");
            continue;
        case u'>':
            out += QStringLiteral("&gt;");
            continue;
        case u'"':
            out += QStringLiteral("&quot;");
            continue;
        case u'\r':
            continue;
        case u'\n':
            out += QStringLiteral("<br>");
            continue;
        default:
            out += c;
        }
    }
}

// A cell on one line: each line break, CR LF or alone, becomes one blank.
QString oneLine(const QString& cell) {
    QString line = cell;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(u'\r', u' ');
    line.replace(u'\n', u' ');
    return line;
}

QString htmlColour(const QColor& colour) {
    return QStringLiteral("#%1%2%3")
        .arg(colour.red(), 2, 16, QLatin1Char('0'))
        .arg(colour.green(), 2, 16, QLatin1Char('0'))
        .arg(colour.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace

QByteArray ascii(const ExportTable& table) {
    std::vector<QStringList> rows;
    rows.reserve(table.rows.size());
    for (const QStringList& row : table.rows) {
        QStringList cells;
        for (const QString& cell : row)
            cells.append(oneLine(cell));
        rows.push_back(std::move(cells));
    }
    std::vector<qsizetype> widths(std::size_t(table.columnCount()), 0);
    for (const QStringList& row : rows)
        for (qsizetype c = 0; c < row.size() && std::size_t(c) < widths.size(); ++c)
            widths[std::size_t(c)] = std::max(widths[std::size_t(c)], row[c].size());
    QString out;
    for (const QStringList& row : rows) {
        for (qsizetype c = 0; c < row.size() && std::size_t(c) < widths.size(); ++c) {
            out += row[c].leftJustified(widths[std::size_t(c)], u' ');
            out += u' ';
        }
        out += kLineEnd;
    }
    return encoded(out);
}

QByteArray csv(const ExportTable& table) {
    QString out;
    for (const QStringList& row : table.rows) {
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (c > 0)
                out += u',';
            const QString& cell = row[c];
            if (cell.isEmpty()) {
                out += QStringLiteral("\"\"");
            } else if (cell.contains(u',') || cell.contains(u'\n') || cell.contains(u'\r') ||
                       cell.contains(u'"')) {
                // Inner quotes are doubled, or a reader would end the cell at the first of them.
                QString quoted = cell;
                quoted.remove(u'\r');
                quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
                out += u'"' + quoted + u'"';
            } else {
                out += cell;
            }
        }
        out += kLineEnd;
    }
    return encoded(out);
}

QByteArray html(const ExportTable& table) {
    QString out = QStringLiteral("<meta charset=\"utf-8\">") + kLineEnd +
                  QStringLiteral("<table border=\"1\" cellspacing=\"0\" width=\"100%\">") + kLineEnd;
    const QString fixed = htmlColour(table.fixedColour);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const QStringList& row = table.rows[r];
        const bool titleRow = r == 0;
        const QString band =
            titleRow || r >= table.rowColours.size() ? fixed : htmlColour(table.rowColours[r]);
        out += QStringLiteral("<tr>");
        for (qsizetype c = 0; c < row.size(); ++c) {
            out += QStringLiteral("<td nowrap BGCOLOR=\"") + (titleRow || c == 0 ? fixed : band) +
                   QStringLiteral("\">");
            if (row[c].isEmpty()) {
                out += QStringLiteral("<br>");
            } else {
                if (titleRow)
                    out += QStringLiteral("<b>");
                appendHtmlText(out, row[c]);
                if (titleRow)
                    out += QStringLiteral("</b>");
            }
            out += QStringLiteral("</td>");
        }
        out += QStringLiteral("</tr>") + kLineEnd;
    }
    out += QStringLiteral("</table><p>") + kLineEnd;
    return out.toUtf8();
}

} // namespace textexport
