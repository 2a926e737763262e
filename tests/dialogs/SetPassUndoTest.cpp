#include "CatalogSeed.h"
#include "EngineTest.h"
#include "GrocelleTest.h"

#include "dialogs/CRenameDlg.h"
#include "items/ListCommands.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/journal/Journal.h"
#include "store/journal/JournalAction.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

// Passes written by one statement, undone and redone through the journal,
// on values that the batch written back must carry exactly.
class SetPassUndoTest : public EngineTest
{
protected:
    // The pass, then undo and redo: each lands on the catalog exactly as it
    // was before and after.
    void passUndoesAndRedoes(const std::function<long(CAdoConnection&)>& pass, long rows)
    {
        CAdoConnection connection;
        ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
        Journal journal(connection);
        const QString before = CatalogSeed::dump();
        EXPECT_EQ(pass(connection), rows);
        const QString after = CatalogSeed::dump();
        ASSERT_NE(after, before);
        EXPECT_EQ(journal.nextUndo()->itemCount, rows);
        ASSERT_TRUE(journal.undo().done);
        EXPECT_EQ(CatalogSeed::dump(), before);
        ASSERT_TRUE(journal.redo().done);
        EXPECT_EQ(CatalogSeed::dump(), after);
    }
};

TEST_P(SetPassUndoTest, NamesWithQuotesBackslashesControlsAndAstralLettersComeBackExactly)
{
    const QString odd = QStringLiteral("Bob's \"Best\" \\ \t\n\U0001F955 Shop");
    std::vector<SeedItem> items;
    for (int i = 1; i <= 30; ++i) {
        SeedItem item{QStringLiteral("Item %1").arg(i), i % 3};
        item.store = i % 2 ? odd : QStringLiteral("Corner");
        items.push_back(item);
    }
    CatalogSeed::write(items);
    passUndoesAndRedoes(
        [&](CAdoConnection& c) { return CRenameDlg::renameAll(c, QStringLiteral("Store"), odd, QStringLiteral("x")); },
        15);
    passUndoesAndRedoes(
        [&](CAdoConnection& c) {
            return CRenameDlg::renameAll(c, QStringLiteral("Store"), QStringLiteral("Corner"),
                                         QStringLiteral("\\\"\u0001'"));
        },
        15);
}

TEST_P(SetPassUndoTest, FractionalQuantitiesAndMissingValuesComeBackExactly)
{
    std::vector<SeedItem> items;
    for (int i = 1; i <= 20; ++i) {
        SeedItem item{QStringLiteral("Item %1").arg(i), 1 + i % 3};
        item.checked = i % 2;
        items.push_back(item);
    }
    CatalogSeed::write(items);
    ASSERT_TRUE(
        CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = NULL, Checked = 1 WHERE ID = 4")));
    if (onSqlite()) {
        ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 1.5 WHERE ID = 3")));
    }
    passUndoesAndRedoes([](CAdoConnection& c) { return ListCommands::clearRows(c, ListCommands::Clear::List); }, 20);
}

TEST_P(SetPassUndoTest, AnUndoOverManyRowsRefusesWholeWhenOneChangedSince)
{
    std::vector<SeedItem> items;
    for (int i = 1; i <= 3000; ++i) {
        items.push_back(SeedItem{QStringLiteral("Item %1").arg(i), 1 + i % 3});
    }
    CatalogSeed::write(items);
    CAdoConnection connection;
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    Journal journal(connection);
    EXPECT_EQ(ListCommands::clearRows(connection, ListCommands::Clear::List), 3000);
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET Checked = 1 WHERE ID = 2999")));
    const QString changed = CatalogSeed::dump();
    const Journal::Outcome outcome = journal.undo();
    EXPECT_FALSE(outcome.done);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("1 item has changed since"))) << outcome.message.toStdString();
    EXPECT_EQ(CatalogSeed::dump(), changed);
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET Checked = 0 WHERE ID = 2999")));
    EXPECT_TRUE(journal.undo().done);
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("QtyToBuy > 0")), 3000);
}

TEST_P(SetPassUndoTest, ClearListWaitsForAnotherProgramsMarkAndTakesItAlong)
{
    std::vector<SeedItem> items;
    for (int i = 1; i <= 40; ++i) {
        items.push_back(SeedItem{QStringLiteral("Item %1").arg(i), i <= 30 ? 1 : 0});
    }
    CatalogSeed::write(items);
    const QString before = CatalogSeed::dump();
    // The other program marks an item off the list and has not committed
    // when Clear List starts.
    CAdoConnection other;
    ASSERT_EQ(other.Open(CatalogSeed::path()), 0);
    auto mark = std::make_unique<JournalAction>(other, QStringLiteral("Mark: Item 35"));
    mark->watch(35);
    ASSERT_TRUE(other.Execute(QStringLiteral("UPDATE ShoppingLists SET Checked = 1 WHERE ID = 35")));
    std::atomic<long> cleared{-1};
    QString failure;
    std::thread clear([&] {
        CAdoConnection connection;
        if (connection.Open(CatalogSeed::path()) != 0) {
            failure = connection.lastError();
            return;
        }
        try {
            cleared = ListCommands::clearRows(connection, ListCommands::Clear::List);
        } catch (const CAdoException& error) {
            failure = error.describe();
        }
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(cleared, -1) << "the clear did not wait";
    mark->commit();
    mark.reset();
    clear.join();
    ASSERT_EQ(failure, QString());
    // The mark landed first; the clear took it along with the list.
    EXPECT_EQ(cleared, 31);
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("QtyToBuy <> 0 OR Checked <> 0")), 0);
    Journal journal(other);
    ASSERT_EQ(journal.history().size(), 2);
    EXPECT_EQ(journal.nextUndo()->label, QStringLiteral("Clear List"));
    EXPECT_TRUE(journal.undo().done);
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("QtyToBuy <> 0 OR Checked <> 0")), 31);
    EXPECT_TRUE(journal.undo().done);
    EXPECT_EQ(CatalogSeed::dump(), before);
}

INSTANTIATE_FOR_BOTH_ENGINES(SetPassUndoTest);
