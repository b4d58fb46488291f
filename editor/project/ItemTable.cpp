#include "editor/project/ItemTable.h"

ItemTable::ItemTable(QObject* parent) : QAbstractTableModel(parent) {
    m_rows.append(ItemRecord());
    for (int f = 0; f < kItemFieldCount; ++f)
        m_titles[f] = englishFieldTitle(f);
}

int ItemTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : itemCount();
}

int ItemTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kItemFieldCount;
}

QVariant ItemTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= itemCount())
        return {};
    if (role == Qt::DisplayRole)
        return field(index.row(), index.column());
    if (role == Qt::BackgroundRole && std::size_t(index.row()) < m_colours.size())
        return m_colours[index.row()];
    return {};
}

QVariant ItemTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < kItemFieldCount ? m_titles[section] : QString();
    return QString();
}

Qt::ItemFlags ItemTable::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void ItemTable::setField(int row, int field, const QString& text) {
    ItemRecord record = m_rows.record(row);
    if (record.at(field) == text)
        return;
    record[field] = text;
    m_rows.replace(row, record);
    const QModelIndex i = index(row, field);
    Q_EMIT dataChanged(i, i, {Qt::DisplayRole});
}

void ItemTable::setRecord(int row, const ItemRecord& record) {
    m_rows.replace(row, record);
    Q_EMIT dataChanged(index(row, 0), index(row, kItemFieldCount - 1), {Qt::DisplayRole});
}

void ItemTable::setRecords(ItemRows rows) {
    beginResetModel();
    m_rows = std::move(rows);
    if (m_rows.empty())
        m_rows.append(ItemRecord());
    m_colours.clear();
    endResetModel();
}

void ItemTable::appendRecord(const ItemRecord& record) {
    const int row = itemCount();
    beginInsertRows({}, row, row);
    m_rows.append(record);
    endInsertRows();
}

void ItemTable::appendRecords(const ItemRows& rows) {
    if (rows.empty())
        return;
    const int first = itemCount();
    beginInsertRows({}, first, first + rows.size() - 1);
    m_rows.append(rows);
    endInsertRows();
}

void ItemTable::reorder(const std::vector<int>& order) {
    beginResetModel();
    m_rows.reorder(order);
    m_colours.clear();
    endResetModel();
}

void ItemTable::removeItem(int row) {
    if (row < 0 || row >= itemCount())
        return;
    if (itemCount() == 1) {
        m_rows.replace(0, ItemRecord());
        Q_EMIT dataChanged(index(0, 0), index(0, kItemFieldCount - 1), {Qt::DisplayRole});
        return;
    }
    beginRemoveRows({}, row, row);
    m_rows.remove(row);
    if (std::size_t(row) < m_colours.size())
        m_colours.erase(m_colours.begin() + row);
    endRemoveRows();
}

void ItemTable::moveItem(int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= itemCount() || to >= itemCount())
        return;
    // Qt counts the destination before the move; rows below shift up when moving down.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    m_rows.move(from, to);
    endMoveRows();
}

void ItemTable::setTitles(const std::array<QString, kItemFieldCount>& titles) {
    m_titles = titles;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, kItemFieldCount - 1);
}

void ItemTable::setRowColours(std::vector<QColor> colours) {
    m_colours = std::move(colours);
    if (!m_rows.empty())
        Q_EMIT dataChanged(index(0, 0), index(itemCount() - 1, kItemFieldCount - 1), {Qt::BackgroundRole});
}

QColor ItemTable::rowColour(int row) const {
    return std::size_t(row) < m_colours.size() ? m_colours[row] : QColor(Qt::white);
}
