#include "list/PriceBook.h"

#include <algorithm>

bool PriceBook::sameUnit(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

bool PriceBook::sameStore(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

std::vector<PriceBook::StorePrice> PriceBook::perStore(const std::vector<PricePoint>& points)
{
    std::vector<StorePrice> prices;
    for (const PricePoint& point : points) {
        auto at = std::find_if(prices.begin(), prices.end(),
                               [&](const StorePrice& known) { return sameStore(known.store, point.store); });
        if (at == prices.end()) {
            prices.push_back({point.store, point.price, point.seenAt, point.price, point.unit});
        } else if (point.seenAt >= at->lastAt) {
            at->last = point.price;
            at->lastAt = point.seenAt;
            at->unit = point.unit;
        }
    }
    // The lowest counts only the points of the newest one's unit, seen within
    // the window before it.
    for (StorePrice& price : prices) {
        price.lowest = price.last;
        for (const PricePoint& point : points) {
            if (sameStore(point.store, price.store) && sameUnit(point.unit, price.unit)
                && point.seenAt > price.lastAt - LowWindow && point.seenAt <= price.lastAt) {
                price.lowest = std::min(price.lowest, point.price);
            }
        }
    }
    std::sort(prices.begin(), prices.end(), [](const StorePrice& a, const StorePrice& b) {
        return a.store.compare(b.store, Qt::CaseInsensitive) < 0;
    });
    return prices;
}

std::optional<PriceBook::StorePrice> PriceBook::cheaperElsewhere(const std::vector<StorePrice>& prices,
                                                                 const QString& ownStore, double ownPrice,
                                                                 const QString& unit, double percent)
{
    if (ownPrice <= 0.0) {
        return std::nullopt;
    }
    const StorePrice* best = nullptr;
    for (const StorePrice& price : prices) {
        if (!sameStore(price.store, ownStore) && sameUnit(price.unit, unit) && price.last > 0.0
            && (best == nullptr || price.last < best->last)) {
            best = &price;
        }
    }
    // A cent of rounding never makes a mark.
    if (best == nullptr || best->last > ownPrice * (1.0 - percent / 100.0) + 1e-9) {
        return std::nullopt;
    }
    return *best;
}

PriceBook::Choice PriceBook::cheapest(const std::vector<StorePrice>& prices, const QString& ownStore, double ownPrice,
                                      const QString& unit)
{
    const std::optional<StorePrice> other = cheaperElsewhere(prices, ownStore, ownPrice, unit, 0.0);
    if (other && other->last < ownPrice) {
        return {other->store, other->last};
    }
    return {ownStore, ownPrice};
}
