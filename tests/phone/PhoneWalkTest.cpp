#include "CatalogSeed.h"
#include "EngineTest.h"

#include "phone/PhoneApi.h"
#include "store/access/CAdoConnection.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/StoreWalks.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{
SeedItem item(int id, const char* name, int qty, const char* dept, int deptOrder, const QString& store = "B-Mart")
{
    return {.name = QString::fromUtf8(name),
            .qty = qty,
            .dept = QString::fromUtf8(dept),
            .store = store,
            .deptOrder = deptOrder,
            .id = id};
}
} // namespace

// The phone's store tabs in the store's own walk, and where and when its
// marks were made, through the interface the page uses.
class PhoneWalkTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        const QString c = QStringLiteral("C-Mart");
        CatalogSeed::write({item(1, "Apples", 1, "Produce", 0), item(2, "Bread", 1, "Bakery", 1),
                            item(3, "Milk", 1, "Dairy", 2), item(4, "Salt", 0, "Spices", 3),
                            item(5, "Pears", 1, "Produce", 0, c), item(6, "Cheese", 1, "Dairy", 2, c)});
        ASSERT_EQ(m_connection.Open(CatalogSeed::path()), 0) << m_connection.lastError().toStdString();
        Catalog::checkStructure(m_connection);
        StoreWalks(m_connection)
            .setWalk(QStringLiteral("B-Mart"),
                     {QStringLiteral("Dairy"), QStringLiteral("Bakery"), QStringLiteral("Produce")});
        m_api = std::make_unique<PhoneApi>(m_connection);
    }

    void TearDown() override
    {
        m_api.reset();
        m_connection.Close();
        EngineTest::TearDown();
    }

    QStringList listed(const QString& store)
    {
        const PhoneApi::Reply reply = m_api->list(store, QString());
        EXPECT_EQ(reply.status, 200) << reply.body.toStdString();
        QStringList names;
        for (const QJsonValue item :
             QJsonDocument::fromJson(reply.body).object().value(QLatin1String("items")).toArray()) {
            names << item.toObject().value(QLatin1String("name")).toString();
        }
        return names;
    }

    PhoneApi::Reply mark(int id, const QByteArray& extra)
    {
        return m_api->change(QByteArrayLiteral("{\"id\":") + QByteArray::number(id)
                             + QByteArrayLiteral(",\"field\":\"Checked\",\"from\":0,\"to\":1") + extra + "}");
    }

    // The store and time noted for item id's last mark ("" for none).
    static QString noted(int id)
    {
        return CatalogSeed::scalar(
            QStringLiteral("SELECT COALESCE(Store, '-') || ' ' || MarkedAt FROM MarkLog WHERE ItemID = %1").arg(id));
    }

    CAdoConnection m_connection;
    std::unique_ptr<PhoneApi> m_api;
};

TEST_P(PhoneWalkTest, AStoreTabRunsInTheStoresWalkAndTheNeedTabAsBefore)
{
    EXPECT_EQ(listed(QStringLiteral("B-Mart")), (QStringList{"Milk", "Bread", "Apples"}));
    EXPECT_EQ(listed(QStringLiteral("C-Mart")), (QStringList{"Pears", "Cheese"}));
    EXPECT_EQ(listed(QStringLiteral("*")), (QStringList{"Apples", "Pears", "Bread", "Cheese", "Milk"}));

    // The walk changed: the tab follows on its next poll.
    StoreWalks(m_connection).setWalk(QStringLiteral("B-Mart"), {});
    EXPECT_EQ(listed(QStringLiteral("B-Mart")), (QStringList{"Apples", "Bread", "Milk"}));
}

TEST_P(PhoneWalkTest, AMarkKeepsItsStoreTabAndThePhonesTime)
{
    const qint64 hourAgo = QDateTime::currentMSecsSinceEpoch() - 3600 * 1000;
    ASSERT_EQ(mark(1, ",\"store\":\"B-Mart\",\"at\":" + QByteArray::number(hourAgo)).status, 200);
    EXPECT_EQ(noted(1), QStringLiteral("B-Mart %1").arg(hourAgo));

    // From the Need tab: no store, which teaches no walk.
    ASSERT_EQ(mark(2, ",\"store\":\"*\",\"at\":" + QByteArray::number(hourAgo)).status, 200);
    EXPECT_EQ(noted(2), QStringLiteral("- %1").arg(hourAgo));

    // A phone clock running ahead gives now; no time at all gives now too.
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    ASSERT_EQ(mark(3, ",\"store\":\"B-Mart\",\"at\":9007199254740991").status, 200);
    ASSERT_EQ(mark(5, ",\"store\":\"C-Mart\"").status, 200);
    const qint64 after = QDateTime::currentMSecsSinceEpoch();
    for (int id : {3, 5}) {
        const qint64 at = noted(id).section(QLatin1Char(' '), 1).toLongLong();
        EXPECT_GE(at, before) << id;
        EXPECT_LE(at, after) << id;
    }
}

TEST_P(PhoneWalkTest, AMalformedStoreOrTimeIsRefusedAndChangesNothing)
{
    const QByteArray refused[] = {
        ",\"at\":\"yesterday\"",
        ",\"at\":-1",
        ",\"at\":1.5",
        ",\"at\":1e300",
        ",\"at\":9007199254740992",
        ",\"at\":null",
        ",\"at\":[1]",
        ",\"store\":7",
        ",\"store\":null",
        ",\"store\":\"" + QByteArray(31, 'x') + "\"",
        ",\"where\":\"B-Mart\"",
    };
    for (const QByteArray& extra : refused) {
        const PhoneApi::Reply reply = mark(1, extra);
        EXPECT_EQ(reply.status, 400) << extra.toStdString();
        EXPECT_FALSE(reply.changed) << extra.toStdString();
    }
    EXPECT_EQ(CatalogSeed::stored(QStringLiteral("Checked"), QStringLiteral("Apples")), QStringLiteral("0"));
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM MarkLog")), QStringLiteral("0"));

    // Thirty characters of emoji (sixty UTF-16 units) are a store name.
    const char32_t apple = U'\U0001F34E';
    QString store;
    for (int i = 0; i < 30; ++i) {
        store += QString::fromUcs4(&apple, 1);
    }
    EXPECT_EQ(mark(1, ",\"store\":\"" + store.toUtf8() + "\",\"at\":0").status, 200);
    EXPECT_TRUE(noted(1).startsWith(store + QLatin1Char(' ')));
}

INSTANTIATE_FOR_BOTH_ENGINES(PhoneWalkTest);
