#include "CatalogSeed.h"
#include "EngineTest.h"

#include "list/CheaperMarks.h"
#include "list/CheapestSplit.h"
#include "store/access/CAdoConnection.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/PricePoints.h"
#include "store/journal/Journal.h"
#include "store/journal/JournalAction.h"

class CheapestSplitTest : public EngineTest
{
protected:
    // Milk (2 at B-Mart, 1.00) is cheaper at C-Mart; Eggs (B-Mart, 3.00) are
    // cheaper at C-Mart only by the kilo; Tea's price is known nowhere else;
    // Jam is not on the list.
    void SetUp() override
    {
        EngineTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 2, .price = 1.00, .id = 1},
                            {.name = QStringLiteral("Eggs"), .qty = 1, .price = 3.00, .id = 2},
                            {.name = QStringLiteral("Tea"), .qty = 1, .price = 2.00, .id = 3},
                            {.name = QStringLiteral("Jam"), .qty = 0, .price = 5.00, .id = 4}});
        ASSERT_EQ(connection.Open(CatalogSeed::path()), 0) << connection.lastError().toStdString();
        Catalog::checkStructure(connection);
        JournalAction action(connection, QStringLiteral("Prices"));
        const struct
        {
            qint64 item;
            const char* store;
            double price;
            const char* unit;
        } points[] = {{1, "C-Mart", 0.80, "pkg"},
                      {1, "D-Mart", 0.97, "pkg"},
                      {2, "C-Mart", 1.00, "kg"},
                      {4, "C-Mart", 1.00, "pkg"}};
        for (const auto& p : points) {
            PricePoint point;
            point.itemId = p.item;
            point.store = QString::fromLatin1(p.store);
            point.price = p.price;
            point.unit = QString::fromLatin1(p.unit);
            point.seenAt = 1764669600000;
            PricePoints::record(connection, action, point);
        }
        action.commit();
    }

    CAdoConnection connection;
};

TEST_P(CheapestSplitTest, SplitsByTheCheapestStoreAndMovesAsOneUndoableAction)
{
    const CheapestSplit split = CheapestSplit::read(connection);
    ASSERT_EQ(split.lines().size(), 3U);
    const std::vector<CheapestSplit::Part> parts = split.parts();
    ASSERT_EQ(parts.size(), 2U);
    EXPECT_EQ(parts[0].store, QStringLiteral("B-Mart"));
    EXPECT_DOUBLE_EQ(parts[0].total, 5.00);
    EXPECT_EQ(parts[1].store, QStringLiteral("C-Mart"));
    EXPECT_DOUBLE_EQ(parts[1].total, 1.60);
    EXPECT_DOUBLE_EQ(split.todayTotal(), 7.00);
    EXPECT_NEAR(split.savings(), 0.40, 1e-9);

    EXPECT_EQ(split.move(connection, {1, 2, 3}, QStringLiteral("Cheapest Stores")), 1);
    EXPECT_EQ(CatalogSeed::stored(QStringLiteral("Store"), QStringLiteral("Milk")), QStringLiteral("C-Mart"));
    EXPECT_DOUBLE_EQ(CatalogSeed::stored(QStringLiteral("Price"), QStringLiteral("Milk")).toDouble(), 0.80);
    EXPECT_EQ(CatalogSeed::stored(QStringLiteral("Store"), QStringLiteral("Eggs")), QStringLiteral("B-Mart"));
    ASSERT_TRUE(Journal(connection).undo().done);
    EXPECT_EQ(CatalogSeed::stored(QStringLiteral("Store"), QStringLiteral("Milk")), QStringLiteral("B-Mart"));
    EXPECT_DOUBLE_EQ(CatalogSeed::stored(QStringLiteral("Price"), QStringLiteral("Milk")).toDouble(), 1.00);
}

// The need view's tips: the cheapest other store for the same unit, past the
// threshold, with its price and date.
TEST_P(CheapestSplitTest, CheaperElsewhereMarksFollowTheThreshold)
{
    CheaperMarks marks;
    marks.loadFor(connection, {1, 2, 3, 4}, 5.0);
    EXPECT_EQ(marks.tipFor(1, QStringLiteral("B-Mart"), 1.00, QStringLiteral("pkg")),
              QStringLiteral("C-Mart 0.80 (2 Dec)"));
    EXPECT_TRUE(marks.tipFor(2, QStringLiteral("B-Mart"), 3.00, QStringLiteral("pkg")).isEmpty());
    EXPECT_TRUE(marks.tipFor(3, QStringLiteral("B-Mart"), 2.00, QStringLiteral("pkg")).isEmpty());
    marks.loadFor(connection, {1, 2, 3, 4}, 25.0);
    EXPECT_TRUE(marks.tipFor(1, QStringLiteral("B-Mart"), 1.00, QStringLiteral("pkg")).isEmpty());
}

INSTANTIATE_FOR_BOTH_ENGINES(CheapestSplitTest);
