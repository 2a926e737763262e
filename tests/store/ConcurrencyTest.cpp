#include "StoreFixture.h"

#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"
#include "store/catalog/BulkPass.h"
#include "store/journal/Journal.h"
#include "store/journal/JournalAction.h"

#include <QStringList>

#include <atomic>
#include <chrono>
#include <thread>

// Two programs on one catalog, each with its own connection.
class ConcurrencyTest : public EngineStoreTest
{
protected:
    void SetUp() override
    {
        EngineStoreTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        ASSERT_EQ(Catalog::prepareFile(location()), Catalog::FileState::Created);
        QStringList rows;
        for (int id = 1; id <= 40; ++id) {
            rows << QStringLiteral("(%1, 'Item %1', %2, 'Old', 0)").arg(id).arg(id <= 30 ? 1 : 0);
        }
        raw(QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, Store, checked) VALUES ")
            + rows.join(QLatin1Char(',')));
    }

    // One journalled pass over the rows of select, as the program's commands
    // make it, giving every column after the ID the value; halfway it lets
    // the other program go and dawdles. The text of the failure, empty when
    // the pass landed.
    QString pass(const QString& select, const QString& value, std::atomic<bool>* halfway)
    {
        CAdoConnection connection(true);
        if (connection.Open(location()) != 0) {
            return connection.lastError();
        }
        bool number = false;
        const qint64 integer = value.toLongLong(&number);
        const SqlValue given = number ? SqlValue::integer(integer) : SqlValue::text(value);
        try {
            JournalAction action(connection, QStringLiteral("Pass"));
            long done = 0;
            BulkPass::run(connection,
                          {select, select.count(QLatin1Char(',')) == 1 ? std::vector<int>{1} : std::vector<int>{1, 2},
                           [&](CAdoRecordset& row, BulkPass::Changes& changes) {
                               for (int column = 1; column < row.GetFieldCount(); ++column) {
                                   changes.emplace_back(column, given);
                               }
                               if (halfway && ++done == row.GetRecordCount() / 2) {
                                   *halfway = true;
                                   std::this_thread::sleep_for(std::chrono::milliseconds(300));
                               }
                           }},
                          &action);
            action.commit();
            return {};
        } catch (const CAdoException& error) {
            return error.describe();
        }
    }

    static void waitFor(const std::atomic<bool>& flag)
    {
        while (!flag) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
};
INSTANTIATE_FOR_BOTH_ENGINES(ConcurrencyTest);

TEST_P(ConcurrencyTest, MarkDuringClearListIsKept)
{
    std::atomic<bool> halfway{false};
    QString cleared;
    std::thread clearList([&] {
        cleared = pass(QStringLiteral("Select ID, QtyToBuy, Checked from ShoppingLists where (QtyToBuy <> 0) or "
                                      "(Checked <> 0)"),
                       QStringLiteral("0"), &halfway);
    });
    waitFor(halfway);
    // Mark one row the clear has passed and one it has not reached.
    const QString marked = pass(QStringLiteral("Select ID, Checked from ShoppingLists where ID = 2 or ID = 29"),
                                QStringLiteral("1"), nullptr);
    clearList.join();
    EXPECT_EQ(cleared, "");
    EXPECT_EQ(marked, "");
    EXPECT_EQ(rawValue(QStringLiteral("SELECT count(*) FROM ShoppingLists WHERE QtyToBuy <> 0")), "0");
    EXPECT_EQ(rawValue(QStringLiteral("SELECT count(*) FROM ShoppingLists WHERE checked <> 0")), "2");
    // Both in the history, one after the other, and undone in turn.
    CAdoConnection connection(true);
    ASSERT_EQ(connection.Open(location()), 0);
    Journal journal(connection);
    EXPECT_EQ(journal.history().size(), 2);
    EXPECT_TRUE(journal.undo().done);
    EXPECT_TRUE(journal.undo().done);
    EXPECT_EQ(rawValue(QStringLiteral("SELECT count(*) FROM ShoppingLists WHERE QtyToBuy <> 0")), "30");
}

TEST_P(ConcurrencyTest, TwoRenamesOfOneStoreLeaveOneName)
{
    std::atomic<bool> halfway{false};
    QString first;
    const QString rename = QStringLiteral("Select ID, Store FROM ShoppingLists WHERE Store= 'Old' ORDER BY ID");
    std::thread one([&] { first = pass(rename, QStringLiteral("Corner Shop"), &halfway); });
    waitFor(halfway);
    const QString second = pass(rename, QStringLiteral("B-Mart"), nullptr);
    one.join();
    EXPECT_EQ(first, "");
    EXPECT_EQ(second, "");
    // Every row under one of the new names: none left behind, none split.
    EXPECT_EQ(rawValue(QStringLiteral("SELECT count(DISTINCT Store) FROM ShoppingLists")), "1");
    EXPECT_NE(rawValue(QStringLiteral("SELECT min(Store) FROM ShoppingLists")), "Old");
}

TEST_P(ConcurrencyTest, TwoProgramsWaitingForEachOtherGetAClearMessage)
{
    if (onSqlite()) {
        GTEST_SKIP() << "a file is locked whole: its writers never wait for each other";
    }
    CAdoConnection first(true);
    CAdoConnection second(true);
    ASSERT_EQ(first.Open(location()), 0);
    ASSERT_EQ(second.Open(location()), 0);
    ASSERT_TRUE(first.BeginTrans() && second.BeginTrans());
    ASSERT_TRUE(first.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 5 WHERE ID = 1")));
    ASSERT_TRUE(second.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 6 WHERE ID = 2")));
    // Each side's outcome: written, or the failure's words and whether the
    // same work may succeed when run again.
    struct Outcome
    {
        bool wrote = false;
        bool transient = false;
        QString error;
    };
    const auto write = [](CAdoConnection& connection, const QString& sql) {
        Outcome outcome;
        outcome.wrote = connection.Execute(sql);
        outcome.transient = connection.lastFailureIsTransient();
        outcome.error = connection.lastError();
        if (!outcome.wrote) {
            connection.RollbackTrans();
        }
        return outcome;
    };
    Outcome one;
    std::thread other(
        [&] { one = write(first, QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 5 WHERE ID = 2")); });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const Outcome two = write(second, QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 6 WHERE ID = 1"));
    other.join();
    // The server picks one of the two to give up; the other lands.
    ASSERT_NE(one.wrote, two.wrote);
    const Outcome& lost = one.wrote ? two : one;
    EXPECT_TRUE(lost.transient);
    EXPECT_TRUE(lost.error.contains(QStringLiteral("changed the same items at the same moment")))
        << lost.error.toStdString();
    EXPECT_TRUE((one.wrote ? first : second).CommitTrans());
}
