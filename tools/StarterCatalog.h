#pragma once

#include "tools/TransferFile.h"

// About 150 common groceries in 12 departments, the departments already in
// the order most stores are walked (produce first, frozen food last), each
// item with quantity 0: a first catalog to pick the list from.
class StarterCatalog
{
public:
    // The items as an import reads them (store "Grocery", walking order in
    // DeptOrder from 0).
    static TransferFile items();
    static int departmentCount();
};
