#pragma once

#include <QString>
#include <QStringList>

class CAdoConnection;
class JournalAction;

// Each store's own walk: the order of its departments, kept in a table beside
// ShoppingLists (StoreWalks: one row per store and department, its place in
// that store's walk). A store without rows there walks in the everyday order
// of every store, the DeptOrder of the catalog's rows. Every change of a walk
// is one journalled action that Undo takes back.
class StoreWalks
{
public:
    explicit StoreWalks(CAdoConnection& connection);

    // The table, made when missing. False when it cannot be made or is not
    // ours (other columns).
    static bool ensureTable(CAdoConnection& connection);
    static bool tableUsable(CAdoConnection& connection);

    // The departments of the catalog in the everyday walk (by DeptOrder, then
    // name), each once, the empty department left out.
    QStringList globalWalk();
    // The departments of store's items, each once, in no particular order.
    QStringList departmentsOf(const QString& store);

    struct Walk
    {
        QStringList departments; // the walk, first visited first
        bool own = false;        // false: the store walks in the everyday order
    };
    // store's walk: the departments of its items and those its own walk
    // names. A table damaged by hand still gives a whole order: rows without a
    // whole-number place count as missing, a department listed twice takes
    // its first place, equal places go in everyday order, and departments the
    // walk lacks are placed as an unseen department of a learned walk is
    // (WalkLearner::placeUnseen). "*" (all stores) gives the everyday walk.
    Walk walkOf(const QString& store);

    // Makes departments (first visited first) store's own walk, as one action
    // of the undo history named label ("Walk of B-Mart" when empty). An
    // empty list gives the store back the everyday order. Returns false when
    // the walk was so already and nothing was written. Raises CAdoException
    // when it cannot be written; nothing is then kept.
    bool setWalk(const QString& store, const QStringList& departments, const QString& label = QString());

    // The walk learned from the trips to store: every department of walkOf,
    // those never seen on a trip placed by WalkLearner::placeUnseen. The
    // trips found in the marks since the last one kept are kept in turn once
    // over (no mark for WalkLearner::TripGap before now, milliseconds since
    // the epoch; 0 for the clock's time). The marks those trips were found in
    // are then let go (MarkLog::dropThrough).
    struct Learned
    {
        QStringList departments;
        int trips = 0;
        double confidence = 0.0;
        int finished = 0; // trips over since the last call, kept by this one
    };
    Learned learnedWalk(const QString& store, qint64 now = 0);

    enum class Column
    {
        Dept,
        Store
    };
    // Inside a rename of from to to in column: the walks follow, as part of
    // action. The walk rows already named to (left from items since gone)
    // give way to the renamed ones. The mark log and the kept trips follow in
    // the same transaction, outside the undo history: they are what happened,
    // not what the user set. Raises CAdoException when the walk rows cannot
    // be written.
    static void carryRename(CAdoConnection& connection, JournalAction& action, Column column, const QString& from,
                            const QString& to);

    // Inside the copy's transaction on target: the walks, the mark log, the
    // kept trips, the items' barcodes and prices of source in place of target's own. Rows that would not
    // fit the tables (edited by hand) are left behind, and so are target's
    // tables of those names that are another program's. Returns the number
    // of walk rows copied. Raises CAdoException when target cannot be
    // written.
    static long copyInto(CAdoConnection& source, CAdoConnection& target);

private:
    // walkOf with the everyday walk already read.
    Walk walkWith(const QString& store, const QStringList& global);

    CAdoConnection& m_connection;
};
