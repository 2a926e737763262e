#include "store/postgres/PgConnection.h"

#include "store/access/AdoDetail.h"
#include "store/access/CAdoConnection.h"
#include "store/postgres/PgCommand.h"
#include "store/postgres/PgDialect.h"
#include "store/postgres/PgKeysetRows.h"
#include "store/postgres/PgSession.h"

PgConnection::PgConnection(ado_detail::SharedConnection& owner)
    : m_owner(owner)
{
}

PgConnection::~PgConnection() = default;

PgSession* PgConnection::sessionOf(const CAdoConnection& connection)
{
    auto* engine = dynamic_cast<PgConnection*>(connection.backend());
    return engine ? engine->m_session.get() : nullptr;
}

bool PgConnection::open(const QString& location)
{
    QString error;
    m_session = PgSession::connect(location, error);
    if (!m_session) {
        m_owner.noteError(error);
        return false;
    }
    return true;
}

void PgConnection::ensureConnected(bool transactionBegun)
{
    if ((!m_session->connected() || m_session->lastState().startsWith("08")) && !transactionBegun) {
        m_session->reconnect();
    }
}

bool PgConnection::execute(const QByteArray& sql)
{
    QString error;
    if (!m_session->exec(PgDialect::translate(sql), error)) {
        m_owner.noteError(error);
        return false;
    }
    return true;
}

std::unique_ptr<IRowSource> PgConnection::query(const QByteArray& sql, bool keyset, bool readOnly)
{
    return PgKeysetRows::query(m_owner, *m_session, sql, keyset, readOnly);
}

std::unique_ptr<ICommandBackend> PgConnection::command(const QByteArray& sql)
{
    return std::make_unique<PgCommand>(m_owner, sql);
}

bool PgConnection::inTransaction() const
{
    return m_session->inTransaction();
}

bool PgConnection::transactionFailed() const
{
    return m_session->transactionFailed();
}

bool PgConnection::lastFailureIsTransient() const
{
    return m_session->lastFailureIsTransient();
}

bool PgConnection::isReadOnly()
{
    return PgCommand::readOnly(*m_session);
}

bool PgConnection::compiles(const QString& sql)
{
    return PgCommand::compiles(*m_session, sql);
}
