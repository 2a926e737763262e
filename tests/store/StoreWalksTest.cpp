#include "CatalogSeed.h"
#include "EngineTest.h"

#include "dialogs/CRenameDlg.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/CatalogCopier.h"
#include "store/catalog/MarkLog.h"
#include "store/catalog/StoreWalks.h"
#include "store/catalog/WalkTrips.h"
#include "store/journal/Journal.h"

namespace
{
QString emoji(char32_t glyph)
{
    QString text;
    for (int i = 0; i < 30; ++i) {
        text += QString::fromUcs4(&glyph, 1);
    }
    return text;
}

SeedItem item(const QString& name, const QString& dept, int deptOrder, const QString& store = QStringLiteral("B-Mart"))
{
    SeedItem seed{name, 1};
    seed.dept = dept;
    seed.deptOrder = deptOrder;
    seed.store = store;
    return seed;
}

QStringList names(std::initializer_list<const char*> list)
{
    QStringList out;
    for (const char* name : list) {
        out << QString::fromUtf8(name);
    }
    return out;
}
} // namespace

class StoreWalksTest : public EngineTest
{
protected:
    // B-Mart sells in four departments, C-Mart in two; the everyday walk is
    // Produce, Bakery, Dairy, Frozen, Deli.
    void SetUp() override
    {
        EngineTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        CatalogSeed::write({item(QStringLiteral("Milk"), QStringLiteral("Dairy"), 2),
                            item(QStringLiteral("Apples"), QStringLiteral("Produce"), 0),
                            item(QStringLiteral("Bread"), QStringLiteral("Bakery"), 1),
                            item(QStringLiteral("Peas"), QStringLiteral("Frozen"), 3),
                            item(QStringLiteral("Cheese"), QStringLiteral("Dairy"), 2, QStringLiteral("C-Mart")),
                            item(QStringLiteral("Ham"), QStringLiteral("Deli"), 4, QStringLiteral("C-Mart"))});
        ASSERT_EQ(connection.Open(CatalogSeed::path()), 0) << connection.lastError().toStdString();
        Catalog::checkStructure(connection);
    }

    QStringList walk(const QString& store) { return StoreWalks(connection).walkOf(store).departments; }
    bool own(const QString& store) { return StoreWalks(connection).walkOf(store).own; }

    CAdoConnection connection;
};

TEST_P(StoreWalksTest, TheStructureCheckMakesTheTablesOnceAndLeavesOthersAlone)
{
    ASSERT_TRUE(StoreWalks::tableUsable(connection));
    ASSERT_TRUE(MarkLog::tableUsable(connection));
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("INSERT INTO StoreWalks VALUES (1, 'B-Mart', 'Dairy', 0)")));
    Catalog::checkStructure(connection);
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("1 = 1")), 6);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM StoreWalks")), QStringLiteral("1"));

    // A table of that name with other columns is not ours: every store walks
    // the everyday way, and a walk cannot be set.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("DROP TABLE StoreWalks")));
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("CREATE TABLE StoreWalks (Shop TEXT, Aisle INTEGER)")));
    // The next start.
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0) << connection.lastError().toStdString();
    Catalog::checkStructure(connection);
    EXPECT_FALSE(StoreWalks::tableUsable(connection));
    EXPECT_EQ(walk(QStringLiteral("B-Mart")), names({"Produce", "Bakery", "Dairy", "Frozen"}));
    EXPECT_THROW(StoreWalks(connection).setWalk(QStringLiteral("B-Mart"), names({"Dairy"})), CAdoException);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM StoreWalks")), QStringLiteral("0"));
}

TEST_P(StoreWalksTest, AWalkIsSetAsOneUndoableActionAndOnlyForItsStore)
{
    EXPECT_EQ(walk(QStringLiteral("B-Mart")), names({"Produce", "Bakery", "Dairy", "Frozen"}));
    EXPECT_FALSE(own(QStringLiteral("B-Mart")));
    EXPECT_EQ(walk(QStringLiteral("*")), names({"Produce", "Bakery", "Dairy", "Frozen", "Deli"}));

    StoreWalks walks(connection);
    ASSERT_TRUE(walks.setWalk(QStringLiteral("B-Mart"), names({"Frozen", "Dairy", "Produce", "Bakery"})));
    EXPECT_EQ(walk(QStringLiteral("b-mart")), names({"Frozen", "Dairy", "Produce", "Bakery"}));
    EXPECT_TRUE(own(QStringLiteral("B-Mart")));
    EXPECT_EQ(walk(QStringLiteral("C-Mart")), names({"Dairy", "Deli"}));
    EXPECT_FALSE(own(QStringLiteral("C-Mart")));
    // The same walk again writes nothing and makes no entry.
    EXPECT_FALSE(walks.setWalk(QStringLiteral("B-Mart"), names({"Frozen", "Dairy", "Produce", "Bakery"})));
    ASSERT_TRUE(walks.setWalk(QStringLiteral("B-Mart"), names({"Dairy", "Frozen", "Produce", "Bakery"}),
                              QStringLiteral("Learned walk of B-Mart")));

    Journal journal(connection);
    ASSERT_EQ(journal.history().size(), 2);
    EXPECT_EQ(journal.history().at(0).label, QStringLiteral("Learned walk of B-Mart"));
    EXPECT_EQ(journal.history().at(1).label, QStringLiteral("Walk of B-Mart"));
    ASSERT_TRUE(journal.undo().done);
    EXPECT_EQ(walk(QStringLiteral("B-Mart")), names({"Frozen", "Dairy", "Produce", "Bakery"}));
    ASSERT_TRUE(journal.undo().done);
    EXPECT_EQ(walk(QStringLiteral("B-Mart")), names({"Produce", "Bakery", "Dairy", "Frozen"}));
    EXPECT_FALSE(own(QStringLiteral("B-Mart")));
    ASSERT_TRUE(journal.redo().done);
    EXPECT_EQ(walk(QStringLiteral("B-Mart")), names({"Frozen", "Dairy", "Produce", "Bakery"}));

    // An empty walk gives the store back the everyday order; "*" is no store.
    ASSERT_TRUE(walks.setWalk(QStringLiteral("B-Mart"), {}));
    EXPECT_FALSE(own(QStringLiteral("B-Mart")));
    EXPECT_THROW(walks.setWalk(QStringLiteral("*"), names({"Dairy"})), CAdoException);
}

TEST_P(StoreWalksTest, ATableDamagedByHandStillGivesEveryDepartmentOnce)
{
    // Two departments at place 0, one listed twice, one missing, and one of
    // a department B-Mart no longer sells.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral(
        "INSERT INTO StoreWalks VALUES (1, 'B-Mart', 'Frozen', 0); INSERT INTO StoreWalks VALUES (2, 'B-Mart', "
        "'dairy', 0); INSERT INTO StoreWalks VALUES (3, 'B-Mart', 'Produce', 7); INSERT INTO StoreWalks VALUES "
        "(4, 'B-Mart', 'Frozen', 9); INSERT INTO StoreWalks VALUES (5, 'B-Mart', 'Pets', 8)")));
    if (onSqlite()) {
        ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("INSERT INTO StoreWalks VALUES (6, 'B-Mart', 'Bakery', 'x'); "
                                                     "INSERT INTO StoreWalks VALUES (7, 'B-Mart', '', 1)")));
    }
    // Equal places go in everyday order; Bakery follows Produce as it does
    // every day.
    EXPECT_EQ(walk(QStringLiteral("B-Mart")), names({"dairy", "Frozen", "Produce", "Bakery", "Pets"}));
    EXPECT_TRUE(own(QStringLiteral("B-Mart")));
    // Setting a walk replaces the damaged rows whole, and undo brings them back.
    ASSERT_TRUE(StoreWalks(connection).setWalk(QStringLiteral("B-Mart"), names({"Bakery", "Dairy"})));
    EXPECT_EQ(walk(QStringLiteral("B-Mart")), names({"Produce", "Bakery", "Dairy", "Frozen"}));
    ASSERT_TRUE(Journal(connection).undo().done);
    EXPECT_EQ(walk(QStringLiteral("B-Mart")), names({"dairy", "Frozen", "Produce", "Bakery", "Pets"}));
}

TEST_P(StoreWalksTest, RenamesCarryTheWalksAlongAndUndoTogether)
{
    StoreWalks walks(connection);
    ASSERT_TRUE(walks.setWalk(QStringLiteral("B-Mart"), names({"Frozen", "Dairy", "Produce", "Bakery"})));
    ASSERT_TRUE(walks.setWalk(QStringLiteral("C-Mart"), names({"Deli", "Dairy"})));
    // A walk left from a store since gone gives way.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("INSERT INTO StoreWalks VALUES (99, 'BigMart', 'Deli', 0)")));

    CRenameDlg::renameAll(connection, QStringLiteral("Store"), QStringLiteral("B-Mart"), QStringLiteral("BigMart"));
    EXPECT_EQ(walk(QStringLiteral("BigMart")), names({"Frozen", "Dairy", "Produce", "Bakery"}));
    EXPECT_FALSE(own(QStringLiteral("B-Mart")));
    CRenameDlg::renameAll(connection, QStringLiteral("Dept"), QStringLiteral("Dairy"), QStringLiteral("Milk & Eggs"));
    EXPECT_EQ(walk(QStringLiteral("BigMart")), names({"Frozen", "Milk & Eggs", "Produce", "Bakery"}));
    EXPECT_EQ(walk(QStringLiteral("C-Mart")), names({"Deli", "Milk & Eggs"}));

    Journal journal(connection);
    ASSERT_TRUE(journal.undo().done);
    EXPECT_EQ(walk(QStringLiteral("C-Mart")), names({"Deli", "Dairy"}));
    ASSERT_TRUE(journal.undo().done);
    EXPECT_EQ(walk(QStringLiteral("B-Mart")), names({"Frozen", "Dairy", "Produce", "Bakery"}));
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT Dept FROM StoreWalks WHERE ID = 99")), QStringLiteral("Deli"));
}

TEST_P(StoreWalksTest, HostileNamesKeepTheirWalk)
{
    const QString store = emoji(U'\U0001F6D2');
    const QString carrots = emoji(U'\U0001F955');
    const QString cheese = emoji(U'\U0001F9C0');
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("DELETE FROM ShoppingLists")));
    CatalogSeed::write({item(QStringLiteral("a"), carrots, 0, store), item(QStringLiteral("b"), cheese, 1, store),
                        item(QStringLiteral("c"), QStringLiteral("'; DROP TABLE StoreWalks; --"), 2, store)});
    EXPECT_EQ(walk(store), (QStringList{carrots, cheese, QStringLiteral("'; DROP TABLE StoreWalks; --")}));
    ASSERT_TRUE(StoreWalks(connection).setWalk(store, {QStringLiteral("'; DROP TABLE StoreWalks; --"), cheese}));
    EXPECT_EQ(walk(store), (QStringList{carrots, QStringLiteral("'; DROP TABLE StoreWalks; --"), cheese}));
    ASSERT_TRUE(Journal(connection).undo().done);
    EXPECT_EQ(walk(store), (QStringList{carrots, cheese, QStringLiteral("'; DROP TABLE StoreWalks; --")}));
}

TEST_P(StoreWalksTest, TheLearnedWalkComesFromTripsAtThatStoreOnly)
{
    // Three runs through B-Mart back to front, each marking an item twice.
    const qint64 day = 24LL * 3600 * 1000;
    const std::vector<int> backToFront{4, 1, 3, 2}; // Peas, Milk, Bread, Apples by ID
    for (int trip = 0; trip < 3; ++trip) {
        qint64 at = 1'700'000'000'000LL + trip * day;
        for (const int id : backToFront) {
            MarkLog::record(connection, id, true, QStringLiteral("B-Mart"), at += 60'000);
            MarkLog::record(connection, id, true, QStringLiteral("B-Mart"), at += 1);
        }
    }
    StoreWalks walks(connection);
    StoreWalks::Learned learned = walks.learnedWalk(QStringLiteral("B-Mart"));
    EXPECT_EQ(learned.trips, 0) << "four items make no trip";

    ASSERT_TRUE(
        CatalogSeed::exec(QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, Dept, Store, "
                                         "checked, DeptOrder) VALUES (7, 'Cream', 1, 'Dairy', 'B-Mart', 0, 2)")));
    for (int trip = 0; trip < 3; ++trip) {
        MarkLog::record(connection, 7, true, QStringLiteral("B-Mart"), 1'700'000'000'000LL + trip * day + 150'000);
        // At home, in the same minutes: no part of the trip.
        MarkLog::record(connection, 6, true, QString(), 1'700'000'000'000LL + trip * day + 2);
    }
    // The last trip is still going on a minute after its last mark: it
    // counts, but only the two before it are kept.
    const qint64 lastMark = 1'700'000'000'000LL + 2 * day + 240'003;
    learned = walks.learnedWalk(QStringLiteral("B-Mart"), lastMark + 60'000);
    EXPECT_EQ(learned.trips, 3);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM WalkTrips")), QStringLiteral("2"));
    learned = walks.learnedWalk(QStringLiteral("B-Mart"));
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM WalkTrips")), QStringLiteral("3"));
    // Kept trips stand when the marks are gone; one damaged by hand is
    // passed over.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("DELETE FROM MarkLog; INSERT INTO WalkTrips VALUES ('B-Mart', 5, "
                                                 "6, 7, '99:Dairy')")));
    learned = walks.learnedWalk(QStringLiteral("B-Mart"));
    EXPECT_EQ(learned.trips, 3);
    EXPECT_GT(learned.confidence, 0.5);
    EXPECT_EQ(learned.departments, names({"Frozen", "Dairy", "Bakery", "Produce"}));
    // C-Mart has no trips: its learned walk is its walk.
    EXPECT_EQ(walks.learnedWalk(QStringLiteral("C-Mart")).departments, names({"Dairy", "Deli"}));
}

TEST_P(StoreWalksTest, ACatalogCopyTakesTheWalksAndTheirHistory)
{
    ASSERT_TRUE(StoreWalks(connection).setWalk(QStringLiteral("B-Mart"), names({"Frozen", "Dairy"})));
    MarkLog::record(connection, 1, true, QStringLiteral("B-Mart"), 1234);
    connection.Close();
    const QString copy = homeFile(QStringLiteral("copy.cdb"));
    const CatalogCopier::Result result = CatalogCopier::copy(CatalogSeed::path(), copy, false);
    ASSERT_TRUE(result.copied) << result.error.toStdString();
    EXPECT_EQ(result.walkRows, 2);

    CAdoConnection copied(true);
    ASSERT_EQ(copied.Open(copy), 0);
    EXPECT_EQ(StoreWalks(copied).walkOf(QStringLiteral("B-Mart")).departments,
              names({"Produce", "Bakery", "Frozen", "Dairy"}));
    const auto marks = MarkLog::marksAt(copied, QStringLiteral("b-mart"));
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].at, 1234);
    EXPECT_EQ(marks[0].dept, QStringLiteral("Dairy"));
    // The walk's entry in the history travelled too, and undoes there.
    ASSERT_TRUE(Journal(copied).undo().done);
    EXPECT_FALSE(StoreWalks(copied).walkOf(QStringLiteral("B-Mart")).own);
}

TEST_P(StoreWalksTest, RenamesReachTheMarksAndTheKeptTrips)
{
    ASSERT_TRUE(CatalogSeed::exec(
        QStringLiteral("INSERT INTO MarkLog VALUES (1000, 1, 'Dairy', 'B-Mart', 1); INSERT INTO MarkLog VALUES (1001, "
                       "3, 'Bakery', 'b-mart', 1); INSERT INTO MarkLog VALUES (1002, 5, 'dairy', 'C-Mart', 1)")));
    const auto trip = [](const char* store, qint64 start, std::initializer_list<const char*> depts) {
        return QStringLiteral("INSERT INTO WalkTrips VALUES ('%1', %2, %3, 5, '%4')")
            .arg(QLatin1String(store))
            .arg(start)
            .arg(start + 1)
            .arg(WalkTrips::encode(names(depts)));
    };
    ASSERT_TRUE(CatalogSeed::exec(trip("B-Mart", 10, {"Frozen", "Dairy", "Bakery"})));
    ASSERT_TRUE(CatalogSeed::exec(trip("C-Mart", 20, {"Dairy", "Deli"})));
    ASSERT_TRUE(CatalogSeed::exec(trip("B-Mart", 30, {"Produce", "dairy", "Frozen"})));
    const auto depts = [this](const QString& store) {
        QStringList out;
        for (const WalkLearner::Trip& kept : WalkTrips::kept(connection, store)) {
            out << kept.departments.join(QLatin1Char('>'));
        }
        return out;
    };

    CRenameDlg::renameAll(connection, QStringLiteral("Store"), QStringLiteral("B-Mart"), QStringLiteral("BigMart"));
    EXPECT_EQ(MarkLog::marksAt(connection, QStringLiteral("BigMart")).size(), 2u);
    EXPECT_TRUE(MarkLog::marksAt(connection, QStringLiteral("B-Mart")).empty());
    EXPECT_EQ(depts(QStringLiteral("BigMart")), (QStringList{"Frozen>Dairy>Bakery", "Produce>dairy>Frozen"}));
    EXPECT_TRUE(depts(QStringLiteral("B-Mart")).isEmpty());

    // Into a department there is already: a trip names it once, at its
    // first place.
    CRenameDlg::renameAll(connection, QStringLiteral("Dept"), QStringLiteral("Dairy"), QStringLiteral("Deli"));
    EXPECT_EQ(depts(QStringLiteral("BigMart")), (QStringList{"Frozen>Deli>Bakery", "Produce>Deli>Frozen"}));
    EXPECT_EQ(depts(QStringLiteral("C-Mart")), QStringList{"Deli"});
    EXPECT_EQ(MarkLog::marksAt(connection, QStringLiteral("C-Mart")).at(0).dept, QStringLiteral("Deli"));
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM MarkLog WHERE Dept = 'Dairy'")),
              QStringLiteral("0"));

    // A log that is another program's table: the rename still lands.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("DROP TABLE MarkLog")));
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("CREATE TABLE MarkLog (Note TEXT)")));
    CRenameDlg::renameAll(connection, QStringLiteral("Store"), QStringLiteral("BigMart"), QStringLiteral("B-Mart"));
    EXPECT_EQ(depts(QStringLiteral("B-Mart")).size(), 2);
    EXPECT_EQ(CatalogSeed::count(QStringLiteral("Store = 'B-Mart'")), 4);
}

TEST_P(StoreWalksTest, TheMarkLogKeepsOnlyTheNewestMarks)
{
    // A full log, one mark a millisecond.
    ASSERT_TRUE(CatalogSeed::exec(
        QStringLiteral("INSERT INTO MarkLog (MarkedAt, ItemID, Dept, Store, Marked) WITH RECURSIVE n(i) AS (SELECT 1 "
                       "UNION ALL SELECT i + 1 FROM n WHERE i < %1) SELECT i, 1, 'Dairy', 'C-Mart', 1 FROM n")
            .arg(MarkLog::KeptMarks)));
    MarkLog::record(connection, 2, true, QStringLiteral("B-Mart"), 1'700'000'000'000LL);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM MarkLog")), QString::number(MarkLog::KeptMarks));
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT min(MarkedAt) FROM MarkLog")), QStringLiteral("2"));
    // Marks made at one moment go or stay together.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("UPDATE MarkLog SET MarkedAt = 3 WHERE MarkedAt IN (2, 3, 4)")));
    MarkLog::record(connection, 2, false, QStringLiteral("B-Mart"), 1'700'000'000'001LL);
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT min(MarkedAt) FROM MarkLog")), QStringLiteral("3"));
    EXPECT_EQ(CatalogSeed::scalar(QStringLiteral("SELECT count(*) FROM MarkLog")),
              QString::number(MarkLog::KeptMarks + 1));
    EXPECT_EQ(MarkLog::marksAt(connection, QStringLiteral("B-Mart")).size(), 2u);
}

INSTANTIATE_FOR_BOTH_ENGINES(StoreWalksTest);
