// A store view sorted by department, rebuilt in the store's own walk,
// against the same view in the everyday order (DeptOrder) as every store
// had it before walks of their own: the statement, the first screen into the
// list, the totals and the summary, with the walk looked up each time.

#include "bench/BenchReport.h"
#include "bench/CatalogGenerator.h"
#include "bench/KeptFixture.h"

#include "app/CListApp.h"
#include "controls/CItemListCtrl.h"
#include "mainwnd/CMainDlg.h"
#include "platform/DeviceFolder.h"
#include "store/access/CAdoConnection.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/StoreWalks.h"

#include <QApplication>
#include <QTabBar>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace
{
// One window on one store's catalog of the wanted size, on that store's
// tab sorted by department; the walk is set or cleared per benchmark.
class WalkWindow
{
public:
    static WalkWindow& on(int items)
    {
        return KeptFixture<WalkWindow>::get(
            KeptOn::DeviceCatalog, [items](const WalkWindow& kept) { return kept.m_items == items; },
            [items] { return std::unique_ptr<WalkWindow>(new WalkWindow(items)); });
    }

    CMainDlg& dlg() { return *m_dlg; }

    // own: the store walks its departments in the reverse of the everyday
    // order (so that the walk is not the everyday one); otherwise no walk.
    void walk(bool own)
    {
        CAdoConnection connection;
        if (connection.Open(DeviceFolder::map(Catalog::devicePath())) != 0) {
            return;
        }
        StoreWalks walks(connection);
        const QString store = m_dlg->view().currentStore;
        QStringList order;
        if (own) {
            order = walks.globalWalk();
            std::reverse(order.begin(), order.end());
        }
        walks.setWalk(store, order);
        connection.Close();
        QApplication::processEvents();
    }

private:
    explicit WalkWindow(int items)
        : m_items(items)
    {
        generateCatalog(releaseDeviceCatalog(), items, 1);
        m_app.LoadSettings();
        m_app.CreateListFont();
        m_dlg = std::make_unique<CMainDlg>(m_app);
        m_dlg->show();
        m_dlg->view().storeOrder = QStringLiteral("DeptOrder, ItemName");
        m_dlg->tabStrip().setCurrentIndex(1);
        QApplication::processEvents();
    }

    int m_items;
    CListApp m_app;
    std::unique_ptr<CMainDlg> m_dlg;
};

void rebuild(benchmark::State& state, bool own)
{
    WalkWindow& window = WalkWindow::on(static_cast<int>(state.range(0)));
    window.walk(own);
    for (auto _ : state) {
        window.dlg().RebuildList();
        benchmark::DoNotOptimize(window.dlg().list().itemCount());
    }
    QApplication::processEvents();
    state.counters["rows"] = window.dlg().list().itemCount();
}

void BM_StoreViewInOwnWalk(benchmark::State& state)
{
    rebuild(state, true);
}

void BM_StoreViewEveryday(benchmark::State& state)
{
    rebuild(state, false);
}
} // namespace

BENCHMARK(BM_StoreViewEveryday)->Arg(10000)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_StoreViewInOwnWalk)->Arg(10000)->Unit(benchmark::kMillisecond)->MinTime(0.5);

static const bool walkCompared = compareWithBaseline("BM_StoreViewInOwnWalk", "BM_StoreViewEveryday", 1.1,
                                                     "Store view rebuild in the store's own walk (items)");
