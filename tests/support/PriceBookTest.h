#pragma once

#include "CatalogSeed.h"
#include "EngineTest.h"

#include "store/access/CAdoConnection.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/PricePoints.h"
#include "store/journal/JournalAction.h"

// A catalog of Milk (listed, ID 1) and Bread (ID 2) on each engine, open
// with its price book, and a way to note prices seen.
class PriceBookTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        CatalogSeed::write({{QStringLiteral("Milk"), 1}, {QStringLiteral("Bread"), 0}});
        ASSERT_EQ(connection.Open(CatalogSeed::path()), 0) << connection.lastError().toStdString();
        Catalog::checkStructure(connection);
        ASSERT_TRUE(PricePoints::tableUsable(connection));
    }

    // A shelf price of item at store, per "pkg", seen at the time at, as one
    // undoable action.
    void record(qint64 item, const char* store, double price, qint64 at)
    {
        JournalAction action(connection, QStringLiteral("Price"));
        PricePoint point;
        point.itemId = item;
        point.store = QString::fromUtf8(store);
        point.price = price;
        point.unit = QStringLiteral("pkg");
        point.seenAt = at;
        point.source = PricePoint::Source::Shelf;
        ASSERT_TRUE(PricePoints::record(connection, action, point));
        action.commit();
    }

    CAdoConnection connection;
};
