// The catalog on PostgreSQL: the main list read through the access layer
// against a raw libpq read of the same statement, the quick entry's
// completion query (with its plan), and each pass that writes many rows, as
// its command runs it, against one raw UPDATE making the same change. Runs
// against the server that GROCELLE_BENCH_POSTGRES (or GROCELLE_TEST_POSTGRES)
// names, in a schema of its own; skipped when none is named.

#include "bench/BenchReport.h"
#include "bench/CatalogGenerator.h"

#include "items/ListCommands.h"
#include "list/NameCompletion.h"

#include "dialogs/ArrangedOrder.h"
#include "dialogs/CRenameDlg.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoRecordset.h"
#include "store/catalog/Catalog.h"
#include "store/catalog/CatalogCopier.h"
#include "store/catalog/CatalogWatcher.h"
#include "store/journal/Journal.h"
#include "store/postgres/PgDialect.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <benchmark/benchmark.h>
#include <libpq-fe.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>

namespace
{
const QString kMainList = QStringLiteral("SELECT ItemName, ID, QtyToBuy, UnitOfPurchase, Dept, Price, Store, Checked, "
                                         "Coupon FROM ShoppingLists  WHERE QtyToBuy > -1 ORDER BY DeptOrder, ItemName");
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
    benchMust(admin.Execute(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(schema)), "run a set-up statement");
    benchMust(admin.Execute(QStringLiteral("CREATE SCHEMA %1").arg(schema)), "run a set-up statement");
    benchMust(admin.Execute(QStringLiteral("CREATE EXTENSION IF NOT EXISTS citext SCHEMA public")),
              "run a set-up statement");
    const QString uri = base + (base.contains(QLatin1Char('?')) ? QStringLiteral("&") : QStringLiteral("?"))
                        + QStringLiteral("options=-c%20search_path%3D") + schema + QStringLiteral("%2Cpublic");
    const CatalogCopier::Result copied = CatalogCopier::copy(benchCatalog(items), uri, true);
    if (!copied.copied) {
        std::fprintf(stderr, "cannot fill %s: %s\n", qPrintable(schema), qPrintable(copied.error));
        return {};
    }
    CAdoConnection connection(true);
    benchMust(connection.Open(uri) == 0, "open the catalog");
    Catalog::runStartupIndexes(connection);
    Catalog::runStoreTabIndexes(connection);
    // As the server's autovacuum leaves a table soon after it was loaded:
    // its statistics and visibility map up to date.
    benchMust(connection.Execute(QStringLiteral("VACUUM ANALYZE ShoppingLists")), "run a set-up statement");
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
    const QString completion = NameCompletion::sql();
    const std::vector<SqlValue> typed = NameCompletion::values(QStringLiteral("fres"));
    QElapsedTimer clock;
    qint64 nanoseconds = 0;
    QString first;
    for (auto _ : state) {
        clock.start();
        CAdoRecordset set;
        benchMust(
            set.Open(completion, typed, connection, CAdoRecordset::adOpenForwardOnly, CAdoRecordset::adLockOptimistic),
            "open a set of rows");
        first = set.IsEOF() ? QString() : QString(set.GetField(0).GetText());
        nanoseconds += clock.nsecsElapsed();
    }
    CAdoRecordset plan;
    QString text;
    benchMust(plan.Open(QStringLiteral("EXPLAIN ") + completion, connection), "open a set of rows");
    for (; !plan.IsEOF(); plan.MoveNext()) {
        text += (text.isEmpty() ? QString() : QStringLiteral(" | ")) + plan.GetField(0).GetText().trimmed();
    }
    const double milliseconds = static_cast<double>(nanoseconds) / 1e6 / static_cast<double>(state.iterations());
    std::printf("PostgreSQL completion query on %d items (\"fres\" -> \"%s\"): %.3f ms (aim < 5 ms: %s); plan: %s\n",
                items, qPrintable(first), milliseconds, milliseconds < 5.0 ? "met" : "MISSED", qPrintable(text));
    std::fflush(stdout);
}

// Another program's change, from its commit until this program is told of
// it (LISTEN/NOTIFY from the catalog's trigger); an open window then applies
// it at once unless a dialog is open or the user is typing.
void BM_PgOutsideChangeTold(benchmark::State& state)
{
    const QString uri = serverCatalog(static_cast<int>(state.range(0)));
    if (uri.isEmpty()) {
        state.SkipWithError("no PostgreSQL server named (GROCELLE_BENCH_POSTGRES)");
        return;
    }
    CatalogWatcher watcher(uri);
    // Another program: a connection that does not go by this program's name.
    const std::unique_ptr<PGconn, void (*)(PGconn*)> other(PQconnectdb(uri.toUtf8().constData()), PQfinish);
    if (!watcher.listening() || PQstatus(other.get()) != CONNECTION_OK) {
        state.SkipWithError("cannot listen to the catalog");
        return;
    }
    bool told = false;
    QObject::connect(&watcher, &CatalogWatcher::changedElsewhere, &watcher, [&told] { told = true; });
    QElapsedTimer clock;
    qint64 slowest = 0;
    int turn = 0;
    for (auto _ : state) {
        told = false;
        const QByteArray sql =
            "UPDATE ShoppingLists SET QtyToBuy = " + QByteArray::number(++turn % 5) + " WHERE ID = 1";
        clock.start();
        PQclear(PQexec(other.get(), sql.constData()));
        while (!told && clock.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        slowest = std::max(slowest, clock.nsecsElapsed());
        if (!told) {
            state.SkipWithError("no word of the change within 5 s");
            break;
        }
    }
    const double milliseconds = static_cast<double>(slowest) / 1e6;
    std::printf("PostgreSQL: another program's change told after at most %.1f ms (aim < 2 s: %s)\n", milliseconds,
                milliseconds < 2000.0 ? "met" : "MISSED");
    std::fflush(stdout);
}

// The passes that write many rows, each over every item of the catalog. The
// catalog is readied for each run untimed.
enum class Pass
{
    ClearList,
    ClearMarked,
    ClearCoupons,
    Arrange,
    Rename
};

const QString kStoreA = QStringLiteral("Everywhere");
const QString kStoreB = QStringLiteral("Anywhere");

// The departments of the catalog in one order and in the reverse one: each
// arrange moves every department, so every row gets a new number.
QStringList departmentOrder(CAdoConnection& connection, bool reversed)
{
    QStringList names;
    CAdoRecordset set;
    benchMust(set.Open(QStringLiteral("SELECT DISTINCT Dept FROM ShoppingLists ORDER BY Dept"), connection),
              "open a set of rows");
    for (; !set.IsEOF(); set.MoveNext()) {
        names << set.GetField(0).GetText();
    }
    if (reversed) {
        std::reverse(names.begin(), names.end());
    }
    return names;
}

QString arrangeStatement(const QStringList& departments)
{
    QString sql = QStringLiteral("UPDATE ShoppingLists SET DeptOrder = CASE Dept");
    for (qsizetype i = 0; i < departments.size(); ++i) {
        sql += QStringLiteral(" WHEN '%1' THEN %2").arg(Catalog::quoteText(departments.at(i))).arg(i);
    }
    return sql + QStringLiteral(" ELSE -1 END");
}

// Everything one pass needs: the untimed preparation of a turn, then the
// pass as its command runs it (journalled) or as one UPDATE.
class PassCase
{
public:
    PassCase(Pass pass, CAdoConnection& connection)
        : m_pass(pass)
        , m_connection(connection)
    {
        if (pass == Pass::Arrange) {
            m_orders[0] = departmentOrder(connection, false);
            m_orders[1] = departmentOrder(connection, true);
        } else if (pass == Pass::Rename) {
            benchMust(connection.Execute(QStringLiteral("UPDATE ShoppingLists SET Store = 'Everywhere'")),
                      "run a set-up statement");
        }
    }

    // Every turn starts from a table without the dead rows of the turns
    // before, so that the pass and its baseline meet the same table.
    bool prepare() { return change() && m_connection.Execute(QStringLiteral("VACUUM ShoppingLists")); }

    bool change()
    {
        switch (m_pass) {
        case Pass::ClearList:
            return m_connection.Execute(
                QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 1 + ID % 3, Checked = ID % 2, Coupon = 1"));
        case Pass::ClearMarked:
            return m_connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 1 + ID % 3, Checked = 1"));
        case Pass::ClearCoupons:
            return m_connection.Execute(QStringLiteral("UPDATE ShoppingLists SET Coupon = 1 - 2 * (ID % 2)"));
        case Pass::Arrange:
        case Pass::Rename:
            return true;
        }
        return false;
    }

    long layer()
    {
        m_turn = 1 - m_turn;
        switch (m_pass) {
        case Pass::ClearList:
            return ListCommands::clearRows(m_connection, ListCommands::Clear::List);
        case Pass::ClearMarked:
            return ListCommands::clearRows(m_connection, ListCommands::Clear::Marked);
        case Pass::ClearCoupons:
            return ListCommands::clearRows(m_connection, ListCommands::Clear::Coupons);
        case Pass::Arrange:
            return ArrangedOrder::writeOrder(m_connection, m_orders[m_turn]);
        case Pass::Rename:
            return CRenameDlg::renameAll(m_connection, QStringLiteral("Store"), m_turn ? kStoreA : kStoreB,
                                         m_turn ? kStoreB : kStoreA);
        }
        return 0;
    }

    bool raw()
    {
        m_turn = 1 - m_turn;
        switch (m_pass) {
        case Pass::ClearList:
            return m_connection.Execute(QStringLiteral(
                "UPDATE ShoppingLists SET QtyToBuy = 0, Checked = 0 WHERE (QtyToBuy <> 0) or (Checked <> 0)"));
        case Pass::ClearMarked:
            return m_connection.Execute(
                QStringLiteral("UPDATE ShoppingLists SET Checked = 0, QtyToBuy = 0 WHERE Checked <> 0"));
        case Pass::ClearCoupons:
            return m_connection.Execute(QStringLiteral("UPDATE ShoppingLists SET Coupon = 0 WHERE Coupon <> 0"));
        case Pass::Arrange:
            return m_connection.Execute(arrangeStatement(m_orders[m_turn]));
        case Pass::Rename:
            return m_connection.Execute(m_turn ? QStringLiteral("UPDATE ShoppingLists SET Store = 'Anywhere' WHERE "
                                                                "Store = 'Everywhere'")
                                               : QStringLiteral("UPDATE ShoppingLists SET Store = 'Everywhere' WHERE "
                                                                "Store = 'Anywhere'"));
        }
        return false;
    }

private:
    Pass m_pass;
    CAdoConnection& m_connection;
    QStringList m_orders[2];
    int m_turn = 0;
};

template <Pass Which, bool Raw>
void BM_PgPass(benchmark::State& state)
{
    CAdoConnection connection(true);
    if (!openOrSkip(state, connection, serverCatalog(static_cast<int>(state.range(0)), QStringLiteral("_passes")))) {
        return;
    }
    PassCase pass(Which, connection);
    long rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const bool ready = pass.prepare();
        state.ResumeTiming();
        if (!ready) {
            state.SkipWithError(qPrintable(connection.lastError()));
            break;
        }
        if (Raw) {
            if (!pass.raw()) {
                state.SkipWithError(qPrintable(connection.lastError()));
                break;
            }
        } else {
            rows = pass.layer();
        }
    }
    if (!Raw) {
        state.counters["rows"] = static_cast<double>(rows);
    }
}

// Undo of Clear List with 30,000 items on the list, against putting the
// same values back with one UPDATE from arrays held in memory. Clear List
// and the rows it clears are readied untimed, on a vacuumed table.
template <bool Raw>
void BM_PgUndoClearList(benchmark::State& state)
{
    CAdoConnection connection(true);
    if (!openOrSkip(state, connection, serverCatalog(static_cast<int>(state.range(0)), QStringLiteral("_undo")))) {
        return;
    }
    Journal journal(connection);
    int items = 0;
    for (auto _ : state) {
        state.PauseTiming();
        bool ready = connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 0, Checked = 0"))
                     && connection.Execute(QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = 1 + ID % 3, Checked = "
                                                          "ID % 2 WHERE ID % 10 < 3"))
                     && connection.Execute(QStringLiteral("VACUUM ShoppingLists"));
        QStringList ids;
        QStringList quantities;
        QStringList marks;
        if (ready && Raw) {
            CAdoRecordset set;
            benchMust(set.Open(QStringLiteral(
                                   "SELECT ID, QtyToBuy, Checked FROM ShoppingLists WHERE QtyToBuy <> 0 OR Checked "
                                   "<> 0"),
                               connection),
                      "open a set of rows");
            for (; !set.IsEOF(); set.MoveNext()) {
                ids << set.GetField(0).GetText();
                quantities << set.GetField(1).GetText();
                marks << QString::number(set.GetField(2).GetLong());
            }
            ready = connection.Execute(QStringLiteral(
                "UPDATE ShoppingLists SET QtyToBuy = 0, Checked = 0 WHERE QtyToBuy <> 0 OR Checked <> 0"));
            items = static_cast<int>(ids.size());
        } else if (ready) {
            ready = ListCommands::clearRows(connection, ListCommands::Clear::List) > 0;
        }
        state.ResumeTiming();
        if (!ready) {
            state.SkipWithError(qPrintable(connection.lastError()));
            break;
        }
        if (Raw) {
            const auto array = [](const QStringList& values) {
                return QStringLiteral("'{") + values.join(QLatin1Char(',')) + QStringLiteral("}'::int[]");
            };
            benchMust(
                connection.Execute(QStringLiteral("UPDATE ShoppingLists AS s SET QtyToBuy = v.q, Checked = v.c FROM "
                                                  "unnest(%1, %2, %3) AS v(i, q, c) WHERE s.ID = v.i")
                                       .arg(array(ids), array(quantities), array(marks))),
                "run a set-up statement");
            continue;
        }
        const Journal::Outcome outcome = journal.undo();
        if (!outcome.done) {
            state.SkipWithError(qPrintable(outcome.message));
            break;
        }
        items = outcome.itemsChanged;
    }
    state.counters["rows"] = items;
}

void passRuns(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);
}
} // namespace

BENCHMARK(BM_PgMainListLayer)->Arg(10000)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_PgMainListRaw)->Arg(10000)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_PgCompletion)->Arg(100000)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_PgPass<Pass::ClearList, false>)->Name("BM_PgClearListLayer")->Apply(passRuns);
BENCHMARK(BM_PgPass<Pass::ClearList, true>)->Name("BM_PgClearListRaw")->Apply(passRuns);
BENCHMARK(BM_PgPass<Pass::ClearMarked, false>)->Name("BM_PgClearMarkedLayer")->Apply(passRuns);
BENCHMARK(BM_PgPass<Pass::ClearMarked, true>)->Name("BM_PgClearMarkedRaw")->Apply(passRuns);
BENCHMARK(BM_PgPass<Pass::ClearCoupons, false>)->Name("BM_PgClearCouponsLayer")->Apply(passRuns);
BENCHMARK(BM_PgPass<Pass::ClearCoupons, true>)->Name("BM_PgClearCouponsRaw")->Apply(passRuns);
BENCHMARK(BM_PgPass<Pass::Arrange, false>)->Name("BM_PgArrangeLayer")->Apply(passRuns);
BENCHMARK(BM_PgPass<Pass::Arrange, true>)->Name("BM_PgArrangeRaw")->Apply(passRuns);
BENCHMARK(BM_PgPass<Pass::Rename, false>)->Name("BM_PgRenameLayer")->Apply(passRuns);
BENCHMARK(BM_PgPass<Pass::Rename, true>)->Name("BM_PgRenameRaw")->Apply(passRuns);

BENCHMARK(BM_PgOutsideChangeTold)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_PgUndoClearList<false>)->Name("BM_PgUndoClearList")->Apply(passRuns);
BENCHMARK(BM_PgUndoClearList<true>)->Name("BM_PgUndoClearListRaw")->Apply(passRuns);

static const bool compared = [] {
    // A rebuild waits for the server about nine tenths of its time: what the
    // user waits for is real time. The line shows the layer's own CPU too.
    compareWithBaseline("BM_PgMainListLayer", "BM_PgMainListRaw", 1.5, "PostgreSQL main list, layer vs raw libpq",
                        true);
    // The server does the work of a pass: its time is not this process's CPU.
    compareWithBaseline("BM_PgClearListLayer", "BM_PgClearListRaw", 3.0, "PostgreSQL Clear List pass vs one UPDATE",
                        true);
    compareWithBaseline("BM_PgClearMarkedLayer", "BM_PgClearMarkedRaw", 3.0,
                        "PostgreSQL Clear Marked Items pass vs one UPDATE", true);
    compareWithBaseline("BM_PgClearCouponsLayer", "BM_PgClearCouponsRaw", 3.0,
                        "PostgreSQL Clear Coupons pass vs one UPDATE", true);
    compareWithBaseline("BM_PgArrangeLayer", "BM_PgArrangeRaw", 3.0,
                        "PostgreSQL Arrange Departments OK pass vs one UPDATE", true);
    compareWithBaseline("BM_PgRenameLayer", "BM_PgRenameRaw", 3.0, "PostgreSQL Rename pass vs one UPDATE", true);
    compareWithBaseline("BM_PgUndoClearList", "BM_PgUndoClearListRaw", 3.0,
                        "PostgreSQL Undo of Clear List (30,000 on the list) vs one UPDATE from memory", true);
    return true;
}();
