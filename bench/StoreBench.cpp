// The catalog access layer against SQLite used directly: reading the main
// list, and a keyset pass that writes every row.

#include "bench/BenchReport.h"
#include "bench/CatalogGenerator.h"

#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"
#include "store/access/CAdoTransaction.h"
#include "store/sqlite/SqliteConnection.h"

#include <QString>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <vector>

namespace
{
const QString kMainList = QStringLiteral("SELECT ItemName, ID, QtyToBuy, UnitOfPurchase, Dept, Price, Store, Checked, "
                                         "Coupon FROM ShoppingLists  WHERE QtyToBuy > -1 ORDER BY DeptOrder, ItemName");
const QString kQuantities = QStringLiteral("Select ID, QtyToBuy from ShoppingLists");
constexpr int kColumns = 9;

void BM_MainListLayer(benchmark::State& state)
{
    CAdoConnection connection(true);
    if (connection.Open(benchCatalog(static_cast<int>(state.range(0)))) != 0) {
        state.SkipWithError("cannot open the catalog");
        return;
    }
    std::array<QString, kColumns> cells;
    long rows = 0;
    for (auto _ : state) {
        CAdoRecordset set;
        benchMust(set.Open(kMainList, connection, CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly),
                  "open a set of rows");
        rows = 0;
        for (; !set.IsEOF(); set.MoveNext()) {
            for (int c = 0; c < kColumns; ++c) {
                cells[static_cast<size_t>(c)] = set.GetField(c).GetText();
            }
            benchmark::DoNotOptimize(cells);
            ++rows;
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.SetItemsProcessed(state.iterations() * rows);
}

// The same statement and the same text conversions with SQLite's C API, on a
// connection set up as the layer sets up its own.
void BM_MainListRaw(benchmark::State& state)
{
    CAdoConnection connection(true);
    if (connection.Open(benchCatalog(static_cast<int>(state.range(0)))) != 0) {
        state.SkipWithError("cannot open the catalog");
        return;
    }
    sqlite3* db = SqliteConnection::handleOf(connection);
    const QByteArray sql = kMainList.toUtf8();
    std::array<QString, kColumns> cells;
    long rows = 0;
    for (auto _ : state) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &stmt, nullptr);
        std::array<bool, kColumns> bit{};
        for (int c = 0; c < kColumns; ++c) {
            const char* declared = sqlite3_column_decltype(stmt, c);
            bit[static_cast<size_t>(c)] = declared && qstricmp(declared, "bit") == 0;
        }
        rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int c = 0; c < kColumns; ++c) {
                QString& cell = cells[static_cast<size_t>(c)];
                switch (sqlite3_column_type(stmt, c)) {
                case SQLITE_INTEGER: {
                    const qint64 value = sqlite3_column_int64(stmt, c);
                    cell =
                        bit[static_cast<size_t>(c)] ? QString::fromLatin1(value ? "-1" : "0") : QString::number(value);
                    break;
                }
                case SQLITE_FLOAT:
                    cell = QString::number(sqlite3_column_double(stmt, c), 'g', 15);
                    break;
                case SQLITE_TEXT:
                    cell = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)),
                                             sqlite3_column_bytes(stmt, c));
                    break;
                default:
                    cell = QString();
                    break;
                }
            }
            benchmark::DoNotOptimize(cells);
            ++rows;
        }
        sqlite3_finalize(stmt);
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.SetItemsProcessed(state.iterations() * rows);
}

// Sets QtyToBuy on every row of a keyset set and writes each row, in one
// transaction: the shape of Clear List and the other bulk passes.
void BM_KeysetUpdateLayer(benchmark::State& state)
{
    CAdoConnection connection(true);
    if (connection.Open(benchCatalog(static_cast<int>(state.range(0)), QStringLiteral("update"))) != 0) {
        state.SkipWithError("cannot open the catalog");
        return;
    }
    qint32 quantity = 0;
    long rows = 0;
    for (auto _ : state) {
        quantity = quantity % 3 + 1;
        CAdoTransaction transaction(connection);
        CAdoRecordset set;
        benchMust(set.Open(kQuantities, connection, CAdoRecordset::adOpenKeyset, CAdoRecordset::adLockOptimistic),
                  "open a set of rows");
        rows = set.GetRecordCount();
        for (long i = 0; i < rows; ++i) {
            set.GetField(1).SetLong(quantity);
            set.Update();
            set.MoveNext();
        }
        set.Close();
        if (!transaction.commit()) {
            state.SkipWithError("commit failed");
            return;
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.SetItemsProcessed(state.iterations() * rows);
}

void BM_KeysetUpdateRaw(benchmark::State& state)
{
    CAdoConnection connection(true);
    if (connection.Open(benchCatalog(static_cast<int>(state.range(0)), QStringLiteral("update"))) != 0) {
        state.SkipWithError("cannot open the catalog");
        return;
    }
    sqlite3* db = SqliteConnection::handleOf(connection);
    int quantity = 0;
    for (auto _ : state) {
        quantity = quantity % 3 + 1;
        const QByteArray sql = "UPDATE ShoppingLists SET QtyToBuy = " + QByteArray::number(quantity);
        if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            state.SkipWithError(sqlite3_errmsg(db));
            break;
        }
    }
    const long rows = sqlite3_changes(db);
    state.counters["rows"] = static_cast<double>(rows);
    state.SetItemsProcessed(state.iterations() * rows);
}

double minimum(const std::vector<double>& values)
{
    return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}

void catalogSizes(benchmark::internal::Benchmark* benchmark)
{
    // A warm-up pass first, so that no figure carries the cost of a cold file
    // cache or of the process's first large allocations; then five
    // repetitions, compared by the best of them.
    benchmark->Arg(10000)
        ->Arg(100000)
        ->Unit(benchmark::kMillisecond)
        ->MinWarmUpTime(0.2)
        ->MinTime(0.3)
        ->Repetitions(5)
        ->ComputeStatistics("min", minimum)
        ->ReportAggregatesOnly(true);
}
} // namespace

BENCHMARK(BM_MainListLayer)->Apply(catalogSizes);
BENCHMARK(BM_MainListRaw)->Apply(catalogSizes);
BENCHMARK(BM_KeysetUpdateLayer)->Apply(catalogSizes);
BENCHMARK(BM_KeysetUpdateRaw)->Apply(catalogSizes);

static const bool mainListCompared =
    compareWithBaseline("BM_MainListLayer", "BM_MainListRaw", 1.5, "main list read, layer vs raw");
static const bool keysetCompared =
    compareWithBaseline("BM_KeysetUpdateLayer", "BM_KeysetUpdateRaw", 3.0, "keyset pass, layer vs one UPDATE");
