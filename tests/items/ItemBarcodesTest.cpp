#include "CatalogSeed.h"
#include "EngineTest.h"
#include "FakeListWindow.h"

#include "items/ListCommands.h"
#include "store/access/CAdoConnection.h"
#include "store/catalog/Barcode.h"
#include "store/catalog/Barcodes.h"
#include "store/catalog/Catalog.h"
#include "store/journal/Journal.h"

class ItemBarcodesTest : public EngineTest
{
};

// Delete Item drops the item's codes, and Undo brings them back with it;
// a rename keeps them, for they follow the item's ID.
TEST_P(ItemBarcodesTest, DeleteDropsTheCodesAndUndoBringsThemBack)
{
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 1}});
    FakeListWindow window;
    CAdoConnection& connection = window.connection();
    Catalog::checkStructure(connection);
    ASSERT_TRUE(
        CatalogSeed::exec(QStringLiteral("INSERT INTO Barcodes (ID, Code, ItemID) VALUES (1, '4006381333931', 1)")));
    const Barcode code = Barcode::parse(QStringLiteral("4006381333931"));
    window.showRow(1, QStringLiteral("Milk"), 1);
    ListCommands(window).DeleteItem();
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("1 = 1")), 0);
    EXPECT_EQ(Barcodes::itemOf(connection, code), 0);
    ASSERT_TRUE(Journal(connection).undo().done);
    EXPECT_EQ(Barcodes::itemOf(connection, code), 1);
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET ItemName = 'Oat milk' WHERE ID = 1")));
    EXPECT_EQ(Barcodes::itemOf(connection, code), 1);
}

INSTANTIATE_FOR_BOTH_ENGINES(ItemBarcodesTest);
