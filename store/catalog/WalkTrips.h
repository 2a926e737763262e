#pragma once

#include "store/catalog/WalkLearner.h"

#include <QString>

#include <vector>

class CAdoConnection;

// The trips found so far, kept so that a store's walk is worked out from the
// marks since the last of them rather than from every mark ever made: one
// table beside ShoppingLists, WalkTrips, one row per trip with its
// departments in the order they were visited.
class WalkTrips
{
public:
    // How many trips a store keeps; older ones weigh next to nothing.
    static constexpr int KeptPerStore = 1000;

    static bool ensureTable(CAdoConnection& connection);
    static bool tableUsable(CAdoConnection& connection);

    // The trips kept for store, oldest first. Rows edited by hand into
    // something that is no trip are passed over.
    static std::vector<WalkLearner::Trip> kept(CAdoConnection& connection, const QString& store);
    // Keeps trips (of store, oldest first) and lets go of the oldest beyond
    // KeptPerStore, in one transaction. A failure keeps nothing and is not
    // told (the trips are found again from the marks next time): the result
    // says only whether they were kept.
    static bool keep(CAdoConnection& connection, const QString& store, const std::vector<WalkLearner::Trip>& trips);

    // Inside a rename of from to to in column ("Store" or "Dept"): the kept
    // trips follow; a trip that then names one department twice keeps its
    // first place. Trips that cannot be written are left as they are, and the
    // rename goes on.
    static void carryRename(CAdoConnection& connection, const QString& column, const QString& from, const QString& to);

    // The departments of a trip as one text, and back; false when the text
    // is not such a list.
    static QString encode(const QStringList& departments);
    static bool decode(const QString& text, QStringList& departments);
};
