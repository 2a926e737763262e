#include "StoreFixture.h"

#include "store/access/CAdoConnection.h"
#include "store/access/CAdoTransaction.h"
#include "store/journal/PgUndoBatch.h"

namespace
{
RowChange update(qint64 id, const QStringList& columns, std::vector<SqlValue> before, std::vector<SqlValue> after)
{
    RowChange change;
    change.id = SqlValue::integer(id);
    change.columns = columns;
    change.before = std::move(before);
    change.after = std::move(after);
    return change;
}

SqlValue text(const char* value)
{
    return SqlValue::text(QString::fromUtf8(value));
}
} // namespace

// Undo and redo of a list-wide pass in a few statements, on the test
// server's catalog (makeCatalog's three items).
class PgUndoBatchTest : public StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        QString why;
        if (!useEngine(Engine::Postgres, why)) {
            GTEST_SKIP() << why.toStdString();
        }
        makeCatalog();
        ASSERT_EQ(connection.Open(location()), 0) << connection.lastError().toStdString();
    }

    void TearDown() override
    {
        connection.Close();
        StoreTest::TearDown();
    }

    QString rows() const
    {
        return rawValue(QStringLiteral("SELECT string_agg(ID || '=' || coalesce(ItemName::text, '-') || '=' || "
                                       "coalesce(QtyToBuy::text, '-') || '=' || coalesce(Price::text, '-'), '|' "
                                       "ORDER BY ID) FROM ShoppingLists"));
    }

    bool apply(const std::vector<RowChange>& changes, bool undoing, std::set<qint64>& changedSince)
    {
        CAdoTransaction transaction(connection);
        const bool applied = PgUndoBatch::apply(connection, changes, undoing, changedSince);
        EXPECT_TRUE(transaction.commit());
        return applied;
    }

    CAdoConnection connection;
};

TEST_F(PgUndoBatchTest, SuitsUpdatesOfDistinctRowsByPlainColumnsOnly)
{
    const QStringList qty = {QStringLiteral("QtyToBuy")};
    const std::vector<RowChange> good = {update(1, qty, {SqlValue::integer(0)}, {SqlValue::integer(2)}),
                                         update(2, qty, {SqlValue::integer(1)}, {SqlValue::integer(0)})};
    EXPECT_TRUE(PgUndoBatch::suits(connection, good));
    EXPECT_FALSE(PgUndoBatch::suits(connection, {}));

    std::vector<RowChange> twice = good;
    twice[1].id = SqlValue::integer(1);
    EXPECT_FALSE(PgUndoBatch::suits(connection, twice));
    std::vector<RowChange> inserted = good;
    inserted[0].kind = RowChange::Kind::Insert;
    EXPECT_FALSE(PgUndoBatch::suits(connection, inserted));
    std::vector<RowChange> textId = good;
    textId[0].id = text("1");
    EXPECT_FALSE(PgUndoBatch::suits(connection, textId));
    EXPECT_FALSE(PgUndoBatch::suits(
        connection, {update(1, {QStringLiteral("id")}, {SqlValue::integer(1)}, {SqlValue::integer(2)})}));
    EXPECT_FALSE(PgUndoBatch::suits(
        connection, {update(1, {QStringLiteral("Qty; DROP")}, {SqlValue::integer(1)}, {SqlValue::integer(2)})}));
    EXPECT_FALSE(PgUndoBatch::suits(
        connection, {update(1, {QStringLiteral("ItemName")}, {text("a")}, {SqlValue::blob(QByteArray("a"))})}));

    ASSERT_EQ(Catalog::prepareFile(catalogFile()), Catalog::FileState::Created);
    CAdoConnection file;
    ASSERT_EQ(file.Open(catalogFile()), 0);
    EXPECT_FALSE(PgUndoBatch::suits(file, good));
}

TEST_F(PgUndoBatchTest, WritesEveryRowOnlyWhenEachHoldsWhatTheOtherDirectionLeft)
{
    const QStringList nameAndQty = {QStringLiteral("ItemName"), QStringLiteral("QtyToBuy")};
    const QStringList price = {QStringLiteral("Price")};
    // What a pass left: Milk renamed and bought, Kids' Snacks' price removed.
    const std::vector<RowChange> pass = {
        update(1, nameAndQty, {text("Old \"milk\" 🥛"), SqlValue::integer(5)}, {text("Milk"), SqlValue::integer(2)}),
        update(3, price, {SqlValue::real(1.5)}, {SqlValue()}),
    };
    const QString now = rows();
    EXPECT_EQ(now, QStringLiteral("1=Milk=2=2.5|2=Bread=0=3|3=Kids' Snacks=1=-"));

    std::set<qint64> changedSince;
    ASSERT_TRUE(apply(pass, true, changedSince));
    EXPECT_TRUE(changedSince.empty());
    EXPECT_EQ(rows(), QStringLiteral("1=Old \"milk\" 🥛=5=2.5|2=Bread=0=3|3=Kids' Snacks=1=1.5"));

    // Undoing again finds the rows changed since the pass: nothing is written.
    EXPECT_FALSE(apply(pass, true, changedSince));
    EXPECT_EQ(changedSince, (std::set<qint64>{1, 3}));
    EXPECT_EQ(rows(), QStringLiteral("1=Old \"milk\" 🥛=5=2.5|2=Bread=0=3|3=Kids' Snacks=1=1.5"));

    // Redone, then a row gone since: nothing is written again.
    changedSince.clear();
    ASSERT_TRUE(apply(pass, false, changedSince));
    EXPECT_EQ(rows(), now);
    raw(QStringLiteral("DELETE FROM ShoppingLists WHERE ID = 3"));
    EXPECT_FALSE(apply(pass, true, changedSince));
    EXPECT_EQ(changedSince, (std::set<qint64>{3}));
    EXPECT_EQ(rows(), QStringLiteral("1=Milk=2=2.5|2=Bread=0=3"));
}
