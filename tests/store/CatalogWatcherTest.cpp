#include "StoreFixture.h"

#include "store/access/CAdoConnection.h"
#include "store/catalog/CatalogWatcher.h"

#include <QSignalSpy>

class CatalogWatcherTest : public StoreTest
{
};

TEST_F(CatalogWatcherTest, TellsOfOtherProgramsChangesOnly)
{
    QString why;
    if (!useEngine(Engine::Postgres, why)) {
        GTEST_SKIP() << why.toStdString();
    }
    makeCatalog();
    CatalogWatcher watcher(location());
    ASSERT_TRUE(watcher.listening());
    QSignalSpy changed(&watcher, &CatalogWatcher::changedElsewhere);

    // This program's own change is passed over.
    CAdoConnection connection(true);
    ASSERT_EQ(connection.Open(location()), 0);
    ASSERT_TRUE(connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 4 WHERE ID = 1")));
    EXPECT_FALSE(changed.wait(300));

    // Another program's (a client of another name) arrives well within 2 s.
    raw(QStringLiteral("UPDATE ShoppingLists SET checked = 1 WHERE ID = 2"));
    EXPECT_TRUE(changed.wait(2000));
}

TEST_F(CatalogWatcherTest, FileIsNotWatched)
{
    makeCatalog();
    CatalogWatcher watcher(location());
    EXPECT_FALSE(watcher.listening());
}
