#include "CatalogSeed.h"
#include "EngineTest.h"

#include "phone/PhoneApi.h"
#include "store/access/CAdoConnection.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/PricePoints.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

class PhoneShelfPriceTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 1, .price = 1.29}});
        ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
        Catalog::checkStructure(connection);
        api = std::make_unique<PhoneApi>(connection);
    }
    void TearDown() override
    {
        api.reset();
        connection.Close();
        EngineTest::TearDown();
    }

    PhoneApi::Reply send(const QString& store, double price, qint64 at, const QString& change = QString())
    {
        QJsonObject body{{QStringLiteral("id"), 1}, {QStringLiteral("store"), store}, {QStringLiteral("price"), price}};
        if (at != 0) {
            body.insert(QStringLiteral("at"), static_cast<double>(at));
        }
        if (!change.isEmpty()) {
            body.insert(QStringLiteral("change"), change);
        }
        return api->price(QJsonDocument(body).toJson(), QStringLiteral("Anna's phone"));
    }
    // store:price@time of each point of Milk, oldest first.
    QStringList points()
    {
        QStringList out;
        for (const PricePoint& point : PricePoints::pointsOf(connection, 1)) {
            out << QStringLiteral("%1:%2@%3").arg(point.store).arg(point.price).arg(point.seenAt);
            EXPECT_EQ(point.source, PricePoint::Source::Shelf);
        }
        return out;
    }
    QString price() { return CatalogSeed::stored(QStringLiteral("Price"), QStringLiteral("Milk")); }

    CAdoConnection connection;
    std::unique_ptr<PhoneApi> api;
};

// The item's own store takes the price as the item's too; another store
// only gains a point. Queued prices sent twice, and out of order, land once
// each with the time of the tap.
TEST_P(PhoneShelfPriceTest, AShelfPriceLandsOnceWithItsTimeAndSetsTheOwnStoresPrice)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 earlier = now - 3600 * 1000;
    const qint64 later = now - 60 * 1000;
    for (int sent = 0; sent < 2; ++sent) {
        PhoneApi::Reply reply = send(QStringLiteral("C-Mart"), 1.19, later, QStringLiteral("shelf-0002-c-mart"));
        ASSERT_EQ(reply.status, 200) << reply.body.constData();
        EXPECT_FALSE(QJsonDocument::fromJson(reply.body).object().value(QLatin1String("priceSet")).toBool());
        reply = send(QStringLiteral("b-mart"), 1.494, earlier, QStringLiteral("shelf-0001-b-mart"));
        ASSERT_EQ(reply.status, 200) << reply.body.constData();
        EXPECT_TRUE(QJsonDocument::fromJson(reply.body).object().value(QLatin1String("priceSet")).toBool());
    }
    EXPECT_EQ(points(), (QStringList{QStringLiteral("b-mart:1.49@%1").arg(earlier),
                                     QStringLiteral("C-Mart:1.19@%1").arg(later)}));
    EXPECT_EQ(price(), QStringLiteral("1.49"));

    // A tap timed in the future (a clock set wrong) counts as now; none sent
    // is now too.
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    ASSERT_EQ(send(QStringLiteral("D-Mart"), 2.0, before + 86400 * 1000).status, 200);
    ASSERT_EQ(send(QStringLiteral("E-Mart"), 2.0, 0).status, 200);
    const qint64 after = QDateTime::currentMSecsSinceEpoch();
    for (const PricePoint& point : PricePoints::pointsOf(connection, 1)) {
        if (point.price == 2.0) {
            EXPECT_GE(point.seenAt, before) << point.store.toStdString();
            EXPECT_LE(point.seenAt, after) << point.store.toStdString();
        }
    }
}

// Every refused price writes nothing.
TEST_P(PhoneShelfPriceTest, BadPricesStoresItemsAndTimesAreRefused)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const struct
    {
        QByteArray body;
        int status;
    } cases[] = {
        {R"({"id": 1, "store": "B-Mart", "price": -0.01})", 400},
        {R"({"id": 1, "store": "B-Mart", "price": 10000000})", 400},
        {R"({"id": 1, "store": "B-Mart", "price": "1.29"})", 400},
        {R"({"id": 1, "store": "B-Mart", "price": 1e400})", 400},
        {R"({"id": 1, "store": "", "price": 1})", 400},
        {R"({"id": 1, "store": "*", "price": 1})", 400},
        {R"({"id": 1, "store": "A store with a name far too long for it", "price": 1})", 400},
        {R"({"id": 1, "price": 1})", 400},
        {R"({"id": 1, "store": "B-Mart", "price": 1, "field": "Price"})", 400},
        {R"({"id": 99, "store": "B-Mart", "price": 1})", 404},
        {QJsonDocument(
             QJsonObject{
                 {"id", 1}, {"store", "B-Mart"}, {"price", 1}, {"at", static_cast<double>(now - 91LL * 86400 * 1000)}})
             .toJson(),
         400},
    };
    for (const auto& c : cases) {
        const PhoneApi::Reply reply = api->price(c.body);
        EXPECT_EQ(reply.status, c.status) << c.body.constData() << " " << reply.body.constData();
    }
    EXPECT_TRUE(points().isEmpty());
    EXPECT_EQ(price(), QStringLiteral("1.29"));
}

// The Cheapest view splits the list as the computer's Cheapest Stores does.
TEST_P(PhoneShelfPriceTest, TheCheapestViewTellsEachStoresPartAndTheSaving)
{
    QJsonObject split = QJsonDocument::fromJson(api->cheapest().body).object();
    EXPECT_EQ(split.value(QLatin1String("savings")).toDouble(), 0.0);
    EXPECT_TRUE(split.value(QLatin1String("moves")).toArray().isEmpty());

    ASSERT_EQ(send(QStringLiteral("C-Mart"), 0.99, 0).status, 200);
    const PhoneApi::Reply reply = api->cheapest();
    ASSERT_EQ(reply.status, 200) << reply.body.constData();
    split = QJsonDocument::fromJson(reply.body).object();
    EXPECT_DOUBLE_EQ(split.value(QLatin1String("today")).toDouble(), 1.29);
    EXPECT_DOUBLE_EQ(split.value(QLatin1String("savings")).toDouble(), 0.30);
    const QJsonArray parts = split.value(QLatin1String("parts")).toArray();
    ASSERT_EQ(parts.size(), 1);
    EXPECT_EQ(parts.at(0).toObject().value(QLatin1String("store")).toString(), QStringLiteral("C-Mart"));
    const QJsonObject move = split.value(QLatin1String("moves")).toArray().at(0).toObject();
    EXPECT_EQ(move.value(QLatin1String("name")).toString(), QStringLiteral("Milk"));
    EXPECT_EQ(move.value(QLatin1String("from")).toString(), QStringLiteral("B-Mart"));
    EXPECT_EQ(move.value(QLatin1String("to")).toString(), QStringLiteral("C-Mart"));
}

INSTANTIATE_FOR_BOTH_ENGINES(PhoneShelfPriceTest);
