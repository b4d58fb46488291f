#pragma once
// Reads exported Office Open XML files back into rows of cell texts, through libzip and the XML
// parts themselves, so that tests see what an office program would find in them.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <zip.h>

#include <vector>

namespace officereader {

using Rows = std::vector<QStringList>;

inline QByteArray entry(const QString& archivePath, const char* name) {
    int error = 0;
    zip_t* archive = zip_open(archivePath.toLocal8Bit().constData(), ZIP_RDONLY, &error);
    if (!archive)
        return {};
    QByteArray bytes;
    zip_stat_t stat;
    if (zip_stat(archive, name, 0, &stat) == 0) {
        if (zip_file_t* file = zip_fopen(archive, name, 0)) {
            bytes.resize(qsizetype(stat.size));
            if (zip_fread(file, bytes.data(), stat.size) != zip_int64_t(stat.size))
                bytes.clear();
            zip_fclose(file);
        }
    }
    zip_close(archive);
    return bytes;
}

// Row and column of a cell reference such as "C12", both from 0.
inline std::pair<int, int> cellPosition(QStringView reference) {
    int column = 0;
    qsizetype i = 0;
    for (; i < reference.size() && reference[i].isLetter(); ++i)
        column = column * 26 + (reference[i].unicode() - u'A' + 1);
    return {reference.mid(i).toInt() - 1, column - 1};
}

inline void put(Rows& rows, int row, int column, const QString& text) {
    if (row < 0 || column < 0)
        return;
    if (rows.size() <= std::size_t(row))
        rows.resize(std::size_t(row) + 1);
    QStringList& cells = rows[std::size_t(row)];
    while (cells.size() <= column)
        cells.append(QString());
    cells[column] = text;
}

// The first worksheet's cells; `boldRows` receives the rows whose cells carry a bold style.
inline Rows workbookCells(const QString& path, QList<int>* styledRows = nullptr) {
    QStringList shared;
    QXmlStreamReader strings(entry(path, "xl/sharedStrings.xml"));
    QString current;
    bool inItem = false;
    while (!strings.atEnd()) {
        strings.readNext();
        if (strings.isStartElement() && strings.name() == u"si") {
            inItem = true;
            current.clear();
        } else if (strings.isStartElement() && strings.name() == u"t" && inItem) {
            current += strings.readElementText();
        } else if (strings.isEndElement() && strings.name() == u"si") {
            shared.append(current);
            inItem = false;
        }
    }
    Rows rows;
    QXmlStreamReader sheet(entry(path, "xl/worksheets/sheet1.xml"));
    std::pair<int, int> at{-1, -1};
    QString type;
    while (!sheet.atEnd()) {
        sheet.readNext();
        if (!sheet.isStartElement())
            continue;
        if (sheet.name() == u"c") {
            at = cellPosition(sheet.attributes().value(QStringLiteral("r")));
            type = sheet.attributes().value(QStringLiteral("t")).toString();
            if (styledRows && sheet.attributes().hasAttribute(QStringLiteral("s")) &&
                !styledRows->contains(at.first))
                styledRows->append(at.first);
        } else if (sheet.name() == u"v") {
            const QString value = sheet.readElementText();
            put(rows, at.first, at.second, type == u"s" ? shared.value(value.toInt()) : value);
        } else if (sheet.name() == u"t") {
            put(rows, at.first, at.second, sheet.readElementText());
        }
    }
    return rows;
}

// The cells of the document's table, row by row; line breaks become "\n".
inline Rows documentCells(const QString& path) {
    Rows rows;
    QXmlStreamReader xml(entry(path, "word/document.xml"));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"tr") {
            rows.emplace_back();
        } else if (xml.isStartElement() && xml.name() == u"tc") {
            rows.back().append(QString());
        } else if (xml.isStartElement() && xml.name() == u"t") {
            rows.back().last() += xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == u"br") {
            rows.back().last() += u'\n';
        }
    }
    return rows;
}

} // namespace officereader
