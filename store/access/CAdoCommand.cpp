#include "store/access/CAdoCommand.h"

#include <QCoreApplication>

#include "store/access/AdoDetail.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/access/ICommandBackend.h"
#include "store/access/IConnectionBackend.h"

CAdoCommand::CAdoCommand(const CAdoConnection& connection, const QString& sql)
    : m_connection(connection.shared())
{
    IConnectionBackend* engine = m_connection ? m_connection->engine() : nullptr;
    if (!engine) {
        const QString detail = QCoreApplication::translate("CAdoCommand", "The catalog is not open.");
        if (m_connection) {
            m_connection->noteError(detail);
        }
        ADO_RAISE_DETAIL(CAdoException::CannotRead, detail);
    }
    m_backend = engine->command(sql.toUtf8());
}

CAdoCommand::~CAdoCommand() = default;

void CAdoCommand::bind(int parameter, const SqlValue& value)
{
    m_backend->bind(parameter, value);
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
    return m_backend->next();
}

long CAdoCommand::run()
{
    return m_backend->run();
}

void CAdoCommand::reset() noexcept
{
    m_backend->reset();
}

int CAdoCommand::columnCount() const
{
    return m_backend->columnCount();
}

QString CAdoCommand::columnName(int column) const
{
    return m_backend->columnName(column);
}

SqlValue CAdoCommand::value(int column) const
{
    return m_backend->value(column);
}

qint64 CAdoCommand::integer(int column) const
{
    return m_backend->integer(column);
}

QString CAdoCommand::text(int column) const
{
    return m_backend->text(column);
}

bool CAdoCommand::available(const CAdoConnection& connection)
{
    return connection.isOpen();
}

bool CAdoCommand::isReadOnly(const CAdoConnection& connection)
{
    IConnectionBackend* engine = available(connection) ? connection.shared()->engine() : nullptr;
    return engine && engine->isReadOnly();
}

bool CAdoCommand::compiles(const CAdoConnection& connection, const QString& sql)
{
    IConnectionBackend* engine = available(connection) ? connection.shared()->engine() : nullptr;
    return engine && engine->compiles(sql);
}
