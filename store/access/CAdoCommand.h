#pragma once

#include "store/access/SqlValue.h"

#include <QString>

#include <memory>

class CAdoConnection;
class ICommandBackend;
namespace ado_detail
{
struct SharedConnection;
}

// One prepared statement with bound parameters ("?"), run as often as needed
// on an open connection: the fast path for statements repeated row after row
// (the undo journal's reads and writes), reading values with their storage
// type (on PostgreSQL: the type of their column). Every failure raises
// CAdoException: CannotRead (-16) when the statement cannot be prepared or a
// query fails, CannotWrite (-18) when a statement that changes the catalog
// fails; the store's words are its detail.
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
    // Declared before the engine's command, which refers to it while it lives.
    std::shared_ptr<ado_detail::SharedConnection> m_connection;
    std::unique_ptr<ICommandBackend> m_backend;
};
