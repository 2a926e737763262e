#include "StoreFixture.h"

#include "store/postgres/PgWriteBatch.h"

#include <libpq-fe.h>

#include <memory>

namespace
{
const std::vector<PgWriteBatch::Target> kTargets = {{"ItemName", "citext"}, {"Price", "double precision"}};

std::string texts(const std::vector<QByteArray>& all)
{
    QByteArray joined;
    for (const QByteArray& one : all) {
        joined += one + '\n';
    }
    return joined.toStdString();
}
} // namespace

TEST(PgWriteBatchTest, RowsOfOneShapeGoAsOneStatementWithAnArrayPerColumn)
{
    PgWriteBatch batch;
    EXPECT_TRUE(batch.isEmpty());
    EXPECT_TRUE(batch.fits("ShoppingLists", "ID", kTargets));
    const QByteArray quoted = "He said \"hi\", \\ back {x}";
    const QByteArray nullWord = "NULL";
    const QByteArray empty;
    const QByteArray price = "2.75";
    const QByteArray unicode = "Crème 🧀";
    batch.add("ShoppingLists", "ID", kTargets, 1, {&quoted, &price});
    batch.add("ShoppingLists", "ID", kTargets, 2, {nullptr, nullptr});
    batch.add("ShoppingLists", "ID", kTargets, 3, {&nullWord, &price});
    batch.add("ShoppingLists", "ID", kTargets, -4, {&empty, &unicode});
    EXPECT_EQ(batch.size(), 4);
    EXPECT_TRUE(batch.holds(2));
    EXPECT_FALSE(batch.holds(5));

    EXPECT_EQ(batch.statement().toStdString(),
              "UPDATE ShoppingLists AS t SET ItemName = w.v0, Price = w.v1 FROM unnest($1::bigint[], "
              "$2::citext[], $3::double precision[]) AS w(k, v0, v1) WHERE t.ID = w.k");
    // Every value quoted, so that the word NULL and an empty text stay texts.
    EXPECT_EQ(texts(batch.parameters()), "{1,2,3,-4}\n"
                                         "{\"He said \\\"hi\\\", \\\\ back {x}\",NULL,\"NULL\",\"\"}\n"
                                         "{\"2.75\",NULL,\"2.75\",\"Crème 🧀\"}\n");
}

TEST(PgWriteBatchTest, OnlyWritesOfTheSameShapeJoin)
{
    PgWriteBatch batch;
    const QByteArray value = "x";
    batch.add("ShoppingLists", "ID", kTargets, 1, {&value, &value});
    EXPECT_TRUE(batch.fits("ShoppingLists", "ID", kTargets));
    EXPECT_FALSE(batch.fits("Other", "ID", kTargets));
    EXPECT_FALSE(batch.fits("ShoppingLists", "RowKey", kTargets));
    EXPECT_FALSE(batch.fits("ShoppingLists", "ID", {{"ItemName", "citext"}}));
    EXPECT_FALSE(batch.fits("ShoppingLists", "ID", {{"ItemName", "text"}, {"Price", "double precision"}}));
    batch.clear();
    EXPECT_TRUE(batch.isEmpty());
    EXPECT_FALSE(batch.holds(1));
    EXPECT_TRUE(batch.fits("Other", "RowKey", {}));
}

// The statement and its arrays as the server reads them: each row gets its
// own values, texts exactly as given.
class PgWriteBatchServerTest : public StoreTest
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
    }
};

TEST_F(PgWriteBatchServerTest, ServerWritesEachRowItsValues)
{
    const std::vector<PgWriteBatch::Target> targets = {
        {"ItemName", "citext"}, {"Price", "double precision"}, {"QtyToBuy", "smallint"}};
    const QByteArray quoted = "He said \"hi\", \\ back {x}";
    const QByteArray nullWord = "NULL";
    const QByteArray unicode = "Crème 🧀 '";
    const QByteArray price = "1e300";
    const QByteArray zero = "0";
    const QByteArray qty = "7";
    PgWriteBatch batch;
    batch.add("ShoppingLists", "ID", targets, 1, {&quoted, &price, &qty});
    batch.add("ShoppingLists", "ID", targets, 2, {&nullWord, nullptr, &zero});
    batch.add("ShoppingLists", "ID", targets, 3, {&unicode, &zero, nullptr});

    const QByteArray sql = batch.statement();
    const std::vector<QByteArray> parameters = batch.parameters();
    std::vector<const char*> values;
    for (const QByteArray& parameter : parameters) {
        values.push_back(parameter.constData());
    }
    const std::unique_ptr<PGconn, decltype(&PQfinish)> conn(PQconnectdb(location().toUtf8().constData()), &PQfinish);
    ASSERT_EQ(PQstatus(conn.get()), CONNECTION_OK) << PQerrorMessage(conn.get());
    const std::unique_ptr<PGresult, decltype(&PQclear)> result(PQexecParams(conn.get(), sql.constData(),
                                                                            static_cast<int>(values.size()), nullptr,
                                                                            values.data(), nullptr, nullptr, 0),
                                                               &PQclear);
    ASSERT_EQ(PQresultStatus(result.get()), PGRES_COMMAND_OK) << PQresultErrorMessage(result.get());
    EXPECT_STREQ(PQcmdTuples(result.get()), "3");

    EXPECT_EQ(rawValue(QStringLiteral("SELECT string_agg(coalesce(ItemName::text, '<null>') || '=' || "
                                      "coalesce(Price::text, '<null>') || '=' || coalesce(QtyToBuy::text, '<null>'), "
                                      "'|' ORDER BY ID) FROM ShoppingLists")),
              QStringLiteral("He said \"hi\", \\ back {x}=1e+300=7|NULL=<null>=0|Crème 🧀 '=0=<null>"));
}
