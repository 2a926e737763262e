#pragma once

#include <QString>

class CAdoRecordset;
class PgSession;

// The PostgreSQL side of a recordset: reading every row of a statement (with
// each row's key when the set can be written) and writing a row's set values
// back by that key (inside a transaction, held and sent with others). SQLite rows are read by CAdoRecordset itself and
// written by SqliteRecordset.
class PgRecordset
{
public:
    // Runs the recordset's statement on the server and caches its rows. False
    // (the reason noted on the connection) when the server refuses it.
    static bool open(CAdoRecordset& rs, PgSession& session);
    // Writes the values set on the current row; raises CAdoException -18 when
    // the server refuses or the row is gone.
    static void update(CAdoRecordset& rs, PgSession& session);

    // Converts the value of the current row in that column of a forward-only
    // set into the set's current values.
    static void convert(const CAdoRecordset& rs, int column);

private:
    [[noreturn]] static void refused(CAdoRecordset& rs, const QString& error);
};
