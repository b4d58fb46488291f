#include "editor/project/ItemOrdering.h"

#include "editor/language/LanguageTables.h"
#include "editor/project/ItemTable.h"

#include <algorithm>
#include <numeric>

namespace {

// One field of every row, read once: sorting compares each row many times.
std::vector<QString> column(const ItemTable& items, int field) {
    std::vector<QString> cells(std::size_t(items.itemCount()));
    for (int r = 0; r < items.itemCount(); ++r)
        cells[std::size_t(r)] = items.field(r, field);
    return cells;
}

std::vector<int> rowNumbers(const ItemTable& items) {
    std::vector<int> order(std::size_t(items.itemCount()));
    std::iota(order.begin(), order.end(), 0);
    return order;
}

} // namespace

void recomputeRowColours(ItemTable& items, const QColor& color1, const QColor& color2) {
    std::vector<QColor> colours(items.itemCount());
    QString previous;
    for (int r = 0; r < items.itemCount(); ++r) {
        QString category = items.field(r, ItemField::Category);
        if (r == 0)
            colours[r] = color1;
        else if (category == previous)
            colours[r] = colours[r - 1];
        else
            colours[r] = colours[r - 1] == color1 ? color2 : color1;
        previous = std::move(category);
    }
    items.setRowColours(std::move(colours));
}

void fullSort(ItemTable& items) {
    const std::vector<QString> categories = column(items, fieldIndex(ItemField::Category));
    const std::vector<QString> names = column(items, fieldIndex(ItemField::Name));
    std::vector<int> order = rowNumbers(items);
    // By category, then by name; rows alike in both keep their order.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (const int c = QString::compare(categories[std::size_t(a)], categories[std::size_t(b)]))
            return c < 0;
        return QString::compare(names[std::size_t(a)], names[std::size_t(b)]) < 0;
    });
    items.reorder(order);
}

void sortByField(ItemTable& items, int field, bool ascending) {
    const std::vector<QString> cells = column(items, field);
    std::vector<int> order = rowNumbers(items);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = QString::compare(cells[std::size_t(a)], cells[std::size_t(b)]);
        return ascending ? c < 0 : c > 0;
    });
    items.reorder(order);
}

void translateYesNoCells(ItemTable& items, const LanguageTables& language) {
    static const QStringList kYesWords = {QStringLiteral("yes"), QStringLiteral("Yes"), QStringLiteral("ja"),
                                          QStringLiteral("Ja")};
    static const QStringList kNoWords = {QStringLiteral("no"), QStringLiteral("No"), QStringLiteral("nein"),
                                         QStringLiteral("Nein")};
    for (int r = 0; r < items.itemCount(); ++r) {
        for (int f = 0; f < kItemFieldCount; ++f) {
            const QString cell = items.field(r, f);
            if (kYesWords.contains(cell))
                items.setField(r, f, language.yesText());
            else if (kNoWords.contains(cell))
                items.setField(r, f, language.noText());
        }
    }
}
