#pragma once

#include "store/access/IConnectionBackend.h"

#include "store/access/SqlValue.h"

#include <QByteArray>

#include <memory>
#include <optional>
#include <vector>

class CAdoConnection;
class PgSession;
namespace ado_detail
{
struct SharedConnection;
}

// The catalog in a PostgreSQL database: the engine behind CAdoConnection for
// a postgresql:// (postgres://) URI. Statements are translated from the
// catalog's SQL once, where they are run.
class PgConnection final : public IConnectionBackend
{
public:
    explicit PgConnection(ado_detail::SharedConnection& owner);
    ~PgConnection() override;

    // The session of connection while a PostgreSQL catalog is open on it,
    // else null.
    static PgSession* sessionOf(const CAdoConnection& connection);

    Kind kind() const override { return Kind::Postgres; }
    bool open(const QString& location) override;
    void ensureConnected(bool transactionBegun) override;
    bool execute(const QByteArray& sql, const std::vector<SqlValue>& parameters) override;
    std::unique_ptr<IRowSource> query(const QByteArray& sql, const std::vector<SqlValue>& parameters, bool keyset,
                                      bool readOnly) override;

    // sql as the server is to run it, its "?" parameters numbered, and the
    // values as the server reads them (null for a missing value); false,
    // the reason noted on owner, when the count of values does not match.
    static bool serverStatement(ado_detail::SharedConnection& owner, const QByteArray& sql,
                                const std::vector<SqlValue>& parameters, QByteArray& text,
                                std::vector<std::optional<QByteArray>>& values);
    std::unique_ptr<ICommandBackend> command(const QByteArray& sql) override;
    QByteArray beginStatement() const override { return "BEGIN"; }
    bool inTransaction() const override;
    bool transactionFailed() const override;
    bool lastFailureIsTransient() const override;
    bool isReadOnly() override;
    bool compiles(const QString& sql) override;

    PgSession& session() { return *m_session; }

private:
    ado_detail::SharedConnection& m_owner;
    std::unique_ptr<PgSession> m_session;
};
