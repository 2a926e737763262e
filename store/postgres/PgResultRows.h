#pragma once

#include "store/access/RowCursor.h"

#include <libpq-fe.h>

#include <memory>

// A forward-only set on PostgreSQL: the rows as the server sent them, each
// value converted when it is read, as SQLite reads a forward-only set as it
// moves. Nothing is written back.
class PgResultRows final : public RowCursor
{
public:
    // fields: the result's field behind each column, types its type.
    PgResultRows(std::vector<ado_detail::Column> columns, std::shared_ptr<PGresult> rows, std::vector<int> fields,
                 std::vector<Oid> types);

    // One value of a result as the layer keeps it: whole numbers and truth
    // values as integers, other numbers as reals, the rest as text.
    static void readValue(const PGresult* rows, int row, int field, Oid type, ado_detail::Value& value);

    bool cached() const override { return false; }
    ado_detail::ValueView value(int column) const override;
    bool writable() const override { return false; }
    void write(IConnectionBackend& engine, const std::vector<int>& columns,
               std::vector<ado_detail::Value>& values) override;

private:
    std::shared_ptr<PGresult> m_result;
    std::vector<int> m_fields;
    std::vector<Oid> m_types;
    // The current row's values converted so far, with the row each belongs to.
    mutable std::vector<ado_detail::Value> m_current;
    mutable std::vector<long> m_currentRow;
};
