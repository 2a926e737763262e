#pragma once

#include "store/access/CAdoException.h"
#include "store/access/SqlValue.h"

#include <QString>

#include <memory>
#include <vector>

class IConnectionBackend;
namespace ado_detail
{
struct SharedConnection;
}

// A connection to the catalog: a file (SQLite) or a server database
// (PostgreSQL), whichever engine the location names; callers see the same
// operations on both. The store object behind it is shared by every
// CAdoConnection assigned from the same one, and closing or destroying any
// of them closes it for all.
class CAdoConnection
{
public:
    // An empty wrapper, to be assigned from a created connection.
    CAdoConnection();
    // Construction with creation: makes the store object. Raises
    // CAdoException -12 when it cannot be made.
    explicit CAdoConnection(bool create);
    CAdoConnection(const CAdoConnection&) = delete;
    // Closes and drops the object held, then shares the other's. Nothing
    // happens when both already hold the same object.
    CAdoConnection& operator=(const CAdoConnection& other);
    // Closes the (shared) object. Never throws.
    virtual ~CAdoConnection();

    // Opens the catalog at path: a handheld path ("\Windows\shoplistdata.cdb")
    // or a plain file path, an SQLite file; or a postgresql:// (postgres://)
    // URI, a PostgreSQL database. Closes first. Never creates the file, and
    // never changes a file that is not an SQLite database. Waits up to about
    // five seconds for a catalog file that another program holds. 0 on
    // success, -13 on failure (never raised). An empty wrapper makes its
    // object first. -13 too when no engine is installed
    // (CatalogEngines::install).
    [[nodiscard]] int Open(const QString& path);

    // Runs one statement that yields no rows. False on failure, when the
    // connection is not open, and when the text holds a second statement
    // (which is then not run either).
    [[nodiscard]] bool Execute(const QString& sql);
    // The same with the statement's "?" parameters bound to parameters, in
    // order: a value from a person, a phone or a file reaches the engine as
    // a value, never as statement text.
    [[nodiscard]] bool Execute(const QString& sql, const std::vector<SqlValue>& parameters);

    void Close() noexcept;
    bool isOpen() const;
    // True while a PostgreSQL catalog is open.
    bool isPostgres() const;
    // The engine while a catalog is open, else null: for the engines' own
    // classes, which know it for theirs.
    IConnectionBackend* backend() const;
    // What was given to Open.
    QString location() const;
    // The store's description of the last failure on this connection, its
    // recordsets included; empty when there was none.
    QString lastError() const;
    // The kind of that failure; Other when there was none.
    CAdoException::Kind lastFailureKind() const;

    // Plain transaction control: BEGIN IMMEDIATE (BEGIN on PostgreSQL),
    // COMMIT, ROLLBACK. A commit of a transaction that had a failure on
    // PostgreSQL rolls back and returns false. For a scoped, nestable
    // transaction use CAdoTransaction.
    [[nodiscard]] bool BeginTrans();
    [[nodiscard]] bool CommitTrans();
    bool RollbackTrans();

    // The last failure was another program's doing at the same moment (a
    // serialization failure or a deadlock): the same work, run again from
    // its start, may well succeed.
    bool lastFailureIsTransient() const;

    // For the layer's own classes.
    const std::shared_ptr<ado_detail::SharedConnection>& shared() const { return m_object; }

    static constexpr int BusyTimeoutMs = 5000;

private:
    std::shared_ptr<ado_detail::SharedConnection> m_object;
};
