#include "CatalogSeed.h"
#include "EngineTest.h"

#include "list/ItemChanges.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/catalog/Catalog.h"

class ItemChangesTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        SeedItem milk{QStringLiteral("Milk"), 2};
        milk.price = 1.25;
        CatalogSeed::write({milk, SeedItem{QStringLiteral("Tea"), 0}});
        ASSERT_EQ(connection.Open(CatalogSeed::path()), 0) << connection.lastError().toStdString();
        Catalog::checkStructure(connection);
    }

    static QString newestLabel()
    {
        return CatalogSeed::scalar(QStringLiteral("SELECT Label FROM JournalActions ORDER BY ActionID DESC"));
    }

    CAdoConnection connection;
};

// A change from a value (the phone's) is written only over that value; one
// found made already, or made over a value since changed, writes nothing.
TEST_P(ItemChangesTest, AChangeFromAValueIsAppliedAlreadySoOrStale)
{
    using Field = ItemChanges::Field;
    using Outcome = ItemChanges::Outcome;
    const struct
    {
        const char* what;
        Field field;
        int from;
        int to;
        Outcome outcome;
        int value; // the value the catalog holds after it
        const char* label;
    } steps[] = {
        {"applied", Field::Quantity, 2, 3, Outcome::Applied, 3, "Add one: Milk"},
        {"sent again", Field::Quantity, 2, 3, Outcome::AlreadySo, 3, "Add one: Milk"},
        {"over an older value", Field::Quantity, 2, 7, Outcome::Stale, 3, "Add one: Milk"},
        {"set", Field::Quantity, 3, 7, Outcome::Applied, 7, "Quantity 7: Milk"},
        {"marked", Field::Mark, 0, 1, Outcome::Applied, 1, "Mark: Milk"},
        {"marked again", Field::Mark, 0, 1, Outcome::AlreadySo, 1, "Mark: Milk"},
        {"to the mark it has", Field::Mark, 1, 1, Outcome::AlreadySo, 1, "Mark: Milk"},
        {"to no mark over a mark made since", Field::Mark, 0, 0, Outcome::Stale, 1, "Mark: Milk"},
        {"unmarked", Field::Mark, 1, 0, Outcome::Applied, 0, "Unmark: Milk"},
    };
    int entries = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        ItemChanges::Change change;
        change.field = step.field;
        change.from = step.from;
        change.to = step.to;
        const ItemChanges::Result result = ItemChanges::change(connection, 1, change);
        EXPECT_EQ(result.outcome, step.outcome);
        EXPECT_EQ(result.value, step.value);
        EXPECT_DOUBLE_EQ(result.price, 1.25);
        entries += step.outcome == Outcome::Applied ? 1 : 0;
        EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM JournalActions")), QString::number(entries));
        EXPECT_EQ(newestLabel(), QLatin1String(step.label));
        const QString column = step.field == Field::Mark ? QStringLiteral("checked") : QStringLiteral("QtyToBuy");
        EXPECT_EQ(CatalogSeed::stored(column, QStringLiteral("Milk")), QString::number(step.value));
    }
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM MarkLog")), QStringLiteral("2"));
    ItemChanges::Change gone;
    gone.from = 0;
    EXPECT_EQ(ItemChanges::change(connection, 99, gone).outcome, Outcome::Gone);
}

// The window's commands write whatever the row holds: a mark made again is
// noted again. A gone item raises, by kind; a name not in the catalog is
// told.
TEST_P(ItemChangesTest, TheWindowsChangesWriteWhateverTheRowHolds)
{
    const ItemChanges::MarkRow row = ItemChanges::setMark(connection, 1, 0);
    EXPECT_EQ(row.storedMark, 0);
    EXPECT_EQ(row.quantity, 2);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM MarkLog")), QStringLiteral("1"));
    int stored = 0;
    ItemChanges::stepQuantity(connection, 2, -1, stored);
    EXPECT_EQ(stored, 0);
    int id = 0;
    EXPECT_TRUE(ItemChanges::setQuantityByName(connection, QStringLiteral("Tea"), 4, &id));
    EXPECT_EQ(id, 2);
    EXPECT_EQ(newestLabel(), QStringLiteral("Quantity 4: Tea"));
    EXPECT_FALSE(ItemChanges::setQuantityByName(connection, QStringLiteral("Coffee"), 4));
    try {
        ItemChanges::setQuantity(connection, 99, 1);
        ADD_FAILURE() << "a gone item was written";
    } catch (const CAdoException& error) {
        EXPECT_EQ(error.kind(), CAdoException::Kind::Gone);
    }
}

INSTANTIATE_FOR_BOTH_ENGINES(ItemChangesTest);
