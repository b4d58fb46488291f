#include "TextExports.h"

#include "ExportTable.h"
#include "common/Cp1252.h"

#include <algorithm>

namespace textexport {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

QByteArray encoded(const QString& text) {
    return common::toCp1252(text);
}

// Cells go into the file as text: markup characters are escaped, and characters that the code
// page cannot hold become character references instead of question marks.
void appendHtmlText(QString& out, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
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
            break;
        }
        if (c.unicode() < 0x80) {
            out += c;
            continue;
        }
        char32_t code = c.unicode();
        qsizetype length = 1;
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, text[i + 1]);
            length = 2;
        }
        const QStringView piece = QStringView(text).mid(i, length);
        if (length == 1 && common::toCp1252(piece) != "?")
            out += c;
        else
            out += QStringLiteral("&#") + QString::number(quint32(code)) + u';';
        i += length - 1;
    }
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
    std::vector<qsizetype> widths(std::size_t(table.columnCount()), 0);
    for (const QStringList& row : table.rows)
        for (qsizetype c = 0; c < row.size() && std::size_t(c) < widths.size(); ++c)
            widths[std::size_t(c)] = std::max(widths[std::size_t(c)], row[c].size());
    QString out;
    for (const QStringList& row : table.rows) {
        for (qsizetype c = 0; c < row.size() && std::size_t(c) < widths.size(); ++c) {
            out += row[c].leftJustified(widths[std::size_t(c)], u' ');
            out += u' ';
        }
        out += kLineEnd;
    }
    return encoded(out);
}

QByteArray cvs(const ExportTable& table) {
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
    QString out = QStringLiteral("<table border=\"1\" cellspacing=\"0\" width=\"100%\">") + kLineEnd;
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
    return encoded(out);
}

} // namespace textexport
