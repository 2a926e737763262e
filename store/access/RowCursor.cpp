#include "store/access/RowCursor.h"

RowCursor::RowCursor(std::vector<ado_detail::Column> columns, long rows)
    : m_columns(std::move(columns))
    , m_rows(rows)
{
}

void RowCursor::setRows(long rows)
{
    m_rows = rows;
    m_row = 0;
}

bool RowCursor::next()
{
    if (m_row >= m_rows) {
        return false;
    }
    ++m_row;
    return true;
}

bool RowCursor::last()
{
    if (m_rows == 0) {
        return false;
    }
    m_row = m_rows - 1;
    return true;
}

long RowCursor::count(bool connectionOpen)
{
    Q_UNUSED(connectionOpen); // every row is at hand
    return m_rows;
}
