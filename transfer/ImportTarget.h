#pragma once

#include "store/access/SqlValue.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <vector>

class CAdoConnection;

// The catalog as an import plan found it: every row with the columns of
// TransferColumns, and what the plan looks up by: names (letter case aside),
// the places of departments, the IDs taken.
struct ImportTarget
{
    std::vector<std::vector<SqlValue>> rows;
    QHash<QString, size_t> byName;      // the first row of each name
    QHash<QString, SqlValue> deptOrder; // of each placed department
    QSet<qint64> ids;
    qint64 nextId = 1;

    // An empty catalog.
    ImportTarget() = default;
    // Raises CAdoException when the catalog cannot be read.
    explicit ImportTarget(CAdoConnection& connection);
};
