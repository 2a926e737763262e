#pragma once

#include <QByteArray>
#include <QString>

// Everything the program's SQL needs changed to mean on PostgreSQL what it
// means on SQLite, in one place. The statements are written for SQLite; the
// catalog's text columns on PostgreSQL are citext with the "C.utf8"
// collation, so equality and order already ignore letter case as the
// program's NOCASE does on a file.
class PgDialect
{
public:
    // The statement's first word in capitals ("ROLLBACK").
    static QByteArray leadingWord(const QByteArray& sql);
    // The statement as PostgreSQL is to run it:
    // - a missing value sorts first in ascending order, as on SQLite: every
    //   ORDER BY term and every indexed column gets NULLS FIRST (NULLS LAST
    //   when descending);
    // - LIKE has no escape character unless the statement names one, as on
    //   SQLite;
    // - a LIKE whose pattern is a plain prefix ('mi%') also gets the range
    //   that a column's index can serve.
    static QByteArray translate(const QByteArray& sql);

    // The "?" parameters of a statement numbered as PostgreSQL writes them
    // ("$1", "$2", ...), outside quoted text and names; count tells how many.
    static QByteArray numberParameters(const QByteArray& sql, int& count);

    // True for a statement that changes the structure (CREATE, ALTER, DROP).
    static bool changesStructure(const QByteArray& sql);

    // The catalog's own spelling of a column name that PostgreSQL reports in
    // lower case ("itemname" -> "ItemName"); other names as they are.
    static QString columnName(const QByteArray& reported);
};
