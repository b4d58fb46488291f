#include "editor/project/ItemOrdering.h"

#include "editor/language/LanguageTables.h"
#include "editor/project/ItemTable.h"

#include <algorithm>

void recomputeRowColours(ItemTable& items, const QColor& color1, const QColor& color2) {
    std::vector<QColor> colours(items.itemCount());
    for (int r = 0; r < items.itemCount(); ++r) {
        if (r == 0)
            colours[r] = color1;
        else if (items.field(r, ItemField::Category) == items.field(r - 1, ItemField::Category))
            colours[r] = colours[r - 1];
        else
            colours[r] = colours[r - 1] == color1 ? color2 : color1;
    }
    items.setRowColours(std::move(colours));
}

void fullSort(ItemTable& items) {
    std::vector<ItemRecord> rows = items.records();
    const auto byField = [](int f) {
        return [f](const ItemRecord& a, const ItemRecord& b) { return QString::compare(a[f], b[f]) < 0; };
    };
    std::stable_sort(rows.begin(), rows.end(), byField(fieldIndex(ItemField::Name)));
    std::stable_sort(rows.begin(), rows.end(), byField(fieldIndex(ItemField::Category)));
    items.setRecords(std::move(rows));
}

void sortByField(ItemTable& items, int field, bool ascending) {
    std::vector<ItemRecord> rows = items.records();
    std::stable_sort(rows.begin(), rows.end(), [field, ascending](const ItemRecord& a, const ItemRecord& b) {
        const int c = QString::compare(a[field], b[field]);
        return ascending ? c < 0 : c > 0;
    });
    items.setRecords(std::move(rows));
}

void translateYesNoCells(ItemTable& items, const LanguageTables& language) {
    static const QStringList yesWords = {QStringLiteral("yes"), QStringLiteral("Yes"), QStringLiteral("ja"),
                                         QStringLiteral("Ja")};
    static const QStringList noWords = {QStringLiteral("no"), QStringLiteral("No"), QStringLiteral("nein"),
                                        QStringLiteral("Nein")};
    for (int r = 0; r < items.itemCount(); ++r) {
        for (int f = 0; f < kItemFieldCount; ++f) {
            const QString& cell = items.field(r, f);
            if (yesWords.contains(cell))
                items.setField(r, f, language.yesText());
            else if (noWords.contains(cell))
                items.setField(r, f, language.noText());
        }
    }
}
