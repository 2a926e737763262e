#include "store/journal/PgUndoBatch.h"

#include "store/access/CAdoConnection.h"
#include "store/journal/UndoBatch.h"

bool PgUndoBatch::suits(const CAdoConnection& connection, const std::vector<RowChange>& changes)
{
    return connection.isPostgres() && UndoBatch::suits(connection, changes);
}

bool PgUndoBatch::apply(CAdoConnection& connection, const std::vector<RowChange>& changes, bool undoing,
                        std::set<qint64>& changedSince)
{
    return UndoBatch::apply(connection, changes, undoing, changedSince);
}
