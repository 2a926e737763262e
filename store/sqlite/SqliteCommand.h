#pragma once

#include "store/access/ICommandBackend.h"
#include "store/sqlite/SqliteDetail.h"

namespace ado_detail
{
struct SharedConnection;
}

// A prepared statement on SQLite, behind CAdoCommand: values read with their
// storage class.
class SqliteCommand final : public ICommandBackend
{
public:
    // Prepares sql on db, the open catalog of owner; raises CAdoException
    // -16 when it cannot.
    SqliteCommand(ado_detail::SharedConnection& owner, sqlite3* db, const QByteArray& sql);

    bool writes() const override { return m_writes; }
    void bind(int parameter, const SqlValue& value) override;
    bool next() override;
    long run() override;
    void reset() noexcept override;
    int columnCount() override;
    QString columnName(int column) override;
    SqlValue value(int column) override;
    qint64 integer(int column) override;
    QString text(int column) override;

private:
    // The statement while its connection is still the one it was prepared
    // on; raises otherwise.
    sqlite3_stmt* statement() const;
    [[noreturn]] void fail(int code, const QString& detail,
                           CAdoException::Kind kind = CAdoException::Kind::Other) const;

    ado_detail::SharedConnection& m_owner;
    quint64 m_generation = 0;
    sqlite_detail::StatementPtr m_stmt;
    bool m_writes = false;
    bool m_running = false;
};
