// The catalog's part of a start: preparing the file, opening it and the
// structure check, for a catalog that records its structure against one that
// does not and so is looked over (its columns, indexes and side tables).

#include "bench/BenchReport.h"
#include "bench/CatalogGenerator.h"

#include "store/access/CAdoConnection.h"
#include "store/catalog/Catalog.h"

#include <QString>

#include <benchmark/benchmark.h>

namespace
{
void startOnce(const QString& file)
{
    benchMust(Catalog::prepareFile(file) == Catalog::FileState::Ready, "prepare the catalog");
    CAdoConnection connection(true);
    benchMust(connection.Open(file) == 0, "open the catalog");
    benchmark::DoNotOptimize(Catalog::checkStructure(connection));
}

void forgetStructure(const QString& file)
{
    CAdoConnection connection(true);
    benchMust(connection.Open(file) == 0 && connection.Execute(QStringLiteral("PRAGMA user_version = 0")),
              "forget the structure");
}

void BM_CatalogStart(benchmark::State& state)
{
    const QString file = benchCatalog(static_cast<int>(state.range(0)), QStringLiteral("start"));
    startOnce(file);
    for (auto _ : state) {
        startOnce(file);
    }
}

// Every start as one of a catalog without the number: the whole check.
void BM_CatalogStartChecked(benchmark::State& state)
{
    const QString file = benchCatalog(static_cast<int>(state.range(0)), QStringLiteral("start"));
    for (auto _ : state) {
        state.PauseTiming();
        forgetStructure(file);
        state.ResumeTiming();
        startOnce(file);
    }
}
} // namespace

BENCHMARK(BM_CatalogStart)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(0.5)->UseRealTime();
BENCHMARK(BM_CatalogStartChecked)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(0.5)->UseRealTime();

static const bool catalogStartCompared = compareWithBaseline("BM_CatalogStart", "BM_CatalogStartChecked", 0.5,
                                                             "catalog part of a start, recorded vs looked over", true);
