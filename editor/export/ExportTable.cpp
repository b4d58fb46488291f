#include "editor/export/ExportTable.h"

#include "editor/project/ItemTable.h"

ExportTable exportTableOf(const ItemTable& items, const std::vector<int>& fields, const QColor& fixedColour) {
    ExportTable table;
    table.fixedColour = fixedColour;
    QStringList titles{QString()};
    for (int field : fields)
        titles.append(items.titles()[std::size_t(field)]);
    table.rows.reserve(std::size_t(items.itemCount()) + 1);
    table.rows.push_back(titles);
    table.rowColours.push_back(table.fixedColour);
    for (int row = 0; row < items.itemCount(); ++row) {
        QStringList cells{QString()};
        for (int field : fields)
            cells.append(items.field(row, field));
        table.rows.push_back(std::move(cells));
        table.rowColours.push_back(items.rowColour(row));
    }
    return table;
}
