#include "store/sqlite/SqliteStatementRows.h"

#include <QCoreApplication>

#include "store/access/AdoDetail.h"
#include "store/access/CAdoException.h"
#include "store/sqlite/SqliteKeysetRows.h"

using ado_detail::Value;
using ado_detail::ValueView;
using sqlite_detail::StatementPtr;

std::unique_ptr<SqliteStatementRows> SqliteStatementRows::start(ado_detail::SharedConnection& owner,
                                                                const QByteArray& sql,
                                                                const std::vector<SqlValue>& parameters,
                                                                StatementPtr stmt)
{
    auto rows = std::make_unique<SqliteStatementRows>(owner, sql, parameters, std::move(stmt));
    const int step = sqlite3_step(rows->m_stmt.get());
    if (step != SQLITE_ROW && step != SQLITE_DONE) {
        rows->failed();
        return nullptr;
    }
    rows->m_onRow = step == SQLITE_ROW;
    return rows;
}

SqliteStatementRows::SqliteStatementRows(ado_detail::SharedConnection& owner, const QByteArray& sql,
                                         const std::vector<SqlValue>& parameters, StatementPtr stmt)
    : m_owner(owner)
    , m_sql(sql)
    , m_parameters(parameters)
    , m_stmt(std::move(stmt))
    , m_columns(SqliteKeysetRows::columnsOf(m_stmt.get(), 0))
{
}

void SqliteStatementRows::failed()
{
    m_owner.noteError(sqlite_detail::message(sqlite3_db_handle(m_stmt.get())),
                      sqlite_detail::kindOf(sqlite3_db_handle(m_stmt.get())));
}

bool SqliteStatementRows::next()
{
    const int step = sqlite3_step(m_stmt.get());
    m_onRow = step == SQLITE_ROW;
    if (step != SQLITE_ROW && step != SQLITE_DONE) {
        failed();
        return false;
    }
    return true;
}

bool SqliteStatementRows::last()
{
    // A forward-only cursor cannot step back: count the rows, then run the
    // statement again up to the last of them.
    sqlite3_stmt* stmt = m_stmt.get();
    sqlite3_reset(stmt);
    long rows = 0;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(stmt)) == SQLITE_ROW) {
        ++rows;
    }
    sqlite3_reset(stmt);
    m_onRow = false;
    if (step != SQLITE_DONE || rows == 0) {
        return false;
    }
    m_count = rows;
    for (long i = 0; i < rows; ++i) {
        if (sqlite3_step(stmt) != SQLITE_ROW) {
            return false;
        }
    }
    m_onRow = true;
    return true;
}

long SqliteStatementRows::count(bool connectionOpen)
{
    if (m_count >= 0) {
        return m_count;
    }
    if (!connectionOpen) {
        return -1;
    }
    sqlite3* db = sqlite3_db_handle(m_stmt.get());
    QByteArray body = m_sql.trimmed();
    while (body.endsWith(';')) {
        body.chop(1);
        body = body.trimmed();
    }
    StatementPtr stmt;
    if (sqlite_detail::prepareSingle(db, "SELECT count(*) FROM (" + body + "\n)", stmt) == SQLITE_OK
        && sqlite_detail::bindAll(stmt.get(), m_parameters) == SQLITE_OK) {
        if (sqlite3_step(stmt.get()) == SQLITE_ROW) {
            m_count = static_cast<long>(sqlite3_column_int64(stmt.get(), 0));
        }
        return m_count;
    }
    // Not countable as a subquery: run the statement a second time.
    if (sqlite_detail::prepareSingle(db, m_sql, stmt) == SQLITE_OK
        && sqlite_detail::bindAll(stmt.get(), m_parameters) == SQLITE_OK) {
        long rows = 0;
        int step = SQLITE_ROW;
        while ((step = sqlite3_step(stmt.get())) == SQLITE_ROW) {
            ++rows;
        }
        if (step == SQLITE_DONE) {
            m_count = rows;
        }
    }
    return m_count;
}

ValueView SqliteStatementRows::value(int column) const
{
    return sqlite_detail::viewOf(m_stmt.get(), column);
}

void SqliteStatementRows::write(IConnectionBackend&, const std::vector<int>&, std::vector<Value>&)
{
    ADO_RAISE_DETAIL(CAdoException::CannotWrite,
                     QCoreApplication::translate("SqliteStatementRows", "These rows cannot be written."));
}
