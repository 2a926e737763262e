// Runs Clear List on the catalog file named by the first argument, in a
// process of its own that a test can kill part-way. With a second argument n
// above 0 the pass stops when it is about to write the item of ID n, prints
// "reached" and waits to be killed.

#include "items/ListCommands.h"
#include "store/access/CAdoConnection.h"
#include "store/access/CAdoException.h"
#include "store/catalog/CatalogEngines.h"
#include "store/sqlite/SqliteConnection.h"

#include <sqlite3.h>

#include <cstdio>
#include <unistd.h>

namespace
{
[[noreturn]] void reached(sqlite3_context*, int, sqlite3_value**)
{
    std::fputs("reached\n", stdout);
    std::fflush(stdout);
    for (;;) {
        pause();
    }
}
} // namespace

int main(int argc, char** argv)
{
    CatalogEngines::install();
    if (argc < 2) {
        std::fputs("usage: ClearListChild catalog [stop-at-id]\n", stderr);
        return 2;
    }
    CAdoConnection connection;
    if (connection.Open(QString::fromLocal8Bit(argv[1])) != 0) {
        std::fprintf(stderr, "cannot open: %s\n", qPrintable(connection.lastError()));
        return 2;
    }
    const int stopAt = argc > 2 ? QByteArray(argv[2]).toInt() : 0;
    if (stopAt > 0) {
        sqlite3_create_function(SqliteConnection::handleOf(connection), "pass_reached", 0, SQLITE_UTF8, nullptr,
                                reached, nullptr, nullptr);
        // A page cache this small makes the pass write changed pages to the
        // file long before it ends.
        if (!connection.Execute(QStringLiteral("PRAGMA cache_size = 8"))
            || !connection.Execute(QStringLiteral("CREATE TEMP TRIGGER stop_here BEFORE UPDATE ON main.ShoppingLists "
                                                  "WHEN old.ID = %1 BEGIN SELECT pass_reached(); END")
                                       .arg(stopAt))) {
            std::fprintf(stderr, "cannot prepare: %s\n", qPrintable(connection.lastError()));
            return 2;
        }
    }
    try {
        ListCommands::clearRows(connection, ListCommands::Clear::List);
    } catch (const CAdoException& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.describe()));
        return 1;
    }
    return 0;
}
