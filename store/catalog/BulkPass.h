#pragma once

#include "store/access/SqlValue.h"

#include <QString>

#include <functional>
#include <utility>
#include <vector>

class CAdoConnection;
class CAdoRecordset;
class JournalAction;

// A pass that writes many catalog rows: one keyset query over the rows
// concerned (its first column the item's ID), for each row the values to
// set, each row written with Update; all in one transaction (a savepoint
// when one is running), so that it lands whole or not at all.
class BulkPass
{
public:
    // The values one row gets, by position in the query's column list: whole
    // numbers (Integer) and text (Text). Nothing set: the row is not written.
    using Changes = std::vector<std::pair<int, SqlValue>>;
    using Plan = std::function<void(CAdoRecordset& row, Changes& changes)>;
    // A pass: its query, the positions its plan may set, the plan, and the
    // values the query's "?" take (a name from a person is bound, never
    // spliced into the query).
    struct Pass
    {
        QString query;
        std::vector<int> writes;
        Plan plan;
        std::vector<SqlValue> values = {};
    };

    // Runs the pass on an open connection. With a journal action, the pass
    // runs inside it and tells it every row it writes, with the values
    // before and after. Returns the number of rows written. Raises
    // CAdoException when the rows cannot be read, a row cannot be written or
    // the pass cannot be made final; nothing of the pass is then kept.
    static long run(CAdoConnection& connection, const Pass& pass, JournalAction* journal = nullptr);
};
