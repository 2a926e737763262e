#pragma once

#include "store/access/SqlValue.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

class ICommandBackend;
class IRowSource;

// One engine's connection to a catalog, behind CAdoConnection: SQLite over a
// file, or PostgreSQL over a server. It lives in the connection's shared
// object while the catalog is open. Failures are noted on that object's
// lastError and returned; only command() raises.
class IConnectionBackend
{
public:
    enum class Kind
    {
        Sqlite,
        Postgres
    };

    virtual ~IConnectionBackend() = default;

    virtual Kind kind() const = 0;
    // Opens the catalog at location (resolved, never the handheld path).
    virtual bool open(const QString& location) = 0;
    // Makes a lost server connection again, unless a transaction was begun
    // on it; nothing for an engine without a server.
    virtual void ensureConnected(bool transactionBegun) { Q_UNUSED(transactionBegun); }

    // Runs one statement that yields no rows, its "?" parameters bound to
    // parameters in order; a second statement in the text is refused and not
    // run, and so is a count of values that does not match.
    virtual bool execute(const QByteArray& sql, const std::vector<SqlValue>& parameters) = 0;
    // The rows of sql with its parameters bound, or null. keyset: every row
    // read at once, counted and written back by key where the statement
    // allows; readOnly: nothing will be written.
    virtual std::unique_ptr<IRowSource> query(const QByteArray& sql, const std::vector<SqlValue>& parameters,
                                              bool keyset, bool readOnly) = 0;
    // A prepared statement with "?" parameters; raises CAdoException -16 when
    // it cannot be prepared.
    virtual std::unique_ptr<ICommandBackend> command(const QByteArray& sql) = 0;

    // The statement that begins a transaction which will write.
    virtual QByteArray beginStatement() const = 0;
    virtual bool inTransaction() const = 0;
    // The transaction has had a failure: only a rollback ends it.
    virtual bool transactionFailed() const { return false; }
    // The last failure was another program's doing at the same moment.
    virtual bool lastFailureIsTransient() const { return false; }
    // The catalog cannot be written (a read-only file, server or user).
    virtual bool isReadOnly() = 0;
    // sql can be prepared (its tables and columns exist); runs nothing.
    virtual bool compiles(const QString& sql) = 0;
};
