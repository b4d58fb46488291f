#include "editor/gui/mainwindow/ItemGrid.h"

#include "editor/project/ItemTable.h"

#include <QHeaderView>
#include <QKeyEvent>

ItemGrid::ItemGrid(ItemTable* items, QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("allfiles"));
    setModel(items);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setShowGrid(true);
    setWordWrap(false);
    setAlternatingRowColors(false);
    setStyleSheet(QStringLiteral("QTableView { background: white; }"));

    QHeaderView* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(kRowHeight);
    rows->setMinimumSectionSize(kRowHeight);
    rows->setSectionsMovable(true);
    rows->setFixedWidth(50);
    connect(rows, &QHeaderView::sectionMoved, this, &ItemGrid::onRowSectionMoved);

    QHeaderView* columns = horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setDefaultSectionSize(50);
    columns->setHighlightSections(false);
    columns->setSortIndicatorShown(false);
}

int ItemGrid::gridColumnOfField(int field) const {
    const int visual = horizontalHeader()->visualIndex(field);
    return visual < 0 ? 0 : visual + 1;
}

int ItemGrid::fieldOfGridColumn(int column) const {
    return column < 1 ? -1 : horizontalHeader()->logicalIndex(column - 1);
}

int ItemGrid::currentItem() const {
    return std::max(0, currentIndex().row());
}

void ItemGrid::fitColumnsToTitles() {
    QHeaderView* columns = horizontalHeader();
    for (int field = 0; field < columns->count(); ++field) {
        if (!columns->isSectionHidden(field))
            columns->resizeSection(field,
                                   std::max(columns->sectionSize(field), columns->sectionSizeHint(field)));
    }
}

// The header only shows the drag; the rows themselves move in the item table, which is the
// project's order.
void ItemGrid::onRowSectionMoved(int, int oldVisual, int newVisual) {
    QHeaderView* rows = verticalHeader();
    {
        const QSignalBlocker blocker(rows);
        rows->moveSection(newVisual, oldVisual);
    }
    Q_EMIT itemRowMoved(oldVisual, newVisual);
}

void ItemGrid::keyReleaseEvent(QKeyEvent* event) {
    QTableView::keyReleaseEvent(event);
    if (event->isAutoRepeat())
        return;
    Q_EMIT keyReleased();
    if (event->key() == Qt::Key_Space)
        Q_EMIT spaceReleased();
}
