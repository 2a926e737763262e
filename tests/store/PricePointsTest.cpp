#include "CatalogSeed.h"
#include "PriceBookTest.h"

#include "dialogs/CRenameDlg.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/PriceLatest.h"
#include "store/catalog/PricePoints.h"
#include "store/journal/Journal.h"
#include "store/journal/JournalAction.h"

class PricePointsTest : public PriceBookTest
{
protected:
    // store:price of each point of item, oldest first.
    QStringList points(qint64 item)
    {
        QStringList out;
        for (const PricePoint& point : PricePoints::pointsOf(connection, item)) {
            out << QStringLiteral("%1:%2").arg(point.store).arg(point.price);
        }
        return out;
    }

    // store:price of the newest point at each store of item, as the need
    // view reads them; the kept newest prices must count every point.
    QStringList latest(qint64 item)
    {
        EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT COALESCE(SUM(Points), 0) FROM PriceLatest")),
                  CatalogSeed::scalar(QStringLiteral("SELECT COUNT(*) FROM PricePoints")));
        QStringList out;
        for (const PricePoint& point : PricePoints::latestOfItems(connection, {item})) {
            out << QStringLiteral("%1:%2").arg(point.store).arg(point.price);
        }
        out.sort();
        return out;
    }
};

TEST_P(PricePointsTest, PointsUndoWithTheActionsThatMadeOrMovedThem)
{
    record(1, "B-Mart", 3.49, 1000);
    record(1, "C-Mart", 2.99, 2000);
    EXPECT_EQ(points(1), (QStringList{"B-Mart:3.49", "C-Mart:2.99"}));
    const PricePoint first = PricePoints::pointsOf(connection, 1).front();
    EXPECT_EQ(first.source, PricePoint::Source::Shelf);
    EXPECT_EQ(first.seenAt, 1000);
    EXPECT_EQ(first.unit, QStringLiteral("pkg"));

    record(1, "C-Mart", 2.49, 3000);
    EXPECT_EQ(latest(1), (QStringList{"B-Mart:3.49", "C-Mart:2.49"}));

    Journal journal(connection);
    journal.followWith(&PriceLatest::follow);
    ASSERT_TRUE(journal.undo().done);
    EXPECT_EQ(latest(1), (QStringList{"B-Mart:3.49", "C-Mart:2.99"}));
    ASSERT_TRUE(journal.undo().done);
    EXPECT_EQ(points(1), (QStringList{"B-Mart:3.49"}));
    EXPECT_EQ(latest(1), (QStringList{"B-Mart:3.49"}));
    ASSERT_TRUE(journal.redo().done);
    EXPECT_EQ(latest(1), (QStringList{"B-Mart:3.49", "C-Mart:2.99"}));

    // A store's rename carries its points, and undoes with them.
    CRenameDlg::renameAll(connection, QStringLiteral("Store"), QStringLiteral("C-Mart"), QStringLiteral("Corner"));
    EXPECT_EQ(points(1), (QStringList{"B-Mart:3.49", "Corner:2.99"}));
    EXPECT_EQ(latest(1), (QStringList{"B-Mart:3.49", "Corner:2.99"}));
    // A department of that name is no store.
    CRenameDlg::renameAll(connection, QStringLiteral("Dept"), QStringLiteral("B-Mart"), QStringLiteral("Nope"));
    EXPECT_EQ(points(1), (QStringList{"B-Mart:3.49", "Corner:2.99"}));
    ASSERT_TRUE(journal.undo().done);
    EXPECT_EQ(points(1), (QStringList{"B-Mart:3.49", "C-Mart:2.99"}));
    EXPECT_EQ(latest(1), (QStringList{"B-Mart:3.49", "C-Mart:2.99"}));

    // A deleted item's points go with it and come back with it.
    {
        JournalAction action(connection, QStringLiteral("Delete Item: Milk"));
        PricePoints::dropItem(connection, action, 1);
        action.commit();
    }
    EXPECT_TRUE(points(1).isEmpty());
    EXPECT_TRUE(latest(1).isEmpty());
    ASSERT_TRUE(journal.undo().done);
    EXPECT_EQ(points(1), (QStringList{"B-Mart:3.49", "C-Mart:2.99"}));
    EXPECT_EQ(latest(1), (QStringList{"B-Mart:3.49", "C-Mart:2.99"}));
}

TEST_P(PricePointsTest, NewestPricesAreMadeGoodAtTheStartAfterAHistoryChangedByHand)
{
    record(1, "B-Mart", 3.49, 1000);
    record(1, "C-Mart", 2.99, 2000);
    record(1, "C-Mart", 2.49, 3000);
    // Points taken away and added by hand, then a table of newest prices
    // emptied or gone: the next start works them out again.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("DELETE FROM PricePoints WHERE SeenAt IN (1000, 3000)")));
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("INSERT INTO PricePoints VALUES (50, 1, 'D-Mart', 1.5, 'pkg', "
                                                 "4000, 'shelf'), (51, 1, 'D-Mart', -1, 'pkg', 5000, 'shelf')")));
    for (const char* damage : {"", "DELETE FROM PriceLatest", "DROP TABLE PriceLatest"}) {
        if (*damage != '\0') {
            ASSERT_TRUE(CatalogSeed::exec(QString::fromLatin1(damage)));
        }
        connection.Close();
        ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
        Catalog::checkStructure(connection);
        EXPECT_EQ(latest(1).join(' ').toStdString(), "C-Mart:2.99 D-Mart:1.5") << damage;
    }
}

TEST_P(PricePointsTest, RefusedValuesAreNeverWrittenAndOnlyChangesAreNoted)
{
    JournalAction action(connection, QStringLiteral("Price"));
    PricePoint point;
    point.itemId = 1;
    point.store = QStringLiteral("B-Mart");
    point.price = -1.0;
    EXPECT_THROW(PricePoints::record(connection, action, point), CAdoException);
    point.price = 1.0;
    point.store = QStringLiteral("  ");
    EXPECT_THROW(PricePoints::record(connection, action, point), CAdoException);
    // The editor notes a price only when it changed to the cent, for a store.
    point.store = QStringLiteral("B-Mart");
    point.price = 2.50;
    EXPECT_FALSE(PricePoints::noteChange(connection, action, point, 2.501));
    EXPECT_TRUE(PricePoints::noteChange(connection, action, point, 2.40));
    point.price = 0.0;
    EXPECT_FALSE(PricePoints::noteChange(connection, action, point, 2.50));
    point.price = 3.0;
    point.store.clear();
    EXPECT_FALSE(PricePoints::noteChange(connection, action, point, 2.50));
    action.commit();
    ASSERT_EQ(PricePoints::pointsOf(connection, 1).size(), 1U);
    EXPECT_GT(PricePoints::pointsOf(connection, 1).front().seenAt, 0);
}

TEST_P(PricePointsTest, RowsDamagedByHandAreLeftOutOfEveryRead)
{
    const char* rows[] = {
        "(1, 1, 'B-Mart', 3.49, 'pkg', 1000, 'shelf')",
        "(2, 1, 'B-Mart', 3.49, 'pkg', 1000, 'shelf')",  // kept twice
        "(3, 1, 'b-mart', 3.49, 'pkg', 1000, 'edited')", // and again
        "(4, 1, 'C-Mart', -2, 'pkg', 1100, 'shelf')",    "(5, 1, '', 1.99, 'pkg', 1200, 'shelf')",
        "(6, 1, 'D-Mart', 2.49, NULL, 1300, 'what')",
        "(9, 1, 'B-Mart', -1, 'pkg', 2000, 'shelf')", // newest, yet hides nothing
    };
    for (const char* row : rows) {
        ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("INSERT INTO PricePoints VALUES ") + QString::fromLatin1(row)));
    }
    if (onSqlite()) {
        ASSERT_TRUE(CatalogSeed::exec(
            QStringLiteral("INSERT INTO PricePoints VALUES (7, 1, 'E-Mart', 'cheap', 'pkg', 1400, 'shelf'),"
                           "(8, 1, 'F-Mart', 1.0, 'pkg', 'yesterday', 'shelf')")));
    }
    // Rows written by hand reach the newest prices kept apart at the next
    // start.
    Catalog::checkStructure(connection);
    EXPECT_EQ(points(1), (QStringList{"B-Mart:3.49", "D-Mart:2.49"}));
    EXPECT_EQ(PricePoints::allPoints(connection, true).size(), 2U);
    EXPECT_EQ(PricePoints::allPoints(connection, false).size(), 2U);
    EXPECT_EQ(PricePoints::latestOfItems(connection, {1}).size(), 2U);
    EXPECT_EQ(PricePoints::latestOfNeeded(connection).size(), 2U);
    // An unknown source reads as an edit; a new point takes a fresh number.
    EXPECT_EQ(PricePoints::pointsOf(connection, 1).back().source, PricePoint::Source::Edited);
    record(1, "C-Mart", 2.0, 1500);
    EXPECT_EQ(points(1).size(), 3);
}

INSTANTIATE_FOR_BOTH_ENGINES(PricePointsTest);
