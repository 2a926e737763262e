#pragma once

#include "controls/ComboLists.h"

#include <vector>

class CAdoConnection;

// What the catalog offers the item editor's four lists, read in one query in
// name order: every item name with its ID, and each store, department and
// unit once (texts that differ only in letter case count as one; the units
// start with a blank entry and leave out empty ones).
class ItemChoices
{
public:
    // False when the query cannot be opened; raises CAdoException when a row
    // cannot be read.
    bool read(CAdoConnection& connection);

    std::vector<ComboLists::Entry> names;
    std::vector<ComboLists::Entry> stores;
    std::vector<ComboLists::Entry> depts;
    std::vector<ComboLists::Entry> units;

    // Item entries made room for before a read; not a cap.
    static constexpr int ReservedNameEntries = 300;
};
