// The undo journal: taking back Clear List against the plain UPDATEs that put
// the same values back, and reading the journal's state when the program
// opens a catalog with a full journal against one without.

#include "bench/BenchReport.h"
#include "bench/CatalogGenerator.h"

#include "items/ListCommands.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoTransaction.h"
#include "store/journal/Journal.h"
#include "store/journal/JournalAction.h"
#include "store/sqlite/SqliteConnection.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <vector>

namespace
{
// 30,000 of the catalog's items on the list, some of them marked.
const char* const kThirtyThousandNeeded =
    "UPDATE ShoppingLists SET QtyToBuy = 0, Checked = 0; "
    "UPDATE ShoppingLists SET QtyToBuy = 1 + ID % 3, Checked = ID % 2 WHERE ID % 10 < 3";

bool prepare(benchmark::State& state, CAdoConnection& connection, const char* tag)
{
    if (connection.Open(benchCatalog(static_cast<int>(state.range(0)), QString::fromLatin1(tag))) != 0) {
        state.SkipWithError("cannot open the catalog");
        return false;
    }
    return true;
}

bool exec(benchmark::State& state, CAdoConnection& connection, const char* sql)
{
    if (sqlite3_exec(SqliteConnection::handleOf(connection), sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        state.SkipWithError(sqlite3_errmsg(SqliteConnection::handleOf(connection)));
        return false;
    }
    return true;
}

void BM_UndoClearList(benchmark::State& state)
{
    CAdoConnection connection;
    if (!prepare(state, connection, "undo")) {
        return;
    }
    Journal journal(connection);
    int items = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const bool ready = exec(state, connection, kThirtyThousandNeeded);
        if (ready) {
            ListCommands::clearRows(connection, ListCommands::Clear::List);
        }
        state.ResumeTiming();
        if (!ready) {
            break;
        }
        const Journal::Outcome outcome = journal.undo();
        if (!outcome.done) {
            state.SkipWithError(outcome.message.toStdString().c_str());
            break;
        }
        items = outcome.itemsChanged;
    }
    state.counters["rows"] = items;
}

// The same values put back by one prepared UPDATE per item, in one
// transaction, from values held in memory.
void BM_UndoClearListRaw(benchmark::State& state)
{
    CAdoConnection connection;
    if (!prepare(state, connection, "undo")) {
        return;
    }
    struct Saved
    {
        qint64 id;
        int qty;
        int checked;
    };
    std::vector<Saved> saved;
    for (auto _ : state) {
        state.PauseTiming();
        saved.clear();
        bool ready = exec(state, connection, kThirtyThousandNeeded);
        sqlite3_stmt* read = nullptr;
        sqlite3_prepare_v2(SqliteConnection::handleOf(connection),
                           "SELECT ID, QtyToBuy, Checked FROM ShoppingLists WHERE QtyToBuy <> 0 OR Checked <> 0", -1,
                           &read, nullptr);
        while (ready && sqlite3_step(read) == SQLITE_ROW) {
            saved.push_back({sqlite3_column_int64(read, 0), sqlite3_column_int(read, 1), sqlite3_column_int(read, 2)});
        }
        sqlite3_finalize(read);
        ready = ready
                && exec(state, connection,
                        "UPDATE ShoppingLists SET QtyToBuy = 0, Checked = 0 WHERE QtyToBuy "
                        "<> 0 OR Checked <> 0");
        state.ResumeTiming();
        if (!ready) {
            break;
        }
        sqlite3_stmt* update = nullptr;
        exec(state, connection, "BEGIN IMMEDIATE");
        sqlite3_prepare_v2(SqliteConnection::handleOf(connection),
                           "UPDATE ShoppingLists SET QtyToBuy = ?, Checked = ? WHERE ID = ?", -1, &update, nullptr);
        for (const Saved& row : saved) {
            sqlite3_bind_int(update, 1, row.qty);
            sqlite3_bind_int(update, 2, row.checked);
            sqlite3_bind_int64(update, 3, row.id);
            sqlite3_step(update);
            sqlite3_reset(update);
        }
        sqlite3_finalize(update);
        exec(state, connection, "COMMIT");
    }
    state.counters["rows"] = static_cast<double>(saved.size());
}

// What the window asks of the journal when it opens: whether undo can work,
// and the actions to name in Undo and Redo.
void openAndRead(benchmark::State& state, const QString& file)
{
    for (auto _ : state) {
        CAdoConnection connection;
        benchMust(connection.Open(file) == 0, "open the catalog");
        Journal journal(connection);
        benchmark::DoNotOptimize(journal.unavailableReason());
        benchmark::DoNotOptimize(journal.nextUndo());
        benchmark::DoNotOptimize(journal.nextRedo());
    }
}

void BM_OpenWithFullJournal(benchmark::State& state)
{
    static QString file;
    if (file.isEmpty()) {
        file = benchCatalog(static_cast<int>(state.range(0)), QStringLiteral("journal"));
        CAdoConnection connection;
        benchMust(connection.Open(file) == 0, "open the catalog");
        CAdoTransaction all(connection);
        for (int i = 1; i <= 500; ++i) {
            JournalAction action(connection, QStringLiteral("Add one: Item %1").arg(i));
            action.watch(i);
            benchMust(connection.Execute(
                          QStringLiteral("UPDATE ShoppingLists SET QtyToBuy = QtyToBuy + 1 WHERE ID = %1").arg(i)),
                      "run a set-up statement");
            action.commit();
        }
        all.commit();
    }
    openAndRead(state, file);
}

void BM_OpenWithoutJournal(benchmark::State& state)
{
    openAndRead(state, benchCatalog(static_cast<int>(state.range(0)), QStringLiteral("nojournal")));
}
} // namespace

BENCHMARK(BM_UndoClearList)->Arg(100000)->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.2);
BENCHMARK(BM_UndoClearListRaw)->Arg(100000)->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.2);
BENCHMARK(BM_OpenWithFullJournal)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWithoutJournal)->Arg(100000)->Unit(benchmark::kMillisecond);

static const bool undoCompared = compareWithBaseline("BM_UndoClearList", "BM_UndoClearListRaw", 3.0,
                                                     "Undo of Clear List (30,000 on the list) vs plain UPDATEs; "
                                                     "aim also under 1 s");
static const bool openCompared = compareWithBaseline("BM_OpenWithFullJournal", "BM_OpenWithoutJournal", 10.0,
                                                     "Opening with 500 journalled actions vs none; aim under 10 ms "
                                                     "more");
