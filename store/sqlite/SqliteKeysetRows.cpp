#include "store/sqlite/SqliteKeysetRows.h"

#include "store/access/AdoDetail.h"
#include "store/access/CAdoException.h"
#include "store/access/FailureText.h"
#include "store/access/SelectText.h"
#include "store/sqlite/SqliteConnection.h"

using ado_detail::Column;
using ado_detail::Kind;
using ado_detail::Value;
using sqlite_detail::StatementPtr;

namespace
{
void readValue(sqlite3_stmt* stmt, int column, Value& value)
{
    const ado_detail::ValueView view = sqlite_detail::viewOf(stmt, column);
    value.type = view.type;
    if (view.type == Value::Integer) {
        value.integer = view.integer;
    } else if (view.type == Value::Real) {
        value.real = view.real;
    } else if (view.type == Value::Text) {
        value.text = QString::fromUtf8(view.utf8, view.size);
    }
}

int bindValue(sqlite3_stmt* stmt, int parameter, const Value& value)
{
    switch (value.type) {
    case Value::Integer:
        return sqlite3_bind_int64(stmt, parameter, value.integer);
    case Value::Real:
        return sqlite3_bind_double(stmt, parameter, value.real);
    case Value::Text:
        return sqlite3_bind_text16(stmt, parameter, value.text.utf16(), static_cast<int>(value.text.size() * 2),
                                   SQLITE_STATIC);
    default:
        return sqlite3_bind_null(stmt, parameter);
    }
}
} // namespace

SqliteKeysetRows::SqliteKeysetRows(ado_detail::SharedConnection& owner, std::vector<Column> columns, QByteArray table)
    : CachedRows(std::move(columns))
    , m_owner(owner)
    , m_table(std::move(table))
{
}

std::unique_ptr<SqliteKeysetRows> SqliteKeysetRows::read(ado_detail::SharedConnection& owner, sqlite3* db,
                                                         const QByteArray& sql, const std::vector<SqlValue>& parameters,
                                                         StatementPtr stmt)
{
    StatementPtr withRowid;
    // The rowid goes in front of the columns, never among the parameters.
    const bool keyed =
        prepareWithRowid(db, sql, withRowid) && sqlite_detail::bindAll(withRowid.get(), parameters) == SQLITE_OK;
    if (keyed) {
        stmt = std::move(withRowid);
    }
    const int first = keyed ? 1 : 0;
    const int readCount = sqlite3_column_count(stmt.get());
    QByteArray table;
    if (keyed) {
        table = SelectText::quotedIdentifier(sqlite3_column_database_name(stmt.get(), 0)) + '.'
                + SelectText::quotedIdentifier(sqlite3_column_table_name(stmt.get(), 0));
    }
    auto rows = std::make_unique<SqliteKeysetRows>(owner, columnsOf(stmt.get(), first), std::move(table));
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        if (keyed) {
            rows->appendKey(sqlite3_column_int64(stmt.get(), 0));
        }
        for (int c = first; c < readCount; ++c) {
            readValue(stmt.get(), c, rows->appendValue());
        }
    }
    if (step != SQLITE_DONE) {
        owner.noteError(sqlite_detail::message(db), sqlite_detail::kindOf(db));
        return nullptr;
    }
    rows->finish(keyed);
    return rows;
}

bool SqliteKeysetRows::prepareWithRowid(sqlite3* db, const QByteArray& sql, StatementPtr& stmt)
{
    stmt.reset();
    const qsizetype at = SelectText::rowidInsertPosition(sql);
    if (at < 0) {
        return false;
    }
    const QByteArray rewritten = sql.left(at) + " rowid, " + sql.mid(at);
    StatementPtr candidate;
    if (sqlite_detail::prepareSingle(db, rewritten, candidate) != SQLITE_OK) {
        return false;
    }
    if (!sqlite3_column_table_name(candidate.get(), 0) || !sqlite3_column_database_name(candidate.get(), 0)) {
        return false;
    }
    stmt = std::move(candidate);
    return true;
}

std::vector<Column> SqliteKeysetRows::columnsOf(sqlite3_stmt* stmt, int first)
{
    const int count = sqlite3_column_count(stmt);
    const char* rowTable = first > 0 ? sqlite3_column_table_name(stmt, 0) : nullptr;
    std::vector<Column> columns;
    columns.reserve(static_cast<size_t>(count - first));
    for (int i = first; i < count; ++i) {
        Column& column = columns.emplace_back();
        column.name = QString::fromUtf8(sqlite3_column_name(stmt, i));
        const char* origin = sqlite3_column_origin_name(stmt, i);
        const char* table = sqlite3_column_table_name(stmt, i);
        if (!origin || !table || (rowTable && qstricmp(rowTable, table) != 0) || qstricmp(origin, "rowid") == 0
            || qstricmp(origin, "oid") == 0 || qstricmp(origin, "_rowid_") == 0) {
            column.kind = Kind::Computed;
            continue;
        }
        column.origin = SelectText::quotedIdentifier(origin);
        column.kind = ado_detail::kindOfDeclared(QByteArray(sqlite3_column_decltype(stmt, i)), column.maxChars);
    }
    return columns;
}

void SqliteKeysetRows::refused(sqlite3* db)
{
    const QString message = sqlite_detail::message(db);
    m_owner.noteError(message, sqlite_detail::kindOf(db));
    ADO_RAISE_KIND(CAdoException::CannotWrite, message, sqlite_detail::kindOf(db));
}

void SqliteKeysetRows::writeRow(IConnectionBackend& engine, qint64 key, const std::vector<int>& columns,
                                const std::vector<Value>& values)
{
    sqlite3* db = static_cast<SqliteConnection&>(engine).handle();
    if (!m_update || m_updateColumns != columns) {
        m_update.reset();
        m_updateColumns.clear();
        QByteArray sql = "UPDATE " + m_table + " SET ";
        for (size_t i = 0; i < columns.size(); ++i) {
            sql += (i ? ", " : "") + this->columns()[static_cast<size_t>(columns[i])].origin + " = ?";
        }
        sql += " WHERE rowid = ?";
        if (sqlite_detail::prepareSingle(db, sql, m_update) != SQLITE_OK) {
            refused(db);
        }
        m_updateColumns = columns;
    }

    sqlite3_stmt* update = m_update.get();
    int parameter = 1;
    for (const Value& value : values) {
        bindValue(update, parameter++, value);
    }
    sqlite3_bind_int64(update, parameter, key);
    const int step = sqlite3_step(update);
    sqlite3_reset(update);
    sqlite3_clear_bindings(update);
    if (step != SQLITE_DONE) {
        refused(db);
    }
    if (sqlite3_changes(db) == 0) {
        ADO_RAISE_KIND(CAdoException::CannotWrite, FailureText::itemGone(), CAdoException::Kind::Gone);
    }
}
