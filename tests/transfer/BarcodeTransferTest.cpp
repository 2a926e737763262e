#include "CatalogSeed.h"
#include "EngineTest.h"

#include "store/access/CAdoConnection.h"
#include "store/catalog/Barcode.h"
#include "store/catalog/Barcodes.h"
#include "store/catalog/Catalog.h"
#include "store/journal/Journal.h"
#include "store/journal/JournalAction.h"
#include "transfer/CatalogExport.h"
#include "transfer/ImportPlan.h"
#include "transfer/JsonTransfer.h"

class BarcodeTransferTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        CatalogSeed::write({{QStringLiteral("Milk"), 1}, {QStringLiteral("Bread"), 0}});
        ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
        Catalog::checkStructure(connection);
    }

    void attach(const char* code, qint64 id)
    {
        JournalAction action(connection, QStringLiteral("Barcode"));
        Barcodes::attach(connection, action, Barcode::parse(QString::fromLatin1(code)), id);
        action.commit();
    }
    qint64 itemOf(const char* code) { return Barcodes::itemOf(connection, Barcode::parse(QString::fromLatin1(code))); }
    qint64 idOf(const char* name)
    {
        return CatalogSeed::scalar(QStringLiteral("SELECT ID FROM ShoppingLists WHERE ItemName = '%1'").arg(name))
            .toLongLong();
    }

    CAdoConnection connection;
};

// The export lists an item's codes; the import keeps them with the item,
// except a code another item has, and Undo takes them back with the import.
TEST_P(BarcodeTransferTest, JsonCarriesTheBarcodesThereAndBack)
{
    attach("036000291452", 1);
    attach("4006381333931", 1);
    long items = 0;
    const QByteArray json = CatalogExport::render(connection, CatalogExport::Format::Json, items);
    EXPECT_TRUE(json.contains("\"ItemName\": \"Milk\"")) << json.constData();
    EXPECT_TRUE(json.contains(", \"Barcodes\": [\"0036000291452\", \"4006381333931\"]}")) << json.constData();
    EXPECT_EQ(json.count("Barcodes"), 1);

    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("DELETE FROM ShoppingLists; DELETE FROM Barcodes")));
    SeedItem rice{QStringLiteral("Rice"), 0};
    rice.id = 9;
    CatalogSeed::write({rice});
    attach("4006381333931", 9);

    TransferFile file;
    JsonTransfer::read(json, file);
    ASSERT_TRUE(file.readable());
    ImportPlan plan(connection, file, ImportPlan::Options{});
    ASSERT_TRUE(plan.apply(connection, QStringLiteral("catalog.json")));
    EXPECT_EQ(itemOf("0036000291452"), idOf("Milk"));
    EXPECT_EQ(itemOf("4006381333931"), 9);
    ASSERT_TRUE(Journal(connection).undo().done);
    EXPECT_EQ(itemOf("0036000291452"), 0);
}

// A file's codes are checked as typed ones are: the item is refused with why.
TEST(BarcodeFileTest, HostileCodesInAFileRefuseTheirItem)
{
    TransferFile file;
    JsonTransfer::read(QByteArrayLiteral("{\"items\": [\n"
                                         "{\"ItemName\": \"Tea\", \"Barcodes\": [\"'; DROP TABLE Barcodes; --\"]},\n"
                                         "{\"ItemName\": \"Jam\", \"Barcodes\": \"4006381333931\"},\n"
                                         "{\"ItemName\": \"Oil\", \"Barcodes\": [\"4006381333932\"]},\n"
                                         "{\"ItemName\": \"Salt\", \"Barcodes\": [\"96385074\", 96385074]},\n"
                                         "{\"ItemName\": \"Figs\", \"Barcodes\": [\"4 006381 333931\"]}\n]}"),
                       file);
    ASSERT_TRUE(file.readable());
    ASSERT_EQ(file.refused.size(), 4u);
    EXPECT_EQ(file.refused[0].line, 2);
    for (const auto& problem : file.refused) {
        EXPECT_TRUE(problem.reason.startsWith(QStringLiteral("Barcode"))) << problem.reason.toStdString();
    }
    ASSERT_EQ(file.records.size(), 1u);
    EXPECT_EQ(file.records[0].barcodes, QStringList{QStringLiteral("4006381333931")});
}

INSTANTIATE_FOR_BOTH_ENGINES(BarcodeTransferTest);
