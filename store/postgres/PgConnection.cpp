#include "store/postgres/PgConnection.h"

#include <QCoreApplication>

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
    CAdoException::Kind kind = CAdoException::Kind::Other;
    m_session = PgSession::connect(location, error, &kind);
    if (!m_session) {
        m_owner.noteError(error, kind);
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

bool PgConnection::serverStatement(ado_detail::SharedConnection& owner, const QByteArray& sql,
                                   const std::vector<SqlValue>& parameters, QByteArray& text,
                                   std::vector<std::optional<QByteArray>>& values)
{
    text = PgDialect::translate(sql);
    values.clear();
    if (parameters.empty()) {
        return true;
    }
    int count = 0;
    text = PgDialect::numberParameters(text, count);
    if (count != static_cast<int>(parameters.size())) {
        owner.noteError(QCoreApplication::translate("PgConnection", "the statement takes %1 values, %2 were given")
                            .arg(count)
                            .arg(parameters.size()),
                        CAdoException::Kind::Invalid);
        return false;
    }
    for (const SqlValue& value : parameters) {
        values.push_back(PgCommand::serverText(value));
    }
    return true;
}

bool PgConnection::execute(const QByteArray& sql, const std::vector<SqlValue>& parameters)
{
    QByteArray text;
    std::vector<std::optional<QByteArray>> values;
    if (!serverStatement(m_owner, sql, parameters, text, values)) {
        return false;
    }
    std::vector<const char*> params;
    for (const std::optional<QByteArray>& value : values) {
        params.push_back(value ? value->constData() : nullptr);
    }
    QString error;
    if (!m_session->exec(text, error, params)) {
        m_owner.noteError(error, m_session->lastKind());
        return false;
    }
    return true;
}

std::unique_ptr<IRowSource> PgConnection::query(const QByteArray& sql, const std::vector<SqlValue>& parameters,
                                                bool keyset, bool readOnly)
{
    return PgKeysetRows::query(m_owner, *m_session, sql, parameters, keyset, readOnly);
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
