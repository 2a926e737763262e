#pragma once

// What the SQLite engine's classes share, and the catalog's own file checks.

#include "store/access/AdoDetail.h"
#include "store/access/SqlValue.h"

#include <QByteArray>
#include <QString>

#include <sqlite3.h>

#include <memory>
#include <vector>

namespace sqlite_detail
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

// SQLite's message of the last failure on db, as a sentence.
QString message(sqlite3* db);
// The kind of failure an SQLite result code (primary or extended) reports.
CAdoException::Kind kindOfCode(int code);
// The kind of the last failure on db.
CAdoException::Kind kindOf(sqlite3* db);

// Binds value to the parameter (from 1) of stmt; SQLite's result code.
int bindValue(sqlite3_stmt* stmt, int parameter, const SqlValue& value);
// Binds parameters to stmt's parameters in order; SQLITE_RANGE when their
// counts differ.
int bindAll(sqlite3_stmt* stmt, const std::vector<SqlValue>& parameters);

// The value in column of stmt's current row, without a copy: its text is
// valid until the statement steps on. A blob is read as UTF-8 text.
ado_detail::ValueView viewOf(sqlite3_stmt* stmt, int column);
} // namespace sqlite_detail
