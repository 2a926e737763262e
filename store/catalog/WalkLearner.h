#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Works out the order in which a store's departments are walked from the
// marks made there, with no catalog and no clock of its own: the same marks
// always give the same order.
//
// A trip is a run of marks at one store, each within TripGap of the one
// before, that put at least MinTripItems items of at least MinTripDepts
// departments in the basket. Within a trip a department stands at the median
// time of its items' marks. The estimate of a store weighs each trip Decay
// times the one after it, so old trips fade and a store rearranged lately
// wins within two trips, while one odd trip does not overturn two or more
// that agree.
class WalkLearner
{
public:
    // One mark as the catalog recorded it. An empty store is a mark at home
    // (the need view, or no store tab), which teaches nothing.
    struct Mark
    {
        qint64 at = 0; // milliseconds since the epoch, UTC
        qint64 itemId = 0;
        QString dept;
        QString store;
        bool marked = true; // false: the item was unmarked
    };
    // The departments of one trip in the order they were visited.
    struct Trip
    {
        QString store;
        qint64 start = 0;
        qint64 end = 0;
        int items = 0;
        QStringList departments;
    };
    // A store's learned walk.
    struct Estimate
    {
        QStringList order; // departments seen on trips, first visited first
        int trips = 0;
        double confidence = 0.0; // 0 without trips, towards 1 with many
    };

    static constexpr qint64 TripGap = 20 * 60 * 1000; // a gap this long or longer ends a trip
    static constexpr int MinTripItems = 5;
    static constexpr int MinTripDepts = 3;
    static constexpr double Decay = 0.7;

    // The trips in marks (in any order), oldest first; marks at home and runs
    // too small to tell a walk are left out.
    static std::vector<Trip> findTrips(std::vector<Mark> marks);

    // The estimate from a store's trips, oldest first.
    static Estimate estimate(const std::vector<Trip>& trips);

    // ranked, followed in their place by the departments of wanted it lacks.
    // Such a department goes right after the last ranked department that
    // comes before it in global (the everyday walk of all stores), or at the
    // front when none does; several after the same one keep global's order,
    // and one that global lacks goes at the end, by name. Names match without
    // regard to letter case.
    static QStringList placeUnseen(const QStringList& ranked, const QStringList& wanted, const QStringList& global);

    // The key two spellings of one department or store share.
    static QString key(const QString& name) { return name.toCaseFolded(); }
};
