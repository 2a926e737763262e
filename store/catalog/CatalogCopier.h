#pragma once

#include <QString>

class CAdoConnection;

// Moves a catalog from one place to another: an SQLite file to a PostgreSQL
// database or back (or file to file, server to server). Every row lands in
// one transaction or none does; the source is only read.
class CatalogCopier
{
public:
    struct Result
    {
        bool copied = false;
        long rows = 0;
        long journalActions = 0; // undo history entries copied along
        long walkRows = 0;       // rows of the stores' own walks copied along
        QString sourceChecksum;  // of the source's rows, as read
        QString targetChecksum;  // of the target's rows, read back before the commit
        QString error;           // why nothing was copied
    };

    // Copies every row of the catalog at from into the catalog at to (a file
    // path or a postgresql:// URI; the target's table is made when missing).
    // A target that holds rows is refused unless replace is given, which
    // first empties it in the same transaction. The undo history comes
    // along and replaces the target's.
    static Result copy(const QString& from, const QString& to, bool replace);

    // A checksum of the catalog's rows that does not depend on their order or
    // on the engine: SHA-256 over the sorted hashes of each row's values as
    // the access layer reads them (missing values told apart from empty
    // text). rows receives the count. Empty text, with error set, on failure.
    static QString checksum(CAdoConnection& connection, long& rows, QString& error);
};
