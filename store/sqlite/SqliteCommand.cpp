#include "store/sqlite/SqliteCommand.h"

#include <QCoreApplication>

#include "store/access/AdoDetail.h"
#include "store/access/CAdoException.h"

SqliteCommand::SqliteCommand(ado_detail::SharedConnection& owner, sqlite3* db, const QByteArray& sql)
    : m_owner(owner)
    , m_generation(owner.generation)
{
    sqlite3_stmt* stmt = nullptr;
    const int prepared = sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &stmt, nullptr);
    m_stmt.reset(stmt);
    if (prepared != SQLITE_OK || !stmt) {
        fail(CAdoException::CannotRead, sqlite_detail::message(db), sqlite_detail::kindOf(db));
    }
    m_writes = !sqlite3_stmt_readonly(stmt);
}

sqlite3_stmt* SqliteCommand::statement() const
{
    if (!m_owner.isOpen() || m_owner.generation != m_generation) {
        fail(m_writes ? CAdoException::CannotWrite : CAdoException::CannotRead,
             QCoreApplication::translate("SqliteCommand", "The catalog is not open."));
    }
    return m_stmt.get();
}

void SqliteCommand::fail(int code, const QString& detail, CAdoException::Kind kind) const
{
    m_owner.noteError(detail, kind);
    throw CAdoException::withDetail(code, __LINE__, detail, kind);
}

void SqliteCommand::bind(int parameter, const SqlValue& value)
{
    sqlite3_stmt* stmt = statement();
    if (m_running) {
        reset();
    }
    if (sqlite_detail::bindValue(stmt, parameter, value) != SQLITE_OK) {
        fail(CAdoException::ValueRefused, sqlite_detail::message(sqlite3_db_handle(stmt)),
             sqlite_detail::kindOf(sqlite3_db_handle(stmt)));
    }
}

bool SqliteCommand::next()
{
    sqlite3_stmt* stmt = statement();
    m_running = true;
    const int result = sqlite3_step(stmt);
    if (result == SQLITE_ROW) {
        return true;
    }
    reset();
    if (result != SQLITE_DONE) {
        fail(m_writes ? CAdoException::CannotWrite : CAdoException::CannotRead,
             sqlite_detail::message(sqlite3_db_handle(stmt)), sqlite_detail::kindOfCode(result));
    }
    return false;
}

long SqliteCommand::run()
{
    while (next()) { }
    return static_cast<long>(sqlite3_changes(sqlite3_db_handle(m_stmt.get())));
}

void SqliteCommand::reset() noexcept
{
    // The failure of the last step is reported by next(); reset repeats it.
    sqlite3_reset(m_stmt.get());
    m_running = false;
}

int SqliteCommand::columnCount()
{
    return sqlite3_column_count(statement());
}

QString SqliteCommand::columnName(int column)
{
    const char* name = sqlite3_column_name(statement(), column);
    return name ? QString::fromUtf8(name) : QString();
}

SqlValue SqliteCommand::value(int column)
{
    sqlite3_stmt* stmt = statement();
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return SqlValue::integer(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT:
        return SqlValue::real(sqlite3_column_double(stmt, column));
    case SQLITE_TEXT: {
        const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        return SqlValue::text(QString::fromUtf8(data, sqlite3_column_bytes(stmt, column)));
    }
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, column));
        return SqlValue::blob(QByteArray(data, sqlite3_column_bytes(stmt, column)));
    }
    default:
        break;
    }
    return {};
}

qint64 SqliteCommand::integer(int column)
{
    return sqlite3_column_int64(statement(), column);
}

QString SqliteCommand::text(int column)
{
    sqlite3_stmt* stmt = statement();
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(stmt, column));
}
