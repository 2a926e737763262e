#pragma once

#include "store/catalog/Catalog.h"

#include <QStringList>

#include <vector>

class CAdoConnection;

// The structure check that brings an older catalog up to date, and the
// indexes it makes; Catalog::checkStructure and Catalog's index calls run it
// (their contracts are told there).
class CatalogStructure
{
public:
    // Whether names, the columns of a ShoppingLists table, hold every column
    // that the program's statements name: a table without them belongs to
    // some other program.
    static bool hasBaseColumns(const QStringList& names);
    // How many columns hasBaseColumns asks for.
    static int baseColumnCount();

    static std::vector<Catalog::Addition> check(CAdoConnection& connection);
    static void runStartupIndexes(CAdoConnection& connection);
    static void runStoreTabIndexes(CAdoConnection& connection);
};
