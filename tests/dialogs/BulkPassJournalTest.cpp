#include "CatalogSeed.h"
#include "EngineTest.h"
#include "GrocelleTest.h"

#include "dialogs/ArrangedOrder.h"
#include "dialogs/CRenameDlg.h"
#include "items/ListCommands.h"
#include "store/access/CAdoConnection.h"
#include "store/journal/Journal.h"

#include <functional>

class BulkPassJournalTest : public EngineTest
{
};

// Each pass that rewrites many items, undone and redone through the journal:
// the catalog comes back to exactly what it was, value types included.
TEST_P(BulkPassJournalTest, EachPassUndoesToTheCatalogBeforeAndRedoesToTheCatalogAfter)
{
    struct Pass
    {
        QString label;
        std::function<long(CAdoConnection&)> run;
    };
    const std::vector<Pass> passes = {
        {QStringLiteral("Clear List"),
         [](CAdoConnection& c) { return ListCommands::clearRows(c, ListCommands::Clear::List); }},
        {QStringLiteral("Clear Marked Items"),
         [](CAdoConnection& c) { return ListCommands::clearRows(c, ListCommands::Clear::Marked); }},
        {QStringLiteral("Clear Coupons"),
         [](CAdoConnection& c) { return ListCommands::clearRows(c, ListCommands::Clear::Coupons); }},
        {QStringLiteral("Arrange Departments"),
         [](CAdoConnection& c) {
             return ArrangedOrder::writeOrder(
                 c, {QStringLiteral("Produce"), QStringLiteral("Dairy"), QStringLiteral("Bakery")});
         }},
        {QStringLiteral("Rename store B-Mart to BigMart"),
         [](CAdoConnection& c) {
             return CRenameDlg::renameAll(c, QStringLiteral("Store"), QStringLiteral("B-Mart"),
                                          QStringLiteral("BigMart"));
         }},
    };

    std::vector<SeedItem> items;
    const QString depts[] = {QStringLiteral("Dairy"), QStringLiteral("Bakery"), QStringLiteral("Produce"), {}};
    for (int i = 1; i <= 40; ++i) {
        SeedItem item{QStringLiteral("Item %1").arg(i), i % 4};
        item.checked = i % 3 == 0 ? 1 : 0;
        item.coupon = i % 5 == 0 ? QVariant(-1) : QVariant(i % 2);
        item.dept = depts[i % 4];
        item.deptOrder = i % 7 - 1;
        item.store = i % 2 ? QStringLiteral("B-Mart") : QStringLiteral("b-mart");
        items.push_back(item);
    }
    CatalogSeed::write(items);
    // A number stored as text stays text on SQLite; the server makes it a number.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = NULL WHERE ID = 3; "
                                                 "UPDATE ShoppingLists SET DeptOrder = '2' WHERE ID = 5")));
    CAdoConnection connection;
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    Journal journal(connection);
    for (const Pass& pass : passes) {
        const QString before = CatalogSeed::dump();
        EXPECT_GT(pass.run(connection), 0) << pass.label.toStdString();
        const QString after = CatalogSeed::dump();
        ASSERT_NE(after, before);
        EXPECT_EQ(journal.nextUndo()->label, pass.label);
        ASSERT_TRUE(journal.undo().done) << pass.label.toStdString();
        EXPECT_EQ(CatalogSeed::dump(), before) << pass.label.toStdString();
        ASSERT_TRUE(journal.redo().done);
        EXPECT_EQ(CatalogSeed::dump(), after) << pass.label.toStdString();
        ASSERT_TRUE(journal.undo().done);
    }
}

INSTANTIATE_FOR_BOTH_ENGINES(BulkPassJournalTest);
