#include "CatalogSeed.h"
#include "EngineTest.h"
#include "MainWindowHarness.h"

#include "controls/CItemListCtrl.h"
#include "controls/ItemListModel.h"
#include "list/ViewState.h"
#include "platform/Money.h"
#include "platform/TextNumbers.h"
#include "store/access/CAdoRecordset.h"

#include <QHash>

namespace
{
// A row as the list shows it, worked out from the texts of its columns.
struct ShownRow
{
    QString cells[ItemListModel::ColumnCount];
    int id = 0;
    int image = 0;
    int mark = 0;
};

QHash<QString, ShownRow> rowsFromTexts(CMainDlg& window)
{
    QHash<QString, ShownRow> rows;
    const bool allStores = window.view().allStoresShown();
    CAdoRecordset rs;
    EXPECT_TRUE(rs.Open(window.composeListSql(), window.connection(), CAdoRecordset::adOpenForwardOnly,
                        CAdoRecordset::adLockReadOnly));
    while (rs.isOpen() && !rs.IsEOF()) {
        ShownRow row;
        row.cells[0] = rs.GetField(0).GetText();
        row.mark = TextNumbers::toInt(rs.GetField(7).GetText());
        const QString coupon = rs.GetField(8).GetText();
        row.image = (row.mark != 0 ? 1 : 0) + (coupon == QLatin1String("1") || coupon == QLatin1String("-1") ? 2 : 0);
        row.id = TextNumbers::toInt(rs.GetField(1).GetText());
        const QString quantityText = rs.GetField(2).GetText();
        const int quantity = TextNumbers::toInt(quantityText);
        if (quantityText != QLatin1String("0")) {
            row.cells[1] = quantityText;
        }
        row.cells[2] = rs.GetField(3).GetText();
        row.cells[3] = rs.GetField(4).GetText();
        const double price = TextNumbers::toDouble(rs.GetField(5).GetText());
        const double value = allStores ? quantity * price : price;
        if (value != 0.0) {
            row.cells[4] = Money::cell(value);
        }
        rows.insert(row.cells[0], row);
        rs.MoveNext();
    }
    return rows;
}

// Every row of the list against the one worked out from its texts.
void expectRowsAsTheirTexts(CMainDlg& window)
{
    const QHash<QString, ShownRow> expected = rowsFromTexts(window);
    const ItemListModel& items = window.list().items();
    ASSERT_EQ(window.list().itemCount(), expected.size());
    for (int row = 0; row < items.rowCount(); ++row) {
        const QString name = items.text(row, 0);
        ASSERT_TRUE(expected.contains(name)) << name.toStdString();
        const ShownRow& shown = expected[name];
        for (int column = 1; column < ItemListModel::ColumnCount; ++column) {
            EXPECT_EQ(items.text(row, column), shown.cells[column]) << name.toStdString() << " column " << column;
        }
        EXPECT_EQ(items.id(row), shown.id) << name.toStdString();
        EXPECT_EQ(items.image(row), shown.image) << name.toStdString();
        EXPECT_EQ(items.mark(row), shown.mark) << name.toStdString();
    }
}
} // namespace

class ListRowsTest : public EngineTest
{
};

// The list reads whole numbers without their texts: what it shows is what
// the texts of the columns say, in the need view and a store view, whatever
// the catalog holds in its number columns.
TEST_P(ListRowsTest, RowsShowWhatTheTextsOfTheirColumnsSay)
{
    CatalogSeed::write({
        {QStringLiteral("Milk"), 2, QStringLiteral("Dairy"), QStringLiteral("B-Mart"), 1.25, 0, 1},
        {QStringLiteral("Eggs"), 12, QStringLiteral("Dairy"), QStringLiteral("B-Mart"), 0.1, 1, 0},
        {QStringLiteral("Bread"), 0, QStringLiteral("Bakery"), QStringLiteral("B-Mart"), 3.0, 0, -1},
        {QStringLiteral("Jam"), 1, QStringLiteral("Bakery"), QStringLiteral("B-Mart"), 0.0, 1, 2},
        {QStringLiteral("Salt"), -3, QStringLiteral("Spices"), QStringLiteral("B-Mart"), 1e20, 0, 0},
    });
    if (onSqlite()) {
        // Whatever an older program or another tool may have written.
        ASSERT_TRUE(CatalogSeed::exec(QStringLiteral(
            "INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, UnitOfPurchase, Dept, Store, checked, DeptOrder, "
            "Price, Coupon) VALUES "
            "(3000000000, 'Huge id', 1, 'pkg', 'Dairy', 'B-Mart', 0, 0, 2.5, '1'), "
            "(-5000000000, 'Negative id', 70000, 'pkg', 'Dairy', 'B-Mart', 2, 0, 3, '-1'), "
            "(20, 'Fraction', 2.5, 'pkg', 'Dairy', 'B-Mart', 0, 0, 4.125, 1.0), "
            "(21, 'Text quantity', '3 boxes', 'pkg', 'Dairy', 'B-Mart', 'yes', 0, '1.5 each', 'x'), "
            "(22.7, 'Missing values', 4, NULL, NULL, 'B-Mart', NULL, 0, NULL, NULL), "
            "('7up', 'Text id', 1e10, 'pkg', 'Dairy', 'B-Mart', 1, 0, -0.004, 2)")));
    }
    MainWindowHarness main;
    main->RebuildList();
    expectRowsAsTheirTexts(main.window());
    main->ViewSwitch(1);
    expectRowsAsTheirTexts(main.window());
}

INSTANTIATE_FOR_BOTH_ENGINES(ListRowsTest);
