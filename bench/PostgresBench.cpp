// The catalog on PostgreSQL: the main list read through the access layer
// against a raw libpq read of the same statement, one completion query (with
// its plan), and the Clear List pass against one raw UPDATE. Runs against the
// server that GROCELLE_BENCH_POSTGRES (or GROCELLE_TEST_POSTGRES) names, in a
// schema of its own; skipped when none is named.

#include "bench/BenchReport.h"
#include "bench/CatalogGenerator.h"

#include "store/CAdoConnection.h"
#include "store/CAdoRecordset.h"
#include "store/CAdoTransaction.h"
#include "store/Catalog.h"
#include "store/CatalogCopier.h"
#include "store/PgDialect.h"

#include <QElapsedTimer>
#include <QString>

#include <benchmark/benchmark.h>
#include <libpq-fe.h>

#include <array>
#include <cstdio>
#include <map>

namespace
{
const QString kMainList = QStringLiteral("SELECT ItemName, ID, QtyToBuy, UnitOfPurchase, Dept, Price, Store, Checked, "
                                         "Coupon FROM ShoppingLists  WHERE QtyToBuy > -1 ORDER BY DeptOrder, ItemName");
const QString kCompletion = QStringLiteral("SELECT ItemName, QtyToBuy from ShoppingLists where ItemName LIKE 'fres%' "
                                           "ORDER BY ItemName");
const QString kClearList =
    QStringLiteral("Select ID, QtyToBuy, Checked from ShoppingLists where (QtyToBuy <> 0) or (Checked <> 0)");
constexpr int kColumns = 9;

QString serverUri()
{
    const QString bench = qEnvironmentVariable("GROCELLE_BENCH_POSTGRES");
    return bench.isEmpty() ? qEnvironmentVariable("GROCELLE_TEST_POSTGRES") : bench;
}

// The generated catalog of `items` items copied to a schema of its own on the
// server, indexed as after a first start; its URI, empty when there is no
// server. A tag gives a benchmark that changes its catalog a copy of its own.
QString serverCatalog(int items, const QString& tag = QString())
{
    static std::map<QString, QString> made;
    const QString schema = QStringLiteral("bench_%1%2").arg(items).arg(tag);
    const auto known = made.find(schema);
    if (known != made.end()) {
        return known->second;
    }
    const QString base = serverUri();
    if (base.isEmpty()) {
        return {};
    }
    CAdoConnection admin(true);
    if (admin.Open(base) != 0) {
        return {};
    }
    admin.Execute(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(schema));
    admin.Execute(QStringLiteral("CREATE SCHEMA %1").arg(schema));
    admin.Execute(QStringLiteral("CREATE EXTENSION IF NOT EXISTS citext SCHEMA public"));
    const QString uri = base + (base.contains(QLatin1Char('?')) ? QStringLiteral("&") : QStringLiteral("?"))
                        + QStringLiteral("options=-c%20search_path%3D") + schema + QStringLiteral("%2Cpublic");
    const CatalogCopier::Result copied = CatalogCopier::copy(benchCatalog(items), uri, true);
    if (!copied.copied) {
        std::fprintf(stderr, "cannot fill %s: %s\n", qPrintable(schema), qPrintable(copied.error));
        return {};
    }
    CAdoConnection connection(true);
    connection.Open(uri);
    Catalog::runStartupIndexes(connection);
    Catalog::runStoreTabIndexes(connection);
    connection.Execute(QStringLiteral("ANALYZE ShoppingLists"));
    made.emplace(schema, uri);
    return uri;
}

bool openOrSkip(benchmark::State& state, CAdoConnection& connection, const QString& uri)
{
    if (uri.isEmpty()) {
        state.SkipWithError("no PostgreSQL server named (GROCELLE_BENCH_POSTGRES)");
        return false;
    }
    if (connection.Open(uri) != 0) {
        state.SkipWithError(qPrintable(connection.lastError()));
        return false;
    }
    return true;
}

void BM_PgMainListLayer(benchmark::State& state)
{
    CAdoConnection connection(true);
    if (!openOrSkip(state, connection, serverCatalog(static_cast<int>(state.range(0))))) {
        return;
    }
    std::array<QString, kColumns> cells;
    long rows = 0;
    for (auto _ : state) {
        CAdoRecordset set;
        set.Open(kMainList, connection, CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockReadOnly);
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
}

// The same statement (as the layer sends it) read with libpq into texts.
void BM_PgMainListRaw(benchmark::State& state)
{
    const QString uri = serverCatalog(static_cast<int>(state.range(0)));
    if (uri.isEmpty()) {
        state.SkipWithError("no PostgreSQL server named (GROCELLE_BENCH_POSTGRES)");
        return;
    }
    PGconn* conn = PQconnectdb(uri.toUtf8().constData());
    const QByteArray sql = PgDialect::translate(kMainList.toUtf8());
    std::array<QString, kColumns> cells;
    for (auto _ : state) {
        PGresult* result = PQexecParams(conn, sql.constData(), 0, nullptr, nullptr, nullptr, nullptr, 0);
        const int rows = PQntuples(result);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < kColumns; ++c) {
                cells[static_cast<size_t>(c)] = QString::fromUtf8(PQgetvalue(result, r, c), PQgetlength(result, r, c));
            }
            benchmark::DoNotOptimize(cells);
        }
        PQclear(result);
    }
    PQfinish(conn);
}

void BM_PgCompletion(benchmark::State& state)
{
    const int items = static_cast<int>(state.range(0));
    CAdoConnection connection(true);
    if (!openOrSkip(state, connection, serverCatalog(items))) {
        return;
    }
    QElapsedTimer clock;
    qint64 nanoseconds = 0;
    QString first;
    for (auto _ : state) {
        clock.start();
        CAdoRecordset set;
        set.Open(kCompletion, connection, CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockOptimistic);
        first = set.IsEOF() ? QString() : QString(set.GetField(0).GetText());
        nanoseconds += clock.nsecsElapsed();
    }
    CAdoRecordset plan;
    QString text;
    plan.Open(QStringLiteral("EXPLAIN ") + kCompletion, connection);
    for (; !plan.IsEOF(); plan.MoveNext()) {
        text += (text.isEmpty() ? QString() : QStringLiteral(" | ")) + plan.GetField(0).GetText().trimmed();
    }
    const double milliseconds = static_cast<double>(nanoseconds) / 1e6 / static_cast<double>(state.iterations());
    std::printf("PostgreSQL completion query on %d items (\"fres\" -> \"%s\"): %.3f ms (aim < 5 ms: %s); plan: %s\n",
                items, qPrintable(first), milliseconds, milliseconds < 5.0 ? "met" : "MISSED", qPrintable(text));
    std::fflush(stdout);
}

// Clear List as the program runs it: one transaction, a keyset of the rows
// on the list, each set and written. The catalog is put back untimed.
void BM_PgClearListLayer(benchmark::State& state)
{
    CAdoConnection connection(true);
    if (!openOrSkip(state, connection, serverCatalog(static_cast<int>(state.range(0)), QStringLiteral("_pass")))) {
        return;
    }
    long rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 1 WHERE ID % 3 = 0"));
        state.ResumeTiming();
        CAdoTransaction transaction(connection);
        CAdoRecordset set;
        set.Open(kClearList, connection, CAdoRecordset::adOpenKeyset, CAdoRecordset::adLockOptimistic);
        rows = set.GetRecordCount();
        for (long i = 0; i < rows; ++i) {
            set.GetField(1).SetLong(0);
            set.GetField(2).SetLong(0);
            set.Update();
            set.MoveNext();
        }
        transaction.commit();
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_PgClearListRaw(benchmark::State& state)
{
    CAdoConnection connection(true);
    if (!openOrSkip(state, connection, serverCatalog(static_cast<int>(state.range(0)), QStringLiteral("_pass")))) {
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 1 WHERE ID % 3 = 0"));
        state.ResumeTiming();
        connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 0, Checked = 0 WHERE (QtyToBuy <> 0) "
                                          "OR (Checked <> 0)"));
    }
}
} // namespace

BENCHMARK(BM_PgMainListLayer)->Arg(10000)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_PgMainListRaw)->Arg(10000)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_PgCompletion)->Arg(100000)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_PgClearListLayer)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_PgClearListRaw)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);

static const bool compared = [] {
    compareWithBaseline("BM_PgMainListLayer", "BM_PgMainListRaw", 1.5, "PostgreSQL main list, layer vs raw libpq");
    compareWithBaseline("BM_PgClearListLayer", "BM_PgClearListRaw", 3.0, "PostgreSQL Clear List pass vs one UPDATE");
    return true;
}();
