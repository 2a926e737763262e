#include "CatalogSeed.h"
#include "EngineTest.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"

#include "controls/CItemListCtrl.h"
#include "controls/ItemListModel.h"
#include "list/ListStatement.h"
#include "list/ViewState.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"

#include <QBrush>
#include <QComboBox>
#include <QHeaderView>
#include <QTabBar>
#include <QTest>

#include <limits>

namespace
{
const QString kBase = QStringLiteral(
    "SELECT ItemName, ID, QtyToBuy, UnitOfPurchase, Dept, Price, Store, Checked, Coupon FROM ShoppingLists ");
}

class ListQueryTest : public EngineTest
{
};

TEST(ListStatementTest, WhereTextForEveryViewDepartmentAndFilter)
{
    ViewState view;
    view.needOrder = QStringLiteral("DeptOrder, ItemName");
    view.storeOrder = QStringLiteral("Itemname");

    struct Case
    {
        bool need;
        QString dept;
        bool filter;
        QString where;
    };
    const Case cases[] = {
        {true, QStringLiteral("All Items"), false,
         QStringLiteral(" WHERE QtyToBuy > 0 ORDER BY DeptOrder, Dept, ItemName")},
        {true, QStringLiteral("All Items"), true,
         QStringLiteral(" WHERE QtyToBuy > 0 ORDER BY DeptOrder, Dept, ItemName")},
        {true, QStringLiteral("Dairy"), false,
         QStringLiteral(" WHERE Dept = 'Dairy' AND QtyToBuy > 0  ORDER BY DeptOrder, Dept, ItemName")},
        {false, QStringLiteral("All Items"), false,
         QStringLiteral(" WHERE QtyToBuy > -1 AND Store = 'B-Mart'  ORDER BY Itemname")},
        {false, QStringLiteral("All Items"), true,
         QStringLiteral(" WHERE QtyToBuy > 0 AND Store = 'B-Mart'  ORDER BY Itemname")},
        {false, QStringLiteral("Dairy"), false,
         QStringLiteral(" WHERE Dept = 'Dairy'  AND Store = 'B-Mart'  ORDER BY Itemname")},
        {false, QStringLiteral("Dairy"), true,
         QStringLiteral(" WHERE Dept = 'Dairy' AND QtyToBuy > 0  AND Store = 'B-Mart'  ORDER BY Itemname")},
    };
    for (const Case& c : cases) {
        view.needView = c.need;
        view.currentStore = c.need ? QStringLiteral("*") : QStringLiteral("B-Mart");
        view.deptText = c.dept;
        view.quantityFilter = c.filter;
        EXPECT_EQ(ListStatement::compose(view), kBase + c.where) << c.need << c.dept.toStdString() << c.filter;
    }

    // Quotes in names are doubled, so the statement stays whole.
    view.needView = false;
    view.currentStore = QStringLiteral("Joe's");
    view.deptText = QStringLiteral("Kids' Snacks");
    view.quantityFilter = false;
    EXPECT_EQ(ListStatement::compose(view),
              kBase + QStringLiteral(" WHERE Dept = 'Kids'' Snacks'  AND Store = 'Joe''s'  ORDER BY Itemname"));
    EXPECT_EQ(ListStatement::departments(view),
              QStringLiteral("SELECT Dept, Store from ShoppingLists WHERE Store = 'Joe''s' "));

    // As the program runs them: the names are bound, in the order of their
    // parameters, and nothing of them is in the text.
    std::vector<SqlValue> values;
    EXPECT_EQ(ListStatement::compose(view, &values),
              kBase + QStringLiteral(" WHERE Dept = ?  AND Store = ?  ORDER BY Itemname"));
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0].toText(), view.deptText);
    EXPECT_EQ(values[1].toText(), view.currentStore);
    values.clear();
    EXPECT_FALSE(ListStatement::totals(view, &values).contains(QLatin1Char('\'')));
    EXPECT_EQ(values.size(), 2u);
    values.clear();
    EXPECT_EQ(ListStatement::departments(view, &values),
              QStringLiteral("SELECT Dept, Store from ShoppingLists WHERE Store = ? "));
    EXPECT_EQ(values.size(), 1u);
}

// The composed statements select, on either engine, the rows each view
// lists, in its order.
TEST_P(ListQueryTest, ComposedStatementsSelectTheRowsOfEachView)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Milk"), .qty = 2, .deptOrder = 2},
        {.name = QStringLiteral("butter"), .qty = 1, .store = QStringLiteral("Joe's"), .deptOrder = 2},
        {.name = QStringLiteral("Kids' Cereal"),
         .qty = 3,
         .dept = QStringLiteral("Kids' Snacks"),
         .store = QStringLiteral("Joe's"),
         .deptOrder = 1},
        {.name = QStringLiteral("Apples"), .qty = 0, .dept = QStringLiteral("Produce")},
        {.name = QStringLiteral("Tea"), .qty = 1, .dept = QString(), .deptOrder = 3},
        {.name = QStringLiteral("crisps"), .qty = 4, .dept = QStringLiteral("Kids' Snacks"), .deptOrder = 1},
    });
    CAdoConnection connection;
    ASSERT_EQ(connection.Open(CatalogSeed::path()), 0) << connection.lastError().toStdString();

    ViewState view;
    view.needOrder = QStringLiteral("DeptOrder, ItemName");
    view.storeOrder = QStringLiteral("Itemname");
    struct Case
    {
        bool need;
        const char* store;
        const char* dept;
        bool filter;
        QStringList names;
    };
    const Case cases[] = {
        {true, "*", "All Items", true, {"crisps", "Kids' Cereal", "butter", "Milk", "Tea"}},
        {true, "*", "Dairy", false, {"butter", "Milk"}},
        {true, "*", "Produce", false, {}},
        {false, "B-Mart", "All Items", false, {"Apples", "crisps", "Milk", "Tea"}},
        {false, "B-Mart", "All Items", true, {"crisps", "Milk", "Tea"}},
        {false, "B-Mart", "", false, {"Tea"}},
        {false, "Joe's", "Kids' Snacks", false, {"Kids' Cereal"}},
    };
    for (const Case& c : cases) {
        view.needView = c.need;
        view.currentStore = QString::fromUtf8(c.store);
        view.deptText = QString::fromUtf8(c.dept);
        view.quantityFilter = c.filter;
        const QString sql = ListStatement::compose(view);
        CAdoRecordset set;
        ASSERT_TRUE(set.Open(sql, connection)) << sql.toStdString();
        QStringList names;
        for (; !set.IsEOF(); set.MoveNext()) {
            names << set.GetField(0).GetText();
        }
        EXPECT_EQ(names, c.names) << sql.toStdString();
    }
}

TEST_P(ListQueryTest, RowsShowQuantitiesAmountsImagesAndMarks)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Apples"), .qty = 3, .price = 2.5, .coupon = 1},
        {.name = QStringLiteral("Bread"), .qty = 1, .price = 0.0, .checked = -1, .coupon = -1},
        {.name = QStringLiteral("Cheese"), .qty = 2, .price = 4.0, .checked = 1, .coupon = 2},
        {.name = QStringLiteral("Dates"), .qty = 1, .price = 1.25, .coupon = QVariant()},
        {.name = QStringLiteral("Eggs"), .qty = 0, .price = 3.0},
    });
    MainWindowHarness main;
    CItemListCtrl& list = main->list();

    ASSERT_EQ(main.column(0), (QStringList{"Apples", "Bread", "Cheese", "Dates"})); // Eggs are not needed
    EXPECT_EQ(main.column(1), (QStringList{"3", "1", "2", "1"}));
    EXPECT_EQ(main.column(4), (QStringList{"7.50", "", "8.00", "1.25"}));
    // Coupon "1" and "-1" show the coupon; "2" and a missing value do not.
    EXPECT_EQ(list.itemImage(0), 2);
    EXPECT_EQ(list.itemImage(1), 3);
    EXPECT_EQ(list.itemImage(2), 1);
    EXPECT_EQ(list.itemImage(3), 0);
    // Marked rows are grey, others black.
    const QModelIndex marked = list.model()->index(1, 0);
    const QModelIndex plain = list.model()->index(0, 0);
    EXPECT_EQ(marked.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(204, 204, 204));
    EXPECT_EQ(plain.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::black));

    EXPECT_DOUBLE_EQ(main->view().listTotal, 16.75);
    EXPECT_DOUBLE_EQ(main->view().markedTotal, 8.0);
    EXPECT_EQ(main->listTotalText(), QStringLiteral("List $16.75"));
    EXPECT_EQ(main->markedTotalText(), QStringLiteral("In basket $8.00"));
    EXPECT_EQ(main->summaryText(), QStringLiteral("4 items needed (All Items)         "));
    EXPECT_EQ(list.selectionMark(), 0);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

TEST_P(ListQueryTest, StoreViewShowsUnitPricesAndBlankTotals)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Milk"), .qty = 0, .store = QStringLiteral("Corner Market"), .price = 1.2},
        {.name = QStringLiteral("Tea"), .qty = 2, .store = QStringLiteral("Corner Market"), .price = 3.0},
    });
    MainWindowHarness main;
    main->tabStrip().setCurrentIndex(1);
    EXPECT_EQ(main.column(0), (QStringList{"Milk", "Tea"}));
    EXPECT_EQ(main.column(1), (QStringList{"", "2"}));
    EXPECT_EQ(main.column(4), (QStringList{"1.20", "3.00"}));
    EXPECT_EQ(main->listTotalText(), QString(11, ' '));
    EXPECT_EQ(main->markedTotalText(), QString(11, ' '));
    EXPECT_EQ(main->summaryText(), QStringLiteral("2 items in Corner Market (All Items)         "));
}

TEST_P(ListQueryTest, SummaryFormsOfCountsAndTotals)
{
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 1, .price = 1234.5}});
    MainWindowHarness main;
    EXPECT_EQ(main->summaryText(), QStringLiteral("1 item needed (All Items)         "));
    EXPECT_EQ(main->listTotalText(), QStringLiteral("List $1234.50"));

    CatalogSeed::exec(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 0"));
    main->RebuildList();
    EXPECT_EQ(main->summaryText(), QStringLiteral("0 items needed (All Items)         "));
    EXPECT_EQ(main->listTotalText(), QStringLiteral("List $0.00"));
    EXPECT_EQ(main->markedTotalText(), QStringLiteral("In basket $0.00"));

    main->view().listTotal = -1.0;
    EXPECT_EQ(main->listTotalText(), QString());
}

TEST_P(ListQueryTest, HandEditedHugePricesShowShortAndTheTotalsDoubtful)
{
    // As another program or a hand-edited file may leave them.
    CatalogSeed::write({
        {.name = QStringLiteral("Gold"), .qty = 2, .price = QStringLiteral("1e300"), .checked = 1},
        {.name = QStringLiteral("Milk"), .qty = 1, .price = 1.5},
    });
    MainWindowHarness main;
    EXPECT_EQ(main.column(4), (QStringList{"2e+300", "1.50"}));
    EXPECT_EQ(main->listTotalText(), QStringLiteral("List $2e+300 ?"));
    EXPECT_EQ(main->markedTotalText(), QStringLiteral("In basket $2e+300 ?"));
    main->tabStrip().setCurrentIndex(1);
    EXPECT_EQ(main.column(4), (QStringList{"1e+300", "1.50"}));

    // The most the item editor lets a row reach is still written out.
    CatalogSeed::exec(
        QStringLiteral("UPDATE ShoppingLists SET Price = 9999999, QtyToBuy = 32767 WHERE ItemName = 'Gold'"));
    main->tabStrip().setCurrentIndex(0);
    EXPECT_EQ(main.column(4), (QStringList{"327669967233.00", "1.50"}));
    EXPECT_EQ(main->listTotalText(), QStringLiteral("List $327669967234.50"));
    main->view().listTotal = std::numeric_limits<double>::infinity();
    EXPECT_EQ(main->listTotalText(), QStringLiteral("List $inf ?"));
}

TEST_P(ListQueryTest, DepartmentWithApostropheListsItsItems)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Crisps"), .qty = 1, .dept = QStringLiteral("Kids' Snacks")},
        {.name = QStringLiteral("Milk"), .qty = 1, .dept = QStringLiteral("Dairy")},
    });
    MainWindowHarness main;
    main->deptCombo().setCurrentText(QStringLiteral("Kids' Snacks"));
    main->RebuildList();
    EXPECT_EQ(main.column(0), QStringList{"Crisps"});
    EXPECT_TRUE(messages.isEmpty());
}

TEST_P(ListQueryTest, UnreadableCatalogReportsAndLeavesTheListEmpty)
{
    CatalogSeed::write({{.name = QStringLiteral("Milk"), .qty = 1}});
    MainWindowHarness main;
    main->connection().Close();
    main->RebuildList();
    EXPECT_EQ(messages.last(), QStringLiteral("Unable to open shopping list"));
    EXPECT_EQ(main->list().itemCount(), 0);
    EXPECT_EQ(main->summaryText(), QStringLiteral("0 items needed (All Items)         "));
}

TEST_P(ListQueryTest, ColumnWidthsComeFromTheSettings)
{
    CatalogSeed::write({});
    CRegistry().SetDword(QStringLiteral("Col2"), 50);
    {
        MainWindowHarness main;
        EXPECT_EQ(main->list().columnWidthHandheld(2), 50);
        EXPECT_EQ(main->list().columnWidthHandheld(4), 35);
        EXPECT_EQ(CRegistry().GetDword(QStringLiteral("Col4")), 35);
        main->list().setColumnWidthHandheld(0, 120);
        main->close();
    }
    // The widths are kept when the window closes, and come back next time.
    MainWindowHarness again;
    EXPECT_EQ(again->list().columnWidthHandheld(0), 120);
    EXPECT_EQ(again->list().columnWidthHandheld(2), 50);
}

TEST_P(ListQueryTest, LargeListsAreNotCapped)
{
    std::vector<SeedItem> items;
    for (int i = 0; i < 700; ++i) {
        items.push_back({.name = QStringLiteral("Item %1").arg(i, 4, 10, QLatin1Char('0')),
                         .qty = 1,
                         .price = 1.0,
                         .checked = i == 650 ? 1 : 0});
    }
    CatalogSeed::write(items);
    MainWindowHarness main;
    EXPECT_EQ(main->list().itemCount(), 700);
    EXPECT_NE(main->rowMark(650), 0);
    EXPECT_EQ(main->rowMark(649), 0);
    EXPECT_DOUBLE_EQ(main->view().listTotal, 700.0);
}

namespace
{
void tapHeading(CMainDlg& window, int column)
{
    QHeaderView* header = window.list().header();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(x, header->height() / 2));
}
} // namespace

TEST_P(ListQueryTest, NeedViewPriceSortsByTheAmountShownWithTheHeadingMarked)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Cheese"), .qty = 1, .price = 24.99},
        {.name = QStringLiteral("Yogurt"), .qty = 4, .price = 4.99},
        {.name = QStringLiteral("Eggs"), .qty = 1, .price = 9.99},
        {.name = QStringLiteral("Apples"), .qty = 2, .price = 6.99},
        {.name = QStringLiteral("Bread"), .qty = 1, .price = 9.99},
    });
    MainWindowHarness main;
    QHeaderView* header = main->list().header();
    EXPECT_TRUE(header->isSortIndicatorShown());
    EXPECT_EQ(header->sortIndicatorSection(), 3);

    tapHeading(main.window(), 4);
    EXPECT_EQ(main.column(4), (QStringList{"24.99", "19.96", "13.98", "9.99", "9.99"}));
    // Equal amounts by name.
    EXPECT_EQ(main.column(0).mid(3), (QStringList{"Bread", "Eggs"}));
    EXPECT_EQ(header->sortIndicatorSection(), 4);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(main->view().needOrder, QStringLiteral("Price DESC"));

    tapHeading(main.window(), 4);
    EXPECT_EQ(main.column(4), (QStringList{"9.99", "9.99", "13.98", "19.96", "24.99"}));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);

    // A store view's price column is the unit price, and sorts by it.
    main->tabStrip().setCurrentIndex(1);
    tapHeading(main.window(), 4);
    EXPECT_EQ(main.column(4), (QStringList{"24.99", "9.99", "9.99", "6.99", "4.99"}));
}

TEST_P(ListQueryTest, DepartmentsKeepTogetherAndNamesEndEveryOrder)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Water"), .qty = 1, .dept = QStringLiteral("Beverages"), .deptOrder = -1},
        {.name = QStringLiteral("Shampoo"), .qty = 1, .dept = QStringLiteral("Personal Care"), .deptOrder = -1},
        {.name = QStringLiteral("Apple Juice"), .qty = 1, .dept = QStringLiteral("Beverages"), .deptOrder = -1},
        {.name = QStringLiteral("Soap"), .qty = 1, .dept = QStringLiteral("Personal Care"), .deptOrder = -1},
        {.name = QStringLiteral("Milk"), .qty = 1, .dept = QStringLiteral("Dairy"), .deptOrder = 0},
        {.name = QStringLiteral("Butter"), .qty = 1, .dept = QStringLiteral("Dairy"), .deptOrder = 0},
    });
    MainWindowHarness main;
    // Departments not yet placed share one position without mixing.
    EXPECT_EQ(main.column(0), (QStringList{"Apple Juice", "Water", "Shampoo", "Soap", "Butter", "Milk"}));

    // The Dept heading: names stay in order within each department, and
    // the stored order keeps its text.
    tapHeading(main.window(), 3);
    EXPECT_EQ(main->view().needOrder, QStringLiteral("DeptOrder"));
    EXPECT_EQ(main.column(0), (QStringList{"Apple Juice", "Water", "Shampoo", "Soap", "Butter", "Milk"}));
    tapHeading(main.window(), 3);
    EXPECT_EQ(main->view().needOrder, QStringLiteral("DeptOrder DESC"));
    EXPECT_EQ(main.column(0), (QStringList{"Butter", "Milk", "Apple Juice", "Water", "Shampoo", "Soap"}));
    // The quantity heading: equal quantities by name.
    tapHeading(main.window(), 1);
    EXPECT_EQ(main.column(0), (QStringList{"Apple Juice", "Butter", "Milk", "Shampoo", "Soap", "Water"}));
}

INSTANTIATE_FOR_BOTH_ENGINES(ListQueryTest);
