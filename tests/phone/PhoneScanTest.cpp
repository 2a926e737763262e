#include "CatalogSeed.h"
#include "EngineTest.h"

#include "phone/PhoneApi.h"
#include "store/access/CAdoConnection.h"
#include "store/catalog/Barcode.h"
#include "store/catalog/Barcodes.h"
#include "store/catalog/Catalog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

class PhoneScanTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 0}, {.name = QStringLiteral("Bread"), .qty = 0}});
        ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
        Catalog::checkStructure(connection);
        ASSERT_TRUE(CatalogSeed::exec(
            QStringLiteral("INSERT INTO Barcodes (ID, Code, ItemID) VALUES (1, '0036000291452', 1)")));
        api = std::make_unique<PhoneApi>(connection);
    }
    void TearDown() override
    {
        api.reset();
        connection.Close();
        EngineTest::TearDown();
    }

    static QJsonObject answer(const PhoneApi::Reply& reply) { return QJsonDocument::fromJson(reply.body).object(); }
    static QString firstValue(const PhoneApi::Reply& reply)
    {
        return answer(reply).value(QLatin1String("values")).toArray().at(0).toString();
    }
    QString stored(const char* column, const char* item)
    {
        return CatalogSeed::stored(QString::fromLatin1(column), QString::fromLatin1(item));
    }

    CAdoConnection connection;
    std::unique_ptr<PhoneApi> api;
};

// The Need tab adds one, a store tab marks; a scan sent twice lands once.
TEST_P(PhoneScanTest, AScanAddsInTheNeedTabAndMarksInAStoreTab)
{
    PhoneApi::Reply reply = api->scan(R"({"code": "036000291452"})");
    ASSERT_EQ(reply.status, 200) << reply.body.constData();
    EXPECT_EQ(answer(reply).value(QLatin1String("scanned")).toObject().value(QLatin1String("name")).toString(),
              QStringLiteral("Milk"));
    EXPECT_EQ(stored("QtyToBuy", "Milk"), QStringLiteral("1"));

    const QByteArray mark =
        R"({"code": "0036000291452", "store": "B-Mart", "at": 1700000000000, "change": "scan-4711-a"})";
    for (int i = 0; i < 2; ++i) {
        reply = api->scan(mark, QStringLiteral("Anna's phone"));
        ASSERT_EQ(reply.status, 200) << reply.body.constData();
        EXPECT_EQ(stored("Checked", "Milk"), QStringLiteral("1"));
    }
    EXPECT_EQ(stored("QtyToBuy", "Milk"), QStringLiteral("1"));

    reply = api->scan(R"({"code": "96385074"})");
    EXPECT_EQ(reply.status, 404);
    EXPECT_EQ(answer(reply).value(QLatin1String("code")).toString(), QStringLiteral("unknown-barcode"));
    EXPECT_EQ(firstValue(reply), QStringLiteral("96385074"));
}

// Whatever comes instead of a code is refused by its fault and writes nothing.
TEST_P(PhoneScanTest, HostileCodesAreRefused)
{
    const struct
    {
        QByteArray body;
        const char* code;
        const char* fault;
    } cases[] = {
        {R"({"code": "'; DROP TABLE Barcodes; --"})", "bad-barcode", "bad-character"},
        {R"({"code": "4006\u0007381333931"})", "bad-barcode", "bad-character"},
        {"{\"code\": \"" + QByteArray(10000, '7') + "\"}", "bad-barcode", "too-long"},
        {R"({"code": "036000291453"})", "bad-barcode", "check-digit"},
        {R"({"code": 36000291452})", "bad-barcode", "empty"},
        {R"({"code": "036000291452", "sql": "DELETE FROM ShoppingLists"})", "bad-request", nullptr},
        {"not json", "bad-request", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body.left(40).toStdString());
        const PhoneApi::Reply reply = api->scan(c.body);
        EXPECT_EQ(reply.status, 400);
        EXPECT_FALSE(reply.changed);
        EXPECT_EQ(answer(reply).value(QLatin1String("code")).toString(), QString::fromLatin1(c.code));
        if (c.fault) {
            EXPECT_EQ(firstValue(reply), QString::fromLatin1(c.fault));
        }
    }
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM Barcodes")), QStringLiteral("1"));
    EXPECT_EQ(stored("QtyToBuy", "Milk"), QStringLiteral("0"));
}

// The chooser's answer keeps a code with a named item; one another item has
// moves only when the phone says so.
TEST_P(PhoneScanTest, ACodeIsKeptWithANamedItemAndMovesOnlyWhenAsked)
{
    PhoneApi::Reply reply = api->keepBarcode(R"({"code": "96385074", "name": "bread"})");
    ASSERT_EQ(reply.status, 200) << reply.body.constData();
    EXPECT_TRUE(reply.changed);
    reply = api->keepBarcode(R"({"code": "96385074", "name": "Milk"})");
    EXPECT_EQ(reply.status, 409);
    EXPECT_EQ(firstValue(reply), QStringLiteral("Bread"));
    EXPECT_EQ(Barcodes::itemOf(connection, Barcode::parse(QStringLiteral("96385074"))), 2);
    reply = api->keepBarcode(R"({"code": "96385074", "name": "Milk", "move": true})");
    ASSERT_EQ(reply.status, 200);
    EXPECT_EQ(Barcodes::itemOf(connection, Barcode::parse(QStringLiteral("96385074"))), 1);
    EXPECT_EQ(api->keepBarcode(R"({"code": "96385074", "name": "Caviar"})").status, 404);
}

INSTANTIATE_FOR_BOTH_ENGINES(PhoneScanTest);
