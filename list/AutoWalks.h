#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class CAdoConnection;

// "Learn each store's walk": once a trip at a store is over, the walk learned
// there becomes the store's own walk by itself, one undoable action per
// store, and the window says once what changed.
class AutoWalks
{
public:
    struct Applied
    {
        QString store;
        int trips = 0; // the trips the walk was learned from
    };

    // Every store with marks not yet part of a kept trip: the trips now over
    // (no mark for WalkLearner::TripGap before now, milliseconds since the
    // epoch; 0 for the clock's time) are kept, and where one ended the learned
    // walk is made the store's walk when it differs from it. A store no item
    // names any more is passed over. Raises CAdoException when a walk cannot
    // be written; the walks applied before it stay.
    static std::vector<Applied> applyFinishedTrips(CAdoConnection& connection, qint64 now = 0);

    // The departments of list that used names too (any letter case), in
    // list's order: a walk may still name a department no item of its store
    // uses.
    static QStringList onlyUsed(const QStringList& list, const QStringList& used);

    // What the window says of applied; empty when nothing was.
    static QString note(const std::vector<Applied>& applied);

    // The name of each such action in the undo history.
    static QString label(const QString& store) { return QStringLiteral("Learned walk of ") + store; }
};
