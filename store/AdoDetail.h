#pragma once

// Internals shared by the catalog access layer's classes; not for callers.

#include <QByteArray>
#include <QString>

#include <sqlite3.h>

#include <memory>

class PgSession;

namespace ado_detail
{
struct StatementFinalizer
{
    void operator()(sqlite3_stmt* stmt) const noexcept { sqlite3_finalize(stmt); }
};
// A prepared SQLite statement, finalised whatever path leaves its scope.
using StatementPtr = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

struct DatabaseCloser
{
    void operator()(sqlite3* db) const noexcept { sqlite3_close_v2(db); }
};
// An SQLite database handle. close_v2: statements still held elsewhere keep
// the handle alive until they are finalised.
using DatabasePtr = std::unique_ptr<sqlite3, DatabaseCloser>;

// Prepares the one statement of sql. SQLITE_MISUSE when the text holds a
// second statement after the first (the first is then not kept), or none at
// all; the store's own code on any other failure.
int prepareSingle(sqlite3* db, const QByteArray& sql, StatementPtr& out);

// How a column's values are read and what it takes when set.
enum class Kind : unsigned char
{
    Computed, // no table column behind it: cannot be set
    Untyped,  // a table column without a declared type: any value
    Text,
    Bit,
    SmallInt,
    Int32,
    Int64,
    Real
};
// The kind of a column from its declared type ("varchar(30)", "bit", ...);
// maxChars is the varchar width, -1 for none.
Kind kindOfDeclared(QByteArray declared, int& maxChars);

// The store object that CAdoConnection wrappers share: an SQLite database or
// a PostgreSQL session. Every open or close changes the generation, so that
// a recordset can tell that the connection it was opened on has gone away.
struct SharedConnection
{
    SharedConnection();
    ~SharedConnection();
    SharedConnection(const SharedConnection&) = delete;
    SharedConnection& operator=(const SharedConnection&) = delete;

    DatabasePtr sqlite;
    std::unique_ptr<PgSession> pg;
    quint64 generation = 0;
    QString location; // what Open was given
    QString lastError;
    int savepointDepth = 0;
    // Begun by BeginTrans and not yet ended by CommitTrans or RollbackTrans:
    // a lost PostgreSQL connection is then not made again behind the
    // transaction's back (its work is gone; the rollback must be seen first).
    bool transactionBegun = false;

    sqlite3* handle() const { return sqlite.get(); }
    // The PostgreSQL session, connected again first when the server went
    // away and came back, unless a transaction was begun on the lost one.
    PgSession* postgres();
    bool isOpen() const;
    // True inside a transaction begun and not yet ended.
    bool inTransaction() const;

    void close() noexcept;
    void noteError(const QString& text) { lastError = sentence(text); }
    void noteError(sqlite3* db) { lastError = message(db); }
    // SQLite's message of the last failure on db, as a sentence.
    static QString message(sqlite3* db);
    // text with its first letter in upper case.
    static QString sentence(QString text);
};
} // namespace ado_detail
