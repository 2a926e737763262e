#include "StoreFixture.h"

#include "list/NameCompletion.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"

#include <QStringList>

class NameCompletionTest : public EngineStoreTest
{
protected:
    QStringList complete(CAdoConnection& connection, const QString& typed)
    {
        CAdoRecordset set;
        if (!set.Open(NameCompletion::sql(), NameCompletion::values(typed), connection)) {
            return {QStringLiteral("<failed: ") + connection.lastError() + QLatin1Char('>')};
        }
        QStringList names;
        for (; !set.IsEOF(); set.MoveNext()) {
            names << set.GetField(0).GetText();
        }
        return names;
    }
};
INSTANTIATE_FOR_BOTH_ENGINES(NameCompletionTest);

TEST_P(NameCompletionTest, TheTypedBeginningIsTakenAsTextInAnyLetterCase)
{
    ASSERT_EQ(Catalog::prepareFile(location()), Catalog::FileState::Created);
    raw(QStringLiteral(
        "INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy) VALUES (1, 'Milk', 1), (2, 'mild salsa', 1), "
        "(3, 'Mi', 1), (4, 'Mj', 1), (5, '5% off', 1), (6, '5 pack', 1), (7, 'a_b', 1), (8, 'axb', 1), "
        "(9, 'back\\slash', 1), (10, 'Kids'' Snacks', 1), (11, 'Zz top', 1), (12, 'Zz{', 1)"));
    CAdoConnection connection(true);
    ASSERT_EQ(connection.Open(location()), 0);
    EXPECT_EQ(complete(connection, QStringLiteral("mI")),
              QStringList({QStringLiteral("Mi"), QStringLiteral("mild salsa"), QStringLiteral("Milk")}));
    EXPECT_EQ(complete(connection, QStringLiteral("5%")), QStringList({QStringLiteral("5% off")}));
    EXPECT_EQ(complete(connection, QStringLiteral("a_")), QStringList({QStringLiteral("a_b")}));
    EXPECT_EQ(complete(connection, QStringLiteral("back\\")), QStringList({QStringLiteral("back\\slash")}));
    EXPECT_EQ(complete(connection, QStringLiteral("kids'")), QStringList({QStringLiteral("Kids' Snacks")}));
    EXPECT_EQ(complete(connection, QStringLiteral("zz")),
              QStringList({QStringLiteral("Zz top"), QStringLiteral("Zz{")}));
    EXPECT_EQ(complete(connection, QStringLiteral("' OR 1=1 --")), QStringList());
}
