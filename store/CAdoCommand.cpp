#include "store/CAdoCommand.h"

#include "store/AdoDetail.h"
#include "store/CAdoConnection.h"
#include "store/CAdoException.h"
#include "store/PgCommand.h"
#include "store/PgSession.h"

using ado_detail::SharedConnection;

void CAdoCommand::Finalizer::operator()(sqlite3_stmt* stmt) const noexcept
{
    sqlite3_finalize(stmt);
}

CAdoCommand::CAdoCommand(const CAdoConnection& connection, const QString& sql)
    : m_connection(connection.shared())
{
    if (!connection.isOpen()) {
        const QString detail = QStringLiteral("The catalog is not open.");
        if (m_connection) {
            m_connection->noteError(detail);
        }
        ADO_RAISE_DETAIL(CAdoException::CannotRead, detail);
    }
    m_generation = m_connection->generation;
    const QByteArray text = sql.toUtf8();
    if (m_connection->pg) {
        m_pg = std::make_unique<PgCommand>(text);
        m_writes = m_pg->writes();
        return;
    }
    sqlite3_stmt* stmt = nullptr;
    const int prepared =
        sqlite3_prepare_v2(m_connection->handle(), text.constData(), static_cast<int>(text.size()), &stmt, nullptr);
    m_stmt.reset(stmt);
    if (prepared != SQLITE_OK || !stmt) {
        fail(CAdoException::CannotRead, SharedConnection::message(m_connection->handle()));
    }
    m_writes = !sqlite3_stmt_readonly(stmt);
}

CAdoCommand::~CAdoCommand() = default;

sqlite3_stmt* CAdoCommand::statement() const
{
    if (!m_connection->handle() || m_connection->generation != m_generation) {
        fail(m_writes ? CAdoException::CannotWrite : CAdoException::CannotRead,
             QStringLiteral("The catalog is not open."));
    }
    return m_stmt.get();
}

PgSession& CAdoCommand::session() const
{
    PgSession* pg = m_connection->generation == m_generation ? m_connection->postgres() : nullptr;
    if (!pg) {
        fail(m_writes ? CAdoException::CannotWrite : CAdoException::CannotRead,
             QStringLiteral("The catalog is not open."));
    }
    return *pg;
}

PgCommand& CAdoCommand::executed() const
{
    QString error;
    if (!m_pg->execute(session(), error)) {
        fail(m_writes ? CAdoException::CannotWrite : CAdoException::CannotRead, SharedConnection::sentence(error));
    }
    return *m_pg;
}

void CAdoCommand::fail(int code, const QString& detail) const
{
    m_connection->noteError(detail);
    throw CAdoException::withDetail(code, __LINE__, detail);
}

void CAdoCommand::bind(int parameter, const SqlValue& value)
{
    if (m_pg) {
        if (!m_pg->bind(parameter, value)) {
            fail(CAdoException::ValueRefused, QStringLiteral("The statement has no parameter %1.").arg(parameter));
        }
        return;
    }
    sqlite3_stmt* stmt = statement();
    if (m_running) {
        reset();
    }
    int result = SQLITE_OK;
    switch (value.type()) {
    case SqlValue::Type::Null:
        result = sqlite3_bind_null(stmt, parameter);
        break;
    case SqlValue::Type::Integer:
        result = sqlite3_bind_int64(stmt, parameter, value.toInteger());
        break;
    case SqlValue::Type::Real:
        result = sqlite3_bind_double(stmt, parameter, value.toReal());
        break;
    case SqlValue::Type::Text: {
        const QByteArray utf8 = value.toText().toUtf8();
        result = sqlite3_bind_text64(stmt, parameter, utf8.constData(), static_cast<sqlite3_uint64>(utf8.size()),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
        break;
    }
    case SqlValue::Type::Blob:
        result = sqlite3_bind_blob64(stmt, parameter, value.toBlob().constData(),
                                     static_cast<sqlite3_uint64>(value.toBlob().size()), SQLITE_TRANSIENT);
        break;
    }
    if (result != SQLITE_OK) {
        fail(CAdoException::ValueRefused, SharedConnection::message(m_connection->handle()));
    }
}

void CAdoCommand::bind(int parameter, qint64 value)
{
    bind(parameter, SqlValue::integer(value));
}

void CAdoCommand::bind(int parameter, const QString& value)
{
    bind(parameter, SqlValue::text(value));
}

bool CAdoCommand::next()
{
    if (m_pg) {
        return executed().next();
    }
    sqlite3_stmt* stmt = statement();
    m_running = true;
    const int result = sqlite3_step(stmt);
    if (result == SQLITE_ROW) {
        return true;
    }
    reset();
    if (result != SQLITE_DONE) {
        fail(m_writes ? CAdoException::CannotWrite : CAdoException::CannotRead,
             SharedConnection::message(m_connection->handle()));
    }
    return false;
}

long CAdoCommand::run()
{
    if (m_pg) {
        m_pg->reset();
        const long changed = executed().changed();
        m_pg->reset();
        return changed;
    }
    while (next()) { }
    return static_cast<long>(sqlite3_changes(m_connection->handle()));
}

void CAdoCommand::reset() noexcept
{
    if (m_pg) {
        m_pg->reset();
        m_running = false;
        return;
    }
    // The failure of the last step is reported by next(); reset repeats it.
    sqlite3_reset(m_stmt.get());
    m_running = false;
}

int CAdoCommand::columnCount() const
{
    if (m_pg) {
        return executed().columnCount();
    }
    return sqlite3_column_count(statement());
}

QString CAdoCommand::columnName(int column) const
{
    if (m_pg) {
        return executed().columnName(column);
    }
    const char* name = sqlite3_column_name(statement(), column);
    return name ? QString::fromUtf8(name) : QString();
}

SqlValue CAdoCommand::value(int column) const
{
    if (m_pg) {
        return m_pg->value(column);
    }
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

qint64 CAdoCommand::integer(int column) const
{
    if (m_pg) {
        const SqlValue cell = m_pg->value(column);
        return cell.type() == SqlValue::Type::Real ? static_cast<qint64>(cell.toReal()) : cell.toInteger();
    }
    return sqlite3_column_int64(statement(), column);
}

QString CAdoCommand::text(int column) const
{
    if (m_pg) {
        return m_pg->text(column);
    }
    sqlite3_stmt* stmt = statement();
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(stmt, column));
}

bool CAdoCommand::available(const CAdoConnection& connection)
{
    return connection.isOpen() && (connection.handle() || connection.isPostgres());
}

bool CAdoCommand::isReadOnly(const CAdoConnection& connection)
{
    if (PgSession* pg = available(connection) ? connection.shared()->postgres() : nullptr) {
        return PgCommand::readOnly(*pg);
    }
    return available(connection) && sqlite3_db_readonly(connection.handle(), "main") == 1;
}

bool CAdoCommand::compiles(const CAdoConnection& connection, const QString& sql)
{
    if (!available(connection)) {
        return false;
    }
    if (PgSession* pg = connection.shared()->postgres()) {
        return PgCommand::compiles(*pg, sql);
    }
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const int prepared =
        sqlite3_prepare_v2(connection.handle(), text.constData(), static_cast<int>(text.size()), &stmt, nullptr);
    std::unique_ptr<sqlite3_stmt, Finalizer> owned(stmt);
    return prepared == SQLITE_OK && stmt;
}
