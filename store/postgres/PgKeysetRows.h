#pragma once

#include "store/access/CachedRows.h"
#include "store/access/SqlValue.h"

#include <libpq-fe.h>

class PgSession;
namespace ado_detail
{
struct SharedConnection;
}

// A keyset set on PostgreSQL: every row read at open, each with its row key
// when the statement is a plain SELECT of a table that has one, so that set
// columns can be written back by that key. Inside a transaction the rows to
// be written are locked when read, and their writes are held and sent
// together with the rest of the pass.
class PgKeysetRows final : public CachedRows
{
public:
    // Runs sql on the server and returns its rows: a keyset set (keyset), or
    // a forward-only one; null, the reason noted on owner, when the server
    // refuses it.
    static std::unique_ptr<IRowSource> query(ado_detail::SharedConnection& owner, PgSession& session,
                                             const QByteArray& sql, const std::vector<SqlValue>& parameters,
                                             bool keyset, bool readOnly);

    PgKeysetRows(ado_detail::SharedConnection& owner, std::vector<ado_detail::Column> columns, QByteArray table,
                 QByteArray keyColumn);

protected:
    void writeRow(IConnectionBackend& engine, qint64 key, const std::vector<int>& columns,
                  const std::vector<ado_detail::Value>& values) override;

private:
    [[noreturn]] void refused(const QString& error, CAdoException::Kind kind);

    ado_detail::SharedConnection& m_owner;
    QByteArray m_table;     // quoted, for the UPDATE
    QByteArray m_keyColumn; // the row key, quoted
};
