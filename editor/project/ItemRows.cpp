#include "editor/project/ItemRows.h"

#include <algorithm>
#include <cstring>

namespace {

// Large enough that a million rows take a few hundred blocks, small enough that the last block's
// unused end does not matter.
constexpr qsizetype kBlockBytes = 1 << 20;
// Space left by changed or removed rows is reclaimed only once there is this much of it.
constexpr qsizetype kMinDeadBytes = 1 << 20;

bool needsWide(const ItemRecord& record) {
    for (const QString& text : record) {
        for (const QChar c : text) {
            if (c.unicode() > 0xff)
                return true;
        }
    }
    return false;
}

} // namespace

ItemRows::ItemRows(const std::vector<ItemRecord>& records) {
    reserve(int(records.size()));
    for (const ItemRecord& record : records)
        append(record);
}

ItemRows::ItemRows(std::initializer_list<ItemRecord> records) {
    reserve(int(records.size()));
    for (const ItemRecord& record : records)
        append(record);
}

QString ItemRows::field(int row, int field) const {
    const Row& r = m_rows.at(std::size_t(row));
    const quint32 begin = field == 0 ? 0 : r.end.at(std::size_t(field) - 1);
    const quint32 length = r.end.at(std::size_t(field)) - begin;
    if (length == 0)
        return QString();
    const char* bytes = bytesOf(r);
    if (!r.wide)
        return QString::fromLatin1(bytes + begin, qsizetype(length));
    QString text(qsizetype(length), Qt::Uninitialized);
    std::memcpy(text.data(), bytes + 2 * qsizetype(begin), 2 * std::size_t(length));
    return text;
}

ItemRecord ItemRows::record(int row) const {
    ItemRecord record;
    for (int f = 0; f < kItemFieldCount; ++f)
        record[f] = field(row, f);
    return record;
}

ItemRows::Row ItemRows::place(qsizetype bytes, bool wide) {
    if (m_blocks.empty() || m_blocks.back().capacity() - m_blocks.back().size() < bytes) {
        QByteArray block;
        block.reserve(std::max(kBlockBytes, bytes));
        m_blocks.push_back(std::move(block));
    }
    QByteArray& block = m_blocks.back();
    Row row;
    row.block = quint32(m_blocks.size() - 1);
    row.offset = quint32(block.size());
    row.wide = wide;
    block.resize(block.size() + bytes);
    m_usedBytes += bytes;
    return row;
}

ItemRows::Row ItemRows::store(const ItemRecord& record) {
    const bool wide = needsWide(record);
    std::array<quint32, kItemFieldCount> end{};
    quint32 total = 0;
    for (int f = 0; f < kItemFieldCount; ++f) {
        total += quint32(record[f].size());
        end[f] = total;
    }
    if (total == 0)
        return Row{};
    Row row = place(qsizetype(total) * (wide ? 2 : 1), wide);
    row.end = end;
    char* out = m_blocks[row.block].data() + row.offset;
    for (const QString& text : record) {
        if (wide) {
            std::memcpy(out, text.constData(), 2 * std::size_t(text.size()));
            out += 2 * text.size();
        } else {
            for (const QChar c : text)
                *out++ = char(c.unicode());
        }
    }
    return row;
}

ItemRows::Row ItemRows::copyRow(const ItemRows& from, const Row& row) {
    const qsizetype bytes = byteSize(row);
    if (bytes == 0)
        return Row{};
    Row copy = place(bytes, row.wide);
    copy.end = row.end;
    std::memcpy(m_blocks[copy.block].data() + copy.offset, from.bytesOf(row), std::size_t(bytes));
    return copy;
}

void ItemRows::release(const Row& row) {
    m_deadBytes += byteSize(row);
    if (m_deadBytes < kMinDeadBytes || 2 * m_deadBytes < m_usedBytes)
        return;
    ItemRows live;
    live.m_rows.reserve(m_rows.size());
    for (const Row& r : m_rows)
        live.m_rows.push_back(live.copyRow(*this, r));
    *this = std::move(live);
}

void ItemRows::append(const ItemRecord& record) {
    m_rows.push_back(store(record));
}

void ItemRows::append(const ItemRows& rows) {
    if (&rows == this) {
        const ItemRows copy = rows;
        append(copy);
        return;
    }
    m_rows.reserve(m_rows.size() + rows.m_rows.size());
    for (const Row& r : rows.m_rows)
        m_rows.push_back(copyRow(rows, r));
}

void ItemRows::replace(int row, const ItemRecord& record) {
    Row& slot = m_rows.at(std::size_t(row));
    const Row old = slot;
    slot = store(record);
    // The old row's place is dead, and may be reclaimed now, only once the new one stands.
    release(old);
}

void ItemRows::remove(int row) {
    const Row old = m_rows.at(std::size_t(row));
    m_rows.erase(m_rows.begin() + row);
    release(old);
}

void ItemRows::move(int from, int to) {
    const auto first = m_rows.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else if (to < from)
        std::rotate(first + to, first + from, first + from + 1);
}

void ItemRows::reorder(const std::vector<int>& order) {
    std::vector<Row> rows;
    rows.reserve(order.size());
    for (const int from : order)
        rows.push_back(m_rows.at(std::size_t(from)));
    m_rows = std::move(rows);
}
