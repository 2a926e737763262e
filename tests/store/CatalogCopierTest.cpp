#include "StoreFixture.h"

#include "store/access/CAdoConnection.h"
#include "store/catalog/CatalogCopier.h"
#include "store/journal/Journal.h"
#include "store/journal/JournalAction.h"

class CatalogCopierTest : public StoreTest
{
protected:
    // The seeded file catalog, with a missing and an empty note side by side.
    void SetUp() override
    {
        StoreTest::SetUp();
        makeCatalog();
        raw(QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, ItemNameDetail, checked, DeptOrder, "
                           "Price, Coupon) VALUES (4, 'Tea', 0, NULL, 0, 2, 1.25, 0)"));
    }

    QString sum(const QString& where)
    {
        CAdoConnection connection(true);
        EXPECT_EQ(connection.Open(where), 0);
        long rows = 0;
        QString error;
        return CatalogCopier::checksum(connection, rows, error);
    }
};

TEST_F(CatalogCopierTest, FileToServerAndBackKeepsEveryValue)
{
    QString why;
    if (!useEngine(Engine::Postgres, why)) {
        GTEST_SKIP() << why.toStdString();
    }
    const QString file = catalogFile();
    const QString server = location();
    const CatalogCopier::Result there = CatalogCopier::copy(file, server, false);
    ASSERT_TRUE(there.copied) << there.error.toStdString();
    EXPECT_EQ(there.rows, 4);
    EXPECT_EQ(there.sourceChecksum, there.targetChecksum);
    EXPECT_EQ(rawValue(QStringLiteral("SELECT count(*) FROM ShoppingLists WHERE ItemNameDetail IS NULL")), "2");
    EXPECT_EQ(rawValue(QStringLiteral("SELECT ItemName FROM ShoppingLists WHERE ID = 3")), "Kids' Snacks");

    // A target that holds rows is refused, and left as it was...
    raw(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 9 WHERE ID = 4"));
    const CatalogCopier::Result refused = CatalogCopier::copy(file, server, false);
    EXPECT_FALSE(refused.copied);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("--replace"))) << refused.error.toStdString();
    EXPECT_EQ(rawValue(QStringLiteral("SELECT QtyToBuy FROM ShoppingLists WHERE ID = 4")), "9");
    // ...unless it is to be replaced.
    ASSERT_TRUE(CatalogCopier::copy(file, server, true).copied);
    EXPECT_EQ(rawValue(QStringLiteral("SELECT QtyToBuy FROM ShoppingLists WHERE ID = 4")), "0");

    // And back into a new file: the same rows, whatever the engine.
    const QString back = homeFile(QStringLiteral("back.cdb"));
    const CatalogCopier::Result home = CatalogCopier::copy(server, back, false);
    ASSERT_TRUE(home.copied) << home.error.toStdString();
    EXPECT_EQ(home.targetChecksum, there.sourceChecksum);
    EXPECT_EQ(sum(back), sum(file));
}

TEST_F(CatalogCopierTest, NothingIsCopiedFromWhatIsNoCatalog)
{
    const QString target = homeFile(QStringLiteral("target.cdb"));
    const CatalogCopier::Result missing = CatalogCopier::copy(homeFile(QStringLiteral("none.cdb")), target, false);
    EXPECT_FALSE(missing.copied);
    EXPECT_FALSE(missing.error.isEmpty());

    // A copy whose source changes order or engine still sums the same; one
    // changed value does not.
    const CatalogCopier::Result copied = CatalogCopier::copy(catalogFile(), target, false);
    ASSERT_TRUE(copied.copied) << copied.error.toStdString();
    EXPECT_EQ(sum(target), sum(catalogFile()));
    raw(QStringLiteral("UPDATE ShoppingLists SET ItemNameDetail = '' WHERE ID = 4"));
    EXPECT_NE(sum(target), sum(catalogFile()));
}

TEST_F(CatalogCopierTest, TheUndoHistoryTravelsWithTheCatalogAndReplacesTheTargets)
{
    QString why;
    if (!useEngine(Engine::Postgres, why)) {
        GTEST_SKIP() << why.toStdString();
    }
    const QString file = catalogFile();
    {
        CAdoConnection connection(true);
        ASSERT_EQ(connection.Open(file), 0);
        JournalAction action(connection, QStringLiteral("Add one: Tea"));
        action.watch(4);
        ASSERT_TRUE(connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 1 WHERE ID = 4")));
        action.commit();
    }
    // An entry the journal would skip as damaged stays behind.
    raw(file, QStringLiteral("INSERT INTO JournalActions VALUES (7, 'Odd', 'yesterday', 0, 1, 1)"));
    // The server's own history spoke of rows that the copy replaces.
    ASSERT_TRUE(CatalogCopier::copy(file, location(), false).copied);
    raw(QStringLiteral("UPDATE JournalActions SET Label = 'Old' WHERE ActionID = 1"));
    const CatalogCopier::Result copied = CatalogCopier::copy(file, location(), true);
    ASSERT_TRUE(copied.copied) << copied.error.toStdString();
    EXPECT_EQ(copied.journalActions, 1);

    CAdoConnection server(true);
    ASSERT_EQ(server.Open(location()), 0);
    Journal journal(server);
    ASSERT_TRUE(journal.nextUndo());
    EXPECT_EQ(journal.nextUndo()->label, QStringLiteral("Add one: Tea"));
    const Journal::Outcome undone = journal.undo();
    ASSERT_TRUE(undone.done) << undone.message.toStdString();
    EXPECT_EQ(rawValue(QStringLiteral("SELECT QtyToBuy FROM ShoppingLists WHERE ID = 4")), "0");
    EXPECT_EQ(journal.takeDamageReport(), QString());
}
