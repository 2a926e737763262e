#pragma once

class CAdoRecordset;
struct sqlite3;

// Writing a keyset row back to an SQLite catalog: one bound UPDATE by rowid,
// kept prepared while the same columns are written row after row.
class SqliteRecordset
{
public:
    // Writes the values set on the current row; raises CAdoException -18 when
    // the store refuses or the row is gone.
    static void update(CAdoRecordset& rs, sqlite3* db);
};
