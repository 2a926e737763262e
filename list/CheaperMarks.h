#pragma once

#include "list/PriceBook.h"

#include <QString>

#include <unordered_map>
#include <vector>

class CAdoConnection;

// The need view's "cheaper elsewhere" marks: read for a batch of the list's
// rows at a time (the first screen, then each chunk the list reads), then
// asked row by row without going to the catalog.
class CheaperMarks
{
public:
    // How much cheaper another store must be, in per cent, when the
    // CheaperByPercent setting does not say (a whole number 0 to 99).
    static constexpr int DefaultPercent = 5;
    static int percentSetting();
    static QString settingName();

    // Whether any row can be marked: the catalog keeps a price book with a
    // price in it.
    static bool possible(CAdoConnection& connection);

    // The prices of the items of ids, in one read, in place of those read
    // before; none when the catalog keeps no price book or it cannot be read.
    void loadFor(CAdoConnection& connection, const std::vector<qint64>& ids, double percent);
    bool empty() const { return m_prices.empty(); }

    // The tip of item id's mark, "B-Mart 3.49 (2 Dec)" in the user's money
    // and date; empty when no other store is known to sell a unit of unit
    // cheaper than price at store by the percentage.
    QString tipFor(qint64 id, const QString& store, double price, const QString& unit) const;

    // A date as the tips show it.
    static QString dateText(qint64 seenAt);

private:
    std::unordered_map<qint64, std::vector<PriceBook::StorePrice>> m_prices;
    double m_percent = DefaultPercent;
};
