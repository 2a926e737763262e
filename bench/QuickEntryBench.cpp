// One keystroke in the quick-entry name box of the main window on a large
// catalog: the key into the box, the completion query, and the completed
// name and quantity back in the boxes with the tail selected. Printed with
// the plan SQLite chose for the completion query.

#include "bench/CatalogGenerator.h"

#include "app/CListApp.h"
#include "list/NameCompletion.h"
#include "mainwnd/CMainDlg.h"
#include "store/sqlite/SqliteConnection.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <memory>

namespace
{
const QString kTyped = QStringLiteral("Fre");
const QString kKey = QStringLiteral("s");

// The plan of the completion statement, one line per step.
QString queryPlan(sqlite3* db)
{
    const QByteArray sql = "EXPLAIN QUERY PLAN " + NameCompletion::sql().toUtf8();
    sqlite3_stmt* stmt = nullptr;
    QString plan;
    if (sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &stmt, nullptr) == SQLITE_OK) {
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            if (!plan.isEmpty()) {
                plan += QStringLiteral("; ");
            }
            plan += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3)));
        }
    } else {
        plan = QString::fromUtf8(sqlite3_errmsg(db));
    }
    sqlite3_finalize(stmt);
    return plan;
}

void BM_CompletionKeystroke(benchmark::State& state)
{
    const int items = static_cast<int>(state.range(0));
    // The window works on the device folder's catalog: a copy of the
    // generated one, indexed as after the first start, in place of the one
    // other benchmarks' windows had open.
    const QString source = benchCatalog(items);
    if (!copyCatalog(source, releaseDeviceCatalog())) {
        state.SkipWithError("cannot copy the catalog");
        return;
    }
    CListApp app;
    app.LoadSettings();
    app.CreateListFont();
    auto window = std::make_unique<CMainDlg>(app);
    window->show();
    QApplication::processEvents();
    QLineEdit& box = window->quickText();

    QElapsedTimer clock;
    qint64 nanoseconds = 0;
    QString completed;
    for (auto _ : state) {
        state.PauseTiming();
        box.setText(kTyped);
        QKeyEvent key(QEvent::KeyPress, Qt::Key_S, Qt::NoModifier, kKey);
        state.ResumeTiming();
        clock.start();
        QApplication::sendEvent(&box, &key);
        nanoseconds += clock.nsecsElapsed();
        completed = box.text();
    }
    if (!completed.startsWith(kTyped + kKey) || completed.size() <= kTyped.size() + 1
        || box.selectedText() != completed.mid(kTyped.size() + 1)) {
        state.SkipWithError("the keystroke did not complete the name");
    }
    const QString plan = queryPlan(SqliteConnection::handleOf(window->connection()));
    const double milliseconds = static_cast<double>(nanoseconds) / 1e6 / static_cast<double>(state.iterations());
    state.SetLabel(plan.toStdString());
    std::printf("Completion keystroke on %d items (\"%s\" + \"%s\" -> \"%s\"): %.3f ms (aim <= 2 ms: %s); plan: %s\n",
                items, qPrintable(kTyped), qPrintable(kKey), qPrintable(completed), milliseconds,
                milliseconds <= 2.0 ? "met" : "MISSED", qPrintable(plan));
    std::fflush(stdout);
    // Hidden while whole: hiding reads the window's own controls.
    window->hide();
    QApplication::processEvents();
    window.reset();
    QApplication::processEvents();
}
} // namespace

BENCHMARK(BM_CompletionKeystroke)->Arg(100000)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
