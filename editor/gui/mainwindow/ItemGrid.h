#pragma once

#include <QTableView>

class ItemTable;

// The item grid: a fixed title row and row-header column around the item fields. The header's
// logical index is the field, its visual index the grid column (minus one), so moved columns keep
// their fields. Rows can be moved by dragging their header; cells are never edited in place.
class ItemGrid : public QTableView {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 17;

    explicit ItemGrid(ItemTable* items, QWidget* parent = nullptr);

    // Grid columns count from 1; 0 is the row-header column.
    int gridColumnOfField(int field) const;
    // -1 when the column shows no field.
    int fieldOfGridColumn(int column) const;
    int currentItem() const;
    // Widens every shown column that is narrower than its title, so no title is cut; wider columns
    // keep their width.
    void fitColumnsToTitles();

Q_SIGNALS:
    void itemRowMoved(int from, int to);
    void spaceReleased();
    void keyReleased();

protected:
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void onRowSectionMoved(int logical, int oldVisual, int newVisual);
};
