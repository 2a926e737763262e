#pragma once

#include "store/access/IRowSource.h"
#include "store/sqlite/SqliteDetail.h"

namespace ado_detail
{
struct SharedConnection;
}

// A forward-only set on SQLite: the rows are read from the file as the
// cursor moves, each value straight from the statement.
class SqliteStatementRows final : public IRowSource
{
public:
    // Steps stmt (prepared from sql) to its first row; null, the failure
    // noted on owner, when that fails.
    static std::unique_ptr<SqliteStatementRows> start(ado_detail::SharedConnection& owner, const QByteArray& sql,
                                                      const std::vector<SqlValue>& parameters,
                                                      sqlite_detail::StatementPtr stmt);

    SqliteStatementRows(ado_detail::SharedConnection& owner, const QByteArray& sql,
                        const std::vector<SqlValue>& parameters, sqlite_detail::StatementPtr stmt);

    const std::vector<ado_detail::Column>& columns() const override { return m_columns; }
    bool cached() const override { return false; }
    bool onRow() const override { return m_onRow; }
    bool next() override;
    bool last() override;
    long count(bool connectionOpen) override;
    ado_detail::ValueView value(int column) const override;
    bool writable() const override { return false; }
    void write(IConnectionBackend& engine, const std::vector<int>& columns,
               std::vector<ado_detail::Value>& values) override;

private:
    void failed();

    ado_detail::SharedConnection& m_owner;
    QByteArray m_sql;
    std::vector<SqlValue> m_parameters; // for counting the rows
    sqlite_detail::StatementPtr m_stmt;
    std::vector<ado_detail::Column> m_columns;
    bool m_onRow = false;
    long m_count = -1;
};
