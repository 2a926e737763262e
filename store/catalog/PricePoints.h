#pragma once

#include "store/catalog/PricePoint.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

class CAdoConnection;
class JournalAction;

// The price book: every price seen for an item at a store, kept in a table
// beside ShoppingLists (PricePoints: one row per point). The item's own Price
// stays the price at its own store; the points are its history there and
// what is known of the other stores. Rows change as part of the caller's
// journalled action, so that Undo takes a point back with the change that
// made it.
class PricePoints
{
    Q_DECLARE_TR_FUNCTIONS(PricePoints)

public:
    // The table, made when missing. False when it cannot be made or is not
    // ours (other columns).
    static bool ensureTable(CAdoConnection& connection);
    static bool tableUsable(CAdoConnection& connection);
    // The table's columns, in the order the copy of a catalog takes them,
    // and their kinds for it ('I' whole number, 'T' text, 't' text or
    // nothing, 'R' a number).
    static const QStringList& columns();
    static const char* columnKinds();

    // Inside action: notes point (its id is chosen here). Returns false,
    // writing nothing, when the catalog keeps no price book: the change it
    // came with matters more. Raises CAdoException (kind Invalid) for a
    // negative or non-finite price or an empty store, and when the row is
    // refused.
    static bool record(CAdoConnection& connection, JournalAction& action, const PricePoint& point);

    // Inside action: an item's price at its own store went from before to
    // after (an editor's change): a point of source is noted when after is a
    // price (above 0) other than before to the cent, and the item has a
    // store. seenAt 0 is now. Whether a point was noted; never raises for a
    // catalog that keeps no price book.
    static bool noteChange(CAdoConnection& connection, JournalAction& action, const PricePoint& after, double before);

    // The points of itemId, oldest first. Rows damaged by hand are left out:
    // no number or a negative one for the price, no store, no time; a point
    // kept twice (same store, time and price) counts once. Empty when the
    // catalog keeps no price book.
    static std::vector<PricePoint> pointsOf(CAdoConnection& connection, qint64 itemId);
    // Every sound point of the catalog's items, by item then time; only the
    // items whose quantity is above 0 when neededOnly.
    static std::vector<PricePoint> allPoints(CAdoConnection& connection, bool neededOnly);
    // Of the items of ids, only the newest sound point at each store (the
    // last price there), by item then time, in one read. A store whose
    // newest row is damaged by hand has no price here.
    static std::vector<PricePoint> latestOfItems(CAdoConnection& connection, const std::vector<qint64>& ids);
    // The same for every item whose quantity is above 0.
    static std::vector<PricePoint> latestOfNeeded(CAdoConnection& connection);

    // Inside action: the points of a deleted item go with it.
    static void dropItem(CAdoConnection& connection, JournalAction& action, qint64 itemId);
    // Inside a rename of store from to to: the points follow.
    static void carryRename(CAdoConnection& connection, JournalAction& action, const QString& from, const QString& to);

    // Why a catalog keeps no prices per store, for the user.
    static QString noTableMessage();

private:
    static std::vector<PricePoint> latestOf(CAdoConnection& connection, const QString& itemFilter,
                                            const std::vector<qint64>& ids);
};
