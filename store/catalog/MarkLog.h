#pragma once

#include "store/catalog/WalkLearner.h"

#include <QString>
#include <QStringList>

#include <limits>
#include <vector>

class CAdoConnection;

// When each mark was made and where: the store view or phone tab it was made
// in (none for the need view), the item and its department at that moment.
// One table beside ShoppingLists, MarkLog; the walks of the stores are
// learned from it.
class MarkLog
{
public:
    // The log keeps the newest marks up to this many (marks that share the
    // time of the last one kept stay with it); older ones are let go as new
    // ones come. Far more than the marks between two trips.
    static constexpr int KeptMarks = 10000;

    // The table, made when missing. False when it cannot be made or is not
    // ours (other columns).
    static bool ensureTable(CAdoConnection& connection);
    static bool tableUsable(CAdoConnection& connection);

    // Inside the mark's own transaction: notes that item itemId was marked
    // (or unmarked) in the view of store ("*" or empty for the need view) at
    // madeAt (milliseconds since the epoch, UTC; 0, or a time still to
    // come, for now). A log that
    // cannot be written is left out quietly: the mark itself matters more.
    static void record(CAdoConnection& connection, qint64 itemId, bool marked, const QString& store, qint64 madeAt);

    // Lets go of the marks made at store up to the time through: the trips
    // kept from them hold all they teach. Quietly keeps them when the log
    // cannot be written.
    static void dropThrough(CAdoConnection& connection, const QString& store, qint64 through);

    // Inside a rename of from to to in column ("Store" or "Dept"): the marks
    // follow. A log that cannot be written is left as it is, and the rename
    // goes on.
    static void carryRename(CAdoConnection& connection, const QString& column, const QString& from, const QString& to);

    // The stores with marks in the log (each spelling once), by name.
    // Empty when the log cannot be read.
    static QStringList storesMarked(CAdoConnection& connection);

    // Every mark made at store (any letter case) after the time after,
    // oldest first. An empty list when the log cannot be read.
    static std::vector<WalkLearner::Mark> marksAt(CAdoConnection& connection, const QString& store,
                                                  qint64 after = std::numeric_limits<qint64>::min());
};
