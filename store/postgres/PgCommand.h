#pragma once

#include "store/access/ICommandBackend.h"
#include "store/access/SqlValue.h"
#include "store/postgres/PgSession.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace ado_detail
{
struct SharedConnection;
}

// A prepared statement on PostgreSQL, behind CAdoCommand: the statement
// translated once, its parameters kept as text until the statement runs, and
// the rows of its last run. The table's own row key is hidden from the
// columns, as it is from every recordset.
class PgCommand final : public ICommandBackend
{
public:
    PgCommand(ado_detail::SharedConnection& owner, const QByteArray& sql);

    bool writes() const override { return m_writes; }
    void bind(int parameter, const SqlValue& value) override;
    bool next() override;
    long run() override;
    void reset() noexcept override;
    int columnCount() override;
    QString columnName(int column) override;
    SqlValue value(int column) override;
    qint64 integer(int column) override;
    // The value as the server writes it; empty for a missing one.
    QString text(int column) override;

    // A value as text that the server reads as the type of the column it
    // meets; nothing for a missing value.
    static std::optional<QByteArray> serverText(const SqlValue& value);

    // True when sql can be prepared (its tables and columns exist); inside
    // a transaction the attempt runs on a savepoint, so that a refusal does
    // not end the transaction.
    static bool compiles(PgSession& session, const QString& sql);
    // True when the session cannot write the catalog table: a read-only
    // transaction or server, or no right to change ShoppingLists.
    static bool readOnly(PgSession& session);

private:
    // The server's session, connected again first when the server came
    // back; raises when it is still gone or the connection was closed.
    PgSession& session() const;
    // Runs the statement when it has not run since the last bind or reset;
    // raises when the server refuses it.
    void execute();
    [[noreturn]] void fail(int code, const QString& detail,
                           CAdoException::Kind kind = CAdoException::Kind::Other) const;

    // How a column's text is read.
    enum class Form : unsigned char
    {
        Boolean,
        Integer,
        Real,
        Bytes,
        Text
    };

    ado_detail::SharedConnection& m_owner;
    quint64 m_generation = 0;
    QByteArray m_sql;
    std::vector<std::optional<QByteArray>> m_params;
    bool m_writes = false;
    PgSession::Result m_result;
    int m_row = -1;
    std::vector<int> m_fields; // the result's fields shown, by column
    std::vector<Form> m_forms;
};
