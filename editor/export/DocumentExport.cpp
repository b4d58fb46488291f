#include "editor/export/ExportTable.h"
#include "editor/export/OfficeExports.h"

#include <QFile>

#include <zip.h>

#include <vector>

namespace officeexport {

namespace {

// A4 landscape with half-inch margins, in twentieths of a point.
constexpr int kPageWidth = 16838;
constexpr int kPageHeight = 11906;
constexpr int kMargin = 720;

const char kContentTypes[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\r\n"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/word/document.xml" )"
    R"(ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
    R"(</Types>)";

const char kPackageRelations[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\r\n"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" )"
    R"(Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" )"
    R"(Target="word/document.xml"/></Relationships>)";

// Text as XML character data; characters that XML cannot carry at all are left out.
QString xmlText(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += QStringLiteral("&amp;");
            break;
        case u'<':
            out += QStringLiteral("&lt;");
            break;
        case u'>':
            out += QStringLiteral("&gt;");
            break;
        case u'"':
            out += QStringLiteral("&quot;");
            break;
        default:
            if (c.unicode() >= 0x20 || c == u'\t')
                out += c;
            else if (c == u'\n')
                out += QStringLiteral("</w:t><w:br/><w:t xml:space=\"preserve\">");
        }
    }
    return out;
}

QByteArray documentXml(const ExportTable& table) {
    const int columns = std::max(1, table.columnCount());
    const QString width = QString::number((kPageWidth - 2 * kMargin) / columns);
    const QString border = QStringLiteral(" w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>");
    QString xml = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
        "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>"
        "<w:tbl><w:tblPr><w:tblW w:w=\"0\" w:type=\"auto\"/><w:tblBorders>");
    for (const char16_t* side : {u"top", u"left", u"bottom", u"right", u"insideH", u"insideV"})
        xml += QStringLiteral("<w:") + QString::fromUtf16(side) + border;
    xml += QStringLiteral("</w:tblBorders></w:tblPr><w:tblGrid>");
    for (int c = 0; c < table.columnCount(); ++c)
        xml += QStringLiteral("<w:gridCol w:w=\"") + width + QStringLiteral("\"/>");
    xml += QStringLiteral("</w:tblGrid>");
    const QString cellStart = QStringLiteral("<w:tc><w:tcPr><w:tcW w:w=\"") + width +
                              QStringLiteral("\" w:type=\"dxa\"/></w:tcPr><w:p>");
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const bool titleRow = r == 0;
        xml += titleRow ? QStringLiteral("<w:tr><w:trPr><w:tblHeader/></w:trPr>") : QStringLiteral("<w:tr>");
        for (const QString& cell : table.rows[r]) {
            xml += cellStart;
            if (!cell.isEmpty()) {
                xml += titleRow ? QStringLiteral("<w:r><w:rPr><w:b/></w:rPr>") : QStringLiteral("<w:r>");
                xml += QStringLiteral("<w:t xml:space=\"preserve\">") + xmlText(cell) +
                       QStringLiteral("</w:t></w:r>");
            }
            xml += QStringLiteral("</w:p></w:tc>");
        }
        xml += QStringLiteral("</w:tr>");
    }
    // A document body may not end in a table.
    xml += QStringLiteral("</w:tbl><w:p/><w:sectPr><w:pgSz w:w=\"%1\" w:h=\"%2\" w:orient=\"landscape\"/>"
                          "<w:pgMar w:top=\"%3\" w:right=\"%3\" w:bottom=\"%3\" w:left=\"%3\" w:header=\"0\" "
                          "w:footer=\"0\" w:gutter=\"0\"/></w:sectPr></w:body></w:document>")
               .arg(kPageWidth)
               .arg(kPageHeight)
               .arg(kMargin);
    return xml.toUtf8();
}

QString zipErrorText(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

} // namespace

QString writeDocument(const ExportTable& table, const QString& path) {
    const std::vector<std::pair<const char*, QByteArray>> parts = {
        {"[Content_Types].xml", QByteArray(kContentTypes)},
        {"_rels/.rels", QByteArray(kPackageRelations)},
        {"word/document.xml", documentXml(table)},
    };
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive)
        return zipErrorText(code);
    for (const auto& [name, bytes] : parts) {
        // The buffers outlive the archive, which reads them when it is closed.
        zip_source_t* source = zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        const zip_int64_t index = source ? zip_file_add(archive, name, source, ZIP_FL_ENC_UTF_8) : -1;
        // The markup repeats itself; light compression already shrinks it most of the way.
        if (index < 0 || zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 1) < 0) {
            if (source && index < 0)
                zip_source_free(source);
            const QString reason = QString::fromUtf8(zip_strerror(archive));
            zip_discard(archive);
            return reason;
        }
    }
    if (zip_close(archive) < 0) {
        const QString reason = QString::fromUtf8(zip_strerror(archive));
        zip_discard(archive);
        return reason;
    }
    return {};
}

} // namespace officeexport
