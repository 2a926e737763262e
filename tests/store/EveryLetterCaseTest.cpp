#include "StoreFixture.h"

#include "list/NameCompletion.h"
#include "platform/NameFold.h"
#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"
#include "store/catalog/CatalogSchema.h"

#include <QProcess>
#include <QStringList>

#include <string>
#include <vector>

namespace
{
struct Pair
{
    const char* stored;
    const char* typed;
    bool same;
};

// Each name as stored, as a user may type it, and whether they are one name.
// ß has no one-letter capital: "STRASSE" stays another name.
const Pair kPairs[] = {
    {"Äpfel", "äpfel", true},     {"Éclair", "éclair", true}, {"ΓΑΛΑ", "γαλα", true},
    {"straße", "STRASSE", false}, {"Milk", "mILK", true},
};

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}
} // namespace

TEST(NameFoldTest, LowersEveryLetterOneForOneAndKeepsAsciiOrder)
{
    for (const Pair& pair : kPairs) {
        EXPECT_EQ(NameFold::key(text(pair.stored)) == NameFold::key(text(pair.typed)), pair.same) << pair.stored;
        const QByteArray a = text(pair.stored).toUtf8();
        const QByteArray b = text(pair.typed).toUtf8();
        EXPECT_EQ(NameFold::compareUtf8(a.constData(), a.size(), b.constData(), b.size()) == 0, pair.same);
    }
    // As SQLite's own NOCASE: '_' sorts below the letters, a prefix first.
    const auto order = [](const char* x, const char* y) {
        return NameFold::compareUtf8(x, static_cast<int>(qstrlen(x)), y, static_cast<int>(qstrlen(y)));
    };
    EXPECT_LT(order("_x", "Apfel"), 0);
    EXPECT_LT(order("Zebra", "\xc3\x9f"), 0);
    EXPECT_LT(order("Mi", "mILK"), 0);
    EXPECT_GT(order("b", "A"), 0);
    // Bytes that are no UTF-8 keep a place of their own above all text.
    EXPECT_GT(order("\xff", "\xf4\x8f\xbf\xbf"), 0);
    EXPECT_NE(order("\xc3", "\xc3\x84"), 0);
    EXPECT_EQ(order("\xc3\xff", "\xc3\xff"), 0);
}

// Names of ASCII and other letters mixed, compared in UTF-8, order as their
// lowered code points do.
TEST(NameFoldTest, MixedNamesOrderAsTheirLoweredCodePoints)
{
    static const char* const kPieces[] = {"a",
                                          "A",
                                          "z",
                                          "Z",
                                          "_",
                                          " ",
                                          "1",
                                          "\xc3\xa4",
                                          "\xc3\x84",
                                          "\xc3\x9f",
                                          "\xe1\xba\x9e",
                                          "\xce\xa9",
                                          "\xcf\x89",
                                          "\xe4\xb8\xad",
                                          "\xf0\x9f\x98\x80"};
    constexpr int kPieceCount = static_cast<int>(sizeof kPieces / sizeof kPieces[0]);
    std::vector<QByteArray> names;
    unsigned seed = 7;
    for (int n = 0; n < 400; ++n) {
        QByteArray name;
        seed = seed * 1103515245u + 12345u;
        for (unsigned length = 1 + (seed >> 16) % 4; length > 0; --length) {
            seed = seed * 1103515245u + 12345u;
            name += kPieces[(seed >> 16) % kPieceCount];
        }
        names.push_back(name);
    }
    const auto sign = [](int value) { return (value > 0) - (value < 0); };
    for (const QByteArray& left : names) {
        const std::u32string leftKey = NameFold::key(QString::fromUtf8(left)).toStdU32String();
        for (const QByteArray& right : names) {
            const std::u32string rightKey = NameFold::key(QString::fromUtf8(right)).toStdU32String();
            ASSERT_EQ(sign(NameFold::compareUtf8(left.constData(), static_cast<int>(left.size()), right.constData(),
                                                 static_cast<int>(right.size()))),
                      sign(leftKey.compare(rightKey)))
                << left.toStdString() << " / " << right.toStdString();
        }
    }
}

class EveryLetterCaseTest : public EngineStoreTest
{
protected:
    void SetUp() override
    {
        EngineStoreTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        ASSERT_EQ(Catalog::prepareFile(location()), Catalog::FileState::Created);
        ASSERT_EQ(m_connection.Open(location()), 0);
        int id = 1;
        // Written by the program itself: the file's own shell would index
        // them by its A-to-Z NOCASE.
        for (const Pair& pair : kPairs) {
            for (int copy = 0; copy < 2; ++copy) {
                ASSERT_TRUE(m_connection.Execute(
                    QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, Dept) VALUES (?, ?, 1, ?)"),
                    {SqlValue::integer(id++), SqlValue::text(text(pair.stored) + (copy ? QStringLiteral(" 2") : "")),
                     SqlValue::text(copy ? text(pair.typed) : text(pair.stored))}));
            }
        }
    }

    QStringList column(const QString& sql, const std::vector<SqlValue>& values = {})
    {
        QStringList found;
        CAdoRecordset set;
        if (!set.Open(sql, values, m_connection)) {
            return {QStringLiteral("<failed: ") + m_connection.lastError() + QLatin1Char('>')};
        }
        for (; !set.IsEOF(); set.MoveNext()) {
            found << set.GetField(0).GetText();
        }
        return found;
    }

    CAdoConnection m_connection{true};
};
INSTANTIATE_FOR_BOTH_ENGINES(EveryLetterCaseTest);

TEST_P(EveryLetterCaseTest, TheTypedFormFindsTheItemCompletesAndRenamesOnlyWhenItIsTheSameName)
{
    for (const Pair& pair : kPairs) {
        SCOPED_TRACE(pair.stored);
        const QString typed = text(pair.typed);
        const QStringList byName =
            column(QStringLiteral("SELECT ItemName FROM ShoppingLists WHERE ItemName = ?"), {SqlValue::text(typed)});
        EXPECT_EQ(byName, pair.same ? QStringList{text(pair.stored)} : QStringList{});
        const QStringList completed = column(NameCompletion::sql(), NameCompletion::values(typed));
        EXPECT_EQ(completed.size(), pair.same ? 2 : 0) << completed.join(QLatin1Char('|')).toStdString();
        // The department filter takes both spellings as one department.
        const QStringList inDept =
            column(QStringLiteral("SELECT ItemName FROM ShoppingLists WHERE Dept = ?"), {SqlValue::text(typed)});
        EXPECT_EQ(inDept.size(), pair.same ? 2 : 1);
    }
    // A rename of a department spelled in another case takes all its rows.
    ASSERT_TRUE(m_connection.Execute(QStringLiteral("UPDATE ShoppingLists SET Dept = ? WHERE Dept = ?"),
                                     {SqlValue::text(QStringLiteral("Obst")), SqlValue::text(text("ÄPFEL"))}));
    EXPECT_EQ(column(QStringLiteral("SELECT ItemName FROM ShoppingLists WHERE Dept = 'obst' ORDER BY ItemName")),
              QStringList({text("Äpfel"), text("Äpfel 2")}));
}

TEST_P(EveryLetterCaseTest, BothEnginesSortAndGroupNamesAlike)
{
    ASSERT_TRUE(m_connection.Execute(QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy) VALUES "
                                                    "(20, '_x', 0), (21, 'apfel', 0), (22, 'Zebra', 0)")));
    EXPECT_EQ(column(QStringLiteral("SELECT ItemName FROM ShoppingLists WHERE ItemName NOT LIKE '% 2' ORDER BY "
                                    "ItemName")),
              QStringList({QStringLiteral("_x"), QStringLiteral("apfel"), QStringLiteral("Milk"), text("straße"),
                           QStringLiteral("Zebra"), text("Äpfel"), text("Éclair"), text("ΓΑΛΑ")}));
    EXPECT_EQ(
        column(QStringLiteral("SELECT DISTINCT Dept FROM ShoppingLists WHERE Dept IS NOT NULL ORDER BY Dept")).size(),
        6);
}

// A file of the former structure, its names indexed by SQLite's own NOCASE.
class EveryLetterUpgradeTest : public StoreTest
{
protected:
    void makeFormerFile()
    {
        raw(catalogFile(), Catalog::createTableStatement());
        raw(catalogFile(), QString::fromUtf8("CREATE INDEX ItemNameIdx ON ShoppingLists (ItemName);"
                                             "INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy) VALUES (1, 'Zebra', "
                                             "1), (2, 'Äpfel', 2), (3, 'éclair', 1), (4, 'apfel', 1);"
                                             "PRAGMA user_version = 1;"));
    }
};

TEST_F(EveryLetterUpgradeTest, RebuildsTheIndexesOnceAndTheShellStillReadsTheFile)
{
    makeFormerFile();
    ASSERT_EQ(Catalog::prepareFile(catalogFile()), Catalog::FileState::Ready);
    CAdoConnection connection(true);
    ASSERT_EQ(connection.Open(catalogFile()), 0);
    std::ignore = Catalog::checkStructure(connection);
    EXPECT_EQ(CatalogSchema::recorded(connection), CatalogSchema::Current);
    CAdoRecordset set;
    ASSERT_TRUE(set.Open(NameCompletion::sql(), NameCompletion::values(QString::fromUtf8("äP")), connection));
    ASSERT_FALSE(set.IsEOF());
    EXPECT_EQ(set.GetField(0).GetText(), QString::fromUtf8("Äpfel"));
    EXPECT_EQ(set.GetField(1).GetText(), QStringLiteral("2"));
    // The completion is a range on the name's index, as before.
    CAdoRecordset plan;
    ASSERT_TRUE(plan.Open(QStringLiteral("EXPLAIN QUERY PLAN ") + NameCompletion::sql(),
                          NameCompletion::values(QStringLiteral("x")), connection));
    ASSERT_FALSE(plan.IsEOF());
    EXPECT_TRUE(plan.GetField(3).GetText().contains(QStringLiteral("INDEX ItemNameIdx (ItemName>? AND ItemName<?)")))
        << plan.GetField(3).GetText().toStdString();
    connection.Close();

    QProcess shell;
    shell.start(QStringLiteral("sqlite3"), {catalogFile(), QStringLiteral("SELECT * FROM ShoppingLists ORDER BY ID")});
    if (!shell.waitForStarted(5000)) {
        GTEST_SKIP() << "no sqlite3 shell here";
    }
    ASSERT_TRUE(shell.waitForFinished(10000));
    EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
    EXPECT_TRUE(QString::fromUtf8(shell.readAllStandardOutput()).contains(QString::fromUtf8("2|Äpfel|2")));
}

TEST_F(EveryLetterUpgradeTest, AFailedUpgradeLeavesTheFileAsItWas)
{
    makeFormerFile();
    // Another program holds a write lock: the upgrade cannot land.
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(catalogFile().toUtf8().constData(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    QFile file(catalogFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    {
        CAdoConnection connection(true);
        if (connection.Open(catalogFile()) == 0) {
            std::ignore = Catalog::checkStructure(connection);
        }
    }
    sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST_P(EveryLetterCaseTest, AServerCatalogOfTheFormerStructureMovesItsNamesToEveryLetter)
{
    if (onSqlite()) {
        GTEST_SKIP() << "the file's upgrade is tried above";
    }
    m_connection.Close();
    raw(QStringLiteral("ALTER TABLE ShoppingLists ALTER COLUMN ItemName TYPE citext COLLATE \"C\";"
                       "ALTER TABLE ShoppingLists ALTER COLUMN Dept TYPE citext COLLATE \"C\";"
                       "DROP TABLE IF EXISTS GrocelleSchema"));
    const QString collation = QStringLiteral("SELECT collation_name FROM information_schema.columns WHERE "
                                             "table_name = 'shoppinglists' AND column_name = '%1'");
    ASSERT_EQ(rawValue(collation.arg(QStringLiteral("itemname"))), QStringLiteral("C"));
    ASSERT_EQ(m_connection.Open(location()), 0);
    std::ignore = Catalog::checkStructure(m_connection);
    EXPECT_EQ(CatalogSchema::recorded(m_connection), CatalogSchema::Current);
    EXPECT_EQ(rawValue(collation.arg(QStringLiteral("itemname"))), QStringLiteral("C.utf8"));
    EXPECT_EQ(rawValue(collation.arg(QStringLiteral("dept"))), QStringLiteral("C.utf8"));
    EXPECT_EQ(column(QStringLiteral("SELECT ItemName FROM ShoppingLists WHERE ItemName = ?"),
                     {SqlValue::text(QString::fromUtf8("γαλα"))}),
              QStringList{QString::fromUtf8("ΓΑΛΑ")});
}
