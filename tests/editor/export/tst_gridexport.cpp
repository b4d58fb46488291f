// The five exports of the item grid, read back as the programs that open them would.
#include "common/Cp1252.h"
#include "editor/export/ExportTable.h"
#include "editor/export/GridExport.h"
#include "editor/export/TextExports.h"
#include "tests/editor/export/OfficeReader.h"
#include "tests/support/SkipUnlessCi.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QColor kSilver(192, 192, 192);
const QColor kFixed(212, 208, 200);

// The title row and the given item rows, each behind its empty row-header cell.
ExportTable tableOf(const QStringList& titles, const std::vector<QStringList>& items) {
    ExportTable table;
    table.fixedColour = kFixed;
    table.rows.push_back(QStringList{QString()} + titles);
    table.rowColours.push_back(kFixed);
    for (const QStringList& item : items) {
        table.rows.push_back(QStringList{QString()} + item);
        table.rowColours.push_back(table.rowColours.size() % 2 ? kSilver : QColor(Qt::white));
    }
    return table;
}

// Cells with every kind of text that a careless writer loses: Windows-1252-only letters, a comma,
// quotes, markup characters and a line break.
ExportTable awkwardTable() {
    return tableOf({QStringLiteral("Name"), QStringLiteral("Description"), QStringLiteral("Copy")},
                   {{QStringLiteral("Bär € Tool"), QStringLiteral("fast, small"), QStringLiteral("yes")},
                    {QStringLiteral("a<b>&c"), QStringLiteral("12\" disc"), QString()},
                    {QStringLiteral("two\r\nlines"), QString(), QStringLiteral("no")}});
}

QStringList lines(const QByteArray& bytes) {
    QStringList result = common::fromCp1252(bytes).split(QStringLiteral("\r\n"));
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}

// The cells of a table as a reader of the exported file sees them: line breaks without carriage
// returns, empty trailing cells left out.
officereader::Rows expectedCells(const ExportTable& table) {
    officereader::Rows rows;
    for (QStringList row : table.rows) {
        for (QString& cell : row)
            cell.remove(u'\r');
        while (!row.isEmpty() && row.last().isEmpty())
            row.removeLast();
        rows.push_back(row);
    }
    return rows;
}

officereader::Rows withoutTrailingEmptyCells(officereader::Rows rows) {
    for (QStringList& row : rows)
        while (!row.isEmpty() && row.last().isEmpty())
            row.removeLast();
    return rows;
}

} // namespace

class TestGridExport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyItemRowInEveryTextFormat();
    void csvQuoting();
    void asciiColumnsAndHtmlMarkup();
    void officeFilesHoldEveryCell();
    void unwritableFileIsReported();
    void officeFilesOpenInLibreOffice();
};

void TestGridExport::emptyItemRowInEveryTextFormat() {
    const ExportTable table =
        tableOf({QStringLiteral("Name"), QStringLiteral("Serial")}, {{QString(), QString()}});

    QCOMPARE(lines(textexport::csv(table)),
             (QStringList{QStringLiteral("\"\",Name,Serial"), QStringLiteral("\"\",\"\",\"\"")}));

    const QStringList html = lines(textexport::html(table));
    QCOMPARE(html.first(), QStringLiteral("<meta charset=\"utf-8\">"));
    QCOMPARE(html[1], QStringLiteral("<table border=\"1\" cellspacing=\"0\" width=\"100%\">"));
    QCOMPARE(html.last(), QStringLiteral("</table><p>"));
    QCOMPARE(html.size(), 5);
    QCOMPARE(html[2], QStringLiteral("<tr><td nowrap BGCOLOR=\"#D4D0C8\"><br></td>"
                                     "<td nowrap BGCOLOR=\"#D4D0C8\"><b>Name</b></td>"
                                     "<td nowrap BGCOLOR=\"#D4D0C8\"><b>Serial</b></td></tr>"));
    // The row-header cell keeps the fixed colour, the item cells take their band colour.
    QCOMPARE(html[3], QStringLiteral("<tr><td nowrap BGCOLOR=\"#D4D0C8\"><br></td>"
                                     "<td nowrap BGCOLOR=\"#C0C0C0\"><br></td>"
                                     "<td nowrap BGCOLOR=\"#C0C0C0\"><br></td></tr>"));

    // The empty row-header column is one blank wide.
    QCOMPARE(lines(textexport::ascii(table)),
             (QStringList{QStringLiteral(" Name Serial "), QString(1 + 5 + 7, u' ')}));
}

void TestGridExport::csvQuoting() {
    const QStringList rows = lines(textexport::csv(awkwardTable()));
    QCOMPARE(rows.size(), 4);
    // The comma stays inside its cell; the Windows-1252 letters survive the encoding.
    QCOMPARE(rows[1], QStringLiteral("\"\",Bär € Tool,\"fast, small\",yes"));
    // A quote inside a cell is doubled, or a reader would end the cell there.
    QCOMPARE(rows[2], QStringLiteral("\"\",a<b>&c,\"12\"\" disc\",\"\""));
    // A line break keeps the cell in quotes and loses its carriage return.
    QCOMPARE(rows[3], QStringLiteral("\"\",\"two\nlines\",\"\",no"));
}

void TestGridExport::asciiColumnsAndHtmlMarkup() {
    const ExportTable table = tableOf({QStringLiteral("Name"), QStringLiteral("Size")},
                                      {{QStringLiteral("Setup program"), QStringLiteral("1")},
                                       {QStringLiteral("x"), QStringLiteral("12345")}});
    const auto padded = [](const char16_t* text, int width) {
        return QString::fromUtf16(text).leftJustified(width, u' ') + u' ';
    };
    QCOMPARE(lines(textexport::ascii(table)),
             (QStringList{u' ' + padded(u"Name", 13) + padded(u"Size", 5),
                          u' ' + padded(u"Setup program", 13) + padded(u"1", 5),
                          u' ' + padded(u"x", 13) + padded(u"12345", 5)}));

    const QString html = QString::fromUtf8(textexport::html(awkwardTable()));
    // Cell texts are text, not markup; a line break shows as one.
    QVERIFY(html.contains(QStringLiteral(">a&lt;b&gt;&amp;c</td>")));
    QVERIFY(html.contains(QStringLiteral(">12&quot; disc</td>")));
    QVERIFY(html.contains(QStringLiteral(">two<br>lines</td>")));
    QVERIFY(html.contains(QStringLiteral(">Bär € Tool</td>")));
    // UTF-8 keeps every character, also those beyond any code page.
    const ExportTable world = tableOf({QStringLiteral("Name")}, {{QStringLiteral("Ωmega Привет 中文 😀")}});
    QVERIFY(QString::fromUtf8(textexport::html(world)).contains(QStringLiteral(">Ωmega Привет 中文 😀</td>")));

    // A line break in a cell leaves its ASCII row on one line, the break a blank.
    const QStringList rows = lines(textexport::ascii(awkwardTable()));
    QCOMPARE(rows.size(), 4);
    QVERIFY(rows[3].startsWith(QStringLiteral(" two lines ")));
}

void TestGridExport::officeFilesHoldEveryCell() {
    QTemporaryDir dir;
    const ExportTable table = awkwardTable();
    const QString workbook = dir.filePath(QStringLiteral("items.xlsx"));
    QCOMPARE(writeGridExport(ExportFormat::Excel, table, workbook), QString());
    QList<int> styledRows;
    QCOMPARE(withoutTrailingEmptyCells(officereader::workbookCells(workbook, &styledRows)),
             expectedCells(table));
    QCOMPARE(styledRows, QList<int>{0});

    const QString document = dir.filePath(QStringLiteral("items.docx"));
    QCOMPARE(writeGridExport(ExportFormat::Word, table, document), QString());
    const officereader::Rows cells = officereader::documentCells(document);
    // Every row of the table has every cell, empty ones included.
    QCOMPARE(int(cells.size()), 4);
    for (const QStringList& row : cells)
        QCOMPARE(row.size(), 4);
    QCOMPARE(withoutTrailingEmptyCells(cells), expectedCells(table));
    for (const char* part : {"[Content_Types].xml", "_rels/.rels"})
        QVERIFY(!officereader::entry(document, part).isEmpty());
}

void TestGridExport::unwritableFileIsReported() {
    QTemporaryDir dir;
    const ExportTable table = awkwardTable();
    const QString missingFolder = dir.filePath(QStringLiteral("gone/items."));
    for (ExportFormat format : {ExportFormat::Ascii, ExportFormat::Csv, ExportFormat::Word,
                                ExportFormat::Excel, ExportFormat::Html}) {
        const QString path = missingFolder + exportFormatInfo(format).defaultSuffix;
        QVERIFY2(!writeGridExport(format, table, path).isEmpty(), qPrintable(path));
        QVERIFY(!QFile::exists(path));
    }
}

void TestGridExport::officeFilesOpenInLibreOffice() {
    const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (office.isEmpty())
        SKIP_UNLESS_CI("LibreOffice (soffice) is not installed");
    QTemporaryDir dir;
    const ExportTable table = tableOf({QStringLiteral("Name"), QStringLiteral("Description")},
                                      {{QStringLiteral("Bär"), QStringLiteral("fast, small")},
                                       {QStringLiteral("€ tool"), QStringLiteral("x")}});
    const QString workbook = dir.filePath(QStringLiteral("items.xlsx"));
    const QString document = dir.filePath(QStringLiteral("items.docx"));
    QCOMPARE(writeGridExport(ExportFormat::Excel, table, workbook), QString());
    QCOMPARE(writeGridExport(ExportFormat::Word, table, document), QString());
    const auto convert = [&](const QString& file, const QString& target) {
        QProcess process;
        process.start(office, {QStringLiteral("-env:UserInstallation=file://") +
                                   dir.filePath(QStringLiteral("profile")),
                               QStringLiteral("--headless"), QStringLiteral("--convert-to"), target,
                               QStringLiteral("--outdir"), dir.path(), file});
        QVERIFY(process.waitForFinished(120000));
    };
    // UTF-8 CSV of the sheet, plain UTF-8 text of the document.
    convert(workbook, QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"));
    QFile csv(dir.filePath(QStringLiteral("items.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QString sheet = QString::fromUtf8(csv.readAll());
    QCOMPARE(sheet.split(u'\n', Qt::SkipEmptyParts).first().trimmed(), QStringLiteral(",Name,Description"));
    QVERIFY(sheet.contains(QStringLiteral(",Bär,\"fast, small\"")));
    QVERIFY(sheet.contains(QStringLiteral(",€ tool,x")));

    convert(document, QStringLiteral("txt:Text (encoded):UTF8"));
    QFile text(dir.filePath(QStringLiteral("items.txt")));
    QVERIFY(text.open(QIODevice::ReadOnly));
    const QString words = QString::fromUtf8(text.readAll());
    for (const QString& cell : {QStringLiteral("Bär"), QStringLiteral("fast, small"),
                                QStringLiteral("€ tool"), QStringLiteral("Description")})
        QVERIFY2(words.contains(cell), qPrintable(cell));
}

QTEST_GUILESS_MAIN(TestGridExport)
#include "tst_gridexport.moc"
