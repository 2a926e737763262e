#include "CatalogSeed.h"
#include "EngineTest.h"

#include "list/ItemChanges.h"
#include "store/access/CAdoConnection.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/MarkLog.h"
#include "store/catalog/StoreWalks.h"
#include "store/journal/Journal.h"

#include <QDateTime>

class MarkPlaceTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        std::vector<SeedItem> items;
        const char* const depts[] = {"Produce", "Bakery", "Deli", "Dairy", "Frozen"};
        for (int d = 0; d < 5; ++d) {
            for (int i = 0; i < 2; ++i) {
                SeedItem seed{QStringLiteral("%1 %2").arg(QLatin1String(depts[d])).arg(i), 1};
                seed.dept = QLatin1String(depts[d]);
                seed.deptOrder = d;
                items.push_back(seed);
            }
        }
        CatalogSeed::write(items);
        ASSERT_EQ(connection.Open(CatalogSeed::path()), 0) << connection.lastError().toStdString();
        Catalog::checkStructure(connection);
    }

    CAdoConnection connection;
};

TEST_P(MarkPlaceTest, EveryMarkNotesItsStoreAndTimeAndStaysOneUndoableAction)
{
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    ItemChanges::setMark(connection, 3, 1, {QStringLiteral("B-Mart"), 1'600'000'000'000LL});
    ItemChanges::setMark(connection, 3, 0, {QStringLiteral("*"), 0});
    ItemChanges::setMark(connection, 4, 1);
    // A phone whose clock runs a year ahead: its mark is made now.
    ItemChanges::setMark(connection, 5, 1, {QStringLiteral("B-Mart"), before + 365LL * 86'400'000LL});
    ItemChanges::setMark(connection, 5, 0);
    EXPECT_EQ(CatalogSeed::joined(QStringLiteral("checked")), QStringLiteral("0 0 0 1 0 0 0 0 0 0"));
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM MarkLog")), QStringLiteral("5"));
    const auto marks = MarkLog::marksAt(connection, QStringLiteral("B-MART"));
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_GE(marks[1].at, before);
    EXPECT_LE(marks[1].at, QDateTime::currentMSecsSinceEpoch());
    EXPECT_EQ(marks[0].at, 1'600'000'000'000LL);
    EXPECT_EQ(marks[0].itemId, 3);
    EXPECT_EQ(marks[0].dept, QStringLiteral("Bakery"));
    EXPECT_TRUE(marks[0].marked);
    // The need view and the phone's untold marks are at home, made now.
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM MarkLog WHERE Store IS NULL")),
              QStringLiteral("3"));
    EXPECT_GE(CatalogSeed::scalar(QStringLiteral("SELECT min(MarkedAt) FROM MarkLog WHERE Store IS NULL")).toLongLong(),
              before);
    // The note is no step of its own in the history.
    Journal journal(connection);
    EXPECT_EQ(journal.history().size(), 5);
    ASSERT_TRUE(journal.undo().done);
    EXPECT_EQ(CatalogSeed::joined(QStringLiteral("checked")), QStringLiteral("0 0 0 1 1 0 0 0 0 0"));
}

TEST_P(MarkPlaceTest, QueuedMarksKeepTheirPhoneTimeAndTeachTheWalk)
{
    // A phone queued three trips through B-Mart, walked back to front, and
    // sends them later, newest first: the times made on the phone count.
    const qint64 start = 1'700'000'000'000LL;
    for (int trip = 2; trip >= 0; --trip) {
        for (int id = 10; id >= 1; --id) {
            const qint64 at = start + trip * 86'400'000LL + (10 - id) * 45'000LL;
            ItemChanges::setMark(connection, id, 1, {QStringLiteral("B-Mart"), at});
            ItemChanges::setMark(connection, id, 0, {QString(), 0});
        }
    }
    const StoreWalks::Learned learned = StoreWalks(connection).learnedWalk(QStringLiteral("B-Mart"));
    EXPECT_EQ(learned.trips, 3);
    EXPECT_EQ(learned.departments,
              (QStringList{QStringLiteral("Frozen"), QStringLiteral("Dairy"), QStringLiteral("Deli"),
                           QStringLiteral("Bakery"), QStringLiteral("Produce")}));
}

TEST_P(MarkPlaceTest, AMarkLandsWhenItsNoteCannot)
{
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("DROP TABLE MarkLog")));
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("CREATE TABLE MarkLog (Note TEXT)")));
    ItemChanges::setMark(connection, 1, 1, {QStringLiteral("B-Mart"), 5});
    EXPECT_EQ(CatalogSeed::stored(QStringLiteral("checked"), QStringLiteral("Produce 0")), QStringLiteral("1"));
    EXPECT_TRUE(MarkLog::marksAt(connection, QStringLiteral("B-Mart")).empty());
    // A log whose rows refuse the note: the mark still lands.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("DROP TABLE MarkLog")));
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral(
        "CREATE TABLE MarkLog (MarkedAt BIGINT NOT NULL, ItemID INTEGER, Dept TEXT, Store TEXT, Marked INTEGER NOT "
        "NULL CHECK (Marked > 5))")));
    ItemChanges::setMark(connection, 2, 1, {QStringLiteral("B-Mart"), 5});
    EXPECT_EQ(CatalogSeed::stored(QStringLiteral("checked"), QStringLiteral("Produce 1")), QStringLiteral("1"));
    EXPECT_EQ(Journal(connection).history().size(), 2);
}

INSTANTIATE_FOR_BOTH_ENGINES(MarkPlaceTest);
