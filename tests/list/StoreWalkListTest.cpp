#include "CatalogSeed.h"
#include "EngineTest.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"

#include "list/ListStatement.h"
#include "list/ListWalk.h"
#include "list/ViewState.h"
#include "platform/widgets/Clipboard.h"
#include "platform/widgets/CommandIds.h"
#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/StoreWalks.h"

#include <QTabBar>

namespace
{
ViewState storeView(const QString& store, const QString& order)
{
    ViewState view;
    view.needView = false;
    view.currentStore = store;
    view.storeOrder = order;
    view.needOrder = QStringLiteral("DeptOrder, ItemName");
    return view;
}

QStringList texts(const std::vector<SqlValue>& values)
{
    QStringList out;
    for (const SqlValue& value : values) {
        out << value.toText();
    }
    return out;
}

SeedItem item(const char* name, int qty, const char* dept, int deptOrder, const QString& store = "B-Mart")
{
    return {.name = QString::fromUtf8(name),
            .qty = qty,
            .dept = QString::fromUtf8(dept),
            .store = store,
            .deptOrder = deptOrder};
}

// The walk a list of store runs in, the other spellings of its departments
// (which share their places) left out: what Arrange Departments shows.
QStringList listWalk(CAdoConnection& connection, const QString& store)
{
    const QStringList walk = ListWalk::ofStore(connection, store);
    return walk.mid(0, StoreWalks(connection).walkOf(store).departments.size());
}

QString thirtyEmoji()
{
    const char32_t glyph = U'\U0001F34E';
    QString text;
    for (int i = 0; i < 30; ++i) {
        text += QString::fromUcs4(&glyph, 1);
    }
    return text;
}
} // namespace

TEST(StoreWalkStatementTest, TheWalkTakesTheDepartmentPlaceWithItsNamesBoundAfterTheFilter)
{
    const ViewState view = storeView(QStringLiteral("B-Mart"), QStringLiteral("DeptOrder, ItemName"));
    const QStringList walk{QStringLiteral("Dairy"), QStringLiteral("Kids' Snacks")};
    std::vector<SqlValue> values;
    const QString sql = ListStatement::compose(view, &values, false, walk);
    EXPECT_TRUE(sql.endsWith(QStringLiteral(" AND Store = ?  ORDER BY CASE Dept WHEN ? THEN 0 WHEN ? THEN 1 ELSE 2 "
                                            "END, ItemName")))
        << sql.toStdString();
    // In the order of their "?": the store first.
    EXPECT_EQ(texts(values), (QStringList{"B-Mart", "Dairy", "Kids' Snacks"}));
    // Unbound, the names are quoted as every other literal.
    EXPECT_TRUE(ListStatement::compose(view, nullptr, false, walk).contains(QStringLiteral("WHEN 'Kids'' Snacks'")));

    // The direction stays with the department's place.
    const ViewState down = storeView(QStringLiteral("B-Mart"), QStringLiteral("DeptOrder DESC"));
    EXPECT_TRUE(ListStatement::orderBy(down, walk).startsWith(QStringLiteral("CASE Dept WHEN 'Dairy' THEN 0")));
    EXPECT_TRUE(ListStatement::orderBy(down, walk).endsWith(QStringLiteral("END DESC, ItemName")));
    // An order that does not sort by department, or no walk: as before.
    const ViewState byName = storeView(QStringLiteral("B-Mart"), QStringLiteral("ItemName"));
    EXPECT_EQ(ListStatement::orderBy(byName, walk), QStringLiteral("ItemName"));
    EXPECT_EQ(ListStatement::compose(view, nullptr, false, {}), ListStatement::compose(view));
}

class StoreWalkListTest : public EngineTest
{
protected:
    // Everyday walk Produce, Bakery, Dairy, Frozen. B-Mart has its own walk
    // (Frozen, Dairy, Produce, Bakery); C-Mart walks the everyday way.
    void SetUp() override
    {
        EngineTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        const QString c = QStringLiteral("C-Mart");
        CatalogSeed::write({item("Apples", 1, "Produce", 0), item("Bread", 1, "Bakery", 1), item("Milk", 1, "Dairy", 2),
                            item("Peas", 1, "Frozen", 3), item("Butter", 0, "dairy", 2), item("Tape", 1, "", 9),
                            item("Cheese", 1, "Dairy", 2, c), item("Pears", 1, "Produce", 0, c)});
        ASSERT_EQ(m_connection.Open(CatalogSeed::path()), 0) << m_connection.lastError().toStdString();
        Catalog::checkStructure(m_connection);
        StoreWalks(m_connection)
            .setWalk(QStringLiteral("B-Mart"), {QStringLiteral("Frozen"), QStringLiteral("Dairy"),
                                                QStringLiteral("Produce"), QStringLiteral("Bakery")});
    }

    void TearDown() override
    {
        m_connection.Close();
        EngineTest::TearDown();
    }

    // The window on store tab index, sorted by department.
    static void showStoreByDepartment(MainWindowHarness& main, int index)
    {
        main->view().storeOrder = QStringLiteral("DeptOrder, ItemName");
        main->tabStrip().setCurrentIndex(index);
        main->RebuildList();
    }

    CAdoConnection m_connection;
};

TEST_P(StoreWalkListTest, AStoreViewByDepartmentRunsInTheStoresOwnWalkAndOthersAsBefore)
{
    MainWindowHarness main;
    // The Need tab keeps the everyday order.
    EXPECT_EQ(main.column(0), (QStringList{"Apples", "Pears", "Bread", "Cheese", "Milk", "Peas", "Tape"}));

    showStoreByDepartment(main, 1); // B-Mart
    ASSERT_EQ(main->view().currentStore, QStringLiteral("B-Mart"));
    // Both spellings of Dairy at its place; no department after the walk.
    EXPECT_EQ(main.column(0), (QStringList{"Peas", "Butter", "Milk", "Apples", "Bread", "Tape"}));

    main->view().storeOrder = QStringLiteral("DeptOrder DESC");
    main->RebuildList();
    EXPECT_EQ(main.column(0), (QStringList{"Tape", "Bread", "Apples", "Butter", "Milk", "Peas"}));

    // By name the walk does not matter.
    main->view().storeOrder = QStringLiteral("ItemName");
    main->RebuildList();
    EXPECT_EQ(main.column(0), (QStringList{"Apples", "Bread", "Butter", "Milk", "Peas", "Tape"}));

    showStoreByDepartment(main, 2); // C-Mart, no walk of its own
    EXPECT_EQ(main.column(0), (QStringList{"Pears", "Cheese"}));
    EXPECT_EQ(main->composeListSql(), ListStatement::compose(main->view()));
}

TEST_P(StoreWalkListTest, ADepartmentTheWalkLacksGoesWhereArrangeDepartmentsShowsIt)
{
    EXPECT_EQ(listWalk(m_connection, QStringLiteral("B-Mart")),
              StoreWalks(m_connection).walkOf(QStringLiteral("B-Mart")).departments);
    // Household came after the walk was set; everyday it follows Dairy.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, UnitOfPurchase, "
                                                 "Dept, Store, DeptOrder) VALUES (50, 'Soap', 1, 'pkg', 'Household', "
                                                 "'B-Mart', 2)")));
    EXPECT_EQ(listWalk(m_connection, QStringLiteral("B-Mart")),
              (QStringList{"Frozen", "Dairy", "Household", "Produce", "Bakery"}));

    MainWindowHarness main;
    showStoreByDepartment(main, 1);
    EXPECT_EQ(main.column(0), (QStringList{"Peas", "Butter", "Milk", "Soap", "Apples", "Bread", "Tape"}));
}

TEST_P(StoreWalkListTest, CopyListOfAStoreViewGoesInItsWalkAndTheNeedViewsAsBefore)
{
    QStringList copied;
    Clipboard::setHandler([&copied](const QString& text) {
        copied << text;
        return Clipboard::Result::Ok;
    });
    MainWindowHarness main;
    main->OnCommand(CommandId::CopyChecklist);
    ASSERT_EQ(copied.size(), 1);
    EXPECT_EQ(copied.last(), QStringLiteral("- [ ] 1 pkg Tape\n\n## Produce\n- [ ] 1 pkg Apples\n- [ ] 1 pkg Pears\n\n"
                                            "## Bakery\n- [ ] 1 pkg Bread\n\n## Dairy\n- [ ] 1 pkg Cheese\n"
                                            "- [ ] 1 pkg Milk\n\n## Frozen\n- [ ] 1 pkg Peas\n"));

    showStoreByDepartment(main, 1);
    main->OnCommand(CommandId::CopyList);
    EXPECT_EQ(copied.last(), QStringLiteral("1 pkg Peas (Frozen)\n1 pkg Milk (Dairy)\n1 pkg Apples (Produce)\n"
                                            "1 pkg Bread (Bakery)\n1 pkg Tape ()\n"));
    // The checklist walks the store's way even while the list is by name.
    main->view().storeOrder = QStringLiteral("ItemName");
    main->RebuildList();
    main->OnCommand(CommandId::CopyChecklist);
    EXPECT_EQ(copied.last(), QStringLiteral("- [ ] 1 pkg Tape\n\n## Frozen\n- [ ] 1 pkg Peas\n\n## Dairy\n- [ ] 1 pkg "
                                            "Milk\n\n## Produce\n- [ ] 1 pkg Apples\n\n## Bakery\n- [ ] 1 pkg "
                                            "Bread\n"));
    Clipboard::setHandler({});
}

TEST_P(StoreWalkListTest, AWalkTableDamagedByHandShowsEveryItemOnceInASaneOrder)
{
    // A department listed twice, two at one place, a place that is no
    // number, and a department of 30 emoji that no item uses.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("DELETE FROM StoreWalks")));
    const QString rows = QStringLiteral("INSERT INTO StoreWalks (ID, Store, Dept, Place) VALUES (1, 'B-Mart', "
                                        "'Bakery', 0), (2, 'B-Mart', 'Bakery', 5), (3, 'B-Mart', 'Dairy', 0), "
                                        "(4, 'B-Mart', '%1', 1)")
                             .arg(thirtyEmoji());
    ASSERT_TRUE(CatalogSeed::exec(rows));
    const QStringList walk = StoreWalks(m_connection).walkOf(QStringLiteral("B-Mart")).departments;
    ASSERT_EQ(listWalk(m_connection, QStringLiteral("B-Mart")), walk);
    EXPECT_LT(walk.indexOf(QStringLiteral("Bakery")), walk.indexOf(QStringLiteral("Dairy")));

    MainWindowHarness main;
    showStoreByDepartment(main, 1);
    const QStringList shown = main.column(0);
    EXPECT_EQ(shown.size(), 6);
    EXPECT_EQ(QSet<QString>(shown.cbegin(), shown.cend()).size(), 6);
    // The departments as the walk has them, those of no department last.
    QStringList walked;
    for (const QString& dept : main.column(3)) {
        if (walked.isEmpty() || walked.last().compare(dept, Qt::CaseInsensitive) != 0) {
            walked << dept;
        }
    }
    QStringList expected;
    for (const QString& dept : walk) {
        if (walked.contains(dept, Qt::CaseInsensitive)) {
            expected << dept;
        }
    }
    expected << QString();
    EXPECT_EQ(walked.size(), expected.size());
    for (qsizetype i = 0; i < std::min(walked.size(), expected.size()); ++i) {
        EXPECT_EQ(walked[i].compare(expected[i], Qt::CaseInsensitive), 0) << i;
    }
}

TEST_P(StoreWalkListTest, AnEmojiStoreWalksItsOwnWay)
{
    const QString store = thirtyEmoji();
    ASSERT_TRUE(
        CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET Store = '%1' WHERE Store = 'C-Mart'").arg(store)));
    StoreWalks(m_connection).setWalk(store, {QStringLiteral("Produce"), QStringLiteral("Dairy")});
    MainWindowHarness main;
    const int tab = main->view().tabStores.indexOf(store);
    ASSERT_GT(tab, 0);
    showStoreByDepartment(main, tab);
    EXPECT_EQ(main.column(0), (QStringList{"Pears", "Cheese"}));
}

TEST_P(StoreWalkListTest, SpellingsOfOneDepartmentBeyondAsciiShareItsPlace)
{
    // The walk takes CAFÉ and Café as one department; a file's catalog
    // compares them as two.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral(
        "INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, UnitOfPurchase, Dept, Store, DeptOrder) VALUES (60, "
        "'Croissant', 1, 'pkg', 'Café', 'B-Mart', 5), (61, 'Cocoa', 1, 'pkg', 'CAFÉ', 'B-Mart', 5)")));
    StoreWalks(m_connection)
        .setWalk(QStringLiteral("B-Mart"), {QStringLiteral("Café"), QStringLiteral("Frozen"), QStringLiteral("Dairy"),
                                            QStringLiteral("Produce"), QStringLiteral("Bakery")});
    MainWindowHarness main;
    showStoreByDepartment(main, 1);
    EXPECT_EQ(main.column(0), (QStringList{"Cocoa", "Croissant", "Peas", "Butter", "Milk", "Apples", "Bread", "Tape"}));
}

TEST_P(StoreWalkListTest, TheStoreStatementFindsItsRowsAsTheEverydayOneDoes)
{
    SQLITE_ONLY("the plan is SQLite's");
    // The store's rows are few among many: the store's index is worth using.
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral(
        "INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, Dept, Store, DeptOrder) WITH RECURSIVE n(i) AS (SELECT "
        "100 UNION ALL SELECT i + 1 FROM n WHERE i < 299) SELECT i, 'Filler ' || i, 1, 'Dairy', 'Store ' || i, 2 "
        "FROM n")));
    Catalog::runStartupIndexes(m_connection);
    ASSERT_TRUE(CatalogSeed::exec(QStringLiteral("ANALYZE")));
    const ViewState view = storeView(QStringLiteral("B-Mart"), QStringLiteral("DeptOrder, ItemName"));
    auto plan = [this](const QString& sql, const std::vector<SqlValue>& values) {
        CAdoCommand explain(m_connection, QStringLiteral("EXPLAIN QUERY PLAN ") + sql);
        for (size_t i = 0; i < values.size(); ++i) {
            explain.bind(static_cast<int>(i) + 1, values[i]);
        }
        QStringList steps;
        while (explain.next()) {
            steps << explain.text(3);
        }
        return steps.join(QLatin1Char('\n'));
    };
    std::vector<SqlValue> everydayValues;
    const QString everyday = plan(ListStatement::compose(view, &everydayValues), everydayValues);
    std::vector<SqlValue> walkValues;
    const QString walked =
        plan(ListStatement::compose(view, &walkValues, false, ListWalk::of(m_connection, view)), walkValues);
    ASSERT_GT(walkValues.size(), everydayValues.size());
    EXPECT_TRUE(walked.contains(QStringLiteral("USING INDEX"))) << walked.toStdString() << "\n---\n"
                                                                << everyday.toStdString();
    EXPECT_EQ(walked, everyday);
}

INSTANTIATE_FOR_BOTH_ENGINES(StoreWalkListTest);
