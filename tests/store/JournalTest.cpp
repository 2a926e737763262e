#include "CatalogSeed.h"
#include "EngineTest.h"

#include "store/access/CAdoConnection.h"
#include "store/catalog/BulkPass.h"
#include "store/catalog/Catalog.h"
#include "store/journal/Journal.h"
#include "store/journal/JournalAction.h"

namespace
{
const QString kClearQuery =
    QStringLiteral("Select ID, QtyToBuy, Checked from ShoppingLists where (QtyToBuy <> 0) or (Checked <> 0)");

QStringList labels(const QList<Journal::Action>& actions)
{
    QStringList names;
    for (const auto& action : actions) {
        names << action.label;
    }
    return names;
}
} // namespace

class JournalTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        SeedItem milk{QStringLiteral("Milk"), 2};
        milk.price = 2.75;
        milk.notes = QStringLiteral("semi-skimmed, 'fresh'");
        SeedItem eggs{QStringLiteral("Eggs"), 0};
        eggs.checked = 1;
        SeedItem salt{QStringLiteral("Salt"), 3};
        salt.coupon = QVariant();
        CatalogSeed::write({milk, eggs, salt, SeedItem{QStringLiteral("Rice"), 0}});
        // What other tools leave behind: a missing quantity on a marked item,
        // a mark of -1, text in a number column (where the engine keeps it).
        ASSERT_TRUE(
            CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = NULL, checked = -1 WHERE ID = 2")));
        if (GetParam() == Engine::Sqlite) {
            ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET Coupon = 'yes' WHERE ID = 4")));
        }
        open();
    }

    void open() { ASSERT_EQ(connection.Open(CatalogSeed::path()), 0) << connection.lastError().toStdString(); }

    // One row changed by a statement of its own, as a command changes it.
    void change(const QString& label, qint64 id, const QString& sql,
                JournalAction::Limits limits = JournalAction::DefaultLimits)
    {
        JournalAction action(connection, label, limits);
        action.watch(id);
        ASSERT_TRUE(connection.Execute(sql)) << connection.lastError().toStdString();
        action.commit();
    }

    long clearList()
    {
        JournalAction action(connection, QStringLiteral("Clear List"));
        const long rows = BulkPass::run(connection,
                                        {kClearQuery,
                                         {1, 2},
                                         [](CAdoRecordset&, BulkPass::Changes& changes) {
                                             changes.emplace_back(1, SqlValue::integer(0));
                                             changes.emplace_back(2, SqlValue::integer(0));
                                         }},
                                        &action);
        action.commit();
        return rows;
    }

    CAdoConnection connection;
};

TEST_P(JournalTest, EveryKindOfChangeUndoesAndRedoesExactlyAfterARestart)
{
    QStringList dumps{CatalogSeed::dump()};
    change(QStringLiteral("Edit Item: Milk"), 1,
           QStringLiteral("UPDATE ShoppingLists SET ItemName = 'Oat milk', Price = 3, ItemNameDetail = NULL WHERE "
                          "ID = 1"));
    dumps << CatalogSeed::dump();
    change(QStringLiteral("Delete Item: Eggs"), 2, QStringLiteral("DELETE FROM ShoppingLists WHERE ID = 2"));
    dumps << CatalogSeed::dump();
    change(QStringLiteral("New Item: Tea"), 9,
           QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, Price) VALUES (9, 'Tea', 1, 1.5)"));
    dumps << CatalogSeed::dump();
    EXPECT_EQ(clearList(), 3);
    dumps << CatalogSeed::dump();
    ASSERT_EQ(dumps.removeDuplicates(), 0);

    connection.Close();
    open();
    Journal journal(connection);
    EXPECT_EQ(journal.unavailableReason(), QString());
    EXPECT_EQ(labels(journal.history()),
              (QStringList{QStringLiteral("Clear List"), QStringLiteral("New Item: Tea"),
                           QStringLiteral("Delete Item: Eggs"), QStringLiteral("Edit Item: Milk")}));
    EXPECT_EQ(journal.history().first().itemCount, 3);
    for (int step = 3; step >= 0; --step) {
        const Journal::Outcome outcome = journal.undo();
        ASSERT_TRUE(outcome.done) << outcome.message.toStdString();
        EXPECT_EQ(CatalogSeed::dump(), dumps.at(step)) << "after undoing step " << step + 1;
    }
    EXPECT_FALSE(journal.nextUndo());
    EXPECT_FALSE(journal.undo().done);
    for (int step = 1; step <= 4; ++step) {
        ASSERT_TRUE(journal.redo().done);
        EXPECT_EQ(CatalogSeed::dump(), dumps.at(step)) << "after redoing step " << step;
    }
    EXPECT_FALSE(journal.nextRedo());
}

// A price beyond every number, or (on a server) one that is not a number,
// left by another program: changes to and from it undo and redo.
TEST_P(JournalTest, PricesWithoutDigitsUndoAndRedo)
{
    const bool server = GetParam() != Engine::Sqlite;
    QStringList dumps{CatalogSeed::dump()};
    change(QStringLiteral("Edit Item: Milk"), 1,
           QStringLiteral("UPDATE ShoppingLists SET Price = %1 WHERE ID = 1")
               .arg(server ? QStringLiteral("'Infinity'") : QStringLiteral("9e999")));
    dumps << CatalogSeed::dump();
    change(QStringLiteral("Edit Item: Milk"), 1,
           QStringLiteral("UPDATE ShoppingLists SET Price = %1 WHERE ID = 1")
               .arg(server ? QStringLiteral("'NaN'") : QStringLiteral("-9e999")));
    dumps << CatalogSeed::dump();
    change(QStringLiteral("Edit Item: Milk"), 1, QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 5 WHERE ID = 1"));
    dumps << CatalogSeed::dump();
    ASSERT_EQ(dumps.removeDuplicates(), 0);
    Journal journal(connection);
    for (int step = 2; step >= 0; --step) {
        const Journal::Outcome outcome = journal.undo();
        ASSERT_TRUE(outcome.done) << outcome.message.toStdString();
        EXPECT_EQ(CatalogSeed::dump(), dumps.at(step)) << "after undoing step " << step + 1;
    }
    for (int step = 1; step <= 3; ++step) {
        ASSERT_TRUE(journal.redo().done);
        EXPECT_EQ(CatalogSeed::dump(), dumps.at(step)) << "after redoing step " << step;
    }
}

TEST_P(JournalTest, UndoRefusesToOverwriteLaterChangesAndNamesTheActionToUndoFirst)
{
    clearList();
    Journal journal(connection);
    const qint64 clearId = journal.nextUndo()->id;
    // Another program puts one cleared item back on the list.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 5 WHERE ID = 3")));
    const QString changed = CatalogSeed::dump();
    Journal::Outcome outcome = journal.undo();
    EXPECT_FALSE(outcome.done);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("1 item has changed since"))) << outcome.message.toStdString();
    EXPECT_EQ(CatalogSeed::dump(), changed);
    EXPECT_EQ(journal.nextUndo()->id, clearId);

    // Another window of the program journals a change on top meanwhile.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 0 WHERE ID = 3")));
    change(QStringLiteral("Add one: Rice"), 4, QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 1 WHERE ID = 4"));
    outcome = journal.undo(clearId);
    EXPECT_FALSE(outcome.done);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("Undo \u201cAdd one: Rice\u201d first")))
        << outcome.message.toStdString();
    EXPECT_TRUE(journal.undo().done);
    EXPECT_TRUE(journal.undo(clearId).done);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM ShoppingLists WHERE QtyToBuy <> 0 OR Checked "
                                                 "<> 0")),
              QStringLiteral("3"));
}

TEST_P(JournalTest, ANewActionDropsTheRedoBranchAndTheOldestGoBeyondTheLimits)
{
    const JournalAction::Limits three{3, 1 << 20};
    for (int i = 1; i <= 5; ++i) {
        change(QStringLiteral("Add one %1").arg(i), 1,
               QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = %1 WHERE ID = 1").arg(i), three);
    }
    Journal journal(connection);
    EXPECT_EQ(labels(journal.history()),
              (QStringList{QStringLiteral("Add one 5"), QStringLiteral("Add one 4"), QStringLiteral("Add one 3")}));
    ASSERT_TRUE(journal.undo().done);
    EXPECT_EQ(journal.nextRedo()->label, QStringLiteral("Add one 5"));
    change(QStringLiteral("Add one 6"), 1, QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 6 WHERE ID = 1"), three);
    EXPECT_FALSE(journal.nextRedo());
    EXPECT_EQ(labels(journal.history()),
              (QStringList{QStringLiteral("Add one 6"), QStringLiteral("Add one 4"), QStringLiteral("Add one 3")}));
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(DISTINCT ActionID) FROM JournalChanges")),
              QStringLiteral("3"));

    // The size bound keeps the newest entry whatever its size.
    change(QStringLiteral("Add one 7"), 1, QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 7 WHERE ID = 1"),
           {500, 1});
    EXPECT_EQ(labels(journal.history()), QStringList{QStringLiteral("Add one 7")});
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM JournalChanges")), QStringLiteral("1"));
    // Nothing changed: no entry.
    change(QStringLiteral("Add nothing"), 1, QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 7 WHERE ID = 1"));
    EXPECT_EQ(journal.history().size(), 1);
}

TEST_P(JournalTest, DamagedEntriesAreSkippedAndReportedOnce)
{
    change(QStringLiteral("Add one: Milk"), 1, QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 3 WHERE ID = 1"));
    change(QStringLiteral("Add one: Rice"), 4, QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 1 WHERE ID = 4"));
    const QString edited = CatalogSeed::dump();
    // Edited by hand: a time that is no time (where the engine takes one) or
    // a state that is none, and changes that are no changes (among them a
    // column name that would inject a statement).
    ASSERT_TRUE(
        CatalogSeed::exec(GetParam() == Engine::Sqlite
                              ? QStringLiteral("INSERT INTO JournalActions VALUES (7, 'Odd', 'yesterday', 0, 1, 1)")
                              : QStringLiteral("INSERT INTO JournalActions VALUES (7, 'Odd', 0, 5, 1, 1)")));
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral(
        "UPDATE JournalChanges SET Changes = 'UI4;1;22:QtyToBuy=0; DROP TABLE xI1;I0;' WHERE ActionID = 2")));
    Journal journal(connection);
    EXPECT_EQ(journal.nextUndo()->label, QStringLiteral("Add one: Rice"));
    const Journal::Outcome outcome = journal.undo();
    EXPECT_FALSE(outcome.done);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("damaged"))) << outcome.message.toStdString();
    EXPECT_EQ(CatalogSeed::dump(), edited);
    EXPECT_EQ(journal.takeDamageReport(),
              QStringLiteral("2 entries of the undo history are damaged and were skipped."));
    EXPECT_EQ(journal.takeDamageReport(), QString());

    EXPECT_EQ(journal.nextUndo()->label, QStringLiteral("Add one: Milk"));
    EXPECT_TRUE(journal.undo().done);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT QtyToBuy FROM ShoppingLists WHERE ID = 1")),
              QStringLiteral("2"));
    EXPECT_EQ(journal.takeDamageReport(), QString());
}

TEST_P(JournalTest, TablesOfAnotherProgramLeaveChangesUnjournalledAndSaySo)
{
    ASSERT_TRUE(
        CatalogSeed::exec(QStringLiteral("DROP TABLE IF EXISTS JournalChanges; DROP TABLE IF EXISTS JournalActions; "
                                         "CREATE TABLE JournalActions (Note TEXT)")));
    change(QStringLiteral("Add one: Milk"), 1, QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 3 WHERE ID = 1"));
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT QtyToBuy FROM ShoppingLists WHERE ID = 1")),
              QStringLiteral("3"));
    Journal journal(connection);
    EXPECT_FALSE(journal.nextUndo());
    EXPECT_FALSE(journal.unavailableReason().isEmpty());
    EXPECT_FALSE(journal.undo().done);
}

INSTANTIATE_FOR_BOTH_ENGINES(JournalTest);
