#pragma once

#include <QColor>
#include <QStringList>

#include <vector>

class ItemTable;

// The item grid as an export writes it: the title row first, then one row per item; every row
// starts with the empty row-header cell and holds the shown columns in their shown order.
struct ExportTable {
    std::vector<QStringList> rows;
    // The band colour of each row; the title row's entry is not used.
    std::vector<QColor> rowColours;
    // The colour of the title row and the row-header column.
    QColor fixedColour;

    int columnCount() const { return rows.empty() ? 0 : int(rows.front().size()); }
};

// The items as the grid shows them: `fields` in their shown order under their titles, each row in
// its band colour.
ExportTable exportTableOf(const ItemTable& items, const std::vector<int>& fields, const QColor& fixedColour);
