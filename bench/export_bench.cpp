// Exports a grid of 10,000 items to each of the five formats and searches it for a text that only
// the last cell holds, and prints the milliseconds of each.
#include "editor/export/ExportTable.h"
#include "editor/export/GridExport.h"
#include "editor/project/GridFind.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    constexpr int kItems = 10000;
    constexpr int kFields = 12;
    ExportTable table;
    table.fixedColour = QColor(212, 208, 200);
    QStringList titles{QString()};
    for (int f = 0; f < kFields; ++f)
        titles.append(QStringLiteral("Field %1").arg(f));
    table.rows.push_back(titles);
    table.rowColours.push_back(table.fixedColour);
    for (int i = 0; i < kItems; ++i) {
        QStringList row{QString()};
        for (int f = 0; f < kFields; ++f)
            row.append(QStringLiteral("Item %1 field %2, ä €").arg(i).arg(f));
        table.rows.push_back(row);
        table.rowColours.push_back(i % 2 ? QColor(Qt::white) : QColor(192, 192, 192));
    }
    table.rows.back().last() = QStringLiteral("needle");

    QTemporaryDir dir;
    const char* names[] = {"ASCII", "CVS", "Word", "Excel", "HTML"};
    for (int format = 0; format < 5; ++format) {
        const auto chosen = static_cast<ExportFormat>(format);
        const QString path = dir.filePath(QStringLiteral("grid.") + exportFormatInfo(chosen).defaultSuffix);
        QElapsedTimer timer;
        timer.start();
        const QString failure = writeGridExport(chosen, table, path);
        std::printf("export %-6s %6lld ms  %8lld bytes%s\n", names[format], timer.elapsed(),
                    QFileInfo(path).size(), failure.isEmpty() ? "" : "  FAILED");
    }

    gridfind::Options options;
    options.text = QStringLiteral("needle");
    const gridfind::CellText text = [&](int row, int column) {
        return table.rows[std::size_t(row) + 1][column + 1];
    };
    for (const auto order : {gridfind::Order::TopDown, gridfind::Order::LeftRight}) {
        options.order = order;
        QElapsedTimer timer;
        timer.start();
        const auto found = gridfind::findCell(kItems, kFields, text, options, {}, std::nullopt);
        std::printf("find %-10s %6lld ms  %s\n",
                    order == gridfind::Order::TopDown ? "top-down" : "left-right", timer.elapsed(),
                    found ? "found" : "NOT FOUND");
    }
    return 0;
}
