#include "StoreFixture.h"

#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"

class RecordsetTest : public EngineStoreTest
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

    // Every text of column position of the set, in row order.
    static QStringList column(CAdoRecordset& set, int position)
    {
        QStringList texts;
        for (; !set.IsEOF(); set.MoveNext()) {
            texts << set.GetField(position).GetText();
        }
        return texts;
    }

    CAdoConnection connection{true};
    CAdoRecordset set;
};
INSTANTIATE_FOR_BOTH_ENGINES(RecordsetTest);

TEST_P(RecordsetTest, TextOfEveryKindOfValue)
{
    for (const int cursor : {0, 1}) {
        SCOPED_TRACE(cursor);
        ASSERT_TRUE(set.Open(QStringLiteral("SELECT ItemName, ID, QtyToBuy, UnitOfPurchase, Dept, Price, Store, "
                                            "Checked, Coupon, ItemNameDetail FROM ShoppingLists ORDER BY ID"),
                             connection, cursor, 1, 8));
        const QStringList milk = {"Milk", "1", "2", "litre", "Dairy", "2.5", "Fresh Market", "-1", "1", "semi-skimmed"};
        for (int i = 0; i < milk.size(); ++i) {
            EXPECT_EQ(set.GetField(i).GetText(), milk[i]) << i;
        }
        set.MoveNext();
        // A double without a fraction has no point; a false bit is "0"; a
        // missing value is the empty text.
        EXPECT_EQ(set.GetField(5).GetText(), "3");
        EXPECT_EQ(set.GetField(7).GetText(), "0");
        EXPECT_EQ(set.GetField(9).GetText(), "");
        set.MoveNext();
        EXPECT_EQ(set.GetField(0).GetText(), "Kids' Snacks");
        EXPECT_EQ(set.GetField(5).GetText(), "");
        EXPECT_EQ(set.GetField(8).GetText(), "-1");
    }
}

TEST_P(RecordsetTest, NumbersAndTheirFailures)
{
    ASSERT_TRUE(connection.Execute(QStringLiteral("UPDATE ShoppingLists SET UnitOfPurchase = ' 12 ', "
                                                  "ItemNameDetail = '2.5' WHERE ID = 1")));
    ASSERT_TRUE(connection.Execute(QStringLiteral("UPDATE ShoppingLists SET Price = 3.5 WHERE ID = 2")));
    // An integer column of PostgreSQL holds no more than 32 bits.
    const bool wideId = onSqlite()
                        && connection.Execute(QStringLiteral("UPDATE ShoppingLists SET ID = 3000000000 "
                                                             "WHERE ID = 2"));
    for (const int cursor : {0, 1}) {
        SCOPED_TRACE(cursor);
        ASSERT_TRUE(set.Open(QStringLiteral("Select ID, Checked, UnitOfPurchase, ItemNameDetail, Price, Dept from "
                                            "ShoppingLists order by ItemName"),
                             connection, cursor, 3, 8));
        // Bread: an ID beyond 32 bits, 3.5 rounds half to even.
        if (wideId) {
            EXPECT_EQ(codeOf([&] { set.GetField(0).GetLong(); }), CAdoException::NotANumber);
            EXPECT_EQ(set.GetField(0).GetText(), "3000000000");
        }
        EXPECT_EQ(set.GetField(4).GetLong(), 4);
        EXPECT_EQ(codeOf([&] { set.GetField(3).GetLong(); }), CAdoException::NotANumber); // missing
        set.MoveNext();
        // Kids' Snacks: empty text and a word are no numbers.
        EXPECT_EQ(codeOf([&] { set.GetField(3).GetLong(); }), CAdoException::NotANumber);
        EXPECT_EQ(codeOf([&] { set.GetField(5).GetLong(); }), CAdoException::NotANumber);
        set.MoveNext();
        // Milk: text holding numbers converts, a true bit is -1.
        EXPECT_EQ(set.GetField(2).GetLong(), 12);
        EXPECT_EQ(set.GetField(3).GetLong(), 2);
        EXPECT_EQ(set.GetField(1).GetLong(), -1);
        set.MoveNext();
        ASSERT_TRUE(set.IsEOF());
        EXPECT_EQ(codeOf([&] { set.GetField(0).GetText(); }), CAdoException::CannotRead);
        EXPECT_EQ(codeOf([&] { set.GetField(0).GetLong(); }), CAdoException::CannotRead);
    }
}

TEST_P(RecordsetTest, EmptySetIsAtItsEndAtOnce)
{
    for (const int cursor : {0, 1}) {
        ASSERT_TRUE(set.Open(QStringLiteral("SELECT ID FROM ShoppingLists WHERE QtyToBuy > 99"), connection, cursor));
        EXPECT_TRUE(set.IsEOF());
        EXPECT_EQ(set.GetRecordCount(), 0);
        EXPECT_EQ(set.GetFieldCount(), 1);
        EXPECT_FALSE(set.MoveLast());
        EXPECT_EQ(codeOf([&] { set.GetField(0).GetText(); }), CAdoException::CannotRead);
        EXPECT_EQ(codeOf([&] { set.GetField(0).GetLong(); }), CAdoException::CannotRead);
    }
}

TEST_P(RecordsetTest, OneBufferForEveryText)
{
    ASSERT_TRUE(set.Open(QStringLiteral("SELECT ItemName, Dept FROM ShoppingLists WHERE ID = 1"), connection, 0, 1, 8));
    const QString& first = set.GetField(0).GetText();
    const QString copy = first;
    set.GetField(1).GetText();
    EXPECT_EQ(first, "Dairy");
    EXPECT_EQ(copy, "Milk");
}

TEST_P(RecordsetTest, ExactCountsAndMovesForBothCursors)
{
    raw(QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy) VALUES (10, 'Zest', 3), "
                       "(7, 'Apples', 0)"));
    const QString byId = QStringLiteral("SELECT ID FROM ShoppingLists ORDER BY ID");
    for (const int cursor : {0, 1}) {
        SCOPED_TRACE(cursor);
        ASSERT_TRUE(set.Open(byId, connection, cursor, 3, 8));
        set.MoveNext();
        // Counting leaves the cursor where it stood.
        EXPECT_EQ(set.GetRecordCount(), 5);
        EXPECT_EQ(set.GetField(0).GetText(), "2");
        EXPECT_TRUE(set.MoveLast());
        EXPECT_EQ(set.GetField(0).GetLong(), 10);
        EXPECT_FALSE(set.IsEOF());
        set.MoveNext();
        EXPECT_TRUE(set.IsEOF());
        EXPECT_FALSE(set.MoveNext());
        ASSERT_TRUE(set.Open(byId, connection, cursor, 3, 8));
        EXPECT_EQ(column(set, 0), QStringList({"1", "2", "3", "7", "10"}));
    }
    ASSERT_TRUE(set.Open(QStringLiteral("SELECT ItemName FROM ShoppingLists WHERE QtyToBuy > 0 ORDER BY ItemName;"),
                         connection, 0, 1, 8));
    EXPECT_EQ(set.GetRecordCount(), 3);
    EXPECT_EQ(column(set, 0), QStringList({"Kids' Snacks", "Milk", "Zest"}));
}

TEST_P(RecordsetTest, ReopeningDiscardsRowsAndColumns)
{
    ASSERT_TRUE(set.Open(QStringLiteral("Select * from ShoppingLists"), connection, 1, 3, 8));
    EXPECT_EQ(set.GetFieldCount(), 12);
    EXPECT_EQ(set.GetField(8).GetName(), "checked");
    EXPECT_EQ(set.GetField(11).GetName(), "Coupon");
    EXPECT_EQ(set.GetRecordCount(), 3);

    ASSERT_TRUE(set.Open(QStringLiteral("SELECT Dept FROM ShoppingLists WHERE ID = 2"), connection, 0, 3, 8));
    EXPECT_EQ(set.GetFieldCount(), 1);
    EXPECT_EQ(set.GetRecordCount(), 1);
    EXPECT_EQ(set.GetField(0).GetText(), "Bakery");
    // A position beyond the new column list leaves the accessor without a
    // column.
    CAdoField& gone = set.GetField(8);
    EXPECT_EQ(gone.GetName(), "");
    EXPECT_EQ(codeOf([&] { gone.GetText(); }), CAdoException::CannotRead);
    EXPECT_EQ(codeOf([&] { gone.SetLong(1); }), CAdoException::ValueRefused);
    EXPECT_EQ(codeOf([&] { set.GetField(-1).GetLong(); }), CAdoException::CannotRead);

    // A failed open leaves nothing of the last one behind.
    EXPECT_FALSE(set.Open(QStringLiteral("SELECT Nothing FROM ShoppingLists"), connection, 0, 3, 8));
    EXPECT_TRUE(set.IsEOF());
    EXPECT_EQ(set.GetFieldCount(), -1);
    EXPECT_FALSE(connection.lastError().isEmpty());
}

TEST_P(RecordsetTest, StatementsWithoutRowsReportTheirSuccess)
{
    const QString index = QStringLiteral("CREATE INDEX doIndex ON ShoppingLists (DeptOrder)");
    EXPECT_TRUE(set.Open(index, connection, 0, 3, 8));
    EXPECT_TRUE(set.IsEOF());
    EXPECT_EQ(set.GetFieldCount(), 0);
    EXPECT_FALSE(set.Open(index, connection, 0, 3, 8));
    EXPECT_TRUE(set.Open(QStringLiteral("ALTER TABLE ShoppingLists ADD Extra int"), connection, 0, 3, 8));
    EXPECT_FALSE(set.Open(QStringLiteral("ALTER TABLE ShoppingLists ADD extra int"), connection, 0, 3, 8));

    // Only one statement per open: a second one is refused, not run.
    EXPECT_FALSE(set.Open(QStringLiteral("SELECT ID FROM ShoppingLists; DELETE FROM ShoppingLists"), connection));
    EXPECT_EQ(rawValue(QStringLiteral("SELECT count(*) FROM ShoppingLists")), "3");
}

TEST_P(RecordsetTest, NameWithApostropheRoundTripsThroughComposedStatements)
{
    const QString name = QStringLiteral("Granny's 'Best' Jam");
    ASSERT_TRUE(connection.Execute(QStringLiteral("INSERT INTO ShoppingLists (ID, QtyToBuy, ItemName, Dept, Checked) "
                                                  "VALUES (4, 1, '")
                                   + Catalog::quoteText(name) + QStringLiteral("', '")
                                   + Catalog::quoteText(QStringLiteral("Kids' Snacks")) + QStringLiteral("', 0)")));
    ASSERT_TRUE(set.Open(QStringLiteral("SELECT ItemName, Dept FROM ShoppingLists where ItemName = '")
                             + Catalog::quoteText(name) + QStringLiteral("'"),
                         connection, 1, 3, 8));
    ASSERT_EQ(set.GetRecordCount(), 1);
    EXPECT_EQ(set.GetField(0).GetText(), name);
    EXPECT_EQ(set.GetField(1).GetText(), "Kids' Snacks");
    ASSERT_TRUE(set.Open(QStringLiteral("SELECT ID FROM ShoppingLists WHERE Dept = '")
                             + Catalog::quoteText(QStringLiteral("Kids' Snacks")) + QStringLiteral("' ORDER BY ID"),
                         connection, 0, 3, 8));
    EXPECT_EQ(set.GetRecordCount(), 1);
    EXPECT_EQ(Catalog::quoteText(QStringLiteral("''")), "''''");
    EXPECT_EQ(Catalog::quoteText(QStringLiteral("plain")), "plain");
}

TEST_P(RecordsetTest, PrefixSearchIgnoresCaseAndUsesTheNameIndex)
{
    Catalog::runStoreTabIndexes(connection);
    raw(QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy) VALUES (4, 'MINT', 1), (5, 'mi_x', 0), "
                       "(6, 'Mj', 0), (7, 'Lime', 0)"));
    const QString search = QStringLiteral("SELECT ItemName, QtyToBuy from ShoppingLists where ItemName LIKE 'mi%' "
                                          "ORDER BY ItemName");
    ASSERT_TRUE(set.Open(search, connection, 0, 3, 8));
    EXPECT_EQ(column(set, 0), QStringList({"mi_x", "Milk", "MINT"}));
    ASSERT_TRUE(set.Open(QStringLiteral("SELECT ItemName from ShoppingLists where ItemName = 'MILK'"), connection));
    EXPECT_EQ(column(set, 0), QStringList({"Milk"}));
    // The quick entry escapes the wildcards the user types.
    const QString escaped = QStringLiteral("SELECT ItemName from ShoppingLists where ItemName LIKE '%1' ESCAPE '\\' "
                                           "ORDER BY ItemName");
    ASSERT_TRUE(set.Open(escaped.arg(QStringLiteral("mi%")), connection, 0, 3, 8))
        << connection.lastError().toStdString();
    EXPECT_EQ(column(set, 0), QStringList({"mi_x", "Milk", "MINT"}));
    ASSERT_TRUE(set.Open(escaped.arg(QStringLiteral("MI\\_%")), connection, 0, 3, 8));
    EXPECT_EQ(column(set, 0), QStringList({"mi_x"}));
    ASSERT_TRUE(set.Open(escaped.arg(QStringLiteral("mi\\%")), connection, 0, 3, 8));
    EXPECT_TRUE(set.IsEOF());
    if (onSqlite()) {
        ASSERT_TRUE(set.Open(QStringLiteral("EXPLAIN QUERY PLAN ") + search, connection, 0, 3, 8));
        EXPECT_EQ(column(set, 3).join('|'), "SEARCH ShoppingLists USING INDEX ItemNameIdx (ItemName>? AND ItemName<?)");
        return;
    }
    // So few rows would be read whole: forbid that, to see that the index can
    // serve the search and its order.
    ASSERT_TRUE(connection.Execute(QStringLiteral("SET enable_seqscan = off")));
    ASSERT_TRUE(connection.Execute(QStringLiteral("SET enable_bitmapscan = off")));
    ASSERT_TRUE(set.Open(QStringLiteral("EXPLAIN ") + search, connection, 0, 3, 8));
    const QString plan = column(set, 0).join('|');
    EXPECT_TRUE(plan.startsWith(QStringLiteral("Index")) && plan.contains(QStringLiteral("using itemnameidx")))
        << plan.toStdString();
    EXPECT_FALSE(plan.contains(QStringLiteral("Sort"))) << plan.toStdString();
}

TEST_P(RecordsetTest, MissingValuesSortFirstAndLikeHasNoEscape)
{
    const QString byPrice = QStringLiteral("SELECT ItemName FROM ShoppingLists ORDER BY Price");
    ASSERT_TRUE(set.Open(byPrice, connection, 0, 1, 8));
    EXPECT_EQ(column(set, 0), QStringList({"Kids' Snacks", "Milk", "Bread"}));
    ASSERT_TRUE(set.Open(byPrice + QStringLiteral(" DESC, ItemName"), connection, 0, 1, 8));
    EXPECT_EQ(column(set, 0), QStringList({"Bread", "Milk", "Kids' Snacks"}));

    raw(QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy) VALUES (4, 'a\\b', 0), (5, 'ab', 0)"));
    ASSERT_TRUE(set.Open(QStringLiteral("SELECT ItemName FROM ShoppingLists WHERE ItemName LIKE 'a\\%' "
                                        "ORDER BY ItemName"),
                         connection, 0, 3, 8));
    EXPECT_EQ(column(set, 0), QStringList({"a\\b"}));
}
