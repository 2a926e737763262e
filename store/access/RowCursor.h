#pragma once

#include "store/access/IRowSource.h"

#include <vector>

// The cursor of a set whose rows are all at hand and counted when it opens:
// moving is counting. The engines' sets keep the rows and read the values.
class RowCursor : public IRowSource
{
public:
    const std::vector<ado_detail::Column>& columns() const override { return m_columns; }
    bool onRow() const override { return m_row < m_rows; }
    bool next() override;
    bool last() override;
    long count(bool connectionOpen) override;

protected:
    explicit RowCursor(std::vector<ado_detail::Column> columns, long rows = 0);

    // Done counting: rows in all, the cursor back on the first.
    void setRows(long rows);
    long row() const { return m_row; }

private:
    std::vector<ado_detail::Column> m_columns;
    long m_rows = 0;
    long m_row = 0;
};
