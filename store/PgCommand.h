#pragma once

#include "store/PgSession.h"
#include "store/SqlValue.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// The PostgreSQL side of CAdoCommand: the statement translated once, its
// parameters kept as text until the statement runs, and the rows of its last
// run. The table's own row key is hidden from the columns, as it is from
// every recordset. Failures are returned, never raised: CAdoCommand raises.
class PgCommand
{
public:
    explicit PgCommand(const QByteArray& sql);

    bool writes() const { return m_writes; }
    // False when there is no such parameter.
    bool bind(int parameter, const SqlValue& value);

    // Runs the statement when it has not run since the last bind or reset;
    // false with error set when the server refuses it.
    bool execute(PgSession& session, QString& error);
    bool executed() const { return m_result != nullptr; }
    // The next row of the run: false when there is none.
    bool next();
    // Rows changed by the run.
    long changed() const;
    void reset() noexcept;

    int columnCount() const { return static_cast<int>(m_fields.size()); }
    QString columnName(int column) const;
    SqlValue value(int column) const;
    // The value as the server writes it; empty for a missing one.
    QString text(int column) const;

    // True when sql can be prepared (its tables and columns exist); inside
    // a transaction the attempt runs on a savepoint, so that a refusal does
    // not end the transaction.
    static bool compiles(PgSession& session, const QString& sql);
    // True when the session cannot write the catalog table: a read-only
    // transaction or server, or no right to change ShoppingLists.
    static bool readOnly(PgSession& session);

private:
    // How a column's text is read.
    enum class Form : unsigned char
    {
        Boolean,
        Integer,
        Real,
        Bytes,
        Text
    };

    QByteArray m_sql;
    std::vector<std::optional<QByteArray>> m_params;
    bool m_writes = false;
    PgSession::Result m_result;
    int m_row = -1;
    std::vector<int> m_fields; // the result's fields shown, by column
    std::vector<Form> m_forms;
};
