#include "CatalogSeed.h"
#include "PriceBookTest.h"

#include "store/access/CAdoConnection.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/PricePoints.h"
#include "store/journal/Journal.h"
#include "store/journal/JournalAction.h"
#include "transfer/CatalogExport.h"
#include "transfer/ImportPlan.h"
#include "transfer/JsonTransfer.h"

class PriceTransferTest : public PriceBookTest
{
};

// The export lists an item's points; importing the file again adds none
// twice, into another catalog it brings them all, and Undo takes them back.
TEST_P(PriceTransferTest, JsonCarriesThePricePointsThereAndBack)
{
    record(1, "B-Mart", 3.49, 1764669600000);
    record(1, "C-Mart \"Süd\"", 2.99, 1764669660123);
    long items = 0;
    const QByteArray json = CatalogExport::render(connection, CatalogExport::Format::Json, items);
    EXPECT_TRUE(json.contains("\"Seen\":\"2025-12-02T10:00:00.000+00:00\"")) << json.constData();
    EXPECT_EQ(json.count("\"Prices\""), 1);

    TransferFile file;
    JsonTransfer::read(json, file);
    ASSERT_TRUE(file.readable());
    ASSERT_TRUE(ImportPlan(connection, file, ImportPlan::Options{}).apply(connection, QStringLiteral("again.json")));
    EXPECT_EQ(PricePoints::pointsOf(connection, 1).size(), 2U);

    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("DELETE FROM ShoppingLists; DELETE FROM PricePoints")));
    ASSERT_TRUE(ImportPlan(connection, file, ImportPlan::Options{}).apply(connection, QStringLiteral("c.json")));
    const qint64 milk =
        CatalogSeed::scalar(QStringLiteral("SELECT ID FROM ShoppingLists WHERE ItemName = 'Milk'")).toLongLong();
    const std::vector<PricePoint> points = PricePoints::pointsOf(connection, milk);
    ASSERT_EQ(points.size(), 2U);
    EXPECT_EQ(points[1].store, QString::fromUtf8("C-Mart \"Süd\""));
    EXPECT_DOUBLE_EQ(points[1].price, 2.99);
    EXPECT_EQ(points[1].seenAt, 1764669660123);
    EXPECT_EQ(points[1].source, PricePoint::Source::Import);
    ASSERT_TRUE(Journal(connection).undo().done);
    EXPECT_TRUE(PricePoints::pointsOf(connection, milk).empty());
}

// A point a file cannot vouch for refuses its item, with why.
TEST(PriceFileTest, DamagedPointsRefuseTheirItem)
{
    TransferFile file;
    JsonTransfer::read(
        QByteArrayLiteral("{\"items\": [\n"
                          "{\"ItemName\": \"Tea\", \"Prices\": [{\"Store\": \"B\", \"Price\": -1, \"Seen\": "
                          "\"2025-12-02T10:00:00Z\"}]},\n"
                          "{\"ItemName\": \"Jam\", \"Prices\": [{\"Price\": 1, \"Seen\": \"2025-12-02T10:00:00Z\"}]},\n"
                          "{\"ItemName\": \"Oil\", \"Prices\": [{\"Store\": \"B\", \"Price\": \"1\", \"Seen\": "
                          "\"2025-12-02T10:00:00Z\"}]},\n"
                          "{\"ItemName\": \"Salt\", \"Prices\": [{\"Store\": \"B\", \"Price\": 1, \"Seen\": \"x\"}]},\n"
                          "{\"ItemName\": \"Figs\", \"Prices\": {}},\n"
                          "{\"ItemName\": \"Rice\", \"Prices\": [{\"Store\": \"B\", \"Price\": 0.5, \"Seen\": "
                          "\"2025-12-02T10:00:00Z\"}]}\n]}"),
        file);
    ASSERT_TRUE(file.readable());
    EXPECT_EQ(file.refused.size(), 5u);
    ASSERT_EQ(file.records.size(), 1u);
    ASSERT_EQ(file.records[0].prices.size(), 1u);
    EXPECT_EQ(file.records[0].prices[0].unit, QString());
}

INSTANTIATE_FOR_BOTH_ENGINES(PriceTransferTest);
