#include "CatalogSeed.h"
#include "EngineTest.h"

#include "store/access/CAdoConnection.h"
#include "store/catalog/DistinctNames.h"

#include <vector>

namespace
{
QStringList utf8(std::initializer_list<const char*> list)
{
    QStringList out;
    for (const char* text : list) {
        out << QString::fromUtf8(text);
    }
    return out;
}

struct Case
{
    const char* what;
    DistinctNames::Column column;
    QStringList stored;
    // Every spelling, then one for each name the catalog tells apart.
    QStringList spellings;
    QStringList names;
};

// Spellings of one name in either order, letters beyond ASCII, empty names
// and NULL: the lists must come out the same on both engines.
const std::vector<Case>& cases()
{
    static const std::vector<Case> all{
        {"departments", DistinctNames::Column::Dept,
         utf8({"dairy", "Dairy", "Bakery", "dairy", "\xc3\xa4pfel", "\xc3\x84pfel", "\xc2\xb5g", ""}),
         utf8({"Bakery", "Dairy", "dairy", "\xc2\xb5g", "\xc3\x84pfel", "\xc3\xa4pfel"}),
         utf8({"Bakery", "Dairy", "\xc2\xb5g", "\xc3\x84pfel"})},
        {"stores", DistinctNames::Column::Store,
         utf8({"b-mart", "Corner", "B-Mart", "*", "", "\xce\x9f\xce\x94\xce\x9f\xce\xa3",
               "\xce\xbf\xce\xb4\xce\xbf\xcf\x82"}),
         utf8({"*", "B-Mart", "b-mart", "Corner", "\xce\xbf\xce\xb4\xce\xbf\xcf\x82",
               "\xce\x9f\xce\x94\xce\x9f\xce\xa3"}),
         utf8({"*", "B-Mart", "Corner", "\xce\xbf\xce\xb4\xce\xbf\xcf\x82", "\xce\x9f\xce\x94\xce\x9f\xce\xa3"})},
        {"no names at all", DistinctNames::Column::Dept, utf8({"", ""}), {}, {}},
    };
    return all;
}
} // namespace

class DistinctNamesTest : public EngineTest
{
};

TEST_P(DistinctNamesTest, ListsEachSpellingOnceInTheCatalogsOrder)
{
    for (const Case& test : cases()) {
        SCOPED_TRACE(test.what);
        CatalogSeed::write({});
        ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("DELETE FROM ShoppingLists")));
        // A row without the name at all is left out like an empty one.
        std::vector<SeedItem> rows{{QStringLiteral("Nameless"), 1}};
        for (const QString& name : test.stored) {
            SeedItem row{QStringLiteral("Item %1").arg(rows.size()), 1};
            (test.column == DistinctNames::Column::Dept ? row.dept : row.store) = name;
            rows.push_back(row);
        }
        CatalogSeed::write(rows);
        ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET %1 = NULL WHERE ItemName = 'Nameless'")
                                          .arg(DistinctNames::columnName(test.column))));

        CAdoConnection connection;
        ASSERT_EQ(connection.Open(CatalogSeed::path()), 0) << connection.lastError().toStdString();
        DistinctNames inUse(connection);
        EXPECT_EQ(inUse.spellings(test.column), test.spellings);
        EXPECT_EQ(inUse.names(test.column), test.names);
    }
}

INSTANTIATE_FOR_BOTH_ENGINES(DistinctNamesTest);
