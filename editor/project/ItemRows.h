#pragma once

#include "editor/project/ItemField.h"

#include <QByteArray>

#include <array>
#include <initializer_list>
#include <vector>

// The items' texts, stored compactly: each row's twelve fields lie one after the other in large
// shared blocks, one byte a character where the row needs no more than Latin-1, else two. A
// million items cost their characters and a few bytes each, not twelve strings apiece.
// A changed row is written anew at the end; the space it leaves is reclaimed once it outweighs the
// rows still in use.
class ItemRows {
public:
    ItemRows() = default;
    // From whole records, the way most callers build their rows.
    ItemRows(const std::vector<ItemRecord>& records); // NOLINT(google-explicit-constructor)
    ItemRows(std::initializer_list<ItemRecord> records);

    int size() const { return int(m_rows.size()); }
    bool empty() const { return m_rows.empty(); }
    void reserve(int rows) { m_rows.reserve(std::size_t(rows)); }

    QString field(int row, int field) const;
    ItemRecord record(int row) const;

    void append(const ItemRecord& record);
    void append(const ItemRows& rows);
    void replace(int row, const ItemRecord& record);
    void remove(int row);
    void move(int from, int to);
    // Puts the rows in the order given: order[i] is the row that comes to place i.
    void reorder(const std::vector<int>& order);

private:
    struct Row {
        quint32 block = 0;
        quint32 offset = 0; // bytes into the block
        bool wide = false;  // two bytes a character
        // Where each field ends, in characters from the row's start.
        std::array<quint32, kItemFieldCount> end{};
    };

    static qsizetype byteSize(const Row& row) { return qsizetype(row.end.back()) * (row.wide ? 2 : 1); }
    const char* bytesOf(const Row& row) const { return m_blocks[row.block].constData() + row.offset; }
    Row store(const ItemRecord& record);
    Row copyRow(const ItemRows& from, const Row& row);
    // Room for `bytes` more bytes, at an even offset for wide rows.
    Row place(qsizetype bytes, bool wide);
    void release(const Row& row);

    std::vector<Row> m_rows;
    std::vector<QByteArray> m_blocks; // filled only at their end; never reallocated once made
    qsizetype m_usedBytes = 0;
    qsizetype m_deadBytes = 0;
};
