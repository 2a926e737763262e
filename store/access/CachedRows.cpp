#include "store/access/CachedRows.h"

#include <QCoreApplication>

#include "store/access/CAdoException.h"

using ado_detail::Value;
using ado_detail::ValueView;

ado_detail::Value& CachedRows::ValueStore::append()
{
    const size_t offset = m_size & (ChunkSize - 1);
    if (offset == 0 && (m_size >> ChunkBits) == m_chunks.size()) {
        m_chunks.push_back(std::make_unique<Value[]>(ChunkSize));
    }
    ++m_size;
    return m_chunks[(m_size - 1) >> ChunkBits][offset];
}

CachedRows::CachedRows(std::vector<ado_detail::Column> columns)
    : RowCursor(std::move(columns))
{
}

ado_detail::Value& CachedRows::appendValue()
{
    return m_cells.append();
}

void CachedRows::finish(bool keyed)
{
    const size_t width = columns().size();
    setRows(width == 0 ? 0 : static_cast<long>(m_cells.size() / width));
    m_keyed = keyed;
}

ValueView CachedRows::value(int column) const
{
    return ValueView::of(m_cells[static_cast<size_t>(row()) * columns().size() + static_cast<size_t>(column)]);
}

void CachedRows::write(IConnectionBackend& engine, const std::vector<int>& columns, std::vector<Value>& values)
{
    writeRow(engine, m_keys[static_cast<size_t>(row())], columns, values);
    const size_t start = static_cast<size_t>(row()) * this->columns().size();
    for (size_t i = 0; i < columns.size(); ++i) {
        m_cells[start + static_cast<size_t>(columns[i])] = std::move(values[i]);
    }
}

void CachedRows::writeRow(IConnectionBackend&, qint64, const std::vector<int>&, const std::vector<Value>&)
{
    ADO_RAISE_DETAIL(CAdoException::CannotWrite,
                     QCoreApplication::translate("CachedRows", "These rows cannot be written."));
}
