#pragma once

#include "store/catalog/WalkLearner.h"

#include <QString>

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

    // Every mark made at store (any letter case) after the time after,
    // oldest first. An empty list when the log cannot be read.
    static std::vector<WalkLearner::Mark> marksAt(CAdoConnection& connection, const QString& store,
                                                  qint64 after = std::numeric_limits<qint64>::min());
};
