#pragma once

#include <QString>

class CAdoConnection;

// The number of the catalog's structure, kept in the catalog itself: SQLite's
// user_version on a file, the one row of the table GrocelleSchema on a
// server. A start that finds the current number does none of the checks,
// repairs and index making that brought the catalog to it. Every catalog
// made before the number was kept reads as 0.
class CatalogSchema
{
public:
    // The structure this program makes: the full column set, the start-up and
    // store-tab indexes, and the tables beside ShoppingLists (1); names that
    // compare without regard to case for every letter, with the indexes
    // ordered so (2); the items' barcodes (3); the price book, with the
    // newest price of each item and store kept apart (4).
    static constexpr int Current = 4;

    // The number recorded in the catalog; 0 when there is none or it cannot
    // be read. On a server it is read outside any transaction (a missing
    // table would end one).
    static int recorded(CAdoConnection& connection);

    // Records version inside the caller's transaction; false when the store
    // refused. The caller records only a number above the one it found, so
    // that a catalog of a newer program keeps its own.
    static bool record(CAdoConnection& connection, int version);

    // Whether the structure may be changed by this connection: a writable
    // file, or on a server a user who owns the catalog's table and may make
    // tables beside it. A user who may not is never sent an ALTER or a
    // CREATE.
    static bool mayChange(CAdoConnection& connection);

    // Runs one statement of a structure change, on a savepoint when a
    // transaction is open: its failure (a column there under another letter
    // case, a name another program took) undoes only itself, and the
    // transaction goes on. Whether it landed.
    static bool tryChange(CAdoConnection& connection, const QString& sql);

    // The collation of name columns on a server: "C.utf8", which lowers
    // every letter and orders by code point, where the server has it, else
    // "C" (A to Z only).
    static QString serverCollation(CAdoConnection& connection);

    // The column type of a name in a table beside ShoppingLists.
    static QString nameType(CAdoConnection& connection);

    // Makes names that were compared without regard to case only for A to Z
    // compare so for every letter: on a file, the indexes made by SQLite's
    // own NOCASE are rebuilt by the program's; on a server, the catalog's
    // citext columns in "C" move to serverCollation(). Inside the caller's
    // transaction, on a savepoint; whether it landed.
    static bool compareEveryLetter(CAdoConnection& connection);
};
