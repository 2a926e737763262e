#pragma once

#include "store/SqlValue.h"

#include <QString>

#include <memory>

struct sqlite3_stmt;
class CAdoConnection;
class PgCommand;
class PgSession;
namespace ado_detail
{
struct SharedConnection;
}

// One prepared statement with bound parameters ("?"), run as often as needed
// on an open connection: the fast path for statements repeated row after row
// (the undo journal's reads and writes), reading values with their storage
// type (on PostgreSQL: the type of their column). Every failure raises CAdoException: CannotRead (-16) when the
// statement cannot be prepared or a query fails, CannotWrite (-18) when a
// statement that changes the catalog fails; the store's words are its detail.
class CAdoCommand
{
public:
    CAdoCommand(const CAdoConnection& connection, const QString& sql);
    ~CAdoCommand();
    CAdoCommand(const CAdoCommand&) = delete;
    CAdoCommand& operator=(const CAdoCommand&) = delete;

    // Parameters count from 1. Binding after a run starts the statement anew.
    void bind(int parameter, const SqlValue& value);
    void bind(int parameter, qint64 value);
    void bind(int parameter, const QString& value);

    // Steps to the next result row: false when there is none (the statement
    // is then reset, its parameters kept).
    bool next();
    // Runs a statement that yields no rows to its end; returns the number of
    // rows it changed.
    long run();
    // Back to the start, parameters kept.
    void reset() noexcept;

    int columnCount() const;
    QString columnName(int column) const;
    // The value of a column of the current row.
    SqlValue value(int column) const;
    qint64 integer(int column) const;
    QString text(int column) const;

    // True when the connection is open.
    static bool available(const CAdoConnection& connection);
    // True when the connection cannot write its catalog (a read-only file or
    // folder); false when it is not open.
    static bool isReadOnly(const CAdoConnection& connection);
    // True when sql can be prepared on the connection (its tables and
    // columns exist); runs nothing.
    static bool compiles(const CAdoConnection& connection, const QString& sql);

private:
    struct Finalizer
    {
        void operator()(sqlite3_stmt* stmt) const noexcept;
    };

    sqlite3_stmt* statement() const;
    // The server's session of a PostgreSQL command, connected again first
    // when the server came back; raises when it is still gone.
    PgSession& session() const;
    // The PostgreSQL command, run when it has not run yet.
    PgCommand& executed() const;
    // Raises the exception for a failed store call.
    [[noreturn]] void fail(int code, const QString& detail) const;

    std::shared_ptr<ado_detail::SharedConnection> m_connection;
    quint64 m_generation = 0;
    std::unique_ptr<sqlite3_stmt, Finalizer> m_stmt;
    std::unique_ptr<PgCommand> m_pg; // instead of m_stmt on PostgreSQL
    bool m_writes = false;
    bool m_running = false;
};
