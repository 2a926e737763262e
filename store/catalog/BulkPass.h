#pragma once

#include "store/access/SqlValue.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

class CAdoConnection;
class CAdoRecordset;
class JournalAction;

// A pass that writes many catalog rows, in one transaction (a savepoint
// when one is running), so that it lands whole or not at all. Two forms:
// - a Statement: the rows, the columns and their new values as SQL, written
//   by one UPDATE and recorded in the journal from one read of the same rows;
// - a Pass: one keyset query over the rows concerned (its first column the
//   item's ID), for each row the values to set, each row written with Update.
class BulkPass
{
public:
    // SQL text with the values of its "?" parameters, in order.
    struct Sql
    {
        QString text;
        std::vector<SqlValue> values;

        Sql& operator+=(const Sql& other);
        Sql& operator+=(const QString& plain);
    };
    // A pass as statements: every row of ShoppingLists for which `where`
    // holds gets, in each of `columns`, the value of the expression at the
    // same position of `values` (evaluated on the row as it was).
    struct Statement
    {
        Sql where;
        QStringList columns;
        std::vector<Sql> values;
    };

    // The values one row gets, by position in the query's column list: whole
    // numbers (Integer) and text (Text). Nothing set: the row is not written.
    using Changes = std::vector<std::pair<int, SqlValue>>;
    using Plan = std::function<void(CAdoRecordset& row, Changes& changes)>;
    // A pass: its query, the positions its plan may set, and the plan.
    struct Pass
    {
        QString query;
        std::vector<int> writes;
        Plan plan;
    };

    // Runs the pass on an open connection. With a journal action, the pass
    // runs inside it and tells it every row it writes, with the values
    // before and after. Returns the number of rows written. Raises
    // CAdoException when the rows cannot be read, a row cannot be written or
    // the pass cannot be made final; nothing of the pass is then kept.
    static long run(CAdoConnection& connection, const Pass& pass, JournalAction* journal = nullptr);
    // Runs a pass of statements on an open connection. With a journal
    // action, the rows are read once with their values before and after,
    // told to the action in one go, and then written by one statement.
    // Returns the number of rows written; raises CAdoException as above.
    static long run(CAdoConnection& connection, const Statement& pass, JournalAction* journal = nullptr);
};
