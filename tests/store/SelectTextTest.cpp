#include "StoreFixture.h"

#include "store/access/SelectText.h"

namespace
{
std::string joined(const std::vector<QByteArray>& words)
{
    QByteArray all;
    for (const QByteArray& word : words) {
        all += (all.isEmpty() ? "" : " ") + word;
    }
    return all.toStdString();
}
} // namespace

TEST(SelectTextTest, WordsSkipQuotesBracketsAndComments)
{
    struct Case
    {
        const char* sql;
        const char* words;
    };
    const Case cases[] = {
        {"SELECT ItemName, ID FROM ShoppingLists WHERE QtyToBuy > 0 ORDER BY DeptOrder",
         "SELECT ITEMNAME ID FROM SHOPPINGLISTS WHERE QTYTOBUY 0 ORDER BY DEPTORDER"},
        {"select 'group by' , \"union\", [join], `with` from t", "SELECT FROM T"},
        {"SELECT 'it''s', \"a\"\"b\" FROM t", "SELECT FROM T"},
        {"SELECT x -- group by\nFROM t", "SELECT X FROM T"},
        {"SELECT x /* union */ FROM t /* open", "SELECT X FROM T"},
        {"SELECT x FROM t WHERE a = 'open", "SELECT X FROM T WHERE A"},
        {"SELECT a.b_c, count(*) FROM t", "SELECT A B_C COUNT FROM T"},
        // Bytes beyond ASCII belong to words and keep their case.
        {"SELECT Crème FROM Épicerie", "SELECT CRèME FROM ÉPICERIE"},
        {"", ""},
        {"  -- only a comment", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(joined(SelectText::words(c.sql)), c.words) << c.sql;
    }
}

// The key goes right after SELECT in a plain SELECT of one table; any other
// shape gets none, and words of those shapes count only outside quotes and
// comments and as words of their own.
TEST(SelectTextTest, KeyGoesIntoPlainSelectsOnly)
{
    struct Case
    {
        const char* sql;
        qsizetype at;
    };
    const Case cases[] = {
        {"SELECT ItemName, ID, QtyToBuy, UnitOfPurchase, Dept, Price, Store, Checked, Coupon FROM ShoppingLists  "
         "WHERE QtyToBuy > 0 ORDER BY DeptOrder, ItemName",
         6},
        {"SELECT ID FROM ShoppingLists ORDER BY ID", 6},
        {"Select ID, QtyToBuy, Checked from ShoppingLists where (QtyToBuy <> 0) or (Checked <> 0)", 6},
        {"  \n\tselect * from shoppinglists", 10},
        {"SELECT 'group' , \"union\", [join], `with` FROM ShoppingLists", 6},
        {"SELECT x FROM t -- group by", 6},
        {"SELECT x /* union */ FROM t", 6},
        {"SELECT Groups, Distinctly FROM Withdrawals", 6},
        {"SELECT DISTINCT Store FROM ShoppingLists ORDER BY Store", -1},
        {"SELECT ALL Store FROM ShoppingLists", -1},
        {"SELECT Dept, count(*) FROM ShoppingLists GROUP BY Dept", -1},
        {"SELECT count(DISTINCT Dept) FROM ShoppingLists", -1},
        {"SELECT a FROM t UNION SELECT b FROM u", -1},
        {"SELECT a FROM t INTERSECT SELECT b FROM u", -1},
        {"SELECT a FROM t EXCEPT SELECT b FROM u", -1},
        {"SELECT * FROM a JOIN b ON a.x = b.x", -1},
        {"WITH x AS (SELECT 1) SELECT * FROM x", -1},
        {"UPDATE ShoppingLists SET x = 1", -1},
        {"SELECTED FROM t", -1},
        {"SELECT", -1},
        {"/* first */ SELECT x FROM t", -1},
        {"", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SelectText::rowidInsertPosition(c.sql), c.at) << c.sql;
    }
}

TEST(SelectTextTest, TableIsTakenAsTheTextSpellsIt)
{
    struct Case
    {
        const char* sql;
        const char* table;
    };
    const Case cases[] = {
        {"SELECT ItemName, ID FROM ShoppingLists  WHERE QtyToBuy > 0 ORDER BY DeptOrder", "ShoppingLists"},
        {"select * from shoppinglists", "shoppinglists"},
        {"SELECT 'FROM x', ID FROM ShoppingLists", "ShoppingLists"},
        {"SELECT Fromage FROM Fromages", "Fromages"},
        {"SELECT x FROM Groups WHERE y = 'it''s'", "Groups"},
        {"SELECT Crème FROM Épicerie WHERE a = 1", "Épicerie"},
        {"SELECT x -- FROM Other\nFROM t", "t"},
        {"SELECT 1", ""},
        {"UPDATE ShoppingLists SET x = 1", ""},
        {"SELECT x FROM", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SelectText::tableOfSelect(c.sql).toStdString(), c.table) << c.sql;
    }
}

TEST(SelectTextTest, QuotedIdentifiersDoubleInnerQuotes)
{
    EXPECT_EQ(SelectText::quotedIdentifier("main"), QByteArray("\"main\""));
    EXPECT_EQ(SelectText::quotedIdentifier("Shopping \"Lists\""), QByteArray("\"Shopping \"\"Lists\"\"\""));
    EXPECT_EQ(SelectText::quotedIdentifier(""), QByteArray("\"\""));
    EXPECT_EQ(SelectText::quotedIdentifier("Épicerie"), QByteArray("\"Épicerie\""));
}

// The key column put where the text says selects each row's own key, on the
// engine that reads keys this way.
class SelectTextRowsTest : public StoreTest
{
};

TEST_F(SelectTextRowsTest, KeyInsertedWhereToldSelectsEachRowsKey)
{
    makeCatalog();
    struct Case
    {
        const char* sql;
        const char* rows;
    };
    const Case cases[] = {
        {"SELECT ItemName, ID, QtyToBuy FROM ShoppingLists WHERE QtyToBuy > -1 ORDER BY ItemName", "3"},
        {"  select ItemName, ID from ShoppingLists where ItemName <> 'Kids'' Snacks' -- unordered\n ORDER BY ID DESC",
         "2"},
        {"SELECT ID /* and more */ FROM ShoppingLists ORDER BY Price", "3"},
    };
    for (const Case& c : cases) {
        const QByteArray sql(c.sql);
        const qsizetype at = SelectText::rowidInsertPosition(sql);
        ASSERT_GE(at, 0) << c.sql;
        const QByteArray keyed = sql.left(at) + " rowid AS k, " + sql.mid(at);
        const QString counts = QStringLiteral("SELECT count(*) || ':' || sum(k = ID) FROM (%1\n)");
        EXPECT_EQ(rawValue(catalogFile(), counts.arg(QString::fromUtf8(keyed))),
                  QStringLiteral("%1:%1").arg(QLatin1String(c.rows)))
            << keyed.toStdString();
        EXPECT_EQ(SelectText::tableOfSelect(keyed), QByteArray("ShoppingLists")) << c.sql;
    }
}
