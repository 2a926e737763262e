#pragma once

#include "transfer/TransferFile.h"

// About 150 common groceries in 13 departments, the departments already in
// the order most stores are walked (produce first, frozen food last), each
// item with quantity 0: a first catalog to pick the list from. Names, units
// and the store are in the interface's language, as the groceries of its
// country are called and sold; in every language no two items and no two
// departments fold to one name (NameFold).
class StarterCatalog
{
public:
    // The items as an import reads them, in the translation installed now
    // (store "Grocery" in English, walking order in DeptOrder from 0).
    static TransferFile items();
    static int departmentCount();
};
