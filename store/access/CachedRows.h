#pragma once

#include "store/access/RowCursor.h"

#include <memory>
#include <vector>

// Rows read whole when their set opens: a keyset set on either engine, and
// the empty set of a statement without result rows. An engine appends each row's values (and its key, when the set can
// be written), then calls finish(); writing a row back is the engine's part (writeRow), keeping the written values is
// this class's.
class CachedRows : public RowCursor
{
public:
    explicit CachedRows(std::vector<ado_detail::Column> columns);

    // While reading: the key of the next row (sets that can be written
    // append one for every row), then its values, column after column.
    void appendKey(qint64 key) { m_keys.push_back(key); }
    ado_detail::Value& appendValue();
    void reserveKeys(size_t rows) { m_keys.reserve(rows); }
    // Done reading; keyed: the rows can be written back by their keys.
    void finish(bool keyed);

    bool cached() const override { return true; }
    ado_detail::ValueView value(int column) const override;
    bool writable() const override { return m_keyed && !m_keys.empty(); }
    void write(IConnectionBackend& engine, const std::vector<int>& columns,
               std::vector<ado_detail::Value>& values) override;

protected:
    // Writes values to those columns of the row with that key; raises
    // CAdoException -18 when the engine refuses or the row is gone. Rows
    // that no engine writes back (a statement without result rows) refuse.
    virtual void writeRow(IConnectionBackend& engine, qint64 key, const std::vector<int>& columns,
                          const std::vector<ado_detail::Value>& values);

private:
    // The values, row after row, in fixed-size chunks, so that reading many
    // rows never moves or re-touches what was read before.
    class ValueStore
    {
    public:
        ado_detail::Value& append();
        ado_detail::Value& operator[](size_t index) { return m_chunks[index >> ChunkBits][index & (ChunkSize - 1)]; }
        const ado_detail::Value& operator[](size_t index) const
        {
            return m_chunks[index >> ChunkBits][index & (ChunkSize - 1)];
        }
        size_t size() const { return m_size; }

    private:
        static constexpr size_t ChunkBits = 12;
        static constexpr size_t ChunkSize = size_t(1) << ChunkBits;
        std::vector<std::unique_ptr<ado_detail::Value[]>> m_chunks;
        size_t m_size = 0;
    };

    ValueStore m_cells;
    std::vector<qint64> m_keys;
    bool m_keyed = false;
};
