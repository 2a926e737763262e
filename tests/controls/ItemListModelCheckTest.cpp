#include "CatalogSeed.h"
#include "EngineTest.h"
#include "MainWindowHarness.h"

#include "controls/CItemListCtrl.h"
#include "controls/ItemListModel.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QTabBar>
#include <QTest>

// Qt's own checks of a model's contract (indexes, row counts, the signals
// that announce each change) watch the list's rows while the window fills,
// refills and sorts them from a real catalog. Any broken rule ends the test
// program.
class ItemListModelCheckTest : public EngineTest
{
protected:
    static void tapHeading(CMainDlg& window, int column)
    {
        QHeaderView* header = window.list().header();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(x, header->height() / 2));
    }
};

TEST_P(ItemListModelCheckTest, RowsKeepTheModelContractThroughRefillsAndSorts)
{
    CatalogSeed::write({
        {.name = QStringLiteral("Milk"), .qty = 2, .price = 2.5, .deptOrder = 1},
        {.name = QStringLiteral("Kids' Snacks"), .qty = 1, .dept = QStringLiteral("Snacks"), .price = QVariant()},
        {.name = QStringLiteral("Crème fraîche"), .qty = 3, .store = QStringLiteral("Corner Shop"), .checked = 1},
        {.name = QStringLiteral("Bread"), .qty = 0, .dept = QStringLiteral("Bakery"), .store = QString()},
        {.name = QStringLiteral("Tea"), .qty = 1, .dept = QString(), .store = QStringLiteral("Corner Shop")},
    });
    MainWindowHarness main;
    ItemListModel& model = main->list().items();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), 4);

    // Refilled for a store, then for all that is needed again.
    main->tabStrip().setCurrentIndex(1);
    EXPECT_EQ(main->view().needView, false);
    const int storeRows = model.rowCount();
    EXPECT_GT(storeRows, 0);
    main->tabStrip().setCurrentIndex(0);
    EXPECT_EQ(model.rowCount(), 4);

    // Sorted by each heading, twice for the other direction.
    for (int column = 0; column < ItemListModel::ColumnCount; ++column) {
        tapHeading(main.window(), column);
        tapHeading(main.window(), column);
        EXPECT_EQ(model.rowCount(), 4) << column;
    }
    tapHeading(main.window(), 0);
    EXPECT_EQ(main.column(0), (QStringList{"Crème fraîche", "Kids' Snacks", "Milk", "Tea"}));

    // Rows changed one by one, as the window does after an edit.
    const int row = model.insertItem(1, QStringLiteral("Jam"), 0);
    model.setText(row, 1, QStringLiteral("2"));
    model.setImage(row, 2);
    model.setMark(row, 1);
    EXPECT_TRUE(model.removeItem(row));
    model.setRedraw(false);
    model.insertItem(99, QStringLiteral("Late"), 1);
    model.setRedraw(true);
    EXPECT_EQ(model.rowCount(), 5);
    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

INSTANTIATE_FOR_BOTH_ENGINES(ItemListModelCheckTest);
