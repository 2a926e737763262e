#pragma once

#include "store/journal/RowChange.h"

#include <set>
#include <vector>

class CAdoConnection;

// Undo and redo of a list-wide pass: the rows are read at once and compared
// with what the other direction left; then written back, on PostgreSQL by
// one statement, on SQLite by one prepared statement stepped per row.
class UndoBatch
{
public:
    // True when the changes can go this way: each sets columns of one row,
    // no two of the same ID, and no value is bytes.
    static bool suits(const CAdoConnection& connection, const std::vector<RowChange>& changes);

    // Inside the caller's transaction: when every row holds what the other
    // direction left (exactly one row of its ID), writes the changes' values
    // of this direction (before when undoing) and returns true. Otherwise
    // writes nothing and adds the IDs of the rows that changed since to
    // changedSince. Raises CAdoException when the engine refuses.
    static bool apply(CAdoConnection& connection, const std::vector<RowChange>& changes, bool undoing,
                      std::set<qint64>& changedSince);
};
