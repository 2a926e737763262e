#pragma once

#include "store/access/CachedRows.h"
#include "store/sqlite/SqliteDetail.h"

namespace ado_detail
{
struct SharedConnection;
}

// A keyset set on SQLite: every row read at open, each with its rowid when
// the statement is a plain SELECT of one table, so that set columns can be
// written back with one bound UPDATE by rowid, kept prepared while the same
// columns are written row after row.
class SqliteKeysetRows final : public CachedRows
{
public:
    // Reads every row of sql (stmt is sql prepared); null, the failure noted
    // on owner, when that fails.
    static std::unique_ptr<SqliteKeysetRows> read(ado_detail::SharedConnection& owner, sqlite3* db,
                                                  const QByteArray& sql, const std::vector<SqlValue>& parameters,
                                                  sqlite_detail::StatementPtr stmt);

    // The columns of stmt from position first on; a column of a table other
    // than the one in position 0 (when first is 1: the rowid's) is computed.
    static std::vector<ado_detail::Column> columnsOf(sqlite3_stmt* stmt, int first);

    SqliteKeysetRows(ado_detail::SharedConnection& owner, std::vector<ado_detail::Column> columns, QByteArray table);

protected:
    void writeRow(IConnectionBackend& engine, qint64 key, const std::vector<int>& columns,
                  const std::vector<ado_detail::Value>& values) override;

private:
    // sql with the rowid read in front of its columns, when it is a plain
    // SELECT of one table.
    static bool prepareWithRowid(sqlite3* db, const QByteArray& sql, sqlite_detail::StatementPtr& stmt);
    [[noreturn]] void refused(sqlite3* db);

    ado_detail::SharedConnection& m_owner;
    QByteArray m_table; // "db"."table" quoted, for the UPDATE
    sqlite_detail::StatementPtr m_update;
    std::vector<int> m_updateColumns;
};
