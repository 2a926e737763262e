#pragma once

#include <QString>
#include <QStringList>

// How the catalog compares names: each code point is taken to its simple
// lower-case mapping (one code point for one, as PostgreSQL's lower() does in
// a UTF-8 collation), then the code points are compared in order. "Äpfel"
// equals "äpfel"; "straße" stays apart from "STRASSE", as a mapping that
// changes a name's length would break width limits and prefix ranges. For
// A to Z and every other ASCII character this is SQLite's NOCASE exactly.
class NameFold
{
public:
    // The name in the form compared: equal keys, equal names; keys order as
    // names do.
    static QString key(const QString& name);

    // Orders two names as the catalog does (<0, 0, >0): by code point of
    // their keys, so that a letter beyond U+FFFF sorts after every other.
    static int compare(const QString& left, const QString& right);
    static bool equal(const QString& left, const QString& right) { return compare(left, right) == 0; }
    static bool less(const QString& left, const QString& right) { return compare(left, right) < 0; }
    // True when names holds name, compared as the catalog does.
    static bool contains(const QStringList& names, const QString& name);
    // True when name begins with prefix, compared as the catalog does.
    static bool startsWith(const QString& name, const QString& prefix);

    // Orders two UTF-8 texts as key() would order them (<0, 0, >0). A byte
    // that starts no valid sequence compares above every code point, and only
    // equal to the same byte, so that any text has a fixed place.
    static int compareUtf8(const void* left, int leftSize, const void* right, int rightSize);
};
