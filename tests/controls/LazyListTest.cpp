#include "CatalogSeed.h"
#include "EngineTest.h"
#include "MainWindowHarness.h"

#include "controls/CItemListCtrl.h"
#include "controls/ItemListModel.h"
#include "list/ViewState.h"
#include "platform/TextNumbers.h"
#include "store/access/CAdoRecordset.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QScrollBar>

#include <memory>
#include <vector>

namespace
{
constexpr int kItems = 100000;

// Every row of the statement read at once, as the list showed them before
// it read them as needed, and the totals summed from them.
struct FullRead
{
    std::vector<int> ids;
    QStringList names;
    double listTotal = 0.0;
    double markedTotal = 0.0;
};

FullRead readAll(CMainDlg& window)
{
    FullRead full;
    const bool allStores = window.view().allStoresShown();
    CAdoRecordset rs;
    EXPECT_TRUE(rs.Open(window.composeListSql(), window.connection(), CAdoRecordset::adOpenForwardOnly,
                        CAdoRecordset::adLockReadOnly));
    while (rs.isOpen() && !rs.IsEOF()) {
        full.names << rs.GetField(0).GetText();
        full.ids.push_back(TextNumbers::toInt(rs.GetField(1).GetText()));
        const int quantity = TextNumbers::toInt(rs.GetField(2).GetText());
        const double price = TextNumbers::toDouble(rs.GetField(5).GetText());
        const double value = allStores ? quantity * price : price;
        full.listTotal += value;
        if (allStores && TextNumbers::toInt(rs.GetField(7).GetText()) != 0) {
            full.markedTotal += value;
        }
        rs.MoveNext();
    }
    return full;
}

std::vector<int> listIds(const CItemListCtrl& list)
{
    std::vector<int> ids;
    for (int row = 0; row < list.items().rowCount(); ++row) {
        ids.push_back(list.itemData(row));
    }
    return ids;
}

int firstFrom(const QStringList& names, int start, const QString& letter)
{
    for (int row = start; row < names.size(); ++row) {
        if (names[row].compare(letter, Qt::CaseInsensitive) >= 0) {
            return row;
        }
    }
    return -1;
}
} // namespace

// The list reads its first screen at once and the rest as it is scrolled to;
// what it shows in the end, and what it tells meanwhile, is a full read's.
class LazyListTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        CatalogSeed::write({});
        // Names start with each letter in turn; a third is not needed, a
        // seventh is marked, and four stores share the rest.
        ASSERT_TRUE(CatalogSeed::exec(
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                           "INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, UnitOfPurchase, Dept, Store, "
                           "checked, DeptOrder, Price, Coupon) "
                           "SELECT i, substr('ABCDEFGHIJKLMNOPQRSTUVWXYZ', 1 + (i * 7) % 26, 1) || 'item' || i, "
                           "i % 3, 'pkg', 'D' || (i % 10), 'S' || (i % 4), "
                           "CASE WHEN i % 7 = 0 THEN 1 ELSE 0 END, i % 10, (i % 500) / 100.0, i % 2 FROM n")
                .arg(kItems)));
    }

    // Rebuilds with the rows read only as the list asks for them.
    static void rebuildLazily(CMainDlg& window)
    {
        window.list().items().setFetchInBackground(false);
        window.RebuildList();
    }
};

TEST_P(LazyListTest, ScrollReachesTheLastRowWithAFullReadsRowsCountAndTotals)
{
    MainWindowHarness main;
    CItemListCtrl& list = main->list();
    ItemListModel& model = list.items();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    rebuildLazily(main.window());
    const FullRead full = readAll(main.window());
    ASSERT_EQ(static_cast<int>(full.ids.size()), kItems * 2 / 3 + 1);

    // Before the rows are read the count and totals are already whole.
    EXPECT_LT(model.rowCount(), 1000);
    EXPECT_EQ(model.expectedRowCount(), static_cast<int>(full.ids.size()));
    EXPECT_TRUE(main->summaryText().contains(QString::number(full.ids.size()))) << main->summaryText().toStdString();
    EXPECT_NEAR(main->view().listTotal, full.listTotal, 0.005);
    EXPECT_NEAR(main->view().markedTotal, full.markedTotal, 0.005);
    EXPECT_GT(main->view().markedTotal, 0.0);

    QScrollBar* bar = list.verticalScrollBar();
    for (int turn = 0; turn < 1000 && model.feeding(); ++turn) {
        bar->setValue(bar->maximum());
        QApplication::processEvents();
    }
    EXPECT_FALSE(model.feeding());
    EXPECT_EQ(listIds(list), full.ids);
    EXPECT_EQ(model.expectedRowCount(), static_cast<int>(full.ids.size()));
    EXPECT_EQ(list.itemText(model.rowCount() - 1, 0), full.names.back());

    // A store view counts and totals its prices the same way.
    main->ViewSwitch(2);
    const FullRead store = readAll(main.window());
    EXPECT_EQ(model.expectedRowCount(), static_cast<int>(store.ids.size()));
    EXPECT_NEAR(main->view().listTotal, store.listTotal, 0.005);
    EXPECT_EQ(main->view().markedTotal, 0.0);
    EXPECT_EQ(list.itemCount(), static_cast<int>(store.ids.size()));
    EXPECT_EQ(listIds(list), store.ids);
}

TEST_P(LazyListTest, LetterJumpSortAndKeptSelectionLandOnAFullReadsRows)
{
    MainWindowHarness main;
    CItemListCtrl& list = main->list();
    ItemListModel& model = list.items();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    main->ViewSwitch(1);
    main->view().storeOrder = QStringLiteral("ItemName");
    rebuildLazily(main.window());
    const FullRead full = readAll(main.window());

    // "Y" is near the end of this store's list by name (it has no "Z"):
    // the list is read up to there only.
    const int y = firstFrom(full.names, 0, QStringLiteral("Y"));
    ASSERT_GT(y, 1000);
    main->LetterJump(QStringLiteral("Y"));
    EXPECT_EQ(list.selectionMark(), y);
    EXPECT_EQ(list.markedItem(), full.ids[static_cast<size_t>(y)]);
    EXPECT_TRUE(model.feeding());
    main->LetterJump(QStringLiteral("Y"));
    const int nextY = firstFrom(full.names, y + 1, QStringLiteral("Y"));
    EXPECT_EQ(list.selectionMark(), nextY);

    // The catalog changed elsewhere: the same item is selected again, read
    // up to where a full read has it.
    const int kept = list.markedItem();
    model.setFetchInBackground(false);
    main->CatalogChanged();
    EXPECT_EQ(list.markedItem(), kept);
    EXPECT_EQ(list.selectionMark(), nextY);

    // A heading sort: the first row selected, the rows those of a full read.
    main->SortByColumn(0);
    EXPECT_EQ(main->view().storeOrder, QStringLiteral("ItemName DESC"));
    const FullRead sorted = readAll(main.window());
    EXPECT_EQ(list.selectionMark(), 0);
    EXPECT_EQ(list.markedItem(), sorted.ids.front());
    EXPECT_EQ(model.expectedRowCount(), static_cast<int>(sorted.ids.size()));
    EXPECT_EQ(list.itemCount(), static_cast<int>(sorted.ids.size()));
    EXPECT_EQ(listIds(list), sorted.ids);

    // Sorted back, and a jump from the top to a letter halfway down.
    main->SortByColumn(0);
    const FullRead again = readAll(main.window());
    main->view().lastJumpLetter.clear();
    main->LetterJump(QStringLiteral("M"));
    EXPECT_EQ(list.selectionMark(), firstFrom(again.names, 0, QStringLiteral("M")));
    EXPECT_LT(model.rowCount(), model.expectedRowCount());
}

INSTANTIATE_FOR_BOTH_ENGINES(LazyListTest);

namespace
{
// Rows "0", "1", ... up to total, and whether the feed still exists.
ItemListModel::RowFeed countingFeed(int total, std::shared_ptr<bool> alive)
{
    auto next = std::make_shared<int>(0);
    auto guard = std::shared_ptr<void>(nullptr, [alive](void*) { *alive = false; });
    return [total, next, guard](std::vector<ItemListModel::Row>& out, int limit) {
        for (int i = 0; i < limit && *next < total; ++i, ++*next) {
            ItemListModel::Row row;
            row.cells[0] = QString::number(*next);
            row.id = *next + 1;
            out.push_back(row);
        }
        return *next < total;
    };
}
} // namespace

TEST(ItemListModelFeedTest, ChunksKeepTheModelContractAndTheFeedEndsWithTheRows)
{
    ItemListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setFetchInBackground(false);
    auto alive = std::make_shared<bool>(true);
    model.setRedraw(false);
    model.setFeed(countingFeed(2500, alive), 10);
    model.setExpectedRowCount(2500);
    model.setRedraw(true);
    EXPECT_EQ(model.rowCount(), 10);
    EXPECT_EQ(model.expectedRowCount(), 2500);
    EXPECT_TRUE(model.canFetchMore(QModelIndex()));

    model.fetchMore(QModelIndex());
    QApplication::processEvents();
    EXPECT_EQ(model.rowCount(), 10 + ItemListModel::ChunkRows);
    EXPECT_TRUE(model.fetchUpTo(1500));
    EXPECT_EQ(model.text(1500, 0), QStringLiteral("1500"));
    // A row taken out while the rest is unread leaves one fewer in all.
    EXPECT_TRUE(model.removeItem(3));
    EXPECT_EQ(model.expectedRowCount(), 2499);
    EXPECT_FALSE(model.fetchUpTo(2499));
    EXPECT_FALSE(model.feeding());
    EXPECT_FALSE(*alive);
    EXPECT_EQ(model.rowCount(), 2499);
    EXPECT_EQ(model.text(2498, 0), QStringLiteral("2499"));

    // A feed that gives fewer rows than told: the count follows the rows.
    model.clear();
    model.setFeed(countingFeed(30, std::make_shared<bool>(true)), 10);
    model.setExpectedRowCount(50);
    model.fetchAll();
    EXPECT_EQ(model.rowCount(), 30);
    EXPECT_EQ(model.expectedRowCount(), 30);

    // Cleared while feeding, the feed goes with the rows; in the background
    // the rest comes without being asked for.
    alive = std::make_shared<bool>(true);
    model.setFeed(countingFeed(5000, alive), 10);
    model.clear();
    EXPECT_FALSE(*alive);
    EXPECT_EQ(model.expectedRowCount(), 0);
    model.setFetchInBackground(true);
    model.setFeed(countingFeed(5000, std::make_shared<bool>(true)), 10);
    for (int turn = 0; turn < 100 && model.feeding(); ++turn) {
        QApplication::processEvents();
    }
    EXPECT_EQ(model.rowCount(), 5000);
}
