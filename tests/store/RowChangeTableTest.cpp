#include "store/journal/RowChange.h"

#include <gtest/gtest.h>

// Changes to the rows of the tables beside the catalog carry their table's
// name; only the program's own tables are read back from journal text.
TEST(RowChangeTableTest, ATableBesideTheCatalogIsNamedAndOnlyOursIsRead)
{
    RowChange walk{RowChange::Kind::Update,
                   SqlValue::integer(3),
                   {QStringLiteral("Store")},
                   {SqlValue::text(QStringLiteral("B-Mart"))},
                   {SqlValue::text(QStringLiteral("C-Mart"))},
                   QStringLiteral("StoreWalks")};
    RowChange item = walk;
    item.table.clear();
    // The catalog's row after the walk's, with the same columns: the second
    // refers back to the first's, and its table is the catalog's again.
    QString text;
    walk.appendTo(text);
    item.appendTo(text, &walk.columns);
    EXPECT_TRUE(text.startsWith(QStringLiteral("@10:StoreWalksU"))) << text.toStdString();
    std::vector<RowChange> read;
    ASSERT_TRUE(RowChange::parse(text, read));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].table, QStringLiteral("StoreWalks"));
    EXPECT_EQ(read[0].tableName(), QStringLiteral("StoreWalks"));
    EXPECT_EQ(read[1].table, QString());
    EXPECT_EQ(read[1].tableName(), QStringLiteral("ShoppingLists"));
    EXPECT_EQ(read[1].columns, walk.columns);

    // Text edited by hand to write elsewhere is no journal text.
    for (const char* edited : {"@14:JournalActionsU", "@13:ShoppingListsU", "@10:storewalksU", "@10:StoreWalk", "@"}) {
        QString changed = text;
        changed.replace(0, 14, QString::fromLatin1(edited));
        std::vector<RowChange> none;
        EXPECT_FALSE(RowChange::parse(changed, none)) << edited;
    }
}
