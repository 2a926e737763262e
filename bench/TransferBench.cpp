// Export and import of a whole catalog: the program's CSV export against the
// sqlite3 shell writing the same table as CSV, and the program's import of
// that CSV (read, preview plan, one journalled transaction) against the
// shell's .import of the same file into an empty table of the same shape.

#include "bench/BenchReport.h"
#include "bench/CatalogGenerator.h"

#include "platform/DeviceFolder.h"
#include "store/access/CAdoConnection.h"
#include "store/catalog/Catalog.h"
#include "transfer/CatalogExport.h"
#include "transfer/ImportPlan.h"
#include "transfer/TransferReader.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

namespace
{
QString workFile(const QString& name)
{
    return QDir(DeviceFolder::path()).filePath(name);
}

// The generated catalog's CSV, written once per size.
QString exportedCsv(int items)
{
    const QString path = workFile(QStringLiteral("transfer-%1.csv").arg(items));
    if (!QFile::exists(path)) {
        CAdoConnection connection;
        benchMust(connection.Open(benchCatalog(items)) == 0, "open the catalog");
        benchMust(CatalogExport::write(connection, path, CatalogExport::Format::Csv).written, "export the catalog");
    }
    return path;
}

// A new empty catalog at path, the table as the program makes it.
void emptyCatalog(const QString& path)
{
    QFile::remove(path);
    benchMust(Catalog::prepareFile(path) == Catalog::FileState::Created, "make an empty catalog");
}

bool runShell(benchmark::State& state, const QStringList& arguments)
{
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (shell.isEmpty()) {
        state.SkipWithError("the sqlite3 shell is not installed");
        return false;
    }
    QProcess process;
    process.start(shell, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        state.SkipWithError("the sqlite3 shell failed");
        return false;
    }
    return true;
}

void BM_ExportCsv(benchmark::State& state)
{
    CAdoConnection connection;
    benchMust(connection.Open(benchCatalog(static_cast<int>(state.range(0)))) == 0, "open the catalog");
    const QString target = workFile(QStringLiteral("export.csv"));
    for (auto _ : state) {
        benchMust(CatalogExport::write(connection, target, CatalogExport::Format::Csv).written, "export");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ExportCsvShell(benchmark::State& state)
{
    const QString catalog = benchCatalog(static_cast<int>(state.range(0)));
    const QString target = workFile(QStringLiteral("export-shell.csv"));
    for (auto _ : state) {
        if (!runShell(state, {QStringLiteral("-csv"), QStringLiteral("-header"), catalog,
                              QStringLiteral(".once ") + target, QStringLiteral("SELECT * FROM ShoppingLists")})) {
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Read, plan (the preview's counts) and write in one journalled action.
void BM_ImportCsv(benchmark::State& state)
{
    const QString source = exportedCsv(static_cast<int>(state.range(0)));
    const QString target = workFile(QStringLiteral("import-target.cdb"));
    for (auto _ : state) {
        state.PauseTiming();
        emptyCatalog(target);
        CAdoConnection connection;
        benchMust(connection.Open(target) == 0, "open the empty catalog");
        state.ResumeTiming();
        const TransferFile file = TransferReader::readFile(source);
        ImportPlan plan(connection, file, {});
        benchMust(plan.refused().empty() && plan.apply(connection, QStringLiteral("bench.csv")), "import");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ImportCsvShell(benchmark::State& state)
{
    const QString source = exportedCsv(static_cast<int>(state.range(0)));
    const QString target = workFile(QStringLiteral("import-shell.cdb"));
    for (auto _ : state) {
        state.PauseTiming();
        emptyCatalog(target);
        state.ResumeTiming();
        if (!runShell(state, {target,
                              QStringLiteral(".import --csv --skip 1 ") + source + QStringLiteral(" ShoppingLists")})) {
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void transferSizes(benchmark::internal::Benchmark* bench)
{
    bench->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
}
} // namespace

BENCHMARK(BM_ExportCsv)->Apply(transferSizes);
BENCHMARK(BM_ExportCsvShell)->Apply(transferSizes);
BENCHMARK(BM_ImportCsv)->Apply(transferSizes);
BENCHMARK(BM_ImportCsvShell)->Apply(transferSizes);

static const bool exportCompared =
    compareWithBaseline("BM_ExportCsv", "BM_ExportCsvShell", 3.0, "CSV export vs the sqlite3 shell's CSV output", true);
static const bool importCompared = compareWithBaseline(
    "BM_ImportCsv", "BM_ImportCsvShell", 3.0, "CSV import with preview and undo vs the sqlite3 shell's .import", true);
