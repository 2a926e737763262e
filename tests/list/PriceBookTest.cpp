#include "list/PriceBook.h"

#include <gtest/gtest.h>

namespace
{
PricePoint point(const char* store, double price, qint64 day, const char* unit = "pkg")
{
    PricePoint p;
    p.store = QString::fromUtf8(store);
    p.price = price;
    p.seenAt = day * PriceBook::Day;
    p.unit = QString::fromUtf8(unit);
    return p;
}
} // namespace

// The last price per store, the lowest of the 90 days before it in the same
// unit; stores that differ in letter case are one.
TEST(PriceBookTest, PerStoreKeepsTheLastAndTheLowestOfNinetyDays)
{
    const std::vector<PriceBook::StorePrice> prices = PriceBook::perStore({
        point("C-Mart", 1.00, 1), // too old for C-Mart's lowest
        point("B-Mart", 2.00, 10),
        point("C-Mart", 2.50, 95),
        point("b-mart", 1.50, 20),
        point("C-Mart", 2.20, 96, "kg"), // another unit: not the lowest
        point("C-Mart", 3.00, 100),
    });
    ASSERT_EQ(prices.size(), 2U);
    EXPECT_EQ(prices[0].store, QStringLiteral("B-Mart"));
    EXPECT_DOUBLE_EQ(prices[0].last, 1.50);
    EXPECT_EQ(prices[0].lastAt, 20 * PriceBook::Day);
    EXPECT_DOUBLE_EQ(prices[0].lowest, 1.50);
    EXPECT_EQ(prices[1].store, QStringLiteral("C-Mart"));
    EXPECT_DOUBLE_EQ(prices[1].last, 3.00);
    EXPECT_DOUBLE_EQ(prices[1].lowest, 2.50);
}

TEST(PriceBookTest, CheaperElsewhereNeedsTheSameUnitAndTheThreshold)
{
    const std::vector<PriceBook::StorePrice> prices = PriceBook::perStore({
        point("B-Mart", 4.00, 1),
        point("C-Mart", 3.80, 1),
        point("D-Mart", 1.00, 1, "kg"),
        point("E-Mart", 3.90, 1),
    });
    const struct
    {
        const char* own;
        double price;
        double percent;
        const char* unit;
        const char* expected; // "" for no mark
    } cases[] = {
        {"B-Mart", 4.00, 5.0, "pkg", "C-Mart"},                                   // exactly 5% cheaper
        {"B-Mart", 4.00, 5.1, "pkg", ""},       {"B-Mart", 0.00, 5.0, "pkg", ""}, // own price unknown
        {"C-Mart", 3.80, 1.0, "PKG", ""},                                         // cheapest already
        {"B-Mart", 4.00, 5.0, "kg", "D-Mart"},  {"B-Mart", 4.00, 5.0, "l", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.own) + " " + c.unit + " " + std::to_string(c.percent));
        const auto found = PriceBook::cheaperElsewhere(prices, QString::fromUtf8(c.own), c.price,
                                                       QString::fromUtf8(c.unit), c.percent);
        EXPECT_EQ(found ? found->store : QString(), QString::fromUtf8(c.expected));
    }
    EXPECT_EQ(PriceBook::cheapest(prices, QStringLiteral("B-Mart"), 4.0, QStringLiteral("pkg")).store,
              QStringLiteral("C-Mart"));
    EXPECT_EQ(PriceBook::cheapest(prices, QStringLiteral("B-Mart"), 0.0, QStringLiteral("pkg")).store,
              QStringLiteral("B-Mart"));
}
