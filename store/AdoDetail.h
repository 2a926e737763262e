#pragma once

// Internals shared by the catalog access layer's classes; not for callers.

#include <QString>

#include <sqlite3.h>

namespace ado_detail
{
// The store object that CAdoConnection wrappers share. Every open or close
// changes the generation, so that a recordset can tell that the connection it
// was opened on has gone away.
struct SharedConnection
{
    sqlite3* handle = nullptr;
    quint64 generation = 0;
    QString lastError;
    int savepointDepth = 0;

    void close() noexcept;
    void noteError(const QString& text) { lastError = sentence(text); }
    void noteError(sqlite3* db) { lastError = message(db); }
    // SQLite's message of the last failure on db, as a sentence.
    static QString message(sqlite3* db);
    // text with its first letter in upper case.
    static QString sentence(QString text);
};
} // namespace ado_detail
