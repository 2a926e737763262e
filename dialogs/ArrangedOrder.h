#pragma once

#include "store/catalog/BulkPass.h"

#include <QStringList>

class CAdoConnection;

// The everyday walk written to the catalog: every row's DeptOrder numbered
// from its department's place in the list arranged in Arrange Departments.
class ArrangedOrder
{
public:
    static constexpr int UnplacedOrder = -1;

    // The DeptOrder a department name gets from the arranged list: the
    // position of the first entry equal to it as a whole name without regard
    // to case, searching from the second entry to the last and then the
    // first. An empty name, or one not listed, gets UnplacedOrder.
    static int orderOf(const QString& name, const QStringList& departments);

    // Numbers DeptOrder on every row of the catalog from departments, in one
    // transaction on the open connection. Returns the number of rows whose
    // value changed. Raises CAdoException when the rows cannot be read, a row
    // cannot be written or the pass cannot be made final; the catalog then
    // keeps every old number.
    static long writeOrder(CAdoConnection& connection, const QStringList& departments);
    // The pass behind writeOrder, without its journal, for the names in use
    // on the connection's catalog.
    static BulkPass::Statement orderPass(CAdoConnection& connection, const QStringList& departments);
};
