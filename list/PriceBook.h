#pragma once

#include "store/catalog/PricePoint.h"

#include <QString>

#include <optional>
#include <vector>

// What the price book knows of an item, worked out from its points: its
// price at each store, whether another store sells it cheaper, and where a
// list costs least. Prices are compared only when their units agree; nothing
// is guessed for a store where the item was never seen.
class PriceBook
{
public:
    static constexpr qint64 Day = 24LL * 60 * 60 * 1000;
    static constexpr qint64 LowWindow = 90 * Day;

    struct StorePrice
    {
        QString store;
        double last = 0.0;   // the newest price seen there
        qint64 lastAt = 0;   // when
        double lowest = 0.0; // the lowest within LowWindow of the newest point
        QString unit;        // the unit of the newest
    };
    // The item's price at each store from its points (oldest first, each
    // item's own), stores by name; names that differ only in letter case are
    // one store.
    static std::vector<StorePrice> perStore(const std::vector<PricePoint>& points);

    // The store whose last price for a unit of unit is lowest, when it is
    // lower than ownPrice (the item's price at ownStore) by at least percent
    // per cent. Nothing when ownPrice is not known (0).
    static std::optional<StorePrice> cheaperElsewhere(const std::vector<StorePrice>& prices, const QString& ownStore,
                                                      double ownPrice, const QString& unit, double percent);

    // Where an item costs least: its own store unless another is known to
    // be cheaper for the same unit, and at what price (0: not known).
    struct Choice
    {
        QString store;
        double price = 0.0;
    };
    static Choice cheapest(const std::vector<StorePrice>& prices, const QString& ownStore, double ownPrice,
                           const QString& unit);

    static bool sameUnit(const QString& a, const QString& b);
    static bool sameStore(const QString& a, const QString& b);
};
