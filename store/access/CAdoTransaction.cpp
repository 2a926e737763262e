#include "store/access/CAdoTransaction.h"

#include "store/access/AdoDetail.h"
#include "store/access/CAdoConnection.h"

CAdoTransaction::CAdoTransaction(CAdoConnection& connection)
    : m_connection(connection)
{
    const auto& shared = connection.shared();
    if (!connection.isOpen()) {
        return;
    }
    m_generation = shared->generation;
    if (!shared->inTransaction()) {
        m_active = connection.BeginTrans();
        return;
    }
    // Already inside a transaction: nest on a savepoint.
    const QString name = QStringLiteral("grocelle_%1").arg(shared->savepointDepth + 1);
    if (connection.Execute(QStringLiteral("SAVEPOINT ") + name)) {
        ++shared->savepointDepth;
        m_savepoint = name;
        m_active = true;
    }
}

CAdoTransaction::~CAdoTransaction()
{
    rollback();
}

bool CAdoTransaction::stillOurs() const
{
    const auto& shared = m_connection.shared();
    return shared && shared->isOpen() && shared->generation == m_generation;
}

bool CAdoTransaction::commit()
{
    if (!m_active || !stillOurs()) {
        m_active = false;
        return false;
    }
    if (m_savepoint.isEmpty()) {
        if (!m_connection.CommitTrans()) {
            return false;
        }
        m_connection.shared()->savepointDepth = 0;
    } else {
        if (!m_connection.Execute(QStringLiteral("RELEASE ") + m_savepoint)) {
            return false;
        }
        --m_connection.shared()->savepointDepth;
    }
    m_active = false;
    return true;
}

bool CAdoTransaction::rollback() noexcept
{
    if (!m_active) {
        return false;
    }
    m_active = false;
    if (!stillOurs()) {
        return false;
    }
    try {
        if (m_savepoint.isEmpty()) {
            // A failure may have ended the transaction already.
            m_connection.shared()->savepointDepth = 0;
            m_connection.shared()->transactionBegun = false;
            if (!m_connection.shared()->inTransaction()) {
                return true;
            }
            return m_connection.RollbackTrans();
        }
        --m_connection.shared()->savepointDepth;
        const bool undone = m_connection.Execute(QStringLiteral("ROLLBACK TO ") + m_savepoint);
        return m_connection.Execute(QStringLiteral("RELEASE ") + m_savepoint) && undone;
    } catch (...) {
        return false;
    }
}

bool CAdoTransaction::active() const
{
    return m_active;
}
