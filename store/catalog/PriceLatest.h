#pragma once

#include <QString>

#include <vector>

class CAdoConnection;
struct RowChange;

// The newest price of each item at each store, kept beside the price book
// (PriceLatest: one row per item and store, with how many points it has and
// a copy of its newest sound one), so that the need view and Cheapest Stores
// read a few rows per item instead of its whole history. It is worked out
// from PricePoints and nothing else: every write of points (and every undo
// and redo of one) works it out again for the items written, and a table
// that is missing, or whose count of points is not the price book's, is made
// again from the points when a catalog is opened.
class PriceLatest
{
public:
    // The table, made when missing (by a user who may change the structure).
    static bool ensureTable(CAdoConnection& connection);
    static bool tableUsable(CAdoConnection& connection);

    // Inside a transaction: the rows of the items of ids worked out again
    // from their points. Does nothing when the catalog keeps no such table.
    static void refreshItems(CAdoConnection& connection, const std::vector<qint64>& ids);
    // Inside a transaction: every row worked out again.
    static void rebuild(CAdoConnection& connection);
    // On opening a catalog: a missing table is made when the user may change
    // the structure, and a table whose count of points is not that of the
    // price book is made again, each in a transaction of its own. A user who
    // may not write leaves it as it is.
    static void keepInStep(CAdoConnection& connection);
    // After an undo or redo wrote changes back: the items whose points
    // changed are worked out again. Raises CAdoException as the writes do.
    static void follow(CAdoConnection& connection, const std::vector<RowChange>& changes);

    // The newest sound point of each item and store among the items
    // itemFilter picks (a condition on ItemID), in the columns of a point.
    static QString selectNewest(const QString& itemFilter);
};
