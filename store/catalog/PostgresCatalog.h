#pragma once

#include "store/catalog/Catalog.h"

#include <QString>

// A catalog on a PostgreSQL server, made ready before it is opened; see
// Catalog::prepareFile for what that means for the caller.
class PostgresCatalog
{
public:
    // Creates the catalog's table on the server when it is missing, and gives
    // a catalog made by another tool the row key it lacks. Everything of one
    // call lands whole or not at all. Nothing is tried that the user may not
    // do.
    static Catalog::FileState prepare(const QString& uri);
    // Why the last prepare of uri on this thread failed, in the user's
    // terms; empty when the cause is not known, or prepare last ran on
    // another URI.
    static QString lastCause(const QString& uri);
};
