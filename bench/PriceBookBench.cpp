// The price book at its full size: 100,000 items, each seen at 5 stores 20
// times. The need view rebuilt with its "cheaper elsewhere" marks against the
// same view without a price book (as before it), and Cheapest Stores worked
// out for a 3,000-item list (aim: under 100 ms).

#include "bench/BenchReport.h"
#include "bench/CatalogGenerator.h"
#include "bench/KeptFixture.h"

#include "app/CListApp.h"
#include "controls/CItemListCtrl.h"
#include "controls/ItemListModel.h"
#include "list/CheapestSplit.h"
#include "mainwnd/CMainDlg.h"
#include "platform/DeviceFolder.h"
#include "store/access/CAdoCommand.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoTransaction.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/PriceLatest.h"
#include "store/catalog/PricePoints.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace
{
// Every item seen 20 times at each of 5 stores, its own first, a day apart;
// listed: the items whose quantity is above 0 keep it, the others go.
void fillPrices(const QString& path, int listed)
{
    CAdoConnection connection;
    benchMust(connection.Open(path) == 0, "open the catalog");
    benchMust(PricePoints::ensureTable(connection), "make the price book");
    CAdoTransaction transaction(connection);
    if (listed > 0) {
        CAdoCommand list(connection, QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = CASE WHEN ID <= ? THEN 1 "
                                                    "ELSE 0 END"));
        list.bind(1, listed);
        list.run();
    }
    CAdoCommand(
        connection,
        QStringLiteral("INSERT INTO PricePoints (ID, ItemID, Store, Price, Unit, SeenAt, Source) "
                       "WITH RECURSIVE n(k) AS (SELECT 0 UNION ALL SELECT k + 1 FROM n WHERE k < 99) "
                       "SELECT s.ID * 100 + n.k, s.ID, CASE n.k / 20 WHEN 0 THEN s.Store WHEN 1 THEN 'Fresh Market' "
                       "WHEN 2 THEN 'Corner Shop' WHEN 3 THEN 'ValueMart' ELSE 'Bulk Barn' END, "
                       "1 + ((s.ID * 7 + n.k * 13) % 500) / 100.0, s.UnitOfPurchase, "
                       "1700000000000 + (n.k % 20) * 86400000, 'shelf' FROM ShoppingLists s, n"))
        .run();
    benchMust(transaction.commit(), "write the price book");
    connection.Close();
}

// One window on the need view of a catalog with the price book filled.
class PriceWindow
{
public:
    static PriceWindow& on(int items)
    {
        return KeptFixture<PriceWindow>::get(
            KeptOn::DeviceCatalog, [items](const PriceWindow& kept) { return kept.m_items == items; },
            [items] { return std::unique_ptr<PriceWindow>(new PriceWindow(items)); });
    }

    CMainDlg& dlg() { return *m_dlg; }

    // Without: the price book is put aside, as a catalog before it was.
    void priceBook(bool with)
    {
        CAdoCommand(m_dlg->connection(), with ? QStringLiteral("ALTER TABLE PricePointsAside RENAME TO PricePoints")
                                              : QStringLiteral("ALTER TABLE PricePoints RENAME TO PricePointsAside"))
            .run();
    }

private:
    explicit PriceWindow(int items)
        : m_items(items)
    {
        const QString path = releaseDeviceCatalog();
        generateCatalog(path, items, 5);
        fillPrices(path, 0);
        m_app.LoadSettings();
        m_app.CreateListFont();
        m_dlg = std::make_unique<CMainDlg>(m_app);
        m_dlg->show();
        QApplication::processEvents();
    }

    int m_items;
    CListApp m_app;
    std::unique_ptr<CMainDlg> m_dlg;
};

void needView(benchmark::State& state, bool marks)
{
    PriceWindow& window = PriceWindow::on(static_cast<int>(state.range(0)));
    if (!marks) {
        window.priceBook(false);
    }
    ItemListModel& rows = window.dlg().list().items();
    for (auto _ : state) {
        window.dlg().RebuildList();
        benchmark::DoNotOptimize(window.dlg().list().itemCount());
        // The marks of the first screen, as the view shows them.
        for (int row = 0; row < std::min(64, rows.rowCount()); ++row) {
            benchmark::DoNotOptimize(rows.data(rows.index(row, ItemListModel::PriceColumn), Qt::ToolTipRole));
        }
    }
    if (!marks) {
        window.priceBook(true);
    }
    QApplication::processEvents();
    state.counters["rows"] = window.dlg().list().items().expectedRowCount();
}

void BM_NeedViewToday(benchmark::State& state)
{
    needView(state, false);
}

void BM_NeedViewWithPriceMarks(benchmark::State& state)
{
    needView(state, true);
}

void BM_CheapestStores(benchmark::State& state)
{
    const QString path = benchCatalog(20000, QStringLiteral("cheapest"));
    static bool filled = false;
    if (!filled) {
        fillPrices(path, static_cast<int>(state.range(0)));
        filled = true;
    }
    CAdoConnection connection;
    benchMust(connection.Open(path) == 0, "open the catalog");
    // As the program opens it: the newest price of each item and store is
    // kept beside the points.
    Catalog::checkStructure(connection);
    benchMust(PriceLatest::tableUsable(connection), "keep the newest prices");
    for (auto _ : state) {
        const CheapestSplit split = CheapestSplit::read(connection);
        benchmark::DoNotOptimize(split.parts().size());
        benchmark::DoNotOptimize(split.savings());
        state.counters["lines"] = static_cast<double>(split.lines().size());
    }
    connection.Close();
}
} // namespace

BENCHMARK(BM_NeedViewToday)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_NeedViewWithPriceMarks)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_CheapestStores)->Arg(3000)->Unit(benchmark::kMillisecond)->MinTime(0.5);

static const bool marksCompared = compareWithBaseline("BM_NeedViewWithPriceMarks", "BM_NeedViewToday", 1.2,
                                                      "Need view with cheaper-elsewhere marks (items)");
