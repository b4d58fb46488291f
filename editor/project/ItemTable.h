#pragma once

#include "editor/project/ItemField.h"
#include "editor/project/ItemRows.h"

#include <QAbstractTableModel>
#include <QColor>

#include <vector>

// The project's items: one row per item, one column per field, and the colour of each row.
// This is the project's only item store; the grid shows it and every dialog reads and writes it.
// It always holds at least one row: an empty project is one row of empty fields.
class ItemTable : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ItemTable(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int itemCount() const { return m_rows.size(); }
    QString field(int row, int field) const { return m_rows.field(row, field); }
    QString field(int row, ItemField f) const { return field(row, fieldIndex(f)); }
    void setField(int row, int field, const QString& text);
    void setField(int row, ItemField f, const QString& text) { setField(row, fieldIndex(f), text); }
    ItemRecord record(int row) const { return m_rows.record(row); }
    void setRecord(int row, const ItemRecord& record);

    // Replaces every row (no rows give one empty row); the row colours are cleared.
    void setRecords(ItemRows rows);
    void appendRecord(const ItemRecord& record);
    // Appends many rows at once, which a view takes in far faster than one by one.
    void appendRecords(const ItemRows& rows);
    // Puts the rows in the order given: order[i] is the row that comes to place i.
    void reorder(const std::vector<int>& order);
    // Removes a row; the only row is emptied instead.
    void removeItem(int row);
    void moveItem(int from, int to);

    void setTitles(const std::array<QString, kItemFieldCount>& titles);
    const std::array<QString, kItemFieldCount>& titles() const { return m_titles; }

    void setRowColours(std::vector<QColor> colours);
    QColor rowColour(int row) const;

private:
    ItemRows m_rows;
    std::vector<QColor> m_colours;
    std::array<QString, kItemFieldCount> m_titles;
};
