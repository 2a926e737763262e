#include "StoreFixture.h"

#include "support/EngineCatalog.h"

#include "store/catalog/Catalog.h"
#include "store/postgres/PgDialect.h"

#include <QStringList>

namespace
{
struct Translation
{
    const char* sql;
    const char* postgres;
};

void expectTranslations(std::initializer_list<Translation> cases)
{
    for (const Translation& c : cases) {
        EXPECT_EQ(PgDialect::translate(QByteArray(c.sql)).toStdString(), c.postgres) << "from: " << c.sql;
    }
}
} // namespace

// The statements the program sends, as the list window, the pickers, the
// journal and the catalog's upkeep write them.
TEST(PgDialectTest, ProgramStatementsSortMissingValuesAsSqliteDoes)
{
    expectTranslations({
        {"SELECT ItemName, ID, QtyToBuy, UnitOfPurchase, Dept, Price, Store, Checked, Coupon FROM ShoppingLists  "
         "WHERE QtyToBuy > 0 ORDER BY DeptOrder, ItemName",
         "SELECT ItemName, ID, QtyToBuy, UnitOfPurchase, Dept, Price, Store, Checked, Coupon FROM ShoppingLists  "
         "WHERE QtyToBuy > 0 ORDER BY DeptOrder NULLS FIRST, ItemName NULLS FIRST"},
        {"SELECT ItemName, ID FROM ShoppingLists  WHERE Dept = 'Dairy' AND QtyToBuy > 0  AND Store = 'Fresh Market'  "
         "ORDER BY Itemname",
         "SELECT ItemName, ID FROM ShoppingLists  WHERE Dept = 'Dairy' AND QtyToBuy > 0  AND Store = 'Fresh Market'  "
         "ORDER BY Itemname NULLS FIRST"},
        {"SELECT ItemName FROM ShoppingLists WHERE QtyToBuy > -1 ORDER BY Price DESC",
         "SELECT ItemName FROM ShoppingLists WHERE QtyToBuy > -1 ORDER BY Price DESC NULLS LAST"},
        {"SELECT ItemName, ID, Store, Dept, UnitOfPurchase from ShoppingLists Order by ItemName",
         "SELECT ItemName, ID, Store, Dept, UnitOfPurchase from ShoppingLists Order by ItemName NULLS FIRST"},
        {"SELECT DISTINCT Store FROM ShoppingLists ORDER BY Store",
         "SELECT DISTINCT Store FROM ShoppingLists ORDER BY Store NULLS FIRST"},
        {"SELECT Dept, DeptOrder from ShoppingLists Order by DeptOrder, Dept",
         "SELECT Dept, DeptOrder from ShoppingLists Order by DeptOrder NULLS FIRST, Dept NULLS FIRST"},
        {"SELECT ActionID, ByteSize FROM JournalActions ORDER BY ActionID DESC LIMIT 5",
         "SELECT ActionID, ByteSize FROM JournalActions ORDER BY ActionID DESC NULLS LAST LIMIT 5"},
        {"SELECT Part, Changes FROM JournalChanges WHERE ActionID = ? ORDER BY Part",
         "SELECT Part, Changes FROM JournalChanges WHERE ActionID = ? ORDER BY Part NULLS FIRST"},
        {"SELECT ID FROM ShoppingLists ORDER BY ID", "SELECT ID FROM ShoppingLists ORDER BY ID NULLS FIRST"},
        {"SELECT Store from ShoppingLists where Store= 'Corner Shop' ORDER BY ID",
         "SELECT Store from ShoppingLists where Store= 'Corner Shop' ORDER BY ID NULLS FIRST"},
        // Statements without an order or a pattern pass as they are.
        {"UPDATE ShoppingLists SET ItemName = ?, QtyToBuy = ? WHERE ID = ?",
         "UPDATE ShoppingLists SET ItemName = ?, QtyToBuy = ? WHERE ID = ?"},
        {"DELETE FROM ShoppingLists WHERE ID = 3", "DELETE FROM ShoppingLists WHERE ID = 3"},
        {"INSERT INTO JournalChanges (ActionID, Part, Changes) VALUES (?, ?, ?)",
         "INSERT INTO JournalChanges (ActionID, Part, Changes) VALUES (?, ?, ?)"},
        {"SELECT count(*) FROM ShoppingLists WHERE ID = ?", "SELECT count(*) FROM ShoppingLists WHERE ID = ?"},
        {"CREATE TABLE t (a int, b text)", "CREATE TABLE t (a int, b text)"},
        {"ALTER TABLE ShoppingLists ADD DeptOrder integer DEFAULT -1",
         "ALTER TABLE ShoppingLists ADD DeptOrder integer DEFAULT -1"},
        {"", ""},
    });
}

TEST(PgDialectTest, IndexColumnsGetTheSameOrderAsTheStatements)
{
    expectTranslations({
        {"CREATE INDEX doIndex ON ShoppingLists (DeptOrder)",
         "CREATE INDEX doIndex ON ShoppingLists (DeptOrder NULLS FIRST)"},
        {"CREATE INDEX IF NOT EXISTS IDIdx ON ShoppingLists (ID)",
         "CREATE INDEX IF NOT EXISTS IDIdx ON ShoppingLists (ID NULLS FIRST)"},
        {"CREATE UNIQUE INDEX u ON ShoppingLists (Store DESC, ItemName)",
         "CREATE UNIQUE INDEX u ON ShoppingLists (Store DESC NULLS LAST, ItemName NULLS FIRST)"},
        {"create index i on t (a nulls last, b)", "create index i on t (a nulls last, b NULLS FIRST)"},
        // INCLUDE columns have no order.
        {"CREATE INDEX i ON t (a) INCLUDE (b)", "CREATE INDEX i ON t (a NULLS FIRST) INCLUDE (b)"},
    });
}

TEST(PgDialectTest, OrderTermsAreClosedWhereTheyEnd)
{
    expectTranslations({
        {"SELECT * FROM t ORDER BY a NULLS LAST", "SELECT * FROM t ORDER BY a NULLS LAST"},
        {"SELECT * FROM t ORDER BY a DESC NULLS FIRST, b",
         "SELECT * FROM t ORDER BY a DESC NULLS FIRST, b NULLS FIRST"},
        {"SELECT * FROM t ORDER BY lower(a), b", "SELECT * FROM t ORDER BY lower(a) NULLS FIRST, b NULLS FIRST"},
        {"SELECT * FROM t ORDER BY coalesce(a, 'x,y'), b",
         "SELECT * FROM t ORDER BY coalesce(a, 'x,y') NULLS FIRST, b NULLS FIRST"},
        {"SELECT * FROM (SELECT * FROM t ORDER BY a) s ORDER BY b",
         "SELECT * FROM (SELECT * FROM t ORDER BY a NULLS FIRST) s ORDER BY b NULLS FIRST"},
        {"SELECT * FROM t ORDER BY a;", "SELECT * FROM t ORDER BY a NULLS FIRST;"},
        // Trailing white space stays where it was, after the added words.
        {"SELECT * FROM t ORDER BY a  \n", "SELECT * FROM t ORDER BY a NULLS FIRST  \n"},
        {"SELECT * FROM t ORDER BY a\n,\tb\n", "SELECT * FROM t ORDER BY a NULLS FIRST\n,\tb NULLS FIRST\n"},
        {"SELECT * FROM t ORDER BY a OFFSET 3", "SELECT * FROM t ORDER BY a NULLS FIRST OFFSET 3"},
        {"SELECT * FROM t ORDER BY a LIMIT 1 OFFSET 3", "SELECT * FROM t ORDER BY a NULLS FIRST LIMIT 1 OFFSET 3"},
        {"SELECT * FROM t ORDER BY a FOR UPDATE", "SELECT * FROM t ORDER BY a NULLS FIRST FOR UPDATE"},
        // A clause right after a quoted name or a bracket stays a word of its
        // own.
        {"SELECT * FROM t ORDER BY \"a\"LIMIT 1", "SELECT * FROM t ORDER BY \"a\" NULLS FIRST LIMIT 1"},
        {"SELECT * FROM t ORDER BY lower(a)FOR UPDATE", "SELECT * FROM t ORDER BY lower(a) NULLS FIRST FOR UPDATE"},
        {"SELECT a FROM t UNION SELECT b FROM u ORDER BY 1",
         "SELECT a FROM t UNION SELECT b FROM u ORDER BY 1 NULLS FIRST"},
        {"SELECT * FROM t ORDER BY a COLLATE \"C\"", "SELECT * FROM t ORDER BY a COLLATE \"C\" NULLS FIRST"},
        {"SELECT * FROM t order by a desc", "SELECT * FROM t order by a desc NULLS LAST"},
        // DESC only as a word of its own.
        {"SELECT * FROM t ORDER BY a DESCENDING", "SELECT * FROM t ORDER BY a DESCENDING NULLS FIRST"},
        {"SELECT * FROM t ORDER BY Descr", "SELECT * FROM t ORDER BY Descr NULLS FIRST"},
    });
}

// Words of the clauses met inside quotes or inside longer names are no
// clauses; quotes doubled inside a literal or a name do not end it.
TEST(PgDialectTest, KeywordsInsideLiteralsAndNamesAreLeftAlone)
{
    expectTranslations({
        {"SELECT 'ORDER BY x' FROM t", "SELECT 'ORDER BY x' FROM t"},
        {"SELECT 'a LIKE ''b%''' FROM t", "SELECT 'a LIKE ''b%''' FROM t"},
        {"SELECT \"order by\" FROM t", "SELECT \"order by\" FROM t"},
        {"SELECT OrderBy, Likes FROM t ORDER BY OrderBy", "SELECT OrderBy, Likes FROM t ORDER BY OrderBy NULLS FIRST"},
        {"SELECT * FROM t WHERE a = 'it''s' ORDER BY a", "SELECT * FROM t WHERE a = 'it''s' ORDER BY a NULLS FIRST"},
        {"SELECT * FROM t WHERE a = '' ORDER BY a", "SELECT * FROM t WHERE a = '' ORDER BY a NULLS FIRST"},
        {"SELECT * FROM t WHERE a = ''''", "SELECT * FROM t WHERE a = ''''"},
        {"SELECT * FROM t ORDER BY \"a\"\"b\"", "SELECT * FROM t ORDER BY \"a\"\"b\" NULLS FIRST"},
        {"SELECT * FROM t WHERE a = ')' ORDER BY a", "SELECT * FROM t WHERE a = ')' ORDER BY a NULLS FIRST"},
        {"SELECT * FROM t WHERE a = ',' ORDER BY a, b",
         "SELECT * FROM t WHERE a = ',' ORDER BY a NULLS FIRST, b NULLS FIRST"},
        // Letters beyond ASCII are parts of names.
        {"SELECT Sélection FROM t ORDER BY Sélection", "SELECT Sélection FROM t ORDER BY Sélection NULLS FIRST"},
        {"SELECT * FROM t WHERE a = 'ÉLAN, crème' ORDER BY a",
         "SELECT * FROM t WHERE a = 'ÉLAN, crème' ORDER BY a NULLS FIRST"},
        // A block comment before the order is kept as it is.
        {"SELECT * FROM t /* sorted */ ORDER BY b", "SELECT * FROM t /* sorted */ ORDER BY b NULLS FIRST"},
    });
}

TEST(PgDialectTest, LikeHasNoEscapeCharacterUnlessTheStatementNamesOne)
{
    expectTranslations({
        {"SELECT * FROM t WHERE a LIKE '%ilk'", "SELECT * FROM t WHERE a LIKE '%ilk' ESCAPE ''"},
        {"SELECT * FROM t WHERE a LIKE '%\\%'", "SELECT * FROM t WHERE a LIKE '%\\%' ESCAPE ''"},
        {"SELECT * FROM t WHERE a NOT LIKE 'mi%'", "SELECT * FROM t WHERE a NOT LIKE 'mi%' ESCAPE ''"},
        {"SELECT * FROM t WHERE a LIKE 'x%' ESCAPE '!!'", "SELECT * FROM t WHERE a LIKE 'x%' ESCAPE '!!'"},
        // A bound pattern is the caller's to escape.
        {"SELECT * FROM t WHERE a LIKE ?", "SELECT * FROM t WHERE a LIKE ?"},
        // Patterns that are no plain prefix get no range.
        {"SELECT * FROM t WHERE a LIKE 'x_%'", "SELECT * FROM t WHERE a LIKE 'x_%' ESCAPE ''"},
        {"SELECT * FROM t WHERE a LIKE 'x%%'", "SELECT * FROM t WHERE a LIKE 'x%%' ESCAPE ''"},
        {"SELECT * FROM t WHERE a LIKE '%'", "SELECT * FROM t WHERE a LIKE '%' ESCAPE ''"},
        {"SELECT * FROM t WHERE a LIKE 'mi'", "SELECT * FROM t WHERE a LIKE 'mi' ESCAPE ''"},
        {"SELECT * FROM t WHERE 'mi%' LIKE 'mi%'", "SELECT * FROM t WHERE 'mi%' LIKE 'mi%' ESCAPE ''"},
        // Quotes, and what raising the last character would turn into one.
        {"SELECT * FROM t WHERE a LIKE 'Kids''%' ESCAPE '\\'", "SELECT * FROM t WHERE a LIKE 'Kids''%' ESCAPE '\\'"},
        {"SELECT * FROM t WHERE a LIKE 'a&%'", "SELECT * FROM t WHERE a LIKE 'a&%' ESCAPE ''"},
        {"SELECT * FROM t WHERE a LIKE 'a[%'", "SELECT * FROM t WHERE a LIKE 'a[%' ESCAPE ''"},
        {"SELECT * FROM t WHERE a LIKE 'a\\%'", "SELECT * FROM t WHERE a LIKE 'a\\%' ESCAPE ''"},
        // Folding beyond ASCII differs between places: no range.
        {"SELECT * FROM t WHERE a LIKE 'Crème%'", "SELECT * FROM t WHERE a LIKE 'Crème%' ESCAPE ''"},
        {"SELECT * FROM t WHERE a LIKE 'a~%'", "SELECT * FROM t WHERE a LIKE 'a~%' ESCAPE ''"},
    });
}

TEST(PgDialectTest, PlainPrefixPatternsGetTheRangeAnIndexServes)
{
    expectTranslations({
        {"SELECT ItemName, QtyToBuy from ShoppingLists where ItemName LIKE 'mi%' ESCAPE '\\' ORDER BY ItemName",
         "SELECT ItemName, QtyToBuy from ShoppingLists where (ItemName LIKE 'mi%' ESCAPE '\\' AND ItemName >= 'mi' "
         "AND ItemName < 'mj') ORDER BY ItemName NULLS FIRST"},
        {"SELECT * FROM t WHERE a LIKE '50\\%%' ESCAPE '\\'",
         "SELECT * FROM t WHERE (a LIKE '50\\%%' ESCAPE '\\' AND a >= '50%' AND a < '50&')"},
        {"SELECT * FROM t WHERE a LIKE 'a\\_b%' ESCAPE '\\'",
         "SELECT * FROM t WHERE (a LIKE 'a\\_b%' ESCAPE '\\' AND a >= 'a_b' AND a < 'a_c')"},
        {"SELECT * FROM t WHERE a LIKE 'x!%%' ESCAPE '!'",
         "SELECT * FROM t WHERE (a LIKE 'x!%%' ESCAPE '!' AND a >= 'x%' AND a < 'x&')"},
        {"SELECT * FROM t WHERE a LIKE 'x%' ESCAPE ''",
         "SELECT * FROM t WHERE (a LIKE 'x%' ESCAPE '' AND a >= 'x' AND a < 'y')"},
        // Letter case folded as the text columns fold it.
        {"SELECT * FROM t WHERE a like 'Mi%' order by a desc",
         "SELECT * FROM t WHERE (a LIKE 'Mi%' ESCAPE '' AND a >= 'mi' AND a < 'mj') order by a desc NULLS LAST"},
        {"SELECT * FROM t WHERE a LIKE 'Z%'", "SELECT * FROM t WHERE (a LIKE 'Z%' ESCAPE '' AND a >= 'z' AND a < '{')"},
        {"SELECT * FROM t WHERE a LIKE 'a@%'",
         "SELECT * FROM t WHERE (a LIKE 'a@%' ESCAPE '' AND a >= 'a@' AND a < 'aA')"},
        {"SELECT * FROM t WHERE a LIKE 'a}%'",
         "SELECT * FROM t WHERE (a LIKE 'a}%' ESCAPE '' AND a >= 'a}' AND a < 'a~')"},
        {"SELECT * FROM t WHERE \"ItemName\" LIKE 'mi%'",
         "SELECT * FROM t WHERE (\"ItemName\" LIKE 'mi%' ESCAPE '' AND \"ItemName\" >= 'mi' AND \"ItemName\" < 'mj')"},
        {"SELECT * FROM t WHERE a\n  LIKE   'mi%' AND b = 1",
         "SELECT * FROM t WHERE (a\n  LIKE 'mi%' ESCAPE '' AND a >= 'mi' AND a < 'mj') AND b = 1"},
    });
}

// Statements already written for PostgreSQL pass through unchanged again:
// every order term names its missing values, every pattern its escape.
TEST(PgDialectTest, TranslatingTwiceChangesNothingMoreWithoutPrefixRanges)
{
    const char* const statements[] = {
        "SELECT ItemName FROM ShoppingLists WHERE QtyToBuy > 0 ORDER BY DeptOrder, ItemName DESC",
        "SELECT * FROM t WHERE a LIKE '%x' ORDER BY lower(a), b LIMIT 3",
        "CREATE UNIQUE INDEX u ON ShoppingLists (Store DESC, ItemName) INCLUDE (b)",
        "SELECT * FROM (SELECT * FROM t ORDER BY a) s ORDER BY b;",
        "SELECT 'it''s', \"q\"\"\" FROM t ORDER BY 1 FOR UPDATE",
    };
    for (const char* sql : statements) {
        const QByteArray once = PgDialect::translate(sql);
        EXPECT_EQ(PgDialect::translate(once).toStdString(), once.toStdString()) << sql;
    }
}

TEST(PgDialectTest, ParametersAreNumberedOutsideQuotes)
{
    struct Case
    {
        const char* sql;
        const char* numbered;
        int count;
    };
    const Case cases[] = {
        {"UPDATE ShoppingLists SET ItemName = ?, QtyToBuy = ? WHERE ID = ?",
         "UPDATE ShoppingLists SET ItemName = $1, QtyToBuy = $2 WHERE ID = $3", 3},
        {"SELECT ID, Price FROM ShoppingLists WHERE ID = ANY(?::bigint[])",
         "SELECT ID, Price FROM ShoppingLists WHERE ID = ANY($1::bigint[])", 1},
        {"SELECT '?', \"?\" FROM t WHERE a = ? AND b = 'x''?'", "SELECT '?', \"?\" FROM t WHERE a = $1 AND b = 'x''?'",
         1},
        {"SELECT 1", "SELECT 1", 0},
        {"VALUES (?,?)", "VALUES ($1,$2)", 2},
    };
    for (const Case& c : cases) {
        int count = -1;
        EXPECT_EQ(PgDialect::numberParameters(c.sql, count).toStdString(), c.numbered);
        EXPECT_EQ(count, c.count) << c.sql;
    }
}

TEST(PgDialectTest, StructureChangesAreToldFromTheFirstWord)
{
    EXPECT_TRUE(PgDialect::changesStructure("CREATE INDEX i ON t (a)"));
    EXPECT_TRUE(PgDialect::changesStructure("  alter TABLE t ADD b int"));
    EXPECT_TRUE(PgDialect::changesStructure("\nDROP TABLE t"));
    EXPECT_FALSE(PgDialect::changesStructure("SELECT 'CREATE' FROM t"));
    EXPECT_FALSE(PgDialect::changesStructure("UPDATE t SET Dropped = 1"));
    EXPECT_FALSE(PgDialect::changesStructure("CREATED"));
    EXPECT_FALSE(PgDialect::changesStructure(""));
}

TEST(PgDialectTest, ReportedColumnNamesGetTheCatalogsSpelling)
{
    EXPECT_EQ(PgDialect::columnName("itemname"), QStringLiteral("ItemName"));
    EXPECT_EQ(PgDialect::columnName("deptorder"), QStringLiteral("DeptOrder"));
    EXPECT_EQ(PgDialect::columnName("CHECKED"), QStringLiteral("checked"));
    EXPECT_EQ(PgDialect::columnName("count"), QStringLiteral("count"));
    EXPECT_EQ(PgDialect::columnName("itemnam"), QStringLiteral("itemnam"));
    EXPECT_EQ(PgDialect::columnName("sélection"), QStringLiteral("sélection"));
}

// What a translated statement selects on PostgreSQL is what the statement
// selects on SQLite, in the same order: the same catalog rows on both.
class PgDialectRowsTest : public StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        QString why;
        if (!m_server.begin(Engine::Postgres, why)) {
            GTEST_SKIP() << why.toStdString();
        }
        ASSERT_EQ(Catalog::prepareFile(location()), Catalog::FileState::Created);
        ASSERT_EQ(Catalog::prepareFile(m_server.location()), Catalog::FileState::Created);
        const QString rows =
            QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, Dept, Store, DeptOrder, Price) VALUES "
                           "(1, 'Milk', 2, 'Dairy', 'Fresh Market', 1, 2.5),"
                           "(2, 'mint', 1, 'Herbs', NULL, NULL, NULL),"
                           "(3, 'MJ Cola', 0, NULL, 'Corner Shop', 3, 1),"
                           "(4, 'Kids'' Snacks', 1, 'Snacks', 'Corner Shop', -1, 4),"
                           "(5, '50% off', 1, '', 'Fresh Market', 2, 0.5),"
                           "(6, '50x', 3, 'Dairy', 'Fresh Market', 2, NULL),"
                           "(7, 'a_b', 1, 'Bakery', NULL, 0, 7),"
                           "(8, 'axb', 1, 'Bakery', 'Corner Shop', 0, 8),"
                           "(9, 'Crème fraîche', 1, 'Dairy', 'Fresh Market', 1, 3),"
                           "(10, 'zebra cake', 1, 'Bakery', 'Corner Shop', 0, 2),"
                           "(11, 'Z{brace}', 1, NULL, NULL, NULL, NULL),"
                           "(12, 'a@home', 1, 'Misc', 'Corner Shop', 5, 1),"
                           "(13, 'ABC', 1, 'Misc', 'Corner Shop', 5, 1)");
        raw(rows);
        QString error;
        ASSERT_TRUE(m_server.exec(rows, &error)) << error.toStdString();
    }

    // The values of column in the rows sql selects, in order; on PostgreSQL
    // after translation.
    QString sqliteRows(const char* column, const QString& sql)
    {
        return rawValue(aggregate(column, QStringLiteral("group_concat"), sql));
    }
    QString postgresRows(const char* column, const QString& sql)
    {
        return m_server.value(
            aggregate(column, QStringLiteral("string_agg"), QString::fromUtf8(PgDialect::translate(sql.toUtf8()))));
    }

private:
    // Both engines join the rows of a plain subquery in its order.
    static QString aggregate(const char* column, const QString& join, const QString& sql)
    {
        return QStringLiteral("SELECT count(*) || ':' || coalesce(%1(coalesce(CAST(%2 AS text), '-'), '|'), '') "
                              "FROM (%3) AS s")
            .arg(join, QLatin1String(column), sql);
    }

    EngineCatalog m_server;
};

TEST_F(PgDialectRowsTest, TranslatedStatementsSelectWhatSqliteSelects)
{
    struct Case
    {
        const char* column;
        const char* sql;
    };
    const Case cases[] = {
        {"ItemName", "SELECT ItemName FROM ShoppingLists WHERE QtyToBuy > 0 ORDER BY DeptOrder, ItemName"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists WHERE QtyToBuy > -1 ORDER BY ItemName"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists WHERE QtyToBuy > -1 ORDER BY ItemName DESC"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists ORDER BY Price DESC, ID"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists ORDER BY Price, ID"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists ORDER BY Price, (ID)LIMIT 5"},
        {"Store", "SELECT Store FROM ShoppingLists ORDER BY Store, ID"},
        {"Store", "SELECT DISTINCT Store FROM ShoppingLists ORDER BY Store"},
        {"Dept", "SELECT Dept FROM ShoppingLists ORDER BY DeptOrder, Dept, ID"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists WHERE Dept = 'Dairy' AND QtyToBuy > 0 "
                     "AND Store = 'Fresh Market' ORDER BY ItemName"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists WHERE (Dept = '' OR Dept IS NULL) ORDER BY ItemName"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists WHERE ItemName = 'kids'' snacks'"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists WHERE ItemName LIKE 'mi%' ESCAPE '\\' ORDER BY ItemName"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists WHERE ItemName LIKE 'M%' ORDER BY ItemName"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists WHERE ItemName LIKE 'kids''%' ESCAPE '\\'"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists WHERE ItemName LIKE '50\\%%' ESCAPE '\\'"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists WHERE ItemName LIKE '50%' ORDER BY ItemName"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists WHERE ItemName LIKE 'a\\_%' ESCAPE '\\'"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists WHERE ItemName LIKE 'a_b%' ORDER BY ItemName"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists WHERE ItemName LIKE 'a@%'"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists WHERE ItemName LIKE 'Z%' ORDER BY ItemName"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists WHERE ItemName LIKE 'Crème%'"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists WHERE ItemName NOT LIKE 'm%' ORDER BY ItemName"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists WHERE ItemName LIKE '%\\%'"},
        {"ItemName", "SELECT ItemName FROM ShoppingLists WHERE ItemName LIKE 'ORDER BY%'"},
        {"ItemName", "SELECT ItemName FROM (SELECT * FROM ShoppingLists ORDER BY Store, ID LIMIT 4) AS t ORDER BY ID"},
    };
    for (const Case& c : cases) {
        const QString sql = QString::fromUtf8(c.sql);
        const QString expected = sqliteRows(c.column, sql);
        EXPECT_NE(expected, QStringLiteral("<none>")) << c.sql;
        EXPECT_EQ(postgresRows(c.column, sql), expected) << c.sql;
    }
}
