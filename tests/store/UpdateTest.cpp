#include "StoreFixture.h"

#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"
#include "store/access/CAdoTransaction.h"
#include "store/catalog/BulkPass.h"

class UpdateTest : public EngineStoreTest
{
protected:
    void SetUp() override
    {
        EngineStoreTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        makeCatalog();
        ASSERT_EQ(connection.Open(location()), 0);
    }

    QString stored(const QString& column, int id) const
    {
        return rawValue(QStringLiteral("SELECT %1 FROM ShoppingLists WHERE ID = %2").arg(column).arg(id));
    }

    bool openItem(int id, int lockType = 3)
    {
        return set.Open(QStringLiteral("Select ID, QtyToBuy, ItemName, Dept, Checked, Price, Coupon, DeptOrder from "
                                       "ShoppingLists where ID = %1")
                            .arg(id),
                        connection, 1, lockType, 8);
    }

    CAdoConnection connection{true};
    CAdoRecordset set;
};
INSTANTIATE_FOR_BOTH_ENGINES(UpdateTest);

TEST_P(UpdateTest, WritesSetColumnsOfTheCurrentRow)
{
    ASSERT_TRUE(openItem(2));
    set.GetField(1).SetLong(3);
    set.GetField(2).SetText(QStringLiteral("Rye Bread"));
    set.GetField(4).SetLong(1);
    set.GetField(5).SetDouble(2.75);
    set.GetField(6).SetText(QStringLiteral(" 1 "));
    // The row shows its new values before they are written...
    EXPECT_EQ(set.GetField(1).GetText(), "3");
    EXPECT_EQ(stored("QtyToBuy", 2), "0");
    set.Update();
    // ...and keeps them after.
    EXPECT_EQ(set.GetField(4).GetText(), "-1");
    EXPECT_EQ(set.GetField(5).GetText(), "2.75");
    EXPECT_EQ(stored("QtyToBuy", 2), "3");
    EXPECT_EQ(stored("ItemName", 2), "Rye Bread");
    EXPECT_EQ(stored("checked", 2), "1");
    EXPECT_EQ(stored("Price", 2), "2.75");
    EXPECT_EQ(stored(onSqlite() ? "typeof(Coupon)" : "pg_typeof(Coupon)", 2), "integer");
    // Nothing else changed.
    EXPECT_EQ(stored("QtyToBuy", 1), "2");
    EXPECT_EQ(stored("ItemName", 3), "Kids' Snacks");
}

TEST_P(UpdateTest, RowsAreWrittenByRowidNotByTheirValues)
{
    // Two rows that agree in every column: only the current one may change.
    raw(QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy) VALUES (5, 'Twin', 0), "
                       "(5, 'Twin', 0)"));
    ASSERT_TRUE(
        set.Open(QStringLiteral("SELECT ItemName, QtyToBuy FROM ShoppingLists WHERE ID = 5"), connection, 1, 3, 8));
    ASSERT_EQ(set.GetRecordCount(), 2);
    set.MoveLast();
    set.GetField(1).SetLong(4);
    set.Update();
    EXPECT_EQ(rawValue(onSqlite() ? QStringLiteral("SELECT group_concat(QtyToBuy) FROM (SELECT QtyToBuy FROM "
                                                   "ShoppingLists WHERE ID = 5 ORDER BY rowid)")
                                  : QStringLiteral("SELECT string_agg(QtyToBuy::text, ',' ORDER BY RowKey) FROM "
                                                   "ShoppingLists WHERE ID = 5")),
              "0,4");
}

TEST_P(UpdateTest, PassOverEveryRowWritesEach)
{
    ASSERT_TRUE(set.Open(QStringLiteral("Select ID, QtyToBuy, Checked from ShoppingLists where (QtyToBuy <> 0) or "
                                        "(Checked <> 0)"),
                         connection, 1, 3, 8));
    const long count = set.GetRecordCount();
    ASSERT_EQ(count, 2);
    for (long i = 0; i < count; ++i) {
        set.GetField(1).SetLong(0);
        set.GetField(2).SetLong(0);
        set.Update();
        set.MoveNext();
    }
    EXPECT_TRUE(set.IsEOF());
    EXPECT_EQ(rawValue(QStringLiteral("SELECT count(*) FROM ShoppingLists WHERE QtyToBuy <> 0 OR "
                                      "checked <> 0")),
              "0");
}

TEST_P(UpdateTest, ValuesOutsideTheColumnAreRefusedNotCut)
{
    ASSERT_TRUE(openItem(1));
    EXPECT_EQ(codeOf([&] { set.GetField(1).SetLong(32768); }), CAdoException::ValueRefused);
    EXPECT_EQ(codeOf([&] { set.GetField(1).SetLong(-32769); }), CAdoException::ValueRefused);
    EXPECT_EQ(codeOf([&] { set.GetField(1).SetText(QStringLiteral("40000")); }), CAdoException::ValueRefused);
    EXPECT_EQ(codeOf([&] { set.GetField(1).SetText(QStringLiteral("two")); }), CAdoException::ValueRefused);
    EXPECT_EQ(codeOf([&] { set.GetField(1).SetText(QString()); }), CAdoException::ValueRefused);
    EXPECT_EQ(codeOf([&] { set.GetField(1).SetDouble(1.5); }), CAdoException::ValueRefused);
    EXPECT_EQ(codeOf([&] { set.GetField(0).SetDouble(4294967296.0); }), CAdoException::ValueRefused);
    EXPECT_EQ(codeOf([&] { set.GetField(5).SetText(QStringLiteral("cheap")); }), CAdoException::ValueRefused);
    // ItemName is varchar(30): 30 characters fit, 31 do not.
    EXPECT_EQ(codeOf([&] { set.GetField(2).SetText(QString(31, QLatin1Char('x'))); }), CAdoException::ValueRefused);
    EXPECT_EQ(codeOf([&] { set.GetField(2).SetText(QString(30, QLatin1Char('x'))); }), 0);
    EXPECT_EQ(codeOf([&] { set.GetField(1).SetLong(32767); }), 0);
    EXPECT_EQ(codeOf([&] { set.GetField(1).SetLong(-32768); }), 0);
    set.Update();
    EXPECT_EQ(stored("QtyToBuy", 1), "-32768");
    EXPECT_EQ(stored("length(ItemName)", 1), "30");
}

TEST_P(UpdateTest, SetsThatCannotWriteRefuse)
{
    // A read-only lock, a forward-only cursor and a computed column take no
    // value; nothing reaches the file.
    ASSERT_TRUE(openItem(1, 1));
    EXPECT_EQ(codeOf([&] { set.GetField(1).SetLong(5); }), CAdoException::ValueRefused);
    ASSERT_TRUE(set.Open(QStringLiteral("SELECT ID, QtyToBuy FROM ShoppingLists WHERE ID = 1"), connection, 0, 3, 8));
    EXPECT_EQ(codeOf([&] { set.GetField(1).SetLong(5); }), CAdoException::ValueRefused);
    ASSERT_TRUE(
        set.Open(QStringLiteral("SELECT ID, QtyToBuy + 1 FROM ShoppingLists WHERE ID = 1"), connection, 1, 3, 8));
    EXPECT_EQ(codeOf([&] { set.GetField(1).SetLong(5); }), CAdoException::ValueRefused);
    ASSERT_TRUE(set.Open(QStringLiteral("SELECT DISTINCT Store FROM ShoppingLists"), connection, 1, 3, 8));
    EXPECT_EQ(set.GetRecordCount(), 2);
    EXPECT_EQ(codeOf([&] { set.GetField(0).SetText(QStringLiteral("Elsewhere")); }), CAdoException::ValueRefused);
    EXPECT_EQ(stored("QtyToBuy", 1), "2");
    EXPECT_EQ(rawValue(QStringLiteral("SELECT count(*) FROM ShoppingLists WHERE Store = 'Elsewhere'")), "0");
}

TEST_P(UpdateTest, MovingOnDropsValuesNotWritten)
{
    ASSERT_TRUE(set.Open(QStringLiteral("SELECT ID, QtyToBuy FROM ShoppingLists ORDER BY ID"), connection, 1, 3, 8));
    set.GetField(1).SetLong(9);
    set.MoveNext();
    EXPECT_EQ(set.GetField(1).GetText(), stored("QtyToBuy", 2));
    set.Update(); // nothing set: nothing written, no failure
    EXPECT_EQ(stored("QtyToBuy", 1), "2");
}

TEST_P(UpdateTest, RowThatCannotBeWrittenRaises)
{
    ASSERT_TRUE(openItem(3));
    set.GetField(1).SetLong(5);
    // Deleted behind the set's back.
    ASSERT_TRUE(connection.Execute(QStringLiteral("DELETE FROM ShoppingLists WHERE ID = 3")));
    EXPECT_EQ(codeOf([&] { set.Update(); }), CAdoException::CannotWrite);

    // The store refuses to write at all.
    ASSERT_TRUE(openItem(1));
    ASSERT_TRUE(connection.Execute(onSqlite() ? QStringLiteral("PRAGMA query_only = 1")
                                              : QStringLiteral("SET default_transaction_read_only = on")));
    set.GetField(1).SetLong(5);
    try {
        set.Update();
        FAIL() << "Update wrote to a read-only catalog";
    } catch (const CAdoException& error) {
        EXPECT_EQ(error.m_nCode, CAdoException::CannotWrite);
        EXPECT_EQ(error.m_strFile, "adoclass31");
        EXPECT_GT(error.m_nLine, 0);
        EXPECT_STREQ(error.what(), "CAdoException");
        EXPECT_TRUE(error.describe().startsWith("The catalog could not be written (error -18)."))
            << error.describe().toStdString();
    }
    ASSERT_TRUE(connection.Execute(onSqlite() ? QStringLiteral("PRAGMA query_only = 0")
                                              : QStringLiteral("SET default_transaction_read_only = off")));
    EXPECT_EQ(stored("QtyToBuy", 1), "2");

    // No current row.
    set.MoveNext();
    EXPECT_EQ(codeOf([&] { set.Update(); }), CAdoException::CannotWrite);
}

TEST_P(UpdateTest, WritesOfATransactionAreSeenByItsNextReadAndGoWithItsRollback)
{
    {
        CAdoTransaction transaction(connection);
        ASSERT_TRUE(openItem(2));
        set.GetField(1).SetLong(6);
        set.Update();
        CAdoRecordset other;
        ASSERT_TRUE(other.Open(QStringLiteral("SELECT QtyToBuy FROM ShoppingLists WHERE ID = 2"), connection));
        EXPECT_EQ(other.GetField(0).GetText(), "6");
        ASSERT_TRUE(openItem(2));
        set.GetField(1).SetLong(7);
        set.Update();
        EXPECT_TRUE(transaction.rollback());
    }
    EXPECT_EQ(stored("QtyToBuy", 2), "0");
    // The next transaction starts clean and lands whole.
    CAdoTransaction transaction(connection);
    ASSERT_TRUE(openItem(2));
    set.GetField(1).SetLong(8);
    set.Update();
    set.Close();
    EXPECT_TRUE(transaction.commit());
    EXPECT_EQ(stored("QtyToBuy", 2), "8");
}

TEST_P(UpdateTest, PassWithARefusedWriteRaisesAndKeepsNothing)
{
    // Enough rows for the writes to go to the store in more than one part;
    // the store refuses one row's new value, early or last.
    raw(onSqlite() ? QStringLiteral("WITH RECURSIVE g(x) AS (SELECT 10 UNION ALL SELECT x + 1 FROM g WHERE x < 9000) "
                                    "INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy) SELECT x, 'Item ' || x, 1 "
                                    "FROM g")
                   : QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy) SELECT g, 'Item ' || g, 1 FROM "
                                    "generate_series(10, 9000) g"));
    const BulkPass::Pass clear{
        QStringLiteral("Select ID, QtyToBuy from ShoppingLists where QtyToBuy <> 0 ORDER BY ID"),
        {1},
        [](CAdoRecordset&, BulkPass::Changes& changes) { changes.emplace_back(1, SqlValue::integer(0)); }};
    for (const int refused : {20, 9000}) {
        raw(onSqlite() ? QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON ShoppingLists WHEN NEW.ID = %1 "
                                        "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                             .arg(refused)
                       : QStringLiteral("ALTER TABLE ShoppingLists ADD CONSTRAINT refuse CHECK (ID <> %1 OR "
                                        "QtyToBuy <> 0) NOT VALID")
                             .arg(refused));
        EXPECT_EQ(codeOf([&] { BulkPass::run(connection, clear); }), CAdoException::CannotWrite) << refused;
        EXPECT_EQ(rawValue(QStringLiteral("SELECT count(*) FROM ShoppingLists WHERE QtyToBuy <> 0")), "8993")
            << refused;
        raw(onSqlite() ? QStringLiteral("DROP TRIGGER refuse")
                       : QStringLiteral("ALTER TABLE ShoppingLists DROP CONSTRAINT refuse"));
    }
    // The connection goes on: the same pass lands whole.
    EXPECT_EQ(BulkPass::run(connection, clear), 8993);
    EXPECT_EQ(rawValue(QStringLiteral("SELECT count(*) FROM ShoppingLists WHERE QtyToBuy <> 0")), "0");
}
