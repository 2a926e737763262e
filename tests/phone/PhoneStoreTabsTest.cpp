#include "CatalogSeed.h"
#include "EngineTest.h"

#include "list/ListStatement.h"
#include "phone/PhoneApi.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// The phone's store tabs come from one index step per store; they must be
// what reading every store in order gives, on both engines.
class PhoneStoreTabsTest : public EngineTest
{
protected:
    void TearDown() override
    {
        connection.Close();
        EngineTest::TearDown();
    }

    QStringList phoneTabs()
    {
        const PhoneApi::Reply reply = PhoneApi(connection).list(QStringLiteral("*"), QString());
        EXPECT_EQ(reply.status, 200);
        QStringList tabs;
        for (const QJsonValue& store :
             QJsonDocument::fromJson(reply.body).object().value(QLatin1String("stores")).toArray()) {
            tabs << store.toString();
        }
        return tabs;
    }

    // Every row's store in order, names that differ only in letter case
    // taken as one, no empty name, at most fifty.
    QStringList everyStoreRead()
    {
        CAdoRecordset rs;
        EXPECT_TRUE(rs.Open(QStringLiteral("SELECT Store FROM ShoppingLists ORDER BY Store"), connection,
                            CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly,
                            CAdoRecordset::adCmdUnknown));
        QStringList tabs;
        for (; !rs.IsEOF() && tabs.size() < 50; rs.MoveNext()) {
            const QString store = rs.GetField(0).GetText();
            if (!store.isEmpty() && (tabs.isEmpty() || tabs.last().compare(store, Qt::CaseInsensitive) != 0)) {
                tabs << store;
            }
        }
        return tabs;
    }

    static QStringList folded(const QStringList& names)
    {
        QStringList out;
        for (const QString& name : names) {
            out << name.toCaseFolded();
        }
        return out;
    }

    CAdoConnection connection;
};

TEST_P(PhoneStoreTabsTest, OneTabPerStoreInOrderWithoutEmptyNames)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Milk"), .store = QStringLiteral("corner")},
        {.name = QStringLiteral("Tea"), .store = QStringLiteral("B-Mart")},
        {.name = QStringLiteral("Salt"), .store = QString()},
        {.name = QStringLiteral("Jam"), .store = QStringLiteral("Corner")},
        {.name = QStringLiteral("Soap"), .store = QStringLiteral("Acme")},
        {.name = QStringLiteral("Rice"), .store = QStringLiteral("CORNER")},
    });
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    const QStringList tabs = phoneTabs();
    EXPECT_EQ(folded(tabs), (QStringList{"acme", "b-mart", "corner"}));
    EXPECT_EQ(folded(tabs), folded(everyStoreRead()));
    if (onSqlite()) {
        // The spelling of the first item of the store, as the index gives it.
        EXPECT_EQ(tabs.last(), QStringLiteral("corner"));
    }
}

TEST_P(PhoneStoreTabsTest, AtMostFiftyTabsAndTheStatementStopsThere)
{
    std::vector<SeedItem> items;
    for (int i = 59; i >= 0; --i) {
        items.push_back({.name = QStringLiteral("Item %1").arg(i),
                         .store = QStringLiteral("Store %1").arg(i, 2, 10, QLatin1Char('0'))});
    }
    items.push_back({.name = QStringLiteral("Loose"), .store = QString()});
    CatalogSeed::write(items);
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    const QStringList tabs = phoneTabs();
    ASSERT_EQ(tabs.size(), 50);
    EXPECT_EQ(tabs.first(), QStringLiteral("Store 00"));
    EXPECT_EQ(tabs.last(), QStringLiteral("Store 49"));
    EXPECT_EQ(tabs, everyStoreRead());

    // Asked for three, the statement gives three rows, whatever is left.
    CAdoRecordset rs;
    ASSERT_TRUE(rs.Open(ListStatement::storeTabs(3), connection, CAdoRecordset::adOpenForwardOnly,
                        CAdoRecordset::adLockReadOnly, CAdoRecordset::adCmdUnknown));
    int rows = 0;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        ++rows;
    }
    EXPECT_EQ(rows, 3);
}

TEST_P(PhoneStoreTabsTest, ACatalogWithoutStoresHasNoTabs)
{
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .store = QString()}});
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
    EXPECT_TRUE(phoneTabs().isEmpty());
}

INSTANTIATE_FOR_BOTH_ENGINES(PhoneStoreTabsTest);
